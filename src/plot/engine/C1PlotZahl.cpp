#include "plot/engine/C1Plot.h"

#include "base/Numerik.h"
#include "plot/engine/PlotGeometrie.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kMarkShare = 0.6;
constexpr double kDotShare = 0.6;
constexpr double kLargeValue = 10000.0;
constexpr double kPiDeg = 180.0 / 3.14159;

std::string ValueText(double value) {
    const double m = std::fabs(value);
    const char* format = m >= kLargeValue ? "%8.1f" : "%7.2f";
    if (m < 1.0) {
        format = IsNearInteger(value * 100.0, 0.001) ? "%4.2f" : "%5.3f";
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

} // namespace

C1Punkt C1Plot::PlotZahl(C1Punkt p1, C1Punkt p2, double value, int size, int offset,
                         const std::string& text) {
    // Only a value of nothing goes without a label; a negative value keeps its sign
    // instead of vanishing from the drawing.
    if (value == 0.0 && text.empty()) {
        return {};
    }
    const double a = LineAngle(p1.x, p1.y, p2.x, p2.y);
    const C1Punkt s1 = PointAtAngle(p1.x, p1.y, a, 0, offset);
    const C1Punkt s2 = PointAtAngle(p2.x, p2.y, a, 0, offset);
    SelectPen(1, 0, 0, 1);
    MoveTo(s1.x, s1.y);
    LineTo(s2.x, s2.y);
    const double length = LineLength(s1.x, s1.y, s2.x, s2.y);
    int t = WorldInt(kMarkShare * size);
    if (2 * t >= length) {
        t = WorldInt(0.5 * length);
    }
    const double sa = std::sin(a);
    const double ca = std::cos(a);
    for (const C1Punkt& e : {s1, s2}) {
        MoveTo(WorldInt(e.x - t * sa), WorldInt(e.y - t * ca));
        LineTo(WorldInt(e.x + t * sa), WorldInt(e.y + t * ca));
        const int half = t / 2;
        MoveTo(WorldInt(e.x - half * ca), WorldInt(e.y + half * sa));
        LineTo(WorldInt(e.x + half * ca), WorldInt(e.y - half * sa));
        PlotPoint(e.x, e.y, WorldInt(kDotShare * t), 0, 0, 0);
    }
    const std::string label = text.empty() ? ValueText(value) : text;
    SelectFont(size, a * kPiDeg, 0, 0);
    PlotTextLine(s1.x, s1.y, s2.x, s2.y, label, size, 1, 0, 0, 0, 0);
    LastZahlRect = LastTextRect;
    PopFont();
    PopPen();
    return s1;
}

C1Punkt C1Plot::PlotZahlX(int x1, int x2, int b, double value, int size, const std::string& text) {
    return PlotZahl({x1, b}, {x2, b}, value, size, 0, text);
}

C1Punkt C1Plot::PlotZahlY(int y1, int y2, int a, double value, int size, const std::string& text) {
    return PlotZahl({a, y1}, {a, y2}, value, size, 0, text);
}

C1Punkt C1Plot::PlotZahlD(double x1, double y1, double x2, double y2, double value, int size,
                          int offset, const std::string& text) {
    return PlotZahl(ToWorld(x1, y1), ToWorld(x2, y2), value, size, offset, text);
}

namespace {

// The reach of P -> Q across the reference direction.
double Across(C1Punkt r1, C1Punkt r2, C1Punkt p, C1Punkt q) {
    const double delta = LineAngle(p.x, p.y, q.x, q.y) - LineAngle(r1.x, r1.y, r2.x, r2.y);
    return LineLength(p.x, p.y, q.x, q.y) * std::sin(delta);
}

} // namespace

C1Punkt C1Plot::PlotZahlAnLinie(C1Punkt r1, C1Punkt r2, C1Punkt p, C1Punkt q, double value,
                                int size, int offset, int endCode, const std::string& text) {
    if (endCode != 1 && endCode != 2) {
        return {};
    }
    const double e = Across(r1, r2, p, q);
    const C1Punkt r = PointAtAngle(p.x, p.y, LineAngle(r1.x, r1.y, r2.x, r2.y), WorldInt(e), 0);
    return endCode == 1 ? PlotZahl(p, r, value, size, offset, text)
                        : PlotZahl(r, p, value, size, offset, text);
}

C1Punkt C1Plot::PlotZahlAnLinie2(C1Punkt r1, C1Punkt r2, C1Punkt p, C1Punkt q, double value,
                                 int size, int offset, int endCode, const std::string& text) {
    if (endCode != 1 && endCode != 2) {
        return {};
    }
    // The reach counts towards the left of the reference direction, the offset of a
    // point towards its right: laid off with the opposite sign, so that the second
    // end lies level with Q.
    const double e = Across(r1, r2, p, q);
    const C1Punkt r = PointAtAngle(p.x, p.y, LineAngle(r1.x, r1.y, r2.x, r2.y), 0, WorldInt(-e));
    return endCode == 1 ? PlotZahl(p, r, value, size, offset, text)
                        : PlotZahl(r, p, value, size, offset, text);
}
