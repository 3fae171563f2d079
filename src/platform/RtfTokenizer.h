#pragma once

#include <string_view>

// Splits RTF text into groups, control words, control symbols and plain text. The raw
// text of every token is kept, so a reader can copy what it does not change.
class RtfTokenizer {
public:
    enum class Type { GroupOpen, GroupClose, Word, Symbol, Text, End };

    struct Token {
        Type type = Type::End;
        std::string_view raw; // exactly the bytes of the token (a word's delimiting blank included)
        std::string_view word; // control word letters, or the symbol's character
        bool hasParam = false;
        long param = 0;
    };

    explicit RtfTokenizer(std::string_view text) : text(text) {}

    // The next token; End at the end of the text. The binary data of "\binN" is
    // returned as one Text token after the word. A symbol's word is empty for a
    // backslash at the very end; the raw text of "\'" holds only the hex digits that
    // follow it (fewer than two when the escape is cut short).
    Token Next();

private:
    std::string_view text;
    std::size_t pos = 0;
    long pendingBinary = 0;
};
