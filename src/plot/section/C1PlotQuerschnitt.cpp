#include "plot/engine/FormatZahl.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/section/C1Quer.h"
#include "plot/section/C1QuerRahmen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

constexpr COLORREF kStahlFarbe = 0x990000;
constexpr COLORREF kHolzFarbe = 0x3399CC;
constexpr COLORREF kBetonFarbe = 0xE9E9E9;
constexpr COLORREF kWeiss = 0xFFFFFF;
constexpr unsigned kOwnColour = static_cast<unsigned>(-1);
constexpr double kLabelShare = 0.8;
constexpr double kTitleShare = 1.2;
constexpr double kBarStart = 0.15;
constexpr double kBarLength = 0.7;
constexpr double kBarWidth = 0.8;
constexpr double kBarDot = 5.0;
constexpr double kTotalOffset = 3.3;
constexpr double kLeftOffset = -2.3;
constexpr int kAlignLeft = 1;
constexpr int kArtMass = 204;
constexpr int kColUnten = 101;
constexpr int kColOben = 102;

std::string Text(double v) {
    return FormatZahl(v, 1, 1);
}

struct UV {
    int u = 0;
    int v = 0;
};

// The reinforcement of a concrete outline: a bar along an edge of the given width
// from its left end, at the cover inside.
struct Stab {
    bool present = false;
    UV from;
    UV to;
    UV corner;
};

Stab BarAlong(int left, int width, int v, int cover) {
    Stab s;
    s.present = cover != 0;
    const int a = C1Plot::WorldInt(kBarStart * width);
    s.from = {left + a, v};
    s.to = {left + a + C1Plot::WorldInt(kBarLength * width), v};
    s.corner = {left, v};
    return s;
}

} // namespace

C1Punkt C1QuerRahmen::P(int u, int v) const {
    return PointOnLine(ax, ay, bx, by, s0 + u, t0 - v);
}

int C1QuerRahmen::D(const C1Quer& q, int i) const {
    return C1Plot::WorldInt(q.D(i) * sc);
}

void C1QuerRahmen::Register(int col, const C1Rect& box) const {
    page.AddZeichenObj(kArtMass, number, col, box);
}

void C1QuerRahmen::Mass(int u1, int v1, int u2, int v2, double k, const std::string& text,
                        int col) const {
    if (text.empty()) {
        return;
    }
    page.PlotZahl(P(u1, v1), P(u2, v2), 0.0, lh, C1Plot::WorldInt(k * lh), text);
    if (col > 0) {
        Register(col, page.GetLastZahlRect());
    }
}

void BoxAdd(C1Box& box, C1Punkt p, bool& empty) {
    if (empty) {
        box = {p.x, p.y, p.x, p.y};
        empty = false;
        return;
    }
    box.left = std::min(box.left, p.x);
    box.right = std::max(box.right, p.x);
    box.top = std::min(box.top, p.y);
    box.bottom = std::max(box.bottom, p.y);
}

int C1Quer::PlotQuerBrush(C1Plot& page) const {
    const char* name = nullptr;
    COLORREF colour = kWeiss;
    if (IsBemetypStahl(Bemetyp)) {
        name = "BITMAP_BRUSH_STAHL";
        colour = kStahlFarbe;
    } else if (IsBemetypHolz(Bemetyp)) {
        name = "BITMAP_BRUSH_HOLZ";
        colour = kHolzFarbe;
    } else if (IsBemetypBeton(Bemetyp)) {
        colour = kBetonFarbe;
    }
    // One brush is pushed whatever the type, white for an unknown one: the caller
    // pops it.
    const EmfDib* pattern = name != nullptr ? page.LoadBitmap(name) : nullptr;
    page.SelectBrush(kOwnColour, colour, pattern);
    return 1;
}

C1Box C1Quer::PlotQuerschnitt(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by,
                              double pos, double L, int mode, int t0, int cw, int number) const {
    const double axis = LineLength(ax, ay, bx, by);
    const int s0 = L > 0.0 ? C1Plot::WorldInt(pos / L * axis) : 0;
    const int lh = C1Plot::WorldInt(kLabelShare * h);
    const C1QuerRahmen f{page, ax, ay, bx, by, s0, t0, sc, lh, number};
    C1Box box{};
    page.SelectPen(1, 0, 0, 1);
    PlotQuerBrush(page);
    bool empty = true;
    const auto grow = [&](int u, int v) { BoxAdd(box, f.P(u, v), empty); };
    const auto enlarge = [&](int left, int top, int right, int bottom) {
        if (!empty) {
            box = {box.left - left, box.top - top, box.right + right, box.bottom + bottom};
        }
    };
    const auto Dn = [&](int i) { return f.D(*this, i); };

    if (IsBemetypStahl(Bemetyp)) {
        box = PlotProfil(*this, f);
        empty = false;
    } else if (IsBemetypBeton(Bemetyp) && iQuer == 7) {
        const int D1 = Dn(1);
        const int R = D1 / 2;
        const int C1 = C1Plot::WorldInt(d1y * sc);
        const C1Punkt m = f.P(R, R);
        page.SelectFillBrush(1);
        page.Ellipse(m.x - R, m.y - R, m.x + R, m.y + R, 0);
        page.SelectPen(cw, 0, 0, 1);
        const int r = R - C1;
        page.Arc(m.x - r, m.y - r, m.x + r, m.y + r, m.x + r, m.y, m.x + r, m.y);
        page.PopPen();
        page.PopBrush();
        f.Mass(D1, 0, D1, D1, 1.0, Text(D(1)), 1);
        f.Mass(D1 - C1, 0, D1 - C1, C1, 1.0, Text(d1y), kColUnten);
        box = {m.x - R, m.y - R, m.x + R, m.y + R};
        empty = false;
        enlarge(lh, lh, 2 * lh, lh);
    } else if (IsBemetypBeton(Bemetyp) && ((iQuer >= 1 && iQuer <= 5) || iQuer == 11)) {
        std::vector<UV> outline;
        const int C1 = C1Plot::WorldInt(d1y * sc);
        const int C2 = C1Plot::WorldInt(d2y * sc);
        Stab bottom;
        Stab top;
        // Labels after the outline, bars after the labels.
        std::vector<std::function<void()>> labels;
        switch (iQuer) {
        case 1:
        case 11: {
            const int D1 = Dn(1);
            const int D2 = Dn(2);
            outline = {{0, 0}, {D1, 0}, {D1, D2}, {0, D2}};
            labels.push_back([&, D1, D2] {
                f.Mass(0, D2, D1, D2, -1.0, Text(D(1)), 1);
                f.Mass(D1, 0, D1, D2, 2.0, Text(D(2)), 2);
            });
            bottom = BarAlong(0, D1, C2, C2);
            top = BarAlong(0, D1, D2 - C1, C1);
            break;
        }
        case 2: {
            const int D1 = Dn(1);
            const int D2 = Dn(2);
            const int D3 = Dn(3);
            const int D4 = Dn(4);
            const int D5 = Dn(5);
            const int D7 = Dn(7);
            const int H = D2 + D4 + D5;
            const int wider = std::max(D1, D3);
            const int narrower = std::min(D1, D3);
            const int o = wider / 2 - narrower / 2 - D7;
            int upperLeft = 0;
            int lowerLeft = 0;
            if (D1 > D3) {
                outline = {{o, 0},  {o, D4},       {0, D4 + D5}, {0, H},
                           {D1, H}, {D1, D4 + D5}, {o + D3, D4}, {o + D3, 0}};
                lowerLeft = o;
            } else {
                outline = {{0, 0},      {0, D4},           {o, D4 + D5}, {o, H},
                           {o + D1, H}, {o + D1, D4 + D5}, {D3, D4},     {D3, 0}};
                upperLeft = o;
            }
            const int right = D1 > D3 ? D1 : D3;
            labels.push_back([&, D1, D3, D4, D5, H, right, upperLeft, lowerLeft] {
                f.Mass(right, D4 + D5, right, H, 2.0, Text(D(2)), 2);
                f.Mass(right, D4, right, D4 + D5, 2.0, Text(D(5)), 5);
                f.Mass(right, 0, right, D4, 2.0, Text(D(4)), 4);
                f.Mass(right, 0, right, H, kTotalOffset, Text(D(4) + D(2) + D(5)), 0);
                f.Mass(lowerLeft, 0, lowerLeft + D3, 0, 2.0, Text(D(3)), 3);
                f.Mass(upperLeft, H, upperLeft + D1, H, -1.0, Text(D(1)), 1);
            });
            bottom = BarAlong(lowerLeft, D3, C2, C2);
            top = BarAlong(upperLeft, D1, H - C1, C1);
            break;
        }
        case 3: {
            const int D1 = Dn(1);
            const int D2 = Dn(2);
            const int D4 = Dn(4);
            const int D5 = Dn(5);
            const int D6 = Dn(6);
            const int D7 = Dn(7);
            const int end = D4 + D1 + D6;
            outline = {{0, 0},        {0, D5},       {D4, D5},  {D4, D2},
                       {D4 + D1, D2}, {D4 + D1, D7}, {end, D7}, {end, 0}};
            labels.push_back([&, D1, D2, D4, D5, D7, end] {
                f.Mass(0, 0, D4, 0, 2.0, Text(D(4)), 4);
                f.Mass(D4, 0, D4 + D1, 0, 2.0, Text(D(1)), 1);
                f.Mass(D4 + D1, 0, end, 0, 2.0, Text(D(6)), 6);
                f.Mass(0, 0, 0, D5, kLeftOffset, Text(D(5)), 5);
                f.Mass(end, 0, end, D7, 2.0, Text(D(7)), 7);
                f.Mass(end, 0, end, D2, kTotalOffset, Text(D(2)), 2);
            });
            bottom = BarAlong(0, end, C2, C2);
            top = BarAlong(D4, D1, D2 - C1, C1);
            break;
        }
        case 4: {
            const int D1 = Dn(1);
            const int D2 = Dn(2);
            const int D3 = Dn(3);
            const int D4 = Dn(4);
            const int D5 = Dn(5);
            const int D6 = Dn(6);
            const int D7 = Dn(7);
            const int D8 = Dn(8);
            const int x = D1 >= D6 ? (D1 - D6) / 2 : 0;
            const int a = (D6 - D4) / 2;
            const int b = (D1 - D4) / 2;
            const int y1 = D7;
            const int y2 = y1 + D8;
            const int y3 = y2 + D5;
            const int y4 = y3 + D3;
            const int H = y4 + D2;
            outline = {{x, 0},
                       {x, y1},
                       {x + a, y2},
                       {x + a, y3},
                       {x + a - b, y4},
                       {x + a - b, H},
                       {x + a - b + D1, H},
                       {x + a - b + D1, y4},
                       {x + a - 2 * b + D1, y3},
                       {x + a - 2 * b + D1, y2},
                       {x + D6, y1},
                       {x + D6, 0}};
            const int right = x + D6;
            const int topLeft = x + a - b;
            labels.push_back([&, D1, D6, x, y1, y2, y3, y4, H, right, topLeft] {
                f.Mass(right, y4, right, H, 2.0, Text(D(2)), 2);
                f.Mass(right, y3, right, y4, 2.0, Text(D(3)), 3);
                f.Mass(right, y2, right, y3, 2.0, Text(D(5)), 5);
                f.Mass(right, y1, right, y2, 2.0, Text(D(8)), 8);
                f.Mass(right, 0, right, y1, 2.0, Text(D(7)), 7);
                f.Mass(right, 0, right, H, kTotalOffset, Text(D(3) + D(2) + D(5) + D(7) + D(8)), 0);
                f.Mass(x, 0, x + D6, 0, 2.0, Text(D(6)), 6);
                f.Mass(topLeft, H, topLeft + D1, H, -1.0, Text(D(1)), 1);
            });
            bottom = BarAlong(x, D6, C2, C2);
            top = BarAlong(topLeft, D1, H - C1, C1);
            break;
        }
        case 5: {
            const int D1 = Dn(1);
            const int D2 = Dn(2);
            const int D3 = Dn(3);
            const int D4 = Dn(4);
            const int D5 = Dn(5);
            const int r = D1 + D2 >= D3 + D4 ? D1 : D3;
            outline = {{r, 0}, {r - D3, 0}, {r - D1, D5}, {r, D5}, {r + D2, D5}, {r + D4, 0}};
            labels.push_back([&, D1, D2, D3, D4, D5, r] {
                const int u = r + std::max(D2, D4);
                f.Mass(u, 0, u, D5, 2.0, Text(D(5)), 5);
                f.Mass(r - D3, 0, r + D4, 0, 2.0, Text(D(4) + D(3)), 0);
                f.Mass(r - D1, D5, r + D2, D5, -1.0, Text(D(2) + D(1)), 0);
            });
            bottom = BarAlong(r - D3, D3 + D4, C2, C2);
            top = BarAlong(r - D1, D1 + D2, D5 - C1, C1);
            break;
        }
        default:
            break;
        }
        std::vector<C1Punkt> points;
        for (const UV& p : outline) {
            points.push_back(f.P(p.u, p.v));
            grow(p.u, p.v);
        }
        page.PlotPolygon(points.data(), static_cast<int>(points.size()));
        for (const auto& label : labels) {
            label();
        }
        bottom.present = bottom.present && C2 != 0;
        top.present = top.present && C1 != 0;
        if (mode == 1) {
            page.SelectPen(cw, 0, 0, 1);
            for (const Stab* s : {&bottom, &top}) {
                if (s->present) {
                    const C1Punkt a = f.P(s->from.u, s->from.v);
                    const C1Punkt b = f.P(s->to.u, s->to.v);
                    page.PlotLine(a.x, a.y, b.x, b.y, C1Plot::WorldInt(kBarWidth * cw), 0, 0);
                }
            }
            if (iQuer == 11 && bottom.present && top.present) {
                for (bool left : {true, false}) {
                    const C1Punkt a = f.P(left ? bottom.from.u : bottom.to.u, bottom.from.v);
                    const C1Punkt b = f.P(left ? top.from.u : top.to.u, top.from.v);
                    page.PlotLine(a.x, a.y, b.x, b.y, C1Plot::WorldInt(kBarWidth * cw), 0, 0);
                }
            }
            page.PopPen();
        } else if (mode == 2) {
            const int size = C1Plot::WorldInt(kBarDot * sc);
            for (const Stab* s : {&bottom, &top}) {
                if (s->present) {
                    for (const UV& e : {s->from, s->to}) {
                        const C1Punkt p = f.P(e.u, e.v);
                        page.PlotPoint(p.x, p.y, size, 0, 0, 0);
                    }
                }
            }
        }
        const auto distance = [&](const Stab& s, int edgeLeft, int edgeRight, int edgeV,
                                  double value, int kind, int col) {
            if (!(value > 0.0) || !s.present) {
                return;
            }
            page.PlotZahlAnLinie2(f.P(edgeLeft, edgeV), f.P(edgeRight, edgeV), f.P(edgeLeft, edgeV),
                                  f.P(s.from.u, s.from.v), value, lh, -lh, kind, Text(value));
            f.Register(col, page.GetLastZahlRect());
        };
        const int bottomWidth = bottom.to.u - bottom.from.u;
        distance(bottom, bottom.corner.u, bottom.corner.u + bottomWidth, 0, d2y, 1, kColUnten);
        const int topEdge = top.from.v + C1;
        distance(top, top.corner.u, top.corner.u + (top.to.u - top.from.u), topEdge, d1y, 2,
                 kColOben);
        enlarge(lh, lh, 2 * lh, lh);
    } else if (IsBemetypHolz(Bemetyp) && iQuer == 1) {
        const int D1 = Dn(1);
        const int D2 = Dn(2);
        const C1Punkt c[4] = {f.P(0, 0), f.P(D1, 0), f.P(D1, D2), f.P(0, D2)};
        for (const C1Punkt& p : c) {
            BoxAdd(box, p, empty);
        }
        page.PlotBitmap("BITMAP_HOLZ_QUER_RECHTECK", box.left, box.top, box.right, box.bottom);
        page.MoveTo(c[3].x, c[3].y);
        for (const C1Punkt& p : c) {
            page.LineTo(p.x, p.y);
        }
        f.Mass(0, D2, D1, D2, -1.0, Text(D(1)), 1);
        f.Mass(D1, 0, D1, D2, 2.0, Text(D(2)), 2);
        enlarge(0, 2 * lh, 3 * lh, 2 * lh);
    } else if (IsBemetypHolz(Bemetyp) && iQuer == 2) {
        const int D1 = Dn(1);
        const C1Punkt m = f.P(D1 / 2, D1 / 2);
        box = {m.x - D1 / 2, m.y - D1 / 2, m.x + D1 / 2, m.y + D1 / 2};
        empty = false;
        if (!page.PlotBitmap("BITMAP_HOLZ_QUER_KREIS", box.left, box.top, box.right, box.bottom)) {
            // Without its picture the round timber is a disc in the timber colour.
            page.SelectBrush(kOwnColour, kHolzFarbe, nullptr);
            page.Ellipse(box.left, box.top, box.right, box.bottom, 0);
            page.PopBrush();
        }
        f.Mass(0, D1, D1, D1, -1.0, Text(D(1)), 1);
        enlarge(0, 2 * lh, 3 * lh, 2 * lh);
    }
    page.PopBrush();
    page.PopPen();
    const int th = C1Plot::WorldInt(kTitleShare * h);
    page.PlotTextAt(box.left, box.top - th, LineAngle(ax, ay, bx, by), Name, th, 0, kAlignLeft, 1,
                    0, 0);
    return box;
}
