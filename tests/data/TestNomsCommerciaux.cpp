// The trade names of the catalogue and the producers list: every designation that is a
// producer's trade name is named by a pattern of data/trade-names.tsv, whose producer is a
// row of data/producers.tsv, and the producers list fits the window's 81 columns.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "Compiler.h"
#include "Parser.h"
#include "NomsCommerciaux.h"
#include "ui/Textes.h"

namespace talix::test {
namespace {

const std::string Racine = TALIX_SOURCE_DIR;

// Words that only a producer's trade name holds. A designation holding one of them must be
// named by a pattern of trade-names.tsv: a new "Inconel 999" or "Nitronic 19" without its
// producer fails here. Generic names (Alloy, Nickel, Permalloy, Muntz metal, Babbitt,
// Nichrome, Zircaloy ...) and names whose owner could not be confirmed (Nitralloy,
// Astroloy, Discaloy, René, Vitallium, Everdur, Protasul, Greek Ascoloy ...) are not here.
const std::vector<std::string> MotsDeMarque = {
    // Special Metals
    "INCONEL", "INCOLOY", "MONEL", "NIMONIC", "UDIMET", "NILO", "DURANICKEL", "PERMANICKEL", "MA",
    // Haynes International
    "HASTELLOY", "HAYNES", "ULTIMET", "HR", "HYBRID",
    // VDM Metals
    "NICROFER", "CRONIFER", "NIMOFER", "PERNIFER", "VDM", "1925HMO",
    // Carpenter
    "CARPENTER", "CUSTOM", "PYROMET", "20CB", "PLUS", "GALL", "KOVAR", "HIPERCO", "HYMU",
    "PERMEABILITY",
    // ATI
    "ATI", "718PLUS", "BRITE", "6XN", "ZIRCADYNE",
    // Outokumpu
    "SMO", "SV", "LDX", "CORE", "SUPRA", "MODA", "FORTA", "THERMA", "ULTRA",
    // Alleima
    "SAF", "SAFUREX", "SANICRO", "SANDVIK", "3RE60", "2RE69",
    // Aperam Alloys Imphy, Kennametal Stellite, Elgiloy, TIMET
    "PHYNOX", "INVAR", "DILVER", "STELLITE", "TRIBALOY", "ELGILOY", "TIMETAL", "IMI",
    // Cleveland-Cliffs, US Steel, Columbus, Industeel, Rolled Alloys, Langley, Kanthal
    "NITRONIC", "PH", "CORTEN", "3CR12", "URANUS", "UR", "ZERON", "RA330", "FERRALIUM",
    "NIKROTHAL",
    // light and copper alloys
    "ELEKTRON", "MAGSIMAL", "SILAFONT", "UNIFONT", "SEALIUM", "ALUSTAR", "BERYLCO", "ECOBRASS",
    "WIELAND", "ZAMAK", "ANTICORODAL", "PERALUMAN", "CASTADUR", "CUPHIN", "ECOMERICA", "KME",
    "STOL", "PNA",
    // the others
    "CURE", "MP35N", "MP159", "MULTIPHASE", "WASPALOY", "CHROMEL", "ALUMEL", "NAS", "UDDEHOLM",
    "TICOREX", "AFK", "VACOFLUX", "NICORROS", "ACIDUR",
};

// The files of the repository, read once.
struct Donnees {
    std::vector<NomCommercial> noms;
    std::vector<std::string> problemesNoms;
    std::vector<LigneTsv> producteurs;
    std::vector<std::string> nomsProducteurs;
    std::string tsvProducteurs;
    std::vector<std::string> designations; // every designation field but the nature
    std::vector<std::string> problemesCatalogue;
};

const Donnees& Depot() {
    static const Donnees donnees = [] {
        Donnees d;
        d.noms = LireNomsCommerciaux(talixc::ReadFile(Racine + "/data/trade-names.tsv"),
                                     d.problemesNoms);
        d.tsvProducteurs = talixc::ReadFile(Racine + "/data/producers.tsv");
        d.producteurs = LignesTsv(d.tsvProducteurs);
        for (const LigneTsv& ligne : d.producteurs) {
            d.nomsProducteurs.push_back(ligne.champs.front());
        }
        for (const talixc::Source& source : talixc::ReadSourceTree(Racine + "/data")) {
            talixc::ParseResult lu = talixc::ParseSource(source.text, source.name);
            for (const talixc::Diagnostic& diagnostic : lu.diagnostics) {
                d.problemesCatalogue.push_back(diagnostic.Text());
            }
            for (const talixc::Grade& grade : lu.grades) {
                for (std::size_t colonne = 1; colonne <= talixc::ColumnCount; ++colonne) {
                    const std::string& texte = grade.columns[colonne - 1];
                    if (colonne != talixc::NatureColumn && !texte.empty()) {
                        d.designations.push_back(texte);
                    }
                }
            }
        }
        return d;
    }();
    return donnees;
}

std::string Liste(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const std::string& ligne : lignes) {
        texte += "\n  " + ligne;
    }
    return texte;
}

// --- how a pattern names a designation -------------------------------------------------

struct CasMotif {
    const char* motif;
    const char* designation;
    bool nomme;
};

void PrintTo(const CasMotif& cas, std::ostream* sortie) {
    *sortie << '"' << cas.motif << "\" names \"" << cas.designation << "\": " << cas.nomme;
}

class MotifNommeTest : public ::testing::TestWithParam<CasMotif> {};

TEST_P(MotifNommeTest, ComparesTheBeginningWithoutCaseUpToAWordEnd) {
    const CasMotif& cas = GetParam();
    EXPECT_EQ(MotifNomme(cas.motif, cas.designation), cas.nomme)
        << cas.motif << " / " << cas.designation;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, MotifNommeTest,
    ::testing::Values(CasMotif{"INCONEL", "INCONEL 625", true},
                      CasMotif{"INCONEL", "Inconel 625", true},   // case of ASCII letters
                      CasMotif{"INVAR", "Invar", true},           // the whole designation
                      CasMotif{"SAF", "SAF 2205~", true},
                      CasMotif{"SAF", "Safurex", false},          // another word
                      CasMotif{"MA 754", "MA 7541", false},       // another number
                      CasMotif{"MA 754", "MA 754A", true},
                      CasMotif{"RENE", "Rene80", true},           // digits after letters
                      CasMotif{"AL-6XN", "AL-6XN cast~", true},
                      CasMotif{"INCONEL", "Alloy INCONEL 625", false}, // only the beginning
                      CasMotif{"INCONEL", "INCONE", false},
                      CasMotif{"", "INCONEL", false}));

TEST(Mots, AreRunsOfLettersAndDigitsUpperCased) {
    EXPECT_EQ(Mots("SEA-CURE"), (std::vector<std::string>{"SEA", "CURE"}));
    EXPECT_EQ(Mots("Nicrofer 3127 hMo"), (std::vector<std::string>{"NICROFER", "3127", "HMO"}));
    EXPECT_EQ(Mots("17-4 PH cast~"), (std::vector<std::string>{"17", "4", "PH", "CAST"}));
    EXPECT_TRUE(Mots(" - ~").empty());
}

// --- the checks on damaged inputs -------------------------------------------------------

TEST(ChecksOnDamagedInput, RowWithoutThreeFieldsIsReported) {
    std::vector<std::string> problemes;
    const auto noms = LireNomsCommerciaux(
        "pattern\tproducer\tsource\nINCONEL\tSpecial Metals\nMONEL\t\tx\n KOVAR\tCarpenter\tx\n"
        "ZERON\tRolled Alloys\tx\n",
        problemes);
    ASSERT_EQ(noms.size(), 1u);
    EXPECT_EQ(noms[0].motif, "ZERON");
    ASSERT_EQ(problemes.size(), 3u);
    EXPECT_NE(problemes[0].find("line 2"), std::string::npos);
    EXPECT_NE(problemes[1].find("line 3"), std::string::npos);
    EXPECT_NE(problemes[2].find("line 4"), std::string::npos);
}

TEST(ChecksOnDamagedInput, PatternWhoseProducerRowWasRemovedIsReported) {
    const std::vector<NomCommercial> noms = {{"INCONEL", "Special Metals", "x"},
                                             {"ZERON", "Rolled Alloys", "x"}};
    const std::vector<std::string> producteurs = {"Rolled Alloys"};
    EXPECT_EQ(ProducteursInconnus(noms, producteurs).size(), 1u);
    const auto sans = DesignationsSansProducteur({"Inconel 625", "Zeron 100", "X5CrNi18-10"},
                                                 noms, producteurs);
    ASSERT_EQ(sans.size(), 1u);
    EXPECT_EQ(sans[0].rfind("Inconel 625", 0), 0u);
}

TEST(ChecksOnDamagedInput, PatternGivenTwiceIsReported) {
    const std::vector<NomCommercial> noms = {{"INCONEL", "P", "x"}, {"Inconel", "P", "y"}};
    EXPECT_EQ(ProducteursInconnus(noms, {"P"}).size(), 1u);
}

TEST(ChecksOnDamagedInput, TradeNameWithoutPatternIsReported) {
    const std::vector<NomCommercial> noms = {{"INCONEL", "P", "x"}};
    const auto sans = MarquesSansMotif({"Inconel 625", "Alloy Inconel 718", "Monel 400", "304L"},
                                       noms, {"INCONEL", "MONEL"});
    ASSERT_EQ(sans.size(), 2u);
    EXPECT_EQ(sans[0].rfind("Alloy Inconel 718", 0), 0u);
    EXPECT_EQ(sans[1].rfind("Monel 400", 0), 0u);
}

TEST(ChecksOnDamagedInput, PatternNamingNoDesignationIsReported) {
    const std::vector<NomCommercial> noms = {{"INCONEL", "P", "x"}, {"NILO", "P", "x"}};
    EXPECT_EQ(MotifsInutilises({"Inconel 625", "Nilometer"}, noms),
              std::vector<std::string>{"NILO"});
}

// --- the repository's files -------------------------------------------------------------

TEST(TradeNames, FileIsWellFormed) {
    EXPECT_TRUE(Depot().problemesNoms.empty()) << Liste(Depot().problemesNoms);
    EXPECT_FALSE(Depot().noms.empty());
}

TEST(TradeNames, CatalogueIsReadable) {
    EXPECT_TRUE(Depot().problemesCatalogue.empty()) << Liste(Depot().problemesCatalogue);
    EXPECT_GT(Depot().designations.size(), 1000u);
}

TEST(TradeNames, EveryRowNamesAListedProducerOnce) {
    const auto problemes = ProducteursInconnus(Depot().noms, Depot().nomsProducteurs);
    EXPECT_TRUE(problemes.empty()) << Liste(problemes);
}

TEST(TradeNames, EveryTradeNamedDesignationHasItsProducerListed) {
    const auto problemes =
        DesignationsSansProducteur(Depot().designations, Depot().noms, Depot().nomsProducteurs);
    EXPECT_TRUE(problemes.empty()) << Liste(problemes);
}

TEST(TradeNames, EveryDesignationHoldingATradeNameIsNamedByAPattern) {
    const auto problemes = MarquesSansMotif(Depot().designations, Depot().noms, MotsDeMarque);
    EXPECT_TRUE(problemes.empty()) << Liste(problemes);
}

TEST(TradeNames, EveryPatternNamesADesignationOfTheCatalogue) {
    const auto inutilises = MotifsInutilises(Depot().designations, Depot().noms);
    EXPECT_TRUE(inutilises.empty()) << Liste(inutilises);
}

TEST(Producers, ListHasAtLeastThreeHundredRows) {
    EXPECT_GE(Depot().producteurs.size(), 300u);
}

TEST(Producers, RowsHaveEightFieldsAndDistinctNames) {
    std::vector<std::string> problemes;
    std::vector<std::string> vus;
    for (const LigneTsv& ligne : Depot().producteurs) {
        const std::string& nom = ligne.champs.front();
        if (ligne.champs.size() != 8) {
            problemes.push_back("line " + std::to_string(ligne.numero) + ": " +
                                std::to_string(ligne.champs.size()) + " fields");
        }
        if (nom.empty()) {
            problemes.push_back("line " + std::to_string(ligne.numero) + ": no name");
        }
        for (const std::string& autre : vus) {
            if (autre == nom) {
                problemes.push_back("line " + std::to_string(ligne.numero) + ": " + nom +
                                    " given twice");
            }
        }
        vus.push_back(nom);
    }
    EXPECT_TRUE(problemes.empty()) << Liste(problemes);
}

TEST(Producers, EveryRenderedLineFitsTheWindow) {
    const std::vector<std::string> lignes =
        DecouperLignes(TexteFournisseurs(Depot().tsvProducteurs));
    // The header, a line of two spaces and the rule, then one line per producer.
    ASSERT_EQ(lignes.size(), Depot().producteurs.size() + 3);
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        EXPECT_LE(NombreCaracteresUtf8(lignes[i]), LargeurFournisseurs)
            << "line " << i + 1 << ": " << lignes[i];
    }
    // Each producer keeps the beginning of its name at the first column.
    for (std::size_t i = 0; i < Depot().producteurs.size(); ++i) {
        const std::string debut = Depot().producteurs[i].champs.front().substr(0, 5);
        EXPECT_EQ(lignes[i + 3].substr(0, 2), "  ");
        EXPECT_EQ(lignes[i + 3].compare(2, debut.size(), debut), 0) << lignes[i + 3];
    }
}

} // namespace
} // namespace talix::test
