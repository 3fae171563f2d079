// The check of the vertical forces over the support cases (the wall without anchor, the
// anchored wall with a free, a 50 % and a fixed foot, checked depths) and head loads of
// both signs, permanent and variable, with a vertical part: each state's sum is its own
// normal force at the foot, the check prints the state of the least, and the drawn normal
// force's least line ends at the foot in that sum.

#include "Stuetzfaelle.h"

#include "graphics/Schnittgroessenlinien.h"
#include "model/C1ZirfCalc.h"
#include "report/Vertikalnachweis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(Vertikalnachweis, EachStatesSumIsItsNormalForceAtTheFootAndTheLeastIsPrinted) {
    for (const stuetzfaelle::Wand& w : stuetzfaelle::MitKopflasten({"-20", "15"}, "25")) {
        SCOPED_TRACE(w.name);
        const stuetzfaelle::Rechnung r(w.dokument);
        const C1ZirfCalc& c = *r.calc;
        const C1ZirfInput& in = r.f.in;
        ASSERT_FALSE(c.vertikalZustaende.empty());
        ASSERT_EQ(c.vertikalZustaende.size(), c.zustaende.size());
        double kleinste = 0.0;
        for (std::size_t k = 0; k < c.vertikalZustaende.size(); ++k) {
            const vertikalnachweis::Nachweis n = vertikalnachweis::ImZustand(c, in, k);
            const double fuss = c.NormalkraftBei(c.t, true, c.vertikalZustaende[k]);
            EXPECT_NEAR(n.summe, fuss, 1e-9 * (1.0 + std::fabs(fuss))) << c.ZustandText(k);
            EXPECT_NEAR(n.unten - n.oben, n.summe, 1e-9 * (1.0 + n.unten));
            kleinste = k == 0 ? n.summe : std::min(kleinste, n.summe);
        }
        const vertikalnachweis::Nachweis m = vertikalnachweis::Massgebend(c, in);
        const double toleranz = 1e-9 * (1.0 + std::fabs(kleinste));
        EXPECT_NEAR(m.summe, kleinste, toleranz);
        EXPECT_NEAR(m.summe, c.NormalkraftGrenzen(c.t, true).min, toleranz);

        // The drawn least line at the foot (and below it, where the wall carries nothing).
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, in);
        const auto& linie = l.normalkraftMin.empty() ? l.normalkraft : l.normalkraftMin;
        const double xFuss = l.TL - c.t;
        bool gefunden = false;
        for (const Schnittgroessenlinien::Punkt& p : linie) {
            if (p.x <= xFuss + 1e-9) {
                EXPECT_NEAR(p.wert, m.summe, 1e-9 * (1.0 + std::fabs(m.summe))) << p.x;
                gefunden = true;
            }
        }
        EXPECT_TRUE(gefunden);
    }
}

} // namespace
