// Opening and closing the data files, and the one way out.
#include <gtest/gtest.h>

#include "database/Base.h"
#include "database/Familles.h"
#include "session/Enregistreurs.h"
#include "support/Fixtures.h"
#include "support/SystemeDefaillant.h"

namespace talix {
namespace {

using test::RepertoireTemporaire;

class FichiersDonnees : public testing::Test {
protected:
    RepertoireTemporaire rep;
    test::SystemeDefaillant systeme;
    FenetresEnregistreuses fenetres;
    Base base{systeme, fenetres, rep.Chemin()};
};

TEST_F(FichiersDonnees, SansBaseLErreurDeBaseTermine) {
    base.OuvrirFichiers();
    ASSERT_EQ(fenetres.Noms(), std::vector<std::string>{"TErreurBase1"});
    EXPECT_EQ(fenetres.montrees[0].detail, ""); // the window shows its own texts
    EXPECT_TRUE(base.FinDemandee());
    EXPECT_FALSE(base.HandleBaseOuvert());
}

TEST_F(FichiersDonnees, SansIndexLeDemarrageReussit) {
    test::EcrireBase(rep.Chemin(), {test::FicheDe({"A"})});
    base.OuvrirFichiers();
    EXPECT_TRUE(fenetres.montrees.empty());
    EXPECT_TRUE(base.HandleBaseOuvert());
    EXPECT_EQ(base.FichierIndex.Chemin(), rep.Fichier(NomIndex));
    EXPECT_FALSE(base.FichierIndex.EstOuvert()); // bound, not opened
}

TEST_F(FichiersDonnees, QuitterDeuxFoisFermeUneFois) {
    test::EcrireBase(rep.Chemin(), {test::FicheDe({"A"})});
    base.OuvrirFichiers();
    systeme.Programmer(test::Operation::Fermer, 1, ES_ECRITURE, true);
    base.QuitterApplication();
    EXPECT_EQ(systeme.Compte(), 1);
    base.QuitterApplication();
    EXPECT_EQ(systeme.Compte(), 1);
    // The error window's dismissal asked for the end too: three requests, all harmless.
    EXPECT_EQ(fenetres.finsDemandees, 3);
    // The failed close showed the database error window, once.
    EXPECT_EQ(fenetres.Noms(), std::vector<std::string>{"TErreurBase1"});
}

TEST_F(FichiersDonnees, QuitterSansEchecNeMontreRien) {
    test::EcrireBase(rep.Chemin(), {test::FicheDe({"A"})});
    base.OuvrirFichiers();
    base.QuitterApplication();
    EXPECT_FALSE(base.HandleBaseOuvert());
    EXPECT_TRUE(fenetres.montrees.empty());
    EXPECT_TRUE(base.FinDemandee());
}

TEST_F(FichiersDonnees, AucuneFenetreModaleApresLaFin) {
    base.QuitterApplication();
    base.MontrerNotice(Fenetre::TErreurNonTrouve);
    base.MontrerErreurBase();
    base.MontrerErreurGenerale();
    EXPECT_TRUE(fenetres.montrees.empty());
}

TEST(Familles, Libelles) {
    EXPECT_STREQ(LibelleFamille(-1), "All alloys");
    EXPECT_STREQ(LibelleFamille(0), "Norme");
    EXPECT_STREQ(LibelleFamille(400), "Based nickel,cobalt,iron");
    EXPECT_STREQ(LibelleFamille(800), "Specials (Zn,Mo,W,Nb...)");
    EXPECT_EQ(LibelleFamille(300), nullptr);
    EXPECT_EQ(LibelleFamille(-5), nullptr);
}

} // namespace
} // namespace talix
