// Internal forces of the wall without anchor: a beam clamped at the foot, loaded with the
// retained-side and the passive-side pressures of the found depth.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Bemessungslinie.h"
#include "beam/C1Traeger.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kPunkte = C1WandDaten::kPunkte;
constexpr int kSegmente = kPunkte - 1;
enum Tabelle { kMAktiv = 0, kQAktiv = 1, kMPassiv = 2, kQPassiv = 3 };
// The working mode of the input that checks a given depth.
constexpr int kNachweis = 1;

// Sign class of a shear value: positive, negative or exactly zero.
int Vorzeichen(double q) {
    return (q > 0.0) - (q < 0.0);
}

} // namespace

double C1ZirfCalc::PunktX(int p) const {
    return p * pTraeger->GetTL() / kSegmente;
}

void C1ZirfCalc::ClearSchnittgroessen() {
    for (auto& tabelle : Schnittgroessen) {
        for (auto& linie : tabelle) {
            linie.fill(0.0);
        }
    }
    for (Linie* l :
         {&MDesign, &QDesign, &MDesignG, &QDesignG, &MChar, &Durchbiegung, &RAktiv1, &RAktiv2,
          &MRAktiv1, &MRAktiv2, &RPassiv1, &RPassiv2, &MRPassiv1, &MRPassiv2}) {
        l->fill(0.0);
    }
    RAktivBemessung1 = RAktivBemessungG1 = 0.0;
}

void C1ZirfCalc::SchnittgroessenAktiv(int s1, int s2, const C1Traeger& bemessung) {
    for (int j = 1; j <= nLastfaelle + 1; ++j) {
        const auto J = static_cast<std::size_t>(j);
        RAktiv1[j] = pTraeger->GetAuflagerkraft(j, s1);
        RAktiv2[j] = pTraeger->GetAuflagerkraft(j, s2);
        MRAktiv1[j] = pTraeger->GetAuflagermoment(j, s1);
        MRAktiv2[j] = pTraeger->GetAuflagermoment(j, s2);
        for (int p = 0; p < kPunkte; ++p) {
            const auto P = static_cast<std::size_t>(p);
            const double M = pTraeger->GetMx(j, PunktX(p));
            Schnittgroessen[kMAktiv].at(J)[P] = M;
            Schnittgroessen[kQAktiv].at(J)[P] = pTraeger->GetQx(j, PunktX(p));
            MChar[P] += M;
        }
    }
    // The design lines and reactions carry the loads as the iteration's design sums took
    // them: the larger of variable loads and compaction per layer, each load with its own
    // factor.
    RAktivBemessung1 = bemessung.GetAuflagerkraft(kBemessungAlle, s1);
    RAktivBemessungG1 = bemessung.GetAuflagerkraft(kBemessungStaendig, s1);
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = static_cast<std::size_t>(p);
        MDesign[P] = bemessung.GetMx(kBemessungAlle, PunktX(p));
        QDesign[P] = bemessung.GetQx(kBemessungAlle, PunktX(p));
        MDesignG[P] = bemessung.GetMx(kBemessungStaendig, PunktX(p));
        QDesignG[P] = bemessung.GetQx(kBemessungStaendig, PunktX(p));
    }
}

void C1ZirfCalc::Umhuellende(const char* format) {
    for (int p = 0; p < kPunkte; ++p) {
        const auto P = static_cast<std::size_t>(p);
        if (std::fabs(QDesignG[P]) > std::fabs(QDesign[P])) {
            QDesign[P] = QDesignG[P];
        }
        if (std::fabs(MDesignG[P]) > std::fabs(MDesign[P])) {
            MDesign[P] = MDesignG[P];
        }
        TracePrintf(format, p + 1, PunktX(p), QDesign[P], MDesign[P]);
    }
}

void C1ZirfCalc::SchnittgroessenPassiv(int s1, int s2, bool traceJePunkt, double faktor,
                                       double faktorG) {
    for (int j = 1; j <= nLastfaelle; ++j) {
        const auto J = static_cast<std::size_t>(j);
        RPassiv1[j] = pTraeger->GetAuflagerkraft(j, s1);
        RPassiv2[j] = pTraeger->GetAuflagerkraft(j, s2);
        MRPassiv1[j] = pTraeger->GetAuflagermoment(j, s1);
        MRPassiv2[j] = pTraeger->GetAuflagermoment(j, s2);
        for (int p = 0; p < kPunkte; ++p) {
            const auto P = static_cast<std::size_t>(p);
            const double M = pTraeger->GetMx(j, PunktX(p));
            const double Q = pTraeger->GetQx(j, PunktX(p));
            Schnittgroessen[kMPassiv].at(J)[P] = M;
            Schnittgroessen[kQPassiv].at(J)[P] = Q;
            QDesign[P] += faktor * Q;
            MDesign[P] += faktor * M;
            QDesignG[P] += faktorG * Q;
            MDesignG[P] += faktorG * M;
            if (traceJePunkt) {
                TracePrintf("\nTdesign nach passiv: i %2d  j %2d  x %6.3f  Q %6.3f  M %6.3f  SQ "
                            "%6.3f  SM %6.3f",
                            p + 1, j, PunktX(p), Q, M, QDesign[P], MDesign[P]);
            }
        }
    }
}

double C1ZirfCalc::MPassivChar(int p) const {
    double m = 0.0;
    for (int j = 1; j <= nLastfaelle; ++j) {
        m += Schnittgroessen[kMPassiv]
                 .at(static_cast<std::size_t>(j))
                 .at(static_cast<std::size_t>(p));
    }
    return m;
}

void C1ZirfCalc::MCharMitPassiv(double anteil) {
    // A share that is no number or not positive would turn the passive side around.
    if (!(anteil > 0.0) || !std::isfinite(anteil)) {
        return;
    }
    for (int p = 0; p < kPunkte; ++p) {
        MChar[static_cast<std::size_t>(p)] += anteil * MPassivChar(p);
    }
}

double C1ZirfCalc::Auflagerkraft(int bis, int s) const {
    double r = 0.0;
    for (int j = 1; j <= bis; ++j) {
        r += pTraeger->GetAuflagerkraft(j, s);
    }
    return r;
}

double C1ZirfCalc::NullQuerkraft(const Linie& q, int pa, int pb) const {
    const double qa = q.at(static_cast<std::size_t>(pa));
    const double qb = q.at(static_cast<std::size_t>(pb));
    const double r = std::fabs(qa) / (std::fabs(qb) + std::fabs(qa));
    return PunktX(pa) + r * (PunktX(pb) - PunktX(pa));
}

double C1ZirfCalc::TiefeNullQuerkraft(const Linie& q, double ab) const {
    const double TL = pTraeger->GetTL();
    // The points lie at the depths TL - x_p: the point one step deeper than p + 1 is p.
    for (int p = kSegmente - 1; p >= 0; --p) {
        const double tiefe = TL - PunktX(p);
        if (tiefe <= ab) {
            continue;
        }
        const auto P = static_cast<std::size_t>(p);
        TracePrintf("\nT: i %2d  x %6.3f  Ql %6.3f Qr %6.3f", kPunkte - p, tiefe, q[P + 1], q[P]);
        if (Vorzeichen(q[P + 1]) != Vorzeichen(q[P])) {
            return TL - NullQuerkraft(q, p + 1, p);
        }
    }
    return t;
}

int C1ZirfCalc::CalcSchnittgroessen() {
    const C1ZirfInput& in = *pInput;
    C1Traeger& tr = *pTraeger;
    tr.Init();
    tr.DelLasten();
    tr.SetAnzFelder(1);
    tr.GetFeld(1).SetL(t);
    tr.GetFeld(1).SetAuflagerAnf(1, 0.0);
    tr.GetFeld(1).SetAuflagerEnd(0, 0.0);
    tr.SetAufl_1();
    const double TL = tr.CalcLaengen();

    ClearSchnittgroessen();
    const C1Traeger bemessung = BemessungsTraeger();
    CalcTraegerLasten();
    tr.Calc();
    SchnittgroessenAktiv(1, 2, bemessung);
    const double fussAlle = bemessung.GetMx(kBemessungAlle, 0.0);
    const double fussStaendig = bemessung.GetMx(kBemessungStaendig, 0.0);

    tr.DelLasten();
    CalcTraegerLastenZusatz();
    tr.Calc();
    // The passive side is mobilised as far as the wall needs it to stand without a
    // clamping moment at its foot, at most by its design share; the designed wall under
    // all its loads needs exactly that share.
    const double f = in.eta_p / gep;
    double fussPassiv = 0.0;
    for (int j = 1; j <= nLastfaelle; ++j) {
        fussPassiv += tr.GetMx(j, 0.0);
    }
    const auto anteil = [&](double fuss) {
        return fussPassiv != 0.0 ? std::clamp(-fuss / fussPassiv, 0.0, f) : f;
    };
    anteilPassivBemessung = in.berart == kNachweis ? anteil(fussAlle) : f;
    anteilPassivBemessungG = anteil(fussStaendig);
    SchnittgroessenPassiv(1, 2, true, anteilPassivBemessung, anteilPassivBemessungG);
    const Linie qAlle = QDesign;
    const Linie qStaendig = QDesignG;
    Umhuellende("\nTdesign: i %2d  x %6.3f  Q %6.3f M %6.3f");
    // The characteristic wall stands without a clamping moment at its foot: the passive
    // side takes the share of its pressure that brings the foot moment to 0.
    MCharMitPassiv(fussPassiv != 0.0 ? -MChar[0] / fussPassiv : 0.0);

    // The design values at the characteristic points: of the two states the one that
    // bends the wall more; the greatest moment at each state's own zero of the shear.
    const wand::Bemessung alle{bemessung, tr, nLastfaelle, anteilPassivBemessung, kBemessungAlle};
    const wand::Bemessung staendig{bemessung, tr, nLastfaelle, anteilPassivBemessungG,
                                   kBemessungStaendig};
    const wand::Zustaende zustaende{alle, staendig};
    const wand::Extremum groesstes = zustaende.GroesstesMoment(
        TL - TiefeNullQuerkraft(qAlle, 0.0), TL - TiefeNullQuerkraft(qStaendig, 0.0));
    xm = TL - groesstes.x;
    Mxm = groesstes.M;
    TracePrintf("\nT:  xm %6.3f  maxM %6.3f", xm, Mxm);
    MHw = zustaende.M(TL - in.wand_hw);
    MA = 0.0;
    MF = zustaende.M(0.0);
    TracePrintf("\nTFuss:  t %6.3f  MF %6.3f", t, MF);
    tr.DelLasten();
    CalcTraegerLasten();
    tr.Calc();

    // Design vertical forces at the excavation level, the greatest moment and the foot.
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
    VertikalkraefteAuflager();
    NHw = NormalkraftBei(in.wand_hw, true);
    NXm = NormalkraftBei(xm, true);
    NFuss = NormalkraftBei(t, true);
    yMF = t;
    NMF = NFuss;
    status = CalcDurchbiegung();
    return 1;
}
