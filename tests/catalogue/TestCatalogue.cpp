// The shipped catalogue, compiled as the build compiles it, searched as the user searches:
// every designation of every grade is found without a notice. Where several grades share a
// key, the search shows the first of them and the forward step walks through the others.

#include <gtest/gtest.h>

#include <map>

#include "Compiler.h"
#include "database/Fiche.h"
#include "search/CleDesignation.h"
#include "session/Enregistreurs.h"
#include "session/Session.h"
#include "support/Fixtures.h"
#include "texte/SystemeFichiers.h"

namespace {

struct Occurrence {
    std::int32_t record;
    int column;
    std::string text; // as the record shows it, trailing blanks dropped
};

std::string SansBlancsFinaux(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

class Catalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir_ = new talix::test::RepertoireTemporaire();
        std::vector<talixc::Diagnostic> problems;
        const talixc::Kinds kinds =
            talixc::ParseKinds(talixc::ReadFile(TALIX_DATA_DIR "/kinds-of-material.txt"));
        const auto grades =
            talixc::ParseAndValidate(talixc::ReadSourceTree(TALIX_DATA_DIR), &kinds, problems);
        for (const talixc::Diagnostic& d : problems) {
            ADD_FAILURE() << d.Text();
        }
        catalogue_ = new talixc::Catalogue(talixc::Build(grades));
        talixc::WriteCatalogue(dir_->Chemin(), *catalogue_);
    }
    static void TearDownTestSuite() {
        delete catalogue_;
        delete dir_;
    }

    // Every designation under its key, in the order of the index: record, then column.
    static std::map<std::string, std::vector<Occurrence>> ParCle() {
        std::map<std::string, std::vector<Occurrence>> cles;
        for (std::size_t i = 0; i < catalogue_->fiches.size(); ++i) {
            talix::Fiche f = catalogue_->fiches[i];
            for (int column = 1; column <= 12; ++column) {
                std::string affiche = *talix::DesignationNumero(f, column);
                talix::ConvertirOem(affiche);
                std::string key;
                talix::CleDesignation(affiche, key, 255);
                if (!key.empty()) {
                    cles[key].push_back(
                        {static_cast<std::int32_t>(i + 1), column, SansBlancsFinaux(affiche)});
                }
            }
        }
        return cles;
    }

    static talix::test::RepertoireTemporaire* dir_;
    static talixc::Catalogue* catalogue_;
};

talix::test::RepertoireTemporaire* Catalogue::dir_ = nullptr;
talixc::Catalogue* Catalogue::catalogue_ = nullptr;

TEST_F(Catalogue, HasGradesOfSeveralFamilies) {
    ASSERT_GT(catalogue_->fiches.size(), 100u);
    std::set<std::string> familles;
    for (const talix::Fiche& f : catalogue_->fiches) {
        familles.insert(f.Famille);
    }
    EXPECT_GE(familles.size(), 4u);
}

TEST_F(Catalogue, EveryDesignationIsFoundWithoutNotice) {
    talix::SystemePosix systeme;
    talix::FenetresEnregistreuses fenetres;
    talix::ServiceDocumentsEnregistreur documents;
    talix::Session session(systeme, fenetres, documents, dir_->Chemin());
    session.Demarrer();
    session.MontrerMenu();
    session.Choisir(0);
    ASSERT_TRUE(fenetres.montrees.empty());

    std::size_t recherches = 0;
    for (const auto& [key, occurrences] : ParCle()) {
        // Every form in which the catalogue writes this key is typed once.
        std::set<std::string> formes;
        for (const Occurrence& o : occurrences) {
            formes.insert(o.text);
        }
        for (const std::string& forme : formes) {
            ++recherches;
            session.LancerRecherche(0, forme);
            ASSERT_EQ(fenetres.Noms(), std::vector<std::string>{}) << "typed: " << forme;
            ASSERT_EQ(session.base.NumFicheCourante, occurrences.front().record) << "typed: " << forme;
            if (forme != occurrences.front().text) {
                continue; // the walk through the others is the same for every form
            }
            for (std::size_t k = 1; k < occurrences.size(); ++k) {
                session.EtapeSuivante();
                ASSERT_EQ(fenetres.Noms(), std::vector<std::string>{}) << "stepping from " << forme;
                ASSERT_EQ(session.base.NumFicheCourante, occurrences[k].record)
                    << "step " << k << " from " << forme;
            }
        }
    }
    EXPECT_GT(recherches, catalogue_->fiches.size());
}

} // namespace
