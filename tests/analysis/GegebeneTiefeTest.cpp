// A checked wall at a given depth: a wall at least as long as its design needs stands as the
// wall designed with the fixity its depth provides, the length beyond carrying nothing, so
// that a longer wall is never worse; a shorter one is computed at its depth and fails.
#include "WandFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using W = WandFixture;

constexpr double kAnker = 1.0; // m
const double kF = W::kEtaP / W::kGep;

// The root of f between a and b by bisection to a few 1e-8 of the interval.
template <class F> double Wurzel(F f, double a, double b) {
    const bool steigend = f(b) > f(a);
    for (int i = 0; i < 30; ++i) {
        const double m = (a + b) / 2.0;
        ((f(m) < 0.0) == steigend ? a : b) = m;
    }
    return (a + b) / 2.0;
}
// The anchored iteration stops once its step is below 1 cm.
constexpr double kTolT = 0.02;

// The designed anchored wall of fixity e (per cent) by hand, all of the design passive
// share mobilised: the free foot where the foot force vanishes; a partly fixed foot where it
// turns by (1 - e/100) times that free foot's rotation; the extra depth for the substitute
// force, C/(2·e_ph,d) at least a fifth of the embedment (none for a free foot).
struct Entwurf {
    double t, deltaT, anker;
    double Gesamt() const { return t + deltaT; }
};
HandWand Hand(double t) {
    return HandWand{t, kAnker, W::kGammaG, 0.0, kF};
}
Entwurf EntwurfVon(double e) {
    const double tFrei = Wurzel([](double t) { return Hand(t).C(); }, W::kHe + 0.1, 25.0);
    if (e <= 0.0) {
        return {tFrei, 0.0, Hand(tFrei).Anker()};
    }
    const double ziel = (1.0 - e / 100.0) * Hand(tFrei).Drehung();
    const double t = Wurzel([ziel](double x) { return Hand(x).Drehung() - ziel; }, tFrei, 25.0);
    const double t0 = t - W::kHe;
    const double blum = W::kGep * std::fabs(Hand(t).C()) / (2.0 * W::kGamma * W::kKp * t0);
    return {t, std::max(blum, 0.2 * t0), Hand(t).Anker()};
}
// The fixity whose designed wall the given depth just holds.
double EinspannungVon(double gegeben) {
    return Wurzel([gegeben](double e) { return EntwurfVon(e).Gesamt() - gegeben; }, 0.01, 100.0);
}

struct Lauf {
    WandFixture w;
    Lauf(int einspannung, int berart, double gegeben) {
        w.Anker(kAnker, einspannung);
        w.in.berart = berart;
        w.in.einbindetiefe = gegeben;
        w.in.rundung = 0.0001;
    }
    const C1ZirfCalc& Rechne() {
        EXPECT_EQ(w.calc->CalcWand(), 1);
        return *w.calc;
    }
};

// The largest design moment along the wall.
double GroesstesMoment(const C1ZirfCalc& c) {
    double m = 0.0;
    for (const double v : c.MDesign) {
        m = std::max(m, std::fabs(v));
    }
    return std::max(m, std::fabs(c.Mxm));
}

TEST(GegebeneTiefe, TheFixityADepthProvidesByHand) {
    // A free foot checked between the depths a barely and a fully fixed foot need: the
    // fixity of the designed wall whose total depth is the given one.
    const double kaum = EntwurfVon(1.0).Gesamt();
    const double voll = EntwurfVon(100.0).Gesamt();
    ASSERT_LT(kaum + 0.5, voll);
    const struct {
        const char* name;
        double gegeben;
    } faelle[] = {{"ein Drittel", kaum + (voll - kaum) / 3.0},
                  {"zwei Drittel", kaum + 2.0 * (voll - kaum) / 3.0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const double e = EinspannungVon(f.gegeben);
        const Entwurf hand = EntwurfVon(e);
        Lauf lauf(0, 1, f.gegeben);
        const C1ZirfCalc& c = lauf.Rechne();
        // A centimetre of depth is a few tenths of a per cent of fixity here.
        const double proProzent = (voll - kaum) / 99.0;
        EXPECT_NEAR(c.einspannungAusTiefe, e, kTolT / proProzent + 0.1);
        EXPECT_NEAR(c.einspannung, c.einspannungAusTiefe, 1e-12);
        EXPECT_NEAR(c.t, hand.t, kTolT);
        EXPECT_LE(c.t + c.deltaTZuschlag, f.gegeben + 1e-6);
        EXPECT_NEAR(c.tGes, f.gegeben, 1e-4); // rounded up to the step of 0.1 mm
        EXPECT_NEAR(c.AK, hand.anker, 5e-3 * hand.anker);
        EXPECT_FALSE(c.gegebeneTiefe);
        // The design of the input's free foot is what the wall needs.
        EXPECT_NEAR(c.tErforderlich, EntwurfVon(0.0).t, kTolT);
    }
}

TEST(GegebeneTiefe, BeyondTheFixedFootTheWallIsFullyFixedAndAtTheFreeFootFree) {
    const Entwurf frei = EntwurfVon(0.0);
    const Entwurf voll = EntwurfVon(100.0);
    const struct {
        const char* name;
        double gegeben, einspannung;
        Entwurf hand;
    } faelle[] = {{"frei", frei.Gesamt() + 0.02, 0.0, frei},
                  {"voll", voll.Gesamt() + 2.0, 100.0, voll}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Lauf lauf(0, 1, f.gegeben);
        const C1ZirfCalc& c = lauf.Rechne();
        EXPECT_EQ(c.einspannungAusTiefe, f.einspannung);
        EXPECT_NEAR(c.t, f.hand.t, kTolT);
        EXPECT_NEAR(c.AK, f.hand.anker, 5e-3 * f.hand.anker);
    }
}

// The anchored wall, free and fixed, and the cantilever: checked at the depth its design
// gives, it is the designed wall; 1.5 m and 3.5 m deeper, no design moment and no anchor
// force grows, and the earth support is used less.
TEST(GegebeneTiefe, ALongerWallIsNeverWorse) {
    const struct {
        const char* name;
        bool anker;
        int einspannung;
    } faelle[] = {{"frei", true, 0}, {"eingespannt", true, 100}, {"Kragwand", false, 0}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        WandFixture entwurf;
        if (f.anker) {
            entwurf.Anker(kAnker, f.einspannung);
        }
        ASSERT_EQ(entwurf.calc->CalcWand(), 1);
        const C1ZirfCalc& e = *entwurf.calc;
        const double mEntwurf = GroesstesMoment(e);

        double ak = e.AK;
        double m = mEntwurf;
        double ausnutzung = 1.0 + 1e-3;
        for (const double mehr : {0.0, 1.5, 3.5}) {
            SCOPED_TRACE(mehr);
            WandFixture w;
            if (f.anker) {
                w.Anker(kAnker, f.einspannung);
            }
            w.in.berart = 1;
            w.in.einbindetiefe = e.tGes + mehr;
            ASSERT_EQ(w.calc->CalcWand(), 1);
            const C1ZirfCalc& c = *w.calc;
            EXPECT_FALSE(c.gegebeneTiefe);
            if (mehr == 0.0) {
                EXPECT_NEAR(c.t, e.t, 1e-9);
                EXPECT_NEAR(c.AK, e.AK, 1e-9 + 1e-9 * e.AK);
                EXPECT_NEAR(GroesstesMoment(c), mEntwurf, 1e-9 * mEntwurf);
            }
            // The beam spans the whole given length: its points move with it, and the
            // greatest moment between them by some 1e-5 of its size.
            EXPECT_LE(c.AK, ak * (1.0 + 1e-9));
            EXPECT_LE(GroesstesMoment(c), m * (1.0 + 1e-4));
            EXPECT_LE(c.Ausnutzung, ausnutzung);
            ak = c.AK;
            m = GroesstesMoment(c);
            ausnutzung = c.Ausnutzung;
        }
    }
}

TEST(GegebeneTiefe, AShorterWallFailsAtItsDepth) {
    const Entwurf frei = EntwurfVon(0.0);
    Lauf lauf(0, 1, frei.t - 0.3);
    const C1ZirfCalc& c = lauf.Rechne();
    EXPECT_TRUE(c.gegebeneTiefe);
    EXPECT_LT(c.einspannungAusTiefe, 0.0);
    EXPECT_NEAR(c.t, frei.t - 0.3, 1e-9);
    EXPECT_GT(c.Ausnutzung, 1.0);
    // All of the design share is mobilised; the foot takes the rest.
    EXPECT_NEAR(c.anteilPassivZustand.at(0), kF, 1e-9);
}

} // namespace
