#include "Reference.h"

#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace talix::bench {

namespace {

// Calls `ligne(view)` for each line read from the file from byte `octet`, until it
// returns false.
template <class F> void ParcourirLignes(const std::string& chemin, F&& ligne, long octet = 0) {
    const int fd = ::open(chemin.c_str(), O_RDONLY);
    if (fd < 0) {
        return;
    }
    if (octet > 0) {
        ::lseek(fd, octet, SEEK_SET);
    }
    std::vector<char> tampon(64 * 1024);
    std::string reste;
    bool continuer = true;
    while (continuer) {
        const ssize_t n = ::read(fd, tampon.data(), tampon.size());
        if (n <= 0) {
            break;
        }
        const char* p = tampon.data();
        const char* fin = p + n;
        while (continuer && p < fin) {
            const char* lf = static_cast<const char*>(std::memchr(p, '\n', fin - p));
            if (!lf) {
                reste.append(p, fin);
                break;
            }
            if (!reste.empty()) {
                reste.append(p, lf);
                continuer = ligne(std::string_view(reste));
                reste.clear();
            } else {
                continuer = ligne(std::string_view(p, lf - p));
            }
            p = lf + 1;
        }
    }
    if (continuer && !reste.empty()) {
        ligne(std::string_view(reste));
    }
    ::close(fd);
}

} // namespace

std::size_t DecoupageNu(const std::string& chemin, std::size_t lignes, long octet) {
    std::size_t compte = 0;
    ParcourirLignes(
        chemin,
        [&](std::string_view) {
            ++compte;
            return lignes == 0 || compte < lignes;
        },
        octet);
    return compte;
}

long OctetDeLigne(const std::string& chemin, std::size_t ligne) {
    long octet = 0;
    std::size_t numero = 1;
    ParcourirLignes(chemin, [&](std::string_view l) {
        if (numero >= ligne) {
            return false;
        }
        ++numero;
        octet += static_cast<long>(l.size()) + 1;
        return true;
    });
    return octet;
}

std::size_t NombreDeLignes(const std::string& chemin) { return DecoupageNu(chemin); }

std::size_t GrepFx(const std::string& chemin, const std::string& motif) {
    std::size_t egales = 0;
    ParcourirLignes(chemin, [&](std::string_view l) {
        if (!l.empty() && l.back() == '\r') {
            l.remove_suffix(1);
        }
        egales += l == motif;
        return true;
    });
    return egales;
}

std::size_t PremiereLigne(const std::string& chemin, const std::string& prefixe) {
    std::size_t numero = 0;
    std::size_t trouvee = 0;
    ParcourirLignes(chemin, [&](std::string_view l) {
        ++numero;
        if (l.substr(0, prefixe.size()) == prefixe) {
            trouvee = numero;
            return false;
        }
        return true;
    });
    return trouvee;
}

} // namespace talix::bench
