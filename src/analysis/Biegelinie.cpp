#include "analysis/Biegelinie.h"

#include <algorithm>
#include <cmath>

namespace biegelinie {

namespace {

constexpr int kSegmente = kPunkte - 1;
constexpr double kE = 21000.0;      // kN/cm²
constexpr double kCm4InM4 = 1.0e-8; // m⁴ per cm⁴
constexpr double kCm2InM2 = 1.0e4;  // cm² per m²
constexpr double kCmProM = 100.0;

// Slope and deflection along the height z above the foot, integrated from w = 0, w' = 0 at
// the foot; node i lies at z = i·dz.
struct Integration {
    Linie w{};
    Linie neigung{};
    Linie kruemmung{};
    double dz = 0.0;

    // Deflection at any height z inside the nodes' range (the same cubic as the nodes).
    double Bei(double z) const {
        const int i = std::clamp(static_cast<int>(z / dz), 0, kSegmente - 1);
        const double s = z - i * dz;
        const double k0 = kruemmung[i];
        const double dk = (kruemmung[i + 1] - k0) / dz;
        return w[i] + neigung[i] * s + k0 * s * s / 2.0 + dk * s * s * s / 6.0;
    }
};

Integration IntegriereVomFuss(const Linie& moment, double TL, double t, double EI) {
    Integration r;
    r.dz = t / kSegmente;
    // Moments in kNm and EI in kNm² give a curvature in 1/m; deflections in cm.
    const double faktor = kCmProM / EI;
    for (int i = 0; i < kPunkte; ++i) {
        const double tiefe = t - i * r.dz;
        r.kruemmung[i] = faktor * MomentBei(moment, TL, TL - tiefe);
    }
    for (int i = 0; i < kSegmente; ++i) {
        const double k0 = r.kruemmung[i];
        const double k1 = r.kruemmung[i + 1];
        r.neigung[i + 1] = r.neigung[i] + r.dz * (k0 + k1) / 2.0;
        r.w[i + 1] = r.w[i] + r.dz * r.neigung[i] + r.dz * r.dz * (2.0 * k0 + k1) / 6.0;
    }
    return r;
}

// Place p is the depth p·t/20: node 20 - p counted from the foot.
Linie NachTiefe(const Linie& vomFuss) {
    Linie r{};
    for (int p = 0; p < kPunkte; ++p) {
        r[p] = vomFuss[kSegmente - p];
    }
    return r;
}

} // namespace

double Biegesteifigkeit(double Iy) {
    return kE * kCm2InM2 * Iy * kCm4InM4;
}

double MomentBei(const Linie& moment, double TL, double x) {
    if (TL <= 0.0) {
        return 0.0;
    }
    const double u = std::clamp(x / TL, 0.0, 1.0) * kSegmente;
    const int p = std::min(static_cast<int>(u), kSegmente - 1);
    const double s = u - p;
    return moment[p] + (moment[p + 1] - moment[p]) * s;
}

Linie Kragwand(const Linie& moment, double TL, double t, double EI) {
    if (t <= 0.0 || EI <= 0.0) {
        return Linie{};
    }
    return NachTiefe(IntegriereVomFuss(moment, TL, t, EI).w);
}

Linie Ankerwand(const Linie& moment, double TL, double t, double A, double EI) {
    if (t <= 0.0 || EI <= 0.0 || A >= t) {
        return Linie{};
    }
    const Integration r = IntegriereVomFuss(moment, TL, t, EI);
    // Adding a rigid rotation about the foot that brings the anchor point back to 0 keeps
    // the curvature and the foot's w = 0.
    const double zAnker = t - std::max(A, 0.0);
    const double drehung = r.Bei(zAnker) / zAnker;
    Linie w{};
    for (int i = 0; i < kPunkte; ++i) {
        w[i] = r.w[i] - drehung * i * r.dz;
    }
    return NachTiefe(w);
}

} // namespace biegelinie
