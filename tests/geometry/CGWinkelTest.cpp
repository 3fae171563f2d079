#include "geometry/CGBaseSeg.h"
#include "geometry/CGCircle.h"
#include "geometry/CGLine.h"
#include "geometry/CGPoint.h"
#include "geometry/CGVector.h"
#include "geometry/Winkel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double kTol = 1e-9;
constexpr double kPi = std::numbers::pi;

struct RichtungFall {
    double x, y, winkel;
};

TEST(CGWinkel, AngleOfADirectionLiesInOneTurnAndIgnoresTinyCoordinates) {
    const RichtungFall faelle[] = {
        {1.0, 0.0, 0.0},         {0.0, 1.0, kPi / 2},     {-1.0, 0.0, kPi},
        {0.0, -1.0, 1.5 * kPi},  {1e-7, -1.0, 1.5 * kPi}, // 1e-7 counts as 0
        {1.0, -1e-7, 0.0},                                // not a hair short of a full turn
        {-1.0, -1e-7, kPi},                               // not a hair past a half turn
        {1.0, -1.0, 1.75 * kPi}, {0.0, 0.0, 0.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "(" << f.x << ", " << f.y << ")");
        EXPECT_NEAR(Winkel(f.x, f.y), f.winkel, kTol);
        EXPECT_NEAR(CGVector(f.x, f.y, 3.0).Angle(), f.winkel, kTol);
    }
    EXPECT_DOUBLE_EQ(Winkel(1e-7, -1.0), Winkel(0.0, -1.0));
}

struct ZwischenFall {
    CGVector u, v;
    double winkel;
};

TEST(CGWinkel, AngleBetweenVectorsIsCounterClockwiseAndNearlyFullTurnsComeBackNegative) {
    const ZwischenFall faelle[] = {
        {{1, 0, 0}, {1, 1e-4, 0}, 1e-4},
        {{1, 0, 0}, {1, -1e-4, 0}, -1e-4},
        {{1, 0, 0}, {0, -1, 0}, 1.5 * kPi},
        {{0, 1, 0}, {1, 0, 0}, 1.5 * kPi},
        {{1, 0, 0}, {-1, 0, 0}, kPi},
        {{1, 0, 0}, {1, 0, 0}, 0.0},
        // Either side of the limit 0.001 short of a full turn.
        {{1, 0, 0}, {1, -0.001, 0}, std::atan2(-0.001, 1.0)},
        {{1, 0, 0}, {1, -0.0011, 0}, 6.28318530718 + std::atan2(-0.0011, 1.0)},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "(" << f.u.dx << ", " << f.u.dy << ") to (" << f.v.dx
                                        << ", " << f.v.dy << ")");
        EXPECT_NEAR(f.u.AngleTo(f.v), f.winkel, kTol);
    }
}

TEST(CGWinkel, DifferenceOfTwoAnglesRunsFromTheSecondToTheFirst) {
    const struct {
        double a, b, d;
    } faelle[] = {
        {0.1, 0.0, 0.1}, {0.0, 0.1, 6.28318530718 - 0.1}, {0.0, 1e-4, -1e-4},
        {kPi, kPi, 0.0}, {1.5 * kPi, 0.5 * kPi, kPi},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.a << " - " << f.b);
        EXPECT_NEAR(WinkelDifferenz(f.a, f.b), f.d, kTol);
    }
}

TEST(CGWinkel, SideIsZeroUpToJustBelowHalfATurnCounterClockwise) {
    const CGVector u(1, 0, 0);
    const struct {
        CGVector v;
        int seite;
    } faelle[] = {
        {{1, 0, 0}, 0},     {{0, 1, 0}, 0},
        {{-1, 1e-3, 0}, 0}, {{-1, 0, 0}, 1}, // pi lies just above the bound 3.141592653
        {{0, -1, 0}, 1},    {{1, -1e-3, 0}, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "(" << f.v.dx << ", " << f.v.dy << ")");
        EXPECT_EQ(u.Side(f.v), f.seite);
    }
    // Measured from the first vector, not from the x axis.
    EXPECT_EQ(CGVector(0, -1, 0).Side(CGVector(1, 0, 0)), 0);
    EXPECT_EQ(CGVector(0, 1, 0).Side(CGVector(1, 0, 0)), 1);
}

TEST(CGVectorTest, LengthNegationAndRotation) {
    EXPECT_DOUBLE_EQ(CGVector(3, 4, 0).Length(), 5.0);
    EXPECT_DOUBLE_EQ(CGVector(1, 2, 2).Length(), 3.0);
    EXPECT_DOUBLE_EQ(CGVector(-2, 0, 0).Length(), 2.0);
    EXPECT_DOUBLE_EQ(CGVector(0, -3, 0).Length(), 3.0);
    EXPECT_DOUBLE_EQ(CGPoint(1, 1, 1).LengthTo(CGPoint(1, 4, 5)), 5.0);

    const CGVector minus = -CGVector(5e-7, -2.0, 0.0);
    EXPECT_EQ(minus.dx, 0.0);
    EXPECT_FALSE(std::signbit(minus.dx)); // snapped, not -0.0
    EXPECT_EQ(minus.dy, 2.0);
    EXPECT_FALSE(std::signbit(minus.dz));

    CGVector v(2, 0, 5);
    v.Rotate(kPi / 2);
    EXPECT_NEAR(v.dx, 0.0, kTol);
    EXPECT_NEAR(v.dy, 2.0, kTol);
    EXPECT_EQ(v.dz, 5.0);
    const CGVector w = CGVector(0, 3, 7).Rotated(-kPi / 2);
    EXPECT_NEAR(w.dx, 3.0, kTol);
    EXPECT_NEAR(w.dy, 0.0, kTol);
    EXPECT_EQ(w.dz, 0.0);
}

TEST(CGVectorTest, ArithmeticKeepsTheKindsOfPointsAndVectors) {
    const CGPoint a(1, 2, 3);
    const CGPoint b(4, 6, 3);
    const CGVector d = b - a;
    EXPECT_EQ(d.kind, kCGVektor);
    EXPECT_EQ(d, CGVector(3, 4, 0));
    const CGPoint c = a + d * 2.0;
    EXPECT_EQ(c.kind, kCGPunkt);
    EXPECT_EQ(c, CGPoint(7, 10, 3));
    EXPECT_EQ((d / 2.0), CGVector(1.5, 2, 0));
    EXPECT_EQ(c - d, CGPoint(4, 6, 3));

    // Compound forms change the left operand and hand back the new value.
    CGPoint p(1, 1, 1);
    const CGPoint q = (p += CGVector(1, 0, 0));
    EXPECT_EQ(p, CGPoint(2, 1, 1));
    EXPECT_EQ(q, p);
    p -= CGPoint(2, 1, 1);
    EXPECT_EQ(p, CGPoint(0, 0, 0));
    CGVector v(1, 2, 3);
    const CGVector r = (v *= 2.0);
    EXPECT_EQ(v, CGVector(2, 4, 6));
    EXPECT_EQ(r, v);
    v /= 4.0;
    v -= CGVector(0.5, 1, 1.5);
    EXPECT_EQ(v, CGVector(0, 0, 0));

    // Equal within 1e-4 per coordinate.
    EXPECT_EQ(CGPoint(0, 0, 0), CGPoint(9e-5, -9e-5, 9e-5));
    EXPECT_NE(CGPoint(0, 0, 0), CGPoint(0, 0, 1.1e-4));
    EXPECT_NE(CGVector(0, 0, 0), CGVector(1.1e-4, 0, 0));
}

TEST(CGVectorTest, EveryRecordCarriesItsKindAndCopiesSetIt) {
    EXPECT_EQ(CGPoint().kind, 1);
    EXPECT_EQ(CGVector().kind, 2);
    const CGLine line;
    EXPECT_EQ(line.kind, 4);
    EXPECT_EQ(line.origin.kind, 1);
    EXPECT_EQ(line.direction.kind, 2);
    EXPECT_EQ(CGCircle().kind, 5);
    EXPECT_EQ(CGCircle().centre.kind, 1);
    EXPECT_EQ(CGBaseSeg(0.0, 1.0).kind, 6);

    CGPoint fremd(1, 2, 3);
    fremd.kind = 99;
    const CGPoint kopie(fremd);
    EXPECT_EQ(kopie.kind, 1);
    CGPoint ziel;
    ziel = fremd;
    EXPECT_EQ(ziel.kind, 1);
    CGPoint zurueck = fremd;
    zurueck.Reset();
    EXPECT_EQ(zurueck.kind, 1);
    EXPECT_EQ(zurueck, CGPoint(0, 0, 0));

    // The circle built from three values ignores them: the zero circle.
    const CGCircle kreis(4.0, 5.0, 6.0);
    EXPECT_EQ(kreis.centre, CGPoint(0, 0, 0));
    EXPECT_EQ(kreis.radius, 0.0);
    EXPECT_EQ(kreis.a, 0.0);
    EXPECT_EQ(kreis.b, 0.0);
}

} // namespace
