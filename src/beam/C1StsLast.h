#pragma once

#include <cmath>
#include <string>

// Support settlement s [cm]. Feld: support number on the beam, 1 (start) or 2 (end) on a span.
struct C1StsLast {
    int Feld = 0;
    int Lf = 0;
    int Nr = 0;
    double s = 0.0;
    std::string Text;

    bool IsVernachlaessigbar() const { return std::fabs(s) < 1e-6; }
};
