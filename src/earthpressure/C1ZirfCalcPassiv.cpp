// Passive earth pressure in front of the wall and the additional active pressure of a
// berm on the retained side.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>

namespace {

// Share of the passive pressure that the wall mobilises at p percent of its movement.
double Mobilisierung(int prozent) {
    const double p = std::clamp(prozent, 0, 100) / 100.0;
    return std::pow(1.0 - std::pow(1.0 - p, 1.6), 0.65);
}

double Passiv(int modus, double ep, double cP, double ruhe, double faktor) {
    if (modus == 0) {
        return ep + cP;
    }
    if (modus == 1) {
        return ruhe + (ep + cP - ruhe) * faktor;
    }
    return ruhe;
}

[[noreturn]] void BermeFehler(const C1Schicht& s, const std::string& grund) {
    throw C1Exception("Berme (geom mitberme) in der Bodenschicht \"" + s.bez + "\": " + grund,
                      "C1ZirfCalc::CalcBerme");
}

} // namespace

int C1ZirfCalc::CalcErdwiderstand(int) {
    const C1ZirfInput& in = *pInput;
    const double faktor = Mobilisierung(in.erhwand);
    // The surcharges in front of the wall are never given, so the soil's weight is the
    // only passive load case.
    double sigma = 0.0;
    for (int i = iSchichtUnten; i <= iLetzteSchicht; ++i) {
        const C1Schicht& s = Schicht[i];
        C1SchichtErgebnis& e = ErgPassiv[IndexPassiv(0, i)];
        e.epoh = sigma * s.kpgh;
        e.eohRuhe = sigma * s.k0gh;
        sigma += (s.yWand - Schicht[i - 1].yWand) * s.gammaEffVorn;
        e.epuh = sigma * s.kpgh;
        e.euhRuhe = sigma * s.k0gh;
        e.epoh = Passiv(in.nwwand, e.epoh, s.cP, e.eohRuhe, faktor);
        e.epuh = Passiv(in.nwwand, e.epuh, s.cP, e.euhRuhe, faktor);
        SetzeResultante(e, i, e.epoh, e.epuh, s.tanP);
    }
    return 1;
}

int C1ZirfCalc::CalcBerme() {
    return CalcBermeLauf(Lauf());
}

int C1ZirfCalc::CalcBermeTGF() {
    return CalcBermeLauf(LaufTGF());
}

int C1ZirfCalc::CalcBermeLauf(const C1ErddruckLauf& lauf) {
    const C1ZirfInput& in = *pInput;
    const C1Beiwertsatz& b = lauf.satz;
    C1ErgebnisJeSchicht& teil1 = *lauf.berme;
    C1ErgebnisJeSchicht& teil2 = *lauf.bermeUnten;
    teil1.Clear();
    teil2.Clear();
    const int f = iErsteSchicht;
    const double h = in.berme_dicke;
    const double xE = lauf.xErsatzwand;
    const double tanBeta = std::tan(in.gela_neigung / GradFaktor);

    double px = xBerme;
    double py = yBerme;
    if (lauf.ersatzwand && in.berme_abstand <= xE) {
        if (xBermeFuss <= xE) {
            // The whole slope lies between the wall and the substitute wall: the berm acts
            // there as a uniform surcharge.
            double tiefe = yGelaende - tanBeta * xE;
            for (int i = f; i <= iSchichtAnkerpunkt; ++i) {
                C1SchichtErgebnis& e = teil1[i];
                e.abt = tiefe;
                e.bist = tiefe + Schicht[i].dicke + (i == f ? tanBeta * xE : 0.0);
                e.eoh = e.euh = h * in.berme_gamma * Schicht[i].*b.kagh;
                SetzeTrapez(e, i, Schicht[i].*b.tanA);
                tiefe = e.bist;
            }
            return 1;
        }
        // The slope crosses the substitute wall: the berm is taken to start right at it,
        // at the level of its toe (more pressure than the part behind the wall gives).
        px = xE;
    }

    // Where the line from the toe at the berm's slope, but no steeper than phi, meets the
    // wall.
    double zWand = 0.0;
    bool getroffen = false;
    for (int i = f; i <= iLetzteSchicht && !getroffen; ++i) {
        const C1Schicht& s = Schicht[i];
        if (s.yWand <= py) {
            continue;
        }
        const double tanPsi = std::tan(std::min(in.berme_neigung, s.phi) / GradFaktor);
        if (!(tanPsi > 0.0)) {
            BermeFehler(s, "mit dem Reibungswinkel phi = 0 erreicht die Einflusslinie der "
                           "Berme die Wand nicht.");
        }
        const double xStern = px - (s.yWand - py) / tanPsi;
        const double xWand = lauf.ersatzwand ? xE : s.xWand;
        if (xStern - xWand > 0.0) {
            px = xStern;
            py = s.yWand;
            continue;
        }
        getroffen = true;
        if (xStern - xWand == 0.0) {
            zWand = s.yWand;
        } else if (lauf.ersatzwand) {
            zWand = py + (px - xE) * tanPsi;
        } else {
            double a = 0.0, bb = 0.0, c = 0.0;
            WandGerade(i, a, bb, c);
            gerade.SetSteigungPunkt(-tanPsi, px, py);
            schnittpunkt.Calc(gerade.GetA(), gerade.GetB(), gerade.GetC(), a, bb, c);
            zWand = schnittpunkt.GetY();
        }
    }
    if (!getroffen) {
        return 0;
    }

    // The construction lengths of the ramp.
    const C1Schicht& sf = Schicht[f];
    const double psiF = std::min(in.berme_neigung, sf.phi);
    const double kBeta =
        beiwerte.CalcKagh(0.0, psiF, lauf.bermeMitWandreibung ? sf.delta : 0.0, sf.phi);
    const double kaghF = sf.*b.kagh;
    if (!(kBeta - kaghF > 0.0)) {
        BermeFehler(sf, "der Erddruckbeiwert der Böschung ist nicht größer als der des Geländes "
                        "(gela_neigung, berme_neigung, phi).");
    }
    const double r = kaghF / (kBeta - kaghF);
    const double h1 = zWand - yBerme;
    const double h2 = r * h1;
    double h3 = r * h;
    if (in.berme_neigung > sf.phi) {
        h3 *= std::tan(sf.phi / GradFaktor) / std::tan(in.berme_neigung / GradFaktor);
    }
    if (!(h3 > 0.0)) {
        BermeFehler(sf, "der Übergang des Bermendrucks hat keine Höhe.");
    }
    if (!lauf.ersatzwand) {
        bermeH1 = h1;
        bermeH2 = h2;
        bermeH3 = h3;
    }

    // The pressure grows from 0 at za to kagh·q at zb and stays constant below.
    double za = yBerme + h1 + h2;
    const double zb = za + h3;
    const double q = h * sf.gammaEff;
    for (int i = f; i <= iLetzteSchicht; ++i) {
        const C1Schicht& s = Schicht[i];
        const double yTop = YOben(i);
        const double yBot = s.yWand;
        if (za >= yBot) {
            continue;
        }
        double s0 = 0.0, s1 = 0.0, w = 0.0;
        double abt = 0.0, bist = 0.0;
        if (zb <= yTop) {
            abt = yTop;
            bist = yBot;
            s0 = s1 = q;
        } else {
            if (za < yTop) {
                // The ramp started in a layer above and goes on.
                s0 = (h3 - (zb - yTop)) * q / h3;
                za = yTop;
            }
            abt = za;
            if (zb < yBot) {
                bist = zb;
                s1 = q;
                w = yBot - zb;
            } else {
                bist = yBot;
                s1 = (yBot - za) * q / h3 + s0;
            }
        }
        const double k = s.*b.kagh;
        if (s1 > 0.0) {
            C1SchichtErgebnis& e = teil1[i];
            e.abt = abt;
            e.bist = bist;
            e.eoh = k * s0;
            e.euh = k * s1;
            SetzeTrapez(e, i, s.*b.tanA);
        }
        if (w > 0.0) {
            C1SchichtErgebnis& e = teil2[i];
            e.abt = zb;
            e.bist = yBot;
            e.eoh = e.euh = k * q;
            SetzeTrapez(e, i, s.*b.tanA);
        }
    }
    return 1;
}
