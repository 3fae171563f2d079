#include "sectionlib/StahlIntern.h"

#include <cmath>
#include <numbers>

namespace {

using stahl::Rechnung;

// A stress point: where it lies (cm from the centroid, z downward) and its shear stress
// (kN/cm²) from the magnitudes of Vy, Vz and T. Normal stresses follow from the place.
struct Punkt {
    std::string name;
    double y, z, tau;
};

// Thin-walled shear flows: τ = V·S / (I·t) with S of the part cut off, plus the torsion
// share (St. Venant: T·t / It; closed sections: Bredt). The loads are taken through the
// shear centre.
std::vector<Punkt> Spannungspunkte(const Rechnung& r, const CST_Lasten& L) {
    const ProfilMasse& m = r.m;
    const ProfilWerte& w = r.w;
    const double vy = std::abs(L[CST_VY]), vz = std::abs(L[CST_VZ]);
    const double T = std::abs(L[CST_T]) * 100.0;
    const double h = w.hoehe, b = w.breite, tw = m.tw / 10, tf = m.tf / 10;
    std::vector<Punkt> p;
    auto gespiegelt = [&](const std::string& name, double y, double z, double tau, bool beideY) {
        for (double sz : {-1.0, 1.0}) {
            if (beideY)
                p.push_back({name, -y, sz * z, tau});
            p.push_back({name, y, sz * z, tau});
        }
    };
    switch (m.art) {
    case ProfilArt::IProfil: {
        const double hw = h - 2 * tf;
        const double tauTf = T * tf / w.It, tauTw = T * tw / w.It;
        gespiegelt("Flanschrand", b / 2, h / 2, tauTf, true);
        gespiegelt("Flansch am Steg", 0.0, h / 2,
                   vy * (tf * b * b / 8) / (w.Iz * tf) + vz * (b / 2) * (h - tf) / 2 / w.Iy + tauTf,
                   false);
        gespiegelt("Stegrand", tw / 2, hw / 2, vz * (b * tf * (h - tf) / 2) / (w.Iy * tw) + tauTw,
                   true);
        p.push_back({"Schwerpunkt", 0.0, 0.0, vz * (w.Wply / 2) / (w.Iy * tw) + tauTw});
        break;
    }
    case ProfilArt::UProfil: {
        const double hw = h - 2 * tf;
        const double tauTf = T * tf / w.It, tauTw = T * tw / w.It;
        const double ruecken = -w.ys, spitze = b - w.ys;
        gespiegelt("Flanschspitze", spitze, h / 2, tauTf, false);
        gespiegelt("Rücken", ruecken, h / 2, tauTf, false);
        gespiegelt("Flansch in Schwerachse", 0.0, h / 2,
                   vy * (tf * spitze * spitze / 2) / (w.Iz * tf) +
                       vz * spitze * (h - tf) / 2 / w.Iy + tauTf,
                   false);
        gespiegelt("Stegrand", ruecken, hw / 2, vz * (b * tf * (h - tf) / 2) / (w.Iy * tw) + tauTw,
                   false);
        p.push_back({"Steg in Schwerachse", ruecken, 0.0, vz * (w.Wply / 2) / (w.Iy * tw) + tauTw});
        break;
    }
    case ProfilArt::Rechteckrohr: {
        const double t = tw;
        const double tauT = T / (2.0 * (b - t) * (h - t) * t);
        gespiegelt("Ecke", b / 2, h / 2, tauT, true);
        for (double s : {-1.0, 1.0}) {
            p.push_back({"Stegmitte", s * b / 2, 0.0, vz * (w.Wply / 2) / (w.Iy * 2 * t) + tauT});
            p.push_back({"Gurtmitte", 0.0, s * h / 2, vy * (w.Wplz / 2) / (w.Iz * 2 * t) + tauT});
        }
        break;
    }
    case ProfilArt::Rundrohr: {
        // Around the ring: the shear flow of a thin ring follows the angle to the force.
        const double t = tw, rm = (h - t) / 2;
        const double tauT = T / (2.0 * std::numbers::pi * rm * rm * t);
        constexpr int anzahl = 72;
        for (int i = 0; i < anzahl; ++i) {
            const double th = 2.0 * std::numbers::pi * i / anzahl;
            const double tauV = std::abs(-L[CST_VY] * std::sin(th) + L[CST_VZ] * std::cos(th)) /
                                (std::numbers::pi * rm * t);
            p.push_back({"Umfang", h / 2 * std::cos(th), h / 2 * std::sin(th), tauV + tauT});
        }
        break;
    }
    }
    return p;
}

} // namespace

int CST_iCalcElastic(int h, double fy, const CST_Lasten& L, int art, CST_ErgElastic& erg) {
    erg = CST_ErgElastic{};
    erg.art = art;
    const Rechnung* r = stahl::Finden(h);
    if (!r)
        return erg.text = CST_LetzterFehler(), CST_FEHLER;
    if (const std::string f = stahl::EingabePruefen(fy, L); !f.empty())
        return erg.text = stahl::Fehler(f), CST_FEHLER;
    if (stahl::Klasse(*r, fy, L) > 3)
        return erg.text = stahl::Fehler("Querschnittsklasse 4 (wirksamer Querschnitt) ist nicht "
                                        "implementiert"),
               CST_FEHLER;
    const ProfilWerte& w = r->w;
    const double fyd = fy / r->gammaM0; // N/mm²
    for (const Punkt& q : Spannungspunkte(*r, L)) {
        // kN/cm² to N/mm²: × 10. N compression positive, My stretches z > 0, Mz stretches y > 0.
        const double sigma = 10.0 * (-L[CST_N] / w.A + L[CST_MY] * 100.0 * q.z / w.Iy +
                                     L[CST_MZ] * 100.0 * q.y / w.Iz);
        const double tau = 10.0 * q.tau;
        const double sigmaV = std::sqrt(sigma * sigma + 3.0 * tau * tau);
        erg.punkte.push_back({q.name, q.y, q.z, sigma, tau, sigmaV});
        if (erg.massgebend < 0 || sigmaV > erg.punkte[erg.massgebend].sigmaV)
            erg.massgebend = static_cast<int>(erg.punkte.size()) - 1;
    }
    erg.eta = erg.punkte[erg.massgebend].sigmaV / fyd;
    erg.status = CST_OK;
    return CST_OK;
}
