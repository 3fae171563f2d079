#pragma once

#include <string>
#include <string_view>

// Widths of report texts in the body font (Arial), for the layout of table columns.
// The widths are the font's advance widths; kerning is left out, so a text is never
// measured narrower than it is set.

// The visible text of a cell written in RTF: control words, group braces and groups
// of their own (footnotes, "\*" destinations, pictures) are left out; escaped
// characters ("\\", "\{", "\}", "\'hh", "\uN?") count as the character they stand
// for; "\line" and "\tab" separate words. bold is set when the text switches to bold.
std::string VisibleCellText(std::string_view rtf, bool& bold);

// Width in mm of a UTF-8 text set in the body font at the given size in points.
double TextWidthMm(std::string_view utf8, double sizePt, bool bold);

// Width in mm of the widest word (a run without blanks or line breaks).
double WidestWordMm(std::string_view utf8, double sizePt, bool bold);
