// Every input/output check of the data files, driven by injected faults: the window that
// comes up, its detail line, and the end of the application.
#include <gtest/gtest.h>

#include <ostream>

#include "SessionDefaillante.h"

namespace talix {
namespace {

using test::Operation;
using test::SessionDefaillante;

struct CasFaute {
    const char* nom;
    int type;              // search kind, or -1 for a step
    const char* texte;     // the typed text
    Operation operation;   // the operation that fails
    int rang;              // which one, counted from the start of the search
    int remplissage;       // designation lines before the real ones
    const char* detail;    // the detail line of TErreurBase1
};

void PrintTo(const CasFaute& cas, std::ostream* sortie) { *sortie << cas.nom; }

class FauteDeRecherche : public testing::TestWithParam<CasFaute> {};

TEST_P(FauteDeRecherche, MontreLErreurDeBaseEtTermine) {
    const CasFaute& cas = GetParam();
    SessionDefaillante s(cas.remplissage);
    s.systeme.Programmer(cas.operation, cas.rang, ES_ACCES_REFUSE);
    s.Chercher(cas.type, cas.texte);
    ASSERT_FALSE(s.fenetres.montrees.empty());
    EXPECT_EQ(s.fenetres.montrees[0].fenetre, Fenetre::TErreurBase1);
    EXPECT_EQ(s.fenetres.montrees[0].detail, cas.detail);
    EXPECT_EQ(s.fenetres.montrees.size(), 1u) << "no window after the one that ends";
    EXPECT_TRUE(s.session.Terminee());
    EXPECT_FALSE(s.session.recherche.DeplacementEnCours);
}

// The index is opened by the first Ouvrir of a search and read by its first Lire; with
// 4,000 lines of padding, the second Lire falls in phase B.
INSTANTIATE_TEST_SUITE_P(
    Index, FauteDeRecherche,
    testing::Values(
        CasFaute{"designation_ouverture", 0, "BETA", Operation::Ouvrir, 1, 0,
                 "erreur d'ouverture du fichier d'index"},
        CasFaute{"durete_ouverture", 1, "200", Operation::Ouvrir, 1, 0,
                 "erreur d'ouverture du fichire d'index"},
        CasFaute{"elasticite_ouverture", 3, "400", Operation::Ouvrir, 1, 0, ""},
        CasFaute{"resistance_ouverture", 2, "650", Operation::Ouvrir, 1, 0, ""},
        CasFaute{"designation_ligne1", 0, "BETA", Operation::Lire, 1, 0,
                 "erreur de lecture du fichier"},
        CasFaute{"durete_ligne1", 1, "200", Operation::Lire, 1, 0, "erreur de lecture du fichier"},
        CasFaute{"elasticite_ligne1", 3, "400", Operation::Lire, 1, 0,
                 "erreur de lecture du fichier"},
        CasFaute{"resistance_ligne1", 2, "650", Operation::Lire, 1, 0,
                 "erreur de lecture du fichier"},
        CasFaute{"designation_phaseB", 0, "GAMMA", Operation::Lire, 2, 4000,
                 "erreur de lecture du fichier d'indexation"},
        // The hardness scan meets the failed read in phase A, where the next line's tail
        // conversion finds the pending status first: the detail stays as it was.
        CasFaute{"durete_phaseA", 1, "250", Operation::Lire, 2, 4000, ""},
        CasFaute{"lecture_fiche", 0, "BETA", Operation::Lire, 2, 0, ""}),
    [](const testing::TestParamInfo<CasFaute>& cas) { return std::string(cas.param.nom); });

TEST(FauteDeRecherche, BaseQuiNeSOuvrePlusArreteAvecLeCode) {
    SessionDefaillante s;
    s.systeme.Programmer(Operation::Ouvrir, 2, ES_ACCES_REFUSE); // index, then the base
    s.Chercher(0, "BETA");
    EXPECT_TRUE(s.fenetres.montrees.empty());
    ASSERT_EQ(s.fenetres.messages.size(), 1u);
    EXPECT_EQ(s.fenetres.messages[0], "Code du Reset = 5");
    EXPECT_TRUE(s.session.Terminee());
}

TEST(FauteAuDemarrage, BaseIllisible) {
    test::RepertoireTemporaire rep;
    test::EcrireBase(rep.Chemin(), {test::FicheDe({"A", "B"})});
    test::SystemeDefaillant systeme;
    systeme.Programmer(Operation::Ouvrir, 1, ES_ACCES_REFUSE);
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Session session(systeme, fenetres, documents, rep.Chemin());
    session.Demarrer();
    EXPECT_EQ(fenetres.Noms(), std::vector<std::string>{"TErreurBase1"});
    EXPECT_TRUE(session.Terminee());
}

TEST(FauteALaFin, FermetureDeLaBase) {
    SessionDefaillante s;
    s.systeme.Programmer(Operation::Fermer, 1, ES_ECRITURE);
    s.session.Quitter();
    EXPECT_EQ(s.fenetres.Noms(), std::vector<std::string>{"TErreurBase1"});
    EXPECT_TRUE(s.session.Terminee());
}

class FauteDePas : public testing::Test {
protected:
    void SetUp() override {
        s.Chercher(0, "GAMMA");
        ASSERT_TRUE(s.fenetres.montrees.empty());
        ASSERT_EQ(s.session.recherche.LigneCourante, 3);
    }
    void AttendreErreur(const char* detail) {
        ASSERT_EQ(s.fenetres.montrees.size(), 1u);
        EXPECT_EQ(s.fenetres.montrees[0].fenetre, Fenetre::TErreurBase1);
        EXPECT_EQ(s.fenetres.montrees[0].detail, detail);
        EXPECT_TRUE(s.session.Terminee());
        EXPECT_FALSE(s.session.recherche.DeplacementEnCours);
    }
    SessionDefaillante s;
};

TEST_F(FauteDePas, StatutEnAttenteAuDebutDuPasEnAvant) {
    s.session.base.Couche().Signaler(ES_LECTURE);
    s.session.EtapeSuivante();
    AttendreErreur("erreur de reinitialisation du fichier");
}

TEST_F(FauteDePas, RembobinageImpossibleEnArriere) {
    s.systeme.Programmer(Operation::Ouvrir, 1, ES_ACCES_REFUSE);
    s.session.EtapePrecedente();
    AttendreErreur("erreur de reinitialisation du fichier d'index : rechercheNuancePrecedente");
}

TEST_F(FauteDePas, LectureImpossibleEnArriere) {
    s.systeme.Programmer(Operation::Lire, 1, ES_LECTURE);
    s.session.EtapePrecedente();
    AttendreErreur("erreur de lecture du fichier d'index");
}

TEST_F(FauteDePas, IndexVideEnArriere) {
    test::EcrireOctets(s.rep.Fichier(NomIndex), "");
    s.session.EtapePrecedente();
    AttendreErreur("Base Vide(Index)");
}

TEST_F(FauteDePas, FicheIllisibleEnAvant) {
    // The step reads the base for the grade it found.
    s.Chercher(0, "ALPHA");
    s.systeme.Programmer(Operation::Lire, 1, ES_LECTURE);
    s.session.EtapeSuivante();
    AttendreErreur("");
}

} // namespace
} // namespace talix
