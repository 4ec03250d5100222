// talix-query, single query: the windows shown, then the report of the grade found.
#include <gtest/gtest.h>

#include "BaseQuery.h"
#include "Lanceur.h"
#include "report/Rapport.h"
#include "texte/Cp1252.h"

namespace talix {
namespace {

using namespace talix::test;

std::string RapportUtf8(const Fiche& fiche) {
    std::string texte;
    for (const std::string& l : LignesRapport(fiche)) {
        texte += Cp1252VersUtf8(l) + "\n";
    }
    return texte;
}

class Query : public ::testing::Test {
protected:
    void SetUp() override { EcrireBaseQuery(dir.Chemin()); }
    RepertoireTemporaire dir;
};

TEST_F(Query, ExactDesignationPrintsTheReportOnly) {
    const Sortie s = LancerQuery({"--dir", dir.Chemin(), "designation", "1.1111"});
    EXPECT_EQ(s.statut, 0);
    EXPECT_EQ(s.out, RapportUtf8(Publiee(GradeA())));
    EXPECT_EQ(s.err, "");
}

TEST_F(Query, GarbageGradeIsReportedAsStored) {
    const Sortie s = LancerQuery({"--dir", dir.Chemin(), "designation", "garbage~"});
    EXPECT_EQ(s.statut, 0);
    EXPECT_EQ(s.out, RapportUtf8(Publiee(GradeGarbage())));
}

TEST_F(Query, PropertySearchesFindTheirGrade) {
    struct Cas {
        std::vector<std::string> args;
        const Fiche fiche;
    };
    for (const Cas& c : {Cas{{"hardness", "220"}, GradeB()}, Cas{{"yield", "235"}, GradeA()},
                         Cas{{"--tolerance", "10", "tensile", "700"}, GradeB()},
                         Cas{{"--family", "100", "tensile", "470"}, GradeA()}}) {
        std::vector<std::string> args = {"--dir", dir.Chemin()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Sortie s = LancerQuery(args);
        EXPECT_EQ(s.statut, 0) << c.args.back();
        EXPECT_EQ(s.out, RapportUtf8(Publiee(c.fiche))) << c.args.back();
    }
}

TEST_F(Query, NoticeLineComesFirst) {
    const Sortie s = LancerQuery({"--dir", dir.Chemin(), "designation", "1.1112"});
    EXPECT_EQ(s.statut, 0);
    ASSERT_FALSE(s.lignes.empty());
    EXPECT_EQ(s.lignes[0], "notice: Value not found.");
    EXPECT_EQ(s.lignes.size(), 1 + LignesRapport(GradeA()).size());
}

TEST_F(Query, DatabaseErrorEndsWithItsDetail) {
    const Sortie s = LancerQuery({"--dir", dir.Chemin(), "designation", "zzz"});
    EXPECT_EQ(s.statut, 3);
    EXPECT_EQ(s.out,
              "error: Reading error of data - Erreur de lecture de la base : lecture Fiche\n");
}

TEST(QueryStart, MissingBaseEnds) {
    RepertoireTemporaire vide;
    const Sortie s = LancerQuery({"--dir", vide.Chemin(), "designation", "1.1111"});
    EXPECT_EQ(s.statut, 3);
    EXPECT_EQ(s.out.rfind("error: Reading error of data", 0), 0u) << s.out;
    EXPECT_EQ(s.lignes.size(), 1u);
}

TEST(QueryUsage, BadUsageExitsTwoWithAUsageLine) {
    const std::vector<std::vector<std::string>> cas = {
        {},
        {"colour", "x"},
        {"--family", "300", "designation", "x"},
        {"--family", "0", "designation", "x"},
        {"--family"},
        {"--dir"},
        {"designation", "a", "b"},
        {"--script", "-", "designation"},
        {"--script", "-", "--family", "100"},
        {"--bogus", "designation"},
        {"designation", "\xFF"},
        {"--script", "/nonexistent/script"},
    };
    for (const auto& args : cas) {
        const Sortie s = LancerQuery(args);
        EXPECT_EQ(s.statut, 2) << ::testing::PrintToString(args);
        EXPECT_EQ(s.out, "") << ::testing::PrintToString(args);
        EXPECT_NE(s.err, "") << ::testing::PrintToString(args);
    }
    EXPECT_NE(LancerQuery({"colour"}).err.find("usage: talix-query"), std::string::npos);
}

} // namespace
} // namespace talix
