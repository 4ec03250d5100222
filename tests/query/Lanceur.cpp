#include "Lanceur.h"

#include <cstdlib>
#include <sys/wait.h>

#include "support/Fixtures.h"

namespace talix::test {

namespace {

std::string Quoter(const std::string& s) {
    std::string q = "'";
    for (char c : s) {
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return q + "'";
}

} // namespace

Sortie LancerQuery(const std::vector<std::string>& arguments, const std::string& entree) {
    RepertoireTemporaire dir;
    EcrireOctets(dir.Fichier("in"), entree);
    std::string commande = Quoter(TALIX_QUERY);
    for (const std::string& a : arguments) {
        commande += " " + Quoter(a);
    }
    commande += " <" + Quoter(dir.Fichier("in")) + " >" + Quoter(dir.Fichier("out")) + " 2>" +
                Quoter(dir.Fichier("err"));
    const int brut = std::system(commande.c_str());
    Sortie s;
    s.statut = WIFEXITED(brut) ? WEXITSTATUS(brut) : -1;
    s.out = LireOctets(dir.Fichier("out"));
    s.err = LireOctets(dir.Fichier("err"));
    std::size_t debut = 0;
    while (debut < s.out.size()) {
        const std::size_t lf = s.out.find('\n', debut);
        if (lf == std::string::npos) {
            s.lignes.push_back(s.out.substr(debut));
            break;
        }
        s.lignes.push_back(s.out.substr(debut, lf - debut));
        debut = lf + 1;
    }
    return s;
}

} // namespace talix::test
