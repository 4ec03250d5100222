// Every input/output check of the report commands, driven by injected faults: the general
// error window and the end, no report file left half-written, no existing report changed.
#include <gtest/gtest.h>

#include <filesystem>
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
    s.systeme.Programmer(cas.operation, cas.rang, ES_ECRITURE);
    s.session.Annoter();
    EXPECT_EQ(s.fenetres.Noms(), std::vector<std::string>{"TFicheErreur"});
    EXPECT_TRUE(s.session.Terminee());
    EXPECT_TRUE(s.documents.ouverts.empty()) << "nothing handed to the editor";
    // Neither the report nor a temporary file of it stays behind.
    EXPECT_EQ(Fichiers(s.rep.Fichier("Note")), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    Rapport, FauteDuRapport,
    testing::Values(CasRapport{"creation_du_repertoire", Operation::CreerRepertoire, 1},
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
