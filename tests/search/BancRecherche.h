#pragma once
// A search engine on small files of a temporary directory: the base holds records whose
// Afnor field names them "R1", "R2", ...; the index is made of the lines each test gives.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "database/Base.h"
#include "search/Recherche.h"
#include "session/Enregistreurs.h"
#include "sheets/Feuilles.h"
#include "support/Fixtures.h"
#include "support/SystemeDefaillant.h"
#include "texte/Caracteres.h"

namespace talix::test {

class BancRecherche : public testing::Test {
protected:
    // Writes the base (`nombreFiches` records), the index and opens the data files; the
    // windows shown so far are forgotten.
    void Installer(const std::vector<std::string>& lignes, int nombreFiches = 12) {
        EcrireIndex(repertoire.Chemin(), lignes);
        Ouvrir(nombreFiches);
    }
    // The same with the index given as raw bytes.
    void InstallerOctets(const std::string& index, int nombreFiches = 12) {
        EcrireOctets(repertoire.Fichier(NomIndex), index);
        Ouvrir(nombreFiches);
    }
    void Ouvrir(int nombreFiches) {
        std::vector<Fiche> fiches;
        for (int k = 1; k <= nombreFiches; ++k) {
            fiches.push_back(FicheDe({"R" + std::to_string(k)}));
        }
        EcrireBase(repertoire.Chemin(), fiches);
        base.OuvrirFichiers();
        fenetres.Effacer();
    }

    // The name of the grade on show ("R7"); the blank record, decoded, shows FicheVide.
    std::string Affichee() const {
        std::string nom = base.FicheCourante.Afnor;
        while (!nom.empty() && nom.back() == ' ') {
            nom.pop_back();
        }
        return nom;
    }
    std::vector<std::string> Noms() const { return fenetres.Noms(); }
    // The detail line of the first TErreurBase1 shown; "?" when none was.
    std::string DetailErreur() const {
        for (const auto& m : fenetres.montrees) {
            if (m.fenetre == Fenetre::TErreurBase1) {
                return m.detail;
            }
        }
        return "?";
    }
    // Rows of the designations sheet painted yellow, 1-based (13: the criterion row).
    std::vector<int> LignesJaunes() const {
        std::vector<int> jaunes;
        for (std::size_t i = 0; i < NombreLignesDesignation; ++i) {
            if (feuilles.Designations.lignes[i].jaune()) {
                jaunes.push_back(static_cast<int>(i) + 1);
            }
        }
        return jaunes;
    }

    RepertoireTemporaire repertoire;
    SystemeDefaillant systeme; // passes everything through unless programmed
    FenetresEnregistreuses fenetres;
    Base base{systeme, fenetres, repertoire.Chemin()};
    Feuilles feuilles;
    Recherche recherche{base, feuilles};
};

using Liste = std::vector<std::string>;
inline const std::string NonTrouve = "TErreurNonTrouve";
inline const std::string SousRecherche = "TFicheSousRecherche";
inline const std::string ErreurBase = "TErreurBase1";
inline const std::string FinDonnees = "TFicheFinDesDonnees";
inline const std::string DebutDonnees = "TFicheDebutDonnees";
// The Afnor field of the blank record once decoded: every blank shifted to "!".
inline const std::string FicheVide(CapDesignation, '!');

} // namespace talix::test
