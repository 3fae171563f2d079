// The cantilevered wall of examples/kragwand_sand_lasten.xml, run through zirf: a
// permanent and a variable uniform surcharge and a variable head force, each with the
// factor of its action, against the closed forms of the wall in one sand.
#include "../support/Examples.h"
#include "Bericht.h"
#include "ErgebnisXml.h"
#include "Geschlossen.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using geschlossen::AbstandZumRaster;
using geschlossen::AufRunden;
using geschlossen::Nullstelle;
using geschlossen::SandWand;

// The data of the example document.
constexpr double kGamma = 18.0;    // kN/m³
constexpr double kPhi = 30.0;      // degrees: Ka = 1/3, Kp = 3
constexpr double kHe = 2.5;        // m
constexpr double kGammaG = 1.35;   // permanent: soil and stored material (load case 1)
constexpr double kGammaQ = 1.5;    // variable: traffic and railing (load case 2)
constexpr double kLager = 10.0;    // kN/m², load case 1
constexpr double kVerkehr = 10.0;  // kN/m², load case 2
constexpr double kGelaender = 2.0; // kN/m at the head, load case 2
constexpr double kP = 1.0 / 1.4;   // eta_p / gamma_Ep
constexpr double kRundung = 0.10;  // m
constexpr double kWely = 1100.0;   // cm³/m
constexpr double kA = 110.0;       // cm²/m
constexpr double kG = 86.0;        // kg/m

constexpr double kTolT = 0.002;
constexpr double kGedruckt = 0.005 + 1e-9;

// The governing combination 1.35·(1) + 1.5·(2): the soil and the stored material with
// gamma_G, the traffic and the railing with gamma_Q.
SandWand Wand() {
    SandWand w{kGamma, kPhi, kHe, kGammaG, kP};
    w.lastenD = {w.AuflastD(kGammaG, kLager), w.AuflastD(kGammaQ, kVerkehr)};
    w.kopfkraftD = kGammaQ * kGelaender;
    return w;
}

// Balance about the foot: 1.35·(gamma·Ka·t³/6 + 10·Ka·t²/2) + 1.5·(10·Ka·t²/2 + 2·t)
// = gamma·Kp·(t - He)³/(6·1.4).
double Tiefe(const SandWand& w) {
    return Nullstelle([&](double t) { return w.MomentD(t, t); }, kHe + 0.01, 30.0);
}

TEST(KragwandLasten, EveryLoadWithTheFactorOfItsAction) {
    const SandWand w = Wand();
    const double t = Tiefe(w);
    EXPECT_NEAR(t, 7.781, 0.001); // by hand, from the balance above
    const double total = t + 0.2 * (t - kHe);
    ASSERT_GT(AbstandZumRaster(total, kRundung), 1.2 * kTolT);
    EXPECT_NEAR(AufRunden(total, kRundung), 8.9, 1e-9);

    const ZirfLauf lauf = RunZirf(ExampleText("kragwand_sand_lasten.xml"));
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "delta_t").value_or(-1.0), 0.2 * (t - kHe), 0.2 * kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), 8.9, 1e-9);
    // The combination with the variable loads is the deeper one.
    EXPECT_EQ(xml.Text({"geometrie"}, "massgebende_LK").value_or(""), "1");

    // The beam takes the same loads with the same factors. At the excavation level:
    // 1.35·(18/3·2.5³/6 + 10/3·2.5²/2) + 1.5·(10/3·2.5²/2 + 2·2.5) = 58.28 kNm/m.
    const double mSohle = w.BiegemomentD(kHe);
    EXPECT_NEAR(mSohle, 58.2813, 0.0001);
    // The largest moment where the design shear vanishes below the excavation level.
    const double z = Nullstelle([&](double y) { return w.EaD(y) - w.EpD(y); }, kHe, t);
    const struct {
        const char* stelle;
        double y, yTol, m, mTol;
    } zeilen[] = {
        {"Sohle", kHe, 0.0005, mSohle, kGedruckt},
        // Interpolated between the beam's 21 points, where the moment is flat.
        {"max", z, 0.01, w.BiegemomentD(z), 0.05},
    };
    for (const auto& r : zeilen) {
        SCOPED_TRACE(r.stelle);
        const auto zellen = BerichtsZeile(lauf.bericht, r.stelle);
        ASSERT_EQ(zellen.size(), 5u);
        EXPECT_NEAR(ZahlInZelle(zellen, 1).value_or(-1.0), r.y, r.yTol);
        EXPECT_NEAR(std::fabs(ZahlInZelle(zellen, 2).value_or(0.0)), r.m, r.mTol);
    }

    // Stress of the largest moment with the own weight above it and of the whole wall.
    const double n = kGammaG * kG * z / 100.0;
    const double sigmaD = 100.0 * w.BiegemomentD(z) / kWely + (n + t * kG / 100.0) / kA;
    EXPECT_NEAR(xml.Wert({"profil"}, "sigma_d").value_or(-1.0), sigmaD, 0.05 * 100.0 / kWely);
}

} // namespace
