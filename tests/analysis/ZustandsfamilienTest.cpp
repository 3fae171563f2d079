// Many variable load cases: where the states of a combination are taken from the shares of
// its permanent loads and of each variable load case alone (the states not listed one by
// one, or listed but combined by their shares), every design value is the one of running
// each state on its own at the built depth, over the support cases, with seven variable
// load cases (128 states per combination).
#include "../host/InputFixture.h"
#include "../support/Examples.h"
#include "../support/VieleLastfaelle.h"

#include "beam/C1Traeger.h"
#include "model/C1ZirfCalc.h"
#include "platform/C1Exception.h"

#include "model/C1ZirfInput.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kVeraenderlich = 7;

struct Fall {
    const char* name;
    const char* beispiel;
    std::function<void(C1ZirfInput&)> aendern;
    bool einzelnIteriert; // the depth needs each state's own free foot
};

std::vector<Fall> Faelle() {
    return {
        {"cantilever", "kragwand.xml", [](C1ZirfInput&) {}, false},
        {"cantilever checked", "kragwand.xml",
         [](C1ZirfInput& in) {
             in.berart = 1;
             in.einbindetiefe = 12.0;
         },
         false},
        {"free foot", "anker_frei.xml", [](C1ZirfInput&) {}, false},
        {"fixed foot", "anker_frei.xml",
         [](C1ZirfInput& in) {
             in.system = 2;
             in.einspannung = 100;
         },
         false},
        {"fixed foot checked", "anker_frei.xml",
         [](C1ZirfInput& in) {
             in.system = 2;
             in.einspannung = 100;
             in.berart = 1;
             in.einbindetiefe = 20.0;
         },
         false},
        {"partly fixed foot", "anker_frei.xml",
         [](C1ZirfInput& in) {
             in.system = 2;
             in.einspannung = 50;
         },
         true},
    };
}

// A run of the case: every state listed and combined on its own, or the states taken
// from the shares.
struct Lauf {
    Lauf(const Fall& f, bool familien)
        : fixture(vielelastfaelle::VieleLastfaelle(ExampleText(f.beispiel), kVeraenderlich)) {
        fixture.ReadAll();
        f.aendern(fixture.in);
        calc = std::make_unique<C1ZirfCalc>(&fixture.in, &traeger);
        calc->CalcBodenmodell();
        if (!familien) {
            calc->aufzaehlenBis = std::numeric_limits<double>::infinity();
            calc->linearAb = std::numeric_limits<std::size_t>::max();
        } else {
            // A depth that needs each state's free foot lists them; the internal forces
            // take the shares all the same.
            calc->aufzaehlenBis = f.einzelnIteriert ? calc->aufzaehlenBis : 0.0;
            calc->linearAb = 0;
        }
        try {
            status = calc->CalcWand();
        } catch (const C1Exception& e) {
            ADD_FAILURE() << e.text;
        }
    }
    InputFixture fixture;
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc;
    int status = -1;
};

TEST(Zustandsfamilien, TheSharesGiveTheValuesOfEveryStateOnItsOwn) {
    for (const Fall& f : Faelle()) {
        SCOPED_TRACE(f.name);
        const Lauf einzeln(f, false);
        const Lauf geteilt(f, true);
        ASSERT_EQ(einzeln.status, 1);
        ASSERT_EQ(geteilt.status, 1);
        const C1ZirfCalc& e = *einzeln.calc;
        const C1ZirfCalc& g = *geteilt.calc;
        EXPECT_EQ(e.zustaende.size(), 2u * (1u << kVeraenderlich));
        if (!f.einzelnIteriert) {
            // Each combination's permanent loads and each variable load case alone, and
            // the states found to govern.
            EXPECT_LT(g.zustaende.size(), 150u);
        }
        // The depth to the iteration's stop; the design values to the beam's rounding.
        EXPECT_DOUBLE_EQ(g.t, e.t);
        EXPECT_DOUBLE_EQ(g.tGes, e.tGes);
        const auto gleich = [](double a, double b, double rel = 1e-9) {
            return std::fabs(a - b) <= rel * (1.0 + std::fabs(b));
        };
        const struct {
            const char* name;
            double C1ZirfCalc::*wert;
            double rel; // the extremes along the beam are found among the states the run holds
        } werte[] = {
            {"AK", &C1ZirfCalc::AK, 1e-9},       {"MA", &C1ZirfCalc::MA, 1e-9},
            {"MuA", &C1ZirfCalc::MuA, 1e-9},     {"QuA", &C1ZirfCalc::QuA, 1e-9},
            {"QA", &C1ZirfCalc::QA, 1e-9},       {"MHw", &C1ZirfCalc::MHw, 1e-9},
            {"QFuss", &C1ZirfCalc::QFuss, 1e-9}, {"Mxm", &C1ZirfCalc::Mxm, 1e-4},
            {"MF", &C1ZirfCalc::MF, 1e-4},       {"NAnker", &C1ZirfCalc::NAnker, 1e-9},
            {"NHw", &C1ZirfCalc::NHw, 1e-9},     {"NFuss", &C1ZirfCalc::NFuss, 1e-9},
            {"NXm", &C1ZirfCalc::NXm, 1e-3},     {"NMF", &C1ZirfCalc::NMF, 1e-3},
        };
        for (const auto& w : werte) {
            EXPECT_TRUE(gleich(g.*w.wert, e.*w.wert, w.rel))
                << w.name << ": " << g.*w.wert << " from the shares, " << e.*w.wert
                << " state by state";
        }
        // The envelope along the wall and the vertical forces' least state at the foot.
        for (int p = 0; p <= 40; ++p) {
            const double x = p * e.pTraeger->GetTL() / 40.0;
            EXPECT_TRUE(gleich(g.MHuelle(x).max, e.MHuelle(x).max)) << x;
            EXPECT_TRUE(gleich(g.MHuelle(x).min, e.MHuelle(x).min)) << x;
            EXPECT_TRUE(gleich(g.QHuelle(x).max, e.QHuelle(x).max)) << x;
            EXPECT_TRUE(gleich(g.QHuelle(x).min, e.QHuelle(x).min)) << x;
            const double y = e.pTraeger->GetTL() - x;
            EXPECT_TRUE(
                gleich(g.NormalkraftGrenzen(y, true).max, e.NormalkraftGrenzen(y, true).max));
            EXPECT_TRUE(
                gleich(g.NormalkraftGrenzen(y, true).min, e.NormalkraftGrenzen(y, true).min));
        }
        // The states the values are of: each the same.
        if (e.MitAnker()) {
            EXPECT_EQ(g.ZustandText(g.massgebend.AK), e.ZustandText(e.massgebend.AK));
        }
        EXPECT_EQ(g.ZustandText(g.MassgebenderVertikalzustand()),
                  e.ZustandText(e.MassgebenderVertikalzustand()));
        EXPECT_EQ(g.ZustandText(g.massgebend.MHw), e.ZustandText(e.massgebend.MHw));
    }
}

} // namespace
