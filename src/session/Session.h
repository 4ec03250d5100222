#pragma once
// The application object of the engine: it owns every subsystem's state and offers the
// operations that the windows (and the headless driver) call. Every operation catches the
// engine's own failures: none reaches the caller.

#include <cstdint>
#include <optional>
#include <string>

#include "database/Base.h"
#include "report/Rapport.h"
#include "search/Recherche.h"
#include "sheets/Feuilles.h"

namespace talix {

class Session {
public:
    // `repertoireDonnees`: where "Talix" and "Talixind" are; empty means the current
    // directory.
    Session(SystemeFichiers& systeme, Fenetres& fenetres, ServiceDocuments& documents,
            std::string repertoireDonnees = {});

    Base base;
    Feuilles feuilles;
    Recherche recherche;
    Rapport rapport;

    // The warning window was shown: binds and opens the data files.
    void Demarrer();
    // The main menu was shown: the family goes back to all alloys.
    void MontrerMenu();
    // A family item of the main menu.
    void ChoisirFamille(std::int32_t code);
    // The label of the selected family for a family label; for a code without label the
    // general error window shows (ending the application) and nothing is returned.
    std::optional<std::string> AfficherFamille();
    // ChoisirDesignation ... ChoisirElasticite: the search kind, and no criterion value yet.
    void Choisir(std::int32_t typeRecherche);
    // Enter in an entry window: the search of that kind on the boxes' texts (Windows-1252).
    void LancerRecherche(std::int32_t typeRecherche, const std::string& texte,
                         const std::string& tolerance = std::string());
    // The result windows' step commands (F7, F8 and the two buttons).
    void EtapePrecedente();
    void EtapeSuivante();
    // New search: the current record becomes blank. The windows hide and show themselves.
    void RetourMenu();
    // The designations window's Annotating and Print.
    void Annoter();
    void Imprimer();
    // Quit, Esc, close requests: QuitterApplication.
    void Quitter();

    // True once the application has been asked to end.
    bool Terminee() const { return base.FinDemandee(); }
};

} // namespace talix
