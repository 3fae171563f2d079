#include "design/C1BemessungStahl.h"

#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <tuple>

// Construction, results bookkeeping, material and the small helpers of the steel design.

namespace {

constexpr int kBemetypStahl = 2;

} // namespace

bool C1StahlProfilSchluessel::operator<(const C1StahlProfilSchluessel& o) const {
    return std::tie(Name, DBPfad, Norm, NormNr, gammaM0, gammaM1, gammaM2, Gruppe) <
           std::tie(o.Name, o.DBPfad, o.Norm, o.NormNr, o.gammaM0, o.gammaM1, o.gammaM2, o.Gruppe);
}

C1BemessungStahl::C1BemessungStahl() {
    ResetErgebnisse();
    SaveErgebnisse();
    Bemetyp = kBemetypStahl;
    nDim = kDimensionen;
}

C1BemessungStahl::C1BemessungStahl(const std::string& norm) : C1BemessungStahl() {
    Norm = norm;
}

C1BemessungStahl::~C1BemessungStahl() = default;

void C1BemessungStahl::ResetErgebnisse() {
    LastE.fill(0.0);
    LastKnick.fill(0.0);
    LastBDK.fill(0.0);
    CST_ResElasticClear(ErgE);
    CST_ResBucklingClear(ErgKnick);
    CST_ResLTBucklingClear(ErgBDK);
    bKnickVersagt = false;
    bBDKVersagt = false;
}

void C1BemessungStahl::SaveErgebnisse() {
    LastESave = LastE;
    CST_ResElasticCopy(ErgESave, ErgE);
    LastKnickSave = LastKnick;
    ErgKnickSave = ErgKnick;
    bKnickVersagtSave = bKnickVersagt;
    LastBDKSave = LastBDK;
    ErgBDKSave = ErgBDK;
    bBDKVersagtSave = bBDKVersagt;
}

void C1BemessungStahl::RestoreErgebnisse() {
    LastE = LastESave;
    CST_ResElasticCopy(ErgE, ErgESave);
    LastKnick = LastKnickSave;
    ErgKnick = ErgKnickSave;
    bKnickVersagt = bKnickVersagtSave;
    LastBDK = LastBDKSave;
    ErgBDK = ErgBDKSave;
    bBDKVersagt = bBDKVersagtSave;
}

double C1BemessungStahl::GetEModul() const {
    return IsBemetypStahl(Bemetyp) ? Stahlsorte.E : 0.0;
}

double C1BemessungStahl::GetWichte() const {
    return IsBemetypStahl(Bemetyp) ? Stahlsorte.gamma : 0.0;
}

int C1BemessungStahl::QuerschnittRoutine() {
    return IsBemetypStahl(Bemetyp) ? InitProfil() : 0;
}

int C1BemessungStahl::InitProfilFuer(C1Quer& q) {
    Quer.Copy(q);
    const int ergebnis = InitProfil();
    Quer.A = Quer.D(1);
    Quer.Iy = Quer.D(30);
    Quer.Iz = Quer.D(31);
    q.Copy(Quer);
    return ergebnis;
}

int C1BemessungStahl::GetQuer(C1Quer& q) const {
    q.Copy(Quer);
    return 1;
}

CST_Lasten C1BemessungStahl::Bibliothekslasten(const C1StahlLast& F) const {
    CST_Lasten L{};
    const bool gedreht = Quer.ProfAchse == 2;
    L[CST_N] = F[kLastN];
    L[CST_VY] = gedreht ? F[kLastVz] : F[kLastVy];
    L[CST_VZ] = gedreht ? F[kLastVy] : F[kLastVz];
    L[CST_T] = F[kLastT];
    L[CST_MY] = gedreht ? F[kLastMz] : F[kLastMy];
    L[CST_MZ] = gedreht ? F[kLastMy] : F[kLastMz];
    return L;
}

int C1BemessungStahl::Vergroesserung(int achse, double N, double ly, double lz, double& faktor,
                                     std::string& text) {
    // Without axial force there is nothing to amplify, whatever the lengths.
    if (N == 0.0) {
        faktor = 1.0;
        text.clear();
        return 0;
    }
    return CalcMomentVergroesserung(achse, N, ly, lz, faktor, text);
}

void C1BemessungStahl::ApplyVergroesserung(double N, double ly, double lz, double& My, double& Mz) {
    double fy = 1.0, fz = 1.0;
    std::string text;
    if (Vergroesserung(1, N, ly, lz, fy, text) != 0 || Vergroesserung(2, N, ly, lz, fz, text) != 0)
        throw C1Exception(text, "C1BemessungStahl::ApplyVergroesserung");
    My *= fy;
    Mz *= fz;
}

int C1BemessungStahl::GetLinie(int art) const {
    int linie = 0;
    switch (art) {
    case 1:
        linie = LinieY;
        break;
    case 2:
        linie = LinieZ;
        break;
    case 3:
        linie = LinieBDK;
        break;
    default:
        throw C1Exception("Knicklinie art " + std::to_string(art) +
                              " unbekannt (1 um y, 2 um z, 3 Biegedrillknicken)",
                          "C1BemessungStahl::GetLinie");
    }
    return linie > 0 ? kLinieOffen + linie : kLinieOffen;
}

int Verhaeltnis(double a, double b, double c, double d, double& out) {
    out = 0.0;
    // A limit of 0 leaves its value unchecked; a check with no limit at all, or with a
    // negative one, has nothing to compare with and is refused rather than passed.
    const bool endlich =
        std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
    if (!endlich || c < 0.0 || d < 0.0 || !(c > 0.0 || d > 0.0))
        return 0;
    const double q1 = c > 0.0 ? a / c : 0.0;
    const double q2 = d > 0.0 ? b / d : 0.0;
    out = std::max(q1, q2);
    return 1;
}
