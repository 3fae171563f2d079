#include "earthpressure/Resultante.h"
#include "model/C1Trapez.h"

#include <gtest/gtest.h>

namespace {

// The resultant of a linear figure on a leaning wall keeps the sign of its ordinates: the
// integral of e(y) from yo to yu, (eo + eu)/2·h, acting at the depth of its first moment
// over it, yo + h·(eo + 2·eu)/(3·(eo + eu)), whatever the signs of the two ordinates.
TEST(Resultante, KeepsTheSignOfItsOrdinates) {
    const double yo = 2.0, yu = 5.0, h = yu - yo;
    const double xo = 0.3, xu = 0.9; // the wall leans
    const struct {
        const char* name;
        double eo, eu;
    } faelle[] = {
        {"drueckt", 10.0, 20.0},
        {"entlastet", -10.0, -20.0},
        {"oben entlastend", -10.0, 30.0},
        {"unten entlastend", 30.0, -10.0},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        C1Trapez trapez;
        trapez.CalcViereck(xo, yo, f.eo, yo, xu, yu, f.eu, yu);
        const ResultanteHorizontal r = ResultanteMitVorzeichen(trapez, yo, f.eo, yu, f.eu);
        EXPECT_NEAR(r.Eh, (f.eo + f.eu) / 2.0 * h, 1e-9);
        EXPECT_NEAR(r.yE, yo + h * (f.eo + 2.0 * f.eu) / (3.0 * (f.eo + f.eu)), 1e-9);
    }
}

} // namespace
