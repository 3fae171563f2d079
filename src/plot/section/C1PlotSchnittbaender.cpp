#include "plot/engine/C1Plot.h"
#include "plot/engine/C1TextRects.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/section/C1Quer.h"

#include <cmath>

namespace {

constexpr double kLabelShare = 0.8;
constexpr double kNameShare = 1.2;
constexpr double kLeaderStep = 0.015;
constexpr double kNameRise = 0.03;
constexpr COLORREF kWeiss = 0xFFFFFF;
constexpr unsigned kOwnColour = static_cast<unsigned>(-1);
constexpr int kAlignLeft = 1;
constexpr int kMaxShifts = 1000;

// The points of a band: on the axis at its start and end, and its near and far
// corners across it. Bands lie on the positive ordinates, left of an upright member.
struct Band {
    C1Punkt Pa, Pe, Na, Ne, Fa, Fe;
};

int Side(int mode) {
    return mode == 2 ? -1 : 1;
}

double Lambda(int ax, int ay, int bx, int by, double L) {
    return L > 0.0 ? LineLength(ax, ay, bx, by) / L : 0.0;
}

Band BandOf(const C1Quer& q, double sc, int ax, int ay, int bx, int by, double L, int mode) {
    const double lambda = Lambda(ax, ay, bx, by, L);
    const int sa = C1Plot::WorldInt(q.xa * lambda);
    const int se = C1Plot::WorldInt(q.xe * lambda);
    const int z = Side(mode) * C1Plot::WorldInt(q.hz * sc);
    const int far = z + Side(mode) * C1Plot::WorldInt(q.GetHoehe() * sc);
    return {PointOnLine(ax, ay, bx, by, sa, 0),   PointOnLine(ax, ay, bx, by, se, 0),
            PointOnLine(ax, ay, bx, by, sa, z),   PointOnLine(ax, ay, bx, by, se, z),
            PointOnLine(ax, ay, bx, by, sa, far), PointOnLine(ax, ay, bx, by, se, far)};
}

void LengthLabel(C1Plot& page, int h, C1Punkt from, C1Punkt to, double value, int mode, int e) {
    const int lh = C1Plot::WorldInt(kLabelShare * h);
    if (mode == 1) {
        page.PlotZahl(from, to, value, lh, e, "");
    } else if (mode == 2) {
        page.PlotZahl(to, from, value, lh, -e, "");
    }
}

void Far(C1Punkt* farStart, C1Punkt* farEnd, C1Punkt a, C1Punkt e) {
    if (farStart != nullptr) {
        *farStart = a;
    }
    if (farEnd != nullptr) {
        *farEnd = e;
    }
}

} // namespace

int C1Quer::PlotLaengs(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by, double L,
                       int mode, int, int e, int drawLength, int drawName, C1Punkt* farStart,
                       C1Punkt* farEnd, int* shifts, int) const {
    page.SelectPen(1, 0, 0, 1);
    const Band b = BandOf(*this, sc, ax, ay, bx, by, L, mode);
    PlotQuerBrush(page);
    if (iQuer == 7) {
        const int size = C1Plot::WorldInt(LineLength(b.Na.x, b.Na.y, b.Fa.x, b.Fa.y));
        page.PlotPoint((b.Na.x + b.Fe.x) / 2, (b.Na.y + b.Fe.y) / 2, size, 0, kOwnColour, kWeiss);
    } else {
        const C1Punkt poly[4] = {b.Na, b.Ne, b.Fe, b.Fa};
        page.PlotPolygon(poly, 4);
    }
    page.PopBrush();
    if (drawLength != 0) {
        LengthLabel(page, h, b.Pa, b.Pe, xe - xa, mode, e);
    }
    int k = 0;
    if (drawName != 0 && mode == 1 && !Name.empty()) {
        const int H = C1Plot::WorldInt(kNameShare * h);
        page.SelectFont(H, 0.0, 1, 0);
        const int W = page.GetWorldW();
        const int d = C1Plot::WorldInt(kLeaderStep * W);
        C1Box rect{};
        page.GetTextExtent(Name, rect, kAlignLeft);
        const int tw = rect.right - rect.left;
        const int th = rect.bottom - rect.top;
        int y = 0;
        for (int tries = 0; tries < kMaxShifts; ++tries) {
            y = C1Plot::WorldInt(b.Pa.y - kNameRise * W - k);
            const int x1 = b.Pa.x;
            const int x2 = b.Pa.x + 2 * d + tw;
            const int top = y + d - th / 2;
            const int bottom = y + d + th / 2;
            // Without a set of placed names there is nothing to avoid.
            if (pNamen == nullptr ||
                pNamen->TestAndAdd(x1, top, x1, bottom, x2, bottom, x2, top, 0) == 0) {
                break;
            }
            k += H;
        }
        page.MoveTo(b.Na.x, b.Na.y);
        page.LineTo(b.Pa.x, y);
        page.LineTo(b.Pa.x + d, y);
        page.PlotArrowLine(b.Pa.x + d, y, b.Pa.x + 2 * d, y, 'E', 1, 1);
        page.PlotTextAt(b.Pa.x + 2 * d, y + d, LineAngle(ax, ay, bx, by), Name, H, 0, kAlignLeft, 1,
                        0, 0);
        page.PopFont();
        k = H > 0 ? k / H : 0;
    }
    if (shifts != nullptr) {
        *shifts = k;
    }
    page.PopPen();
    Far(farStart, farEnd, b.Fa, b.Fe);
    return 1;
}

int C1Quer::PlotLaengsMass(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by, double L,
                           int mode, int, int e, int drawLength, C1Punkt* farStart,
                           C1Punkt* farEnd) const {
    const Band b = BandOf(*this, sc, ax, ay, bx, by, L, mode);
    if (drawLength != 0) {
        LengthLabel(page, h, b.Pa, b.Pe, xe - xa, mode, e);
    }
    Far(farStart, farEnd, b.Fa, b.Fe);
    return 1;
}

int C1Quer::PlotUebergang(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by, double L,
                          int mode, const C1Quer* previous, int e, int drawLength,
                          C1Punkt* farStart, C1Punkt* farEnd) const {
    if (previous == nullptr) {
        return 1;
    }
    page.SelectPen(1, 0, 0, 1);
    const double lambda = Lambda(ax, ay, bx, by, L);
    const int s1 = C1Plot::WorldInt(previous->xe * lambda);
    const int s2 = C1Plot::WorldInt(xa * lambda);
    const int side = Side(mode);
    const int z1 = side * C1Plot::WorldInt(previous->hz * sc);
    const int z2 = side * C1Plot::WorldInt(hz * sc);
    const int f1 = z1 + side * C1Plot::WorldInt(previous->GetHoehe() * sc);
    const int f2 = z2 + side * C1Plot::WorldInt(GetHoehe() * sc);
    const C1Punkt P1 = PointOnLine(ax, ay, bx, by, s1, 0);
    const C1Punkt P2 = PointOnLine(ax, ay, bx, by, s2, 0);
    const C1Punkt Q1 = PointOnLine(ax, ay, bx, by, s1, z1);
    const C1Punkt Q2 = PointOnLine(ax, ay, bx, by, s2, z2);
    const C1Punkt R1 = PointOnLine(ax, ay, bx, by, s1, f1);
    const C1Punkt R2 = PointOnLine(ax, ay, bx, by, s2, f2);
    PlotQuerBrush(page);
    const C1Punkt poly[4] = {Q1, Q2, R2, R1};
    page.PlotPolygon(poly, 4);
    page.PopBrush();
    if (drawLength != 0) {
        LengthLabel(page, h, P1, P2, xa - previous->xe, mode, e);
    }
    page.PopPen();
    Far(farStart, farEnd, R1, R2);
    return 1;
}
