#include "plot/engine/PlotGeometrie.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(PlotGeometrie, PointOnLineGoesAlongThenAcross) {
    struct Case {
        int x1, y1, x2, y2, l, b;
        C1Punkt expected;
    };
    const Case cases[] = {
        {0, 0, 100, 0, 30, 10, {30, 10}},   // to the right: across points down the page
        {0, 0, 0, -100, 30, 10, {10, -30}}, // up the page: across points right
        {0, 0, 0, 100, 30, 10, {-10, 30}},  // down the page: across points left
        {10, 10, 10, 10, 5, 0, {15, 10}},   // no direction: along x
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PointOnLine(c.x1, c.y1, c.x2, c.y2, c.l, c.b), c.expected) << c.x2 << "," << c.y2;
    }
    C1Punkt q1;
    C1Punkt q2;
    EXPECT_EQ(PointsOnLine(0, 0, 100, 0, 10, 5, -1, q1, q2), 0);
    EXPECT_EQ(PointsOnLine(0, 0, 100, 0, 10, 5, 20, q1, q2), 1);
    EXPECT_EQ(q1, (C1Punkt{10, 5}));
    EXPECT_EQ(q2, (C1Punkt{30, 5}));
}

TEST(PlotGeometrie, PerpendicularFootOnSlopedVerticalHorizontalAndNoLine) {
    struct Case {
        int x1, y1, x2, y2, px, py;
        std::optional<C1Punkt> expected;
    };
    const Case cases[] = {
        {0, 0, 100, 50, 50, 80, C1Punkt{72, 36}}, // slope 0.5: (72, 36), not on a slope of 0
        {0, 0, 0, 100, 50, 80, C1Punkt{0, 80}},   // vertical at x = 0
        {7, -5, 7, 100, 50, 80, C1Punkt{7, 80}},
        {0, 20, 100, 20, 50, 80, C1Punkt{50, 20}}, // horizontal
        {0, 0, -100, -100, 0, 100, C1Punkt{50, 50}},
        {5, 5, 5, 5, 0, 0, std::nullopt}, // two equal points make no line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PerpendicularFoot(c.x1, c.y1, c.x2, c.y2, c.px, c.py), c.expected)
            << c.x2 << "," << c.y2;
    }
}

TEST(PlotGeometrie, AnglesAreGuardedAndFitsKeepProportions) {
    EXPECT_DOUBLE_EQ(AngleAtVertex(0, 0, 10, 0, 0, 10), std::acos(0.0));
    EXPECT_DOUBLE_EQ(AngleAtVertex(0, 0, 0, 0, 0, 10), 0.0); // a leg without length
    EXPECT_FALSE(std::isnan(AngleAtVertex(0, 0, 3, 3, 6, 6)));
    EXPECT_FALSE(std::isnan(AngleAtVertex(0, 0, 3, 3, -7, -7)));
    EXPECT_NEAR(LineAngleDeg(0, 0, 0, -10), 90.0, 1e-3); // up the page
    EXPECT_DOUBLE_EQ(LineLength(0, 0, 3, 4), 5.0);

    EXPECT_EQ(FitRectToAspect({0, 0, 100, 100}, 2.0, 1.0), (C1Box{0, 50, 100, 100}));
    EXPECT_EQ(FitRectToAspect({0, 0, 100, 100}, 1.0, 2.0), (C1Box{0, 0, 50, 100}));
    EXPECT_EQ(FitRectToAspect({0, 0, 100, 100}, 0.0, 2.0), (C1Box{0, 0, 100, 100}));
    EXPECT_EQ(FitRectToAspect({0, 0, 0, 0}, 1.0, 2.0), (C1Box{0, 0, 0, 0}));

    EXPECT_EQ(RectsIntersect({0, 0, 10, 10}, {10, 0, 20, 10}), 0); // touching
    EXPECT_EQ(RectsIntersect({10, 10, 0, 0}, {5, 5, 20, 20}), 1);  // corners in any order
    EXPECT_EQ(RotatePoint(0, 0, std::acos(-1.0) / 2, 10, 0), (C1Punkt{0, -10}));
}
