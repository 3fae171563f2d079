#include "platform/Base64.h"
#include "platform/CNumber.h"
#include "platform/Utf8.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

// "Größe" is G r C3 B6 C3 9F e: two 2-byte characters among ASCII ones.
TEST(Utf8, CutsBeforeACharacterThatDoesNotFitWhole) {
    const std::string text = "Gr\xC3\xB6\xC3\x9F"
                             "e";
    struct Case {
        std::size_t maxBytes;
        std::size_t expected;
    };
    const Case cases[] = {{0, 0}, {2, 2}, {3, 2}, {4, 4}, {5, 4}, {6, 6}, {7, 7}, {100, 7}};
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8PrefixLength(text, c.maxBytes), c.expected) << c.maxBytes;
    }
    // A 4-byte character (U+1F600) is kept whole or dropped whole.
    const std::string emoji = "a\xF0\x9F\x98\x80";
    EXPECT_EQ(Utf8PrefixLength(emoji, 4), 1U);
    EXPECT_EQ(Utf8PrefixLength(emoji, 5), 5U);
    // A field of capacity n keeps n - 1 bytes for the terminating zero.
    EXPECT_EQ(Utf8Bounded(text, 5), "Gr\xC3\xB6");
    EXPECT_EQ(Utf8Bounded(text, 4), "Gr");
    EXPECT_EQ(Utf8Bounded(text, 0), "");
}

TEST(Base64, KnownVectorsAndRoundTrip) {
    // RFC 4648 test vectors.
    const std::pair<std::string, std::string> vectors[] = {{"", ""},
                                                           {"f", "Zg=="},
                                                           {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},
                                                           {"foob", "Zm9vYg=="},
                                                           {"fooba", "Zm9vYmE="},
                                                           {"foobar", "Zm9vYmFy"}};
    for (const auto& [plain, coded] : vectors) {
        EXPECT_EQ(Base64Encode(reinterpret_cast<const unsigned char*>(plain.data()), plain.size()),
                  coded);
        const auto decoded = Base64Decode(coded);
        ASSERT_TRUE(decoded.has_value()) << coded;
        EXPECT_EQ(std::string(decoded->begin(), decoded->end()), plain);
    }
    std::vector<unsigned char> all(256);
    for (int i = 0; i < 256; ++i) {
        all[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    }
    EXPECT_EQ(Base64Decode(Base64Encode(all.data(), all.size())), all);
    // Line-wrapped blocks are accepted.
    EXPECT_EQ(Base64Decode("Zm9v\nYmFy\r\n"), Base64Decode("Zm9vYmFy"));
}

TEST(Base64, RefusesWhatIsNotBase64) {
    for (const char* bad : {"Zm9", "Zm9v!mFy", "Z===", "Zg==Zm9v", "Zm=v", "====", "Zg=a"}) {
        EXPECT_FALSE(Base64Decode(bad).has_value()) << bad;
    }
}

TEST(CNumber, ParsesInTheCLocaleOnly) {
    const std::pair<const char*, double> good[] = {{"1.5", 1.5},     {" 2 ", 2.0},    {"+3", 3.0},
                                                   {"-0.25", -0.25}, {"1e3", 1000.0}, {"7.", 7.0}};
    for (const auto& [text, value] : good) {
        ASSERT_TRUE(CNumber_ParseDouble(text).has_value()) << text;
        EXPECT_DOUBLE_EQ(*CNumber_ParseDouble(text), value) << text;
    }
    for (const char* bad : {"", " ", "abc", "1,5", "1.5m", "--1", "+-1", "nan", "inf", "1e999"}) {
        EXPECT_FALSE(CNumber_ParseDouble(bad).has_value()) << bad;
    }
    const std::pair<const char*, int> goodInt[] = {
        {"7", 7}, {" -4 ", -4}, {"+12", 12}, {"2.0", 2}, {"1e2", 100}, {"2147483647", 2147483647}};
    for (const auto& [text, value] : goodInt) {
        ASSERT_TRUE(CNumber_ParseInt(text).has_value()) << text;
        EXPECT_EQ(*CNumber_ParseInt(text), value) << text;
    }
    for (const char* bad : {"2.5", "1e10", "2147483648", "x1", "1 2", ""}) {
        EXPECT_FALSE(CNumber_ParseInt(bad).has_value()) << bad;
    }
}

TEST(CNumber, FormatReadsBackExactly) {
    for (double v :
         {0.0, 0.1, -123456.789, 1.0 / 3.0, 1e-300, 2.5e17, std::numeric_limits<double>::max()}) {
        const auto back = CNumber_ParseDouble(CNumber_FormatDouble(v));
        ASSERT_TRUE(back.has_value()) << v;
        EXPECT_EQ(*back, v);
    }
    EXPECT_EQ(CNumber_FormatDouble(1.5), "1.5");
    EXPECT_EQ(CNumber_FormatDouble(-2.0), "-2");
}
