#include "sectionlib/Beton.h"
#include "sectionlib/BetonFlaeche.h"

#include <algorithm>
#include <cmath>
#include <numbers>

int CalcBEMEQUERX(int form, double winkel, const double d[10], double q[9], std::string* text) {
    using namespace beton;
    std::string grund;
    int status = kOk;
    Umriss u;
    if (winkel != 0.0) {
        grund = "Querschnittswerte: ein gedrehter Querschnitt (Winkel " + Zahl(winkel) +
                ") wird nicht unterstützt";
        status = kVarianteNicht;
    } else {
        status = UmrissBauen(form, d, u, grund);
    }
    if (status != kOk) {
        if (text != nullptr) {
            *text = grund;
        }
        return status;
    }
    double oben = u.oben, unten = -u.unten, links = -u.links, rechts = u.rechts;
    double A = u.A, Iy = u.Iy, Iz = u.Iz;
    if (form == 7) {
        // The circle itself, not its polygon.
        const double R = d[1] / 2.0;
        oben = unten = links = rechts = R;
        A = std::numbers::pi * R * R;
        Iy = Iz = std::numbers::pi * R * R * R * R / 4.0;
    }
    q[0] = oben + unten;
    q[1] = oben;
    q[2] = unten;
    q[3] = Iy;
    q[4] = A;
    q[5] = Iz;
    q[6] = links;
    q[7] = Iy / std::max(oben, unten);
    q[8] = Iz / std::max(links, rechts);
    return kOk;
}
