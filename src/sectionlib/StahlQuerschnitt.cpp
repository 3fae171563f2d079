#include "sectionlib/StahlIntern.h"

#include <algorithm>
#include <cmath>

namespace stahl {

namespace {

constexpr double mm2 = 0.01; // mm² to cm²

// Class of a part by its slenderness and the limits of classes 1, 2 and 3.
int TeilKlasse(double schlankheit, double g1, double g2, double g3) {
    if (schlankheit <= g1)
        return 1;
    if (schlankheit <= g2)
        return 2;
    if (schlankheit <= g3)
        return 3;
    return 4;
}

// An internal part (web): α, the compressed share of its width in the plastic stress
// block, for classes 1 and 2; ψ, the ratio of its edge stresses, for class 3.
int InnererTeil(double schlankheit, double eps, double alpha, double psi) {
    const double g1 = alpha > 0.5 ? 396 * eps / (13 * alpha - 1) : 36 * eps / alpha;
    const double g2 = alpha > 0.5 ? 456 * eps / (13 * alpha - 1) : 41.5 * eps / alpha;
    const double g3 =
        psi > -1.0 ? 42 * eps / (0.67 + 0.33 * psi) : 62 * eps * (1 - psi) * std::sqrt(-psi);
    return TeilKlasse(schlankheit, g1, g2, g3);
}

} // namespace

int Klasse(const Rechnung& r, double fy, const CST_Lasten& L) {
    const ProfilMasse& m = r.m;
    const double eps = std::sqrt(235.0 / fy);
    // Tension helps no part; only compression and bending are looked at.
    const double nc = std::max(L[CST_N], 0.0);
    const double my = std::abs(L[CST_MY]), mz = std::abs(L[CST_MZ]);
    const double sigmaN = nc / r.w.A; // kN/cm²
    switch (m.art) {
    case ProfilArt::IProfil:
    case ProfilArt::UProfil: {
        const double cSteg = m.h - 2 * m.tf - 2 * m.r;
        int steg = 1;
        if (nc > 0 || my > 0) {
            // N is taken as carried by the web; the moment by the whole section.
            const double alpha =
                my > 0 ? std::min(1.0, 0.5 * (1.0 + nc / (cSteg * m.tw * mm2 * kNcm2(fy)))) : 1.0;
            const double sigmaB = my * 100.0 / r.w.Iy * (cSteg / 20.0);
            const double psi = (sigmaN - sigmaB) / (sigmaN + sigmaB);
            steg = InnererTeil(cSteg / m.tw, eps, alpha, psi);
        }
        const double cGurt =
            m.art == ProfilArt::IProfil ? (m.b - m.tw - 2 * m.r) / 2 : m.b - m.tw - m.r;
        const int gurt = (nc > 0 || my > 0 || mz > 0)
                             ? TeilKlasse(cGurt / m.tf, 9 * eps, 10 * eps, 14 * eps)
                             : 1;
        return std::max(steg, gurt);
    }
    case ProfilArt::Rechteckrohr: {
        // A wall with a uniform compression (N, or the moment across it) is taken as
        // compressed over its width; a wall with only a gradient as in bending.
        auto wand = [&](double c, bool gleichmaessig, bool gradient) {
            if (gleichmaessig)
                return TeilKlasse(c / m.tw, 33 * eps, 38 * eps, 42 * eps);
            if (gradient)
                return TeilKlasse(c / m.tw, 72 * eps, 83 * eps, 124 * eps);
            return 1;
        };
        const int gurte = wand(m.b - 3 * m.tw, nc > 0 || my > 0, mz > 0);
        const int stege = wand(m.h - 3 * m.tw, nc > 0 || mz > 0, my > 0);
        return std::max(gurte, stege);
    }
    case ProfilArt::Rundrohr:
        if (nc <= 0 && my <= 0 && mz <= 0)
            return 1;
        return TeilKlasse(m.h / m.tw, 50 * eps * eps, 70 * eps * eps, 90 * eps * eps);
    }
    return 4;
}

double SchubflaecheZ(const Rechnung& r, double fy) {
    const ProfilMasse& m = r.m;
    const double A = r.w.A / mm2;
    switch (m.art) {
    case ProfilArt::IProfil: {
        const double eta = fy <= 460.0 ? 1.2 : 1.0;
        const double hw = m.h - 2 * m.tf;
        return std::max(A - 2 * m.b * m.tf + (m.tw + 2 * m.r) * m.tf, eta * hw * m.tw) * mm2;
    }
    case ProfilArt::UProfil:
        return (A - 2 * m.b * m.tf + (m.tw + m.r) * m.tf) * mm2;
    case ProfilArt::Rechteckrohr:
        return r.w.A * m.h / (m.b + m.h);
    case ProfilArt::Rundrohr:
        return 2.0 * r.w.A / 3.141592653589793;
    }
    return 0.0;
}

double SchubflaecheY(const Rechnung& r) {
    const ProfilMasse& m = r.m;
    switch (m.art) {
    case ProfilArt::IProfil:
    case ProfilArt::UProfil:
        return 2 * m.b * m.tf * mm2;
    case ProfilArt::Rechteckrohr:
        return r.w.A * m.b / (m.b + m.h);
    case ProfilArt::Rundrohr:
        return 2.0 * r.w.A / 3.141592653589793;
    }
    return 0.0;
}

double Imperfektion(char linie) {
    switch (linie) {
    case '0':
        return 0.13;
    case 'a':
        return 0.21;
    case 'b':
        return 0.34;
    case 'c':
        return 0.49;
    default:
        return 0.76;
    }
}

double Abminderung(double lambda, char linie, double lambda0, double beta) {
    if (lambda <= lambda0)
        return 1.0;
    const double phi =
        0.5 * (1.0 + Imperfektion(linie) * (lambda - lambda0) + beta * lambda * lambda);
    double chi = 1.0 / (phi + std::sqrt(phi * phi - beta * lambda * lambda));
    chi = std::min(chi, 1.0);
    if (beta != 1.0)
        chi = std::min(chi, 1.0 / (lambda * lambda));
    return chi;
}

char KnicklinieTabelle(const Rechnung& r, double fy, bool umZ) {
    const bool s460 = fy > 420.0;
    const ProfilMasse& m = r.m;
    switch (m.art) {
    case ProfilArt::IProfil:
        if (m.h / m.b > 1.2) {
            if (m.tf <= 40)
                return s460 ? '0' : (umZ ? 'b' : 'a');
            return s460 ? 'a' : (umZ ? 'c' : 'b');
        }
        if (m.tf <= 100)
            return s460 ? 'a' : (umZ ? 'c' : 'b');
        return s460 ? 'c' : 'd';
    case ProfilArt::UProfil:
        return 'c';
    case ProfilArt::Rechteckrohr:
    case ProfilArt::Rundrohr:
        return s460 ? '0' : 'a'; // hot-finished
    }
    return 'd';
}

bool LinieGueltig(char linie) {
    return linie == 0 || linie == '`' || (linie >= 'a' && linie <= 'd');
}

std::string LinieName(char linie) {
    return linie == '0' ? "a0" : std::string(1, linie);
}

double Ausnutzung(const std::function<double(double)>& kriterium) {
    double hi = 1.0;
    for (int i = 0; kriterium(hi) < 1.0; ++i) {
        if (i == 200)
            return 0.0; // no load that counts
        hi *= 2.0;
    }
    double lo = hi;
    for (int i = 0; kriterium(lo) >= 1.0; ++i) {
        if (i == 200)
            return HUGE_VAL; // fails without load
        lo /= 2.0;
    }
    for (int i = 0; i < 80; ++i) {
        const double mitte = 0.5 * (lo + hi);
        (kriterium(mitte) < 1.0 ? lo : hi) = mitte;
    }
    return 1.0 / (0.5 * (lo + hi));
}

} // namespace stahl
