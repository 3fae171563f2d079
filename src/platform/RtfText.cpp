#include "platform/RtfText.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character starting at pos; advances pos. Invalid or truncated
// sequences, overlong forms and surrogates give U+FFFD and consume one byte.
char32_t DecodeUtf8(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos]);
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + i]);
        if ((c & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += extra + 1;
    return cp;
}

void AppendUnicodeUnit(std::string& out, std::uint16_t unit) {
    // RTF takes the code unit as a signed 16-bit number.
    out += "\\u";
    out += std::to_string(static_cast<std::int16_t>(unit));
    out += '?';
}

} // namespace

std::string RtfEscapeUnicode(std::string_view utf8) {
    // Most texts are ASCII and stay as they are.
    if (std::all_of(utf8.begin(), utf8.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::string(utf8);
    }
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = DecodeUtf8(utf8, pos);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x10000) {
            AppendUnicodeUnit(out, static_cast<std::uint16_t>(cp));
        } else {
            const char32_t v = cp - 0x10000;
            AppendUnicodeUnit(out, static_cast<std::uint16_t>(0xD800 + (v >> 10)));
            AppendUnicodeUnit(out, static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
    return out;
}

std::string RtfEscapeUserText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '{':
            out += "\\{";
            break;
        case '}':
            out += "\\}";
            break;
        case '|':
            out += "\\'7c";
            break;
        case '#':
            out += "\\'23";
            break;
        case '\n':
            out += "\\line ";
            break;
        case '\t':
            out += "\\tab ";
            break;
        case '\r':
            break;
        default:
            out += c;
        }
    }
    return out;
}
