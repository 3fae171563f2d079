#include "platform/TextMetrics.h"

#include <algorithm>
#include <cstdint>

namespace {

#include "platform/TextMetricsTable.inc"

int Cell(const TextFont& font) {
    return std::max(1, font.cellHeight);
}

// Bytes of a UTF-8 sequence that a lead byte announces; 0 for a byte that leads none.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        return 4;
    }
    return 0;
}

// The smallest code point that a sequence of this length may carry (shorter forms are
// overlong).
char32_t SequenceMinimum(int length) {
    return length == 2 ? 0x80 : length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
}

bool IsScalarValue(char32_t c) {
    return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF);
}

} // namespace

std::u32string TextCodePoints(const std::string& utf8) {
    std::u32string out;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = SequenceLength(lead);
        bool valid = length > 0 && i + static_cast<std::size_t>(length) <= utf8.size();
        char32_t c = length == 1 ? lead : static_cast<char32_t>(lead & (0x7F >> length));
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        valid = valid && c >= SequenceMinimum(length) && IsScalarValue(c);
        if (!valid) {
            out.push_back(lead);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

int TextGlyphAdvance(char32_t c, const TextFont& font) {
    const char32_t code = (c >= static_cast<char32_t>(kMetricsFirstCode) &&
                           c <= static_cast<char32_t>(kMetricsLastCode))
                              ? c
                              : U'?';
    const int* table = font.bold ? kAdvanceBold : kAdvanceRegular;
    const std::int64_t units = table[code - static_cast<char32_t>(kMetricsFirstCode)];
    // advance × em / unitsPerEm with em = cell × unitsPerEm / cell units, rounded half up.
    const std::int64_t scaled = units * Cell(font);
    return static_cast<int>((2 * scaled + kMetricsCellUnits) / (2 * kMetricsCellUnits));
}

std::vector<int> TextGlyphAdvances(const std::u32string& text, const TextFont& font) {
    std::vector<int> out;
    out.reserve(text.size());
    for (const char32_t c : text) {
        out.push_back(TextGlyphAdvance(c, font));
    }
    return out;
}

int TextWidth(const std::string& utf8, const TextFont& font) {
    int width = 0;
    for (const int advance : TextGlyphAdvances(TextCodePoints(utf8), font)) {
        width += advance;
    }
    return width;
}

int TextHeight(const TextFont& font) {
    return Cell(font);
}
