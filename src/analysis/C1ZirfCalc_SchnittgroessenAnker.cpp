// Internal forces of the anchored wall. The beam is the wall the depth iteration designed:
// held by the anchor and, at the theoretical foot depth t, by the foot force C (0 for a
// free foot); between them the span is simply supported, so that the foot turns by the
// rotation the iteration aimed at (none for a fixed foot, the free foot's share for a
// partly fixed one) and the anchor carries the iteration's anchor force. The wall below
// t, down to the total depth tGes, hangs from the foot support unloaded.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Ankerwandsystem.h"
#include "beam/C1Traeger.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <cmath>

namespace {

constexpr int kPunkte = C1WandDaten::kPunkte;
constexpr int kSegmente = kPunkte - 1;
// Offset of the values beside the anchor (m).
constexpr double kNebenAnker = 0.01;

int Vorzeichen(double q) {
    return (q > 0.0) - (q < 0.0);
}

} // namespace

double C1ZirfCalc::AnteilPassivChar(const Fusszustand& aktiv, const Fusszustand& passiv,
                                    double fixierung) const {
    // A free foot carries no force: the passive side takes what the retained side leaves
    // at the foot support.
    const double frei = passiv.kraft != 0.0 ? -aktiv.kraft / passiv.kraft : 0.0;
    if (pInput->einspannung == 0 || passiv.drehung == 0.0) {
        return frei;
    }
    // A fixed or partly fixed foot turns by the same share of the free foot's rotation as
    // the design wall does at this depth: none for a fixed foot.
    return (fixierung * (aktiv.drehung + frei * passiv.drehung) - aktiv.drehung) / passiv.drehung;
}

double C1ZirfCalc::FixierungBemessung(const Fusszustand& aktiv, const Fusszustand& passiv,
                                      double faktorPassiv) const {
    const double frei = passiv.kraft != 0.0 ? -aktiv.kraft / passiv.kraft : 0.0;
    const double drehungFrei = aktiv.drehung + frei * passiv.drehung;
    if (pInput->einspannung == 0 || drehungFrei == 0.0) {
        return 1.0;
    }
    return (aktiv.drehung + faktorPassiv * passiv.drehung) / drehungFrei;
}

int C1ZirfCalc::CalcSchnittgroessenAnker() {
    const C1ZirfInput& in = *pInput;
    C1Traeger& tr = *pTraeger;
    const double A = in.tiefe_anker;
    const ankerwand::System sys = ankerwand::SetzeAuf(tr, tGes, t, A, in.einspannung);
    const double TL = tr.GetTL();
    auflagerFuss = sys.fuss;
    auflagerAnker = sys.anker;
    // Reactions: s1 is the anchor support, s2 the head above it (or the foot when the
    // anchor sits at the head, so that s1 is always the anchor).
    const int s1 = sys.anker;
    const int s2 = A > 0.0 ? sys.kopf : sys.fuss;
    const double xAnker = sys.xAnker;
    const double xUeberAnker = xAnker + kNebenAnker;

    ClearSchnittgroessen();
    const C1Traeger bemessung = BemessungsTraeger();
    CalcTraegerLasten();
    tr.Calc();
    SchnittgroessenAktiv(s1, s2, bemessung);
    Umhuellende("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f");
    // The retained side's force on the foot support and its rotation there, of the design
    // loads and of the characteristic ones, for the share of the passive side the
    // characteristic wall mobilises.
    const int nAktiv = nLastfaelle + 1;
    const Fusszustand aktivChar{Auflagerkraft(nAktiv, sys.fuss),
                                ankerwand::DrehungFuss(tr, 1, nAktiv, sys)};
    const int alle = C1WandDaten::kBemessungAlle;
    const Fusszustand aktivDesign{bemessung.GetAuflagerkraft(alle, sys.fuss),
                                  ankerwand::DrehungFuss(bemessung, alle, alle, sys)};

    tr.DelLasten();
    CalcTraegerLastenZusatz();
    tr.Calc();
    SchnittgroessenPassiv(s1, s2, false);
    const Fusszustand passiv{Auflagerkraft(nLastfaelle, sys.fuss),
                             ankerwand::DrehungFuss(tr, 1, nLastfaelle, sys)};
    const double faktorPassiv = in.eta_p / gep;
    MCharMitPassiv(
        AnteilPassivChar(aktivChar, passiv, FixierungBemessung(aktivDesign, passiv, faktorPassiv)));
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = static_cast<std::size_t>(p);
        TracePrintf("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f", p + 1, PunktX(p), QDesign[P],
                    MDesign[P]);
    }

    // Zero of the design shear, scanned from the head down: from a little below the anchor
    // on, the first change of sign is the field's greatest moment (xm, a depth).
    xm = t;
    const double abSchnitt = tGes / 19.0 + A;
    for (int p = kSegmente - 1; p >= 0; --p) {
        const double tiefe = TL - PunktX(p);
        if (tiefe <= abSchnitt) {
            continue;
        }
        const auto P = static_cast<std::size_t>(p);
        TracePrintf("\nT: i %2d  x %6.3f  Ql %6.3f Qr %6.3f", kPunkte - p, tiefe, QDesign[P + 1],
                    QDesign[P]);
        if (Vorzeichen(QDesign[P + 1]) != Vorzeichen(QDesign[P])) {
            xm = TL - NullQuerkraft(p + 1, p);
            break;
        }
    }

    // Design values at the characteristic points, from the design beam of the retained
    // side and the passive side (still on the beam).
    const ankerwand::Bemessung design{bemessung, tr, nLastfaelle, faktorPassiv};
    Mxm = design.M(TL - xm);
    TracePrintf("\nT:  xm %6.3f  maxM %6.3f", xm, Mxm);
    MA = design.M(xAnker);
    MuA = QuA = 0.0;
    if (A > 0.0) {
        MuA = design.M(xUeberAnker);
        QuA = design.Q(xUeberAnker);
        // Just below the anchor: the end shear of the span below it, so that the shear
        // steps there by the anchor force.
        QA = design.QEnde(s1 - 1);
        TracePrintf("\nT:  yua %6.3f  MuA %6.3f  QuA %6.3f", A - kNebenAnker, MuA, QuA);
    } else {
        QA = design.Q(xAnker);
    }
    TracePrintf("\nT:  ya %6.3f  MA %6.3f  QA %6.3f", A, MA, QA);
    MHw = design.M(TL - in.wand_hw);
    TracePrintf("\nT:  hw %6.3f  minM %6.3f", in.wand_hw, MHw);
    // The foot's moment: of a fixed or partly fixed foot its fixing moment, the extreme
    // moment of the embedded part against the field's; of a free foot the moment at t.
    const ankerwand::Extremum fuss = sys.eingespannt
                                         ? design.Einspannmoment(sys.xFuss, TL - xm, Mxm)
                                         : ankerwand::Extremum{sys.xFuss, design.M(sys.xFuss)};
    MF = fuss.M;
    yMF = TL - fuss.x;
    xm1 = sys.eingespannt ? fuss.x : 0.0;
    TracePrintf("\nT:  yF %6.3f  MF %6.3f", yMF, MF);
    tr.DelLasten();
    CalcTraegerLasten();
    tr.Calc();

    // Design vertical forces at the anchor (above it), the excavation level, the greatest
    // moment, the fixing moment and the foot.
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
    FussKraftBemessung = -design.Auflagerkraft(sys.fuss);
    VertikalkraefteAuflager();
    NAnker = NormalkraftBei(A, false);
    NHw = NormalkraftBei(in.wand_hw, true);
    NXm = NormalkraftBei(xm, true);
    NMF = NormalkraftBei(yMF, true);
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
