#include "search/CleDesignation.h"

#include <algorithm>

#include "texte/Caracteres.h"

namespace talix {

void CopierMajuscules(std::string_view source, std::string& destination, std::size_t capacite) {
    destination = Tronquer(source, capacite);
    for (char& c : destination) {
        if (EstMinuscule(c)) {
            c = static_cast<char>(c - 32);
        }
    }
}

void CleDesignation(std::string_view texte, std::string& cle, std::size_t capacite) {
    constexpr std::size_t LongueurMaxCle = 254;
    std::string gardes;
    gardes.reserve(std::min(texte.size(), LongueurMaxCle));
    for (char c : texte) {
        if (gardes.size() == LongueurMaxCle) {
            break;
        }
        if (EstLettre(c) || EstChiffre(c) || EstTilde(c)) {
            gardes.push_back(c);
        }
    }
    CopierMajuscules(gardes, cle, capacite);
}

} // namespace talix
