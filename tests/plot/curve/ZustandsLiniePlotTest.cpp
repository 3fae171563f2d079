#include "plot/curve/ZustandsLinie.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct Drawn {
    std::vector<std::string> labels;
    std::size_t polygonPoints = 0;
    std::size_t lines = 0;
    int last = 0;
    C1Box box;
};

// A curve drawn along a horizontal member of 10 m across the page.
Drawn Draw(std::vector<std::pair<double, double>> points, int mode = 1, int labels = 3,
           int signedLabels = 1, const std::vector<double>& marken = {}) {
    Page page;
    ZustandsLinie c;
    for (const auto& [x, z] : points) {
        c.SetPoint(c.GetCount(), x, z);
    }
    for (const double m : marken) {
        c.MarkiereX(m);
    }
    std::vector<C1Punkt> list;
    Drawn d;
    page.plot.SelectPen(1, 0, 0, 1); // the page's pen and brush, as the curve pages select them
    page.plot.SelectFillBrush(1);
    c.PlotKurve(page.plot, mode, labels, page.plot.GetCharH(), 0, 0, 160000, 0, nullptr, nullptr,
                10.0, 1, signedLabels, 0.0, 0.0, list, &d.last, true);
    const emf::Reader r = page.Read();
    for (const auto& t : r.Texts()) {
        d.labels.push_back(t.Utf8());
    }
    d.polygonPoints = r.Polygons().empty() ? 0 : r.Polygons()[0].size();
    d.lines = r.Count(kEmrLineTo);
    d.box = page.plot.GetBox();
    EXPECT_EQ(page.plot.GetStackTop(1), 0); // pens and brushes as before
    EXPECT_EQ(page.plot.GetStackTop(2), 0);
    return d;
}

} // namespace

TEST(ZustandsLiniePlot, LabelsAtExtremesMergedWhenCloseAndInPositionOrder) {
    // Maxima two points apart: one label, the larger.
    Drawn near = Draw({{0, 0}, {1, 5}, {2, 4}, {3, 6}, {4, 0}}, 1, 1);
    EXPECT_EQ(near.labels, (std::vector<std::string>{"6.00"}));
    // Three points apart: two labels, the greatest value first, so that it is never the
    // one a crowded picture leaves out.
    Drawn far = Draw({{0, 0}, {1, 5}, {2, 4}, {3, 4.5}, {4, 6}, {5, 0}}, 1, 1);
    EXPECT_EQ(far.labels, (std::vector<std::string>{"6.00", "5.00"}));
    // Minimum before maximum along the member, whatever the kind order.
    Drawn both = Draw({{0, 0}, {1, -12.5}, {3, 0}, {5, 1999.9}, {7, 0}}, 1, 3);
    EXPECT_EQ(both.labels, (std::vector<std::string>{"-12.50", "2000"}));
    Drawn unsignedLabels = Draw({{0, 0}, {1, -12.5}, {3, 0}, {5, 20}, {7, 0}}, 1, 3, 0);
    EXPECT_EQ(unsignedLabels.labels, (std::vector<std::string>{"12.50", "20.00"}));
}

TEST(ZustandsLiniePlot, AreaOfNPlusTwoPointsOrdinateLinesAndBoundingDots) {
    const Drawn d = Draw({{0, 0}, {5, 10}, {10, 0}}, 1, 1);
    EXPECT_EQ(d.last, 4);
    EXPECT_EQ(d.polygonPoints, 5u);
    // One ordinate line, four white dots.
    EXPECT_EQ(d.lines, 1u + 4u);
    // The dots widen the box to 110 % of the largest ordinate (0.45 H), below the
    // member (positive values on the right of its direction), and a text height above.
    EXPECT_GE(d.box.bottom, static_cast<int>(1.1 * 45000));
    EXPECT_LE(d.box.top, -4000 + 1);
    // Mode 0: neither ordinate lines nor dots.
    const Drawn plain = Draw({{0, 0}, {5, 10}, {10, 0}}, 0, 1);
    EXPECT_EQ(plain.lines, 0u);
    // One point: axis point, curve point, axis point.
    EXPECT_EQ(Draw({{5, 3}}, 1, 0).polygonPoints, 3u);
}

TEST(ZustandsLiniePlot, AZeroCurveLiesOnTheAxis) {
    const Drawn d = Draw({{0, 0}, {5, 0}, {10, 0}}, 1, 3);
    EXPECT_EQ(d.polygonPoints, 0u);
    EXPECT_TRUE(d.labels.empty());
    // The box holds the member and a text height each side, nothing unbounded.
    EXPECT_GE(d.box.top, -10000);
    EXPECT_LE(d.box.bottom, 10000);
}

TEST(ZustandsLiniePlot, ShearOfAnAnchoredWallLabelledAtItsExtremesAndAtTheAnchorStep) {
    // As a wall diagram fills its curve: a first point 1 m above the top (x 9), then
    // from the top (x 8) down to the foot; the anchor at x 6 is a step of two points
    // 0.01 m apart. By hand: minima -5 at x 2 and -10 just above the anchor, the
    // maximum 15 just below it; the zero points at the ends are no extremes.
    const Drawn d = Draw({{9, 0},
                          {8, 0},
                          {7, -3},
                          {6.01, -10},
                          {6.0, 15},
                          {5, 9},
                          {4, 3},
                          {3, -2},
                          {2, -5},
                          {1, -3},
                          {0, 0}},
                         1, 3);
    // The greatest and the least value first, then the others in order along the member,
    // whatever the kind.
    EXPECT_EQ(d.labels, (std::vector<std::string>{"15.00", "-10.00", "-5.00"}));
    EXPECT_EQ(d.polygonPoints, 13u);
    // Maxima only: the one at the step.
    EXPECT_EQ(Draw({{0, 0}, {2, -5}, {6.0, 15}, {6.01, -10}, {8, 0}}, 1, 1).labels,
              (std::vector<std::string>{"15.00"}));
}

TEST(ZustandsLiniePlot, LabelsStayBesideTheMember) {
    // The greatest value at the member's end: its label runs back along the member
    // instead of beyond its end, where the page's box would grow.
    const Drawn d = Draw({{0, 0}, {5, 2}, {10, 10}}, 1, 3);
    EXPECT_EQ(d.labels, (std::vector<std::string>{"10.00"}));
    // (The box holds the pen's width beyond the end.)
    EXPECT_LE(d.box.right, 160000 + 10);
    EXPECT_GE(d.box.left, -10);
}

TEST(ZustandsLiniePlot, MarkedPointsAreLabelledAndNegligibleExtremesAreNot) {
    // A marked point that is no extreme is labelled right after the greatest value, before
    // any other extreme, so that a crowded picture leaves out neither; extremes of less than
    // 1 % of it would stand on the member line and are left out, unless marked.
    EXPECT_EQ(Draw({{0, 0}, {2, 4}, {5, 10}, {8, 4}, {10, 0}}, 1, 3, 1, {2.0}).labels,
              (std::vector<std::string>{"10.00", "4.00"}));
    const std::vector<std::pair<double, double>> klein = {{0, 0},   {3, 100}, {5, 40}, {6, 0.5},
                                                          {7, 0.8}, {8, 0.6}, {10, 0}};
    EXPECT_EQ(Draw(klein, 1, 3).labels, (std::vector<std::string>{"100.0"}));
    EXPECT_EQ(Draw(klein, 1, 3, 1, {7.0}).labels, (std::vector<std::string>{"100.0", "0.80"}));
    // Nor is a negligible greatest value of a curve that lies on the other side.
    EXPECT_EQ(Draw({{0, 0.002}, {3, -100}, {6, -40}, {10, 0}}, 1, 3).labels,
              (std::vector<std::string>{"-100.0"}));
    // A mark on a point whose value reads as zero gives no label.
    EXPECT_EQ(Draw(klein, 1, 3, 1, {0.0}).labels, (std::vector<std::string>{"100.0"}));
}
