#pragma once

#include <string>

// The name of a section as the member plot keeps it: every character that is a
// control character or lies beyond ASCII (one blank per character, however many
// bytes it takes in UTF-8) becomes a blank, a name of blanks only becomes empty, and
// blanks around it are removed.
std::string QuerNameGereinigt(const std::string& name);

// The text without the blanks before and after it (labels as they are drawn).
std::string WithoutBlanksAround(const std::string& text);

// Whether the member plot takes a section of this design type and shape code:
// concrete types 1, 4, 7, 11, 21 with shapes 1, 2, 3, 4, 5, 7, 11; steel types 2, 5,
// 8, 12, 22 with shapes 1, 3; timber types 3, 6, 9, 13, 23 with shapes 1, 2.
bool IsQuerformZulaessig(int designType, int shape);
