#include "PetiteBase.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "database/Base.h"
#include "database/Fiche.h"
#include "search/CleDesignation.h"

namespace {

using namespace talix;

std::string Gauche(const std::string& texte, std::size_t largeur) {
    std::string resultat = texte.substr(0, largeur);
    resultat.resize(largeur, ' ');
    return resultat;
}

std::string Droite(const std::string& texte, std::size_t largeur) {
    if (texte.size() >= largeur) {
        return texte.substr(texte.size() - largeur);
    }
    return std::string(largeur - texte.size(), ' ') + texte;
}

struct Grade {
    std::vector<std::string> designations; // fields 1 to 12
    std::string famille;
    std::vector<std::pair<Element, std::pair<std::string, std::string>>> chimie;
    std::string commentaire;
    std::string densite;
    struct Etat {
        std::string etat, chauffe, rmMin, rmMax, rp, a, durete;
    };
    std::vector<Etat> meca;
};

Fiche FicheDuGrade(const Grade& grade) {
    Fiche fiche = FicheBlanche();
    std::string* champs[] = {&fiche.Afnor, &fiche.Werkstoff, &fiche.Din,    &fiche.Bs,
                             &fiche.Aisi,  &fiche.Uns,       &fiche.Nature, &fiche.Des1,
                             &fiche.Des2,  &fiche.Des3,      &fiche.Des4,   &fiche.Des5};
    for (std::size_t i = 0; i < grade.designations.size() && i < 12; ++i) {
        *champs[i] = Gauche(grade.designations[i], CapDesignation);
    }
    fiche.Famille = Gauche(grade.famille, CapFamille);
    for (Teneur& teneur : fiche.Chimie) {
        teneur = {TeneurVide, TeneurVide};
    }
    for (const auto& [element, bornes] : grade.chimie) {
        fiche.Chimie[element] = {bornes.first.empty() ? TeneurVide : Droite(bornes.first, 6),
                                 bornes.second.empty() ? TeneurVide : Droite(bornes.second, 6)};
    }
    fiche.Commentaire = Gauche(grade.commentaire, CapCommentaire);
    fiche.Densite = Gauche(grade.densite, CapDensite);
    for (std::size_t i = 0; i < grade.meca.size() && i < 2; ++i) {
        const Grade::Etat& e = grade.meca[i];
        fiche.Meca[i] = {Gauche(e.etat, CapEtat),    Gauche(e.chauffe, CapChauffe),
                         Droite(e.rmMin, CapRm),     Droite(e.rmMax, CapRm),
                         Droite(e.rp, CapRp02),      Droite(e.a, CapA),
                         Droite(e.durete, CapDurete)};
    }
    return fiche;
}

std::string Renvoi(std::size_t fiche, std::size_t colonne) {
    return std::to_string(fiche) + (colonne < 10 ? "0" : "") + std::to_string(colonne);
}

} // namespace

bool EcrirePetiteBase(const std::string& repertoire) {
    const std::vector<Grade> grades = {
        {{"X5CrNi18-10", "1.4301", "X5CrNi18-10", "304S31", "304", "S30400",
          "AUSTENITIC STAINLESS STEEL", "Z7CN18-09"},
         "200",
         {{C, {"", "0.070"}},
          {Si, {"", "1.000"}},
          {Mn, {"", "2.000"}},
          {P, {"", "0.045"}},
          {S, {"", "0.015"}},
          {Cr, {"17.500", "19.500"}},
          {Ni, {"8.000", "10.500"}},
          {N, {"", "0.100"}}},
         "Fe=rem",
         "7.90",
         {{"HYP", "1000/1100", "520", "720", "210", "45", ""}}},
        {{"X5CrNiMo17-12-2", "1.4401", "X5CrNiMo17-12-2", "316S31", "316", "S31600",
          "AUSTENITIC STAINLESS STEEL", "Z7CND17-12-02"},
         "200",
         {{C, {"", "0.070"}},
          {Si, {"", "1.000"}},
          {Mn, {"", "2.000"}},
          {P, {"", "0.045"}},
          {S, {"", "0.015"}},
          {Cr, {"16.500", "18.500"}},
          {Mo, {"2.000", "2.500"}},
          {Ni, {"10.000", "13.000"}},
          {N, {"", "0.100"}}},
         "Fe=rem",
         "8.00",
         {{"HYP", "1030/1110", "520", "670", "220", "45", ""}}},
        {{"C45", "1.0503", "C45", "", "1045", "", "QUENCHED AND TEMPERED STEEL", "C45E"},
         "100",
         {{C, {"0.420", "0.500"}},
          {Si, {"", "0.400"}},
          {Mn, {"0.500", "0.800"}},
          {P, {"", "0.045"}},
          {S, {"", "0.045"}},
          {Cr, {"", "0.400"}},
          {Mo, {"", "0.100"}},
          {Ni, {"", "0.400"}}},
         "Fe=rem",
         "7.85",
         {{"REC", "", "", "", "", "", "207"}, {"+QT", "", "700", "850", "490", "14", ""}}},
    };

    std::string base;
    std::vector<std::string> designations;
    std::vector<std::string> proprietes;
    for (std::size_t n = 0; n < grades.size(); ++n) {
        const Grade& grade = grades[n];
        base += EncoderFiche(FicheDuGrade(grade));
        for (std::size_t c = 0; c < grade.designations.size(); ++c) {
            std::string cle;
            CleDesignation(grade.designations[c], cle, 35);
            if (c != 6 && !cle.empty()) {
                designations.push_back(cle + " " + grade.famille + " " + Renvoi(n + 1, c + 1));
            }
        }
        for (const Grade::Etat& e : grade.meca) {
            if (!e.durete.empty()) {
                proprietes.push_back("dur " + e.durete + " " + grade.famille + " " +
                                     Renvoi(n + 1, 0));
            }
            if (!e.rp.empty()) {
                proprietes.push_back("ela " + e.rp + " " + grade.famille + " " + Renvoi(n + 1, 0));
            }
            if (!e.rmMin.empty()) {
                proprietes.push_back("res " + e.rmMin + " " + e.rmMax + " " + grade.famille + " " +
                                     Renvoi(n + 1, 0));
            }
        }
    }
    std::sort(designations.begin(), designations.end());
    std::stable_sort(proprietes.begin(), proprietes.end(), [](const auto& a, const auto& b) {
        if (a.substr(0, 3) != b.substr(0, 3)) {
            return a.substr(0, 3) < b.substr(0, 3);
        }
        return std::stoi(a.substr(4)) < std::stoi(b.substr(4));
    });
    std::string index;
    for (const auto* section : {&designations, &proprietes}) {
        for (const std::string& ligne : *section) {
            index += ligne + "\r\n";
        }
    }
    std::ofstream fichierBase(repertoire + "/Talix", std::ios::binary);
    fichierBase << base;
    std::ofstream fichierIndex(repertoire + "/Talixind", std::ios::binary);
    fichierIndex << index;
    return static_cast<bool>(fichierBase) && static_cast<bool>(fichierIndex);
}
