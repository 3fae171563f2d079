// Faulty input must never crash zirf, hang it, or give a silently wrong number: every
// run on a faulty variant of an example either completes with finite numbers in its
// report and results, or ends with an error naming the element and the attribute, and
// leaves the user's files as they were.
//
// The test below runs a representative table of changes. The full sweep (every numeric
// attribute of every example with every faulty value, and every structural change) runs
// with ZIRF_ROBUST_ALLE=1 and writes its findings to robust_befunde.txt in the build
// folder.
#include "../support/Examples.h"
#include "Lauf.h"
#include "Mutanten.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>

namespace {

struct Beispiel {
    const char* datei;
    const char* art; // examples of one kind share their attributes
};

constexpr Beispiel kBeispiele[] = {
    {"kragwand.xml", "ohne Anker"},         {"anker_frei.xml", "mit Anker"},
    {"kragwand_sand.xml", "ohne Anker"},    {"kragwand_sand_lasten.xml", "ohne Anker"},
    {"anker_eingespannt.xml", "mit Anker"}, {"anker_sand.xml", "mit Anker"}};

std::vector<Mutant> Mutanten(const char* beispiel, const std::vector<Aenderung>& aenderungen) {
    const std::string text = ExampleText(beispiel);
    std::vector<Mutant> mutanten;
    for (const Aenderung& a : aenderungen) {
        try {
            mutanten.push_back({beispiel, a.beschreibung, Anwenden(text, a), a.nenntAttribut});
        } catch (const std::invalid_argument&) {
            // The example has nothing this change could touch.
        }
    }
    return mutanten;
}

// The changes of the full sweep. A wrong number goes into each attribute once per kind of
// wall (the first example of the kind that has it), a text that is no number once at all:
// the reader treats every attribute alike, the calculation each kind of wall. An empty
// attribute reads as 0, which the wrong numbers already cover. Sections and lists missing,
// doubled or overfull are the reader's concern too: they go into the first example of a
// kind; the engineering changes (layers, water, anchor, rules) into every example.
std::vector<Mutant> AlleMutanten() {
    std::set<std::string> zahlen;
    std::set<std::string> texte;
    std::set<std::string> arten;
    std::vector<Mutant> mutanten;
    for (const Beispiel& b : kBeispiele) {
        std::vector<Aenderung> aenderungen;
        for (const ZahlAttribut& a : ZahlAttribute(ExampleText(b.datei))) {
            const std::string wo = a.pfad + "@" + a.name;
            if (zahlen.insert(std::string(b.art) + " " + wo).second) {
                for (const std::string& w : FalscheZahlen(a.wert)) {
                    aenderungen.push_back(SetzeAttribut(a.pfad, a.name, w));
                }
            }
            if (texte.insert(wo).second) {
                for (const std::string& w : KeineZahlen()) {
                    if (!w.empty()) {
                        aenderungen.push_back(SetzeAttribut(a.pfad, a.name, w));
                    }
                }
            }
        }
        const bool ersteIhrerArt = arten.insert(b.art).second;
        for (Aenderung& a : StrukturAenderungen()) {
            if (a.nenntAttribut || ersteIhrerArt) {
                aenderungen.push_back(std::move(a));
            }
        }
        for (Mutant& m : Mutanten(b.datei, aenderungen)) {
            mutanten.push_back(std::move(m));
        }
    }
    return mutanten;
}

TEST(Robustheit, VolleDurchmusterung) {
    if (std::getenv("ZIRF_ROBUST_ALLE") == nullptr) {
        GTEST_SKIP() << "the full sweep runs with ZIRF_ROBUST_ALLE=1";
    }
    const std::vector<Mutant> mutanten = AlleMutanten();
    const auto start = std::chrono::steady_clock::now();
    const std::vector<Befund> befunde = PruefeAlle(mutanten);
    const double sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    std::ofstream protokoll(std::string(ZIRF_BINARY_DIR) + "/robust_befunde.txt");
    protokoll << befunde.size() << " runs in " << sekunden << " s\n\n";
    std::map<std::string, int> meldungen;
    for (const Befund& b : befunde) {
        protokoll << b.beispiel << " | " << b.beschreibung << " | status " << b.status << " | "
                  << (b.fehler.empty() ? "ok" : "FAIL " + b.fehler) << " | "
                  << b.meldungen.substr(0, b.meldungen.find('\n')) << "\n";
        if (b.status == 1) {
            ++meldungen[b.meldungen.substr(0, b.meldungen.find('\n'))];
        }
    }
    protokoll << "\nError messages:\n";
    for (const auto& [text, anzahl] : meldungen) {
        protokoll << anzahl << "x " << text << "\n";
    }
    EXPECT_EQ(Fehlerliste(befunde), "");
}

} // namespace
