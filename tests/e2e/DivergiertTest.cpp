// A run whose depth iteration diverges computes no depth: tests/e2e/data/
// kragwand_divergiert.xml (kragwand.xml dug 500 m deep) ends with status 3, and neither
// the report nor the result gives a depth, a governing combination or a state; the page
// says why where the depth would stand.

#include "Bericht.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include "../support/Examples.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Divergiert, NoDepthNorDesignValueInReportOrResult) {
    const ZirfLauf lauf = RunZirf(SourceText("tests/e2e/data/kragwand_divergiert.xml"));
    ASSERT_EQ(lauf.status, 3) << lauf.meldungen;
    EXPECT_NE(lauf.meldungen.find("Iteration divergiert"), std::string::npos) << lauf.meldungen;

    const std::string text = rtfcheck::BodyText(lauf.bericht);
    const std::size_t system = text.find("System der Zirfwand");
    ASSERT_NE(system, std::string::npos) << text;
    const std::string seite = text.substr(system);
    EXPECT_NE(seite.find("Kote der Talsohle | OKS | -500.00"), std::string::npos) << seite;
    EXPECT_NE(seite.find("Iteration divergiert: keine Einbindetiefe ermittelt, keine "
                         "Bemessungswerte berechnet"),
              std::string::npos)
        << seite;
    for (const char* zeile : {"t_cal", "t_ges", "Rammtiefenzuschlag", "maßgebende Lastkombination",
                              "maßgebender Lastzustand", "Ausnutzungsgrad"}) {
        EXPECT_EQ(seite.find(zeile), std::string::npos) << zeile << "\n" << seite;
    }

    const ErgebnisXml ergebnis(lauf.ergebnis);
    ASSERT_TRUE(ergebnis.Gelesen());
    EXPECT_EQ(ergebnis.AnzahlResult(), 1);
    ASSERT_NE(ergebnis.Element({"geometrie"}), nullptr) << lauf.ergebnis;
    for (const char* wert : {"t_cal", "delta_t", "t_ges", "massgebende_LK", "lastzustand"}) {
        EXPECT_FALSE(ergebnis.Text({"geometrie"}, wert)) << wert << "\n" << lauf.ergebnis;
    }
    for (const char* element : {"nachweise", "trag", "profil"}) {
        EXPECT_EQ(ergebnis.Element({element}), nullptr) << element;
    }
}

} // namespace
