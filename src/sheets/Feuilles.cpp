#include "sheets/Feuilles.h"

#include <algorithm>

#include "texte/Caracteres.h"

namespace talix {

const std::array<const char*, NombreLignesDesignation> LegendesDesignation = {
    "AFNOR           (F)   or EN",
    "Werkstoff N\xB0 (DIN or EN)",
    "DIN                 (D)",
    "BS                  (UK)",
    "AISI                (USA)",
    "UNS               (USA)",
    "Nature of the alloy",
    "Designation",
    "Designation",
    "Designation",
    "Designation",
    "Designation",
    "ARemplir",
};

namespace {

// The integer of the digits of `texte`: 0 when it holds none.
std::int32_t EntierDesChiffres(const std::string& texte) {
    std::string chiffres;
    ChiffresSeuls(texte, chiffres, CapaciteTexteCourt);
    return EntierOuZero(chiffres);
}

std::int64_t Ecart(std::int64_t x, std::int64_t y) {
    return x > y ? x - y : y - x;
}

// The condition row (0 or 1) whose value a or b the criterion shows. A typed value wins
// when it is there; otherwise the value shown before decides. `brancheMoinsUn` is the
// hardness rule for a first display without a typed value (the smaller value wins).
int ChoisirLigne(std::int32_t a, std::int32_t b, const std::string& texteRecherche,
                 std::int32_t valeurReference, bool brancheMoinsUn) {
    if (!texteRecherche.empty()) {
        const std::int64_t q = EntierOuZero(texteRecherche);
        const std::int64_t dA = Ecart(q, a);
        const std::int64_t dB = Ecart(q, b);
        if (dA == 0) {
            return 0;
        }
        if (dB == 0) {
            return 1;
        }
        return dA < dB ? 0 : 1;
    }
    if (brancheMoinsUn && valeurReference == -1) {
        return a < b ? 0 : 1;
    }
    return Ecart(valeurReference, a) < Ecart(valeurReference, b) ? 0 : 1;
}

} // namespace

Feuilles::Feuilles() {
    for (std::size_t i = 0; i < NombreLignesDesignation; ++i) {
        Designations.lignes[i].caption = LegendesDesignation[i];
    }
    Designations.lignes[LigneCritere].visible = false;
}

void Feuilles::AfficherFiche(Fiche fiche, std::string texteRecherche, std::int32_t colonneTrouvee,
                             std::int32_t typeRecherche) {
    EffacerFiches();
    RemplirDesignations(fiche, texteRecherche, colonneTrouvee, typeRecherche);
    RemplirMeca(fiche);
    RemplirChimie(fiche);
}

void Feuilles::EffacerFiches() {
    DecolorerPanneaux();
    EffacerDesignations();
    EffacerChimie();
    EffacerMeca();
}

void Feuilles::DecolorerPanneaux() {
    for (LigneDesignation& ligne : Designations.lignes) {
        ligne.couleur = CouleurLigne::FaceBouton;
    }
}

void Feuilles::EffacerDesignations() {
    for (std::size_t i = 0; i < LigneCritere; ++i) {
        Designations.lignes[i].value.clear();
    }
}

void Feuilles::RemplirDesignations(const Fiche& fiche, const std::string& texteRecherche,
                                   std::int32_t colonneTrouvee, std::int32_t typeRecherche) {
    for (int numero = 1; numero <= 12; ++numero) {
        Designations.lignes[static_cast<std::size_t>(numero - 1)].value =
            Tronquer(*DesignationNumero(fiche, numero), CapDesignation);
    }
    criterePossible_ = true;
    switch (typeRecherche) {
    case 1:
        CritereDurete(fiche, texteRecherche);
        break;
    case 2:
        CritereResistance(fiche);
        break;
    case 3:
        CritereElasticite(fiche, texteRecherche);
        break;
    default:
        break;
    }
    SurlignerDesignation(colonneTrouvee, typeRecherche);
}

void Feuilles::CritereDurete(const Fiche& fiche, const std::string& texteRecherche) {
    LigneDesignation& critere = Designations.lignes[LigneCritere];
    criterePossible_ = true;
    critere.visible = true;
    critere.caption = "Max. hardeness ";
    const std::int32_t a = EntierDesChiffres(fiche.Meca[0].DureteMax);
    const std::int32_t b = EntierDesChiffres(fiche.Meca[1].DureteMax);
    const int ligne = ChoisirLigne(a, b, texteRecherche, ValeurReference, true);
    critere.value = Tronquer(fiche.Meca[static_cast<std::size_t>(ligne)].DureteMax, CapDurete);
    ValeurReference = ligne == 0 ? a : b;
}

void Feuilles::CritereElasticite(const Fiche& fiche, const std::string& texteRecherche) {
    LigneDesignation& critere = Designations.lignes[LigneCritere];
    criterePossible_ = true;
    critere.visible = true;
    critere.caption = "Min. yield strength ";
    const std::int32_t a = EntierDesChiffres(fiche.Meca[0].Rp02Min);
    const std::int32_t b = EntierDesChiffres(fiche.Meca[1].Rp02Min);
    // No separate rule for -1 here: the distances a + 1 and b + 1 let the smaller win.
    const int ligne = ChoisirLigne(a, b, texteRecherche, ValeurReference, false);
    critere.value = Tronquer(
        Tronquer(fiche.Meca[static_cast<std::size_t>(ligne)].Rp02Min, CapRp02) + " Mpa", 8);
    ValeurReference = ligne == 0 ? a : b;
}

void Feuilles::CritereResistance(const Fiche& fiche) {
    std::int32_t lo = 9999;
    std::int32_t hi = 0;
    for (const EtatMeca& etat : fiche.Meca) {
        for (const std::string* rm : {&etat.RmMin, &etat.RmMax}) {
            const std::int32_t valeur = EntierDesChiffres(Tronquer(*rm, CapRm));
            if (valeur != 0) {
                lo = std::min(lo, valeur);
                hi = std::max(hi, valeur);
            }
        }
    }
    LigneDesignation& critere = Designations.lignes[LigneCritere];
    if (lo != 9999) {
        criterePossible_ = true;
        critere.visible = true;
        critere.caption = "Tensile strength (Rm)";
        critere.value = TexteIntervalle(lo, hi);
    } else {
        criterePossible_ = false;
        critere.visible = false;
    }
}

void Feuilles::SurlignerDesignation(std::int32_t colonneTrouvee, std::int32_t typeRecherche) {
    LigneDesignation& critere = Designations.lignes[LigneCritere];
    if (typeRecherche != 0) {
        // A tensile display without any Rm keeps the row hidden: what it holds belongs to
        // another grade.
        if (typeRecherche == 2 && !criterePossible_) {
            critere.visible = false;
            return;
        }
        critere.couleur = CouleurLigne::Jaune;
        critere.visible = true;
        return;
    }
    critere.visible = false;
    if (colonneTrouvee >= 1 && colonneTrouvee <= 12) {
        Designations.lignes[static_cast<std::size_t>(colonneTrouvee - 1)].couleur =
            CouleurLigne::Jaune;
    }
}

std::string TexteIntervalle(std::int32_t min, std::int32_t max) {
    return "De " + std::to_string(min) + " \xE0 " + std::to_string(max) + " Mpa";
}

} // namespace talix
