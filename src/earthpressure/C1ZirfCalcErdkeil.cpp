// Passive wedge of one uniform soil in front of the wall, by plane slip surfaces.
#include "model/C1ZirfCalc.h"

#include "earthpressure/Flaechenlast.h"
#include "earthpressure/Resultante.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>

int C1ZirfCalc::CalcErdkeil() {
    const C1ZirfInput& in = *pInput;
    // Vertical wall and level ground in front of it: on such a wall the coefficient of a
    // uniform surcharge equals that of the soil's weight.
    const double kp = beiwerte.CalcKpghCoulomb(0.0, 0.0, in.deltae, in.phie);
    const double kpc = beiwerte.CalcKpch(0.0, 0.0, in.deltae, in.phie);
    const double cP = in.cohe > 0.0 ? kpc * in.cohe : 0.0;
    const double tanP = std::tan(in.deltae / GradFaktor);
    const double tanWand = std::tan(in.wand_neigung / GradFaktor);
    const double yAushub = in.wand_hw;
    const double yFuss = std::max(t, yAushub);
    const double yWasser = std::clamp(tgv, yAushub, yFuss);

    const auto figur = [&](int record, double von, double bis, double eo, double eu) {
        C1SchichtErgebnis& e = ErgPassiv[record];
        e = C1SchichtErgebnis{};
        e.abt = von;
        e.bist = bis;
        e.epoh = eo;
        e.epuh = eu;
        SetzeTrapezResultante(trapez, e, von, bis, eo, eu, tanP);
        e.xE = tanWand * e.yE;
    };

    // The soil's weight: above the water level in front, then buoyant below it.
    const double sigmaWasser = (yWasser - yAushub) * in.speze;
    const double sigmaFuss = sigmaWasser + (yFuss - yWasser) * (in.speze - GammaWasser);
    figur(0, yAushub, yWasser, cP, sigmaWasser * kp + cP);
    figur(1, yWasser, yFuss, sigmaWasser * kp + cP, sigmaFuss * kp + cP);

    // Each surcharge load case in front of the wall: a uniform ordinate.
    for (int k = 1; k <= in.nLfFlaecheVorn; ++k) {
        const double p =
            FlaechenlastIntensitaet(in.flaechenlastVorn, in.nFlaechenlastVorn, in.lfFlaecheVorn, k);
        lastPassiv[k] = p;
        figur(1 + k, yAushub, yFuss, p * kp, p * kp);
    }
    return 1;
}
