#include "platform/RtfTokenizer.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::size_t kMaxWordLetters = 32;
constexpr int kMaxParamDigits = 10;
constexpr std::size_t kHexEscapeDigits = 2;

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsHexDigit(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

RtfTokenizer::Token RtfTokenizer::Next() {
    Token token;
    const std::size_t start = pos;
    if (pendingBinary > 0) {
        const std::size_t length =
            std::min<std::size_t>(static_cast<std::size_t>(pendingBinary), text.size() - pos);
        pendingBinary = 0;
        pos += length;
        token.type = Type::Text;
        token.raw = text.substr(start, length);
        return token;
    }
    if (pos >= text.size()) {
        return token;
    }
    const char c = text[pos];
    if (c == '{' || c == '}') {
        ++pos;
        token.type = c == '{' ? Type::GroupOpen : Type::GroupClose;
    } else if (c == '\\') {
        ++pos;
        if (pos < text.size() && IsLetter(text[pos])) {
            const std::size_t wordStart = pos;
            while (pos < text.size() && IsLetter(text[pos]) && pos - wordStart < kMaxWordLetters) {
                ++pos;
            }
            token.type = Type::Word;
            token.word = text.substr(wordStart, pos - wordStart);
            std::size_t p = pos;
            bool negative = false;
            if (p < text.size() && text[p] == '-' && p + 1 < text.size() && IsDigit(text[p + 1])) {
                negative = true;
                ++p;
            }
            if (p < text.size() && IsDigit(text[p])) {
                long value = 0;
                int digits = 0;
                while (p < text.size() && IsDigit(text[p])) {
                    if (digits < kMaxParamDigits) {
                        value = value * 10 + (text[p] - '0');
                    }
                    ++digits;
                    ++p;
                }
                token.hasParam = true;
                token.param = negative ? -value : value;
                pos = p;
            }
            if (pos < text.size() && text[pos] == ' ') {
                ++pos;
            }
            if (token.word == "bin" && token.hasParam && token.param > 0) {
                pendingBinary = token.param;
            }
        } else {
            token.type = Type::Symbol;
            if (pos < text.size()) {
                token.word = text.substr(pos, 1);
                ++pos;
                if (token.word == "'") {
                    // Only hex digits belong to the escape: a brace after "\'" stays a brace.
                    const std::size_t digitsEnd = std::min(pos + kHexEscapeDigits, text.size());
                    while (pos < digitsEnd && IsHexDigit(text[pos])) {
                        ++pos;
                    }
                }
            }
        }
    } else {
        while (pos < text.size() && text[pos] != '{' && text[pos] != '}' && text[pos] != '\\') {
            ++pos;
        }
        token.type = Type::Text;
    }
    token.raw = text.substr(start, pos - start);
    return token;
}
