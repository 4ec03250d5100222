// The designation search: its driver, the scan of the designation section, and the two
// routines every search shares (ChercherFiche, ChercherDansIndex).

#include <string_view>

#include "search/CleDesignation.h"
#include "search/LigneGardee.h"
#include "search/Recherche.h"
#include "texte/Caracteres.h"

namespace talix {

namespace {

// A failure raised and caught inside one routine. Its text is never displayed.
struct EchecDesignation {
    const char* texte;
};

// "Sorts before" on designations: byte order of the Windows-1252 texts, which puts digits
// before letters and keeps two designations equal only when they are the same text.
bool AvantDe(std::string_view a, std::string_view b) { return a.compare(b) < 0; }

} // namespace

void Recherche::RechercheDesignation(const std::string& texteSaisi) {
    std::string cle;
    CleDesignation(std::string_view(texteSaisi).substr(0, CapaciteTexteCourt), cle,
                   CapaciteTexteCourt);
    std::int32_t colonne = 0;
    const Fiche lue = ChercherFiche(0, cle, std::string(), colonne);
    Fiche fiche = base_.DecoderFiche(lue);
    Fiche copie;
    base_.PublierFiche(fiche, copie);
    feuilles_.AfficherFiche(fiche, cle, colonne, 0);
}

Fiche Recherche::ChercherFiche(std::int32_t type, const std::string& texte1,
                               const std::string& texte2, std::int32_t& colonne) {
    std::int32_t numFiche = 0;
    colonne = 0;
    ChercherDansIndex(type, texte1, texte2, numFiche, colonne);
    return base_.LireFiche(numFiche);
}

void Recherche::ChercherDansIndex(std::int32_t type, const std::string& texte1,
                                  const std::string& texte2, std::int32_t& numFiche,
                                  std::int32_t& colonne) {
    switch (type) {
    case 0: ChercherDesignation(texte1, numFiche, colonne); break;
    case 1: ChercherDurete(texte1, numFiche, colonne); break;
    case 2: ChercherResistance(texte1, texte2, numFiche, colonne); break;
    case 3: ChercherElasticite(texte1, numFiche, colonne); break;
    default: break;
    }
}

void Recherche::ChercherDesignation(const std::string& cle, std::int32_t& numFiche,
                                    std::int32_t& colonne) {
    EntreeIndex entree;
    entree.Famille = -1;
    entree.NumFiche = numFiche;
    entree.Colonne = colonne;
    std::string premiere;     // line 1
    std::string ancre;        // first designation line of a selected family
    std::int32_t numAncre = 1;
    // Last line read by phase A or B; empty until one is read. A view into the reader
    // (or into `ancre`), valid until the next read.
    std::string_view derniere;
    LigneGardee selection;    // last line of a selected family read by phase B
    std::int32_t numSelection = 0;
    try {
        Rembobiner();
        VerifierES("erreur d'ouverture du fichier d'index");
        LigneCourante = 1;
        LireIndex(premiere);
        VerifierES("erreur de lecture du fichier");
        AnalyserLigne(premiere, ToleranceParDefaut, SansValeur, entree);

        // Phase A: the anchor. It may cross lines of any section before the first
        // designation of the selected family.
        bool correspondAncre = false;
        if (!TrouverAncre(premiere, EstLigneDesignation, ToleranceParDefaut, SansValeur, entree,
                          ancre, numAncre, derniere, correspondAncre)) {
            throw EchecDesignation{"Erreur de lecture de la base"};
        }

        if (cle.empty()) {
            if (!ancre.empty()) {
                AnalyserLigne(ancre, ToleranceParDefaut, SansValeur, entree);
                LigneCourante = numAncre;
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else {
                AnalyserLigne(premiere, ToleranceParDefaut, SansValeur, entree);
                LigneCourante = 1;
                if (FamilleAcceptee(entree.Famille)) {
                    base_.MontrerNotice(Fenetre::TErreurNonTrouve);
                } else {
                    MontrerSousRecherche();
                }
            }
        } else {
            // Phase B: forward while the designation sorts before the key, up to the end
            // of the designation section.
            while (AvantDe(entree.Mot, cle) && !FinIndex() && AvantDe(derniere, "dur")) {
                ++LigneCourante;
                derniere = LireIndexVue();
                VerifierES("erreur de lecture du fichier d'indexation");
                AnalyserLigne(derniere, ToleranceParDefaut, SansValeur, entree);
                if (FamilleAcceptee(entree.Famille)) {
                    selection.Garder(derniere);
                    numSelection = LigneCourante;
                }
            }

            if (entree.Mot == cle && FamilleAcceptee(entree.Famille)) {
                // Found: the entry stands.
            } else if (!FinIndex() && FamilleAcceptee(entree.Famille)) {
                // The following designation in sort order: the stop line stands.
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else if (!selection.empty()) {
                AnalyserLigne(selection.Vue(), ToleranceParDefaut, SansValeur, entree);
                LigneCourante = numSelection;
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            } else if (ancre.empty()) {
                AnalyserLigne(premiere, ToleranceParDefaut, SansValeur, entree);
                LigneCourante = 1;
                MontrerSousRecherche();
            } else {
                AnalyserLigne(ancre, ToleranceParDefaut, SansValeur, entree);
                LigneCourante = numAncre;
                base_.MontrerNotice(Fenetre::TErreurNonTrouve);
            }
        }
    } catch (const EchecDesignation&) {
        base_.MontrerErreurBase();
    }
    numFiche = entree.NumFiche;
    colonne = entree.Colonne;
}

} // namespace talix
