// The one conversion between Windows-1252 and Unicode.
#include <gtest/gtest.h>

#include "texte/Cp1252.h"

namespace talix {
namespace {

TEST(Cp1252, ConvertitLesOctetsSignificatifs) {
    EXPECT_EQ(Cp1252VersUtf8("abc"), "abc");
    EXPECT_EQ(Cp1252VersUtf8("\xE9"), "\xC3\xA9");        // é
    EXPECT_EQ(Cp1252VersUtf8("\xB0"), "\xC2\xB0");        // °
    EXPECT_EQ(Cp1252VersUtf8("\xA6"), "\xC2\xA6");        // ¦
    EXPECT_EQ(Cp1252VersUtf8("\x80"), "\xE2\x82\xAC");    // €
    EXPECT_EQ(Cp1252VersUtf8("\x99"), "\xE2\x84\xA2");    // ™
    EXPECT_EQ(Cp1252VersUtf8(std::string(1, '\0')), std::string(1, '\0'));
}

TEST(Cp1252, AllerRetourSurLesOctetsDefinis) {
    for (int b = 1; b < 256; ++b) {
        if (b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            continue;
        }
        const std::string octet(1, static_cast<char>(b));
        const auto retour = Utf8VersCp1252(Cp1252VersUtf8(octet));
        ASSERT_TRUE(retour.has_value()) << b;
        EXPECT_EQ(*retour, octet) << b;
    }
}

TEST(Cp1252, RefuseCeQueLeJeuNePeutPasTenir) {
    EXPECT_FALSE(Utf8VersCp1252("\xE2\x88\x9A").has_value()); // √
    EXPECT_FALSE(Utf8VersCp1252("\xC3").has_value());         // cut sequence
    EXPECT_FALSE(Utf8VersCp1252("\xFF").has_value());         // not UTF-8
    EXPECT_EQ(*Utf8VersCp1252("Werkstoff N\xC2\xB0"), "Werkstoff N\xB0");
}

} // namespace
} // namespace talix
