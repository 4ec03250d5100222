// What the compiler stores comes back, field by field, through the application's own
// reader: LireFiche, DecoderFiche, PublierFiche.

#include <gtest/gtest.h>

#include "Converter.h"
#include "SourcesTalixc.h"
#include "database/Base.h"
#include "session/Enregistreurs.h"
#include "support/Fixtures.h"
#include "texte/SystemeFichiers.h"

namespace talixc::test {
namespace {

using talix::test::ADroite;
using talix::test::Cadre;

// Windows-1252 bytes of the accented letters used below.
const std::string o_uml = "\xF6", u_uml = "\xFC", e_grave = "\xE8", e_acute = "\xE9",
                  a_grave = "\xE0", degree = "\xB0", pound = "\xA3";

const std::string Stainless = FileText(
    GradeText({{"din", "\"X5CrNi18-10\""},
               {"bs", "\"304S31\""},
               {"aisi", "\"304\""},
               {"uns", "\"S30400\""},
               {"des", "[\"Z7CN18-09\", \"B\u00f6hler A500 | \u00fc\", \"Cr\u00e8me \u00e9 \u00e0\", "
                       "\"SUS304\", \"1.4301~\"]"},
               {"comment", "\"Fe=rem \u00b0 \u00a3\""},
               {"chem", "{ C = [0, 0.07], Cr = [17.5, 19.5], Ni = [8, 10.5], Mo = [2, 2], "
                        "N = [0.11, 0] }"}},
              "[[grade.cond]]\netat = \"HYP\"\nheat = \"1000/1100\"\nrm = [500, 700]\n"
              "rp = 190\na = 45\nhardness = 215\n"
              "[[grade.cond]]\netat = \"ETA\"\nheat = \"1050\u00b0C\"\nrm = [515, 0]\n"
              "rp = 205\na = 8\n"
              "[[grade.cond]]\netat = \"VIE\"\nheat = \"480\"\n"),
    "200");

const std::string Aluminium = FileText(GradeText({{"afnor", "\"EN AW-1050A\""},
                                                  {"werkstoff", "\"3.0255\""},
                                                  {"nature", "\"ALUMINIUM ALLOY\""},
                                                  {"density", "\"2.70\""}}),
                                       "500");

class FicheCompilee : public ::testing::Test {
protected:
    void SetUp() override {
        const Catalogue c =
            CompileValid({{"a/stainless.toml", Stainless}, {"b/aluminium.toml", Aluminium}});
        WriteCatalogue(dir_.Chemin(), c);
    }

    // Record `n` as the application shows it.
    talix::Fiche Publiee(std::int32_t n) {
        talix::Fiche lue = base_.LireFiche(n);
        talix::Fiche decodee = base_.DecoderFiche(lue);
        decodee_ = decodee;
        talix::Fiche copie;
        base_.PublierFiche(decodee, copie);
        return copie;
    }

    talix::test::RepertoireTemporaire dir_;
    talix::SystemePosix systeme_;
    talix::FenetresEnregistreuses fenetres_;
    talix::Base base_{systeme_, fenetres_, dir_.Chemin()};
    talix::Fiche decodee_;
};

TEST_F(FicheCompilee, EveryFieldComesBackAsWritten) {
    const talix::Fiche f = Publiee(1);
    EXPECT_TRUE(fenetres_.montrees.empty());
    EXPECT_EQ(f.Afnor, Cadre("X5CrNi18-10", 28));
    EXPECT_EQ(f.Werkstoff, Cadre("1.4301", 28));
    EXPECT_EQ(f.Din, Cadre("X5CrNi18-10", 28));
    EXPECT_EQ(f.Bs, Cadre("304S31", 28));
    EXPECT_EQ(f.Aisi, Cadre("304", 28));
    EXPECT_EQ(f.Uns, Cadre("S30400", 28));
    EXPECT_EQ(f.Nature, Cadre("AUSTENITIC STAINLESS STEEL", 28));
    EXPECT_EQ(f.Des1, Cadre("Z7CN18-09", 28));
    EXPECT_EQ(f.Des2, Cadre("B" + o_uml + "hler A500 | " + u_uml, 28));
    EXPECT_EQ(f.Des3, Cadre("Cr" + e_grave + "me " + e_acute + " " + a_grave, 28));
    EXPECT_EQ(f.Des4, Cadre("SUS304", 28));
    EXPECT_EQ(f.Des5, Cadre("1.4301~", 28));
    EXPECT_EQ(f.Reserve, std::string(28, ' '));
    EXPECT_EQ(f.Famille, "200");
    EXPECT_EQ(f.Commentaire, Cadre("Fe=rem " + degree + " " + pound, 20));
    EXPECT_EQ(f.Densite, "7.90 ");

    EXPECT_EQ(f.Chimie[talix::C].Min, "  .000");
    EXPECT_EQ(f.Chimie[talix::C].Max, "  .070");
    EXPECT_EQ(f.Chimie[talix::Cr].Min, "17.500");
    EXPECT_EQ(f.Chimie[talix::Cr].Max, "19.500");
    EXPECT_EQ(f.Chimie[talix::Ni].Min, " 8.000");
    EXPECT_EQ(f.Chimie[talix::Ni].Max, "10.500");
    EXPECT_EQ(f.Chimie[talix::Mo].Min, " 2.000");
    EXPECT_EQ(f.Chimie[talix::Mo].Max, " 2.000");
    EXPECT_EQ(f.Chimie[talix::N].Min, "  .110");
    EXPECT_EQ(f.Chimie[talix::N].Max, "  .000");
    EXPECT_EQ(f.Chimie[talix::Fe].Min, "  .000");
    EXPECT_EQ(f.Chimie[talix::Fe].Max, "  .000");

    const talix::EtatMeca premier{"HYP", "1000/1100", " 500", " 700", " 190", "45", "   215"};
    const talix::EtatMeca second{"ETA", Cadre("1050" + degree + "C", 9), " 515", "    ", " 205",
                                 " 8", "      "};
    EXPECT_EQ(f.Meca[0], premier);
    EXPECT_EQ(f.Meca[1], second);
    EXPECT_EQ(f.Etat3, "VIE");
    EXPECT_EQ(f.Chauffe3, "480 ");
}

TEST_F(FicheCompilee, DisplayTextsAreStoredInTheOldCodePage) {
    Publiee(1);
    // Before the conversion of the display texts: é, è, à, ö, ü, |, ° and £ in their stored bytes.
    EXPECT_EQ(decodee_.Des2, Cadre("B\x94hler A500 \xBA \x81", 28));
    EXPECT_EQ(decodee_.Des3, Cadre("Cr\x8Ame \x82 \x85", 28));
    EXPECT_EQ(decodee_.Commentaire, Cadre("Fe=rem \xF8 \x9C", 20));
    // Texts that are not converted keep Windows-1252.
    EXPECT_EQ(decodee_.Meca[1].Chauffe, Cadre("1050" + degree + "C", 9));
}

TEST_F(FicheCompilee, RecordsFollowTheSourcesAndFillTheFile) {
    const talix::Fiche f = Publiee(2);
    EXPECT_EQ(f.Afnor, Cadre("EN AW-1050A", 28));
    EXPECT_EQ(f.Famille, "500");
    EXPECT_EQ(f.Densite, "2.70 ");
    EXPECT_EQ(f.Meca[0], (talix::EtatMeca{"   ", std::string(9, ' '), "    ", "    ", "    ", "  ",
                                          "      "}));
    EXPECT_EQ(f.Des1, std::string(28, ' '));
    EXPECT_EQ(talix::test::LireOctets(dir_.Fichier("Talix")).size(), 2 * talix::TailleFicheBrute);
}

TEST(Formats, AmountsHaveThreeDecimalsAndNoLeadingZero) {
    const std::pair<double, const char*> cases[] = {
        {18.5, "18.500"}, {2, " 2.000"}, {0.03, "  .030"}, {0, "  .000"},
        {0.045, "  .045"}, {99.999, "99.999"}, {10.105, "10.105"}, {0.001, "  .001"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatAmount(value), text) << value;
    }
}

TEST(Formats, WholeNumbersAreRightAlignedAndZeroIsBlank) {
    EXPECT_EQ(FormatWhole(500, 4), " 500");
    EXPECT_EQ(FormatWhole(1200, 4), "1200");
    EXPECT_EQ(FormatWhole(8, 2), " 8");
    EXPECT_EQ(FormatWhole(0, 6), "      ");
    EXPECT_EQ(FormatWhole(200, 3), "200");
}

} // namespace
} // namespace talixc::test
