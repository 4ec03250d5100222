// The script runner in this process: what no script can provoke from outside, such as
// the base file vanishing between two commands.
#include <gtest/gtest.h>

#include <cstdio>

#include "BaseQuery.h"
#include "Json.h"
#include "MiniJson.h"
#include "Script.h"
#include "texte/Cp1252.h"

namespace talix {
namespace {

using namespace talix::test;
using namespace talixquery;

TEST(ScriptRunner, PlainMessageIsReportedAndEnds) {
    RepertoireTemporaire dir;
    EcrireBaseQuery(dir.Chemin());
    SystemePosix systeme;
    Journal journal;
    ServiceDocumentsEnregistreur documents;
    Session session(systeme, journal, documents, dir.Chemin());
    session.Demarrer();
    session.MontrerMenu();
    ScriptRunner runner(session, journal);
    ASSERT_TRUE(runner.Run("search designation 1.1111").has_value());
    ASSERT_EQ(std::remove(dir.Fichier("Talix").c_str()), 0);

    const auto sortie = runner.Run("search designation 2.2222");
    ASSERT_TRUE(sortie.has_value());
    const Json o = ParseJson(*sortie);
    EXPECT_EQ(o["message"].str(), "Code du Reset = 2");
    EXPECT_TRUE(o["errorDetail"].isNull());
    EXPECT_TRUE(o["ended"].boolean());
    ASSERT_FALSE(journal.Events().empty());
    EXPECT_EQ(EventLine(journal.Events().back()), "message: Code du Reset = 2");
}

TEST(ScriptRunner, EventLines) {
    EXPECT_EQ(EventLine({Fenetre::TErreurBase1, ""}), "error: Reading error of data");
    EXPECT_EQ(EventLine({Fenetre::TErreurBase1, "ne peut rien lire"}),
              "error: Reading error of data - ne peut rien lire");
    EXPECT_EQ(EventLine({Fenetre::TFicheErreur, ""}), "error: Error of execution.");
    EXPECT_EQ(EventLine({Fenetre::TFicheSousRecherche, ""}), "notice: Kind of alloy not found.");
    EXPECT_EQ(EventLine({Fenetre::TFicheFinDesDonnees, ""}), "notice: End of data");
    EXPECT_EQ(EventLine({Fenetre::TFicheDebutDonnees, ""}), "notice: Beginning of data");
    EXPECT_EQ(EventLine({std::nullopt, "caf\xE9"}), "message: caf\u00E9");
}

TEST(ScriptRunner, JsonStringsAreValidForAnyBytes) {
    std::string tous;
    for (int b = 0; b < 256; ++b) {
        tous += static_cast<char>(b);
    }
    // Every Windows-1252 byte converts to one character and back.
    const Json j = ParseJson(JsonCp1252(tous));
    EXPECT_EQ(j.str(), Cp1252VersUtf8(tous));
    // Invalid UTF-8 is replaced, never copied.
    EXPECT_EQ(ParseJson(JsonString("a\xC0\xAF"
                                   "b\xED\xA0\x80"))
                  .str(),
              "a\uFFFD\uFFFDb\uFFFD\uFFFD\uFFFD");
}

} // namespace
} // namespace talix
