// Every example document runs through zirf to the end and leaves results that hang
// together: finite numbers, the foot below the excavation level, the chosen depth the
// calculated one plus its added depth rounded up to the input's step, the governing
// combination one of the input's, a sound report that prints the same depths.
#include "../platform/RtfStructureCheck.h"
#include "../support/Examples.h"
#include "Bericht.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Beispiel {
    const char* datei;
    double wandHw;     // excavation level below the head, m
    double rundung;    // rounding step of the total depth, m
    int kombinationen; // load combinations of the design situation "STR,GEO"
    int einspannung;   // -1: wall without anchor, else the fixity of the anchored foot
    double fyk;        // steel's characteristic yield strength, N/mm²; gamma_M is 1.1
};

// The data of the example documents.
constexpr Beispiel kBeispiele[] = {
    {"kragwand.xml", 3.0, 0.05, 2, -1, 355.0},
    {"anker_frei.xml", 6.0, 0.10, 2, 0, 355.0},
    {"anker_eingespannt.xml", 7.5, 0.10, 2, 100, 430.0},
    {"kragwand_sand.xml", 3.0, 0.05, 2, -1, 355.0},
    {"kragwand_sand_lasten.xml", 2.5, 0.10, 2, -1, 355.0},
    {"anker_sand.xml", 7.0, 0.10, 1, 0, 355.0},
};

bool Endlich(const std::optional<double>& v) {
    return v && std::isfinite(*v);
}

TEST(Beispiele, RunToTheEndWithPlausibleResults) {
    for (const Beispiel& b : kBeispiele) {
        SCOPED_TRACE(b.datei);
        const ZirfLauf lauf = RunZirf(ExampleText(b.datei));
        EXPECT_EQ(lauf.status, 0) << lauf.meldungen;
        ASSERT_TRUE(lauf.hatErgebnis);
        const ErgebnisXml xml(lauf.ergebnis);
        ASSERT_EQ(xml.AnzahlResult(), 1);

        const auto tCal = xml.Wert({"geometrie"}, "t_cal");
        const auto deltaT = xml.Wert({"geometrie"}, "delta_t");
        const auto tGes = xml.Wert({"geometrie"}, "t_ges");
        ASSERT_TRUE(Endlich(tCal) && Endlich(deltaT) && Endlich(tGes));
        EXPECT_GT(*tCal, b.wandHw) << "the foot lies below the excavation level";
        if (b.einspannung == 0) {
            EXPECT_EQ(*deltaT, 0.0) << "a free foot gets no added depth";
        } else {
            EXPECT_GE(*deltaT, 0.2 * (*tCal - b.wandHw) - 1e-9) << "at least 20 % added";
        }
        const double summe = *tCal + *deltaT;
        EXPECT_GE(*tGes, summe - 1e-9);
        EXPECT_LT(*tGes, summe + b.rundung);
        EXPECT_NEAR(*tGes / b.rundung, std::round(*tGes / b.rundung), 1e-6)
            << "a multiple of the rounding step";

        const auto lk = xml.Wert({"geometrie"}, "massgebende_LK");
        ASSERT_TRUE(Endlich(lk));
        EXPECT_GE(*lk, 1.0);
        EXPECT_LE(*lk, b.kombinationen);

        // The profile check: sigma_Rd = fyk/(10·gamma_M) in kN/cm².
        const double sigmaRd = b.fyk / (10.0 * 1.1);
        const auto sigmaD = xml.Wert({"profil"}, "sigma_d");
        ASSERT_TRUE(Endlich(sigmaD));
        EXPECT_GT(*sigmaD, 0.0);
        EXPECT_NEAR(xml.Wert({"profil"}, "sigma_rd").value_or(-1.0), sigmaRd, 1e-9);
        EXPECT_NEAR(xml.Wert({"profil"}, "ausnutzung").value_or(-1.0), *sigmaD / sigmaRd, 1e-9);
        const std::vector<const char*> vertikal =
            b.einspannung < 0 ? std::vector<const char*>{"eavk", "gk", "summe"}
                              : std::vector<const char*>{"nach_unten"};
        for (const char* name : vertikal) {
            EXPECT_TRUE(Endlich(xml.Wert({"trag", "vertikal"}, name))) << name;
        }
        if (b.einspannung >= 0) {
            EXPECT_GT(xml.Wert({"trag", "horizontal"}, "ephd").value_or(-1.0), 0.0);
            EXPECT_TRUE(Endlich(xml.Wert({"trag", "horizontal"}, "ausnutzung")));
        }

        // The report is sound RTF and prints the depths of the result tree.
        EXPECT_EQ(rtfcheck::StructureFault(lauf.bericht), "");
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "rechnerische Einbindetiefe"), 2)
                        .value_or(-1.0),
                    *tCal, 0.005 + 1e-9);
        EXPECT_NEAR(
            ZahlInZelle(BerichtsZeile(lauf.bericht, "gewählte Einbindetiefe"), 2).value_or(-1.0),
            *tGes, 0.005 + 1e-9);
    }
}

// The rows of the report from the line `titel` on, up to its next verdict line.
std::vector<std::string> Abschnitt(const std::string& rtf, const std::string& titel) {
    std::istringstream zeilen(rtfcheck::BodyText(rtf));
    std::string zeile;
    while (std::getline(zeilen, zeile) && zeile != titel) {
    }
    std::vector<std::string> abschnitt;
    while (std::getline(zeilen, zeile)) {
        abschnitt.push_back(zeile);
        if (zeile.find("Nachweis") != std::string::npos && Zellen(zeile).empty()) {
            break;
        }
    }
    return abschnitt;
}

// The numbers in cell k of the rows whose first cell is `erste`.
std::vector<double> Spalte(const std::vector<std::string>& abschnitt, const std::string& erste,
                           std::size_t k) {
    std::vector<double> werte;
    for (const std::string& zeile : abschnitt) {
        const std::vector<std::string> zellen = Zellen(zeile);
        if (!zellen.empty() && (erste.empty() || zellen[0] == erste)) {
            if (const auto v = ZahlInZelle(zellen, k)) {
                werte.push_back(*v);
            }
        }
    }
    return werte;
}

bool Eingehalten(const std::vector<std::string>& abschnitt) {
    return !abschnitt.empty() && abschnitt.back().find("Nachweis eingehalten") != std::string::npos;
}

// Every example is a design: its earth support check holds, and the numbers printed
// beside each verdict say so themselves. The depth is not designed for the vertical
// forces (the wall friction of the passive side is the input's): their verdict is the one
// their printed sum gives.
TEST(Beispiele, DesignedWallsPassTheirSupportChecksByTheirPrintedNumbers) {
    for (const Beispiel& b : kBeispiele) {
        SCOPED_TRACE(b.datei);
        const ZirfLauf lauf = RunZirf(ExampleText(b.datei));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const auto v =
            Abschnitt(lauf.bericht, b.einspannung < 0 ? "Nachweis der Vertikalkräfte"
                                                      : "Vertikalkomponente der Auflagerkraft");
        const std::vector<double> summe = Spalte(v, "Summe", 6);
        ASSERT_EQ(summe.size(), 1u);
        EXPECT_EQ(Eingehalten(v), summe[0] >= 0.0) << v.back();
        if (b.einspannung < 0) {
            continue;
        }
        const auto h = Abschnitt(lauf.bericht, "Nachweis des Erdwiderlagers");
        const std::vector<double> ephd = Spalte(h, "1", 1);
        const std::vector<double> bhd = Spalte(h, "Summe", 5);
        ASSERT_EQ(ephd.size(), 1u);
        ASSERT_EQ(bhd.size(), 1u);
        EXPECT_LE(bhd[0], ephd[0]);
        EXPECT_TRUE(Eingehalten(h)) << h.back();
    }
}

// The system table prints the horizontal anchor force, the anchor checks the force along
// the anchor's axis; both are the one anchor force of the wall: with the anchor level
// (anker_eingespannt.xml, fixed foot) the same number, inclined by 20° (anker_frei.xml)
// the horizontal one over cos 20°. Each is printed to 0.1 kN/m.
TEST(Beispiele, OneAnchorForceInTheTableAndTheChecks) {
    const struct {
        const char* datei;
        double neigung; // degrees
    } faelle[] = {{"anker_eingespannt.xml", 0.0}, {"anker_frei.xml", 20.0}};
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.datei);
        const ZirfLauf lauf = RunZirf(ExampleText(fall.datei));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const auto horizontal =
            ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2);
        const auto axial = ZahlInZelle(
            BerichtsZeile(lauf.bericht, "vorhandene Ankerkraft veränderlich", "Aq,d"), 2);
        const auto material =
            ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft in Ankerachse", "Ad"), 2);
        ASSERT_TRUE(horizontal && axial && material);
        const double cosA = std::cos(fall.neigung * 3.14159265358979323846 / 180.0);
        EXPECT_NEAR(*axial, *horizontal / cosA, 0.05 / cosA + 0.05 + 1e-9);
        EXPECT_EQ(*material, *axial);
        if (fall.neigung == 0.0) {
            EXPECT_EQ(*axial, *horizontal);
        }
    }
}

// An anchor at the wall head is a common wall: it runs to the end like any other.
TEST(Beispiele, AnchorAtTheHead) {
    for (const char* datei : {"anker_frei.xml", "anker_eingespannt.xml"}) {
        SCOPED_TRACE(datei);
        const std::string text = std::regex_replace(
            ExampleText(datei), std::regex("tiefe_anker=\"[^\"]*\""), "tiefe_anker=\"0\"");
        const ZirfLauf lauf = RunZirf(text);
        EXPECT_EQ(lauf.status, 0) << lauf.meldungen;
        ASSERT_TRUE(lauf.hatErgebnis);
        const ErgebnisXml xml(lauf.ergebnis);
        EXPECT_TRUE(Endlich(xml.Wert({"geometrie"}, "t_cal")));
        EXPECT_EQ(rtfcheck::StructureFault(lauf.bericht), "");
    }
}

// The table of internal forces prints the fixing moment of a fixed foot: a row
// "Einspannmoment" between the excavation level and the calculated foot, whose moment turns
// against the field's; a free foot and a cantilever whose foot moment vanishes have none.
TEST(Beispiele, FixedFootPrintsItsFixingMoment) {
    for (const Beispiel& b : kBeispiele) {
        SCOPED_TRACE(b.datei);
        const ZirfLauf lauf = RunZirf(ExampleText(b.datei));
        ASSERT_TRUE(lauf.hatErgebnis);
        std::vector<std::string> fuss;
        std::istringstream zeilen(rtfcheck::BodyText(lauf.bericht));
        for (std::string zeile; std::getline(zeilen, zeile);) {
            const std::vector<std::string> zellen = Zellen(zeile);
            if (zellen.size() >= 4 && zellen[0] == "Einspannmoment" && ZahlInZelle(zellen, 1)) {
                fuss = zellen;
            }
        }
        if (b.einspannung <= 0) {
            EXPECT_TRUE(fuss.empty());
            continue;
        }
        const auto tCal = ErgebnisXml(lauf.ergebnis).Wert({"geometrie"}, "t_cal");
        const auto y = ZahlInZelle(fuss, 1);
        const auto m = ZahlInZelle(fuss, 2);
        const auto feld = ZahlInZelle(BerichtsZeile(lauf.bericht, "max"), 2);
        ASSERT_TRUE(tCal && y && m && feld);
        EXPECT_GT(*y, b.wandHw);
        EXPECT_LT(*y, *tCal);
        EXPECT_LT(*m * *feld, 0.0);
        EXPECT_GT(std::fabs(*m), 0.1 * std::fabs(*feld));
    }
}

} // namespace
