#include "plot/engine/C1LastLevels.h"
#include "plot/engine/C1Plot.h"
#include "plot/engine/PlotGeometrie.h"

#include "base/Numerik.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kAlignCentre = 0;
constexpr int kAlignLeft = 1;
constexpr int kAlignRight = 2;
constexpr int kCollisionShift = 1;
constexpr int kCollisionLeaveOut = 2;
constexpr double kTextLengthExtra = 0.004;
constexpr double kTextLengthLead = 0.001;
constexpr double kMinArrowShare = 0.3;
constexpr double kSmallShare = 0.1;
constexpr double kBeyondEnd = 0.001;
constexpr double kStartLevelShare = 3.5;
constexpr double kXAxisLimit = 1.3;
constexpr double kPrevBandShare = 0.001;
constexpr double kBandTextShift = 0.01;
constexpr double kBlockInset = 0.002;
constexpr double kTwoTextShift = 0.3;
constexpr double kArrowTextShift = 0.05;
constexpr double kMomentHead = 0.2;
constexpr double kMomentHeadWidth = 2.5;
constexpr int kLevelType6Shift = 200;
constexpr int kHorizontalTolerance = 3;

enum Richtung { kSenkrecht, kAlongY, kAlongX, kYAtUpper, kXAtLeft, kType6, kNone };

Richtung RichtungOf(int type) {
    switch (type) {
    case 1:
    case 9:
    case 11:
    case 21:
    case 31:
        return kSenkrecht;
    case 2:
    case 12:
    case 19:
        return kAlongY;
    case 3:
    case 13:
        return kAlongX;
    case 4:
    case 14:
        return kYAtUpper;
    case 5:
    case 15:
        return kXAtLeft;
    case 6:
        return kType6;
    default:
        return kNone;
    }
}

int Limited(double v, int limit) {
    const double l = std::abs(limit);
    return C1Plot::WorldInt(std::clamp(v, -l, l));
}

C1Punkt Mid(C1Punkt a, C1Punkt b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

} // namespace

void LoadOutline(int x1, int y1, int x2, int y2, int type, int side, int gap, int h1, int h2,
                 C1Punkt q[4]) {
    const double c = LineAngle(x1, y1, x2, y2);
    const double sc = std::sin(c);
    const double cc = std::cos(c);
    const double g0 = side * gap;
    double g1 = side * static_cast<double>(gap + h1);
    double g2 = side * static_cast<double>(gap + h2);
    for (int k = 0; k < 4; ++k) {
        q[k] = {x1, y1};
    }
    const auto across = [&](double g, int x, int y) {
        return C1Punkt{C1Plot::WorldInt(x - g * sc), C1Plot::WorldInt(y - g * cc)};
    };
    switch (RichtungOf(type)) {
    case kType6:
        // The tops lie beyond the base, twice the height on the other side.
        g1 = side * (gap - 2.0 * h1);
        g2 = g1;
        [[fallthrough]];
    case kSenkrecht:
        q[0] = across(g0, x1, y1);
        q[1] = across(g1, x1, y1);
        q[2] = across(g0, x2, y2);
        q[3] = across(g2, x2, y2);
        break;
    case kAlongY:
        if (cc != 0.0) {
            q[0] = {x1, C1Plot::WorldInt(y1 - g0 / cc)};
            q[1] = {x1, C1Plot::WorldInt(y1 - g1 / cc)};
            q[2] = {x2, C1Plot::WorldInt(y2 - g0 / cc)};
            q[3] = {x2, C1Plot::WorldInt(y2 - g2 / cc)};
        }
        break;
    case kAlongX:
        if (sc != 0.0) {
            const int b = C1Plot::WorldInt(g0 / sc);
            q[0] = {x1 - b, y1};
            q[1] = {x1 - b - Limited(side * h1 / sc, C1Plot::WorldInt(kXAxisLimit * h1)), y1};
            q[2] = {x2 - b, y2};
            q[3] = {x2 - b - Limited(side * h2 / sc, C1Plot::WorldInt(kXAxisLimit * h2)), y2};
        }
        break;
    case kYAtUpper: {
        const int base = std::min(y1, y2) - C1Plot::WorldInt(g0 * cc);
        q[0] = {x1, base};
        q[1] = {x1, base - h1};
        q[2] = {x2, base};
        q[3] = {x2, base - h2};
        break;
    }
    case kXAtLeft: {
        const int base = std::min(x1, x2) - C1Plot::WorldInt(g0 * sc);
        q[0] = {base, y1};
        q[1] = {base - h1, y1};
        q[2] = {base, y2};
        q[3] = {base - h2, y2};
        break;
    }
    case kNone:
        break;
    }
    if (side == -1) {
        std::swap(q[0], q[1]);
        std::swap(q[2], q[3]);
    }
}

C1Rect OutlineRect(const C1Punkt q[4]) {
    // Base start, top start, top end, base end: round the block, never across it.
    return C1Rect::FromQuad(q[0], q[1], q[3], q[2]);
}

C1LastLevels::C1LastLevels(int n)
    : iCapacity(std::max(n, 0) + 1), Blocks(static_cast<std::size_t>(iCapacity)),
      Level(static_cast<std::size_t>(iCapacity), 0) {}

int C1LastLevels::Place(int i, int type, int x1, int y1, int x2, int y2, double length,
                        double start, double end, int step, int side, int gap) {
    if (i < 1) {
        return gap == 0 ? 1 : gap;
    }
    // Along the member line in whatever direction it runs (a vertical member too).
    const double w = length > 0.0 ? LineLength(x1, y1, x2, y2) / length : 0.0;
    const C1Punkt b1 = PointOnLine(x1, y1, x2, y2, C1Plot::WorldInt(start * w), 0);
    const C1Punkt b2 = PointOnLine(x1, y1, x2, y2, C1Plot::WorldInt(end * w), 0);
    int level = 1;
    C1Rect outline;
    for (;;) {
        C1Punkt q[4];
        LoadOutline(b1.x, b1.y, b2.x, b2.y, type, side, gap, step, step, q);
        if (type == 6) {
            q[0].x -= kLevelType6Shift;
            q[1].x -= kLevelType6Shift;
            q[2].x += kLevelType6Shift;
            q[3].x += kLevelType6Shift;
        }
        outline = OutlineRect(q);
        bool taken = false;
        for (int j = 1; j < i && j < iCapacity; ++j) {
            if (Level[static_cast<std::size_t>(j)] == level &&
                Blocks[static_cast<std::size_t>(j)].Overlaps(outline) != 0) {
                taken = true;
                break;
            }
        }
        if (!taken || step == 0) {
            break;
        }
        ++level;
        gap += step;
    }
    while (i >= iCapacity) {
        iCapacity += kGrowth;
    }
    Blocks.resize(static_cast<std::size_t>(iCapacity));
    Level.resize(static_cast<std::size_t>(iCapacity), 0);
    Blocks[static_cast<std::size_t>(i)] = outline;
    Level[static_cast<std::size_t>(i)] = level;
    return gap == 0 ? 1 : gap;
}

int C1Plot::PlotLast(int slot, int type, int x1, int y1, int x2, int y2, double length,
                     const std::string& text1, const std::string& text2, double q1, double q2,
                     double a, double c, int gap, int step, int height, double qmax, int fontH,
                     C1LastLevels& levels, int fillType, int sideArg, int useLevels) {
    const double worldLength = LineLength(x1, y1, x2, y2);
    if (!(length > 0.0) || !(worldLength > 0.0)) {
        return gap;
    }
    const double w = worldLength / length;
    const int side = sideArg == -1 ? -1 : 1;
    std::string t1 = text1;
    std::string t2 = text2;
    if (a + c < 0.0 || a > length + kBeyondEnd) {
        return gap;
    }
    if (type <= 9) {
        if (a + c > length && c > 0.0) {
            q2 = q1 + (q2 - q1) * (length - a) / c;
            c = length - a;
        }
        if (a < 0.0 && c > 0.0) {
            q1 = q1 + (q2 - q1) * (-a) / c;
            c += a;
            a = 0.0;
        }
    }
    if (type > 10) {
        c = (GetTextWidth(t1, fontH) + kTextLengthExtra * iWorldW) / w;
        a -= kTextLengthLead * iWorldW / w;
        if (type == 21) {
            a -= 0.5 * height / w;
            c += 0.5 * height / w;
        } else if (type == 31) {
            c += height / w;
        } else if (type == 19) {
            const int w1 = GetTextWidth(t1, fontH);
            const int w2 = GetTextWidth(t2, fontH);
            c = (w1 + w2 + kTextLengthExtra * iWorldW) / w;
            a -= (q2 > 0.0 ? w2 : w1) / w;
        }
    }
    const C1Punkt b1 = PointOnLine(x1, y1, x2, y2, C1Plot::WorldInt(a * w), 0);
    const C1Punkt b2 = PointOnLine(x1, y1, x2, y2, C1Plot::WorldInt((a + c) * w), 0);
    int h1 = height;
    int h2 = height;
    if (qmax != 0.0) {
        h1 = C1Plot::WorldInt(std::fabs(q1) * height / qmax);
        h2 = C1Plot::WorldInt(std::fabs(q2) * height / qmax);
        const int least = C1Plot::WorldInt(kMinArrowShare * height);
        if (type >= 11 && type <= 19 && h1 < least && h2 < least) {
            h1 = least;
        }
    } else if (type <= 9) {
        const double m1 = std::fabs(q1);
        const double m2 = std::fabs(q2);
        if (IsGleich(q1, q2) == 0 && std::max(m1, m2) > 0.0) {
            const double big = std::max(m1, m2);
            h1 = C1Plot::WorldInt(height * m1 / big);
            h2 = C1Plot::WorldInt(height * m2 / big);
            if (m1 <= kSmallShare * m2) {
                h1 = 0;
                t1.clear();
            } else if (m2 <= kSmallShare * m1) {
                h2 = 0;
                t2.clear();
            }
        }
    }
    if (type > 9) {
        h2 = h1;
    }
    C1Punkt q[4];
    if (std::abs(gap) < 1 || useLevels != 0) {
        if (slot > 0) {
            int startGap = 0;
            if (useLevels != 0) {
                startGap =
                    sideArg < 0 ? C1Plot::WorldInt(kStartLevelShare * std::max(h1, h2)) : gap;
            }
            gap = levels.Place(slot, type, x1, y1, x2, y2, length, a, a + c, step, side, startGap);
        }
        LoadOutline(b1.x, b1.y, b2.x, b2.y, type, side, gap, h1, h2, q);
    } else {
        LoadOutline(b1.x, b1.y, b2.x, b2.y, type, side, gap, h1, h2, q);
        // Label boxes are kept for the slots the table has; beyond it the block is
        // drawn all the same, only without its overlap test.
        if (slot > 0 && slot < MAX_RECT - 1) {
            const C1Rect box = OutlineRect(q);
            bool overlap = false;
            for (int j = 1; j < slot; ++j) {
                if (LastRect[j].Overlaps(box) != 0) {
                    overlap = true;
                }
            }
            LastRect[slot] = box;
            if (overlap) {
                t1.clear();
                t2.clear();
            }
        }
    }
    if (IsGleich(q1, q2) != 0 && type != 19) {
        t2.clear();
    }
    if (type == 6) {
        PlotBandValues(q, q1, q2, t1, "", fontH, fillType, 1);
        const C1Punkt endEdge[4] = {q[2], q[3], q[2], q[3]};
        PlotBandValues(endEdge, q2, q2, "", "", fontH, fillType, 1);
        SelectPen(1, 0, 0, 1);
        MoveTo(q[1].x, q[1].y);
        LineTo(q[3].x, q[3].y);
        PopPen();
    } else if (type < 9) {
        PlotBandValues(q, q1, q2, t1, t2, fontH, fillType, 0);
    } else if (type == 9) {
        PlotBlockText(q, t1, fontH, fillType);
    } else if (type >= 11 && type <= 18) {
        PlotBandValues(q, q1, q2, t1, t2, fontH, fillType, 1);
    } else if (type == 19) {
        PlotTwoTexts(q, q1, q2, t1, t2, fontH);
    } else if (type == 21) {
        PlotMoment(q, q1, t1, t2, fontH);
    } else if (type == 31) {
        PlotSenkung(q, t1, fontH);
    }
    LastLastRect = OutlineRect(q);
    return gap == 0 ? 1 : gap;
}

int C1Plot::PlotBandValues(const C1Punkt q[4], double q1, double q2, const std::string& t1,
                           const std::string& t2, int fontH, int fillType, int arrows) {
    const bool ownPen = fillType >= 1 && fillType <= 3;
    if (ownPen) {
        SelectPen(1, 0, 0, 1);
    }
    SelectFillBrush(fillType);
    const bool labelStart =
        !(LineLength(q[0].x, q[0].y, iPrevX, iPrevY) <= kPrevBandShare * iWorldW &&
          IsGleich(q1, dPrevValue) != 0);
    iPrevX = q[2].x;
    iPrevY = q[2].y;
    dPrevValue = q2;
    const double angle = LineAngle(q[1].x, q[1].y, q[3].x, q[3].y);
    if (arrows != 0) {
        PlotArrowLine(q[0].x, q[0].y, q[1].x, q[1].y, q1 >= 0.0 ? 'A' : 'E', 2, fillType);
        PlotTextAt(q[1].x, q[1].y, angle, t1, fontH, kCollisionLeaveOut, kAlignLeft, 0, 0, 0);
    } else {
        const C1Punkt poly[4] = {q[0], q[1], q[3], q[2]};
        PlotPolygon(poly, 4);
        if (q1 != 0.0) {
            PlotArrowLine(q[0].x, q[0].y, q[1].x, q[1].y, q1 > 0.0 ? 'A' : 'E', 1, fillType);
        }
        if (q2 != 0.0) {
            PlotArrowLine(q[2].x, q[2].y, q[3].x, q[3].y, q2 > 0.0 ? 'A' : 'E', 1, fillType);
        }
        // One value stands along the band's base edge, two at the tops of its ends.
        if (IsGleich(q1, q2) != 0) {
            if (labelStart) {
                PlotTextLine(q[0].x, q[0].y, q[2].x, q[2].y, t1, fontH, kCollisionLeaveOut,
                             kAlignCentre, 0, 0, 0);
            }
        } else {
            const int shift = C1Plot::WorldInt(kBandTextShift * iWorldW);
            if (labelStart) {
                PlotTextAt(q[1].x, q[1].y, angle, t1, fontH, kCollisionLeaveOut, kAlignLeft, 0,
                           shift, 0);
            }
            PlotTextAt(q[3].x, q[3].y, angle, t2, fontH, kCollisionLeaveOut, kAlignRight, 0, -shift,
                       0);
        }
    }
    PopBrush();
    if (ownPen) {
        PopPen();
    }
    return 1;
}

int C1Plot::PlotBlockText(const C1Punkt q[4], const std::string& text, int fontH, int fillType) {
    SelectPen(1, 0, 0, 1);
    SelectFillBrush(fillType);
    const C1Punkt poly[4] = {q[0], q[1], q[3], q[2]};
    PlotPolygon(poly, 4);
    PopBrush();
    PopPen();
    // Inside the block, just above its lower edge.
    const bool baseBelow = q[0].y + q[2].y >= q[1].y + q[3].y;
    const C1Punkt lo1 = baseBelow ? q[0] : q[1];
    const C1Punkt lo2 = baseBelow ? q[2] : q[3];
    const int inset = C1Plot::WorldInt(kBlockInset * iWorldW);
    const C1Punkt s1 = PointOnLine(lo1.x, lo1.y, lo2.x, lo2.y, 0, -inset);
    const C1Punkt s2 = PointOnLine(lo2.x, lo2.y, lo1.x, lo1.y, 0, inset);
    PlotTextLine(s1.x, s1.y, s2.x, s2.y, text, fontH, kCollisionLeaveOut, kAlignCentre, 0, 0, 0);
    return 1;
}

int C1Plot::PlotMoment(const C1Punkt q[4], double value, const std::string& t1,
                       const std::string& t2, int fontH) {
    const C1Punkt a = Mid(q[0], q[1]);
    const C1Punkt b = Mid(q[2], q[3]);
    const C1Punkt m = Mid(a, b);
    const int r = C1Plot::WorldInt(LineLength(a.x, a.y, b.x, b.y) / 2);
    if (r < 1) {
        return 0;
    }
    const bool horizontal = std::abs(a.y - b.y) < kHorizontalTolerance;
    SelectPen(1, 0, 0, 1);
    // A half circle over the block (horizontal) or to its left side (any other).
    C1Punkt from{m.x + r, m.y};
    C1Punkt to{m.x - r, m.y};
    if (!horizontal) {
        from = {m.x, m.y - r};
        to = {m.x, m.y + r};
    }
    Arc(m.x - r, m.y - r, m.x + r, m.y + r, from.x, from.y, to.x, to.y);
    // The arrowhead at the end the sign selects, along the tangent there.
    const C1Punkt tip = value >= 0.0 ? to : from;
    const int len = C1Plot::WorldInt(kMomentHead * 2 * r);
    const int half = C1Plot::WorldInt(len / kMomentHeadWidth);
    const int dir = horizontal ? 1 : (value >= 0.0 ? 1 : -1);
    C1Punkt head[3];
    if (horizontal) {
        head[0] = tip;
        head[1] = {tip.x - half, tip.y - dir * len};
        head[2] = {tip.x + half, tip.y - dir * len};
    } else {
        const int sx = value >= 0.0 ? 1 : -1;
        head[0] = tip;
        head[1] = {tip.x + sx * len, tip.y - half};
        head[2] = {tip.x + sx * len, tip.y + half};
    }
    SelectBrush(0, 0, nullptr);
    PlotPolygon(head, 3);
    PopBrush();
    PopPen();
    const double angle = LineAngle(a.x, a.y, b.x, b.y);
    const C1Punkt top = horizontal ? C1Punkt{m.x, m.y - r} : C1Punkt{m.x - r, m.y};
    PlotTextAt(top.x, top.y, horizontal ? angle : 0.0, t1, fontH, kCollisionLeaveOut,
               horizontal ? kAlignCentre : kAlignRight, 0, 0, 0);
    if (!t2.empty()) {
        PlotTextAt(top.x, top.y - fontH, horizontal ? angle : 0.0, t2, fontH, kCollisionLeaveOut,
                   horizontal ? kAlignCentre : kAlignRight, 0, 0, 0);
    }
    return 1;
}

int C1Plot::PlotSenkung(const C1Punkt q[4], const std::string& text, int fontH) {
    const C1Punkt a = Mid(q[0], q[1]);
    const C1Punkt b = Mid(q[2], q[3]);
    const C1Punkt m = Mid(a, b);
    const int half = C1Plot::WorldInt(LineLength(a.x, a.y, b.x, b.y) / 2);
    SetROP2(kRop2CopyPen);
    PlotBitmap("BITMAP_SENKUNG", m.x - half, m.y - half, m.x + half, m.y + half);
    PlotTextAt(m.x + half, m.y, 0.0, text, fontH, kCollisionLeaveOut, kAlignLeft, 0, 0, 0);
    return 1;
}

int C1Plot::PlotTwoTexts(const C1Punkt q[4], double q1, double q2, const std::string& t1,
                         const std::string& t2, int fontH) {
    const double angle = LineAngle(q[0].x, q[0].y, q[2].x, q[2].y);
    const int shift = C1Plot::WorldInt(kTwoTextShift * LineLength(q[0].x, q[0].y, q[1].x, q[1].y));
    PlotArrowLine(q[0].x, q[0].y, q[1].x, q[1].y, q1 >= 0.0 ? 'A' : 'E', 2, 1);
    PlotArrowLine(q[2].x, q[2].y, q[3].x, q[3].y, q2 >= 0.0 ? 'A' : 'E', 2, 1);
    if (std::fabs(q1) > 0.01) {
        PlotTextAt(q[1].x, q[1].y, angle, t1, fontH, kCollisionLeaveOut, kAlignRight, 0, -shift, 0);
    }
    if (std::fabs(q2) > 0.01) {
        PlotTextAt(q[3].x, q[3].y, angle, t2, fontH, kCollisionLeaveOut, kAlignLeft, 0, shift, 0);
    }
    return 1;
}

int C1Plot::PlotArrowText(int, int x1, int y1, int x2, int y2, double length,
                          const std::string& text, double value, double x, int height,
                          double maximum, int fontH, int fillType) {
    const double worldLength = LineLength(x1, y1, x2, y2);
    if (!(length > 0.0) || !(worldLength > 0.0)) {
        return 0;
    }
    const double w = worldLength / length;
    const int len = maximum != 0.0 ? C1Plot::WorldInt(height * value / maximum) : height;
    const int at = C1Plot::WorldInt(x * w);
    const C1Punkt p = PointOnLine(x1, y1, x2, y2, at, 0);
    const C1Punkt e = PointOnLine(x1, y1, x2, y2, at + std::abs(len), 0);
    // Tension points away from the start, compression towards it.
    PlotArrowBlock(p.x, p.y, e.x, e.y, value >= 0.0 ? 'E' : 'A', 1, fillType);
    if (fontH > 0) {
        PlotTextAt(p.x, p.y, 0.0, text, fontH, kCollisionShift, kAlignRight, 0,
                   C1Plot::WorldInt(-kArrowTextShift * iWorldW), 0);
    }
    return 1;
}

int C1Plot::PlotArrowText2(int xt, int yt, double angle, int length, int width,
                           const std::string& text, int fontH, int fillType) {
    if (length <= 0) {
        return 0;
    }
    // An arrow lying along +x with its tip at T, turned about T.
    const int half = width / 2;
    const int head = C1Plot::WorldInt(kMomentHead * length);
    C1Punkt arrow[7] = {{xt, yt},
                        {xt - head, yt - 2 * half},
                        {xt - head, yt - half},
                        {xt - length, yt - half},
                        {xt - length, yt + half},
                        {xt - head, yt + half},
                        {xt - head, yt + 2 * half}};
    RotatePoints(xt, yt, angle, arrow, 7);
    SelectPen(1, 0, 0, 1);
    SelectFillBrush(fillType);
    PlotPolygon(arrow, 7);
    PopBrush();
    PopPen();
    const C1Punkt tail = Mid(arrow[3], arrow[4]);
    PlotPoint(xt, yt, half, 0, 0, 0);
    PlotPoint(tail.x, tail.y, half, 0, 0, 0);
    PlotTextLine(tail.x, tail.y, xt, yt, text, fontH, kCollisionShift, kAlignCentre, 0, 0, 0);
    return 1;
}
