// The report text: golden files of whole reports, the line widths, the helper texts.
#include <gtest/gtest.h>

#include <cstdlib>

#include "report/FichesRapport.h"
#include "report/Rapport.h"
#include "session/Enregistreurs.h"
#include "support/Fixtures.h"

namespace talix {
namespace {

using namespace talix::test;

std::string Joindre(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const std::string& l : lignes) {
        texte += l + "\r\n";
    }
    return texte;
}

struct CasGolden {
    const char* nom;
    Fiche (*fiche)();
};
void PrintTo(const CasGolden& c, std::ostream* os) {
    *os << c.nom;
}
class ReportGolden : public ::testing::TestWithParam<CasGolden> {};

// Set TALIX_UPDATE_GOLDEN=1 to rewrite the golden files after a deliberate change.
TEST_P(ReportGolden, WrittenFileMatchesByteForByte) {
    RepertoireTemporaire dir;
    SystemePosix systeme;
    FenetresEnregistreuses fenetres;
    ServiceDocumentsEnregistreur documents;
    Base base(systeme, fenetres, dir.Chemin());
    Rapport rapport(base, documents);
    const std::string chemin = dir.Fichier("A1.txt");
    rapport.EcrireFiche(GetParam().fiche(), chemin);
    ASSERT_TRUE(fenetres.montrees.empty());
    const std::string ecrit = LireOctets(chemin);
    EXPECT_EQ(ecrit, Joindre(LignesRapport(GetParam().fiche())));

    const std::string golden = std::string(TALIX_GOLDEN_DIR) + "/" + GetParam().nom + ".txt";
    if (const char* maj = std::getenv("TALIX_UPDATE_GOLDEN"); maj && std::string(maj) == "1") {
        EcrireOctets(golden, ecrit);
    }
    EXPECT_EQ(ecrit, LireOctets(golden));
}

INSTANTIATE_TEST_SUITE_P(Records, ReportGolden,
                         ::testing::Values(CasGolden{"full", &FicheComplete},
                                           CasGolden{"blank", &FicheBlanche},
                                           CasGolden{"odd", &FicheBizarre}),
                         [](const auto& cas) { return std::string(cas.param.nom); });

// The widths of every line, as the layout fixes them, for a record with n element lines.
std::vector<std::size_t> Largeurs(std::size_t familleLongueur, std::size_t n) {
    std::vector<std::size_t> l = {0, 26, 63, 63, 64, 63};
    l.insert(l.end(), 12, 64);
    l.insert(l.end(), {63, 58, 0, 14 + familleLongueur, 0, 63, 64, 63});
    l.insert(l.end(), n, 64);
    l.insert(l.end(), {63, 0, 55, 0, 62, 63, 62, 63, 63, 63, 62, 63, 63, 63, 62, 0, 10});
    for (std::size_t w : {14, 22, 24, 20, 29, 23, 22, 16, 23, 14, 15, 14, 19, 21, 19, 19, 10}) {
        l.push_back(w);
    }
    l.insert(l.end(), {59, 0, 22});
    return l;
}

TEST(ReportText, LineWidths) {
    struct Cas {
        Fiche fiche;
        std::size_t famille;
        std::size_t elements;
    };
    for (const Cas& c : {Cas{FicheComplete(), 16, 7}, Cas{FicheBlanche(), 5, 21},
                         Cas{FicheBizarre(), 7, 4}, Cas{FicheDe({"A"}, "800"), 24, 0}}) {
        const auto lignes = LignesRapport(c.fiche);
        const auto attendu = Largeurs(c.famille, c.elements);
        ASSERT_EQ(lignes.size(), attendu.size());
        EXPECT_EQ(lignes.size(), 63 + c.elements);
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            EXPECT_EQ(lignes[i].size(), attendu[i]) << "line " << i + 1 << ": " << lignes[i];
        }
    }
}

TEST(ReportText, FixedLinesOfTheLayout) {
    const auto l = LignesRapport(FicheComplete());
    const std::string barre = " \xA6 ";
    EXPECT_EQ(l[3], "    " + std::string(59, '='));
    EXPECT_EQ(l[6],
              "    \xA6 AFNOR         (F) ou EN  \xA6 X-TEST-01" + std::string(19, ' ') + barre);
    EXPECT_EQ(l[7].substr(0, 33), "    \xA6 Werkstoff n\xB0  (D ou EN)  \xA6 ");
    EXPECT_EQ(l[21], "Family :      Stainless steels");
    EXPECT_EQ(l[27], "   " + barre + "Carbon (C)        " + "     .000  -  0.030" +
                         std::string(18, ' ') + barre);
    const std::size_t m = 26 + 7; // first line after the composition block
    EXPECT_EQ(l[m + 2], "Comments : Test comment            Density :  8.00g/cm3");
    EXPECT_EQ(l[m + 7], "   " + barre + "    " + barre +
                            "HEATING \xB0"
                            "C " +
                            barre + "    Rm    " + barre + "Rp0,2" + barre + "A%" + barre +
                            " HARD. " + barre);
    EXPECT_EQ(l[m + 11], "   " + barre + "HYP " + barre + "1050/1100  " + barre + " 500   700" +
                             barre + " 200 " + barre + "40" + barre + "    215" + barre);
    EXPECT_EQ(l[m + 13], "   " + barre + "REV " + barre + " 650       " + barre +
                             std::string(10, ' ') + barre + std::string(5, ' ') + barre + "  " +
                             barre + std::string(7, ' ') + barre);
    EXPECT_EQ(l[l.size() - 3], " " + std::string(58, '='));
    EXPECT_EQ(l.back(), "Personal annotations: ");
}

TEST(ReportText, NoCompositionGivesAnEmptyBox) {
    const auto l = LignesRapport(FicheDe({"A"}));
    EXPECT_EQ(l[23], l[25]);
    EXPECT_EQ(l[26], l[25]); // the closing rule follows the heading's at once
    EXPECT_EQ(l[27], "");
    EXPECT_EQ(l[28].substr(0, 11), "Comments : ");
}

TEST(ReportText, FamilyText) {
    const std::pair<std::string, std::string> cas[] = {
        {"800", "Specials (Zn,Mo,W,Nb...)"},
        {"100", "Alloyed, carbon steels"},
        {"200", "Stainless steels"},
        {"400", "Based nickel,cobalt,iron"},
        {"500", "Aluminiums, magnesiums"},
        {"600", "Copperous"},
        {"700", "Titaniums"},
        {"  0", "Norme"},
        {"   ", "Norme"},
        {"99 ", "Norme"},
        {"abc", "Norme"},
        {"", "Norme"},
        {" 99", "       "},
        {"300", "       "},
        {" -1", "       "},
        {"-1", "       "},
        {"+100", "Alloyed, carbon steels"},
    };
    for (const auto& [famille, texte] : cas) {
        EXPECT_EQ(TexteFamille(famille), texte) << "[" << famille << "]";
    }
}

TEST(ReportText, Helpers) {
    EXPECT_EQ(Cadrer("NOR", 4), "NOR ");
    EXPECT_EQ(Cadrer("850/900  ", 11), "850/900    ");
    EXPECT_EQ(Cadrer(" 235", 5), " 235 ");
    EXPECT_EQ(Cadrer("abcdef", 4), "abcd");
    EXPECT_EQ(Cadrer("", 2), "  ");
    EXPECT_EQ(Cadrer("abc", 3), "abc");
    EXPECT_EQ(Cadrer("", 300).size(), 255u);
    EXPECT_EQ(TexteTeneur("16.500", "18.500"), "   16.500  - 18.500" + std::string(18, ' '));
    EXPECT_EQ(TexteTeneur("16.500", "18.500").size(), 37u);
    EXPECT_EQ(TexteRm(" 500", " 700"), " 500   700");
    EXPECT_EQ(NomFichierNote(125), "A125.txt");
    EXPECT_EQ(NomFichierNote(0), "A0.txt");
    EXPECT_EQ(NomFichierNote(-7), "A-7.txt");
    EXPECT_EQ(NomFichierNote(2147483647), "A2147483647.txt");
}

} // namespace
} // namespace talix
