// Values that no real wall has are refused before any figure is computed, with a message
// that names the element and the attribute; the limits themselves still compute.
#include "CalcFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Fall {
    const char* name;
    void (*setze)(CalcFixture&);
    const char* element;  // "" when the case must compute
    const char* attribut; // named in the message
};

// Two layers of sand (phi 30°) under a 3 m excavation, no water, wall without anchor.
void Sand(CalcFixture& f) {
    f.Schicht(2.0, 18, 30, 20, -15);
    f.Schicht(8.0, 19, 30, 20, -15);
}

void PruefeFaelle(std::initializer_list<Fall> faelle) {
    for (const Fall& fall : faelle) {
        CalcFixture f;
        Sand(f);
        fall.setze(f);
        const std::string text = f.Meldung();
        if (*fall.element == '\0') {
            EXPECT_EQ(text, "") << fall.name;
            continue;
        }
        EXPECT_NE(text.find(fall.element), std::string::npos) << fall.name << ": " << text;
        EXPECT_NE(text.find(fall.attribut), std::string::npos) << fall.name << ": " << text;
    }
}

TEST(PruefeEingabe, SoilValuesOutsideTheirRange) {
    PruefeFaelle({
        {"negative cohesion", [](CalcFixture& f) { f.in.schicht[1].coh = -1.0; },
         "bode gruppe nr 2", "coh"},
        // The wall cannot take more friction than the soil: |delta| <= phi.
        {"active wall friction above phi", [](CalcFixture& f) { f.in.schicht[0].delta = 31.0; },
         "bode gruppe nr 1", "delta"},
        {"passive wall friction above phi", [](CalcFixture& f) { f.in.schicht[1].deltp = -45.0; },
         "bode gruppe nr 2", "deltp"},
        {"wall friction of a huge angle", [](CalcFixture& f) { f.in.schicht[0].delta = 1e9; },
         "bode gruppe nr 1", "delta"},
        {"wall friction without soil friction", [](CalcFixture& f) { f.in.schicht[0].phi = 0.0; },
         "bode gruppe nr 1", "delta"},
        {"wall friction equal to phi",
         [](CalcFixture& f) {
             f.in.schicht[0].delta = 30.0;
             f.in.schicht[1].deltp = -30.0;
         },
         "", ""},
        {"cohesion zero", [](CalcFixture& f) { f.in.schicht[0].coh = 0.0; }, "", ""},
    });
}

TEST(PruefeEingabe, GeometryOutsideItsRange) {
    PruefeFaelle({
        {"vertical wall inclination", [](CalcFixture& f) { f.in.wand_neigung = 90.0; }, "geom",
         "wand_neigung"},
        {"huge wall inclination", [](CalcFixture& f) { f.in.wand_neigung = -1e9; }, "geom",
         "wand_neigung"},
        {"vertical substitute wall", [](CalcFixture& f) { f.in.ersatz_neigung = 90.0; }, "geom",
         "ersatz_neigung"},
        {"inclinations just below vertical",
         [](CalcFixture& f) {
             f.in.wand_neigung = 10.0;
             f.in.ersatz_neigung = -89.0;
         },
         "", ""},
        {"water behind above the head", [](CalcFixture& f) { f.in.tgh = -0.5; }, "geom/bome",
         "tgh"},
        {"water in front above the head", [](CalcFixture& f) { f.in.tgv = -5.0; }, "geom/bome",
         "tgv"},
        {"water at the head and at the excavation",
         [](CalcFixture& f) {
             f.in.tgh = 0.0;
             f.in.tgv = 3.0;
         },
         "", ""},
        // Anchor and head, or anchor and excavation, closer than the 1 mm in which layer
        // boundaries merge would leave a span without length.
        {"anchor a micrometre below the head",
         [](CalcFixture& f) {
             f.in.mitanker = 1;
             f.in.tiefe_anker = 1e-6;
         },
         "geom", "tiefe_anker"},
        {"anchor half a millimetre above the excavation",
         [](CalcFixture& f) {
             f.in.mitanker = 1;
             f.in.tiefe_anker = 3.0 - 0.0005;
         },
         "geom", "tiefe_anker"},
        {"anchor a millimetre below the head",
         [](CalcFixture& f) {
             f.in.mitanker = 1;
             f.in.tiefe_anker = 0.001;
         },
         "", ""},
        // An anchor at the head itself is a common wall: no span is left above it.
        {"anchor at the head",
         [](CalcFixture& f) {
             f.in.mitanker = 1;
             f.in.tiefe_anker = 0.0;
         },
         "", ""},
    });
}

// A layer without weight stands for the air above the ground; below the ground every part
// of the soil must have weight, above the water level by gamma, below it by gamma_feucht
// (or, without it, by gamma - 10).
TEST(PruefeWichten, NoWeightlessSoilBelowTheGround) {
    const struct {
        const char* name;
        double tgh, tgv;
        double gamma2, gammaUnter2; // the second layer, from 2 m down
        const char* erwartet;       // "" when the profile computes
    } faelle[] = {
        {"no weight above the water", 2.5, 100.0, 0.0, 11.0, "gamma)"},
        {"buoyant weight from gamma below zero", 2.5, 100.0, 8.0, 0.0, "gamma_feucht"},
        {"no weight in front below the water", 100.0, 4.0, 8.0, 0.0, "tgv"},
        {"weight from gamma below the water", 2.5, 2.5, 19.0, 0.0, ""},
        {"weightless above the water but wholly under it", 1.0, 1.0, 0.0, 11.0, ""},
    };
    for (const auto& fall : faelle) {
        CalcFixture f;
        f.in.tgh = fall.tgh;
        f.in.tgv = fall.tgv;
        f.Schicht(2.0, 18, 30);
        f.Schicht(8.0, fall.gamma2, 30, 0, 0, 0, fall.gammaUnter2);
        const std::string text = f.Meldung();
        if (*fall.erwartet == '\0') {
            EXPECT_EQ(text, "") << fall.name;
            continue;
        }
        EXPECT_NE(text.find("bode gruppe nr 2"), std::string::npos) << fall.name << ": " << text;
        EXPECT_NE(text.find(fall.erwartet), std::string::npos) << fall.name << ": " << text;
    }
}

TEST(PruefeWichten, WeightlessLayerAboveTheGroundIsAir) {
    CalcFixture f;
    f.Schicht(1.0, 0, 0);
    f.Schicht(9.0, 19, 30);
    EXPECT_EQ(f.Meldung(), "");
    EXPECT_DOUBLE_EQ(f.calc->yGelaende, 1.0);
}

// A slip line that does not rise towards the ground cannot spread a line load. The message
// names the layer and the angles the line follows from; it blames no friction angle of 0
// where the soil has one.
TEST(CalcGleitlinie, LineThatDoesNotRiseNamesTheLayerAndItsAngles) {
    CalcFixture f;
    f.Schicht(20.0, 20, 30, -30); // active wall friction -phi: the slip plane stands upright
    f.Lastfaelle({1, 2});
    auto& l = f.in.linienlast.at(0);
    l.lf = 2;
    l.v = 10.0;
    l.bez = "Kran";
    l.x = 1.0;
    f.in.nLinienlast = 1;
    C1ZirfCalc& c = f.Run();
    try {
        c.CalcLastenBeiTiefe(8.0);
        ADD_FAILURE() << "slip line without rise accepted";
    } catch (const C1Exception& e) {
        for (const char* teil :
             {"Schicht 1\" (bode gruppe)", "Gleitlinie", "phi = 30", "delta = -30"}) {
            EXPECT_NE(e.text.find(teil), std::string::npos) << teil << ": " << e.text;
        }
        EXPECT_EQ(e.text.find("phi = 0"), std::string::npos) << e.text;
    }
}

} // namespace
