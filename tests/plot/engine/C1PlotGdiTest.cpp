#include "platform/C1Exception.h"
#include "platform/QELRTFXHost.h"

#include "../../platform/TempDir.h"
#include "../PlotFixture.h"

#include <gtest/gtest.h>

TEST(C1PlotGdi, AnEqualRequestReusesItsEntryAndPopsStopAtTheBottom) {
    Page page;
    const C1GdiObj* first = page.plot.SelectPen(0, 4, 0, 1);
    const C1GdiObj* second = page.plot.SelectPen(0, 4, 0, 1);
    EXPECT_EQ(first, second);
    EXPECT_EQ(page.plot.GetGdiCount(), 1);
    EXPECT_EQ(page.plot.GetStackTop(1), 1);
    EXPECT_EQ(page.plot.PopPen(), first);
    EXPECT_EQ(page.plot.PopPen(), nullptr);
    EXPECT_EQ(page.plot.GetStackTop(1), 0);
    // Colour index 3 and the COLORREF of that entry are the same pen.
    page.plot.SelectPen(0, 3, 0, 1);
    page.plot.SelectPen(0, static_cast<unsigned>(-1), 0x008080, 1);
    EXPECT_EQ(page.plot.GetGdiCount(), 2);
}

TEST(C1PlotGdi, NIdenticalSelectionsMakeOneObjectAndNSelections) {
    Page page;
    constexpr int kTimes = 5;
    for (int i = 0; i < kTimes; ++i) {
        page.plot.SelectPenStd(1, 2, 0);
    }
    for (int i = 0; i < kTimes; ++i) {
        page.plot.SelectStockBrush(kStockLightGrayBrush);
    }
    const emf::Reader r = page.Read();
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Count(kEmrCreatePen), 1u);
    EXPECT_EQ(r.Count(kEmrCreateBrushIndirect), 0u);
    EXPECT_EQ(r.Count(kEmrSelectObject), 2u * kTimes);
    EXPECT_EQ(r.Selections().back(), kEmfStockBit | kStockLightGrayBrush);
    ASSERT_EQ(r.Pens().size(), 1u);
    EXPECT_EQ(r.Pens()[0].style, kPenDash);
    EXPECT_EQ(r.Pens()[0].colour, 0x008000u);
    EXPECT_EQ(r.Pens()[0].width, 10); // character width 1000 world units
}

TEST(C1PlotGdi, NullPenAndUpsideDownFontsFindTheirEntryAgain) {
    Page page;
    // Far more requests than the table holds: each kind keeps one entry.
    for (int i = 0; i < 2 * C1Plot::MAX_GDI; ++i) {
        page.plot.SelectStockPen2(kStockNullPen);
        page.plot.PopPen();
        page.plot.SelectFont(4000, 180.0, 0, 0);
        page.plot.PopFont();
    }
    EXPECT_EQ(page.plot.GetGdiCount(), 2);
    // The null pen is drawn as the white pen; the upside-down font upright.
    const emf::Reader r = page.Read();
    EXPECT_EQ(r.Selections().front(), kEmfStockBit | kStockWhitePen);
    ASSERT_EQ(r.Fonts().size(), 1u);
    EXPECT_EQ(r.Fonts()[0].escapement, 0);
    // 179.9 degrees is within 0.1 % of 180 and drawn upright as well.
    page.plot.SelectFont(4000, 179.9, 0, 0);
    EXPECT_EQ(page.plot.GetGdiCount(), 2);
}

TEST(C1PlotGdi, FontHeightsOfLessThanOneDeviceUnitBecomeOne) {
    Page page;
    page.plot.SelectFont(50, 0.0, 1, 0); // 0.5 device units
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Fonts().size(), 1u);
    EXPECT_EQ(r.Fonts()[0].height, 1);
    EXPECT_EQ(r.Fonts()[0].weight, 700);
}

TEST(C1PlotGdi, ThickPensGrowByOneUnitButTheCharacterWidth) {
    EmfWriter emf;
    C1Plot plot(&emf, 10.0, 10.0, 160, 100, 1.0, 4.0, 1.0, 0, 0, 0, -1); // world units kept
    plot.SetThickPens(1);
    struct Case {
        int width, expected;
    };
    for (const Case c : {Case{0, 1}, Case{plot.GetCharW(), plot.GetCharW()}, Case{3, 4}}) {
        EXPECT_EQ(plot.SelectPen(c.width, 0, 0, 1)->GetWidth(), c.expected) << c.width;
    }
}

TEST(C1PlotGdi, OverflowsOfTableAndStackAreSilentErrors) {
    Page page(0);
    for (int w = 0; w < C1Plot::MAX_GDI; ++w) {
        page.plot.SelectPen(w, 0, 0, 1);
        page.plot.PopPen();
    }
    try {
        page.plot.SelectPen(C1Plot::MAX_GDI, 0, 0, 1);
        ADD_FAILURE() << "the 1001st object was taken";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.text, "nGDI>=MAX_GDI-1");
        EXPECT_EQ(e.module, "C1Plot::SelectPen");
        EXPECT_EQ(e.code, -1);
    }
    Page stack(0);
    for (int i = 0; i < C1Plot::MAX_GDI; ++i) {
        stack.plot.SelectStockBrush(kStockNullBrush);
    }
    try {
        stack.plot.SelectStockBrush(kStockNullBrush);
        ADD_FAILURE() << "the 1001st push was taken";
    } catch (const C1Exception& e) {
        EXPECT_EQ(e.text, "iBrushStack>=MAX_GDI");
        EXPECT_EQ(e.module, "C1Plot::SelectStockBrush");
        EXPECT_EQ(e.code, -1);
    }
    EXPECT_EQ(stack.plot.GetStackTop(2), C1Plot::MAX_GDI - 1);
}

TEST(C1PlotGdi, FillBrushesTakeTheTableOrInOutputModesTheFillColours) {
    Page plain;
    EXPECT_EQ(plain.plot.SelectFillBrush(1)->GetColour(), 0xE9E9E9u);
    EXPECT_EQ(plain.plot.SelectFillBrush(2)->GetColour(), 0xF8F8F8u);
    Page member(1, 0, 1);
    EXPECT_EQ(member.plot.SelectFillBrush(1)->GetColour(), 0xFFDAB5u);
    EXPECT_EQ(member.plot.SelectFillBrush(2)->GetColour(), 0xFFF2E6u);
    EXPECT_EQ(member.plot.SelectFillBrush(0x123456)->GetColour(), 0x123456u);
    EXPECT_EQ(member.plot.SelectFillBrush(0)->GetColour(), 0xF8F8F8u);
}

TEST(C1PlotGdi, ColoursComeFromQelIniInTheCommonFolder) {
    {
        Page none; // no common folder: defaults, flags 0 (the default text ends in 0)
        EXPECT_EQ(none.plot.GetFarbe(2), 0x008000u);
        EXPECT_EQ(none.plot.GetFarbFlag(2), 0);
    }
    TempDir dir;
    dir.Write("qel.ini",
              "[start]\nFarbe3=255 0 0 1\nFarbe4=0 0 300\nFarbe16=0 0 0 0\nFarbe1=1 2 3\n");
    QELRTFX_RegisterHost({{{"Common", dir.File("")}}, {}, false});
    Page page;
    QELRTFX_RegisterHost({});
    EXPECT_EQ(page.plot.GetFarbe(2), 0x0000FFu); // pure red
    EXPECT_EQ(page.plot.GetFarbFlag(2), 1);
    EXPECT_EQ(page.plot.GetFarbe(3), 0x2C0000u);  // 300 cut to its low byte
    EXPECT_EQ(page.plot.GetFarbFlag(3), 1);       // three numbers keep the flag
    EXPECT_EQ(page.plot.GetFarbe(15), 0xFFFFFFu); // black cannot be configured
    EXPECT_EQ(page.plot.GetFarbFlag(15), 0);
    EXPECT_EQ(page.plot.GetFarbe(0), 0x030201u);
    page.plot.SelectPen(0, 2, 0, 1);
    EXPECT_EQ(page.Read().Pens().at(0).colour, 0x0000FFu);
}
