// The labels of a drawn result curve: which values are labelled and where they stand.

#include "plot/curve/ZustandsLinie.h"

#include "host/Numerik.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/FormatZahl.h"
#include "plot/engine/PlotGeometrie.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kLabelFont = 0.8;
// Points closer than this (m) are one point to a mark.
constexpr double kMarkeToleranz = 1e-6;
// The text of a label is a little longer than its measured width.
constexpr double kTextStreckung = 1.02;
constexpr int kLinks = 1;
constexpr int kRechts = 2;
constexpr int kMitte = 0;
// A label that would print over another is left out.
constexpr int kWeglassen = 2;

std::vector<int> KindsOf(int labelKinds) {
    switch (labelKinds) {
    case 1:
        return {1};
    case 2:
        return {2};
    case 3:
        return {1, 2};
    case 4:
        return {4};
    default:
        return {};
    }
}

// An extreme below this share of the curve's greatest magnitude is no value to read
// off: it would stand on the member line; the greatest value on the curve's other side
// only below a tenth of it (a rounding rest at a support).
constexpr double kNebensaechlich = 0.01;
constexpr double kRest = 0.001;

// Whether a label's text reads as zero: there is nothing to read off there.
bool LiestNull(const std::string& text) {
    return text.find_first_not_of("-+0.,") == std::string::npos;
}

} // namespace

bool ZustandsLinie::Nebensaechlich(double z, double anteil) const {
    return std::fabs(z) < anteil * std::max(std::fabs(Zmax), std::fabs(Zmin));
}

std::vector<ExtremLabel> ZustandsLinie::Labels(int labelKinds, double sx, double sz) {
    // The extremes by kind, merged where they lie close.
    std::vector<ExtremLabel> labels;
    std::vector<int> punkte;
    for (const int kind : KindsOf(labelKinds)) {
        int i = -1;
        int p = -1;
        double q = -1.0;
        while ((i = FindNextExtremum(i, kind, 1, 2)) >= 0) {
            const double zi = Z[static_cast<std::size_t>(i)];
            const double ord = zi * sz;
            if (kind != 4 && i > 0) {
                bool flat = IsGleich(ord, q) != 0;
                for (int k = p + 1; flat && k < i; ++k) {
                    flat = IsGleich(Z[static_cast<std::size_t>(std::max(k, 0))], zi) != 0;
                }
                if (flat) {
                    continue;
                }
            }
            // The greatest values go first, unless they are too small to read off.
            const bool groesster = (i == iZmax || i == iZmin) && !Nebensaechlich(zi, kRest);
            const ExtremLabel label{kind, x[static_cast<std::size_t>(i)] * sx, ord, zi,
                                    groesster ? ExtremLabel::kGroesster : ExtremLabel::kSonstige};
            if (p >= 0 && i - p < 3) {
                if (std::fabs(zi) > std::fabs(labels.back().value)) {
                    labels.back() = label;
                    punkte.back() = i;
                    p = i;
                }
                q = ord;
            } else {
                labels.push_back(label);
                punkte.push_back(i);
                p = i;
                q = ord;
            }
        }
    }
    // The marked points, each once.
    if (labelKinds != 0) {
        for (const double m : marken) {
            for (int i = 0; i < n; ++i) {
                if (std::fabs(x[static_cast<std::size_t>(i)] - m) > kMarkeToleranz) {
                    continue;
                }
                const double zi = Z[static_cast<std::size_t>(i)];
                const auto schon = std::find(punkte.begin(), punkte.end(), i);
                if (schon != punkte.end()) {
                    ExtremLabel& l = labels[static_cast<std::size_t>(schon - punkte.begin())];
                    l.rang = std::min(l.rang, ExtremLabel::kMarkiert);
                } else {
                    labels.push_back({zi < 0.0 ? 2 : 1, x[static_cast<std::size_t>(i)] * sx,
                                      zi * sz, zi, ExtremLabel::kMarkiert});
                    punkte.push_back(i);
                }
                break;
            }
        }
    }
    // The greatest values first, then the marked points, then the others, each group in
    // order along the member.
    std::stable_sort(labels.begin(), labels.end(), [](const ExtremLabel& l, const ExtremLabel& r) {
        return l.rang != r.rang ? l.rang < r.rang : l.position < r.position;
    });
    return labels;
}

void ZustandsLinie::PlotLabels(C1Plot& page, int mode, const std::vector<ExtremLabel>& labels,
                               double h, int ax, int ay, int bx, int by, double axisLength,
                               int signedLabels) const {
    const auto on = [&](double s, double t) {
        return PointOnLine(ax, ay, bx, by, static_cast<int>(s), static_cast<int>(t));
    };
    const double angle = LineAngle(ax, ay, bx, by);
    const int hoehe = static_cast<int>(kLabelFont * h);
    for (const ExtremLabel& label : labels) {
        const double v = signedLabels != 0 ? label.value : std::fabs(label.value);
        const std::string text = FormatKurvenWert(v);
        if (LiestNull(text) || (label.rang == ExtremLabel::kSonstige &&
                                Nebensaechlich(label.value, kNebensaechlich))) {
            continue;
        }
        // The text stands on the side of its value, so that it never crosses the member.
        const C1Punkt p = on(label.position, label.ordinate);
        const bool rechts = label.value > 0.0;
        const C1Punkt anker = rechts ? on(label.position, label.ordinate + h) : p;
        // Along the member the text runs from its point toward the member's end, and back
        // from it where it would reach beyond that end: it stays beside the member.
        const double laenge = kTextStreckung * page.GetTextWidth(text, hoehe);
        const int align = label.position + laenge <= axisLength ? kLinks
                          : label.position - laenge >= 0.0      ? kRechts
                                                                : kMitte;
        if (!page.PlotTextAt(anker.x, anker.y, angle, text, hoehe, kWeglassen, align, 0, 0, 0)) {
            continue;
        }
        if (mode > 0) {
            if (const auto foot = PerpendicularFoot(ax, ay, bx, by, p.x, p.y)) {
                page.MoveTo(p.x, p.y);
                page.LineTo(foot->x, foot->y);
            }
        }
    }
}
