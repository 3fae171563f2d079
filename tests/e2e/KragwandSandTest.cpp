// The cantilevered wall of examples/kragwand_sand.xml, run through zirf, against the
// closed forms of a wall in one sand without water, loads or wall friction.
#include "../support/Examples.h"
#include "Bericht.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "Geschlossen.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using geschlossen::AbstandZumRaster;
using geschlossen::AufRunden;
using geschlossen::SandWand;

// The data of the example document.
constexpr double kGamma = 18.0;  // kN/m³
constexpr double kPhi = 30.0;    // degrees: Ka = 1/3, Kp = 3
constexpr double kHe = 3.0;      // m
constexpr double kFaktor = 1.35; // rule factor of the governing combination, and gamma_G
constexpr double kGammaEp = 1.4;
constexpr double kEtaP = 1.0;
constexpr double kRundung = 0.05;                 // m
constexpr double kWely = 1100.0;                  // cm³/m
constexpr double kA = 110.0;                      // cm²/m
constexpr double kG = 86.0;                       // kg/m
constexpr double kSigmaRd = 355.0 / (10.0 * 1.1); // fyk / (10·gamma_M), kN/cm²
constexpr int kMassgebend = 2; // the second combination, 1.35·G, outweighs 1.2·G

// The iteration stops once its step is below 1 mm; the root lies within two steps.
constexpr double kTolT = 0.002;
// A value printed with two decimals.
constexpr double kGedruckt = 0.005 + 1e-9;

SandWand Wand(double etaP = kEtaP, double gammaEp = kGammaEp) {
    return SandWand{kGamma, kPhi, kHe, kFaktor, etaP / gammaEp};
}

// Balance of the design moments about the foot, f·gamma·Ka·t³/6 = p·gamma·Kp·(t-He)³/6,
// gives t/(t-He) = rho with rho = (p·Kp/(f·Ka))^(1/3): t = He·rho/(rho-1).
double TiefeGeschlossen(double etaP = kEtaP, double gammaEp = kGammaEp) {
    const double rho =
        std::cbrt(etaP / gammaEp * geschlossen::Kp(kPhi) / (kFaktor * geschlossen::Ka(kPhi)));
    return kHe * rho / (rho - 1.0);
}

// The same root found from the figures, as a check of the figures themselves.
double TiefeAusFiguren() {
    const SandWand w = Wand();
    return geschlossen::Nullstelle([&](double t) { return w.MomentD(t, t); }, kHe + 0.01, 30.0);
}

// Total depth: 20 % of the embedment below the excavation added, rounded up.
double TGes(double t, double rundung) {
    return AufRunden(t + 0.2 * (t - kHe), rundung);
}

const std::string kDokument = ExampleText("kragwand_sand.xml");

TEST(KragwandSand, ClosedFormsAgree) {
    EXPECT_NEAR(geschlossen::Ka(kPhi), 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(geschlossen::Kp(kPhi), 3.0, 1e-12);
    EXPECT_NEAR(TiefeGeschlossen(), TiefeAusFiguren(), 1e-9);
    // Hand value: rho = (3/1.4 / (1.35/3))^(1/3) = 4.7619^(1/3) = 1.6829, t = 7.396 m.
    EXPECT_NEAR(TiefeGeschlossen(), 7.396, 0.001);
}

TEST(KragwandSand, EmbedmentFromTheMomentBalanceAboutTheFoot) {
    const ZirfLauf lauf = RunZirf(kDokument);
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    EXPECT_EQ(lauf.meldungen, "");
    const ErgebnisXml xml(lauf.ergebnis);
    ASSERT_TRUE(xml.Gelesen());
    ASSERT_EQ(xml.AnzahlResult(), 1);

    const double t = TiefeGeschlossen();
    const double total = t + 0.2 * (t - kHe);
    // 8.276 m lies 2.4 cm below the next step, far more than the iteration can move it.
    ASSERT_GT(AbstandZumRaster(total, kRundung), 1.2 * kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "delta_t").value_or(-1.0), 0.2 * (t - kHe), 0.2 * kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), 8.30, 1e-9);
    EXPECT_NEAR(TGes(t, kRundung), 8.30, 1e-9);
    EXPECT_EQ(xml.Text({"geometrie"}, "massgebende_LK").value_or(""), "2");
    EXPECT_FALSE(xml.Element({"nachweise"})) << "no check values in the design mode";

    // The report prints the same values, rounded to two decimals.
    const struct {
        const char* titel;
        const char* symbol;
        double wert;
        double tol;
    } zeilen[] = {
        {"rechnerische Einbindetiefe", "t_cal", t, kGedruckt + kTolT},
        {"Rammtiefenzuschlag", "", 0.2 * (t - kHe), kGedruckt + 0.2 * kTolT},
        {"gewählte Einbindetiefe", "t_ges", 8.30, kGedruckt},
        {"maßgebende Lastkombination", "LK", kMassgebend, 0.0},
    };
    for (const auto& z : zeilen) {
        const auto zellen = BerichtsZeile(lauf.bericht, z.titel, z.symbol);
        EXPECT_NEAR(ZahlInZelle(zellen, 2).value_or(-1.0), z.wert, z.tol) << z.titel;
    }
}

// Layerings of the same sand: one layer, or two with a boundary above the excavation
// level, or below it at 5 m, between the excavation and the point of zero shear.
constexpr Schichtung kSchichtungen[] = {
    {"eine Schicht", 0.0}, {"geteilt bei 2 m", 2.0}, {"geteilt bei 5 m", 5.0}};

std::string Dokument(const Schichtung& s) {
    return MitSchichtung(kDokument, s);
}

// The point of zero design shear below the excavation: z/(z - He) = sqrt(p·Kp/(f·Ka)).
double NullQuerkraft() {
    const double s =
        std::sqrt(kEtaP / kGammaEp * geschlossen::Kp(kPhi) / (kFaktor * geschlossen::Ka(kPhi)));
    return kHe * s / (s - 1.0); // 5.538 m
}

// Design normal force: the wall's own weight above depth y, gamma_G·g·y/100.
double Eigengewicht(double y) {
    return kFaktor * kG * y / 100.0;
}

// The report's row of internal forces at a point: depth, design moment, normal force.
struct Stelle {
    const char* name;
    double y, yTol;
};
// The excavation level is exact; the point of zero shear is interpolated between the
// beam's 21 points (spacing t/20), where the moment is flat.
const Stelle kSohle{"Sohle", kHe, 0.0005};
const Stelle kMax{"max", NullQuerkraft(), 0.01};

// The beam carries the design pressures down to the foot; its moment has closed forms at
// the excavation level, where only the active triangle acts (1.35·18/3·3³/6 = 36.45
// kNm/m), and at the point of zero shear (124.2 kNm/m).
TEST(KragwandSand, DesignMomentsAndProfileStress) {
    const SandWand w = Wand();
    const double t = TiefeGeschlossen();
    const double z = NullQuerkraft();
    EXPECT_NEAR(w.BiegemomentD(kHe), kFaktor * kGamma / 3.0 * std::pow(kHe, 3) / 6.0, 1e-9);

    for (const Schichtung& schichtung : kSchichtungen) {
        SCOPED_TRACE(schichtung.name);
        const ZirfLauf lauf = RunZirf(Dokument(schichtung));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const ErgebnisXml xml(lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), 8.30, 1e-9);

        const struct {
            const Stelle& stelle;
            double m, mTol;
        } zeilen[] = {{kSohle, w.BiegemomentD(kHe), kGedruckt}, {kMax, w.BiegemomentD(z), 0.05}};
        for (const auto& r : zeilen) {
            SCOPED_TRACE(r.stelle.name);
            const auto zellen = BerichtsZeile(lauf.bericht, r.stelle.name);
            ASSERT_EQ(zellen.size(), 5u);
            EXPECT_NEAR(ZahlInZelle(zellen, 1).value_or(-1.0), r.stelle.y, r.stelle.yTol);
            EXPECT_NEAR(std::fabs(ZahlInZelle(zellen, 2).value_or(0.0)), r.m, r.mTol);
        }
        EXPECT_NEAR(std::fabs(ZahlInZelle(BerichtsZeile(lauf.bericht, "max"), 3).value_or(-1.0)),
                    Eigengewicht(z), kGedruckt + kFaktor * kG / 100.0 * kMax.yTol);

        // Stress of the governing row (the largest moment) with the weight of the whole
        // wall: 100·M/Wy + (N + t·g/100)/A.
        const double sigmaD =
            100.0 * w.BiegemomentD(z) / kWely + (Eigengewicht(z) + t * kG / 100.0) / kA;
        const double tol = 0.05 * 100.0 / kWely;
        EXPECT_EQ(xml.Text({"profil"}, "name").value_or(""), "Spundwandprofil U 1100");
        EXPECT_NEAR(xml.Wert({"profil"}, "sigma_rd").value_or(-1.0), kSigmaRd, 1e-9);
        EXPECT_NEAR(xml.Wert({"profil"}, "sigma_d").value_or(-1.0), sigmaD, tol);
        EXPECT_NEAR(xml.Wert({"profil"}, "ausnutzung").value_or(-1.0), sigmaD / kSigmaRd,
                    tol / kSigmaRd);

        // Without wall friction nothing acts vertically but the wall's own weight g·t/100,
        // least in the milder combination's state, 1.2·(1).
        for (const char* name : {"eavk", "cvk", "bvk"}) {
            EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, name).value_or(-1.0), 0.0, 1e-9) << name;
        }
        const double gk = 1.2 * kG * t / 100.0;
        const double gkTol = 1.2 * kG / 100.0 * kTolT;
        EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "gk").value_or(-1.0), gk, gkTol);
        EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "summe").value_or(-1.0), gk, gkTol);
        EXPECT_FALSE(xml.Element({"trag", "horizontal"})) << "a wall without anchor has none";
    }
}

// The design normal force at the excavation level takes the wall's own weight down to
// that level, whichever layer holds the foot: 1.35·86·3.0/100 = 3.48 kN/m, also with the
// sand split at 5 m.
TEST(KragwandSand, NormalForceAtTheExcavationLevel) {
    for (const Schichtung& schichtung : kSchichtungen) {
        SCOPED_TRACE(schichtung.name);
        const ZirfLauf lauf = RunZirf(Dokument(schichtung));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const auto zellen = BerichtsZeile(lauf.bericht, kSohle.name);
        EXPECT_NEAR(std::fabs(ZahlInZelle(zellen, 3).value_or(-1.0)), Eigengewicht(kHe), kGedruckt);
    }
}

// Check mode: the earth support of one trial depth t = d - (d - He)/6 for the given depth d,
// so that t + 0.2·(t - He) = d; the utilisation is the ratio of the design moments about
// that foot. The given 8.30 m holds the designed wall (8.275 m): the wall stands as
// designed, its foot at the balance.
TEST(KragwandSand, ChecksAGivenEmbedmentByItsMoments) {
    const double d = 8.30;
    std::string dokument = MitAttribut(kDokument, "steu", "berart", "1");
    dokument = MitAttribut(dokument, "geom", "einbindetiefe", "8.30");
    const ZirfLauf lauf = RunZirf(dokument);
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);

    const double t = d - (d - kHe) / 6.0;
    const double ma = kFaktor * kGamma / 3.0 * t * t * t / 6.0;
    const double mp = kEtaP / kGammaEp * kGamma * 3.0 * std::pow(t - kHe, 3) / 6.0;
    const double rel = 1e-9;
    const double tEntwurf = TiefeGeschlossen();
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), tEntwurf, kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "delta_t").value_or(-1.0), 0.2 * (tEntwurf - kHe),
                0.2 * kTolT);
    EXPECT_NEAR(xml.Wert({"nachweise"}, "t_erf").value_or(-1.0), 1.2 * tEntwurf - 0.2 * kHe,
                1.2 * kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), d, rel * d);
    EXPECT_EQ(xml.Text({"geometrie"}, "massgebende_LK").value_or(""), "2");
    EXPECT_NEAR(xml.Wert({"nachweise"}, "SummeMomente_aktiv").value_or(-1.0), ma, rel * ma);
    EXPECT_NEAR(xml.Wert({"nachweise"}, "SummeMomente_passiv").value_or(-1.0), mp, rel * mp);
    EXPECT_NEAR(xml.Wert({"nachweise"}, "Ausnutzung").value_or(-1.0), ma / mp, rel);
    // The designed depth of the example passes: the utilisation lies just below 1.
    EXPECT_LT(ma / mp, 1.0);
    EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "Ausnutzungsgrad", "AG"), 2).value_or(-1.0),
                ma / mp, kGedruckt);
}

// The passive side enters with eta_p/gamma_Ep, and the total depth is rounded to the
// input's step: each changes the depth as the closed form says.
TEST(KragwandSand, PassiveFactorsAndRoundingStep) {
    const struct {
        const char* name;
        const char* element;
        const char* attribut;
        const char* wert;
        double etaP, gammaEp, rundung;
    } faelle[] = {
        {"eta_p 0.8", "geom", "eta_p", "0.8", 0.8, kGammaEp, kRundung},
        {"gamma_Ep 1.3", "teil", "gep1", "1.3", kEtaP, 1.3, kRundung},
        {"Rundung 25 cm", "geom", "rundung", "25", kEtaP, kGammaEp, 0.25},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const ZirfLauf lauf = RunZirf(MitAttribut(kDokument, f.element, f.attribut, f.wert));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const ErgebnisXml xml(lauf.ergebnis);
        const double t = TiefeGeschlossen(f.etaP, f.gammaEp);
        ASSERT_GT(AbstandZumRaster(t + 0.2 * (t - kHe), f.rundung), 1.2 * kTolT);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), TGes(t, f.rundung), 1e-9);
    }
}

} // namespace
