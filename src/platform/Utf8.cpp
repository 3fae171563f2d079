#include "platform/Utf8.h"

namespace {

// Continuation bytes of a multi-byte character look like 10xxxxxx.
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

} // namespace

std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text.size();
    }
    std::size_t length = maxBytes;
    // The byte at the cut starts the first character left out; while it continues a
    // character, that character's lead byte lies before the cut and must go too.
    while (length > 0 && IsContinuationByte(text[length])) {
        --length;
    }
    return length;
}

std::string Utf8Bounded(std::string_view text, std::size_t capacity) {
    if (capacity < 1) {
        return std::string();
    }
    return std::string(text.substr(0, Utf8PrefixLength(text, capacity - 1)));
}

std::string TextOf(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}
