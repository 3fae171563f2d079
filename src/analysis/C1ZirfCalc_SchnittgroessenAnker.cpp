// Internal forces of the anchored wall. The beam is the wall the depth iteration designed:
// held by the anchor and, at the theoretical foot depth t, by the foot force C (0 for a
// free foot); between them the span is simply supported, so that the foot turns by the
// rotation the iteration aimed at (none for a fixed foot, the free foot's share for a
// partly fixed one) and the anchor carries the iteration's anchor force. The wall below
// t, down to the total depth tGes, hangs from the foot support unloaded.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Ankerwandsystem.h"
#include "analysis/Bemessungslinie.h"
#include "beam/C1Traeger.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <algorithm>
#include <cmath>

namespace {

// Offset of the values beside the anchor (m).
constexpr double kNebenAnker = 0.01;
// The working mode of the input that checks a given depth.
constexpr int kNachweis = 1;
// The combination step of the anchored wall's vertical components.
constexpr int kAnkerVertikal = 1;

// The share of the passive side that leaves a free foot without force: it takes what the
// retained side leaves at the foot support.
double AnteilFrei(const C1ZirfCalc::Fusszustand& aktiv, const C1ZirfCalc::Fusszustand& passiv) {
    return passiv.kraft != 0.0 ? -aktiv.kraft / passiv.kraft : 0.0;
}

} // namespace

double C1ZirfCalc::AnteilPassivChar(const Fusszustand& aktiv, const Fusszustand& passiv,
                                    double fixierung) const {
    const double frei = AnteilFrei(aktiv, passiv);
    if (pInput->einspannung == 0 || passiv.drehung == 0.0) {
        return frei;
    }
    // A fixed or partly fixed foot turns by the same share of the free foot's rotation as
    // the design wall does at this depth: none for a fixed foot.
    return (fixierung * (aktiv.drehung + frei * passiv.drehung) - aktiv.drehung) / passiv.drehung;
}

double C1ZirfCalc::Fixierung(const Fusszustand& aktiv, const Fusszustand& passiv,
                             double drehung) const {
    const double drehungFrei = aktiv.drehung + AnteilFrei(aktiv, passiv) * passiv.drehung;
    if (pInput->einspannung == 0 || drehungFrei == 0.0) {
        return 1.0;
    }
    return drehung / drehungFrei;
}

double C1ZirfCalc::AnteilPassivBemessung(const Fusszustand& aktiv, const Fusszustand& passiv,
                                         double fixierung, double hoechstens) const {
    const double anteil = AnteilPassivChar(aktiv, passiv, fixierung);
    return std::isfinite(anteil) ? std::clamp(anteil, 0.0, hoechstens) : hoechstens;
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
    // The values beside the anchor stand 1 cm above it, within the wall.
    const double xUeberAnker = xAnker + std::min(kNebenAnker, A / 2.0);

    ClearSchnittgroessen();
    const C1Traeger bemessung = BemessungsTraeger();
    CalcTraegerLasten();
    tr.Calc();
    SchnittgroessenAktiv(s1, s2, bemessung);
    // The retained side's force on the foot support and its rotation there: of the
    // characteristic loads, of the design loads and of the permanent design loads alone.
    const int nAktiv = nLastfaelle + 1;
    const Fusszustand aktivChar{Auflagerkraft(nAktiv, sys.fuss),
                                ankerwand::DrehungFuss(tr, 1, nAktiv, sys)};
    const auto aktivDesign = [&](int Lf) {
        return Fusszustand{bemessung.GetAuflagerkraft(Lf, sys.fuss),
                           ankerwand::DrehungFuss(bemessung, Lf, Lf, sys)};
    };
    const Fusszustand alleDesign = aktivDesign(kBemessungAlle);
    const Fusszustand staendigDesign = aktivDesign(kBemessungStaendig);

    tr.DelLasten();
    CalcTraegerLastenZusatz();
    tr.Calc();
    const Fusszustand passiv{Auflagerkraft(nLastfaelle, sys.fuss),
                             ankerwand::DrehungFuss(tr, 1, nLastfaelle, sys)};
    // The passive side is mobilised as far as a state of the wall needs it, at most by its
    // design share: no force at a free foot, and at a fixed or partly fixed one the foot
    // turns by the share of a free foot's rotation that the designed wall shows (checked
    // depth: that its target leaves). The designed wall under all its loads needs exactly
    // the design share.
    const double f = in.eta_p / gep;
    const bool nachweis = in.berart == kNachweis;
    const double fixierung = Fixierung(
        alleDesign, passiv, nachweis ? Zielverdrehung : alleDesign.drehung + f * passiv.drehung);
    anteilPassivBemessung = nachweis ? AnteilPassivBemessung(alleDesign, passiv, fixierung, f) : f;
    anteilPassivBemessungG = AnteilPassivBemessung(staendigDesign, passiv, fixierung, f);
    SchnittgroessenPassiv(s1, s2, false, anteilPassivBemessung, anteilPassivBemessungG);
    const Linie qAlle = QDesign;
    const Linie qStaendig = QDesignG;
    Umhuellende("\nT: i %2d  x %6.3f  Q %6.3f M %6.3f");
    MCharMitPassiv(AnteilPassivChar(aktivChar, passiv, fixierung));

    // Design values at the characteristic points: of the two states the one that bends
    // the wall more; the greatest moment at each state's own zero of the shear below the
    // anchor. The shear beside the anchor is that of all loads, whose anchor force the
    // wall carries.
    const wand::Bemessung alle{bemessung, tr, nLastfaelle, anteilPassivBemessung, kBemessungAlle};
    const wand::Bemessung staendig{bemessung, tr, nLastfaelle, anteilPassivBemessungG,
                                   kBemessungStaendig};
    const wand::Zustaende zustaende{alle, staendig};
    const double abSchnitt = tGes / 19.0 + A;
    const wand::Extremum groesstes = zustaende.GroesstesMoment(
        TL - TiefeNullQuerkraft(qAlle, abSchnitt), TL - TiefeNullQuerkraft(qStaendig, abSchnitt));
    xm = TL - groesstes.x;
    Mxm = groesstes.M;
    TracePrintf("\nT:  xm %6.3f  maxM %6.3f", xm, Mxm);
    MA = zustaende.M(xAnker);
    MuA = QuA = 0.0;
    if (A > 0.0) {
        MuA = zustaende.M(xUeberAnker);
        QuA = alle.Q(xUeberAnker);
        // Just below the anchor: the end shear of the span below it, so that the shear
        // steps there by the anchor force.
        QA = alle.QEnde(s1 - 1);
        TracePrintf("\nT:  yua %6.3f  MuA %6.3f  QuA %6.3f", TL - xUeberAnker, MuA, QuA);
    } else {
        QA = alle.Q(xAnker);
    }
    TracePrintf("\nT:  ya %6.3f  MA %6.3f  QA %6.3f", A, MA, QA);
    MHw = zustaende.M(TL - in.wand_hw);
    TracePrintf("\nT:  hw %6.3f  minM %6.3f", in.wand_hw, MHw);
    // The foot's moment: of a fixed or partly fixed foot its fixing moment, the extreme
    // moment of the embedded part against the field's; of a free foot the moment at t.
    const wand::Extremum fuss = sys.eingespannt ? zustaende.Einspannmoment(sys.xFuss, TL - xm, Mxm)
                                                : wand::Extremum{sys.xFuss, zustaende.M(sys.xFuss)};
    MF = fuss.M;
    yMF = TL - fuss.x;
    xm1 = sys.eingespannt ? fuss.x : 0.0;
    TracePrintf("\nT:  yF %6.3f  MF %6.3f", yMF, MF);
    // Just above the foot support the shear of the state that bends the wall more there.
    QFuss = wand::Zustaende::Groesser(alle.Q(sys.xFuss), staendig.Q(sys.xFuss));
    if (nachweis) {
        // A checked depth carries the anchor force of the wall as it stands on it, and the
        // vertical-force check takes its component.
        AK = alle.Auflagerkraft(sys.anker);
        status = CalcKombi(kAnkerVertikal);
    }
    tr.DelLasten();
    CalcTraegerLasten();
    tr.Calc();

    // Design vertical forces at the anchor (above it), the excavation level, the greatest
    // moment, the fixing moment and the foot.
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
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
