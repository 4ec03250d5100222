// One index line: sections, fields, the tensile match, the family selection, VerifierES.
#include "BancRecherche.h"

namespace talix::test {
namespace {

// --- Sections ---

struct CasSection {
    const char* ligne;
    bool designation, durete, elasticite, resistance;
};

void PrintTo(const CasSection& cas, std::ostream* sortie) { *sortie << cas.ligne; }

class Sections : public testing::TestWithParam<CasSection> {};

TEST_P(Sections, TagOnTheRawFirstThreeCharacters) {
    const CasSection& c = GetParam();
    EXPECT_EQ(EstLigneDesignation(c.ligne), c.designation);
    EXPECT_EQ(EstLigneDurete(c.ligne), c.durete);
    EXPECT_EQ(EstLigneElasticite(c.ligne), c.elasticite);
    EXPECT_EQ(EstLigneResistance(c.ligne), c.resistance);
    EXPECT_EQ(LigneDuType(c.ligne, 0), c.designation);
    EXPECT_EQ(LigneDuType(c.ligne, 1), c.durete);
    EXPECT_EQ(LigneDuType(c.ligne, 2), c.resistance);
    EXPECT_EQ(LigneDuType(c.ligne, 3), c.elasticite);
    EXPECT_FALSE(LigneDuType(c.ligne, 4));
    EXPECT_FALSE(LigneDuType(c.ligne, -1));
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, Sections,
    testing::Values(CasSection{"Z2CN1810 200 101", true, false, false, false},
                    CasSection{"dur 150 700 712", false, true, false, false},
                    CasSection{"dur150 700 712", false, true, false, false},
                    CasSection{"ela 300 200 301", false, false, true, false},
                    CasSection{"res 100 200 500 42 3", false, false, false, true},
                    CasSection{"", false, false, false, false},
                    CasSection{"DUR 150 700 712", true, false, false, false}, // upper case
                    CasSection{" dur 150 700 712", true, false, false, false}, // raw characters
                    CasSection{"du", true, false, false, false},
                    CasSection{"durete", false, true, false, false}));

// --- Family selection ---

TEST(FamilleAcceptee, ByTheSelectedFamily) {
    const struct {
        std::int32_t choisie, code;
        bool acceptee;
    } cas[] = {
        {-1, 100, true},  {-1, 0, true},    {-1, 300, true}, {-1, -1, true}, {-1, -5, false},
        {100, 100, true}, {100, 200, false}, {100, 300, false}, {100, -1, false},
        {100, -5, false}, {0, 0, true},     {800, 800, true}, {300, 300, false},
    };
    for (const auto& c : cas) {
        RepertoireTemporaire r;
        SystemePosix s;
        FenetresEnregistreuses f;
        Base b(s, f, r.Chemin());
        Feuilles fe;
        Recherche recherche(b, fe);
        recherche.FamilleChoisie = c.choisie;
        EXPECT_EQ(recherche.FamilleAcceptee(c.code), c.acceptee)
            << "selected " << c.choisie << ", code " << c.code;
    }
}

// --- Parsing ---

class Analyse : public BancRecherche {
protected:
    EntreeIndex Entree(std::int32_t numFiche = 77, std::int32_t colonne = 66) {
        EntreeIndex e;
        e.Mot = "avant";
        e.Famille = -1;
        e.NumFiche = numFiche;
        e.Colonne = colonne;
        return e;
    }
};

TEST_F(Analyse, DesignationLineFillsTheWholeEntry) {
    EntreeIndex e = Entree();
    EXPECT_FALSE(recherche.AnalyserLigne("Z2CN1810 200 1207", ToleranceParDefaut, SansValeur, e));
    EXPECT_EQ(e.Mot, "Z2CN1810");
    EXPECT_EQ(e.Famille, 200);
    EXPECT_EQ(e.NumFiche, 12);
    EXPECT_EQ(e.Colonne, 7);
    EXPECT_TRUE(fenetres.montrees.empty());
}

TEST_F(Analyse, HardnessValueIsKeptAsText) {
    EntreeIndex e = Entree();
    recherche.AnalyserLigne("dur 150 700 712", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(e.Mot, "150");
    EXPECT_EQ(e.Famille, 700);
    EXPECT_EQ(e.NumFiche, 7);
    EXPECT_EQ(e.Colonne, 12);
    EntreeIndex colle = Entree();
    recherche.AnalyserLigne("dur150 700 712", ToleranceParDefaut, SansValeur, colle);
    EXPECT_EQ(colle.Mot, "150");
    EXPECT_EQ(colle.NumFiche, 7);
}

TEST_F(Analyse, TailForms) {
    const struct {
        const char* queue;
        std::int32_t numFiche, colonne;
    } cas[] = {
        {"42 3", 42, 3}, {"4203", 42, 3}, {"   4203", 42, 3}, {"105", 1, 5}, {"1 5", 1, 5},
        {"1012", 10, 12}, {"-412", -4, 12},
    };
    for (const auto& c : cas) {
        EntreeIndex e = Entree();
        recherche.AnalyserRenvoi(c.queue, e);
        EXPECT_EQ(e.NumFiche, c.numFiche) << c.queue;
        EXPECT_EQ(e.Colonne, c.colonne) << c.queue;
    }
    EXPECT_TRUE(fenetres.montrees.empty());
}

TEST_F(Analyse, LongWordsAreCut) {
    EntreeIndex e = Entree();
    const std::string longue(40, 'A');
    recherche.AnalyserLigne(longue + " 200 101", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(e.Mot, std::string(35, 'A'));
    EXPECT_EQ(e.NumFiche, 1);
    // The family word keeps 31 characters: 30 zeros and a 1 read 1, the 33rd digit is lost.
    recherche.AnalyserLigne("A " + std::string(30, '0') + "12 101", ToleranceParDefaut,
                            SansValeur, e);
    EXPECT_EQ(e.Famille, 1);
}

TEST_F(Analyse, EmptyLineSetsNothing) {
    EntreeIndex e = Entree();
    EXPECT_FALSE(recherche.AnalyserLigne("", ToleranceParDefaut, SansValeur, e));
    EXPECT_EQ(e.Mot, "avant");
    EXPECT_EQ(e.Famille, -1);
    EXPECT_EQ(e.NumFiche, 77);
    EXPECT_TRUE(fenetres.montrees.empty());
}

// Tensile line 100..200, family 500, tail "42 3", tolerance 50.
TEST_F(Analyse, TensileMatchBoundsIncluded) {
    const struct {
        std::int32_t v;
        bool correspond;
    } cas[] = {{50, true}, {250, true}, {49, false}, {251, false}, {150, true},
               {SansValeur, true}};
    for (const auto& c : cas) {
        EntreeIndex e = Entree();
        EXPECT_EQ(recherche.AnalyserLigne("res 100 200 500 42 3", 50, c.v, e), c.correspond)
            << c.v;
        EXPECT_EQ(e.Famille, 500);
        EXPECT_EQ(e.NumFiche, c.correspond ? 42 : 77) << "a miss keeps the record number";
        EXPECT_EQ(e.Colonne, c.correspond ? 3 : 66);
    }
}

TEST_F(Analyse, TensileWordsThatAreNoNumbersReadZero) {
    EntreeIndex e = Entree();
    EXPECT_TRUE(recherche.AnalyserLigne("res abc 12x 500 4203", 0, 0, e));
    EXPECT_EQ(e.NumFiche, 42);
    EXPECT_FALSE(recherche.AnalyserLigne("res abc 12x 500 4203", 0, 1, e));
    // Extreme bounds and tolerance do not overflow the comparison.
    EXPECT_TRUE(recherche.AnalyserLigne("res -2147483648 2147483647 500 4203", 2147483647,
                                        2147483647, e));
    EXPECT_FALSE(recherche.AnalyserLigneResistance("dur 100 200 500 4203", 50, 150, e));
}

// --- Damaged lines: one test per kind ---

TEST_F(Analyse, TrailingBlankAfterTheColumnFailsTheColumn) {
    EntreeIndex e = Entree();
    recherche.AnalyserLigne("Z2CN1810 200 101 ", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(e.NumFiche, 10); // converted before the column failed
    EXPECT_EQ(e.Colonne, 66);
}

TEST_F(Analyse, BlankBeforeATwoDigitColumnFailsTheRecord) {
    EntreeIndex e = Entree();
    base.DetailErreurBase = "avant";
    recherche.AnalyserLigne("dur 150 700 7 12", ToleranceParDefaut, SansValeur, e);
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "avant"); // the detail line keeps its text
    EXPECT_EQ(e.NumFiche, 77);
    EXPECT_EQ(e.Colonne, 66);
    EXPECT_EQ(e.Mot, "150");
    EXPECT_EQ(e.Famille, 700);
}

TEST_F(Analyse, NothingAfterTheFirstWord) {
    EntreeIndex e = Entree();
    recherche.AnalyserLigne("Z2CN1810", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(e.Famille, 0);
    EXPECT_EQ(e.NumFiche, 77);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
}

TEST_F(Analyse, MissingFamilyWordTakesTheTailAsFamily) {
    EntreeIndex e = Entree();
    recherche.AnalyserLigne("Z2CN1810 101", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(e.Famille, 101);
    EXPECT_EQ(e.NumFiche, 77);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
}

TEST_F(Analyse, TailThatIsNoNumber) {
    EntreeIndex e = Entree();
    recherche.AnalyserLigne("A 100 1x01", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(e.NumFiche, 77);
}

TEST_F(Analyse, OneCharacterTail) {
    EntreeIndex e = Entree();
    recherche.AnalyserRenvoi("5", e);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(e.NumFiche, 77);
    EXPECT_EQ(e.Colonne, 66);
}

TEST_F(Analyse, TabIsNoSeparator) {
    EntreeIndex e = Entree();
    recherche.AnalyserLigne("A1\t100 101", ToleranceParDefaut, SansValeur, e);
    EXPECT_EQ(e.Mot, "A1\t100");
    EXPECT_EQ(e.Famille, 101);
    EXPECT_EQ(Noms(), (Liste{ErreurBase})); // nothing is left for the tail
    fenetres.Effacer();
    EntreeIndex d = Entree();
    recherche.AnalyserLigne("dur\t150 200 301", ToleranceParDefaut, SansValeur, d);
    EXPECT_EQ(d.Mot, "\t150");
    EXPECT_EQ(EntierOuZero(d.Mot), 0);
    EXPECT_EQ(d.NumFiche, 3);
}

TEST_F(Analyse, OverlongRecordNumber) {
    EntreeIndex e = Entree();
    recherche.AnalyserRenvoi("9999999999901", e);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(e.NumFiche, 77);
}

TEST_F(Analyse, PendingStatusDuringATailConversion) {
    EntreeIndex e = Entree();
    base.Couche().Signaler(ES_LECTURE);
    recherche.AnalyserRenvoi("4203", e);
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(e.NumFiche, 42); // converted, then the status test failed
    EXPECT_EQ(e.Colonne, 66);
    EXPECT_EQ(base.Couche().LireStatut(), ES_OK);
}

TEST_F(Analyse, PendingStatusDuringATensileBound) {
    EntreeIndex e = Entree();
    base.Couche().Signaler(ES_LECTURE);
    EXPECT_FALSE(recherche.AnalyserLigne("res 100 200 500 4203", 50, 150, e));
    EXPECT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(e.Famille, -1); // the failure came before the family word
    EXPECT_EQ(e.NumFiche, 77);
}

TEST_F(Analyse, BinaryBytesNeverReadOutOfBounds) {
    std::string ligne;
    for (int i = 0; i < 255; ++i) {
        ligne.push_back(static_cast<char>((i * 37 + 11) % 256));
    }
    for (std::size_t n = 0; n <= ligne.size(); ++n) {
        EntreeIndex e = Entree();
        const std::string morceau = ligne.substr(0, n);
        recherche.AnalyserLigne(morceau, 50, 100, e);
        recherche.AnalyserLigne("res" + morceau, 50, 100, e);
        recherche.AnalyserLigne("dur" + morceau, 50, 100, e);
        EXPECT_LE(e.Mot.size(), 35u);
    }
}

// --- VerifierES ---

TEST_F(Analyse, VerifierESShowsTheMessageOnlyWhenAStatusIsPending) {
    recherche.VerifierES("rien");
    EXPECT_TRUE(fenetres.montrees.empty());
    base.Couche().Signaler(ES_FICHIER_INTROUVABLE);
    recherche.VerifierES("erreur de lecture du fichier");
    ASSERT_EQ(Noms(), (Liste{ErreurBase}));
    EXPECT_EQ(DetailErreur(), "erreur de lecture du fichier");
    EXPECT_EQ(base.DetailErreurBase, "erreur de lecture du fichier");
    EXPECT_EQ(base.Couche().LireStatut(), ES_OK); // read and cleared
    EXPECT_GE(fenetres.finsDemandees, 1);
    // The application is ending: a second failure changes the detail but shows nothing.
    base.Couche().Signaler(ES_LECTURE);
    recherche.VerifierES("autre");
    EXPECT_EQ(fenetres.montrees.size(), 1u);
}

} // namespace
} // namespace talix::test
