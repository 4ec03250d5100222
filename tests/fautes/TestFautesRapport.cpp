// Every input/output check of the report commands, driven by injected faults: the general
// error window and the end, no report file left half-written, no existing report changed.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <ostream>

#include "SessionDefaillante.h"

namespace talix {
namespace {

using test::Operation;
using test::SessionDefaillante;

// Every file of a directory (none when it does not exist).
std::vector<std::string> Fichiers(const std::string& repertoire) {
    std::vector<std::string> noms;
    std::error_code erreur;
    for (const auto& e : std::filesystem::directory_iterator(repertoire, erreur)) {
        noms.push_back(e.path().filename().string());
    }
    return noms;
}

struct CasRapport {
    const char* nom;
    Operation operation;
    int rang;
};

void PrintTo(const CasRapport& cas, std::ostream* sortie) { *sortie << cas.nom; }

class FauteDuRapport : public testing::TestWithParam<CasRapport> {
protected:
    void SetUp() override {
        s.Chercher(0, "BETA");
        ASSERT_EQ(s.session.base.NumFicheCourante, 2);
    }
    SessionDefaillante s;
};

TEST_P(FauteDuRapport, ErreurGeneraleEtAucunRapportPartiel) {
    const CasRapport& cas = GetParam();
    // A directory that cannot be made anywhere; every other fault strikes once.
    s.systeme.Programmer(cas.operation, cas.rang, ES_ECRITURE,
                         cas.operation == Operation::CreerRepertoire);
    s.session.Annoter();
    EXPECT_EQ(s.fenetres.Noms(), std::vector<std::string>{"TFicheErreur"});
    EXPECT_TRUE(s.session.Terminee());
    EXPECT_TRUE(s.documents.ouverts.empty()) << "nothing handed to the editor";
    // Neither the report nor a temporary file of it stays behind.
    EXPECT_EQ(Fichiers(s.rep.Fichier("Note")), std::vector<std::string>{});
    EXPECT_EQ(Fichiers(s.rep.Fichier("utilisateur/talix/Note")), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, FauteDuRapport,
    testing::Values(CasRapport{"creation_des_repertoires", Operation::CreerRepertoire, 1},
                    CasRapport{"creation_du_fichier", Operation::Ouvrir, 1},
                    CasRapport{"premiere_ligne", Operation::Ecrire, 1},
                    CasRapport{"disque_plein_ligne_30", Operation::Ecrire, 30},
                    CasRapport{"derniere_ligne", Operation::Ecrire, 63},
                    CasRapport{"mise_sur_disque", Operation::Vider, 1},
                    CasRapport{"fermeture", Operation::Fermer, 1},
                    CasRapport{"mise_en_place", Operation::Renommer, 1}),
    [](const testing::TestParamInfo<CasRapport>& cas) { return std::string(cas.param.nom); });

TEST(FauteDuRapport, RapportExistantIntactQuoiQuIlArrive) {
    SessionDefaillante s;
    s.Chercher(0, "BETA");
    std::filesystem::create_directory(s.rep.Fichier("Note"));
    const std::string notes = "my own notes\r\n";
    test::EcrireOctets(s.rep.Fichier("Note/A2.txt"), notes);
    s.systeme.Programmer(Operation::Ecrire, 1, ES_ECRITURE, true);
    s.session.Imprimer();
    s.session.Annoter();
    EXPECT_TRUE(s.fenetres.montrees.empty());
    EXPECT_EQ(test::LireOctets(s.rep.Fichier("Note/A2.txt")), notes);
    EXPECT_EQ(s.documents.imprimes, std::vector<std::string>{s.rep.Fichier("Note/A2.txt")});
    EXPECT_EQ(s.documents.ouverts, std::vector<std::string>{s.rep.Fichier("Note/A2.txt")});
}

TEST(FauteDuRapport, ServiceDeDocumentsEnEchec) {
    SessionDefaillante s;
    s.Chercher(0, "BETA");
    s.documents.reussir = false;
    s.session.Imprimer();
    EXPECT_EQ(s.fenetres.Noms(), std::vector<std::string>{"TFicheErreur"});
    EXPECT_TRUE(s.session.Terminee());
    // The report itself was complete before it was handed over: it stays.
    EXPECT_EQ(Fichiers(s.rep.Fichier("Note")), std::vector<std::string>{"A2.txt"});
}

TEST(FauteDuRapport, NoteEstUnFichier) {
    SessionDefaillante s;
    s.Chercher(0, "BETA");
    test::EcrireOctets(s.rep.Fichier("Note"), "not a directory");
    s.session.Annoter();
    EXPECT_EQ(s.fenetres.Noms(), std::vector<std::string>{"TFicheErreur"});
    EXPECT_EQ(test::LireOctets(s.rep.Fichier("Note")), "not a directory");
}

} // namespace
} // namespace talix

namespace talix {
namespace {

// Where the reports go: "Note" beside the program whenever it can be there, else the
// user's data directory.
class DossierDesNotes : public testing::Test {
protected:
    void SetUp() override {
        s.Chercher(0, "BETA");
        ASSERT_EQ(s.session.base.NumFicheCourante, 2);
    }
    void AnnoterEtAjouterDesNotes(const std::string& attendu) {
        s.session.Annoter();
        ASSERT_TRUE(s.fenetres.montrees.empty());
        ASSERT_EQ(s.documents.ouverts, std::vector<std::string>{attendu});
        const std::string notes = test::LireOctets(attendu) + "Checked with the supplier.\r\n";
        test::EcrireOctets(attendu, notes);
        s.session.Annoter();
        EXPECT_EQ(test::LireOctets(attendu), notes); // the annotations survive
        EXPECT_EQ(s.documents.ouverts.size(), 2u);
    }
    SessionDefaillante s;
};

TEST_F(DossierDesNotes, RepertoireDuProgrammeInscriptible) {
    AnnoterEtAjouterDesNotes(s.rep.Fichier("Note/A2.txt"));
    EXPECT_FALSE(std::filesystem::exists(s.rep.Fichier("utilisateur")));
}

TEST_F(DossierDesNotes, RepertoireDuProgrammeSansNotePossible) {
    // An installed program: its directory cannot hold "Note" (here it does not even
    // exist, which refuses the directory as a read-only one does, also for root).
    s.session.rapport.RepertoireProgramme = s.rep.Fichier("usr/bin");
    AnnoterEtAjouterDesNotes(s.rep.Fichier("utilisateur/talix/Note/A2.txt"));
    EXPECT_FALSE(std::filesystem::exists(s.rep.Fichier("usr")));
}

TEST_F(DossierDesNotes, NoteExistantGardeSaPlace) {
    std::filesystem::create_directory(s.rep.Fichier("Note"));
    s.systeme.Programmer(Operation::CreerRepertoire, 1, ES_ACCES_REFUSE, true);
    AnnoterEtAjouterDesNotes(s.rep.Fichier("Note/A2.txt"));
}

TEST_F(DossierDesNotes, DonneesUtilisateurSelonXdg) {
    s.session.rapport.RepertoireUtilisateur.clear();
    const char* ancien = std::getenv("XDG_DATA_HOME");
    const std::string sauvegarde = ancien ? ancien : "";
    ::setenv("XDG_DATA_HOME", s.rep.Fichier("xdg").c_str(), 1);
    s.session.rapport.RepertoireProgramme = s.rep.Fichier("usr/bin");
    s.session.Annoter();
    if (ancien) {
        ::setenv("XDG_DATA_HOME", sauvegarde.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
    EXPECT_TRUE(s.fenetres.montrees.empty());
    EXPECT_EQ(s.documents.ouverts, std::vector<std::string>{s.rep.Fichier("xdg/talix/Note/A2.txt")});
    EXPECT_TRUE(std::filesystem::exists(s.rep.Fichier("xdg/talix/Note/A2.txt")));
}

} // namespace
} // namespace talix
