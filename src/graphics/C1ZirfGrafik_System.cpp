// The system sketch: wall, ground with its berm, excavation level, layer boundaries with
// their levels, water levels, wall-top level, anchor or strut and the load symbols.

#include "graphics/C1ZirfGrafik.h"

#include "earthpressure/C1ZirfCalc.h"
#include "graphics/PlotAuswahl.h"
#include "graphics/Zeichnen.h"
#include "host/C1ZirfInput.h"
#include "plot/Plot_.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using zeichnen::Anker;
using zeichnen::K;
using zeichnen::Linie;
using zeichnen::Polygon;
using zeichnen::Wand;

constexpr double kWand = zeichnen::kStabDicke; // wall thickness as drawn (m)
constexpr double kSchraffur = 0.5;             // depth of a hatch band (m)
constexpr double kStufe = 0.25;                // gap between two surcharge bands (m)
constexpr float kTextFaktor = 0.75f;           // level labels
constexpr float kSymbolFaktor = 0.9f;
constexpr double kUeberKopf = -0.01; // a load at depth 0 is drawn just above the head

std::string Format(const char* format, double v) {
    std::array<char, 64> buf{};
    std::snprintf(buf.data(), buf.size(), format, v);
    return buf.data();
}

// A level label left of the wall point (x, y); left out where it would print over a
// label placed before it.
void Kote(double x, double y, const std::string& text) {
    constexpr int kAuslassen = 2;
    Plot_Text(K(x - 1.5), K(y), K(x), K(y), text.c_str(), kTextFaktor, kAuslassen, 2, 0, 0, 0, 0);
}

// An arrow of the length 2d along (ux, uy) ending at (x, y), its head at the load point
// for a positive value, else at the far end.
void Pfeil(double x, double y, double ux, double uy, double d) {
    const double l = 2.0 * std::fabs(d);
    const double xa = x - ux * l;
    const double ya = y - uy * l;
    Linie(xa, ya, x, y);
    const double hx = d > 0.0 ? x : xa;
    const double hy = d > 0.0 ? y : ya;
    // Strokes of the length d at 45° back from the tip along the shaft.
    const double s = d > 0.0 ? -1.0 : 1.0;
    const double k = std::fabs(d) / std::sqrt(2.0);
    Linie(hx, hy, hx + s * k * (ux - uy), hy + s * k * (uy + ux));
    Linie(hx, hy, hx + s * k * (ux + uy), hy + s * k * (uy - ux));
}

// A moment as an arc of the diameter d around (x, y) with a head stroke at the end that
// its sign turns to.
void Moment(double x, double y, double m, double d) {
    const double r = d / 2.0;
    Plot_Arc(K(x - r), K(y - r), K(x + r), K(y + r), K(x + r), K(y), K(x - r), K(y));
    const double hx = m > 0.0 ? x - r : x + r;
    Linie(hx, y, hx - r / 4.0, y - r / 4.0);
    Linie(hx, y, hx + r / 4.0, y - r / 4.0);
}

} // namespace

void C1ZirfGrafik::PlotGrundwasser(double x, double y, int seite) const {
    const double xText = seite == 0 ? x - 1.25 : x + 0.25;
    Polygon({xText, xText + 1.0, xText + 0.5}, {y + 0.02, y + 0.02, y + 0.5});
    PlotAuswahl a;
    a.Pen(0, 4, 1);
    Linie(xText + 2.0, y + 0.02, xText - 1.0, y + 0.02);
    Linie(xText + 0.75, y + 0.27, xText + 0.25, y + 0.27);
    Plot_Text(K(xText), K(y + 0.02), K(xText + 1.0), K(y + 0.02), "GW", kSymbolFaktor, 0, 0, 0, 0,
              0, 0);
}

void C1ZirfGrafik::PlotOKW(double tGes) const {
    const double x0 = -0.02 - tGes / 4.0 - 1.25;
    const double x1 = x0 + 1.0;
    PlotAuswahl a;
    a.Pen(0, 4, 1);
    Plot_MoveTo(K(x1 + 1.0), 0.0f);
    Plot_LineTo(K(x0 - 1.0), 0.0f);
    Plot_LineTo(K(x0 - 1.125), -0.125f);
    Plot_LineTo(K(x0 - 0.875), -0.125f);
    Plot_LineTo(K(x0 - 1.0), 0.0f);
    Plot_LineTo(K(x0 - 1.0), -0.25f);
    const std::string text = Format("OKW =%8.3f m", pInput->hoehenkote);
    Plot_Text(K(x0), 0.0f, K(x1 + 1.0), 0.0f, text.c_str(), kSymbolFaktor, 0, 2, 0, 0, 0, 0);
}

void C1ZirfGrafik::PlotAnker() const {
    // The anchor the calculation works with, whether or not its deep slip line is checked.
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const double tanWand = std::tan(in.wand_neigung / c.GradFaktor);
    const double y = c.yAnker;
    const double x = tanWand * y;
    const double w = in.ankerneigung / c.GradFaktor;
    PlotAuswahl a;
    a.Pen(0, 2, 1);
    Anker(x, y, x + std::cos(w) * in.ankerlaenge, y + std::sin(w) * in.ankerlaenge);
}

void C1ZirfGrafik::PlotLasten(double xRechts, double yText) const {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    // The largest load sets the symbols' size; loads that are all zero draw none.
    double maxLast = in.maxLast;
    if (!(maxLast > 0.0)) {
        maxLast = 0.0;
        for (int k = 0; k < in.nFlaechenlast; ++k) {
            maxLast = std::max(maxLast, std::fabs(in.flaechenlast.at(std::size_t(k)).v));
        }
        for (int j = 0; j < in.nBlocklast; ++j) {
            const auto& b = in.blocklast.at(std::size_t(j));
            maxLast = std::max({maxLast, std::fabs(b.v), std::fabs(b.h)});
        }
        for (int j = 0; j < in.nLinienlast; ++j) {
            const auto& l = in.linienlast.at(std::size_t(j));
            maxLast = std::max({maxLast, std::fabs(l.v), std::fabs(l.h), std::fabs(l.m)});
        }
        for (int j = 0; j < in.nKopflast; ++j) {
            const auto& l = in.kopflast.at(std::size_t(j));
            maxLast = std::max({maxLast, std::fabs(l.v), std::fabs(l.h), std::fabs(l.m)});
        }
    }
    if (!(maxLast > 0.0) || !std::isfinite(maxLast)) {
        return;
    }
    PlotAuswahl a;
    a.Pen(0, 0, 1);
    const double tanWand = std::tan(in.wand_neigung / c.GradFaktor);

    // Surcharges: one band per load above the ground, stacked.
    double yBand = yText;
    for (int k = 0; k < in.nFlaechenlast; ++k) {
        const double v = in.flaechenlast.at(std::size_t(k)).v;
        if (v == 0.0) {
            continue;
        }
        const double h = 0.6 * std::fabs(v) / maxLast;
        PlotAuswahl b;
        b.StockBrush(6);
        Polygon({c.xGelaende, xRechts, xRechts, c.xGelaende}, {yBand, yBand, yBand - h, yBand - h});
        yBand -= h + kStufe;
    }
    for (int j = 0; j < in.nBlocklast; ++j) {
        const auto& l = in.blocklast.at(std::size_t(j));
        if (l.v == 0.0 && l.h == 0.0) {
            continue;
        }
        const double xe = std::min(l.x + l.b, xRechts);
        if (l.v != 0.0) {
            const int art = in.blockArt.at(std::size_t(j));
            PlotAuswahl b;
            b.StockBrush(art == 0 ? 6 : art == 1 ? 5 : 1);
            const double h = 0.4 * l.v / maxLast;
            Polygon({l.x, xe, xe, l.x}, {l.y, l.y, l.y - h, l.y - h});
        }
        if (l.h != 0.0) {
            const double d = 0.1 * l.h / maxLast;
            const double y = l.y + kWand / 4.0;
            Linie(l.x, y, xe, y);
            if (l.h > 0.0) {
                Linie(l.x + d, y + d, l.x, y);
            } else {
                Linie(xe + d, y - d, xe, y);
            }
        }
    }
    const auto einzel = [&](double x, double y, double v, double h, double m, double mFaktor) {
        y = y == 0.0 ? kUeberKopf : y;
        if (v != 0.0) {
            Pfeil(x, y, 0.0, 1.0, v / maxLast);
        }
        if (h != 0.0) {
            Pfeil(x, y, -1.0, 0.0, h / maxLast);
        }
        if (m != 0.0) {
            Moment(x, y, m, std::fabs(m) / (mFaktor * maxLast));
        }
    };
    for (int j = 0; j < in.nLinienlast; ++j) {
        const auto& l = in.linienlast.at(std::size_t(j));
        einzel(l.x, l.y, l.v, l.h, l.m, 1.0);
    }
    for (int j = 0; j < in.nKopflast; ++j) {
        const auto& l = in.kopflast.at(std::size_t(j));
        const double y = l.stelle == 0 ? 0.0 : in.tiefe_anker;
        einzel(tanWand * y - 0.05, y, l.v, l.h, l.m, 0.25);
    }
}

int C1ZirfGrafik::PlotSystem(const std::string& name, double widthMm, double heightMm) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const double tGes = c.tGes;
    const double tanWand = std::tan(in.wand_neigung / c.GradFaktor);
    const double tanGel = std::tan(in.gela_neigung / c.GradFaktor);
    const bool berme = in.mitberme == 1;
    const double ankerX =
        in.mitanker > 0
            ? tanWand * c.yAnker + std::cos(in.ankerneigung / c.GradFaktor) * in.ankerlaenge + kWand
            : 0.0;
    const double xRechts = std::max({tGes, in.ankerlaenge, ankerX});
    const double xGel = c.iErsteSchicht <= 0 ? 0.0 : c.xGelaende;
    const double yGel = c.iErsteSchicht <= 0 ? 0.0 : c.yGelaende;

    // The ground surface: ground slope, berm slope, ground slope again.
    const auto boden = [&](double x) {
        if (berme && x >= c.xBermeFuss) {
            return c.yBermeFuss - (x - c.xBermeFuss) * tanGel;
        }
        if (berme && x > c.xBerme && c.xBermeFuss > c.xBerme) {
            return c.yBerme +
                   (c.yBermeFuss - c.yBerme) * (x - c.xBerme) / (c.xBermeFuss - c.xBerme);
        }
        return yGel - (x - xGel) * tanGel;
    };
    std::vector<double> gx = {xGel};
    if (berme) {
        for (const double x : {c.xBerme, c.xBermeFuss}) {
            if (x > xGel && x < xGel + xRechts) {
                gx.push_back(x);
            }
        }
    }
    gx.push_back(xGel + xRechts);
    std::vector<double> gy;
    double yOben = 0.0;
    for (const double x : gx) {
        gy.push_back(boden(x));
        yOben = std::min(yOben, gy.back());
    }

    // The window: everything the sketch draws, the anchor and the load symbols included.
    const double xLinks = -(tGes / 2.0 + 2.5);
    const double yText = std::min(boden(xRechts), yGel) - 0.25;
    const double extX = (xGel + xRechts - xLinks) * 1.04;
    const double extY = (tGes - std::min(yOben, yText - 1.5)) * 1.12;
    Plot_Init(0, 4.0f, 1.0f, " ", K(extX), K(extY), K(widthMm), K(heightMm), 0, 1, 0, name.c_str());
    {
        PlotAuswahl a;
        // Wall.
        a.Pen(0, 0, 1);
        a.Brush(2);
        Wand(tanWand, tGes);

        // Ground line and its hatch band 0.1 below it.
        a.Brush(1);
        for (std::size_t k = 0; k + 1 < gx.size(); ++k) {
            Linie(gx[k], gy[k], gx[k + 1], gy[k + 1]);
        }
        {
            PlotAuswahl b;
            b.StockPen(1);
            std::vector<double> bx;
            std::vector<double> by;
            for (std::size_t k = 0; k < gx.size(); ++k) {
                bx.push_back(k == 0 ? gx[k] + kWand : gx[k]);
                by.push_back(gy[k] + kWand);
            }
            for (std::size_t k = gx.size(); k-- > 0;) {
                bx.push_back(k == 0 ? gx[k] + kWand : gx[k]);
                by.push_back(gy[k] + kWand + kSchraffur);
            }
            Polygon(bx, by);
        }
        PlotOKW(tGes);

        // Excavation level, at the wall's x there; a level below the wall's foot lies
        // outside the sketch.
        const double hw = in.wand_hw;
        const double xHw = hw * tanWand - kWand;
        if (hw >= 0.0 && hw <= tGes) {
            Linie(xHw, hw, xHw - tGes / 2.0, hw);
            PlotAuswahl b;
            b.StockPen(1);
            Polygon(
                {xHw - 0.1, xHw - tGes / 2.0, xHw - tGes / 2.0, xHw - 0.1 - kSchraffur * tanWand},
                {hw + 0.1, hw + 0.1, hw + 0.6, hw + 0.6});
        }

        // Levels and layer boundaries. The head and the foot of the wall are labelled
        // first: a layer level or the calculated depth too close to them is left out.
        {
            PlotAuswahl b;
            b.Pen(0, 1, 0);
            Kote(0.0, 0.0, "+ 0.00");
            Kote(tGes * tanWand - kWand, tGes, Format("%6.2f", -tGes));
            if (berme && c.xBerme < xGel + xRechts) {
                // The ground as it lies under the berm.
                Linie(c.xBerme, c.yBerme, xGel + xRechts,
                      c.yBerme - (xGel + xRechts - c.xBerme) * tanGel);
            }
            const int bis = std::min(c.iSchichtFuss, c.iLetzteSchicht + 1);
            for (int i = std::max(c.iErsteSchicht, 0); i < bis; ++i) {
                const double y = c.Schicht[i].yu;
                if (y >= tGes) {
                    break;
                }
                const double x = y * tanWand;
                Kote(x - kWand, y, Format("%6.2f", -y));
                Linie(x, y, xGel + xRechts, y);
                if (i >= c.iSchichtAushub) {
                    Linie(x - 2.0 * kWand, y, -tGes / 2.0, y);
                }
            }
            if (c.t < tGes - 0.005) {
                Kote(c.t * tanWand - kWand, c.t, Format("%6.2f", -c.t));
            }
        }

        // Groundwater on both sides, where it lies above the foot.
        {
            PlotAuswahl b;
            b.Pen(0, 4, 1);
            if (tGes > in.tgv) {
                PlotGrundwasser(in.tgv * tanWand - kWand - 0.02 - tGes / 4.0, in.tgv, 0);
            }
            if (tGes > in.tgh) {
                PlotGrundwasser(in.tgh * tanWand + 0.02 + tGes / 2.0, in.tgh, 1);
            }
        }
        if (in.mitanker > 0) {
            PlotAnker();
        }
        PlotLasten(xGel + xRechts, yText);
    }
    Plot_FrameMargins(1.02f, 1.02f, 1.02f, 1.05f);
    Plot_Close(1);
    return 1;
}
