// The tool as the build runs it: exit status, what is written (or not), --stats, and the
// synthetic catalogues of the benchmarks.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "Cli.h"
#include "SourcesTalixc.h"
#include "Synthetic.h"
#include "database/Base.h"
#include "support/Fixtures.h"
#include "texte/Caracteres.h"

namespace talixc::test {
namespace {

using talix::test::LireOctets;
using talix::test::RepertoireTemporaire;

struct Resultat {
    int status;
    std::string out;
    std::string err;
};

Resultat Talixc(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

class LigneDeCommande : public ::testing::Test {
protected:
    void SetUp() override {
        talix::test::EcrireOctets(dir_.Fichier("kinds.txt"), KindsText);
        WriteSources(dir_.Fichier("src"),
                     {{"steels-100/a.toml",
                       FileText(GradeText({{"afnor", "\"C45\""},
                                           {"werkstoff", "\"1.0503\""},
                                           {"nature", "\"NON-ALLOY STEEL\""}},
                                          "[[grade.cond]]\nrm = [650, 800]\nrp = 430\n"),
                                "100")},
                      {"stainless-200/b.toml", FileText(GradeText())},
                      {"README.md", "not a source"}});
    }
    std::string Out() const { return dir_.Fichier("out"); }

    RepertoireTemporaire dir_;
};

TEST_F(LigneDeCommande, WritesBothFilesAndStats) {
    const Resultat r = Talixc({"--stats", "--kinds", dir_.Fichier("kinds.txt"), "--out", Out(),
                          dir_.Fichier("src")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(LireOctets(Out() + "/Talix").size(), 2 * talix::TailleFicheBrute);
    EXPECT_EQ(LireOctets(Out() + "/Talixind"),
              // "stainless-200" sorts before "steels-100": the stainless grade is record 1.
              "10503 100 202\r\n14301 200 102\r\nAUSTENITICSTAINLESSSTEEL 200 107\r\n"
              "C45 100 201\r\nNONALLOYSTEEL 100 207\r\nX5CRNI1810 200 101\r\n"
              "ela 430 100 200\r\nres 650 800 100 200\r\n");
    EXPECT_EQ(r.out,
              "family   grades  designations  natures  hardness   yield  tensile  Rm+Rp0.2\n"
              "100           1             3        1         0       1        1    100.0%\n"
              "200           1             3        1         0       0        0      0.0%\n"
              "all           2             6        2         0       1        1     50.0%\n");
}

TEST_F(LigneDeCommande, BrokenSourceWritesNothingAndFails) {
    ASSERT_EQ(Talixc({"--out", Out(), dir_.Fichier("src")}).status, 0);
    const std::string before = LireOctets(Out() + "/Talixind");
    WriteSources(dir_.Fichier("src"), {{"stainless-200/c.toml", FileText(GradeText({{"afnor", "\"X6CrNi18-10\""}}))}});
    const Resultat r = Talixc({"--kinds", dir_.Fichier("kinds.txt"), "--out", Out(), dir_.Fichier("src")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("stainless-200/c.toml:6: grade X6CrNi18-10: werkstoff:"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("1 problem, nothing written"), std::string::npos) << r.err;
    EXPECT_EQ(LireOctets(Out() + "/Talixind"), before);
}

TEST_F(LigneDeCommande, BadUsage) {
    EXPECT_EQ(Talixc({}).status, 2);
    EXPECT_EQ(Talixc({dir_.Fichier("src")}).status, 2);                           // no --out
    EXPECT_EQ(Talixc({"--out", Out()}).status, 2);                                // no sources
    EXPECT_EQ(Talixc({"--out", Out(), "--synthetic", "10", "2", "7"}).status, 2); // M below 3
    EXPECT_EQ(Talixc({"--out", Out(), "--synthetic", "10", "13", "7"}).status, 2);
    EXPECT_EQ(Talixc({"--out", Out(), "--synthetic", "10", "4", "7", dir_.Fichier("src")}).status, 2);
    EXPECT_EQ(Talixc({"--bogus", "--out", Out(), dir_.Fichier("src")}).status, 2);
    EXPECT_EQ(Talixc({"--out", Out(), dir_.Fichier("missing")}).status, 1);
    EXPECT_EQ(Talixc({"--kinds", dir_.Fichier("missing"), "--out", Out(), dir_.Fichier("src")}).status, 1);
}

TEST_F(LigneDeCommande, SyntheticCatalogueShape) {
    const Resultat r = Talixc({"--synthetic", "700", "8", "42", "--out", Out()});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(LireOctets(Out() + "/Talix").size(), 700 * talix::TailleFicheBrute);
    const std::string index = LireOctets(Out() + "/Talixind");
    std::istringstream lines(index);
    std::string line;
    std::size_t designations = 0;
    std::set<std::int32_t> families;
    std::string previous;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.back(), '\r');
        line.pop_back();
        if (line.compare(0, 3, "dur") == 0 || line.compare(0, 3, "ela") == 0 ||
            line.compare(0, 3, "res") == 0) {
            continue;
        }
        ++designations;
        const std::string key = line.substr(0, line.find(' '));
        EXPECT_LE(previous, key);
        previous = key;
        std::istringstream words(line);
        std::string w;
        words >> w >> w;
        families.insert(talix::EntierOuZero(w));
    }
    EXPECT_EQ(designations, 700u * 8);
    EXPECT_EQ(families, (std::set<std::int32_t>{100, 200, 400, 500, 600, 700, 800}));
    EXPECT_NE(index.find("\r\ndur "), std::string::npos);
    EXPECT_NE(index.find("\r\nela "), std::string::npos);
    EXPECT_NE(index.find("\r\nres "), std::string::npos);
}

TEST(Synthetic, DeterministicFromTheSeedAndValid) {
    const auto a = SyntheticGrades(300, 12, 7);
    EXPECT_EQ(a, SyntheticGrades(300, 12, 7));
    EXPECT_NE(a, SyntheticGrades(300, 12, 8));
    std::vector<Diagnostic> problems;
    Validate(a, nullptr, problems);
    EXPECT_TRUE(problems.empty()) << problems.front().Text();
    std::set<int> hardness;
    for (const Grade& g : a) {
        for (const ConditionRow& c : g.cond) {
            hardness.insert(static_cast<int>(c.hardness / 100));
        }
    }
    EXPECT_GE(hardness.size(), 5u); // values spread, not one constant
}

TEST(Synthetic, UniqueNumbersBeyondAHundredThousand) {
    const auto grades = SyntheticGrades(100002, 3, 3);
    EXPECT_NE(grades[0].columns[1], grades[100000].columns[1]);
    std::vector<Diagnostic> problems;
    Validate({grades[0], grades[100000], grades[100001], grades[1]}, nullptr, problems);
    EXPECT_TRUE(problems.empty()) << problems.front().Text();
}

} // namespace
} // namespace talixc::test
