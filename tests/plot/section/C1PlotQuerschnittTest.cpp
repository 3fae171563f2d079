// Cross-section pictures: concrete outlines with their bars and covers, timber
// sections, the material fills, and steel profiles upright and turned.

#include "platform/BitmapRegistry.h"
#include "plot/section/C1Quer.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// The frame: the axis along the page's x from the origin, so the shape point (u, v)
// lies at world (u, -v) and at device (u / 100, -v / 100).
constexpr int kAxisEnd = 100000;
constexpr double kLength = 10.0;
constexpr int kH = 1000; // label height 800

C1Quer Section(int designType, int shape, std::initializer_list<double> dims) {
    C1Quer q;
    q.Bemetyp = designType;
    q.iQuer = shape;
    int i = 1;
    for (double d : dims) {
        q.d.at(static_cast<std::size_t>(i++)) = d;
    }
    return q;
}

C1Quer Profil(int family, int axis, double d10, double d11, double d12, double d13, double d14,
              double d15) {
    C1Quer q;
    q.Bemetyp = 2;
    q.iQuer = 1;
    q.iProf = family;
    q.ProfAchse = axis;
    q.d.at(10) = d10;
    q.d.at(11) = d11;
    q.d.at(12) = d12;
    q.d.at(13) = d13;
    q.d.at(14) = d14;
    q.d.at(15) = d15;
    return q;
}

C1Box Draw(Page& page, const C1Quer& q, double sc, int mode = 1) {
    return q.PlotQuerschnitt(page.plot, kH, sc, 0, 0, kAxisEnd, 0, 0.0, kLength, mode, 0, 100, 7);
}

std::multiset<int> Cols(const Page& page, int art) {
    std::multiset<int> out;
    for (const auto& o : page.plot.GetZeichenObjList()) {
        if (o.iArt == art) {
            out.insert(o.iCol);
        }
    }
    return out;
}

const C1ZeichenObj* Part(const Page& page, int col) {
    for (const auto& o : page.plot.GetZeichenObjList()) {
        if (o.iArt == 4 && o.iCol == col) {
            return &o;
        }
    }
    return nullptr;
}

std::vector<std::string> Texts(const Page& page) {
    std::vector<std::string> out;
    const emf::Reader r = page.Read();
    for (const auto& t : r.Texts()) {
        out.push_back(t.Utf8());
    }
    return out;
}

long Count(const std::vector<std::string>& texts, const std::string& t) {
    return std::count(texts.begin(), texts.end(), t);
}

} // namespace

TEST(C1PlotQuerschnitt, RectangleWithBarsAsDotsAndCovers) {
    Page page;
    C1Quer q = Section(1, 1, {30.0, 50.0});
    q.d1y = 5.0;
    q.d2y = 5.0;
    q.Name = "Balken";
    const C1Box box = Draw(page, q, 1000.0, 2);
    // The outline (0, 0) .. (30000, -50000), then the labels' room around it.
    EXPECT_EQ(box, (C1Box{-800, -50800, 30000 + 1600, 800}));
    const emf::Reader r = page.Read();
    ASSERT_FALSE(r.Polygons().empty());
    EXPECT_EQ(r.Polygons().front(),
              (std::vector<emf::Point>{{0, 0}, {300, 0}, {300, -500}, {0, -500}}));
    const auto texts = Texts(page);
    EXPECT_EQ(Count(texts, "30"), 1);
    EXPECT_EQ(Count(texts, "50"), 1);
    EXPECT_EQ(Count(texts, "5"), 2);
    EXPECT_EQ(Count(texts, "Balken"), 1);
    EXPECT_EQ(Cols(page, 204), (std::multiset<int>{1, 2, 101, 102}));
    // Four bar ends of 5 cm at u 4500 and 25500, v 5000 and 45000: device extents.
    std::set<std::pair<int, int>> dots;
    for (const auto& e : r.Extents()) {
        if (e.right - e.left <= 60 && e.bottom - e.top <= 60 && e.right - e.left >= 40) {
            dots.insert({(e.left + e.right) / 2, (e.top + e.bottom) / 2});
        }
    }
    for (const std::pair<int, int>& at :
         {std::pair{45, -50}, {255, -50}, {45, -450}, {255, -450}}) {
        EXPECT_EQ(dots.count(at), 1u) << at.first << "," << at.second;
    }
    EXPECT_EQ(page.plot.GetStackTop(1), 0);
    EXPECT_EQ(page.plot.GetStackTop(2), 0);
}

TEST(C1PlotQuerschnitt, ConcreteShapes) {
    struct Case {
        const char* what;
        C1Quer q;
        int firstX; // device x of the outline's first vertex
        int left;   // world, before the labels' room
        int right;
    };
    C1Quer noBottom = Section(1, 11, {30.0, 50.0});
    noBottom.d1y = 5.0;
    const Case cases[] = {
        // Equal widths: the second vertex list, from u 0 to u D3.
        {"two parts of equal width", Section(4, 2, {20.0, 10.0, 20.0, 30.0, 5.0, 0.0, 0.0}), 0, 0,
         20000},
        // The wider top flange shifts the bottom flange right by half the difference.
        {"flanges", Section(7, 4, {60.0, 10.0, 5.0, 20.0, 30.0, 40.0, 10.0, 5.0}), 100, 0, 60000},
        {"trapezoid", Section(11, 5, {10.0, 20.0, 15.0, 25.0, 40.0}), 150, 0, 40000},
        {"base with rib", Section(21, 3, {10.0, 50.0, 0.0, 20.0, 15.0, 30.0, 12.0}), 0, 0, 60000},
        {"cage without bottom cover", noBottom, 0, 0, 30000},
    };
    for (const Case& c : cases) {
        Page page;
        const C1Box box = Draw(page, c.q, 1000.0);
        const emf::Reader r = page.Read();
        ASSERT_FALSE(r.Polygons().empty()) << c.what;
        EXPECT_EQ(r.Polygons().front().front().x, c.firstX) << c.what;
        EXPECT_EQ(box.left, c.left - 800) << c.what;
        EXPECT_EQ(box.right, c.right + 1600) << c.what;
    }
    Page page;
    Draw(page, noBottom, 1000.0);
    const auto cols = Cols(page, 204);
    EXPECT_EQ(cols.count(101), 0u);
    EXPECT_EQ(cols.count(102), 1u);
}

TEST(C1PlotQuerschnitt, CircleAndTimber) {
    Page circle;
    C1Quer c = Section(1, 7, {40.0});
    c.d1y = 4.0;
    const C1Box box = Draw(circle, c, 1000.0);
    EXPECT_LT(box.top, box.bottom);
    EXPECT_EQ(box.top, -40000 - 800);
    EXPECT_EQ(Cols(circle, 204), (std::multiset<int>{1, 101}));

    Page rect;
    Draw(rect, Section(3, 1, {10.0, 20.0}), 1000.0);
    const emf::Reader rr = rect.Read();
    EXPECT_EQ(rr.Count(kEmrLineTo) - 2 * 5, 4u); // the outline's four sides and two labels
    EXPECT_EQ(rr.Bitmaps().size(), 1u);

    // Without the picture library the round timber is a disc of the timber colour.
    QEL_SetPlotLibAvailable(false);
    Page round;
    Draw(round, Section(6, 2, {30.0}), 1000.0);
    QEL_SetPlotLibAvailable(true);
    const emf::Reader ro = round.Read();
    EXPECT_TRUE(ro.Bitmaps().empty());
    const auto& colours = ro.BrushColours();
    EXPECT_NE(std::find(colours.begin(), colours.end(), 0x3399CCu), colours.end());
}

TEST(C1PlotQuerschnitt, FillsByFamilyAndPatternsOncePerName) {
    struct Case {
        int designType;
        std::uint32_t colour;
    };
    const Case cases[] = {{21, 0xE9E9E9}, {8, 0x990000}, {22, 0x990000}, {9, 0x3399CC},
                          {23, 0x3399CC}, {0, 0xFFFFFF}, {99, 0xFFFFFF}};
    QEL_SetPlotLibAvailable(false);
    for (const Case& c : cases) {
        Page page;
        C1Quer q = Section(c.designType, 1, {10.0, 20.0});
        const int before = page.plot.GetStackTop(2);
        q.PlotQuerBrush(page.plot);
        // One brush pushed for every type, also an unknown one.
        EXPECT_EQ(page.plot.GetStackTop(2), before + 1) << c.designType;
        page.plot.PlotRectangle(0, 0, 1000, 1000);
        page.plot.PopBrush();
        const emf::Reader r = page.Read();
        const auto& colours = r.BrushColours();
        EXPECT_NE(std::find(colours.begin(), colours.end(), c.colour), colours.end())
            << c.designType;
    }
    QEL_SetPlotLibAvailable(true);
    Page page;
    for (int k = 0; k < 3; ++k) {
        Section(2, 1, {10.0, 20.0}).PlotQuerBrush(page.plot);
        page.plot.PlotRectangle(0, 0, 1000, 1000);
        page.plot.PopBrush();
    }
    const emf::Reader r = page.Read();
    EXPECT_EQ(r.Count(kEmrCreateDibPatternBrushPt), 1u);
    // A polygon with a pattern fill comes with a solid underlay of the steel colour.
    Page filled;
    Section(2, 1, {10.0, 20.0}).PlotQuerBrush(filled.plot);
    const C1Punkt quad[4] = {{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}};
    filled.plot.PlotPolygon(quad, 4);
    filled.plot.PopBrush();
    const emf::Reader f = filled.Read();
    EXPECT_EQ(f.Polygons().size(), 2u);
    EXPECT_NE(std::find(f.BrushColours().begin(), f.BrushColours().end(), 0x990000u),
              f.BrushColours().end());
}

TEST(C1PlotQuerschnitt, CoverDimensionReachesTheBar) {
    Page page;
    // From the corner (0, 0) to a bar 5000 units up and 4500 along: the dimension runs
    // square to the edge, up to the bar's level.
    page.plot.PlotZahlAnLinie2({0, 0}, {30000, 0}, {0, 0}, {4500, -5000}, 5.0, 800, 0, 1, "5");
    const emf::Reader r = page.Read();
    ASSERT_FALSE(r.Extents().empty());
    const emf::Rect line = r.Extents().front();
    EXPECT_NEAR(line.top, -50, 2);
    EXPECT_NEAR(line.bottom, 0, 2);
    EXPECT_LE(line.right - line.left, 4);
}

TEST(C1PlotProfil, DoubleFlangedUprightAndTurned) {
    Page up;
    Draw(up, Profil(1, 1, 30.0, 20.0, 30.0, 2.0, 2.0, 1.0), 1000.0);
    // Parts in 1/100 of world units: flange 2 at u 0, flange 1 at u 50, web at 145.
    ASSERT_NE(Part(up, 1), nullptr);
    ASSERT_NE(Part(up, 2), nullptr);
    ASSERT_NE(Part(up, 3), nullptr);
    EXPECT_EQ(Part(up, 1)->rect.Corner(0).x, 0);
    EXPECT_EQ(Part(up, 2)->rect.Corner(0).x, 50);
    EXPECT_EQ(Part(up, 3)->rect.Corner(0).x, 145);
    EXPECT_EQ(Part(up, 3)->rect.Corner(2).x, 155);
    const auto upTexts = Texts(up);
    EXPECT_EQ(Count(upTexts, "s=10"), 1);
    EXPECT_EQ(Count(upTexts, "300"), 2); // the height and the width of flange 2

    Page turned;
    Draw(turned, Profil(1, 2, 30.0, 20.0, 30.0, 2.0, 2.0, 1.0), 1000.0);
    // Flange 2 from v -50 to 250 and the web from v 95 to 105 (y = -v).
    ASSERT_NE(Part(turned, 1), nullptr);
    EXPECT_EQ(Part(turned, 1)->rect.Corner(0).y, 50);
    EXPECT_EQ(Part(turned, 1)->rect.Corner(1).y, -250);
    EXPECT_EQ(Part(turned, 3)->rect.Corner(0).y, -95);
    EXPECT_EQ(Part(turned, 3)->rect.Corner(1).y, -105);
    for (const auto& t : Texts(turned)) {
        EXPECT_NE(t.rfind("s=", 0), 0u) << t; // no web text when turned
    }
}

TEST(C1PlotProfil, FamiliesAndTheirLabels) {
    struct Case {
        const char* what;
        C1Quer q;
        std::multiset<int> parts;
        long tTexts;
        bool widthOfFlange1;
    };
    const Case cases[] = {
        {"equal flanges", Profil(2, 1, 20.0, 20.0, 20.0, 1.5, 1.5, 0.56), {1, 2, 3}, 2, false},
        {"single flange", Profil(8, 1, 20.0, 15.0, 20.0, 1.5, 1.5, 0.8), {1, 3}, 1, false},
        {"no thickness", Profil(3, 1, 20.0, 15.0, 20.0, 0.0, 1.5, 0.8), {2, 3}, 1, true},
        {"channel turned", Profil(11, 2, 8.0, 8.0, 20.0, 1.0, 1.0, 0.6), {1, 2, 3}, 2, false},
        {"angle", Profil(21, 1, 10.0, 10.0, 10.0, 1.0, 1.0, 1.0), {2, 3}, 1, false},
        {"box", Profil(41, 1, 20.0, 20.0, 20.0, 1.0, 1.0, 1.0), {1, 2, 3, 4}, 2, false},
    };
    for (const Case& c : cases) {
        Page page;
        Draw(page, c.q, 1000.0);
        EXPECT_EQ(Cols(page, 4), c.parts) << c.what;
        const auto texts = Texts(page);
        long t = 0;
        for (const auto& s : texts) {
            t += s.rfind("t=", 0) == 0 ? 1 : 0;
        }
        EXPECT_EQ(t, c.tTexts) << c.what;
        EXPECT_EQ(Cols(page, 204).count(2), c.widthOfFlange1 ? 1u : 0u) << c.what;
    }
    Page web;
    Draw(web, Profil(2, 1, 20.0, 20.0, 20.0, 1.5, 1.5, 0.56), 1000.0);
    const auto texts = Texts(web);
    EXPECT_EQ(Count(texts, "200"), 2);
    EXPECT_EQ(Count(texts, "s=5.6"), 1);
}

TEST(C1PlotProfil, TubeUnknownFamilyAndShortDimensions) {
    Page tube;
    Draw(tube, Profil(51, 1, 0.0, 0.0, 20.0, 0.0, 0.0, 1.0), 1000.0);
    EXPECT_TRUE(Cols(tube, 4).empty());
    EXPECT_LE(Cols(tube, 204).size(), 2u);

    Page unknown;
    C1Quer q = Profil(99, 1, 20.0, 20.0, 20.0, 1.5, 1.5, 0.56);
    q.Name = "HEB";
    Draw(unknown, q, 1000.0);
    EXPECT_TRUE(unknown.Read().Polygons().empty());
    EXPECT_EQ(Texts(unknown), std::vector<std::string>{"HEB"});

    Page shortArray;
    C1Quer few(10);
    few.Bemetyp = 2;
    few.iProf = 1;
    EXPECT_THROW(Draw(shortArray, few, 1000.0), std::out_of_range);
}
