// The chemical composition sheet: the presence test and the compact two-block table.
#include <gtest/gtest.h>

#include "sheets/Feuilles.h"
#include "support/Fixtures.h"

namespace talix {
namespace {

using test::FicheDe;

using Cellules = std::array<std::array<std::string, 7>, 12>;

// The display order of the table, as element indexes of Fiche::Chimie.
const Element Ordre[] = {C,  Si, Mn, P,  S, Cr, Mo, Ni, V,  Al, Cu,
                         Ti, Co, W,  Nb, N, Fe, Mg, Pb, Sn, Zn};

struct CasTeneur {
    std::string texte;
    bool presente;
};
void PrintTo(const CasTeneur& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.texte);
}
class SheetAmount : public ::testing::TestWithParam<CasTeneur> {};

TEST_P(SheetAmount, OnlyTheEmptyAmountIsAbsent) {
    EXPECT_EQ(TeneurPresente(GetParam().texte), GetParam().presente)
        << "[" << GetParam().texte << "]";
}

INSTANTIATE_TEST_SUITE_P(Texts, SheetAmount,
                         ::testing::Values(CasTeneur{"  .000", false}, CasTeneur{" 0.000", true},
                                           CasTeneur{"0.000 ", true}, CasTeneur{"  .00 ", true},
                                           CasTeneur{"  .0000", true}, CasTeneur{" .000", true},
                                           CasTeneur{"", true}, CasTeneur{"      ", true}));

TEST(SheetChemistry, NoAmountLeavesTheTableEmptyButWritesDensityAndComment) {
    Feuilles f;
    Fiche fiche = FicheDe({"A"});
    fiche.Densite = " 7.90";
    fiche.Commentaire = "  weldable  ~ \xE9    ";
    f.EnteteChimie();
    f.AfficherFiche(fiche, "", 1, 0);
    EXPECT_EQ(f.Chimie.densite, " 7.90");
    EXPECT_EQ(f.Chimie.commentaire, "  weldable  ~ \xE9    ");
    for (std::size_t l = 1; l < 12; ++l) {
        for (const std::string& c : f.Chimie.cellules[l]) {
            EXPECT_TRUE(c.empty());
        }
    }
    EXPECT_EQ(f.Chimie.cellules[0][0], "           El\xE9ments");
}

TEST(SheetChemistry, HeaderRow) {
    Feuilles f;
    f.EnteteChimie();
    const auto& h = f.Chimie.cellules[0];
    EXPECT_EQ(h[0], std::string(11, ' ') + "El\xE9ments");
    EXPECT_EQ(h[3], h[0]);
    EXPECT_EQ(h[1], std::string(7, ' ') + "Mini");
    EXPECT_EQ(h[4], h[1]);
    EXPECT_EQ(h[2], std::string(7, ' ') + "Maxi");
    EXPECT_EQ(h[5], h[2]);
    EXPECT_TRUE(h[6].empty());
    // Clearing the element lines never touches the header.
    f.EffacerChimie();
    EXPECT_EQ(f.Chimie.cellules[0][0], h[0]);
    EXPECT_EQ(LargeurColonneElement, 150);
    EXPECT_EQ(LargeurColonneChimie, 90);
}

TEST(SheetChemistry, AbsentBoundLeavesItsCellEmpty) {
    Feuilles f;
    Fiche fiche = FicheDe({"A"});
    fiche.Chimie[Cr].Max = "18.500";
    fiche.Chimie[Ni].Min = " 8.000";
    fiche.Chimie[Mo].Min = fiche.Chimie[Mo].Max = " 2.000";
    f.AfficherFiche(fiche, "", 1, 0);
    const Cellules& c = f.Chimie.cellules;
    // Carbon to sulphur absent: chromium takes line 1.
    EXPECT_EQ(c[1][0], "Chromium  (Cr)");
    EXPECT_EQ(c[1][1], "");
    EXPECT_EQ(c[1][2], "18.500");
    EXPECT_EQ(c[2][0], "Molybdenum  (Mo)");
    EXPECT_EQ(c[2][1], " 2.000");
    EXPECT_EQ(c[2][2], " 2.000");
    EXPECT_EQ(c[3][0], "Nickel  (Ni)");
    EXPECT_EQ(c[3][1], " 8.000");
    EXPECT_EQ(c[3][2], "");
    EXPECT_EQ(c[4][0], "");
}

TEST(SheetChemistry, ElevenFillTheLeftBlockTheTwelfthStartsTheRight) {
    Feuilles f;
    Fiche fiche = FicheDe({"A"});
    for (std::size_t k = 0; k < 12; ++k) {
        fiche.Chimie[Ordre[k]].Max = " 1." + std::to_string(100 + k);
    }
    f.AfficherFiche(fiche, "", 1, 0);
    const Cellules& c = f.Chimie.cellules;
    EXPECT_EQ(c[1][0], "Carbon (C)");
    EXPECT_EQ(c[11][0], "Copper  (Cu)");
    EXPECT_EQ(c[11][2], " 1.110");
    EXPECT_EQ(c[1][3], "Titanium  (Ti)");
    EXPECT_EQ(c[1][5], " 1.111");
    EXPECT_EQ(c[2][3], "");

    // With exactly eleven, the right block stays empty.
    fiche.Chimie[Ordre[11]].Max = TeneurVide;
    f.AfficherFiche(fiche, "", 1, 0);
    for (std::size_t l = 1; l < 12; ++l) {
        EXPECT_FALSE(f.Chimie.cellules[l][0].empty());
        for (std::size_t col = 3; col < 7; ++col) {
            EXPECT_TRUE(f.Chimie.cellules[l][col].empty()) << l << "," << col;
        }
    }
}

TEST(SheetChemistry, AllTwentyOneLeaveLineElevenOfTheRightBlockEmpty) {
    Feuilles f;
    Fiche fiche = FicheDe({"A"});
    for (Teneur& t : fiche.Chimie) {
        t.Min = " 0.100";
        t.Max = " 0.200";
    }
    f.AfficherFiche(fiche, "", 1, 0);
    const Cellules& c = f.Chimie.cellules;
    EXPECT_EQ(c[10][3], "Zinc  (Zn)");
    EXPECT_TRUE(c[11][3].empty());
    for (std::size_t l = 1; l < 12; ++l) {
        EXPECT_TRUE(c[l][6].empty());
    }
    // The next grade's table holds nothing of this one.
    Fiche autre = FicheDe({"B"});
    autre.Chimie[Zn].Min = "99.000";
    f.AfficherFiche(autre, "", 1, 0);
    EXPECT_EQ(c[1][0], "Zinc  (Zn)");
    EXPECT_EQ(c[1][1], "99.000");
    EXPECT_TRUE(c[1][2].empty());
    EXPECT_TRUE(c[2][0].empty());
    EXPECT_TRUE(c[10][3].empty());
}

TEST(SheetChemistry, LabelsFollowTheDisplayOrder) {
    const char* libelles[] = {"Carbon (C)",       "Silicon  (Si)", "Manganese  (Mn)",
                              "Phosphorus (P)",   "Sulfur  (S)",   "Chromium  (Cr)",
                              "Molybdenum  (Mo)", "Nickel  (Ni)",  "Vanadium  (V)",
                              "Aluminium  (Al)",  "Copper  (Cu)",  "Titanium  (Ti)",
                              "Cobalt  (Co)",     "Tungsten  (W)", "Niobium  (Nb or Cb)",
                              "Nitrogen  (N)",    "Iron  (Fe)",    "Magnesium  (Mg)",
                              "Lead  (Pb)",       "Tin  (Sn)",     "Zinc  (Zn)"};
    for (std::size_t k = 0; k < NombreElements; ++k) {
        Feuilles f;
        Fiche fiche = FicheDe({"A"});
        fiche.Chimie[Ordre[k]].Min = "0.000 ";
        f.AfficherFiche(fiche, "", 1, 0);
        EXPECT_EQ(f.Chimie.cellules[1][0], libelles[k]);
        EXPECT_EQ(f.Chimie.cellules[1][1], "0.000 ");
    }
}

} // namespace
} // namespace talix
