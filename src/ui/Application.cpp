#include "ui/Application.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>

#include "ui/Commun.h"
#include "ui/DocumentsBureau.h"
#include "ui/TAboutBox.h"
#include "ui/TAideAlliageDesignation1.h"
#include "ui/TAideDesignation1.h"
#include "ui/TAideDurete1.h"
#include "ui/TAideElasticite1.h"
#include "ui/TAideMenu.h"
#include "ui/TAidePropChim.h"
#include "ui/TAidePropMeca.h"
#include "ui/TAideResistance1.h"
#include "ui/TAlliageDesignation1.h"
#include "ui/TErreurBase1.h"
#include "ui/TErreurNonTrouve.h"
#include "ui/TFicheAvertissement.h"
#include "ui/TFicheChimique1.h"
#include "ui/TFicheDebutDonnees.h"
#include "ui/TFicheErreur.h"
#include "ui/TFicheFinDesDonnees.h"
#include "ui/TFicheMeca1.h"
#include "ui/TFicheSousRecherche.h"
#include "ui/TListeFour.h"
#include "ui/TMenuPrinc.h"
#include "ui/TSaisieDesignation1.h"
#include "ui/TSaisieDurete1.h"
#include "ui/TSaisieElasticite1.h"
#include "ui/TSaisieResistance1.h"

// The texts of the program live in a resource of this static library: it must be pulled
// in by name. Outside any namespace, as the resource macro requires.
static void ChargerTextes() {
    Q_INIT_RESOURCE(talix_textes);
}

namespace talix {

Talix::Talix(std::string repertoireDonnees, std::unique_ptr<ServiceDocuments> documents)
    : documents_(documents ? std::move(documents) : std::make_unique<ServiceDocumentsBureau>()) {
    ChargerTextes();
    Fin = [] { QCoreApplication::exit(0); };
    session_ =
        std::make_unique<Session>(systeme_, *this, *documents_, std::move(repertoireDonnees));

    // The application's title. Not its display name, which the desktop would append to
    // every window caption.
    QApplication::setApplicationName(QStringLiteral("T.A.L.I.X"));
    QApplication::setWindowIcon(IconeProgramme());
    // The application ends only through QuitterApplication, never because the windows on
    // screen happen to be closed or hidden.
    QApplication::setQuitOnLastWindowClosed(false);

    FicheAvertissement = std::make_unique<TFicheAvertissement>(*this);
    MenuPrinc = std::make_unique<TMenuPrinc>(*this);
    ListeFour = std::make_unique<TListeFour>();
    AideMenu = std::make_unique<TAideMenu>();
    AboutBox = std::make_unique<TAboutBox>();
    ErreurBase1 = std::make_unique<TErreurBase1>();
    SaisieDesignation1 = std::make_unique<TSaisieDesignation1>(*this);
    AideDesignation1 = std::make_unique<TAideDesignation1>();
    AlliageDesignation1 = std::make_unique<TAlliageDesignation1>(*this);
    AideAlliageDesignation1 = std::make_unique<TAideAlliageDesignation1>();
    SaisieDurete1 = std::make_unique<TSaisieDurete1>(*this);
    AideDurete1 = std::make_unique<TAideDurete1>();
    SaisieResistance1 = std::make_unique<TSaisieResistance1>(*this);
    AideResistance1 = std::make_unique<TAideResistance1>();
    SaisieElasticite1 = std::make_unique<TSaisieElasticite1>(*this);
    AideElasticite1 = std::make_unique<TAideElasticite1>();
    FicheChimique1 = std::make_unique<TFicheChimique1>(*this);
    AidePropChim = std::make_unique<TAidePropChim>();
    FicheMeca1 = std::make_unique<TFicheMeca1>(*this);
    AidePropMeca = std::make_unique<TAidePropMeca>();
    FicheErreur = std::make_unique<TFicheErreur>();
    ErreurNonTrouve = std::make_unique<TErreurNonTrouve>();
    FicheFinDesDonnees = std::make_unique<TFicheFinDesDonnees>();
    FicheSousRecherche = std::make_unique<TFicheSousRecherche>();
    FicheDebutDonnees = std::make_unique<TFicheDebutDonnees>();
    Repeindre();
}

Talix::~Talix() {
    // The windows go first, the main menu's destruction still reaching a live engine; a
    // request to end made now has no loop left to end.
    Fin = [] {};
    FicheDebutDonnees.reset();
    FicheSousRecherche.reset();
    FicheFinDesDonnees.reset();
    ErreurNonTrouve.reset();
    FicheErreur.reset();
    AidePropMeca.reset();
    FicheMeca1.reset();
    AidePropChim.reset();
    FicheChimique1.reset();
    AideElasticite1.reset();
    SaisieElasticite1.reset();
    AideResistance1.reset();
    SaisieResistance1.reset();
    AideDurete1.reset();
    SaisieDurete1.reset();
    AideAlliageDesignation1.reset();
    AlliageDesignation1.reset();
    AideDesignation1.reset();
    SaisieDesignation1.reset();
    ErreurBase1.reset();
    AboutBox.reset();
    AideMenu.reset();
    ListeFour.reset();
    MenuPrinc.reset();
    FicheAvertissement.reset();
}

void Talix::Demarrer() {
    Montrer(FicheAvertissement.get());
}

void Talix::Montrer(QWidget* fenetre) {
    fenetre->showMaximized();
    fenetre->raise();
    fenetre->activateWindow();
}

void Talix::MontrerListeFour() {
    if (!ListeFour->isVisible()) {
        Montrer(ListeFour.get());
    }
}

void Talix::MontrerDesignations() {
    Montrer(AlliageDesignation1.get());
}

void Talix::RetourMenu() {
    session_->RetourMenu();
    SaisieDesignation1->hide();
    SaisieDurete1->hide();
    SaisieResistance1->hide();
    SaisieElasticite1->hide();
    AlliageDesignation1->hide();
    Montrer(MenuPrinc.get());
}

void Talix::Repeindre() {
    const Feuilles& feuilles = session_->feuilles;
    AlliageDesignation1->Peindre(feuilles.Designations);
    FicheChimique1->Peindre(feuilles.Chimie);
    FicheMeca1->Peindre(feuilles.Meca);
}

void Talix::AfficherFamille(QLabel* etiquette) {
    if (const auto libelle = session_->AfficherFamille()) {
        etiquette->setText(VersQt(*libelle));
    }
}

QWidget* Talix::Modale(Fenetre fenetre) const {
    switch (fenetre) {
    case Fenetre::TErreurBase1:
        return ErreurBase1.get();
    case Fenetre::TFicheErreur:
        return FicheErreur.get();
    case Fenetre::TErreurNonTrouve:
        return ErreurNonTrouve.get();
    case Fenetre::TFicheSousRecherche:
        return FicheSousRecherche.get();
    case Fenetre::TFicheFinDesDonnees:
        return FicheFinDesDonnees.get();
    case Fenetre::TFicheDebutDonnees:
        return FicheDebutDonnees.get();
    }
    return nullptr;
}

void Talix::MontrerModale(Fenetre fenetre, const std::string& detail) {
    auto* dialogue = qobject_cast<QDialog*>(Modale(fenetre));
    if (dialogue == nullptr || dialogue->isVisible() || finDemandee_) {
        return; // already running (or nothing left to show it to)
    }
    if (fenetre == Fenetre::TErreurBase1) {
        ErreurBase1->DefinirDetail(VersQt(detail));
    }
    dialogue->exec();
}

void Talix::Message(const std::string& texte) {
    QMessageBox boite;
    boite.setWindowTitle(QStringLiteral("T.A.L.I.X"));
    boite.setTextFormat(Qt::PlainText);
    boite.setText(VersQt(texte));
    boite.exec();
}

void Talix::DemanderFin() {
    finDemandee_ = true;
    if (Fin) {
        Fin();
    }
}

FenetreSaisie* Talix::Saisie(int typeRecherche) const {
    switch (typeRecherche) {
    case 0: return SaisieDesignation1.get();
    case 1: return SaisieDurete1.get();
    case 2: return SaisieResistance1.get();
    case 3: return SaisieElasticite1.get();
    default: return nullptr;
    }
}

} // namespace talix
