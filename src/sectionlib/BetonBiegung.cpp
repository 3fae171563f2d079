#include "sectionlib/Beton.h"
#include "sectionlib/BetonFlaeche.h"

#include <algorithm>
#include <cmath>

// Bending design with axial force of rectangles and T-sections: parabola-rectangle
// concrete, bilinear steel with a horizontal top branch, the moment MEds about the
// tension reinforcement, compression reinforcement once the compression zone
// reaches the ductility limit x / d.

namespace {

using namespace beton;

constexpr double kKN = 0.1;    // N/mm² · cm² in kN
constexpr double kKNm = 0.001; // N/mm² · cm² · cm in kNm
constexpr int kSchritte = 100; // bisection steps of the strain state

int Fehler(BiegeAusgabe& a, int status, const std::string& text) {
    a.status = status;
    a.text = text;
    return status;
}

// Largest x / d without compression reinforcement.
double XiGrenze(int iNorm, int variante, double epsCu) {
    if (epsCu >= 3.5 - 1e-6) {
        return 0.45;
    }
    if (DeutscheRegeln(iNorm, variante)) {
        return 0.35;
    }
    // Recommended values: δ = k3 + k4 · x / d with δ = 1.
    return (1.0 - 0.54) / (1.25 * (0.6 + 1.4 / epsCu));
}

} // namespace

int BiegeCalc(const BiegeEingabe& ein, BiegeAusgabe& aus) {
    aus = BiegeAusgabe{};
    std::string text;
    const int norm = NormPruefen(ein.iNorm, ein.iNorm == 6 ? ein.NormVariante : 0, text);
    if (norm != kOk) {
        return Fehler(aus, norm, "Biegebemessung: " + text);
    }
    if (ein.iQuer != 1 && ein.iQuer != 2) {
        return Fehler(aus, kFormNicht,
                      "Biegebemessung: Querschnittsform iQuer = " + std::to_string(ein.iQuer) +
                          " wird nicht unterstützt (nur Rechteck 1 und Plattenbalken 2)");
    }
    if (!std::isfinite(ein.M) || !std::isfinite(ein.N)) {
        return Fehler(aus, kEingabe,
                      "Biegebemessung: Schnittgrößen M " + Zahl(ein.M) + " / N " + Zahl(ein.N) +
                          " sind keine endlichen Zahlen");
    }
    const double fcd = ein.f;
    const double epsYd = std::fabs(ein.epsYd);
    const double epsSu = std::fabs(ein.epsSu);
    const double epsCu = std::fabs(ein.epsCu);
    // Negations, so that a value that is not a number fails them too.
    if (!(fcd > 0.0) || !(ein.Es > 0.0) || !(epsYd > 0.0) || !(epsSu >= epsYd) || !(epsCu >= 2.0) ||
        !std::isfinite(fcd + ein.Es + epsSu + epsCu)) {
        return Fehler(aus, kEingabe,
                      "Biegebemessung: Baustoffwerte ungültig (fcd " + Zahl(fcd) + ", Es " +
                          Zahl(ein.Es) + ", epsYd " + Zahl(epsYd) + ", epsSu " + Zahl(epsSu) +
                          ", epsCu " + Zahl(epsCu) + ")");
    }
    double d[10] = {};
    for (int i = 1; i <= 9; ++i) {
        d[i] = ein.d[i - 1];
    }
    Umriss q;
    const int form = UmrissBauen(ein.iQuer, d, q, text);
    if (form != kOk) {
        return Fehler(aus, form, "Biegebemessung: " + text);
    }
    BetonLinie beton;
    beton.fcd = fcd;
    beton.epsCu = epsCu;
    HochfestLinie(epsCu, beton.epsC2, beton.n);
    StahlLinie stahl{ein.Es * epsYd / 1000.0, epsYd, epsSu};
    const double xi = XiGrenze(ein.iNorm, ein.NormVariante, epsCu);

    const double M = ein.M;
    const double N = ein.N;
    // The compressed edge lies at the largest s: the top for M ≥ 0.
    const Profil p(q, 0.0, M >= 0.0 ? 1.0 : -1.0);
    const double sTop = p.sMax();
    const double sBot = p.sMin();
    const double cZug = M >= 0.0 ? ein.d2 : ein.d1;
    const double cDruck = M >= 0.0 ? ein.d1 : ein.d2;
    if (!(cZug > 0.0) || !(cDruck >= 0.0) || !(cZug + cDruck < sTop - sBot)) {
        return Fehler(aus, kEingabe,
                      "Biegebemessung: Randabstände d1 " + Zahl(ein.d1) + " / d2 " + Zahl(ein.d2) +
                          " passen nicht in die Höhe " + Zahl(sTop - sBot));
    }
    const double s1 = sBot + cZug;   // As1
    const double s2 = sTop - cDruck; // As2
    const double dEff = sTop - s1;
    const double zs1 = -s1; // centroid to As1
    const double zs2 = s2;  // centroid to As2
    const double Mabs = std::fabs(M);
    const double MEds = Mabs - N * zs1 / 100.0;
    aus.w = static_cast<float>(dEff);

    if (MEds < 0.0) {
        // Tension with small eccentricity: both layers in tension at yield.
        const double fyd = stahl.fyd * kKN;
        const double z = (zs1 + zs2) / 100.0;
        aus.As1 = static_cast<float>((N * zs2 / 100.0 + Mabs) / (z * fyd));
        aus.As2 = static_cast<float>((N * zs1 / 100.0 - Mabs) / (z * fyd));
        aus.r2 = aus.r3 = aus.r5 = static_cast<float>(epsSu);
        aus.r7 = static_cast<float>(zs1 + zs2);
        aus.r6 = static_cast<float>((aus.As1 + aus.As2) * 100.0 / q.A);
        return kOk;
    }

    const double epsLim = epsCu * (1.0 - xi) / xi; // steel strain at x = ξ · d
    auto ebene = [&](double t) {
        if (t <= 1.0) {
            return Durch(s1, epsSu, sTop, -t * epsCu);
        }
        return Durch(s1, epsSu + (t - 1.0) * (epsLim - epsSu), sTop, -epsCu);
    };
    struct Beton {
        double Fc, Mc;
    };
    auto druck = [&](const Ebene& e) {
        const Resultante r = p.Integrieren(beton, e.a, e.b);
        return Beton{-r.N * kKN, -(r.Ss - s1 * r.N) * kKNm};
    };

    double t = 2.0;
    Beton c = druck(ebene(t));
    double As2 = 0.0;
    double zusatz = 0.0; // force of the compression reinforcement (kN)
    if (MEds <= c.Mc) {
        double lo = 0.0, hi = 2.0;
        for (int i = 0; i < kSchritte; ++i) {
            const double mitte = (lo + hi) / 2.0;
            (druck(ebene(mitte)).Mc < MEds ? lo : hi) = mitte;
        }
        t = hi;
        c = druck(ebene(t));
    } else {
        const Ebene e = ebene(2.0);
        const double eps2 = e.At(s2);
        const double sig2 = -StahlSpannung(stahl, eps2) * kKN;
        if (cDruck <= 0.0 || sig2 <= 0.0) {
            return Fehler(aus, kNichtBemessbar,
                          "Biegebemessung: Druckbewehrung erforderlich, liegt aber nicht in der "
                          "Druckzone");
        }
        zusatz = (MEds - c.Mc) * 100.0 / (s2 - s1);
        As2 = zusatz / sig2;
    }
    const Ebene e = ebene(t);
    const double eps1 = e.At(s1);
    const double sig1 = StahlSpannung(stahl, eps1) * kKN;
    const double As1 = (c.Fc + zusatz + N) / sig1;
    if (As1 < -1e-6) {
        return Fehler(aus, kKleineAusmitte,
                      "Biegebemessung: die Druckkraft überwiegt (kleine Ausmitte); Bemessung mit "
                      "Längskraft erforderlich");
    }
    aus.As1 = static_cast<float>(std::max(As1, 0.0));
    aus.As2 = static_cast<float>(As2);
    aus.r2 = static_cast<float>(e.At(sTop));
    aus.r3 = static_cast<float>(e.At(sBot));
    const double x = sTop - (-e.a / e.b);
    aus.r4 = static_cast<float>(x);
    aus.r5 = static_cast<float>(eps1);
    aus.r6 = static_cast<float>((aus.As1 + aus.As2) * 100.0 / q.A);
    aus.r7 = static_cast<float>(c.Fc > 0.0 ? c.Mc * 100.0 / c.Fc : 0.0);
    aus.r8 = static_cast<float>(x / dEff);
    return kOk;
}
