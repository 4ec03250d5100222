// The designations sheet: rows, highlight, and the criterion row of property searches.
#include <gtest/gtest.h>

#include "sheets/Feuilles.h"
#include "support/Fixtures.h"

namespace talix {
namespace {

using test::ADroite;
using test::Cadre;
using test::FicheDe;

// A record whose condition rows 1 and 2 hold the given hardness, Rp0.2 and Rm texts.
Fiche FicheMeca(const std::string& durete1, const std::string& durete2,
                const std::string& rp1 = "    ", const std::string& rp2 = "    ") {
    Fiche f = FicheDe({"AFNOR-A", "1.0001"});
    f.Meca[0].DureteMax = durete1;
    f.Meca[1].DureteMax = durete2;
    f.Meca[0].Rp02Min = rp1;
    f.Meca[1].Rp02Min = rp2;
    return f;
}

Fiche FicheRm(const std::string& min1, const std::string& max1, const std::string& min2,
              const std::string& max2) {
    Fiche f = FicheDe({"AFNOR-R"});
    f.Meca[0].RmMin = min1;
    f.Meca[0].RmMax = max1;
    f.Meca[1].RmMin = min2;
    f.Meca[1].RmMax = max2;
    return f;
}

const LigneDesignation& Critere(const Feuilles& f) {
    return f.Designations.lignes[LigneCritere];
}

int NombreJaunes(const Feuilles& f) {
    int n = 0;
    for (const LigneDesignation& l : f.Designations.lignes) {
        n += l.jaune() ? 1 : 0;
    }
    return n;
}

TEST(SheetDesignations, CaptionsAsBuilt) {
    const Feuilles f;
    const auto& l = f.Designations.lignes;
    EXPECT_EQ(l[0].caption, "AFNOR" + std::string(11, ' ') + "(F)" + std::string(3, ' ') + "or EN");
    EXPECT_EQ(l[1].caption, "Werkstoff N\xB0 (DIN or EN)");
    EXPECT_EQ(l[2].caption, "DIN" + std::string(17, ' ') + "(D)");
    EXPECT_EQ(l[3].caption, "BS" + std::string(18, ' ') + "(UK)");
    EXPECT_EQ(l[4].caption, "AISI" + std::string(16, ' ') + "(USA)");
    EXPECT_EQ(l[5].caption, "UNS" + std::string(15, ' ') + "(USA)");
    EXPECT_EQ(l[6].caption, "Nature of the alloy");
    for (std::size_t i = 7; i < 12; ++i) {
        EXPECT_EQ(l[i].caption, "Designation");
    }
    EXPECT_EQ(l[12].caption, "ARemplir");
    EXPECT_FALSE(l[12].visible);
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_TRUE(l[i].visible);
        EXPECT_TRUE(l[i].value.empty());
        EXPECT_EQ(l[i].couleur, CouleurLigne::Argent);
    }
}

TEST(SheetDesignations, ValuesShownAsStoredBlankRowsStayVisible) {
    Feuilles f;
    Fiche fiche = FicheDe({" X5CrNi18-10 ", "", "A&B ~", "", "", "S30400"});
    fiche.Des5 = std::string(27, ' ') + "\xE9";
    f.AfficherFiche(fiche, "X5CRNI1810", 1, 0);
    const auto& l = f.Designations.lignes;
    EXPECT_EQ(l[0].value, Cadre(" X5CrNi18-10 ", 28));
    EXPECT_EQ(l[1].value, std::string(28, ' '));
    EXPECT_EQ(l[2].value, Cadre("A&B ~", 28));
    EXPECT_EQ(l[11].value, std::string(27, ' ') + "\xE9");
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_TRUE(l[i].visible) << i;
        EXPECT_EQ(l[i].value.size(), 28u) << i;
    }
}

// Which row a designation search paints, by the field number the index gave.
struct CasSurlignage {
    int colonne;
    int ligneJaune; // -1: none
};
void PrintTo(const CasSurlignage& c, std::ostream* os) {
    *os << "column " << c.colonne;
}
class SheetHighlight : public ::testing::TestWithParam<CasSurlignage> {};

TEST_P(SheetHighlight, DesignationSearchPaintsTheFieldRowOnly) {
    Feuilles f;
    // A property search first, so the criterion row has something to hide.
    f.AfficherFiche(FicheMeca("   180", "   200"), "200", 25, 1);
    f.AfficherFiche(FicheDe({"A", "B", "C", "D", "E", "F"}), "F", GetParam().colonne, 0);
    EXPECT_FALSE(Critere(f).visible);
    for (int i = 0; i < 13; ++i) {
        const auto& ligne = f.Designations.lignes[static_cast<std::size_t>(i)];
        if (i == GetParam().ligneJaune) {
            EXPECT_EQ(ligne.couleur, CouleurLigne::Jaune) << i;
        } else {
            EXPECT_EQ(ligne.couleur, CouleurLigne::FaceBouton) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Columns, SheetHighlight,
                         ::testing::Values(CasSurlignage{6, 5}, CasSurlignage{1, 0},
                                           CasSurlignage{12, 11}, CasSurlignage{0, -1},
                                           CasSurlignage{13, -1}, CasSurlignage{-4, -1}));

// Hardness criterion: which row's text is shown and what ValeurReference becomes.
struct CasDurete {
    const char* nom;
    std::string row1, row2, recherche;
    std::int32_t reference;
    std::string attendu;
    std::int32_t referenceApres;
};
void PrintTo(const CasDurete& c, std::ostream* os) {
    *os << c.nom;
}
class SheetHardness : public ::testing::TestWithParam<CasDurete> {};

TEST_P(SheetHardness, PicksTheRow) {
    const CasDurete& c = GetParam();
    Feuilles f;
    f.ValeurReference = c.reference;
    f.AfficherFiche(FicheMeca(c.row1, c.row2), c.recherche, 0, 1);
    EXPECT_EQ(Critere(f).caption, "Max. hardeness ");
    EXPECT_EQ(Critere(f).value, c.attendu);
    EXPECT_TRUE(Critere(f).visible);
    EXPECT_TRUE(Critere(f).jaune());
    EXPECT_EQ(NombreJaunes(f), 1);
    EXPECT_EQ(f.ValeurReference, c.referenceApres);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SheetHardness,
    ::testing::Values(
        CasDurete{"ExactSecondRow", "   180", "   200", "200", -1, "   200", 200},
        CasDurete{"EqualDistanceTakesRow2", "   180", "   200", "190", -1, "   200", 200},
        CasDurete{"EqualDistanceReversed", "   200", "   180", "190", -1, "   180", 180},
        CasDurete{"NearerFirst", "   180", "   200", "185", -1, "   180", 180},
        CasDurete{"ExactFirstWinsOverExactSecond", "170   ", "HB 170", "170", -1, "170   ", 170},
        CasDurete{"BothBlankRow2Zero", "      ", "      ", "200", -1, "      ", 0},
        CasDurete{"NoTextNoReferenceSmaller", "   220", "   200", "", -1, "   200", 200},
        CasDurete{"NoTextNoReferenceSmallerFirst", "   150", "   200", "", -1, "   150", 150},
        CasDurete{"NoTextNearestToReference", "   150", "   200", "", 190, "   200", 200},
        CasDurete{"NoTextEqualToReferenceRow2", "   150", "   250", "", 200, "   250", 250},
        CasDurete{"DigitsOnlyOfGarbage", "~1~8~0", "\xFFx200", "185", -1, "~1~8~0", 180}),
    [](const auto& cas) { return std::string(cas.param.nom); });

struct CasElasticite {
    const char* nom;
    std::string row1, row2, recherche;
    std::int32_t reference;
    std::string attendu;
    std::int32_t referenceApres;
};
void PrintTo(const CasElasticite& c, std::ostream* os) {
    *os << c.nom;
}
class SheetYield : public ::testing::TestWithParam<CasElasticite> {};

TEST_P(SheetYield, PicksTheRowAndAddsTheUnit) {
    const CasElasticite& c = GetParam();
    Feuilles f;
    f.ValeurReference = c.reference;
    f.AfficherFiche(FicheMeca("      ", "      ", c.row1, c.row2), c.recherche, 0, 3);
    EXPECT_EQ(Critere(f).caption, "Min. yield strength ");
    EXPECT_EQ(Critere(f).value, c.attendu);
    EXPECT_TRUE(Critere(f).visible);
    EXPECT_EQ(f.ValeurReference, c.referenceApres);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SheetYield,
    ::testing::Values(CasElasticite{"TypedValue", " 235", " 355", "235", -1, " 235 Mpa", 235},
                      CasElasticite{"MinusOneSmallerWins", " 355", " 235", "", -1, " 235 Mpa", 235},
                      CasElasticite{"MinusOneFirstSmaller", " 235", " 355", "", -1, " 235 Mpa",
                                    235},
                      CasElasticite{"MinusOneEqualRow2", " 235", "235 ", "", -1, "235  Mpa", 235},
                      CasElasticite{"Reference", " 235", " 355", "", 300, " 355 Mpa", 355},
                      CasElasticite{"BothBlank", "    ", "    ", "", -1, "     Mpa", 0}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(SheetCriterion, IntervalText) {
    EXPECT_EQ(TexteIntervalle(400, 1100), "De 400 \xE0 1100 Mpa");
    EXPECT_EQ(TexteIntervalle(7, 7), "De 7 \xE0 7 Mpa");
}

struct CasResistance {
    const char* nom;
    Fiche fiche;
    std::string attendu;
};
void PrintTo(const CasResistance& c, std::ostream* os) {
    *os << c.nom;
}
class SheetTensile : public ::testing::TestWithParam<CasResistance> {};

TEST_P(SheetTensile, RangeOfTheNonZeroValues) {
    Feuilles f;
    f.AfficherFiche(GetParam().fiche, "450", 25, 2);
    EXPECT_EQ(Critere(f).caption, "Tensile strength (Rm)");
    EXPECT_EQ(Critere(f).value, GetParam().attendu);
    EXPECT_TRUE(Critere(f).visible);
    EXPECT_TRUE(Critere(f).jaune());
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, SheetTensile,
    ::testing::Values(
        CasResistance{"Row1Only", FicheRm("400 ", "550 ", "    ", "    "), "De 400 \xE0 550 Mpa"},
        CasResistance{"OneValue", FicheRm("    ", " 700", "    ", "    "), "De 700 \xE0 700 Mpa"},
        CasResistance{"BothRows", FicheRm(" 600", " 800", " 450", "1100"), "De 450 \xE0 1100 Mpa"},
        CasResistance{"ZerosIgnored", FicheRm("   0", " 900", "0000", " 650"),
                      "De 650 \xE0 900 Mpa"},
        CasResistance{"DigitsOfText", FicheRm("~500", "5/60", "    ", "    "),
                      "De 500 \xE0 560 Mpa"}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(SheetCriterion, TensileWithoutRmKeepsTheRowHidden) {
    Feuilles f;
    f.AfficherFiche(FicheRm("400 ", "550 ", "    ", "    "), "", 25, 2);
    ASSERT_TRUE(Critere(f).visible);
    f.AfficherFiche(FicheRm("    ", "   0", "    ", "    "), "", 25, 2);
    EXPECT_FALSE(Critere(f).visible);
    EXPECT_FALSE(Critere(f).jaune());
    EXPECT_EQ(NombreJaunes(f), 0);
    // The next display with a range shows the row again.
    f.AfficherFiche(FicheRm(" 300", "    ", "    ", "    "), "", 25, 2);
    EXPECT_TRUE(Critere(f).visible);
    EXPECT_EQ(Critere(f).value, "De 300 \xE0 300 Mpa");
}

TEST(SheetCriterion, HiddenRowKeepsItsTextsThroughADesignationSearch) {
    Feuilles f;
    f.AfficherFiche(FicheMeca("   180", "   200"), "200", 0, 1);
    f.AfficherFiche(FicheDe({"A"}), "A", 1, 0);
    EXPECT_FALSE(Critere(f).visible);
    EXPECT_EQ(Critere(f).caption, "Max. hardeness ");
    EXPECT_EQ(Critere(f).value, "   200");
    // Only rewritten texts reappear with the next property search.
    f.AfficherFiche(FicheMeca(" 235", " 355"), "", 0, 3);
    EXPECT_TRUE(Critere(f).visible);
    EXPECT_EQ(Critere(f).caption, "Min. yield strength ");
}

TEST(SheetCriterion, StepsFollowTheValueShownBefore) {
    Feuilles f;
    // First display compares with the typed value, then each step with the last shown.
    f.AfficherFiche(FicheMeca("   180", "   260"), "250", 0, 1);
    EXPECT_EQ(f.ValeurReference, 260);
    f.AfficherFiche(FicheMeca("   255", "   100"), "", 3, 1);
    EXPECT_EQ(Critere(f).value, "   255");
    f.AfficherFiche(FicheMeca("   100", "   240"), "", 3, 1);
    EXPECT_EQ(Critere(f).value, "   240");
    EXPECT_EQ(f.ValeurReference, 240);
}

TEST(SheetCriterion, OtherKindsLeaveTheCriterionTexts) {
    Feuilles f;
    f.AfficherFiche(FicheMeca("   180", "   200"), "200", 0, 1);
    f.AfficherFiche(FicheDe({"A"}), "", 0, 7);
    // Kind 7 writes no criterion but still shows the row, as any non-zero kind does.
    EXPECT_TRUE(Critere(f).visible);
    EXPECT_EQ(Critere(f).value, "   200");
    EXPECT_EQ(f.ValeurReference, 200);
}

} // namespace
} // namespace talix
