// The system sketch: wall, ground with its berm, excavation level, layer boundaries with
// their levels, water levels, wall-top level, the anchor or strut and the load symbols.

#include "graphics/C1ZirfGrafik.h"

#include "graphics/Bildfenster.h"
#include "graphics/PlotAuswahl.h"
#include "graphics/Skizzenlasten.h"
#include "graphics/Zeichnen.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

using bildfenster::Fenster;
using zeichnen::Anker;
using zeichnen::K;
using zeichnen::Linie;
using zeichnen::Polygon;
using zeichnen::Wand;

constexpr double kWand = zeichnen::kStabDicke; // wall thickness as drawn (m)
constexpr double kSchraffur = 0.5;             // depth of a hatch band (m)
constexpr float kTextFaktor = 0.75f;           // level labels
constexpr float kSymbolFaktor = 0.9f;
constexpr double kLinksRand = 2.5;  // room left of the excavation side for its symbols (m)
constexpr double kLastRaum = 1.5;   // room above the ground for the surcharge bands (m)
constexpr double kUeberstand = 1.0; // the ground runs on this far past the farthest load (m)
constexpr double kReichweite = 0.5; // loads drawn in place reach this share of the
                                    // wall's world beyond it on every side

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

// The ground surface of the retained side from the wall to xEnde: ground slope, berm
// slope, ground slope again.
struct Boden {
    std::vector<double> x;
    std::vector<double> y;
};

Boden Gelaende(const C1ZirfCalc& c, bool berme, double tanGel, double xGel, double yGel,
               double xEnde) {
    const auto y = [&](double x) {
        if (berme && x >= c.xBermeFuss) {
            return c.yBermeFuss - (x - c.xBermeFuss) * tanGel;
        }
        if (berme && x > c.xBerme && c.xBermeFuss > c.xBerme) {
            return c.yBerme +
                   (c.yBermeFuss - c.yBerme) * (x - c.xBerme) / (c.xBermeFuss - c.xBerme);
        }
        return yGel - (x - xGel) * tanGel;
    };
    Boden b;
    b.x.push_back(xGel);
    if (berme) {
        for (const double x : {c.xBerme, c.xBermeFuss}) {
            if (x > xGel && x < xEnde) {
                b.x.push_back(x);
            }
        }
    }
    b.x.push_back(xEnde);
    for (const double x : b.x) {
        b.y.push_back(y(x));
    }
    return b;
}

// The window takes the ground with room above it for the surcharge bands.
void Nimm(Fenster& f, const Boden& b) {
    for (std::size_t k = 0; k < b.x.size(); ++k) {
        f.Nimm(b.x[k], b.y[k] - kLastRaum);
    }
}

// How far loads stand where they act: the wall's world and a share of it on every side.
Fenster Reichweite(const Fenster& welt) {
    Fenster r = welt;
    r.Nimm(welt.xMin - kReichweite * welt.Breite(), welt.yMin - kReichweite * welt.Hoehe());
    r.Nimm(welt.xMax + kReichweite * welt.Breite(), welt.yMax + kReichweite * welt.Hoehe());
    return r;
}

// The ground line and its hatch band 0.1 below it, drawn with the current brush.
void ZeichneBoden(const Boden& g) {
    for (std::size_t k = 0; k + 1 < g.x.size(); ++k) {
        Linie(g.x[k], g.y[k], g.x[k + 1], g.y[k + 1]);
    }
    PlotAuswahl b;
    b.StockPen(1);
    std::vector<double> bx;
    std::vector<double> by;
    for (std::size_t k = 0; k < g.x.size(); ++k) {
        bx.push_back(k == 0 ? g.x[k] + kWand : g.x[k]);
        by.push_back(g.y[k] + kWand);
    }
    for (std::size_t k = g.x.size(); k-- > 0;) {
        bx.push_back(k == 0 ? g.x[k] + kWand : g.x[k]);
        by.push_back(g.y[k] + kWand + kSchraffur);
    }
    Polygon(bx, by);
}

// The excavation level at the wall's x there, with its hatch band; a level below the
// wall's foot lies outside the sketch.
void ZeichneAushub(double hw, double tanWand, double tWand) {
    const double xHw = hw * tanWand - kWand;
    if (!(hw >= 0.0 && hw <= tWand)) {
        return;
    }
    Linie(xHw, hw, xHw - tWand / 2.0, hw);
    PlotAuswahl b;
    b.StockPen(1);
    Polygon({xHw - 0.1, xHw - tWand / 2.0, xHw - tWand / 2.0, xHw - 0.1 - kSchraffur * tanWand},
            {hw + 0.1, hw + 0.1, hw + 0.6, hw + 0.6});
}

// Levels and layer boundaries. The head and the foot of the wall are labelled first: a
// layer level or the calculated depth too close to them is left out. The head's label
// ends at xKopf, in front of the wall and of the head loads' symbols. The calculated depth
// is labelled where the embedment was searched (its iteration step is above 0).
void ZeichneKoten(const C1ZirfCalc& c, bool berme, double tanWand, double tanGel, double tWand,
                  double xEnde, double xKopf) {
    PlotAuswahl b;
    b.Pen(0, 1, 0);
    Kote(xKopf, 0.0, "+ 0.00");
    Kote(tWand * tanWand - kWand, tWand, Format("%6.2f", -tWand));
    if (berme && c.xBerme < xEnde) {
        // The ground as it lies under the berm.
        Linie(c.xBerme, c.yBerme, xEnde, c.yBerme - (xEnde - c.xBerme) * tanGel);
    }
    const int bis = std::min(c.iSchichtFuss, c.iLetzteSchicht + 1);
    for (int i = std::max(c.iErsteSchicht, 0); i < bis; ++i) {
        const double y = c.Schicht[i].yu;
        if (y >= tWand) {
            break;
        }
        const double x = y * tanWand;
        Kote(x - kWand, y, Format("%6.2f", -y));
        Linie(x, y, xEnde, y);
        if (i >= c.iSchichtAushub) {
            Linie(x - 2.0 * kWand, y, -tWand / 2.0, y);
        }
    }
    if (c.delta_t > 0.0) {
        Kote(c.t * tanWand - kWand, c.t, Format("%6.2f", -c.t));
    }
}

// Where the head's level mark begins: its text, in a box 2 m wide from there, ends about a
// quarter of the wall's length in front of the head's level label, which ends at xKopf
// in front of the wall and the head loads' symbols, and ends in front of xKopf however
// short the wall. Its symbol stands 1.125 m further left.
constexpr double kOkwText = 2.0;
// Room between the level text and the wall or a head load's symbol (m).
constexpr double kOkwAbstand = 0.1;
double OkwLinks(double tGes, double xKopf) {
    return std::min(-0.02 - tGes / 4.0 - 1.25 + xKopf, xKopf - kOkwAbstand - kOkwText);
}
constexpr double kOkwSymbol = 1.125;

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

void C1ZirfGrafik::PlotOKW(double tGes, double xKopf) const {
    const double x0 = OkwLinks(tGes, xKopf);
    const double x1 = x0 + 1.0;
    PlotAuswahl a;
    a.Pen(0, 4, 1);
    Plot_MoveTo(K(x1 + 1.0), 0.0f);
    Plot_LineTo(K(x0 - 1.0), 0.0f);
    Plot_LineTo(K(x0 - kOkwSymbol), -0.125f);
    Plot_LineTo(K(x0 - 0.875), -0.125f);
    Plot_LineTo(K(x0 - 1.0), 0.0f);
    Plot_LineTo(K(x0 - 1.0), -0.25f);
    const std::string text = Format("OKW =%8.3f m", pInput->hoehenkote);
    Plot_Text(K(x0), 0.0f, K(x1 + 1.0), 0.0f, text.c_str(), kSymbolFaktor, 0, 2, 0, 0, 0, 0);
}

double C1ZirfGrafik::InterpolateWandX(double y, int seite) const {
    const C1ZirfCalc& c = *pCalc;
    const int bis = std::min(c.iSchichtAushub, c.iLetzteSchicht);
    for (int i = 0; i <= bis; ++i) {
        const C1Schicht& s = c.Schicht[i];
        if (!(y <= s.yu)) {
            continue;
        }
        const double xo = seite == 0 ? s.xoVorn : s.xo;
        const double xu = seite == 0 ? s.xuVorn : s.xu;
        if (y == s.yu || !(s.dicke > 0.0)) {
            return xu;
        }
        return xo + (xu - xo) * (y - s.yo) / s.dicke;
    }
    return 0.0;
}

void C1ZirfGrafik::PlotAnker(double tGes) const {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const double tanWand = std::tan(in.wand_neigung / c.GradFaktor);
    const double y = c.yAnker;
    const double x = tanWand * y;
    PlotAuswahl a;
    a.Pen(0, 2, 1);
    if (in.anker == 0) {
        // A strut on the excavation side, a quarter of the wall long.
        const double xa = x - kWand;
        const double xe = xa - tGes / 4.0;
        Polygon({xa, xe, xe, xa}, {y, y, y - kWand, y - kWand});
        return;
    }
    // A ground anchor, whether or not its deep slip line is checked.
    const double w = in.ankerneigung / c.GradFaktor;
    Anker(x, y, x + std::cos(w) * in.ankerlaenge, y + std::sin(w) * in.ankerlaenge);
}

int C1ZirfGrafik::PlotSystem(const std::string& name, double widthMm, double heightMm) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const double tWand = Wandtiefe();
    const double tanWand = std::tan(in.wand_neigung / c.GradFaktor);
    const double tanGel = std::tan(in.gela_neigung / c.GradFaktor);
    const bool berme = in.mitberme == 1;
    const double wAnker = in.ankerneigung / c.GradFaktor;
    const double xAnker = tanWand * c.yAnker + std::cos(wAnker) * in.ankerlaenge;
    const double yAnkerEnde = c.yAnker + std::sin(wAnker) * in.ankerlaenge;
    const double xGel = c.iErsteSchicht <= 0 ? 0.0 : c.xGelaende;
    const double yGel = c.iErsteSchicht <= 0 ? 0.0 : c.yGelaende;
    double xRechts = std::max(tWand, in.ankerlaenge);
    // A ground anchor reaches into the retained soil; a strut stands in front of the wall.
    const bool bodenanker = in.mitanker > 0 && in.anker != 0;
    if (bodenanker) {
        xRechts = std::max(xRechts, xAnker + kWand);
    }

    // The wall's world: wall, ground, the symbols on the excavation side, the water on
    // the retained side and the anchor. Loads within reach of it stand where they act.
    Fenster welt;
    welt.Nimm(-(tWand / 2.0 + kLinksRand), 0.0);
    welt.Nimm(tWand * tanWand, tWand);
    if (bodenanker) {
        welt.Nimm(xAnker, yAnkerEnde);
    }
    // The water symbols stand beside the wall above the excavation level, from x = 0 below it.
    const double xWasserVorn = InterpolateWandX(in.tgv, 0) - 0.02 - tWand / 4.0;
    const double xWasserHinten = InterpolateWandX(in.tgh, 1) + 0.02 + tWand / 2.0;
    if (tWand > in.tgh) {
        welt.Nimm(xWasserHinten + 2.5, in.tgh);
    }
    Nimm(welt, Gelaende(c, berme, tanGel, xGel, yGel, xGel + xRechts));
    const skizzenlasten::Lasten lasten(in, welt, Reichweite(welt));
    const double xEnde = std::max(xGel + xRechts, lasten.XRechts() + kUeberstand);
    const Boden boden = Gelaende(c, berme, tanGel, xGel, yGel, xEnde);
    const double yText = std::min(boden.y.back(), yGel) - 0.25;
    Fenster fenster = lasten.Welt();
    Nimm(fenster, boden);
    const double xKopf = std::min(-kWand, lasten.KopfLinks(c.yAnker));
    fenster.Nimm(OkwLinks(tWand, xKopf) - kOkwSymbol, 0.0);

    const auto oeffne = [&](const Fenster& f) {
        Plot_Init(0, 4.0f, 1.0f, " ", K(f.Breite()), K(f.Hoehe()), K(widthMm), K(heightMm), 0, 1, 0,
                  name.c_str());
    };
    const auto zeichne = [&] {
        PlotAuswahl a;
        a.Pen(0, 0, 1);
        a.Brush(2);
        Wand(tanWand, tWand);
        a.Brush(1);
        ZeichneBoden(boden);
        PlotOKW(tWand, xKopf);
        ZeichneAushub(in.wand_hw, tanWand, tWand);
        // A strut lies under the level label of its depth: the label is written over it.
        if (in.mitanker > 0) {
            PlotAnker(tWand);
        }
        ZeichneKoten(c, berme, tanWand, tanGel, tWand, xEnde, xKopf);
        {
            // Groundwater on both sides, where it lies above the foot.
            PlotAuswahl b;
            b.Pen(0, 4, 1);
            if (tWand > in.tgv) {
                PlotGrundwasser(xWasserVorn, in.tgv, 0);
            }
            if (tWand > in.tgh) {
                PlotGrundwasser(xWasserHinten, in.tgh, 1);
            }
        }
        lasten.Zeichne(xGel, xEnde, yText, tanWand, c.yAnker);
    };
    bildfenster::Zeichne(fenster, widthMm, heightMm, oeffne, zeichne);
    bildfenster::Rahmen(widthMm, heightMm);
    Plot_Close(1);
    return 1;
}
