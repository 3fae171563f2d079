#include "beam/C1Traeger.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <string>
#include <utility>

int C1Traeger::VerteileLasten(int& maxLf) {
    maxLf = 0;
    // Reads the i-th record of a kind; a negligible record adds nothing, but its load case
    // still counts for the highest one.
    auto jeder = [&](int i, auto record, auto verteile) {
        const int gilt = Lasten.GetRecord(i, record);
        maxLf = std::max(maxLf, record.Lf);
        if (gilt == 1) {
            verteile(record);
        }
    };
    const int n = Lasten.GetMaxAnzahl();
    for (int i = 1; i <= n; ++i) {
        jeder(i, C1NormalKraft{}, [&](const C1NormalKraft& r) {
            VerteileStrecke(r.Feld, r.a, r.b, r.N1, r.N2,
                            [&](C1Feld& f, double xa, double laenge, double wa, double wb) {
                                f.GetLasten().AddNormalKraft(r.Lf, xa, laenge, wa, wb, "");
                            });
        });
        jeder(i, C1TrapezLast{}, [&](const C1TrapezLast& r) {
            VerteileStrecke(r.Feld, r.a, r.b, r.q1, r.q2,
                            [&](C1Feld& f, double xa, double laenge, double wa, double wb) {
                                f.GetLasten().AddTrapezLast(r.Lf, xa, laenge, wa, wb, "", 1);
                            });
        });
        jeder(i, C1TempLast{}, [&](const C1TempLast& r) {
            VerteileStrecke(r.Feld, r.a, r.b, r.Ke, r.Ke,
                            [&](C1Feld& f, double xa, double laenge, double, double) {
                                f.GetLasten().AddTempLast(r.Lf, xa, laenge, r.Ke, "");
                            });
        });
        jeder(i, C1StsLast{}, [&](const C1StsLast& r) { VerteileSetzung(r); });
        jeder(i, C1EinzelLast{}, [&](const C1EinzelLast& r) {
            VerteilePunkt(r.Feld, r.c, [&](C1Feld& f, double xa) {
                f.GetLasten().AddEinzelLast(r.Lf, xa, r.P, "", 1);
            });
        });
        jeder(i, C1MomentLast{}, [&](const C1MomentLast& r) {
            VerteilePunkt(r.Feld, r.d, [&](C1Feld& f, double xa) {
                f.GetLasten().AddMomentLast(r.Lf, xa, r.M, "");
            });
        });
    }
    return 1;
}

double C1Traeger::BalkenX(int feld, double position) const {
    return (feld >= 1 && feld <= nFeld) ? FeldXAnf.at(feld) + position : position;
}

void C1Traeger::VerteileStrecke(int feld, double a, double b, double w1, double w2,
                                const StreckenAdder& add) {
    const double start = BalkenX(feld, a);
    // A length of 0 or less runs the load to the beam's end.
    const double laenge = b <= 0.0 ? TL - start : b;
    if (laenge <= 0.0) {
        // Starts at or beyond the beam's end: no extent, no load, nothing to divide by.
        return;
    }
    const double end = start + laenge;
    const double s = (w2 - w1) / laenge;
    for (int j = 1; j <= nFeld; ++j) {
        double xa = 0.0;
        double xb = 0.0;
        if (GetFeldAnteil(j, start, end, xa, xb) != 1) {
            continue;
        }
        const double xs = FeldXAnf.at(j);
        const double xe = FeldXEnd.at(j);
        const double wa = start >= xs ? w1 : w1 + (xs - start) * s;
        const double wb = xe >= end ? w2 : w1 + (xe - start) * s;
        add(GetFeld(j), xa, xb - xa, wa, wb);
    }
}

void C1Traeger::VerteilePunkt(int feld, double position, const PunktAdder& add) {
    const double x = BalkenX(feld, position);
    // A concentrated load goes into one span only. Close below an interior support two spans
    // would claim it (the end of one, the start of the next); like a load exactly on the
    // support it belongs to the following span, the last one that claims it.
    int treffer = 0;
    double xTreffer = 0.0;
    for (int j = 1; j <= nFeld; ++j) {
        double xa = 0.0;
        double xb = 0.0;
        if (GetFeldAnteil(j, x, x, xa, xb) >= 1) {
            treffer = j;
            xTreffer = xa;
        }
    }
    if (treffer > 0) {
        add(GetFeld(treffer), xTreffer);
    }
}

void C1Traeger::VerteileSetzung(const C1StsLast& r) {
    const int k = r.Feld;
    if (k < 1 || k > nFeld + 1) {
        throw C1Exception("C1Traeger::VerteileLasten, Setzung an Auflager " + std::to_string(k) +
                          ", zulässig sind 1 bis " + std::to_string(nFeld + 1));
    }
    // An interior support settles the end of the span before it and the start of the next.
    if (k > 1) {
        GetFeld(k - 1).GetLasten().AddStsLast(r.Lf, 2, r.s, r.Text);
    }
    if (k <= nFeld) {
        GetFeld(k).GetLasten().AddStsLast(r.Lf, 1, r.s, r.Text);
    }
}

int C1Traeger::GetFeldAnteil(int i, double a, double b, double& xa, double& xb) const {
    xa = 0.0;
    xb = 0.0;
    if (a >= b) {
        std::swap(a, b);
    }
    const double xs = FeldXAnf.at(i);
    const double xe = FeldXEnd.at(i);
    const double Li = xe - xs;
    const bool punkt = IsGleich(a, b) == 1;
    int result = 0;
    if (punkt && IsGleich(a, 0.0) && i == 1) {
        result = 2;
        xa = xb = a;
    } else if (punkt && IsGleich(a, TL) && i == nFeld) {
        result = 2;
        xa = xb = a - xs;
    } else if (punkt && IsGleich(a, xs)) {
        result = 1;
        xa = xb = a - xs;
    } else if (xs >= b || a >= xe) {
        return 0;
    } else {
        result = 1;
        xa = xs >= a ? 0.0 : a - xs;
        xb = b - xs;
    }
    xb = std::min(std::max(xb, 0.0), Li);
    xa = std::min(std::max(xa, 0.0), Li);
    return result;
}

int C1Traeger::GetFeldTrapez(int i, double a, double b, double q1, double q2, double& qa,
                             double& qb) const {
    if (b - a < 0.0) {
        return 0;
    }
    double xa = 0.0;
    double xb = 0.0;
    const int r = GetFeldAnteil(i, a, b, xa, xb);
    if (r != 1) {
        return r;
    }
    const double xs = FeldXAnf.at(i);
    const double xe = FeldXEnd.at(i);
    // A point has no slope; both ordinates are then the one given at it.
    const double s = b > a ? (q2 - q1) / (b - a) : 0.0;
    qa = a >= xs ? q1 : q1 + (xs - a) * s;
    qb = b <= xe ? q2 : q1 + (xe - a) * s;
    return 1;
}
