// Faulty input must never crash zirf, hang it, or give a silently wrong number: every
// run on a faulty variant of an example either completes with finite numbers in its
// report and results, or ends with an error naming the element and the attribute, and
// leaves the user's files as they were.
//
// The first test runs a representative table of changes. The full sweep (every numeric
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

// One change of the representative table and what it must give: any sound outcome, or an
// error whose message holds `meldung` (the attribute or the reason it is refused for).
struct Fall {
    const char* beispiel;
    Aenderung aenderung;
    const char* meldung; // "" for any sound outcome
};

std::vector<Fall> Stichprobe() {
    const auto attr = [](const char* b, const char* pfad, const char* name, const char* wert,
                         const char* meldung) {
        return Fall{b, SetzeAttribut(pfad, name, wert), meldung};
    };
    const auto struktur = [](const char* b, const char* beschreibung, const char* meldung) {
        return Fall{b, StrukturAenderung(beschreibung), meldung};
    };
    const char* k = "kragwand.xml";
    const char* a = "anker_frei.xml";
    return {
        // Texts that are no number, and an empty attribute (read as 0).
        attr(k, "geom", "wand_hw", "abc", "'wand_hw'"),
        attr(k, "geom", "wand_hw", "nan", "'wand_hw'"),
        attr(a, "bode/gruppe[2]", "phi", "inf", "'phi'"),
        attr(a, "lastUeberlagerung/sicherheitsbeiwerte", "gamma_g_1", "-nan", "'gamma_g_1'"),
        attr(k, "geom", "wand_hw", "", "wand_hw"),
        // Numbers out of range.
        attr(k, "geom", "wand_hw", "1e9", ""),
        attr(k, "geom", "rundung", "0", ""),
        attr(k, "bode/gruppe[2]", "sd", "0", "sd"),
        attr(k, "bode/gruppe[1]", "phi", "89", ""),
        attr(a, "bode/gruppe[1]", "coh", "-1", "coh"),
        attr(a, "bode/gruppe[1]", "delta", "1e9", "delta"),
        attr(a, "bode/gruppe[3]", "deltp", "-150", "deltp"),
        attr(a, "bode/gruppe[2]", "gamma", "0", "gamma"),
        attr(k, "geom", "wand_neigung", "1e9", "wand_neigung"),
        attr(k, "teil", "gep1", "0", "gep1"),
        attr(a, "lastUeberlagerung/sicherheitsbeiwerte", "gamma_q_1", "-1.5", "gamma_q_1"),
        attr(k, "mate/profil/objekt/Eigenschaft[Iy]", "Wert01", "0", "Iy"),
        attr(a, "geom", "tiefe_anker", "1e-9", "tiefe_anker"),
        attr(a, "geom", "ankerneigung", "90", "ankerneigung"),
        attr(a, "mate/anker", "lv", "0", "lv"),
        attr(a, "steu", "lastfall", "1e9", "lastfall"),
        // Sections and lists missing, doubled or overfull.
        struktur(k, "ohne bode", "bode"),
        struktur(a, "ohne lastUeberlagerung/results", "STR,GEO"),
        struktur(a, "bode mit 11 Einträgen", "bode"),
        struktur(k, "steu doppelt", ""),
        struktur(a, "lastUeberlagerung/lastfaelle doppelt gelistet", ""),
        // What an engineer gets wrong.
        struktur(k, "alle Schichten ohne Wichte", "Wichte"),
        struktur(a, "alle Schichten phi=0", ""),
        struktur(a, "Wasser über dem Kopf", "tgh"),
        struktur(a, "Wasser am Kopf", ""),
        struktur(a, "Wasser weit unten", ""),
        struktur(a, "Anker bei wand_hw1", "tiefe_anker"),
        struktur(a, "regel=\"\"", "Lastfall 1"),
        struktur(k, "regel=\"1.35*(1\"", "regel"),
        struktur(k, "regel=\"abc\"", "regel"),
        struktur(a, "regel=\"1.35*(99)\"", "regel"),
        // The user's files named as sketches stay.
        struktur(k, "skizze2d_datei=\"wand.xml\"", ""),
        struktur(k, "skizze2d_datei=\"notiz.txt\"", ""),
        struktur(k, "skizze2d_datei=\".\"", ""),
    };
}

TEST(Robustheit, StichprobeFalscherEingaben) {
    const std::vector<Fall> faelle = Stichprobe();
    std::vector<Mutant> mutanten;
    for (const Fall& f : faelle) {
        const Aenderung& a = f.aenderung;
        mutanten.push_back(
            {f.beispiel, a.beschreibung, Anwenden(ExampleText(f.beispiel), a), a.nenntAttribut});
    }
    const std::vector<Befund> befunde = PruefeAlle(mutanten);
    EXPECT_EQ(Fehlerliste(befunde), "");
    for (std::size_t i = 0; i < faelle.size(); ++i) {
        const Befund& b = befunde[i];
        if (*faelle[i].meldung != '\0') {
            // A value the calculation would take without a word must be refused.
            EXPECT_EQ(b.status, 1) << b.beispiel << " " << b.beschreibung;
            EXPECT_NE(b.meldungen.find(faelle[i].meldung), std::string::npos)
                << b.beispiel << " " << b.beschreibung << ": " << b.meldungen;
        }
    }
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
