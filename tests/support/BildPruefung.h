#pragma once

// Checks of the pictures that a report embeds, as a reader of the report sees them:
// every picture group of the RTF is found, its metafile read back, and what would make
// it unreadable is named: a broken structure, a drawing outside the header's bounds,
// a coordinate far beyond any page (what an infinite or enormous value turns into), and
// a picture shown smaller than 2 cm on a side or more than 20 times as long as high.
// No test framework here: the fuzz targets use it as well as the tests.

#include "EmfReader.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace bildpruefung {

inline constexpr double kMinSeiteCm = 2.0;
inline constexpr double kMaxSeitenverhaeltnis = 20.0;
// Device units: a picture spans about a thousand across its longer side, a text or a
// pen reaches a little beyond; anything this far out is a coordinate that ran away.
inline constexpr int kMaxGeraeteEinheiten = 100000;
inline constexpr double kTwipsJeCm = 1440.0 / 2.54;

// One picture group of the report.
struct Bild {
    std::string art; // the blip's control word, e.g. "emfblip"
    long picw = 0;   // the picture's own size (metafile frame in 0.01 mm)
    long pich = 0;
    long wGoal = 0; // the size the report shows it at, in twips
    long hGoal = 0;
    std::vector<std::uint8_t> bytes;
    std::size_t stelle = 0; // offset of the group in the RTF

    double BreiteCm() const { return static_cast<double>(wGoal) / kTwipsJeCm; }
    double HoeheCm() const { return static_cast<double>(hGoal) / kTwipsJeCm; }
};

namespace detail {

inline int HexWert(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Skips a group that starts at `at` ('{'); returns the position after its '}'.
inline std::size_t UeberGruppe(const std::string& rtf, std::size_t at) {
    int tiefe = 0;
    for (; at < rtf.size(); ++at) {
        if (rtf[at] == '\\') {
            ++at;
        } else if (rtf[at] == '{') {
            ++tiefe;
        } else if (rtf[at] == '}' && --tiefe == 0) {
            return at + 1;
        }
    }
    return at;
}

// Reads the picture group whose "\pict" starts at `at`; false when the group is cut.
inline bool LiesBild(const std::string& rtf, std::size_t at, Bild& b, std::string& fehler) {
    b.stelle = at;
    at += 5; // "\pict"
    int halb = -1;
    while (at < rtf.size()) {
        const char c = rtf[at];
        if (c == '}') {
            if (halb >= 0) {
                fehler = "odd number of hex digits";
                return false;
            }
            return true;
        }
        if (c == '{') {
            at = UeberGruppe(rtf, at);
            continue;
        }
        if (c == '\\') {
            std::size_t e = at + 1;
            while (e < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[e])) != 0) {
                ++e;
            }
            const std::string wort = rtf.substr(at + 1, e - at - 1);
            std::size_t z = e;
            if (z < rtf.size() && rtf[z] == '-') {
                ++z;
            }
            while (z < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[z])) != 0) {
                ++z;
            }
            const std::string zahl = rtf.substr(e, z - e);
            const long wert = zahl.empty() || zahl == "-" ? 0 : std::stol(zahl.substr(0, 12));
            if (wort.size() > 4 && wort.compare(wort.size() - 4, 4, "blip") == 0) {
                b.art = wort;
            } else if (wort == "dibitmap" || wort == "wmetafile") {
                b.art = wort;
            } else if (wort == "picw") {
                b.picw = wert;
            } else if (wort == "pich") {
                b.pich = wert;
            } else if (wort == "picwgoal") {
                b.wGoal = wert;
            } else if (wort == "pichgoal") {
                b.hGoal = wert;
            }
            at = z < rtf.size() && rtf[z] == ' ' ? z + 1 : std::max(z, at + 1);
            continue;
        }
        const int h = HexWert(c);
        if (h >= 0) {
            if (halb < 0) {
                halb = h;
            } else {
                b.bytes.push_back(static_cast<std::uint8_t>(halb * 16 + h));
                halb = -1;
            }
        } else if (std::isspace(static_cast<unsigned char>(c)) == 0) {
            fehler = std::string("stray character in the picture data: ") + c;
            return false;
        }
        ++at;
    }
    fehler = "picture group not closed";
    return false;
}

inline std::string Name(const Bild& b) {
    return "picture at " + std::to_string(b.stelle) + " (" + b.art + ")";
}

} // namespace detail

// The picture groups of a report, in their order; a group that cannot be read is
// reported in `fehler`.
inline std::vector<Bild> Bilder(const std::string& rtf,
                                std::vector<std::string>* fehler = nullptr) {
    std::vector<Bild> out;
    for (std::size_t at = rtf.find("\\pict"); at != std::string::npos;
         at = rtf.find("\\pict", at + 5)) {
        // Only the control word itself, not \pictxyz.
        const std::size_t e = at + 5;
        if (e < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[e])) != 0) {
            continue;
        }
        Bild b;
        std::string f;
        if (detail::LiesBild(rtf, at, b, f)) {
            out.push_back(std::move(b));
        } else if (fehler != nullptr) {
            fehler->push_back(detail::Name(b) + ": " + f);
        }
    }
    return out;
}

// What is wrong with a metafile as such (empty when sound): structure, bounds and
// coordinates.
inline std::vector<std::string> MetafileFehler(const emf::Reader& r) {
    std::vector<std::string> out = r.Faults();
    if (!r.Ok()) {
        return out;
    }
    const emf::Rect b = r.Bounds();
    for (const emf::Rect& e : r.Extents()) {
        if (!b.Contains(e)) {
            out.push_back("a record outside the header's bounds");
            break;
        }
    }
    for (const emf::Rect& e : r.Extents()) {
        if (std::max({std::abs(e.left), std::abs(e.top), std::abs(e.right), std::abs(e.bottom)}) >
            kMaxGeraeteEinheiten) {
            out.push_back("a coordinate far beyond the picture");
            break;
        }
    }
    if (r.Extents().empty()) {
        out.push_back("nothing drawn");
    }
    return out;
}

// What is wrong with one picture of a report (empty when sound).
inline std::vector<std::string> Fehler(const Bild& b) {
    std::vector<std::string> out;
    const std::string name = detail::Name(b);
    if (b.wGoal <= 0 || b.hGoal <= 0) {
        out.push_back(name + ": no size to show it at");
        return out;
    }
    if (b.art != "emfblip") {
        return out; // a picture of the host's, shown as it comes
    }
    const emf::Reader r(b.bytes);
    for (const std::string& f : MetafileFehler(r)) {
        out.push_back(name + ": " + f);
    }
    if (r.Ok()) {
        const emf::Rect frame = r.Frame();
        if (frame.right - frame.left != b.picw || frame.bottom - frame.top != b.pich) {
            out.push_back(name + ": \\picw/\\pich differ from the metafile's frame");
        }
    }
    const double w = b.BreiteCm();
    const double h = b.HoeheCm();
    if (std::min(w, h) < kMinSeiteCm - 0.005) {
        out.push_back(name + ": shown " + std::to_string(w) + " x " + std::to_string(h) +
                      " cm, less than 2 cm on a side");
    }
    if (std::max(w, h) > kMaxSeitenverhaeltnis * std::min(w, h)) {
        out.push_back(name + ": shown " + std::to_string(w) + " x " + std::to_string(h) +
                      " cm, more than 20:1");
    }
    return out;
}

// What is wrong with the pictures of a report (empty when all are sound).
inline std::vector<std::string> Fehler(const std::string& rtf) {
    std::vector<std::string> out;
    for (const Bild& b : Bilder(rtf, &out)) {
        const std::vector<std::string> f = Fehler(b);
        out.insert(out.end(), f.begin(), f.end());
    }
    return out;
}

// Texts of a picture that print over one another or run together: their boxes, each
// widened by a quarter of its height on either side, overlap by more than the tenth
// of a line that a font keeps free above its letters. One entry per pair.
inline std::vector<std::string> Ueberdrucke(const emf::Reader& r) {
    std::vector<std::string> out;
    const auto& texte = r.Texts();
    const auto kasten = [](const emf::Text& t) {
        emf::Rect k = t.box;
        const int h = k.bottom - k.top;
        k.left -= h / 4;
        k.right += h / 4;
        k.top += h / 10;
        return k;
    };
    for (std::size_t i = 0; i < texte.size(); ++i) {
        for (std::size_t j = i + 1; j < texte.size(); ++j) {
            const emf::Rect a = kasten(texte[i]);
            const emf::Rect b = kasten(texte[j]);
            if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
                out.push_back("\"" + texte[i].Utf8() + "\" and \"" + texte[j].Utf8() + "\"");
            }
        }
    }
    return out;
}

// Height of the smallest text of a picture as the report shows it (cm); 0 when it has
// no text or cannot be read.
inline double KleinsteTexthoeheCm(const Bild& b) {
    const emf::Reader r(b.bytes);
    const emf::Rect f = r.Bounds();
    if (!r.Ok() || r.Texts().empty() || f.right <= f.left) {
        return 0.0;
    }
    const double cmJeEinheit = b.BreiteCm() / (f.right - f.left);
    int kleinste = 1 << 30;
    for (const emf::Text& t : r.Texts()) {
        kleinste = std::min(kleinste, t.box.bottom - t.box.top);
    }
    return kleinste * cmJeEinheit;
}

} // namespace bildpruefung
