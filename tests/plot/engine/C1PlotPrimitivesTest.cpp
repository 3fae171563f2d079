#include "platform/BitmapRegistry.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

TEST(C1PlotPrimitive, RecordsCarryWorldTimesScaleTruncated) {
    Page page;
    page.plot.SelectPenStd(0, 0, 1);
    page.plot.MoveToD(0.0199, 0.0101); // 199, 101 world units -> 1, 1
    page.plot.LineToD(-0.0299, 1.0);   // -299 -> -2, 10000 -> 100
    page.plot.ArcD(0.0, 0.0, 1.0, 1.0, 1.0, 0.5, 1.0, 0.5);
    const C1DPoint pts[3] = {{0.0, 0.0}, {4.0, 0.0}, {4.0, 2.0}};
    page.plot.PlotPolygonD(pts, 3);
    EXPECT_EQ(page.plot.PlotPolygonD(pts, 0), 0); // no points, nothing drawn
    const emf::Reader r = page.Read();
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    ASSERT_EQ(r.Polygons().size(), 1u);
    EXPECT_EQ(r.Polygons()[0], (std::vector<emf::Point>{{0, 0}, {400, 0}, {400, 200}}));
    EXPECT_EQ(r.Count(kEmrArc), 1u);
    EXPECT_EQ(r.Count(kEmrLineTo), 1u);
    const std::size_t line = static_cast<std::size_t>(
        std::find_if(r.Records().begin(), r.Records().end(),
                     [](const emf::Record& x) { return x.type == kEmrLineTo; }) -
        r.Records().begin());
    EXPECT_EQ(r.I32(r.Records()[line].offset + 8), -2);
    EXPECT_EQ(r.I32(r.Records()[line].offset + 12), 100);
    EXPECT_EQ(page.plot.GetBox(), (C1Box{-299, 0, 40000, 20000}));
}

TEST(C1PlotPrimitive, MoveAndLineOnDoublesTakeCallerUnitsOnIntsWorldUnits) {
    // Origin (1 m, 2 m): a double call converts and subtracts it like the D forms, an
    // int call is in world units already and keeps to them.
    Page page;
    page.plot.SetOrigin(1.0, 2.0);
    page.plot.SelectPenStd(0, 0, 1);
    const auto box = [&page]() { return page.plot.GetBox(); };
    page.plot.MoveTo(1.5, 2.25);
    page.plot.LineTo(3.0, 2.5); // (20000, 5000)
    EXPECT_EQ(box(), (C1Box{20000, 5000, 20000, 5000}));
    page.plot.LineTo(3, 25); // world units, no origin
    EXPECT_EQ(box(), (C1Box{3, 25, 20000, 5000}));
    page.plot.LineTo(-1.0, 2.0f); // a float converts like a double
    EXPECT_EQ(box(), (C1Box{-20000, 0, 20000, 5000}));
    Page d;
    d.plot.SetOrigin(1.0, 2.0);
    d.plot.SelectPenStd(0, 0, 1);
    d.plot.MoveToD(1.5, 2.25);
    d.plot.LineToD(3.0, 2.5);
    d.plot.LineTo(3, 25);
    d.plot.LineToD(-1.0, 2.0);
    EXPECT_EQ(page.emf.Bytes(), d.emf.Bytes());
}

TEST(C1PlotPrimitive, PointWithNegativeWidthAndBandWithoutWidthDrawNothing) {
    Page page;
    page.plot.PlotPoint(100, 100, 50, -1, 0, 0);
    EXPECT_EQ(page.plot.GetStackTop(1),
              0); // its pen and brush stay at the bottom: nothing popped below
    C1Punkt p1;
    C1Punkt p2;
    C1Punkt p3;
    C1Punkt p4;
    EXPECT_EQ(page.plot.PlotBand(0, 0, 1000, 0, 100, 0, 0, 50, 1, p1, p2, p3, p4), 1);
    EXPECT_EQ(p1, (C1Punkt{100, 0}));
    EXPECT_EQ(p2, (C1Punkt{100, -50}));
    EXPECT_EQ(p3, (C1Punkt{100, 0})); // P4 and P3 handed out in turned order
    EXPECT_EQ(p4, (C1Punkt{100, -50}));
    const emf::Reader r = page.Read();
    EXPECT_EQ(r.Count(kEmrPolygon16) + r.Count(kEmrArc) + r.Count(kEmrEllipse), 0u);
    page.plot.PlotBand(0, 0, 1000, 0, 100, 0, 200, 50, 1, p1, p2, p3, p4);
    EXPECT_EQ(page.Read().Count(kEmrPolygon16), 1u);
}

TEST(C1PlotPrimitive, ArrowSelectsTheWhitePenAndBrushOnTheirOwnStacks) {
    Page page;
    page.plot.SelectPenStd(0, 0, 1);
    page.plot.SelectFillBrush(1);
    EXPECT_EQ(page.plot.PlotArrow(0, 0, 1000, 0, 1000, 0, 0, 1, 1), 0); // no half width
    EXPECT_EQ(page.plot.PlotArrow(0, 0, 1000, 0, 1000, 0, 100, 5, 1), 0);
    EXPECT_EQ(page.plot.PlotArrow(0, 0, 1000, 0, 1000, 0, 100, 1, 1), 1);
    EXPECT_EQ(page.plot.GetStackTop(1), 0);
    EXPECT_EQ(page.plot.GetStackTop(2), 0);
    const emf::Reader r = page.Read();
    const auto& s = r.Selections();
    const auto white = [&](int index) {
        return std::find(s.begin(), s.end(), kEmfStockBit | static_cast<std::uint32_t>(index)) !=
               s.end();
    };
    EXPECT_TRUE(white(kStockWhitePen));
    EXPECT_TRUE(white(kStockWhiteBrush));
    EXPECT_EQ(r.Count(kEmrPie), 1u);
}

TEST(C1PlotPrimitive, FrameMarginsWidenTheBoxInvisibly) {
    Page page;
    page.plot.SelectPenStd(0, 0, 1);
    page.plot.MoveTo(0, 0);
    page.plot.LineTo(0, 0);
    page.plot.LineTo(200000, 100000);
    page.plot.PlotFrameMargins(1.02, 1.02, 1.02, 1.05);
    // W = max(200000, 160000), H = max(100000, 100000).
    EXPECT_EQ(page.plot.GetBox(), (C1Box{-4000, -5000, 204000, 102000}));
    const emf::Reader r = page.Read();
    EXPECT_EQ(r.Count(kEmrRectangle), 1u);
    EXPECT_EQ(r.Selections().at(r.Selections().size() - 3), kEmfStockBit | kStockNullBrush);
}

TEST(C1PlotPrimitive, NothingDrawnHasNoFrame) {
    // An empty page has no box to frame: neither frame draws a rectangle around the
    // empty box's placeholders, and the page stays empty.
    Page page;
    page.plot.PlotFrame(1.02);
    page.plot.PlotFrameMargins(1.02, 1.02, 1.02, 1.05);
    EXPECT_TRUE(page.plot.IsBoxEmpty());
    const emf::Reader r = page.Read();
    EXPECT_EQ(r.Count(kEmrRectangle), 0u);
    EXPECT_TRUE(page.emf.IsEmpty());
}

TEST(C1PlotPrimitive, SupportSymbolsAndBitmaps) {
    Page page;
    EXPECT_EQ(page.plot.PlotAuflager(0, 0, 0, 100, 100), 0);
    EXPECT_EQ(page.plot.PlotAuflager(102, 0, 0, 1000, 1000), 1);
    EXPECT_EQ(page.plot.PlotAuflager(112, 2000, 0, 3000, 1000), 1);
    // A free end has no symbol: the call is taken, nothing is drawn.
    EXPECT_EQ(page.plot.PlotAuflager(200, 5000, 0, 6000, 1000), 1);
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Bitmaps().size(), 2u);
    EXPECT_EQ(r.Bitmaps()[1].left, 20);
    EXPECT_EQ(r.Bitmaps()[1].bottom, 10);
    // Bitmaps widen the picture's bounds, not the engine's box.
    EXPECT_TRUE(page.plot.IsBoxEmpty());
    const C1Rect before = page.plot.GetLastBitmapRect();
    EXPECT_FALSE(page.plot.PlotBitmap("BITMAP_NONE", 0, 0, 10, 10));
    EXPECT_TRUE(page.plot.GetLastBitmapRect().IsSameQuad(before));
    EXPECT_FALSE(page.plot.PlotBitmap("", 0, 0, 10, 10));
    EXPECT_TRUE(page.plot.PlotBitmap("  BITMAP_AUFL102", 0, 0, 10, 10)); // leading blanks
    Page computeOnly(0);
    EXPECT_TRUE(computeOnly.plot.PlotBitmap("BITMAP_NONE", 0, 0, 1000, 500));
    EXPECT_EQ(computeOnly.plot.GetLastBitmapRect().P[2], (C1Punkt{10, 5}));
}

TEST(C1PlotPrimitive, WithoutThePictureLibraryNoSymbolIsDrawn) {
    QEL_SetPlotLibAvailable(false);
    Page page;
    QEL_SetPlotLibAvailable(true);
    EXPECT_EQ(page.plot.PlotAuflager(102, 0, 0, 1000, 1000), 0);
    EXPECT_FALSE(page.plot.PlotBitmap("BITMAP_AUFL102", 0, 0, 1000, 1000));
    EXPECT_EQ(page.plot.LoadBitmap("BITMAP_AUFL102"), nullptr);
    EXPECT_EQ(page.Read().Bitmaps().size(), 0u);
}
