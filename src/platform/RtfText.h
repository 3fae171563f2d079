#pragma once

#include <string>
#include <string_view>

// Text conversions between the module's UTF-8 texts and RTF.

// Writes every character outside ASCII as an RTF Unicode escape "\uN?" (N the signed
// 16-bit code unit; characters beyond the basic plane as a surrogate pair). ASCII,
// control words included, passes unchanged. A byte that starts no valid UTF-8
// sequence stands for U+FFFD.
std::string RtfEscapeUnicode(std::string_view utf8);

// Makes a text that a user typed safe to put into a report line: the RTF specials
// "\", "{" and "}" become literal characters, and so do the cell separator "|" and
// "#" (which would otherwise start a row tag); line breaks become RTF line breaks and
// tabs RTF tabs. The result is still UTF-8; RtfEscapeUnicode handles the rest.
std::string RtfEscapeUserText(std::string_view text);
