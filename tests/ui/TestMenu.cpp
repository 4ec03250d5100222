// The warning window, the main menu, the help, producers and about windows, and the two
// error windows that end the application.

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>

#include "Banc.h"
#include "ui/TAboutBox.h"
#include "ui/TAideDurete1.h"
#include "ui/TAideElasticite1.h"
#include "ui/TAideMenu.h"
#include "ui/TAlliageDesignation1.h"
#include "ui/TErreurBase1.h"
#include "ui/TFicheAvertissement.h"
#include "ui/TFicheErreur.h"
#include "ui/TListeFour.h"
#include "ui/TMenuPrinc.h"
#include "ui/TSaisieDesignation1.h"
#include "ui/TSaisieDurete1.h"
#include "ui/TSaisieElasticite1.h"
#include "ui/TSaisieResistance1.h"

using namespace talix;
using talix::test::Banc;

namespace {

QWidget* Saisie(Talix& app, int type) { return app.Saisie(type); }

// The object names of the checked family items.
QStringList Coches(const TMenuPrinc& menu) {
    QStringList coches;
    for (QAction* action : menu.Familles) {
        if (action->isChecked()) {
            coches << action->objectName();
        }
    }
    return coches;
}

} // namespace

class TestMenu : public QObject {
    Q_OBJECT

private slots:
    void avertissement_toucheMeneAuMenu_data();
    void avertissement_toucheMeneAuMenu();
    void avertissement_clicsMenentAuMenu();
    void avertissement_echapTermine();
    void avertissement_sansBaseErreurBaseEtFin();

    void menu_premiereMontre();
    void menu_familleEtNouvelleRecherche();
    void menu_touchesDirectes_data();
    void menu_touchesDirectes();
    void menu_entreeEtEspaceSuiventLaSelection_data();
    void menu_entreeEtEspaceSuiventLaSelection();
    void menu_quitterEchapFermeture_data();
    void menu_quitterEchapFermeture();

    void aide_seulementSiCachee();
    void aide_echapCacheSeulementLAide();
    void aide_texteSaisiConserve();
    void fournisseurs_seulementSiCachee();
    void aPropos_modale();

    void erreurGenerale_toucheQuelconqueTermine_data();
    void erreurGenerale_toucheQuelconqueTermine();
    void erreurGenerale_fermetureTermine();
    void erreurBase_detailEtFin();

    void aides_textesEtTitres_data();
    void aides_textesEtTitres();
    void chaqueFenetre_echapEtFermeture_data();
    void chaqueFenetre_echapEtFermeture();
};

void TestMenu::avertissement_toucheMeneAuMenu_data() {
    QTest::addColumn<int>("touche");
    QTest::newRow("lettre") << int(Qt::Key_A);
    QTest::newRow("majuscule seule") << int(Qt::Key_Shift);
    QTest::newRow("entree") << int(Qt::Key_Return);
    QTest::newRow("F1") << int(Qt::Key_F1);
}

void TestMenu::avertissement_toucheMeneAuMenu() {
    QFETCH(int, touche);
    Banc banc;
    banc.Demarrer();
    QVERIFY(banc.S().base.HandleBaseOuvert());
    // The key goes to the window before the focused button.
    QTest::keyClick(banc.App().FicheAvertissement->Button1, Qt::Key(touche));
    QVERIFY(!banc.App().FicheAvertissement->isVisible());
    QVERIFY(banc.App().MenuPrinc->isVisible());
    QCOMPARE(banc.fins, 0);
}

void TestMenu::avertissement_clicsMenentAuMenu() {
    for (const QString& cible :
         {QStringLiteral("Button1"), QStringLiteral("Ligne3"), QStringLiteral("fond")}) {
        Banc banc;
        banc.Demarrer();
        TFicheAvertissement* fenetre = banc.App().FicheAvertissement.get();
        QWidget* widget = cible == "fond" ? fenetre : fenetre->findChild<QWidget*>(cible);
        QVERIFY2(widget, qPrintable(cible));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY2(banc.App().MenuPrinc->isVisible(), qPrintable(cible));
        QVERIFY(!fenetre->isVisible());
    }
}

void TestMenu::avertissement_echapTermine() {
    Banc banc;
    banc.Demarrer();
    QTest::keyClick(banc.App().FicheAvertissement.get(), Qt::Key_Escape);
    QCOMPARE(banc.fins, 1);
    QVERIFY(!banc.S().base.HandleBaseOuvert());
    QVERIFY(!banc.App().MenuPrinc->isVisible());
}

void TestMenu::avertissement_sansBaseErreurBaseEtFin() {
    Banc banc(false);
    banc.Demarrer();
    QCOMPARE(banc.modales, QStringList{"TErreurBase1"});
    QCOMPARE(banc.fins, 1);
    QVERIFY(banc.S().Terminee());
    // A key after the end does not open the menu.
    QTest::keyClick(banc.App().FicheAvertissement.get(), Qt::Key_A);
    QVERIFY(!banc.App().MenuPrinc->isVisible());
}

void TestMenu::menu_premiereMontre() {
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    QCOMPARE(menu.Label3->text(), QStringLiteral("All alloys"));
    QCOMPARE(Coches(menu), QStringList{"Tous1"});
    QCOMPARE(menu.ItemChoisi(), 0);
    QCOMPARE(menu.Boutons->button(0)->text(), QStringLiteral("by designation"));
    QCOMPARE(banc.S().recherche.FamilleChoisie, -1);
}

void TestMenu::menu_familleEtNouvelleRecherche() {
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    menu.Familles[3]->trigger(); // Inox1
    QCOMPARE(banc.S().recherche.FamilleChoisie, 200);
    QCOMPARE(Coches(menu), QStringList{"Inox1"});
    QCOMPARE(menu.Label3->text(), QStringLiteral("Stainless steels"));

    // The entry window shows the family; New search puts all alloys back.
    QTest::keyClick(&menu, Qt::Key_F5);
    QCOMPARE(banc.App().SaisieDurete1->SousEnsemble->text(), QStringLiteral("Stainless steels"));
    banc.App().SaisieDurete1->NouvelleRecherche1->trigger();
    QVERIFY(menu.isVisible());
    QVERIFY(!banc.App().SaisieDurete1->isVisible());
    QCOMPARE(banc.S().recherche.FamilleChoisie, -1);
    QCOMPARE(Coches(menu), QStringList{"Tous1"});
    QCOMPARE(menu.Label3->text(), QStringLiteral("All alloys"));
}

void TestMenu::menu_touchesDirectes_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("type");
    QTest::newRow("F4") << int(Qt::Key_F4) << 0;
    QTest::newRow("F5") << int(Qt::Key_F5) << 1;
    QTest::newRow("F6") << int(Qt::Key_F6) << 2;
    QTest::newRow("F7") << int(Qt::Key_F7) << 3;
}

void TestMenu::menu_touchesDirectes() {
    QFETCH(int, touche);
    QFETCH(int, type);
    Banc banc;
    banc.AllerAuMenu();
    banc.S().feuilles.ValeurReference = 77;
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    // Whatever the radio group selects: the key seen before the focused radio button.
    QTest::keyClick(menu.Boutons->button(0), Qt::Key(touche));
    QCOMPARE(banc.S().recherche.TypeRecherche, type);
    QCOMPARE(banc.S().feuilles.ValeurReference, -1);
    QCOMPARE(menu.ItemChoisi(), 0);
    QVERIFY(Saisie(banc.App(), type)->isVisible());
    QVERIFY(!menu.isVisible());
}

void TestMenu::menu_entreeEtEspaceSuiventLaSelection_data() {
    QTest::addColumn<int>("touche");
    QTest::addColumn<int>("item");
    QTest::newRow("entree, designation") << int(Qt::Key_Return) << 0;
    QTest::newRow("entree, limite elastique") << int(Qt::Key_Return) << 3;
    QTest::newRow("entree du pave, durete") << int(Qt::Key_Enter) << 1;
    QTest::newRow("espace, resistance") << int(Qt::Key_Space) << 2;
}

void TestMenu::menu_entreeEtEspaceSuiventLaSelection() {
    QFETCH(int, touche);
    QFETCH(int, item);
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    menu.SelectionnerItem(item);
    QTest::keyClick(menu.Button1, Qt::Key(touche));
    QCOMPARE(banc.S().recherche.TypeRecherche, item);
    for (int type = 0; type < 4; ++type) {
        QCOMPARE(Saisie(banc.App(), type)->isVisible(), type == item);
    }
    QVERIFY(!menu.isVisible());
}

void TestMenu::menu_quitterEchapFermeture_data() {
    QTest::addColumn<QString>("moyen");
    QTest::newRow("Quit") << "Quit";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("fermeture") << "close";
}

void TestMenu::menu_quitterEchapFermeture() {
    QFETCH(QString, moyen);
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    if (moyen == "Quit") {
        menu.Quitter1->trigger();
    } else if (moyen == "Esc") {
        QTest::keyClick(menu.Button1, Qt::Key_Escape);
    } else {
        menu.close();
    }
    QCOMPARE(banc.fins, 1);
    QVERIFY(!banc.S().base.HandleBaseOuvert());
    QVERIFY(banc.modales.isEmpty());
}

void TestMenu::aide_seulementSiCachee() {
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    TAideMenu& aide = *banc.App().AideMenu;
    QVERIFY(Banc::Activer(&menu));
    QTest::keyClick(&menu, Qt::Key_F1);
    QVERIFY(aide.isVisible());
    QVERIFY(aide.windowState() & Qt::WindowMaximized);
    QCOMPARE(aide.windowTitle(), QStringLiteral("TALIX 32-64 : General information."));
    QCOMPARE(aide.Memo1->blockCount(), 24);
    // Visible, even if minimised: a second F1 leaves it as it is.
    aide.setWindowState(Qt::WindowMinimized);
    QVERIFY(Banc::Activer(&menu));
    QTest::keyClick(&menu, Qt::Key_F1);
    QCOMPARE(aide.windowState(), Qt::WindowMinimized);
    // Its close box only hides it.
    aide.close();
    QVERIFY(!aide.isVisible());
    QCOMPARE(banc.fins, 0);
}

void TestMenu::aide_echapCacheSeulementLAide() {
    Banc banc;
    banc.AllerALaSaisie(1);
    TSaisieDurete1& saisie = *banc.App().SaisieDurete1;
    TAideDurete1& aide = *banc.App().AideDurete1;
    QTest::keyClicks(saisie.Edit1, "12");
    QVERIFY(Banc::Activer(&saisie));
    QTest::keyClick(saisie.Edit1, Qt::Key_F1);
    QVERIFY(aide.isVisible());
    QCOMPARE(aide.Memo1->blockCount(), 17);
    // The hardness help comes back to the front even when it is on screen already.
    aide.setWindowState(Qt::WindowMinimized);
    saisie.Aide1->trigger();
    QVERIFY(!(aide.windowState() & Qt::WindowMinimized));
    // Enter goes to the help window, not to the entry window behind it.
    QTest::keyClick(aide.Memo1, Qt::Key_Return);
    QVERIFY(saisie.isVisible());
    QVERIFY(!banc.App().AlliageDesignation1->isVisible());
    QTest::keyClick(aide.Memo1, Qt::Key_Escape);
    QVERIFY(!aide.isVisible());
    QVERIFY(saisie.isVisible());
    QCOMPARE(saisie.Edit1->text(), QStringLiteral("12"));
    QCOMPARE(banc.fins, 0);
}

void TestMenu::aide_texteSaisiConserve() {
    Banc banc;
    banc.AllerALaSaisie(3);
    TSaisieElasticite1& saisie = *banc.App().SaisieElasticite1;
    TAideElasticite1& aide = *banc.App().AideElasticite1;
    saisie.Aide1->trigger();
    QVERIFY(aide.isVisible());
    QCOMPARE(aide.Memo1->blockCount(), 35);
    QVERIFY(!aide.Memo1->isReadOnly());
    QTest::keyClicks(aide.Memo1, "note");
    QTest::keyClick(aide.Memo1, Qt::Key_Escape);
    QVERIFY(!aide.isVisible());
    QVERIFY(saisie.isVisible());
    saisie.Aide1->trigger();
    QVERIFY(aide.isVisible());
    QVERIFY(aide.Memo1->toPlainText().contains("note"));
}

void TestMenu::fournisseurs_seulementSiCachee() {
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    TListeFour& liste = *banc.App().ListeFour;
    QVERIFY(Banc::Activer(&menu));
    QTest::keyClick(&menu, Qt::Key_F9);
    QVERIFY(liste.isVisible());
    QCOMPARE(liste.Memo1->document()->findBlockByNumber(2).text(), QString(81, '-'));
    liste.setWindowState(Qt::WindowMinimized);
    menu.Fournisseurs1->trigger();
    QCOMPARE(liste.windowState(), Qt::WindowMinimized);
    // Closing the list only hides it.
    liste.close();
    QVERIFY(!liste.isVisible());
    QCOMPARE(banc.fins, 0);
    menu.Fournisseurs1->trigger();
    QVERIFY(liste.isVisible());
}

void TestMenu::aPropos_modale() {
    Banc banc;
    banc.AllerAuMenu();
    TMenuPrinc& menu = *banc.App().MenuPrinc;
    banc.surModale = [](QWidget* modale) {
        if (auto* boite = qobject_cast<TAboutBox*>(modale)) {
            boite->OKButton->click();
        }
    };
    menu.APropos2->trigger();
    QCOMPARE(banc.modales, QStringList{"TAboutBox"});
    QVERIFY(!banc.App().AboutBox->isVisible());
    QCOMPARE(banc.fins, 0);
    QVERIFY(menu.isVisible());
}

void TestMenu::erreurGenerale_toucheQuelconqueTermine_data() {
    QTest::addColumn<int>("touche");
    QTest::newRow("lettre") << int(Qt::Key_Q);
    QTest::newRow("controle") << int(Qt::Key_Control);
    QTest::newRow("F8") << int(Qt::Key_F8);
}

void TestMenu::erreurGenerale_toucheQuelconqueTermine() {
    QFETCH(int, touche);
    Banc banc;
    banc.AllerAuMenu();
    banc.surModale = [touche](QWidget* modale) {
        auto* erreur = qobject_cast<TFicheErreur*>(modale);
        // The key reaches the window before its OK button.
        QTest::keyClick(erreur ? static_cast<QWidget*>(erreur->OKButton) : modale, Qt::Key(touche));
    };
    banc.S().base.MontrerErreurGenerale();
    QCOMPARE(banc.modales, QStringList{"TFicheErreur"});
    QVERIFY(!banc.App().FicheErreur->isVisible());
    QCOMPARE(banc.fins, 1);
}

void TestMenu::erreurGenerale_fermetureTermine() {
    Banc banc;
    banc.AllerAuMenu();
    banc.S().base.MontrerErreurGenerale();
    QCOMPARE(banc.modales, QStringList{"TFicheErreur"});
    QCOMPARE(banc.fins, 1);
    // Nothing shows once the end was asked for.
    banc.S().base.MontrerErreurGenerale();
    QCOMPARE(banc.modales.size(), 1);
}

void TestMenu::erreurBase_detailEtFin() {
    Banc banc;
    banc.AllerAuMenu();
    QString detail;
    banc.surModale = [&detail](QWidget* modale) {
        if (auto* erreur = qobject_cast<TErreurBase1*>(modale)) {
            detail = erreur->erreur->text();
        }
        modale->close();
    };
    banc.S().base.DetailErreurBase = "ne peut rien lire";
    banc.S().base.MontrerErreurBase();
    QCOMPARE(banc.modales, QStringList{"TErreurBase1"});
    QCOMPARE(detail, QStringLiteral("ne peut rien lire"));
    QCOMPARE(banc.fins, 1);
}

void TestMenu::aides_textesEtTitres_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<int>("lignes");
    QTest::addColumn<bool>("modifiable");
    QTest::newRow("menu") << "TAideMenu"
                          << "TALIX 32-64 : General information." << 24 << false;
    QTest::newRow("designation") << "TAideDesignation1"
                                 << "TALIX 32-64 : Information on search by designation." << 1104
                                 << false;
    QTest::newRow("durete") << "TAideDurete1"
                            << "TALIX 32-64 : Information for hardness " << 17 << false;
    QTest::newRow("resistance") << "TAideResistance1"
                                << "TALIX 32-64 : Information for search by tensile strength." << 27
                                << false;
    QTest::newRow("elasticite") << "TAideElasticite1"
                                << "TALIX 32-64 : Information for search by yield strength" << 35
                                << true;
    QTest::newRow("designations") << "TAideAlliageDesignation1"
                                  << "TALIX 32-64 : Information for designations of alloys" << 297
                                  << false;
    QTest::newRow("chimie") << "TAidePropChim"
                            << "TALIX 32-64 : Information for chemical composition." << 27 << false;
    QTest::newRow("meca") << "TAidePropMeca"
                          << "TALIX 32-64 : Information for mechanical characteristics." << 97
                          << true;
}

void TestMenu::aides_textesEtTitres() {
    QFETCH(QString, fenetre);
    QFETCH(QString, titre);
    QFETCH(int, lignes);
    QFETCH(bool, modifiable);
    Banc banc;
    FenetreAide* aide = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == fenetre) {
            aide = qobject_cast<FenetreAide*>(w);
        }
    }
    QVERIFY(aide);
    QCOMPARE(aide->windowTitle(), titre);
    QCOMPARE(aide->Memo1->blockCount(), lignes);
    QCOMPARE(aide->Memo1->isReadOnly(), !modifiable);
    QCOMPARE(aide->Memo1->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(aide->Memo1->font().pixelSize(), 12);
}

void TestMenu::chaqueFenetre_echapEtFermeture_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<int>("finsEchap"); // requests to end after Escape
    QTest::addColumn<bool>("visibleApresEchap");
    QTest::addColumn<int>("finsFermeture"); // requests to end after a close request
    QTest::newRow("avertissement") << "TFicheAvertissement" << 1 << true << 1;
    QTest::newRow("menu") << "TMenuPrinc" << 1 << true << 1;
    QTest::newRow("saisie designation") << "TSaisieDesignation1" << 1 << true << 1;
    QTest::newRow("saisie durete") << "TSaisieDurete1" << 1 << true << 1;
    QTest::newRow("saisie resistance") << "TSaisieResistance1" << 1 << true << 1;
    QTest::newRow("saisie elasticite") << "TSaisieElasticite1" << 1 << true << 1;
    QTest::newRow("designations") << "TAlliageDesignation1" << 0 << true << 1;
    QTest::newRow("chimie") << "TFicheChimique1" << 0 << false << 0;
    QTest::newRow("meca") << "TFicheMeca1" << 0 << false << 0;
    QTest::newRow("fournisseurs") << "TListeFour" << 0 << true << 0;
    for (const char* aide :
         {"TAideMenu", "TAideDesignation1", "TAideAlliageDesignation1", "TAideDurete1",
          "TAideResistance1", "TAideElasticite1", "TAidePropChim", "TAidePropMeca"}) {
        QTest::newRow(aide) << aide << 0 << false << 0;
    }
}

void TestMenu::chaqueFenetre_echapEtFermeture() {
    QFETCH(QString, fenetre);
    QFETCH(int, finsEchap);
    QFETCH(bool, visibleApresEchap);
    QFETCH(int, finsFermeture);
    for (bool fermeture : {false, true}) {
        Banc banc;
        banc.Demarrer();
        QWidget* cible = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == fenetre) {
                cible = w;
            }
        }
        QVERIFY(cible);
        cible->show();
        QWidget* focus = cible->focusWidget() ? cible->focusWidget() : cible;
        if (fermeture) {
            cible->close();
            QCOMPARE(banc.fins, finsFermeture);
            QVERIFY(!cible->isVisible());
        } else {
            QTest::keyClick(focus, Qt::Key_Escape);
            QCOMPARE(banc.fins, finsEchap);
            QCOMPARE(cible->isVisible(), visibleApresEchap);
        }
        QVERIFY(banc.modales.isEmpty());
    }
}

QTEST_MAIN(TestMenu)
#include "TestMenu.moc"
