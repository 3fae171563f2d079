#include "../PlotFixture.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Labels(double value, const std::string& text = "") {
    Page page;
    page.plot.PlotZahl({0, 0}, {100000, 0}, value, 3000, 2000, text);
    std::vector<std::string> out;
    const emf::Reader r = page.Read();
    for (const auto& t : r.Texts()) {
        out.push_back(t.Utf8());
    }
    return out;
}

} // namespace

TEST(C1PlotZahl, ValueTextsByMagnitude) {
    struct Case {
        double value;
        const char* text;
    };
    // The text output drops the blanks a format's width puts in front.
    const Case cases[] = {
        {12345.67, "12345.7"}, {250.0, "250.00"}, {0.25, "0.25"}, {0.125, "0.125"}};
    for (const Case& c : cases) {
        EXPECT_EQ(Labels(c.value), std::vector<std::string>{c.text}) << c.value;
    }
    EXPECT_TRUE(Labels(0.0).empty());
    // A negative value is labelled with its sign, not dropped.
    EXPECT_EQ(Labels(-2.5), std::vector<std::string>{"-2.50"});
    EXPECT_EQ(Labels(-0.25), std::vector<std::string>{"-0.25"});
    EXPECT_EQ(Labels(0.0, "a"), std::vector<std::string>{"a"});
}

TEST(C1PlotZahl, DimensionLineShiftedWithMarksAndItsLabelBox) {
    Page page;
    const C1Punkt start = page.plot.PlotZahl({0, 0}, {100000, 0}, 10.0, 3000, 2000, "");
    EXPECT_EQ(start, (C1Punkt{0, 2000})); // shifted across (down for a line to the right)
    const emf::Reader r = page.Read();
    // The line, two marks across and two along at each end; a dot at each end.
    EXPECT_EQ(r.Count(kEmrLineTo), 5u);
    EXPECT_EQ(r.Count(kEmrEllipse), 2u);
    EXPECT_FALSE(page.plot.GetLastZahlRect().IsDegenerate());
    EXPECT_EQ(page.plot.GetStackTop(1), 0); // its pen popped down to the bottom
    // The short forms: horizontal and vertical.
    Page forms;
    EXPECT_EQ(forms.plot.PlotZahlX(0, 50000, 7000, 5.0, 3000, ""), (C1Punkt{0, 7000}));
    EXPECT_EQ(forms.plot.PlotZahlY(0, 50000, 7000, 5.0, 3000, ""), (C1Punkt{7000, 0}));
    EXPECT_EQ(forms.plot.PlotZahlAnLinie({0, 0}, {1000, 0}, {0, 0}, {10, 10}, 1.0, 3000, 0, 3, ""),
              (C1Punkt{}));
}

TEST(C1PlotZahl, CallerUnitsAndTheAcrossPartOfASegment) {
    Page page;
    page.plot.SetOrigin(1.0, 0.0);
    // Metres less the origin, in ten-thousandths.
    EXPECT_EQ(page.plot.PlotZahlD(2.0, 0.5, 4.0, 0.5, 2.0, 3000, 0, ""), (C1Punkt{10000, 5000}));
    EXPECT_EQ(page.Read().Texts().size(), 1u);
    // P -> Q = (3000, 4000) against a reference to the right: the part across is
    // |PQ| sin(angle) = 5000 x (-0.8) (y grows downward), laid off along the reference
    // (AnLinie) or across it (AnLinie2), where it ends level with Q, on Q's side of the
    // reference (a cover dimension reaches its bar); end code 2 labels from that point
    // to P. The part is truncated to whole world units (3999.99... may give 3999).
    Page along;
    const C1Punkt a =
        along.plot.PlotZahlAnLinie({0, 0}, {1000, 0}, {0, 0}, {3000, 4000}, 4.0, 3000, 0, 2, "");
    EXPECT_NEAR(a.x, -4000, 1);
    EXPECT_EQ(a.y, 0);
    Page across;
    const C1Punkt b =
        across.plot.PlotZahlAnLinie2({0, 0}, {1000, 0}, {0, 0}, {3000, 4000}, 4.0, 3000, 0, 2, "");
    EXPECT_EQ(b.x, 0);
    EXPECT_NEAR(b.y, 4000, 1);
    // End code 1 labels from P.
    Page fromP;
    EXPECT_EQ(
        fromP.plot.PlotZahlAnLinie({0, 0}, {1000, 0}, {0, 0}, {3000, 4000}, 4.0, 3000, 0, 1, ""),
        (C1Punkt{0, 0}));
    EXPECT_EQ(fromP.Read().Count(kEmrLineTo), 5u);
}
