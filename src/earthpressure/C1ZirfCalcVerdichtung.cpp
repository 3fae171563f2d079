// Compaction earth pressure: two figures of straight segments over depth, from the
// device data and the first soil layer with weight, and their share in every layer.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

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
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        C1VerdichtungSchicht& v = Verdichtung[i];
        const C1VerdichtungSchicht* vorher = i == 0 ? nullptr : &Verdichtung[i - 1];
        const double z = Schicht[i].yu;
        const double zo = i == 0 ? yGelaende : Schicht[i - 1].yu;
        // One figure's ordinates at the layer's top and bottom and its resultant there.
        const auto figur = [&](const double* tiefe, const double* ordinate, int n, double& eo,
                               double& eu, double& kraft, double& y, double euVorher) {
            eu = Ordinate(tiefe, ordinate, n, z);
            eo = euVorher;
            trapez.CalcViereckPunkte(0.0, zo, eo, zo, 0.0, z, eu, z);
            kraft = trapez.GetFlaeche();
            y = trapez.GetSchwerpunktY();
        };
        if (pInput->geraet == 0) {
            figur(verdTiefe.data(), verdOrdinate.data(), 4, v.eoV1, v.euV1, v.EV1, v.yV1,
                  vorher ? vorher->euV1 : 0.0);
        }
        if (mitVerdichtung2) {
            figur(verdTiefe2.data(), verdOrdinate2.data(), 3, v.eoV2, v.euV2, v.EV2, v.yV2,
                  vorher ? vorher->euV2 : 0.0);
        }
    }
    return 1;
}
