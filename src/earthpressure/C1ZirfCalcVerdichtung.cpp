// Compaction earth pressure: two figures of straight segments over depth, from the
// device data and the first soil layer with weight, and their share in every layer.
#include "earthpressure/C1ZirfCalc.h"

#include "host/C1Exception.h"
#include "host/C1ZirfInput.h"

#include <cmath>

namespace {

constexpr double kPi = 3.141592654;

// The ordinate of a figure of straight segments through the points (tiefe[k],
// ordinate[k]), k = 0 ... n - 1, at depth z; 0 above the first and below the last point.
double Ordinate(const double* tiefe, const double* ordinate, int n, double z) {
    if (z <= tiefe[0]) {
        return 0.0;
    }
    for (int k = 1; k < n; ++k) {
        if (z <= tiefe[k]) {
            return ordinate[k - 1] +
                   (ordinate[k] - ordinate[k - 1]) * (z - tiefe[k - 1]) / (tiefe[k] - tiefe[k - 1]);
        }
    }
    return 0.0;
}

} // namespace

void C1ZirfCalc::ClearVerdichtung() {
    Verdichtung.Clear();
}

int C1ZirfCalc::CalcVerdichtung() {
    const C1ZirfInput& in = *pInput;
    const auto& boden = in.schicht.at(static_cast<std::size_t>(iErsteSchicht));
    const double phi = boden.phi;
    const double gamma = boden.gamma;
    const double k0 = 1.0 - std::sin(phi / GradFaktor);
    const double yG = yGelaende;
    // Depths below the ground: the figures start at the ground surface, not at the head.
    verdTiefe = {};
    verdOrdinate = {};
    verdTiefe2 = {};
    verdOrdinate2 = {};
    // For K0 = 1 (phi = 0) figure 2 has no extent.
    mitVerdichtung2 = k0 < 1.0;
    if (in.geraet == 0) {
        const double kp = beiwerte.CalcKpghCoulomb(0.0, in.gela_neigung, 0.0, phi);
        const double ka = beiwerte.CalcKagh(0.0, in.gela_neigung, boden.delta, phi);
        const double z1 = 0.4 * in.bp;
        const double z2 = 1.3 * in.bp;
        verdTiefe = {yG, yG + z1, yG + z2, yG + 2.6 * in.bp};
        verdOrdinate = {0.0, z1 * gamma * (kp - ka), z1 * gamma * kp - z2 * gamma * ka, 0.0};
        if (mitVerdichtung2) {
            verdTiefe2 = {yG, yG + z1, yG + z1 * kp / k0};
            verdOrdinate2 = {0.0, z1 * gamma * (kp - k0), 0.0};
        }
        return 1;
    }
    if (in.geraet == 1) {
        verdKraft = in.zk > 0.0 ? in.eg + in.zk : 2.0 * in.eg;
    } else {
        verdKraft = in.eg;
    }
    if (!mitVerdichtung2) {
        return 1;
    }
    if (!(gamma > 0.0)) {
        throw C1Exception("Bodenschicht \"" + boden.bez +
                              "\" (bode gruppe): der Verdichtungserddruck braucht eine Wichte "
                              "gamma größer als 0.",
                          "C1ZirfCalc::CalcVerdichtung");
    }
    verdZkrit = std::sqrt(2.0 * verdKraft * k0 * k0 / (gamma * kPi * (1.0 - k0 * k0)));
    verdTiefe2 = {yG, yG + verdZkrit, yG + verdZkrit / (k0 * k0)};
    verdOrdinate2 = {0.0, verdZkrit * gamma * (1.0 / k0 - k0), 0.0};
    return 1;
}

int C1ZirfCalc::CalcVerdichtungSchichten() {
    const bool mitFigur1 = pInput->geraet == 0;
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        C1VerdichtungSchicht& v = Verdichtung[i];
        const double z = Schicht[i].yu;
        const double zo = i == 0 ? yGelaende : Schicht[i - 1].yu;
        if (mitFigur1) {
            v.euV1 = Ordinate(verdTiefe.data(), verdOrdinate.data(), 4, z);
            v.eoV1 = i == 0 ? 0.0 : Verdichtung[i - 1].euV1;
            trapez.CalcViereckPunkte(0.0, zo, v.eoV1, zo, 0.0, z, v.euV1, z);
            v.EV1 = trapez.GetFlaeche();
            v.yV1 = trapez.GetSchwerpunktY();
        }
        if (mitVerdichtung2) {
            v.euV2 = Ordinate(verdTiefe2.data(), verdOrdinate2.data(), 3, z);
            v.eoV2 = i == 0 ? 0.0 : Verdichtung[i - 1].euV2;
            trapez.CalcViereckPunkte(0.0, zo, v.eoV2, zo, 0.0, z, v.euV2, z);
            v.EV2 = trapez.GetFlaeche();
            v.yV2 = trapez.GetSchwerpunktY();
        }
    }
    return 1;
}
