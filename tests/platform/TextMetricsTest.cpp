#include "platform/TextMetrics.h"

#include <gtest/gtest.h>

// Advance widths of Liberation Sans (and Arial) in font units of an em of 2048; a
// cell of 2288 device units is an em of 2048 units, so advances come out unscaled.
TEST(TextMetrics, WidthsAreTheFontsAdvancesSummedPerGlyph) {
    const TextFont unscaled{2288, false};
    struct Case {
        const char* text;
        int width;
    };
    const Case cases[] = {
        {"A", 1366},
        {"Hallo", 1479 + 1139 + 455 + 455 + 1139},
        {"GW", 1593 + 1933},
        {"a&b", 1139 + 1366 + 1139}, // '&' is a character, no prefix
        {"\xC3\x84", 1366},          // A umlaut, as wide as A
        {"\xE2\x82\xAC", 1139},      // beyond the table: the width of '?'
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextWidth(c.text, unscaled), c.width) << c.text;
    }
    EXPECT_GT(TextWidth("Hallo", {2288, true}), TextWidth("Hallo", unscaled));
}

TEST(TextMetrics, EachAdvanceIsRoundedToWholeDeviceUnits) {
    // 16 units: A 1366 * 16 / 2288 = 9.55 -> 10, i 455 * 16 / 2288 = 3.18 -> 3.
    const TextFont font{16, false};
    EXPECT_EQ(TextGlyphAdvance(U'A', font), 10);
    EXPECT_EQ(TextGlyphAdvance(U'i', font), 3);
    EXPECT_EQ(TextWidth("iiii", font), 12); // not round(4 * 3.18) = 13
    const std::vector<int> dx = TextGlyphAdvances(TextCodePoints("Ai"), font);
    EXPECT_EQ(dx, (std::vector<int>{10, 3}));
    EXPECT_EQ(TextHeight(font), 16);
    // The default font, and a height below 1 taken as 1.
    EXPECT_EQ(TextHeight(TextFont{}), kDefaultFontCellHeight);
    EXPECT_EQ(TextHeight({0, false}), 1);
}

TEST(TextMetrics, InvalidUtf8BytesCountAsLatin1Characters) {
    EXPECT_EQ(TextCodePoints("a\xC4"), (std::u32string{U'a', U'\xC4'}));
    EXPECT_EQ(TextCodePoints("\xC3\xA4x"), (std::u32string{U'\xE4', U'x'}));
    // Overlong forms (a hidden NUL), surrogates and code points beyond Unicode are no
    // valid sequences either: the metafile's text never gets a NUL or half a pair.
    EXPECT_EQ(TextCodePoints(std::string("\xC0\x80", 2)), (std::u32string{U'\xC0', U'\x80'}));
    EXPECT_EQ(TextCodePoints("\xED\xA0\x80"), (std::u32string{U'\xED', U'\xA0', U'\x80'}));
    EXPECT_EQ(TextCodePoints("\xF4\x90\x80\x80").size(), 4u);
    EXPECT_EQ(TextCodePoints("\xF0\x9F\x98\x80"), (std::u32string{U'\U0001F600'}));
}
