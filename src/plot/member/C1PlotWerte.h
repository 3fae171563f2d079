#pragma once

// Small value records of the member-plot data.

#include <cmath>
#include <string>

struct C1IntPaar {
    int a = 0;
    int b = 0;
};

// Four ints; from a corner and a size the last two are the corner plus the size.
struct C1IntVier {
    int a = 0;
    int b = 0;
    int c = 0;
    int d = 0;
    static C1IntVier AusEckeUndGroesse(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
};

struct C1DoublePaar {
    double a = 0.0;
    double b = 0.0;
};

struct C1DoubleDrei {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};

struct C1DoubleVier {
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double d = 0.0;
};

struct C1TextPaar {
    std::string a;
    std::string b;
};

// The larger of two values.
inline double MaxWert(double a, double b) {
    return a > b ? a : b;
}

// Of two values the one with the smaller magnitude; the second on equal magnitudes.
inline double MinBetrag(double a, double b) {
    return std::fabs(a) < std::fabs(b) ? a : b;
}
