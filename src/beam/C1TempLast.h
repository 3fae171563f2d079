#pragma once

#include <string>

// Curvature Ke [1/m] from a temperature difference, from a over the length b [m].
struct C1TempLast {
    int Feld = 0;
    int Lf = 0;
    int Nr = 0;
    double a = 0.0;
    double b = 0.0;
    double Ke = 0.0;
    std::string Text;

    // A zero curvature still describes a temperature load case; it is never dropped.
    bool IsVernachlaessigbar() const { return false; }
};
