#include "platform/TextBreite.h"

#include <array>
#include <cctype>
#include <cstdint>

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kEm = 1000.0;
// Bold letters are up to a tenth wider than regular ones.
constexpr double kBoldFactor = 1.1;
constexpr int kUnknownWidth = 600;

// Advance widths of the printable ASCII characters 32 to 126 in 1/1000 em.
constexpr std::array<int, 95> kAscii = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // ' ' to '/'
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // '0' to '?'
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // '@' to 'O'
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // 'P' to '_'
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // '`' to 'o'
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};     // 'p' to '~'

int Width(char32_t c) {
    if (c >= 32 && c <= 126) {
        return kAscii[static_cast<std::size_t>(c - 32)];
    }
    switch (c) {
    case U'\u00E4': // ä ö ü
    case U'\u00F6':
    case U'\u00FC':
        return 556;
    case U'\u00C4':
        return 667;
    case U'\u00D6':
        return 778;
    case U'\u00DC':
        return 722;
    case U'\u00DF':
        return 611;
    case U'\u00B0':
        return 400;
    case U'\u00B2': // superscript digits
    case U'\u00B3':
    case U'\u2074':
        return 333;
    default:
        break;
    }
    if (c >= 0x0391 && c <= 0x03A9) {
        return 722; // Greek capitals
    }
    if (c >= 0x03B1 && c <= 0x03D6) {
        return 578; // Greek small letters
    }
    return kUnknownWidth;
}

char32_t Decode(std::string_view s, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = (lead & 0xE0) == 0xC0   ? 1
                : (lead & 0xF0) == 0xE0 ? 2
                : (lead & 0xF8) == 0xF0 ? 3
                                        : 0;
    char32_t cp = extra == 1 ? (lead & 0x1F) : extra == 2 ? (lead & 0x0F) : (lead & 0x07);
    for (; extra > 0 && pos < s.size(); --extra) {
        const auto c = static_cast<unsigned char>(s[pos]);
        if ((c & 0xC0) != 0x80) {
            break;
        }
        cp = (cp << 6) | (c & 0x3F);
        ++pos;
    }
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Skips the group that opens at pos ("{"); returns the position after its "}".
std::size_t SkipGroup(std::string_view s, std::size_t pos) {
    int depth = 0;
    for (; pos < s.size(); ++pos) {
        if (s[pos] == '\\') {
            ++pos; // an escaped character is no brace
        } else if (s[pos] == '{') {
            ++depth;
        } else if (s[pos] == '}' && --depth == 0) {
            return pos + 1;
        }
    }
    return s.size();
}

bool OpensOwnGroup(std::string_view s, std::size_t pos) {
    const std::string_view rest = s.substr(pos + 1);
    for (const std::string_view word : {"\\*", "\\footnote", "\\pict", "\\ftnbj"}) {
        if (rest.substr(0, word.size()) == word) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string VisibleCellText(std::string_view rtf, bool& bold) {
    std::string out;
    out.reserve(rtf.size());
    std::size_t pos = 0;
    while (pos < rtf.size()) {
        const char c = rtf[pos];
        if (c == '{') {
            pos = OpensOwnGroup(rtf, pos) ? SkipGroup(rtf, pos) : pos + 1;
            continue;
        }
        if (c == '}') {
            ++pos;
            continue;
        }
        if (c != '\\') {
            out += c;
            ++pos;
            continue;
        }
        if (pos + 1 >= rtf.size()) {
            break;
        }
        const char next = rtf[pos + 1];
        if (next == '\\' || next == '{' || next == '}') {
            out += next;
            pos += 2;
            continue;
        }
        if (next == '\'') {
            out += '?'; // one character of the code page; its width is not known here
            pos = std::min(rtf.size(), pos + 4);
            continue;
        }
        std::size_t end = pos + 1;
        while (end < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[end])) != 0) {
            ++end;
        }
        const std::string_view word = rtf.substr(pos + 1, end - pos - 1);
        const std::size_t numberStart = end;
        if (end < rtf.size() && rtf[end] == '-') {
            ++end;
        }
        while (end < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[end])) != 0) {
            ++end;
        }
        const std::string_view number = rtf.substr(numberStart, end - numberStart);
        if (end < rtf.size() && rtf[end] == ' ') {
            ++end;
        }
        if (word == "u" && !number.empty()) {
            int value = 0;
            for (const char d : number) {
                value = d == '-' ? value : value * 10 + (d - '0');
            }
            const auto unit = static_cast<std::uint16_t>(number[0] == '-' ? 65536 - value : value);
            AppendUtf8(out, unit);
            if (end < rtf.size() && rtf[end] == '?') {
                ++end; // the stand-in for readers without Unicode
            }
        } else if (word == "line" || word == "tab") {
            out += ' ';
        } else if (word == "b" && (number.empty() || number != "0")) {
            bold = true;
        }
        pos = word.empty() ? pos + 2 : end;
    }
    return out;
}

double TextWidthMm(std::string_view utf8, double sizePt, bool bold) {
    double units = 0.0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        units += Width(Decode(utf8, pos));
    }
    return units / kEm * sizePt * kMmPerPoint * (bold ? kBoldFactor : 1.0);
}

double WidestWordMm(std::string_view utf8, double sizePt, bool bold) {
    // Words end at these blanks; asked character by character, not through a search for
    // one of a set.
    const auto leer = [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; };
    double widest = 0.0;
    std::size_t pos = 0;
    const std::size_t n = utf8.size();
    while (pos < n) {
        while (pos < n && leer(utf8[pos])) {
            ++pos;
        }
        if (pos == n) {
            break;
        }
        const std::size_t begin = pos;
        while (pos < n && !leer(utf8[pos])) {
            ++pos;
        }
        const double width = TextWidthMm(utf8.substr(begin, pos - begin), sizePt, bold);
        widest = width > widest ? width : widest;
    }
    return widest;
}
