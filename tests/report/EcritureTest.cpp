// Writing the report file: never half-written, never over an existing report.
#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

#include "report/Banc.h"
#include "report/FichesRapport.h"

namespace talix {
namespace {

using namespace talix::test;

using Noms = std::vector<std::string>;

TEST(ReportWrite, SuccessLeavesOnlyTheReport) {
    Banc b;
    b.rapport.EcrireFiche(FicheComplete(), b.dir.Fichier("A7.txt"));
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), Noms{"A7.txt"});
    const std::string texte = LireOctets(b.dir.Fichier("A7.txt"));
    EXPECT_EQ(texte.substr(texte.size() - 24), "Personal annotations: \r\n");
    EXPECT_EQ(texte.substr(0, 2), "\r\n");
}

// Every kind of failure while the report is written: the general error window, the end,
// and nothing left in the directory.
struct CasEchec {
    const char* nom;
    std::function<void(Banc&)> preparer;
    std::string sousRepertoire; // where the report goes, under the temporary directory
};
void PrintTo(const CasEchec& c, std::ostream* os) {
    *os << c.nom;
}
class ReportWriteFailure : public ::testing::TestWithParam<CasEchec> {};

TEST_P(ReportWriteFailure, ErrorWindowEndAndNoFileLeft) {
    Banc b;
    GetParam().preparer(b);
    const std::string repertoire = b.dir.Chemin() + GetParam().sousRepertoire;
    b.rapport.EcrireFiche(FicheComplete(), repertoire + "/A3.txt");
    EXPECT_TRUE(b.ErreurGeneraleEtFin()) << ::testing::PrintToString(b.fenetres.Noms());
    EXPECT_FALSE(b.systeme.Existe(repertoire + "/A3.txt"));
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), Noms{});
    // The failure is answered: nothing stays pending for the next operation.
    EXPECT_EQ(b.base.Couche().LireStatut(), ES_OK);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportWriteFailure,
    ::testing::Values(
        CasEchec{"MissingDirectory", [](Banc&) {}, "/missing"},
        CasEchec{"CreationRefused", [](Banc& b) { b.systeme.refusCreation = b.dir.Chemin(); }, ""},
        CasEchec{"DiskFullAtFirstLine", [](Banc& b) { b.systeme.echecEcriture = 1; }, ""},
        CasEchec{"DiskFullAtLine30", [](Banc& b) { b.systeme.echecEcriture = 30; }, ""},
        CasEchec{"DiskFullAtLastLine", [](Banc& b) { b.systeme.echecEcriture = 70; }, ""},
        CasEchec{"DurableFlushFails", [](Banc& b) { b.systeme.echecVider = true; }, ""},
        CasEchec{"CloseFails", [](Banc& b) { b.systeme.echecFermer = true; }, ""},
        CasEchec{"RenameFails", [](Banc& b) { b.systeme.codeRenommer = ES_ACCES_REFUSE; }, ""},
        CasEchec{"PendingFailureBeforehand", [](Banc& b) { b.base.Couche().Signaler(ES_LECTURE); },
                 ""}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(ReportWrite, DiskFullSkipsTheRemainingLines) {
    Banc b;
    b.systeme.echecEcriture = 10;
    b.rapport.EcrireFiche(FicheComplete(), b.dir.Fichier("A3.txt"));
    EXPECT_EQ(b.systeme.ecritures, 10);
    EXPECT_EQ(b.fenetres.montrees.size(), 1u);
}

TEST(ReportWrite, ReadOnlyDirectory) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "permissions do not stop the superuser";
    }
    Banc b;
    ASSERT_EQ(::chmod(b.dir.Chemin().c_str(), 0555), 0);
    b.rapport.EcrireFiche(FicheComplete(), b.dir.Fichier("A3.txt"));
    EXPECT_TRUE(b.ErreurGeneraleEtFin());
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), Noms{});
}

TEST(ReportWrite, ExistingReportIsKeptAsItIs) {
    Banc b;
    const std::string chemin = b.dir.Fichier("A3.txt");
    EcrireOctets(chemin, "my notes");
    b.rapport.EcrireFiche(FicheComplete(), chemin);
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_EQ(LireOctets(chemin), "my notes");
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), Noms{"A3.txt"});
}

TEST(ReportWrite, ReportWrittenMeanwhileByAnotherProcessWins) {
    Banc b;
    const std::string chemin = b.dir.Fichier("A3.txt");
    b.systeme.avantRenommer = [&] { EcrireOctets(chemin, "theirs"); };
    b.rapport.EcrireFiche(FicheComplete(), chemin);
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_FALSE(b.base.FinDemandee());
    EXPECT_EQ(LireOctets(chemin), "theirs");
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), Noms{"A3.txt"});
}

TEST(ReportWrite, LeftoverTemporaryNameIsNotReused) {
    Banc b;
    // Two writers of the same report in a row each pick their own temporary file.
    b.rapport.EcrireFiche(FicheComplete(), b.dir.Fichier("A3.txt"));
    b.rapport.EcrireFiche(FicheBizarre(), b.dir.Fichier("A4.txt"));
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), (Noms{"A3.txt", "A4.txt"}));
    EXPECT_NE(LireOctets(b.dir.Fichier("A3.txt")), LireOctets(b.dir.Fichier("A4.txt")));
}

TEST(ReportWrite, NothingIsWrittenOnceTheEndIsRequested) {
    Banc b;
    b.base.QuitterApplication();
    b.fenetres.Effacer();
    b.rapport.EcrireFiche(FicheComplete(), b.dir.Fichier("A3.txt"));
    EXPECT_EQ(b.systeme.creations, 0);
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_EQ(Banc::Noms(b.dir.Chemin()), Noms{});
}

TEST(ReportWrite, CheckOfThePendingStatus) {
    Banc b;
    b.rapport.VerifierEcriture();
    EXPECT_TRUE(b.fenetres.montrees.empty());
    b.base.Couche().Signaler(ES_ECRITURE);
    b.rapport.VerifierEcriture();
    EXPECT_TRUE(b.ErreurGeneraleEtFin());
}

} // namespace
} // namespace talix
