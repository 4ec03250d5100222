// One line of the index file: its section, its fields, the family selection, and the
// reading state the scans share.
//
// Lines are parsed in place: words are views into the line, and the only copy made is
// the entry's Mot, whose buffer is reused from line to line.

#include <algorithm>
#include <string_view>

#include "search/Recherche.h"
#include "texte/Caracteres.h" // EntierOuZero
#include "texte/Nombres.h"

namespace talix {

namespace {

constexpr std::size_t CapMot = 35;
constexpr std::size_t CapMotFamille = 31;

// A failure raised and caught inside one routine. Its text is never displayed.
struct EchecConversion {
    const char* texte;
};

std::string_view Tag(std::string_view ligne) { return ligne.substr(0, 3); }

// Skips the spaces at `pos`, then returns the run of non-space characters that follows
// and leaves `pos` on the character after it. Only the space separates words.
std::string_view MotSuivant(std::string_view texte, std::size_t& pos) {
    const std::size_t debut = std::min(texte.find_first_not_of(' ', pos), texte.size());
    pos = std::min(texte.find(' ', debut), texte.size());
    return texte.substr(debut, pos - debut);
}

bool EstCodeFamille(std::int32_t code) {
    switch (code) {
    case 0: case 100: case 200: case 400: case 500: case 600: case 700: case 800:
        return true;
    default:
        return false;
    }
}

} // namespace

bool EstLigneDesignation(std::string_view ligne) {
    if (ligne.empty()) {
        return false;
    }
    const std::string_view tag = Tag(ligne);
    return tag != "dur" && tag != "ela" && tag != "res";
}

bool EstLigneDurete(std::string_view ligne) { return Tag(ligne) == "dur"; }
bool EstLigneElasticite(std::string_view ligne) { return Tag(ligne) == "ela"; }
bool EstLigneResistance(std::string_view ligne) { return Tag(ligne) == "res"; }

bool LigneDuType(std::string_view ligne, std::int32_t typeRecherche) {
    switch (typeRecherche) {
    case 0: return EstLigneDesignation(ligne);
    case 1: return EstLigneDurete(ligne);
    case 2: return EstLigneResistance(ligne);
    case 3: return EstLigneElasticite(ligne);
    default: return false;
    }
}

Recherche::Recherche(Base& base, Feuilles& feuilles) : base_(base), feuilles_(feuilles) {}

bool Recherche::FamilleAcceptee(std::int32_t code) const {
    if (code == -5) {
        return false;
    }
    if (EstCodeFamille(code)) {
        return FamilleChoisie == -1 || FamilleChoisie == code;
    }
    return FamilleChoisie == -1;
}

bool Recherche::AnalyserLigne(std::string_view ligne, std::int32_t t, std::int32_t v,
                              EntreeIndex& entree) {
    if (EstLigneDesignation(ligne)) {
        AnalyserEntree(ligne, entree);
        return false;
    }
    if (EstLigneDurete(ligne) || EstLigneElasticite(ligne)) {
        AnalyserEntree(ligne.substr(3), entree);
        return false;
    }
    // An empty line ends here too: it is no tensile line and sets nothing.
    return AnalyserLigneResistance(ligne, t, v, entree);
}

void Recherche::AnalyserEntree(std::string_view texte, EntreeIndex& entree) {
    std::size_t pos = 0;
    entree.Mot.assign(MotSuivant(texte, pos).substr(0, CapMot));
    entree.Famille = EntierOuZero(MotSuivant(texte, pos).substr(0, CapMotFamille));
    AnalyserRenvoi(texte.substr(pos), entree);
}

void Recherche::AnalyserRenvoi(std::string_view queue, EntreeIndex& entree) {
    try {
        while (!queue.empty() && queue.front() == ' ') {
            queue.remove_prefix(1);
        }
        // Shorter than two characters: the record part is empty and fails first.
        const std::size_t coupure = queue.size() >= 2 ? queue.size() - 2 : 0;
        const auto numero = EntierStrict(queue.substr(0, coupure));
        if (!numero) {
            throw EchecConversion{"Erreur de conversion"};
        }
        entree.NumFiche = *numero;
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
        const auto colonne = EntierStrict(queue.substr(coupure));
        if (!colonne) {
            throw EchecConversion{"Erreur de conversion"};
        }
        entree.Colonne = *colonne;
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
    } catch (const EchecConversion&) {
        base_.MontrerErreurBase();
    }
}

bool Recherche::AnalyserLigneResistance(std::string_view ligne, std::int32_t t, std::int32_t v,
                                        EntreeIndex& entree) {
    try {
        if (!EstLigneResistance(ligne)) {
            return false;
        }
        std::size_t pos = 3;
        const std::int64_t min = EntierOuZero(MotSuivant(ligne, pos));
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
        const std::int64_t max = EntierOuZero(MotSuivant(ligne, pos));
        if (base_.Couche().LireStatut() != ES_OK) {
            throw EchecConversion{"Erreur de conversion"};
        }
        entree.Famille = EntierOuZero(MotSuivant(ligne, pos).substr(0, CapMotFamille));
        // Widened in 64 bits: no bound of the file can overflow the comparison.
        const bool correspond = v == SansValeur || (min - t <= v && v <= max + t);
        if (correspond) {
            AnalyserRenvoi(ligne.substr(pos), entree);
        }
        return correspond;
    } catch (const EchecConversion&) {
        base_.MontrerErreurBase();
        return false;
    }
}

void Recherche::VerifierES(std::string_view message) {
    if (base_.Couche().LireStatut() != ES_OK) {
        base_.DetailErreurBase.assign(message);
        base_.MontrerErreurBase();
    }
}

void Recherche::Rembobiner() {
    base_.FichierIndex.Reinitialiser();
    lignesLues_ = 0;
}

void Recherche::LireIndex(std::string& ligne) {
    base_.FichierIndex.LireLigne(ligne);
    ++lignesLues_;
}

bool Recherche::FinIndex() { return base_.FichierIndex.FinDeFichier(); }

void Recherche::MontrerSousRecherche() {
    base_.MontrerNotice(Fenetre::TFicheSousRecherche);
    // Closing the notice, by any means, turns the family filter off.
    FamilleChoisie = -1;
}

} // namespace talix
