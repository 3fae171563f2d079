// The steel check designs for the greatest stress of the wall: over the support cases and
// head loads of both signs, permanent and variable, no point of the drawn design lines
// asks more of the profile than the row the check takes, and the wall without anchor
// prints as its greatest moment the greatest in magnitude.

#include "Stuetzfaelle.h"

#include "graphics/Schnittgroessenlinien.h"
#include "model/C1ZirfCalc.h"
#include "report/Profilbemessung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using Punkt = Schnittgroessenlinien::Punkt;

// The value of a line at x, straight between its points.
double Bei(std::vector<Punkt> linie, double x) {
    std::stable_sort(linie.begin(), linie.end(),
                     [](const Punkt& a, const Punkt& b) { return a.x < b.x; });
    for (std::size_t i = 1; i < linie.size(); ++i) {
        if (x <= linie[i].x) {
            const double dx = linie[i].x - linie[i - 1].x;
            const double s = dx > 0.0 ? (x - linie[i - 1].x) / dx : 1.0;
            return linie[i - 1].wert + s * (linie[i].wert - linie[i - 1].wert);
        }
    }
    return linie.empty() ? 0.0 : linie.back().wert;
}

TEST(GroessteSpannung, NoPointOfTheDesignLinesAsksMoreThanTheRowTheCheckTakes) {
    for (const stuetzfaelle::Wand& w : stuetzfaelle::MitKopflasten({"-20", "-1", "10"}, "0")) {
        SCOPED_TRACE(w.name);
        const stuetzfaelle::Rechnung r(w.dokument);
        const C1ZirfCalc& c = *r.calc;
        const C1ZirfInput& in = r.f.in;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, in);
        ASSERT_FALSE(l.moment.empty());

        const std::vector<profilnachweis::Zeile> zeilen = profilnachweis::Zeilen(c, in);
        const double sigmaD = profilnachweis::GroessteSpannung(c, in, zeilen);
        for (const profilnachweis::Zeile& z : zeilen) {
            EXPECT_LE(profilnachweis::Spannung(c, in, z.md, z.nd), sigmaD) << z.eintrag;
        }
        // The point of the greatest stress and of the greatest moment along the lines.
        double sigmaLinie = 0.0;
        double mLinie = 0.0;
        double ySigma = 0.0;
        double yM = 0.0;
        for (std::size_t i = 0; i < l.moment.size(); ++i) {
            const Punkt& p = l.moment[i];
            double m = std::fabs(p.wert);
            if (i < l.momentMin.size()) {
                m = std::max(m, std::fabs(l.momentMin[i].wert));
            }
            // With the drawn normal force beside the moment.
            const double sigma = profilnachweis::Spannung(c, in, m, Bei(l.normalkraft, p.x));
            if (sigma > sigmaLinie) {
                sigmaLinie = sigma;
                ySigma = l.TL - p.x;
            }
            if (m > mLinie) {
                mLinie = m;
                yM = l.TL - p.x;
            }
        }
        // The point of the greatest stress may lie a little below the greatest moment: the
        // normal force grows with depth where the moment is flat.
        EXPECT_LE(sigmaLinie, sigmaD * (1.0 + 1e-3)) << "at depth " << ySigma << " m";
        if (in.mitanker == 0) {
            EXPECT_LE(mLinie, std::fabs(c.Mxm) * (1.0 + 1e-9) + 1e-9)
                << "the line has " << mLinie << " at " << yM << " m, the max row " << c.Mxm
                << " at " << c.xm << " m";
        }
    }
}

} // namespace
