#include "Banc.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ui/TFicheAvertissement.h"
#include "ui/TMenuPrinc.h"
#include "ui/TSaisieDesignation1.h"

namespace talix::test {

Banc::Banc(bool avecBase) {
    if (avecBase) {
        Fiche alpha = FicheDe({"ALPHA1", "1.1111", "", "", "", "", "", "A&B"}, "200");
        alpha.Meca[0].DureteMax = "   180";
        alpha.Meca[1].DureteMax = "   250";
        Fiche beta = FicheDe({"BETA2", "1.2222"}, "100");
        beta.Chimie[C] = {"  .100", "  .200"};
        beta.Densite = "7.85 ";
        beta.Meca[0].Etat = "REC";
        beta.Meca[0].DureteMax = "   200";
        beta.Meca[0].Rp02Min = " 300";
        beta.Meca[0].RmMin = " 400";
        beta.Meca[0].RmMax = " 550";
        Fiche gamma = FicheDe({"GAMMA3", "1.3333"}, "500");
        gamma.Meca[0].DureteMax = "   250";
        EcrireBase(repertoire_.Chemin(), {alpha, beta, gamma});
        EcrireIndex(
            repertoire_.Chemin(),
            {LigneDesignationIndex("11111", 200, 1, 2), LigneDesignationIndex("12222", 100, 2, 2),
             LigneDesignationIndex("13333", 500, 3, 2), LigneDesignationIndex("AB", 200, 1, 8),
             LigneDesignationIndex("ALPHA1", 200, 1, 1), LigneDesignationIndex("BETA2", 100, 2, 1),
             LigneDesignationIndex("GAMMA3", 500, 3, 1), LigneDureteIndex(180, 200, 1),
             LigneDureteIndex(200, 100, 2), LigneDureteIndex(250, 200, 1),
             LigneDureteIndex(250, 500, 3), LigneElasticiteIndex(300, 100, 2),
             LigneResistanceIndex(400, 550, 100, 2)});
    }
    auto enregistreur = std::make_unique<ServiceDocumentsEnregistreur>();
    documents = enregistreur.get();
    talix_ = std::make_unique<Talix>(repertoire_.Chemin(), std::move(enregistreur));
    talix_->Fin = [this] { ++fins; };
    talix_->LaSession().rapport.RepertoireProgramme = repertoire_.Chemin();

    surModale = [](QWidget* modale) { modale->close(); };
    QObject::connect(&veille_, &QTimer::timeout, [this] {
        if (QWidget* modale = QApplication::activeModalWidget()) {
            modales << modale->objectName();
            surModale(modale);
        }
    });
    veille_.start(5);
}

Banc::~Banc() {
    veille_.stop();
    talix_.reset();
}

void Banc::Demarrer() {
    talix_->Demarrer();
}

void Banc::AllerAuMenu() {
    Demarrer();
    talix_->FicheAvertissement->Button1->click();
}

void Banc::AllerALaSaisie(int type) {
    AllerAuMenu();
    talix_->MenuPrinc->Choisir(type);
}

void Banc::ChercherDesignation(const QString& texte) {
    AllerALaSaisie(0);
    QLineEdit* edit = talix_->SaisieDesignation1->Edit1;
    QTest::keyClicks(edit, texte);
    QTest::keyClick(edit, Qt::Key_Return);
}

bool Banc::Activer(QWidget* fenetre) {
    fenetre->activateWindow();
    return QTest::qWaitForWindowActive(fenetre);
}

} // namespace talix::test
