// Load symbols beside a member: outlines, the level plan, bands and their labels.

#include "plot/engine/C1LastLevels.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

std::vector<std::string> TextsOf(const Page& page) {
    std::vector<std::string> out;
    const emf::Reader r = page.Read();
    for (const auto& t : r.Texts()) {
        out.push_back(t.Utf8());
    }
    return out;
}

bool Has(const std::vector<std::string>& texts, const std::string& t) {
    return std::find(texts.begin(), texts.end(), t) != texts.end();
}

} // namespace

TEST(LoadOutline, DirectionsSidesAndDegenerateCases) {
    struct Case {
        const char* what;
        int x1, y1, x2, y2, type, side, gap, h1, h2;
        C1Punkt q[4];
    };
    const Case cases[] = {
        // Across a horizontal member: the block stands above it (y down on the page).
        {"across", 0, 0, 1000, 0, 1, 1, 10, 50, 30, {{0, -10}, {0, -60}, {1000, -10}, {1000, -40}}},
        // The other side swaps base and top.
        {"other side",
         0,
         0,
         1000,
         0,
         1,
         -1,
         10,
         50,
         30,
         {{0, 60}, {0, 10}, {1000, 40}, {1000, 10}}},
        // Along the page's y axis on a horizontal member: the same as across.
        {"along y", 0, 0, 1000, 0, 2, 1, 0, 50, 50, {{0, 0}, {0, -50}, {1000, 0}, {1000, -50}}},
        // Along x on a horizontal member divides by sin 0: no outline.
        {"along x, no divisor", 0, 0, 1000, 0, 3, 1, 0, 50, 50, {{0, 0}, {0, 0}, {0, 0}, {0, 0}}},
        // Along y at the upper end's height on a sloped member.
        {"y at the top",
         0,
         100,
         1000,
         0,
         4,
         1,
         0,
         50,
         20,
         {{0, 0}, {0, -50}, {1000, 0}, {1000, -20}}},
        // An unknown type: every point at P1.
        {"unknown", 5, 7, 1000, 0, 7, 1, 0, 50, 50, {{5, 7}, {5, 7}, {5, 7}, {5, 7}}},
    };
    for (const Case& c : cases) {
        C1Punkt q[4];
        LoadOutline(c.x1, c.y1, c.x2, c.y2, c.type, c.side, c.gap, c.h1, c.h2, q);
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(q[k], c.q[k]) << c.what << " corner " << k;
        }
    }
}

TEST(C1LastLevels, OverlappingBlocksStepOutAlsoOnAnUprightMember) {
    // An upright member 10 m long drawn 10000 units upwards: blocks along y.
    C1LastLevels levels(2);
    EXPECT_EQ(levels.Place(1, 1, 0, 0, 0, -10000, 10.0, 0.0, 2.0, 500, 1, 100), 100);
    // Overlaps block 1 along the member: one level further out.
    EXPECT_EQ(levels.Place(2, 1, 0, 0, 0, -10000, 10.0, 1.0, 3.0, 500, 1, 100), 600);
    EXPECT_EQ(levels.GetLevel(2), 2);
    // Further along the member: back on the first level (a member taken as horizontal
    // would have put all three at the same place).
    EXPECT_EQ(levels.Place(3, 1, 0, 0, 0, -10000, 10.0, 5.0, 6.0, 500, 1, 100), 100);
    EXPECT_EQ(levels.GetLevel(3), 1);
    // The plan grows past its first size; a gap of 0 is given as 1.
    EXPECT_EQ(levels.Place(25, 1, 0, 0, 0, -10000, 10.0, 8.0, 9.0, 500, 1, 0), 1);
    EXPECT_GE(levels.GetCapacity(), 26);
}

TEST(C1PlotLast, ASecondBandContinuingTheFirstWithItsValueIsNotLabelledAgain) {
    Page page;
    C1LastLevels levels(4);
    page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "5", "5", 5.0, 5.0, 0.0, 4.0, 0, 3000, 3000,
                       0.0, 2000, levels, 1, 1, 0);
    page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "5b", "5b", 5.0, 5.0, 4.0, 3.0, 0, 3000, 3000,
                       0.0, 2000, levels, 1, 1, 0);
    // A band with another value at the second one's end is labelled.
    page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "7", "7", 7.0, 7.0, 7.0, 3.0, 0, 3000, 3000,
                       0.0, 2000, levels, 1, 1, 0);
    const auto texts = TextsOf(page);
    EXPECT_TRUE(Has(texts, "5"));
    EXPECT_FALSE(Has(texts, "5b"));
    EXPECT_TRUE(Has(texts, "7"));
    // A new member starts afresh: its first band is labelled where the last one of the
    // other member ended with the same value.
    page.plot.ResetPrevBand();
    page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "7c", "7c", 7.0, 7.0, 10.0, 0.0, 0, 3000, 3000,
                       0.0, 2000, levels, 1, 1, 0);
    const auto again = TextsOf(page);
    EXPECT_TRUE(Has(again, "7c"));
}

TEST(C1PlotLast, ABandOfOneValueIsLabelledAlongItsBaseEdgeWhateverItsSign) {
    // Bands 3000 units high standing on a horizontal member (base at y = 0, top at
    // y = -3000); the text of 2000 units runs along the base: its first band across the
    // line reaches 0.9 of the text height, 1800 units, above the base (18 device units).
    for (const double q : {5.0, -5.0}) {
        Page page;
        C1LastLevels levels(1);
        const std::string label = q > 0.0 ? "5.00" : "-5.00";
        page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, label, label, q, q, 2.0, 4.0, 0, 3000, 3000,
                           0.0, 2000, levels, 1, 1, 0);
        const emf::Reader r = page.Read();
        ASSERT_EQ(r.Texts().size(), 1u) << q;
        EXPECT_EQ(r.Texts()[0].Utf8(), label);
        EXPECT_EQ(r.Texts()[0].reference.y, -18) << q; // on the top edge it stood at -48
        // Centred along the band from 2 m to 6 m.
        const int middle = r.Texts()[0].reference.x + r.Texts()[0].Width() / 2;
        EXPECT_NEAR(middle, 400, 2) << q;
    }
}

TEST(C1PlotLast, SmallEndValueWithoutReferenceLosesHeightAndText) {
    Page page;
    C1LastLevels levels(1);
    page.plot.PlotLast(0, 9, 0, 0, 100000, 0, 10.0, "q1", "q2", 5.0, 0.4, 1.0, 4.0, 0, 3000, 3000,
                       0.0, 2000, levels, 1, 1, 0);
    const C1Rect box = page.plot.GetLastLastRect();
    // Corners: base start, top start, top end, base end (world / 100).
    EXPECT_EQ(box.Corner(1).y, -30);         // the start at the block height
    EXPECT_EQ(box.Corner(2), box.Corner(3)); // the end has no height
    const auto texts = TextsOf(page);
    EXPECT_TRUE(Has(texts, "q1"));
    EXPECT_FALSE(Has(texts, "q2"));
}

TEST(C1PlotLast, LoadsOutsideTheMemberAndClippedLoads) {
    Page page;
    C1LastLevels levels(1);
    EXPECT_EQ(page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "a", "", 1.0, 1.0, 10.5, 1.0, 7, 0,
                                 3000, 0.0, 2000, levels, 1, 1, 0),
              7);
    EXPECT_EQ(page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "a", "", 1.0, 1.0, -3.0, 1.0, 7, 0,
                                 3000, 0.0, 2000, levels, 1, 1, 0),
              7);
    EXPECT_TRUE(page.Read().Polygons().empty());
    // From -2 to 2 with 0 .. 4 on the member: from 0 with 2 at its start.
    page.plot.PlotLast(0, 1, 0, 0, 100000, 0, 10.0, "s", "e", 0.0, 4.0, -2.0, 4.0, 0, 0, 4000, 4.0,
                       2000, levels, 1, 1, 0);
    const C1Rect box = page.plot.GetLastLastRect();
    EXPECT_EQ(box.Corner(0).x, 0);
    EXPECT_EQ(box.Corner(3).x, 200);
    EXPECT_EQ(box.Corner(1).y, -20); // 2 of 4 at 4000 units
    EXPECT_EQ(box.Corner(2).y, -40);
}

TEST(C1PlotLast, LabelSlotsBeyondTheTableAreDrawnWithoutTheirBox) {
    Page page;
    C1LastLevels levels(1);
    for (int slot = 97; slot <= 101; ++slot) {
        EXPECT_NO_THROW(page.plot.PlotLast(slot, 1, 0, 0, 100000, 0, 10.0, "", "", 1.0, 1.0, 1.0,
                                           1.0, 5000, 0, 3000, 0.0, 2000, levels, 1, 1, 0));
    }
    EXPECT_FALSE(page.plot.LastRect[98].IsDegenerate());
    EXPECT_TRUE(page.plot.LastRect[99].IsDegenerate());
    // Five blocks drawn all the same.
    EXPECT_EQ(page.Read().Polygons().size(), 5u + 2u * 5u); // block + two arrowheads each
    // With the level plan no slot is limited.
    EXPECT_NO_THROW(page.plot.PlotLast(150, 1, 0, 0, 100000, 0, 10.0, "", "", 1.0, 1.0, 1.0, 1.0,
                                       5000, 0, 3000, 0.0, 2000, levels, 1, 1, 1));
}

TEST(C1PlotLast, PointLoadMomentAndSettlementSymbols) {
    Page page;
    C1LastLevels levels(3);
    page.plot.PlotLast(1, 11, 0, 0, 100000, 0, 10.0, "12.5", "", 12.5, 0.0, 3.0, 0.0, 0, 3000, 3000,
                       0.0, 2000, levels, 2, 1, 1);
    page.plot.PlotLast(2, 21, 0, 0, 100000, 0, 10.0, "8.00", "", -8.0, 0.0, 6.0, 0.0, 0, 3000, 3000,
                       0.0, 2000, levels, 1, 1, 1);
    page.plot.PlotLast(0, 31, 0, 0, 100000, 0, 10.0, "ds=1.00cm", "", 0.0, 0.0, 9.0, 0.0, 0, 3000,
                       3000, 0.0, 2000, levels, 1, 1, 0);
    const emf::Reader r = page.Read();
    const auto texts = TextsOf(page);
    EXPECT_TRUE(Has(texts, "12.5"));
    EXPECT_TRUE(Has(texts, "8.00"));
    EXPECT_TRUE(Has(texts, "ds=1.00cm"));
    EXPECT_EQ(r.Count(kEmrArc), 1u);
    EXPECT_EQ(r.Bitmaps().size(), 1u);
    EXPECT_EQ(page.plot.GetStackTop(1), 0); // pens and brushes popped
    EXPECT_EQ(page.plot.GetStackTop(2), 0);
}
