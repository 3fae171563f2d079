#include "sectionlib/SchubCalc.h"

#include "sectionlib/Beton.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAlphaCC = 0.85;   // fcd = αcc·fck/γc, as the design class takes it
constexpr double kFckMax = 90.0;    // EN 1992-1-1 ends at C90/105
constexpr double kRhoLMax = 0.02;   // ρl counts up to 2 %
constexpr double kSigmaCpMax = 0.2; // σcp counts up to 0.2·fcd
constexpr double kNaCotBasis = 1.2; // national annex: (1.2 + 1.4·σcp/fcd)/(1 − VRd,cc/VEd)
constexpr double kNaCotSigma = 1.4;
constexpr double kNaVrdccC = 0.5 * 0.48; // c·0.48 of VRd,cc
constexpr double kNaVrdccSigma = 1.2;
constexpr double kToleranz = 1e-9;

// The constants that tell the codes apart.
struct SchubRegeln {
    double cRdc;     // CRd,c·γc
    double k1;       // factor of σcp
    bool vminNach_d; // vmin = κ1/γc·k^1.5·√fck with κ1 by d (else 0.035·k^1.5·√fck)
    double cotMin;   // lower limit of cot θ
    double cotMax;   // upper limit of cot θ
    bool cotFormel;  // upper limit also by (1.2 + 1.4·σcp/fcd)/(1 − VRd,cc/VEd)
    bool nu1Annex;   // ν1 = 0.75·ν2 (else 0.6·(1 − fck/250))
    bool rhoAusFctm; // ρw,min = 0.16·fctm/fyk (else 0.08·√fck/fyk)
};

constexpr SchubRegeln kEmpfohlen{0.18, 0.15, false, 1.0, 2.5, false, false, false};
constexpr SchubRegeln kAnhangDE{0.15, 0.12, true, 1.0, 3.0, true, true, true};
constexpr SchubRegeln kDin1045_1{0.15, 0.12, true, 0.58, 3.0, true, true, true};

const SchubRegeln* RegelnFuer(int iNorm, int variante) {
    if (!beton::NormBerechnet(iNorm, variante))
        return nullptr;
    if (iNorm == 3)
        return &kDin1045_1;
    return beton::DeutscheRegeln(iNorm, variante) ? &kAnhangDE : &kEmpfohlen;
}

// Mean tensile strength after EN 1992-1-1 Table 3.1.
double Fctm(double fck) {
    if (fck <= 50.0)
        return 0.30 * std::pow(fck, 2.0 / 3.0);
    return 2.12 * std::log(1.0 + (fck + 8.0) / 10.0);
}

struct Querschnitt {
    double bw = 0.0; // web width, cm
    double h = 0.0;  // depth, cm
    double Ac = 0.0; // gross area, cm²
};

// The section, or false for a shape these rules do not know.
bool QuerschnittAus(const SchubCalcEingabe& in, Querschnitt& q) {
    const auto& d = in.d;
    if (in.iQuer == 1) {
        q = {d[1], d[2], d[1] * d[2]};
        return true;
    }
    if (in.iQuer == 2 && d[5] == 0.0) {
        q = {d[3], d[2] + d[4], d[1] * d[2] + d[3] * d[4]};
        return true;
    }
    return false;
}

bool Endlich(std::initializer_list<double> werte) {
    return std::all_of(werte.begin(), werte.end(), [](double w) { return std::isfinite(w); });
}

int Abbruch(SchubCalcAusgabe& out, int status) {
    out.Status = status;
    out.Fehler = status;
    return status;
}

double VminKappa(const SchubRegeln& r, double d_mm) {
    if (!r.vminNach_d)
        return 0.0;
    constexpr double kDKlein = 600.0, kDGross = 800.0, kKlein = 0.0525, kGross = 0.0375;
    if (d_mm <= kDKlein)
        return kKlein;
    if (d_mm >= kDGross)
        return kGross;
    return kKlein + (kGross - kKlein) * (d_mm - kDKlein) / (kDGross - kDKlein);
}

} // namespace

int SchubCalc(const SchubCalcEingabe& in, SchubCalcAusgabe& out) {
    out = SchubCalcAusgabe{};
    const SchubRegeln* regeln = RegelnFuer(in.iNorm, in.NormVariante);
    if (regeln == nullptr) {
        if (in.iNorm == 1)
            out.StatusAlt = SCHUB_STATUS_ALT_ABGELEHNT;
        return Abbruch(out, SCHUB_NORM);
    }
    const SchubRegeln& r = *regeln;
    Querschnitt q;
    if (!QuerschnittAus(in, q))
        return Abbruch(out, SCHUB_QUERSCHNITT);
    if (in.Typ == 'L' || in.Typ == 'l')
        return Abbruch(out, SCHUB_LEICHTBETON);
    if (!Endlich({in.VEd, in.TEd, in.NEd, in.z, in.fck, in.fyk, in.gammaC, in.gammaS, q.bw, q.h,
                  in.d1, in.AsL, in.alpha, in.cotTheta}))
        return Abbruch(out, SCHUB_EINGABE);
    const double dEff = q.h - in.d1;
    if (q.bw <= 0.0 || q.h <= 0.0 || q.Ac <= 0.0 || in.d1 < 0.0 || dEff <= 0.0 || in.fck <= 0.0 ||
        in.fck > kFckMax || in.fyk <= 0.0 || in.gammaC <= 0.0 || in.gammaS <= 0.0 || in.AsL < 0.0 ||
        in.z < 0.0 || in.z > dEff || in.cotTheta < 0.0)
        return Abbruch(out, SCHUB_EINGABE);
    if (in.TEd != 0.0)
        return Abbruch(out, SCHUB_TORSION);
    if (in.alpha < 45.0 - kToleranz || in.alpha > 90.0 + kToleranz)
        return Abbruch(out, SCHUB_WINKEL);

    // Everything below in N and mm.
    const double bw = q.bw * 10.0, d = dEff * 10.0;
    const double z = (in.z > 0.0 ? in.z : 0.9 * dEff) * 10.0;
    const double VEd = std::fabs(in.VEd) * 1000.0;
    const double fck = in.fck, fcd = kAlphaCC * fck / in.gammaC, fywd = in.fyk / in.gammaS;
    const double alpha = in.alpha * kPi / 180.0;
    const double sinA = std::sin(alpha);
    const double cotA = in.alpha >= 90.0 ? 0.0 : std::cos(alpha) / sinA;

    const double sigmaCp = std::min(-in.NEd * 1000.0 / (q.Ac * 100.0), kSigmaCpMax * fcd);
    const double rhoL = std::min(in.AsL / (q.bw * dEff), kRhoLMax);
    const double k = std::min(2.0, 1.0 + std::sqrt(200.0 / d));

    // Shear resistance without links, with its lower bound; axial tension may use it up.
    const double vmin = r.vminNach_d
                            ? VminKappa(r, d) / in.gammaC * std::pow(k, 1.5) * std::sqrt(fck)
                            : 0.035 * std::pow(k, 1.5) * std::sqrt(fck);
    const double VRdcMin = std::max(0.0, (vmin + r.k1 * sigmaCp) * bw * d);
    const double VRdcRechn =
        (r.cRdc / in.gammaC * k * std::cbrt(100.0 * rhoL * fck) + r.k1 * sigmaCp) * bw * d;
    const double VRdc = std::max(VRdcMin, VRdcRechn);

    // Upper limit of the strut angle.
    double cotMax = r.cotMax;
    if (r.cotFormel) {
        const double VRdcc =
            kNaVrdccC * std::cbrt(fck) * (1.0 - kNaVrdccSigma * sigmaCp / fcd) * bw * z;
        if (VEd > VRdcc)
            cotMax =
                std::min(cotMax, (kNaCotBasis + kNaCotSigma * sigmaCp / fcd) / (1.0 - VRdcc / VEd));
        cotMax = std::max(cotMax, r.cotMin);
    }

    // Crushing of the struts: VRd,max(c) = K·(c + cot α)/(1 + c²), αcw = 1.
    const double nu1 =
        r.nu1Annex ? 0.75 * std::min(1.0, 1.1 - fck / 500.0) : 0.6 * (1.0 - fck / 250.0);
    const double K = bw * z * nu1 * fcd;
    auto VRdmaxBei = [&](double c) { return K * (c + cotA) / (1.0 + c * c); };

    double cot = 0.0;
    if (in.cotTheta > 0.0) {
        if (in.cotTheta < r.cotMin - kToleranz || in.cotTheta > cotMax + kToleranz)
            return Abbruch(out, SCHUB_COT_THETA);
        cot = in.cotTheta;
    } else {
        cot = cotMax;
        if (VRdmaxBei(cot) < VEd) {
            // The largest c with VRd,max(c) = VEd: VEd·c² − K·c + VEd − K·cot α = 0.
            const double disk = K * K - 4.0 * VEd * (VEd - K * cotA);
            if (disk >= 0.0)
                cot = std::min(cot, (K + std::sqrt(disk)) / (2.0 * VEd));
            out.Hinweis = 1;
        }
    }
    const double VRdmax = VRdmaxBei(cot);
    if (VEd > VRdmax * (1.0 + kToleranz) || cot < r.cotMin - kToleranz)
        return Abbruch(out, SCHUB_VRDMAX);

    // Links: VRd,s = asw·z·fywd·(cot θ + cot α)·sin α; asw in mm²/mm, ×10 gives cm²/m.
    const double rhoWMin =
        r.rhoAusFctm ? 0.16 * Fctm(fck) / in.fyk : 0.08 * std::sqrt(fck) / in.fyk;
    const double aswMin = rhoWMin * bw * sinA;
    const double aswRechn = VEd > VRdc ? VEd / (z * fywd * (cot + cotA) * sinA) : 0.0;
    double asw = std::max(aswRechn, aswMin);
    int status = aswRechn >= aswMin ? SCHUB_OK : SCHUB_MINDESTBEWEHRUNG;
    if (VEd <= VRdc) {
        status = SCHUB_OHNE_BEWEHRUNG;
        if (in.Platte == 1)
            asw = 0.0;
    }

    auto& o = out.o;
    o[SCHUB_VRDC] = VRdc / 1000.0;
    o[SCHUB_VRDMAX_W] = VRdmax / 1000.0;
    o[SCHUB_COTTHETA] = cot;
    o[SCHUB_ASW_ERF] = asw * 10.0;
    o[SCHUB_ASL_ZUSATZ] = 0.0;
    o[SCHUB_VED] = VEd / 1000.0;
    o[SCHUB_VRDC_MIN] = VRdcMin / 1000.0;
    o[SCHUB_VRDS] = asw * z * fywd * (cot + cotA) * sinA / 1000.0;
    o[SCHUB_Z] = z / 10.0;
    o[SCHUB_D] = dEff;
    o[SCHUB_RHOL] = rhoL * 100.0;
    o[SCHUB_ASW_MIN] = aswMin * 10.0;
    o[SCHUB_SIGMA_CP] = sigmaCp;
    o[SCHUB_COT_MAX] = cotMax;
    out.Status = status;
    return status;
}
