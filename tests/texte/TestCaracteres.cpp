// Character classes, digit filters, the lenient integer and the designation key.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "search/CleDesignation.h"
#include "texte/Caracteres.h"

namespace talix {
namespace {

TEST(ClassesDeCaracteres, ConnaissentSeulementLesPlagesAscii) {
    for (int c = 0; c < 256; ++c) {
        const char ch = static_cast<char>(c);
        EXPECT_EQ(EstMinuscule(ch), c >= 'a' && c <= 'z') << c;
        EXPECT_EQ(EstLettre(ch), (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) << c;
        EXPECT_EQ(EstChiffre(ch), c >= '0' && c <= '9') << c;
        EXPECT_EQ(EstTilde(ch), c == '~') << c;
        EXPECT_EQ(NonEspace(ch), c != ' ') << c;
    }
}

struct CasCle {
    std::string saisi;
    std::string cle;
};

void PrintTo(const CasCle& cas, std::ostream* sortie) { *sortie << "'" << cas.saisi << "'"; }

class CleDesignationTest : public testing::TestWithParam<CasCle> {};

TEST_P(CleDesignationTest, NormaliseLeTexteSaisi) {
    std::string cle = "stale";
    CleDesignation(GetParam().saisi, cle, 255);
    EXPECT_EQ(cle, GetParam().cle);
}

INSTANTIATE_TEST_SUITE_P(
    Cles, CleDesignationTest,
    testing::Values(CasCle{"z2cn18-10", "Z2CN1810"}, CasCle{"1.4404", "14404"},
                    CasCle{"AISI 304 L", "AISI304L"}, CasCle{"~316l", "~316L"},
                    CasCle{"\xE9\xE8 -./*\xFC", ""}, CasCle{"", ""},
                    CasCle{"X5CrNi18-10", "X5CRNI1810"}, CasCle{"304S31~", "304S31~"},
                    CasCle{"a\tb", "AB"}));

TEST(CleDesignation, GardeAuPlus254CaracteresEtRespecteLaCapacite) {
    std::string cle;
    CleDesignation(std::string(255, 'a'), cle, 255);
    EXPECT_EQ(cle, std::string(254, 'A'));
    CleDesignation(std::string(300, 'b') + "-", cle, 10);
    EXPECT_EQ(cle, std::string(10, 'B'));
    // Dropped characters do not count towards the 254.
    CleDesignation(std::string(300, '-') + "x", cle, 255);
    EXPECT_EQ(cle, "X");
}

TEST(CopierMajuscules, NeChangeQueLesMinusculesAscii) {
    std::string sortie;
    CopierMajuscules("ab\xE9z~1", sortie, 255);
    EXPECT_EQ(sortie, "AB\xE9Z~1");
    CopierMajuscules("abcdef", sortie, 3);
    EXPECT_EQ(sortie, "ABC");
}

TEST(GarderChiffres, GardeLesChiffresDansLesDeuxTextes) {
    struct {
        std::string texte, chiffres;
    } cas[] = {{"12.5", "125"}, {"1 200 MPa", "1200"}, {"HRC", ""}, {"", ""}, {"0a0", "00"}};
    for (const auto& c : cas) {
        std::string texte = c.texte;
        std::string copie = "stale";
        GarderChiffres(texte, 255, copie, 255);
        EXPECT_EQ(texte, c.chiffres) << c.texte;
        EXPECT_EQ(copie, c.chiffres) << c.texte;
    }
    std::string texte = "123456";
    std::string copie;
    GarderChiffres(texte, 4, copie, 2);
    EXPECT_EQ(texte, "1234");
    EXPECT_EQ(copie, "12");
}

TEST(ChiffresSeuls, LaisseLaSourceIntacte) {
    const std::string source = " 235 Mpa";
    std::string destination;
    ChiffresSeuls(source, destination, 255);
    EXPECT_EQ(destination, "235");
    EXPECT_EQ(source, " 235 Mpa");
}

TEST(EntierOuZero, EstStrictSurLaFormeEtNeEchoueJamais) {
    struct {
        std::string texte;
        std::int32_t valeur;
    } cas[] = {
        {"", 0},           {"12 ", 0},         {"abc", 0},           {"007", 7},
        {" 12", 12},       {"-3", -3},         {"+4", 4},            {"1.5", 0},
        {"-", 0},          {" ", 0},           {"12a", 0},           {"2147483647", 2147483647},
        {"2147483648", 0}, {"-2147483648", -2147483647 - 1}, {"-2147483649", 0},
        {"99999999999999999999", 0}, {"\t12", 0}, {"0x10", 0}, {"$10", 0},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(EntierOuZero(c.texte), c.valeur) << "'" << c.texte << "'";
    }
}

} // namespace
} // namespace talix
