// The hardness, yield-strength and tensile-strength searches, and where they differ.
#include "BancRecherche.h"

namespace talix::test {
namespace {

// Hardness 150, 200, 250 and yield 150, 200, 250 of family 200 behind two designations.
const std::vector<std::string> IndexValeurs = {
    LigneDesignationIndex("A1", 200, 1, 1), // 1
    LigneDesignationIndex("B2", 100, 2, 1), // 2
    LigneDureteIndex(150, 200, 3),          // 3
    LigneDureteIndex(200, 200, 4),          // 4
    LigneDureteIndex(250, 200, 5),          // 5
    LigneElasticiteIndex(150, 200, 6),      // 6
    LigneElasticiteIndex(200, 200, 7),      // 7
    LigneElasticiteIndex(250, 200, 8),      // 8
    LigneResistanceIndex(400, 600, 200, 9), // 9
};

struct CasValeur {
    const char* nom;
    std::int32_t type; // 1 hardness, 3 yield
    const char* saisi;
    std::int32_t ligne;
    const char* affichee;
    std::vector<std::string> fenetres;
};

void PrintTo(const CasValeur& cas, std::ostream* sortie) { *sortie << cas.nom; }

class Valeur : public BancRecherche, public testing::WithParamInterface<CasValeur> {};

TEST_P(Valeur, ShowsTheGradeAndTheNotice) {
    const CasValeur& c = GetParam();
    Installer(IndexValeurs);
    recherche.FamilleChoisie = 200;
    if (c.type == 1) {
        recherche.RechercheDurete(c.saisi);
    } else {
        recherche.RechercheElasticite(c.saisi);
    }
    EXPECT_EQ(Noms(), c.fenetres);
    EXPECT_EQ(recherche.LigneCourante, c.ligne);
    EXPECT_EQ(Affichee(), c.affichee);
    EXPECT_EQ(LignesJaunes(), (std::vector<int>{13})); // the criterion row
}

INSTANTIATE_TEST_SUITE_P(
    Recherches, Valeur,
    testing::Values(CasValeur{"HardnessExact", 1, "200", 4, "R4", {}},
                    CasValeur{"HardnessFirstExact", 1, "150", 3, "R3", {}},
                    CasValeur{"HardnessBetween", 1, "180", 4, "R4", {NonTrouve}},
                    CasValeur{"HardnessAboveAll", 1, "300", 5, "R5", {NonTrouve}},
                    CasValeur{"HardnessBelowAll", 1, "12.5", 3, "R3", {NonTrouve}},
                    CasValeur{"HardnessWithoutDigits", 1, "HRC", 3, "R3", {NonTrouve}},
                    CasValeur{"YieldExact", 3, "250 MPa", 8, "R8", {}},
                    CasValeur{"YieldBetween", 3, "160", 7, "R7", {NonTrouve}},
                    // At the end of the file the stop line's entry stands, at the stop line's number.
                    CasValeur{"YieldAboveAll", 3, "1 000", 9, "R8", {NonTrouve}},
                    CasValeur{"YieldWithoutDigits", 3, "", 6, "R6", {NonTrouve}}),
    [](const testing::TestParamInfo<CasValeur>& cas) { return cas.param.nom; });

TEST_F(BancRecherche, HardnessDriverGivesTheDigitsToTheSheet) {
    Installer(IndexValeurs);
    recherche.RechercheDurete("2x0y0");
    EXPECT_EQ(Noms(), Liste{});
    EXPECT_EQ(base.NumFicheCourante, 4);
    EXPECT_TRUE(feuilles.Designations.lignes[LigneCritere].visible);
}

TEST_F(BancRecherche, ValueOfAnotherFamilyIsSkipped) {
    Installer({LigneDureteIndex(150, 100, 1), LigneDureteIndex(200, 200, 2),
               LigneDureteIndex(200, 100, 3), LigneDureteIndex(300, 100, 4),
               LigneElasticiteIndex(100, 100, 5)});
    recherche.FamilleChoisie = 100;
    recherche.RechercheDurete("200");
    // Line 2 reaches 200 but is of family 200: the scan stops there, and with no other
    // line of family 100 read the anchor stands in. Line 3 is never looked at.
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 1);
    EXPECT_EQ(Affichee(), "R1");
}

TEST_F(BancRecherche, FamilyWithoutHardnessLineShowsTheLastLine) {
    Installer({LigneDesignationIndex("A1", 700, 1, 1), LigneDureteIndex(150, 200, 2),
               LigneElasticiteIndex(300, 700, 3)});
    recherche.FamilleChoisie = 700;
    recherche.RechercheDurete("150");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
}

// --- Differences between the hardness and the yield scan ---

TEST_F(BancRecherche, MatchOnLineOneIsFoundByYieldOnly) {
    // The hardness scan also asks that the last line read be a hardness line, and on
    // line 1 no line has been read yet.
    Installer({LigneDureteIndex(150, 200, 1), LigneDureteIndex(200, 200, 2)});
    recherche.RechercheDurete("150");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(Affichee(), "R1");
    Installer({LigneElasticiteIndex(150, 200, 1), LigneElasticiteIndex(200, 200, 2)});
    recherche.RechercheElasticite("150");
    EXPECT_EQ(Noms(), Liste{});
    EXPECT_EQ(Affichee(), "R1");
}

TEST_F(BancRecherche, AtTheEndOfTheFileYieldKeepsTheStopLinesNumber) {
    // A last empty line: phase B reads it (line 3) and the file ends.
    Installer({LigneDesignationIndex("A1", 200, 1, 1), LigneElasticiteIndex(100, 200, 2), ""});
    recherche.FamilleChoisie = 200;
    recherche.RechercheElasticite("300");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R2");
    // The hardness scan goes back to the anchor and its number.
    Installer({LigneDesignationIndex("A1", 200, 1, 1), LigneDureteIndex(100, 200, 2), ""});
    recherche.RechercheDurete("300");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(BancRecherche, OpenFailureDiffersBetweenTheScans) {
    EcrireBase(repertoire.Chemin(), {FicheDe({"R1"})});
    base.OuvrirFichiers();
    base.DetailErreurBase = "avant";
    recherche.RechercheDurete("150");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "erreur d'ouverture du fichire d'index");
}

TEST_F(BancRecherche, OpenFailureOfTheYieldScanKeepsTheDetail) {
    EcrireBase(repertoire.Chemin(), {FicheDe({"R1"})});
    base.OuvrirFichiers();
    base.DetailErreurBase = "avant";
    recherche.RechercheElasticite("150");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "avant");
}

TEST_F(BancRecherche, OpenFailureOfTheTensileScanKeepsTheDetail) {
    EcrireBase(repertoire.Chemin(), {FicheDe({"R1"})});
    base.OuvrirFichiers();
    base.DetailErreurBase = "avant";
    recherche.RechercheResistance("500", "50");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "avant");
}

TEST_F(BancRecherche, EmptyLineBeforeTheHardnessSection) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), "", LigneDureteIndex(150, 200, 3)});
    recherche.RechercheDurete("150");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "ne peut rien lire");
}

TEST_F(BancRecherche, ReadFailureInPhaseBIsReportedAfterTheLoop) {
    // Reads of exactly one line: the second read fails when phase B asks for the end.
    const std::string ligne1 = LigneDureteIndex(150, 200, 1);
    Installer({ligne1, LigneDureteIndex(250, 200, 2)});
    systeme.LecturesTronqueesA(ligne1.size() + 2);
    systeme.Programmer(test::Operation::Lire, 2, ES_LECTURE);
    recherche.RechercheDurete("250");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "erreur de lecture du fichier d'indexation");
    EXPECT_EQ(base.NumFicheCourante, 1);
}

// --- Tensile strength ---

const std::vector<std::string> IndexResistance = {
    LigneDesignationIndex("A1", 200, 1, 1), // 1
    LigneDureteIndex(150, 200, 2),          // 2
    LigneElasticiteIndex(300, 200, 3),      // 3
    LigneResistanceIndex(540, 700, 600, 4), // 4
    LigneResistanceIndex(100, 200, 200, 5), // 5
    LigneResistanceIndex(540, 700, 200, 6), // 6
    LigneResistanceIndex(800, 900, 200, 7), // 7
};

struct CasResistance {
    const char* nom;
    std::int32_t famille;
    const char* valeur;
    const char* tolerance;
    std::int32_t ligne;
    const char* affichee;
    std::int32_t toleranceRetenue;
    std::vector<std::string> fenetres;
};

void PrintTo(const CasResistance& cas, std::ostream* sortie) { *sortie << cas.nom; }

class Resistance : public BancRecherche, public testing::WithParamInterface<CasResistance> {};

TEST_P(Resistance, ShowsTheGradeAndTheNotice) {
    const CasResistance& c = GetParam();
    Installer(IndexResistance);
    recherche.FamilleChoisie = c.famille;
    recherche.RechercheResistance(c.valeur, c.tolerance);
    EXPECT_EQ(Noms(), c.fenetres);
    EXPECT_EQ(recherche.LigneCourante, c.ligne);
    EXPECT_EQ(Affichee(), c.affichee);
    EXPECT_EQ(recherche.ToleranceResistance, c.toleranceRetenue);
}

INSTANTIATE_TEST_SUITE_P(
    Recherches, Resistance,
    testing::Values(
        // 540 - 50 <= 500: the first tensile line matches.
        CasResistance{"WithinTheTolerance", -1, "500", "50", 4, "R4", 50, {}},
        // An emptied tolerance box gives 0: no line holds 500, the last line stands in.
        CasResistance{"EmptiedTolerance", -1, "500", "", 7, "R7", 0, {NonTrouve}},
        // The tolerance is the box as the user left it, digits only.
        CasResistance{"TypedTolerance", -1, "445", "100", 4, "R4", 100, {}},
        CasResistance{"TypedToleranceWithSigns", -1, "445", "+-1 00", 4, "R4", 100, {}},
        CasResistance{"DefaultToleranceMisses", -1, "445", "50", 7, "R7", 50, {NonTrouve}},
        // A match of family 600 before the first line of family 200 does not count.
        CasResistance{"OtherFamilysMatchBefore", 200, "500", "50", 6, "R6", 50, {}},
        // No match: the last line of the file is of another family; the anchor stands in.
        CasResistance{"NoMatchLastLineOfAnotherFamily", 600, "1000", "50", 4, "R4", 50,
                      {NonTrouve}},
        CasResistance{"NoMatchLastLineSelected", 200, "1000", "50", 7, "R7", 50, {NonTrouve}},
        CasResistance{"EmptyValue", 200, "MPa", "50", 5, "R5", 50, {NonTrouve}}),
    [](const testing::TestParamInfo<CasResistance>& cas) { return cas.param.nom; });

TEST_F(BancRecherche, TensileSearchKeepsItsValueAndShowsTheCriterion) {
    std::vector<Fiche> fiches;
    for (int k = 1; k <= 7; ++k) {
        fiches.push_back(FicheDe({"R" + std::to_string(k)}));
    }
    fiches[5].Meca[0].RmMin = "540 ";
    fiches[5].Meca[0].RmMax = "700 ";
    EcrireIndex(repertoire.Chemin(), IndexResistance);
    EcrireBase(repertoire.Chemin(), fiches);
    base.OuvrirFichiers();
    recherche.FamilleChoisie = 200;
    recherche.RechercheResistance("500", "50");
    EXPECT_EQ(recherche.ResistanceCherchee, 500);
    EXPECT_EQ(Affichee(), "R6");
    EXPECT_EQ(LignesJaunes(), (std::vector<int>{13}));
    EXPECT_EQ(feuilles.Designations.lignes[LigneCritere].value, TexteIntervalle(540, 700));
}

TEST_F(BancRecherche, TensileFamilyWithoutLineShowsTheLastLineOfTheFile) {
    Installer({LigneDesignationIndex("A1", 800, 1, 1), LigneResistanceIndex(100, 200, 200, 2)});
    recherche.FamilleChoisie = 800;
    recherche.RechercheResistance("150", "50");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(BancRecherche, TensileIndexOfOneEmptyLine) {
    InstallerOctets("\r\n");
    recherche.FamilleChoisie = 500;
    recherche.RechercheResistance("500", "50");
    EXPECT_EQ(Noms(), (Liste{SousRecherche}));
    EXPECT_EQ(recherche.FamilleChoisie, -1);
    EXPECT_EQ(recherche.LigneCourante, 1);
}

TEST_F(BancRecherche, EmptyLineBeforeTheTensileSection) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), "", LigneResistanceIndex(1, 2, 200, 3)});
    recherche.RechercheResistance("500", "50");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "ne peut rien lire");
}

TEST_F(BancRecherche, TensileLineWithGarbageWords) {
    Installer({"res x y 200 101", "res 10 20 200 201"});
    recherche.RechercheResistance("30", "0");
    // Garbage bounds read 0..0; the second line's range is missed too: the last line.
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(Affichee(), "R2");
    fenetres.Effacer();
    recherche.RechercheResistance("0", "0");
    EXPECT_EQ(Noms(), Liste{}); // "0" is a value, which the range 0..0 holds
    EXPECT_EQ(Affichee(), "R1");
}

} // namespace
} // namespace talix::test
