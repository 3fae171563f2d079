// Terrain, berm, groundwater and soil-layer chapter.

#include "ReportFixture.h"

namespace {

// Four listed layers (the last layer of the table, index 4, is never listed):
// 0..2 m fill, 2..3 m sand, 3..6 m sand below the water behind the wall, 6..9 m clay below
// the excavation, above the water in front down to 6.5 m (the calculation's layer
// boundary left out: the clay takes its weight below water on the front side here), with
// the unit weights each side takes as the calculation leaves them.
void Schichten(ReportFixture& f) {
    f.calc->iLetzteSchicht = 4;
    f.calc->yModellUnten = 20.0;
    struct Daten {
        double yo, yu;
        const char* kurz;
        const char* bez;
        double gamma, gammaUnter, berg, tal, phi, delta, deltp, coh;
    };
    const Daten daten[] = {{0.0, 2.0, "A", "Auffüllung", 18, 10, 18, 0, 30, 20, -15, 0},
                           {2.0, 3.0, "S", "Sand", 19, 11, 19, 0, 35, 23.3, -17.5, 0},
                           {3.0, 6.0, "S", "Sand", 19, 11, 11, 0, 35, 23.3, -17.5, 0},
                           {6.0, 9.0, "T", "Ton", 20, 10, 10, 20, 22.5, 15, -11.25, 10},
                           {9.0, 20.0, "T", "Ton", 20, 10, 10, 10, 22.5, 15, -11.25, 10}};
    for (int i = 0; i < 5; ++i) {
        const Daten& d = daten[i];
        C1Schicht& s = f.Schicht(i, d.yo, d.yu);
        s.kurz = d.kurz;
        s.bez = d.bez;
        s.gamma = d.gamma;
        s.gammaUnter = d.gammaUnter;
        s.gammaEff = d.berg;
        s.gammaEffVorn = d.tal;
        s.phi = d.phi;
        s.delta = d.delta;
        s.deltp = d.deltp;
        s.coh = d.coh;
    }
}

TEST(WriteGelaende, GroundwaterRowsByWhichLevelsLieWithinTheLayerTable) {
    // The layer table ends at 20 m; a level below it counts as absent.
    struct Fall {
        double tgh, tgv;
        std::vector<std::string> zeilen;
    };
    const Fall faelle[] = {
        {25.0, 30.0, {"Grundwasser | ohne |  |  |  |  | "}},
        {25.0, 6.5, {"Grundwasser | talseitig | Tiefe | tG_Tal | [m] | 6.50 | "}},
        {3.0,
         6.5,
         {"Grundwasser | bergseitig | Tiefe | tG_Berg | [m] | 3.00 | ",
          " | talseitig | Tiefe | tG_Tal | [m] | 6.50 | "}},
        {3.0, 25.0, {"Grundwasser | bergseitig | Tiefe | tG_Berg | [m] | 3.00 | "}},
    };
    for (const Fall& fall : faelle) {
        ReportFixture f;
        Schichten(f);
        f.calc->tgh = fall.tgh;
        f.calc->tgv = fall.tgv;
        EXPECT_EQ(f.report.WriteGelaende(), 1);
        const std::vector<std::string> lines = f.Zeilen();
        // The rows between the berm row and the soil-layer heading.
        std::vector<std::string> wasser;
        bool drin = false;
        for (const std::string& line : lines) {
            if (line == "Bodenschichten") {
                break;
            }
            if (drin) {
                wasser.push_back(line);
            }
            drin = drin || line.rfind("Berme", 0) == 0;
        }
        EXPECT_EQ(wasser, fall.zeilen) << "tgh " << fall.tgh << ", tgv " << fall.tgv;
    }
}

TEST(WriteGelaende, LayerRowsShowEachSidesUnitWeightAndPassiveFrictionByDepth) {
    ReportFixture f("<annotations bowa=\"Baugrundgutachten vom 3.5.\"/>");
    Schichten(f);
    f.in.gela_neigung = 5.0;
    f.in.wand_hw2 = 6.0;
    f.in.mitberme = 1;
    f.in.berme_abstand = 1.5;
    f.in.berme_dicke = 2.0;
    f.in.berme_neigung = 30.0;
    f.in.berme_gamma = 18.5;
    f.calc->tgh = 3.0; // the shallower level: the top of layer 3
    f.calc->tgv = 6.5;
    f.report.WriteGelaende();
    const std::vector<std::string> expected = {
        "Gelände, Berme, Grundwasser",
        "Gelände | bergseitig | Neigung | βG | [Grad] | 5.00 | ",
        " | talseitig horizontal | Tiefe | t_Tal | [m] | 6.00 | ",
        "Berme | bergseitig | Abstand | a | [m] | 1.50 | ",
        " |  | Dicke | d | [m] | 2.00 | ",
        " |  | Neigung | βB | [Grad] | 30.00 | ",
        "Grundwasser | bergseitig | Tiefe | tG_Berg | [m] | 3.00 | ",
        " | talseitig | Tiefe | tG_Tal | [m] | 6.50 | ",
        " ",
        "Baugrundgutachten vom 3.5.",
        " ",
        "Bodenschichten",
        "Schicht | Bezeichnung | h | Kote | γ Berg | γ Tal | φ | δa | δp | c | ",
        "Nr. |  |  | [m] | [m] | [kN/m³] | [kN/m³] | [Grad] | [Grad] | [Grad] | [kN/m²] | ",
        " |  | Berme |  |  | 18.5 |  | ",
        // Above the excavation only the side behind the wall holds soil.
        "1 |  | A | Auffüllung | 2.00 | -2.00 | 18.0 |  | 30.00 | 20.00 |  | 0.00 | ",
        "2 |  | S | Sand | 1.00 | -3.00 | 19.0 |  | 35.00 | 23.30 |  | 0.00 | ",
        "3 |  | S | Sand | 3.00 | -6.00 | 11.0 |  | 35.00 | 23.30 |  | 0.00 | ",
        // From the excavation level on: the front side's weight and passive wall friction.
        "4 |  | T | Ton | 3.00 | -9.00 | 10.0 | 20.0 | 22.50 | 15.00 | -11.25 | 10.00 | ",
        "γ Berg, γ Tal: Wichte hinter und vor der Wand, über dem Grundwasser der Seite gamma, "
        "darunter gamma_feucht (ohne Eingabe gamma - 10)",
    };
    EXPECT_EQ(f.Zeilen(), expected);
}

TEST(WriteGelaende, NoBermAndNoExcavationDepth) {
    ReportFixture f;
    Schichten(f);
    f.in.wand_hw2 = 0.0;
    f.calc->Schicht[0].gammaEffVorn = 18.0; // the soil in front from the head on
    f.calc->tgh = 3.0;
    f.calc->tgv = 6.5;
    f.report.WriteGelaende();
    const std::vector<std::string> lines = f.Zeilen();
    EXPECT_EQ(ZeileMit(lines, " | talseitig horizontal"), "");
    EXPECT_EQ(ZeileMit(lines, "Berme"), "Berme | ohne |  |  |  |  | ");
    EXPECT_EQ(ZeileMit(lines, " |  | Berme"), "");
    // With the excavation at the top every layer shows its front side's weight and its
    // passive wall friction.
    EXPECT_EQ(
        ZeileMit(lines, "1 |"),
        "1 |  | A | Auffüllung | 2.00 | -2.00 | 18.0 | 18.0 | 30.00 | 20.00 | -15.00 | 0.00 | ");
}

} // namespace
