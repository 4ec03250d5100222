// The mechanical properties sheet: which values are shown, the Rm cell, the third row.
#include <gtest/gtest.h>

#include "sheets/Feuilles.h"
#include "support/Fixtures.h"

namespace talix {
namespace {

using test::FicheDe;

struct CasPresence {
    std::string texte;
    bool presente;
};
void PrintTo(const CasPresence& c, std::ostream* os) {
    *os << ::testing::PrintToString(c.texte);
}
class SheetValuePresent : public ::testing::TestWithParam<CasPresence> {};

TEST_P(SheetValuePresent, EmptyBlankAndZeroAreAbsentTextIsShown) {
    EXPECT_EQ(ValeurPresente(GetParam().texte), GetParam().presente)
        << "[" << GetParam().texte << "]";
}

INSTANTIATE_TEST_SUITE_P(Texts, SheetValuePresent,
                         ::testing::Values(CasPresence{"", false}, CasPresence{" ", false},
                                           CasPresence{"         ", false}, CasPresence{"0", false},
                                           CasPresence{"0.0", false}, CasPresence{"   0", false},
                                           CasPresence{"0        ", false},
                                           CasPresence{"-0", false}, CasPresence{" 0", false},
                                           CasPresence{"0.5", true}, CasPresence{"12", true},
                                           CasPresence{"8 ", true}, CasPresence{"~500", true},
                                           CasPresence{"1050/1100", true},
                                           CasPresence{"850/900  ", true}, CasPresence{"1,5", true},
                                           CasPresence{"air", true}, CasPresence{"\x01\xFF", true},
                                           CasPresence{"0x10", true}, CasPresence{"inf", true}));

TEST(SheetMechanics, BlankTestLooksAtEveryCharacter) {
    EXPECT_TRUE(EstBlanc(""));
    EXPECT_TRUE(EstBlanc(" "));
    EXPECT_TRUE(EstBlanc("    "));
    EXPECT_FALSE(EstBlanc("8 "));
    EXPECT_FALSE(EstBlanc("8"));
    EXPECT_FALSE(EstBlanc(" 8"));
    EXPECT_FALSE(EstBlanc("\t"));
}

struct CasRm {
    std::string min, max, attendu;
};
void PrintTo(const CasRm& c, std::ostream* os) {
    *os << "[" << c.min << "] [" << c.max << "]";
}
class SheetRmCell : public ::testing::TestWithParam<CasRm> {};

TEST_P(SheetRmCell, Text) {
    EXPECT_EQ(CelluleRm(GetParam().min, GetParam().max), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(Cells, SheetRmCell,
                         ::testing::Values(CasRm{"400 ", "550 ", "400     550 "},
                                           CasRm{"    ", " 700", std::string(15, ' ') + " 700"},
                                           CasRm{"400 ", "    ", "400" + std::string(9, ' ')},
                                           CasRm{"    ", "    ", ""}, CasRm{"   0", "0   ", ""},
                                           CasRm{"~500", "    ", "~500        "},
                                           CasRm{"   0", "~600", std::string(15, ' ') + "~600"},
                                           // Only the first four characters of each count.
                                           CasRm{"40000", "55000", "4000    5500"}));

Fiche FicheMecaComplete() {
    Fiche f = FicheDe({"A"});
    f.Meca[0] = {"NOR", "850/900  ", "400 ", "550 ", " 235", "22", "   180"};
    f.Meca[1] = {"   ", "0        ", "    ", "    ", "   0", " 0", "      "};
    f.Etat3 = "REV";
    f.Chauffe3 = " 600";
    return f;
}

TEST(SheetMechanics, RowsShowPresentValuesAsStored) {
    Feuilles f;
    f.AfficherFiche(FicheMecaComplete(), "", 1, 0);
    const auto& c = f.Meca.cellules;
    EXPECT_EQ(c[0][0], "NOR");
    EXPECT_EQ(c[0][1], "850/900  ");
    EXPECT_EQ(c[0][2], "400     550 ");
    EXPECT_EQ(c[0][3], " 235");
    EXPECT_EQ(c[0][4], "22");
    EXPECT_EQ(c[0][5], "   180");
    EXPECT_EQ(c[1][0], "   ");
    for (std::size_t col = 1; col < 7; ++col) {
        EXPECT_EQ(c[1][col], "") << col;
    }
    EXPECT_EQ(c[2][0], "REV");
    EXPECT_EQ(c[2][1], " 600");
}

TEST(SheetMechanics, LeftAlignedElongationIsShown) {
    Feuilles f;
    Fiche fiche = FicheMecaComplete();
    fiche.Meca[1].AMin = "8 ";
    f.AfficherFiche(fiche, "", 1, 0);
    EXPECT_EQ(f.Meca.cellules[1][4], "8 ");
}

TEST(SheetMechanics, ThirdRowShowsOnlyCodeAndHeating) {
    Feuilles f;
    Fiche fiche = FicheMecaComplete();
    fiche.Chauffe3 = "0   ";
    f.AfficherFiche(fiche, "", 1, 0);
    EXPECT_EQ(f.Meca.cellules[2][0], "REV");
    for (std::size_t col = 1; col < 7; ++col) {
        EXPECT_EQ(f.Meca.cellules[2][col], "") << col;
    }
}

TEST(SheetMechanics, NextGradeClearsTheCells) {
    Feuilles f;
    f.AfficherFiche(FicheMecaComplete(), "", 1, 0);
    f.AfficherFiche(FicheDe({"B"}), "", 1, 0);
    for (const auto& ligne : f.Meca.cellules) {
        EXPECT_EQ(ligne[0], "   ");
        for (std::size_t col = 1; col < 7; ++col) {
            EXPECT_EQ(ligne[col], "");
        }
    }
}

// Garbage bytes and text in every numeric field: shown as stored, nothing rejected.
TEST(SheetMechanics, GarbageRecordIsShownAsStored) {
    Fiche fiche = FicheDe({"\x01\x02\xFF\x7F", "\xE9\xE0"});
    for (EtatMeca& e : fiche.Meca) {
        e = {"\xFE\xFE\xFE",
             "\x80\x81\x82\x83\x84\x85\x86\x87\x88",
             "abcd",
             "\xFF\xFF\xFF\xFF",
             "n/a ",
             "--",
             "\x1A\x00\x0D\x0A\t~"};
        e.DureteMax = std::string("\x1A\0\r\n\t~", 6);
    }
    fiche.Etat3 = "???";
    fiche.Chauffe3 = "\x00\x00\x00\x00";
    fiche.Chauffe3 = std::string(4, '\0');
    for (Teneur& t : fiche.Chimie) {
        t.Min = "abc";
        t.Max = std::string(6, '\xFF');
    }
    fiche.Densite = "\xFF\xFF\xFF\xFF\xFF";
    Feuilles f;
    f.AfficherFiche(fiche, "\xFF", 3, 2);
    const auto& c = f.Meca.cellules;
    EXPECT_EQ(c[0][0], "\xFE\xFE\xFE");
    EXPECT_EQ(c[0][1], "\x80\x81\x82\x83\x84\x85\x86\x87\x88");
    EXPECT_EQ(c[0][2], "abcd    \xFF\xFF\xFF\xFF");
    EXPECT_EQ(c[0][3], "n/a ");
    EXPECT_EQ(c[0][4], "--");
    EXPECT_EQ(c[0][5], std::string("\x1A\0\r\n\t~", 6));
    EXPECT_EQ(c[2][1], std::string(4, '\0'));
    EXPECT_EQ(f.Chimie.cellules[1][1], "abc");
    EXPECT_EQ(f.Chimie.cellules[1][2], std::string(6, '\xFF'));
    EXPECT_EQ(f.Chimie.cellules[10][3], "Zinc  (Zn)");
    EXPECT_EQ(f.Chimie.densite, "\xFF\xFF\xFF\xFF\xFF");
    // No digits anywhere in Rm: the criterion row stays hidden.
    EXPECT_FALSE(f.Designations.lignes[LigneCritere].visible);
    EXPECT_EQ(f.Designations.lignes[0].value.substr(0, 4), "\x01\x02\xFF\x7F");
}

} // namespace
} // namespace talix
