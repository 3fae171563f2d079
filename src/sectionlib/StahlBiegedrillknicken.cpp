#include "sectionlib/StahlIntern.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using stahl::Rechnung;

double oderEins(double v) {
    return v > 0.0 ? v : 1.0;
}

// Elastic critical moment (kNm) of a doubly symmetric I-section: C1, C2 for the moment
// diagram, zg for the load point above the shear centre, k and kw for the end
// conditions; Lz in cm.
double Mcr(const Rechnung& r, const CST_BDKDaten& bdk, double lzCm) {
    const double E = stahl::kNcm2(r.E), G = stahl::kNcm2(r.G);
    const double c1 = oderEins(bdk[CST_BDK_C1]), c2 = bdk[CST_BDK_C2], zg = bdk[CST_BDK_ZG];
    const double k = oderEins(bdk[CST_BDK_K]), kw = oderEins(bdk[CST_BDK_KW]);
    const double pi2 = std::numbers::pi * std::numbers::pi;
    const double kl = k * lzCm;
    const double basis = c1 * pi2 * E * r.w.Iz / (kl * kl);
    const double wurzel =
        std::sqrt((k / kw) * (k / kw) * r.w.Iw / r.w.Iz +
                  kl * kl * G * r.w.It / (pi2 * E * r.w.Iz) + (c2 * zg) * (c2 * zg));
    return basis * (wurzel - c2 * zg) / 100.0;
}

} // namespace

int CST_iCalcLTBuckling(int h, double fy, const CST_Lasten& L, const CST_BDKDaten& bdk,
                        CST_ErgLTBuckling& erg) {
    erg = CST_ErgLTBuckling{};
    const Rechnung* r = stahl::Finden(h);
    if (!r)
        return erg.text = CST_LetzterFehler(), CST_FEHLER;
    if (stahl::IstHohlprofil(*r)) {
        // Closed sections are stiff in torsion: lateral-torsional buckling does not occur.
        erg.status = CST_NICHT_ANWENDBAR;
        erg.text = "Biegedrillknicken bei Hohlprofilen nicht maßgebend (nicht anwendbar)";
        return CST_NICHT_ANWENDBAR;
    }
    if (!stahl::IstIProfil(*r))
        return erg.text = stahl::Fehler("Biegedrillknicken ist nur für doppeltsymmetrische "
                                        "I-Profile implementiert"),
               CST_FEHLER;
    if (const std::string f = stahl::EingabePruefen(fy, L); !f.empty())
        return erg.text = stahl::Fehler(f), CST_FEHLER;
    for (double v : bdk)
        if (!std::isfinite(v))
            return erg.text = stahl::Fehler("Biegedrillknicken: Daten nicht endlich"), CST_FEHLER;
    const double werte[] = {bdk[CST_BDK_LY],    bdk[CST_BDK_LZ], bdk[CST_BDK_BETAY],
                            bdk[CST_BDK_BETAZ], bdk[CST_BDK_C1], bdk[CST_BDK_K],
                            bdk[CST_BDK_KW],    bdk[CST_BDK_KC]};
    for (double v : werte)
        if (v < 0.0)
            return erg.text = stahl::Fehler("Biegedrillknicken: Längen und Beiwerte dürfen nicht "
                                            "negativ sein"),
                   CST_FEHLER;
    if (bdk[CST_BDK_LZ] <= 0.0)
        return erg.text = stahl::Fehler("Biegedrillknicken: Länge zwischen den seitlichen "
                                        "Halterungen (lz) muss größer als 0 sein"),
               CST_FEHLER;
    const double verfahren = bdk[CST_BDK_VERFAHREN];
    if (verfahren != 0.0 && verfahren != 1.0)
        return erg.text = stahl::Fehler("Biegedrillknicken: Verfahren 0 (allgemein) oder 1 "
                                        "(Walzprofile) erwartet"),
               CST_FEHLER;
    const double kc = oderEins(bdk[CST_BDK_KC]);
    if (kc > 1.0)
        return erg.text = stahl::Fehler("Biegedrillknicken: Korrekturbeiwert kc höchstens 1"),
               CST_FEHLER;
    erg.klasse = stahl::Klasse(*r, fy, L);
    if (erg.klasse > 3)
        return erg.text = stahl::Fehler("Querschnittsklasse 4 (wirksamer Querschnitt) ist nicht "
                                        "implementiert"),
               CST_FEHLER;

    const bool gewalzt = verfahren == 1.0;
    const double hb = r->m.h / r->m.b;
    if (gewalzt && r->deutschesNA && hb > 3.1)
        return erg.text = stahl::Fehler("Biegedrillknicken nach dem Verfahren für Walzprofile: "
                                        "nach dem deutschen Anhang nur bis h/b = 3,1"),
               CST_FEHLER;
    const double lzCm = bdk[CST_BDK_LZ] * 100.0;
    stahl::Bauteil b = stahl::Widerstaende(*r, fy, erg.klasse);
    erg.Mcr = Mcr(*r, bdk, lzCm);
    erg.lambdaLT = std::sqrt(b.MyRk / 100.0 / erg.Mcr);
    // Table 6.4 (general case) and Table 6.5 (rolled sections).
    erg.linie = r->linieLT ? r->linieLT
                : gewalzt  ? (hb <= 2.0 ? 'b' : 'c')
                           : (hb <= 2.0 ? 'a' : 'b');
    if (gewalzt) {
        erg.chiLT = stahl::Abminderung(erg.lambdaLT, erg.linie, 0.4, 0.75);
        erg.f =
            std::min(1.0, 1.0 - 0.5 * (1.0 - kc) * (1.0 - 2.0 * std::pow(erg.lambdaLT - 0.8, 2)));
        erg.chiLTmod = std::min({erg.chiLT / erg.f, 1.0, 1.0 / (erg.lambdaLT * erg.lambdaLT)});
    } else {
        erg.chiLT = erg.chiLTmod = stahl::Abminderung(erg.lambdaLT, erg.linie);
    }
    erg.MbRd = erg.chiLTmod * b.MyRk / r->gammaM1 / 100.0;

    // The member interaction with the lateral-torsional reduction (Table B.2).
    b.chiLT = erg.chiLTmod;
    b.torsionsweich = true;
    b.y =
        stahl::Biegeknicken(*r, fy, bdk[CST_BDK_LY] * oderEins(bdk[CST_BDK_BETAY]) * 100.0, false);
    b.z = stahl::Biegeknicken(*r, fy, lzCm * oderEins(bdk[CST_BDK_BETAZ]), true);
    const double N = std::max(L[CST_N], 0.0);
    const double My = std::abs(L[CST_MY]) * 100.0, Mz = std::abs(L[CST_MZ]) * 100.0;
    const stahl::Interaktion k = stahl::Interaktionsnachweis(*r, b, N, My, Mz);
    erg.eta661 = k.eta661;
    erg.eta662 = k.eta662;
    erg.eta = stahl::Ausnutzung([&](double s) {
        const stahl::Interaktion ks = stahl::Interaktionsnachweis(*r, b, s * N, s * My, s * Mz);
        return std::max(ks.eta661, ks.eta662);
    });
    erg.status = CST_OK;
    return CST_OK;
}
