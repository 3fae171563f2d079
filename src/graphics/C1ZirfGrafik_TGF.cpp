// The deep-slip-line picture: the wall down to the lower end of the slip line, the soil
// wedge up to the equivalent wall through the anchor end, the layer boundaries and
// segment lines inside it, the anchor, and the forces on both sides of the wedge.

#include "graphics/C1ZirfGrafik.h"

#include "graphics/Bildfenster.h"
#include "graphics/Druckfiguren.h"
#include "graphics/PlotAuswahl.h"
#include "graphics/Zeichnen.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

using zeichnen::Anker;
using zeichnen::K;
using zeichnen::Linie;
using zeichnen::Polygon;
using zeichnen::Wand;

using druckfiguren::Diagramm;
using druckfiguren::Reihe;

constexpr double kWand = zeichnen::kStabDicke;
constexpr double kAbstand = 1.0;
constexpr double kTitelY = -0.3;
constexpr double kMinNenner = 1e-9; // a slope flatter than this counts as none

enum Eintrag { kErde = 446, kErde10 = 447, kBerme = 452, kWasser = 453 };

} // namespace

int C1ZirfGrafik::PlotTGF(const std::string& name, double widthMm, double heightMm) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const double g = c.GradFaktor;
    const double tanWand = std::tan(in.wand_neigung / g);
    const double tanGel = std::tan(in.gela_neigung / g);
    const double yF = c.yFussTGF;
    const double xF = c.xFussTGF;
    const double xD = c.xAnkerpunkt;
    const double yD = c.yAnkerpunkt;
    // The berm acts for 1 only, as the calculation takes it.
    const bool berme = in.mitberme == 1;
    const double xBA = c.xBerme;
    const double yBA = c.yBerme;
    const double xBE = c.xBermeFuss;
    const double yBE = c.yBermeFuss;
    const double bermeBreite = xBE - xBA;
    const double yGel0 = c.yGelaende;

    // The ground over x, with the berm's thickness where it lies: its full thickness past
    // the corner, a share along the slope (none left of the slope).
    const auto boden = [&](double x) {
        double y = yGel0 - tanGel * x;
        if (berme && x >= xBE) {
            y -= in.berme_dicke;
        } else if (berme && x > xBA && bermeBreite > kMinNenner) {
            y -= std::clamp((x - xBA) / bermeBreite, 0.0, 1.0) * in.berme_dicke;
        }
        return y;
    };
    // x of the slip line at depth y.
    const double tanTheta = std::tan(c.thetaTGF);
    const auto gleitX = [&](double y) {
        return std::fabs(tanTheta) > kMinNenner ? (yF - y) / tanTheta + xF : xD;
    };

    const druckfiguren::Titel titel{Beschriftung(kErde), Beschriftung(kErde10),
                                    Beschriftung(kBerme), Beschriftung(kWasser)};
    const std::vector<Diagramm> links =
        druckfiguren::Erddruckdiagramme(c, in, druckfiguren::Lauf::Wand, titel);
    const std::vector<Diagramm> rechts =
        druckfiguren::Erddruckdiagramme(c, in, druckfiguren::Lauf::Ersatzwand, titel);
    Diagramm wasser = druckfiguren::Wasser(in.tgh, in.tgv, yF, titel.wasser);
    const double sc = druckfiguren::Massstab(std::max(
        {druckfiguren::GroessteOrdinate(links, yF), druckfiguren::GroessteOrdinate({wasser}, yF),
         druckfiguren::GroessteOrdinate(rechts, yD)}));
    if (in.tgv < in.tgh) {
        // The water presses toward the soil: its figure points back to the wall, from a
        // base line its own drawn width further out.
        for (druckfiguren::Figur& f : wasser.figuren) {
            f.h1 = -f.h1;
            f.h2 = -f.h2;
        }
        wasser.versatz = druckfiguren::GroessteOrdinate({wasser}, yF);
    }

    const double wAnker = in.ankerneigung / g;
    const double xA = tanWand * c.yAnker;
    const double xAE = xA + std::cos(wAnker) * in.ankerlaenge;
    const double yAE = c.yAnker + std::sin(wAnker) * in.ankerlaenge;
    const double yOben = std::min({0.0, boden(xD), boden(xAE)}) - 1.0;
    // A first guess of the window: the wedge and the anchor with room for the forces on
    // both sides; the picture then takes what it draws.
    bildfenster::Fenster fenster;
    fenster.Nimm(-8.0, yOben);
    fenster.Nimm(std::max(xAE, xD) + 8.0, std::max(yF, yAE));
    const auto oeffne = [&](const bildfenster::Fenster& f) {
        Plot_Init(0, 4.0f, 1.0f, " ", K(f.Breite()), K(f.Hoehe()), K(widthMm), K(heightMm), 0, 1, 0,
                  name.c_str());
    };
    const auto zeichne = [&] {
        PlotAuswahl a;
        a.Pen(0, 0, 1);
        a.Brush(2);
        const double xWF = tanWand * yF;
        Wand(tanWand, yF);

        // The wedge: wall, slip line, equivalent wall and the ground between.
        std::vector<double> wx = {0.0, xWF, xD, xD};
        std::vector<double> wy = {yGel0, yF, yD, boden(xD)};
        if (berme && xD >= xBE) {
            wx.insert(wx.end(), {xBE, xBA});
            wy.insert(wy.end(), {yBE, yBA});
        } else if (berme && xD >= xBA) {
            wx.push_back(xBA);
            wy.push_back(yBA);
        }
        Polygon(wx, wy);
        if (berme && xD >= xBA) {
            PlotAuswahl b;
            b.Pen(0, 1, 0);
            Linie(xBA, yBA, xD, yGel0 - tanGel * xD);
        }

        // Layer boundaries inside the wedge.
        {
            PlotAuswahl b;
            b.Pen(0, 1, 0);
            for (int i = 0; i < c.iSchichtFussTGF && i <= c.iLetzteSchicht; ++i) {
                const double y = c.Schicht[i].yu;
                if (y <= yGel0 || y >= yF) {
                    continue;
                }
                const double xEnde = y <= yD ? xD : gleitX(y);
                Linie(tanWand * y, y, xEnde, y);
            }
        }
        // Segment lines of the slip body.
        {
            PlotAuswahl b;
            b.Pen(0, 0, 0);
            for (int i = 0; i < c.nAbschnitte; ++i) {
                const double x = c.xAbschnitt[i];
                const double y = c.yAbschnitt[i];
                Linie(x, boden(x), x, y);
                Linie(x, y, tanWand * y, y);
            }
        }
        // The anchor, with its panel.
        {
            PlotAuswahl b;
            b.Pen(0, 2, 1);
            Anker(xA, c.yAnker, xAE, yAE);
            if (in.typ == 1) {
                const double h = in.ankertafel_l / 2.0;
                Polygon({xAE, xAE + kWand, xAE + kWand, xAE}, {yAE - h, yAE - h, yAE + h, yAE + h});
            }
        }

        // Left: the forces on the wall side of the wedge, mirrored.
        PlotAuswahl b;
        b.Pen(0, 0, 1);
        Reihe reiheLinks(sc, tanWand, -1, yF, kTitelY);
        reiheLinks.Umbruch(druckfiguren::kJeZeile,
                           druckfiguren::Zeilenabstand(std::max(yF, yAE) - yOben));
        double x = reiheLinks.Zeichne(links, c.xGelaende - kAbstand);
        if (!wasser.figuren.empty()) {
            reiheLinks.Zeichne({wasser}, x);
        }

        // Right: the forces on the equivalent wall.
        const double yTitel = -xD * tanGel + kTitelY;
        Reihe reiheRechts(sc, 0.0, 1, yD, yTitel);
        reiheRechts.Umbruch(druckfiguren::kJeZeile,
                            druckfiguren::Zeilenabstand(std::max(yF, yAE) - yOben));
        reiheRechts.Zeichne(rechts, std::max(xAE, xD) + kAbstand);
    };
    bildfenster::Zeichne(fenster, widthMm, heightMm, oeffne, zeichne);
    bildfenster::Rahmen(widthMm, heightMm);
    Plot_Close(1);
    return 1;
}
