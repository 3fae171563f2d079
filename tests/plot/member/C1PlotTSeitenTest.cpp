#include "plot/curve/ZustandsLinie.h"
#include "plot/member/C1PlotT.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

TEST(C1PlotTSeiten, BlankPagesAndTitles) {
    C1PlotT plot(1, 4.0, 1.0, 0);
    EmfWriter emf;
    EXPECT_EQ(plot.PlotRahmen(40.0, 0.0, 1, &emf, 0), 1);
    EXPECT_EQ(plot.PlotRahmen(40.0, 0.0, 0, &emf, 0), 0);
    EXPECT_EQ(plot.PlotRahmen(40.0, 0.0, 1, nullptr, 0), 0);
    // A member without length or without curves gives a blank page.
    ZustandsLinie c;
    c.SetPoint(0, 0.0, 1.0);
    EXPECT_EQ(plot.PlotZLinie(1, &c, nullptr, 1, 0, 3, 0, 1, "", 40, 100, 0, &emf, 0, 0, "", "", 0),
              0);
    EXPECT_EQ(plot.PlotZLinie(4, &c, nullptr, 1, 0, 3, 0, 1, "", 40, 100, 0, &emf, 0, 0, "", "", 0),
              0);
    EXPECT_EQ(plot.PlotQuer(1, "", 40, 100, 0, 1, 0, 0, &emf, 0, nullptr), 0);
    // A title is written bold at the top of the page.
    Page page;
    EXPECT_EQ(plot.PlotTitel(&page.plot, "", 4000), 0);
    EXPECT_EQ(plot.PlotTitel(&page.plot, "Titel", 4000), 1);
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Texts().size(), 1u);
    EXPECT_EQ(r.Texts()[0].Utf8(), "Titel");
    EXPECT_EQ(r.Fonts().at(0).weight, 700);
}

TEST(C1PlotTSeiten, BarDiagramHasOneBarMoreThanTheCurveHasPoints) {
    C1PlotT plot(1, 4.0, 1.0, 0);
    C1PlotTraeger* m = plot.Member(1);
    m->SetAufl(1, "", 0.0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    m->SetAufl(2, "", 6.0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    m->SetHighestSupport(2);
    m->SetLength(6.0);
    ZustandsLinie c;
    for (int i = 0; i <= 6; ++i) {
        c.SetPoint(i, i, i * (6 - i));
    }
    EmfWriter emf;
    EXPECT_EQ(plot.PlotZHistogramm(1, &c, nullptr, 1, 0, 1, 0, 1, "", 160, 100, 0, &emf, 0), 1);
    EXPECT_EQ(m->GetPlot(), nullptr); // the page's engine has ended
    EXPECT_EQ(m->GetDrawKind(), 0);
    const emf::Reader r(emf.Bytes());
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    EXPECT_EQ(r.Count(kEmrRectangle), 8u);
    EXPECT_EQ(r.Polygons().size(), 0u);
    // A long curve: every bar drawn, the brushes never pile up.
    ZustandsLinie longCurve;
    for (int i = 0; i <= 1200; ++i) {
        longCurve.SetPoint(i, i * 0.005, 1.0 + (i % 7));
    }
    EmfWriter many;
    EXPECT_EQ(
        plot.PlotZHistogramm(1, &longCurve, nullptr, 1, 0, 0, 0, 1, "", 160, 100, 0, &many, 0), 1);
    EXPECT_EQ(emf::Reader(many.Bytes()).Count(kEmrRectangle), 1202u);
}

TEST(C1PlotTSeiten, TwoDifferentCurvesShareOneScale) {
    C1PlotT plot(1, 4.0, 1.0, 0);
    C1PlotTraeger* m = plot.Member(1);
    m->SetAufl(1, "", 0.0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    m->SetAufl(2, "", 4.0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    m->SetHighestSupport(2);
    m->SetLength(4.0);
    ZustandsLinie a;
    ZustandsLinie b;
    for (int i = 0; i <= 4; ++i) {
        a.SetPoint(i, i, 10.0 * i);
        b.SetPoint(i, i, -5.0 * i);
    }
    EmfWriter emf;
    EXPECT_EQ(plot.PlotZLinie(1, &a, &b, 1, 1, 1, 2, 1, "", 160, 100, 0, &emf, 0, 0, "", "", 0), 1);
    const emf::Reader r(emf.Bytes());
    ASSERT_TRUE(r.Ok()) << r.Faults().front();
    std::vector<std::string> texts;
    for (const auto& t : r.Texts()) {
        texts.push_back(t.Utf8());
    }
    EXPECT_NE(std::find(texts.begin(), texts.end(), "40.00"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "-20.00"), texts.end());
    // The area between the curves is one polygon of both point lists.
    std::size_t largest = 0;
    for (const auto& p : r.Polygons()) {
        largest = std::max(largest, p.size());
    }
    EXPECT_EQ(largest, 6u + 7u);
}
