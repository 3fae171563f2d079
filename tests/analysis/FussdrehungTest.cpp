// The fixed foot of an anchored wall whose water stands 3 m higher in front than behind
// (tests/e2e/data/anker_wasser_vorn.xml): the relieving water takes one factor in every
// sum of the depth iteration and on the beam, so the beam of the designed wall does not
// turn at its foot.
#include "Beispiel.h"

#include "model/Bemessungslinie.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// EI times the rotation at the foot support of the span between anchor and foot, by the
// work of the design moment line of state z on a unit moment at the foot (Simpson's rule),
// and the same work of the moment's magnitude, the largest rotation those moments could
// give: its scale.
struct Fussdrehung {
    double drehung = 0.0;
    double skala = 0.0;
};

Fussdrehung DrehungAmFuss(const C1ZirfCalc& c, double A, std::size_t z) {
    const wand::Bemessung linie = c.bemessungsSchar.Zustand(z);
    // The beam runs from its lower end at tGes (x = 0) up to the head.
    const auto moment = [&](double y) { return linie.M(c.tGes - y); };
    constexpr int kSchritte = 400;
    const double h = (c.t - A) / kSchritte;
    Fussdrehung f;
    for (int i = 0; i <= kSchritte; ++i) {
        const double y = A + i * h;
        const double gewicht = (i == 0 || i == kSchritte) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        const double einheit = (y - A) / (c.t - A);
        f.drehung += gewicht * moment(y) * einheit * h / 3.0;
        f.skala += gewicht * std::fabs(moment(y)) * einheit * h / 3.0;
    }
    return f;
}

TEST(Fussdrehung, FixedFootWithRelievingWaterDoesNotTurn) {
    // With and without the redistribution of the active pressure above the excavation.
    for (const int kumlag : {1, 0}) {
        SCOPED_TRACE(kumlag);
        Beispiel b("tests/e2e/data/anker_wasser_vorn.xml",
                   [kumlag](C1ZirfInput& in) { in.kumlag = kumlag; });
        C1ZirfCalc& c = *b.calc;
        ASSERT_EQ(c.CalcWand(), 1);
        const double A = b.f.in.tiefe_anker;
        const auto z = static_cast<std::size_t>(c.iZustand);
        // The designed state holds the whole design share of the passive side.
        const double etaGep = b.f.in.eta_p / c.gep;
        EXPECT_NEAR(c.anteilPassivZustand.at(z), etaGep, 1e-6);
        const Fussdrehung f = DrehungAmFuss(c, A, z);
        ASSERT_GT(f.skala, 100.0);
        // The iteration stops within 1 cm of the depth where the rotation vanishes; 1 % of
        // the scale is far beyond what that leaves, and far below the third of a free
        // foot's rotation that two factors for the water gave.
        EXPECT_LT(std::fabs(f.drehung), 0.01 * f.skala)
            << "drehung " << f.drehung << " skala " << f.skala;
    }
}

} // namespace
