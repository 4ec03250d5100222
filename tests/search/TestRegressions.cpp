// Inputs found by the fuzz targets, kept as tests once fixed.
#include <gtest/gtest.h>

#include "search/Recherche.h"
#include "session/Enregistreurs.h"

namespace talix {
namespace {

class Regression : public testing::Test {
protected:
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    Base base{systeme, fenetres};
    Feuilles feuilles;
    Recherche recherche{base, feuilles};
    EntreeIndex entree;
};

// A family word of ten digits overflowed the fast reading of the usual entry.
TEST_F(Regression, FamilleDeDixChiffresSansQueue) {
    entree.NumFiche = 7;
    EXPECT_FALSE(recherche.AnalyserLigne("1 5070018702", 50, SansValeur, entree));
    EXPECT_EQ(entree.Mot, "1");
    EXPECT_EQ(entree.Famille, 0); // beyond 32 bits: read as 0
    EXPECT_EQ(entree.NumFiche, 7); // the empty tail does not convert
    EXPECT_EQ(fenetres.Noms(), std::vector<std::string>{"TErreurBase1"});
}

TEST_F(Regression, FamilleDeDixChiffresAvecQueue) {
    EXPECT_FALSE(recherche.AnalyserLigne("X 9999999999 1203", 50, SansValeur, entree));
    EXPECT_EQ(entree.Famille, 0);
    EXPECT_EQ(entree.NumFiche, 12);
    EXPECT_EQ(entree.Colonne, 3);
    EXPECT_TRUE(fenetres.montrees.empty());
}

} // namespace
} // namespace talix
