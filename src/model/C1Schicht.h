#pragma once

#include "model/C1Tabelle.h"
#include "model/ZirfGrenzen.h"

#include <string>

// Per-load-case sums of one layer (index: earth-pressure load case).
using C1LastfallWerte = C1Tabelle<double, zirf::kMaxLastfaelle>;

// One calculation layer: depths in m (downwards from the wall head), x in m (away
// from the wall), angles in degrees, unit weights in kN/m³, pressures in kN/m².
struct C1Schicht {
    std::string bez;
    std::string kurz;
    // Unit weight used for the overburden: behind the wall by the water level behind it
    // (gammaEff), in front of it below the excavation level by the level in front.
    double gammaEff = 0.0;
    double gammaEffVorn = 0.0;
    double gamma = 0.0;      // above water
    double gammaUnter = 0.0; // below water
    double phi = 0.0;
    double delta = 0.0; // wall friction, active side
    double deltp = 0.0; // wall friction, passive side
    double coh = 0.0;
    double thetaA = 0.0;    // slip-plane angle of the active wedge
    double thetaATGF = 0.0; // the same for the deep slip line run
    double tanA = 0.0;      // inclinations of active, minimum and passive pressure
    double tanM = 0.0;
    double tanP = 0.0;
    double tanAT = 0.0;
    double tanMT = 0.0;
    double tanPT = 0.0;
    double xoVorn = 0.0;
    double yo = 0.0;
    double xo = 0.0;
    double xuVorn = 0.0;
    double yu = 0.0;
    double xu = 0.0;
    double dicke = 0.0;
    double dx = 0.0;
    double alphaGrad = 0.0;
    double alphaRad = 0.0;
    double sigmaA = 0.0; // overburden at the bottom behind the wall
    double sigmaP = 0.0; // overburden at the bottom in front, from the excavation level
    // The deep slip line run's own layer top and overburden at the layer bottom: at the
    // substitute wall the ground lies higher with a rising terrain, so its first layer
    // with weight begins higher and carries more soil. The wall's yo and sigmaA stay.
    double yoTGF = 0.0;
    double sigmaATGF = 0.0;

    double kagh = 0.0, kaph = 0.0, kach = 0.0, kpgh = 0.0, kpph = 0.0, keilH = 0.0;
    double keilV = 0.0, kahm = 0.0, k0gh = 0.0, k0ph = 0.0, kpch = 0.0, k0p = 0.0;
    double kaghT = 0.0, kaphT = 0.0, kachT = 0.0, kpghT = 0.0, kpphT = 0.0, keilHT = 0.0;
    double keilVT = 0.0, kahmT = 0.0, k0ghT = 0.0, k0phT = 0.0, kpchT = 0.0, k0pT = 0.0;
    double cA = 0.0, cP = 0.0, cAT = 0.0, cPT = 0.0;

    double xWand = 0.0; // wall point at the layer bottom
    double yWand = 0.0;
    double xGleit = 0.0, yGleit = 0.0, xGleitTGF = 0.0, yGleitTGF = 0.0;
    double xReib = 0.0, yReib = 0.0, xReibTGF = 0.0, yReibTGF = 0.0;
    int mindestdruckTGF = 0;
    int mindestdruck = 0;
    double wo = 0.0; // excess water pressure at top and bottom
    double wu = 0.0;

    C1LastfallWerte kraftVar{"kraftVar"};
    C1LastfallWerte momentVar{"momentVar"};
    C1LastfallWerte momentFussVar{"momentFussVar"};
    C1LastfallWerte verdrehungVar{"verdrehungVar"};
};
