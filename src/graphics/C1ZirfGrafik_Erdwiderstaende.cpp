// The loading diagram's variant with the passive figures of the wedge in front of the
// wall: the first records of the passive table, each on a base line of its own, side by
// side from left to right.

#include "graphics/C1ZirfGrafik.h"

#include "graphics/Druckfiguren.h"
#include "graphics/Zeichnen.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

using druckfiguren::Diagramm;
using druckfiguren::Figur;

constexpr int kFiguren = 4;                            // passive records drawn
constexpr std::array<int, 3> kTitel = {446, 448, 449}; // captions of the first three
constexpr double kTitelY = -0.3;
constexpr double kLuecke = 0.1 / 4.0; // a quarter of the text height between two figures
constexpr float kTitelFaktor = 0.6f;
constexpr double kOhneGrenze = std::numeric_limits<double>::max();

bool Endlich(const Figur& f) {
    return std::isfinite(f.y1) && std::isfinite(f.y2) && std::isfinite(f.h1) && std::isfinite(f.h2);
}

} // namespace

int C1ZirfGrafik::PlotErdwiderstaende(const std::string& name, double widthMm, double heightMm,
                                      int) {
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    // With the wedge in front the depths count from the excavation level.
    const double yShift = in.miterdwiderstand == 1 && std::isfinite(in.wand_hw) ? in.wand_hw : 0.0;

    // A record whose bottom ordinate is not positive draws nothing.
    std::vector<Diagramm> figuren;
    for (int k = 0; k < kFiguren; ++k) {
        const C1SchichtErgebnis& e = c.ErgPassiv[k];
        const Figur f{e.abt - yShift, e.bist - yShift, e.epoh, 0.0, e.epuh, 0.0};
        if (!(e.epuh > 0.0) || !(f.y2 > f.y1) || !Endlich(f)) {
            continue;
        }
        const std::string titel =
            k < static_cast<int>(kTitel.size()) ? Beschriftung(kTitel.at(std::size_t(k))) : "";
        figuren.push_back(Diagramm{titel, {f}, false, 0.0});
    }

    // The picture's own scale, as in the full diagram: never written back.
    const double eMax = druckfiguren::GroessteOrdinate(figuren, kOhneGrenze);

    const double yTitel = kTitelY - yShift;
    const auto oeffne = [&](const bildfenster::Fenster& f) {
        OeffneBild(name, widthMm, heightMm, f.Breite(), f.Hoehe());
        scale = druckfiguren::Massstab(eMax);
    };
    const auto zeichne = [&] {
        druckfiguren::Reihe reihe(scale, 0.0, 1, kOhneGrenze, yTitel);
        double xCursor = xMin;
        for (const Diagramm& d : figuren) {
            if (!d.titel.empty()) {
                Plot_Text(zeichnen::K(xCursor), zeichnen::K(yTitel), zeichnen::K(xCursor + 10.0),
                          zeichnen::K(yTitel), d.titel.c_str(), kTitelFaktor, 0, 1, 0, 0, 0, 0);
            }
            const double aussen = reihe.Figuren(d, xCursor, 1.0, 1.0);
            // The base line from the figure's bottom up to the wall-top level.
            zeichnen::Linie(xCursor, d.figuren.front().y2, xCursor, -yShift);
            xCursor = aussen + kLuecke;
        }
    };
    bildfenster::Zeichne(Bildrahmen(), widthMm, heightMm, oeffne, zeichne);
    CloseBild();
    return 1;
}
