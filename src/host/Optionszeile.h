#pragma once

#include <string>
#include <string_view>
#include <vector>

// The host's option line: entries of a slash, a key and, after an equals sign, a
// value, separated by blanks, e.g.  /F1="/home/bau/wand 1.xml" /O1="LISTE" /POS=12
// A quoted value is the text between its quotes, verbatim (slashes and blanks
// included); an unquoted value runs to the next blank; an entry without "=" has an
// empty value. Keys are compared without regard to case; values keep theirs.
struct SOptionEintrag {
    std::string key;
    std::string value;
};

// Every entry of the line in the order written. Text that is not an entry (a word
// without a leading slash, characters glued to a closing quote) is passed over.
std::vector<SOptionEintrag> ParseOptionszeile(std::string_view line);

// True when the two keys are equal without regard to case (ASCII letters).
bool IsSameOptionKey(std::string_view a, std::string_view b);

// The first entry of that key, or null.
const SOptionEintrag* FindOptionEintrag(const std::vector<SOptionEintrag>& entries,
                                        std::string_view key);
