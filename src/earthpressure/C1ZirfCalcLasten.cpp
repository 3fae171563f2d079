// Slip line and friction line from the wall foot, and the earth pressure of block loads
// and line loads, spread between the depths where lines from the load reach the wall.
#include "model/C1ZirfCalc.h"

#include "base/Trace.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Below this tangent a line from the foot never reaches the surface.
constexpr double kMinTan = 1e-9;

std::string Grad(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

// The line would run level or downwards and never reach the ground surface. Its angle
// follows from the layer's friction angle, wall friction and the wall's inclination.
[[noreturn]] void LinienFehler(const C1Schicht& s, const char* linie, double winkel) {
    throw C1Exception("Bodenschicht \"" + s.bez + "\" (bode gruppe): " + linie +
                          " steigt nicht zur Geländeoberfläche an (Winkel " + Grad(winkel) +
                          "° gegen die Waagerechte, aus phi = " + Grad(s.phi) +
                          "°, delta = " + Grad(s.delta) +
                          "° und der Neigung der Wand, deltax); die Lasten im Einflussbereich "
                          "der Wand können nicht verteilt werden.",
                      "C1ZirfCalc");
}

} // namespace

// --- Slip line and friction line ------------------------------------------------------------

int C1ZirfCalc::CalcGleitlinie() {
    const C1ErddruckLauf l = Lauf();
    return CalcLinieLauf(l, l.satz.thetaA, l.satz.xGleit, l.satz.yGleit, l.xGleitEnde, l.yGleitEnde,
                         pInput->nLinienlast > 0, "die Gleitlinie");
}

int C1ZirfCalc::CalcReibungslinie() {
    const C1ErddruckLauf l = Lauf();
    return CalcLinieLauf(l, &C1Schicht::phi, l.satz.xReib, l.satz.yReib, l.xReibEnde, l.yReibEnde,
                         pInput->nBlocklast > 0, "die Reibungslinie");
}

int C1ZirfCalc::CalcGleitlinieTGF() {
    const C1ErddruckLauf l = LaufTGF();
    return CalcLinieLauf(l, l.satz.thetaA, l.satz.xGleit, l.satz.yGleit, l.xGleitEnde, l.yGleitEnde,
                         pInput->nLinienlast > 0, "die Gleitlinie");
}

int C1ZirfCalc::CalcReibungslinieTGF() {
    const C1ErddruckLauf l = LaufTGF();
    return CalcLinieLauf(l, &C1Schicht::phi, l.satz.xReib, l.satz.yReib, l.xReibEnde, l.yReibEnde,
                         pInput->nBlocklast > 0, "die Reibungslinie");
}

int C1ZirfCalc::CalcLinieLauf(const C1ErddruckLauf& lauf, double C1Schicht::*winkel,
                              double C1Schicht::*xPunkt, double C1Schicht::*yPunkt,
                              double C1ZirfCalc::*xEnde, double C1ZirfCalc::*yEnde, bool benoetigt,
                              const char* name) {
    const C1ZirfInput& in = *pInput;
    const int f = iErsteSchicht;
    double px = lauf.xStart;
    double py = lauf.yStart;
    double tanPsi = 0.0;
    for (int i = std::max(lauf.schichtStart, f); i >= f; --i) {
        C1Schicht& s = Schicht[i];
        const double psi = LinienWinkel(i, winkel);
        tanPsi = std::tan(psi / GradFaktor);
        if (!(tanPsi > kMinTan)) {
            if (benoetigt) {
                LinienFehler(s, name, psi);
            }
            // Nothing uses the line: leave it where it is.
            return 1;
        }
        if (i == f) {
            break;
        }
        C1Schicht& darueber = Schicht[i - 1];
        px += (py - darueber.yWand) / tanPsi;
        py = darueber.yWand;
        darueber.*xPunkt = px;
        darueber.*yPunkt = py;
    }
    // The line from the top of the first layer with weight up to the ground surface.
    const double tanBeta = std::tan(in.gela_neigung / GradFaktor);
    C1Gerade linie, boden;
    linie.SetSteigungPunkt(-tanPsi, px, py);
    boden.SetSteigungPunkt(-tanBeta, xGelaende, yGelaende);
    double ex = px + (py - yGelaende) / tanPsi;
    double ey = yGelaende;
    if (schnittpunkt.Calc(linie.GetA(), linie.GetB(), linie.GetC(), boden.GetA(), boden.GetB(),
                          boden.GetC()) == 1) {
        ex = schnittpunkt.GetX();
        ey = schnittpunkt.GetY();
    }
    if (in.mitberme == 1 && xBerme < ex) {
        // The line goes on through the berm to its slope or its top.
        C1Gerade boeschung;
        boeschung.SetSteigungPunkt(-std::tan(in.berme_neigung / GradFaktor), xBerme, yBerme);
        if (schnittpunkt.Calc(linie.GetA(), linie.GetB(), linie.GetC(), boeschung.GetA(),
                              boeschung.GetB(), boeschung.GetC()) == 1) {
            ex = schnittpunkt.GetX();
            ey = schnittpunkt.GetY();
            if (xBermeFuss < ex) {
                C1Gerade oben;
                oben.SetSteigungPunkt(-tanBeta, xBermeFuss, yBermeFuss);
                if (schnittpunkt.Calc(linie.GetA(), linie.GetB(), linie.GetC(), oben.GetA(),
                                      oben.GetB(), oben.GetC()) == 1) {
                    ex = schnittpunkt.GetX();
                    ey = schnittpunkt.GetY();
                }
            }
        }
    }
    this->*xEnde = ex;
    this->*yEnde = ey;
    return 1;
}

double C1ZirfCalc::LinieX(const C1ErddruckLauf& lauf, double C1Schicht::*winkel,
                          double C1Schicht::*xPunkt, double C1Schicht::*yPunkt, int i,
                          double y) const {
    const C1Schicht& s = Schicht[i];
    const double tanPsi = std::tan(LinienWinkel(i, winkel) / GradFaktor);
    if (i >= lauf.schichtStart) {
        return lauf.xStart + (lauf.yStart - y) / tanPsi;
    }
    return s.*xPunkt + (s.*yPunkt - y) / tanPsi;
}

double C1ZirfCalc::LinienWinkel(int i, double C1Schicht::*winkel) const {
    // The extension layer below the model bottom has no soil of its own; lines through it
    // keep the angle of the last soil above it.
    if (i == iLetzteSchicht && i > 0 && Schicht[i].gammaEff == 0.0) {
        return Schicht[i - 1].*winkel;
    }
    return Schicht[i].*winkel;
}

// --- Spreading of bounded loads -------------------------------------------------------------

double C1ZirfCalc::CalcSpreizTiefe(const C1ErddruckLauf& lauf, double x0, double y0,
                                   double C1Schicht::*winkel, bool reibung, double toleranz) {
    double px = x0;
    double py = y0;
    double z = y0;
    for (int i = iErsteSchicht; i <= iLetzteSchicht; ++i) {
        const C1Schicht& s = Schicht[i];
        if (s.yWand <= py) {
            continue;
        }
        const double oben = YOben(i);
        const double tanPsi = std::tan(LinienWinkel(i, winkel) / GradFaktor);
        // The substitute wall is the vertical x = xErsatzwand.
        double a = 1.0, b = 0.0, c = -lauf.xErsatzwand;
        if (!lauf.ersatzwand) {
            WandGerade(i, a, b, c);
        }
        gerade.SetSteigungPunkt(-tanPsi, px, py);
        // A line parallel to the wall segment passes the layer without meeting it.
        const bool trifft =
            schnittpunkt.Calc(gerade.GetA(), gerade.GetB(), gerade.GetC(), a, b, c) == 1;
        const double yStern = trifft ? schnittpunkt.GetY() : s.yWand + 1.0 + toleranz;
        // The last layer reaches on without end.
        const bool drin = oben <= yStern && (yStern <= s.yWand + toleranz || i == iLetzteSchicht);
        if (reibung && yStern < oben) {
            z = oben;
            continue;
        }
        if (!reibung || drin) {
            z = yStern;
        }
        if (drin || !(tanPsi > kMinTan)) {
            return z;
        }
        px -= (s.yWand - py) / tanPsi;
        py = s.yWand;
    }
    return z;
}

double C1ZirfCalc::MittlererKeil(double C1Schicht::*keil, double z1, double z2) const {
    double summe = 0.0;
    double summeDy = 0.0;
    for (int i = iErsteSchicht; i <= iLetzteSchicht; ++i) {
        const double unten =
            i == iLetzteSchicht ? std::max(Schicht[i].yWand, z2) : Schicht[i].yWand;
        const double dy = std::min(unten, z2) - std::max(YOben(i), z1);
        if (dy > 0.0) {
            summe += dy * Schicht[i].*keil;
            summeDy += dy;
        }
    }
    return summeDy > 0.0 ? summe / summeDy : 1.0;
}

void C1ZirfCalc::LeereLast(C1ErgebnisLast* oben, C1ErgebnisLast* unten, C1SpreizungLast* spreizung,
                           int jj) {
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        const int k = IndexLast(jj, i);
        if (oben != nullptr) {
            (*oben)[k] = C1SchichtErgebnis{};
        }
        if (unten != nullptr) {
            (*unten)[k] = C1SchichtErgebnis{};
        }
        (*spreizung)[k] = C1Spreizung{};
    }
}

int C1ZirfCalc::LastSchicht(double y) const {
    for (int i = iErsteSchicht; i <= iLetzteSchicht; ++i) {
        if (y < Schicht[i].yWand) {
            return i;
        }
    }
    return -1;
}

void C1ZirfCalc::SetzeSpreizung(C1Spreizung& sp, double von, double bis, double eo, double eu,
                                double tanA) {
    sp.von = von;
    sp.bis = bis;
    sp.eo = eo;
    sp.eu = eu;
    trapez.CalcTrapez(von, bis, eo, eu);
    sp.E = trapez.GetE();
    sp.yE = trapez.GetYE();
    sp.eov = eo * tanA;
    sp.euv = eu * tanA;
    sp.Ev = sp.E * tanA;
}

// The horizontal force's triangle, eh at z1 falling to 0 at zEnde, in every layer it
// reaches (not cut at the foot).
void C1ZirfCalc::SpreizeHorizontal(const C1ErddruckLauf& lauf, C1SpreizungLast& tabelle, int jj,
                                   double z1, double zEnde, double eh, const char* traceName) {
    const double hoehe = zEnde - z1;
    for (int i = iErsteSchicht; i <= iLetzteSchicht; ++i) {
        const C1Schicht& s = Schicht[i];
        if (!(z1 < s.yWand && YOben(i) < zEnde)) {
            continue;
        }
        const double von = std::max(YOben(i), z1);
        const double eo = (zEnde - von) * eh / hoehe;
        const double bis = zEnde < s.yWand ? zEnde : s.yWand;
        const double eu = zEnde < s.yWand ? 0.0 : (zEnde - s.yWand) * eh / hoehe;
        const int k = IndexLast(jj, i);
        C1Spreizung& sp = tabelle[k];
        SetzeSpreizung(sp, von, bis, eo, eu, s.*lauf.satz.tanA);
        if (lauf.trace && traceName != nullptr) {
            TracePrintf("\n%s: jj %2d abt %6.2f  bist %6.2f  eoh %6.2f  euh %6.2f  eov %6.2f  "
                        "euv %6.2f",
                        traceName, k, sp.von, sp.bis, sp.eo, sp.eu, sp.eov, sp.euv);
        }
    }
}

// --- Block loads -----------------------------------------------------------------------------

int C1ZirfCalc::CalcBlocklast(int jj) {
    return CalcBlocklastLauf(Lauf(), jj);
}

int C1ZirfCalc::CalcBlocklastTGF(int jj) {
    return CalcBlocklastLauf(LaufTGF(), jj);
}

int C1ZirfCalc::CalcBlocklastLauf(const C1ErddruckLauf& lauf, int jj) {
    const C1ZirfInput::SBlocklast& last = pInput->blocklast.at(static_cast<std::size_t>(jj));
    const C1Beiwertsatz& b = lauf.satz;
    // A load evaluated at this depth keeps nothing of an earlier trial depth.
    LeereLast(lauf.blockOben, lauf.blockUnten, lauf.blockSchicht, jj);
    C1LastRecord& record = (*lauf.blocklast)[jj];
    C1LastRecord& zone = (*lauf.ausbreitung)[jj];
    record = C1LastRecord{};
    zone = C1LastRecord{};

    const double yL = last.y;
    const int iL = yL < lauf.yLastGrenze ? LastSchicht(yL) : -1;
    if (iL < 0) {
        return 0;
    }
    record.schicht = iL;
    const double xw = lauf.ersatzwand ? lauf.xErsatzwand : WandX(iL, yL);
    const double xr = LinieX(lauf, &C1Schicht::phi, b.xReib, b.yReib, iL, yL);
    const double xl = last.x;
    const double xr2 = last.x + last.b;
    if (xl > xr) {
        return -1;
    }
    double hIn = 0.0;
    if (xw <= xl) {
        zone.xAnfang = xl;
        zone.xEnde = std::min(xr2, xr);
        hIn = last.h * (zone.xEnde - zone.xAnfang) / last.b;
    } else if (xr2 <= xw) {
        return 0;
    } else {
        record.vVorn = last.v * (xw - xl);
        record.hVorn = last.h * (xw - xl) / last.b;
        hIn = last.h - record.hVorn;
        zone.xAnfang = xw;
        zone.xEnde = std::min(xr2, xr);
    }
    zone.hAnteil = hIn;
    if (zone.xEnde <= xw) {
        return 0;
    }

    // A load that reaches over the wall line spreads from the wall, where its part in the
    // zone begins.
    const double z1 = CalcSpreizTiefe(lauf, zone.xAnfang, yL, &C1Schicht::phi, true, 0.0);
    const double z2 = CalcSpreizTiefe(lauf, zone.xAnfang, yL, b.thetaA, false, 0.0);
    const double z3 = CalcSpreizTiefe(lauf, last.x + last.b, yL, b.thetaA, false, lauf.toleranzZ3);
    if (!(z3 > z1)) {
        return 0;
    }
    const double em =
        last.v > 0.0 ? 2.0 * last.v * last.b * MittlererKeil(b.keilH, z1, z3) / (z3 - z1) : 0.0;
    const double eh = last.h > 0.0 ? 2.0 * hIn / (z3 - z1) : 0.0;

    // The vertical load: 0 at z1, em at z2, 0 at z3.
    const double h12 = z2 - z1;
    const double h23 = z3 - z2;
    for (int i = iErsteSchicht; i <= iLetzteSchicht && em > 0.0; ++i) {
        const C1Schicht& s = Schicht[i];
        const double yTop = YOben(i);
        if (!(z1 < s.yWand && yTop < z3)) {
            continue;
        }
        const double yBot = lauf.blockBisFuss ? std::min(s.yWand, t) : s.yWand;
        if (!(yBot > yTop)) {
            continue;
        }
        const double tanA = s.*b.tanA;
        const int k = IndexLast(jj, i);
        // One part of the figure in this layer, with its trace line.
        const auto schreibe = [&](C1ErgebnisLast& tabelle, const char* name, double von, double bis,
                                  double eo, double eu) {
            C1SchichtErgebnis& e = tabelle[k];
            e.abt = von;
            e.bist = bis;
            e.eoh = eo;
            e.euh = eu;
            SetzeTrapez(e, i, tanA);
            if (lauf.trace) {
                TracePrintf("\n%s: jj %2d abt %6.2f  bist %6.2f  eoh %6.2f  euh %6.2f", name, k,
                            e.abt, e.bist, e.eoh, e.euh);
            }
        };
        double steigendEnde = 0.0;
        if (yTop <= z2 && h12 > 0.0) {
            const double von = std::max(yTop, z1);
            const double eo = (von - z1) * em / h12;
            const double bis = yBot < z2 ? yBot : z2;
            const double eu = yBot < z2 ? (yBot - z1) * em / h12 : em;
            steigendEnde = bis;
            if (eu > eo && bis > von) {
                schreibe(*lauf.blockOben, "EBloW", von, bis, eo, eu);
            }
        }
        if (yBot > z2 && h23 > 0.0) {
            const double von = yTop > z2 ? yTop : z2;
            const double eo = yTop > z2 ? (z3 - yTop) * em / h23 : em;
            const double bis = z3 <= yBot ? z3 : yBot;
            const double eu = z3 <= yBot ? 0.0 : (1.0 - (yBot - z2) / h23) * em;
            const bool schreiben =
                bis > 0.0 && bis > von && (!lauf.fallendUnterSteigend || bis > steigendEnde);
            if (schreiben) {
                schreibe(*lauf.blockUnten, "EBluW", von, bis, eo, eu);
            }
        }
    }
    if (eh > 0.0) {
        SpreizeHorizontal(lauf, *lauf.blockSchicht, jj, z1, z3, eh, nullptr);
    }
    return 1;
}

// --- Line loads ---------------------------------------------------------------------------------

int C1ZirfCalc::CalcLinienlast(int jj) {
    return CalcLinienlastLauf(Lauf(), jj);
}

int C1ZirfCalc::CalcLinienlastTGF(int jj) {
    return CalcLinienlastLauf(LaufTGF(), jj);
}

int C1ZirfCalc::CalcLinienlastLauf(const C1ErddruckLauf& lauf, int jj) {
    const C1ZirfInput::SLinienlast& last = pInput->linienlast.at(static_cast<std::size_t>(jj));
    const C1Beiwertsatz& b = lauf.satz;
    LeereLast(lauf.linie, nullptr, lauf.linieSchicht, jj);
    C1LastRecord& zone = (*lauf.ausbreitung)[jj];
    zone = C1LastRecord{};

    const double yL = last.y;
    const int iL = yL < lauf.yLastGrenze ? LastSchicht(yL) : -1;
    if (iL < 0) {
        return 0;
    }
    const double xw = lauf.ersatzwand ? lauf.xErsatzwand : WandX(iL, yL);
    const double xs = LinieX(lauf, b.thetaA, b.xGleit, b.yGleit, iL, yL);
    if (last.x > xs) {
        return -1;
    }
    zone.schicht = iL;
    zone.xAnfang = zone.xEnde = last.x;
    zone.hAnteil = last.h;
    if (last.x <= xw) {
        return 0;
    }

    const double z1 = CalcSpreizTiefe(lauf, last.x, yL, &C1Schicht::phi, true, 0.0);
    const double z2 = CalcSpreizTiefe(lauf, last.x, yL, b.thetaA, false, 0.0);
    if (!(z2 > z1)) {
        return 0;
    }
    const double h12 = z2 - z1;
    const double em = last.v > 0.0 ? 2.0 * last.v * MittlererKeil(b.keilH, z1, z2) / h12 : 0.0;
    const double eh = last.h > 0.0 ? 2.0 * last.h / h12 : 0.0;

    // The vertical force: em at z1 falling to 0 at z2.
    for (int i = iErsteSchicht; i <= iLetzteSchicht && em > 0.0; ++i) {
        const C1Schicht& s = Schicht[i];
        const double yTop = YOben(i);
        if (!(z1 < s.yWand && yTop < z2)) {
            continue;
        }
        const int k = IndexLast(jj, i);
        C1SchichtErgebnis& e = (*lauf.linie)[k];
        e.abt = yTop < z1 ? z1 : yTop;
        e.eoh = yTop < z1 ? em : (1.0 - (yTop - z1) / h12) * em;
        e.bist = s.yWand < z2 ? s.yWand : z2;
        e.euh = s.yWand < z2 ? (1.0 - (s.yWand - z1) / h12) * em : 0.0;
        SetzeTrapez(e, i, s.*b.tanA);
        if (lauf.trace) {
            TracePrintf("\nELW: jj %2d abt %6.2f  bist %6.2f  eoh %6.2f  euh %6.2f  eov %6.2f  "
                        "euv %6.2f",
                        k, e.abt, e.bist, e.eoh, e.euh, e.eov, e.euv);
        }
    }
    if (eh > 0.0) {
        SpreizeHorizontal(lauf, *lauf.linieSchicht, jj, z1, z2, eh, "HLW");
    }
    return 1;
}
