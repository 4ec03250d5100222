#include "ui/Textes.h"

#include <array>

namespace talix {

namespace {

// Start of each column, counted from 0, and where a line ends.
constexpr std::array<std::size_t, 7> DebutsColonnes = {2, 17, 27, 36, 48, 60, 73};

bool DebutCaractere(unsigned char octet) {
    return (octet & 0xC0) != 0x80;
}

std::size_t NombreCaracteres(const std::string& texte) {
    std::size_t n = 0;
    for (unsigned char octet : texte) {
        n += DebutCaractere(octet) ? 1 : 0;
    }
    return n;
}

// The first `n` characters of a UTF-8 text.
std::string Premiers(const std::string& texte, std::size_t n) {
    std::size_t vus = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (DebutCaractere(static_cast<unsigned char>(texte[i]))) {
            if (vus == n) {
                return texte.substr(0, i);
            }
            ++vus;
        }
    }
    return texte;
}

std::string SansBlancsFinaux(std::string texte) {
    while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t')) {
        texte.pop_back();
    }
    return texte;
}

std::vector<std::string> Champs(const std::string& ligne) {
    std::vector<std::string> champs;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t tab = ligne.find('\t', debut);
        champs.push_back(ligne.substr(debut, tab == std::string::npos ? tab : tab - debut));
        if (tab == std::string::npos) {
            return champs;
        }
        debut = tab + 1;
    }
}

} // namespace

std::vector<std::string> DecouperLignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t fin = texte.find('\n', debut);
        std::string ligne = texte.substr(debut, fin == std::string::npos ? fin : fin - debut);
        if (!ligne.empty() && ligne.back() == '\r') {
            ligne.pop_back();
        }
        lignes.push_back(std::move(ligne));
        if (fin == std::string::npos) {
            return lignes;
        }
        debut = fin + 1;
    }
}

std::string TexteAideDesignation(const std::string& tete, const std::string& especes) {
    std::string texte = tete;
    if (texte.size() >= 1 && texte.back() != '\n') {
        texte += '\n';
    }
    // The head ends with its blank last line; each kind of material takes a line of its own.
    for (const std::string& espece : DecouperLignes(especes)) {
        if (!espece.empty()) {
            texte += "\n\t\t" + espece;
        }
    }
    texte += '\n';
    return texte;
}

std::string EnteteFournisseurs() {
    return "  Producers      Country   Zip      Town        Phone       Fax          Web site";
}

std::string LigneFournisseur(const std::vector<std::string>& champs) {
    std::string ligne;
    std::size_t longueur = 0; // in characters
    for (std::size_t i = 0; i < DebutsColonnes.size(); ++i) {
        const std::size_t debut = DebutsColonnes[i];
        const std::size_t fin =
            i + 1 < DebutsColonnes.size() ? DebutsColonnes[i + 1] - 1 : LargeurFournisseurs;
        ligne.append(debut - longueur, ' ');
        longueur = debut;
        if (i < champs.size()) {
            std::string champ = SansBlancsFinaux(champs[i]);
            const std::size_t debutTexte = champ.find_first_not_of(" \t");
            champ = debutTexte == std::string::npos ? std::string() : champ.substr(debutTexte);
            champ = Premiers(champ, fin - debut);
            ligne += champ;
            longueur += NombreCaracteres(champ);
        }
    }
    return SansBlancsFinaux(ligne);
}

std::string TexteFournisseurs(const std::string& tsv) {
    std::string texte = EnteteFournisseurs() + "\n  \n" + std::string(LargeurFournisseurs, '-');
    bool premiere = true;
    for (const std::string& ligne : DecouperLignes(tsv)) {
        const bool titres = premiere && ligne.rfind("name", 0) == 0;
        premiere = false;
        if (titres || ligne.empty() || ligne[0] == '#') {
            continue;
        }
        texte += "\n" + LigneFournisseur(Champs(ligne));
    }
    return texte;
}

} // namespace talix
