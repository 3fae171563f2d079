#include "plot/engine/C1Plot.h"

#include "plot/engine/CadHook.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/engine/TextReinigung.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPiText = 3.14159;
constexpr double kPiTextAt = 3.1415;
constexpr double kBandShare = 0.9;
constexpr double kHookHeightShare = 0.9;

// The box around the four corners of a text.
C1Box Huelle(C1Punkt a, C1Punkt b, C1Punkt c, C1Punkt d) {
    return {std::min({a.x, b.x, c.x, d.x}), std::min({a.y, b.y, c.y, d.y}),
            std::max({a.x, b.x, c.x, d.x}), std::max({a.y, b.y, c.y, d.y})};
}
constexpr double kHookTextShare = 0.8;
constexpr double kHookTextShift = 0.64;
constexpr double kTextAtStretch = 1.02;
constexpr int kShiftTries = 9;
constexpr int kAlignTries = 200;
constexpr int kAlignCentre = 0;
constexpr int kAlignLeft = 1;
constexpr int kAlignRight = 2;

} // namespace

TextFont C1Plot::MeasureFont() const {
    TextFont font;
    if (HasFont()) {
        font.cellHeight = std::max(1, pFont->GetHeight());
        font.bold = pFont->GetBold() != 0;
    }
    return font;
}

int C1Plot::GetTextExtent(const std::string& text, C1Box& rect, int format) {
    (void)format; // measured unrotated on one line; the alignment does not change the size
    if (text.empty()) {
        return 0;
    }
    const std::string trimmed = WithoutBlanksAround(text);
    if (bHook && HasFont()) {
        const double h = pFont->GetHeight() / dScale * 1e-4 * kHookHeightShare;
        const double width = CadHookTextWidth(trimmed, h);
        rect = {0, 0, WorldInt(width * kWorldPerUnit), WorldInt(h * kWorldPerUnit)};
        return 1;
    }
    if (!Drawing()) {
        return 1;
    }
    if (trimmed.empty()) {
        // Blanks only: nothing to measure.
        rect.right = rect.left;
        rect.bottom = rect.top;
        return 1;
    }
    const TextFont font = MeasureFont();
    const C1Box device = ToDevice(rect);
    // Summed wide: a long text at a large height may not fit an int.
    double width = 0.0;
    for (const int advance : TextGlyphAdvances(TextCodePoints(trimmed), font)) {
        width += advance;
    }
    const double right = device.left + width;
    const double bottom = static_cast<double>(device.top) + TextHeight(font);
    rect = {WorldInt(device.left / dScale), WorldInt(device.top / dScale), WorldInt(right / dScale),
            WorldInt(bottom / dScale)};
    return 1;
}

int C1Plot::GetTextExtentD(const std::string& text, double left, double top, double right,
                           double bottom, C1Box& rect, int format) {
    const C1Punkt a = ToWorld(left, top);
    const C1Punkt b = ToWorld(right, bottom);
    rect = {a.x, a.y, b.x, b.y};
    return GetTextExtent(text, rect, format);
}

int C1Plot::GetTextWidth(const std::string& text, int height) {
    SelectFont(height, 0.0, 0, 0);
    C1Box rect{0, 0, 1000, 1000};
    GetTextExtent(text, rect, 0);
    PopFont();
    return rect.right - rect.left;
}

bool C1Plot::PlotText(int x, int y, const std::string& text) {
    if (text.empty()) {
        return false;
    }
    const double a = HasFont() ? pFont->GetAngle() * kPiText / 180.0 : 0.0;
    C1Box rect{0, 0, 0, 0};
    GetTextExtent(text, rect, 0);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    const double s = std::sin(a);
    const double c = std::cos(a);
    const C1Punkt k2{WorldInt(x + h * s), WorldInt(y + h * c)};
    const C1Punkt k3{WorldInt(k2.x + w * c), WorldInt(k2.y - w * s)};
    const C1Punkt k4{WorldInt(x + w * c), WorldInt(y - w * s)};
    Extend(x, y);
    Extend(k2.x, k2.y);
    Extend(k3.x, k3.y);
    Extend(k4.x, k4.y);
    // The text is drawn as it was measured: without the blanks around it.
    const std::string drawn = WithoutBlanksAround(text);
    if (drawn.empty()) {
        return true;
    }
    if (bHook && HasFont()) {
        const double fh = pFont->GetHeight() / dScale * 1e-4;
        CadHookText(Caller(x) + kHookTextShift * fh * s, -Caller(y) - kHookTextShift * fh * c, a,
                    kHookTextShare * fh, iCadTextColour, drawn);
    }
    if (Drawing()) {
        pDC->TextOut(ToDevice(x), ToDevice(y), drawn);
    }
    return true;
}

bool C1Plot::PlotTextD(double x, double y, const std::string& text) {
    return PlotText(WorldInt(x * kWorldPerUnit - dOriginX * kWorldPerUnit),
                    WorldInt(y * kWorldPerUnit - dOriginY * kWorldPerUnit), text);
}

int C1Plot::PlotTextAligned(int slot, int x, int y, const std::string& text, int step, int align,
                            double margin) {
    if (text.empty()) {
        return y;
    }
    C1Box rect{0, 0, 0, 0};
    GetTextExtent(text, rect, align);
    const int e = WorldInt(kBandShare * (rect.bottom - rect.top));
    const int w = rect.right - rect.left;
    if (align == kAlignCentre) {
        x -= w / 2;
    } else if (align == kAlignRight) {
        x -= w;
    }
    if (x + w > (margin + 1.0) * iWorldW || x < -margin * iWorldW) {
        return 0;
    }
    if (slot >= 1 && slot <= 99 && step != 0) {
        for (int j = 0; j < slot && j < kTextBoxes; ++j) {
            const C1Box& placed = TextBox.at(static_cast<std::size_t>(j));
            if (placed == C1Box{}) {
                continue;
            }
            for (int k = 0; k <= kAlignTries; ++k) {
                y += k * step / 10;
                if (!RectsIntersect({x, y - e, x + w, y}, placed)) {
                    break;
                }
            }
        }
    }
    PlotText(x, y, text);
    const C1Box box{x, y - e, x + w, y};
    if (slot >= 0 && slot <= 98) {
        TextBox.at(static_cast<std::size_t>(slot)) = box;
    }
    LastTextRect = C1Rect::FromBox(box.left, box.top, box.right, box.bottom);
    return y;
}

bool C1Plot::PlotTextLine(int x1, int y1, int x2, int y2, const std::string& rawText, int height,
                          int collision, int align, int bold, int offsetAlong, int offsetAcross) {
    const std::string text = WithoutBlanksAround(rawText);
    if (text.empty()) {
        return false;
    }
    SelectFont(height, LineAngle(x1, y1, x2, y2) * 180.0 / kPiText, bold, 0);
    C1Box rect{0, 0, 0, 0};
    GetTextExtent(text, rect, align);
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    const int l = WorldInt(LineLength(x1, y1, x2, y2));
    int m = 0;
    if (align == kAlignCentre) {
        m = offsetAlong - (w - l) / 2;
    } else if (align == kAlignLeft) {
        m = offsetAlong;
    } else if (align == kAlignRight) {
        m = l - w + offsetAlong;
    }
    const double longer = w > l ? -0.5 * h : 0.0;
    const auto band = [&](int i, int& f, int& g) {
        if (collision == 0) {
            f = 0;
            g = -h;
        } else {
            f = WorldInt((i - 1) * (-kBandShare * h));
            g = WorldInt(i * (-kBandShare * h));
        }
        if (i == 1 && w > l) {
            f = WorldInt(f + longer);
            g = WorldInt(g + longer);
        }
        f -= offsetAcross;
        g -= offsetAcross;
    };
    C1Punkt q1;
    C1Punkt q2;
    C1Punkt q3;
    C1Punkt q4;
    const auto corners = [&](int f, int g) {
        q1 = PointOnLine(x1, y1, x2, y2, m, f);
        q2 = PointOnLine(x1, y1, x2, y2, m, g);
        q3 = PointOnLine(x1, y1, x2, y2, m + w, g);
        q4 = PointOnLine(x1, y1, x2, y2, m + w, f);
    };
    int f = 0;
    int g = 0;
    bool placed = false;
    for (int i = 1; i <= (collision == 1 ? kShiftTries : 1); ++i) {
        band(i, f, g);
        // The text stands from the band's far edge g a whole text height towards the line,
        // beyond the band's near edge: a label one band below another would run into it.
        corners(g + h, g);
        int overlap = 0;
        if (textAbstand > 0) {
            // The text's box is tested; kept is the box with the clear space before and
            // after it, so that a later text never runs into this one end to end (side by
            // side, and at a symbol, texts may touch).
            const int a = textAbstand;
            overlap = TextRects.Ueberlappt(C1Rect::FromQuad(q1, q2, q3, q4)) ||
                              (linienMeiden && sperrlinien.Kreuzt(Huelle(q1, q2, q3, q4)))
                          ? 1
                          : 0;
            if (overlap == 0) {
                TextRects.Freihalten(
                    C1Rect::FromQuad(PointOnLine(x1, y1, x2, y2, m - a, g + h),
                                     PointOnLine(x1, y1, x2, y2, m - a, g),
                                     PointOnLine(x1, y1, x2, y2, m + w + a, g),
                                     PointOnLine(x1, y1, x2, y2, m + w + a, g + h)));
            }
        } else {
            overlap = TextRects.TestAndAdd(q1.x, q1.y, q2.x, q2.y, q3.x, q3.y, q4.x, q4.y, 0);
        }
        if (overlap == 0) {
            placed = true;
            break;
        }
        if (collision == 2) {
            PopFont();
            return false;
        }
        if (collision != 1) {
            placed = true; // placed anyway
            break;
        }
    }
    if (!placed) {
        // Every band collided: the first position, a full text height deep, not added
        // to the placed texts.
        f = WorldInt(longer) - offsetAcross;
        g = WorldInt(-h + longer) - offsetAcross;
        corners(f, g);
    }
    PlotText(q2.x, q2.y, text);
    LastTextRect = C1Rect::FromQuad(q1, q2, q3, q4);
    PopFont();
    return true;
}

bool C1Plot::PlotTextAt(int x, int y, double angle, const std::string& rawText, int height,
                        int collision, int align, int bold, int offsetAlong, int offsetAcross) {
    const std::string text = WithoutBlanksAround(rawText);
    if (text.empty()) {
        return false;
    }
    SelectFont(height, angle * 180.0 / kPiTextAt, bold, 0);
    C1Box rect{0, 0, 0, 0};
    GetTextExtent(text, rect, align);
    const int c = WorldInt(kTextAtStretch * (rect.right - rect.left));
    const double ca = std::cos(angle);
    const double sa = std::sin(angle);
    C1Punkt p1;
    C1Punkt p2;
    if (align == kAlignLeft) {
        p1 = {x, y};
        p2 = {WorldInt(x + c * ca), WorldInt(y - c * sa)};
    } else if (align == kAlignRight) {
        p2 = {x, y};
        p1 = {WorldInt(x - c * ca), WorldInt(y + c * sa)};
    } else {
        const int half = c / 2;
        p1 = {WorldInt(x - ca * half), WorldInt(y + sa * half)};
        p2 = {WorldInt(x + ca * half), WorldInt(y - sa * half)};
    }
    if (offsetAlong > 0) {
        p2 = {WorldInt(p2.x + offsetAlong * ca), WorldInt(p2.y - offsetAlong * sa)};
    } else if (offsetAlong < 0) {
        p1 = {WorldInt(p1.x + offsetAlong * ca), WorldInt(p1.y - offsetAlong * sa)};
    }
    PopFont();
    return PlotTextLine(p1.x, p1.y, p2.x, p2.y, text, height, collision, align, bold, offsetAlong,
                        offsetAcross);
}
