// The index the compiler writes: its exact lines for a small catalogue, the order of
// its sections and lines, and what the application's own line parser reads from it.

#include <gtest/gtest.h>

#include "SourcesTalixc.h"
#include "search/CleDesignation.h"
#include "search/Recherche.h"
#include "session/Enregistreurs.h"
#include "session/Session.h"
#include "support/Fixtures.h"
#include "texte/Caracteres.h"
#include "texte/SystemeFichiers.h"

namespace talixc::test {
namespace {

std::string Row(const std::string& fields) { return "[[grade.cond]]\n" + fields; }

// Three grades chosen for their ties: the same key twice in one grade, the same nature in
// two grades, the same hardness in both rows of a grade and in two families, a blank key.
std::vector<Source> TiesSources() {
    const std::string stainless = FileText(
        GradeText({{"din", "\"X5CrNi18-10\""}},
                  Row("rm = [500, 700]\nrp = 190\nhardness = 215\n") +
                      Row("rm = [515, 0]\nrp = 205\nhardness = 215\n")) +
        GradeText({{"afnor", "\"X2CrNi18-9\""}, {"werkstoff", "\"1.4307\""}, {"des", "[\"304L\"]"}},
                  Row("rp = 220\nhardness = 180\n")));
    const std::string steel = FileText(
        GradeText({{"afnor", "\"C45\""},
                   {"werkstoff", "\"1.0503\""},
                   {"aisi", "\"1045\""},
                   {"nature", "\"NON-ALLOY STEEL\""},
                   {"des", "[\"-\"]"}},
                  Row("rm = [0, 800]\nhardness = 215\n")),
        "100");
    // Sorted by path: the stainless file comes first although it is given last.
    return {{"src/b-steel.toml", steel}, {"src/a-stainless.toml", stainless}};
}

std::vector<Source> Sorted(std::vector<Source> sources) {
    std::sort(sources.begin(), sources.end(),
              [](const Source& a, const Source& b) { return a.name < b.name; });
    return sources;
}

TEST(IndexCompile, LinesOfASmallCatalogue) {
    const Catalogue c = CompileValid(Sorted(TiesSources()));
    ASSERT_EQ(c.fiches.size(), 3u);
    EXPECT_EQ(c.index.designations, (std::vector<std::string>{
                                        "1045 100 305",
                                        "10503 100 302",
                                        "14301 200 102",
                                        "14307 200 202",
                                        "304L 200 208",
                                        "AUSTENITICSTAINLESSSTEEL 200 107",
                                        "AUSTENITICSTAINLESSSTEEL 200 207",
                                        "C45 100 301",
                                        "NONALLOYSTEEL 100 307",
                                        "X2CRNI189 200 201",
                                        "X5CRNI1810 200 101",
                                        "X5CRNI1810 200 103",
                                    }));
    EXPECT_EQ(c.index.hardness, (std::vector<std::string>{
                                    "dur 180 200 200", "dur 215 100 300", "dur 215 200 100"}));
    EXPECT_EQ(c.index.yield, (std::vector<std::string>{
                                 "ela 190 200 100", "ela 205 200 100", "ela 220 200 200"}));
    EXPECT_EQ(c.index.tensile,
              (std::vector<std::string>{"res 500 700 200 100", "res 800 800 100 300"}));
}

TEST(IndexCompile, FileHasTheFourSectionsInOrderWithCrLf) {
    talix::test::RepertoireTemporaire dir;
    WriteCatalogue(dir.Chemin(), CompileValid(Sorted(TiesSources())));
    const std::string text = talix::test::LireOctets(dir.Fichier("Talixind"));
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find("\r\n", start);
        ASSERT_NE(end, std::string::npos);
        lines.push_back(text.substr(start, end - start));
        EXPECT_EQ(lines.back().find('\n'), std::string::npos);
        start = end + 2;
    }
    // Section of each line, by the tests the searches use: never going back.
    int section = 0;
    for (const std::string& line : lines) {
        const int s = talix::EstLigneDurete(line)       ? 1
                      : talix::EstLigneElasticite(line) ? 2
                      : talix::EstLigneResistance(line) ? 3
                                                        : 0;
        EXPECT_TRUE(s > 0 || talix::EstLigneDesignation(line)) << line;
        EXPECT_GE(s, section) << line;
        section = s;
    }
    EXPECT_EQ(section, 3);
    // Designations sort before "dur", hardness before "ela", yield before "res".
    for (const std::string& line : lines) {
        if (talix::EstLigneDesignation(line)) {
            EXPECT_LT(line, "dur");
        }
    }
}

// Every line, read by the application's parser, names a record and a column that hold
// what the line says.
TEST(IndexCompile, ParsedLinesNameTheRightRecordAndColumn) {
    talix::test::RepertoireTemporaire dir;
    const Catalogue c = CompileValid(Sorted(TiesSources()));
    talix::SystemePosix systeme;
    talix::FenetresEnregistreuses fenetres;
    talix::ServiceDocumentsEnregistreur documents;
    talix::Session session(systeme, fenetres, documents, dir.Chemin());

    auto check = [&](const std::vector<std::string>& lines, auto&& expect) {
        for (const std::string& line : lines) {
            talix::EntreeIndex entree;
            session.recherche.AnalyserLigne(line, talix::ToleranceParDefaut, talix::SansValeur,
                                            entree);
            ASSERT_GE(entree.NumFiche, 1) << line;
            ASSERT_LE(entree.NumFiche, static_cast<std::int32_t>(c.fiches.size())) << line;
            const talix::Fiche& f = c.fiches[static_cast<std::size_t>(entree.NumFiche - 1)];
            EXPECT_EQ(entree.Famille, talix::EntierOuZero(f.Famille)) << line;
            expect(line, entree, f);
        }
    };
    check(c.index.designations, [](const std::string& line, const talix::EntreeIndex& e,
                                   const talix::Fiche& f) {
        const std::string* field = talix::DesignationNumero(f, e.Colonne);
        ASSERT_NE(field, nullptr) << line;
        std::string key;
        talix::CleDesignation(*field, key, 255);
        EXPECT_EQ(e.Mot, key) << line;
    });
    auto rowValue = [](const talix::Fiche& f, auto member, std::int32_t value) {
        return talix::EntierOuZero(f.Meca[0].*member) == value ||
               talix::EntierOuZero(f.Meca[1].*member) == value;
    };
    check(c.index.hardness, [&](const std::string& line, const talix::EntreeIndex& e,
                                const talix::Fiche& f) {
        EXPECT_EQ(e.Colonne, 0);
        EXPECT_TRUE(rowValue(f, &talix::EtatMeca::DureteMax, talix::EntierOuZero(e.Mot))) << line;
    });
    check(c.index.yield, [&](const std::string& line, const talix::EntreeIndex& e,
                             const talix::Fiche& f) {
        EXPECT_EQ(e.Colonne, 0);
        EXPECT_TRUE(rowValue(f, &talix::EtatMeca::Rp02Min, talix::EntierOuZero(e.Mot))) << line;
    });
    check(c.index.tensile, [](const std::string&, const talix::EntreeIndex& e, const talix::Fiche&) {
        EXPECT_EQ(e.Colonne, 0);
    });
    EXPECT_TRUE(fenetres.montrees.empty()) << "a tail did not convert";
}

TEST(IndexCompile, SameSourcesGiveTheSameBytes) {
    talix::test::RepertoireTemporaire one;
    talix::test::RepertoireTemporaire two;
    // The files are created in opposite orders: the directory's order must not matter.
    std::vector<Source> sources = TiesSources();
    WriteSources(one.Fichier("src"), sources);
    std::reverse(sources.begin(), sources.end());
    WriteSources(two.Fichier("src"), sources);
    const Kinds kinds = ParseKinds(KindsText);
    for (auto* dir : {&one, &two}) {
        std::vector<Diagnostic> problems;
        const auto grades = ParseAndValidate(ReadSourceTree(dir->Fichier("src")), &kinds, problems);
        ASSERT_TRUE(problems.empty());
        WriteCatalogue(dir->Fichier("out"), Build(grades));
    }
    for (const char* name : {"Talix", "Talixind"}) {
        EXPECT_EQ(talix::test::LireOctets(one.Fichier(std::string("out/") + name)),
                  talix::test::LireOctets(two.Fichier(std::string("out/") + name)))
            << name;
    }
}

} // namespace
} // namespace talixc::test
