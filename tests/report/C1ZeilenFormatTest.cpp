#include "report/C1ZeilenFormat.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <vector>

namespace {

std::string Format(std::string_view format, std::vector<C1Wert> values) {
    return FormatZeile(format, values);
}

// Expected texts are what C's printf writes for the same conversion and value, but
// that a value which rounds to zero is printed without a sign.
TEST(FormatZeile, ConversionsAsPrintfWritesThem) {
    const struct {
        const char* format;
        std::vector<C1Wert> values;
        const char* expected;
    } cases[] = {
        {"%6.2f", {3.14159}, "  3.14"},
        {"%3d", {7}, "  7"},
        {"%2d", {123}, "123"},              // wider than the field: nothing is cut
        {"%6.2f", {12345.678}, "12345.68"}, // likewise
        {"%6.2f", {-0.001}, "  0.00"},      // a value that rounds to zero has no sign
        {"%5.1f", {-0.0}, "  0.0"},
        {"%6.3f", {-0.0004}, " 0.000"},
        {"%6.2f", {-0.005}, " -0.01"}, // -0.005 is stored just beyond, as printf rounds it
        {"%6.2f", {-0.004}, "  0.00"},
        {"%4.0f", {-0.4}, "   0"},
        {"%5.1f", {3}, "  3.0"},       // a whole number for a real conversion
        {"%7.1f", {2.25}, "    2.2"},  // round half to even, as printf does
        {"%6.3f", {1.0005}, " 1.000"}, // 1.0005 is stored just below
        {"%s|%s", {"a", "b"}, "a|b"},
        {"%d", {-42}, "-42"},
        {"%.2f", {0.5}, "0.50"},
        {"um %3d %% erh", {20}, "um  20 % erh"},
        {"100 % sicher", {}, "100 % sicher"}, // a lone per cent sign stands for itself
        {"%5x %s", {"t"}, "%5x t"},           // unknown conversions too
        {"%", {}, "%"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Format(c.format, c.values), c.expected) << c.format;
    }
}

TEST(FormatZeile, MissingValuesRenderEmptyAndSurplusOnesAreIgnored) {
    EXPECT_EQ(Format("a%3db%6.2fc%sd", {}), "abcd");
    EXPECT_EQ(Format("a%3db%6.2fc", {1}), "a  1bc");
    EXPECT_EQ(Format("%3d", {1, 2, "x"}), "  1");
}

// A real that is no number (a quotient over zero, a sum with one in it) shows as an
// empty field, as a missing value does, never as "inf" or "nan".
TEST(FormatZeile, RealThatIsNoNumberRendersEmpty) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(Format("a%6.2fb%5.1fc%6.2fd", {inf, -inf, nan}), "abcd");
    EXPECT_EQ(Format("%3d|%6.2f|%6.2f", {1, nan, 2.5}), "  1||  2.50");
}

TEST(FormatZeile, WrongKindOfValueIsRefused) {
    EXPECT_THROW(Format("%3d", {1.5}), C1Exception);
    EXPECT_THROW(Format("%s", {3}), C1Exception);
    EXPECT_THROW(Format("%6.2f", {"x"}), C1Exception);
}

TEST(FormatZeile, NumbersIgnoreTheProcessLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old != nullptr ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_NUMERIC, "de_DE") == nullptr) {
        GTEST_SKIP() << "no German locale installed";
    }
    EXPECT_EQ(Format("%6.2f", {3.14159}), "  3.14");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FormatZeile, CountsConversionsThatTakeValues) {
    EXPECT_EQ(CountConversions("a %3d %% %6.2f %s % x"), 3);
    EXPECT_EQ(CountConversions("kein Feld"), 0);
}

TEST(CutTemplate, NeverInsideAConversionOrCharacter) {
    const struct {
        const char* format;
        std::size_t limit;
        const char* expected;
    } cases[] = {
        {"abc%6.2fxyz", 3, "abc"},
        {"abc%6.2fxyz", 4, "abc%6.2f"},
        {"abc%6.2fxyz", 6, "abc%6.2f"},
        {"abc%6.2fxyz", 8, "abc%6.2f"},
        {"abc%6.2fxyz", 9, "abc%6.2fx"},
        {"ab%%cd", 3, "ab%%"},
        {"a\xC3\xA4"
         "b",
         2, "a\xC3\xA4"},
        {"short", 200, "short"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CutTemplate(c.format, c.limit), c.expected) << c.format << " " << c.limit;
    }
}

} // namespace
