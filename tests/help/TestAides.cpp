// The help texts as shipped: line counts, headings and their indentation, the order of the
// abbreviations, the place of the kinds of material. The windows show these files as they are.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Lire(const std::string& relatif) {
    std::ifstream f(std::string(TALIX_SOURCE_DIR) + "/" + relatif, std::ios::binary);
    std::ostringstream contenu;
    contenu << f.rdbuf();
    return contenu.str();
}

// The memo's lines: the text split on "\n".
std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::size_t debut = 0;
    while (true) {
        const std::size_t fin = texte.find('\n', debut);
        lignes.push_back(texte.substr(debut, fin - debut));
        if (fin == std::string::npos) {
            return lignes;
        }
        debut = fin + 1;
    }
}

std::vector<std::string> Aide(const std::string& nom) { return Lignes(Lire("resources/help/" + nom)); }

TEST(Aides, NombresDeLignes) {
    const std::pair<const char*, std::size_t> attendus[] = {
        {"TAideMenu.txt", 24},          {"TAideDurete1.txt", 17},
        {"TAideResistance1.txt", 27},   {"TAideElasticite1.txt", 35},
        {"TAidePropChim.txt", 27},      {"TAidePropMeca.txt", 97},
        {"TAideAlliageDesignation1.txt", 297}, {"TAideDesignation1-head.txt", 73}};
    for (const auto& [nom, lignes] : attendus) {
        EXPECT_EQ(Aide(nom).size(), lignes) << nom;
        EXPECT_EQ(Lire(std::string("resources/help/") + nom).find('\r'), std::string::npos) << nom;
    }
}

TEST(AideDesignation, SommaireSectionsEtGenresDeMatiere) {
    const auto tete = Aide("TAideDesignation1-head.txt");
    const char* titres[] = {"1 - MESSAGE: VALUE NO FOUND...",
                            "2 - GENERAL",
                            "3 - SEEK BY DESIGNATION AFNOR-DIN-UNI",
                            "4 - SEEK BY DESIGNATION ASTM-ASME",
                            "5 - SEEK BY AERONAUTICAL DESIGNATION AMS-DTD-AECMA-MSRR",
                            "6 - SEEK BY ALLOY",
                            "7 - SEEK TUBE BY DESIGNATION",
                            "8 - SEEK BY KIND OF MATERIAL"};
    std::vector<std::string> sommaire;
    for (std::size_t i = 0; i < 9; ++i) {
        if (!tete[i].empty()) {
            sommaire.push_back(tete[i]);
        }
    }
    ASSERT_EQ(sommaire.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(sommaire[i], std::string("\t\t\t") + titres[i]);
    }
    EXPECT_EQ(tete[9], "");  // line 10
    EXPECT_EQ(tete[72], ""); // line 73
    // The eight sections, in order, each under a rule and indented by two spaces.
    std::size_t section = 0;
    for (std::size_t i = 10; i < 72; ++i) {
        if (section < 8 && tete[i] == std::string("  ") + titres[section]) {
            EXPECT_EQ(tete[i - 1].substr(0, 4), "  --") << titres[section];
            ++section;
        }
    }
    EXPECT_EQ(section, 8u);
    // The worked examples of the general rules.
    const std::string texte = Lire("resources/help/TAideDesignation1-head.txt");
    for (const char* exemple : {"35NCD16", "17335", "Z2CN1810", "A182F11", "A167GR304", "A312TP316",
                                "A296CF8M", "A234WPA"}) {
        EXPECT_NE(texte.find(exemple), std::string::npos) << exemple;
    }
}

TEST(AideDesignation, GenresDeMatiereDansLOrdreDeLAide) {
    const auto genres = Lignes(Lire("data/kinds-of-material.txt"));
    ASSERT_EQ(genres.size(), 1031u); // 1030 lines and the final line end
    EXPECT_EQ(genres.back(), "");
    EXPECT_EQ(genres.front(), "ADMIRALTY ANTIMONIAL BRASS");
    EXPECT_EQ(genres[1028], "ZIRCONIUM HAFNIUM TIN");
    EXPECT_EQ(genres[1029], "code case");
    // Ascending byte order except at the two places the help shows so.
    std::size_t exceptions = 0;
    for (std::size_t i = 1; i < 1030; ++i) {
        if (!(genres[i - 1] < genres[i])) {
            ++exceptions;
            const bool chrome = genres[i - 1] == "CHROMIUM-VANADIUM TOOL STEEL" && genres[i] == "CHROMIUM STEEL";
            const bool fonte = genres[i - 1] == "WHITE TOMBASIL" && genres[i] == "WHITE CAST IRON";
            EXPECT_TRUE(chrome || fonte) << genres[i - 1] << " / " << genres[i];
        }
    }
    EXPECT_EQ(exceptions, 2u);
    for (const char* present : {"CHROMIUM-VANADIUM TOOL STEEL", "CHROMIUM STEEL", "WHITE CAST IRON",
                                "WHITE TOMBASIL", "Bell bronze"}) {
        EXPECT_NE(std::find(genres.begin(), genres.end(), present), genres.end()) << present;
    }
}

TEST(AideAlliage, SommaireSectionsAbreviationsEtGlossaire) {
    const auto aide = Aide("TAideAlliageDesignation1.txt");
    const char* titres[] = {"1- PRINTING ERROR", "2- MESSAGE:  VALUE NO FOUND...",
                            "3- WHAT DOES THE YELLOW BAR INDICATE?", "4- EUROPEAN STANDARDS",
                            "5- SIMILAR DESIGNATIONS", "6- WARNING AND USE",
                            "7- INITIALS, NORM AND INTERNATIONAL STANDARDS",
                            "8- SIGNIFICANCE OF THE ABREVIATIONS, SYMBOLS"};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(aide[1 + i], std::string("\t\t\t\t\t  ") + titres[i]);
    }
    EXPECT_EQ(aide[54].rfind("  7- Initials and abbreviations of international norms and standards", 0), 0u);
    // The 108 abbreviations, in their order, in a 14-character column (AUTAAS on two lines).
    const std::vector<std::string> ordre = {
        "AA", "ABNT", "ABS", "ACI", "AECMA", "AEROSPACE", "AFNOR", "AIR", "AISI", "ALCAN", "AMS",
        "ANSI", "API", "AS", "ASM", "ASME", "AST", "ASTM", "ASTM Rm", "ASTM Rp", "AUTAAS", "AWS",
        "BAS", "BS", "BSI", "BV", "CDA", "CEN", "CSA", "CSN", "CTIF", "DEF STAN", "DEF Std", "DIN",
        "DLIS-KCCD", "DNV", "DOD", "DS", "DTD", "ECISS", "EDF", "En", "EN", "ESA", "EU",
        "EURONORM", "FEDERAL", "FMV", "GB", "GE", "GL", "GOST", "HRN", "IC", "IHA", "INDRET", "IS",
        "ISO", "JIS", "JUS", "KS", "KIS", "KTA", "LRS", "LW", "MIL", "MILITARY", "MNC", "MPIF",
        "MSDS", "MSRR", "MSZ", "NBN", "NCPWB", "NES", "NF", "NFEN", "NK", "NORME AIR", "NS",
        "\xC3\x96NORM", "PN", "RCCM", "RINa", "RWMA", "SABS", "SAE", "SEL", "SEW", "SFS", "SIA", "SR",
        "SS / SIS", "STAS", "TSE", "T\xC3\x9CV", "UDC", "UNE", "UNI", "UNS", "URSS R.S", "VAR", "VDG",
        "VdT\xC3\x9CV", "VSM", "WERKSTOFF N\xC2\xB0", "WL", "WN"};
    ASSERT_EQ(ordre.size(), 108u);
    std::vector<std::string> trouvees;
    for (std::size_t i = 56; i < 166 && i < aide.size(); ++i) {
        const std::string& ligne = aide[i];
        if (ligne.size() < 4 || ligne[2] == ' ') {
            continue; // a continuation line or a blank
        }
        // The abbreviation: from column 3 up to the first run of two blanks.
        const std::size_t fin = ligne.find("  ", 2);
        trouvees.push_back(ligne.substr(2, fin - 2));
    }
    EXPECT_EQ(trouvees, ordre);
    // The standards bodies table and section 8.
    EXPECT_EQ(aide[167], "  Organisms       Country  Zip      Town            Phone          Facsimil  ");
    EXPECT_EQ(aide[168], "  " + std::string(75, '-') + "  ");
    EXPECT_EQ(aide[244].rfind("  8- Significance of the symbols, abbreviations", 0), 0u);
    std::size_t glossaire = 0;
    for (std::size_t i = 245; i < aide.size(); ++i) {
        if (aide[i].size() > 24 && aide[i].substr(0, 2) == "  " && aide[i][2] != ' ') {
            ++glossaire;
        }
    }
    EXPECT_EQ(glossaire, 50u);
}

TEST(AidePropMeca, SymbolesEtTraitementsDesFonderies) {
    const auto aide = Aide("TAidePropMeca.txt");
    EXPECT_EQ(aide[0] + aide[1] + aide[2], "");
    const std::string texte = Lire("resources/help/TAidePropMeca.txt");
    EXPECT_NE(texte.find("\n   1- Symbols\n"), std::string::npos);
    EXPECT_NE(texte.find("\n   2 - Heat-treatment for aluminium castings\n"), std::string::npos);
    for (const char* motif : {"NF A57-702", "EN 1706", "A.A", "+QT", "+N", "+A", "STA", "Y20", "Y40"}) {
        EXPECT_NE(texte.find(motif), std::string::npos) << motif;
    }
}

} // namespace
