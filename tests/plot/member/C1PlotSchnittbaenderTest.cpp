// Section bands along a member, their transitions, and the member's section views.

#include "plot/engine/C1TextRects.h"
#include "plot/member/C1PlotTraeger.h"
#include "plot/section/C1Quer.h"

#include "../PlotFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

C1Quer Rechteck(double b, double h, double xa, double xe, const std::string& name = "") {
    C1Quer q;
    q.Bemetyp = 1;
    q.iQuer = 1;
    q.d.at(1) = b;
    q.d.at(2) = h;
    q.xa = xa;
    q.xe = xe;
    q.Name = name;
    return q;
}

std::vector<std::string> Texts(const Page& page) {
    std::vector<std::string> out;
    const emf::Reader r = page.Read();
    for (const auto& t : r.Texts()) {
        out.push_back(t.Utf8());
    }
    return out;
}

long Count(const std::vector<std::string>& texts, const std::string& t) {
    return std::count(texts.begin(), texts.end(), t);
}

} // namespace

TEST(C1QuerLaengs, BandOverItsStretchWithItsLength) {
    Page page;
    const C1Quer q = Rechteck(30.0, 50.0, 2.0, 5.5);
    C1Punkt fa;
    C1Punkt fe;
    int shifts = -1;
    // A 10 m member drawn 100000 units long; 100 units per cm across.
    q.PlotLaengs(page.plot, 1000, 100.0, 0, 0, 100000, 0, 10.0, 1, 0, 8000, 1, 0, &fa, &fe, &shifts,
                 0);
    EXPECT_EQ(fa, (C1Punkt{20000, 5000}));
    EXPECT_EQ(fe, (C1Punkt{55000, 5000}));
    EXPECT_EQ(shifts, 0);
    EXPECT_EQ(Texts(page), std::vector<std::string>{"3.50"});
    // Mode 2: left of the upright axis, the length label on the other offset.
    Page upright;
    q.PlotLaengs(upright.plot, 1000, 100.0, 50000, 100000, 50000, 0, 10.0, 2, 0, 8000, 1, 0, &fa,
                 &fe, nullptr, 0);
    EXPECT_EQ(fa, (C1Punkt{45000, 80000}));
    EXPECT_EQ(fe, (C1Punkt{45000, 45000}));
    // A circle: a white disc instead of a band outline.
    Page round;
    C1Quer c = q;
    c.iQuer = 7;
    c.PlotLaengs(round.plot, 1000, 100.0, 0, 0, 100000, 0, 10.0, 1, 0, 8000, 0, 0, nullptr, nullptr,
                 nullptr, 0);
    const emf::Reader r = round.Read();
    EXPECT_TRUE(r.Polygons().empty());
    EXPECT_EQ(r.Count(kEmrEllipse), 1u);
}

TEST(C1QuerLaengs, BandAcrossASlopedAxis) {
    Page page;
    const C1Quer q = Rechteck(30.0, 50.0, 0.0, 5.0);
    C1Punkt fa;
    C1Punkt fe;
    // An axis at 45 degrees, 10 m drawn 14142 units long: the band stands square to it.
    q.PlotLaengs(page.plot, 1000, 100.0, 0, 0, 10000, -10000, 10.0, 0, 0, 8000, 0, 0, &fa, &fe,
                 nullptr, 0);
    EXPECT_NEAR(fa.x, 3535, 2);
    EXPECT_NEAR(fa.y, 3535, 2);
    EXPECT_NEAR(fe.x - fa.x, 5000, 2);
    EXPECT_NEAR(fe.y - fa.y, -5000, 2);
}

TEST(C1QuerLaengs, OverlappingNamesAreMovedUpAndAMissingSetIsNoFault) {
    Page page;
    C1TextRects names;
    C1Quer a = Rechteck(30.0, 50.0, 0.0, 4.0, "Stuetze");
    C1Quer b = Rechteck(30.0, 50.0, 0.5, 4.0, "Riegel");
    a.pNamen = &names;
    b.pNamen = &names;
    int shiftsA = -1;
    int shiftsB = -1;
    a.PlotLaengs(page.plot, 1000, 100.0, 0, 0, 100000, 0, 10.0, 1, 0, 8000, 0, 1, nullptr, nullptr,
                 &shiftsA, 0);
    b.PlotLaengs(page.plot, 1000, 100.0, 0, 0, 100000, 0, 10.0, 1, 0, 8000, 0, 1, nullptr, nullptr,
                 &shiftsB, 0);
    EXPECT_EQ(shiftsA, 0);
    EXPECT_EQ(shiftsB, 1);
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Texts().size(), 2u);
    // One name height (1200 units, 12 device units) higher.
    EXPECT_EQ(r.Texts()[0].reference.y - r.Texts()[1].reference.y, 12);
    C1Quer alone = Rechteck(30.0, 50.0, 0.0, 4.0, "Frei");
    EXPECT_NO_THROW(alone.PlotLaengs(page.plot, 1000, 100.0, 0, 0, 100000, 0, 10.0, 1, 0, 8000, 0,
                                     1, nullptr, nullptr, nullptr, 0));
}

TEST(C1QuerLaengs, TransitionJoinsTwoSectionsAcrossTheGap) {
    Page page;
    const C1Quer before = Rechteck(30.0, 50.0, 0.0, 3.0);
    C1Quer after = Rechteck(30.0, 80.0, 4.0, 10.0);
    after.hz = 10.0;
    C1Punkt r1;
    C1Punkt r2;
    after.PlotUebergang(page.plot, 1000, 100.0, 0, 0, 100000, 0, 10.0, 1, &before, 9000, 1, &r1,
                        &r2);
    EXPECT_EQ(r1, (C1Punkt{30000, 5000}));
    EXPECT_EQ(r2, (C1Punkt{40000, 9000}));
    const emf::Reader r = page.Read();
    ASSERT_EQ(r.Polygons().size(), 1u);
    EXPECT_EQ(r.Polygons()[0],
              (std::vector<emf::Point>{{300, 0}, {400, 10}, {400, 90}, {300, 50}}));
    EXPECT_EQ(Texts(page), std::vector<std::string>{"1.00"});
}

namespace {

struct Traeger {
    Traeger() {
        t.SetLength(10.0);
        t.SetMode(1);
        t.SetAufl(1, "A", 0.0, 1, 0, 0, 24.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0.0, 0.0);
        t.SetAufl(2, "B", 10.0, 1, 0, 0, 24.0, 0.0, 0.0, 0.0, 0.0, 0, 0, 0.0, 0.0);
        t.SetHighestSupport(2);
        t.SetPlot(&page.plot);
    }
    void Draw(int view, int keepOrder = 0) {
        t.PlotQuerschnitte(page.plot.GetCharH(), page.plot.GetCharW(), 0, 0, 100000, 0, view, 0,
                           keepOrder);
    }
    Page page;
    C1PlotTraeger t;
};

} // namespace

TEST(C1PlotQuerschnitte, OneUnnamedSectionInBothViews) {
    Traeger m;
    m.t.SetQuer(1, Rechteck(30.0, 50.0, 0.0, 10.0));
    m.Draw(3);
    const auto texts = Texts(m.page);
    EXPECT_EQ(Count(texts, "Q 1"), 2); // the band's name and the picture's title
    EXPECT_EQ(Count(texts, "10.00"), 1);
    // The drawing names the section; the member's record keeps no name.
    C1Quer stored;
    ASSERT_TRUE(m.t.GetQuer(1, stored));
    EXPECT_TRUE(stored.Name.empty());
    // Both supports are drawn below the band's far edge.
    const emf::Reader r = m.page.Read();
    EXPECT_EQ(r.Bitmaps().size(), 2u);
    for (const auto& b : r.Bitmaps()) {
        EXPECT_GT(b.top, 0);
    }
}

TEST(C1PlotQuerschnitte, EqualSectionsShareTheNameAndOnePicture) {
    Traeger m;
    m.t.SetQuer(1, Rechteck(30.0, 50.0, 0.0, 3.0, "Q-A"));
    m.t.SetQuer(2, Rechteck(20.0, 40.0, 3.0, 6.0, "Q-B"));
    m.t.SetQuer(3, Rechteck(30.0, 50.0, 6.0, 10.0));
    m.Draw(3);
    const auto texts = Texts(m.page);
    EXPECT_EQ(Count(texts, "Q-A"), 3); // two bands and one picture
    EXPECT_EQ(Count(texts, "Q-B"), 2);
}

TEST(C1PlotQuerschnitte, ASectionThatDoesNotFitOpensASecondRow) {
    Traeger m;
    // Each picture takes 3 m of the member plus a gap of 1.7 m: two fit in 10 m.
    m.t.SetQuer(1, Rechteck(90.0, 50.0, 0.0, 3.0, "Erste"));
    m.t.SetQuer(2, Rechteck(90.0, 60.0, 3.0, 6.0, "Zweite"));
    m.t.SetQuer(3, Rechteck(90.0, 40.0, 6.0, 10.0, "Dritte"));
    m.Draw(2);
    const emf::Reader r = m.page.Read();
    const auto title = [&](const std::string& name) {
        for (const auto& t : r.Texts()) {
            if (t.Utf8() == name) {
                return t.reference;
            }
        }
        return emf::Point{-1, -1};
    };
    const emf::Point first = title("Erste");
    const emf::Point third = title("Dritte");
    ASSERT_NE(third.x, -1);
    EXPECT_EQ(third.x, first.x); // a new row starts at the member's start
    // The row lies further out by six character heights (24000 units) and the
    // tallest picture of the first row (60 cm at 333 units per cm, 20000); the titles
    // stand on pictures of 50 and 40 cm: 44000 + 13320 - 16650 units, 407 device units.
    EXPECT_NEAR(first.y - third.y, 407, 2);
}

TEST(C1PlotQuerschnitte, HolesAndSectionsWithoutExtent) {
    Traeger without;
    without.t.SetQuer(1, Rechteck(30.0, 50.0, 0.0, 10.0));
    without.Draw(1);
    Traeger with;
    with.t.SetQuer(1, Rechteck(30.0, 50.0, 0.0, 10.0));
    with.t.SetLoch(1, 2, 1.5, 20.0, 10.0, 5.0);
    with.Draw(1);
    // The circular hole is a white disc.
    EXPECT_EQ(with.page.Read().Count(kEmrEllipse), without.page.Read().Count(kEmrEllipse) + 1);

    Traeger flat;
    flat.t.SetQuer(1, Rechteck(30.0, 0.0, 0.0, 10.0));
    EXPECT_NO_THROW(flat.Draw(3));
    Traeger longer;
    longer.t.SetLength(1e6);
    longer.t.SetQuer(1, Rechteck(30.0, 50.0, 0.0, 5.0));
    EXPECT_NO_THROW(longer.Draw(3));
}
