// The anchored wall of examples/anker_sand.xml (free foot), run through zirf, against the
// closed forms of a wall in one sand without water, loads or wall friction: the foot
// lies where the design moments about the anchor balance, and the anchor takes what the
// passive side leaves of the active force.
#include "../support/Examples.h"
#include "Bericht.h"
#include "Dokument.h"
#include "ErgebnisXml.h"
#include "Geschlossen.h"
#include "ZirfLauf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace {

using geschlossen::AbstandZumRaster;
using geschlossen::AufRunden;
using geschlossen::Figuren;
using geschlossen::Nullstelle;
using geschlossen::SandWand;
using geschlossen::Streuung;

// The data of the example document.
constexpr double kGamma = 18.0;   // kN/m³
constexpr double kPhi = 30.0;     // degrees: Ka = 1/3, Kp = 3
constexpr double kHe = 7.0;       // m
constexpr double kAnker = 1.5;    // anchor depth, m
constexpr double kNeigung = 15.0; // anchor inclination, degrees
constexpr double kGammaG = 1.35;  // gamma_G, also the rule factor of the combination
constexpr double kP = 1.0 / 1.4;  // eta_p / gamma_Ep
constexpr double kRundung = 0.10; // m
constexpr double kWely = 2500.0;  // cm³/m
constexpr double kA = 180.0;      // cm²/m
constexpr double kG = 140.0;      // kg/m
constexpr double kSigmaRd = 355.0 / (10.0 * 1.1);
constexpr double kDeg = 3.14159265358979323846 / 180.0;

// The anchored iteration stops once its step is below 1 cm.
constexpr double kTolT = 0.01;
constexpr double kGedruckt1 = 0.05 + 1e-9;  // printed with one decimal
constexpr double kGedruckt2 = 0.005 + 1e-9; // printed with two decimals

const std::string kDokument = ExampleText("anker_sand.xml");

SandWand Wand(Figuren oben = {}) {
    return SandWand{kGamma, kPhi, kHe, kGammaG, kP, std::move(oben)};
}

// Free foot: the design moments about the anchor balance at the foot depth t.
double Tiefe(const SandWand& w) {
    return Nullstelle([&](double t) { return w.MomentD(t, kAnker); }, kHe + 0.01, 40.0);
}
// With no force at the foot the anchor takes E_a,d - E_p,d.
double Ankerkraft(const SandWand& w, double t) {
    return w.EaD(t) - w.EpD(t);
}

// Lever arm about the anchor of the passive triangle's resultant, 2/3 of the embedment
// below the excavation level.
double HebelPassiv(double t) {
    return (kHe - kAnker) + 2.0 / 3.0 * (t - kHe);
}

// Layerings of the same sand: one layer, or two with a boundary between the anchor and
// the excavation level, or below the excavation level, between it and the foot.
constexpr Schichtung kSchichtungen[] = {
    {"eine Schicht", 0.0}, {"geteilt bei 4 m", 4.0}, {"geteilt bei 9 m", 9.0}};

std::string Dokument(const Schichtung& s) {
    return MitSchichtung(kDokument, s);
}

TEST(AnkerSand, ClosedFormsAgree) {
    const SandWand w = Wand();
    const double t = Tiefe(w);
    // Hand value: 8.1·(t³/3 - 1.5·t²/2) = 38.571·((t-7)³/3 + 5.5·(t-7)²/2) at t = 11.479.
    EXPECT_NEAR(t, 11.479, 0.001);
    // The anchor force from the moments about the foot is the same.
    EXPECT_NEAR(Ankerkraft(w, t), -w.MomentD(t, t) / (t - kAnker), 1e-6);
    EXPECT_NEAR(Ankerkraft(w, t), 146.74, 0.01);
}

TEST(AnkerSand, FootAndAnchorForceFromTheBalanceAboutTheAnchor) {
    const SandWand w = Wand();
    const double t = Tiefe(w);
    ASSERT_GT(AbstandZumRaster(t, kRundung), kTolT);
    EXPECT_NEAR(AufRunden(t, kRundung), 11.5, 1e-9);
    const auto ak = [&](double x) { return Ankerkraft(w, x); };
    // At the balance the passive side is used up exactly.
    const auto quote = [&](double x) {
        return w.fAktiv * geschlossen::Moment(w.Aktiv(), x, kAnker) / HebelPassiv(x) / w.EpD(x);
    };
    EXPECT_NEAR(quote(t), 1.0, 1e-9);

    for (const Schichtung& schichtung : kSchichtungen) {
        SCOPED_TRACE(schichtung.name);
        const ZirfLauf lauf = RunZirf(Dokument(schichtung));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        EXPECT_EQ(lauf.meldungen, "");
        const ErgebnisXml xml(lauf.ergebnis);
        ASSERT_EQ(xml.AnzahlResult(), 1);

        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
        // A free foot gets no added depth; the depth is only rounded up.
        EXPECT_EQ(xml.Wert({"geometrie"}, "delta_t"), 0.0);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), 11.5, 1e-9);
        EXPECT_EQ(xml.Text({"geometrie"}, "massgebende_LK").value_or(""), "1");
        EXPECT_NEAR(xml.Wert({"trag", "horizontal"}, "ausnutzung").value_or(-1.0), 1.0,
                    Streuung(quote, t, kTolT));

        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2)
                        .value_or(-1.0),
                    ak(t), kGedruckt1 + Streuung(ak, t, kTolT));
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "rechnerische Einbindetiefe"), 2)
                        .value_or(-1.0),
                    t, kGedruckt2 + kTolT);
        EXPECT_TRUE(BerichtsZeile(lauf.bericht, "Rammtiefenzuschlag").empty());
    }
}

// The given depth of the check-mode runs: just above the foot the balance asks for (a wall
// at least as long as that stands as designed).
constexpr double kGegeben = 11.4;

// The example in check mode at the given depth: one trial depth, so every value below
// follows from the closed forms at an exact depth, up to the printed decimals.
std::string NachweisDokument(const Schichtung& s = kSchichtungen[0]) {
    return MitAttribut(MitAttribut(Dokument(s), "steu", "berart", "1"), "geom", "einbindetiefe",
                       "11.4");
}
const ZirfLauf& Nachweislauf() {
    static const ZirfLauf lauf = RunZirf(NachweisDokument());
    return lauf;
}

// At a given depth the passive side is mobilised as far as the wall needs it, at most its
// design share: a wall shorter than its balance needs takes all of that, and its foot
// carries the rest. The program works on its own earth-pressure coefficients, which agree
// with Rankine's to a few parts in 10^5: the values that follow from them are compared to
// 1e-4 of their size.
constexpr double kAnteilRel = 1e-4;
SandWand NachweisWand() {
    return Wand();
}

// The anchor force of a given depth from the design moments about the foot.
double AnkerkraftBeiTiefe(const SandWand& w, double t) {
    return -w.MomentD(t, t) / (t - kAnker);
}

// Check mode with a free foot: the check compares the design moments about the anchor,
// reported as support forces over (t - a).
TEST(AnkerSand, ChecksAGivenEmbedmentByItsMomentsAboutTheAnchor) {
    const ZirfLauf& lauf = Nachweislauf();
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);

    const double t = kGegeben;
    const SandWand w = Wand();
    const double ma = kGammaG * geschlossen::Moment(w.Aktiv(), t, kAnker);
    const double mp = kP * geschlossen::Moment(w.Passiv(), t, kAnker);
    const double rel = 1e-9;
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, rel * t);
    EXPECT_EQ(xml.Wert({"geometrie"}, "delta_t"), 0.0);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), t, rel * t);
    EXPECT_NEAR(xml.Wert({"nachweise"}, "SummeQuerkraefte_aktiv").value_or(-1.0), ma / (t - kAnker),
                rel * ma);
    EXPECT_NEAR(xml.Wert({"nachweise"}, "SummeQuerkraefte_passiv").value_or(-1.0),
                mp / (t - kAnker), rel * mp);
    EXPECT_NEAR(xml.Wert({"nachweise"}, "Ausnutzung").value_or(-1.0), ma / mp, rel);
    // The depth lies just above the one the balance asks for: the check fails, barely.
    EXPECT_GT(ma / mp, 1.0);
    EXPECT_LT(ma / mp, 1.05);
    EXPECT_NEAR(
        ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2).value_or(-1.0),
        AnkerkraftBeiTiefe(NachweisWand(), t), kGedruckt1);
}

// The support checks: the passive side must take the support force that the moments
// about the anchor ask for, B_h,d, the active design moment about the anchor over the
// lever arm of the passive triangle's resultant, (He - a) + 2/3·(t - He). Without wall
// friction the vertical forces are the wall's weight down to its foot and the anchor's
// vertical component, tan 15° times the anchor force, each with gamma_G: the state's
// normal force at the foot; nothing acts upward.
TEST(AnkerSand, SupportChecksOfTheFreeFoot) {
    const ZirfLauf& lauf = Nachweislauf();
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);
    const double t = kGegeben;
    const SandWand w = Wand();

    const double bhk = geschlossen::Moment(w.Aktiv(), t, kAnker) / HebelPassiv(t);
    const double bhd = kGammaG * bhk;
    const double ephd = w.EpD(t);
    const double rel = 1e-9;
    EXPECT_NEAR(xml.Wert({"trag", "horizontal"}, "bhd").value_or(-1.0), bhd, rel * bhd);
    EXPECT_NEAR(xml.Wert({"trag", "horizontal"}, "ephd").value_or(-1.0), ephd, rel * ephd);
    // The verdict also holds the share of the passive side the moments about the anchor ask
    // for, ma/mp: here a little more than bhd/ephd.
    const double ma = kGammaG * geschlossen::Moment(w.Aktiv(), t, kAnker);
    const double mp = kP * geschlossen::Moment(w.Passiv(), t, kAnker);
    ASSERT_GT(ma / mp, bhd / ephd);
    EXPECT_NEAR(xml.Wert({"trag", "horizontal"}, "ausnutzung").value_or(-1.0), ma / mp,
                kAnteilRel * ma / mp);

    const double unten = kGammaG * kG * t / 100.0 +
                         std::tan(kNeigung * kDeg) * AnkerkraftBeiTiefe(NachweisWand(), t);
    EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "nach_unten").value_or(-1.0), unten,
                2.0 * kAnteilRel * unten);
    EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "summe").value_or(-1.0), unten,
                2.0 * kAnteilRel * unten);
    EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "nach_oben").value_or(-1.0), 0.0, 1e-9);
    EXPECT_NEAR(xml.Wert({"trag", "vertikal"}, "ausnutzung").value_or(-1.0), 0.0, 1e-9);
}

// Bending moment at depth y below the anchor, for the given depth and its anchor force.
double MomentBeiTiefe(const SandWand& w, double y) {
    return w.BiegemomentD(y) - AnkerkraftBeiTiefe(w, kGegeben) * (y - kAnker);
}
// The zero of the shear below the anchor: the force above equals the anchor force.
double NullQuerkraft(const SandWand& w) {
    const double ak = AnkerkraftBeiTiefe(w, kGegeben);
    return Nullstelle([&](double y) { return w.EaD(y) - w.EpD(y) - ak; }, kAnker, kHe);
}

// The wall as a beam on the anchor and the foot: moment at the anchor from the cantilever
// above it (1.35·18/3·1.5³/6 = 4.556 kNm/m), at the excavation level and at the zero of
// the shear below the anchor (368.6 kNm/m at 6.01 m).
TEST(AnkerSand, DesignMoments) {
    const SandWand w = NachweisWand();
    const double z = NullQuerkraft(w);
    EXPECT_NEAR(w.BiegemomentD(kAnker), 4.55625, 1e-9);
    const struct {
        const char* stelle;
        double y, yTol, m, mTol;
    } zeilen[] = {
        {"Anker", kAnker, 0.0005, w.BiegemomentD(kAnker), kGedruckt2},
        {"Sohle", kHe, 0.0005, std::fabs(MomentBeiTiefe(w, kHe)), kGedruckt2},
        // The zero of the shear is interpolated between the beam's 21 points (0.575 m
        // apart), where the moment is flat.
        {"max", z, 0.02, std::fabs(MomentBeiTiefe(w, z)), 0.02},
    };

    for (const Schichtung& schichtung : kSchichtungen) {
        SCOPED_TRACE(schichtung.name);
        const ZirfLauf lauf = RunZirf(NachweisDokument(schichtung));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        for (const auto& r : zeilen) {
            SCOPED_TRACE(r.stelle);
            const auto zellen = BerichtsZeile(lauf.bericht, r.stelle);
            ASSERT_EQ(zellen.size(), 5u);
            EXPECT_NEAR(ZahlInZelle(zellen, 1).value_or(-1.0), r.y, r.yTol);
            EXPECT_NEAR(std::fabs(ZahlInZelle(zellen, 2).value_or(0.0)), r.m,
                        r.mTol + kAnteilRel * r.m);
        }
        // The foot is a hinge: no foot row.
        EXPECT_TRUE(BerichtsZeile(lauf.bericht, "Einspannmoment").empty());
        const ErgebnisXml xml(lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"profil"}, "sigma_rd").value_or(-1.0), kSigmaRd, 1e-9);
    }
}

// The design normal force at a depth takes the wall's own weight down to that depth and
// the anchor's vertical component, whichever layer holds the foot: at the point of the
// largest moment (y = 6.012 m) 1.35·140·6.012/100 + tan 15°·146.7 = 11.36 + 39.31 =
// 50.67 kN/m, also with the sand split at 4 or 9 m.
TEST(AnkerSand, NormalForcesAndProfileStress) {
    const SandWand w = NachweisWand();
    const double z = NullQuerkraft(w);
    const double v = std::tan(kNeigung * kDeg) * AnkerkraftBeiTiefe(w, kGegeben);
    // Own weight above the point and the anchor's vertical design component.
    const auto normalkraft = [&](double y) { return kGammaG * kG * y / 100.0 + v; };
    const double sigmaD = 100.0 * std::fabs(MomentBeiTiefe(w, z)) / kWely +
                          (normalkraft(z) + kGegeben * kG / 100.0) / kA;
    const double tol =
        0.02 * 100.0 / kWely + 0.02 * kGammaG * kG / 100.0 / kA + kAnteilRel * sigmaD;

    for (const Schichtung& schichtung : kSchichtungen) {
        SCOPED_TRACE(schichtung.name);
        const ZirfLauf lauf = RunZirf(NachweisDokument(schichtung));
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "Sohle"), 3).value_or(-1.0),
                    normalkraft(kHe), kGedruckt2 + kAnteilRel * v);
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "max"), 3).value_or(-1.0),
                    normalkraft(z), kGedruckt2 + kAnteilRel * v + kGammaG * kG / 100.0 * 0.02);
        const ErgebnisXml xml(lauf.ergebnis);
        EXPECT_NEAR(xml.Wert({"profil"}, "sigma_d").value_or(-1.0), sigmaD, tol);
        EXPECT_NEAR(xml.Wert({"profil"}, "ausnutzung").value_or(-1.0), sigmaD / kSigmaRd,
                    tol / kSigmaRd);
    }
}

// Redistribution of the active pressure above the excavation level keeps its force,
// em·He with em = gamma·Ka·He/2, and changes its shape by the anchor depth: here
// a = 1.5 m > 0.2·He. Below the excavation the triangle goes on unchanged.
TEST(AnkerSand, RedistributedActivePressure) {
    const double em = kGamma / 3.0 * kHe / 2.0;
    const double h2 = kHe / 2.0;
    const struct {
        const char* name;
        const char* kumlag;
        const char* druckNach;
        const char* druckBau;
        Figuren oben;
        double tGes;
    } faelle[] = {
        {"keine Umlagerung", "1", "1", "0", {}, 11.5},
        {"Trapez", "0", "1", "0", {{0.0, kHe, em, em}}, 11.2},
        {"Trapez Bauzustand", "0", "1", "1", {{0.0, kHe, 0.5 * em, 1.5 * em}}, 11.4},
        {"zwei Rechtecke",
         "0",
         "0",
         "0",
         {{0.0, h2, 1.2 * em, 1.2 * em}, {h2, kHe, 0.8 * em, 0.8 * em}},
         11.1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string dokument = MitAttribut(kDokument, "steu", "kumlag", f.kumlag);
        dokument = MitAttribut(dokument, "steu", "druck_nach", f.druckNach);
        dokument = MitAttribut(dokument, "steu", "druck_bau", f.druckBau);
        const ZirfLauf lauf = RunZirf(dokument);
        ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
        const ErgebnisXml xml(lauf.ergebnis);

        const SandWand w = Wand(f.oben);
        EXPECT_NEAR(geschlossen::Kraft(w.Aktiv(), kHe), em * kHe, 1e-9) << "the force is kept";
        const double t = Tiefe(w);
        ASSERT_GT(AbstandZumRaster(t, kRundung), kTolT);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
        EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), f.tGes, 1e-9);
        EXPECT_NEAR(AufRunden(t, kRundung), f.tGes, 1e-9);
        const auto ak = [&](double x) { return Ankerkraft(w, x); };
        EXPECT_NEAR(ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2)
                        .value_or(-1.0),
                    ak(t), kGedruckt1 + Streuung(ak, t, kTolT));
    }
}

// A permanent horizontal force at the head: it turns about the anchor against the earth
// pressure below (lever -a) and goes to the anchor whole.
TEST(AnkerSand, HeadForceGoesToTheAnchor) {
    constexpr double kKopfkraft = 10.0; // kN/m, load case 1
    std::string dokument = kDokument;
    dokument.replace(dokument.find("<last/>"), 7,
                     "<last><gruppe art=\"0\" lf=\"1\" stelle=\"0\" bez=\"Kopfkraft\" v=\"0\" "
                     "h=\"10\" m=\"0\"/></last>");
    SandWand w = Wand();
    w.kopfkraftD = kGammaG * kKopfkraft;
    const double t = Tiefe(w); // 11.454 m, 2.5 cm above the foot without it
    ASSERT_GT(AbstandZumRaster(t, kRundung), kTolT);
    const auto ak = [&](double x) { return Ankerkraft(w, x); }; // 162.3 kN/m

    const ZirfLauf lauf = RunZirf(dokument);
    ASSERT_EQ(lauf.status, 0) << lauf.meldungen;
    const ErgebnisXml xml(lauf.ergebnis);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_cal").value_or(-1.0), t, kTolT);
    EXPECT_NEAR(xml.Wert({"geometrie"}, "t_ges").value_or(-1.0), AufRunden(t, kRundung), 1e-9);
    EXPECT_NEAR(
        ZahlInZelle(BerichtsZeile(lauf.bericht, "Ankerkraft horizontal", "Ad"), 2).value_or(-1.0),
        ak(t), kGedruckt1 + Streuung(ak, t, kTolT));
    // Above the anchor the head force adds its moment to the earth pressure's.
    const auto anker = BerichtsZeile(lauf.bericht, "Anker");
    EXPECT_NEAR(std::fabs(ZahlInZelle(anker, 2).value_or(0.0)), w.BiegemomentD(kAnker), kGedruckt2);
}

} // namespace
