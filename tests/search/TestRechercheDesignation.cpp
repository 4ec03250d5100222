// The designation search, from the typed text to the grade on the sheets.
#include "BancRecherche.h"

namespace talix::test {
namespace {

// All families; designation keys in byte order, then the property sections.
const std::vector<std::string> IndexCommun = {
    LigneDesignationIndex("14301", 200, 1, 2),      // 1
    LigneDesignationIndex("X5CRNI1810", 200, 1, 1), // 2
    LigneDesignationIndex("Z2CN1810", 200, 2, 1),   // 3
    LigneDesignationIndex("Z35CD4", 100, 3, 5),     // 4
    LigneDureteIndex(150, 200, 4),                  // 5
    LigneElasticiteIndex(300, 200, 5),              // 6
    LigneResistanceIndex(400, 600, 200, 6),         // 7
};

struct CasDesignation {
    const char* nom;
    std::int32_t famille;
    const char* saisi;
    std::int32_t ligne;      // LigneCourante after the search
    const char* affichee;    // the grade on show
    std::vector<std::string> fenetres;
};

void PrintTo(const CasDesignation& cas, std::ostream* sortie) { *sortie << cas.nom; }

class Designation : public BancRecherche, public testing::WithParamInterface<CasDesignation> {};

TEST_P(Designation, ShowsTheGradeAndTheNotice) {
    const CasDesignation& c = GetParam();
    Installer(IndexCommun);
    recherche.FamilleChoisie = c.famille;
    recherche.RechercheDesignation(c.saisi);
    EXPECT_EQ(Noms(), c.fenetres);
    EXPECT_EQ(recherche.LigneCourante, c.ligne);
    EXPECT_EQ(Affichee(), c.affichee);
}

INSTANTIATE_TEST_SUITE_P(
    Recherches, Designation,
    testing::Values(
        CasDesignation{"ExactTyped", -1, "z2cn18-10", 3, "R2", {}},
        CasDesignation{"WerkstoffWithPoint", -1, "1.4301", 1, "R1", {}},
        CasDesignation{"BetweenTwoShowsTheFollowing", -1, "Y", 3, "R2", {NonTrouve}},
        CasDesignation{"BeforeAll", -1, "0", 1, "R1", {NonTrouve}},
        // Sorts after every designation: the first hardness line stands in.
        CasDesignation{"AfterAll", -1, "ZZZ", 5, "R4", {NonTrouve}},
        CasDesignation{"EmptyKeyShowsTheFirstLine", -1, "--", 1, "R1", {NonTrouve}},
        CasDesignation{"EmptyKeyShowsTheAnchor", 100, "", 4, "R3", {NonTrouve}},
        CasDesignation{"SelectedFamilyExact", 100, "Z35CD4", 4, "R3", {}},
        // Another family's designation, before the anchor of the selected family.
        CasDesignation{"OtherFamilysDesignation", 100, "X5CRNI1810", 4, "R3", {NonTrouve}}),
    [](const testing::TestParamInfo<CasDesignation>& cas) { return cas.param.nom; });

TEST_F(BancRecherche, FoundDesignationIsPaintedYellow) {
    Installer(IndexCommun);
    recherche.RechercheDesignation("Z35CD4");
    EXPECT_EQ(LignesJaunes(), (std::vector<int>{5})); // column 5, the AISI row
    EXPECT_EQ(base.NumFicheCourante, 3);
    EXPECT_EQ(feuilles.Designations.lignes[0].value, Cadre("R3", 28));
}

// Family 100 selected; lines of family 200 between them.
const std::vector<std::string> IndexMele = {
    LigneDesignationIndex("A1", 100, 1, 1), // 1
    LigneDesignationIndex("B2", 200, 2, 1), // 2
    LigneDesignationIndex("C3", 100, 3, 1), // 3
    LigneDesignationIndex("D4", 200, 4, 1), // 4
    LigneDesignationIndex("E5", 200, 5, 1), // 5
    LigneDureteIndex(150, 800, 6),          // 6
};

TEST_F(BancRecherche, OtherFamilysKeyShowsTheLastSelectedLineOfPhaseB) {
    Installer(IndexMele);
    recherche.FamilleChoisie = 100;
    recherche.RechercheDesignation("D4");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
    EXPECT_EQ(LignesJaunes(), (std::vector<int>{1}));
}

TEST_F(BancRecherche, NoSelectedLineInPhaseBShowsTheAnchor) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), LigneDesignationIndex("C3", 100, 2, 1),
               LigneDesignationIndex("D4", 200, 3, 1), LigneDureteIndex(150, 800, 4)});
    recherche.FamilleChoisie = 100;
    recherche.RechercheDesignation("D5");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(BancRecherche, FamilyWithoutDesignationShowsTheLastLineOfTheFile) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), LigneDureteIndex(150, 200, 2),
               LigneResistanceIndex(100, 200, 500, 3)});
    recherche.FamilleChoisie = 700;
    recherche.RechercheDesignation("A1");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
    EXPECT_EQ(recherche.FamilleChoisie, 700);
}

TEST_F(BancRecherche, KeyLongerThan35CharactersIsNeverFound) {
    const std::string longue(40, 'K');
    Installer({LigneDesignationIndex(longue, 100, 1, 1), LigneDesignationIndex("L", 100, 2, 1),
               LigneDureteIndex(150, 100, 3)});
    recherche.RechercheDesignation(longue);
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(BancRecherche, TypedTextIsReadUpTo255Characters) {
    // The key is cut before the 256th character: the final letters are never seen.
    Installer({LigneDesignationIndex("A1", 100, 1, 1), LigneDesignationIndex("B2", 100, 2, 1),
               LigneDureteIndex(150, 100, 3)});
    recherche.RechercheDesignation("A1" + std::string(253, ' ') + "ZZZZ");
    EXPECT_EQ(Noms(), Liste{});
    EXPECT_EQ(Affichee(), "R1");
}

TEST_F(BancRecherche, IndexOfOneEmptyLineShowsKindOfAlloyNotFound) {
    InstallerOctets("\r\n");
    recherche.FamilleChoisie = 200;
    recherche.RechercheDesignation("Z2CN1810");
    EXPECT_EQ(Noms(), (Liste{SousRecherche}));
    EXPECT_EQ(recherche.LigneCourante, 1);
    EXPECT_EQ(recherche.FamilleChoisie, -1); // closing the notice selects all alloys
    EXPECT_EQ(Affichee(), FicheVide);
}

TEST_F(BancRecherche, EmptyIndexWithEmptyKey) {
    InstallerOctets("");
    recherche.FamilleChoisie = -1;
    recherche.RechercheDesignation("");
    EXPECT_EQ(Noms(), (Liste{NonTrouve})); // line 1 "has" the family -1, which all accept
    recherche.FamilleChoisie = 100;
    fenetres.Effacer();
    recherche.RechercheDesignation("");
    EXPECT_EQ(Noms(), (Liste{SousRecherche}));
    EXPECT_EQ(recherche.FamilleChoisie, -1);
}

TEST_F(BancRecherche, ReaderStandsAfterTheLastLineRead) {
    // The forward step goes on from the stop line (4), not from the replacement (3).
    Installer(IndexMele);
    recherche.FamilleChoisie = 100;
    recherche.RechercheDesignation("D4");
    std::string suivante;
    base.FichierIndex.LireLigne(suivante);
    EXPECT_EQ(suivante, IndexMele[4]);
}

TEST_F(BancRecherche, LineFeedOnlyIndexReadsTheSame) {
    EcrireIndex(repertoire.Chemin(), IndexCommun, "\n");
    Ouvrir(12);
    recherche.RechercheDesignation("Z35CD4");
    EXPECT_EQ(Noms(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 4);
    EXPECT_EQ(base.NumFicheCourante, 3);
}

// --- Damaged index files ---

TEST_F(BancRecherche, MissingIndexShowsTheOpenFailureOnly) {
    EcrireBase(repertoire.Chemin(), {FicheDe({"R1"})});
    base.OuvrirFichiers();
    recherche.RechercheDesignation("Z2CN1810");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "erreur d'ouverture du fichier d'index");
    EXPECT_TRUE(base.FinDemandee());
}

TEST_F(BancRecherche, EmptyLineWhileLookingForTheAnchor) {
    Installer({LigneDesignationIndex("A1", 200, 1, 1), "",
               LigneDesignationIndex("B2", 100, 2, 1)});
    recherche.FamilleChoisie = 100;
    recherche.RechercheDesignation("B2");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "ne peut rien lire");
    EXPECT_EQ(base.NumFicheCourante, 1); // the record the scan held is still read
}

TEST_F(BancRecherche, EmptyLineInPhaseBIsCountedAndCrossed) {
    Installer({LigneDesignationIndex("A1", 100, 1, 1), "", LigneDesignationIndex("C3", 100, 3, 1),
               LigneDureteIndex(150, 100, 4)});
    recherche.RechercheDesignation("C3");
    EXPECT_EQ(Noms(), Liste{});
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(Affichee(), "R3");
}

TEST_F(BancRecherche, LineOver255CharactersCountsAsOneLine) {
    // The family and tail of line 2 lie past the 255th character: line 2 fails its tail,
    // and the rest of it is skipped, not read as a line.
    Installer({LigneDesignationIndex("A1", 100, 1, 1), "B2" + std::string(300, 'X') + " 100 201",
               LigneDesignationIndex("C3", 100, 3, 1), LigneDureteIndex(150, 100, 4)});
    recherche.RechercheDesignation("C3");
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(recherche.LigneCourante, 3);
    EXPECT_EQ(base.NumFicheCourante, 3);
}

TEST_F(BancRecherche, TrailingBlankOnTheFoundLine) {
    Installer({LigneDesignationIndex("A1", 100, 1, 1), LigneDesignationIndex("B2", 100, 2, 3) + " ",
               LigneDureteIndex(150, 100, 4)});
    base.DetailErreurBase.clear();
    recherche.RechercheDesignation("B2");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "");
    EXPECT_EQ(base.NumFicheCourante, 20); // "20" converted, the column " 3 " not
}

TEST_F(BancRecherche, UnsortedSectionEndsWithAGrade) {
    Installer({LigneDesignationIndex("C3", 100, 3, 1), LigneDesignationIndex("A1", 100, 1, 1),
               LigneDesignationIndex("B2", 100, 2, 1), LigneDureteIndex(150, 100, 4)});
    recherche.RechercheDesignation("A1");
    EXPECT_EQ(Noms(), (Liste{NonTrouve})); // the scan stops at once on C3
    EXPECT_EQ(Affichee(), "R3");
}

TEST_F(BancRecherche, CtrlZEndsTheIndex) {
    InstallerOctets(LigneDesignationIndex("A1", 100, 1, 1) + "\r\n" +
                    LigneDesignationIndex("B2", 100, 2, 1) + "\r\n\x1A" +
                    LigneDesignationIndex("C3", 100, 3, 1) + "\r\n");
    recherche.RechercheDesignation("C3");
    EXPECT_EQ(Noms(), (Liste{NonTrouve}));
    EXPECT_EQ(recherche.LigneCourante, 2);
    EXPECT_EQ(Affichee(), "R2");
}

TEST_F(BancRecherche, RecordNumberBeyondTheBase) {
    Installer({LigneDesignationIndex("A1", 100, 99, 1), LigneDureteIndex(150, 100, 4)}, 5);
    recherche.RechercheDesignation("A1");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "Erreur de lecture de la base : lecture Fiche");
    EXPECT_EQ(Affichee(), FicheVide);
    EXPECT_EQ(base.NumFicheCourante, 99);
}

TEST_F(BancRecherche, ReadFailureOfLineOne) {
    Installer(IndexCommun);
    systeme.Programmer(test::Operation::Lire, 1, ES_LECTURE);
    recherche.RechercheDesignation("Z2CN1810");
    ASSERT_FALSE(fenetres.montrees.empty());
    EXPECT_EQ(Noms().front(), ErreurBase);
    EXPECT_EQ(DetailErreur(), "erreur de lecture du fichier");
}

TEST_F(BancRecherche, ReadFailureInPhaseB) {
    // Reads of 8 bytes: the third one falls inside line 2.
    Installer({"A1 100 101", "B2 100 201", "C3 100 301"});
    systeme.LecturesTronqueesA(8);
    systeme.Programmer(test::Operation::Lire, 3, ES_LECTURE);
    recherche.RechercheDesignation("C3");
    ASSERT_FALSE(fenetres.montrees.empty());
    EXPECT_EQ(Noms().front(), ErreurBase);
    EXPECT_EQ(DetailErreur(), "erreur de lecture du fichier d'indexation");
}

} // namespace
} // namespace talix::test
