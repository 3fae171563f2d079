#include "sectionlib/Beton.h"
#include "sectionlib/BetonFlaeche.h"

#include <algorithm>
#include <cstdio>

namespace beton {

namespace {

constexpr int kDin1045_1 = 3;
constexpr int kEn1992 = 6;

std::string NormName(int iNorm) {
    switch (iNorm) {
    case 1:
        return "DIN 1045 (1988)";
    case 4:
        return "SIA";
    default:
        return "Norm";
    }
}

} // namespace

std::string Zahl(double x) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.2f", x);
    return puffer;
}

bool NormBerechnet(int iNorm, int variante) {
    return iNorm == kDin1045_1 || (iNorm == kEn1992 && (variante == 0 || variante == 1));
}

bool DeutscheRegeln(int iNorm, int variante) {
    return iNorm == kDin1045_1 || (iNorm == kEn1992 && variante == 1);
}

int NormPruefen(int iNorm, int variante, std::string& text) {
    if (iNorm != kDin1045_1 && iNorm != kEn1992) {
        text = NormName(iNorm) + " (iNorm = " + std::to_string(iNorm) +
               ") wird nicht unterstützt; berechnet werden DIN 1045-1 (iNorm = 3) und DIN EN "
               "1992-1-1 (iNorm = 6)";
        return kNormNicht;
    }
    if (!NormBerechnet(iNorm, variante)) {
        text = "DIN EN 1992-1-1: Variante " + std::to_string(variante) +
               " wird nicht unterstützt (0 empfohlene Werte, 1 deutscher Anhang)";
        return kVarianteNicht;
    }
    return kOk;
}

} // namespace beton

double CalcSTAHL_SPANNUNG(int /*iNorm*/, double eps, double fyd, double epsYd) {
    if (epsYd <= 0.0 || fyd <= 0.0) {
        return 0.0;
    }
    return std::clamp(fyd * eps / epsYd, -fyd, fyd);
}
