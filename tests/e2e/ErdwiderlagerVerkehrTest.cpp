// The earth-support table of the anchored wall with the layers' larger-of share of traffic
// and compaction, run through zirf: that share printed by the load cases it holds (and the
// compaction), each row recomputable as Bh,d = Bh,k · γF, and the load-case rows whose
// layer loads it took marked. The strip load of tests/e2e/data/anker_frei_streifenlast.xml
// (40 kN/m² from 1 to 3 m behind the wall, load case 3) has by hand a characteristic share
// of 2.86 kN/m of the support force, 4.29 kN/m with γQ 1.5.
#include "../platform/RtfStructureCheck.h"
#include "../support/Examples.h"
#include "Bericht.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kGedruckt = 0.005 + 1e-9;

struct Zeile {
    std::string lf; // the first cell
    double eph = 0.0, anteil = 0.0, bhk = 0.0, gammaF = 0.0, bhd = 0.0;
};

struct Tabelle {
    std::vector<Zeile> zeilen;
    bool titelVerkehr = false; // the row "Verkehr/Verdichtung" above its load cases
    double summe = 0.0;
    bool hinweis = false; // the note on the marked rows
};

Tabelle Lies(const std::string& bericht) {
    Tabelle t;
    std::istringstream text(rtfcheck::BodyText(bericht));
    std::string zeile;
    bool drin = false;
    while (std::getline(text, zeile)) {
        if (zeile == "Nachweis des Erdwiderlagers") {
            drin = true;
            continue;
        }
        if (!drin) {
            continue;
        }
        if (zeile.rfind("* Lastfall mit Anteil in Verkehr/Verdichtung", 0) == 0) {
            t.hinweis = true;
        }
        if (zeile.find("Nachweis eingehalten") != std::string::npos ||
            zeile.find("Nachweis nicht eingehalten") != std::string::npos) {
            break;
        }
        const std::vector<std::string> z = Zellen(zeile);
        if (z.size() < 6 || z[0] == "Lf" || z[0] == "Nr.") {
            continue;
        }
        if (z[0] == "Summe") {
            t.summe = ZahlInZelle(z, 5).value_or(-1.0);
        } else if (z[0] == "Verkehr/Verdichtung") {
            t.titelVerkehr = true;
        } else {
            Zeile r;
            r.lf = z[0];
            r.eph = ZahlInZelle(z, 1).value_or(-1.0);
            r.anteil = ZahlInZelle(z, 2).value_or(-1.0);
            r.bhk = ZahlInZelle(z, 3).value_or(-1.0);
            r.gammaF = ZahlInZelle(z, 4).value_or(-1.0);
            r.bhd = ZahlInZelle(z, 5).value_or(-1.0);
            t.zeilen.push_back(r);
        }
    }
    return t;
}

std::optional<Zeile> Finde(const Tabelle& t, const std::string& lf) {
    for (const Zeile& z : t.zeilen) {
        if (z.lf == lf) {
            return z;
        }
    }
    return std::nullopt;
}

ZirfLauf Lauf(const std::string& dokument) {
    return RunZirf(dokument);
}

// Every row recomputes and the rows add up to the sum; a marked load-case row has its row
// under "Verkehr/Verdichtung" and each such row its marked load case.
void PruefeTabelle(const Tabelle& t) {
    ASSERT_FALSE(t.zeilen.empty());
    double summe = 0.0;
    for (const Zeile& z : t.zeilen) {
        SCOPED_TRACE(z.lf);
        // Bh,k and Bh,d print with two decimals, γF with two.
        EXPECT_NEAR(z.bhd, z.bhk * z.gammaF,
                    kGedruckt * (1.0 + std::fabs(z.gammaF) + std::fabs(z.bhk)));
        EXPECT_NEAR(z.bhk, z.anteil * z.eph, kGedruckt + 0.0005 * z.eph);
        summe += z.bhd;
        if (z.lf.size() > 2 && z.lf.substr(z.lf.size() - 2) == " *") {
            EXPECT_TRUE(Finde(t, "Lf " + z.lf.substr(0, z.lf.size() - 2)).has_value());
            EXPECT_TRUE(t.hinweis);
            EXPECT_TRUE(t.titelVerkehr);
        }
        if (z.lf.rfind("Lf ", 0) == 0) {
            EXPECT_TRUE(Finde(t, z.lf.substr(3) + " *").has_value());
        }
    }
    EXPECT_NEAR(summe, t.summe, kGedruckt * static_cast<double>(t.zeilen.size() + 1));
}

TEST(ErdwiderlagerVerkehr, TheStripLoadsShareStandsInItsOwnRowUnderTheLargerOf) {
    const ZirfLauf lauf = Lauf(SourceText("tests/e2e/data/anker_frei_streifenlast.xml"));
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const Tabelle t = Lies(lauf.bericht);
    PruefeTabelle(t);
    // Load case 3 has no share outside the layers: its own row is marked, empty.
    const std::optional<Zeile> lf3 = Finde(t, "3 *");
    ASSERT_TRUE(lf3.has_value());
    EXPECT_EQ(lf3->bhk, 0.0);
    const std::optional<Zeile> verkehr = Finde(t, "Lf 3");
    ASSERT_TRUE(verkehr.has_value());
    EXPECT_NEAR(verkehr->bhk, 2.86, kGedruckt);
    EXPECT_NEAR(verkehr->gammaF, 1.5, 1e-9);
    EXPECT_NEAR(verkehr->bhd, 4.29, kGedruckt);
    // The head pull of load case 2 acts on no layer: not marked.
    EXPECT_TRUE(Finde(t, "2").has_value());
    EXPECT_FALSE(Finde(t, "Lf 2").has_value());
    EXPECT_FALSE(Finde(t, "Verd.").has_value());
}

TEST(ErdwiderlagerVerkehr, EveryRowOfTheExamplesAndOfACheckedDepthRecomputes) {
    std::vector<std::pair<std::string, std::string>> dokumente = {
        {"anker_frei", ExampleText("anker_frei.xml")},
        {"anker_eingespannt", ExampleText("anker_eingespannt.xml")},
        {"anker_sand", ExampleText("anker_sand.xml")},
        {"anker_frei 15.2", SourceText("tests/e2e/data/anker_frei_nachweis.xml")},
        {"anker_frei verdichtet", SourceText("tests/e2e/data/anker_frei_verdichtung.xml")},
    };
    for (const auto& [name, dokument] : dokumente) {
        SCOPED_TRACE(name);
        const ZirfLauf lauf = Lauf(dokument);
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        PruefeTabelle(Lies(lauf.bericht));
    }
    // anker_frei's traffic surcharge (load case 2) is booked under the larger-of.
    const Tabelle t = Lies(Lauf(ExampleText("anker_frei.xml")).bericht);
    EXPECT_TRUE(Finde(t, "2 *").has_value());
    EXPECT_TRUE(Finde(t, "Lf 2").has_value());
    // With compaction some layers take it: its row with the permanent factor.
    const Tabelle v = Lies(Lauf(SourceText("tests/e2e/data/anker_frei_verdichtung.xml")).bericht);
    const std::optional<Zeile> verdichtung = Finde(v, "Verd.");
    ASSERT_TRUE(verdichtung.has_value());
    EXPECT_NEAR(verdichtung->gammaF, 1.35, 1e-9);
}

} // namespace
