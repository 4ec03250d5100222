#pragma once
// The application object: it owns the engine's Session and every window, creates the
// windows once at start-up, hidden, in their fixed order (the warning window first: it is
// the main window), and afterwards only shows and hides them. It is the engine's desktop:
// modal windows are real dialogs run by QDialog::exec(), and the end of the application
// leaves every running event loop.

#include <functional>
#include <memory>
#include <string>

#include <QObject>

#include "database/Fenetres.h"
#include "report/ServiceDocuments.h"
#include "session/Session.h"
#include "texte/SystemeFichiers.h"

class QLabel;
class QWidget;

namespace talix {

class TFicheAvertissement;
class TMenuPrinc;
class TListeFour;
class TAideMenu;
class TAboutBox;
class TErreurBase1;
class TSaisieDesignation1;
class TAideDesignation1;
class TAlliageDesignation1;
class TAideAlliageDesignation1;
class TSaisieDurete1;
class TAideDurete1;
class TSaisieResistance1;
class TAideResistance1;
class TSaisieElasticite1;
class TAideElasticite1;
class TFicheChimique1;
class TAidePropChim;
class TFicheMeca1;
class TAidePropMeca;
class TFicheErreur;
class TErreurNonTrouve;
class TFicheFinDesDonnees;
class TFicheSousRecherche;
class TFicheDebutDonnees;
class FenetreSaisie;

class Talix final : public QObject, public Fenetres {
    Q_OBJECT
public:
    // `repertoireDonnees`: where "Talix" and "Talixind" are (empty: the current directory).
    // `documents`: the document service; by default the desktop's.
    explicit Talix(std::string repertoireDonnees = {},
                   std::unique_ptr<ServiceDocuments> documents = nullptr);
    ~Talix() override;
    Talix(const Talix&) = delete;
    Talix& operator=(const Talix&) = delete;

    Session& LaSession() { return *session_; }
    ServiceDocuments& Documents() { return *documents_; }

    // What the request to end does: by default QCoreApplication::exit(0), which leaves the
    // main loop and every modal loop running inside it. Tests put a recorder here.
    std::function<void()> Fin;
    // True once the end was asked for (by the engine or before the loop ran).
    bool FinDemandee() const { return finDemandee_; }

    // Shows the main window, the warning window; its first showing opens the data files.
    void Demarrer();

    // --- What the windows share ---
    // Makes a window visible, maximised, and brings it to the front.
    static void Montrer(QWidget* fenetre);
    // The producers list, unless it is already visible.
    void MontrerListeFour();
    // The designations window in place of an entry window.
    void MontrerDesignations();
    // New search: blank record, entry and designations windows hidden, main menu shown.
    void RetourMenu();
    // The three sheet windows paint the engine's sheets again.
    void Repeindre();
    // Writes the selected family's label into `etiquette`; an unknown code shows the
    // general error window (which ends the application) and leaves the label unchanged.
    void AfficherFamille(QLabel* etiquette);

    // --- The engine's desktop ---
    void MontrerModale(Fenetre fenetre, const std::string& detail) override;
    void Message(const std::string& texte) override;
    void DemanderFin() override;

    // The entry window of a search kind (0 designation ... 3 yield strength); nullptr for
    // any other kind.
    FenetreSaisie* Saisie(int typeRecherche) const;

    // The modal window of a kind.
    QWidget* Modale(Fenetre fenetre) const;

private:
    SystemePosix systeme_;
    std::unique_ptr<ServiceDocuments> documents_;
    std::unique_ptr<Session> session_;
    bool finDemandee_ = false;

public:
    // The windows, in their order of creation.
    std::unique_ptr<TFicheAvertissement> FicheAvertissement;
    std::unique_ptr<TMenuPrinc> MenuPrinc;
    std::unique_ptr<TListeFour> ListeFour;
    std::unique_ptr<TAideMenu> AideMenu;
    std::unique_ptr<TAboutBox> AboutBox;
    std::unique_ptr<TErreurBase1> ErreurBase1;
    std::unique_ptr<TSaisieDesignation1> SaisieDesignation1;
    std::unique_ptr<TAideDesignation1> AideDesignation1;
    std::unique_ptr<TAlliageDesignation1> AlliageDesignation1;
    std::unique_ptr<TAideAlliageDesignation1> AideAlliageDesignation1;
    std::unique_ptr<TSaisieDurete1> SaisieDurete1;
    std::unique_ptr<TAideDurete1> AideDurete1;
    std::unique_ptr<TSaisieResistance1> SaisieResistance1;
    std::unique_ptr<TAideResistance1> AideResistance1;
    std::unique_ptr<TSaisieElasticite1> SaisieElasticite1;
    std::unique_ptr<TAideElasticite1> AideElasticite1;
    std::unique_ptr<TFicheChimique1> FicheChimique1;
    std::unique_ptr<TAidePropChim> AidePropChim;
    std::unique_ptr<TFicheMeca1> FicheMeca1;
    std::unique_ptr<TAidePropMeca> AidePropMeca;
    std::unique_ptr<TFicheErreur> FicheErreur;
    std::unique_ptr<TErreurNonTrouve> ErreurNonTrouve;
    std::unique_ptr<TFicheFinDesDonnees> FicheFinDesDonnees;
    std::unique_ptr<TFicheSousRecherche> FicheSousRecherche;
    std::unique_ptr<TFicheDebutDonnees> FicheDebutDonnees;
};

} // namespace talix
