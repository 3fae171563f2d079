#pragma once

// What the steel checks share: the calculation records behind the handles, the cross-
// section class, the shear areas and the buckling curves of EN 1993-1-1.

#include "sectionlib/ProfilGeometrie.h"
#include "sectionlib/StahlNachweis.h"

#include <functional>
#include <string>

namespace stahl {

struct Rechnung {
    ProfilMasse m; // mm
    ProfilWerte w; // cm
    std::string name;
    bool deutschesNA = false;
    double gammaM0 = 1.0, gammaM1 = 1.0, gammaM2 = 1.25;
    double E = 210000.0, G = 81000.0;         // N/mm²
    char linieY = 0, linieZ = 0, linieLT = 0; // set curves, 0 = from the tables
};

// The calculation of a handle; null (and the reason kept) when the handle is unknown.
Rechnung* Finden(int h);
// Keeps the reason of a refusal or failure for CST_LetzterFehler and returns it.
const std::string& Fehler(const std::string& text);

bool IstIProfil(const Rechnung& r);
bool IstHohlprofil(const Rechnung& r);

// fy in N/mm² to kN/cm².
inline double kNcm2(double nmm2) {
    return nmm2 / 10.0;
}

// Checks fy (N/mm²) of a check; the refusal text or "".
std::string FestigkeitPruefen(double fy);
// Checks fy and the load record of a check; the refusal text or "".
std::string EingabePruefen(double fy, const CST_Lasten& L);

// Cross-section class (1 to 4) of EN 1993-1-1 Table 5.2 under the loads.
int Klasse(const Rechnung& r, double fy, const CST_Lasten& L);

// Shear areas (cm²) for shear along z (parallel to the web) and along y.
double SchubflaecheZ(const Rechnung& r, double fy);
double SchubflaecheY(const Rechnung& r);

// Buckling curve factor α of a curve letter ('0' = a0, 'a'..'d').
double Imperfektion(char linie);
// χ of 6.3.1.2 (λ0 0.2, β 1) and of 6.3.2.3 (λ0 0.4, β 0.75, with the 1/λ² cap).
double Abminderung(double lambda, char linie, double lambda0 = 0.2, double beta = 1.0);
// The curve of Table 6.2 for flexural buckling about y or z.
char KnicklinieTabelle(const Rechnung& r, double fy, bool umZ);
// Curve letter a caller may set: 'a'..'d'; 0 or '`' for the tables.
bool LinieGueltig(char linie);
std::string LinieName(char linie);

// Utilisation of a check whose criterion grows with the loads: 1 / the factor s on the
// loads for which the criterion reaches 1; 0 when no loads act. The criterion of s must
// be 1 at the resistance and rise with s.
double Ausnutzung(const std::function<double(double)>& kriterium);

} // namespace stahl

namespace stahl {

// Flexural buckling about one axis (6.3.1.2): Ncr in kN, 0 (and χ 1) when the axis has
// no buckling length.
struct Knickachse {
    double Ncr = 0.0, lambda = 0.0, chi = 1.0;
    char linie = 0;
};
Knickachse Biegeknicken(const Rechnung& r, double fy, double lcrCm, bool umZ);

// Resistances and reductions the member interaction (6.3.3, Annex B with Cm = 1) needs.
struct Bauteil {
    int klasse = 1;
    double NRk = 0, MyRk = 0, MzRk = 0; // kN, kNcm
    Knickachse y, z;
    double chiLT = 1.0;
    bool torsionsweich = false; // susceptible to torsional deformation (Table B.2)
};
struct Interaktion {
    double kyy = 0, kyz = 0, kzy = 0, kzz = 0, eta661 = 0, eta662 = 0;
};
// N (compression, kN), My and Mz (kNcm) as magnitudes.
Interaktion Interaktionsnachweis(const Rechnung& r, const Bauteil& b, double N, double My,
                                 double Mz);
// Characteristic resistances of the class: plastic moduli for classes 1 and 2, elastic
// ones for class 3.
Bauteil Widerstaende(const Rechnung& r, double fy, int klasse);

} // namespace stahl
