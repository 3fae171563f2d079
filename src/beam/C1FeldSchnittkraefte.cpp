#include "beam/C1Feld.h"

#include "beam/Overloaded.h"
#include "platform/C1Exception.h"

#include <cmath>

namespace {

// Centroid factors of the triangular part as the program has always stored them.
constexpr double kSchwerpunktFern = 0.6666;
constexpr double kSchwerpunktNah = 0.3333;
// A concentrated moment acts on the span part right of its position beyond this margin.
constexpr double kMomentRand = 0.00001;
// Both ends clamped: M = -1/3 (2 t1 - t2), with the factor as the program has always used it.
constexpr double kMinusDrittel = -0.3333333;
// Refinement of the zero-shear search: steps per interval, depth before the secant step, and
// the step past a found zero as part of the span length.
constexpr int kNullstelleSchritte = 11;
constexpr int kNullstelleTiefe = 3;
constexpr double kNullstelleWeiter = 0.001;
constexpr double kQNull = 0.001;

} // namespace

int C1Feld::Q0(int Lf, double& QAnf, double& QEnd) const {
    PruefeLaenge("C1Feld::Q0,  Feldlänge <= 0");
    QAnf = 0.0;
    QEnd = 0.0;
    // Each load as resultants R at x: QEnd collects the moments about the start, QAnf those
    // about the end.
    auto resultante = [&](double R, double x) {
        QEnd += R * x / L;
        QAnf += R * (L - x) / L;
    };
    ForEachLast(Lf, Overloaded{
                        [&](const Trapez& t) {
                            const double d = t.e - t.a;
                            const double xt =
                                t.a + (t.q2 >= t.q1 ? kSchwerpunktFern : kSchwerpunktNah) * d;
                            const double xr = t.a + 0.5 * d;
                            const double Rt = 0.5 * std::fabs(t.q2 - t.q1) * d;
                            const double Rr = std::min(t.q1, t.q2) * d;
                            resultante(Rt, xt);
                            resultante(Rr, xr);
                        },
                        [&](const C1EinzelLast& r) { resultante(r.P, r.c); },
                        [&](const C1MomentLast& r) {
                            QAnf -= r.M / L;
                            QEnd += r.M / L;
                        },
                        [](const auto&) {},
                    });
    QEnd = -QEnd;
    return 0;
}

double C1Feld::TrapezMomentLinks(double x, double a, double t, double l, double m,
                                 double dq) const {
    return (L - x) / l * (2.0 * dq * (t * t * t - a * a * a) + 3.0 * m * (t * t - a * a));
}

double C1Feld::TrapezMomentRechts(double x, double s, double e, double l, double m,
                                  double dq) const {
    return x / l *
           (3.0 * m * (2.0 * L * (e - s) - (e * e - s * s)) +
            dq * (3.0 * L * (e * e - s * s) - 2.0 * (e * e * e - s * s * s)));
}

template <bool mitM, bool mitQ>
C1Feld::Schnitt C1Feld::Schnittkraefte(int Lf, double MAnf, double MEnd, double QAnf, double x,
                                       const char* text) const {
    PruefeLaenge(text);
    double M0 = 0.0;
    double Q = QAnf;
    ForEachLast(Lf, Overloaded{
                        [&](const Trapez& t) {
                            if constexpr (mitM) {
                                const double l = 6.0 * L * (t.a - t.e);
                                const double m = t.a * t.q2 - t.e * t.q1;
                                const double dq = t.q1 - t.q2;
                                if (x >= t.e) {
                                    M0 += TrapezMomentLinks(x, t.a, t.e, l, m, dq);
                                } else if (x < t.a) {
                                    M0 += TrapezMomentRechts(x, t.a, t.e, l, m, dq);
                                } else {
                                    M0 += TrapezMomentLinks(x, t.a, x, l, m, dq) +
                                          TrapezMomentRechts(x, x, t.e, l, m, dq);
                                }
                            }
                            if constexpr (mitQ) {
                                const double d = t.e - t.a;
                                if (x <= t.a) {
                                    return;
                                }
                                if (x > t.e) {
                                    Q -= 0.5 * (t.q2 - t.q1) * d + t.q1 * d;
                                    return;
                                }
                                const double q = t.q1 + (t.q2 - t.q1) / d * (x - t.a);
                                Q -= 0.5 * (x - t.a) * (t.q1 + q);
                            }
                        },
                        [&](const C1EinzelLast& r) {
                            if constexpr (mitM) {
                                M0 += x >= r.c ? r.P * r.c * (L - x) / L : r.P * x * (L - r.c) / L;
                            }
                            if constexpr (mitQ) {
                                if (x > r.c) {
                                    Q -= r.P;
                                }
                            }
                        },
                        [&]([[maybe_unused]] const C1MomentLast& r) {
                            // Also for a moment at the span's very end: the span moment then
                            // runs up to -M there, which keeps a head moment constant along a
                            // cantilever.
                            if constexpr (mitM) {
                                M0 += x <= r.d + kMomentRand ? -r.M * x / L : r.M * (L - x) / L;
                            }
                        },
                        [](const auto&) {},
                    });
    Schnitt s;
    if constexpr (mitM) {
        s.M = MAnf + (MEnd - MAnf) * x / L + M0;
    }
    s.Q = Q;
    return s;
}

double C1Feld::Mx(int Lf, double MAnf, double MEnd, double x) const {
    return Schnittkraefte<true, false>(Lf, MAnf, MEnd, 0.0, x, "C1Feld::Mx,  Feldlänge <= 0").M;
}

double C1Feld::qx(int Lf, double QAnf, double /*QEnd*/, double x) const {
    return Schnittkraefte<false, true>(Lf, 0.0, 0.0, QAnf, x, "C1Feld::qx,  Feldlänge <= 0").Q;
}

C1Feld::Schnitt C1Feld::MQx(int Lf, double MAnf, double MEnd, double QAnf, double x) const {
    return Schnittkraefte<true, true>(Lf, MAnf, MEnd, QAnf, x, "C1Feld::MQx,  Feldlänge <= 0");
}

double C1Feld::Nx(int Lf, double x) const {
    PruefeLaenge("C1Feld::Nx,  Feldlänge <= 0");
    double N = 0.0;
    // The records describe the normal force over their stretches: a later one replaces an
    // earlier one, they are not summed.
    ForEachLast(Lf, Overloaded{
                        [&](const C1NormalKraft& r) {
                            if (r.a <= x && x <= r.a + r.b) {
                                N = r.N1 + (r.N2 - r.N1) / r.b * (x - r.a);
                            }
                        },
                        [](const auto&) {},
                    });
    return N;
}

int C1Feld::EinspM(int Lf, int typeAnf, int typeEnd, double& MAnf, double& MEnd) const {
    PruefeLaenge("C1Feld::EinspM,  Feldlänge <= 0");
    double tA = 0.0;
    double tE = 0.0;
    Lastglieder(Lf, typeAnf, typeEnd, tA, tE);
    MAnf = 0.0;
    MEnd = 0.0;
    if (typeAnf == 1 && typeEnd == 1) {
        MAnf = kMinusDrittel * (2.0 * tA - tE);
        MEnd = kMinusDrittel * (2.0 * tE - tA);
    } else if (typeAnf == 1 && typeEnd == 0) {
        MAnf = -0.5 * tA;
    } else if (typeAnf == 0 && typeEnd == 1) {
        MEnd = -0.5 * tE;
    }
    return 1;
}

double C1Feld::KragMoment(int Lf, int type) const {
    if (type != 1 && type != 2) {
        return 0.0;
    }
    const bool freierAnfang = type == 1;
    double M = 0.0;
    ForEachLast(Lf, Overloaded{
                        [&](const Trapez& t) {
                            // A rectangle of the ordinate smaller in magnitude and a triangle of
                            // the difference; lever arms from the supported end.
                            const double d = t.e - t.a;
                            const double D = freierAnfang ? L - t.e : t.a;
                            const bool grossAmAnfang = std::fabs(t.q1) >= std::fabs(t.q2);
                            const double rechteck = grossAmAnfang ? t.q2 : t.q1;
                            const double dreieck = grossAmAnfang ? t.q1 - t.q2 : t.q2 - t.q1;
                            // The triangle's centroid lies a third of d from its non-zero end.
                            const bool fern = grossAmAnfang == freierAnfang;
                            const double hebel = (fern ? 2.0 * d / 3.0 : d / 3.0) + D;
                            M += -rechteck * d * (d / 2.0 + D) - 0.5 * dreieck * d * hebel;
                        },
                        [&](const C1EinzelLast& r) { M += -r.P * (freierAnfang ? L - r.c : r.c); },
                        [&](const C1MomentLast& r) { M += freierAnfang ? r.M : -r.M; },
                        [](const auto&) {},
                    });
    return M;
}

int C1Feld::SetMomente(int Lf, double MAnf, double MEnd, double& Mmax, double& xmax) {
    SetMB(Lf, 1, MAnf);
    SetMB(Lf, 2, MEnd);
    double qAnf = 0.0;
    double qEnd = 0.0;
    Q0(Lf, qAnf, qEnd);
    const double dQ = (MEnd - MAnf) / L;
    SetQ0(Lf, 1, qAnf + dQ);
    SetQ0(Lf, 2, qEnd + dQ);
    return MaxFeldMoment(Lf, MAnf, MEnd, qAnf + dQ, qEnd + dQ, Mmax, xmax);
}

int C1Feld::MaxFeldMoment(int Lf, double MAnf, double MEnd, double QAnf, double QEnd, double& Mmax,
                          double& xmax) const {
    PruefeLaenge("C1Feld::MaxFeldMoment,  Feldlänge <= 0");
    Mmax = 0.0;
    xmax = 0.0;
    int count = 0;
    double start = 0.0;
    // Every step moves start on by at least a thousandth of the span, so the search ends.
    for (;;) {
        const double x =
            QNullstelle(Lf, QAnf, QEnd, start, L, kNullstelleSchritte, 0, kNullstelleTiefe);
        if (x < 0.0 || x > L) {
            break;
        }
        const double M = Mx(Lf, MAnf, MEnd, x);
        if (M > Mmax) {
            Mmax = M;
            xmax = x;
        }
        ++count;
        start = x + kNullstelleWeiter * L;
    }
    return count > 0 ? 1 : 0;
}

double C1Feld::QNullstelle(int Lf, double QAnf, double QEnd, double x0, double x1, int n, int depth,
                           int maxDepth) const {
    PruefeLaenge("C1Feld::QNullstelle,  Feldlänge <= 0");
    ++depth;
    if (depth > maxDepth) {
        const double Q0v = qx(Lf, QAnf, QEnd, x0);
        const double Q1v = qx(Lf, QAnf, QEnd, x1);
        if (Q1v == Q0v) {
            // No secant through two equal values: no zero to report.
            return -1.0;
        }
        const double x = x0 - Q0v * (x1 - x0) / (Q1v - Q0v);
        return (x < 0.0 || x > L) ? -1.0 : x;
    }
    if (n < 1) {
        return 0.0;
    }
    const double h = (x1 - x0) / n;
    double x = x0;
    double Qprev = 0.0;
    for (int i = 1; i <= n; ++i) {
        x = x0 + (i - 1) * h;
        const double Q = qx(Lf, QAnf, QEnd, x);
        if (std::fabs(Q) <= kQNull) {
            return x;
        }
        if (i > 1 && Qprev * Q <= 0.0 && Qprev != 0.0) {
            return QNullstelle(Lf, QAnf, QEnd, x - h, x, n, depth, maxDepth);
        }
        Qprev = Q;
    }
    return x;
}
