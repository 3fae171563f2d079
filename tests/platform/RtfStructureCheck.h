#pragma once

// Test helpers for generated RTF: a structure check (balanced groups, every table
// row ended, as many cells as cell definitions in every row) and the visible text
// of the body. Written independently of the report library's own tokenizer, so the
// two do not share their faults.

#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rtfcheck {

struct Word {
    std::string name; // letters of a control word, or the symbol character
    bool symbol = false;
    bool hasParam = false;
    long param = 0;
};

// Calls onGroup(+1/-1), onWord(Word) and onText(char) in document order.
template <class G, class W, class T>
void Walk(std::string_view rtf, G onGroup, W onWord, T onText) {
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{' || c == '}') {
            onGroup(c == '{' ? 1 : -1);
            ++i;
        } else if (c == '\\' && i + 1 < rtf.size()) {
            Word w;
            ++i;
            if (std::isalpha(static_cast<unsigned char>(rtf[i]))) {
                while (i < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[i]))) {
                    w.name += rtf[i++];
                }
                bool neg = false;
                if (i < rtf.size() && rtf[i] == '-') {
                    neg = true;
                    ++i;
                }
                while (i < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[i]))) {
                    w.hasParam = true;
                    w.param = w.param * 10 + (rtf[i++] - '0');
                }
                if (neg) {
                    w.param = -w.param;
                }
                if (i < rtf.size() && rtf[i] == ' ') {
                    ++i;
                }
            } else {
                w.symbol = true;
                w.name = std::string(1, rtf[i++]);
                if (w.name == "'" && i + 2 <= rtf.size()) {
                    w.hasParam = true;
                    w.param = std::stol(std::string(rtf.substr(i, 2)), nullptr, 16);
                    i += 2;
                }
            }
            onWord(w);
        } else {
            onText(c);
            ++i;
        }
    }
}

// Empty when the structure is sound, else a description of the first fault.
inline std::string StructureFault(std::string_view rtf) {
    int depth = 0;
    bool closedTop = false;
    bool inRow = false;
    int cellDefs = 0;
    int cells = 0;
    int rowNo = 0;
    std::string fault;
    auto setFault = [&](const std::string& f) {
        if (fault.empty()) {
            fault = f;
        }
    };
    Walk(
        rtf,
        [&](int d) {
            if (closedTop) {
                setFault("text after the document's closing brace");
            }
            depth += d;
            if (depth < 0) {
                setFault("closing brace without group");
            }
            if (depth == 0) {
                closedTop = true;
            }
        },
        [&](const Word& w) {
            if (w.symbol) {
                return;
            }
            if (w.name == "trowd") {
                if (inRow && cells > 0) {
                    setFault("row " + std::to_string(rowNo) + " not ended");
                }
                cellDefs = 0;
                inRow = true;
                cells = 0;
                ++rowNo;
            } else if (w.name == "cellx") {
                ++cellDefs;
            } else if (w.name == "cell") {
                if (!inRow) {
                    setFault("cell outside a row");
                }
                ++cells;
            } else if (w.name == "row") {
                if (cells != cellDefs) {
                    setFault("row " + std::to_string(rowNo) + " has " + std::to_string(cells) +
                             " cells for " + std::to_string(cellDefs) + " definitions");
                }
                inRow = false;
                cells = 0;
            }
        },
        [&](char c) {
            if (closedTop && !std::isspace(static_cast<unsigned char>(c))) {
                setFault("text after the document's closing brace");
            }
        });
    if (depth != 0) {
        setFault("unbalanced groups: depth " + std::to_string(depth) + " at the end");
    }
    if (inRow && cells > 0) {
        setFault("row " + std::to_string(rowNo) + " not ended");
    }
    if (rtf.substr(0, 5) != "{\\rtf") {
        setFault("no RTF header");
    }
    return fault;
}

inline void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// The visible text of the body (UTF-8): paragraphs and rows end in "\n", cells in
// " | ". Header, tables of the document head and pictures are left out.
inline std::string BodyText(std::string_view rtf) {
    std::string out;
    int depth = 0;
    std::vector<bool> skip{false};
    int skipNextChar = 0;
    bool groupStart = false;
    static const char* const kSkipped[] = {"fonttbl", "colortbl", "stylesheet", "info",   "header",
                                           "headerl", "headerr",  "headerf",    "footer", "footerl",
                                           "footerr", "footerf",  "pict",       "fldinst"};
    Walk(
        rtf,
        [&](int d) {
            depth += d;
            if (d > 0) {
                skip.push_back(skip.back());
                groupStart = true;
            } else if (skip.size() > 1) {
                skip.pop_back();
            }
        },
        [&](const Word& w) {
            const bool atStart = groupStart;
            groupStart = false;
            if (w.symbol && w.name == "*" && atStart) {
                skip.back() = true;
                return;
            }
            for (const char* s : kSkipped) {
                if (!w.symbol && w.name == s) {
                    skip.back() = true;
                }
            }
            if (skip.back()) {
                return;
            }
            if (w.symbol) {
                // A hex escape or a control symbol is one character: it may be the
                // fallback of a "\u" that readers skip.
                if (skipNextChar > 0 && w.name != "*") {
                    --skipNextChar;
                    return;
                }
                if (w.name == "'") {
                    AppendUtf8(out, static_cast<std::uint32_t>(w.param));
                } else if (w.name == "\\" || w.name == "{" || w.name == "}") {
                    out += w.name;
                } else if (w.name == "\r" || w.name == "\n") {
                    out += "\n"; // a backslash before a line end ends the paragraph
                }
                return;
            }
            if (w.name == "u" && w.hasParam) {
                AppendUtf8(out,
                           static_cast<std::uint32_t>(w.param < 0 ? w.param + 65536 : w.param));
                skipNextChar = 1;
            } else if (w.name == "par" || w.name == "row" || w.name == "line") {
                out += "\n";
            } else if (w.name == "cell") {
                out += " | ";
            } else if (w.name == "tab") {
                out += "\t";
            }
        },
        [&](char c) {
            groupStart = false;
            if (skip.back() || c == '\r' || c == '\n') {
                return;
            }
            if (skipNextChar > 0) {
                --skipNextChar;
                return;
            }
            out += c;
        });
    return out;
}

} // namespace rtfcheck
