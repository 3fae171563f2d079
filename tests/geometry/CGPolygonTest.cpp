#include "geometry/CGPolygon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {

CGPolygon Polygon(std::initializer_list<std::pair<double, double>> ecken) {
    std::vector<CGPoint> punkte;
    for (const auto& [x, y] : ecken) {
        punkte.emplace_back(x, y, 0.0);
    }
    return CGPolygon(punkte);
}

TEST(CGPolygonTest, AreaPerimeterAndMeanPointCountAClosingPointOnce) {
    const struct {
        const char* name;
        CGPolygon poly;
        double doubleArea; // signed
        double perimeter;
        CGPoint mean;
    } faelle[] = {
        {"open square", Polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}}), 8.0, 8.0, {1, 1, 0}},
        {"closed square", Polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {0, 0}}), 8.0, 8.0, {1, 1, 0}},
        {"closed within 1e-4",
         Polygon({{0, 0}, {2, 0}, {2, 2}, {0, 2}, {5e-5, 0}}),
         8.0,
         8.0,
         {1, 1, 0}},
        {"clockwise square", Polygon({{0, 0}, {0, 2}, {2, 2}, {2, 0}}), -8.0, 8.0, {1, 1, 0}},
        {"triangle", Polygon({{0, 0}, {4, 0}, {0, 3}}), 12.0, 12.0, {4.0 / 3.0, 1, 0}},
        {"shifted triangle",
         Polygon({{10, 10}, {14, 10}, {10, 13}, {10, 10}}),
         12.0,
         12.0,
         {34.0 / 3.0, 11, 0}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_NEAR(f.poly.SignedDoubleArea(), f.doubleArea, 1e-3);
        EXPECT_NEAR(f.poly.DoubleArea(), std::abs(f.doubleArea), 1e-3);
        EXPECT_EQ(f.poly.IsClockwise(), f.doubleArea < 0.0);
        EXPECT_NEAR(f.poly.Perimeter(), f.perimeter, 1e-3);
        EXPECT_EQ(f.poly.MeanPoint(), f.mean);
        EXPECT_EQ(f.poly.MeanPoint().z, 0.0);
    }
    EXPECT_EQ(Polygon({}).MeanPoint(), CGPoint(0, 0, 0));
    EXPECT_EQ(Polygon({}).Perimeter(), 0.0);
}

struct PunktFall {
    double x, y;
    int inside;
};

void ExpectInside(const CGPolygon& poly, const std::vector<PunktFall>& faelle) {
    for (const auto& f : faelle) {
        SCOPED_TRACE(testing::Message() << "(" << f.x << ", " << f.y << ")");
        EXPECT_EQ(poly.IsInside(CGPoint(f.x, f.y, 0)), f.inside);
    }
}

TEST(CGPolygonTest, OpenClockwiseSquareAnswersWithoutBeingChanged) {
    const std::vector<CGPoint> ecken = {{0, 0, 0}, {0, 2, 0}, {2, 2, 0}, {2, 0, 0}};
    const CGPolygon square(ecken);
    ExpectInside(square, {
                             {1, 1, 1},
                             {1, 0, 1}, // on the bottom edge
                             {1, 2, 1}, // on the top edge
                             {0, 1, 1}, // on the left (vertical) edge
                             {2, 1, 1}, // on the right (vertical) edge
                             {2, 2, 1}, // a corner
                             {0, 0, 1}, // the first corner
                             {3, 1, 0},
                             {1, 3, 0},
                             {1, -1, 0},
                             {-0.001, 1, 0},
                             {2.001, 1, 0},
                         });
    // The query leaves the caller's polygon open and clockwise.
    ASSERT_EQ(square.points.size(), ecken.size());
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        EXPECT_EQ(square.points[i], ecken[i]);
    }
    EXPECT_TRUE(square.IsClockwise());
    EXPECT_FALSE(square.IsClosed());
}

TEST(CGPolygonTest, CornersStraightAboveOrBelowThePointCountOnce) {
    // A corner in the middle of the bottom edge.
    ExpectInside(Polygon({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}),
                 {{1, 1, 1}, {1, 3, 0}, {1, -1, 0}, {1, 0, 1}});
    // Leftmost and rightmost corners of a diamond.
    ExpectInside(Polygon({{1, 0}, {2, 1}, {1, 2}, {0, 1}}), {{0, 5, 0},
                                                             {0, -5, 0},
                                                             {2, 5, 0},
                                                             {2, -5, 0},
                                                             {1, 1, 1},
                                                             {1, 0.5, 1},
                                                             {1, -1, 0},
                                                             {1, 3, 0},
                                                             {0.4, 1, 1}});
    // A notch from below: its tip is above one point and below another.
    ExpectInside(Polygon({{0, 0}, {1, 1}, {2, 0}, {2, 3}, {0, 3}, {0, 0}}),
                 {{1, 0.5, 0}, {1, 2, 1}, {0.5, 0.25, 0}, {1.5, 0.75, 1}});
    // A triangle whose apex lies straight above the point.
    ExpectInside(Polygon({{0, 0}, {2, 0}, {1, 1}}), {{1, 0.5, 1}, {1, 2, 0}, {1, -0.5, 0}});
    EXPECT_EQ(Polygon({}).IsInside(CGPoint(0, 0, 0)), 0);
}

} // namespace
