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

// Slope and deflection along the beam, integrated from w = 0, w' = 0 at its foot; node i
// lies at x = i·dx, where the moment line has its place i.
struct Integration {
    Linie w{};
    Linie neigung{};
    Linie kruemmung{};
    double dx = 0.0;

    // Deflection at any position x inside the nodes' range (the same cubic as the nodes).
    double Bei(double x) const {
        const int i = std::clamp(static_cast<int>(x / dx), 0, kSegmente - 1);
        const double s = x - i * dx;
        const double k0 = kruemmung[i];
        const double dk = (kruemmung[i + 1] - k0) / dx;
        return w[i] + neigung[i] * s + k0 * s * s / 2.0 + dk * s * s * s / 6.0;
    }
};

Integration IntegriereVomFuss(const Linie& moment, double TL, double EI) {
    Integration r;
    r.dx = TL / kSegmente;
    // Moments in kNm and EI in kNm² give a curvature in 1/m; deflections in cm.
    const double faktor = kCmProM / EI;
    for (int i = 0; i < kPunkte; ++i) {
        r.kruemmung[i] = faktor * moment[i];
    }
    for (int i = 0; i < kSegmente; ++i) {
        const double k0 = r.kruemmung[i];
        const double k1 = r.kruemmung[i + 1];
        r.neigung[i + 1] = r.neigung[i] + r.dx * (k0 + k1) / 2.0;
        r.w[i + 1] = r.w[i] + r.dx * r.neigung[i] + r.dx * r.dx * (2.0 * k0 + k1) / 6.0;
    }
    return r;
}

// Place p is the depth p·TL/20: node 20 - p counted from the foot.
Linie NachTiefe(const Linie& vomFuss) {
    Linie r{};
    for (int p = 0; p < kPunkte; ++p) {
        r[p] = vomFuss[kSegmente - p];
    }
    return r;
}

bool Gueltig(double TL, double EI) {
    return TL > 0.0 && EI > 0.0 && std::isfinite(TL) && std::isfinite(EI);
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

Linie Kragwand(const Linie& moment, double TL, double EI) {
    if (!Gueltig(TL, EI)) {
        return Linie{};
    }
    return NachTiefe(IntegriereVomFuss(moment, TL, EI).w);
}

Linie Ankerwand(const Linie& moment, double TL, double xFuss, double xAnker, double EI) {
    xFuss = std::clamp(xFuss, 0.0, TL);
    xAnker = std::clamp(xAnker, 0.0, TL);
    if (!Gueltig(TL, EI) || !(xAnker > xFuss)) {
        return Linie{};
    }
    const Integration r = IntegriereVomFuss(moment, TL, EI);
    // A rigid movement a + b·x added to the line keeps its curvature; it brings both
    // supports back to 0.
    const double wFuss = r.Bei(xFuss);
    const double b = (r.Bei(xAnker) - wFuss) / (xAnker - xFuss);
    const double a = wFuss - b * xFuss;
    Linie w{};
    for (int i = 0; i < kPunkte; ++i) {
        w[i] = r.w[i] - a - b * i * r.dx;
    }
    return NachTiefe(w);
}

} // namespace biegelinie
