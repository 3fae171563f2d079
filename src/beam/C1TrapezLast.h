#pragma once

#include <cmath>
#include <string>

// Linearly varying transverse line load: q1 [kN/m] at a, q2 at a + b (positions in m).
// Feld: span the position refers to (beam set) or 0 (span set).
struct C1TrapezLast {
    int Feld = 0;
    int Lf = 0;
    int Nr = 0;
    double a = 0.0;
    double b = 0.0;
    double q1 = 0.0;
    double q2 = 0.0;
    std::string Text;
    int Flag = 1;

    bool IsVernachlaessigbar() const { return std::fabs(q1) < 1e-6 && std::fabs(q2) < 1e-6; }
};
