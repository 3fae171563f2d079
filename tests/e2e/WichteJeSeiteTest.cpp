// The soil table prints the unit weight each side of the wall is computed with:
// tests/e2e/data/anker_wasser_vorn.xml is anker_frei.xml with the water 6.5 m below the
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

TEST(WichteJeSeite, SoilTablePrintsTheUnitWeightEachSideTakes) {
    const ZirfLauf lauf = RunZirf(SourceText("tests/e2e/data/anker_wasser_vorn.xml"));
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
    const std::vector<std::string> passiv = BerichtsZeile(lauf.bericht, "5", "-6.50");
    ASSERT_GE(passiv.size(), 3u);
    EXPECT_EQ(passiv[2], "131.50"); // σa: 122 + 0.5 · 19
    std::istringstream zeilen(text.substr(text.find("char. Erdwiderstand aus ständigen")));
    bool gefunden = false;
    for (std::string zeile; std::getline(zeilen, zeile) && !gefunden;) {
        const std::vector<std::string> zellen = Zellen(zeile);
        if (zellen.size() > 2 && zellen[0] == "5" && zellen[1] == "-6.50") {
            EXPECT_EQ(zellen[2], "5.50");
            gefunden = true;
        }
    }
    EXPECT_TRUE(gefunden) << text;
}

} // namespace
