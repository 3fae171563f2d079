// The soil table prints the unit weight each side of the wall is computed with:
// tests/e2e/data/anker_frei_wasser_vorn.xml is anker_frei.xml with the water 6.5 m below the
// head behind the wall and 3.0 m in front. Behind the wall the soil down to 6.5 m lies
// above its water (γ), in front the soil from the excavation at 6.0 m lies below its
// water (γ'), and both sides below 6.5 m.

#include "Bericht.h"
#include "ZirfLauf.h"

#include "../support/Examples.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

// The rows of the soil table (those under its unit row), each as its cells.
std::vector<std::vector<std::string>> Schichtzeilen(const std::string& rtf) {
    std::istringstream zeilen(rtfcheck::BodyText(rtf));
    std::vector<std::vector<std::string>> tabelle;
    bool drin = false;
    for (std::string zeile; std::getline(zeilen, zeile);) {
        if (zeile.rfind("Nr. |  |  | [m] | [m] | [kN/m³]", 0) == 0) {
            drin = true;
            continue;
        }
        const std::vector<std::string> zellen = Zellen(zeile);
        if (drin && zellen.size() < 12) {
            break;
        }
        if (drin) {
            tabelle.push_back(zellen);
        }
    }
    return tabelle;
}

// The cells of the first row under the heading whose first two cells are `a` and `b`.
std::vector<std::string> ZeileNach(const std::string& text, const std::string& ueberschrift,
                                   const std::string& a, const std::string& b) {
    const std::size_t ab = text.find(ueberschrift);
    if (ab == std::string::npos) {
        return {};
    }
    std::istringstream zeilen(text.substr(ab));
    for (std::string zeile; std::getline(zeilen, zeile);) {
        const std::vector<std::string> zellen = Zellen(zeile);
        if (zellen.size() > 2 && zellen[0] == a && zellen[1] == b) {
            return zellen;
        }
    }
    return {};
}

const std::string kPassiv = "char. Erdwiderstand aus ständigen";

TEST(WichteJeSeite, SoilTablePrintsTheUnitWeightEachSideTakes) {
    const ZirfLauf lauf = RunZirf(SourceText("tests/e2e/data/anker_frei_wasser_vorn.xml"));
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const std::string text = rtfcheck::BodyText(lauf.bericht);
    EXPECT_NE(text.find("Schicht | Bezeichnung | h | Kote | γ Berg | γ Tal | φ"), std::string::npos)
        << text;
    EXPECT_NE(text.find("γ Berg, γ Tal: Wichte hinter und vor der Wand, über dem Grundwasser der "
                        "Seite gamma, darunter gamma_feucht"),
              std::string::npos);

    // Layer bottoms, γ behind and γ in front, by hand: fill 18/10, sand 19/11, clay 20/10.
    struct Erwartet {
        const char* kote;
        const char* berg;
        const char* tal;
    };
    const Erwartet erwartet[] = {
        {"-1.50", "18.0", ""},      {"-2.00", "18.0", ""},      {"-3.00", "19.0", ""},
        {"-6.00", "19.0", ""},      {"-6.50", "19.0", "11.0"},  {"-7.00", "11.0", "11.0"},
        {"-19.00", "10.0", "10.0"}, {"-29.00", "10.0", "10.0"},
    };
    const auto tabelle = Schichtzeilen(lauf.bericht);
    ASSERT_EQ(tabelle.size(), std::size(erwartet)) << text;
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        SCOPED_TRACE(erwartet[i].kote);
        EXPECT_EQ(tabelle[i][5], erwartet[i].kote);
        EXPECT_EQ(tabelle[i][6], erwartet[i].berg);
        EXPECT_EQ(tabelle[i][7], erwartet[i].tal);
    }

    // The earth-pressure tables grow by the printed weights: σa behind the wall from
    // 65.00 at 3 m to 65 + 3 · 19 = 122.00 at 6 m, σp in front by 0.5 · 11 = 5.50 from
    // the excavation at 6 m to 6.5 m.
    const std::vector<std::string> oben = BerichtsZeile(lauf.bericht, "4", "-3.00");
    const std::vector<std::string> unten = BerichtsZeile(lauf.bericht, "4", "-6.00");
    ASSERT_FALSE(oben.empty());
    ASSERT_FALSE(unten.empty());
    EXPECT_EQ(oben[2], "65.00");
    EXPECT_EQ(unten[2], "122.00");
    const std::vector<std::string> aktiv = BerichtsZeile(lauf.bericht, "5", "-6.50");
    ASSERT_GE(aktiv.size(), 3u);
    EXPECT_EQ(aktiv[2], "131.50"); // σa: 122 + 0.5 · 19
    const std::vector<std::string> vorn = ZeileNach(text, kPassiv, "5", "-6.50");
    ASSERT_GE(vorn.size(), 3u) << text;
    EXPECT_EQ(vorn[2], "5.50");
}

// anker_frei.xml as given, water 3.0 m below the head behind the wall and 6.5 m in front:
// between the excavation (6.0 m) and 6.5 m the soil behind the wall lies below its water,
// the soil in front above its own; the passive pressure there grows by 0.5 · 19.
TEST(WichteJeSeite, BelowTheExcavationTheSidesDiffer) {
    const ZirfLauf lauf = RunZirf(ExampleText("anker_frei.xml"));
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const auto tabelle = Schichtzeilen(lauf.bericht);
    ASSERT_GE(tabelle.size(), 6u);
    const struct {
        const char* kote;
        const char* berg;
        const char* tal;
    } erwartet[] = {{"-6.00", "11.0", ""}, {"-6.50", "11.0", "19.0"}, {"-7.00", "11.0", "11.0"}};
    for (std::size_t i = 0; i < std::size(erwartet); ++i) {
        SCOPED_TRACE(erwartet[i].kote);
        EXPECT_EQ(tabelle[3 + i][5], erwartet[i].kote);
        EXPECT_EQ(tabelle[3 + i][6], erwartet[i].berg);
        EXPECT_EQ(tabelle[3 + i][7], erwartet[i].tal);
    }
    const std::vector<std::string> vorn =
        ZeileNach(rtfcheck::BodyText(lauf.bericht), kPassiv, "5", "-6.50");
    ASSERT_GE(vorn.size(), 3u);
    EXPECT_EQ(vorn[2], "9.50");
}

} // namespace
