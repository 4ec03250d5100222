// Annotating and printing: one report per grade under Note, written once, then reused.
#include <gtest/gtest.h>

#include <filesystem>

#include "report/Banc.h"
#include "report/FichesRapport.h"

namespace talix {
namespace {

using namespace talix::test;

using Noms = std::vector<std::string>;

std::string Joindre(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const std::string& l : lignes) {
        texte += l + "\r\n";
    }
    return texte;
}

struct BancNote : Banc {
    BancNote() {
        rapport.RepertoireProgramme = dir.Chemin();
        rapport.RepertoireUtilisateur = dir.Fichier("user");
    }
    std::string Note() const { return dir.Chemin() + "/Note"; }
    std::string Rapport125() const { return Note() + "/A125.txt"; }
};

TEST(ReportCommands, FirstUseWritesThenOpensSecondUseKeepsTheNotes) {
    BancNote b;
    b.rapport.AnnoterFiche(FicheComplete(), 125);
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_EQ(b.documents.ouverts, Noms{b.Rapport125()});
    const std::string rapport = Joindre(LignesRapport(FicheComplete()));
    EXPECT_EQ(LireOctets(b.Rapport125()), rapport);

    EcrireOctets(b.Rapport125(), rapport + "my notes\r\n");
    b.rapport.AnnoterFiche(FicheBizarre(), 125);
    b.rapport.ImprimerFiche(FicheBizarre(), 125);
    EXPECT_EQ(LireOctets(b.Rapport125()), rapport + "my notes\r\n");
    EXPECT_EQ(b.documents.ouverts.size(), 2u);
    EXPECT_EQ(b.documents.imprimes, Noms{b.Rapport125()});
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_EQ(Banc::Noms(b.Note()), Noms{"A125.txt"});
}

TEST(ReportCommands, PrintOfANewGradeWritesItFirst) {
    BancNote b;
    b.rapport.ImprimerFiche(FicheBlanche(), 3);
    EXPECT_EQ(b.documents.imprimes, Noms{b.Note() + "/A3.txt"});
    EXPECT_TRUE(b.documents.ouverts.empty());
    EXPECT_EQ(LireOctets(b.Note() + "/A3.txt"), Joindre(LignesRapport(FicheBlanche())));
}

TEST(ReportCommands, DeletedReportIsWrittenAfresh) {
    BancNote b;
    b.rapport.AnnoterFiche(FicheComplete(), 125);
    ASSERT_EQ(b.systeme.Supprimer(b.Rapport125()), ES_OK);
    b.rapport.AnnoterFiche(FicheBizarre(), 125);
    EXPECT_EQ(LireOctets(b.Rapport125()), Joindre(LignesRapport(FicheBizarre())));
    EXPECT_EQ(b.documents.ouverts.size(), 2u);
}

TEST(ReportCommands, ProgramDirectoryComesFromTheProgramPath) {
    Banc b;
    ASSERT_EQ(b.systeme.CreerRepertoire(b.dir.Fichier("bin")), ES_OK);
    b.systeme.cheminProgramme = b.dir.Fichier("bin/talix");
    b.rapport.AnnoterFiche(FicheComplete(), 9);
    EXPECT_EQ(b.documents.ouverts, Noms{b.dir.Fichier("bin/Note/A9.txt")});
    EXPECT_TRUE(b.systeme.Existe(b.dir.Fichier("bin/Note/A9.txt")));
}

TEST(ReportCommands, DirectoryTest) {
    BancNote b;
    EcrireOctets(b.dir.Fichier("plain"), "x");
    EXPECT_TRUE(b.rapport.RepertoireExiste(b.dir.Chemin()));
    EXPECT_FALSE(b.rapport.RepertoireExiste(b.dir.Fichier("plain")));
    EXPECT_FALSE(b.rapport.RepertoireExiste(b.dir.Fichier("missing")));
}

// Each failure of a command: the general error window, the end, no document handed on,
// and no report file (whole or partial) where there was none.
struct CasEchec {
    const char* nom;
    std::function<void(BancNote&)> preparer;
    bool imprimer;
    bool rapportReste; // the report was written completely before the failure
};
void PrintTo(const CasEchec& c, std::ostream* os) {
    *os << c.nom;
}
class ReportCommandFailure : public ::testing::TestWithParam<CasEchec> {};

TEST_P(ReportCommandFailure, ErrorWindowAndEnd) {
    BancNote b;
    GetParam().preparer(b);
    if (GetParam().imprimer) {
        b.rapport.ImprimerFiche(FicheComplete(), 125);
    } else {
        b.rapport.AnnoterFiche(FicheComplete(), 125);
    }
    EXPECT_TRUE(b.ErreurGeneraleEtFin()) << ::testing::PrintToString(b.fenetres.Noms());
    if (GetParam().rapportReste) {
        EXPECT_EQ(LireOctets(b.Rapport125()), Joindre(LignesRapport(FicheComplete())));
    } else {
        EXPECT_TRUE(b.documents.ouverts.empty());
        EXPECT_TRUE(b.documents.imprimes.empty());
        EXPECT_FALSE(b.systeme.Existe(b.Rapport125()));
        if (b.systeme.EstRepertoire(b.Note())) {
            EXPECT_EQ(Banc::Noms(b.Note()), Noms{});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReportCommandFailure,
    ::testing::Values(
        CasEchec{"NoteIsAPlainFile", [](BancNote& b) { EcrireOctets(b.Note(), "not a directory"); },
                 false, false},
        CasEchec{"NoteIsAPlainFilePrint",
                 [](BancNote& b) { EcrireOctets(b.Note(), "not a directory"); }, true, false},
        CasEchec{"NoteReadOnly", [](BancNote& b) { b.systeme.refusCreation = b.Note(); }, false,
                 false},
        CasEchec{"NoDirectoryAnywhere",
                 [](BancNote& b) {
                     b.rapport.RepertoireProgramme = b.dir.Fichier("gone");
                     b.rapport.RepertoireUtilisateur = b.dir.Fichier("gone-too/x");
                     EcrireOctets(b.dir.Fichier("gone-too"), "a plain file");
                 },
                 false, false},
        CasEchec{"DiskFull", [](BancNote& b) { b.systeme.echecEcriture = 20; }, false, false},
        CasEchec{"PathTooLong",
                 [](BancNote& b) {
                     b.rapport.RepertoireProgramme += "/" + std::string(250, 'd');
                     std::filesystem::create_directory(b.rapport.RepertoireProgramme);
                 },
                 false, false},
        CasEchec{"EditorFails", [](BancNote& b) { b.documents.reussir = false; }, false, true},
        CasEchec{"PrinterFails", [](BancNote& b) { b.documents.reussir = false; }, true, true}),
    [](const auto& cas) { return std::string(cas.param.nom); });

TEST(ReportCommands, ReportPathHoldingADirectoryFails) {
    BancNote b;
    ASSERT_EQ(b.systeme.CreerRepertoire(b.Note()), ES_OK);
    ASSERT_EQ(b.systeme.CreerRepertoire(b.Rapport125()), ES_OK);
    b.rapport.AnnoterFiche(FicheComplete(), 125);
    EXPECT_TRUE(b.ErreurGeneraleEtFin());
    EXPECT_TRUE(b.documents.ouverts.empty());
    EXPECT_TRUE(b.systeme.EstRepertoire(b.Rapport125()));
}

TEST(ReportCommands, NoteAsPlainFileIsLeftAlone) {
    BancNote b;
    EcrireOctets(b.Note(), "not a directory");
    b.rapport.AnnoterFiche(FicheComplete(), 125);
    EXPECT_EQ(LireOctets(b.Note()), "not a directory");
}

TEST(ReportCommands, NothingHappensOnceTheEndIsRequested) {
    BancNote b;
    b.base.QuitterApplication();
    b.fenetres.Effacer();
    b.rapport.AnnoterFiche(FicheComplete(), 125);
    b.rapport.ImprimerFiche(FicheComplete(), 125);
    EXPECT_TRUE(b.fenetres.montrees.empty());
    EXPECT_TRUE(b.documents.ouverts.empty());
    EXPECT_TRUE(b.documents.imprimes.empty());
    EXPECT_FALSE(b.systeme.Existe(b.Note()));
}

} // namespace
} // namespace talix
