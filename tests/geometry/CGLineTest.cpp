#include "geometry/CGLine.h"
#include "geometry/CGCircle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double kTol = 1e-9;
constexpr double kKeine = 1e10;

CGLine Strecke(double x1, double y1, double x2, double y2) {
    return CGLine(CGPoint(x1, y1, 0), CGPoint(x2, y2, 0));
}

CGCircle Kreis(double cx, double cy, double r) {
    CGCircle k;
    k.centre = CGPoint(cx, cy, 0);
    k.radius = r;
    return k;
}

TEST(CGLineTest, PointParameterAndSlope) {
    const CGLine steil = Strecke(1, 1, 2, 4); // dy dominates
    EXPECT_EQ(steil.PointAt(2.0), CGPoint(3, 7, 0));
    EXPECT_NEAR(steil.Parameter(CGPoint(3, 7, 0)), 2.0, kTol);
    EXPECT_NEAR(steil.Parameter(CGPoint(1.5, 2.5, 0)), 0.5, kTol);
    EXPECT_EQ(Strecke(1, 1, 1.00005, 1).Parameter(CGPoint(1, 1, 0)), kKeine);
    EXPECT_EQ(CGLine(CGPoint(), CGVector(0, 0, 1)).Parameter(CGPoint(0, 0, 5)), kKeine);

    double m = -1.0;
    double c = -1.0;
    Strecke(1, 1, 3, 5).SlopeIntercept(m, c);
    EXPECT_DOUBLE_EQ(m, 2.0);
    EXPECT_DOUBLE_EQ(c, -1.0);
    Strecke(2, 0, 2, 5).SlopeIntercept(m, c);
    EXPECT_EQ(m, 0.0);
    EXPECT_EQ(c, 0.0);
}

TEST(CGLineTest, CrossingLinesAndParallelOnes) {
    const struct {
        const char* name;
        CGLine a, b;
        double s; // 1e10: no crossing
    } faelle[] = {
        {"cross", Strecke(0, 0, 2, 2), Strecke(0, 2, 2, 0), 0.5},
        {"beyond the end", Strecke(0, 0, 1, 0), Strecke(3, -1, 3, 1), 3.0},
        {"offset origins", Strecke(1, 1, 1, 5), Strecke(-4, 2, 6, 2), 0.25},
        {"parallel", Strecke(0, 0, 1, 0), Strecke(0, 1, 1, 1), kKeine},
        {"coincident", Strecke(0, 0, 1, 0), Strecke(2, 0, 3, 0), kKeine},
        {"same line", Strecke(0, 0, 1, 1), Strecke(0, 0, 1, 1), kKeine},
        {"cross product 1e-6", Strecke(0, 0, 1, 0), Strecke(0, 1, 1, 1.000001), kKeine},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_NEAR(f.a.IntersectParameter(f.b), f.s, kTol);
        CGPoint p(-7, -7, -7);
        const int hit = f.a.Intersect(f.b, p);
        if (f.s == kKeine) {
            EXPECT_EQ(hit, 0);
            EXPECT_EQ(p, CGPoint(-7, -7, -7));
            EXPECT_EQ(f.a.Intersects(f.b, 1), 0);
        } else {
            EXPECT_EQ(hit, 1);
            EXPECT_EQ(p, f.a.PointAt(f.s));
            // The crossing lies on the other line as well.
            CGPoint foot;
            EXPECT_NEAR(f.b.Perpendicular(p, foot, 1), 0.0, 1e-9);
        }
    }
}

TEST(CGLineTest, SegmentTestAcceptsParametersWithinATolerance) {
    const CGLine a = Strecke(0, 0, 1, 0);
    const struct {
        double x;
        int bounded;
    } faelle[] = {{0.5, 1}, {1.0005, 1}, {-0.0005, 1}, {1.002, 0}, {-0.002, 0}, {3.0, 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.x);
        const CGLine b = Strecke(f.x, -1, f.x, 1);
        EXPECT_EQ(a.Intersects(b, 0), f.bounded);
        EXPECT_EQ(a.Intersects(b, 1), 1);
    }
}

TEST(CGLineTest, LineAndCircle) {
    const double w = 1.0 / std::sqrt(2.0);
    const struct {
        const char* name;
        CGLine line;
        CGCircle circle;
        double s;          // 1e10: no intersection
        int withinSegment; // the bounded test
    } faelle[] = {
        {"chord: first along the line", Strecke(-2, 0, 2, 0), Kreis(0, 0, 1), 0.25, 1},
        {"chord reversed", Strecke(2, 0, -2, 0), Kreis(0, 0, 1), 0.25, 1},
        {"from the centre: the one on the segment", Strecke(0, 0, 3, 0), Kreis(0, 0, 1), 1.0 / 3.0,
         1},
        {"segment outside: the nearer one", Strecke(2, 0, 3, 0), Kreis(0, 0, 1), -1.0, 0},
        {"off-centre circle", Strecke(0, 1, 10, 1), Kreis(3, 1, 2), 0.1, 1},
        {"sloped line", Strecke(-2, -2, 2, 2), Kreis(0, 0, 1), (2.0 - w) / 4.0, 1},
        {"sloped line, both ends on the circle", Strecke(0, 1, 4, 5), Kreis(1, 2, std::sqrt(2.0)),
         0.0, 1},
        {"vertical", Strecke(0.6, -2, 0.6, 2), Kreis(0, 0, 1), 0.3, 1},
        {"vertical, off-centre", Strecke(5, 10, 5, 0), Kreis(4, 3, std::sqrt(2.0)), 0.6, 1},
        {"tangent within tolerance", Strecke(-2, 1.0002, 2, 1.0002), Kreis(0, 0, 1), 0.5, 1},
        {"exact tangent", Strecke(-2, -1, 2, -1), Kreis(0, 0, 1), 0.5, 1},
        {"vertical tangent within tolerance", Strecke(1.0003, -2, 1.0003, 2), Kreis(0, 0, 1), 0.5,
         1},
        {"miss", Strecke(-2, 1.01, 2, 1.01), Kreis(0, 0, 1), kKeine, 0},
        {"vertical miss", Strecke(1.01, -2, 1.01, 2), Kreis(0, 0, 1), kKeine, 0},
        {"degenerate line", Strecke(0, 0, 0.00005, 0), Kreis(0, 0, 1), kKeine, 0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_NEAR(f.line.IntersectParameter(f.circle), f.s, 1e-9);
        CGPoint p;
        const int hit = f.line.Intersect(f.circle, p);
        EXPECT_EQ(hit, f.s == kKeine ? 0 : 1);
        if (hit != 0) {
            // A tangent within tolerance passes just outside the circle.
            EXPECT_NEAR(p.LengthTo(f.circle.centre), f.circle.radius, 1e-3);
        }
        EXPECT_EQ(f.line.Intersects(f.circle, 1), f.s == kKeine ? 0 : 1);
        EXPECT_EQ(f.line.Intersects(f.circle, 0), f.withinSegment);
    }
    // The tangent gives its one point, straight above the centre.
    CGPoint p;
    ASSERT_EQ(Strecke(-2, 1.0002, 2, 1.0002).Intersect(Kreis(0, 0, 1), p), 1);
    EXPECT_NEAR(p.x, 0.0, kTol);
}

TEST(CGLineTest, PerpendicularFootAndOffset) {
    const CGLine x = Strecke(0, 0, 4, 0);
    const struct {
        CGPoint p;
        int unbounded;
        double length;
        CGPoint foot;
    } faelle[] = {
        {{1, 3, 0}, 0, 3.0, {1, 0, 0}},         {{1, -3, 0}, 0, 3.0, {1, 0, 0}},
        {{6, 2, 0}, 0, kKeine, {6, 0, 0}},      {{6, 2, 0}, 1, 2.0, {6, 0, 0}},
        {{4.002, 1, 0}, 0, 1.0, {4.002, 0, 0}}, {{-1, 1, 0}, 1, 1.0, {-1, 0, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "(" << f.p.x << ", " << f.p.y << ") " << f.unbounded);
        CGPoint foot;
        EXPECT_NEAR(x.Perpendicular(f.p, foot, f.unbounded), f.length, kTol);
        EXPECT_EQ(foot, f.foot);
    }
    CGPoint foot;
    EXPECT_NEAR(Strecke(0, 0, 2, 2).Perpendicular(CGPoint(2, 0, 0), foot, 0), std::sqrt(2.0), kTol);
    EXPECT_EQ(foot, CGPoint(1, 1, 0));
    EXPECT_EQ(Strecke(1, 1, 1, 1).Perpendicular(CGPoint(2, 0, 0), foot, 1), kKeine);

    // Left of the direction for side 0, right for side 1; the length is kept.
    EXPECT_EQ(Strecke(0, 0, 2, 0).Offset(1.0, 0), CGVector(0, 1, 0));
    EXPECT_EQ(Strecke(0, 0, 2, 0).Offset(1.0, 1), CGVector(0, -1, 0));
    EXPECT_EQ(Strecke(0, 0, 3, 4).Offset(5.0, 0), CGVector(-4, 3, 0));
    EXPECT_EQ(Strecke(1, 1, 1, 1).Offset(5.0, 0), CGVector(0, 0, 0));
    const CGLine moved = Strecke(0, 0, 3, 4).Shifted(10.0, 1);
    EXPECT_EQ(moved.origin, CGPoint(8, -6, 0));
    EXPECT_EQ(moved.direction, CGVector(3, 4, 0));
}

} // namespace
