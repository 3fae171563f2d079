// Active earth pressure per layer and load case on the retained side.
#include "model/C1ZirfCalc.h"

#include "earthpressure/Flaechenlast.h"
#include "model/C1ZirfInput.h"

#include <algorithm>

namespace {

// The cohesion-reduced active pressure and the minimum earth pressure of one layer,
// ordinates at the top and the bottom.
struct Mindestdruck {
    double ro, ru;     // active pressure less cohesion
    double mino, minu; // minimum earth pressure
};

} // namespace

int C1ZirfCalc::CalcErddruckAktiv(int) {
    return CalcErddruckAktivLauf(Lauf());
}

int C1ZirfCalc::CalcErddruckAktivTGF(int) {
    return CalcErddruckAktivLauf(LaufTGF());
}

int C1ZirfCalc::CalcErddruckAktivLauf(const C1ErddruckLauf& lauf) {
    const C1ZirfInput& in = *pInput;
    const C1Beiwertsatz& b = lauf.satz;
    C1ErgebnisAktiv& erg = *lauf.aktiv;
    const int nFall = std::max(in.iLetzterLastfall, 0) + 1;
    if (!lauf.ersatzwand) {
        // A redistribution starts again from the figures computed here.
        aktivVorUmlagerung.clear();
    }

    // Step 1: active, at-rest and minimum ordinates of every case and layer.
    for (int k = 0; k <= nFall; ++k) {
        const double p =
            k == 0 ? 0.0
                   : FlaechenlastIntensitaet(in.flaechenlast, in.nFlaechenlast, in.lfFlaeche, k);
        lastAktiv[k] = p;
        double sigma = p;
        for (int i = 0; i <= iLetzteSchicht; ++i) {
            const C1Schicht& s = Schicht[i];
            C1SchichtErgebnis& e = erg[IndexAktiv(k, i)];
            const bool mitMindest = s.coh > 0.0 && k <= 1;
            // Ordinates at the vertical stress sig (the soil's weight) or of the surcharge p.
            const auto ordinaten = [&](double sig, double& aktiv, double& ruhe, double& mindest) {
                aktiv = k == 0 ? sig * s.*b.kagh : p * s.*b.kaph;
                ruhe = k == 0 ? sig * s.*b.k0gh : p * s.*b.k0ph;
                if (mitMindest) {
                    mindest = sig * s.*b.kahm;
                }
            };
            ordinaten(sigma, e.eohAktiv, e.eohRuhe, e.eohMin);
            // The layer's own unit weight: above the excavation by the water level behind
            // the wall, below it by the level in front.
            if (k == 0 && i == iErsteSchicht) {
                sigma += lauf.hoeheErsteSchicht * s.gammaEff;
            } else if (k == 0 && i > iErsteSchicht) {
                sigma += (s.yWand - Schicht[i - 1].yWand) * s.gammaEff;
            }
            ordinaten(sigma, e.euhAktiv, e.euhRuhe, e.euhMin);
        }
    }

    // Step 2: case 0 with the first surcharge case, cohesion and minimum earth pressure.
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        C1Schicht& s = Schicht[i];
        C1SchichtErgebnis& e = erg[IndexAktiv(0, i)];
        const C1SchichtErgebnis& e1 = erg[IndexAktiv(1, i)];
        const double eo = Modus(e.eohAktiv + e1.eohAktiv, e.eohRuhe + e1.eohRuhe);
        const double eu = Modus(e.euhAktiv + e1.euhAktiv, e.euhRuhe + e1.euhRuhe);
        e.eoh = eo;
        e.euh = eu;
        const double tanA = s.*b.tanA;
        e.eov = eo * tanA;
        e.euv = eu * tanA;
        if (in.nwstand < 2) {
            s.*b.mindestdruck = 0;
            const double cA = s.*b.cA;
            const Mindestdruck m{eo - cA, eu - cA, e.eohMin + e1.eohMin, e.euhMin + e1.euhMin};
            const double tanM = s.*b.tanM;
            const bool obenMin = m.ro < m.mino;
            const bool untenMin = m.ru < m.minu;
            if (!obenMin && !untenMin) {
                e.eoh = m.ro;
                e.euh = m.ru;
                e.eov = m.ro * tanA;
                e.euv = m.ru * tanA;
            } else if (obenMin && untenMin) {
                e.eoh = m.mino;
                e.euh = m.minu;
                e.eov = m.mino * tanM;
                e.euv = m.minu * tanM;
                s.*b.mindestdruck = 1;
            } else {
                // The two cross inside the layer: the larger value governs on each side,
                // replaced by a trapezoid of the same area.
                // At the substitute wall the first layer with weight reaches up to the
                // ground there.
                const double d =
                    lauf.ersatzwand && i == iErsteSchicht ? lauf.hoeheErsteSchicht : s.dicke;
                const double z0 = d * (m.mino - m.ro) / ((m.ru - m.ro) - (m.minu - m.mino));
                const double ex = m.mino + (m.minu - m.mino) * z0 / d;
                const double go = obenMin ? m.mino : m.ro;
                const double gu = obenMin ? m.ru : m.minu;
                const double flaeche = (go + ex) * z0 / 2.0 + (ex + gu) * (d - z0) / 2.0;
                e.eoh = go;
                e.euh = 2.0 * flaeche / d - go;
                e.eov = go * (obenMin ? tanM : tanA);
                e.euv = e.euh * (obenMin ? tanA : tanM);
                s.*b.mindestdruck = 1;
            }
        } else {
            s.*b.mindestdruck = 0;
        }
        SetzeResultante(e, i, e.eoh, e.euh, tanA, YOben(lauf, i));
    }

    // Step 3: the further surcharge cases, without cohesion and minimum.
    for (int k = 2; k <= nFall; ++k) {
        for (int i = 0; i <= iLetzteSchicht; ++i) {
            const double tanA = Schicht[i].*b.tanA;
            C1SchichtErgebnis& e = erg[IndexAktiv(k, i)];
            e.eoh = Modus(e.eohAktiv, e.eohRuhe);
            e.euh = Modus(e.euhAktiv, e.euhRuhe);
            e.eov = e.eoh * tanA;
            e.euv = e.euh * tanA;
            SetzeResultante(e, i, e.eoh, e.euh, tanA, YOben(lauf, i));
        }
    }
    return 1;
}
