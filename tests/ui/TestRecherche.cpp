// The entry windows and the result windows: searches typed into real windows, steps,
// New search, the sheet windows and every close request.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "Banc.h"
#include "ui/Commun.h"
#include "ui/TAideAlliageDesignation1.h"
#include "ui/TAideDesignation1.h"
#include "ui/TAidePropChim.h"
#include "ui/TAidePropMeca.h"
#include "ui/TAlliageDesignation1.h"
#include "ui/TFicheChimique1.h"
#include "ui/TFicheMeca1.h"
#include "ui/TListeFour.h"
#include "ui/TMenuPrinc.h"
#include "ui/TSaisieDesignation1.h"
#include "ui/TSaisieDurete1.h"
#include "ui/TSaisieElasticite1.h"
#include "ui/TSaisieResistance1.h"

using namespace talix;
using talix::test::Banc;

namespace {

FenetreSaisie* Saisie(Talix& app, int type) { return app.Saisie(type); }

// The rows painted yellow (1 to 13).
QList<int> LignesJaunes(const TAlliageDesignation1& fenetre) {
    QList<int> jaunes;
    for (std::size_t i = 0; i < fenetre.Lignes.size(); ++i) {
        if (fenetre.Lignes[i].panneau->palette().color(QPalette::Window) == Jaune()) {
            jaunes << int(i + 1);
        }
    }
    return jaunes;
}

QString Valeur(const TAlliageDesignation1& fenetre, int ligne) {
    return fenetre.Lignes[std::size_t(ligne - 1)].valeur->text().trimmed();
}

} // namespace

class TestRecherche : public QObject {
    Q_OBJECT

private slots:
    void designation_saisieJusquAuxTroisFeuilles();
    void designation_nonTrouveeMontreLaSuivante();
    void designation_esperluetteAffichee();
    void durete_ligneCritereJaune();
    void resistance_toleranceConservee();
    void saisie_entreeBoiteVide_data();
    void saisie_entreeBoiteVide();
    void saisie_echapEtFermetureTerminent_data();
    void saisie_echapEtFermetureTerminent();
    void saisie_F9SansProducteursDansLaDesignation();
    void saisie_aideDesignationSeulementSiCachee();

    void resultats_etapesParTouchesEtBoutons();
    void resultats_etapesAuxDeuxBouts();
    void resultats_nouvelleRechercheRemetLaFamille();
    void resultats_F4F5MontrentLesFeuilles();
    void resultats_echapCacheSeulementLesFeuilles();
    void resultats_aidesEtProducteurs();
    void resultats_fermetures();
    void resultats_annoterEtImprimer();
};

void TestRecherche::designation_saisieJusquAuxTroisFeuilles() {
    Banc banc;
    banc.ChercherDesignation("1.2222");
    Talix& app = banc.App();
    TAlliageDesignation1& designations = *app.AlliageDesignation1;
    QVERIFY(designations.isVisible());
    QVERIFY(!app.SaisieDesignation1->isVisible());
    QVERIFY(app.SaisieDesignation1->Edit1->text().isEmpty());
    QVERIFY(banc.modales.isEmpty());
    QCOMPARE(Valeur(designations, 1), QStringLiteral("BETA2"));
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.2222"));
    QCOMPARE(LignesJaunes(designations), QList<int>{2});
    QVERIFY(designations.Lignes[LigneCritere].panneau->isHidden());
    QCOMPARE(designations.SousEnsemble->text(), QStringLiteral("All alloys"));

    // The same grade on the two sheet windows.
    TFicheChimique1& chimie = *app.FicheChimique1;
    TFicheMeca1& meca = *app.FicheMeca1;
    designations.Chimiques1->trigger();
    designations.Mcaniques1->trigger();
    QVERIFY(chimie.isVisible() && meca.isVisible());
    QCOMPARE(chimie.StringGrid1->Cellule(0, 0).trimmed(), QString::fromUtf8("El\u00e9ments"));
    QCOMPARE(chimie.StringGrid1->Cellule(0, 1), QStringLiteral("Carbon (C)"));
    QCOMPARE(chimie.StringGrid1->Cellule(1, 1), QStringLiteral("  .100"));
    QCOMPARE(chimie.StringGrid1->Cellule(2, 1), QStringLiteral("  .200"));
    QCOMPARE(chimie.StringGrid1->columnWidth(0), 150);
    QCOMPARE(chimie.StringGrid1->columnWidth(1), 90);
    QCOMPARE(chimie.StringGrid1->rowHeight(11), 31);
    QCOMPARE(chimie.DensiteTrouvee->text(), QStringLiteral("7.85 "));
    QCOMPARE(meca.StringGrid1->Cellule(0, 0), QStringLiteral("REC"));
    QCOMPARE(meca.StringGrid1->Cellule(3, 0), QStringLiteral(" 300"));
    QCOMPARE(meca.StringGrid1->Cellule(5, 0), QStringLiteral("   200"));
}

void TestRecherche::designation_nonTrouveeMontreLaSuivante() {
    Banc banc;
    banc.ChercherDesignation("BETA");
    QCOMPARE(banc.modales, QStringList{"TErreurNonTrouve"});
    QCOMPARE(Valeur(*banc.App().AlliageDesignation1, 1), QStringLiteral("BETA2"));
    QCOMPARE(banc.fins, 0);
}

void TestRecherche::designation_esperluetteAffichee() {
    Banc banc;
    banc.ChercherDesignation("A&B");
    const TAlliageDesignation1& designations = *banc.App().AlliageDesignation1;
    QCOMPARE(Valeur(designations, 8), QStringLiteral("A&B"));
    QCOMPARE(designations.Lignes[7].valeur->textFormat(), Qt::PlainText);
    QCOMPARE(LignesJaunes(designations), QList<int>{8});
}

void TestRecherche::durete_ligneCritereJaune() {
    Banc banc;
    banc.AllerALaSaisie(1);
    TSaisieDurete1& saisie = *banc.App().SaisieDurete1;
    QTest::keyClicks(saisie.Edit1, "200");
    QTest::keyClick(saisie.Edit1, Qt::Key_Return);
    const TAlliageDesignation1& designations = *banc.App().AlliageDesignation1;
    QVERIFY(designations.isVisible());
    QVERIFY(!saisie.isVisible());
    QVERIFY(saisie.Edit1->text().isEmpty());
    QCOMPARE(Valeur(designations, 1), QStringLiteral("BETA2"));
    QVERIFY(!designations.Lignes[LigneCritere].panneau->isHidden());
    QCOMPARE(designations.Lignes[LigneCritere].legende->text(), QStringLiteral("Max. hardeness "));
    QCOMPARE(Valeur(designations, 13), QStringLiteral("200"));
    QCOMPARE(LignesJaunes(designations), QList<int>{13});
}

void TestRecherche::resistance_toleranceConservee() {
    Banc banc;
    banc.AllerALaSaisie(2);
    TSaisieResistance1& saisie = *banc.App().SaisieResistance1;
    QCOMPARE(saisie.Edit2->text(), QStringLiteral("50"));
    QTest::keyClicks(saisie.Edit1, "480");
    saisie.Edit2->clear();
    QTest::keyClicks(saisie.Edit2, "30");
    // Enter starts the search from either box.
    QTest::keyClick(saisie.Edit2, Qt::Key_Return);
    QVERIFY(banc.App().AlliageDesignation1->isVisible());
    QVERIFY(saisie.Edit1->text().isEmpty());
    QCOMPARE(saisie.Edit2->text(), QStringLiteral("30"));
    QCOMPARE(banc.App().AlliageDesignation1->Lignes[LigneCritere].legende->text(),
             QStringLiteral("Tensile strength (Rm)"));
}

void TestRecherche::saisie_entreeBoiteVide_data() {
    QTest::addColumn<int>("type");
    for (int type = 0; type < 4; ++type) {
        QTest::newRow(qPrintable(QString::number(type))) << type;
    }
}

void TestRecherche::saisie_entreeBoiteVide() {
    QFETCH(int, type);
    Banc banc;
    banc.AllerALaSaisie(type);
    FenetreSaisie* saisie = Saisie(banc.App(), type);
    QTest::keyClick(saisie->Edit1, Qt::Key_Enter);
    // Whatever the search answered, a grade is on show and the application goes on.
    QVERIFY(banc.App().AlliageDesignation1->isVisible());
    QVERIFY(!saisie->isVisible());
    QCOMPARE(banc.fins, 0);
    QVERIFY(!Valeur(*banc.App().AlliageDesignation1, 1).isEmpty());
}

void TestRecherche::saisie_echapEtFermetureTerminent_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("fermeture");
    for (int type = 0; type < 4; ++type) {
        QTest::newRow(qPrintable(QString("Esc %1").arg(type))) << type << false;
        QTest::newRow(qPrintable(QString("close %1").arg(type))) << type << true;
    }
}

void TestRecherche::saisie_echapEtFermetureTerminent() {
    QFETCH(int, type);
    QFETCH(bool, fermeture);
    Banc banc;
    banc.AllerALaSaisie(type);
    FenetreSaisie* saisie = Saisie(banc.App(), type);
    if (fermeture) {
        saisie->close();
    } else {
        QTest::keyClick(saisie->Edit1, Qt::Key_Escape);
    }
    QCOMPARE(banc.fins, 1);
    QVERIFY(banc.modales.isEmpty());
    QVERIFY(!banc.App().AlliageDesignation1->isVisible());
}

void TestRecherche::saisie_F9SansProducteursDansLaDesignation() {
    Banc banc;
    banc.AllerALaSaisie(0);
    TSaisieDesignation1& saisie = *banc.App().SaisieDesignation1;
    QVERIFY(saisie.Fournisseurs1 == nullptr);
    QVERIFY(Banc::Activer(&saisie));
    QTest::keyClick(saisie.Edit1, Qt::Key_F9);
    QVERIFY(!banc.App().ListeFour->isVisible());
    QVERIFY(saisie.Edit1->text().isEmpty());
    // The property windows have the item.
    banc.App().RetourMenu();
    banc.App().MenuPrinc->Choisir(3);
    QVERIFY(Banc::Activer(banc.App().SaisieElasticite1.get()));
    QTest::keyClick(banc.App().SaisieElasticite1->Edit1, Qt::Key_F9);
    QVERIFY(banc.App().ListeFour->isVisible());
}

void TestRecherche::saisie_aideDesignationSeulementSiCachee() {
    Banc banc;
    banc.AllerALaSaisie(0);
    TSaisieDesignation1& saisie = *banc.App().SaisieDesignation1;
    TAideDesignation1& aide = *banc.App().AideDesignation1;
    saisie.Aide1->trigger();
    QVERIFY(aide.isVisible());
    QVERIFY(aide.Pied && aide.Pied->text() == QStringLiteral("Use keys  <PgUp> <PgDn>"));
    aide.setWindowState(Qt::WindowMinimized);
    saisie.Aide1->trigger();
    QCOMPARE(aide.windowState(), Qt::WindowMinimized);
}

void TestRecherche::resultats_etapesParTouchesEtBoutons() {
    Banc banc;
    banc.ChercherDesignation("1.2222");
    TAlliageDesignation1& designations = *banc.App().AlliageDesignation1;
    QVERIFY(Banc::Activer(&designations));
    QTest::keyClick(&designations, Qt::Key_F8);
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.3333"));
    QCOMPARE(LignesJaunes(designations), QList<int>{2});
    QTest::keyClick(&designations, Qt::Key_F7);
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.2222"));
    designations.BitBtn2->click();
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.3333"));
    designations.BitBtn1->click();
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.2222"));
    QVERIFY(banc.modales.isEmpty());
    // The sheet windows follow the steps.
    designations.Nuancesuivante1->trigger();
    QCOMPARE(banc.App().FicheChimique1->StringGrid1->Cellule(0, 1), QString());
}

void TestRecherche::resultats_etapesAuxDeuxBouts() {
    Banc banc;
    banc.ChercherDesignation("1.1111");
    TAlliageDesignation1& designations = *banc.App().AlliageDesignation1;
    designations.Nuanceprcdente1->trigger();
    designations.Nuanceprcdente1->trigger();
    QCOMPARE(banc.modales, QStringList({"TFicheDebutDonnees", "TFicheDebutDonnees"}));
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.1111"));
    banc.modales.clear();
    banc.App().RetourMenu();
    banc.App().MenuPrinc->Choisir(0);
    QTest::keyClicks(banc.App().SaisieDesignation1->Edit1, "GAMMA3");
    QTest::keyClick(banc.App().SaisieDesignation1->Edit1, Qt::Key_Return);
    for (int i = 0; i < 3; ++i) {
        designations.BitBtn2->click();
    }
    QVERIFY(banc.modales.contains("TFicheFinDesDonnees"));
    QVERIFY(!Valeur(designations, 1).isEmpty());
    QCOMPARE(banc.fins, 0);
}

void TestRecherche::resultats_nouvelleRechercheRemetLaFamille() {
    Banc banc;
    banc.AllerAuMenu();
    banc.App().MenuPrinc->Familles[0]->trigger(); // carbon steels, 100
    banc.App().MenuPrinc->Choisir(0);
    QTest::keyClicks(banc.App().SaisieDesignation1->Edit1, "BETA2");
    QTest::keyClick(banc.App().SaisieDesignation1->Edit1, Qt::Key_Return);
    TAlliageDesignation1& designations = *banc.App().AlliageDesignation1;
    QCOMPARE(designations.SousEnsemble->text(), QStringLiteral("Alloyed, carbon steels"));
    designations.Chimiques1->trigger();
    designations.NouvelleRecherche1->trigger();
    QVERIFY(banc.App().MenuPrinc->isVisible());
    QVERIFY(!designations.isVisible());
    for (int type = 0; type < 4; ++type) {
        QVERIFY(!Saisie(banc.App(), type)->isVisible());
    }
    // The chemical window is not hidden by New search.
    QVERIFY(banc.App().FicheChimique1->isVisible());
    QCOMPARE(banc.S().recherche.FamilleChoisie, -1);
    QVERIFY(banc.S().base.FicheCourante == FicheBlanche());
    QCOMPARE(banc.App().MenuPrinc->Label3->text(), QStringLiteral("All alloys"));
}

void TestRecherche::resultats_F4F5MontrentLesFeuilles() {
    Banc banc;
    banc.ChercherDesignation("1.2222");
    TAlliageDesignation1& designations = *banc.App().AlliageDesignation1;
    QVERIFY(Banc::Activer(&designations));
    QTest::keyClick(&designations, Qt::Key_F4);
    QVERIFY(banc.App().FicheChimique1->isVisible());
    QVERIFY(Banc::Activer(&designations));
    QTest::keyClick(&designations, Qt::Key_F5);
    QVERIFY(banc.App().FicheMeca1->isVisible());
    // F4 on a visible, minimised chemical window brings it back.
    banc.App().FicheChimique1->setWindowState(Qt::WindowMinimized);
    designations.Chimiques1->trigger();
    QVERIFY(!(banc.App().FicheChimique1->windowState() & Qt::WindowMinimized));
    // F-keys where nothing is bound.
    QVERIFY(Banc::Activer(banc.App().FicheChimique1.get()));
    QTest::keyClick(banc.App().FicheChimique1.get(), Qt::Key_F7);
    QTest::keyClick(banc.App().FicheChimique1.get(), Qt::Key_F6);
    QCOMPARE(Valeur(designations, 2), QStringLiteral("1.2222"));
}

void TestRecherche::resultats_echapCacheSeulementLesFeuilles() {
    Banc banc;
    banc.ChercherDesignation("1.2222");
    Talix& app = banc.App();
    app.AlliageDesignation1->Chimiques1->trigger();
    app.AlliageDesignation1->Mcaniques1->trigger();
    QTest::keyClick(app.AlliageDesignation1.get(), Qt::Key_Escape);
    QVERIFY(app.AlliageDesignation1->isVisible());
    QTest::keyClick(app.FicheChimique1->StringGrid1, Qt::Key_Escape);
    QVERIFY(!app.FicheChimique1->isVisible());
    QVERIFY(app.FicheMeca1->isVisible());
    QTest::keyClick(app.FicheMeca1.get(), Qt::Key_Escape);
    QVERIFY(!app.FicheMeca1->isVisible());
    QVERIFY(app.AlliageDesignation1->isVisible());
    QCOMPARE(banc.fins, 0);
}

void TestRecherche::resultats_aidesEtProducteurs() {
    Banc banc;
    banc.ChercherDesignation("1.2222");
    Talix& app = banc.App();
    // Chemical help: only if not already visible.
    app.FicheChimique1->Aide1->trigger();
    QVERIFY(app.AidePropChim->isVisible());
    app.AidePropChim->setWindowState(Qt::WindowMinimized);
    app.FicheChimique1->Aide1->trigger();
    QCOMPARE(app.AidePropChim->windowState(), Qt::WindowMinimized);
    // Designations help: shown again in any case.
    app.AlliageDesignation1->Aide1->trigger();
    app.AideAlliageDesignation1->setWindowState(Qt::WindowMinimized);
    app.AlliageDesignation1->Aide1->trigger();
    QVERIFY(!(app.AideAlliageDesignation1->windowState() & Qt::WindowMinimized));
    // Mechanical help: full screen size, not maximised, editable.
    app.FicheMeca1->Aide1->trigger();
    QVERIFY(app.AidePropMeca->isVisible());
    QVERIFY(!(app.AidePropMeca->windowState() & Qt::WindowMaximized));
    QVERIFY(!app.AidePropMeca->Memo1->isReadOnly());
    // Producers: only if not already visible.
    app.AlliageDesignation1->Fournisseurs1->trigger();
    QVERIFY(app.ListeFour->isVisible());
    app.ListeFour->setWindowState(Qt::WindowMinimized);
    app.AlliageDesignation1->Fournisseurs1->trigger();
    QCOMPARE(app.ListeFour->windowState(), Qt::WindowMinimized);
    QCOMPARE(banc.fins, 0);
}

void TestRecherche::resultats_fermetures() {
    {
        Banc banc;
        banc.ChercherDesignation("1.2222");
        Talix& app = banc.App();
        app.AlliageDesignation1->Chimiques1->trigger();
        app.AlliageDesignation1->Mcaniques1->trigger();
        app.FicheChimique1->close();
        app.FicheMeca1->close();
        app.AidePropChim->close();
        app.ListeFour->close();
        QCOMPARE(banc.fins, 0);
        app.AlliageDesignation1->close();
        QCOMPARE(banc.fins, 1);
        // Keys after the end change nothing and show nothing.
        app.AlliageDesignation1->Nuancesuivante1->trigger();
        QVERIFY(banc.modales.isEmpty());
    }
    {
        Banc banc;
        banc.ChercherDesignation("1.2222");
        banc.App().AlliageDesignation1->Quitter1->trigger();
        QCOMPARE(banc.fins, 1);
    }
}

void TestRecherche::resultats_annoterEtImprimer() {
    Banc banc;
    banc.ChercherDesignation("1.2222");
    banc.App().AlliageDesignation1->Annoter1->trigger();
    banc.App().AlliageDesignation1->Imprimer1->trigger();
    QCOMPARE(banc.documents->ouverts.size(), std::size_t(1));
    QCOMPARE(banc.documents->imprimes.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(banc.documents->ouverts[0]).endsWith("Note/A2.txt"));
    QCOMPARE(banc.fins, 0);
}

QTEST_MAIN(TestRecherche)
#include "TestRecherche.moc"
