#pragma once

#include <cmath>
#include <string>

// Concentrated moment M [kNm] at d [m].
struct C1MomentLast {
    int Feld = 0;
    int Lf = 0;
    int Nr = 0;
    double d = 0.0;
    double M = 0.0;
    std::string Text;

    bool IsVernachlaessigbar() const { return std::fabs(M) < 1e-6; }
};
