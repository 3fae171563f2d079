#pragma once

// One labelled point of a drawn result curve: the kind of extreme (1 maximum,
// 2 minimum, 4 jump), its place along the member and across it (world units) and
// its value in the curve's own unit.

#include <string>

struct ExtremLabel {
    int kind = 0;
    double position = 0.0;
    double ordinate = 0.0;
    double value = 0.0;
    // The order of placing: the curve's greatest values (0), its marked points (1), the
    // other extremes (2).
    int rang = kSonstige;
    // The text to print; empty: the value in the curve's own format.
    std::string text{};
    // The way the text runs from its point: 1 toward the member's end, 2 toward its
    // start, 0 whichever fits.
    int richtung = 0;

    static constexpr int kGroesster = 0;
    static constexpr int kMarkiert = 1;
    static constexpr int kSonstige = 2;

    // The order of placing within the ranks: of the marked points those with a text of
    // their own (a value a table prints) first.
    int Reihenfolge() const { return 2 * rang + (rang == kMarkiert && text.empty() ? 1 : 0); }
    // Whether this label, not a marked one, only repeats the marked label m beside it: a
    // value within a hundredth of m's, within `naehe` along the member.
    bool Wiederholt(const ExtremLabel& m, double naehe) const {
        return rang != kMarkiert && m.rang == kMarkiert && position - m.position < naehe &&
               m.position - position < naehe &&
               (value - m.value) * (value - m.value) <= 1e-4 * m.value * m.value;
    }

    // Every field back to zero.
    void Clear() { *this = ExtremLabel{}; }
    // The kind counted from 0 (0 maximum, 1 minimum, 3 jump).
    int KindIndex() const { return kind - 1; }
    double GetPosition() const { return position; }
    double GetOrdinate() const { return ordinate; }
};
