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

    // The distance along the member to the nearest point of another value the report
    // prints, toward the member's end and toward its start: a way that would cover it is
    // taken last.
    double freiZumEnde = 1e300;
    double freiZumAnfang = 1e300;

    static constexpr int kGroesster = 0;
    static constexpr int kMarkiert = 1;
    static constexpr int kSonstige = 2;

    // Whether the label is a value the report prints (a text of its own) or a side of a
    // step (a way of its own): such a label never gives way to another.
    bool Vorrang() const { return !text.empty() || richtung != 0; }
    // The order of placing: the values a table prints before all others, so that where a
    // label stands at a point of the table it is the table's; then the sides of a step;
    // then by rank, of the marked points those with a text first.
    int Reihenfolge() const {
        if (!text.empty()) {
            return -2;
        }
        if (richtung != 0) {
            return -1;
        }
        return 2 * rang + (rang == kMarkiert ? 1 : 0);
    }
    // Whether this label gives way to b, another label within `naehe` along the member
    // on the same side: when it only repeats b (a value within a hundredth of b's, b a
    // value a table prints, or b the larger, or b the earlier of equal ones), or when it
    // is a lesser extreme beside b, b no marked point. A value a table prints and a side
    // of a step never give way. `spaeter`: this label comes after b in their list.
    bool WeichtFuer(const ExtremLabel& b, double naehe, bool spaeter) const {
        if (Vorrang() || position - b.position >= naehe || b.position - position >= naehe ||
            value * b.value <= 0.0) {
            return false;
        }
        const double a = value < 0.0 ? -value : value;
        const double m = b.value < 0.0 ? -b.value : b.value;
        const bool groesser = m > a || (m == a && spaeter);
        const bool gleich = (value - b.value) * (value - b.value) <= 1e-4 * b.value * b.value;
        if (gleich) {
            return !b.text.empty() || groesser;
        }
        return rang == kSonstige && b.rang != kMarkiert && groesser;
    }

    // Whether this label is placed before r: by Reihenfolge, then the values a table
    // prints by magnitude (the greatest never gives way to a lesser beside it), the others
    // along the member.
    bool Vor(const ExtremLabel& r) const {
        if (Reihenfolge() != r.Reihenfolge()) {
            return Reihenfolge() < r.Reihenfolge();
        }
        if (!text.empty() && !r.text.empty()) {
            const double a = value < 0.0 ? -value : value;
            const double b = r.value < 0.0 ? -r.value : r.value;
            if (a != b) {
                return a > b;
            }
        }
        return position < r.position;
    }

    // Every field back to zero.
    void Clear() { *this = ExtremLabel{}; }
    // The kind counted from 0 (0 maximum, 1 minimum, 3 jump).
    int KindIndex() const { return kind - 1; }
    double GetPosition() const { return position; }
    double GetOrdinate() const { return ordinate; }
};
