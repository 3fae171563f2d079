#pragma once

// One labelled point of a drawn result curve: the kind of extreme (1 maximum,
// 2 minimum, 4 jump), its place along the member and across it (world units) and
// its value in the curve's own unit.
struct ExtremLabel {
    int kind = 0;
    double position = 0.0;
    double ordinate = 0.0;
    double value = 0.0;
    // The order of placing: the curve's greatest values (0), its marked points (1), the
    // other extremes (2).
    int rang = kSonstige;

    static constexpr int kGroesster = 0;
    static constexpr int kMarkiert = 1;
    static constexpr int kSonstige = 2;

    // Every field back to zero.
    void Clear() { *this = ExtremLabel{}; }
    // The kind counted from 0 (0 maximum, 1 minimum, 3 jump).
    int KindIndex() const { return kind - 1; }
    double GetPosition() const { return position; }
    double GetOrdinate() const { return ordinate; }
};
