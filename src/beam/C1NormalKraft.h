#pragma once

#include <cmath>
#include <string>

// Normal force over a stretch: N1 [kN] at a, N2 at a + b (positions in m).
struct C1NormalKraft {
    int Feld = 0;
    int Lf = 0;
    int Nr = 0;
    double a = 0.0;
    double b = 0.0;
    double N1 = 0.0;
    double N2 = 0.0;
    std::string Text;

    bool IsVernachlaessigbar() const { return std::fabs(N1) < 1e-6 && std::fabs(N2) < 1e-6; }
};
