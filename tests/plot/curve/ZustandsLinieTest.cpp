#include "plot/curve/ZustandsLinie.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

ZustandsLinie Curve(const std::vector<std::pair<double, double>>& points) {
    ZustandsLinie c;
    for (const auto& [x, z] : points) {
        c.SetPoint(c.GetCount(), x, z);
    }
    return c;
}

std::vector<std::pair<double, double>> Points(const ZustandsLinie& c) {
    std::vector<std::pair<double, double>> out;
    for (int i = 0; i < c.GetCount(); ++i) {
        out.emplace_back(c.GetX(i), c.GetZ(i));
    }
    return out;
}

} // namespace

TEST(ZustandsLinie, GrowsByTenAndRefusesFartherIndicesUntouched) {
    ZustandsLinie c;
    EXPECT_EQ(c.GetCount(), 0);
    EXPECT_EQ(c.GetCapacity(), 50);
    EXPECT_EQ(c.GetZ(0), 0.0);
    EXPECT_EQ(c.GetZmax(), -999999.0);
    EXPECT_EQ(c.SetPoint(50, 1.0, 2.0), 1);
    EXPECT_EQ(c.GetCapacity(), 60);
    EXPECT_EQ(c.SetPoint(60, 1.0, 2.0), 1);
    EXPECT_EQ(c.GetCapacity(), 70);
    EXPECT_EQ(c.GetCount(), 61);
    // Beyond one growth step: refused before anything changes.
    EXPECT_EQ(c.SetPoint(80, 5.0, 9.0), 0);
    EXPECT_EQ(c.SetPoint(-1, 5.0, 9.0), 0);
    EXPECT_EQ(c.GetCount(), 61);
    EXPECT_EQ(c.GetCapacity(), 70);
    EXPECT_EQ(c.GetZmax(), 2.0);
}

TEST(ZustandsLinie, TiesGoToTheLaterPoint) {
    const ZustandsLinie c = Curve({{0, 5}, {1, 5}});
    EXPECT_EQ(c.GetZmax(), 5.0);
    EXPECT_EQ(c.GetIZmax(), 1);
    EXPECT_EQ(c.GetXZmax(), 1.0);
    EXPECT_EQ(c.GetIZmin(), 1);
}

TEST(ZustandsLinie, InterpolationAtEndsBetweenAndAtJumps) {
    ZustandsLinie c = Curve({{4, 40}, {0, 0}, {2, 10}, {2, 30}});
    struct Case {
        double x, z;
    };
    // Sorted: (0, 0), (2, 10), (2, 30), (4, 40); a jump at 2 takes the first value.
    for (const Case k :
         {Case{-1.0, 0.0}, Case{1.0, 5.0}, Case{2.0, 10.0}, Case{3.0, 35.0}, Case{5.0, 40.0}}) {
        EXPECT_DOUBLE_EQ(c.GetZAt(k.x), k.z) << k.x;
    }
    // Beyond either end the value of that end, whatever order the points were set in
    // and whether or not the curve was sorted before.
    struct Outside {
        std::vector<std::pair<double, double>> points;
        double x, z;
    };
    const Outside outside[] = {
        {{{4, 40}, {0, 0}, {2, 10}}, -1.0, 0.0},
        {{{4, 40}, {0, 0}, {2, 10}}, 5.0, 40.0},
        {{{0, 7}, {3, -3}, {1, 9}}, 4.0, -3.0},
        {{{3, -3}, {0, 7}}, -2.0, 7.0},
    };
    for (const Outside& k : outside) {
        ZustandsLinie unsorted = Curve(k.points);
        EXPECT_DOUBLE_EQ(unsorted.GetZAt(k.x), k.z) << k.x;
    }
    // A point moved inwards: left of the points now held is the first point's value.
    ZustandsLinie moved = Curve({{0, 5}, {2, 7}});
    moved.SetPoint(0, 1.0, 5.0);
    EXPECT_DOUBLE_EQ(moved.GetZAt(0.5), 5.0);
    ZustandsLinie empty;
    EXPECT_EQ(empty.GetZAt(3.0), 0.0);
    EXPECT_EQ(empty.GetZAt(1e7), 0.0);
    ZustandsLinie one = Curve({{2, 7}});
    EXPECT_EQ(one.GetZAt(2.0), 7.0); // its own value at its own x
    EXPECT_EQ(one.GetZAt(0.0), 7.0);
    // After a reset the range is the new one.
    ZustandsLinie r = Curve({{-5, 1}, {10, 1}});
    r.Reset();
    r.SetPoint(0, 2.0, 20.0);
    r.SetPoint(1, 3.0, 30.0);
    EXPECT_EQ(r.GetZAt(1.0), 20.0);
}

TEST(ZustandsLinie, RemoveDuplicatesDropsRepeatsAndZeroEndsOfJumps) {
    struct Case {
        std::vector<std::pair<double, double>> in, out;
    };
    const Case cases[] = {
        {{{0, 0}, {0, 10}, {5, 10}}, {{0, 10}, {5, 10}}},
        {{{0, -10}, {5, -10}, {5, 0}}, {{0, -10}, {5, -10}}},
        {{{0, 10}, {5, 10}, {5, 0}}, {{0, 10}, {5, 0}, {5, 10}}}, // (5, 0) sorts before (5, 10)
        {{{0, 0}}, {{0, 0}}},
        {{{1, 2}, {0, 1}, {1, 2.0001}, {2, 3}}, {{0, 1}, {1, 2}, {2, 3}}},
    };
    for (const Case& k : cases) {
        ZustandsLinie c = Curve(k.in);
        EXPECT_EQ(c.RemoveDuplicates(), static_cast<int>(k.out.size()));
        EXPECT_EQ(Points(c), k.out);
    }
    // The extremes and the range follow the points that are left.
    ZustandsLinie c = Curve({{0, 0}, {0, 10}, {1000, 5}, {1000.5, 5}});
    c.RemoveDuplicates();
    EXPECT_EQ(c.GetXmin(), 0.0);
    EXPECT_EQ(c.GetXmax(), 1000.0); // 1000.5 repeated 1000 within 0.1 %
    EXPECT_EQ(c.GetZmin(), 5.0);
    EXPECT_EQ(c.GetIZmin(), 1);
}

TEST(ZustandsLinie, ExtremumAndJumpSearch) {
    ZustandsLinie c = Curve({{0, 0}, {1, 3}, {2, 1}, {3, 4}, {4, 0}});
    EXPECT_EQ(c.FindNextExtremum(-1, 1, 1, 2), 1);
    EXPECT_EQ(c.FindNextExtremum(1, 1, 1, 2), 3);
    EXPECT_EQ(c.FindNextExtremum(3, 1, 1, 2), -1);
    EXPECT_EQ(c.FindNextExtremum(-1, 2, 1, 2), 2);
    ZustandsLinie rising = Curve({{0, 0}, {1, 2}, {2, 5}, {3, 10}});
    EXPECT_EQ(rising.FindNextExtremum(-1, 1, 1, 2), 3);
    ZustandsLinie jump = Curve({{0, 0}, {1, 0}, {1, 10}, {2, 10}});
    EXPECT_EQ(jump.FindNextExtremum(-1, 4, 1, 0), 2);
    ZustandsLinie start = Curve({{0, 8}, {1, 8}});
    EXPECT_EQ(start.FindNextExtremum(-1, 4, 1, 0), 0);
    // No direction: no endless search.
    EXPECT_EQ(c.FindNextExtremum(-1, 4, 0, 0), -1);
    EXPECT_EQ(c.FindNextExtremum(-1, 0, 0, 2), -1);
}

TEST(ZustandsLinie, IntegralsAndComparison) {
    ZustandsLinie a = Curve({{2, 2}, {0, 0}});
    EXPECT_DOUBLE_EQ(a.Area(false), 2.0);
    ZustandsLinie b = Curve({{0, -1}, {2, -1}});
    EXPECT_DOUBLE_EQ(b.Area(true), 2.0);
    // The integral of x times -1 over 0..2 is -2.
    EXPECT_NEAR(a.ProductIntegral(b), -2.0, 1e-12);
    EXPECT_EQ(a.IsEqual(Curve({{0, 0}, {1, 1}, {2, 2}})), 1);
    EXPECT_EQ(a.IsEqual(b), 0);
    EXPECT_EQ(ZustandsLinie().IsEqual(b), 1);
}

TEST(ZustandsLinie, PointsByIndexAndByPositionAndReplacingKeepsTheExtremes) {
    ZustandsLinie c = Curve({{0, 1}, {1, 2}, {2, 3}});
    // The first point within the tolerance, inclusive at both sides.
    EXPECT_EQ(c.FindX(1.5, 0.5), 1);
    EXPECT_EQ(c.FindX(2.0, 0.0), 2);
    EXPECT_EQ(c.FindX(2.0001, 0.0), -1);
    EXPECT_EQ(c.AddPoint(1.05, 9.0, true, 0.1), 1);  // replaces point 1
    EXPECT_EQ(c.AddPoint(5.0, 4.0, true, 0.1), 1);   // nothing near: appended
    EXPECT_EQ(c.AddPoint(1.05, 7.0, false, 0.1), 1); // no replacing: appended
    EXPECT_EQ(Points(c), (std::vector<std::pair<double, double>>{
                             {0, 1}, {1.05, 9}, {2, 3}, {5, 4}, {1.05, 7}}));
    EXPECT_EQ(c.GetIZmax(), 1);
    // Replacing the maximum by a smaller value leaves the maximum as it was.
    c.AddPoint(1.0, 0.5, true, 0.1);
    EXPECT_EQ(c.GetZ(1), 0.5);
    EXPECT_EQ(c.GetZmax(), 9.0);
    double x = 7.0;
    double z = 7.0;
    EXPECT_EQ(c.GetPoint(4, x, z), 1);
    EXPECT_EQ(x, 1.05);
    EXPECT_EQ(z, 7.0);
    for (const int outside : {-1, 5, 50}) {
        EXPECT_EQ(c.GetPoint(outside, x, z), 0) << outside;
        EXPECT_EQ(x, 0.0);
        EXPECT_EQ(z, 0.0);
        EXPECT_EQ(c.IsIndex(outside), 0);
    }
}

TEST(ZustandsLinie, SortOrdersByXOrByZAndTheTripleTable) {
    ZustandsLinie byZ = Curve({{0, 3}, {2, 1}, {1, 1}, {3, 2}});
    EXPECT_EQ(byZ.SortByZ(), 1);
    EXPECT_EQ(Points(byZ),
              (std::vector<std::pair<double, double>>{{1, 1}, {2, 1}, {3, 2}, {0, 3}}));
    // The extremes follow the new order, the later point winning a tie.
    EXPECT_EQ(byZ.GetIZmin(), 1);
    EXPECT_EQ(byZ.GetXZmin(), 2.0);
    EXPECT_EQ(byZ.GetIZmax(), 3);

    ZustandsLinie byX = Curve({{3, 1}, {1, 5}, {1, 2}});
    EXPECT_EQ(byX.SortOnly(), 0.0);
    EXPECT_EQ(Points(byX), (std::vector<std::pair<double, double>>{{1, 2}, {1, 5}, {3, 1}}));
    EXPECT_EQ(byX.GetIZmax(), 1);
    EXPECT_EQ(byX.GetIZmin(), 2);

    double t[3][3] = {{2, 1, 9}, {1, 5, 8}, {1, 4, 7}};
    EXPECT_EQ(SortTriples(t, 3), 1);
    const double sorted[3][3] = {{1, 4, 7}, {1, 5, 8}, {2, 1, 9}};
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(t[i][k], sorted[i][k]) << i << ", " << k;
        }
    }
    EXPECT_EQ(SortTriples(nullptr, 3), 1);
}

TEST(ZustandsLinie, ACurveChangedAfterItsSortIsSortedAgain) {
    // The drawing sorts a curve once and keeps the order: every change must undo that.
    ZustandsLinie c = Curve({{2, 4}, {0, 0}, {4, 8}});
    EXPECT_EQ(c.GetZAt(3.0), 6.0);
    c.SetPoint(c.GetCount(), 1, 10); // appended out of order
    EXPECT_EQ(c.GetZAt(0.5), 5.0);
    EXPECT_EQ(c.GetIZmax(), 1);
    c.SetPoint(0, 5, -2); // the first point replaced by one beyond the last
    c.Sort();
    EXPECT_EQ(Points(c),
              (std::vector<std::pair<double, double>>{{1, 10}, {2, 4}, {4, 8}, {5, -2}}));
    EXPECT_EQ(c.GetIZmin(), 3);
    // Sorted by Z, the curve is in x order again only after a sort by x.
    c.SortByZ();
    c.Sort();
    EXPECT_EQ(c.GetX(0), 1.0);
    // Duplicates removed keep the order; a point set afterwards breaks it again.
    c.SetPoint(c.GetCount(), 2, 4);
    EXPECT_EQ(c.RemoveDuplicates(), 4);
    c.SetPoint(c.GetCount(), 0, 0);
    EXPECT_EQ(c.GetZAt(0.5), 5.0);
    EXPECT_EQ(c.GetX(0), 0.0);
    // A curve far from its order (set from its end) and one nearly in order come out alike.
    ZustandsLinie rueckwaerts;
    ZustandsLinie fastGeordnet;
    for (int i = 0; i < 40; ++i) {
        rueckwaerts.SetPoint(i, 39 - i, (39 - i) % 7);
        fastGeordnet.SetPoint(i, (i + 1) % 40, ((i + 1) % 40) % 7);
    }
    rueckwaerts.Sort();
    fastGeordnet.Sort();
    EXPECT_EQ(Points(rueckwaerts), Points(fastGeordnet));
    EXPECT_EQ(rueckwaerts.GetX(0), 0.0);
    EXPECT_EQ(rueckwaerts.GetX(39), 39.0);
    EXPECT_EQ(rueckwaerts.GetIZmax(), fastGeordnet.GetIZmax());
}

TEST(ZustandsLinie, DumpWritesTheExtremesAndEveryPoint) {
    ZustandsLinie c = Curve({{-1.25, -3.5}, {0.5, -2.0}});
    std::FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(c.Dump(f, "Feld 1"), 1);
    std::rewind(f);
    std::string text;
    for (int ch = std::fgetc(f); ch != EOF; ch = std::fgetc(f)) {
        text += static_cast<char>(ch);
    }
    std::fclose(f);
    EXPECT_EQ(text, "\n ZustandsLinie.Dump   \nFeld 1 \n"
                    "iZmax =  1     xZmax =   0.500      Zmax =     -2.0000   \n"
                    "iZmin =  0     xZmin =  -1.250      Zmin =     -3.5000   \n"
                    "i=  0    x =  -1.250    Z =    -3.50000  \n"
                    "i=  1    x =   0.500    Z =    -2.00000  \n");
    EXPECT_EQ(c.Dump(nullptr, "x"), 1);
}
