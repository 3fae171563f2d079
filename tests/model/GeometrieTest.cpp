#include "model/C1Gerade.h"
#include "model/C1Polygon.h"
#include "model/C1Schnittpunkt.h"
#include "model/C1Trapez.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(C1Gerade, SetPunkteTreatsNearlyEqualCoordinatesAsEqual) {
    C1Gerade g;
    // x differs by 0.0005 < 0.001: a vertical line through the second point.
    EXPECT_EQ(g.SetPunkte(1, 2, 1.0005, 5), 1);
    EXPECT_DOUBLE_EQ(g.GetA(), 1.0);
    EXPECT_DOUBLE_EQ(g.GetB(), 0.0);
    EXPECT_DOUBLE_EQ(g.GetC(), -1.0005);
    EXPECT_DOUBLE_EQ(g.m, 1e20);
    // Both differences below 0.001: no line, the coefficients stay.
    EXPECT_EQ(g.SetPunkte(1, 2, 1.0005, 2.0009), -1);
    EXPECT_DOUBLE_EQ(g.GetC(), -1.0005);
    // Horizontal: 0·x + 1·y − 3 = 0.
    EXPECT_EQ(g.SetPunkte(0, 3, 4, 3.0002), 1);
    EXPECT_DOUBLE_EQ(g.GetA(), 0.0);
    EXPECT_DOUBLE_EQ(g.GetC(), -3.0002);
    // General: through (0,1) and (2,5): slope 2, 2x − y + 1 = 0; x at depth 3 is 1.
    EXPECT_EQ(g.SetPunkte(0, 1, 2, 5), 1);
    EXPECT_DOUBLE_EQ(g.GetA(), 2.0);
    EXPECT_DOUBLE_EQ(g.GetB(), -1.0);
    EXPECT_DOUBLE_EQ(g.GetC(), 1.0);
}

TEST(C1Gerade, SetSteigungPunktAndGetX) {
    C1Gerade g;
    // Slope −0.5 through (2, 3): y = 3 − 0.5(x − 2); at depth 2, x = 4.
    EXPECT_EQ(g.SetSteigungPunkt(-0.5, 2, 3), 1);
    EXPECT_DOUBLE_EQ(g.GetC(), 4.0);
    EXPECT_DOUBLE_EQ(g.GetX(2.0), 4.0);
}

TEST(C1Schnittpunkt, CrossingSameAndParallelLines) {
    C1Schnittpunkt s;
    // x − y = 0 and x + y − 4 = 0 cross at (2, 2).
    EXPECT_EQ(s.Calc(1, -1, 0, 1, 1, -4), 1);
    EXPECT_DOUBLE_EQ(s.GetX(), 2.0);
    EXPECT_DOUBLE_EQ(s.GetY(), 2.0);
    EXPECT_EQ(s.Calc(1, -1, 0, 2, -2, 0), -1); // the same line
    EXPECT_EQ(s.Calc(1, -1, 0, 1, -1, 1), 0);  // parallel
    EXPECT_DOUBLE_EQ(s.GetX(), 2.0);           // the last point stays
}

TEST(C1Trapez, CalcTrapezGivesResultantAndItsDepth) {
    C1Trapez t;
    t.CalcTrapez(2, 4, 10, 20);
    // Rectangle 2·10 = 20 at depth 3, triangle 10 at depth 2 + 4/3: yE = (60 + 33.33)/30.
    EXPECT_DOUBLE_EQ(t.GetE(), 30.0);
    EXPECT_NEAR(t.GetYE(), (20.0 * 3 + 10.0 * (2 + 4.0 / 3)) / 30.0, 1e-12);
    t.CalcTrapez(1, 2, 0, 0);
    EXPECT_DOUBLE_EQ(t.GetE(), 0.0);
    EXPECT_DOUBLE_EQ(t.GetYE(), 0.0);
}

TEST(C1Trapez, CalcViereckSameSignIsTrapezoid) {
    C1Trapez t;
    // Vertical wall at x = 0 from 0 to 4, ordinates 10 and 20: area 60, centroid depth
    // (10·4·2 + 10·4/2·(8/3))/60 = (80 + 53.33)/60.
    EXPECT_EQ(t.CalcViereck(0, 0, 10, 0, 0, 4, 20, 4), 1);
    EXPECT_NEAR(t.GetFlaeche(), 60.0, 1e-12);
    EXPECT_NEAR(t.GetSchwerpunktY(), (80.0 + 160.0 / 3.0) / 60.0, 1e-12);
    // The same figure on an inclined wall (x from 1 to 2) keeps area and depth.
    EXPECT_EQ(t.CalcViereck(1, 0, 10, 0, 2, 4, 20, 4), 1);
    EXPECT_NEAR(t.GetFlaeche(), 60.0, 1e-12);
    EXPECT_NEAR(t.GetSchwerpunktY(), (80.0 + 160.0 / 3.0) / 60.0, 1e-12);
    EXPECT_EQ(t.CalcViereck(0, 0, 0, 0, 0, 4, 0, 4), 0);
    EXPECT_DOUBLE_EQ(t.GetFlaeche(), 0.0);
}

TEST(C1Trapez, CalcViereckSplitsAtZeroCrossingOfOrdinatesAlsoOffTheAxis) {
    // Ordinates −5 and 15 over 0..4: zero at depth 1; parts 5·1/2 and 15·3/2, sum 25.
    // Centroids: upper triangle (wall top, Z, top end) at depth (0 + 1 + 0)/3, lower one
    // (Z, bottom end, wall bottom) at (1 + 4 + 4)/3 = 3. The wall may stand off x = 0.
    const double ys = (2.5 * (1.0 / 3.0) + 22.5 * 3.0) / 25.0;
    struct Wand {
        double xa, xb;
    } waende[] = {{0.0, 0.0}, {3.0, 3.0}, {3.0, 4.0}, {-2.0, 0.0}};
    for (const auto& w : waende) {
        C1Trapez t;
        EXPECT_EQ(t.CalcViereck(w.xa, 0, -5, 0, w.xb, 4, 15, 4), 1);
        EXPECT_NEAR(t.GetFlaeche(), 25.0, 1e-12) << w.xa << " " << w.xb;
        EXPECT_NEAR(t.GetSchwerpunktY(), ys, 1e-12) << w.xa << " " << w.xb;
    }
}

TEST(C1Trapez, CalcViereckPunkteOrdersVertices) {
    C1Trapez t;
    // Top wall (0,1), top end (2,1), bottom wall (0,3), bottom end (4,3): trapezoid of
    // mean width 3 over 2 m: area 6; centroid depth 1 + 2·(2 + 2·4)/(3·(2 + 4)).
    EXPECT_EQ(t.CalcViereckPunkte(0, 1, 2, 1, 0, 3, 4, 3), 1);
    EXPECT_NEAR(t.GetFlaeche(), 6.0, 1e-12);
    EXPECT_NEAR(t.GetSchwerpunktY(), 1.0 + 2.0 * 10.0 / 18.0, 1e-12);
}

TEST(C1Polygon, AreaAndCentroidOfClosedPolygon) {
    C1Polygon p;
    EXPECT_EQ(p.CalcFlaeche(), 0); // nothing started
    p.SetAnzahl(0);
    EXPECT_EQ(p.CalcFlaeche(), 0); // started, no point
    p.SetAnzahl(0);
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {1.0, 0.0}, {1.0, 1.0}, {0.0, 1.0}}) {
        p.AddPunkt(x, y);
    }
    EXPECT_EQ(p.nPunkte, 4);
    EXPECT_EQ(p.CalcFlaeche(), 1);
    EXPECT_NEAR(std::fabs(p.GetFlaeche()), 1.0, 1e-12);
    EXPECT_NEAR(p.xs, 0.5, 1e-12);
    EXPECT_NEAR(p.ys, 0.5, 1e-12);
    // A new polygon does not see the points of the last one: triangle of area 2.
    p.SetAnzahl(0);
    p.AddPunkt(0, 0);
    p.AddPunkt(2, 0);
    p.AddPunkt(0, 2);
    p.CalcFlaeche();
    EXPECT_NEAR(std::fabs(p.GetFlaeche()), 2.0, 1e-12);
}

TEST(C1Gerade, AngleBetweenTwoLines) {
    const double pi = 3.1415926535898;
    const struct {
        double m, m2, tan, winkel, sin, cos;
    } cases[] = {
        {1.0, 0.0, -1.0, -pi / 4, -std::sqrt(0.5), std::sqrt(0.5)},
        // (2 − 0.5)/(1 + 1) = 0.75: the 3-4-5 triangle.
        {0.5, 2.0, 0.75, std::atan(0.75), 0.6, 0.8},
        // At a right angle the tangent is the stand-in for "vertical".
        {2.0, -0.5, -1e20, -pi / 2, -1.0, 0.0},
    };
    for (const auto& c : cases) {
        C1Gerade g;
        g.SetSteigungPunkt(c.m, 0, 0);
        g.m2 = c.m2;
        EXPECT_EQ(g.CalcWinkel(), 1);
        EXPECT_NEAR(g.tanZwischen, c.tan, 1e-12) << c.m << ", " << c.m2;
        EXPECT_NEAR(g.winkelZwischen, c.winkel, 1e-12);
        EXPECT_NEAR(g.sinZwischen, c.sin, 1e-12);
        EXPECT_NEAR(g.cosZwischen, c.cos, 1e-12);
    }
}

TEST(C1Gerade, HesseNormalFormKeepsItsWorkingValues) {
    C1Gerade g;
    EXPECT_EQ(g.CalcHesse(1, 1), 0.0) << "no line set yet";
    // y = x + 1, that is x − y + 1 = 0 (c > 0: the normal is turned): the origin lies
    // 1/√2 from it, on the negative side.
    g.SetSteigungPunkt(1.0, 0.0, 1.0);
    EXPECT_NEAR(g.CalcHesse(0, 0), -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(g.normHesse, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(g.sHesse, -std::sqrt(0.5), 1e-12);
    EXPECT_NEAR(g.abstandHesse, -std::sqrt(0.5), 1e-12);
    // The horizontal y = 2: the point (5, 3) lies 1 below it.
    g.SetPunkte(0, 2, 1, 2);
    EXPECT_NEAR(g.CalcHesse(5, 3), 1.0, 1e-12);
}

TEST(C1Trapez, TrapezoidCentroidBySidesAndByCoordinates) {
    C1Trapez t;
    // Top side 2 at depth 0 from x 1 to 3, bottom side 4 at depth 3 from x 0 to 4: area
    // (4 + 2)·3/2 = 9; symmetric about x = 2; the centroid lies 3·(4 + 2·2)/(3·6) = 4/3
    // above the bottom side, 5/3 below the top.
    EXPECT_EQ(t.CalcTrapezSchwerpunkt(4, 2, 1, 3), 1);
    EXPECT_NEAR(t.GetFlaeche(), 9.0, 1e-12);
    EXPECT_NEAR(t.xs, 2.0, 1e-12);
    EXPECT_NEAR(t.GetSchwerpunktY(), 5.0 / 3.0, 1e-12);
    // Triangle (0,0), (0,3), (3,3): centroid (1, 2).
    EXPECT_EQ(t.CalcTrapezSchwerpunkt(3, 0, 0, 3), 1);
    EXPECT_NEAR(t.GetFlaeche(), 4.5, 1e-12);
    EXPECT_NEAR(t.xs, 1.0, 1e-12);
    EXPECT_NEAR(t.ys, 2.0, 1e-12);
    // The first trapezoid moved by (10, 5) and given by its corners.
    EXPECT_EQ(t.CalcTrapezSchwerpunkt2(11, 13, 5, 10, 14, 8), 1);
    EXPECT_NEAR(t.GetFlaeche(), 9.0, 1e-12);
    EXPECT_NEAR(t.xsGlobal, 12.0, 1e-12);
    EXPECT_NEAR(t.ysGlobal, 5.0 + 5.0 / 3.0, 1e-12);
    // Two sides of no length: no figure, no centroid.
    EXPECT_EQ(t.CalcTrapezSchwerpunkt(0, 0, 1, 3), 0);
    EXPECT_EQ(t.GetFlaeche(), 0.0);
    EXPECT_EQ(t.xs, 0.0);
    EXPECT_EQ(t.ys, 0.0);
}

TEST(C1Trapez, PentagonByTheShoelaceRule) {
    C1Trapez t;
    // A house: the square 2×2 (centroid (1, 1)) under a roof triangle of area 1 with its
    // centroid at (1, 2 + 1/3): area 5, ys = (4·1 + 1·7/3)/5.
    EXPECT_EQ(t.CalcFuenfeck(0, 0, 2, 0, 2, 2, 1, 3, 0, 2), 1);
    EXPECT_NEAR(t.GetFlaeche(), 5.0, 1e-12);
    EXPECT_NEAR(t.xs, 1.0, 1e-12);
    EXPECT_NEAR(t.GetSchwerpunktY(), (4.0 + 7.0 / 3.0) / 5.0, 1e-12);
    // The same points the other way round give the same magnitude.
    EXPECT_EQ(t.CalcFuenfeck(0, 2, 1, 3, 2, 2, 2, 0, 0, 0), 1);
    EXPECT_NEAR(t.GetFlaeche(), 5.0, 1e-12);
    // Five points on one line enclose nothing.
    EXPECT_EQ(t.CalcFuenfeck(0, 0, 1, 1, 2, 2, 3, 3, 4, 4), 0);
    EXPECT_EQ(t.GetFlaeche(), 0.0);
}

} // namespace

namespace {

// Second moments of a rectangle b x h about its centroid are b·h³/12 and h·b³/12 with no
// product moment; its principal axes are the coordinate axes. A right triangle with legs
// a (along x) and c (along y) has Ixy = −a²c²/72 about its centroid.
TEST(C1Polygon, SecondMomentsAboutTheCentroid) {
    C1Polygon p;
    p.SetAnzahl(0);
    for (const auto& [x, y] : {std::pair{1.0, 2.0}, {4.0, 2.0}, {4.0, 4.0}, {1.0, 4.0}}) {
        p.AddPunkt(x, y);
    }
    ASSERT_EQ(p.CalcFlaeche(), 1);
    EXPECT_NEAR(p.ixx, 3.0 * 8.0 / 12.0, 1e-12);  // b = 3, h = 2
    EXPECT_NEAR(p.iyy, 2.0 * 27.0 / 12.0, 1e-12); // h·b³/12
    EXPECT_NEAR(p.ixy, 0.0, 1e-12);
    EXPECT_NEAR(p.hauptachsenWinkel, 0.0, 1e-12);

    p.SetAnzahl(0);
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {2.0, 0.0}, {0.0, 3.0}}) {
        p.AddPunkt(x, y);
    }
    ASSERT_EQ(p.CalcFlaeche(), 1);
    EXPECT_NEAR(p.ixx, 2.0 * 27.0 / 36.0, 1e-12); // a·c³/36
    EXPECT_NEAR(p.iyy, 3.0 * 8.0 / 36.0, 1e-12);  // c·a³/36
    EXPECT_NEAR(p.ixy, -4.0 * 9.0 / 72.0, 1e-12);
}

// The working values of a pressure figure: CalcTrapez(2, 4, 10, 20) is a rectangle of
// 20 with lever 3 and a triangle of 10 with lever 2 + 4/3.
TEST(C1Trapez, WorkingValuesOfTheLastFigure) {
    C1Trapez t;
    t.CalcTrapez(2.0, 4.0, 10.0, 20.0);
    EXPECT_DOUBLE_EQ(t.hoehe, 2.0);
    EXPECT_DOUBLE_EQ(t.differenz, 10.0);
    EXPECT_DOUBLE_EQ(t.rechteck, 20.0);
    EXPECT_DOUBLE_EQ(t.dreieck, 10.0);
    EXPECT_DOUBLE_EQ(t.momentRechteck, 60.0);
    EXPECT_NEAR(t.momentDreieck, 10.0 * (2.0 + 4.0 / 3.0), 1e-12);
    EXPECT_NEAR(t.GetYE(), 3.1111, 1e-4);
}

} // namespace
