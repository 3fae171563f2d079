#pragma once

#include <string>
#include <string_view>
#include <vector>

// The "@" fields of report templates: "@I..." a whole number, "@F..." a real number
// (the characters after its "." are the decimals), "@A..." a text; "@" before any
// other character is a text field of its own. A field's width is its length, "@"
// included.

// End (one past) of the field that starts at the first "@" of text; npos without "@".
std::size_t FindFieldEnd(std::string_view text);

// The conversion for a field text: "%Nd", "%N.Mf" or "%s". kind: 0 whole number,
// 1 real number, 2 text, -1 no field.
std::string ParseField(std::string_view field, int& kind);

// Every field of the cell part replaced by its conversion, leftmost first.
std::string ConvertFields(std::string cells);

// Column widths in mm from a template's width text: groups of three characters, a
// group of blanks or 0 adds no column, "- 8" reads as -8.
std::vector<int> ReadColumnWidths(std::string_view text);
