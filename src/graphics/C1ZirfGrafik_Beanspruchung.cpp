// The loading diagram: the wall and beside it the pressure figures that load it, each
// under its caption, from the results at the final foot depth t.

#include "graphics/C1ZirfGrafik.h"

#include "graphics/Druckfiguren.h"
#include "graphics/Zeichnen.h"
#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <cmath>

namespace {

using druckfiguren::Diagramm;
using druckfiguren::Reihe;

constexpr double kTitelY = -0.3;
constexpr double kAbstand = 1.0;
constexpr double kPassivFaktor = 10.0; // the passive figure is drawn at a tenth
constexpr float kTitelFaktor = 0.6f;
constexpr int kModusWasserVerdichtung = 5;
constexpr int kModusErdwiderstaende = 4;

enum Eintrag { kErde = 446, kErde10 = 447, kBerme = 452, kWasser = 453 };

} // namespace

int C1ZirfGrafik::PlotBeanspruchung(const std::string& name, double widthMm, double heightMm,
                                    int a4, int mode) {
    if (mode == kModusErdwiderstaende) {
        return PlotErdwiderstaende(name, widthMm, heightMm, a4);
    }
    const C1ZirfInput& in = *pInput;
    const C1ZirfCalc& c = *pCalc;
    const double t = c.t;
    const double tanWand = std::tan(in.wand_neigung / c.GradFaktor);
    const druckfiguren::Titel titel{Beschriftung(kErde), Beschriftung(kErde10),
                                    Beschriftung(kBerme), Beschriftung(kWasser)};
    const bool voll = mode != kModusWasserVerdichtung;

    std::vector<Diagramm> rechts;
    if (voll) {
        rechts = druckfiguren::Erddruckdiagramme(c, in, druckfiguren::Lauf::Wand, titel);
    }
    const Diagramm wasser = druckfiguren::Wasser(in.tgh, in.tgv, t, titel.wasser);
    const bool wasserRechts = in.tgv > in.tgh;
    if (wasserRechts && !wasser.figuren.empty()) {
        rechts.push_back(wasser);
    }
    // Compaction acts for 1 only, as the calculation takes it.
    if (in.mitverd == 1) {
        std::string text;
        const char* literal = in.nwwand < 2 ? "aus akt.VE" : "aus RuheVE";
        Diagramm d = druckfiguren::Verdichtung(
            c, in, pQEL != nullptr ? pQEL->LOC_TranslateX(text, literal) : std::string(literal));
        if (!d.figuren.empty()) {
            rechts.push_back(std::move(d));
        }
    }

    // The picture's own scale: the largest ordinate drawn, on either side of the wall
    // (the passive one at a tenth), is drawn 3 m wide. The results stay as they are.
    std::vector<Diagramm> alle = rechts;
    alle.push_back(wasser);
    const Diagramm passiv = druckfiguren::Erdwiderstand(c, titel.erde10);
    const double eMax =
        std::max(druckfiguren::GroessteOrdinate(alle, t),
                 voll ? druckfiguren::GroessteOrdinate({passiv}, t) / kPassivFaktor : 0.0);

    const double tWand = Wandtiefe();
    const auto oeffne = [&](const bildfenster::Fenster& f) {
        OeffneBild(name, widthMm, heightMm, f.Breite(), f.Hoehe());
        scale = druckfiguren::Massstab(eMax);
    };
    const auto zeichne = [&] {
        double xCursor = xMin;
        if (voll) {
            zeichnen::Wand(tanWand, tWand);

            // Passive earth pressure at a tenth, left of a base line 1 m left of the wall.
            const double breite = druckfiguren::TitelBreite(passiv.titel);
            Plot_Text(zeichnen::K(xCursor - 10.0), zeichnen::K(kTitelY),
                      zeichnen::K(xCursor - kAbstand), zeichnen::K(kTitelY), passiv.titel.c_str(),
                      kTitelFaktor, 0, 2, 0, 0, 0, 0);
            xMin = xCursor - kAbstand - breite;
            Reihe links(scale * kPassivFaktor, tanWand, -1, t, kTitelY);
            xMin = std::min(xMin, links.Figuren(passiv, xCursor - kAbstand, 1.0, 1.0));
            xCursor += kAbstand;
        }
        Reihe reihe(scale, tanWand, 1, t, kTitelY);
        reihe.Umbruch(druckfiguren::kJeZeile, druckfiguren::Zeilenabstand(tWand));
        reihe.Zeichne(rechts, xCursor);
        if (!wasserRechts && !wasser.figuren.empty()) {
            // The water is higher in front: its figure presses toward the soil, left of all.
            const double breite = druckfiguren::TitelBreite(wasser.titel);
            const double x = xMin - kAbstand;
            Plot_Text(zeichnen::K(x - 10.0), zeichnen::K(kTitelY), zeichnen::K(x),
                      zeichnen::K(kTitelY), wasser.titel.c_str(), kTitelFaktor, 0, 2, 0, 0, 0, 0);
            Reihe links(scale, tanWand, -1, t, kTitelY);
            xMin = std::min(x - breite, links.Figuren(wasser, x, 0.0, 1.0));
        }
    };
    // The frame's window is the first guess; the picture then takes what it draws.
    bildfenster::Zeichne(Bildrahmen(), widthMm, heightMm, oeffne, zeichne);
    CloseBild();
    return 1;
}
