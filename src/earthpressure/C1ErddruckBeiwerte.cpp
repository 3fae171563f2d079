#include "earthpressure/C1ErddruckBeiwerte.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kViertelPi = 0.7853981635;
constexpr double kHalbPi = 1.570796327;
// Slip-plane angle of the active and of the passive wedge for phi = beta = 0 on a
// vertical wall without friction (the limit of the formulas).
constexpr double kThetaUndrainiert = 45.0;

double Quadrat(double v) {
    return v * v;
}

} // namespace

void C1ErddruckBeiwerte::SetWinkel(double alpha, double beta, double delta, double phi) {
    alphaRad = Rad(alpha);
    betaRad = Rad(beta);
    deltaRad = Rad(delta);
    phiRad = Rad(phi);
}

double C1ErddruckBeiwerte::Ergebnis(double wert) {
    ergebnis = wert;
    return wert;
}

double C1ErddruckBeiwerte::CalcKagh(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    h = std::sin(p + d) * std::sin(p - b) / (std::cos(a - d) * std::cos(a + b));
    h = std::max(h, 0.0);
    return Ergebnis(Quadrat(std::cos(p + a)) /
                    (Quadrat(std::cos(a)) * Quadrat(1.0 + std::sqrt(h))));
}

double C1ErddruckBeiwerte::CalcKpghCoulomb(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    h = std::sin(p - d) * std::sin(p + b) / (std::cos(a - d) * std::cos(a + b));
    h = std::max(h, 0.0);
    return Ergebnis(Quadrat(std::cos(p - a)) /
                    (Quadrat(std::cos(a)) * Quadrat(1.0 - std::sqrt(h))));
}

double C1ErddruckBeiwerte::CalcK0(double x, double phi) {
    const double p = Rad(phi);
    k0s = 1.0 - std::sin(p);
    k0c = std::cos(p);
    if (!(x > 0.0)) {
        return Ergebnis(k0s);
    }
    // For phi = 0 the ratio (cos phi − (1 − sin phi))/phi tends to 1 per radian.
    const double anstieg = phi != 0.0 ? (k0c - k0s) / phi : 1.0 / gradFaktor;
    return Ergebnis(k0s + anstieg * x);
}

double C1ErddruckBeiwerte::CalcK0gh(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, p = phiRad;
    // The terrain angle of the last term is limited to 0 ... delta.
    double betaStrich = beta;
    if (betaStrich < 0.0) {
        betaStrich = 0.0;
    } else if (betaStrich > delta) {
        betaStrich = delta;
    }
    const double bs = Rad(betaStrich);
    const double f = p > 0.0 ? (std::sin(p) - Quadrat(std::sin(p))) /
                                   (std::sin(p) - Quadrat(std::sin(b))) * Quadrat(std::cos(b))
                             : 1.0;
    const double g = std::sqrt(1.0 / (1.0 / f + Quadrat(std::tan(b))));
    return Ergebnis(f * (1.0 - std::fabs(std::tan(a) * std::tan(b))) * (1.0 + g * std::tan(b)) /
                    (1.0 + g * std::tan(bs)));
}

double C1ErddruckBeiwerte::CalcKach(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    return Ergebnis(2.0 * std::cos(a + b) * std::cos(p) * std::cos(a - d) /
                    ((1.0 + std::sin(p + d - a - b)) * std::cos(a)));
}

double C1ErddruckBeiwerte::CalcKpch(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    return Ergebnis(2.0 * std::cos(p) * std::cos(b) * (1.0 - std::tan(a) * std::tan(b)) *
                    std::cos(a - d) / (1.0 - std::sin(p - d + a + b)));
}

double C1ErddruckBeiwerte::CalcThetaA(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    return Gleitflaechenwinkel(std::sin(p + d) * std::cos(a + b),
                               -std::sin(b - p) * std::cos(d - a), p + a, p + a, phi, phi, beta);
}

double C1ErddruckBeiwerte::CalcThetaP(double alpha, double beta, double delta, double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    return Gleitflaechenwinkel(std::sin(d - p) * std::cos(a + b),
                               -std::sin(p + b) * std::cos(d - a), a - p, p + a, -phi, phi, beta);
}

double C1ErddruckBeiwerte::Gleitflaechenwinkel(double zaehler, double nenner, double tanWinkel,
                                               double cosWinkel, double phiTerm, double phi,
                                               double beta) {
    if (nenner == 0.0) {
        // Terrain as steep as the friction angle (or against it). For phi = beta = 0 the
        // formula tends to 45°; otherwise an unbounded root makes the slip plane run at
        // the friction angle itself.
        if (phi == 0.0 && beta == 0.0) {
            return Ergebnis(kThetaUndrainiert);
        }
        h = 0.0;
        if (zaehler > 0.0) {
            return Ergebnis(phiTerm);
        }
    } else {
        h = std::max(zaehler / nenner, 0.0);
    }
    const double v = std::tan(tanWinkel) + std::sqrt(h) / std::cos(cosWinkel);
    return Ergebnis(std::atan(1.0 / v) * gradFaktor + phiTerm);
}

double C1ErddruckBeiwerte::Keilfaktor(bool horizontal, double a1, double a2, double a3, double a4,
                                      double wandWinkel) {
    const double w = Rad(a1) - Rad(a3);
    const double wert = (horizontal ? std::sin(w) : std::cos(w)) / std::cos(w - Rad(a2) + Rad(a4)) *
                        std::cos(wandWinkel);
    return Ergebnis(std::max(wert, 0.0));
}

double C1ErddruckBeiwerte::CalcKeilH(double a1, double a2, double a3) {
    return Keilfaktor(true, a1, a2, a3, 0.0, deltaRad);
}

double C1ErddruckBeiwerte::CalcKeilV(double a1, double a2, double a3) {
    return Keilfaktor(false, a1, a2, a3, 0.0, deltaRad);
}

double C1ErddruckBeiwerte::CalcKeilHGeneigt(double a1, double a2, double a3, double a4) {
    return Keilfaktor(true, a1, a2, a3, a4, deltaRad - alphaRad);
}

double C1ErddruckBeiwerte::CalcKeilVGeneigt(double a1, double a2, double a3, double a4) {
    return Keilfaktor(false, a1, a2, a3, a4, deltaRad - alphaRad);
}

void C1ErddruckBeiwerte::CalcGleitwinkelPassiv(double alpha, double beta, double delta,
                                               double phi) {
    SetWinkel(alpha, beta, delta, phi);
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    // The ratios have no value for phi = 0; nothing of the coefficients depends on them.
    const double sinPhi = std::sin(p);
    m1 = sinPhi != 0.0 ? std::sin(b) / sinPhi : 0.0;
    m2 = sinPhi != 0.0 ? -std::sin(d) / sinPhi : 0.0;
    theta1 = (kViertelPi - p / 2.0) - (m1 - b) / 2.0;
    theta2 = (p / 2.0 + kViertelPi) - (m2 - d) / 2.0;
    theta2b = p / 2.0 + kViertelPi + (m2 - d) / 2.0;
    nu = (kHalbPi - a + b) - theta1 - theta2;
}

void C1ErddruckBeiwerte::CalcKorrekturen() {
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    const double tanPhi = std::tan(p);
    if (a > 0.0) {
        iag = std::pow(1.0 - 0.0012 * a * tanPhi, 2910.0 - 1958.0 * p);
    } else {
        iag = std::pow(1.0 + 0.72 * a * tanPhi, 1.03 * p - 3.51);
    }
    iap = std::exp(-2.0 * a * tanPhi) / std::cos(a);
    iac = iap;
    if (b > 0.0) {
        ibg = std::pow(1.0 + 0.35 * b, 8.15 * p + 0.42);
        ibp = std::pow(1.0 + 3.84 * b, 0.98 * p);
        ibc = std::exp(2.0 * b * tanPhi);
    } else {
        ibg = std::pow(1.0 + 0.73 * b, 2.89);
        ibp = std::pow(1.0 + 1.16 * b, 1.57);
        ibc = std::pow(1.0 + 0.001 * b * tanPhi, 2232.0 * p + 205.4);
    }
    if (d > 0.0) {
        idg = std::pow(1.0 + 0.41 * d, -7.13);
        idp = std::pow(1.0 - 0.72 * d, 2.81);
        idc = std::pow(1.0 + 4.46 * d * tanPhi, 0.57 * p - 1.14);
    } else {
        idg = std::pow(1.0 - 0.53 * d, 5.96 * p + 0.26);
        idp = std::pow(1.0 - 1.33 * d, 2.37 * p + 0.08);
        idc = idp;
    }
}

double C1ErddruckBeiwerte::CalcKpgh(double alpha, double beta, double delta, double phi) {
    CalcGleitwinkelPassiv(alpha, beta, delta, phi);
    CalcKorrekturen();
    const double a = alphaRad, b = betaRad, d = deltaRad, p = phiRad;
    if (phi == 0.0) {
        // Undrained soil: the limits of the curved slip surface.
        kpgh = 1.0;
        kpph = std::cos(b);
        kp0c = 2.0;
        idc = 1.0;
        ibc = 1.0 + b;
        iac = (1.0 - a) / std::cos(a);
        kpch = kp0c * idc * ibc * iac;
    } else {
        kp0g = kp0p = (1.0 + std::sin(p)) / (1.0 - std::sin(p));
        kpgh = kp0g * idg * ibg * iag;
        kpph = kp0p * idp * ibp * iap;
        kpch = (1.0 / std::tan(p)) * (kp0p * idc * ibc * iac - 1.0 / (std::cos(a) * std::cos(d)));
    }
    kpgh *= std::cos(d);
    kpph *= std::cos(d);
    kpch *= std::cos(d);
    return Ergebnis(kpgh);
}

double C1ErddruckBeiwerte::CalcFaktorAuflast(double alpha, double beta) {
    SetWinkel(alpha, beta, 0.0, 0.0);
    return Ergebnis(std::cos(alphaRad) * std::cos(betaRad) / std::cos(alphaRad - betaRad));
}
