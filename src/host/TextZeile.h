#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Lines of the older text input of a position: a line that begins with "*" or ";" is
// a comment; a line whose first two characters are capitals A to Z is a keyword line
// (a chapter heading); every other line is a data line of the current chapter.
enum class TextZeileArt { Kommentar, Schluessel, Daten };

TextZeileArt ClassifyTextZeile(std::string_view line);

// The keyword of a keyword line: its first word (up to a blank, a tab or the line end).
std::string_view TextZeileErstesWort(std::string_view line);

// The longest line the reader takes, line end excluded; a longer one is an input error.
constexpr std::size_t kMaxTextZeile = 1 << 20;

enum class TextLeseErgebnis { Zeile, Ende, ZuLang };

// Reads the next whole line of the file into line. The line end is kept as one "\n"
// (a CR before it is dropped, so CRLF files read like LF files); the last line of a
// file may have none. Ende when nothing is left; ZuLang when the line exceeds
// kMaxTextZeile (the rest of that line is left unread).
TextLeseErgebnis ReadTextZeile(std::FILE* file, std::string& line);
