#pragma once

#include <string>

// Records and factors of the crack-width limitation of the concrete class. Units:
// lengths in cm, areas in cm², forces in kN, moments in kNm, stresses and strengths
// in N/mm², bar diameters and crack widths in mm. Axial force: tension positive.

// Restraint directions: 1 bending about y, 2 bending about z, 3 the whole section.
inline constexpr int kRissRichtungen = 3;

// Input of the crack-width check (the caller's).
struct C1RissEingabe {
    bool last = false;               // check under load
    bool zwang = false;              // check under restraint
    double fct = 0.0;                // tensile strength of the restraint check; used above 0.01
    double wk = 0.3;                 // crack-width limit
    int ds = 0;                      // bar diameter
    int n = 1;                       // number of bars of a bundle
    int art[kRissRichtungen] = {};   // per direction: 0 none, 1 bending, 2 centric tension
    bool flag[kRissRichtungen] = {}; // per direction: early restraint (with art 2: the
                                     // tensile strength is fctmFaktor·fctm)
    double My = 0.0;
    double Mz = 0.0;
    double N = 0.0;
    int situation = 1; // 2: accidental
    double c1 = 0.0;   // the reinforcement of the section under load, c1 + c2
    double c2 = 0.0;
    double fctmFaktor = 1.0;
};

// Result of the crack-width check.
struct C1RissErg {
    double sigmaS = 0.0; // steel stress under load
    int grenzDs = 0;     // limit bar diameter under load
    double My = 0.0;     // the forces of the check under load
    double Mz = 0.0;
    double N = 0.0;
    double As[kRissRichtungen] = {};  // minimum reinforcement per restraint direction
    double zug[kRissRichtungen] = {}; // area of the uncracked tension zone per direction
    double fct = 0.0;                 // tensile strength of the last restraint check
    // Statuses: 0 computed; 1 a table value taken at the table's end (safe side);
    // 2 and above nothing computed, text says why.
    int statusLast = 0;
    int statusZwang[kRissRichtungen] = {};
    std::string text;
};

// Factor k of non-uniform self-equilibrating stresses for a thickness h (cm):
// 1.0 up to 30 cm, 0.65 from 80 cm on, linear between.
double RissBeiwertK(double h);
// The same after DIN 1045-1: 0.8 up to 30 cm, 0.5 from 80 cm on, linear between.
double RissBeiwertKDin(double h);

// Factor kc of a web or a rectangle under the axial force N (kN, tension positive)
// of a section of area A (cm²) and depth h (cm), EN 1992-1-1 (7.2):
// kc = 0.4·(1 − σc/(k1·(h/h*)·fct,eff)) within 0 .. 1, with σc = −N/A the mean
// stress (compression positive), h* = min(h, 100 cm), k1 = 1.5 under compression and
// 2h*/(3h) under tension. 0 when A, h or fct,eff is not above 0.
double RissBeiwertKcLast(double N, double A, double h, double fctEff);
