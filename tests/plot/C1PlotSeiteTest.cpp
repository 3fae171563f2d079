#include "plot/CadHook.h"

#include "PlotFixture.h"

#include <gtest/gtest.h>

#include <cmath>
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

TEST(C1PlotSeite, CoordinatesBeyondTheWorldAreHeldAtItsEdge) {
    Page page;
    const C1Punkt far = page.plot.ToWorld(1e300, -1e300);
    EXPECT_EQ(far.x, std::numeric_limits<int>::max() / 4);
    EXPECT_EQ(far.y, -(std::numeric_limits<int>::max() / 4));
    EXPECT_EQ(page.plot.ToWorld(std::nan(""), 0.5), (C1Punkt{0, 5000}));
    page.plot.SelectPenStd(0, 0, 1);
    page.plot.MoveToD(0.0, 0.0);
    page.plot.LineToD(1e300, 1e300); // drawn to the edge, no overflow
    EXPECT_TRUE(page.Read().Ok());
}
