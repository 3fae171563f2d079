#include "../host/InputFixture.h"
#include "WandFixture.h"

#include "analysis/Einbindung.h"
#include "beam/C1Traeger.h"
#include "earthpressure/C1ZirfCalc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// An example document read and its soil model built, ready for the wall analysis.
struct Beispiel {
    explicit Beispiel(const std::string& datei) : f(InputFixture::FromFile(datei)) {
        f.ReadAll();
        calc = std::make_unique<C1ZirfCalc>(&f.in, &traeger);
        calc->CalcBodenmodell();
    }
    InputFixture f;
    C1Traeger traeger;
    std::unique_ptr<C1ZirfCalc> calc;
};

TEST(Beispiele, CantileverInLayeredSoilWithWaterAndLoadsIsInEquilibrium) {
    // Three layers, excess water pressure, a permanent and a variable surcharge and a
    // variable head force: the beam's design foot moment is the iteration's moment sum.
    Beispiel b("examples/kragwand.xml");
    C1ZirfCalc& c = *b.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    const double He = b.f.in.wand_hw;
    EXPECT_GT(c.t, He);
    EXPECT_NEAR(c.deltaTZuschlag, 0.2 * (c.t - He), 1e-12);
    EXPECT_GE(c.tGes, c.t + c.deltaTZuschlag - 1e-9);
    EXPECT_LT(std::fabs(c.SM), 0.01 * c.SMA);
    EXPECT_NEAR(c.MF, -c.SM, 1e-3 * c.SMA);
    // The design moment is largest where the design shear is 0.
    double maxM = 0.0;
    for (int p = 0; p < 21; ++p) {
        maxM = std::max(maxM, std::fabs(c.MDesign[p]));
    }
    EXPECT_NEAR(std::fabs(c.Mxm), maxM, 0.02 * maxM);
}

TEST(Beispiele, FreeAnchoredWallHangsOnItsAnchor) {
    Beispiel b("examples/anker_frei.xml");
    C1ZirfCalc& c = *b.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    const C1ZirfInput& in = b.f.in;
    EXPECT_GT(c.t, in.wand_hw);
    EXPECT_EQ(c.deltaTZuschlag, 0.0);
    const double etaGep = in.eta_p / c.gep;
    const double A = in.tiefe_anker;
    // Supports: 1 the foot, 2 the anchor.
    const double fuss = Bemessungsreaktion(c, 1, etaGep);
    const double anker = Bemessungsreaktion(c, 2, etaGep);
    EXPECT_NEAR(fuss, 0.0, std::fabs(c.SM) / (c.tGes - A) + 2e-3 * c.AK);
    EXPECT_NEAR(anker, c.AK, 2.0 * std::fabs(c.SM) / (c.t - A) + 2e-3 * c.AK);
    // The deflection line is 0 at the anchor's depth (between places 1 and 2 here) and at
    // the foot.
    EXPECT_EQ(c.Durchbiegung[20], 0.0);
}

TEST(Beispiele, FixedAnchoredWallWithBlockAndLineLoads) {
    Beispiel b("examples/anker_eingespannt.xml");
    C1ZirfCalc& c = *b.calc;
    ASSERT_EQ(c.CalcWand(), 1);
    const C1ZirfInput& in = b.f.in;
    EXPECT_EQ(c.einspannArt, in.einspannung >= 100 ? 2 : 1);
    EXPECT_GT(c.t, in.wand_hw);
    EXPECT_GE(c.deltaTZuschlag, 0.2 * (c.t - in.wand_hw) - 1e-12);
    EXPECT_GT(c.AK, 0.0);
}

} // namespace

namespace {

TEST(Beispiele, WallThatNoDepthHoldsDivergesQuickly) {
    Beispiel b("tests/analysis/data/divergiert.xml");
    C1ZirfCalc& c = *b.calc;
    EXPECT_EQ(c.CalcWand(), 2);
    EXPECT_LE(c.t, b.f.in.wand_hw + einbindung::kMaxTiefeUnterAushub + 1.0);
}

} // namespace
