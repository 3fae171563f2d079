#include "plot/engine/C1Plot.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/member/C1PlotTraeger.h"

#include "base/Numerik.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kMinShare = 0.3;
constexpr double kCutShare = 0.1;
constexpr double kLabelDx = 0.02;
constexpr double kLabelDy = 0.01;
constexpr double kSmallFont = 0.8;
constexpr double kBandShare = 0.3;
constexpr double kTextMargin = 0.08;
constexpr double kSymbolShare = 0.03;
constexpr double kBettungHeight = 0.02;
constexpr double kSpringBase = 0.045;
constexpr double kSpringRange = 0.03;
constexpr double kSpringStart = 0.001;
constexpr double kGeleShare = 0.01;
constexpr double kOverallShift = 1.2;
constexpr double kTickShare = 0.8;
constexpr double kThreeHalves = 1.5;

enum ZeichenArt {
    kArtFeld = 1,
    kArtAuflager = 2,
    kArtGelenk = 6,
    kArtFeldMass = 201,
    kArtGelenkMass = 206
};

// The whole part of a value (cut, as the labels have always shown it) in a format with
// "%.0f": no value is too large or too strange for the text.
std::string Printed(const char* format, double v) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, std::trunc(v) + 0.0);
    return buffer;
}

} // namespace

void C1PlotTraeger::PlotSystem(int place, int, double share1, double share2, int charH, int charW,
                               C1Punkt* start, C1Punkt* end) {
    if (plot == nullptr || start == nullptr || end == nullptr) {
        return;
    }
    C1Plot& page = *plot;
    const int W = page.GetWorldW();
    const int H = page.GetWorldH();
    const double s1 = std::fabs(share1);
    const double s2 = std::fabs(share2);
    double f1 = s1 / (s1 + s2);
    double f2 = s2 / (s1 + s2);
    if (!(f1 > kMinShare)) {
        f1 = kMinShare;
    }
    if (!(f2 > kMinShare)) {
        f2 = kMinShare;
    }
    if (maxCutUpper > 0.0) {
        cutLineUpper = C1Plot::WorldInt(kCutShare * H);
    }
    if (maxCutLower > 0.0) {
        cutLineLower = C1Plot::WorldInt(kCutShare * H);
    }
    if (place != 0) {
        if (mode == 1) {
            const int y = C1Plot::WorldInt(-(f2 - f1) * 0.5 * H);
            *start = {0, y};
            *end = {W, y};
        } else if (mode == 2) {
            const int x = C1Plot::WorldInt(W / 2 - (f2 - f1) * 0.5 * W);
            *start = {x, H / 2};
            *end = {x, -(H / 2)};
        }
        if (mode > 0) {
            // White dots keep the end extension free beyond both ends; the pen stays.
            page.SelectStockPen2(kStockNullPen);
            page.PlotDot(C1Plot::WorldInt(-endExtension * W), 0);
            page.PlotDot(C1Plot::WorldInt((endExtension + 1.0) * W), 0);
        }
    }
    if (drawKind == -1) {
        return;
    }
    const double angleDeg = LineAngleDeg(start->x, start->y, end->x, end->y);
    // Supports are counted up to the highest accepted number, never beyond the table.
    const int supportsToDraw = std::min(highestSupport, kLastNumber);
    const auto supportX = [&](int i) { return i <= kLastNumber ? GetAuflX(i) : 0.0; };
    int labelDepth = 0;
    C1Punkt lastLabel{};
    const int small = C1Plot::WorldInt(kSmallFont * charH);
    if (drawKind >= 2 && mode == 1) {
        int slot = 0;
        C1Punkt previous{};
        for (int i = 1; i <= supportsToDraw; ++i) {
            const C1Punkt p = AxisPoint(*start, *end, supportX(i));
            const C1Punkt label{C1Plot::WorldInt(p.x + kLabelDx * W),
                                C1Plot::WorldInt(p.y + kLabelDy * W)};
            lastLabel = label;
            if (i >= 2) {
                const int d = C1Plot::WorldInt(kBandShare * charH);
                const C1Punkt a1 = PointOnLine(previous.x, previous.y, p.x, p.y, 0, d);
                const C1Punkt a2 = PointOnLine(previous.x, previous.y, p.x, p.y, 0, -d);
                const C1Punkt b1 = PointOnLine(p.x, p.y, end->x, end->y, 0, -d);
                const C1Punkt b2 = PointOnLine(p.x, p.y, end->x, end->y, 0, d);
                page.AddZeichenObj(kArtFeld, i - 1, -1, C1Rect::FromQuad(a1, a2, b1, b2));
            }
            previous = p;
            page.SelectFont(small, angleDeg, 1, 0);
            const C1PlotAufl& s = supports[static_cast<std::size_t>(i)];
            std::string textA;
            std::string textB;
            if (s.code1 == 2 && s.spring1 > 0.1) {
                textA = Printed("CZ=%.0f", s.spring1);
            }
            bool fixity = false;
            if (s.code2 == 2 && s.spring2 > 0.1) {
                textB = Printed("CM=%.0f", s.spring2);
            } else if (s.code2 == 3 && s.spring2 > 1.1) {
                textB = Printed("Einspanngrad=%.0f %%", s.spring2);
                fixity = true;
            }
            const int fixityWidth = fixity ? page.GetTextWidth(textB, small) : 0;
            const int shiftB = (fixity && i == supportsToDraw) ? fixityWidth : 0;
            if (!textB.empty()) {
                page.PlotTextAligned(slot++, label.x - shiftB, label.y + charH, textB, small, 1,
                                     kTextMargin);
            }
            if (!textA.empty()) {
                const int y = page.PlotTextAligned(slot++, label.x, label.y + charH, textA, small,
                                                   1, kTextMargin);
                labelDepth = std::max(labelDepth, y - label.y);
            }
            page.PopFont();
        }
    }
    if (drawKind >= 2 && mode == 1 && bettungCount > 0) {
        page.SelectFont(small, 0.0, 0, 0);
        page.SelectPen(1, 0, 0, 1);
        double vmax = 0.0;
        for (int k = 1; k <= bettungCount; ++k) {
            const double v = bettung[static_cast<std::size_t>(k)].value;
            if (std::fabs(v) >= std::fabs(vmax)) {
                vmax = v;
            }
        }
        const int d = C1Plot::WorldInt(kBettungHeight * W);
        const int y0 = start->y;
        const auto axisX = [&](double x) {
            return start->x + (end->x - start->x) * (length > 0.0 ? x / length : 0.0);
        };
        for (int k = 1; k <= bettungCount; ++k) {
            const C1PlotBettung& b = bettung[static_cast<std::size_t>(k)];
            const int x0 = C1Plot::WorldInt(axisX(b.start));
            const int x1 = C1Plot::WorldInt(axisX(b.start + b.length));
            page.PlotRectangle(x0, y0, x1, C1Plot::WorldInt(d + y0));
            const double spacing =
                kSpringBase * W - kSpringRange * W * (vmax != 0.0 ? b.value / vmax : 0.0);
            const double xEnd =
                std::min(axisX(b.start + b.length) - d, static_cast<double>(end->x - d));
            for (double x = axisX(b.start) + kSpringStart * W; x <= xEnd; x += spacing) {
                page.PlotBitmap("BITMAP_ELBA_FEDER", C1Plot::WorldInt(x), y0,
                                C1Plot::WorldInt(d + x), C1Plot::WorldInt(d + y0));
                if (!(spacing > 0.0)) {
                    break; // no spacing: the first spring only
                }
            }
            const int y =
                page.PlotTextAligned(k, x0, lastLabel.y + charH + labelDepth,
                                     Printed("c=%d", RoundInt(b.value)), small, 1, kTextMargin);
            labelDepth = std::max(labelDepth, y - lastLabel.y);
        }
        page.PopPen();
        page.PopFont();
    }
    const int s = C1Plot::WorldInt(kSymbolShare * std::max(W, H));
    for (int i = 1; i <= supportsToDraw; ++i) {
        const C1Punkt p = AxisPoint(*start, *end, supportX(i));
        const int size = mode == 2 ? 2 * s : s;
        PlotAufl(i, p.x, p.y, size, size, charH, charW);
        if (drawKind >= 2) {
            page.SelectFont(charH, 0.0, 1, 0);
            if (supports[static_cast<std::size_t>(i)].code1 > 0) {
                page.PlotText(C1Plot::WorldInt(p.x + kLabelDx * W),
                              C1Plot::WorldInt(p.y + kLabelDy * W),
                              supports[static_cast<std::size_t>(i)].text);
            }
            page.PopFont();
        }
    }
    page.SelectPen(charW, 0, 0, 1);
    page.MoveTo(start->x, start->y);
    page.LineTo(end->x, end->y);
    page.PopPen();
    if (drawKind < 2) {
        return;
    }
    const int yOff = 3 * charH + cutLineLower + labelDepth;
    C1Punkt last = *start;
    for (int i = 1; i < supportsToDraw; ++i) {
        const C1PlotAufl& a = supports[static_cast<std::size_t>(i)];
        const C1PlotAufl& b = supports[static_cast<std::size_t>(i + 1)];
        if (a.code1 == 0 && a.code2 == 0 && b.code1 == 0 && b.code2 == 0) {
            continue;
        }
        last = page.PlotZahl(AxisPoint(*start, *end, a.x), AxisPoint(*start, *end, b.x),
                             std::fabs(b.x - a.x), small, yOff, "");
        page.AddZeichenObj(kArtFeldMass, i, -1, page.GetLastZahlRect());
    }
    if (supportsToDraw > 2) {
        last = page.PlotZahl(*start, *end, length, small,
                             C1Plot::WorldInt(kOverallShift * charH + yOff), "");
    }
    for (int j = 0; j < geleCount; ++j) {
        const double x = gele[static_cast<std::size_t>(j + 1)];
        const C1Punkt axis = AxisPoint(*start, *end, x);
        const C1Punkt g = mode == 1   ? C1Punkt{axis.x, start->y}
                          : mode == 2 ? C1Punkt{start->x, axis.y}
                                      : C1Punkt{};
        const int gs = C1Plot::WorldInt(kGeleShare * W);
        page.PlotBitmap("BITMAP_GELE", g.x - gs / 2, g.y - gs / 2, g.x + gs / 2, g.y + gs / 2);
        page.AddZeichenObj(kArtGelenk, j, -1, C1Rect::FromBox(g.x, g.y, g.x + gs, g.y + gs));
        last = page.PlotZahl(*start, axis, x, small, charH + (last.y - start->y), "");
        page.AddZeichenObj(kArtGelenkMass, j, -1, page.GetLastZahlRect());
    }
    lastDimension = last;
}

int C1PlotTraeger::AuflSymbol(int number) const {
    const C1PlotAufl* s = Aufl(number);
    if (s == nullptr || drawKind < 1) {
        return 0;
    }
    const bool first = number == 1;
    const bool last = number == highestSupport;
    const int code2 = s->code2 == 3 ? 2 : s->code2;
    int d = 0;
    if (drawKind == 1) {
        if (s->code1 == 0 && s->code3 >= 1) {
            d = 102;
        } else if (s->code1 >= 1) {
            d = s->code3 >= 1 ? 1 : s->code3 == 0 ? 2 : 0;
            if (code2 == 1) {
                d = first ? 3 : d;
                d = last ? 4 : d;
            }
        }
    } else {
        const auto pick = [&](int one, int zero) {
            return s->code3 == 1 ? one : s->code3 == 0 ? zero : 0;
        };
        const auto ends = [&](int firstSym, int lastSym, int middle) {
            return last ? lastSym : first ? firstSym : middle;
        };
        if (s->code1 == 1 && code2 == 0) {
            d = pick(1, 2);
        } else if (s->code1 == 1 && code2 == 1) {
            d = pick(ends(3, 4, 7), ends(5, 6, 8));
        } else if (s->code1 == 1 && code2 == 2) {
            d = pick(7, 8);
        } else if (s->code1 == 2 && code2 == 0) {
            d = pick(51, 52);
        } else if (s->code1 == 2 && code2 == 1) {
            d = pick(ends(53, 54, 57), ends(55, 56, 58));
        } else if (s->code1 == 2 && code2 == 2) {
            d = pick(57, 58);
        }
    }
    if (mode == 2) {
        d += 200;
        if (s->code1 == 0 && s->code3 == 1) {
            d = code2 == 0 ? 102 : code2 == 1 ? 112 : d;
        }
    } else {
        d += 100;
    }
    if (d == 201 || d == 251) {
        d = 101;
    }
    return d;
}

int C1PlotTraeger::PlotAufl(int number, int x, int y, int w, int h, int textSize, int penWidth) {
    const C1PlotAufl* s = Aufl(number);
    if (s == nullptr || drawKind < 1 || plot == nullptr) {
        return 0;
    }
    C1Plot& page = *plot;
    const int small = C1Plot::WorldInt(kSmallFont * textSize);
    // The bedding tick: a support without symbol code on a bedded member.
    if (drawKind == 1 && AuflSymbol(number) % 100 == 0 && !(s->code1 == 0 && s->code3 >= 1) &&
        bettungCount > 0) {
        page.SelectPen(1, 0, 0, 1);
        if (mode == 1) {
            page.MoveTo(x, y);
            page.LineTo(x, C1Plot::WorldInt(y + kTickShare * h));
        }
        page.PopPen();
    }
    int d = AuflSymbol(number);
    if (drawKind >= 2 && s->code2 == 4 && mode == 1) {
        page.SelectPen(penWidth, 0, 0, 1);
        const auto cut = [&](double value, int lineLength, int variant, bool upper) {
            const int yEnd = upper ? y - lineLength : y + lineLength;
            page.MoveTo(x, y);
            page.LineTo(x, yEnd);
            const int mid = (y + yEnd) / 2;
            const int len = std::abs(y - yEnd);
            const int top = C1Plot::WorldInt(mid - 0.1 * len);
            const int bottom = C1Plot::WorldInt(mid + 0.1 * len);
            const int c = (bottom - top) / 2;
            page.PlotBitmap("BITMAP_SCHNITTH", x - c, top, x + c, bottom);
            if (upper) {
                page.PlotZahl({x, y}, {x, yEnd}, value, small, -2 * textSize, "");
                page.PlotAuflager(variant + 100, x - w / 2, yEnd - h, x + w / 2, yEnd);
            } else {
                page.PlotZahl({x, yEnd}, {x, y}, value, small, -2 * textSize, "");
                page.PlotAuflager(variant + 100, x - w / 2, yEnd, x + w / 2, yEnd + h);
            }
        };
        if (s->value2 > 0.01) {
            cut(s->value2, cutLineUpper, s->i1 != 0 ? 10 : 9, true);
        }
        if (s->value3 > 0.01) {
            cut(s->value3, cutLineLower, s->i2 != 0 ? 12 : 11, false);
        }
        page.PopPen();
        d = 100;
    }
    C1Box box;
    if (d < 200) {
        box = {x - w / 2, y, x + w / 2, y + h};
        if (d == 103 || d == 105) {
            box = {box.left - w / 2, box.top - h / 2, box.right - w / 2, box.bottom - h / 2};
        } else if (d == 104 || d == 106) {
            box = {box.left + w / 2, box.top - h / 2, box.right + w / 2, box.bottom - h / 2};
        }
    } else {
        if (d >= 203 && d <= 206) {
            w = C1Plot::WorldInt(kThreeHalves * w);
            h = C1Plot::WorldInt(kThreeHalves * h);
        }
        box = {x, y - h / 2, x + w, y + h / 2};
        if (d >= 203 && d <= 206) {
            box.left -= w / 2;
            box.right -= w / 2;
        }
    }
    page.PlotAuflager(d, box.left, box.top, box.right, box.bottom);
    const C1Rect symbol = C1Rect::FromBox(box.left, box.top, box.right, box.bottom);
    page.AddZeichenObj(kArtAuflager, number, -1, symbol);
    // A label placed after the support never covers its symbol (a free end has none).
    if (page.LoadBitmap("BITMAP_AUFL" + std::to_string(d)) != nullptr) {
        page.GetTextRects().Freihalten(symbol);
    }
    return 1;
}

int C1PlotTraeger::PlotGele(int x, int y, int w, int h, int, int) {
    if (drawKind < 1 || plot == nullptr) {
        return 0;
    }
    plot->PlotBitmap("BITMAP_GELE", x - w / 2, y - h / 2, x + w / 2, y + h / 2);
    return 1;
}
