#include "plot/engine/C1Plot.h"

#include "plot/engine/CadHook.h"
#include "plot/engine/PlotGeometrie.h"

#include <cmath>

namespace {

constexpr double kArrowShare = 0.2;
constexpr double kShaftShare = 0.4;
constexpr double kSqrt075 = 0.8660254037844386;

std::string WithoutLeadingBlanks(const std::string& name) {
    const std::size_t first = name.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : name.substr(first);
}

} // namespace

int C1Plot::MoveTo(int x, int y) {
    if (bHook) {
        CadHookMoveTo(Caller(x), -Caller(y));
    }
    if (Drawing()) {
        const C1Punkt d = ToDevice(C1Punkt{x, y});
        pDC->MoveTo(d.x, d.y);
        iCurX = d.x;
        iCurY = d.y;
    } else {
        iCurX = x;
        iCurY = y;
    }
    return 1;
}

int C1Plot::LineTo(int x, int y) {
    Extend(x, y);
    if (bHook && HasPen()) {
        CadHookLineTo(Caller(x), -Caller(y), PenCadColour(), pPen->GetSolid());
    }
    if (Drawing()) {
        const C1Punkt d = ToDevice(C1Punkt{x, y});
        pDC->LineTo(d.x, d.y);
        iCurX = d.x;
        iCurY = d.y;
    } else {
        iCurX = x;
        iCurY = y;
    }
    return 1;
}

int C1Plot::MoveToD(double x, double y) {
    const C1Punkt p = ToWorld(x, y);
    return MoveTo(p.x, p.y);
}

int C1Plot::LineToD(double x, double y) {
    const C1Punkt p = ToWorld(x, y);
    return LineTo(p.x, p.y);
}

int C1Plot::PlotDot(int x, int y) {
    MoveTo(x, y);
    return LineTo(x + 1, y + 1);
}

int C1Plot::PlotLine(int x1, int y1, int x2, int y2, int width, unsigned colourIndex,
                     COLORREF colour) {
    SelectPen(width <= 0 ? 1 : width, colourIndex, colour, 1);
    MoveTo(x1, y1);
    LineTo(x2, y2);
    PopPen();
    return 1;
}

int C1Plot::PlotPoint(int x, int y, int size, int width, unsigned colourIndex, COLORREF colour) {
    SelectPen(width, colourIndex, colour, 1);
    SelectBrush(colourIndex, colour, nullptr);
    const int h = size / 2;
    if (width > 0) {
        Arc(x - h, y - h, x + h, y + h, x + h, y + h, x + h, y + h);
    } else if (width == 0) {
        Ellipse(x - h, y - h, x + h, y + h, colourIndex == 0 ? 1 : 0);
    }
    PopPen();
    PopBrush();
    return 1;
}

int C1Plot::Arc(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    Extend(x1, y1);
    Extend(x2, y2);
    if (bHook && HasPen()) {
        const int cx = (x1 + x2) / 2;
        const int cy = (y1 + y2) / 2;
        const double start = std::atan2(static_cast<double>(cy) - ys, static_cast<double>(xs) - cx);
        const double end = std::atan2(static_cast<double>(cy) - ye, static_cast<double>(xe) - cx);
        CadHookArc(Caller(cx), -Caller(cy), Caller((x2 - x1) / 2), start, end, PenCadColour(),
                   GetCurrentGdiIndex(1));
    }
    if (Drawing()) {
        const C1Box b = ToDevice(C1Box{x1, y1, x2, y2});
        pDC->Arc({b.left, b.top, b.right, b.bottom}, {ToDevice(xs), ToDevice(ys)},
                 {ToDevice(xe), ToDevice(ye)});
    }
    return 1;
}

int C1Plot::ArcD(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
                 double ye) {
    const C1Punkt a = ToWorld(x1, y1);
    const C1Punkt b = ToWorld(x2, y2);
    const C1Punkt s = ToWorld(xs, ys);
    const C1Punkt e = ToWorld(xe, ye);
    return Arc(a.x, a.y, b.x, b.y, s.x, s.y, e.x, e.y);
}

int C1Plot::Pie(int x1, int y1, int x2, int y2, int xs, int ys, int xe, int ye) {
    Extend(x1, y1);
    Extend(x2, y2);
    if (Drawing()) {
        const C1Box b = ToDevice(C1Box{x1, y1, x2, y2});
        pDC->Pie({b.left, b.top, b.right, b.bottom}, {ToDevice(xs), ToDevice(ys)},
                 {ToDevice(xe), ToDevice(ye)});
    }
    return 1;
}

int C1Plot::PieD(double x1, double y1, double x2, double y2, double xs, double ys, double xe,
                 double ye) {
    const C1Punkt a = ToWorld(x1, y1);
    const C1Punkt b = ToWorld(x2, y2);
    const C1Punkt s = ToWorld(xs, ys);
    const C1Punkt e = ToWorld(xe, ye);
    return Pie(a.x, a.y, b.x, b.y, s.x, s.y, e.x, e.y);
}

void C1Plot::HookPolygon(const std::vector<C1Punkt>& points) {
    std::vector<double> xs;
    std::vector<double> ys;
    for (const C1Punkt& p : points) {
        xs.push_back(Caller(p.x));
        ys.push_back(-Caller(p.y));
    }
    CadHookPolygon(static_cast<int>(points.size()), xs.data(), ys.data(), BrushCadColour());
    CadHookMoveTo(xs.front(), ys.front());
    for (std::size_t i = 1; i <= xs.size(); ++i) {
        CadHookLineTo(xs[i % xs.size()], ys[i % xs.size()], iCadPenColour, 1);
    }
}

int C1Plot::Ellipse(int x1, int y1, int x2, int y2, int flag) {
    Extend(x1, y1);
    Extend(x2, y2);
    if (bHook && HasBrush()) {
        const int cx = (x1 + x2) / 2;
        const int cy = (y1 + y2) / 2;
        const double a = (x2 - x1) / 2.0;
        const double b = (y2 - y1) / 2.0;
        const double ha = a / 2.0;
        const double hb = b * kSqrt075;
        const std::vector<C1Punkt> octagon = {
            {WorldInt(cx + a), cy}, {WorldInt(cx + ha), WorldInt(cy - hb)},
            {cx, WorldInt(cy - b)}, {WorldInt(cx - ha), WorldInt(cy - hb)},
            {WorldInt(cx - a), cy}, {WorldInt(cx - ha), WorldInt(cy + hb)},
            {cx, WorldInt(cy + b)}, {WorldInt(cx + ha), WorldInt(cy + hb)},
        };
        std::vector<double> xs;
        std::vector<double> ys;
        for (const C1Punkt& p : octagon) {
            xs.push_back(Caller(p.x));
            ys.push_back(-Caller(p.y));
        }
        CadHookPolygon(8, xs.data(), ys.data(), flag ? iCadPenColour : BrushCadColour());
        CadHookMoveTo(xs[0], ys[0]);
        for (std::size_t i = 1; i <= 8; ++i) {
            CadHookLineTo(xs[i % 8], ys[i % 8], iCadPenColour, 1);
        }
    }
    if (Drawing()) {
        const C1Box b = ToDevice(C1Box{x1, y1, x2, y2});
        pDC->Ellipse({b.left, b.top, b.right, b.bottom});
    }
    return 1;
}

int C1Plot::EllipseD(double x1, double y1, double x2, double y2, int flag) {
    const C1Punkt a = ToWorld(x1, y1);
    const C1Punkt b = ToWorld(x2, y2);
    return Ellipse(a.x, a.y, b.x, b.y, flag);
}

int C1Plot::PlotPolygon(const C1Punkt* points, int n) {
    if (points == nullptr || n < 1) {
        return 0;
    }
    std::vector<C1Punkt> world(points, points + n);
    for (const C1Punkt& p : world) {
        Extend(p.x, p.y);
    }
    if (bHook && HasBrush()) {
        HookPolygon(world);
    }
    if (Drawing()) {
        std::vector<EmfPoint> device;
        device.reserve(world.size());
        for (const C1Punkt& p : world) {
            device.push_back({ToDevice(p.x), ToDevice(p.y)});
        }
        if (HasBrush() && pBrush->GetPattern() != nullptr) {
            // LibreOffice leaves out a polygon filled with a pattern, its outline too:
            // a solid underlay in the pattern's colour carries both there.
            SelectBrush(static_cast<unsigned>(-1), pBrush->GetColour(), nullptr);
            pDC->Polygon(device);
            PopBrush();
        }
        pDC->Polygon(device);
    }
    return 1;
}

int C1Plot::PlotPolygonD(const C1DPoint* points, int n) {
    if (points == nullptr || n < 1) {
        return 0;
    }
    std::vector<C1Punkt> world;
    world.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        world.push_back(ToWorld(points[i].x, points[i].y));
    }
    return PlotPolygon(world.data(), n);
}

int C1Plot::PlotRectangle(int x1, int y1, int x2, int y2) {
    Extend(x1, y1);
    Extend(x2, y2);
    if (bHook && HasBrush()) {
        HookPolygon({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}});
    }
    if (Drawing()) {
        const C1Box b = ToDevice(C1Box{x1, y1, x2, y2});
        pDC->Rectangle({b.left, b.top, b.right, b.bottom});
    }
    return 1;
}

int C1Plot::PlotRectangleD(double x1, double y1, double x2, double y2) {
    const C1Punkt a = ToWorld(x1, y1);
    const C1Punkt b = ToWorld(x2, y2);
    return PlotRectangle(a.x, a.y, b.x, b.y);
}

int C1Plot::PlotFrame(double factor) {
    // Nothing drawn: no box to frame (its placeholders would make a frame of 20 m).
    if (bBoxEmpty) {
        return 1;
    }
    const int dx = WorldInt((factor - 1.0) / 2.0 * (iMaxX - iMinX));
    const int dy = WorldInt((factor - 1.0) / 2.0 * (iMaxY - iMinY));
    SelectStockBrush(kStockNullBrush);
    SelectStockPen2(kStockBlackPen);
    PlotRectangle(iMinX - dx, iMinY - dy, iMaxX + dx, iMaxY + dy);
    PopPen();
    PopBrush();
    return 1;
}

int C1Plot::PlotFrameMargins(double left, double bottom, double right, double top) {
    if (bBoxEmpty) {
        return 1;
    }
    const int w = std::max(iMaxX - iMinX, iWorldW);
    const int h = std::max(iMaxY - iMinY, iWorldH);
    SelectStockBrush(kStockNullBrush);
    SelectStockPen2(kStockWhitePen);
    PlotRectangle(iMinX - WorldInt((left - 1.0) * w), iMinY - WorldInt((top - 1.0) * h),
                  iMaxX + WorldInt((right - 1.0) * w), iMaxY + WorldInt((bottom - 1.0) * h));
    PopPen();
    PopBrush();
    return 1;
}

int C1Plot::PlotBand(int x1, int y1, int x2, int y2, int l, int offset, int b, int c, int type,
                     C1Punkt& p1, C1Punkt& p2, C1Punkt& p3, C1Punkt& p4) {
    b = std::max(b, 0);
    c = std::max(c, 0);
    const auto at = [&](int s, int t) { return PointOnLine(x1, y1, x2, y2, s, t); };
    C1Punkt q[4];
    if (type == 1) {
        q[0] = at(l, offset);
        q[1] = at(l, offset - c);
        q[2] = at(l + b, offset - c);
        q[3] = at(l + b, offset);
    } else if (type == 2) {
        q[0] = at(l, offset);
        q[1] = at(l, offset - b);
        q[2] = at(l + c, offset - b);
        q[3] = at(l + c, offset);
    }
    p1 = q[0];
    p2 = q[1];
    p3 = q[3];
    p4 = q[2];
    if (b > 0 && c > 0) {
        PlotPolygon(q, 4);
    }
    return 1;
}

int C1Plot::PlotBand2(int x1, int y1, int x2, int y2, int l, int offset, int c, int b, int type,
                      C1Punkt& p1, C1Punkt& p2, C1Punkt& p3, C1Punkt& p4) {
    return PlotBand(x1, y1, x2, y2, l, offset, b, c, type, p1, p2, p3, p4);
}

int C1Plot::PlotArrow(int x1, int y1, int x2, int y2, int xt, int yt, int b, int type, int kind) {
    if (b < 1 || type < 1 || type > 4 || kind < 1 || kind > 3) {
        return 0;
    }
    const double c = LineAngle(x1, y1, x2, y2);
    static const int kS[5] = {0, 1, -1, -1, 1};
    static const int kF[5] = {0, -1, -1, 1, 1};
    const int s = kS[type] * b;
    const int f = kF[type] * b;
    const C1Punkt base{WorldInt(xt + f * std::cos(c)), WorldInt(yt + f * std::sin(c))};
    const C1Punkt w1{WorldInt(base.x + s * std::sin(c)), WorldInt(base.y + s * std::cos(c))};
    const C1Punkt w2{WorldInt(xt + s * std::sin(c)), WorldInt(yt + s * std::cos(c))};
    if (kind == 1 || kind == 3) {
        const C1Punkt quad[4] = {{xt, yt}, base, w1, w2};
        PlotPolygon(quad, 4);
    }
    if (kind == 1 || kind == 2) {
        // White fills and outlines what follows: the white pen on the pen stack, the
        // white brush on the brush stack.
        SelectStockPen2(kStockWhitePen);
        SelectStockBrush(kStockWhiteBrush);
        const bool forward = type == 1 || type == 3;
        const C1Punkt from = forward ? w2 : base;
        const C1Punkt to = forward ? base : w2;
        Pie(w1.x - b, w1.y - b, w1.x + b, w1.y + b, from.x, from.y, to.x, to.y);
        MoveTo(base.x, base.y);
        LineTo(w1.x, w1.y);
        LineTo(w2.x, w2.y);
        PopPen();
        PopBrush();
    }
    return 1;
}

int C1Plot::PlotArrowLine(int x1, int y1, int x2, int y2, char direction, int width, int fillType) {
    SelectPen(width <= 0 ? 1 : width, 0, 0, 1);
    SetROP2(kRop2CopyPen);
    const double length = LineLength(x1, y1, x2, y2);
    const double l = kArrowShare * length;
    const bool back = direction == 'A';
    C1Punkt tip{x2, y2};
    C1Punkt base = PointBetween(x1, y1, x2, y2, 0.6);
    if (back) {
        MoveTo(x2, y2);
        LineTo(x1, y1);
        tip = {x1, y1};
        base = PointBetween(x1, y1, x2, y2, 0.4);
    } else {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }
    PopPen();
    const double v = std::atan2(static_cast<double>(y1) - y2, static_cast<double>(x2) - x1);
    const C1Punkt tri[3] = {
        {WorldInt(base.x - l * std::sin(v)), WorldInt(base.y - l * std::cos(v))},
        tip,
        {WorldInt(base.x + l * std::sin(v)), WorldInt(base.y + l * std::cos(v))},
    };
    SelectFillBrush(fillType);
    PlotPolygon(tri, 3);
    PopBrush();
    SetROP2(kRop2CopyPen);
    return 1;
}

int C1Plot::PlotArrowBlock(int x1, int y1, int x2, int y2, char direction, int width,
                           int fillType) {
    SelectPen(width <= 0 ? 1 : width, 0, 0, 1);
    SetROP2(kRop2CopyPen);
    const double length = LineLength(x1, y1, x2, y2);
    const double l = kArrowShare * length;
    const double half = kShaftShare * l;
    const bool back = direction == 'A';
    const C1Punkt tip = back ? C1Punkt{x1, y1} : C1Punkt{x2, y2};
    const C1Punkt base = PointBetween(x1, y1, x2, y2, back ? 0.4 : 0.6);
    if (back) {
        MoveTo(x2, y2);
        LineTo(x1, y1);
    } else {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }
    const double v = std::atan2(static_cast<double>(y1) - y2, static_cast<double>(x2) - x1);
    const double sv = std::sin(v);
    const double cv = std::cos(v);
    const C1Punkt tri[3] = {
        {WorldInt(base.x - l * sv), WorldInt(base.y - l * cv)},
        tip,
        {WorldInt(base.x + l * sv), WorldInt(base.y + l * cv)},
    };
    SelectFillBrush(fillType);
    PlotPolygon(tri, 3);
    const C1Punkt shaft[4] = {
        {WorldInt(base.x - half * sv), WorldInt(base.y - half * cv)},
        {WorldInt(x2 - half * sv), WorldInt(y2 - half * cv)},
        {WorldInt(x2 + half * sv), WorldInt(y2 + half * cv)},
        {WorldInt(base.x + half * sv), WorldInt(base.y + half * cv)},
    };
    PlotPolygon(shaft, 4);
    LastLastRect = C1Rect::FromQuad(shaft[0], shaft[1], shaft[2], shaft[3]);
    PopPen();
    PopBrush();
    SetROP2(kRop2CopyPen);
    return 1;
}

const EmfDib* C1Plot::LoadBitmap(const std::string& name) const {
    if (name.empty() || hPlotLib == nullptr) {
        return nullptr;
    }
    return QEL_PlotLibBitmap(hPlotLib, WithoutLeadingBlanks(name));
}

bool C1Plot::PlotBitmap(const std::string& rawName, int left, int top, int right, int bottom) {
    const std::string name = WithoutLeadingBlanks(rawName);
    if (name.empty()) {
        return false;
    }
    if (bHook) {
        CadHookBitmap(Caller(left), -Caller(bottom), Caller(right - left), Caller(bottom - top),
                      0.0, name);
    }
    if (Drawing()) {
        const EmfDib* dib = QEL_PlotLibBitmap(hPlotLib, name);
        if (dib == nullptr) {
            return false;
        }
        const C1Box b = ToDevice(C1Box{left, top, right, bottom});
        pDC->StretchDib({b.left, b.top, b.right, b.bottom}, *dib);
    }
    LastBitmapRect = C1Rect::FromBox(left, top, right, bottom);
    return true;
}

int C1Plot::PlotAuflager(int n, int left, int top, int right, int bottom) {
    if (n < 1 || hPlotLib == nullptr) {
        return 0;
    }
    PlotBitmap("BITMAP_AUFL" + std::to_string(n), left, top, right, bottom);
    return 1;
}

C1Punkt C1Plot::MapToMetafile(int x, int y, int wx1, int wy1, int wx2, int wy2,
                              int useFactor) const {
    // No metafile is ever named for this mapping: the point maps onto an empty frame.
    (void)x;
    (void)y;
    (void)wx1;
    (void)wy1;
    (void)wx2;
    (void)wy2;
    (void)useFactor;
    return {};
}
