#include "sectionlib/Riss.h"

#include "sectionlib/Beton.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

// EN 1992-1-1 Table 7.2N: maximum bar diameter φs* (mm) by steel stress (N/mm²).
struct TabellenZeile {
    double sigmaS;
    double phi[3]; // wk 0.4, 0.3, 0.2 mm; 0 where the table has no value
};

constexpr std::array<TabellenZeile, 8> kTabelle72N{{
    {160.0, {40.0, 32.0, 25.0}},
    {200.0, {32.0, 25.0, 16.0}},
    {240.0, {20.0, 16.0, 12.0}},
    {280.0, {16.0, 12.0, 8.0}},
    {320.0, {12.0, 10.0, 6.0}},
    {360.0, {10.0, 8.0, 5.0}},
    {400.0, {8.0, 6.0, 4.0}},
    {450.0, {6.0, 5.0, 0.0}},
}};

// German rule: φs* = wk·3.48·10⁶/σs², over the stresses of its table.
constexpr double kFormelFaktor = 3.48e6;
constexpr double kSigmaMin = 160.0;
constexpr double kSigmaMax = 450.0;

// One column as points (σs, φs*), σs rising and φs* falling.
struct Punkt {
    double sigma, phi;
};

std::vector<Punkt> Spalte(int index) {
    std::vector<Punkt> punkte;
    for (const auto& zeile : kTabelle72N)
        if (zeile.phi[index] > 0.0)
            punkte.push_back({zeile.sigmaS, zeile.phi[index]});
    return punkte;
}

double Zwischen(double x, double x0, double x1, double y0, double y1) {
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

int TabelleLast(const std::vector<Punkt>& p, double sigma, double& phi) {
    if (sigma < p.front().sigma) {
        phi = p.front().phi;
        return RISS_AUSSERHALB_SICHER;
    }
    for (std::size_t i = 1; i < p.size(); ++i)
        if (sigma <= p[i].sigma) {
            phi = Zwischen(sigma, p[i - 1].sigma, p[i].sigma, p[i - 1].phi, p[i].phi);
            return RISS_OK;
        }
    phi = 0.0;
    return RISS_AUSSERHALB;
}

int TabelleZwang(const std::vector<Punkt>& p, double phi, double& sigma) {
    if (phi > p.front().phi) {
        sigma = 0.0;
        return RISS_AUSSERHALB;
    }
    for (std::size_t i = 1; i < p.size(); ++i)
        if (phi >= p[i].phi) {
            sigma = Zwischen(phi, p[i - 1].phi, p[i].phi, p[i - 1].sigma, p[i].sigma);
            return RISS_OK;
        }
    sigma = p.back().sigma;
    return RISS_AUSSERHALB_SICHER;
}

int FormelLast(double wk, double sigma, double& phi) {
    if (sigma > kSigmaMax) {
        phi = 0.0;
        return RISS_AUSSERHALB;
    }
    const double s = std::max(sigma, kSigmaMin);
    phi = wk * kFormelFaktor / (s * s);
    return sigma < kSigmaMin ? RISS_AUSSERHALB_SICHER : RISS_OK;
}

int FormelZwang(double wk, double phi, double& sigma) {
    sigma = std::sqrt(wk * kFormelFaktor / phi);
    if (sigma < kSigmaMin) {
        sigma = 0.0;
        return RISS_AUSSERHALB;
    }
    if (sigma > kSigmaMax) {
        sigma = kSigmaMax;
        return RISS_AUSSERHALB_SICHER;
    }
    return RISS_OK;
}

} // namespace

int CalcZWANG_TABELLE_LIM_DS(int iNorm, int fall, int spalte, int variante, double* ds,
                             double* sigmaS) {
    if (ds == nullptr || sigmaS == nullptr)
        return RISS_EINGABE;
    double& ziel = fall == RISS_FALL_ZWANG ? *sigmaS : *ds;
    const double gegeben = fall == RISS_FALL_ZWANG ? *ds : *sigmaS;
    if (!beton::NormBerechnet(iNorm, variante)) {
        ziel = 0.0;
        return RISS_NORM;
    }
    if ((fall != RISS_FALL_LAST && fall != RISS_FALL_ZWANG) || spalte < 2 || spalte > 4 ||
        !std::isfinite(gegeben) || gegeben <= 0.0) {
        if (fall == RISS_FALL_LAST || fall == RISS_FALL_ZWANG)
            ziel = 0.0;
        return RISS_EINGABE;
    }
    const double wk = 0.1 * spalte;
    if (!beton::DeutscheRegeln(iNorm, variante)) {
        const auto punkte = Spalte(4 - spalte);
        return fall == RISS_FALL_LAST ? TabelleLast(punkte, gegeben, ziel)
                                      : TabelleZwang(punkte, gegeben, ziel);
    }
    return fall == RISS_FALL_LAST ? FormelLast(wk, gegeben, ziel) : FormelZwang(wk, gegeben, ziel);
}
