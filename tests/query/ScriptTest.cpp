// talix-query, script mode: one JSON object per command, exactly the engine's state.
#include <gtest/gtest.h>

#include "BaseQuery.h"
#include "Lanceur.h"
#include "MiniJson.h"
#include "report/Rapport.h"
#include "sheets/Feuilles.h"
#include "texte/Cp1252.h"

namespace talix {
namespace {

using namespace talix::test;

using Noms = std::vector<std::string>;

struct Resultat {
    int statut;
    std::vector<Json> objets;
};

Resultat Script(const std::string& dir, const std::string& script) {
    const Sortie s = LancerQuery({"--dir", dir, "--script", "-"}, script);
    Resultat r{s.statut, {}};
    for (const std::string& ligne : s.lignes) {
        r.objets.push_back(ParseJson(ligne)); // throws on invalid JSON
    }
    return r;
}

Noms Chaines(const Json& tableau) {
    Noms n;
    for (const Json& j : tableau.arr()) {
        n.push_back(j.str());
    }
    return n;
}

std::string U(const std::string& cp1252) {
    return Cp1252VersUtf8(cp1252);
}

// Every row and cell of the object equals the sheets `f`, converted to UTF-8.
void VerifierFeuilles(const Json& o, const Feuilles& f) {
    const auto& rows = o["rows"].arr();
    ASSERT_EQ(rows.size(), 13u);
    for (std::size_t i = 0; i < 13; ++i) {
        const LigneDesignation& l = f.Designations.lignes[i];
        EXPECT_EQ(rows[i].keys(), (Noms{"caption", "value", "yellow", "visible"}));
        EXPECT_EQ(rows[i]["caption"].str(), U(l.caption)) << i;
        EXPECT_EQ(rows[i]["value"].str(), U(l.value)) << i;
        EXPECT_EQ(rows[i]["yellow"].boolean(), l.jaune()) << i;
        EXPECT_EQ(rows[i]["visible"].boolean(), l.visible) << i;
    }
    const auto& chimie = o["chemistry"]["cells"].arr();
    ASSERT_EQ(chimie.size(), 11u);
    for (std::size_t r = 0; r < 11; ++r) {
        ASSERT_EQ(chimie[r].arr().size(), 7u);
        for (std::size_t c = 0; c < 7; ++c) {
            EXPECT_EQ(chimie[r][c].str(), U(f.Chimie.cellules[r + 1][c])) << r << "," << c;
        }
    }
    EXPECT_EQ(o["chemistry"]["density"].str(), U(f.Chimie.densite));
    EXPECT_EQ(o["chemistry"]["comment"].str(), U(f.Chimie.commentaire));
    const auto& meca = o["mechanics"]["cells"].arr();
    ASSERT_EQ(meca.size(), 3u);
    for (std::size_t r = 0; r < 3; ++r) {
        ASSERT_EQ(meca[r].arr().size(), 7u);
        for (std::size_t c = 0; c < 7; ++c) {
            EXPECT_EQ(meca[r][c].str(), U(f.Meca.cellules[r][c])) << r << "," << c;
        }
    }
}

const Noms ClesEtat = {"command", "windows", "errorDetail", "message", "ended",     "family",
                       "kind",    "record",  "line",        "rows",    "chemistry", "mechanics"};

class ScriptMode : public ::testing::Test {
protected:
    void SetUp() override { EcrireBaseQuery(dir.Chemin()); }
    RepertoireTemporaire dir;
};

TEST_F(ScriptMode, StateBeforeAnySearch) {
    const Resultat r = Script(dir.Chemin(), "tolerance 50\n");
    EXPECT_EQ(r.statut, 0);
    ASSERT_EQ(r.objets.size(), 1u);
    const Json& o = r.objets[0];
    EXPECT_EQ(o.keys(), ClesEtat);
    EXPECT_EQ(o["command"].str(), "tolerance 50");
    EXPECT_EQ(Chaines(o["windows"]), Noms{});
    EXPECT_TRUE(o["errorDetail"].isNull());
    EXPECT_TRUE(o["message"].isNull());
    EXPECT_FALSE(o["ended"].boolean());
    EXPECT_EQ(o["family"].number(), -1);
    EXPECT_EQ(o["kind"].number(), 0);
    EXPECT_EQ(o["record"].number(), 0);
    EXPECT_EQ(o["line"].number(), 0);
    EXPECT_EQ(o["rows"][12]["caption"].str(), "ARemplir");
    EXPECT_FALSE(o["rows"][12]["visible"].boolean());
    EXPECT_EQ(o["rows"][1]["caption"].str(), "Werkstoff N\u00B0 (DIN or EN)");
    EXPECT_EQ(o["chemistry"].keys(), (Noms{"cells", "density", "comment"}));
    VerifierFeuilles(o, Feuilles());
}

TEST_F(ScriptMode, DesignationSearchShowsTheGrade) {
    const Resultat r = Script(dir.Chemin(), "search designation 1.1111\n");
    ASSERT_EQ(r.objets.size(), 1u);
    const Json& o = r.objets[0];
    EXPECT_EQ(Chaines(o["windows"]), Noms{});
    EXPECT_EQ(o["record"].number(), 1);
    EXPECT_EQ(o["line"].number(), 1);
    EXPECT_EQ(o["kind"].number(), 0);
    EXPECT_TRUE(o["rows"][1]["yellow"].boolean());
    Feuilles f;
    f.AfficherFiche(Publiee(GradeA()), Cle("1.1111"), 2, 0);
    VerifierFeuilles(o, f);
}

TEST_F(ScriptMode, GarbageGradeConvertedExactly) {
    const Resultat r = Script(dir.Chemin(), "search designation GARBAGE~\n");
    ASSERT_EQ(r.objets.size(), 1u);
    const Json& o = r.objets[0];
    EXPECT_EQ(o["record"].number(), 3);
    // Stored 0x82 and 0x81 are shown as e-acute and u-umlaut; quotes, backslash and
    // control bytes survive the JSON escaping.
    EXPECT_EQ(o["rows"][0]["value"].str(), "GARBAGE\"\\\x01\u00E9\u00FC~&" + std::string(14, ' '));
    EXPECT_EQ(o["mechanics"]["cells"][0][1].str(), "\u0081\u008D\"\\\t\n\u0090\u009D ");
    EXPECT_EQ(o["mechanics"]["cells"][2][1].str(), std::string("z\0z\x01", 4));
    EXPECT_EQ(o["mechanics"]["cells"][0][3].str(), "n/a ");
    Feuilles f;
    f.AfficherFiche(Publiee(GradeGarbage()), Cle("GARBAGE~"), 1, 0);
    VerifierFeuilles(o, f);
}

TEST_F(ScriptMode, FamilyAndPropertySearches) {
    const Resultat r =
        Script(dir.Chemin(), "family 200\nsearch hardness 220\ntolerance 50\nsearch tensile 700\n");
    ASSERT_EQ(r.objets.size(), 4u);
    EXPECT_EQ(r.objets[0]["family"].number(), 200);
    const Json& durete = r.objets[1];
    EXPECT_EQ(durete["kind"].number(), 1);
    EXPECT_EQ(durete["record"].number(), 2);
    EXPECT_EQ(durete["rows"][12]["caption"].str(), "Max. hardeness ");
    EXPECT_EQ(durete["rows"][12]["value"].str(), "   220");
    EXPECT_TRUE(durete["rows"][12]["yellow"].boolean());
    Feuilles f;
    f.AfficherFiche(Publiee(GradeB()), "220", 0, 1);
    VerifierFeuilles(durete, f);
    const Json& resistance = r.objets[3];
    EXPECT_EQ(resistance["kind"].number(), 2);
    EXPECT_EQ(resistance["family"].number(), 200);
    EXPECT_EQ(resistance["rows"][12]["caption"].str(), "Tensile strength (Rm)");
    EXPECT_EQ(resistance["rows"][12]["value"].str(), "De 600 \u00E0 750 Mpa");
    EXPECT_TRUE(resistance["rows"][12]["visible"].boolean());
}

TEST_F(ScriptMode, BadCommandsAreReportedAndTheScriptGoesOn) {
    const Resultat r =
        Script(dir.Chemin(), "bogus\nfamily 0\nfamily\nsearch colour x\nnext now\nreport\n"
                             "\n# a comment\nsearch designation 2.2222\n\xFF\xFE odd\n");
    EXPECT_EQ(r.statut, 0);
    ASSERT_EQ(r.objets.size(), 8u);
    const Noms commandes = {"bogus", "family 0", "family", "search colour x", "next now", "report"};
    for (std::size_t i = 0; i < commandes.size(); ++i) {
        EXPECT_EQ(r.objets[i].keys(), (Noms{"command", "error"})) << i;
        EXPECT_EQ(r.objets[i]["command"].str(), commandes[i]);
        EXPECT_FALSE(r.objets[i]["error"].str().empty());
    }
    EXPECT_EQ(r.objets[6]["record"].number(), 2);
    EXPECT_EQ(r.objets[7]["command"].str(), "\uFFFD\uFFFD odd");
}

TEST_F(ScriptMode, CrLfLinesAndEmptySearchText) {
    const Resultat r = Script(dir.Chemin(), "search designation 1.1111\r\nsearch designation\r\n");
    ASSERT_EQ(r.objets.size(), 2u);
    EXPECT_EQ(r.objets[0]["command"].str(), "search designation 1.1111");
    EXPECT_EQ(r.objets[0]["record"].number(), 1);
    EXPECT_EQ(r.objets[1]["command"].str(), "search designation");
    EXPECT_EQ(r.objets[1]["kind"].number(), 0);
}

std::string Joindre(const std::vector<std::string>& lignes) {
    std::string texte;
    for (const std::string& l : lignes) {
        texte += l + "\r\n";
    }
    return texte;
}

TEST_F(ScriptMode, ReportIsWrittenOnceAndNewBlanksTheGrade) {
    RepertoireTemporaire sortie;
    EcrireOctets(sortie.Fichier("mine.txt"), "mine");
    const Resultat r =
        Script(dir.Chemin(), "search designation 1.1111\nreport " + sortie.Fichier("a.txt") +
                                 "\nreport " + sortie.Fichier("mine.txt") + "\nnew\nreport " +
                                 sortie.Fichier("blank.txt") + "\n");
    EXPECT_EQ(r.statut, 0);
    ASSERT_EQ(r.objets.size(), 5u);
    for (const Json& o : r.objets) {
        EXPECT_EQ(Chaines(o["windows"]), Noms{});
    }
    EXPECT_EQ(LireOctets(sortie.Fichier("a.txt")), Joindre(LignesRapport(Publiee(GradeA()))));
    EXPECT_EQ(LireOctets(sortie.Fichier("mine.txt")), "mine");
    EXPECT_EQ(r.objets[3]["family"].number(), -1);
    EXPECT_EQ(LireOctets(sortie.Fichier("blank.txt")), Joindre(LignesRapport(FicheBlanche())));
}

TEST_F(ScriptMode, FailedReportEndsTheScript) {
    const Resultat r =
        Script(dir.Chemin(), "search designation 1.1111\nreport " + dir.Fichier("missing/A1.txt") +
                                 "\nsearch designation 2.2222\n");
    EXPECT_EQ(r.statut, 3);
    ASSERT_EQ(r.objets.size(), 2u);
    EXPECT_EQ(Chaines(r.objets[1]["windows"]), Noms{"TFicheErreur"});
    EXPECT_TRUE(r.objets[1]["ended"].boolean());
    EXPECT_TRUE(r.objets[1]["errorDetail"].isNull());
}

TEST_F(ScriptMode, DatabaseErrorCarriesItsDetail) {
    const Resultat r = Script(dir.Chemin(), "search designation zzz\nnext\n");
    EXPECT_EQ(r.statut, 3);
    ASSERT_EQ(r.objets.size(), 1u);
    EXPECT_EQ(Chaines(r.objets[0]["windows"]), Noms{"TErreurBase1"});
    EXPECT_EQ(r.objets[0]["errorDetail"].str(), "Erreur de lecture de la base : lecture Fiche");
    EXPECT_TRUE(r.objets[0]["ended"].boolean());
}

TEST_F(ScriptMode, StepsAndTheirNotices) {
    const Resultat r = Script(dir.Chemin(), "search designation 1.1111\nnext\nprev\nprev\n");
    ASSERT_EQ(r.objets.size(), 4u);
    EXPECT_EQ(r.objets[1]["record"].number(), 2);
    EXPECT_EQ(r.objets[1]["line"].number(), 2);
    EXPECT_EQ(r.objets[2]["record"].number(), 1);
    EXPECT_EQ(Chaines(r.objets[3]["windows"]), Noms{"TFicheDebutDonnees"});
    EXPECT_EQ(r.objets[3]["record"].number(), 1);
}

TEST(ScriptStart, FailedStartPrintsOneObjectAndEnds) {
    RepertoireTemporaire vide;
    const Resultat r = Script(vide.Chemin(), "search designation 1.1111\n");
    EXPECT_EQ(r.statut, 3);
    ASSERT_EQ(r.objets.size(), 1u);
    EXPECT_EQ(r.objets[0].keys(), ClesEtat);
    EXPECT_EQ(r.objets[0]["command"].str(), "");
    EXPECT_EQ(Chaines(r.objets[0]["windows"]), Noms{"TErreurBase1"});
    EXPECT_TRUE(r.objets[0]["ended"].boolean());
}

} // namespace
} // namespace talix
