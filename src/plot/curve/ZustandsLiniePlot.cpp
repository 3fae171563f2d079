#include "plot/curve/ZustandsLinie.h"

#include "base/Numerik.h"
#include "platform/Koordinate.h"
#include "plot/curve/ExtremLabel.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/FormatZahl.h"
#include "plot/engine/PlotGeometrie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kShareAlongHeight = 0.45;
constexpr double kShareAlongAxis = 0.3;
constexpr double kRangeMargin = 1.1;
constexpr double kBarShare = 0.2;
constexpr int kBarBrush = 7;
constexpr int kBarBrush2 = 8;
// Two values whose magnitudes differ by less than this share of their sum are equal.
constexpr double kGleichAnteil = 1e-9;

} // namespace

int ZustandsLinie::PlotKurve(C1Plot& page, int mode, int labelKinds, double h, int ax, int ay,
                             int bx, int by, const int*, const unsigned*, double length, int fill,
                             int signedLabels, double zUpper, double zLower,
                             std::vector<C1Punkt>& points, int* lastIndex, bool drawArea) {
    if (n == 0) {
        return 0;
    }
    // A point that is not a finite number has no place on the page, nor in the order
    // the curve is sorted into: the drawing is refused before anything is drawn.
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        for (const double v : {x[k], Z[k]}) {
            CheckKoordinate(v, "ZustandsLinie::PlotKurve", std::numeric_limits<double>::max());
        }
    }
    page.SelectPen(1, 0, 0, 1);
    zUpper = std::max(zUpper, Zmax);
    zLower = std::min(zLower, Zmin);
    double sx = 0.0;
    double sz = 0.0;
    Skalen(page, mode, ax, ay, bx, by, length, zUpper, zLower, sx, sz);
    RemoveDuplicates();
    Sort();
    // The axis' direction once for the curve's hundreds of points.
    const Richtung achse(LineAngle(ax, ay, bx, by));
    const auto on = [&](double s, double t) {
        return PointAtAngle(ax, ay, achse, C1Plot::WorldInt(s), C1Plot::WorldInt(t));
    };
    points.assign(static_cast<std::size_t>(n) + 2, C1Punkt{});
    points[0] = on(x[0] * sx, 0.0);
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        points[k + 1] = on(x[k] * sx, Z[k] * sz);
    }
    points[static_cast<std::size_t>(n) + 1] = on(x[static_cast<std::size_t>(n - 1)] * sx, 0.0);
    if (lastIndex != nullptr) {
        *lastIndex = n + 1;
    }
    if (fill == 0) {
        page.SelectStockBrush(kStockNullBrush);
    }
    if (drawArea && sz > 0.0) {
        page.PlotPolygon(points.data(), n + 2);
    }
    if (fill == 0) {
        page.PopBrush();
    }

    const std::vector<ExtremLabel> labels = Labels(labelKinds, sx, sz, kLabelLaenge * h);
    if (!labels.empty()) {
        // The labels keep clear of the line they belong to and of their leader lines.
        page.GetSperrlinien().Add(points.data(), points.size());
        SperreFuehrungen(page, mode, labels, ax, ay, bx, by, signedLabels);
    }
    PlotLabels(page, mode, labels, h, ax, ay, bx, by, sx * length, signedLabels);

    page.PopPen();
    // White dots widen the page's box to the curve's range and a text height each side.
    page.SelectStockPen2(kStockNullPen);
    const double tU = std::max(kRangeMargin * zUpper * sz, h);
    const double tL = std::min(kRangeMargin * zLower * sz, -h);
    if (mode > 0) {
        // Along a vertical member a text height beyond both ends as well: every curve of
        // the member then spans the same depths on its page.
        const double ende = mode == 2 ? h : 0.0;
        for (const double t : {tU, tL}) {
            for (const double s : {-ende, sx * length + ende}) {
                const C1Punkt d = on(s, t);
                page.PlotDot(d.x, d.y);
            }
        }
    }
    page.PopPen();
    return 1;
}

void ZustandsLinie::Skalen(C1Plot& page, int mode, int ax, int ay, int bx, int by, double length,
                           double zUpper, double zLower, double& sx, double& sz) const {
    const double axis = LineLength(ax, ay, bx, by);
    const double a = mode == 2   ? kShareAlongHeight * page.GetWorldW()
                     : mode == 0 ? kShareAlongAxis * axis
                                 : kShareAlongHeight * page.GetWorldH();
    const double zRef = std::fabs(zUpper) > std::fabs(zLower) ? zUpper : zLower;
    // A curve that is zero everywhere has no scale across: it lies on the axis.
    sz = zRef != 0.0 ? std::fabs(a / zRef) : 0.0;
    sx = length > 0.0 ? axis / length : 0.0;
}

void ZustandsLinie::PlotLabels2(C1Plot& page, int mode, double h, int ax, int ay, int bx, int by,
                                double length, double zUpper, double zLower, ZustandsLinie& second,
                                int labelKinds1, int labelKinds2, int signedLabels, bool huelle) {
    double sx = 0.0;
    double sz = 0.0;
    Skalen(page, mode, ax, ay, bx, by, length, zUpper, zLower, sx, sz);
    // Both curves' labels in one order: the picture's greatest and least values, then the
    // marked points of both, then every other extreme, each group along the member;
    // of equal places this curve's first. A curve's own greatest (least) value short of
    // the picture's counts as another extreme, so that the other curve's marked points
    // (values the report prints) come before it.
    struct Label {
        const ZustandsLinie* kurve;
        ExtremLabel label;
    };
    std::vector<Label> alle;
    for (const auto& [kurve, kinds] :
         {std::pair{this, labelKinds1}, std::pair{&second, labelKinds2}}) {
        for (const ExtremLabel& l : kurve->Labels(kinds, sx, sz, kLabelLaenge * h)) {
            alle.push_back({kurve, l});
        }
    }
    // Of an envelope only the design line is labelled: at each point the value of the
    // larger magnitude of the two, the one the table prints there. An extreme of one line
    // where the other reaches further is the favourable bound of the states, drawn and not
    // labelled. The values the report prints and the sides of a step are design values as
    // marked.
    if (huelle && sx > 0.0) {
        std::erase_if(alle, [&](const Label& l) {
            if (l.label.Vorrang()) {
                return false;
            }
            const ZustandsLinie& andere = l.kurve == this ? second : *this;
            const double w = std::fabs(andere.WertBei(l.label.position / sx));
            const double v = std::fabs(l.label.value);
            return v < w - kGleichAnteil * (v + w);
        });
    }
    const double hoechster = std::max(Zmax, second.Zmax);
    const double tiefster = std::min(Zmin, second.Zmin);
    for (Label& l : alle) {
        const double v = l.label.value;
        if (l.label.rang == ExtremLabel::kGroesster && v < hoechster && v > tiefster) {
            l.label.rang = ExtremLabel::kSonstige;
        }
    }
    // A value is not written twice beside itself (the other line's extreme next to the
    // value the report prints); of two extremes of one sign closer than a label's length
    // (one on each line) the larger stays.
    const double naehe = kLabelLaenge * h;
    const auto ueberdeckt = [&](const Label& l, const Label& m) {
        return &l != &m && l.label.WeichtFuer(m.label, naehe, &m < &l);
    };
    std::vector<Label> bleibt;
    for (const Label& l : alle) {
        if (std::none_of(alle.begin(), alle.end(),
                         [&](const Label& m) { return ueberdeckt(l, m); })) {
            bleibt.push_back(l);
        }
    }
    alle = std::move(bleibt);
    std::stable_sort(alle.begin(), alle.end(),
                     [&](const Label& l, const Label& r) { return l.label.Vor(r.label); });
    for (Label& l : alle) {
        for (const Label& m : alle) {
            if (&m == &l || m.label.text.empty()) {
                continue;
            }
            const double d = m.label.position - l.label.position;
            if (d > 0.0) {
                l.label.freiZumEnde = std::min(l.label.freiZumEnde, d);
            } else if (d < 0.0) {
                l.label.freiZumAnfang = std::min(l.label.freiZumAnfang, -d);
            }
        }
    }
    page.SelectPen(1, 0, 0, 1);
    for (const Label& l : alle) {
        l.kurve->SperreFuehrungen(page, mode, {l.label}, ax, ay, bx, by, signedLabels);
    }
    for (const Label& l : alle) {
        l.kurve->PlotLabels(page, mode, {l.label}, h, ax, ay, bx, by, sx * length, signedLabels);
    }
    page.PopPen();
}

int ZustandsLinie::PlotKurve2(C1Plot& page, int mode, double h, int ax, int ay, int bx, int by,
                              const int* colourFlags, const unsigned* colours, double length,
                              ZustandsLinie* second, int fill1, int fill2, int labelKinds1,
                              int labelKinds2, int signedLabels) {
    if (n == 0) {
        return 0;
    }
    const bool huelle = (labelKinds2 & kHuelle) != 0;
    labelKinds2 &= ~kHuelle;
    std::vector<C1Punkt> p1;
    std::vector<C1Punkt> p2;
    int last1 = 0;
    int last2 = 0;
    if (second == nullptr) {
        PlotKurve(page, mode, labelKinds1, h, ax, ay, bx, by, colourFlags, colours, length, fill1,
                  signedLabels, Zmax, Zmin, p1, &last1, true);
        return 1;
    }
    const bool secondEmpty = second->n == 0;
    const double zUpper = secondEmpty ? Zmax : std::max(Zmax, second->Zmax);
    const double zLower = secondEmpty ? Zmin : std::min(Zmin, second->Zmin);
    if (secondEmpty) {
        PlotKurve(page, mode, labelKinds1, h, ax, ay, bx, by, colourFlags, colours, length, fill1,
                  signedLabels, zUpper, zLower, p1, &last1, true);
        return 1;
    }
    second->PlotKurve(page, mode, 0, h, ax, ay, bx, by, colourFlags, colours, length, 0,
                      signedLabels, zUpper, zLower, p2, &last2, true);
    PlotKurve(page, mode, 0, h, ax, ay, bx, by, colourFlags, colours, length, 0, signedLabels,
              zUpper, zLower, p1, &last1, true);
    const auto between = [&]() {
        std::vector<C1Punkt> poly(p1.begin(), p1.begin() + last1);
        for (int i = last2; i >= 0; --i) {
            poly.push_back(p2[static_cast<std::size_t>(i)]);
        }
        return poly;
    };
    const auto polygon = [&](const std::vector<C1Punkt>& poly, int count, bool filled) {
        if (!filled) {
            page.SelectStockBrush(kStockNullBrush);
        }
        page.PlotPolygon(poly.data(), count);
        if (!filled) {
            page.PopBrush();
        }
    };
    if (fill1 == 1 && fill2 == 1) {
        const auto poly = between();
        polygon(poly, static_cast<int>(poly.size()), true);
    } else if (fill1 == 1 && fill2 == 0) {
        polygon(p1, last1 + 1, true);
        polygon(p2, last2 + 1, false);
    } else if (fill1 == 0 && fill2 == 1) {
        polygon(p2, last2 + 1, true);
        polygon(p1, last1 + 1, false);
    } else if (fill1 == 0 && fill2 == 0) {
        const auto poly = between();
        polygon(poly, static_cast<int>(poly.size()), false);
    }
    second->PlotKurve(page, mode, 0, h, ax, ay, bx, by, colourFlags, colours, length, 0,
                      signedLabels, zUpper, zLower, p2, &last2, true);
    PlotKurve(page, mode, 0, h, ax, ay, bx, by, colourFlags, colours, length, 0, signedLabels,
              zUpper, zLower, p1, &last1, true);
    // The labels keep clear of both lines.
    page.GetSperrlinien().Add(p1.data(), static_cast<std::size_t>(last1) + 1);
    page.GetSperrlinien().Add(p2.data(), static_cast<std::size_t>(last2) + 1);
    PlotLabels2(page, mode, h, ax, ay, bx, by, length, zUpper, zLower, *second, labelKinds1,
                labelKinds2, signedLabels, huelle);
    return 1;
}

int ZustandsLinie::PlotHistogramm(C1Plot& page, int mode, double h, int ax, int ay, int bx, int by,
                                  const int* colourFlags, const unsigned* colours, double length,
                                  ZustandsLinie* second, int, int, int labelKinds1, int labelKinds2,
                                  int signedLabels) {
    if (n == 0) {
        return 0;
    }
    const bool withSecond = second != nullptr && second->n > 0;
    const double zUpper = withSecond ? std::max(Zmax, second->Zmax) : Zmax;
    const double zLower = withSecond ? std::min(Zmin, second->Zmin) : Zmin;
    std::vector<C1Punkt> p1;
    std::vector<C1Punkt> p2;
    int last1 = 0;
    int last2 = 0;
    if (withSecond) {
        second->PlotKurve(page, mode, 0, h, ax, ay, bx, by, colourFlags, colours, length, 0,
                          signedLabels, zUpper, zLower, p2, &last2, false);
    }
    PlotKurve(page, mode, 0, h, ax, ay, bx, by, colourFlags, colours, length, 0, signedLabels,
              zUpper, zLower, p1, &last1, false);
    const int m = last1;
    const int w = m > 1 ? C1Plot::WorldInt(kBarShare * (page.GetWorldW() / (m - 1))) : 0;
    // Each bar pops its brush again: the brush stack is as before the bars, and a long
    // curve cannot run the stack full.
    for (int i = 0; i < m; ++i) {
        const C1Punkt& a = p1[static_cast<std::size_t>(i)];
        page.SelectBrush(kBarBrush, 0, nullptr);
        page.PlotRectangle(a.x + w, 0, a.x, a.y);
        page.PopBrush();
        if (withSecond && i < last2) {
            const C1Punkt& b = p2[static_cast<std::size_t>(i)];
            page.SelectBrush(kBarBrush2, 0, nullptr);
            page.PlotRectangle(b.x - w, 0, b.x, b.y);
            page.PopBrush();
        }
    }
    if (withSecond) {
        second->PlotKurve(page, mode, labelKinds2, h, ax, ay, bx, by, colourFlags, colours, length,
                          0, signedLabels, zUpper, zLower, p2, &last2, false);
    }
    PlotKurve(page, mode, labelKinds1, h, ax, ay, bx, by, colourFlags, colours, length, 0,
              signedLabels, zUpper, zLower, p1, &last1, false);
    return 1;
}
