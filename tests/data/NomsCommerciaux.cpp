#include "NomsCommerciaux.h"

#include <algorithm>
#include <set>

namespace talix::test {

namespace {

bool LettreAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool ChiffreAscii(char c) { return c >= '0' && c <= '9'; }

std::vector<std::string> Decouper(const std::string& ligne, char separateur) {
    std::vector<std::string> champs(1);
    for (char c : ligne) {
        if (c == separateur) {
            champs.emplace_back();
        } else {
            champs.back() += c;
        }
    }
    return champs;
}

bool Encadre(const std::string& champ) {
    return !champ.empty() && (champ.front() == ' ' || champ.back() == ' ');
}

} // namespace

std::vector<LigneTsv> LignesTsv(const std::string& texte) {
    std::vector<LigneTsv> lignes;
    int numero = 0;
    std::size_t debut = 0;
    while (debut <= texte.size()) {
        std::size_t fin = texte.find('\n', debut);
        if (fin == std::string::npos) {
            fin = texte.size();
        }
        std::string ligne = texte.substr(debut, fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back();
        }
        ++numero;
        if (numero > 1 && !ligne.empty()) {
            lignes.push_back({Decouper(ligne, '\t'), numero});
        }
        debut = fin + 1;
    }
    return lignes;
}

std::vector<NomCommercial> LireNomsCommerciaux(const std::string& texte,
                                               std::vector<std::string>& problemes) {
    std::vector<NomCommercial> noms;
    for (const LigneTsv& ligne : LignesTsv(texte)) {
        const auto& c = ligne.champs;
        const bool vide = std::any_of(c.begin(), c.end(), [](const std::string& s) { return s.empty(); });
        const bool encadre = std::any_of(c.begin(), c.end(), Encadre);
        if (c.size() != 3 || vide || encadre) {
            problemes.push_back("line " + std::to_string(ligne.numero) +
                                ": three non-empty fields without surrounding blanks expected");
            continue;
        }
        noms.push_back({c[0], c[1], c[2]});
    }
    return noms;
}

std::string MajusculesAscii(const std::string& texte) {
    std::string resultat = texte;
    for (char& c : resultat) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return resultat;
}

bool MotifNomme(const std::string& motif, const std::string& designation) {
    if (motif.empty() || designation.size() < motif.size()) {
        return false;
    }
    if (MajusculesAscii(designation.substr(0, motif.size())) != MajusculesAscii(motif)) {
        return false;
    }
    if (designation.size() == motif.size()) {
        return true;
    }
    const char dernier = motif.back();
    const char suivant = designation[motif.size()];
    return !(LettreAscii(dernier) && LettreAscii(suivant)) &&
           !(ChiffreAscii(dernier) && ChiffreAscii(suivant));
}

std::vector<std::string> Mots(const std::string& designation) {
    std::vector<std::string> mots;
    std::string mot;
    for (char c : designation + ' ') {
        if (LettreAscii(c) || ChiffreAscii(c)) {
            mot += c;
        } else if (!mot.empty()) {
            mots.push_back(MajusculesAscii(mot));
            mot.clear();
        }
    }
    return mots;
}

std::vector<std::string> ProducteursInconnus(const std::vector<NomCommercial>& noms,
                                             const std::vector<std::string>& producteurs) {
    const std::set<std::string> connus(producteurs.begin(), producteurs.end());
    std::set<std::string> motifs;
    std::vector<std::string> problemes;
    for (const NomCommercial& nom : noms) {
        if (!connus.count(nom.producteur)) {
            problemes.push_back(nom.motif + ": producer not listed: " + nom.producteur);
        }
        if (!motifs.insert(MajusculesAscii(nom.motif)).second) {
            problemes.push_back(nom.motif + ": given twice");
        }
    }
    return problemes;
}

std::vector<std::string> DesignationsSansProducteur(const std::vector<std::string>& designations,
                                                    const std::vector<NomCommercial>& noms,
                                                    const std::vector<std::string>& producteurs) {
    const std::set<std::string> connus(producteurs.begin(), producteurs.end());
    std::vector<std::string> problemes;
    for (const std::string& designation : designations) {
        for (const NomCommercial& nom : noms) {
            if (MotifNomme(nom.motif, designation) && !connus.count(nom.producteur)) {
                problemes.push_back(designation + " (" + nom.motif + "): producer not listed: " +
                                    nom.producteur);
            }
        }
    }
    return problemes;
}

std::vector<std::string> MarquesSansMotif(const std::vector<std::string>& designations,
                                          const std::vector<NomCommercial>& noms,
                                          const std::vector<std::string>& marques) {
    std::set<std::string> mots;
    for (const std::string& marque : marques) {
        mots.insert(MajusculesAscii(marque));
    }
    std::vector<std::string> problemes;
    for (const std::string& designation : designations) {
        const std::vector<std::string> siens = Mots(designation);
        const auto marque = std::find_if(siens.begin(), siens.end(),
                                         [&](const std::string& m) { return mots.count(m) > 0; });
        if (marque == siens.end()) {
            continue;
        }
        const bool nomme = std::any_of(noms.begin(), noms.end(), [&](const NomCommercial& n) {
            return MotifNomme(n.motif, designation);
        });
        if (!nomme) {
            problemes.push_back(designation + ": holds the trade name " + *marque +
                                " but no pattern of trade-names.tsv names it");
        }
    }
    return problemes;
}

std::vector<std::string> MotifsInutilises(const std::vector<std::string>& designations,
                                          const std::vector<NomCommercial>& noms) {
    std::vector<std::string> inutilises;
    for (const NomCommercial& nom : noms) {
        const bool sert = std::any_of(designations.begin(), designations.end(),
                                      [&](const std::string& d) { return MotifNomme(nom.motif, d); });
        if (!sert) {
            inutilises.push_back(nom.motif);
        }
    }
    return inutilises;
}

std::size_t NombreCaracteresUtf8(const std::string& texte) {
    return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace talix::test
