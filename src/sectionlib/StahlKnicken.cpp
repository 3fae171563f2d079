#include "sectionlib/StahlIntern.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace stahl {

Knickachse Biegeknicken(const Rechnung& r, double fy, double lcrCm, bool umZ) {
    Knickachse k;
    const char gesetzt = umZ ? r.linieZ : r.linieY;
    k.linie = gesetzt ? gesetzt : KnicklinieTabelle(r, fy, umZ);
    if (lcrCm <= 0.0)
        return k;
    const double E = kNcm2(r.E);
    const double I = umZ ? r.w.Iz : r.w.Iy;
    k.Ncr = std::numbers::pi * std::numbers::pi * E * I / (lcrCm * lcrCm);
    k.lambda = std::sqrt(r.w.A * kNcm2(fy) / k.Ncr);
    k.chi = Abminderung(k.lambda, k.linie);
    return k;
}

Bauteil Widerstaende(const Rechnung& r, double fy, int klasse) {
    Bauteil b;
    b.klasse = klasse;
    const double f = kNcm2(fy);
    b.NRk = r.w.A * f;
    b.MyRk = (klasse <= 2 ? r.w.Wply : std::min(r.w.WyOben, r.w.WyUnten)) * f;
    b.MzRk = (klasse <= 2 ? r.w.Wplz : std::min(r.w.WzLinks, r.w.WzRechts)) * f;
    return b;
}

Interaktion Interaktionsnachweis(const Rechnung& r, const Bauteil& b, double N, double My,
                                 double Mz) {
    // Uniform moment along the member: Cmy = Cmz = CmLT = 1 (Table B.3 with ψ = 1), the
    // largest factor the table gives.
    constexpr double cm = 1.0, cmLT = 1.0;
    const double g = r.gammaM1;
    const double ny = N / (b.y.chi * b.NRk / g), nz = N / (b.z.chi * b.NRk / g);
    const double ly = b.y.lambda, lz = b.z.lambda;
    Interaktion k;
    if (b.klasse <= 2) {
        k.kyy = cm * std::min(1.0 + (ly - 0.2) * ny, 1.0 + 0.8 * ny);
        k.kzz = IstIProfil(r) ? cm * std::min(1.0 + (2.0 * lz - 0.6) * nz, 1.0 + 1.4 * nz)
                              : cm * std::min(1.0 + (lz - 0.2) * nz, 1.0 + 0.8 * nz);
        k.kyz = 0.6 * k.kzz;
        k.kzy = 0.6 * k.kyy;
        if (b.torsionsweich)
            k.kzy = lz < 0.4 ? std::min(0.6 + lz, 1.0 - 0.1 * lz * nz / (cmLT - 0.25))
                             : std::max(1.0 - 0.1 * lz * nz / (cmLT - 0.25),
                                        1.0 - 0.1 * nz / (cmLT - 0.25));
    } else {
        k.kyy = cm * std::min(1.0 + 0.6 * ly * ny, 1.0 + 0.6 * ny);
        k.kzz = cm * std::min(1.0 + 0.6 * lz * nz, 1.0 + 0.6 * nz);
        k.kyz = k.kzz;
        k.kzy = b.torsionsweich ? std::max(1.0 - 0.05 * lz * nz / (cmLT - 0.25),
                                           1.0 - 0.05 * nz / (cmLT - 0.25))
                                : 0.8 * k.kyy;
    }
    const double myRd = b.chiLT * b.MyRk / g, mzRd = b.MzRk / g;
    k.eta661 = N / (b.y.chi * b.NRk / g) + k.kyy * My / myRd + k.kyz * Mz / mzRd;
    k.eta662 = N / (b.z.chi * b.NRk / g) + k.kzy * My / myRd + k.kzz * Mz / mzRd;
    return k;
}

} // namespace stahl

namespace {

using stahl::Rechnung;

// Torsional-flexural buckling of a channel (6.3.1.4): the shear centre lies on the axis of
// symmetry y, so the twist couples with the deflection along y (bending about z).
double NcrBiegedrill(const Rechnung& r, double ncrZ, double ltCm) {
    const double E = stahl::kNcm2(r.E), G = stahl::kNcm2(r.G);
    const double y0 = r.w.yM - r.w.ys;
    const double i0q = (r.w.Iy + r.w.Iz) / r.w.A + y0 * y0;
    const double ncrT =
        (G * r.w.It + std::numbers::pi * std::numbers::pi * E * r.w.Iw / (ltCm * ltCm)) / i0q;
    const double beta = 1.0 - y0 * y0 / i0q;
    const double s = ncrZ + ncrT;
    return (s - std::sqrt(s * s - 4.0 * beta * ncrZ * ncrT)) / (2.0 * beta);
}

} // namespace

int CST_iCalcBuckling(int h, double fy, const CST_Lasten& L, double ly, double betaY, double lz,
                      double betaZ, CST_ErgBuckling& erg) {
    erg = CST_ErgBuckling{};
    const Rechnung* r = stahl::Finden(h);
    if (!r)
        return erg.text = CST_LetzterFehler(), CST_FEHLER;
    if (const std::string f = stahl::EingabePruefen(fy, L); !f.empty())
        return erg.text = stahl::Fehler(f), CST_FEHLER;
    const double werte[] = {ly, betaY, lz, betaZ};
    for (double v : werte)
        if (!(v >= 0.0) || !std::isfinite(v))
            return erg.text = stahl::Fehler("Knicklängen und Knicklängenbeiwerte dürfen nicht "
                                            "negativ sein"),
                   CST_FEHLER;
    if (ly <= 0.0 && lz <= 0.0)
        return erg.text = stahl::Fehler("Biegeknicken ohne Knicklänge: ly und lz sind 0"),
               CST_FEHLER;
    erg.klasse = stahl::Klasse(*r, fy, L);
    if (erg.klasse > 3)
        return erg.text = stahl::Fehler("Querschnittsklasse 4 (wirksamer Querschnitt) ist nicht "
                                        "implementiert"),
               CST_FEHLER;
    const double N = std::max(L[CST_N], 0.0); // tension does not buckle; it is not counted
    const double My = std::abs(L[CST_MY]) * 100.0, Mz = std::abs(L[CST_MZ]) * 100.0;
    if (r->m.art == ProfilArt::UProfil && N > 0.0 && (My > 0.0 || Mz > 0.0))
        return erg.text = stahl::Fehler("Biegung mit Druck bei U-Profilen (Interaktion) ist nicht "
                                        "implementiert"),
               CST_FEHLER;

    stahl::Bauteil b = stahl::Widerstaende(*r, fy, erg.klasse);
    const double lcrY = ly * (betaY > 0.0 ? betaY : 1.0) * 100.0;
    const double lcrZ = lz * (betaZ > 0.0 ? betaZ : 1.0) * 100.0;
    b.y = stahl::Biegeknicken(*r, fy, lcrY, false);
    b.z = stahl::Biegeknicken(*r, fy, lcrZ, true);
    if (r->m.art == ProfilArt::UProfil && lcrZ > 0.0) {
        // The channel's weak-axis buckling load is the coupled one, on the curve about z.
        b.z.Ncr = NcrBiegedrill(*r, b.z.Ncr, lcrZ);
        b.z.lambda = std::sqrt(b.NRk / b.z.Ncr);
        b.z.chi = stahl::Abminderung(b.z.lambda, b.z.linie);
    }
    erg.linieY = b.y.linie;
    erg.linieZ = b.z.linie;
    erg.NcrY = b.y.Ncr;
    erg.NcrZ = b.z.Ncr;
    erg.lambdaY = b.y.lambda;
    erg.lambdaZ = b.z.lambda;
    erg.chiY = b.y.chi;
    erg.chiZ = b.z.chi;
    erg.NbyRd = b.y.chi * b.NRk / r->gammaM1;
    erg.NbzRd = b.z.chi * b.NRk / r->gammaM1;
    const stahl::Interaktion k = stahl::Interaktionsnachweis(*r, b, N, My, Mz);
    erg.kyy = k.kyy, erg.kyz = k.kyz, erg.kzy = k.kzy, erg.kzz = k.kzz;
    erg.eta661 = k.eta661;
    erg.eta662 = k.eta662;
    erg.eta = stahl::Ausnutzung([&](double s) {
        const stahl::Interaktion ks = stahl::Interaktionsnachweis(*r, b, s * N, s * My, s * Mz);
        return std::max(ks.eta661, ks.eta662);
    });
    erg.status = CST_OK;
    return CST_OK;
}
