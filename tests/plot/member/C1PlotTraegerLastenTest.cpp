// The loads of a member along its axis: which loads are drawn where, their texts,
// the dimension chains and the axial forces.

#include "plot/member/C1PlotTraeger.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// A member of the given length drawn along 100000 world units to the right, with
// supports at both ends.
struct Member {
    explicit Member(double length) {
        traeger.SetLength(length);
        traeger.SetMode(1);
        traeger.SetDrawKind(2);
        traeger.SetAufl(1, "A", 0.0, 1, 0, 0, 24.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0.0, 0.0);
        traeger.SetAufl(2, "B", length, 1, 0, 0, 24.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0.0, 0.0);
        traeger.SetHighestSupport(2);
        traeger.SetPlot(&page.plot);
    }
    int Draw(int what, int dimMode, int perLoadCase = 0) {
        return traeger.PlotLasten(page.plot.GetCharH(), 0, 0, 100000, 0, what, dimMode, 1,
                                  perLoadCase);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        const emf::Reader r = page.Read();
        for (const auto& t : r.Texts()) {
            out.push_back(t.Utf8());
        }
        return out;
    }
    long Count(const std::string& t) const {
        const auto all = Texts();
        return std::count(all.begin(), all.end(), t);
    }
    Page page;
    C1PlotTraeger traeger;
};

} // namespace

TEST(C1PlotTraegerLasten, WhatDecidesWhetherLoadsAreDrawn) {
    Member none(4.0);
    none.traeger.loads.AddEinzelLast(1, 0, 1.0, 5.0, "", 1, 0);
    const std::size_t before = none.page.Read().Records().size();
    EXPECT_EQ(none.Draw(0, 3), 0);
    EXPECT_EQ(none.page.Read().Records().size(), before);
    Member noLoads(4.0);
    noLoads.traeger.loads.AddEinzelLast(1, 0, 1.0, 5.0, "", 1, 0);
    EXPECT_EQ(noLoads.Draw(4, 3), 1);
    EXPECT_TRUE(noLoads.page.Read().Polygons().empty());
    EXPECT_TRUE(noLoads.Texts().empty());
}

TEST(C1PlotTraegerLasten, PerLoadCaseWithoutLabelsDrawsTheSettlementsOnly) {
    Member m(4.0);
    m.traeger.loads.AddStsLast(1, 2, 1.5, "", 0);
    m.traeger.loads.AddTrapezLast(1, 0, 0.0, 2.0, 3.0, 3.0, "", 1, 0);
    m.Draw(1, 0, 1);
    const auto texts = m.Texts();
    EXPECT_EQ(texts, std::vector<std::string>{"ds=1.50cm"});
    EXPECT_EQ(m.page.Read().Bitmaps().size(), 1u);
}

TEST(C1PlotTraegerLasten, TrapezoidCutToTheMemberWithInterpolatedOrdinates) {
    Member m(2.0);
    m.traeger.loads.AddTrapezLast(1, 0, -1.0, 4.0, 0.0, 4.0, "", 1, 0);
    m.Draw(1, 2);
    EXPECT_EQ(m.Count("1.00"), 1);
    EXPECT_EQ(m.Count("3.00"), 1);
    // Its length is dimensioned over the whole member.
    EXPECT_EQ(m.Count("2.00"), 1);
}

TEST(C1PlotTraegerLasten, PointLoadAtTheEndIsDimensionedAtTheEnd) {
    Member m(2.0);
    m.traeger.loads.AddEinzelLast(1, 0, 2.0, 7.0, "", 1, 0);
    m.Draw(1, 1);
    EXPECT_EQ(m.Count("7.00"), 1);
    EXPECT_EQ(m.Count("2.00"), 1); // from 0 to the load, nothing after it
    EXPECT_EQ(m.Count("1.99"), 0);
    EXPECT_EQ(m.Count("0.01"), 0);
}

TEST(C1PlotTraegerLasten, EqualLevelsShareAChainNumberAndOneChain) {
    Member m(2.0);
    m.traeger.loads.AddEinzelLast(1, 0, 0.5, 5.0, "", 1, 0);
    m.traeger.loads.AddEinzelLast(1, 0, 0.5, 5.0, "", 1, 0);
    m.Draw(1, 1);
    EXPECT_EQ(m.Count("1"), 4); // two marks per level
    EXPECT_EQ(m.Count("2"), 0);
    EXPECT_EQ(m.Count("0.50"), 1);
    EXPECT_EQ(m.Count("1.50"), 1);
}

TEST(C1PlotTraegerLasten, TwoValueLoadOnTheOtherSideThenBackOnTheFirst) {
    Member m(4.0);
    m.traeger.loads.AddTrapezLast(1, 0, 0.0, 2.0, 3.0, 5.0, "", -9, 0);
    m.Draw(1, 0);
    const C1Rect below = m.page.plot.GetLastLastRect();
    EXPECT_GT(std::min(below.Corner(0).y, below.Corner(1).y), 0); // under the member
    Member next(4.0);
    next.traeger.loads.AddTrapezLast(1, 0, 0.0, 2.0, 3.0, 5.0, "", -9, 0);
    next.traeger.loads.AddTrapezLast(1, 0, 2.5, 1.0, 3.0, 3.0, "", 1, 0);
    next.Draw(1, 0);
    const C1Rect above = next.page.plot.GetLastLastRect();
    EXPECT_LT(std::max(above.Corner(0).y, above.Corner(1).y), 0);
}

TEST(C1PlotTraegerLasten, AxialForcesWithOneDecimalAndNoBlanks) {
    Member m(4.0);
    m.traeger.loads.AddNormalKraft(1, 0, 1.0, 1.0, -1234.5, 0.0, "", 0);
    m.traeger.loads.AddNormalKraft(1, 0, 3.0, 1.0, 7.0, 0.0, "", 0);
    m.traeger.loads.AddEinzelLast(1, 0, 2.0, 5.0, "", 1, 0);
    m.Draw(3, 3);
    EXPECT_EQ(m.Count("1234.5"), 1);
    EXPECT_EQ(m.Count("7.0"), 1);
    EXPECT_EQ(m.Count("5.00"), 1);
    EXPECT_EQ(m.Count("1"), 0); // no dimension chains
}

TEST(C1PlotTraegerLasten, OneRowPerLoadCaseWithItsLabel) {
    Member m(4.0);
    m.traeger.SetLastText(1, 1, 1, 'g', "Eigengewicht");
    m.traeger.SetLastText(2, 1, 1, 'q', "Verkehr");
    m.traeger.loads.AddTrapezLast(1, 0, 0.0, 4.0, 2.0, 2.0, "", 1, 0);
    m.traeger.loads.AddTrapezLast(2, 0, 0.0, 4.0, 3.0, 3.0, "", 1, 0);
    m.Draw(1, 0, 1);
    EXPECT_EQ(m.Count("Eigengewicht"), 1);
    EXPECT_EQ(m.Count("Verkehr"), 1);
    EXPECT_EQ(m.Count("2.00"), 1);
    EXPECT_EQ(m.Count("3.00"), 1);
    // Two fills: permanent and variable.
    const emf::Reader r = m.page.Read();
    EXPECT_GE(r.BrushColours().size(), 2u);
}

TEST(C1PlotTraegerLasten, ManyDimensionedTemperatureLoadsAllGetTheirChain) {
    // More temperature loads than a list sized by the other loads would hold.
    Member m(30.0);
    for (int i = 0; i < 25; ++i) {
        m.traeger.loads.AddTempLast(1, 0, i * 1.2, 1.0, 10.0, "", 0);
    }
    m.Draw(1, 2);
    EXPECT_EQ(m.Count("1.00"), 25); // the length of every load
    EXPECT_EQ(m.Count("0.20"), 25); // the gaps between them and the rest to the end
}
