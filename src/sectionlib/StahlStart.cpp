#include "sectionlib/ProfilDatenbank.h"
#include "sectionlib/StahlIntern.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <numbers>

namespace {

std::map<int, stahl::Rechnung> g_rechnungen;
int g_naechste = 1;
std::string g_fehler;

std::string normiert(const std::string& s) {
    std::string r;
    for (char c : s)
        if (!std::isspace(static_cast<unsigned char>(c)))
            r += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return r;
}

// The code of the text and number; the refusal text when it is not built.
std::string NormPruefen(const std::string& norm, int normNr) {
    const std::string n = normiert(norm);
    const std::string gebaut = "nur EN 1993-1-1 (NormNr 0: empfohlene Werte, 1: deutscher Anhang)";
    if (n == "DIN" || n == "DIN18800")
        return "Norm \"" + norm + "\" (DIN 18800, gammaM 1,1) ist nicht implementiert; " + gebaut;
    if (n != "EN1993-1-1" && n != "DINEN1993-1-1" && n != "EN" && n != "EC3")
        return "Unbekannte Norm \"" + norm + "\"; " + gebaut;
    if (normNr != 0 && normNr != 1)
        return "NormNr " + std::to_string(normNr) + " zu EN 1993-1-1 unbekannt; " + gebaut;
    return "";
}

} // namespace

namespace stahl {

Rechnung* Finden(int h) {
    const auto r = g_rechnungen.find(h);
    if (r == g_rechnungen.end()) {
        Fehler("ungültiger Rechnungs-Handle " + std::to_string(h));
        return nullptr;
    }
    return &r->second;
}

const std::string& Fehler(const std::string& text) {
    return g_fehler = text;
}

bool IstIProfil(const Rechnung& r) {
    return r.m.art == ProfilArt::IProfil;
}

bool IstHohlprofil(const Rechnung& r) {
    return r.m.art == ProfilArt::Rechteckrohr || r.m.art == ProfilArt::Rundrohr;
}

std::string FestigkeitPruefen(double fy) {
    if (!(fy > 0.0) || !std::isfinite(fy))
        return "Streckgrenze fy muss größer als 0 sein (N/mm²)";
    if (fy > 700.0)
        return "Streckgrenze fy über 700 N/mm²: EN 1993-1-1 gilt bis S700";
    return "";
}

std::string EingabePruefen(double fy, const CST_Lasten& L) {
    for (double v : L)
        if (!std::isfinite(v))
            return "Schnittgrößen müssen endliche Zahlen sein";
    return FestigkeitPruefen(fy);
}

} // namespace stahl

int CST_iStart(int profil, const std::string& norm, int normNr, double gammaM0, double gammaM1,
               double gammaM2, double /*reserve*/, const std::string& /*zusatz*/) {
    const ProfilMasse* m = KRV_PRO_Masse(profil);
    const ProfilWerte* w = KRV_PRO_Werte(profil);
    if (!m || !w) {
        stahl::Fehler("Profilobjekt " + std::to_string(profil) + " ist nicht berechnet");
        return 0;
    }
    if (const std::string f = NormPruefen(norm, normNr); !f.empty()) {
        stahl::Fehler(f);
        return 0;
    }
    if (!(gammaM0 > 0.0 && gammaM1 > 0.0 && gammaM2 > 0.0)) {
        stahl::Fehler("Teilsicherheitsbeiwerte gammaM0, gammaM1, gammaM2 müssen größer als 0 sein");
        return 0;
    }
    stahl::Rechnung r;
    r.m = *m;
    r.w = *w;
    r.name = KRV_PRO_Name(profil);
    r.deutschesNA = normNr == 1;
    r.gammaM0 = gammaM0;
    r.gammaM1 = gammaM1;
    r.gammaM2 = gammaM2;
    const int h = g_naechste++;
    g_rechnungen.emplace(h, r);
    return h;
}

int CST_iEnd(int h) {
    return g_rechnungen.erase(h) > 0 ? 1 : 0;
}

int CST_iGetProfTypFei(int h) {
    const stahl::Rechnung* r = stahl::Finden(h);
    return r ? static_cast<int>(r->m.art) : 0;
}

int CST_iGetPlasticValues(int h, double fyd, std::array<double, 6>& p) {
    p.fill(0.0);
    const stahl::Rechnung* r = stahl::Finden(h);
    if (!r)
        return 0;
    if (const std::string f = stahl::FestigkeitPruefen(fyd); !f.empty()) {
        stahl::Fehler(f);
        return 0;
    }
    const double f = stahl::kNcm2(fyd);
    const double tau = f / std::numbers::sqrt3;
    p[CST_P_NPL] = r->w.A * f;
    p[CST_P_MPLY] = r->w.Wply * f / 100.0;
    p[CST_P_MPLZ] = r->w.Wplz * f / 100.0;
    p[CST_P_VPLZ] = stahl::SchubflaecheZ(*r, fyd) * tau;
    p[CST_P_VPLY] = stahl::SchubflaecheY(*r) * tau;
    return 1;
}

int CST_iGetDimensions(int h, std::array<double, 11>& d) {
    d.fill(0.0);
    const stahl::Rechnung* r = stahl::Finden(h);
    if (!r)
        return 0;
    constexpr double cm = 0.1;
    const ProfilMasse& m = r->m;
    d[CST_D_RADIUS] = m.r * cm;
    d[CST_D_HOEHE] = m.h * cm;
    d[CST_D_BREITE] = m.b * cm;
    d[CST_D_RADIUS2] = m.r2 * cm;
    d[CST_D_STEG] = (m.h - 2 * m.tf) * cm;
    d[CST_D_STEGDICKE] = m.tw * cm;
    d[CST_D_WINKEL] = r->w.alpha * 180.0 / std::numbers::pi;
    d[CST_D_GURT_OBEN] = d[CST_D_GURT_UNTEN] = m.b * cm;
    d[CST_D_DICKE_OBEN] = d[CST_D_DICKE_UNTEN] = m.tf * cm;
    if (m.art == ProfilArt::Rechteckrohr)
        d[CST_D_STEG] = m.h * cm;
    if (m.art == ProfilArt::Rundrohr)
        d[CST_D_STEG] = m.h / 2 * cm;
    return 1;
}

int CST_iGetTqsValues(int h, std::array<double, 20>& t) {
    t.fill(0.0);
    const stahl::Rechnung* r = stahl::Finden(h);
    if (!r)
        return 0;
    const ProfilWerte& w = r->w;
    t[CST_T_A] = w.A;
    t[CST_T_IY] = w.Iy;
    t[CST_T_IZ] = w.Iz;
    t[CST_T_IT] = w.It;
    t[CST_T_WINKEL] = w.alpha;
    t[CST_T_IW] = w.Iw;
    t[CST_T_IYZ] = w.Iyz;
    t[CST_T_WY_OBEN] = w.WyOben;
    t[CST_T_WY_UNTEN] = w.WyUnten;
    t[CST_T_WZ_LINKS] = w.WzLinks;
    t[CST_T_WZ_RECHTS] = w.WzRechts;
    t[CST_T_YS] = w.ys;
    t[CST_T_ZS] = w.zs;
    t[CST_T_WPLY] = w.Wply;
    t[CST_T_WPLZ] = w.Wplz;
    t[CST_T_I1] = w.I1;
    t[CST_T_I2] = w.I2;
    t[CST_T_YM] = w.yM;
    t[CST_T_YMIN] = 0.0;
    t[CST_T_ZMAX] = w.hoehe;
    return 1;
}

int CST_iSetAdditionalValues(int h, const double* werte, int anzahl) {
    stahl::Rechnung* r = stahl::Finden(h);
    if (!r)
        return 0;
    if (!werte || anzahl < 1 || anzahl > 2) {
        stahl::Fehler("CST_iSetAdditionalValues: 1 oder 2 Werte (E, G) erwartet");
        return 0;
    }
    for (int i = 0; i < anzahl; ++i)
        if (!(werte[i] > 0.0) || !std::isfinite(werte[i])) {
            stahl::Fehler("Elastizitäts- und Schubmodul müssen größer als 0 sein");
            return 0;
        }
    r->E = werte[0];
    if (anzahl == 2)
        r->G = werte[1];
    return 1;
}

int CST_iSetBLines(int h, char linieY, char linieZ) {
    stahl::Rechnung* r = stahl::Finden(h);
    if (!r)
        return 0;
    if (!stahl::LinieGueltig(linieY) || !stahl::LinieGueltig(linieZ)) {
        stahl::Fehler("Knicklinie muss a, b, c, d oder offen sein");
        return 0;
    }
    r->linieY = linieY == '`' ? 0 : linieY;
    r->linieZ = linieZ == '`' ? 0 : linieZ;
    return 1;
}

int CST_iSetLTBLines(int h, char linie) {
    stahl::Rechnung* r = stahl::Finden(h);
    if (!r)
        return 0;
    if (!stahl::LinieGueltig(linie)) {
        stahl::Fehler("Knicklinie muss a, b, c, d oder offen sein");
        return 0;
    }
    r->linieLT = linie == '`' ? 0 : linie;
    return 1;
}

void CST_ResElasticClear(CST_ErgElastic& erg) {
    erg = CST_ErgElastic{};
}
void CST_ResBucklingClear(CST_ErgBuckling& erg) {
    erg = CST_ErgBuckling{};
}
void CST_ResLTBucklingClear(CST_ErgLTBuckling& erg) {
    erg = CST_ErgLTBuckling{};
}
void CST_ResElasticCopy(CST_ErgElastic& ziel, const CST_ErgElastic& quelle) {
    ziel = quelle;
}

const std::string& CST_LetzterFehler() {
    return g_fehler;
}

CstRechnung& CstRechnung::operator=(CstRechnung&& o) noexcept {
    if (this != &o) {
        if (m_handle > 0)
            CST_iEnd(m_handle);
        m_handle = o.m_handle;
        o.m_handle = 0;
    }
    return *this;
}

CstRechnung::~CstRechnung() {
    if (m_handle > 0)
        CST_iEnd(m_handle);
}
