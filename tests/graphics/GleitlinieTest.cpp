// The slip line drawn as a polyline: straight at the slip angle in a uniform soil, its
// surface end at the cursor, and nothing drawn where the calculation holds no slip line.

#include "GrafikLauf.h"

#include "plot/member/Plot_.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::uint32_t kMoveTo = 27;
constexpr std::uint32_t kLineTo = 54;
constexpr float kReferenz = 10.0f; // m

// The points of the picture's lines in their order; a new line begins at each move.
std::vector<std::vector<emf::Point>> Linienzuege(const emf::Reader& r) {
    std::vector<std::vector<emf::Point>> out;
    for (const emf::Record& rec : r.Records()) {
        if (rec.type != kMoveTo && rec.type != kLineTo) {
            continue;
        }
        const emf::Point p{r.I32(rec.offset + 8), r.I32(rec.offset + 12)};
        if (rec.type == kMoveTo || out.empty()) {
            out.emplace_back();
        }
        out.back().push_back(p);
    }
    return out;
}

// Draws the slip line with its surface end at x = 5 m after two reference lines from
// the origin, 10 m right and 10 m down, which give the picture's metres.
std::vector<std::vector<emf::Point>> Zeichne(GrafikLauf& lauf, double& xDrawnMax) {
    lauf.grafik->OpenBild("Gleitlinie", 160.0, 100.0, 1, 2);
    Plot_MoveTo(0.0f, 0.0f);
    Plot_LineTo(kReferenz, 0.0f);
    Plot_MoveTo(0.0f, 0.0f);
    Plot_LineTo(0.0f, kReferenz);
    EXPECT_EQ(lauf.grafik->PlotGleitlinie(5.0, xDrawnMax), 1);
    lauf.grafik->CloseBild();
    const emf::Reader r = GrafikLauf::Bild("Gleitlinie");
    EXPECT_TRUE(r.Ok());
    return Linienzuege(r);
}

// One uniform sand (phi 30°, no wall friction, level ground, vertical wall): the slip
// line rises straight from the foot at 45° + phi/2 = 60° to the ground surface at the
// wall head level, t / tan 60° away from the wall.
TEST(Gleitlinie, StraightAtTheSlipAngleEndingAtTheCursor) {
    GrafikLauf lauf("examples/kragwand_sand.xml");
    const double t = lauf.calc->t;
    ASSERT_GT(t, 3.0);
    double xDrawnMax = 2.0;
    const auto linien = Zeichne(lauf, xDrawnMax);
    ASSERT_EQ(linien.size(), 3u);
    const emf::Point o = linien[0].at(0);
    const double sx = (linien[0].at(1).x - o.x) / kReferenz;
    const double sy = (linien[1].at(1).y - o.y) / kReferenz;
    ASSERT_GT(std::fabs(sx), 0.0);
    ASSERT_GT(std::fabs(sy), 0.0);
    const auto X = [&](const emf::Point& p) { return (p.x - o.x) / sx; };
    const auto Y = [&](const emf::Point& p) { return (p.y - o.y) / sy; };

    const std::vector<emf::Point>& zug = linien[2];
    ASSERT_GE(zug.size(), 2u);
    const double tan60 = std::sqrt(3.0);
    constexpr double kTol = 0.05; // m, about one unit of the metafile here
    // Foot point, then the surface end at the cursor.
    EXPECT_NEAR(Y(zug.front()), t, kTol);
    EXPECT_NEAR(X(zug.front()), 5.0 - t / tan60, kTol);
    EXPECT_NEAR(Y(zug.back()), 0.0, kTol);
    EXPECT_NEAR(X(zug.back()), 5.0, kTol);
    // Every point between lies on the same straight line, rising toward the soil.
    for (std::size_t k = 1; k < zug.size(); ++k) {
        EXPECT_LT(Y(zug[k]), Y(zug[k - 1]));
        EXPECT_NEAR(X(zug[k]), 5.0 - Y(zug[k]) / tan60, kTol) << k;
    }
    // The surface end is the right end of the line.
    EXPECT_DOUBLE_EQ(xDrawnMax, 5.0);
}

// No soil, a slip line with a point that is not a number, or one that has shrunk to a
// point draw nothing and leave the drawn extent alone.
TEST(Gleitlinie, NothingDrawnWithoutASlipLine) {
    struct Fall {
        const char* name;
        bool lauf;
        std::function<void(C1ZirfCalc&)> aendern;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const Fall& fall : {
             Fall{"no calculation", false, [](C1ZirfCalc&) {}},
             Fall{"end point not a number", true, [nan](C1ZirfCalc& c) { c.xGleitEnde = nan; }},
             Fall{"layer point not a number", true,
                  [nan](C1ZirfCalc& c) {
                      c.iSchichtFuss = c.iErsteSchicht + 1;
                      c.Schicht[c.iErsteSchicht].yGleit = nan;
                  }},
             Fall{"shrunk to a point", true,
                  [](C1ZirfCalc& c) {
                      c.t = 0.0;
                      c.iSchichtFuss = c.iErsteSchicht;
                      c.xGleitEnde = c.yGleitEnde = 0.0;
                  }},
         }) {
        SCOPED_TRACE(fall.name);
        std::unique_ptr<GrafikLauf> lauf =
            fall.lauf ? std::make_unique<GrafikLauf>("examples/kragwand.xml")
                      : std::make_unique<GrafikLauf>();
        fall.aendern(*lauf->calc);
        double xDrawnMax = 2.0;
        const auto linien = Zeichne(*lauf, xDrawnMax);
        EXPECT_EQ(linien.size(), 2u); // the two reference lines only
        EXPECT_EQ(xDrawnMax, 2.0);
    }
}

} // namespace
