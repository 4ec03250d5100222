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

// The keys are dealt into shards, each its own test, so that they can run side by side:
// every search reads the index from its first line.
constexpr int Parts = 8;

class CatalogueParParts : public Catalogue, public ::testing::WithParamInterface<int> {};

TEST_P(CatalogueParParts, EveryDesignationIsFoundWithoutNotice) {
    talix::SystemePosix systeme;
    talix::FenetresEnregistreuses fenetres;
    talix::ServiceDocumentsEnregistreur documents;
    talix::Session session(systeme, fenetres, documents, dir_->Chemin());
    session.Demarrer();
    session.MontrerMenu();
    session.Choisir(0);
    ASSERT_TRUE(fenetres.montrees.empty());

    // One search per key, typed as its first grade writes it: every other form of the key
    // gives the same key, hence the same search.
    std::size_t recherches = 0;
    int rang = 0;
    for (const auto& [key, occurrences] : ParCle()) {
        if (rang++ % Parts != GetParam()) {
            continue;
        }
        const std::string& forme = occurrences.front().text;
        ++recherches;
        session.LancerRecherche(0, forme);
        ASSERT_EQ(fenetres.Noms(), std::vector<std::string>{}) << "typed: " << forme;
        ASSERT_EQ(session.base.NumFicheCourante, occurrences.front().record) << "typed: " << forme;
        for (std::size_t k = 1; k < occurrences.size(); ++k) {
            session.EtapeSuivante();
            ASSERT_EQ(fenetres.Noms(), std::vector<std::string>{}) << "stepping from " << forme;
            ASSERT_EQ(session.base.NumFicheCourante, occurrences[k].record)
                << "step " << k << " from " << forme;
        }
    }
    EXPECT_GT(recherches * Parts, catalogue_->fiches.size()); // most grades have several keys
}

INSTANTIATE_TEST_SUITE_P(Cles, CatalogueParParts, ::testing::Range(0, Parts));

} // namespace
