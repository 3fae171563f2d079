#include "design/C1BemessungBeton.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"
#include "sectionlib/Beton.h"
#include "sectionlib/Riss.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// Crack-width limitation of the concrete class: the limit bar diameter under load and
// the minimum reinforcement under restraint, over the library's crack routines.

namespace {

constexpr int kDin1045_1 = 3;
constexpr int kEn1992 = 6;
constexpr int kRechteck = 1;

constexpr double kDuenn = 30.0;      // thickness up to which k is largest, cm
constexpr double kDick = 80.0;       // thickness from which k is smallest, cm
constexpr double kHSternMax = 100.0; // h* = min(h, 1 m), cm
constexpr double kOhneKraft = 0.01;  // kN: smaller axial forces count as none
constexpr double kFct0 = 2.9;        // tensile strength the bar table is made for
constexpr double kFct0Din = 3.0;
constexpr double kDsOhneGrenze = 56.0; // no tension in the bars: no limit of the diameter
constexpr double kSchritt = 9.0;       // the bending run's limit value
constexpr int kModusNachrechnung = 2;  // analysis of the section with its reinforcement
constexpr double kSchiefeBiegung = 0.1;
constexpr int kArtZug = 2;

// kN/cm² ↔ N/mm².
constexpr double kNmm2JeKNcm2 = 10.0;

// The mode of a design object for one call, restored however the call ends.
class ModusFuer {
public:
    ModusFuer(int& modus, int neu) : m_modus(modus), m_alt(modus) { m_modus = neu; }
    ~ModusFuer() { m_modus = m_alt; }
    ModusFuer(const ModusFuer&) = delete;
    ModusFuer& operator=(const ModusFuer&) = delete;

private:
    int& m_modus;
    int m_alt;
};

// Column of the bar table by the crack-width limit: 4 for 0.4 mm, 3 for 0.3 mm, else 2.
int Spalte(double wk) {
    if (IsGleich(wk, 0.4)) {
        return 4;
    }
    return IsGleich(wk, 0.3) ? 3 : 2;
}

std::string Zahl(double x) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.1f", x);
    return puffer;
}

} // namespace

double RissBeiwertK(double h) {
    if (h <= kDuenn) {
        return 1.0;
    }
    if (h >= kDick) {
        return 0.65;
    }
    return 1.0 - (h - kDuenn) * 0.35 / (kDick - kDuenn);
}

double RissBeiwertKDin(double h) {
    if (h <= kDuenn) {
        return 0.8;
    }
    if (h >= kDick) {
        return 0.5;
    }
    return 0.8 - (h - kDuenn) * 0.3 / (kDick - kDuenn);
}

double RissBeiwertKcLast(double N, double A, double h, double fctEff) {
    if (!(A > 0.0 && h > 0.0 && fctEff > 0.0)) {
        return 0.0;
    }
    const double hStern = std::min(h, kHSternMax);
    const double sigmaC = -kNmm2JeKNcm2 * N / A;
    const double k1 = N > kOhneKraft ? 2.0 * hStern / (3.0 * h) : 1.5;
    return std::clamp(0.4 * (1.0 - sigmaC / (k1 * (h / hStern) * fctEff)), 0.0, 1.0);
}

int C1BemessungBeton::RissCalc(const C1RissEingabe& e, C1RissErg& r) {
    Verweigern("RissCalc", true, true);
    int ergebnis = 0;
    if (e.last) {
        ergebnis = std::max(ergebnis, RissCalcLast(e, r));
    }
    if (e.zwang) {
        for (int richtung = 1; richtung <= kRissRichtungen; ++richtung) {
            ergebnis = std::max(ergebnis, RissCalcZwang(richtung, e, r));
        }
    }
    return ergebnis;
}

int C1BemessungBeton::RissCalcLast(const C1RissEingabe& e, C1RissErg& r) {
    Verweigern("RissCalcLast", true, true);
    const double h = Quer.GetHoehe();
    const double b = Quer.GetBreite();
    const double fyd =
        StahlBiegung.fyk / (e.situation == 2 ? StahlBiegung.gammaSA : StahlBiegung.gammaS);

    // The section with its reinforcement under the forces of the check.
    C1MasqueLast last;
    last.N = e.N;
    last.My = e.My;
    last.Mz = e.Mz;
    last.c1 = e.c1;
    last.c2 = e.c2;
    last.situation = e.situation;
    last.grenze = kSchritt;
    C1MasqueErg lauf;
    int status = 0;
    {
        const ModusFuer modus(Modus, kModusNachrechnung);
        status = CalcBiegungNormalkraft(last, lauf, 1);
    }
    r.My = e.My;
    r.Mz = e.Mz;
    r.N = e.N;
    r.sigmaS = 0.0;
    r.grenzDs = 0;
    r.statusLast = status;
    r.text.clear();
    if (status != beton::kOk) {
        // No strains: no stress, and no limit that could be mistaken for one.
        r.text = lauf.text;
        return 0;
    }

    double sigma = ::CalcSTAHL_SPANNUNG(iNorm, lauf.e[5], fyd, StahlBiegung.epsYd);
    if (!(sigma > 0.0)) {
        r.grenzDs = static_cast<int>(kDsOhneGrenze);
        return 1;
    }
    sigma = std::min(std::max(sigma, 1.0), fyd);
    double dsStern = 0.0;
    const int tabelle = ::CalcZWANG_TABELLE_LIM_DS(iNorm, RISS_FALL_LAST, Spalte(e.wk),
                                                   NormVariante, &dsStern, &sigma);
    r.sigmaS = sigma;
    r.statusLast = tabelle;
    if (tabelle > RISS_AUSSERHALB) {
        r.text = "Grenzdurchmesser: Norm oder Eingabe nicht verfügbar";
        return 0;
    }
    if (tabelle == RISS_AUSSERHALB) {
        r.text = "Grenzdurchmesser: Stahlspannung " + Zahl(sigma) +
                 " N/mm² außerhalb der Tabelle, kein Stabdurchmesser zulässig";
    }

    // Depth of the tension zone from the edge strains, and the factors of (7.2).
    const double fctm = BetonSorte.fctm;
    double k = 0.0;
    double kc = 0.0;
    double t = 0.0;
    bool ganzGezogen = false; // no part of the section in compression
    if (iNorm == kEn1992) {
        k = RissBeiwertK(h);
        kc = RissBeiwertKcLast(e.N, Quer.A, h, fctm);
        const double u = std::max(lauf.e[3], lauf.e[4]);
        const double v = std::min(lauf.e[3], lauf.e[4]);
        if (v > 0.0) {
            t = h;
            ganzGezogen = true;
        } else if (u >= 0.0 && u - v > 0.0) {
            t = h * u / (u - v);
        }
    }

    // h − d from the last bending design; without one (or a depth outside the section)
    // the cover of the bars on the tension side.
    const double d = BiegeErg.w[0];
    double hd = h - d;
    if (!(d > 0.0 && d < h)) {
        hd = e.My < 0.0 ? Quer.d1y : Quer.d2y;
    }
    const double R = fctm / (iNorm == kEn1992 ? kFct0 : kFct0Din);
    double F = 0.0;
    if (hd > 0.0) {
        if (iNorm == kDin1045_1) {
            const double T = b > 0.0 ? sigma * (e.c1 + e.c2) / (4.0 * hd * b * kFct0Din) : 0.0;
            F = std::max(R, T);
        } else if (NormVariante == 1) {
            F = std::max(R, R * kc * k * t / (4.0 * hd));
        } else if (ganzGezogen) {
            // Uniform tension: EN 1992-1-1 (7.7N); the bending rule would allow bars up
            // to 4·kc times as thick.
            F = R * t / (8.0 * hd);
        } else {
            F = R * kc * t / (2.0 * hd);
        }
    }
    const double grenz = F > 1.0 ? F * dsStern : dsStern;
    r.grenzDs = static_cast<int>(grenz);
    return 1;
}

int C1BemessungBeton::RissCalcZwang(int richtung, const C1RissEingabe& e, C1RissErg& r) {
    Verweigern("RissCalcZwang", true, true);
    if (richtung < 1 || richtung > kRissRichtungen) {
        return 0;
    }
    const int i = richtung - 1;
    const int art = e.art[i];
    const double fctm = BetonSorte.fctm;
    if (art == 0 || !e.zwang || !(fctm > 0.001) || !(e.ds > 0.001)) {
        return 0;
    }
    auto fehler = [&r, i](int status, const std::string& text) {
        r.statusZwang[i] = status;
        r.text = text;
        return 0;
    };

    std::vector<double> d(static_cast<std::size_t>(std::max(nDim, 10)) + 1, 0.0);
    CopyDimensionen(d.data() + 1, 1);
    const int iQuer = Quer.iQuer;
    double a[7] = {};
    const int flaechen =
        ::CalcQUER_FLAECHEN(iQuer, d.data(), a[0], a[1], a[2], a[3], a[4], a[5], a[6]);
    ThrowIfFalse(!(std::fabs(e.My) > kSchiefeBiegung && std::fabs(e.Mz) > kSchiefeBiegung),
                 "schiefe Biegung nicht möglich", "C1BemessungEC2::RissCalcZwang");
    if (flaechen != RISS_OK) {
        return fehler(flaechen, "Mindestbewehrung: Querschnitt nicht verfügbar");
    }
    double z1 = 0.0, z2 = 0.0, z3 = 0.0;
    const int zug = ::CalcZUGFLAECHE_I(iNorm, iQuer, d.data(), e.My, richtung, art, z1, z2, z3);
    if (zug != RISS_OK) {
        return fehler(zug, "Mindestbewehrung: Zugzone nicht bestimmbar (Norm, Form oder Eingabe)");
    }
    int dehnung = RISS_OK;
    const double s =
        ::CalcDehnungSchwerAchse(iNorm, iQuer, z3, d.data(), e.My, richtung, art, &dehnung);
    if (dehnung != RISS_OK) {
        return fehler(dehnung, "Mindestbewehrung: Spannungszustand nicht bestimmbar");
    }

    const bool din = iNorm == kDin1045_1;
    const double fct = e.fct > 0.01 ? e.fct : fctm;
    const int n = std::max(1, e.n);
    const double dicke = richtung == 1 ? a[5] : richtung == 2 ? a[6] : std::min(a[3], a[4]);
    const double k = din ? (e.wk <= 0.2 ? 1.0 : RissBeiwertKDin(dicke)) : RissBeiwertK(dicke);

    // Effective tensile strength in kN/cm²; early restraint by centric tension takes
    // its share of fctm.
    double fctEff = fct / kNmm2JeKNcm2;
    if (e.flag[i] && art == kArtZug) {
        fctEff = e.fctmFaktor * fctm / kNmm2JeKNcm2;
    }
    if (!(fctEff > 0.0)) {
        return fehler(RISS_EINGABE, "Mindestbewehrung: wirksame Zugfestigkeit nicht über 0");
    }

    // kc: webs and whole sections (7.2), flanges (7.3), centric tension 1.
    double kc = 0.0;
    if (richtung == 3) {
        const double hoehe = Quer.GetHoehe();
        double k1 = 1.5;
        double massstab = 1.0;
        if (iNorm == kEn1992) {
            massstab = dicke / std::min(dicke, kHSternMax);
        } else if (hoehe > kHSternMax) {
            k1 = 0.015 * hoehe;
        }
        kc = std::clamp(0.4 * (1.0 + s / (k1 * massstab)), 0.0, 1.0);
    } else {
        // kc = 0.9·Fcr/(Act·fct,eff) ≥ 0.5; s is Fcr/(Act·fct,eff) in the strength's
        // own units, so no unit enters here.
        kc = std::max(0.5, 0.9 * s);
    }
    if (art == kArtZug) {
        kc = 1.0;
    }

    // Steel stress for the bar: the table's diameter for the effective tensile strength.
    double phi = std::sqrt(static_cast<double>(n)) * e.ds * (din ? kFct0Din : kFct0) /
                 (fctEff * kNmm2JeKNcm2);
    double sigma = 0.0;
    const int tabelle = ::CalcZWANG_TABELLE_LIM_DS(iNorm, RISS_FALL_ZWANG, Spalte(e.wk),
                                                   NormVariante, &phi, &sigma);
    if (tabelle >= RISS_AUSSERHALB || !(sigma > 0.0)) {
        return fehler(tabelle == RISS_OK ? RISS_EINGABE : tabelle,
                      "Mindestbewehrung: Stabdurchmesser " + std::to_string(e.ds) +
                          " mm ist für die Rissbreite zu groß (keine Stahlspannung zulässig)");
    }

    const double act = richtung == 1 ? a[2] : richtung == 2 ? a[1] : a[0];
    const double sigmaKN = sigma / kNmm2JeKNcm2;
    double As = kc * k * fctEff * act / sigmaKN;

    // Thick members under centric restraint (German rules): per face the effective
    // tension area of depth hc,ef = factor·d1, at least k·fct,eff·Act/fyk for that
    // face's half of the tension area.
    if ((NormVariante == 1 || din) && art == kArtZug && iQuer == kRechteck) {
        const double d1 = Quer.ProfAchse == 2 ? Quer.d1z : Quer.d1y;
        if (d1 > 0.0) {
            const double q = Quer.GetHoehe() / d1;
            const double faktor = q >= 30.0  ? 5.0
                                  : q >= 5.0 ? 2.5 + (q - 5.0) * 2.5 / 25.0
                                             : 0.5 * q;
            const double jeSeite =
                std::max(faktor * d1 * d[1] * fctEff / sigmaKN,
                         k * fctEff * (act / 2.0) / (StahlBiegung.fyk / kNmm2JeKNcm2));
            As = std::min(As, 2.0 * jeSeite);
        }
    }

    r.As[i] = As;
    r.zug[i] = z2;
    r.fct = fctEff * kNmm2JeKNcm2;
    r.statusZwang[i] = tabelle;
    return 1;
}

double C1BemessungBeton::CalcDehnungSchwerAchse(int iQuer, double z3, const double* d, double My,
                                                int richtung, int art) const {
    return ::CalcDehnungSchwerAchse(iNorm, iQuer, z3, d, My, richtung, art);
}

int C1BemessungBeton::CalcZUGFLAECHE_I(int iQuer, const double* d, double My, int richtung, int art,
                                       double& z1, double& z2, double& z3) const {
    return ::CalcZUGFLAECHE_I(iNorm, iQuer, d, My, richtung, art, z1, z2, z3);
}

int C1BemessungBeton::CalcZWANG_TABELLE_LIM_DS(int fall, int spalte, double* ds,
                                               double* sigmaS) const {
    return ::CalcZWANG_TABELLE_LIM_DS(iNorm, fall, spalte, NormVariante, ds, sigmaS);
}

int C1BemessungBeton::CalcQUER_FLAECHEN(int iQuer, const double* d, double& a1, double& a2,
                                        double& a3, double& a4, double& a5, double& a6,
                                        double& a7) const {
    return ::CalcQUER_FLAECHEN(iQuer, d, a1, a2, a3, a4, a5, a6, a7);
}
