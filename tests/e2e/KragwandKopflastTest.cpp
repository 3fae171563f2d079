// A cantilevered wall in one dry sand with a permanent head load pulling towards the soil
// (tests/e2e/data/kragwand_kopflast.xml), run through zirf: the greatest moment is the
// greatest in magnitude, however small the pull, and the steel check designs for it. By
// hand from the closed forms of the wall clamped at its foot.
#include "Bericht.h"
#include "ErgebnisXml.h"
#include "Geschlossen.h"
#include "ZirfLauf.h"

#include "../support/Examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using geschlossen::Nullstelle;
using geschlossen::SandWand;

// The data of the document.
constexpr double kGamma = 18.5;         // kN/m³
constexpr double kPhi = 28.5;           // degrees
constexpr double kDeltaA = 19.0;        // degrees; none in front
constexpr double kHe = 2.9;             // m
constexpr double kGammaG = 1.35;        // the one combination 1.35·(1)
constexpr double kAuflast = 39.0;       // kN/m², load case 1
constexpr double kP = 1.0 / 1.4;        // eta_p / gamma_Ep
constexpr double kWely = 1100.0;        // cm³/m
constexpr double kA = 110.0;            // cm²/m
constexpr double kG = 86.0;             // kg/m²
constexpr double kSigmaRd = 35.5 / 1.1; // kN/cm²
constexpr double kPi = 3.14159265358979323846;

// The document with the head load h (kN/m) of load case 1.
std::string Dokument(double h) {
    std::string d = SourceText("tests/e2e/data/kragwand_kopflast.xml");
    const std::size_t kopf = d.find("bez=\"Kopfzug\"");
    const std::size_t wert = d.find(" h=\"0\"", kopf) + 4;
    return d.replace(wert, 1, std::to_string(h));
}

// The wall of the governing (the only) state: the soil, the surcharge and the head load
// with gamma_G.
SandWand Wand(double h) {
    SandWand w{kGamma, kPhi, kHe, kGammaG, kP};
    w.deltaA = kDeltaA;
    w.lastenD = {w.AuflastD(kGammaG, kAuflast)};
    w.kopfkraftD = kGammaG * h;
    return w;
}

TEST(KragwandKopflast, TheGreatestMomentIsTheGreatestInMagnitudeAndTheSteelCheckTakesIt) {
    const struct {
        double h;      // head load, kN/m (negative: towards the soil)
        double tHand;  // depth by hand from the balance about the foot
        double mHand;  // |M|max by hand
        bool erfuellt; // the profile passes
    } faelle[] = {
        {0.0, 9.4456, 383.75, false},
        {-0.1, 9.4417, 382.84, false},
        {-1.0, 9.4055, 374.67, false},
        {-5.0, 9.2402, 338.59, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE("h = " + std::to_string(f.h));
        const SandWand w = Wand(f.h);
        // Balance about the foot: the depth where the design moment of both sides vanishes.
        const double t = Nullstelle([&](double y) { return w.MomentD(y, y); }, kHe + 0.01, 30.0);
        EXPECT_NEAR(t, f.tHand, 0.0002);
        // The greatest moment where the design shear vanishes below the excavation level;
        // above it the moment is small whatever the head load does.
        const double z = Nullstelle([&](double y) { return w.EaD(y) - w.EpD(y); }, kHe, t);
        const double mMax = w.BiegemomentD(z);
        EXPECT_NEAR(mMax, f.mHand, 0.01);

        const ZirfLauf lauf = RunZirf(Dokument(f.h));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const ErgebnisXml xml(lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, 0.002);

        const auto max = BerichtsZeile(lauf.bericht, "max");
        ASSERT_EQ(max.size(), 5u);
        // Between the beam's points, where the moment is flat.
        EXPECT_NEAR(ZahlInZelle(max, 1).value_or(-1.0), z, 0.01);
        EXPECT_NEAR(std::fabs(ZahlInZelle(max, 2).value_or(0.0)), mMax, 0.005 * mMax);
        const auto sohle = BerichtsZeile(lauf.bericht, "Sohle");
        ASSERT_EQ(sohle.size(), 5u);
        EXPECT_NEAR(std::fabs(ZahlInZelle(sohle, 2).value_or(0.0)), w.BiegemomentD(kHe), 0.006);

        // The normal force at the greatest moment: the wall's weight and the vertical
        // component of the active earth pressure above it, with gamma_G; the passive side
        // has no wall friction. The stress adds the wall's weight down to its foot.
        const double eah = w.KaH() * (kAuflast * z + kGamma * z * z / 2.0);
        const double n = kGammaG * (kG * z / 100.0 + eah * std::tan(kDeltaA * kPi / 180.0));
        const double sigmaD = 100.0 * mMax / kWely + (n + kG * t / 100.0) / kA;
        EXPECT_NEAR(xml.Wert({"profil"}, "sigma_d").value_or(-1.0), sigmaD, 0.005 * sigmaD);
        EXPECT_NEAR(xml.Wert({"profil"}, "ausnutzung").value_or(-1.0), sigmaD / kSigmaRd,
                    0.005 * sigmaD / kSigmaRd);
        const bool erfuellt =
            lauf.bericht.find("Bedingung erf\\u252") != std::string::npos ||
            rtfcheck::BodyText(lauf.bericht).find("Bedingung erfüllt") != std::string::npos;
        EXPECT_EQ(erfuellt, f.erfuellt);
        EXPECT_EQ(erfuellt, sigmaD / kSigmaRd <= 1.0);
    }
}

} // namespace
