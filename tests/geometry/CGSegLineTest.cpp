#include "geometry/CGSegLine.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

namespace {

constexpr double kTol = 1e-12;

// Base line along x from 0 to 10: a parameter is a tenth of the x coordinate.
const CGLine kBasis(CGPoint(0, 0, 0), CGPoint(10, 0, 0));

CGPoint X(double x) {
    return CGPoint(x, 0, 0);
}

CGSegLine Getrimmt(std::initializer_list<std::pair<double, double>> intervalle) {
    CGSegLine seg;
    for (const auto& [from, to] : intervalle) {
        if (seg.valid == 0) {
            seg.SetLine(kBasis, CGBaseSeg(from, to));
        } else {
            seg.segs.emplace_back(from, to);
        }
    }
    return seg;
}

void ExpectIntervalle(const CGSegLine& seg, const std::vector<std::pair<double, double>>& soll) {
    ASSERT_EQ(seg.Count(), static_cast<int>(soll.size()));
    for (int i = 0; i < seg.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_NEAR(seg.Segment(i).from, soll[static_cast<std::size_t>(i)].first, kTol);
        EXPECT_NEAR(seg.Segment(i).to, soll[static_cast<std::size_t>(i)].second, kTol);
        EXPECT_LE(seg.Segment(i).from, seg.Segment(i).to);
        if (i > 0) {
            EXPECT_LE(seg.Segment(i - 1).to, seg.Segment(i).from);
        }
    }
}

TEST(CGSegLineTest, CutSplitsTheIntervalThatHoldsTheSecondPoint) {
    const struct {
        const char* name;
        std::vector<std::pair<double, double>> vorher;
        double x1, x2;
        std::vector<std::pair<double, double>> nachher;
    } faelle[] = {
        {"inside", {{0, 1}}, 2, 5, {{0, 0.2}, {0.5, 1}}},
        {"points in either order", {{0, 1}}, 5, 2, {{0, 0.2}, {0.5, 1}}},
        {"second point beyond the end", {{0, 1}}, 2, 12, {{0, 0.2}, {1, 1}}},
        {"second point snapped to the end", {{0, 1}}, 2, 9.9995, {{0, 0.2}, {1, 1}}},
        {"zero width leaves a gap of 1e-4", {{0, 1}}, 5, 5, {{0, 0.5}, {0.5001, 1}}},
        {"first point before the start", {{0.2, 1}}, 0, 5, {{0.2, 0.2}, {0.5, 1}}},
        {"second interval", {{0, 0.3}, {0.5, 1}}, 6, 7, {{0, 0.3}, {0.5, 0.6}, {0.7, 1}}},
        // The first part of a later interval never ends before it starts.
        {"first point in an earlier interval",
         {{0, 0.3}, {0.5, 1}},
         1,
         7,
         {{0, 0.3}, {0.5, 0.5}, {0.7, 1}}},
        {"both points beyond the end", {{0, 1}}, 12, 15, {{0, 1}, {1, 1}}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        CGSegLine seg;
        seg.SetLine(kBasis, CGBaseSeg(f.vorher.front().first, f.vorher.front().second));
        for (std::size_t i = 1; i < f.vorher.size(); ++i) {
            seg.segs.emplace_back(f.vorher[i].first, f.vorher[i].second);
        }
        seg.Cut(X(f.x1), X(f.x2));
        ExpectIntervalle(seg, f.nachher);
        EXPECT_EQ(seg.valid, 1);
    }

    // Nothing to cut: no intervals, or a base line without a direction.
    CGSegLine leer;
    leer.Cut(X(1), X(2));
    EXPECT_EQ(leer.Count(), 0);
    CGSegLine punkt(CGLine(CGPoint(1, 1, 0), CGPoint(1, 1, 0)), CGBaseSeg(0, 1));
    punkt.Cut(X(1), X(2));
    ExpectIntervalle(punkt, {{0, 1}});
}

TEST(CGSegLineTest, IntervalPointsLinesAndLookups) {
    const CGSegLine seg = Getrimmt({{0, 0.3}, {0.5, 1}});
    EXPECT_EQ(seg.Count(), 2);
    EXPECT_EQ(seg.LastIndex(), 1);
    EXPECT_EQ(seg.StartPoint(1), X(5));
    EXPECT_EQ(seg.EndPoint(0), X(3));
    CGLine teil;
    ASSERT_EQ(seg.SegmentLine(1, teil), 1);
    EXPECT_EQ(teil.origin, X(5));
    EXPECT_EQ(teil.direction, CGVector(5, 0, 0));
    const CGLine ganz = seg.Extent();
    EXPECT_EQ(ganz.origin, X(0));
    EXPECT_EQ(ganz.PointAt(1.0), X(10));
    EXPECT_EQ(seg.SegmentCircle(0).radius, 0.0);

    const struct {
        double s;
        int index;
    } suche[] = {{0.0, 0}, {0.3, 0}, {0.4, -1}, {0.5, 1}, {1.0, 1}, {1.2, -1}, {-0.1, -1}};
    for (const auto& f : suche) {
        SCOPED_TRACE(f.s);
        EXPECT_EQ(seg.FindSegment(f.s), f.index);
    }

    const struct {
        CGPoint p;
        double length;
        int index;
    } naehe[] = {
        {{1, 0.5, 0}, 0.6, 0},                        // across the first interval
        {{4, 1, 0}, 1.5, 0},                          // beyond its end, sqrt(2) from it
        {{4, 1, 0}, 1.2, -1},                         // the gap is farther from both
        {{6, 1, 0}, 1.2, 1},   {{6, -1, 0}, 1.0, -1}, // nearer than, not as near as
        {{12, 0, 0}, 2.5, 1},
    };
    for (const auto& f : naehe) {
        SCOPED_TRACE(testing::Message() << "(" << f.p.x << ", " << f.p.y << ") " << f.length);
        EXPECT_EQ(seg.FindNear(f.p, f.length), f.index);
    }

    EXPECT_THROW(seg.Segment(2), std::out_of_range);
    EXPECT_THROW(seg.StartPoint(-1), std::out_of_range);
    EXPECT_THROW(CGSegLine().Segment(0), std::out_of_range);

    // Without intervals the extent is the base line itself.
    const CGSegLine leer;
    EXPECT_EQ(leer.valid, 0);
    EXPECT_EQ(leer.Count(), 0);
    EXPECT_EQ(leer.Extent().direction, CGVector(0, 0, 0));
    EXPECT_EQ(leer.FindNear(X(0), 5.0), -1);
}

TEST(CGSegLineTest, CircleBasedObjects) {
    CGCircle kreis;
    kreis.centre = CGPoint(3, 4, 0);
    kreis.radius = 2.0;
    CGSegLine seg(kreis, CGBaseSeg(0.0, 1.0));
    EXPECT_EQ(seg.isCircle, 1);
    EXPECT_EQ(seg.valid, 1);
    EXPECT_EQ(seg.StartPoint(0), CGPoint(0, 0, 0));
    CGLine teil;
    EXPECT_EQ(seg.SegmentLine(0, teil), 0);
    EXPECT_EQ(seg.FindNear(CGPoint(100, 100, 0), 0.5), 0);
    EXPECT_EQ(seg.FindNear(CGPoint(3, 4, 0), 0.0), -1);

    // A held circle is replaced only when asked to.
    CGCircle anderer;
    anderer.radius = 7.0;
    seg.SetCircle(anderer, CGBaseSeg(0.2, 0.4), 0);
    EXPECT_EQ(seg.circle.radius, 2.0);
    ExpectIntervalle(seg, {{0.0, 1.0}});
    seg.SetCircle(anderer, CGBaseSeg(0.2, 0.4), 1);
    EXPECT_EQ(seg.circle.radius, 7.0);
    ExpectIntervalle(seg, {{0.2, 0.4}});
}

TEST(CGSegLineTest, AssignmentTakesTheIntervalsOrLeavesNone) {
    const CGSegLine quelle = Getrimmt({{0, 0.3}, {0.5, 1}});
    CGSegLine ziel;
    ziel = quelle;
    EXPECT_EQ(ziel.valid, 1);
    EXPECT_EQ(ziel.isCircle, 0);
    ExpectIntervalle(ziel, {{0, 0.3}, {0.5, 1}});
    EXPECT_EQ(ziel.Extent().PointAt(1.0), X(10));
    const CGSegLine kopie(quelle);
    ExpectIntervalle(kopie, {{0, 0.3}, {0.5, 1}});

    // An empty value leaves no stale intervals behind.
    ziel = CGSegLine();
    EXPECT_EQ(ziel.valid, 0);
    EXPECT_EQ(ziel.Count(), 0);
    EXPECT_EQ(ziel.FindSegment(0.1), -1);
}

} // namespace
