#include "plot/member/C1PlotTraeger.h"
#include "plot/member/C1PlotT.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

TEST(C1PlotTraeger, NewMemberDefaultsAndAccessorsOutOfRange) {
    C1PlotTraeger m;
    EXPECT_EQ(m.GetLength(), 0.0);
    EXPECT_EQ(m.GetMode(), 1);
    EXPECT_EQ(m.GetDrawKind(), 1);
    EXPECT_EQ(m.GetEndExtension(), 0.1);
    EXPECT_EQ(m.GetAuflCode1(1), 1);
    EXPECT_EQ(m.GetAuflValue1(1), 24.0);
    EXPECT_EQ(m.GetAuflX(0), 0.0);
    EXPECT_EQ(m.GetAuflX(100), 0.0);
    EXPECT_EQ(m.GetAuflText(100), "");
    C1Quer out;
    out.Name = "unverändert";
    EXPECT_FALSE(m.GetQuer(1, out));
    EXPECT_EQ(out.Name, "unverändert");
    EXPECT_TRUE(m.SetLastText(3, 1, 1, 'g', "G"));
    EXPECT_TRUE(m.SetLastText(7, 1, 1, 'q', "Q"));
    EXPECT_FALSE(m.SetLastText(100, 1, 1, 'q', "X"));
    EXPECT_EQ(m.GetHighestLabel(), 7);
}

TEST(C1PlotTraeger, SettersRefuseWhatTheTablesOrTheMemberCannotHold) {
    C1PlotTraeger m;
    EXPECT_EQ(m.SetAufl(100, "", 1.0, 1, 0, 0, 0, 99.0, 99.0, 0, 0, 0, 0, 0, 0), 0);
    EXPECT_EQ(m.GetMaxCutUpper(), 0.0);
    EXPECT_EQ(m.SetAufl(5, "A", 6.0, 1, 0, 0, 0, 7.5, 0, 0, 0, 0, 0, 0, 0), 1);
    EXPECT_EQ(m.GetMaxCutUpper(), 7.5);
    EXPECT_EQ(m.GetAuflText(5), "A");
    m.SetLength(6.0);
    EXPECT_EQ(m.SetBettung(0.0, 6.0, 1000.0), 1);
    EXPECT_EQ(m.SetBettung(-0.1, 1.0, 1000.0), 0);
    EXPECT_EQ(m.SetBettung(5.5, 1.0, 1000.0), 0);
    EXPECT_EQ(m.SetGele(6.0), 1);
    EXPECT_EQ(m.SetGele(6.1), 0);
    EXPECT_EQ(m.SetLoch(1, 3, 1.0, 1.0, 1.0, 0.0), 0);
    EXPECT_EQ(m.SetLoch(100, 1, 1.0, 1.0, 1.0, 0.0), 0);
    C1Quer q(81);
    q.iQuer = 0;
    EXPECT_EQ(m.SetQuer(1, q), 0);
    q.iQuer = 1;
    q.Name = "  HEB 200  ";
    EXPECT_EQ(m.SetQuer(50, q), 0);
    EXPECT_EQ(m.SetQuer(2, q), 1);
    EXPECT_EQ(q.Name, "  HEB 200  "); // the caller's record stays as it is
    C1Quer out;
    EXPECT_TRUE(m.GetQuer(2, out));
    EXPECT_EQ(out.Name, "HEB 200");
    EXPECT_EQ(m.GetMaxQuer(), 2);
}

TEST(C1PlotTraeger, SupportSymbolsByCodesModeAndDrawKind) {
    struct Case {
        int mode, drawKind, number, highest, code1, code2, code3, symbol;
    };
    const Case cases[] = {
        // Wall diagrams: vertical member, every support code1 0.
        {2, 1, 1, 2, 0, 0, 0, 200}, // free top: no symbol
        {2, 1, 2, 3, 0, 0, 1, 102}, // anchor
        {2, 1, 2, 2, 0, 1, 1, 112}, // fixed foot
        {2, 1, 2, 2, 0, 0, 1, 102}, // foot of an anchored wall
        // One support, first and last: the last wins.
        {1, 2, 1, 1, 1, 1, 1, 104},
        {2, 2, 1, 1, 1, 1, 1, 204},
        {2, 2, 1, 2, 1, 0, 1, 101}, // 201 is drawn as 101
        {1, 1, 1, 3, 1, 1, 0, 103}, // the first, whatever code3
        {1, 1, 2, 3, 1, 1, 1, 101},
        {1, 1, 2, 3, 1, 1, 0, 102},
        {1, 2, 2, 3, 2, 1, 0, 158},
        {1, 2, 2, 3, 1, 3, 1, 107}, // fixity drawn as a spring
    };
    for (const Case& c : cases) {
        C1PlotTraeger m;
        m.SetMode(c.mode);
        m.SetDrawKind(c.drawKind);
        m.SetHighestSupport(c.highest);
        m.SetAufl(c.number, "", 0.0, c.code1, c.code2, c.code3, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(m.AuflSymbol(c.number), c.symbol)
            << c.mode << " " << c.drawKind << " " << c.code1 << c.code2 << c.code3;
    }
}

TEST(C1PlotTraeger, SystemAxisFromTheShares) {
    struct Case {
        int mode;
        double share1, share2;
        C1Punkt start, end;
    };
    // 160 x 100 mm for 10 m: W 160000, H 100000.
    const Case cases[] = {
        {1, 0.0, 0.0, {0, 0}, {160000, 0}},
        {1, 0.7, 0.3, {0, 20000}, {160000, 20000}},
        {2, 0.5, 0.5, {80000, 50000}, {80000, -50000}},
        {2, 0.3, 0.7, {48000, 50000}, {48000, -50000}},
    };
    for (const Case& c : cases) {
        Page page;
        C1PlotTraeger m;
        m.SetPlot(&page.plot);
        m.SetMode(c.mode);
        m.SetDrawKind(-1);
        C1Punkt start;
        C1Punkt end;
        m.PlotSystem(1, 0, c.share1, c.share2, page.plot.GetCharH(), page.plot.GetCharW(), &start,
                     &end);
        EXPECT_EQ(start, c.start) << c.mode << " " << c.share1;
        EXPECT_EQ(end, c.end) << c.mode << " " << c.share1;
    }
}

TEST(C1PlotTraeger, SpanDimensionsOnlyBetweenSupportsWithCodes) {
    const auto dimensions = [](int supports, int code1) {
        Page page;
        C1PlotTraeger m;
        m.SetPlot(&page.plot);
        m.SetDrawKind(2);
        for (int i = 1; i <= supports; ++i) {
            m.SetAufl(i, "", 2.0 * (i - 1), code1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        }
        m.SetHighestSupport(supports);
        m.SetLength(2.0 * (supports - 1));
        C1Punkt start;
        C1Punkt end;
        m.PlotSystem(1, 0, 0.3, 0.7, page.plot.GetCharH(), page.plot.GetCharW(), &start, &end);
        int labels = 0;
        const emf::Reader r = page.Read();
        for (const auto& t : r.Texts()) {
            labels += t.Utf8().find("2.00") != std::string::npos ||
                      t.Utf8().find("4.00") != std::string::npos;
        }
        return labels;
    };
    EXPECT_EQ(dimensions(2, 1), 1);
    EXPECT_EQ(dimensions(3, 1), 3); // two spans and the whole member
    EXPECT_EQ(dimensions(2, 0), 0); // no codes on either side
}

TEST(C1PlotTraeger, SimpleNumberingDrawsSymbolsAndLineOnlyWithATickForBedding) {
    Page page;
    C1PlotTraeger m;
    m.SetPlot(&page.plot);
    m.SetDrawKind(1);
    m.SetAufl(1, "A", 0.0, 0, 0, 0, 0, 5.0, 0, 0, 0, 0, 0, 1000.0, 0); // no symbol code
    m.SetAufl(2, "B", 4.0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    m.SetHighestSupport(2);
    m.SetLength(4.0);
    EXPECT_EQ(m.SetBettung(0.0, 4.0, 500.0), 1);
    EXPECT_EQ(m.SetGele(2.0), 1);
    C1Punkt start;
    C1Punkt end;
    m.PlotSystem(1, 0, 0.5, 0.5, page.plot.GetCharH(), page.plot.GetCharW(), &start, &end);
    const emf::Reader r = page.Read();
    EXPECT_TRUE(r.Texts().empty());        // no texts, dimensions or labels
    EXPECT_EQ(r.Count(kEmrRectangle), 0u); // no bedding
    EXPECT_EQ(m.AuflSymbol(1), 100);       // no symbol code: no symbol
    EXPECT_EQ(m.AuflSymbol(2), 101);       // from the picture library
    EXPECT_EQ(r.Bitmaps().size(), 1u);
    // Two dots, the tick under support 1, the member line.
    EXPECT_EQ(r.Count(kEmrLineTo), 4u);
    EXPECT_EQ(page.plot.GetZeichenObjCount(), 2); // both supports registered
}

TEST(C1PlotTraeger, HingeSymbolCentredOnItsPointFromSimpleNumberingOn) {
    Page page(0); // computed only: the box is kept without a picture library
    C1PlotTraeger m;
    m.SetPlot(&page.plot);
    m.SetDrawKind(0);
    EXPECT_EQ(m.PlotGele(1000, 2000, 400, 600, 0, 0), 0);
    m.SetDrawKind(1);
    EXPECT_EQ(m.PlotGele(1000, 2000, 400, 600, 0, 0), 1);
    EXPECT_TRUE(page.plot.GetLastBitmapRect().IsSameQuad(C1Rect::FromBox(800, 1700, 1200, 2300)));
}
