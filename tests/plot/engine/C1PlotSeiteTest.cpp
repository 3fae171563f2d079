#include "platform/C1Exception.h"
#include "platform/Koordinate.h"
#include "plot/engine/CadHook.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

TEST(C1PlotSeite, PageSizesScaleAndCharacterSizes) {
    struct Case {
        double worldW, worldH;
        int devW, devH;
        int worldWUnits, worldHUnits, charH;
        bool heightLimits;
    };
    const Case cases[] = {
        // 10/100 > 10/160: the height limits; 1.6-fold width; 4 mm of 100 mm of 10 m.
        {10.0, 10.0, 160, 100, 160000, 100000, 4000, true},
        // The missing height follows from the page: 8 m wide at 160 x 100 is 5 m high.
        {8.0, 0.0, 160, 100, 80000, 50000, 2000, false},
        // The missing page height follows from the extents.
        {8.0, 4.0, 160, 0, 80000, 40000, 2000, false},
        // A width of 0 or below is completed from the page like a missing one.
        {-10.0, 10.0, 160, 100, 160000, 100000, 4000, false},
    };
    for (const Case& c : cases) {
        EmfWriter emf;
        C1Plot plot(&emf, c.worldW, c.worldH, c.devW, c.devH, 1.0, 4.0, 1.0, 1, 0, 0, -1);
        EXPECT_EQ(plot.IsPageSet(), 1);
        EXPECT_EQ(plot.GetWorldW(), c.worldWUnits) << c.worldW << " x " << c.worldH;
        EXPECT_EQ(plot.GetWorldH(), c.worldHUnits) << c.worldW << " x " << c.worldH;
        EXPECT_EQ(plot.GetCharH(), c.charH) << c.worldW << " x " << c.worldH;
        // The limiting side is 1000 device units.
        EXPECT_EQ(plot.ToDevice(c.heightLimits ? c.worldHUnits : c.worldWUnits), 1000);
    }
}

TEST(C1PlotSeite, OutputModesScaleTheCharacterSizes) {
    EmfWriter emf;
    C1Plot byWidth(&emf, 10.0, 10.0, 80, 50, 100.0, 4.0, 1.0, 1, 0, 1, -1);
    EXPECT_EQ(byWidth.GetCharH(), 8000 * 80 / 160);
    C1Plot doubled(&emf, 10.0, 10.0, 160, 100, 100.0, 4.0, 1.0, 1, 0, 2, -1);
    EXPECT_EQ(doubled.GetCharH(), 8000);
    // Character sizes of 0 or below take 4 mm and 1 mm.
    C1Plot defaults(&emf, 10.0, 10.0, 160, 100, 1.0, 0.0, -1.0, 1, 0, 0, -1);
    EXPECT_EQ(defaults.GetCharH(), 4000);
    EXPECT_EQ(defaults.GetCharW(), 1000);
}

TEST(C1PlotSeite, APageWithoutDeviceOrSizeIsRefusedAndDrawsNothing) {
    struct Case {
        bool target;
        double worldW, worldH;
        int devW, devH;
    };
    const Case cases[] = {
        {false, 10.0, 10.0, 160, 100}, {true, 0.0, 0.0, 160, 100},   {true, 10.0, 10.0, 0, 0},
        {true, 0.0, 10.0, 0, 100},     {true, 1e-5, 1e-5, 160, 100}, {true, 1e7, 1.0, 160, 100},
    };
    for (const Case& c : cases) {
        EmfWriter emf;
        // With the CAD hook on as well: a page without scale hands nothing to it.
        C1Plot plot(c.target ? &emf : nullptr, c.worldW, c.worldH, c.devW, c.devH, 1.0, 4.0, 1.0, 1,
                    1, 0, -1);
        const long calls = CadHookCallCount();
        EXPECT_EQ(plot.IsPageSet(), 0)
            << c.worldW << " " << c.worldH << " " << c.devW << " " << c.devH;
        plot.SelectPenStd(1, 0, 1);
        plot.SelectFontRel(1.0, 0.0, 0, 0);
        plot.MoveTo(0, 0);
        plot.LineTo(1000, 1000);
        plot.PlotText(0, 0, "Text");
        EXPECT_TRUE(emf.IsEmpty());
        EXPECT_EQ(CadHookCallCount(), calls);
        EXPECT_EQ(emf::Reader(emf.Bytes()).Records().size(), 2u); // header and end only
    }
}

TEST(C1PlotSeite, CallerUnitsAreTruncatedAndTheOriginSubtractedAfterwards) {
    Page page;
    EXPECT_EQ(page.plot.ToWorld(1.23456, -1.23456), (C1Punkt{12345, -12345}));
    page.plot.SetOrigin(0.12345, -0.00009);
    // int(5000) - int(1234.5) = 3766; int(0) - int(-0.9) = 0.
    EXPECT_EQ(page.plot.ToWorld(0.5, 0.0), (C1Punkt{3766, 0}));
    EXPECT_EQ(page.plot.ToDevice(C1Punkt{199, -199}), (C1Punkt{1, -1}));
}

TEST(C1PlotSeite, BoundingBoxStartsEmptyAndFollowsTheFirstPointAnywhere) {
    Page page;
    page.plot.MoveTo(5, 7);
    EXPECT_TRUE(page.plot.IsBoxEmpty());
    EXPECT_EQ(page.plot.GetBox(), (C1Box{100000, 100000, -100000, -100000}));
    page.plot.LineTo(5, 7);
    EXPECT_EQ(page.plot.GetBox(), (C1Box{5, 7, 5, 7}));
    // A drawing wholly beyond 10 m keeps its own minimum.
    Page far;
    far.plot.MoveTo(200000, 150000);
    far.plot.LineTo(300000, 250000);
    far.plot.LineTo(250000, 200000);
    EXPECT_EQ(far.plot.GetBox(), (C1Box{250000, 200000, 300000, 250000}));
}

TEST(C1PlotSeite, ComputeOnlyExtendsTheBoxButWritesNothing) {
    Page page(0);
    page.plot.SelectPenStd(0, 0, 1);
    page.plot.MoveTo(100, 100);
    page.plot.LineTo(-300, 500);
    EXPECT_EQ(page.plot.GetBox(), (C1Box{-300, 500, -300, 500}));
    EXPECT_EQ(page.Read().Records().size(), 2u); // header and end
}

TEST(C1PlotSeite, TheCadHookIsCalledOnlyWhenSwitchedOnAndOnlyWithAPenForLines) {
    const long before = CadHookCallCount();
    {
        Page page;
        page.plot.SelectPenStd(0, 0, 1);
        page.plot.MoveTo(0, 0);
        page.plot.LineTo(10, 10);
        page.plot.PlotRectangle(0, 0, 10, 10);
    }
    EXPECT_EQ(CadHookCallCount(), before);
    Page hooked(1, 1);
    hooked.plot.MoveTo(0, 0);
    EXPECT_EQ(CadHookCallCount(), before + 1); // moves always reach it
    hooked.plot.LineTo(10, 10);
    EXPECT_EQ(CadHookCallCount(), before + 1); // no pen on the stack
    hooked.plot.SelectPenStd(0, 0, 1);
    hooked.plot.LineTo(20, 20);
    EXPECT_EQ(CadHookCallCount(), before + 2);
    EXPECT_EQ(hooked.Read().Count(kEmrLineTo), 2u); // drawn all the same
}

TEST(C1PlotSeite, CoordinatesThatAreNoNumberOrBeyondTheWorldAreRefused) {
    // The world's range is a quarter of an int, so that the sum or difference of two
    // coordinates still fits: within it a value is truncated, beyond it (or when it is
    // no number) the engine refuses the call before anything of it is drawn.
    const int edge = std::numeric_limits<int>::max() / 4;
    EXPECT_EQ(C1Plot::WorldInt(edge - 0.5), edge - 1);
    EXPECT_EQ(C1Plot::WorldInt(-edge), -edge);
    EXPECT_THROW(C1Plot::WorldInt(edge + 0.5), C1Exception);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double metres[] = {nan, inf, -inf, 1e300, -1e300, 6e4 /* 60 km */};
    using Call = std::function<void(C1Plot&, double)>;
    const std::vector<std::pair<const char*, Call>> calls = {
        {"world point", [](C1Plot& p, double v) { p.ToWorld(0.5, v); }},
        {"move", [](C1Plot& p, double v) { p.MoveToD(v, 0.5); }},
        {"line", [](C1Plot& p, double v) { p.LineTo(0.5, v); }},
        {"arc", [](C1Plot& p, double v) { p.ArcD(0, 0, 1, 1, v, 0, 1, 0); }},
        {"ellipse", [](C1Plot& p, double v) { p.EllipseD(0, 0, v, 1, 0); }},
        {"rectangle", [](C1Plot& p, double v) { p.PlotRectangleD(v, 0, 1, 1); }},
        {"polygon",
         [](C1Plot& p, double v) {
             const C1DPoint pts[3] = {{0.0, 0.0}, {1.0, 0.0}, {1.0, v}};
             p.PlotPolygonD(pts, 3);
         }},
        {"text", [](C1Plot& p, double v) { p.PlotTextD(v, 1.0, "x"); }},
        {"origin",
         [](C1Plot& p, double v) {
             p.SetOrigin(v, 0.0);
             p.LineToD(1.0, 1.0);
         }},
        // The character height (4000 units) times the value and a thousand.
        {"font", [](C1Plot& p, double v) { p.SelectFontRel(v * 1e3, 0.0, 0, 0); }},
    };
    for (const auto& [what, call] : calls) {
        for (const double v : metres) {
            Page page;
            page.plot.SelectPenStd(0, 0, 1);
            page.plot.SelectFillBrush(1);
            page.plot.MoveToD(0.0, 0.0);
            const std::vector<std::uint8_t> before = page.emf.Bytes();
            const C1Box box = page.plot.GetBox();
            try {
                call(page.plot, v);
                ADD_FAILURE() << what << " " << v << " was drawn";
            } catch (const C1Exception& e) {
                EXPECT_TRUE(IsKoordinatenFehler(e)) << what << ": " << e.text;
                EXPECT_EQ(e.text.rfind("Koordinate nicht darstellbar (", 0), 0u) << e.text;
            }
            EXPECT_EQ(page.emf.Bytes(), before) << what << " " << v;
            EXPECT_EQ(page.plot.GetBox(), box) << what << " " << v;
        }
    }
    // Far, but within the world: drawn there (10 km at 0.01 device units per world unit).
    Page far;
    far.plot.SelectPenStd(0, 0, 1);
    far.plot.MoveToD(0.0, 0.0);
    far.plot.LineToD(1e4, -1e4);
    const emf::Reader r = far.Read();
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Bounds().right, 1000000 + 2);
    // A world point that its page's scale takes beyond the device's range: a page of
    // 1 cm has a device unit per 10 world units.
    EmfWriter emf;
    C1Plot small(&emf, 0.01, 0.01, 160, 100, 1.0, 4.0, 1.0, 1, 0, 0, -1);
    ASSERT_EQ(small.IsPageSet(), 1);
    EXPECT_THROW(small.LineTo(edge, 0), C1Exception);
    EXPECT_THROW(small.ToDevice(edge), C1Exception);
}
