#pragma once

// One labelled point of a drawn result curve: the kind of extreme (1 maximum,
// 2 minimum, 4 jump), its place along the member and across it (world units) and
// its value in the curve's own unit.
struct ExtremLabel {
    int kind = 0;
    double position = 0.0;
    double ordinate = 0.0;
    double value = 0.0;
    // Placed before the others: the curve's greatest values and its marked points.
    bool vorrang = false;

    // Every field back to zero.
    void Clear() { *this = ExtremLabel{}; }
    // The kind counted from 0 (0 maximum, 1 minimum, 3 jump).
    int KindIndex() const { return kind - 1; }
    double GetPosition() const { return position; }
    double GetOrdinate() const { return ordinate; }
};
