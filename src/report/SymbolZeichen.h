#pragma once

#include <string>
#include <string_view>

// The report templates write Greek letters as Latin letters in the symbol font
// ("\f2g\f1" for gamma). Written that way a letter alone in a cell comes out small and
// raised, and text copied from the report loses it. The writer puts the letters in as
// Unicode characters of the body font instead:
// - every letter between "\f2" and "\f1" (or the end of the text) becomes the Greek
//   letter the symbol font shows for it; other characters there stay as they are;
// - the words "ßG" and "ßB" (the terrain and berm inclinations) become "βG" and "βB";
// - "cm4/m" becomes "cm⁴/m".
// An escaped backslash ("\\") is never read as the start of a control word.
std::string MapSymbolLetters(std::string_view text);
