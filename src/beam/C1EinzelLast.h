#pragma once

#include <cmath>
#include <string>

// Point load P [kN] at c [m].
struct C1EinzelLast {
    int Feld = 0;
    int Lf = 0;
    int Nr = 0;
    double c = 0.0;
    double P = 0.0;
    std::string Text;
    int Flag = 1;

    bool IsVernachlaessigbar() const { return std::fabs(P) < 1e-6; }
};
