// The support checks of every kind of report a checker reads: each table prints every
// share that enters its sum, with its sign, and the printed rows add up to the printed
// sum; a wall the program designed passes its own earth-support check, a free foot at a
// utilisation of 1 (the depth iteration balances exactly that), a fixed or partly fixed
// one below it.
#include "Bericht.h"
#include "Berichtsarten.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A value printed with two decimals is good to half a unit of the last one.
constexpr double kZweiStellen = 0.005 + 1e-9;
constexpr double kDreiStellen = 0.0005 + 1e-9;
// The check passes up to 0.1 % beyond the resistance.
constexpr double kToleranz = 1.001;
// A free foot lies on the safe side of the balance, within a tenth of a millimetre: the
// utilisation of the designed wall is 1 to far better than this.
constexpr double kFreierFuss = 1e-3;

// The value of an attribute of the first element of that name in the input document.
std::string Attribut(const std::string& dokument, const std::string& element,
                     const std::string& name) {
    std::smatch tag;
    if (!std::regex_search(dokument, tag, std::regex("<" + element + "\\s[^>]*>"))) {
        return "";
    }
    const std::string text = tag.str();
    std::smatch wert;
    return std::regex_search(text, wert, std::regex("\\s" + name + "=\"([^\"]*)\"")) ? wert[1].str()
                                                                                     : "";
}

// One table of a check: its rows (cells) up to the row "Summe", and the sum.
struct Tabelle {
    std::vector<std::vector<std::string>> zeilen;
    std::optional<double> summe;
};

// The table that follows the line `ab` (searched from `von` on) up to its row "Summe",
// whose value stands in cell k; `von` is left after that row.
Tabelle TabelleNach(std::istream& text, const std::string& ab, std::size_t k) {
    Tabelle t;
    std::string zeile;
    while (std::getline(text, zeile) && zeile != ab) {
    }
    while (!t.summe && std::getline(text, zeile)) {
        const std::vector<std::string> zellen = Zellen(zeile);
        if (zellen.size() <= k) {
            continue; // head and unit rows are shorter
        }
        if (zellen[0] == "Summe") {
            t.summe = ZahlInZelle(zellen, k);
        } else if (ZahlInZelle(zellen, k)) {
            t.zeilen.push_back(zellen);
        }
    }
    return t;
}

// The rows' values in cell k add up to the sum, within the printed digits of each.
void ZeilenErgebenSumme(const Tabelle& t, std::size_t k) {
    ASSERT_TRUE(t.summe.has_value());
    double summe = 0.0;
    for (const auto& zellen : t.zeilen) {
        summe += ZahlInZelle(zellen, k).value_or(0.0);
    }
    EXPECT_NEAR(summe, *t.summe, kZweiStellen * static_cast<double>(t.zeilen.size() + 1));
}

struct Lauf {
    Berichtsart art;
    ZirfLauf lauf;
};

const std::vector<Lauf>& Laeufe() {
    static const std::vector<Lauf> laeufe = [] {
        std::vector<Lauf> l;
        for (const Berichtsart& art : Berichtsarten()) {
            l.push_back({art, RunZirf(art.dokument)});
        }
        return l;
    }();
    return laeufe;
}

TEST(ErdwiderlagerSummen, EveryRowOfTheSupportChecksIsPrintedAndTheRowsAddUp) {
    for (const Lauf& l : Laeufe()) {
        SCOPED_TRACE(l.art.name);
        ASSERT_TRUE(l.lauf.status == 0 || l.lauf.status == 3) << l.lauf.meldungen;
        const bool anker = Attribut(l.art.dokument, "geom", "mitanker") != "0";
        std::istringstream text(rtfcheck::BodyText(l.lauf.bericht));
        const Tabelle erdwiderlager = TabelleNach(text, "Nachweis des Erdwiderlagers", 5);
        if (!anker) {
            EXPECT_FALSE(erdwiderlager.summe.has_value());
            continue;
        }
        ZeilenErgebenSumme(erdwiderlager, 5);
        // Each row: Bh,k = share · Eph,d and Bh,d = Bh,k · gammaF, as printed; the layers'
        // traffic or compaction row holds a design value only.
        for (const auto& zellen : erdwiderlager.zeilen) {
            const auto ephd = ZahlInZelle(zellen, 1);
            const auto anteil = ZahlInZelle(zellen, 2);
            const auto bhk = ZahlInZelle(zellen, 3);
            const auto gammaF = ZahlInZelle(zellen, 4);
            if (!ephd || !anteil || !bhk || !gammaF) {
                EXPECT_EQ(zellen[0], "Verkehr/Verdichtung");
                continue;
            }
            SCOPED_TRACE(zellen[0]);
            EXPECT_NEAR(*anteil * *ephd, *bhk, kDreiStellen * *ephd + kZweiStellen);
            EXPECT_NEAR(*bhk * *gammaF, *ZahlInZelle(zellen, 5),
                        kZweiStellen * (1.0 + *gammaF) + kZweiStellen * std::fabs(*bhk));
        }
        const ErgebnisXml xml(l.lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"trag", "horizontal"}, "bhd").value_or(-1.0),
                    erdwiderlager.summe.value_or(0.0), kZweiStellen);
    }
}

// The check of the vertical forces of every kind of wall: each row's V,d is its factor
// times its force, the rows add up to the sum, and the verdict is the sum's.
TEST(ErdwiderlagerSummen, EveryRowOfTheVerticalForceCheckIsItsFactorTimesItsForce) {
    for (const Lauf& l : Laeufe()) {
        SCOPED_TRACE(l.art.name);
        const bool anker = Attribut(l.art.dokument, "geom", "mitanker") != "0";
        std::istringstream text(rtfcheck::BodyText(l.lauf.bericht));
        const Tabelle v = TabelleNach(
            text, anker ? "Vertikalkomponente der Auflagerkraft" : "Nachweis der Vertikalkräfte",
            6);
        ZeilenErgebenSumme(v, 6);
        for (const auto& zellen : v.zeilen) {
            SCOPED_TRACE(zellen[0]);
            const auto faktor = ZahlInZelle(zellen, 3);
            const auto kraft = ZahlInZelle(zellen, 5);
            ASSERT_TRUE(faktor && kraft);
            // The factor printed with two or three decimals, the force with two.
            EXPECT_NEAR(*faktor * *kraft, *ZahlInZelle(zellen, 6),
                        kZweiStellen * (1.0 + std::fabs(*faktor)) +
                            kDreiStellen * std::fabs(*kraft) + kZweiStellen);
        }
        std::string zeile;
        std::getline(text, zeile);
        EXPECT_EQ(zeile.find("Nachweis eingehalten") != std::string::npos,
                  v.summe.value_or(-1.0) >= 0.0)
            << zeile;
        const ErgebnisXml xml(l.lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "summe").value_or(-1e9), v.summe.value_or(0.0),
                    kZweiStellen);
    }
}

TEST(ErdwiderlagerSummen, ADesignedWallPassesItsOwnEarthSupportCheck) {
    for (const Lauf& l : Laeufe()) {
        SCOPED_TRACE(l.art.name);
        const std::string& dok = l.art.dokument;
        if (Attribut(dok, "geom", "mitanker") == "0") {
            continue;
        }
        const ErgebnisXml xml(l.lauf.ergebnis);
        const double ausnutzung = xml.Wert({"trag", "horizontal"}, "ausnutzung").value_or(-1.0);
        const std::string text = rtfcheck::BodyText(l.lauf.bericht);
        const bool eingehalten =
            text.find("Bh,d <= Eph,d : Nachweis eingehalten") != std::string::npos;
        const bool nicht =
            text.find("Bh,d > Eph,d : Nachweis nicht eingehalten") != std::string::npos;
        // One verdict, and the one its utilisation gives.
        EXPECT_NE(eingehalten, nicht);
        EXPECT_EQ(eingehalten, ausnutzung <= kToleranz) << ausnutzung;
        if (Attribut(dok, "steu", "berart") != "0") {
            continue; // a checked wall stands at its given depth
        }
        EXPECT_TRUE(eingehalten);
        EXPECT_GT(ausnutzung, 0.0);
        EXPECT_LE(ausnutzung, 1.0 + 1e-9);
        if (Attribut(dok, "steu", "system") == "1") {
            EXPECT_NEAR(ausnutzung, 1.0, kFreierFuss);
        }
    }
}

} // namespace
