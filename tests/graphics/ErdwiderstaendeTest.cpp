// The loading diagram's variant with the passive figures of the wedge in front side by
// side: one figure per record with a positive bottom ordinate, each on its own base line,
// at the picture's scale, and nothing for records without an ordinate.

#include "GrafikLauf.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::uint32_t kMoveTo = 27;
constexpr int kModus = 4;

struct Rec {
    double abt, bist, eo, eu;
};

TEST(Belastungsbild, PassiveFiguresOfTheWedgeSideBySide) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Fall {
        const char* name;
        double eMax; // of the calculation, which the picture leaves as it is
        std::vector<Rec> records;
        std::vector<int> gezeichnet; // records drawn, in order
        std::vector<std::string> titel;
    };
    for (const Fall& fall : {
             Fall{"soil above and below water and a surcharge",
                  40.0,
                  {{3.0, 5.0, 0.0, 20.0}, {5.0, 8.0, 20.0, 50.0}, {3.0, 8.0, 10.0, 10.0}, {}},
                  {0, 1, 2},
                  {"aus Erde", "Momente [kNm/m]", "Querkräfte [kN/m]"}},
             Fall{"no scale of the calculation",
                  0.0,
                  {{3.0, 5.0, 0.0, -1.0}, {5.0, 8.0, 20.0, 50.0}, {}, {3.0, 8.0, 12.0, 12.0}},
                  {1, 3},
                  {"Momente [kNm/m]"}},
             Fall{"nothing to draw",
                  nan,
                  {{3.0, 5.0, 0.0, 0.0},
                   {5.0, 5.0, 20.0, 50.0},
                   {5.0, 8.0, nan, 30.0},
                   {nan, 8.0, 10.0, 10.0}},
                  {},
                  {}},
         }) {
        SCOPED_TRACE(fall.name);
        GrafikLauf lauf("examples/kragwand.xml");
        lauf.f.in.miterdwiderstand = 1;
        C1ZirfCalc& c = *lauf.calc;
        c.eMax = fall.eMax;
        for (std::size_t k = 0; k < fall.records.size(); ++k) {
            C1SchichtErgebnis& e = c.ErgPassiv[static_cast<long long>(k)];
            e = C1SchichtErgebnis{};
            e.abt = fall.records[k].abt;
            e.bist = fall.records[k].bist;
            e.epoh = fall.records[k].eo;
            e.epuh = fall.records[k].eu;
        }
        ASSERT_EQ(lauf.grafik->PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, kModus), 1);
        // A picture changes no result.
        if (std::isfinite(fall.eMax)) {
            EXPECT_EQ(c.eMax, fall.eMax);
        }
        const emf::Reader r = GrafikLauf::Bild("Beanspruchung");
        ASSERT_TRUE(r.Ok());
        const auto& polygone = r.Polygons();
        ASSERT_EQ(polygone.size(), fall.gezeichnet.size());
        EXPECT_EQ(r.Count(kMoveTo), fall.gezeichnet.size());
        std::multiset<std::string> titel(fall.titel.begin(), fall.titel.end());
        EXPECT_EQ(Texte(r), titel);
        if (fall.gezeichnet.empty()) {
            continue;
        }
        ErwarteGesund(r);

        // The scale: the largest ordinate drawn is 3 m wide, whatever the calculation's.
        double eMax = 0.0;
        for (const int k : fall.gezeichnet) {
            eMax =
                std::max({eMax, fall.records[std::size_t(k)].eo, fall.records[std::size_t(k)].eu});
        }
        const double scale = eMax / 3.0;
        double xVorher = -std::numeric_limits<double>::max();
        for (std::size_t n = 0; n < polygone.size(); ++n) {
            const Rec& rec = fall.records[std::size_t(fall.gezeichnet[n])];
            const auto& p = polygone[n];
            ASSERT_EQ(p.size(), 4u);
            // Corners 0 and 3 on the base line at the bottom and the top: metres from them.
            const double sy = (p[0].y - p[3].y) / (rec.bist - rec.abt);
            ASSERT_GT(sy, 0.0);
            EXPECT_EQ(p[0].x, p[3].x);
            constexpr double kTol = 0.05; // m, about one unit of the metafile here
            EXPECT_NEAR((p[1].x - p[0].x) / sy, rec.eu / scale, kTol);
            EXPECT_NEAR((p[2].x - p[3].x) / sy, rec.eo / scale, kTol);
            // Side by side, a quarter of the text height (0.025 m) apart.
            if (n > 0) {
                EXPECT_GE(p[0].x, xVorher);
                EXPECT_LT((p[0].x - xVorher) / sy, 0.025 + kTol);
            }
            xVorher = std::max({p[0].x, p[1].x, p[2].x});
        }
    }
}

} // namespace
