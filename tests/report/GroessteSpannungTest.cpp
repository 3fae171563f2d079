// The steel check designs for the greatest stress of the wall: over the support cases and
// head loads of both signs, permanent and variable, no point of the drawn design lines
// asks more of the profile than the row the check takes, and the wall without anchor
// prints as its greatest moment the greatest in magnitude.

#include "../e2e/Berichtsarten.h"
#include "../host/InputFixture.h"

#include "beam/C1Traeger.h"
#include "graphics/Schnittgroessenlinien.h"
#include "model/C1ZirfCalc.h"
#include "report/Profilbemessung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
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

struct Wand {
    std::string name;
    std::string dokument;
};

// The support cases, each with a head load of each sign in the permanent and in the
// variable load case.
std::vector<Wand> Waende() {
    using berichtsarten::Geaendert;
    using berichtsarten::MitLasten;
    const std::string frei = ExampleText("anker_frei.xml");
    const std::string krag = ExampleText("kragwand.xml");
    const std::vector<Wand> faelle = {
        {"kragwand", krag},
        {"kragwand_geprueft",
         Geaendert(krag, {{"steu.berart", "1"}, {"geom.einbindetiefe", "11.0"}})},
        {"frei", frei},
        {"teil", Geaendert(frei, {{"steu.system", "2"}, {"geom.einspannung", "50"}})},
        {"fest", Geaendert(frei, {{"steu.system", "2"}, {"geom.einspannung", "100"}})},
        {"frei_geprueft", Geaendert(frei, {{"steu.berart", "1"}, {"geom.einbindetiefe", "15.2"}})},
    };
    std::vector<Wand> waende;
    for (const Wand& f : faelle) {
        for (const char* lf : {"1", "2"}) {
            for (const char* h : {"-20", "-1", "10"}) {
                waende.push_back(
                    {f.name + " Lf " + lf + " h " + h,
                     MitLasten(f.dokument,
                               std::string("      <gruppe art=\"1\" lf=\"1\" bez=\"Auflast\" "
                                           "v=\"10\"/>\n      <gruppe art=\"1\" lf=\"2\" "
                                           "bez=\"Verkehr\" v=\"20\"/>\n      <gruppe "
                                           "art=\"0\" lf=\"") +
                                   lf + "\" stelle=\"0\" bez=\"Kopflast\" v=\"0\" h=\"" + h +
                                   "\" m=\"0\"/>")});
            }
        }
    }
    return waende;
}

TEST(GroessteSpannung, NoPointOfTheDesignLinesAsksMoreThanTheRowTheCheckTakes) {
    for (const Wand& w : Waende()) {
        SCOPED_TRACE(w.name);
        InputFixture f(w.dokument);
        f.ReadAll();
        C1Traeger traeger;
        auto calc = std::make_unique<C1ZirfCalc>(&f.in, &traeger);
        calc->CalcBodenmodell();
        calc->CalcWand();
        const C1ZirfCalc& c = *calc;
        const Schnittgroessenlinien l = SchnittgroessenlinienVon(c, f.in);
        ASSERT_FALSE(l.moment.empty());

        const std::vector<profilnachweis::Zeile> zeilen = profilnachweis::Zeilen(c, f.in);
        const double sigmaD = profilnachweis::GroessteSpannung(c, f.in, zeilen);
        for (const profilnachweis::Zeile& z : zeilen) {
            EXPECT_LE(profilnachweis::Spannung(c, f.in, z.md, z.nd), sigmaD) << z.eintrag;
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
            const double sigma = profilnachweis::Spannung(c, f.in, m, Bei(l.normalkraft, p.x));
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
        if (f.in.mitanker == 0) {
            EXPECT_LE(mLinie, std::fabs(c.Mxm) * (1.0 + 1e-9) + 1e-9)
                << "the line has " << mLinie << " at " << yM << " m, the max row " << c.Mxm
                << " at " << c.xm << " m";
        }
    }
}

} // namespace
