#include "platform/TextMetrics.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

namespace {

// 4000 world units are 40 device units of font height on the fixture's page.
constexpr int kHeight = 4000;

int DeviceWidth(const std::string& text, bool bold = false) {
    return TextWidth(text, {kHeight / 100, bold});
}

} // namespace

TEST(C1PlotText, MeasuredExtentsAreTheTableWidthsInWorldUnits) {
    Page page;
    page.plot.SelectFont(kHeight, 0.0, 0, 0);
    C1Box rect{100, 200, 100, 200};
    EXPECT_EQ(page.plot.GetTextExtent("  Hallo  ", rect, 0), 1);
    EXPECT_EQ(rect, (C1Box{100, 200, 100 + DeviceWidth("Hallo") * 100, 200 + 4000}));
    // Blanks only: 1 with an empty rectangle; an empty text 0 with the rectangle kept.
    C1Box blank{100, 200, 900, 900};
    EXPECT_EQ(page.plot.GetTextExtent("   ", blank, 0), 1);
    EXPECT_EQ(blank, (C1Box{100, 200, 100, 200}));
    C1Box empty{1, 2, 3, 4};
    EXPECT_EQ(page.plot.GetTextExtent("", empty, 0), 0);
    EXPECT_EQ(empty, (C1Box{1, 2, 3, 4}));
    // '&' is measured as it is drawn.
    EXPECT_EQ(page.plot.GetTextWidth("a&b", kHeight), DeviceWidth("a&b") * 100);
    // Without a font the default font of 16 device units measures.
    page.plot.PopFont();
    Page fresh;
    C1Box standard{0, 0, 0, 0};
    fresh.plot.GetTextExtent("GW", standard, 0);
    EXPECT_EQ(standard.bottom, kDefaultFontCellHeight * 100);
    EXPECT_EQ(standard.right, TextWidth("GW", TextFont{}) * 100);
}

TEST(C1PlotText, TextAtAPointIsWrittenWithItsAdvancesAndExtendsTheBox) {
    Page page;
    page.plot.SelectFont(kHeight, 90.0, 1, 0);
    EXPECT_TRUE(page.plot.PlotText(10000, 50000, "OKW = 1.50"));
    EXPECT_FALSE(page.plot.PlotText(0, 0, ""));
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Texts().size(), 1u);
    EXPECT_EQ(r.Texts()[0].Utf8(), "OKW = 1.50");
    EXPECT_EQ(r.Texts()[0].reference, (emf::Point{100, 500}));
    EXPECT_EQ(r.Texts()[0].Width(), DeviceWidth("OKW = 1.50", true));
    // Turned by 90 degrees: the text runs up from the point, its height to the right.
    const C1Box box = page.plot.GetBox();
    EXPECT_EQ(box.left, 10000);
    EXPECT_EQ(box.bottom, 50000);
    EXPECT_NEAR(box.right, 10000 + 4000, 1);
    EXPECT_NEAR(box.top, 50000 - DeviceWidth("OKW = 1.50", true) * 100, 1);
}

TEST(C1PlotText, TextWithBlanksAroundIsDrawnAsItIsMeasured) {
    // Number labels come with the blanks of their format's width: the text drawn is
    // the one measured, so the page's box and the metafile's bounds agree with it.
    Page page;
    page.plot.SelectFont(kHeight, 0.0, 0, 0);
    EXPECT_TRUE(page.plot.PlotText(10000, 50000, "   30.0  "));
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Texts().size(), 1u);
    EXPECT_EQ(r.Texts()[0].Utf8(), "30.0");
    EXPECT_EQ(r.Texts()[0].reference, (emf::Point{100, 500}));
    EXPECT_EQ(r.Texts()[0].Width(), DeviceWidth("30.0"));
    EXPECT_EQ(page.plot.GetBox().right, 10000 + DeviceWidth("30.0") * 100);
    // Blanks only: nothing is written.
    Page blank;
    blank.plot.SelectFont(kHeight, 0.0, 0, 0);
    blank.plot.PlotText(0, 0, "   ");
    EXPECT_TRUE(blank.Read().Texts().empty());
}

TEST(C1PlotText, AlongALineCollisionModes) {
    Page page;
    const int w = DeviceWidth("Sand") * 100;
    // Mode 0 places the text on the line, above it (the band 0 .. -H across).
    EXPECT_TRUE(page.plot.PlotTextLine(0, 10000, 50000, 10000, "Sand", kHeight, 0, 1, 0, 0, 0));
    EXPECT_EQ(page.plot.GetTextRects().GetLastRect(), 0);
    // Mode 2: overlapping, left out; the font stack as before.
    const int fonts = page.plot.GetStackTop(3);
    EXPECT_FALSE(page.plot.PlotTextLine(0, 10000, 50000, 10000, "Sand", kHeight, 2, 1, 0, 0, 0));
    EXPECT_EQ(page.plot.GetStackTop(3), fonts);
    EXPECT_EQ(page.Read().Texts().size(), 1u);
    // Mode 1 shifts across to the first free band.
    EXPECT_TRUE(page.plot.PlotTextLine(0, 10000, 50000, 10000, "Sand", kHeight, 1, 1, 0, 0, 0));
    EXPECT_EQ(page.plot.GetTextRects().GetLastRect(), 1);
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Texts().size(), 2u);
    EXPECT_EQ(r.Texts()[0].reference, (emf::Point{0, 60})); // 10000 - 4000
    EXPECT_EQ(r.Texts()[1].reference, (emf::Point{0, -8})); // the third band: 10000 - 3 * 3600
    EXPECT_EQ(r.Texts()[1].Width(), w / 100);
}

TEST(C1PlotText, ModeOneCollidingOnEveryBandIsPlacedFirstAndNotAdded) {
    Page page;
    // A wall of placed boxes across every band.
    page.plot.GetTextRects().TestAndAdd(-1000, -100000, 100000, -100000, 100000, 20000, -1000,
                                        20000, 0);
    EXPECT_TRUE(page.plot.PlotTextLine(0, 10000, 50000, 10000, "Kies", kHeight, 1, 1, 0, 0, 0));
    EXPECT_EQ(page.plot.GetTextRects().GetLastRect(), 0);
    EXPECT_EQ(page.Read().Texts().at(0).reference, (emf::Point{0, 60}));
}

TEST(C1PlotText, TextLongerThanItsLineStartsHalfAHeightFurtherOut) {
    Page page;
    EXPECT_TRUE(
        page.plot.PlotTextLine(0, 10000, 1000, 10000, "lang und breit", kHeight, 0, 1, 0, 0, 0));
    EXPECT_EQ(page.Read().Texts().at(0).reference, (emf::Point{0, 40})); // 10000 - 1.5 * 4000
}

TEST(C1PlotText, VerticalLineTurnsTheText) {
    Page page;
    // Up the page: the text reads bottom to top, left of the line.
    EXPECT_TRUE(page.plot.PlotTextLine(20000, 50000, 20000, 0, "GW", kHeight, 0, 1, 0, 0, 0));
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Fonts().size(), 1u);
    EXPECT_EQ(r.Fonts()[0].escapement, 900);
    EXPECT_EQ(r.Texts().at(0).reference, (emf::Point{160, 500}));
}

TEST(C1PlotText, AlignedTextsShiftBelowEarlierSlotsAndStayOnThePage) {
    Page page;
    page.plot.SelectFont(kHeight, 0.0, 0, 0);
    EXPECT_EQ(page.plot.PlotTextAligned(0, 1000, 10000, "erste", 1000, 1, 0.0), 10000);
    EXPECT_EQ(page.plot.PlotTextAligned(0, 1000, 10000, "wieder", 1000, 1, 0.0),
              10000); // slot 0 never shifts
    const int y = page.plot.PlotTextAligned(1, 1000, 10000, "zweite", 1000, 1, 0.0);
    EXPECT_GE(y, 10000 + 3600); // below the box of slot 0 (0.9 H high)
    EXPECT_EQ(page.plot.PlotTextAligned(2, 170000, 0, "weit", 1000, 1, 0.0), 0);
    EXPECT_EQ(page.plot.PlotTextAligned(2, -100, 0, "links", 1000, 1, 0.0), 0);
    EXPECT_EQ(page.plot.PlotTextAligned(2, 5000, 777, "", 1000, 1, 0.0), 777);
}
