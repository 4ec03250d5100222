// talix-screenshots OUTDIR [DATADIR]: drives the application under the offscreen platform
// and saves a picture of every window in OUTDIR. DATADIR holds "Talix" and "Talixind";
// without it a tiny base of three grades is written to a temporary directory.

#include <cstdio>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>

#include "PetiteBase.h"
#include "session/Enregistreurs.h"
#include "ui/Application.h"
#include "ui/FenetreAide.h"
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

namespace {

QString repertoireSortie;
int echecs = 0;

// Saves a picture of `fenetre` at 1024 by 768 (dialogs at their own size).
void Prendre(QWidget* fenetre, const QString& nom) {
    const bool dialogue = qobject_cast<QDialog*>(fenetre) != nullptr;
    if (!fenetre->isVisible()) {
        fenetre->show();
    }
    if (!dialogue) {
        fenetre->setWindowState(Qt::WindowNoState);
        fenetre->resize(1024, 768);
    } else {
        fenetre->adjustSize();
    }
    QApplication::processEvents();
    const QString chemin = repertoireSortie + "/" + nom + ".png";
    if (!fenetre->grab().save(chemin)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(chemin));
        ++echecs;
    }
}

void PrendreEtCacher(QWidget* fenetre, const QString& nom) {
    Prendre(fenetre, nom);
    fenetre->hide();
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: talix-screenshots OUTDIR [DATADIR]\n");
        return 2;
    }
    repertoireSortie = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(repertoireSortie);

    QTemporaryDir temporaire;
    std::string donnees;
    if (argc >= 3) {
        donnees = argv[2];
    } else {
        donnees = temporaire.path().toStdString();
        if (!EcrirePetiteBase(donnees)) {
            std::fprintf(stderr, "cannot write the tiny base in %s\n", donnees.c_str());
            return 1;
        }
    }

    talix::Talix talix(donnees, std::make_unique<talix::ServiceDocumentsEnregistreur>());
    int fins = 0;
    talix.Fin = [&fins] { ++fins; };
    // Modal notices that a search opens are closed as soon as they show.
    QTimer fermeture;
    QObject::connect(&fermeture, &QTimer::timeout, [] {
        if (QWidget* modale = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "closed %s\n", qPrintable(modale->objectName()));
            modale->close();
        }
    });
    fermeture.start(10);

    talix.Demarrer();
    Prendre(talix.FicheAvertissement.get(), "01-warning");
    talix.FicheAvertissement->hide();
    talix::Talix::Montrer(talix.MenuPrinc.get());
    Prendre(talix.MenuPrinc.get(), "02-main-menu");

    const char* entrees[] = {"03-entry-designation", "04-entry-hardness",
                             "05-entry-tensile-strength", "06-entry-yield-strength"};
    for (int type = 0; type < 4; ++type) {
        talix.MenuPrinc->Choisir(type);
        QWidget* saisie = QApplication::activeWindow();
        switch (type) {
        case 0:
            saisie = talix.SaisieDesignation1.get();
            break;
        case 1:
            saisie = talix.SaisieDurete1.get();
            break;
        case 2:
            saisie = talix.SaisieResistance1.get();
            break;
        default:
            saisie = talix.SaisieElasticite1.get();
            break;
        }
        Prendre(saisie, entrees[type]);
        talix.RetourMenu();
    }

    // A designation search, then the three result windows.
    talix.MenuPrinc->Choisir(0);
    talix.SaisieDesignation1->Edit1->setText(argc >= 3 ? "1.4301" : "304");
    talix.SaisieDesignation1->Valider();
    Prendre(talix.AlliageDesignation1.get(), "07-designations-after-designation-search");
    Prendre(talix.FicheChimique1.get(), "08-chemical");
    Prendre(talix.FicheMeca1.get(), "09-mechanical");
    talix.FicheChimique1->hide();
    talix.FicheMeca1->hide();

    // A hardness search.
    talix.RetourMenu();
    talix.MenuPrinc->Choisir(1);
    talix.SaisieDurete1->Edit1->setText("200");
    talix.SaisieDurete1->Valider();
    Prendre(talix.AlliageDesignation1.get(), "10-designations-after-hardness-search");
    talix.AlliageDesignation1->hide();

    // Notices and error windows.
    talix.ErreurBase1->DefinirDetail(QStringLiteral("ne peut rien lire"));
    PrendreEtCacher(talix.ErreurBase1.get(), "11-database-error");
    PrendreEtCacher(talix.FicheErreur.get(), "12-general-error");
    PrendreEtCacher(talix.ErreurNonTrouve.get(), "13-value-not-found");
    PrendreEtCacher(talix.FicheSousRecherche.get(), "14-kind-of-alloy-not-found");
    PrendreEtCacher(talix.FicheFinDesDonnees.get(), "15-end-of-data");
    PrendreEtCacher(talix.FicheDebutDonnees.get(), "16-beginning-of-data");

    // Help windows, the producers list and the about box.
    const std::pair<talix::FenetreAide*, const char*> aides[] = {
        {talix.AideMenu.get(), "17-help-main-menu"},
        {talix.AideDesignation1.get(), "18-help-designation"},
        {talix.AideDurete1.get(), "19-help-hardness"},
        {talix.AideResistance1.get(), "20-help-tensile-strength"},
        {talix.AideElasticite1.get(), "21-help-yield-strength"},
        {talix.AideAlliageDesignation1.get(), "22-help-designations"},
        {talix.AidePropChim.get(), "23-help-chemical"},
        {talix.AidePropMeca.get(), "24-help-mechanical"},
    };
    for (const auto& [aide, nom] : aides) {
        PrendreEtCacher(aide, nom);
    }
    PrendreEtCacher(talix.ListeFour.get(), "25-producers");
    PrendreEtCacher(talix.AboutBox.get(), "26-about");

    std::fprintf(stderr, "%d pictures failed; %d requests to end\n", echecs, fins);
    return echecs == 0 ? 0 : 1;
}
