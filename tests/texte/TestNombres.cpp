// The strict integer and the floating-point conversion of the platform layer.
#include <gtest/gtest.h>

#include <clocale>

#include "texte/Nombres.h"

namespace talix {
namespace {

TEST(EntierStrict, AccepteBlancsDevantEtSigne) {
    EXPECT_EQ(EntierStrict(" 5"), 5);
    EXPECT_EQ(EntierStrict("05"), 5);
    EXPECT_EQ(EntierStrict("42"), 42);
    EXPECT_EQ(EntierStrict("-1"), -1);
}

TEST(EntierStrict, RefuseToutLeReste) {
    for (const char* texte : {"", " ", "7 ", "4 2", "x", "+", "2147483648", "1e3", "\t1"}) {
        EXPECT_FALSE(EntierStrict(texte).has_value()) << "'" << texte << "'";
    }
}

TEST(EntierDefaut, RendLeDefautQuandLaConversionEchoue) {
    EXPECT_EQ(EntierDefaut("x", -9), -9);
    EXPECT_EQ(EntierDefaut(" 8", -9), 8);
}

TEST(ReelStrict, LitLesNombresAvecPointEtBlancs) {
    EXPECT_DOUBLE_EQ(*ReelStrict("0.5"), 0.5);
    EXPECT_DOUBLE_EQ(*ReelStrict("   0"), 0.0);
    EXPECT_DOUBLE_EQ(*ReelStrict("12 "), 12.0);
    EXPECT_DOUBLE_EQ(*ReelStrict("-.25"), -0.25);
    EXPECT_DOUBLE_EQ(*ReelStrict("+3"), 3.0);
    EXPECT_DOUBLE_EQ(*ReelStrict("1e2"), 100.0);
    EXPECT_DOUBLE_EQ(*ReelStrict("  .000"), 0.0);
}

TEST(ReelStrict, RefuseCeQuiNEstPasUnNombre) {
    for (const char* texte :
         {"", "   ", "~500", "1050/1100", "850/900  ", "1,5", "inf", "nan", "0x10", ".", "1e",
          "--1", "1.2.3", "HB"}) {
        EXPECT_FALSE(ReelStrict(texte).has_value()) << "'" << texte << "'";
    }
}

TEST(ReelStrict, IgnoreLaLocaleDuBureau) {
    // The desktop may set a locale whose decimal separator is a comma.
    const char* ancienne = std::setlocale(LC_NUMERIC, nullptr);
    const std::string sauvegarde = ancienne ? ancienne : "C";
    if (std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    EXPECT_DOUBLE_EQ(*ReelStrict("2.5"), 2.5);
    EXPECT_FALSE(ReelStrict("2,5").has_value());
    std::setlocale(LC_NUMERIC, sauvegarde.c_str());
}

} // namespace
} // namespace talix
