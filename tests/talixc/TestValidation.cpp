// One case per rule of the catalogue: the broken source gives exactly one diagnostic,
// naming the file, the grade (its first designation) and the field.

#include <gtest/gtest.h>

#include "SourcesTalixc.h"

namespace talixc::test {
namespace {

struct BrokenSource {
    const char* name;
    std::string text;    // the whole file
    const char* grade;   // expected grade name ("" for the file itself)
    const char* field;
    const char* message; // a part of the expected message
};

void PrintTo(const BrokenSource& c, std::ostream* os) { *os << c.name; }

std::string Cond(const std::string& fields) { return "[[grade.cond]]\n" + fields; }

std::string Grade1(const std::map<std::string, std::string>& changes, const std::string& tail = {}) {
    return FileText(GradeText(changes, tail));
}

const std::string Long29 = "\"" + std::string(29, 'A') + "\"";

std::vector<BrokenSource> Cases() {
    return {
        {"TextLongerThanItsField", Grade1({{"afnor", Long29}}), "AAAAAAAAAAAAAAAAAAAAAAAAAAAAA",
         "afnor", "has 29 characters, the field holds 28"},
        {"CommentLongerThan20", Grade1({{"comment", "\"Fe=rem, Ni+Co balance\""}}),
         "X5CrNi18-10", "comment", "the field holds 20"},
        {"DensityLongerThan5", Grade1({{"density", "\"7.900 \""}}), "X5CrNi18-10", "density",
         "the field holds 5"},
        {"EtatLongerThan3", Grade1({}, Cond("etat = \"+QT1\"\n")), "X5CrNi18-10", "cond[1].etat",
         "the field holds 3"},
        {"HeatLongerThan9", Grade1({}, Cond("heat = \"1000-1100 C\"\n")), "X5CrNi18-10",
         "cond[1].heat", "the field holds 9"},
        {"ThirdRowHeatLongerThan4", Grade1({}, Cond("") + Cond("") + Cond("heat = \"1050C\"\n")),
         "X5CrNi18-10", "cond[3].heat", "the field holds 4"},
        {"CharacterOutsideWindows1252", Grade1({{"des", "[\"\u03b1-brass\"]"}}), "X5CrNi18-10",
         "des[1]", "is not in Windows-1252"},
        {"CharacterWhoseByteTheCodePageTakes", Grade1({{"din", "\"X5CrNi18\u201310\""}}),
         "X5CrNi18-10", "din", "uses its byte for an accented letter"},
        {"OrdinalIndicatorTakenToo", Grade1({{"comment", "\"n\u00ba 5\""}}), "X5CrNi18-10",
         "comment", "uses its byte"},
        {"LetterYDiaeresis", Grade1({{"des", "[\"\u00ffX\"]"}}), "X5CrNi18-10", "des[1]",
         "cannot be stored"},
        {"ControlCharacter", Grade1({{"comment", "\"Fe\\trem\"\n"}}), "X5CrNi18-10", "comment",
         "control character"},
        {"KeyBeginningWithTilde", Grade1({{"des", "[\"Z7CN18-09\", \"~304\"]"}}), "X5CrNi18-10",
         "des[2]", "begins with \"~\""},
        {"CompositionMinimumAboveMaximum", Grade1({{"chem", "{ Cr = [19.5, 17.5] }"}}),
         "X5CrNi18-10", "chem.Cr", "minimum 19.5 above maximum 17.5"},
        {"TensileMinimumAboveMaximum", Grade1({}, Cond("rm = [700, 500]\n")), "X5CrNi18-10",
         "cond[1].rm", "minimum 700 above maximum 500"},
        {"YieldAboveLargestTensile", Grade1({}, Cond("rm = [500, 0]\nrp = 520\n")), "X5CrNi18-10",
         "cond[1].rp", "above the largest Rm of its row, 500"},
        {"DensityOutsideFamilyRange", Grade1({{"density", "\"2.70\""}}), "X5CrNi18-10", "density",
         "outside 7.6 - 8.1"},
        {"DensityNotANumber", Grade1({{"density", "\"7,90\""}}), "X5CrNi18-10", "density",
         "is not a number"},
        {"FewerThanTwoDesignations", Grade1({{"werkstoff", ""}}), "X5CrNi18-10", "designations",
         "at least two designations with letters or digits, it has 1"},
        {"DesignationWithoutKeyDoesNotCount", Grade1({{"werkstoff", "\"-\""}}), "X5CrNi18-10",
         "designations", "it has 1"},
        {"NatureNotAKind", Grade1({{"nature", "\"STAINLESS STEAL\""}}), "X5CrNi18-10", "nature",
         "not in the list of kinds of material"},
        {"NatureMissing", Grade1({{"nature", ""}}), "X5CrNi18-10", "nature", "missing"},
        {"NatureBlank", Grade1({{"nature", "\"  \""}}), "X5CrNi18-10", "nature", "missing"},
        {"MoreThanFiveDes", Grade1({{"des", "[\"A1\", \"A2\", \"A3\", \"A4\", \"A5\", \"A6\"]"}}),
         "X5CrNi18-10", "des", "at most five further designations, not 6"},
        {"MoreThanThreeRows", Grade1({}, Cond("") + Cond("") + Cond("") + Cond("")),
         "X5CrNi18-10", "cond", "at most three rows, not 4"},
        {"ThirdRowWithProperties", Grade1({}, Cond("") + Cond("") + Cond("etat = \"VIE\"\nrp = 300\n")),
         "X5CrNi18-10", "cond[3].rp", "only etat and heat"},
        {"UnknownGradeKey", Grade1({{"afnr", "\"X5CrNi18-10\""}}), "X5CrNi18-10", "afnr",
         "unknown key"},
        {"UnknownRowKey", Grade1({}, Cond("hardnes = 200\n")), "X5CrNi18-10", "cond[1].hardnes",
         "unknown key"},
        {"UnknownFileKey", "famly = 200\n" + Grade1({}), "", "famly", "unknown key"},
        {"MoreThanThreeDecimals", Grade1({{"chem", "{ C = [0, 0.0455] }"}}), "X5CrNi18-10",
         "chem.C", "more than three decimals"},
        {"AmountOfAHundred", Grade1({{"chem", "{ Cr = [0, 100] }"}}), "X5CrNi18-10", "chem.Cr",
         "not a per cent value below 100"},
        {"NegativeAmount", Grade1({{"chem", "{ Cr = [-1, 18] }"}}), "X5CrNi18-10", "chem.Cr",
         "not a per cent value below 100"},
        {"UnknownElement", Grade1({{"chem", "{ Cr = [17, 19], Xx = [0, 1] }"}}), "X5CrNi18-10",
         "chem.Xx", "unknown element"},
        {"ElementInLowerCase", Grade1({{"chem", "{ cr = [17, 19] }"}}), "X5CrNi18-10", "chem.cr",
         "unknown element"},
        {"FamilyCodeUnknown", FileText(GradeText(), "300"), "X5CrNi18-10", "family",
         "300 is not a family code"},
        {"FamilyMissing", "sources = [\"S\"]\n" + GradeText(), "", "family", "missing"},
        {"NoSources", FileText(GradeText(), "200", ""), "X5CrNi18-10", "sources", "no source"},
        {"EmptySource", Grade1({{"sources", "[\"\"]"}}), "X5CrNi18-10", "sources", "empty source"},
        {"NumberWrittenAsText", Grade1({}, Cond("rp = \"190\"\n")), "X5CrNi18-10", "cond[1].rp",
         "must be a whole number, not a text"},
        {"NumberWithDecimals", Grade1({}, Cond("hardness = 21.5\n")), "X5CrNi18-10",
         "cond[1].hardness", "must be a whole number"},
        {"TensileNotAPair", Grade1({}, Cond("rm = 500\n")), "X5CrNi18-10", "cond[1].rm",
         "must be a pair"},
        {"DensityWrittenAsNumber", Grade1({{"density", "7.9"}}), "X5CrNi18-10", "density",
         "must be a text"},
        {"ElongationTooWide", Grade1({}, Cond("a = 100\n")), "X5CrNi18-10", "cond[1].a",
         "does not fit its field"},
        {"NegativeYield", Grade1({}, Cond("rp = -5\n")), "X5CrNi18-10", "cond[1].rp", "is negative"},
        {"TomlSyntax", Grade1({{"afnor", "\"X5CrNi18-10"}}), "", "", "TOML syntax"},
    };
}

class Validation : public ::testing::TestWithParam<BrokenSource> {};

TEST_P(Validation, NamesFileGradeAndField) {
    const BrokenSource& c = GetParam();
    std::vector<Diagnostic> problems;
    Check({{"cases/broken.toml", c.text}}, problems);
    ASSERT_EQ(problems.size(), 1u) << c.text << (problems.empty() ? "" : problems[0].Text())
                                   << (problems.size() > 1 ? "\n" + problems[1].Text() : "");
    const Diagnostic& d = problems[0];
    EXPECT_EQ(d.file, "cases/broken.toml");
    EXPECT_GT(d.line, 0);
    EXPECT_EQ(d.grade, c.grade);
    EXPECT_EQ(d.field, c.field);
    EXPECT_NE(d.message.find(c.message), std::string::npos) << d.Text();
}

INSTANTIATE_TEST_SUITE_P(EachRule, Validation, ::testing::ValuesIn(Cases()),
                         [](const auto& cas) { return std::string(cas.param.name); });

TEST(Validation, TheDefaultGradeIsValid) {
    std::vector<Diagnostic> problems;
    Check({{"ok.toml", Grade1({}, Cond("etat = \"HYP\"\nheat = \"1050\"\nrm = [500, 700]\nrp = 500\n"))}},
          problems);
    for (const Diagnostic& d : problems) {
        ADD_FAILURE() << d.Text();
    }
}

TEST(Validation, WerkstoffNumberTwiceAcrossFiles) {
    std::vector<Diagnostic> problems;
    Check({{"a.toml", Grade1({})},
           {"b.toml", Grade1({{"afnor", "\"X5CrNi18-9\""}, {"werkstoff", "\"1.4301\""}})}},
          problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].file, "b.toml");
    EXPECT_EQ(problems[0].grade, "X5CrNi18-9");
    EXPECT_EQ(problems[0].field, "werkstoff");
    EXPECT_NE(problems[0].message.find("already the werkstoff of grade X5CrNi18-10 (a.toml:"),
              std::string::npos)
        << problems[0].Text();
}

TEST(Validation, UnsNumberTwiceEvenWrittenDifferently) {
    std::vector<Diagnostic> problems;
    Check({{"a.toml", Grade1({{"uns", "\"S30400\""}}) +
                          GradeText({{"afnor", "\"X5CrNi18-9\""}, {"werkstoff", "\"1.4302\""},
                                     {"uns", "\"S 30400\""}})}},
          problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].field, "uns");
    // An approximate equivalent is another number.
    problems.clear();
    Check({{"a.toml", Grade1({{"uns", "\"S30400\""}}) +
                          GradeText({{"afnor", "\"X5CrNi18-9\""}, {"werkstoff", "\"1.4302\""},
                                     {"uns", "\"S30400~\""}})}},
          problems);
    EXPECT_TRUE(problems.empty());
}

TEST(Validation, EveryProblemIsListedNotOnlyTheFirst) {
    std::vector<Diagnostic> problems;
    Check({{"a.toml", Grade1({{"comment", "\"" + std::string(21, 'c') + "\""}},
                             Cond("rm = [700, 500]\n"))},
           {"b.toml", Grade1({{"werkstoff", "\"1.4401\""}, {"density", "\"9.99\""}})}},
          problems);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_EQ(problems[0].Text().substr(0, 8), "a.toml:9");
    EXPECT_EQ(problems[2].file, "b.toml");
}

TEST(Validation, MessageReadsFileLineGradeField) {
    std::vector<Diagnostic> problems;
    Check({{"d/x.toml", Grade1({{"density", "\"9.99\""}})}}, problems);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Text(),
              "d/x.toml:8: grade X5CrNi18-10: density: 9.99 is outside 7.6 - 8.1, the plausible "
              "range of family 200");
}

} // namespace
} // namespace talixc::test
