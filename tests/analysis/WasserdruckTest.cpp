#include "../earthpressure/CalcFixture.h"

#include <gtest/gtest.h>

namespace {

// One soil of 10 m, excavation 3 m: with water levels 2 and 5 m the layers are 0–1.5,
// 1.5–2, 2–3, 3–5, 5–10, 10–20 and the extension layer.
struct Erwartet {
    double yo, wo, wu;
};

void Pruefe(const C1ZirfCalc& c, CalcFixture& f, const std::vector<Erwartet>& erwartet) {
    for (const auto& e : erwartet) {
        const C1Schicht& s = c.Schicht[f.SchichtAb(e.yo)];
        EXPECT_NEAR(s.wo, e.wo, 1e-9) << e.yo;
        EXPECT_NEAR(s.wu, e.wu, 1e-9) << e.yo;
    }
}

TEST(CalcWasserdruck, TriangleBetweenTheLevelsThenConstant) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    f.in.tgh = 2.0;
    f.in.tgv = 5.0;
    const C1ZirfCalc& c = f.Run();
    EXPECT_EQ(c.status, 1); // the last phase's status
    // 10 kN/m³ over the 3 m between the levels, then 30 kN/m² down to the extension layer.
    Pruefe(c, f,
           {{0.0, 0, 0},
            {1.5, 0, 0},
            {2.0, 0, 10},
            {3.0, 10, 30},
            {5.0, 30, 30},
            {10.0, 30, 30},
            {20.0, 30, 30}});
}

TEST(CalcWasserdruck, ReversedLevelsActTowardsTheSoil) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    f.in.tgh = 5.0;
    f.in.tgv = 2.0;
    const C1ZirfCalc& c = f.Run();
    Pruefe(c, f, {{2.0, 0, -10}, {3.0, -10, -30}, {5.0, -30, -30}});
}

TEST(CalcWasserdruck, LevelsWithinOneCentimetreGiveNothing) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    f.in.tgh = 2.0;
    f.in.tgv = 2.005;
    C1ZirfCalc& c = f.Run();
    EXPECT_EQ(c.CalcWasserdruck(), 0);
    for (int i = 0; i <= c.iLetzteSchicht; ++i) {
        EXPECT_DOUBLE_EQ(c.Schicht[i].wo, 0.0);
        EXPECT_DOUBLE_EQ(c.Schicht[i].wu, 0.0);
    }
}

TEST(CalcWasserdruck, LevelMergedIntoTheBoundaryAboveItKeepsItsFigure) {
    // Soils of 2 and 18 m, excavation 10 m (half 5 m). The water behind at 2.0005 m merges
    // into the boundary at 2 m, the one in front lies at 5 m: the layer 2–5 m still carries
    // the figure from 0 to (5 − 2.0005)·10 = 29.995 kN/m², and so does everything below.
    CalcFixture f;
    f.Schicht(2.0, 20, 30);
    f.Schicht(18.0, 20, 30);
    f.in.wand_hw = 10.0;
    f.in.tgh = 2.0005;
    f.in.tgv = 5.0;
    const C1ZirfCalc& c = f.Run();
    ASSERT_EQ(c.Schicht[f.SchichtAb(2.0)].yu, 5.0);
    Pruefe(c, f, {{0.0, 0, 0}, {2.0, 0, 29.995}, {5.0, 29.995, 29.995}, {10.0, 29.995, 29.995}});

    // The water behind 0.5 mm below the head is no boundary: the first layer (0–1.5 m)
    // reaches (1.5 − 0.0005)·10 = 14.995 kN/m², the water in front at 3 m 29.995.
    CalcFixture g;
    g.Schicht(10.0, 20, 30);
    g.in.tgh = 0.0005;
    g.in.tgv = 3.0;
    const C1ZirfCalc& d = g.Run();
    ASSERT_EQ(d.Schicht[0].yu, 1.5);
    Pruefe(d, g, {{0.0, 0, 14.995}, {1.5, 14.995, 29.995}, {3.0, 29.995, 29.995}});
}

TEST(CalcWasserdruckFuss, TriangleAndRectangleDownToTheFoot) {
    CalcFixture f;
    f.Schicht(10.0, 20, 30);
    f.in.tgh = 2.0;
    f.in.tgv = 5.0;
    C1ZirfCalc& c = f.Run();
    c.t = 8.0;
    c.CalcWasserdruckFuss(0);
    // Triangle 10·3²/2 = 45 at 5 − 1 = 4 m; rectangle 30·3 = 90 at 6.5 m.
    EXPECT_NEAR(c.wasserDreieck, 45.0, 1e-12);
    EXPECT_NEAR(c.yWasserDreieck, 4.0, 1e-12);
    EXPECT_NEAR(c.wasserRechteck, 90.0, 1e-12);
    EXPECT_NEAR(c.yWasserRechteck, 6.5, 1e-12);
    EXPECT_NEAR(c.wasserSumme, 135.0, 1e-12);
    EXPECT_NEAR(c.wasserMomentFuss, 45 * 4 + 90 * 1.5, 1e-12);
    // Foot between the levels: the triangle down to it, no rectangle.
    c.t = 4.0;
    c.CalcWasserdruckFuss(0);
    EXPECT_NEAR(c.wasserDreieck, 20.0, 1e-12);
    EXPECT_NEAR(c.yWasserDreieck, 4.0 - 2.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(c.wasserRechteck, 0.0);
    // Foot above both levels: nothing, also nothing left of the last call.
    c.t = 1.0;
    c.CalcWasserdruckFuss(0);
    EXPECT_DOUBLE_EQ(c.wasserSumme, 0.0);
}

} // namespace
