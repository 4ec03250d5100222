#include "sheets/Feuilles.h"

#include "texte/Caracteres.h"
#include "texte/Nombres.h"

namespace talix {

bool EstBlanc(const std::string& texte) {
    // Every character counts, the first included: an elongation stored left-aligned
    // ("8 ") is a value.
    for (char c : texte) {
        if (c != ' ') {
            return false;
        }
    }
    return true;
}

bool ValeurPresente(const std::string& texte) {
    if (texte.empty() || EstBlanc(texte)) {
        return false;
    }
    // What does not read as a number (~500, 1050/1100, a word) is shown as it stands.
    const std::optional<double> valeur = ReelStrict(texte);
    if (!valeur) {
        return true;
    }
    return *valeur != 0.0;
}

std::string CelluleRm(const std::string& min, const std::string& max) {
    const std::string min4 = Tronquer(min, CapRm);
    const std::string max4 = Tronquer(max, CapRm);
    if (ValeurPresente(min4)) {
        return min4 + Blancs(4) + max4;
    }
    if (ValeurPresente(max4)) {
        // Under the "max." of the column head.
        return Blancs(15) + max4;
    }
    return std::string();
}

void Feuilles::RemplirMeca(const Fiche& fiche) {
    auto siPresente = [](std::string& cellule, const std::string& champ, std::size_t largeur) {
        const std::string texte = Tronquer(champ, largeur);
        if (ValeurPresente(texte)) {
            cellule = texte;
        }
    };
    for (std::size_t rang = 0; rang < fiche.Meca.size(); ++rang) {
        const EtatMeca& etat = fiche.Meca[rang];
        auto& ligne = Meca.cellules[rang];
        ligne[0] = Tronquer(etat.Etat, CapEtat);
        siPresente(ligne[1], etat.Chauffe, CapChauffe);
        ligne[2] = CelluleRm(etat.RmMin, etat.RmMax);
        siPresente(ligne[3], etat.Rp02Min, CapRp02);
        siPresente(ligne[4], etat.AMin, CapA);
        siPresente(ligne[5], etat.DureteMax, CapDurete);
    }
    // The third condition row has a code and a heating text only.
    auto& troisieme = Meca.cellules[2];
    troisieme[0] = Tronquer(fiche.Etat3, CapEtat);
    siPresente(troisieme[1], fiche.Chauffe3, CapChauffe3);
}

void Feuilles::EffacerMeca() {
    for (auto& ligne : Meca.cellules) {
        for (std::size_t colonne = 1; colonne < ligne.size(); ++colonne) {
            ligne[colonne].clear();
        }
    }
}

} // namespace talix
