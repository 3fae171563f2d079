#include "model/C1Schnittpunkt.h"

int C1Schnittpunkt::Calc(double a1, double b1, double c1, double a2, double b2, double c2) {
    det = a1 * b2 - b1 * a2;
    if (det != 0.0) {
        zaehlerX = b1 * c2 - c1 * b2;
        zaehlerY = c1 * a2 - a1 * c2;
        x = zaehlerX / det;
        y = zaehlerY / det;
        return 1;
    }
    // Parallel: the same line exactly when all coefficient pairs are proportional. Cross
    // products decide it without dividing by coefficients that may be zero.
    const bool gleicheGerade = a1 * c2 == c1 * a2 && b1 * c2 == c1 * b2;
    return gleicheGerade ? -1 : 0;
}
