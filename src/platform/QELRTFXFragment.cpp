#include "platform/QELRTFXFragment.h"

#include "platform/RtfTokenizer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>
#include <map>

namespace {

using Token = RtfTokenizer::Token;
using Type = RtfTokenizer::Type;

// Destinations of the document header: dropped, the tables read before.
constexpr std::array kHeaderDestinations = {"fonttbl",
                                            "colortbl",
                                            "stylesheet",
                                            "info",
                                            "filetbl",
                                            "listtable",
                                            "listoverridetable",
                                            "revtbl",
                                            "rsidtbl",
                                            "generator",
                                            "latentstyles",
                                            "themedata",
                                            "colorschememapping",
                                            "datastore",
                                            "xmlnstbl",
                                            "defchp",
                                            "defpap",
                                            "pgdsctbl",
                                            "mmathPr",
                                            "listpicture",
                                            "userprops"};

// Document-level settings that would fight the report's own.
constexpr std::array kDocumentWords = {
    "rtf",       "ansi",       "mac",       "pc",          "pca",         "ansicpg",   "deff",
    "adeff",     "deflang",    "deflangfe", "adeflang",    "paperw",      "paperh",    "margl",
    "margr",     "margt",      "margb",     "gutter",      "landscape",   "facingp",   "viewkind",
    "viewscale", "viewzk",     "fet",       "stshfdbch",   "stshfloch",   "stshfhich", "stshfbi",
    "deftab",    "nouicompat", "themelang", "themelangfe", "themelangcs", "htmautsp",  "pgnstart",
    "titlepg",   "margmirror"};

constexpr std::array kFontWords = {"f", "af"};
constexpr std::array kColourWords = {"cf",         "cb",     "highlight", "chcbpat", "chcfpat",
                                     "cbpat",      "cfpat",  "clcbpat",   "clcfpat", "clcbpatraw",
                                     "clcfpatraw", "brdrcf", "trcbpat",   "trcfpat", "ulc"};
constexpr std::array kStyleWords = {"s", "cs", "ds", "ts"};
// Words that put something into the paragraph (a character of the text, or the end of
// a table cell, which a row end must follow), and words that end a paragraph.
constexpr std::array kContentWords = {
    "u",      "tab",    "line",   "emdash",    "endash",    "emspace", "enspace", "qmspace",
    "bullet", "lquote", "rquote", "ldblquote", "rdblquote", "chpgn",   "chdate",  "cell"};
constexpr std::array kParagraphEndWords = {"par", "sect", "row"};
// Destinations whose text a reader does not show in the body.
constexpr std::array kHiddenDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info",    "header",  "headerl", "headerr",
    "headerf", "footer",   "footerl",    "footerr", "footerf", "pict",    "fldinst"};

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<const char*, N>& list) {
    return std::any_of(list.begin(), list.end(), [&](const char* w) { return word == w; });
}

// Raw text of the group whose opening brace was just read, up to and excluding its
// closing brace (or the end of the text).
std::string_view ReadGroupBody(RtfTokenizer& tokens, std::string_view text) {
    int depth = 1;
    const char* begin = nullptr;
    const char* end = nullptr;
    for (Token t = tokens.Next(); t.type != Type::End; t = tokens.Next()) {
        if (begin == nullptr) {
            begin = t.raw.data();
        }
        if (t.type == Type::GroupOpen) {
            ++depth;
        } else if (t.type == Type::GroupClose && --depth == 0) {
            end = t.raw.data();
            break;
        }
        end = t.raw.data() + t.raw.size();
    }
    if (begin == nullptr) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(begin - text.data()),
                       static_cast<std::size_t>(end - begin));
}

// Control words that describe a font entry; everything else in an entry (nested
// destinations such as the panose number or an alternative name) is left out.
constexpr std::array kFontEntryWords = {"fnil",     "froman", "fswiss", "fmodern",
                                        "fscript",  "fdecor", "ftech",  "fbidi",
                                        "fcharset", "fprq",   "cpg"};

// A fragment with more fonts or colours than any document carries would only make the
// tables slow to search; the surplus entries fall back to the body font and the
// automatic colour.
constexpr std::size_t kMaxTableEntries = 1000;

// Plain text of a fragment: control characters other than tab and line ends (a NUL
// among them) carry no meaning in RTF and are left out.
bool IsKeptTextByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte != 0x7F) || c == '\t' || c == '\r' || c == '\n';
}

std::string KeptText(std::string_view text) {
    std::string out;
    std::copy_if(text.begin(), text.end(), std::back_inserter(out), IsKeptTextByte);
    return out;
}

// "\'hh" with both hex digits.
bool IsCompleteHexEscape(const Token& t) {
    return t.type == Type::Symbol && t.word == "'" && t.raw.size() == 4;
}

// A control symbol that a reader understands: a hex escape with both digits, or a
// backslash followed by a printable character that is no letter or digit (or a line
// end, a paragraph). A backslash at the end of the text or before a control
// character is none and would escape whatever follows it in the report.
bool IsCompleteSymbol(const Token& t) {
    if (t.word.empty()) {
        return false;
    }
    if (t.word == "'") {
        return IsCompleteHexEscape(t);
    }
    const char c = t.word[0];
    const auto byte = static_cast<unsigned char>(c);
    return c == '\r' || c == '\n' || (byte > 0x20 && byte < 0x7F && std::isalnum(byte) == 0);
}

std::string TrimmedName(const std::string& name) {
    const auto begin = name.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) {
        return {};
    }
    return name.substr(begin, name.find_last_not_of(" \t\r\n") - begin + 1);
}

// A control word as the report gets it: its parameter written out again, so that a
// run of digits too long for a number never reaches the report.
std::string WordText(const Token& t) {
    std::string out = "\\";
    out += t.word;
    if (t.hasParam) {
        out += std::to_string(t.param);
    }
    if (t.raw.back() == ' ') {
        out += ' ';
    }
    return out;
}

// The table rows of a fragment as the report's readers expect them: every row starts
// with its definition, holds as many cells as cell boundaries, and ends before the
// next row starts and before the fragment ends. A cell after a row's end starts a row
// of the last row's definition, as readers continue a table.
class RowBalance {
public:
    // The body text for the control word: itself, with what completes the rows before
    // it; empty when the word is left out (a row end outside any row).
    std::string Word(const Token& t, const std::string& text) {
        if (t.word == "trowd") {
            std::string out = inRow && cells > 0 ? Pad() + "\\row " : std::string();
            inRow = true;
            defs = 0;
            cells = 0;
            definition.clear();
            return out + text;
        }
        if (t.word == "cellx") {
            ++defs;
            if (inRow) {
                definition += text;
                lastRight = t.hasParam ? t.param : lastRight;
            }
            return text;
        }
        if (t.word == "cell") {
            std::string out;
            if (!inRow) {
                out = "\\trowd " + lastDefinition;
                inRow = true;
                defs = lastDefs;
                cells = 0;
                definition = lastDefinition;
            }
            ++cells;
            return out + text;
        }
        if (t.word == "row") {
            if (!inRow) {
                return {};
            }
            std::string out = Pad() + text;
            inRow = false;
            cells = 0;
            lastDefinition = definition;
            lastDefs = defs;
            return out;
        }
        return text;
    }

    // What ends a row the fragment left open.
    std::string Finish() {
        if (!inRow || cells == 0) {
            return {};
        }
        inRow = false;
        return Pad() + "\\row ";
    }

private:
    // Cell boundaries for surplus cells (1 cm each), empty cells for surplus boundaries.
    std::string Pad() {
        constexpr long kPadWidthTwips = 567;
        std::string out;
        for (; defs < cells; ++defs) {
            lastRight += kPadWidthTwips;
            const std::string cellx = "\\cellx" + std::to_string(lastRight) + " ";
            out += cellx;
            definition += cellx;
        }
        for (; cells < defs; ++cells) {
            out += "\\cell ";
        }
        return out;
    }

    bool inRow = false;
    int defs = 0;
    int cells = 0;
    long lastRight = 0;
    std::string definition;
    std::string lastDefinition;
    int lastDefs = 0;
};

// Whether the fragment's last paragraph is still open: the report's next paragraph
// would run on in it. Ignorable destinations ("{\*...}") and those of pictures, fields,
// headers and footers show nothing in it.
class OpenParagraph {
public:
    void GroupOpened() { groupStart = true; }
    void GroupClosed(int depth) {
        groupStart = false;
        if (hiddenFrom > depth) {
            hiddenFrom = 0;
        }
    }
    void Symbol(const Token& t, int depth) {
        if (t.word == "*") {
            if (groupStart && hiddenFrom == 0) {
                hiddenFrom = depth;
            }
        } else {
            // A backslash before a line end is a paragraph end.
            Shown(t.word != "\r" && t.word != "\n");
        }
        groupStart = false;
    }
    void Word(const Token& t, int depth) {
        if (IsOneOf(t.word, kHiddenDestinations) && hiddenFrom == 0) {
            hiddenFrom = depth;
        } else if (IsOneOf(t.word, kParagraphEndWords)) {
            Shown(false);
        } else if (IsOneOf(t.word, kContentWords)) {
            Shown(true);
        }
        groupStart = false;
    }
    void Text(const std::string& kept) {
        if (kept.find_first_not_of("\r\n") != std::string::npos) {
            Shown(true);
        }
        groupStart = false;
    }
    void Shown(bool opens) {
        if (hiddenFrom == 0) {
            open = opens;
        }
    }
    bool IsOpen() const { return open; }

private:
    bool open = false;
    bool groupStart = false;
    int hiddenFrom = 0; // depth of the ignorable destination the text is in, 0 for none
};

// Font table: "{\fN descriptor;}" entries, or entries without braces ended by ";". The
// report gets each entry as its family and character set words and its name, the name
// as text only.
std::map<long, int> MergeFonts(std::string_view table, QELRTFXTables& tables) {
    std::map<long, int> map;
    RtfTokenizer tokens(table);
    int depth = 0;
    long number = -1;
    std::string words;
    std::string name;
    bool nameEnded = false;
    auto finish = [&] {
        if (number >= 0 && map.size() < kMaxTableEntries) {
            const std::string trimmed = TrimmedName(name);
            map[number] =
                tables.AddFont(words.empty() ? trimmed + ";" : words + " " + trimmed + ";");
        }
        number = -1;
        words.clear();
        name.clear();
        nameEnded = false;
    };
    for (Token t = tokens.Next(); t.type != Type::End; t = tokens.Next()) {
        if (t.type == Type::GroupOpen) {
            if (depth == 0) {
                finish();
            }
            ++depth;
        } else if (t.type == Type::GroupClose) {
            if (depth > 0 && --depth == 0) {
                finish();
            }
        } else if (depth > 1) {
            continue; // a nested destination of the entry
        } else if (t.type == Type::Word) {
            if (t.word == "bin" && t.hasParam && t.param > 0) {
                tokens.Next(); // its binary data
            } else if (t.word == "f" && t.hasParam && number < 0) {
                number = t.param;
            } else if (number >= 0 && IsOneOf(t.word, kFontEntryWords)) {
                words += '\\';
                words += t.word;
                if (t.hasParam) {
                    words += std::to_string(t.param);
                }
            }
        } else if (number < 0 || nameEnded) {
            continue;
        } else if (IsCompleteHexEscape(t)) {
            name += t.raw;
        } else if (t.type == Type::Text) {
            for (const char c : t.raw) {
                if (c == ';') {
                    nameEnded = true;
                    break;
                }
                if (IsKeptTextByte(c) && c != '\r' && c != '\n' && c != '\t') {
                    name += c;
                }
            }
            if (nameEnded && depth == 0) {
                finish();
            }
        }
    }
    finish();
    return map;
}

// Colour table: entries "\redR\greenG\blueB;", the first (empty) one automatic.
std::map<long, int> MergeColours(std::string_view table, QELRTFXTables& tables) {
    std::map<long, int> map;
    RtfTokenizer tokens(table);
    std::optional<QELRTFXTables::Colour> colour;
    long index = 0;
    for (Token t = tokens.Next(); t.type != Type::End; t = tokens.Next()) {
        if (t.type == Type::Word && t.hasParam &&
            (t.word == "red" || t.word == "green" || t.word == "blue")) {
            if (!colour) {
                colour = QELRTFXTables::Colour{};
            }
            const int v = static_cast<int>(std::clamp(t.param, 0L, 255L));
            (t.word == "red" ? colour->red : t.word == "green" ? colour->green : colour->blue) = v;
        } else if (t.type == Type::Text) {
            for (const char c : t.raw) {
                if (c == ';') {
                    map[index++] = tables.AddColour(colour);
                    colour.reset();
                }
            }
        }
    }
    return map;
}

} // namespace

std::optional<std::string> QELRTFXFragment::Merge(std::string_view rtf, QELRTFXTables& tables) {
    const std::size_t start = rtf.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos || rtf.substr(start, 5) != "{\\rtf") {
        return std::nullopt;
    }
    rtf = rtf.substr(start);

    // First pass: the header tables, so that the body can be renumbered.
    std::map<long, int> fontMap;
    std::map<long, int> colourMap;
    long defaultFont = -1;
    {
        RtfTokenizer tokens(rtf);
        int depth = 0;
        for (Token t = tokens.Next(); t.type != Type::End; t = tokens.Next()) {
            if (t.type == Type::GroupOpen) {
                ++depth;
                if (depth != 2) {
                    continue;
                }
                Token first = tokens.Next();
                if (first.type == Type::Symbol && first.word == "*") {
                    first = tokens.Next();
                }
                if (first.type == Type::GroupClose) {
                    --depth;
                    continue;
                }
                if (first.type == Type::GroupOpen) {
                    ++depth;
                    continue;
                }
                if (first.type == Type::Word && first.word == "fonttbl") {
                    fontMap = MergeFonts(ReadGroupBody(tokens, rtf), tables);
                    --depth;
                } else if (first.type == Type::Word && first.word == "colortbl") {
                    colourMap = MergeColours(ReadGroupBody(tokens, rtf), tables);
                    --depth;
                }
            } else if (t.type == Type::GroupClose) {
                if (--depth == 0) {
                    break;
                }
            } else if (depth == 1 && t.type == Type::Word && t.word == "deff" && t.hasParam) {
                defaultFont = t.param;
            }
        }
    }
    const auto mapped = [](const std::map<long, int>& map, long number, int fallback) {
        const auto it = map.find(number);
        return it == map.end() ? fallback : it->second;
    };
    const int bodyFont = mapped(fontMap, defaultFont, 0);

    // Second pass: copy the body, leaving out the header, renumbering references.
    std::string body = "{\\pard\\plain\\f" + std::to_string(bodyFont) + " ";
    RtfTokenizer tokens(rtf);
    int depth = 0;
    bool afterBareWord = false;
    RowBalance rows;
    OpenParagraph paragraph;
    // "\uN" is followed by the character a reader without Unicode shows instead, which
    // the reader skips; without one it would skip the report's next character.
    bool needFallback = false;
    for (Token t = tokens.Next(); t.type != Type::End; t = tokens.Next()) {
        if (needFallback) {
            needFallback = false;
            // Line ends and the mark of an ignorable destination are no characters to a
            // reader: they cannot be the fallback.
            const bool fallbackFollows = (t.type == Type::Symbol && IsCompleteSymbol(t) &&
                                          t.word != "\r" && t.word != "\n" && t.word != "*") ||
                                         (t.type == Type::Text && KeptText(t.raw).find_first_not_of(
                                                                      "\r\n") != std::string::npos);
            if (!fallbackFollows) {
                body += '?';
                paragraph.Shown(true);
            }
        }
        if (t.type == Type::GroupOpen) {
            ++depth;
            if (depth == 1) {
                continue;
            }
            if (depth == 2) {
                // Look ahead for a header destination without consuming the main tokenizer.
                RtfTokenizer ahead = tokens;
                Token first = ahead.Next();
                if (first.type == Type::Symbol && first.word == "*") {
                    first = ahead.Next();
                }
                if (first.type == Type::Word && IsOneOf(first.word, kHeaderDestinations)) {
                    ReadGroupBody(tokens, rtf);
                    --depth;
                    continue;
                }
            }
            body += t.raw;
            paragraph.GroupOpened();
        } else if (t.type == Type::GroupClose) {
            if (--depth == 0) {
                break;
            }
            body += t.raw;
            paragraph.GroupClosed(depth);
        } else if (t.type == Type::Word) {
            if (t.word == "bin") {
                // Raw bytes, braces and NULs among them: never copied into the report.
                if (t.hasParam && t.param > 0) {
                    tokens.Next();
                }
                continue;
            }
            if (depth == 1 && IsOneOf(t.word, kDocumentWords)) {
                continue;
            }
            if (IsOneOf(t.word, kStyleWords) && t.hasParam) {
                continue;
            }
            const bool font = IsOneOf(t.word, kFontWords);
            if ((font || IsOneOf(t.word, kColourWords)) && t.hasParam) {
                const int n =
                    font ? mapped(fontMap, t.param, bodyFont) : mapped(colourMap, t.param, 0);
                body += '\\';
                body += t.word;
                body += std::to_string(n);
                body += ' ';
                afterBareWord = false;
                paragraph.Word(t, depth);
                continue;
            }
            const std::string text = rows.Word(t, WordText(t));
            if (!text.empty()) {
                body += text;
                afterBareWord = text.back() != ' ';
                paragraph.Word(t, depth);
            }
            needFallback = t.word == "u" && t.hasParam;
            continue;
        } else if (t.type == Type::Symbol) {
            if (!IsCompleteSymbol(t)) {
                continue;
            }
            body += t.raw;
            paragraph.Symbol(t, depth);
        } else {
            // Left-out bytes must not join a control word and the letters or digits
            // after them into another word, nor turn a blank of the text into the
            // word's end.
            const std::string kept = KeptText(t.raw);
            if (kept.empty()) {
                continue;
            }
            if (afterBareWord && (std::isalnum(static_cast<unsigned char>(kept[0])) != 0 ||
                                  kept[0] == '-' || kept[0] == ' ')) {
                body += ' ';
            }
            body += kept;
            paragraph.Text(kept);
        }
        afterBareWord = false;
    }
    // A fragment that leaves a row or groups open is closed here, so the report stays
    // balanced.
    if (needFallback) {
        body += '?';
        paragraph.Shown(true);
    }
    const std::string rowEnd = rows.Finish();
    body += rowEnd;
    if (!rowEnd.empty()) {
        paragraph.Shown(false);
    }
    for (; depth > 1; --depth) {
        body += "}";
    }
    body += "}";
    // The last paragraph ends with the fragment (outside its groups, whatever they hold):
    // the report's next one is its own.
    if (paragraph.IsOpen()) {
        body += "\\par ";
    }
    return body;
}
