#pragma once

// A report's pages as LibreOffice lays them out (the PDF text, line by line down each
// page) held against the report's structure read from its RTF: which lines head a table
// or lead to one, and so must not stand last on a page.

#include "../platform/RtfStructureCheck.h"

#include <algorithm>
#include <cstddef>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace seitenbild {

using Worte = std::vector<std::string>;
using Seite = std::vector<std::string>;

// The page head: the program line and the title line with its rule.
inline constexpr std::size_t kKopfzeilen = 2;

inline Worte WorteVon(const std::string& text) {
    Worte w;
    std::istringstream in(text);
    for (std::string wort; in >> wort;) {
        if (wort != "|") {
            w.push_back(wort);
        }
    }
    return w;
}

// Whether every word of `teil` stands in `ganz`, in the same order.
inline bool Teilfolge(const Worte& teil, const Worte& ganz) {
    std::size_t j = 0;
    for (const std::string& w : teil) {
        while (j < ganz.size() && ganz[j] != w) {
            ++j;
        }
        if (j == ganz.size()) {
            return false;
        }
        ++j;
    }
    return true;
}

// Whether `teil` (not empty) is how `ganz` ends: the last line of a paragraph that wraps.
inline bool Ende(const Worte& teil, const Worte& ganz) {
    return !teil.empty() && teil.size() <= ganz.size() &&
           std::equal(teil.begin(), teil.end(),
                      ganz.end() - static_cast<std::ptrdiff_t>(teil.size()));
}

// Whether `teil` (not empty) is how `ganz` begins: the first line of a paragraph that wraps.
inline bool Anfang(const Worte& teil, const Worte& ganz) {
    return !teil.empty() && teil.size() <= ganz.size() &&
           std::equal(teil.begin(), teil.end(), ganz.begin());
}

// What of the report's structure must not end a page, each as the words it shows:
// - the headings: a paragraph of a heading style (1 to 4);
// - the table head rows: a row whose cells are in the table head style;
// - the introductions: the lines of text between a heading and the table it leads to
//   (with blank paragraphs between them, nothing else).
// - and, to stand together at the top of a page, the last two rows of each table (of
//   tables right under each other, the last two of the lowest), and a table's verdict
//   lines with the row or the line above them.
struct Koepfe {
    std::vector<Worte> ueberschriften;
    std::vector<Worte> kopfzeilen;
    std::vector<Worte> einleitungen;
    std::vector<std::pair<Worte, Worte>> schlusszeilen;
    // The lines of text right after a table (its verdict), each with what stands above it.
    std::vector<std::pair<Worte, Worte>> nachsaetze;
};

inline Koepfe KoepfeVon(const std::string& rtf) {
    Koepfe k;
    const std::regex ueberschrift(R"(^\\pard\\plain\\s[1-4][^ ]* )");
    const std::regex absatz(R"(^\\pard\\plain\\s[0-9])");
    const std::regex kopfzelle(R"(^\\pard\\plain\\intbl\\s1\\)");
    // The lines of text since the last heading; none when something else came between.
    std::vector<Worte> offen;
    bool unterUeberschrift = false;
    // The rows of the tables since the last paragraph, the last two of them.
    std::pair<Worte, Worte> zeilenpaar;
    // What stands above a verdict line: the last row or verdict line; empty elsewhere.
    Worte ueberNachsatz;
    int zeilenImBlock = 0;
    const auto schliessen = [&] {
        if (zeilenImBlock >= 2) {
            k.schlusszeilen.push_back(zeilenpaar);
        }
        zeilenImBlock = 0;
    };
    std::istringstream zeilen(rtf);
    std::string zeile;
    while (std::getline(zeilen, zeile)) {
        if (zeile.rfind("\\trowd", 0) != 0 && !zeile.empty()) {
            schliessen();
        }
        if (std::regex_search(zeile, ueberschrift)) {
            k.ueberschriften.push_back(WorteVon(rtfcheck::BodyText(zeile)));
            unterUeberschrift = true;
            ueberNachsatz.clear();
            offen.clear();
        } else if (std::regex_search(zeile, absatz)) {
            const Worte worte = WorteVon(rtfcheck::BodyText(zeile));
            const bool text = zeile.find("\\pict") == std::string::npos &&
                              zeile.rfind("\\pard\\plain\\s5", 0) != 0;
            if (text && !worte.empty() && !ueberNachsatz.empty()) {
                k.nachsaetze.emplace_back(ueberNachsatz, worte);
                ueberNachsatz = worte;
            } else {
                ueberNachsatz.clear();
            }
            unterUeberschrift = unterUeberschrift && text;
            if (unterUeberschrift && !worte.empty()) {
                offen.push_back(worte);
            }
        } else if (zeile.rfind("\\trowd", 0) == 0) {
            if (unterUeberschrift) {
                k.einleitungen.insert(k.einleitungen.end(), offen.begin(), offen.end());
            }
            unterUeberschrift = false;
            offen.clear();
            std::string zellen;
            bool kopf = false;
            while (std::getline(zeilen, zeile) && zeile != "\\row") {
                kopf = kopf || std::regex_search(zeile, kopfzelle);
                zellen += zeile + "\n";
            }
            const Worte worte = WorteVon(rtfcheck::BodyText(zellen));
            if (kopf) {
                k.kopfzeilen.push_back(worte);
            }
            zeilenpaar = {zeilenpaar.second, worte};
            ueberNachsatz = worte;
            ++zeilenImBlock;
        } else if (!zeile.empty() && zeile != "}") {
            // An inserted fragment or anything else ends what a heading began.
            unterUeberschrift = false;
            ueberNachsatz.clear();
        }
    }
    schliessen();
    return k;
}

// The pages of the PDF text (layout order, pages ended by a form feed), each as its lines
// with words, without blank lines and without the page head.
inline std::vector<Seite> SeitenVon(const std::string& text) {
    std::vector<Seite> seiten;
    std::istringstream in(text);
    for (std::string seite; std::getline(in, seite, '\f');) {
        Seite zeilen;
        std::istringstream s(seite);
        for (std::string zeile; std::getline(s, zeile);) {
            if (!WorteVon(zeile).empty()) {
                zeilen.push_back(zeile);
            }
        }
        if (zeilen.size() > kKopfzeilen) {
            seiten.emplace_back(zeilen.begin() + kKopfzeilen, zeilen.end());
        }
    }
    return seiten;
}

// Each page but the last that ends with a heading, a table head row or a line that
// introduces a table (whose table then starts the next page), and each page that starts
// with a table's last row or verdict while what stands above it ends the page before:
// what is wrong.
inline std::vector<std::string> SeitenendenOhneTabelle(const std::vector<Seite>& seiten,
                                                       const Koepfe& koepfe) {
    std::vector<std::string> fehler;
    for (std::size_t i = 0; i + 1 < seiten.size(); ++i) {
        if (seiten[i].empty()) {
            continue;
        }
        const std::string& letzte = seiten[i].back();
        const Worte worte = WorteVon(letzte);
        const std::string wo = "page " + std::to_string(i + 1) + " ends with ";
        for (const Worte& u : koepfe.ueberschriften) {
            if (worte == u) {
                fehler.push_back(wo + "a heading: " + letzte);
            }
        }
        for (const Worte& kz : koepfe.kopfzeilen) {
            if (Teilfolge(worte, kz)) {
                fehler.push_back(wo + "a table head: " + letzte);
            }
        }
        for (const Worte& e : koepfe.einleitungen) {
            if (Ende(worte, e)) {
                fehler.push_back(wo + "a line that introduces a table: " + letzte);
            }
        }
        const std::string& erste = seiten[i + 1].front();
        const Worte ersteWorte = WorteVon(erste);
        for (const auto& [oben, nachsatz] : koepfe.nachsaetze) {
            if (Ende(worte, oben) && Anfang(ersteWorte, nachsatz)) {
                fehler.push_back("page " + std::to_string(i + 2) +
                                 " starts with a table's verdict apart from it: " + erste);
            }
        }
        for (const auto& [vorletzte, schluss] : koepfe.schlusszeilen) {
            if (worte == vorletzte && WorteVon(erste) == schluss) {
                fehler.push_back("page " + std::to_string(i + 2) +
                                 " starts with a table's last row alone: " + erste);
            }
        }
    }
    return fehler;
}

// The page (counted from 1) whose lines hold the text; 0 when none does.
inline std::size_t SeiteMit(const std::vector<Seite>& seiten, const std::string& text) {
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        for (const std::string& zeile : seiten[i]) {
            if (zeile.find(text) != std::string::npos) {
                return i + 1;
            }
        }
    }
    return 0;
}

} // namespace seitenbild
