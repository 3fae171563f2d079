#pragma once

// The frame in which a cross-section is drawn: a reference point on the member axis
// A -> B, u along the axis from it and v across it towards the negative ordinates
// (upwards for a member drawn to the right), and the box the drawing covers.

#include "plot/engine/C1Plot.h"
#include "plot/engine/C1Punkt.h"

#include <string>

class C1Quer;

struct C1QuerRahmen {
    C1Plot& page;
    int ax = 0;
    int ay = 0;
    int bx = 0;
    int by = 0;
    int s0 = 0;
    int t0 = 0;
    double sc = 1.0;
    int lh = 0;
    int number = 0;

    C1Punkt P(int u, int v) const;
    // A scaled dimension, truncated.
    int D(const C1Quer& q, int i) const;
    // A dimension label from (u1, v1) to (u2, v2) at k label heights across, with
    // its text; registered under iCol when col is above 0.
    void Mass(int u1, int v1, int u2, int v2, double k, const std::string& text, int col) const;
    void Register(int col, const C1Rect& box) const;
};

// Grows a box (left, top, right, bottom; empty while left > right) by a point.
void BoxAdd(C1Box& box, C1Punkt p, bool& empty);

// The steel branch of the cross-section drawing; the box of the drawn parts,
// enlarged for the labels (zero when the family has no geometry).
C1Box PlotProfil(const C1Quer& q, const C1QuerRahmen& f);
