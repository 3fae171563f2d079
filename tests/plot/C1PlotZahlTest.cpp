#include "PlotFixture.h"

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
    // A negative dimension is drawn with its sign; only a zero one is left out.
    EXPECT_EQ(Labels(-2.5), std::vector<std::string>{"-2.50"});
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
