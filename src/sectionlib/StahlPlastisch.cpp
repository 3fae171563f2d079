#include "sectionlib/StahlIntern.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using stahl::Rechnung;

// Shear-stress share of St. Venant or Bredt torsion (kN/cm²) for a torque in kNm.
double Torsionsspannung(const Rechnung& r, double T) {
    const double t = std::max(r.m.tw, r.m.tf) / 10.0;
    const double kNcm = std::abs(T) * 100.0;
    switch (r.m.art) {
    case ProfilArt::Rechteckrohr: {
        const double am = (r.w.breite - t) * (r.w.hoehe - t);
        return kNcm / (2.0 * am * t);
    }
    case ProfilArt::Rundrohr: {
        const double rm = (r.w.hoehe - t) / 2.0;
        return kNcm / (2.0 * std::numbers::pi * rm * rm * t);
    }
    default:
        return kNcm * t / r.w.It;
    }
}

// Plastic moduli (cm³) of the parts that carry the shear along z and along y; their
// yield strength is reduced by (1 - ρ).
double SchubteilWy(const Rechnung& r) {
    const ProfilMasse& m = r.m;
    switch (m.art) {
    case ProfilArt::IProfil:
    case ProfilArt::UProfil:
        return m.tw * std::pow(m.h - 2 * m.tf, 2) / 4.0 / 1000.0;
    case ProfilArt::Rechteckrohr:
        return 2.0 * m.tw * std::pow(m.h - 2 * m.tw, 2) / 4.0 / 1000.0;
    case ProfilArt::Rundrohr:
        return r.w.Wply;
    }
    return r.w.Wply;
}

double SchubteilWz(const Rechnung& r) {
    const ProfilMasse& m = r.m;
    switch (m.art) {
    case ProfilArt::IProfil:
        return std::min(r.w.Wplz, 2.0 * m.tf * m.b * m.b / 4.0 / 1000.0);
    case ProfilArt::Rechteckrohr:
        return 2.0 * m.tw * std::pow(m.b - 2 * m.tw, 2) / 4.0 / 1000.0;
    default:
        return r.w.Wplz;
    }
}

} // namespace

int CST_iCalcPlastic(int h, double fy, const CST_Lasten& L, CST_ErgPlastic& erg) {
    erg = CST_ErgPlastic{};
    const Rechnung* r = stahl::Finden(h);
    if (!r)
        return erg.text = CST_LetzterFehler(), CST_FEHLER;
    if (const std::string f = stahl::EingabePruefen(fy, L); !f.empty())
        return erg.text = stahl::Fehler(f), CST_FEHLER;
    erg.klasse = stahl::Klasse(*r, fy, L);
    if (erg.klasse > 2)
        return erg.text = stahl::Fehler("Querschnittsklasse " + std::to_string(erg.klasse) +
                                        ": plastische Querschnittstragfähigkeit nur für die "
                                        "Klassen 1 und 2"),
               CST_FEHLER;

    const ProfilMasse& m = r->m;
    const ProfilWerte& w = r->w;
    const double fyd = stahl::kNcm2(fy) / r->gammaM0;
    const double tauRd = fyd / std::numbers::sqrt3;
    const double avz = stahl::SchubflaecheZ(*r, fy), avy = stahl::SchubflaecheY(*r);
    const bool hohl = stahl::IstHohlprofil(*r);
    erg.NplRd = w.A * fyd;
    erg.MplyRd = w.Wply * fyd / 100.0;
    erg.MplzRd = w.Wplz * fyd / 100.0;
    erg.VplzRd = avz * tauRd;
    erg.VplyRd = avy * tauRd;

    // The criterion under the loads times s: 1 at the resistance.
    auto kriterium = [&](double s, double* rhoY = nullptr, double* rhoZ = nullptr) {
        const double N = s * std::abs(L[CST_N]);
        double vy = s * std::abs(L[CST_VY]), vz = s * std::abs(L[CST_VZ]);
        const double my = s * std::abs(L[CST_MY]) * 100.0, mz = s * std::abs(L[CST_MZ]) * 100.0;
        if (m.art == ProfilArt::Rundrohr)
            vy = vz = std::hypot(vy, vz);
        // Torsion lowers the shear resistance (6.2.7(9)).
        const double tt = Torsionsspannung(*r, s * L[CST_T]) / tauRd;
        const double torsion = hohl ? 1.0 - tt : 1.0 - tt / 1.25;
        if (torsion <= 0.0)
            return 1.0 + tt;
        const double red = hohl ? torsion : std::sqrt(torsion);
        const double vplz = avz * tauRd * red, vply = avy * tauRd * red;
        const double cv = std::max(vz / vplz, vy / vply);
        if (cv >= 1.0)
            return cv;
        // Shear above half the resistance lowers the yield strength of the shear area (6.2.10).
        auto rho = [](double v, double vpl) {
            return v > 0.5 * vpl ? std::pow(2.0 * v / vpl - 1.0, 2) : 0.0;
        };
        const double rz = rho(vz, vplz), ry = rho(vy, vply);
        if (rhoY)
            *rhoY = ry, *rhoZ = rz;
        double npl, mply, mplz;
        if (m.art == ProfilArt::Rundrohr) {
            npl = fyd * (w.A - rz * avz);
            mply = mplz = (1.0 - rz) * w.Wply * fyd;
        } else {
            npl = fyd * (w.A - rz * avz - ry * avy);
            mply = fyd * (w.Wply - rz * SchubteilWy(*r));
            mplz = fyd * (w.Wplz - ry * SchubteilWz(*r));
        }
        const double n = N / npl;
        if (n >= 1.0)
            return n + my / mply + mz / mplz;
        // Bending and axial force (6.2.9.1).
        double c = 0.0;
        switch (m.art) {
        case ProfilArt::IProfil: {
            const double a = std::min((w.A - 2.0 * m.b * m.tf / 100.0) / w.A, 0.5);
            const double mny = std::min(mply, mply * (1.0 - n) / (1.0 - 0.5 * a));
            const double mnz = n <= a ? mplz : mplz * (1.0 - std::pow((n - a) / (1.0 - a), 2));
            c = std::pow(my / mny, 2.0) + std::pow(mz / mnz, std::max(5.0 * n, 1.0));
            break;
        }
        case ProfilArt::Rechteckrohr: {
            const double aw = std::min((w.A - 2.0 * m.b * m.tw / 100.0) / w.A, 0.5);
            const double af = std::min((w.A - 2.0 * m.h * m.tw / 100.0) / w.A, 0.5);
            const double mny = std::min(mply, mply * (1.0 - n) / (1.0 - 0.5 * aw));
            const double mnz = std::min(mplz, mplz * (1.0 - n) / (1.0 - 0.5 * af));
            const double e = std::min(6.0, 1.66 / (1.0 - 1.13 * n * n));
            c = std::pow(my / mny, e) + std::pow(mz / mnz, e);
            break;
        }
        case ProfilArt::Rundrohr: {
            const double mn = mply * (1.0 - std::pow(n, 1.7));
            c = (my * my + mz * mz) / (mn * mn);
            break;
        }
        case ProfilArt::UProfil:
            // No interaction curve for channels: the linear sum (6.2).
            c = n + my / mply + mz / mplz;
            break;
        }
        return std::max(c, cv);
    };
    erg.eta = stahl::Ausnutzung([&](double s) { return kriterium(s); });
    kriterium(1.0, &erg.rhoY, &erg.rhoZ);
    erg.status = CST_OK;
    return CST_OK;
}
