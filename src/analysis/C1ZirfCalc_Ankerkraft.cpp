// Forces of the deep slip line check: the earth pressure on the wall down to the lower end
// of the line, the existing anchor force from the beam, the anchor force that each segment
// of the line can take, and the design force and pull-out resistance of one anchor. Every
// anchor force here is the axial force of the anchor.

#include "model/C1ZirfCalc.h"

#include "analysis/EingabeFehler.h"
#include "base/Trace.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

const char* const kModul = "C1ZirfCalc::CalcTGFKraefte";
constexpr double kPi = 3.141592654;
constexpr double kZentimeter = 0.01; // m
constexpr int kVerpressanker = 0;
// Water levels closer than this give no excess water pressure.
constexpr double kWasserToleranz = 0.01;
constexpr int kNwstandRuhedruck = 2;
// Below this the segment's equilibrium has no finite anchor force.
constexpr double kMinNenner = 1e-9;

// Existing over possible force; without any possible force a loaded anchor is infinitely
// overloaded.
double Auslastung(double vorhanden, double moeglich) {
    if (moeglich > 0.0) {
        return vorhanden / moeglich;
    }
    return vorhanden > 0.0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

void C1ZirfCalc::CalcWandseiteTGF(const KombiFaktoren& f) {
    const C1ZirfInput& in = *pInput;
    sumEhG = sumEvG = sumEhQ = sumEvQ = 0.0;
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        Schicht[i].kraftVar.Clear();
    }
    ErgTGFLastfall.Clear();
    const int F = iSchichtFussTGF;
    const double y = yFussTGF;
    // Every figure on the wall down to the lower end of the line. Load case 1 (rows 0
    // and 1) is the permanent share; the berm's weight counts in every sum.
    JedeFigur(Lauf(), [&](const Figur& fig) {
        const Teilfigur teil = FigurBis(fig.y1, fig.y2, fig.e1, fig.e2, y);
        const double tanA = Schicht[fig.schicht].tanA;
        const double Ev = teil.Eh * tanA;
        if (fig.art == Figur::Art::Berme) {
            sumEhG += teil.Eh;
            sumEhQ += teil.Eh;
            sumEvG += Ev;
            sumEvQ += Ev;
            return;
        }
        if (f.F(fig.lf) > 0.0) {
            if (std::max(1, fig.lf) == 1) {
                sumEhG += teil.Eh;
                sumEvG += Ev;
            }
            Schicht[fig.schicht].kraftVar[fig.lf] += teil.Eh;
            sumEvQ += Ev;
        }
        if (fig.art == Figur::Art::Erddruck && fig.schicht == F) {
            C1SchichtErgebnis& e = ErgTGFLastfall[fig.lf];
            e.eoh = fig.e1;
            e.euh = teil.eUnten;
            e.eov = e.eoh * tanA;
            e.euv = e.euh * tanA;
            e.Eh = teil.Eh;
            e.Ev = Ev;
            e.Eges = std::sqrt(e.Eh * e.Eh + e.Ev * e.Ev);
            e.yE = teil.yE;
            e.xE = WandX(F, teil.yE);
        }
    });
    // The variable loads of each layer, or the compaction pressure where it is larger. The
    // sum is characteristic, so the two figures are weighed by their characteristic
    // forces. It shows what else presses on the wall and enters no anchor force: the
    // possible one leaves out the wall's variable pressure, which would only raise it, and
    // the existing one rests on the wall's own (design) choice through the design beam.
    for (int i = 0; i <= F; ++i) {
        const C1Schicht& s = Schicht[i];
        double var = 0.0;
        for (int r = 2; r < nLastfaelle; ++r) {
            if (f.F(r) > 0.0) {
                var += s.kraftVar[r];
            }
        }
        if (in.mitverd != 1) {
            sumEhQ += var;
            continue;
        }
        // The compaction figure the wall's analysis takes, by the earth-pressure mode.
        const C1VerdichtungSchicht& v = Verdichtung[i];
        const bool ruhe = in.nwstand >= kNwstandRuhedruck;
        const Teilfigur verd =
            FigurBis(s.yo, s.yu, ruhe ? v.eoV2 : v.eoV1, ruhe ? v.euV2 : v.euV1, y);
        sumEhQ += std::max(verd.Eh, var);
    }
    if (std::fabs(tgv - tgh) > kWasserToleranz) {
        for (int i = 0; i <= F; ++i) {
            const C1Schicht& s = Schicht[i];
            const double w = FigurBis(s.yo, s.yu, s.wo, s.wu, y).Eh;
            sumEhG += w;
            sumEhQ += w;
        }
    }
}

void C1ZirfCalc::CalcAvorhTGF() {
    const C1ZirfInput& in = *pInput;
    // The existing design anchor force is the wall's anchor force AK (the greatest of the
    // load states), made axial; its permanent share that of the states without a variable
    // load.
    const double cosA = std::cos(in.ankerneigung / GradFaktor);
    AvorhQ = AK / cosA;
    AvorhG = AKStaendig / cosA;
}

int C1ZirfCalc::CalcTGFKraefte() {
    const C1ZirfInput& in = *pInput;
    const double alphaA = in.ankerneigung / GradFaktor;
    const double tanTheta = std::tan(thetaTGF);
    const int letzter = nAbschnitte - 1;
    for (int k = 0; k < nAbschnitte; ++k) {
        const double w = phiAbschnitt[k] / GradFaktor - thetaTGF;
        const double nenner = std::cos(w - alphaA);
        if (!(nenner > kMinNenner)) {
            EingabeFehler("geom", "ankerneigung",
                          "lässt im Abschnitt " + std::to_string(k + 1) +
                              " der tiefen Gleitfuge kein Gleichgewicht zu (Reibungswinkel und "
                              "Neigung der Gleitfuge)",
                          kModul);
        }
        // The earth pressure on the substitute wall acts on the first segment, that on the
        // wall on the last. Both sets take the wall's permanent horizontal pressure, as the
        // possible force does, so that without variable loads they agree.
        double EvG = 0.0, EhG = 0.0, EvQ = 0.0, EhQ = 0.0;
        if (k == 0) {
            EvG -= E1vG;
            EhG -= E1hG;
            EvQ -= E1vQ;
            EhQ -= E1hQ;
        }
        if (k == letzter) {
            EvG += sumEvG;
            EhG += sumEhG;
            EvQ += sumEvQ;
            EhQ += sumEhG;
        }
        const double C = Kohaesion[k];
        const auto dA = [&](double G, double Ev, double Eh) {
            return std::sin(w) / nenner *
                   ((G - C - Ev) * std::cos(alphaA) - (C / tanTheta + Eh) * std::sin(alphaA));
        };
        dAG[k] = dA(GStaendig[k], EvG, EhG);
        dAQ[k] = dA(GVeraenderlich[k], EvQ, EhQ);
        TracePrintf("\nTGF: Abschnitt %d  x %6.3f  y %6.3f  phi %5.2f  G %7.1f  Gst %7.1f  "
                    "Gvar %7.1f  C %6.1f  dAG %7.1f  dAQ %7.1f",
                    k + 1, xAbschnitt[k], yAbschnitt[k], phiAbschnitt[k], GBoden[k], GStaendig[k],
                    GVeraenderlich[k], C, dAG[k], dAQ[k]);
    }
    return 1;
}

void C1ZirfCalc::CalcAmoeglTGF() {
    const double alphaA = pInput->ankerneigung / GradFaktor;
    const double tanTheta = std::tan(thetaTGF);
    sumdAG = sumdAQ = sumC = 0.0;
    for (int k = 0; k < nAbschnitte; ++k) {
        sumdAG += dAG[k];
        sumdAQ += dAQ[k];
        sumC += Kohaesion[k] / tanTheta;
    }
    const double cosA = std::cos(alphaA);
    AmoeglG = (sumEhG - E1hG + sumdAG + sumC) / cosA;
    AmoeglQ = (sumEhG - E1hQ + sumdAQ + sumC) / cosA;
    AmoeglGd = AmoeglG / gep;
    AmoeglQd = AmoeglQ / gep;
    ausnutzungG = Auslastung(AvorhG, AmoeglGd);
    ausnutzungQ = Auslastung(AvorhQ, AmoeglQd);
    TracePrintf("\nTGF: AvorhG %7.1f  AmoeglGd %7.1f  mu %6.3f  AvorhQ %7.1f  AmoeglQd %7.1f  "
                "mu %6.3f",
                AvorhG, AmoeglGd, ausnutzungG, AvorhQ, AmoeglQd, ausnutzungQ);
}

int C1ZirfCalc::CalcAnkerkraft() {
    const C1ZirfInput& in = *pInput;
    Ad = std::max(AvorhG, AvorhQ) * in.ankerabstand;
    Tgrenz = lErforderlich = 0.0;
    if (in.typ == kVerpressanker) {
        Tgrenz = in.qsk * kPi * in.d_vk * kZentimeter / gep;
        lErforderlich = Ad / Tgrenz;
        Rd = in.lv * Tgrenz;
    } else {
        Rd = in.qsk1 / gep;
    }
    ausnutzungAnker = Auslastung(Ad, Rd);
    TracePrintf("\nTGF: Ad %7.1f  Rd %7.1f  mu %6.3f  lerf %6.2f", Ad, Rd, ausnutzungAnker,
                lErforderlich);
    return 1;
}

double C1ZirfCalc::CalcAnkerkraft2() {
    const C1ZirfInput& in = *pInput;
    const double A = std::max(AvorhG, AvorhQ) * in.ankerabstand;
    const double widerstand = qsAnker2 * dAnker2 * kPi / gep;
    if (!(widerstand > 0.0)) {
        throw C1Exception("Der Widerstand des Ankers je Meter ist nicht gegeben.",
                          "C1ZirfCalc::CalcAnkerkraft2");
    }
    const double laenge = A / widerstand;
    abstandsFaktor = in.ankerabstand <= laenge / 2.0 ? 1.0 : laenge / (2.0 * in.ankerabstand);
    return laenge;
}
