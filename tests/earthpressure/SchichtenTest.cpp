#include "CalcFixture.h"

#include "../host/InputFixture.h"

#include "base/Trace.h"
#include "platform/C1Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<double> Grenzen(const C1ZirfCalc& c) {
    std::vector<double> y;
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        y.push_back(c.Schicht[i].yu);
    }
    return y;
}

void ExpectGrenzen(const C1ZirfCalc& c, const std::vector<double>& erwartet) {
    const std::vector<double> ist = Grenzen(c);
    ASSERT_EQ(ist.size(), erwartet.size());
    for (std::size_t i = 0; i < ist.size(); ++i) {
        EXPECT_NEAR(ist[i], erwartet[i], 1e-9) << "layer " << i;
    }
}

TEST(InitSchichten, BoundariesOfSoilExcavationAndModelBottom) {
    CalcFixture f;
    f.Schicht(4.0, 18, 30);
    f.Schicht(6.0, 20, 30);
    const C1ZirfCalc& c = f.Run();
    // Soil bottoms 4 and 10, excavation 3 and its half 1.5, model bottom 10 + 10; the
    // extension layer below it has no height until the foot reaches it.
    ExpectGrenzen(c, {1.5, 3.0, 4.0, 10.0, 20.0, 20.0});
    EXPECT_EQ(c.iLetzteSchicht, 5);
    EXPECT_DOUBLE_EQ(c.Schicht[5].yo, 20.0);
    EXPECT_DOUBLE_EQ(c.Schicht[5].gamma, 0.0);
    EXPECT_EQ(c.iErsteSchicht, 0);
    EXPECT_EQ(c.iSchichtAushub, 1);
    EXPECT_EQ(c.iSchichtUnten, 2);
    EXPECT_DOUBLE_EQ(c.Schicht[2].gamma, 18.0);
    EXPECT_DOUBLE_EQ(c.Schicht[3].gamma, 20.0);
    EXPECT_DOUBLE_EQ(c.Schicht[3].gammaUnter, 10.0); // gamma − 10
    EXPECT_DOUBLE_EQ(c.Schicht[3].dicke, 6.0);
}

TEST(InitSchichten, CloseBoundariesMergeWaterAtModelBottomAddsNone) {
    CalcFixture f;
    f.Schicht(4.0, 18, 30);
    f.Schicht(6.0, 20, 30);
    f.in.tgh = 4.0005; // within 1 mm of the layer bottom: merged
    f.in.tgv = 4.002;  // 2 mm below it: a thin layer of its own
    const C1ZirfCalc& c = f.Run();
    ExpectGrenzen(c, {1.5, 3.0, 4.0, 4.002, 10.0, 20.0, 20.0});

    CalcFixture g;
    g.Schicht(10.0, 18, 30);
    g.in.tgh = 20.0; // at the model bottom
    g.in.mitanker = 1;
    g.in.tiefe_anker = 1.0;
    const C1ZirfCalc& d = g.Run();
    ExpectGrenzen(d, {1.0, 1.5, 3.0, 10.0, 20.0, 20.0});
    EXPECT_DOUBLE_EQ(d.yAnker, 1.0);
}

TEST(InitSchichten, WallLineFollowsTheLayersOffsets) {
    CalcFixture f;
    f.Schicht(4.0, 18, 30).deltax = 20; // the wall moves 0.2 m over the first 4 m
    f.Schicht(6.0, 20, 30);
    const C1ZirfCalc& c = f.Run();
    // At the excavation (3 m) the wall stands at 0.2·3/4; at 4 m at 0.2; below it vertical.
    EXPECT_NEAR(c.Schicht[1].xWand, 0.15, 1e-12);
    EXPECT_NEAR(c.Schicht[2].xWand, 0.2, 1e-12);
    EXPECT_NEAR(c.Schicht[3].xWand, 0.2, 1e-12);
    EXPECT_NEAR(c.Schicht[0].alphaGrad, -std::atan(0.05) * CalcFixture::kGrad, 1e-9);
}

TEST(InitSchichten, WeightlessTopLayerSetsTheGround) {
    CalcFixture f;
    f.Schicht(1.0, 0, 0); // air above the ground
    f.Schicht(9.0, 20, 30);
    const C1ZirfCalc& c = f.Run();
    EXPECT_EQ(c.iErsteSchicht, 1);
    EXPECT_DOUBLE_EQ(c.yGelaende, 1.0);
    EXPECT_DOUBLE_EQ(c.Schicht[0].kagh, 0.0);
    EXPECT_DOUBLE_EQ(c.Schicht[0].yu, 1.0);
    // Boundaries 1 (the ground), 1.5, 3 (the excavation) and 2, half way down the retained
    // soil, where a redistributed figure changes.
    ExpectGrenzen(c, {1.0, 1.5, 2.0, 3.0, 10.0, 20.0, 20.0});
    // Overburden at 3 m: 2 m of soil.
    const int i = f.SchichtAb(2.0);
    EXPECT_DOUBLE_EQ(c.Schicht[i].sigmaA, 40.0);
    EXPECT_NEAR(c.ErgAktiv[c.IndexAktiv(0, i)].euh, 40.0 / 3.0, 1e-12);
}

TEST(InitSchichten, SingleLayerWithoutThicknessReachesTheModelBottom) {
    // One soil of no thickness (or less than 0.1 mm) stands for the soil down to the model
    // bottom at sd + 10 m; its wall offset of 50 cm runs over that whole depth, so the wall
    // stands at 0.5·3/(sd + 10) at the excavation. Active pressure at 3 m: 20·3/3 = 20.
    for (const double sd : {0.0, 0.00005}) {
        CalcFixture f;
        f.Schicht(sd, 20, 30).deltax = 50;
        const C1ZirfCalc& c = f.Run();
        ExpectGrenzen(c, {1.5, 3.0, sd + 10.0, sd + 10.0});
        const int i = f.SchichtAb(1.5);
        EXPECT_NEAR(c.Schicht[i].xWand, 0.5 * 3.0 / (sd + 10.0), 1e-12) << sd;
        EXPECT_EQ(c.Schicht[i].bez, "Schicht 1");
        EXPECT_DOUBLE_EQ(c.Schicht[i].gammaEff, 20.0);
        EXPECT_NEAR(c.ErgAktiv[c.IndexAktiv(0, i)].euh, 20.0, 1e-9) << sd;
    }
    // With further layers below it, the first one would hide their soil: refused.
    CalcFixture g;
    g.Schicht(0.0, 20, 30);
    g.Schicht(10.0, 18, 25);
    const std::string text = g.Meldung();
    EXPECT_NE(text.find("Schicht 1"), std::string::npos) << text;
    EXPECT_NE(text.find("sd = 0 m"), std::string::npos) << text;
}

TEST(InitSchichten, ExtensionLayerFollowsTheFoot) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    C1ZirfCalc& c = f.Run();
    c.t = 15.0; // above the model bottom: nothing changes
    c.ExtendLetzteSchicht();
    EXPECT_DOUBLE_EQ(c.Schicht[c.iLetzteSchicht].yu, 20.0);
    c.t = 25.0;
    c.ExtendLetzteSchicht();
    const C1Schicht& s = c.Schicht[c.iLetzteSchicht];
    EXPECT_DOUBLE_EQ(s.yu, 26.0);
    EXPECT_DOUBLE_EQ(s.yWand, 26.0);
    EXPECT_DOUBLE_EQ(s.dicke, 6.0);
}

TEST(InitSchichten, RefusesProfilesWithoutWeight) {
    CalcFixture f;
    f.Schicht(5.0, 0, 30);
    EXPECT_NE(f.Meldung().find("Wichte"), std::string::npos);

    // Weight only below the excavation level.
    CalcFixture g;
    g.Schicht(5.0, 0, 0);
    g.Schicht(5.0, 20, 30);
    const std::string text = g.Meldung();
    EXPECT_NE(text.find("wand_hw"), std::string::npos) << text;
}

TEST(InitSchichten, MoreLayersThanTheTableHoldsIsAShownError) {
    CalcFixture f;
    for (int k = 0; k < 10; ++k) {
        f.Schicht(1.0, 20, 30);
    }
    // 10 bottoms, 2.5, 1.25, model bottom 20, water 3.3 and 4.7, anchor 0.7, compaction
    // 0.4, 1.3, 2.6 and 0.4·Kp/K0 = 2.4: 20 boundaries and the extension layer.
    f.in.wand_hw = 2.5;
    f.in.tgh = 3.3;
    f.in.tgv = 4.7;
    f.in.mitanker = 1;
    f.in.tiefe_anker = 0.7;
    f.in.mitverd = 1;
    f.in.bp = 1.0;
    const std::string text = f.Meldung();
    EXPECT_NE(text.find("höchstens 20"), std::string::npos) << text;
}

TEST(ClearErgebnisse, TwinTablesClearWithinTheirBounds) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    f.Lastfaelle({1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    C1ZirfCalc& c = f.Run();
    c.ErgAktivTGF[static_cast<long long>(C1ErgebnisAktiv::Plaetze()) - 1].Eh = 5.0;
    c.ErgLastfallTGF[20].Eh = 5.0;
    EXPECT_EQ(c.ClearErgebnisseTGF(), 1);
    EXPECT_DOUBLE_EQ(c.ErgAktivTGF[static_cast<long long>(C1ErgebnisAktiv::Plaetze()) - 1].Eh, 0.0);
    EXPECT_DOUBLE_EQ(c.ErgLastfallTGF[20].Eh, 0.0);
    // Every index past a table is refused with a shown error naming the table.
    try {
        (void)c.ErgLastfall[21];
        ADD_FAILURE();
    } catch (const C1Exception& e) {
        EXPECT_NE(e.text.find("ErgLastfall"), std::string::npos);
        EXPECT_NE(e.text.find("21 Plätze"), std::string::npos);
    }
}

TEST(Verdichtung, DeviceZeroBreakpointsAreBoundaries) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    f.in.mitverd = 1;
    f.in.bp = 1.0;
    C1ZirfCalc& c = f.Run();
    // Kp = 3, Ka = 1/3, K0 = 0.5: figure 1 at 0, 0.4, 1.3, 2.6 with ordinates 0,
    // 0.4·20·(3 − 1/3) = 21.333, 0.4·20·3 − 1.3·20/3 = 15.333, 0; figure 2 at 0, 0.4,
    // 0.4·3/0.5 = 2.4 with 0, 0.4·20·(3 − 0.5) = 20, 0.
    ExpectGrenzen(c, {0.4, 1.3, 1.5, 2.4, 2.6, 3.0, 10.0, 20.0, 20.0});
    EXPECT_NEAR(c.verdOrdinate[1], 0.4 * 20 * (3 - 1.0 / 3), 1e-9);
    EXPECT_NEAR(c.verdOrdinate[2], 0.4 * 20 * 3 - 1.3 * 20 / 3.0, 1e-9);
    EXPECT_NEAR(c.verdOrdinate2[1], 20.0, 1e-9);
    // Layer 0.4 ... 1.3 of figure 1: a trapezoid 21.333 → 15.333 over 0.9 m.
    EXPECT_NEAR(c.Verdichtung[1].EV1, (21.0 + 1.0 / 3 + 15.0 + 1.0 / 3) / 2 * 0.9, 1e-9);
    // Below 2.6 m figure 1 is 0; the sum of figure 2 over all layers is 20·2.4/2 = 24.
    double summe2 = 0.0;
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        summe2 += c.Verdichtung[i].EV2;
    }
    EXPECT_NEAR(summe2, 24.0, 1e-7); // Kp via the coefficients' own degree factor
    EXPECT_DOUBLE_EQ(c.Verdichtung[5].euV1, 0.0);
    // The rows are also read by position: 4 is EV1, 7 is yV2; there is no row 8.
    EXPECT_DOUBLE_EQ(c.Verdichtung[1][4], c.Verdichtung[1].EV1);
    EXPECT_DOUBLE_EQ(c.Verdichtung[3][7], c.Verdichtung[3].yV2);
    EXPECT_THROW((void)c.Verdichtung[1][8], C1Exception);
}

TEST(Verdichtung, UndrainedSoilSkipsTheSecondFigure) {
    CalcFixture f;
    f.Schicht(10.0, 20, 0, 0, 0, 20);
    f.in.mitverd = 1;
    f.in.geraet = 1;
    f.in.eg = 50;
    C1ZirfCalc& c = f.Run();
    EXPECT_FALSE(c.mitVerdichtung2);
    EXPECT_DOUBLE_EQ(c.verdKraft, 100.0); // zk = 0: twice eg
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        EXPECT_TRUE(std::isfinite(c.Verdichtung[i].EV2));
        EXPECT_DOUBLE_EQ(c.Verdichtung[i].EV2, 0.0);
    }
}

// The example of a cantilevered wall: layer table, weights and coefficients against a
// hand calculation.
TEST(Beispiele, KragwandLayerTableAndCoefficients) {
    InputFixture fx = InputFixture::FromFile("examples/kragwand.xml");
    fx.ReadAll();
    // The object is large: on the heap, as in a run.
    auto objekt = std::make_unique<C1ZirfCalc>(&fx.in, nullptr);
    C1ZirfCalc& c = *objekt;
    c.CalcBodenmodell();
    // Bottoms 1.2, 4.0, 12.0; excavation 3.0 and 1.5; water 2.0 behind, 3.5 in front;
    // model bottom 22.
    ExpectGrenzen(c, {1.2, 1.5, 2.0, 3.0, 3.5, 4.0, 12.0, 22.0, 22.0});
    EXPECT_EQ(c.iSchichtAushub, 3);
    // Behind the wall by the water behind it (2.0) at every depth; in front of it, below
    // the excavation level, by the water in front (3.5): the layer 3.0 ... 3.5 lies under
    // water behind the wall and above it in front.
    const double gammaEff[] = {18, 19, 19, 11, 11, 11, 11, 11};
    const double gammaEffVorn[] = {19, 11, 11, 11};
    for (int i = 0; i < 8; ++i) {
        EXPECT_DOUBLE_EQ(c.Schicht[i].gammaEff, gammaEff[i]) << i;
        if (i > c.iSchichtAushub) {
            EXPECT_DOUBLE_EQ(c.Schicht[i].gammaEffVorn, gammaEffVorn[i - 4]) << i;
        }
    }
    // Sand-gravel, phi 30°, delta = 2/3·phi = 20°, deltp = −20° (hand values of the
    // coefficient test): Ka = 0.2793836, Kp = 5.0041347, tan δ = 0.3639702.
    EXPECT_NEAR(c.Schicht[0].kagh, 0.27938364, 1e-8);
    EXPECT_NEAR(c.Schicht[0].kpgh, 5.00413467, 1e-8);
    EXPECT_NEAR(c.Schicht[0].tanA, 0.36397023, 1e-8);
    EXPECT_NEAR(c.Schicht[0].tanP, -0.36397023, 1e-8);
    // Minimum pressure: phi 40°, delta 40·20/30: 0.1785909 (all three soils keep δ/φ).
    EXPECT_NEAR(c.Schicht[6].kahm, 0.17859087, 1e-8);
    // Marl, phi 27.5°, delta 18.333°: Ka = cos²27.5°/(1 + √(sin 45.833°·sin 27.5°/
    // cos 18.333°))² = 0.3109420; Kac = 2·cos 27.5°·cos 18.333°/(1 + sin 45.833°)
    // = 0.9805865, times c = 5.
    EXPECT_NEAR(c.Schicht[6].kagh, 0.31094203, 1e-8);
    EXPECT_NEAR(c.Schicht[6].cA, 5 * 0.98058653, 1e-7);
    // Sand, phi 32.5°: Ka 0.2506396, Kp 6.0043788.
    EXPECT_NEAR(c.Schicht[1].kagh, 0.25063957, 1e-8);
    EXPECT_NEAR(c.Schicht[1].kpgh, 6.00437877, 1e-8);
    // Soil weight with the first surcharge (10 kN/m²) at the top and bottom of layer 0:
    // 10·Ka and (1.2·18 + 10)·Ka.
    const C1SchichtErgebnis& e = c.ErgAktiv[c.IndexAktiv(0, 0)];
    EXPECT_NEAR(e.eoh, 10 * 0.27938364, 1e-7);
    EXPECT_NEAR(e.euh, 31.6 * 0.27938364, 1e-7);
    EXPECT_DOUBLE_EQ(c.lastAktiv[1], 10.0);
    EXPECT_DOUBLE_EQ(c.lastAktiv[2], 20.0);
}

// The example of an anchored wall with the wall friction given in degrees.
TEST(Beispiele, AnkerFreiLayerTableAndCoefficients) {
    InputFixture fx = InputFixture::FromFile("examples/anker_frei.xml");
    fx.ReadAll();
    // The object is large: on the heap, as in a run.
    auto objekt = std::make_unique<C1ZirfCalc>(&fx.in, nullptr);
    C1ZirfCalc& c = *objekt;
    c.CalcBodenmodell();
    // Bottoms 2, 7, 19; excavation 6 and 3 (the water behind at 3 merges with it); anchor
    // 1.5; water in front 6.5; model bottom 29.
    ExpectGrenzen(c, {1.5, 2.0, 3.0, 6.0, 6.5, 7.0, 19.0, 29.0, 29.0});
    EXPECT_DOUBLE_EQ(c.yAnker, 1.5);
    EXPECT_EQ(c.iSchichtUnten, 4);
    // Fill, phi 30°, delta 20°: Ka 0.2793836. Passive with deltp −15° = −0.2617994 rad:
    // idg = (1 + 0.53·0.2617994)^(5.96·0.5235988 + 0.26) = 1.1387537^3.3806487 = 1.5515626,
    // Kp = 3·idg·cos 15° = 4.4960832.
    EXPECT_NEAR(c.Schicht[0].kagh, 0.27938364, 1e-8);
    EXPECT_NEAR(c.Schicht[0].kpgh, 4.49608316, 1e-8);
    // Clay, phi 22.5°, delta 15°, c = 10: Ka = cos²22.5°/(1 + √(sin 37.5°·sin 22.5°/cos 15°))²
    // = 0.3838982; Kac = 2·cos 22.5°·cos 15°/(1 + sin 37.5°) = 1.1094238.
    EXPECT_NEAR(c.Schicht[6].kagh, 0.38389824, 1e-8);
    EXPECT_NEAR(c.Schicht[6].cA, 11.094238, 1e-6);
}

TEST(Beispiele, EveryExampleTracesTheLayerSort) {
    for (const char* datei :
         {"examples/kragwand.xml", "examples/anker_frei.xml", "examples/anker_eingespannt.xml"}) {
        InputFixture fx = InputFixture::FromFile(datei);
        fx.ReadAll();
        std::FILE* trace = std::tmpfile();
        ASSERT_NE(trace, nullptr);
        g_pTrace = trace;
        // The object is large: on the heap, as in a run.
        auto objekt = std::make_unique<C1ZirfCalc>(&fx.in, nullptr);
        C1ZirfCalc& c = *objekt;
        c.CalcBodenmodell();
        c.CalcLastenBeiTiefe(c.Schicht[c.iSchichtUnten].yu + 1.0);
        g_pTrace = nullptr;
        std::rewind(trace);
        std::string text;
        char puffer[4096];
        std::size_t n = 0;
        while ((n = std::fread(puffer, 1, sizeof puffer, trace)) > 0) {
            text.append(puffer, n);
        }
        std::fclose(trace);
        EXPECT_NE(text.find("\nSort: i 0  yo   0.00  yu "), std::string::npos) << datei;
        EXPECT_NE(text.find("\nvor : i 0  j "), std::string::npos) << datei;
        EXPECT_NE(text.find("\njj 0  yo   0.00  yu "), std::string::npos) << datei;
        if (fx.in.nBlocklast > 0) {
            EXPECT_NE(text.find("\nEBloW: jj "), std::string::npos) << datei;
        }
        if (fx.in.nLinienlast > 0) {
            EXPECT_NE(text.find("\nELW: jj "), std::string::npos) << datei;
            EXPECT_NE(text.find("\nHLW: jj "), std::string::npos) << datei;
        }
    }
}

TEST(Beispiele, EveryFigureIsFiniteAtEveryTrialDepth) {
    const auto endlich = [](const C1SchichtErgebnis& e) {
        return std::isfinite(e.eoh) && std::isfinite(e.euh) && std::isfinite(e.Eh) &&
               std::isfinite(e.yE) && std::isfinite(e.xE) && std::isfinite(e.Eges);
    };
    for (const char* datei :
         {"examples/kragwand.xml", "examples/anker_frei.xml", "examples/anker_eingespannt.xml"}) {
        InputFixture fx = InputFixture::FromFile(datei);
        fx.ReadAll();
        auto objekt = std::make_unique<C1ZirfCalc>(&fx.in, nullptr);
        C1ZirfCalc& c = *objekt;
        c.CalcBodenmodell();
        for (double t = fx.in.wand_hw + 0.25; t < 40.0; t += 1.5) {
            try {
                c.CalcLastenBeiTiefe(t);
            } catch (const C1Exception& e) {
                FAIL() << datei << " t " << t << ": " << e.text;
            }
            for (long long k = 0; k < static_cast<long long>(C1ErgebnisAktiv::Plaetze()); ++k) {
                ASSERT_TRUE(endlich(c.ErgAktiv[k])) << datei << " " << k;
            }
            for (long long k = 0; k < static_cast<long long>(C1ErgebnisLast::Plaetze()); ++k) {
                ASSERT_TRUE(endlich(c.ErgBlockOben[k]) && endlich(c.ErgBlockUnten[k]) &&
                            endlich(c.ErgLinie[k]) && std::isfinite(c.BlockSchicht[k].E) &&
                            std::isfinite(c.LinieSchicht[k].E))
                    << datei << " t " << t << " " << k;
            }
            for (long long k = 0; k < 21; ++k) {
                ASSERT_TRUE(endlich(c.ErgPassiv[k])) << datei << " " << k;
            }
            ASSERT_TRUE(std::isfinite(c.wasserSumme) && std::isfinite(c.xGleitEnde) &&
                        std::isfinite(c.xReibEnde));
        }
    }
}

} // namespace
