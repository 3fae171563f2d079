#include "design/C1BemessungBeton.h"

#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int kDin1045 = 1;
constexpr int kDin1045_1 = 3;
constexpr int kSia = 4;
constexpr int kEn1992 = 6;
constexpr int kDimensionen = 10; // d[0] .. d[9] of a concrete section
constexpr double kWichteBeton = 25.0;

const char* const kTextDin1045 = "Funktion für DIN 1045 (iNorm = 1) nicht zugelassen";
const char* const kTextDin1045_1 = "Funktion für DIN 1045-1 nicht zugelassen";
const char* const kTextSia = "Funktion ist nur für SIA (iNorm = 4) zugelassen";
const char* const kTextEn1992 = "Funktion für DIN EN 1992 nicht zugelassen";
const char* const kTextMauerwerk = "Funktion für Mauerwerksnachweis nicht zugelassen";

std::string Modul(const char* op) {
    return std::string("C1BemessungBeton::") + op;
}

} // namespace

C1BemessungBeton::C1BemessungBeton() {
    Bemetyp = 1;
    nDim = kDimensionen;
    Quer.Bemetyp = 1;
}

C1BemessungBeton::C1BemessungBeton(int norm) : C1BemessungBeton() {
    iNorm = norm;
}

C1BemessungBeton::C1BemessungBeton(const C1BemessungBeton& q)
    : C1Bemessung(q), BetonSorte(q.BetonSorte), StahlBiegung(q.StahlBiegung),
      StahlSchub(q.StahlSchub), Riss(q.Riss), BiegeLast(q.BiegeLast), BiegeErg(q.BiegeErg),
      Schub(q.Schub), bMauerwerk(q.bMauerwerk), Modus(q.Modus), iNorm(q.iNorm),
      NormVariante(q.NormVariante), iForm(q.iForm), iWert(q.iWert), nZulagey(q.nZulagey),
      nZulagez(q.nZulagez), AsI_AsEy(q.AsI_AsEy), AsI_AsEz(q.AsI_AsEz), SchubVors(q.SchubVors),
      SchubErg(q.SchubErg) {
    std::copy(std::begin(q.pKurve), std::end(q.pKurve), std::begin(pKurve));
    std::copy(std::begin(q.Stab), std::end(q.Stab), std::begin(Stab));
}

C1BemessungBeton::~C1BemessungBeton() = default;

double C1BemessungBeton::GetEModul() const {
    return IsBemetypBeton(Bemetyp) ? BetonSorte.Ecm : 0.0;
}

double C1BemessungBeton::GetWichte() const {
    return IsBemetypBeton(Bemetyp) ? kWichteBeton : 0.0;
}

int C1BemessungBeton::QuerschnittRoutine() {
    return IsBemetypBeton(Bemetyp) ? CalcQuerschnitt() : 0;
}

void C1BemessungBeton::Verweigern(const char* op, bool einsAus, bool mauerAus) const {
    if (einsAus && iNorm == kDin1045) {
        throw C1Exception(kTextDin1045, Modul(op));
    }
    if (mauerAus && bMauerwerk) {
        throw C1Exception(kTextMauerwerk, Modul(op));
    }
}

// Refusals of the reinforcement-form settings: code 6 first, then code 3, then (for
// some) every code without masonry, the latter two with the DIN 1045-1 text.
void C1BemessungBeton::VerweigernFormen(const char* op, bool jedeOhneMauer) const {
    if (iNorm == kEn1992) {
        throw C1Exception(kTextEn1992, Modul(op));
    }
    if (iNorm == kDin1045_1 && (jedeOhneMauer || !bMauerwerk)) {
        throw C1Exception(kTextDin1045_1, Modul(op));
    }
    if (jedeOhneMauer && !bMauerwerk) {
        throw C1Exception(kTextDin1045_1, Modul(op));
    }
}

double C1BemessungBeton::GetBeton_fctm() const {
    Verweigern("GetBeton_fctm", true, false);
    return BetonSorte.fctm;
}

int C1BemessungBeton::GetBiege_Dukt() const {
    Verweigern("GetBiege_Dukt", true, true);
    return StahlBiegung.Duktilitaet;
}

double C1BemessungBeton::GetBiege_Es() const {
    Verweigern("GetBiege_Es", true, true);
    return StahlBiegung.Es;
}

std::string C1BemessungBeton::GetSchub_Name() const {
    Verweigern("GetSchub_Name", false, true);
    return StahlSchub.Name;
}

double C1BemessungBeton::GetSchub_fyk() const {
    Verweigern("GetSchub_fyk", false, true);
    return StahlSchub.fyk;
}

double C1BemessungBeton::GetSchub_gamma_sg() const {
    Verweigern("GetSchub_gamma_sg", false, true);
    return StahlSchub.gammaS;
}

double C1BemessungBeton::GetSchub_gamma_sa() const {
    Verweigern("GetSchub_gamma_sa", false, true);
    return StahlSchub.gammaSA;
}

int C1BemessungBeton::GetiForm() const {
    VerweigernFormen("GetiForm", false);
    return iForm;
}

void C1BemessungBeton::SetiForm(int wert) {
    VerweigernFormen("SetiForm", false);
    iForm = wert;
}

int C1BemessungBeton::SetAsI_AsEy(double wert) {
    VerweigernFormen("SetAsI_AsEy", true);
    AsI_AsEy = wert;
    return 1;
}

int C1BemessungBeton::SetAsI_AsEz(double wert) {
    VerweigernFormen("SetAsI_AsEz", true);
    AsI_AsEz = wert;
    return 1;
}

void C1BemessungBeton::SetnZulagey(int wert) {
    VerweigernFormen("SetnZulagey", true);
    nZulagey = wert;
}

void C1BemessungBeton::SetnZulagez(int wert) {
    VerweigernFormen("SetnZulagez", true);
    nZulagez = wert;
}

int C1BemessungBeton::SetNorm(int norm) {
    iNorm = norm;
    return 1;
}

int C1BemessungBeton::SetNormVariante(int variante) {
    NormVariante = variante;
    return 1;
}

int C1BemessungBeton::SetModus(int modus) {
    Modus = modus;
    return 1;
}

int C1BemessungBeton::SetStab1(int wert) {
    Stab[0] = wert;
    return 1;
}

int C1BemessungBeton::SetStab2(int wert) {
    Stab[1] = wert;
    return 1;
}

int C1BemessungBeton::SetStab3(int wert) {
    Stab[2] = wert;
    return 1;
}

int C1BemessungBeton::SetStab4(int wert) {
    Stab[3] = wert;
    return 1;
}

int C1BemessungBeton::SetiWert(int wert) {
    iWert = wert;
    return 1;
}

void C1BemessungBeton::GetMaterial(C1BetonSorte& beton, C1BetonStahl& biegung,
                                   C1BetonStahl& schub) const {
    beton = BetonSorte;
    biegung = StahlBiegung;
    schub = StahlSchub;
}

void C1BemessungBeton::SetMaterial(const C1BetonSorte& beton, const C1BetonStahl& biegung,
                                   const C1BetonStahl& schub) {
    BetonSorte = beton;
    StahlBiegung = biegung;
    StahlSchub = schub;
}

void C1BemessungBeton::GetQuerschnitt(int& iQuer, double* d, double& d1y, double& d2y, double& d1z,
                                      double& d2z) {
    iQuer = Quer.iQuer;
    CopyDimensionen(d, 1);
    d1y = Quer.d1y;
    d2y = Quer.d2y;
    d1z = Quer.d1z;
    d2z = Quer.d2z;
}

void C1BemessungBeton::SetQuerschnitt(int iQuer, const double* d, double d1y, double d2y,
                                      double d1z, double d2z) {
    bool anders = iQuer != Quer.iQuer;
    if (d != nullptr) {
        for (int i = 1; i < nDim && !anders; ++i) {
            anders = static_cast<std::size_t>(i) >= Quer.d.size() || Quer.D(i) != d[i - 1];
        }
    }
    Quer.iQuer = iQuer;
    Quer.d1y = d1y;
    Quer.d2y = d2y;
    Quer.d1z = d1z;
    Quer.d2z = d2z;
    if (d != nullptr && nDim > 0) {
        if (Quer.d.size() < static_cast<std::size_t>(nDim)) {
            Quer.d.resize(static_cast<std::size_t>(nDim), 0.0);
            Quer.nDim = std::max(Quer.nDim, nDim);
        }
        for (int i = 1; i < nDim; ++i) {
            Quer.d.at(static_cast<std::size_t>(i)) = d[i - 1];
        }
    }
    Quer.Bemetyp = 1;
    if (anders) {
        CalcQuerschnitt();
    }
}

void C1BemessungBeton::SetQuer(const C1Quer& q) {
    bool anders = q.iQuer != Quer.iQuer;
    for (int i = 0; i < nDim && !anders; ++i) {
        anders = q.D(i) != Quer.D(i);
    }
    Quer.Copy(q);
    if (anders) {
        CalcQuerschnitt();
    }
}

void C1BemessungBeton::GetQuer(C1Quer& q) const {
    q.Copy(Quer);
}

void C1BemessungBeton::SetRissParameter(const C1RissParameter& p) {
    Riss = p;
}

double C1BemessungBeton::eta_fc(double fck) const {
    if (iNorm != kSia) {
        throw C1Exception(kTextSia, Modul("eta_fc"));
    }
    return std::min(1.0, std::pow(30.0 / fck, 0.333));
}

double C1BemessungBeton::fcd(bool a) const {
    double gamma = a ? BetonSorte.gammaCA : BetonSorte.gammaC;
    double alpha = a ? 1.0 : 0.85;
    if (BetonSorte.Typ == 'L' || BetonSorte.Typ == 'l') {
        alpha = 0.75;
    }
    const double fck = BetonSorte.fck;
    if (iNorm == kSia) {
        return eta_fc(fck) * fck / gamma;
    }
    if (iNorm == kDin1045_1 && fck > 54.9) {
        // Higher strengths get a larger partial factor.
        gamma = std::max(1.5, 1.5 / (1.1 - 0.002 * fck));
    }
    if (iNorm == kEn1992 && Modus == 2) {
        return alpha * 0.85 * fck / (a ? 1.1 : 1.3);
    }
    return alpha * fck / gamma;
}
