#pragma once

// Text measuring for the pictures: the advance widths of an Arial-compatible sans
// (Liberation Sans, the face that LibreOffice puts in place of Arial), regular and
// bold, from a table generated once from the font. A font is given by its cell
// height in device units (a positive font height: ascent plus descent). Every glyph
// advance is rounded to whole device units, and a text's width is the sum of its
// glyphs' advances, so a metafile that places each glyph by these advances shows the
// text exactly as wide as it was measured.

#include <string>
#include <vector>

// Height of the font used when none is selected, in device units.
inline constexpr int kDefaultFontCellHeight = 16;

struct TextFont {
    int cellHeight = kDefaultFontCellHeight; // device units; 0 or below counts as 1
    bool bold = false;
};

// The code points of a UTF-8 text; a byte that starts no valid sequence stands for
// itself (as a Latin-1 character).
std::u32string TextCodePoints(const std::string& utf8);

// Advance of one character in device units; characters outside the table take the
// width of '?'.
int TextGlyphAdvance(char32_t c, const TextFont& font);

// Advances of every character of the text, in order (exactly the characters drawn:
// no prefix or control processing).
std::vector<int> TextGlyphAdvances(const std::u32string& text, const TextFont& font);

// Width and height of a single-line text in device units: the sum of the advances,
// and the cell height.
int TextWidth(const std::string& utf8, const TextFont& font);
int TextHeight(const TextFont& font);
