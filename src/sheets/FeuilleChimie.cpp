#include "sheets/Feuilles.h"

#include "texte/Caracteres.h"

namespace talix {

namespace {

struct LigneElement {
    Element element;
    const char* libelle;
};

// The order and labels of the composition table; not the order of Fiche::Chimie.
constexpr std::array<LigneElement, NombreElements> OrdreAffichage = {{
    {C, "Carbon (C)"},        {Si, "Silicon  (Si)"}, {Mn, "Manganese  (Mn)"},
    {P, "Phosphorus (P)"},    {S, "Sulfur  (S)"},    {Cr, "Chromium  (Cr)"},
    {Mo, "Molybdenum  (Mo)"}, {Ni, "Nickel  (Ni)"},  {V, "Vanadium  (V)"},
    {Al, "Aluminium  (Al)"},  {Cu, "Copper  (Cu)"},  {Ti, "Titanium  (Ti)"},
    {Co, "Cobalt  (Co)"},     {W, "Tungsten  (W)"},  {Nb, "Niobium  (Nb or Cb)"},
    {N, "Nitrogen  (N)"},     {Fe, "Iron  (Fe)"},    {Mg, "Magnesium  (Mg)"},
    {Pb, "Lead  (Pb)"},       {Sn, "Tin  (Sn)"},     {Zn, "Zinc  (Zn)"},
}};

constexpr std::size_t LignesChimie = 12; // row 0 the header, rows 1 ... 11 the elements
constexpr std::size_t ColonnesChimie = 7;

} // namespace

bool TeneurPresente(const std::string& texte) {
    return texte != TeneurVide;
}

void ColonneSuivante(PositionChimie& position) {
    ++position.colonne;
}

void CaseSuivante(PositionChimie& position) {
    ++position.ligne;
    if (position.ligne >= static_cast<int>(LignesChimie)) {
        position.ligne = 1;
        position.colonne = 3;
        position.bloc = 2;
    } else {
        position.colonne = position.bloc == 1 ? 0 : 3;
    }
}

void Feuilles::RemplirChimie(const Fiche& fiche) {
    Chimie.densite = Tronquer(fiche.Densite, CapDensite);
    Chimie.commentaire = Tronquer(fiche.Commentaire, CapCommentaire);
    PositionChimie position;
    auto ecrire = [&](const std::string& texte) {
        // 21 elements never fill both blocks; the guard only keeps a writer in bounds.
        if (position.ligne >= 1 && position.ligne < static_cast<int>(LignesChimie) &&
            position.colonne >= 0 && position.colonne < static_cast<int>(ColonnesChimie)) {
            Chimie.cellules[static_cast<std::size_t>(position.ligne)]
                           [static_cast<std::size_t>(position.colonne)] = texte;
        }
    };
    for (const LigneElement& ligne : OrdreAffichage) {
        const Teneur& teneur = fiche.Chimie[ligne.element];
        const bool minimum = TeneurPresente(teneur.Min);
        const bool maximum = TeneurPresente(teneur.Max);
        if (!minimum && !maximum) {
            continue;
        }
        ecrire(ligne.libelle);
        ColonneSuivante(position);
        if (minimum) {
            ecrire(Tronquer(teneur.Min, CapTeneur));
        }
        ColonneSuivante(position);
        if (maximum) {
            ecrire(Tronquer(teneur.Max, CapTeneur));
        }
        CaseSuivante(position);
    }
}

void Feuilles::EffacerChimie() {
    for (std::size_t ligne = 1; ligne < LignesChimie; ++ligne) {
        for (std::string& cellule : Chimie.cellules[ligne]) {
            cellule.clear();
        }
    }
}

void Feuilles::EnteteChimie() {
    auto& entete = Chimie.cellules[0];
    for (std::size_t bloc : {0u, 3u}) {
        entete[bloc] = "           El\xE9ments";
        entete[bloc + 1] = "       Mini";
        entete[bloc + 2] = "       Maxi";
    }
}

} // namespace talix
