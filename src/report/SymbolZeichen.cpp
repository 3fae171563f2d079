#include "report/SymbolZeichen.h"

#include <array>
#include <cctype>

namespace {

constexpr std::string_view kSymbolOn = "\\f2";
constexpr std::string_view kSymbolOff = "\\f1";

// The Greek letter (UTF-8) that the symbol font shows for each Latin letter a to z.
constexpr std::array<const char*, 26> kKlein = {"α", "β", "χ", "δ", "ε", "φ", "γ", "η", "ι",
                                                "ϕ", "κ", "λ", "μ", "ν", "ο", "π", "θ", "ρ",
                                                "σ", "τ", "υ", "ϖ", "ω", "ξ", "ψ", "ζ"};
constexpr std::array<const char*, 26> kGross = {"Α", "Β", "Χ", "Δ", "Ε", "Φ", "Γ", "Η", "Ι",
                                                "ϑ", "Κ", "Λ", "Μ", "Ν", "Ο", "Π", "Θ", "Ρ",
                                                "Σ", "Τ", "Υ", "ς", "Ω", "Ξ", "Ψ", "Ζ"};

struct Ersatz {
    std::string_view von;
    std::string_view nach;
    bool ganzesWort;
};

// Texts the templates write with look-alike characters.
constexpr std::array<Ersatz, 3> kErsatz = {{
    {"\xC3\x9F"
     "G",
     "\xCE\xB2"
     "G",
     true},
    {"\xC3\x9F"
     "B",
     "\xCE\xB2"
     "B",
     true},
    {"cm4/m", "cm\xE2\x81\xB4/m", false},
}};

bool IstWortzeichen(char c) {
    // Bytes of multi-byte characters count as letters: "Maß" is one word.
    return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
           (static_cast<unsigned char>(c) & 0x80) != 0 || c == '_';
}

bool StartsWith(std::string_view text, std::size_t pos, std::string_view what) {
    return text.substr(pos, what.size()) == what;
}

// A control word "\f2" or "\f1" ends where its number ends.
bool IstSteuerwort(std::string_view text, std::size_t pos, std::string_view word) {
    const std::size_t end = pos + word.size();
    return StartsWith(text, pos, word) &&
           (end >= text.size() || std::isdigit(static_cast<unsigned char>(text[end])) == 0);
}

const char* Griechisch(char c) {
    if (c >= 'a' && c <= 'z') {
        return kKlein[static_cast<std::size_t>(c - 'a')];
    }
    if (c >= 'A' && c <= 'Z') {
        return kGross[static_cast<std::size_t>(c - 'A')];
    }
    return nullptr;
}

// The replacement that starts at pos, if any.
const Ersatz* ErsatzAn(std::string_view text, std::size_t pos) {
    for (const Ersatz& e : kErsatz) {
        // Most characters start none: the first byte decides before anything is compared.
        if (text[pos] != e.von.front() || !StartsWith(text, pos, e.von)) {
            continue;
        }
        const std::size_t end = pos + e.von.size();
        const bool wortanfang = pos == 0 || !IstWortzeichen(text[pos - 1]);
        const bool wortende = end >= text.size() || !IstWortzeichen(text[end]);
        if (!e.ganzesWort || (wortanfang && wortende)) {
            return &e;
        }
    }
    return nullptr;
}

// The first position from pos on whose character may start a control word or a
// replacement (text.size() when there is none).
std::size_t NaechsteBesondere(std::string_view text, std::size_t pos) {
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '\\') {
            return pos;
        }
        for (const Ersatz& e : kErsatz) {
            if (c == e.von.front()) {
                return pos;
            }
        }
    }
    return pos;
}

} // namespace

std::string MapSymbolLetters(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    bool symbol = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!symbol) {
            // A run of characters that start nothing goes over as it is.
            const std::size_t next = NaechsteBesondere(text, pos);
            out.append(text, pos, next - pos);
            pos = next;
            if (pos >= text.size()) {
                break;
            }
        }
        if (text[pos] == '\\') {
            if (StartsWith(text, pos, "\\\\")) {
                out += "\\\\";
                pos += 2;
                continue;
            }
            if (IstSteuerwort(text, pos, kSymbolOn)) {
                symbol = true;
                pos += kSymbolOn.size();
                if (pos < text.size() && text[pos] == ' ') {
                    ++pos; // the blank that ends the control word
                }
                continue;
            }
            if (symbol && IstSteuerwort(text, pos, kSymbolOff)) {
                symbol = false;
                pos += kSymbolOff.size();
                if (pos < text.size() && text[pos] == ' ') {
                    ++pos;
                }
                continue;
            }
        }
        if (symbol) {
            const char* griechisch = Griechisch(text[pos]);
            if (griechisch != nullptr) {
                out += griechisch;
            } else {
                out += text[pos];
            }
            ++pos;
            continue;
        }
        if (const Ersatz* e = ErsatzAn(text, pos)) {
            out += e->nach;
            pos += e->von.size();
            continue;
        }
        out += text[pos++];
    }
    return out;
}
