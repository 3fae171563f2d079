#include "plot/engine/C1Rect.h"
#include "plot/engine/C1TextRects.h"

#include <gtest/gtest.h>

namespace {

// Boxes in world units; the quadrilaterals keep 1/100 of them.
C1Rect Box(int l, int t, int r, int b) {
    return C1Rect::FromBox(l * 100, t * 100, r * 100, b * 100);
}

C1Rect Quad(C1Punkt a, C1Punkt b, C1Punkt c, C1Punkt d) {
    const auto w = [](C1Punkt p) { return C1Punkt{p.x * 100, p.y * 100}; };
    return C1Rect::FromQuad(w(a), w(b), w(c), w(d));
}

} // namespace

TEST(C1Rect, OverlapOfQuadrilaterals) {
    struct Case {
        const char* what;
        C1Rect a, b;
        int overlaps;
    };
    const Case cases[] = {
        {"sharing an edge", Box(0, 0, 10, 10), Box(10, 0, 20, 10), 0},
        {"sharing an edge, below", Box(0, 0, 10, 10), Box(0, 10, 10, 20), 0},
        {"sharing a corner", Box(0, 0, 10, 10), Box(10, 10, 20, 20), 0},
        {"one unit into the other", Box(0, 0, 10, 10), Box(9, 0, 20, 10), 1},
        {"inside", Box(0, 0, 10, 10), Box(2, 2, 3, 3), 1},
        {"crossing without corners inside", Box(0, 4, 10, 6), Box(4, 0, 6, 10), 1},
        {"apart", Box(0, 0, 10, 10), Box(30, 0, 40, 10), 0},
        {"the same quadrilateral", Box(0, 0, 10, 10), Box(0, 0, 10, 10), 1},
        {"diamond touching a box's edge", Quad({10, 5}, {15, 0}, {20, 5}, {15, 10}),
         Box(0, 0, 10, 10), 0},
        {"diamond cutting a corner", Quad({8, 10}, {13, 5}, {18, 10}, {13, 15}), Box(0, 0, 10, 10),
         1},
        {"turned boxes on both sides of a diagonal", Quad({0, 0}, {10, 10}, {5, 15}, {-5, 5}),
         Quad({0, 0}, {10, 10}, {15, 5}, {5, -5}), 0},
        {"two equal corners", Quad({0, 0}, {0, 0}, {10, 10}, {0, 10}), Box(0, 0, 10, 10), 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.Overlaps(c.b), c.overlaps) << c.what;
        EXPECT_EQ(c.b.Overlaps(c.a), c.overlaps) << c.what << " (turned round)";
    }
    const C1Rect degenerate = Quad({0, 0}, {0, 0}, {10, 10}, {0, 10});
    EXPECT_EQ(degenerate.Overlaps(degenerate), 0); // not even itself
    EXPECT_EQ(degenerate.IsDegenerate(), 1);
}

TEST(C1Rect, CornersAreKeptInHundredthsAndPointsTestedWithTheirBoundary) {
    const C1Rect r = C1Rect::FromBox(150, 250, 1099, 2000);
    EXPECT_EQ(r.P[0], (C1Punkt{1, 2}));
    EXPECT_EQ(r.P[2], (C1Punkt{10, 20}));
    const C1Rect box = Box(0, 0, 1000, 1000);
    EXPECT_EQ(box.ContainsPoint(500, 500, 0), 1);
    EXPECT_EQ(box.ContainsPoint(1000, 500, 0), 0); // on the edge
    EXPECT_EQ(box.ContainsPoint(1000, 500, 1), 1);
    EXPECT_EQ(box.ContainsPoint(1500, 500, 1), 0);
}

TEST(C1Rect, PointsTestedThroughThePolygonOfTheCorners) {
    // A diamond (corners in 1/100 of the caller's unit) and a box turned through 180°
    // (corners running clockwise); points in the box's own units.
    const C1Rect diamond = Quad({0, 10}, {10, 0}, {20, 10}, {10, 20});
    const C1Rect box = Quad({100, 50}, {0, 50}, {0, 0}, {100, 0});
    struct Case {
        const char* what;
        const C1Rect& rect;
        int x, y;
        int inside;
    };
    const Case cases[] = {
        {"centre", diamond, 10, 10, 1},
        {"inside, near a corner", diamond, 2, 10, 1},
        {"in the box around it, outside the diamond", diamond, 2, 2, 0},
        {"on an edge", diamond, 5, 5, 1},
        {"at a corner", diamond, 20, 10, 1},
        {"beyond a corner", diamond, 21, 10, 0},
        {"inside the turned box", box, 50, 25, 1},
        {"on its lower edge", box, 50, 50, 1},
        {"just below it", box, 50, 51, 0},
        {"left of it", box, -1, 25, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.rect.ContainsPointPoly(c.x, c.y), c.inside) << c.what;
    }
    // Within the tolerance of the other test but outside the polygon: no.
    const C1Rect wide = Box(0, 0, 1000, 10);
    EXPECT_EQ(wide.ContainsPoint(500, 11, 1), 1);
    EXPECT_EQ(wide.ContainsPointPoly(500, 11), 0);
}

TEST(C1TextRects, ModeZeroAddsWhatFitsModeOneKeepsOnlyTheLast) {
    C1TextRects rects;
    EXPECT_EQ(rects.TestAndAdd(0, 0, 1000, 0, 1000, 1000, 0, 1000, 0), 0);
    EXPECT_EQ(rects.TestAndAdd(500, 500, 1500, 500, 1500, 1500, 500, 1500, 0), 1); // not added
    EXPECT_EQ(rects.TestAndAdd(1000, 0, 2000, 0, 2000, 1000, 1000, 1000, 0), 0);   // touching
    EXPECT_EQ(rects.GetLastRect(), 1);
    EXPECT_EQ(rects.TestAndAdd(500, 500, 1500, 500, 1500, 1500, 500, 1500, 1), 1);
    EXPECT_EQ(rects.GetLastRect(), 0);
    EXPECT_EQ(rects.TestAndAdd(5000, 0, 6000, 0, 6000, 1000, 5000, 1000, 1), 0);
    // The set grows by 20 beyond its 501 places.
    C1TextRects many;
    for (int i = 0; i < 530; ++i) {
        ASSERT_EQ(many.TestAndAdd(i * 1000, 0, i * 1000 + 1000, 0, i * 1000 + 1000, 1000, i * 1000,
                                  1000, 0),
                  0);
    }
    EXPECT_EQ(many.GetLastRect(), 529);
    EXPECT_EQ(many.GetCapacity(), 541);
}
