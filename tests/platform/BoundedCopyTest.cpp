#include "platform/BoundedCopy.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(BoundedCopy, CutsOnCharacterBoundary) {
    // "ä" is 2 bytes (C3 A4), "€" 3 bytes (E2 82 AC), U+1F600 4 bytes (F0 9F 98 80).
    // A buffer of n bytes holds n - 1 bytes of text; a character that would be split
    // at that point goes as a whole.
    const struct {
        const char* text;
        std::size_t size;
        const char* expected;
    } cases[] = {
        {"abc", 10, "abc"},
        {"abc", 4, "abc"},
        {"abcd", 4, "abc"},
        {"abc", 1, ""},
        {"a\xC3\xA4", 3, "a"},         // room for 2 bytes: "ä" would be halved
        {"a\xC3\xA4", 4, "a\xC3\xA4"}, // exactly fits
        {"\xE2\x82\xAC", 3, ""},       // 2 bytes of a 3-byte character
        {"x\xE2\x82\xACy", 5, "x\xE2\x82\xAC"},
        {"\xF0\x9F\x98\x80z", 4, ""}, // 3 bytes of a 4-byte character
        {"\xF0\x9F\x98\x80z", 5, "\xF0\x9F\x98\x80"},
    };
    for (const auto& c : cases) {
        char buffer[16];
        std::memset(buffer, 'X', sizeof buffer);
        const std::size_t n = QEL_CopyBounded(c.text, buffer, c.size);
        EXPECT_STREQ(buffer, c.expected) << c.text << " size " << c.size;
        EXPECT_EQ(n, std::strlen(c.expected));
        EXPECT_EQ(buffer[c.size], 'X') << "wrote past the buffer";
    }
}

TEST(BoundedCopy, NoBufferTakesNothing) {
    char buffer[4] = {'X', 'X', 'X', 'X'};
    EXPECT_EQ(QEL_CopyBounded("abc", buffer, 0), 0u);
    EXPECT_EQ(buffer[0], 'X');
    EXPECT_EQ(QEL_CopyBounded("abc", nullptr, 4), 0u);
}

} // namespace
