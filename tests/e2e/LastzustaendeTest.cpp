// The load states of a run as a user meets them: a state the wall cannot stand in is named
// and left out (status 3), inputs whose states the run would have to compute one by one
// beyond its limit are refused before the calculation with the numbers and the limit, many
// combinations of many variable load cases are computed from their shares, and a long
// computation shows its progress moving.
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "../support/VieleLastfaelle.h"
#include "Bericht.h"
#include "Berichtsarten.h"
#include "ErgebnisXml.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

namespace {

using vielelastfaelle::VieleLastfaelle;

std::string MitKopflast(const std::string& lf, const std::string& h) {
    return berichtsarten::MitLasten(
        ExampleText("kragwand.xml"),
        "      <gruppe art=\"1\" lf=\"1\" bez=\"Lagerfläche\" v=\"10\"/>\n"
        "      <gruppe art=\"1\" lf=\"2\" bez=\"Verkehr\" v=\"20\"/>\n"
        "      <gruppe art=\"0\" lf=\"" +
            lf + "\" stelle=\"0\" bez=\"Trossenzug\" v=\"0\" h=\"" + h + "\" m=\"0\"/>");
}

// A variable pull of 200 kN/m at the head of a cantilever toward the soil: with it the wall
// would stand only on a passive side that pulls. That state is named, with what it lacks,
// and counts in no value: the wall's values are those of the other state, the permanent
// loads alone (1.35·(1), the example's second combination). Declared permanent, no state
// is left and the iteration diverges.
TEST(Lastzustaende, AStateTheWallCannotStandInIsNamedAndLeftOut) {
    const ZirfLauf zug = RunZirf(MitKopflast("2", "-200"));
    EXPECT_EQ(zug.status, 3) << zug.meldungen;
    const std::string text = "Lastzustand LK 1: der Erdwiderstand müsste ziehen";
    EXPECT_NE(zug.meldungen.find(text), std::string::npos) << zug.meldungen;
    EXPECT_NE(rtfcheck::BodyText(zug.bericht).find(text), std::string::npos);

    std::string ohne = MitKopflast("2", "-200");
    ohne = berichtsarten::Geaendert(ohne, {{"result.art", "SLS"}}); // the first combination
    const ZirfLauf staendig = RunZirf(ohne);
    ASSERT_EQ(staendig.status, 0) << staendig.meldungen;
    const ErgebnisXml a(zug.ergebnis);
    const ErgebnisXml b(staendig.ergebnis);
    EXPECT_EQ(a.Wert({"geometrie"}, "t_cal"), b.Wert({"geometrie"}, "t_cal"));
    EXPECT_EQ(a.Wert({"profil"}, "sigma_d"), b.Wert({"profil"}, "sigma_d"));
    for (const char* zeile : {"Sohle", "max"}) {
        EXPECT_EQ(BerichtsZeile(zug.bericht, zeile), BerichtsZeile(staendig.bericht, zeile))
            << zeile;
    }

    const ZirfLauf dauernd = RunZirf(MitKopflast("1", "-200"));
    EXPECT_EQ(dauernd.status, 3);
    EXPECT_NE(dauernd.meldungen.find("Iteration divergiert"), std::string::npos);
}

// The same for the anchored wall (anker_frei.xml, the head load of load case 2 pulling 150
// kN/m toward the soil): with the pull the anchor would have to push. That state needs the
// deepest wall; left out, it designs nothing either: depth, anchor force and moments are
// those of the permanent loads alone.
TEST(Lastzustaende, AStateWhoseAnchorWouldPushDesignsNotTheDepth) {
    const std::string kopf = "v=\"10\" h=\"5\" m=\"0\"";
    std::string zug = ExampleText("anker_frei.xml");
    ASSERT_NE(zug.find(kopf), std::string::npos);
    zug.replace(zug.find(kopf), kopf.size(), "v=\"10\" h=\"-150\" m=\"0\"");
    const ZirfLauf lauf = RunZirf(zug);
    EXPECT_EQ(lauf.status, 3) << lauf.meldungen;
    const std::string text = "Lastzustand LK 1: der Anker müsste drücken";
    EXPECT_NE(lauf.meldungen.find(text), std::string::npos) << lauf.meldungen;

    const ZirfLauf staendig =
        RunZirf(berichtsarten::Geaendert(zug, {{"result.art", "SLS"}})); // the first one
    ASSERT_EQ(staendig.status, 0) << staendig.meldungen;
    const ErgebnisXml a(lauf.ergebnis);
    const ErgebnisXml b(staendig.ergebnis);
    for (const char* wert : {"t_cal", "t_ges"}) {
        EXPECT_EQ(a.Wert({"geometrie"}, wert), b.Wert({"geometrie"}, wert)) << wert;
    }
    EXPECT_EQ(a.Wert({"profil"}, "sigma_d"), b.Wert({"profil"}, "sigma_d"));
    EXPECT_EQ(BerichtsZeile(lauf.bericht, "max"), BerichtsZeile(staendig.bericht, "max"));
    const std::vector<std::string> zeile =
        BerichtsZeile(lauf.bericht, "maßgebender Lastzustand (Einbindetiefe)");
    ASSERT_GE(zeile.size(), 2U);
    EXPECT_EQ(zeile.back(), "LK 2");
}

// Beyond 4096 states the run takes each combination's states from the shares of its load
// cases; where it would have to compute them one by one, or they stand for too many
// states, it refuses before computing, naming the combinations, the states and the limit.
TEST(Lastzustaende, TooManyStatesToComputeOneByOneAreRefusedBeforeComputing) {
    const std::string frei = ExampleText("anker_frei.xml");
    const std::string krag = ExampleText("kragwand.xml");
    const struct {
        const char* name;
        std::string dokument;
        const char* grund;
    } faelle[] = {
        {"partly fixed foot",
         berichtsarten::Geaendert(VieleLastfaelle(frei, 12),
                                  {{"steu.system", "2"}, {"geom.einspannung", "50"}}),
         "ein teilweise eingespannter Fuß (geom einspannung 50) sucht für jeden Lastzustand"},
        {"checked anchored wall",
         berichtsarten::Geaendert(VieleLastfaelle(frei, 12),
                                  {{"steu.berart", "1"}, {"geom.einbindetiefe", "16.0"}}),
         "der Nachweis einer gegebenen Einbindetiefe (steu berart 1)"},
        {"too many combinations", VieleLastfaelle(krag, 17, 120), "höchstens 2000"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const ZirfLauf lauf = RunZirf(f.dokument);
        EXPECT_EQ(lauf.status, 1) << lauf.meldungen;
        EXPECT_FALSE(lauf.hatErgebnis);
        EXPECT_NE(lauf.meldungen.find(f.grund), std::string::npos) << lauf.meldungen;
        EXPECT_NE(lauf.meldungen.find("einzeln gerechnet werden höchstens 4096 Lastzustände"),
                  std::string::npos)
            << lauf.meldungen;
    }
    const ZirfLauf teil = RunZirf(berichtsarten::Geaendert(
        VieleLastfaelle(frei, 12), {{"steu.system", "2"}, {"geom.einspannung", "50"}}));
    EXPECT_NE(teil.meldungen.find("2 Lastfallkombinationen (STR,GEO) mit zusammen 8192 "
                                  "Lastzuständen"),
              std::string::npos)
        << teil.meldungen;
}

// 40 combinations of a cantilever with 17 variable load cases each (5 million states): the
// run takes them from 18 states a combination and completes.
TEST(Lastzustaende, ManyCombinationsOfManyVariableLoadCasesAreComputed) {
    const ZirfLauf lauf = RunZirf(VieleLastfaelle(ExampleText("kragwand.xml"), 17, 40));
    EXPECT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);
    EXPECT_GT(xml.Wert({"geometrie"}, "t_ges").value_or(0.0), 0.0);
}

// A partly fixed foot with 2 × 2^9 states seeks each state's free foot: the progress that
// stderr shows moves on while it does.
TEST(Lastzustaende, ALongComputationShowsItsProgressMoving) {
    const ScratchFolder folder("e2e");
    ScratchFolder::Write(
        "wand.xml", berichtsarten::Geaendert(VieleLastfaelle(ExampleText("anker_frei.xml"), 9),
                                             {{"steu.system", "2"}, {"geom.einspannung", "50"}}));
    const std::string command =
        "ulimit -c 0; ulimit -t 300; exec env QELUSER= " + std::string(ZIRF_BINARY_DIR) +
        "/zirf wand.xml 2>zirf.err >/dev/null </dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::istringstream err(ScratchFolder::Read("zirf.err"));
    std::set<std::string> stufen;
    for (std::string zeile; std::getline(err, zeile);) {
        if (zeile.rfind("progress: ", 0) == 0) {
            stufen.insert(zeile);
        }
    }
    EXPECT_GT(stufen.size(), 10u);
}

} // namespace
