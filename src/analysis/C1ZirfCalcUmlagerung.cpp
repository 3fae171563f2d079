// Redistribution of the active earth pressure above the excavation level of an anchored
// wall into a figure of the same total force.
#include "model/C1ZirfCalc.h"

#include "base/Trace.h"
#include "model/C1ZirfInput.h"

#include <algorithm>

namespace {

// Ordinates at the head and at the excavation level (trapezoid) or of the upper and the
// lower half (rectangles), as multiples of the mean ordinate, by the anchor depth: at
// most 10 % of the excavation depth, at most 20 %, deeper. Each keeps the total force.
constexpr C1ZirfCalc::UmlagerungsFigur kTrapez0 = {{{0.7, 1.3}, {0.85, 1.15}, {1.0, 1.0}}};
constexpr C1ZirfCalc::UmlagerungsFigur kTrapez1 = {{{0.0, 2.0}, {0.25, 1.75}, {0.5, 1.5}}};
constexpr C1ZirfCalc::UmlagerungsFigur kRechtecke = {
    {{1.0, 1.0}, {1.2 / 1.1, 1.0 / 1.1}, {1.5 / 1.25, 1.0 / 1.25}}};

} // namespace

int C1ZirfCalc::CalcUmlagerung(int variante) {
    return Umlagere(variante == 0 ? kTrapez0 : kTrapez1, false);
}

int C1ZirfCalc::CalcUmlagerungBlock(int) {
    return Umlagere(kRechtecke, true);
}

int C1ZirfCalc::Umlagere(const UmlagerungsFigur& figur, bool rechtecke) {
    // Every pass starts from the earth pressure as computed, never from a figure that an
    // earlier pass already redistributed.
    if (aktivVorUmlagerung.empty()) {
        for (int i = 0; i < iSchichtUnten; ++i) {
            aktivVorUmlagerung.push_back(ErgAktiv[IndexAktiv(0, i)]);
        }
    } else {
        for (int i = 0; i < iSchichtUnten; ++i) {
            ErgAktiv[IndexAktiv(0, i)] = aktivVorUmlagerung.at(static_cast<std::size_t>(i));
        }
    }
    iSchichtFuss = iSchichtUnten;
    SEA = 0.0;
    const int n = std::min(pInput->nLfFlaeche + 1, 2);
    for (int k = 0; k < n; ++k) {
        for (int i = 0; i < iSchichtUnten; ++i) {
            const double eh = ErgAktiv[IndexAktiv(k, i)].Eh;
            kraftLf[k] += eh;
            SEA += eh;
        }
    }
    // Depths from the ground surface: the earth pressure acts on the height of the
    // retained soil; the wall's part above the ground (a weightless layer) takes no share.
    He = Schicht[iSchichtUnten].yo - yGelaende;
    em = SEA / He;
    TracePrintf("\nUmlagerung: SEA %6.2f  He %6.2f  em %6.2f ", SEA, He, em);
    const double a = yAnker - yGelaende;
    const int spalte = a <= 0.1 * He ? 0 : (a <= 0.2 * He ? 1 : 2);
    emOben = figur[spalte][0] * em;
    emUnten = figur[spalte][1] * em;
    // The rectangles meet half way down the retained soil; the layer table has a boundary
    // there.
    const double yTeilung = yGelaende + He / 2.0;

    for (int i = 0; i < iSchichtUnten; ++i) {
        C1SchichtErgebnis& e = ErgAktiv[IndexAktiv(0, i)];
        const double tanA = Schicht[i].tanA;
        const double yo = YOben(i);
        const double yu = Schicht[i].yWand;
        if (i < iErsteSchicht) {
            e.eoh = e.euh = 0.0;
        } else if (rechtecke) {
            // The mean of the two rectangles over the layer: one of them unless a boundary
            // within the merge tolerance took the place of the one at the split.
            const double d = yu - yo;
            const double oben = std::clamp(yTeilung - yo, 0.0, d);
            e.eoh = e.euh = d > 0.0 ? (emOben * oben + emUnten * (d - oben)) / d : emOben;
        } else {
            e.eoh = emOben + (emUnten - emOben) * (yo - yGelaende) / He;
            e.euh = emOben + (emUnten - emOben) * (yu - yGelaende) / He;
        }
        e.eov = e.eoh * tanA;
        e.euv = e.euh * tanA;
        SetzeResultante(e, i, e.eoh, e.euh, tanA);
        status = trapez.GetFlaeche() != 0.0 ? 1 : 0;
    }
    double sh = 0.0;
    for (int i = 0; i < iSchichtUnten; ++i) {
        const C1SchichtErgebnis& e = ErgAktiv[IndexAktiv(0, i)];
        sh += Schicht[i].dicke;
        TracePrintf("\nUmlagerung: i %2d eoh %6.2f  euh %6.2f  sh %6.2f ", i, e.eoh, e.euh, sh);
    }
    return 1;
}
