#include "design/C1BemessungBeton.h"

#include "host/C1QEL.h"
#include "sectionlib/Beton.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

// Section values and description of a concrete section.

namespace {

constexpr int kUntergrenze = 1; // a value at most 0.1 was replaced by its floor
constexpr double kMinWert = 0.1;
constexpr double kFlaecheErsatz = 100.0;
constexpr double kTraegheitErsatz = 1000.0;
constexpr double kWichte = 25.0;

// Torsion factor of a rectangle by its side ratio.
double TorsionBeiwert(double r) {
    const struct {
        double bis, k;
    } tabelle[] = {{1.25, 0.171}, {1.5, 0.196}, {2.0, 0.229},
                   {3.0, 0.263},  {4.0, 0.281}, {6.0, 0.299}};
    for (const auto& z : tabelle) {
        if (r < z.bis) {
            return z.k;
        }
    }
    return 0.313;
}

std::string Format(const char* fmt, double a) {
    char puffer[128];
    std::snprintf(puffer, sizeof puffer, fmt, a);
    return puffer;
}

std::string Ganz(double x) {
    return std::to_string(static_cast<int>(x));
}

} // namespace

std::string C1BemessungBeton::FormName(const char* name) const {
    if (pQel == nullptr) {
        return name;
    }
    std::string out;
    return C1QEL::LOC_TranslateSection(out, "common", name, false);
}

int C1BemessungBeton::CalcQuerschnitt() {
    C1Quer& q = Quer;
    double werte[10];
    for (int i = 0; i < 10; ++i) {
        werte[i] = q.D(i);
    }
    double w[9] = {};
    std::string text;
    const int bibliothek = CalcBEMEQUERX(q.iQuer, 0.0, werte, w, &text);
    // What this shape does not compute must not stay from the shape before: the moduli
    // unset, the torsion constant as a new section has it.
    const C1Quer neu;
    q.Iz = neu.Iz;
    q.Wy = neu.Wy;
    q.Wz = neu.Wz;
    q.Ix = neu.Ix;
    if (bibliothek == beton::kOk) {
        q.A = w[4];
        q.Iy = w[3];
    } else {
        q.A = 0.0;
        q.Iy = 0.0;
    }
    const bool gedreht = q.ProfAchse == 2;
    const double d1 = gedreht ? q.d1z : q.d1y;
    const double d2 = gedreht ? q.d2z : q.d2y;
    const std::string winkel = std::fabs(q.al) > 0.01 ? Format("  alpha =%5.2lf", q.al) : "";
    if (bibliothek == beton::kOk) {
        switch (q.iQuer) {
        case 1: {
            // The library's gross values: h·b³/12, b·h²/6 and h·b²/6.
            const double b = q.D(1), h = q.D(2);
            q.Iz = w[5];
            q.Wy = w[7];
            q.Wz = w[8];
            const double a = std::max(b, h), c = std::min(b, h);
            q.Ix = TorsionBeiwert(a / c) * a * c * c * c;
            q.Name = FormName("Rechteck") + " " + Ganz(b) + "/" + Ganz(h) + winkel +
                     ",  d1/d2 =" + Format("%3.1f", d1) + "/" + Format("%3.1f", d2);
            break;
        }
        case 2: {
            const double bo = q.D(1), dO = q.D(2), bu = q.D(3), du = q.D(4);
            q.Wy = w[7];
            q.Iz = w[5];
            q.Wz = w[8];
            q.Ix = bo > bu ? 0.3333 * (du * bu * bu * bu + bo * dO * dO * dO)
                           : 0.3333 * (dO * bo * bo * bo + bu * du * du * du);
            char puffer[256];
            std::snprintf(puffer, sizeof puffer, "%s bo/do/bu/du=%d/%d/%d/%d  d1/d2=%3.1lf/%3.1lf",
                          FormName("Plattenbalken").c_str(), static_cast<int>(bo),
                          static_cast<int>(dO), static_cast<int>(bu), static_cast<int>(du), d1, d2);
            q.Name = puffer;
            break;
        }
        case 6: {
            const double e = 2.0 * 0.866 * q.D(1);
            q.A = 0.866 * e * e;
            q.Iy = q.Iz = 0.06 * e * e * e * e;
            q.Wy = 0.12 * e * e * e;
            q.Wz = 0.104 * e * e * e;
            q.Name = FormName("6-Eck") + " d=" + Ganz(q.D(1)) + ",  d1=" + Format("%3.1f", d1);
            break;
        }
        case 7: {
            const double r = q.D(1) / 2.0;
            q.A = 3.14159 * r * r;
            q.Iy = q.Iz = 0.7853975 * r * r * r * r;
            q.Wy = q.Wz = q.Iy / r;
            q.Ix = 1.570795 * r * r * r * r;
            q.Name = FormName("Kreis") + " d=" + Ganz(q.D(1)) + ",  d1=" + Format("%3.1f", d1);
            break;
        }
        default:
            break;
        }
    }
    int status = bibliothek;
    auto boden = [&status](double& wert, double ersatz) {
        if (wert <= kMinWert) {
            wert = ersatz;
            if (status == beton::kOk) {
                status = kUntergrenze;
            }
        }
    };
    boden(q.A, kFlaecheErsatz);
    boden(q.Iy, kTraegheitErsatz);
    boden(q.Iz, kTraegheitErsatz);
    boden(q.Ix, kTraegheitErsatz);
    q.ABrutto = q.A;
    q.Eigengewicht = q.A * 0.0001 * kWichte;
    return status;
}

double C1BemessungBeton::CalcSTAHL_SPANNUNG(const double* eps, const double* fyd,
                                            const double* epsYd) const {
    return ::CalcSTAHL_SPANNUNG(iNorm, *eps, *fyd, *epsYd);
}
