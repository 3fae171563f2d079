// Internal forces of the anchored wall: a beam of length tGes from the foot over the
// anchor to the free head, with a short extra span at the foot for a fixed or partly fixed
// foot, loaded with the pressures of the found depth.

#include "earthpressure/C1ZirfCalc.h"

#include "beam/C1Traeger.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <cmath>
#include <vector>

namespace {

constexpr int kPunkte = C1WandDaten::kPunkte;
constexpr int kSegmente = kPunkte - 1;
// The foot span of a fixed foot is this share of the embedment per percent of fixity.
constexpr double kFussfeldTeiler = 300.0;
// Offset of the values beside the anchor (m).
constexpr double kNebenAnker = 0.01;
constexpr int kMitAuflager = 1;
constexpr int kOhneAuflager = 0;
// The support at the foot (x = 0).
constexpr int kFuss = 1;

int Vorzeichen(double q) {
    return (q > 0.0) - (q < 0.0);
}

} // namespace

int C1ZirfCalc::CalcSchnittgroessenAnker() {
    const C1ZirfInput& in = *pInput;
    C1Traeger& tr = *pTraeger;
    const double A = in.tiefe_anker;
    const int e = in.einspannung;
    const double L0 = (tGes - in.wand_hw) * e / kFussfeldTeiler;

    // Spans from the foot up; the anchor support stands at x = tGes - A.
    std::vector<double> felder;
    if (e != 0) {
        felder.push_back(L0);
    }
    felder.push_back(A > 0.0 ? tGes - A - (e != 0 ? L0 : 0.0) : tGes - (e != 0 ? L0 : 0.0));
    if (A > 0.0) {
        felder.push_back(A);
    }
    tr.Init();
    tr.DelLasten();
    const int nFeld = static_cast<int>(felder.size());
    tr.SetAnzFelder(nFeld);
    for (int i = 1; i <= nFeld; ++i) {
        C1Feld& feld = tr.GetFeld(i);
        feld.SetL(felder[static_cast<std::size_t>(i - 1)]);
        feld.SetAuflagerAnf(kMitAuflager, 0.0);
        // Only the head span above an anchor ends free.
        feld.SetAuflagerEnd(A > 0.0 && i == nFeld ? kOhneAuflager : kMitAuflager, 0.0);
    }
    const double TL = tr.CalcLaengen();
    // Reactions: s1 is the anchor support, s2 the head above it (or the foot when the
    // anchor sits at the head, so that s1 is always the anchor).
    const int s1 = A > 0.0 ? nFeld : nFeld + 1;
    const int s2 = A > 0.0 ? nFeld + 1 : 1;
    const double xAnker = TL - A;
    const double xUeberAnker = xAnker + kNebenAnker;

    ClearSchnittgroessen();
    const C1Traeger bemessung = BemessungsTraeger();
    CalcTraegerLasten();
    tr.Calc();
    SchnittgroessenAktiv(s1, s2, bemessung);
    Umhuellende("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f");
    const double fussAktiv = Auflagerkraft(nLastfaelle + 1, kFuss);

    tr.DelLasten();
    CalcTraegerLastenZusatz();
    tr.Calc();
    SchnittgroessenPassiv(s1, s2, false);
    // The characteristic wall in equilibrium: a free foot has no force at the foot, so the
    // passive side takes the share that brings it to 0; a fixed or partly fixed foot keeps
    // the share the design lines take.
    if (e == 0) {
        const double fussPassiv = Auflagerkraft(nLastfaelle, kFuss);
        MCharMitPassiv(fussPassiv != 0.0 ? -fussAktiv / fussPassiv : 0.0);
    } else {
        MCharMitPassiv(in.eta_p / gep);
    }
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = static_cast<std::size_t>(p);
        TracePrintf("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f", p + 1, PunktX(p), QDesign[P],
                    MDesign[P]);
    }

    // Zero of the design shear, scanned from the head down: from a little below the anchor
    // on, the first change of sign is the field's greatest moment (xm, a depth), a second
    // one that of the fixity at the foot (xm1, a beam position). The points lie at the
    // depths TL - x_p, so the point one step deeper than point p + 1 is p.
    xm = t;
    xm1 = 0.0;
    const double abSchnitt = tGes / 19.0 + A;
    bool ersteGefunden = false;
    for (int p = kSegmente - 1; p >= 0; --p) {
        const double tiefe = TL - PunktX(p);
        if (tiefe <= abSchnitt) {
            continue;
        }
        const auto P = static_cast<std::size_t>(p);
        TracePrintf("\nT: i %2d  x %6.3f  Ql %6.3f Qr %6.3f", kPunkte - p, tiefe, QDesign[P + 1],
                    QDesign[P]);
        if (Vorzeichen(QDesign[P + 1]) == Vorzeichen(QDesign[P])) {
            continue;
        }
        const double xc = NullQuerkraft(p + 1, p);
        if (!ersteGefunden) {
            xm = TL - xc;
            ersteGefunden = true;
        } else {
            xm1 = xc;
            TracePrintf("\nT:  xm1 %6.3f", xm1);
            break;
        }
    }

    // Design values at the characteristic points: passive part, then retained side.
    Mxm = MHw = MA = QA = MF = MuA = QuA = 0.0;
    const double faktorPassiv = in.eta_p / gep;
    for (int j = 1; j <= nLastfaelle; ++j) {
        const double M = tr.GetMx(j, TL - xm);
        Mxm += faktorPassiv * M;
        TracePrintf("\nT:  xm %6.3f  M %6.3f  maxM %6.3f", xm, M, Mxm);
        const double Ma = tr.GetMx(j, xAnker);
        const double Qa = tr.GetQx(j, xAnker);
        MA += faktorPassiv * Ma;
        QA += faktorPassiv * Qa;
        TracePrintf("\nT:  ya %6.3f  M %6.3f  MA %6.3f  Q %6.3f  QA %6.3f", A, Ma, MA, Qa, QA);
        if (A > 0.0) {
            const double Mu = tr.GetMx(j, xUeberAnker);
            const double Qu = tr.GetQx(j, xUeberAnker);
            MuA += faktorPassiv * Mu;
            QuA += faktorPassiv * Qu;
            TracePrintf("\nT:  yua %6.3f  M %6.3f  MuA %6.3f  Q %6.3f  QuA %6.3f", A - kNebenAnker,
                        Mu, MuA, Qu, QuA);
        }
        const double Mh = tr.GetMx(j, TL - in.wand_hw);
        MHw += faktorPassiv * Mh;
        TracePrintf("\nT:  hw %6.3f  M %6.3f  minM %6.3f", in.wand_hw, Mh, MHw);
        const double Mf = tr.GetMx(j, 0.0);
        MF += faktorPassiv * Mf;
        TracePrintf("\nT:  t %6.3f  M %6.3f  maxM %6.3f", tGes, Mf, MF);
    }
    // The retained side's design part; the beam keeps its loads per load case.
    const auto M = [&](double x) { return bemessung.GetMx(kBemessungAlle, x); };
    const auto Q = [&](double x) { return bemessung.GetQx(kBemessungAlle, x); };
    Mxm += M(TL - xm);
    TracePrintf("\nT:  xm %6.3f  M %6.3f  maxM %6.3f", xm, M(TL - xm), Mxm);
    if (A > 0.0) {
        MuA += M(xUeberAnker);
        QuA += Q(xUeberAnker);
        TracePrintf("\nT:  yua %6.3f  M %6.3f  MuA %6.3f  Q %6.3f  QuA %6.3f", A - kNebenAnker,
                    M(xUeberAnker), MuA, Q(xUeberAnker), QuA);
    }
    MHw += M(TL - in.wand_hw);
    TracePrintf("\nT:  xm %6.3f  M %6.3f  minM %6.3f", in.wand_hw, M(TL - in.wand_hw), MHw);
    MA += M(xAnker);
    QA += Q(xAnker);
    TracePrintf("\nT:  ya %6.3f  M %6.3f  MA %6.3f  Q %6.3f  QA %6.3f", A, M(xAnker), MA, Q(xAnker),
                QA);
    MF += M(0.0);
    TracePrintf("\nT:  xm %6.3f  M %6.3f  MF %6.3f", tGes, M(0.0), MF);
    tr.DelLasten();
    CalcTraegerLasten();
    tr.Calc();

    // Design vertical forces at the anchor (above it), the excavation level, the greatest
    // moment and the foot.
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
    NAnker = NormalkraftBei(A, false);
    NHw = NormalkraftBei(in.wand_hw, true);
    NXm = NormalkraftBei(xm, true);
    NFuss = NormalkraftBei(t, true);
    status = CalcDurchbiegungAnker();
    return 1;
}

void C1ZirfCalc::TestTraeger() {
    C1Traeger& tr = *pTraeger;
    tr.Init();
    tr.SetAnzFelder(1);
    tr.GetFeld(1).SetL(10.0);
    tr.GetFeld(1).SetAuflagerAnf(0, 0.0);
    tr.GetFeld(1).SetAuflagerEnd(1, 0.0);
    tr.SetAufl_n();
    const double TL = tr.CalcLaengen();
    tr.GetLasten().AddTrapezLast(1, 1, 0.0, TL, 10.0, 10.0, "Last-Beschreibung", 1, 1);
    tr.Calc();
    for (int p = 0; p <= 10; ++p) {
        const double x = p / 10.0 * TL;
        TracePrintf("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f", p + 1, x, tr.GetQx(1, x),
                    tr.GetMx(1, x));
    }
    tr.GetAuflagerkraft(1, 1);
    tr.GetAuflagerkraft(1, 2);
}
