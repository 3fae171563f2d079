#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

// Independent checks for the concrete routines: stress resultants of a rectangle
// for a strain plane by a plain grid of cells (midpoint rule), and the closed-form
// parabola-rectangle block of a rectangle with the concrete at 3.5 per mille.
namespace beton_test {

constexpr double kFcd = 0.85 * 30.0 / 1.5; // C30/37, N/mm²
constexpr double kFyd = 500.0 / 1.15;      // B500, N/mm²
constexpr double kEpsYd = kFyd / 200000.0 * 1000.0;
constexpr double kAlphaR = 17.0 / 21.0; // fullness of the block at εc2 2, εcu2 3.5
constexpr double kKa = 99.0 / 238.0;    // its centroid below the edge, over x

struct Bar {
    double u, v, area; // cm, cm²
};

struct Kraefte {
    double N, My, Mz; // kN, kNm
};

inline double Beton(double eps) { // per mille, compression negative
    if (eps >= 0.0) {
        return 0.0;
    }
    if (eps <= -2.0) {
        return -kFcd;
    }
    const double r = 1.0 + eps / 2.0;
    return -kFcd * (1.0 - r * r);
}

inline double Stahl(double eps) {
    return std::clamp(200000.0 * eps / 1000.0, -kFyd, kFyd);
}

struct Teil {
    double u0, u1, v0, v1; // a rectangle of the section, cm
};

// eps(u, v) = eps0 + kz·u − ky·v over rectangles (coordinates from the centroid).
inline Kraefte GitterTeile(const std::vector<Teil>& teile, const std::vector<Bar>& bars,
                           double eps0, double ky, double kz, int n = 400) {
    Kraefte k{0.0, 0.0, 0.0};
    for (const Teil& t : teile) {
        const double du = (t.u1 - t.u0) / n, dv = (t.v1 - t.v0) / n;
        for (int i = 0; i < n; ++i) {
            const double u = t.u0 + (i + 0.5) * du;
            for (int j = 0; j < n; ++j) {
                const double v = t.v0 + (j + 0.5) * dv;
                const double f = Beton(eps0 + kz * u - ky * v) * du * dv * 0.1; // kN
                k.N += f;
                k.My -= f * v / 100.0;
                k.Mz += f * u / 100.0;
            }
        }
    }
    for (const Bar& s : bars) {
        const double f = Stahl(eps0 + kz * s.u - ky * s.v) * s.area * 0.1;
        k.N += f;
        k.My -= f * s.v / 100.0;
        k.Mz += f * s.u / 100.0;
    }
    return k;
}

// The same over the cells of a box whose centres lie inside a shape.
template <class Innen>
Kraefte GitterForm(double b, double h, Innen innen, const std::vector<Bar>& bars, double eps0,
                   double ky, double kz, int n = 600) {
    Kraefte k = GitterTeile({}, bars, eps0, ky, kz);
    const double du = b / n, dv = h / n;
    for (int i = 0; i < n; ++i) {
        const double u = -b / 2.0 + (i + 0.5) * du;
        for (int j = 0; j < n; ++j) {
            const double v = -h / 2.0 + (j + 0.5) * dv;
            if (innen(u, v)) {
                const double f = Beton(eps0 + kz * u - ky * v) * du * dv * 0.1;
                k.N += f;
                k.My -= f * v / 100.0;
                k.Mz += f * u / 100.0;
            }
        }
    }
    return k;
}

// The same over a b × h rectangle centred in the origin.
inline Kraefte Gitter(double b, double h, const std::vector<Bar>& bars, double eps0, double ky,
                      double kz, int n = 400) {
    return GitterTeile({{-b / 2.0, b / 2.0, -h / 2.0, h / 2.0}}, bars, eps0, ky, kz, n);
}

} // namespace beton_test
