// Internal forces of the anchored wall. The beam is the wall the depth iteration designed:
// held by the anchor and, at the theoretical foot depth t, by the foot force C (0 for a
// free foot); between them the span is simply supported, so that the foot turns by the
// rotation the iteration aimed at (none for a fixed foot, the free foot's share for a
// partly fixed one) and the anchor carries the iteration's anchor force. The wall below
// t, down to the total depth tGes, hangs from the foot support unloaded.

#include "model/C1ZirfCalc.h"

#include "analysis/Ankerwandsystem.h"
#include "base/Trace.h"
#include "beam/C1Traeger.h"
#include "model/Bemessungslinie.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>

namespace {

// Offset of the values beside the anchor (m).
constexpr double kNebenAnker = 0.01;
constexpr int kTeilweise = 1;

// The share of the passive side that leaves a free foot without force: it takes what the
// retained side leaves at the foot support.
double AnteilFrei(const C1ZirfCalc::Fusszustand& aktiv, const C1ZirfCalc::Fusszustand& passiv) {
    return passiv.kraft != 0.0 ? -aktiv.kraft / passiv.kraft : 0.0;
}

} // namespace

double C1ZirfCalc::AnteilPassivChar(const Fusszustand& aktiv, const Fusszustand& passiv,
                                    double fixierung) const {
    const double frei = AnteilFrei(aktiv, passiv);
    if (einspannung <= 0.0 || passiv.drehung == 0.0) {
        return frei;
    }
    // A fixed or partly fixed foot turns by the same share of the free foot's rotation as
    // the design wall does at this depth: none for a fixed foot.
    return (fixierung * (aktiv.drehung + frei * passiv.drehung) - aktiv.drehung) / passiv.drehung;
}

double C1ZirfCalc::Fixierung(const Fusszustand& aktiv, const Fusszustand& passiv,
                             double drehung) const {
    const double drehungFrei = aktiv.drehung + AnteilFrei(aktiv, passiv) * passiv.drehung;
    if (einspannung <= 0.0 || drehungFrei == 0.0) {
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
    const ankerwand::System sys = ankerwand::SetzeAuf(tr, tGes, t, A, einspannung);
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
    const std::vector<std::vector<double>> koeff = KoeffizientenJeZustand();
    CalcTraegerLasten();
    tr.Calc();
    nLastfaelleAktiv = nLastfaelle;
    SchnittgroessenAktiv(s1, s2);

    tr.DelLasten();
    CalcTraegerLastenZusatz();
    tr.Calc();
    nLastfaellePassiv = nLastfaelle;
    const Fusszustand passiv{Auflagerkraft(nLastfaelle, sys.fuss),
                             ankerwand::DrehungFuss(tr, 1, nLastfaelle, sys)};
    SchnittgroessenPassiv(s1, s2, false);

    // Each state's retained side at the foot support: the force on it and EI times the
    // foot's rotation, from the components of the design beam.
    const std::size_t n = zustaende.size();
    const std::size_t nk = komponenten.size();
    std::vector<Fusszustand> komponenteFuss(nk);
    for (std::size_t c = 0; c < nk; ++c) {
        const int Lf = static_cast<int>(c) + 1;
        komponenteFuss[c] = {bemessung.GetAuflagerkraft(Lf, sys.fuss),
                             ankerwand::DrehungFuss(bemessung, Lf, Lf, sys)};
    }
    std::vector<Fusszustand> aktiv(n);
    for (std::size_t z = 0; z < n; ++z) {
        for (std::size_t c = 0; c < nk; ++c) {
            aktiv[z].kraft += koeff[z][c] * komponenteFuss[c].kraft;
            aktiv[z].drehung += koeff[z][c] * komponenteFuss[c].drehung;
        }
    }
    // Each state mobilises the passive side as far as it needs, at most by its design
    // share: no force at a free foot, and at a fixed or partly fixed one the foot turns by
    // the share of a free foot's rotation that the designed wall shows (a checked depth:
    // that its own target leaves). The state that needs the deepest wall needs all of the
    // design share at the designed depth.
    const double f = in.eta_p / gep;
    // A wall checked at its given depth: each state aims at its own target.
    const bool nachweis = gegebeneTiefe;
    const std::size_t g = static_cast<std::size_t>(iZustand);
    const double fixierungEntwurf =
        Fixierung(aktiv[g], passiv, aktiv[g].drehung + f * passiv.drehung);
    anteilPassivNoetig.assign(n, f);
    anteilPassivZustand.assign(n, f);
    for (std::size_t z = 0; z < n; ++z) {
        const double fixierung =
            nachweis ? Fixierung(aktiv[z], passiv, zustaende[z].zielVerdrehung) : fixierungEntwurf;
        anteilPassivNoetig[z] = AnteilPassivChar(aktiv[z], passiv, fixierung);
        anteilPassivZustand[z] = AnteilPassivBemessung(aktiv[z], passiv, fixierung, AnteilGrenze());
    }
    // Each state aiming at its own target, the shares are no sum of the load cases' shares.
    const bool linear = !(nachweis && einspannArt == kTeilweise);
    SetzeBemessungJeZustand(bemessung, koeff, anteilPassivZustand,
                            "\nT: i %2d  x %6.3f  Q %6.3f M %6.3f", sys.anker, linear);
    const wand::Schar& b = bemessungsSchar;

    // Design values at the characteristic points: of the states the one of the largest
    // magnitude; the greatest moment at each state's own zero of the shear below the
    // anchor; the anchor force the greatest.
    ankerkraftZustand = b.Auflagerkraft(sys.anker);
    const double abSchnitt = tGes / 19.0 + A;
    const wand::Huellwert groesstes = GroesstesFeldmoment(abSchnitt);
    xm = TL - groesstes.x;
    Mxm = groesstes.wert;
    massgebend.Mxm = groesstes.zustand;
    TracePrintf("\nT:  xm %6.3f  maxM %6.3f", xm, Mxm);
    const auto huelle = [&](const std::vector<double>& werte, double& ziel, std::size_t& zustand) {
        const wand::Huellwert h = GroessterDerZustaende(werte);
        ziel = h.wert;
        zustand = h.zustand;
    };
    huelle(b.M(xAnker), MA, massgebend.MA);
    MuA = QuA = 0.0;
    if (A > 0.0) {
        huelle(b.M(xUeberAnker), MuA, massgebend.MuA);
        huelle(b.Q(xUeberAnker), QuA, massgebend.QuA);
        // Just below the anchor: the end shear of the span below it, so that the shear
        // steps there by the anchor force.
        huelle(b.QEnde(s1 - 1), QA, massgebend.QA);
        TracePrintf("\nT:  yua %6.3f  MuA %6.3f  QuA %6.3f", TL - xUeberAnker, MuA, QuA);
    } else {
        huelle(b.Q(xAnker), QA, massgebend.QA);
    }
    TracePrintf("\nT:  ya %6.3f  MA %6.3f  QA %6.3f", A, MA, QA);
    huelle(b.M(TL - in.wand_hw), MHw, massgebend.MHw);
    TracePrintf("\nT:  hw %6.3f  minM %6.3f", in.wand_hw, MHw);
    // The foot's moment: of a fixed or partly fixed foot its fixing moment, the extreme
    // moment of the embedded part against the field's; of a free foot the moment at t.
    wand::Huellwert fuss;
    if (sys.eingespannt) {
        const std::vector<Linie> m = PunkteJeZustand(true);
        const double bis = TL - xm;
        fuss = GroesstesExtremumDerZustaende(
            [&](std::size_t z) {
                // The moment against the field's sign at the points of the embedded part.
                double g = 0.0;
                for (int p = 0; p < kPunkte; ++p) {
                    const double x = PunktX(p);
                    const double v = m[z][static_cast<std::size_t>(p)];
                    if (x >= sys.xFuss && x <= bis && v * Mxm < 0.0) {
                        g = std::max(g, std::fabs(v));
                    }
                }
                return g;
            },
            [&](std::size_t z) { return b.Zustand(z).Einspannmoment(sys.xFuss, bis, Mxm); });
    } else {
        const wand::Huellwert h = GroessterDerZustaende(b.M(sys.xFuss));
        fuss = {h.wert, h.zustand, sys.xFuss};
    }
    MF = fuss.wert;
    yMF = TL - fuss.x;
    massgebend.MF = fuss.zustand;
    xm1 = sys.eingespannt ? fuss.x : 0.0;
    TracePrintf("\nT:  yF %6.3f  MF %6.3f", yMF, MF);
    // Just above the foot support.
    huelle(b.Q(sys.xFuss), QFuss, massgebend.QFuss);

    // The anchor force: the greatest of the states; the greatest of the states without a
    // variable load (each combination's permanent state) for the deep slip line's
    // permanent share.
    const Zustandsgrenzen anker =
        ZustandsGrenzen([this](std::size_t z) { return ankerkraftZustand.at(z); });
    massgebend.AK = anker.zMax;
    AK = anker.gesetzt ? anker.max : AK;
    AKStaendig = 0.0;
    bool mitStaendig = false;
    for (const C1Bemessungskombination& k : bemessungsKombinationen) {
        const std::size_t z = k.zustand.at(k.AlleOhne());
        if (ZustandGueltig(z)) {
            AKStaendig =
                mitStaendig ? std::max(AKStaendig, ankerkraftZustand[z]) : ankerkraftZustand[z];
            mitStaendig = true;
        }
    }

    // The characteristic line: the characteristic loads of the state of the greatest
    // moment, the passive side mobilised as that wall needs.
    massgebend.Durchbiegung = massgebend.Mxm;
    const std::size_t d = massgebend.Durchbiegung;
    const double fixierungChar =
        nachweis ? Fixierung(aktiv[d], passiv, zustaende[d].zielVerdrehung) : fixierungEntwurf;
    tr.DelLasten();
    CalcTraegerLasten();
    tr.Calc();
    Fusszustand aktivChar;
    for (int j = 1; j <= nLastfaelleAktiv + 1; ++j) {
        if (WirktInZustand(d, j - 1)) {
            aktivChar.kraft += tr.GetAuflagerkraft(j, sys.fuss);
            aktivChar.drehung += ankerwand::DrehungFuss(tr, j, j, sys);
        }
    }
    MCharZustand(d, 0.0);
    MCharMitPassiv(AnteilPassivChar(aktivChar, passiv, fixierungChar));

    // Design vertical forces at the anchor (above it), the excavation level, the greatest
    // moment, the fixing moment and the foot: of the states the largest.
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
    VertikalJeZustand();
    NAnker = NormalkraftHuelle(A, false, &massgebend.NAnker, massgebend.MA);
    NHw = NormalkraftHuelle(in.wand_hw, true, &massgebend.NHw, massgebend.MHw);
    NXm = NormalkraftHuelle(xm, true, &massgebend.NXm, massgebend.Mxm);
    NMF = NormalkraftHuelle(yMF, true, &massgebend.NMF, massgebend.MF);
    NFuss = NormalkraftHuelle(t, true, &massgebend.NFuss);
    if (NimmFehlendeZustaende()) {
        return CalcSchnittgroessenAnker();
    }
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
