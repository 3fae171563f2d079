#pragma once

// Shear design of a reinforced-concrete section after EN 1992-1-1, 6.2: the shear
// resistance without shear reinforcement VRd,c with its lower bound, the strut
// angle within the code's limits, the required links (vertical or inclined) and the
// crushing limit of the struts VRd,max.
//
// Codes and variants:
// - iNorm 6 (DIN EN 1992-1-1), NormVariante 0: the values EN 1992-1-1 recommends
//   (CRd,c = 0.18/γc, k1 = 0.15, vmin = 0.035·k^1.5·√fck, ν1 = 0.6·(1 − fck/250),
//   1.0 ≤ cot θ ≤ 2.5, ρw,min = 0.08·√fck/fyk).
// - iNorm 6, NormVariante 1: the German national annex (CRd,c = 0.15/γc, k1 = 0.12,
//   vmin = 0.0525/γc·k^1.5·√fck for d ≤ 600 mm down to 0.0375/γc for d ≥ 800 mm,
//   ν1 = 0.75·ν2, 1.0 ≤ cot θ ≤ (1.2 + 1.4·σcp/fcd)/(1 − VRd,cc/VEd) ≤ 3.0 with
//   VRd,cc = 0.5·0.48·fck^(1/3)·(1 − 1.2·σcp/fcd)·bw·z, ρw,min = 0.16·fctm/fyk).
// - iNorm 3 (DIN 1045-1): the rules of the national annex, with the lower strut limit
//   cot θ ≥ 0.58.
// Every other code (1 DIN 1045:1988, 4 SIA, 5), lightweight concrete and torsion are
// refused with a status; nothing is computed under another code.
//
// In all variants fcd = 0.85·fck/γc, as the design class takes it for its bending
// design; EN 1992-1-1 recommends αcc = 1.0, so 0.85 lies on the safe side there.
//
// Units: dimensions in cm, forces in kN, moments in kNm, strengths in N/mm², link
// areas in cm²/m, angles in degrees. Axial force N: tension positive.

#include <array>

// Statuses of the main status field (Status). 0, 2 and 4 are results the caller may
// complete with its own minimum links; every failure lies at 20 and above, so no
// minimum rule can clear it.
enum SchubStatus : int {
    SCHUB_OK = 0,               // links required by calculation (at least the code minimum)
    SCHUB_OHNE_BEWEHRUNG = 2,   // VEd ≤ VRd,c: no links by calculation (code minimum only)
    SCHUB_MINDESTBEWEHRUNG = 4, // VEd > VRd,c, the code minimum governs the links
    SCHUB_VRDMAX = 21,          // VEd above VRd,max at every admissible strut angle
    SCHUB_EINGABE = 22,         // an input value is missing, not finite or out of range
    SCHUB_NORM = 23,            // design code or variant not implemented here
    SCHUB_QUERSCHNITT = 24,     // shape not implemented (only rectangle 1 and T-beam 2)
    SCHUB_LEICHTBETON = 25,     // lightweight concrete not implemented
    SCHUB_TORSION = 26,         // a torsional moment was given: torsion is not designed
    SCHUB_COT_THETA = 27,       // the requested cot θ lies outside the code's limits
    SCHUB_WINKEL = 28,          // link angle outside 45° .. 90°
};

// The old DIN 1045 (iNorm 1) reads its status from StatusAlt; 7 marks a refusal there.
inline constexpr int SCHUB_STATUS_ALT_ABGELEHNT = 7;

struct SchubCalcEingabe {
    int iNorm = 0;        // design code (see above)
    int NormVariante = 0; // code 6: 0 recommended values, 1 German national annex
    double VEd = 0.0;     // design shear force, kN (its magnitude is designed)
    double TEd = 0.0;     // design torsional moment, kNm: must be 0
    double NEd = 0.0;     // axial force, kN, tension positive
    double MEd = 0.0;     // bending moment, kNm (not needed by these rules)
    double z = 0.0;       // inner lever arm, cm; 0 takes 0.9·d
    char Typ = 'N';       // concrete type: 'N' normal weight, 'L'/'l' lightweight
    double fck = 0.0;     // characteristic cylinder strength, N/mm²
    double fyk = 0.0;     // yield strength of the links, N/mm²
    double gammaC = 1.5;  // partial factor of concrete
    double gammaS = 1.15; // partial factor of the links
    int Platte = 0;       // 1: slab, needs no links where VEd ≤ VRd,c; 0: beam
    int iQuer = 1;        // shape: 1 rectangle (d[1] b, d[2] h),
                          // 2 T-beam (d[1] bo, d[2] do, d[3] bw, d[4] web depth below the flange)
    std::array<double, 10> d{}; // dimensions d[1] .. d[9], cm; place 0 unused
    double d1 = 0.0;            // distance of the tension reinforcement from the tension edge, cm
    double d2 = 0.0;            // distance of the compression reinforcement from its edge, cm
    double AsL = 0.0; // anchored longitudinal tension reinforcement, cm² (ρl = AsL/(bw·d) ≤ 2 %)
    double alpha = 90.0;   // angle of the links to the member axis, degrees (45 .. 90)
    double cotTheta = 0.0; // strut angle asked for, as cot θ; 0: the largest admissible
};

// Output places 0 .. 24 (doubles).
enum SchubWert : int {
    SCHUB_VRDC = 0,       // VRd,c, kN
    SCHUB_VRDMAX_W = 1,   // VRd,max at the chosen strut angle, kN
    SCHUB_COTTHETA = 2,   // chosen cot θ
    SCHUB_ASW_ERF = 3,    // required links asw, cm²/m (0 for a slab with VEd ≤ VRd,c)
    SCHUB_ASL_ZUSATZ = 4, // additional longitudinal reinforcement from torsion, cm² (always 0)
    SCHUB_VED = 5,        // |VEd| designed, kN
    SCHUB_VRDC_MIN = 9,   // lower bound of VRd,c, kN
    SCHUB_VRDS = 10,      // VRd,s of the required links at the chosen angle, kN
    SCHUB_Z = 11,         // lever arm used, cm
    SCHUB_D = 12,         // effective depth used, cm
    SCHUB_RHOL = 13,      // ρl used, %
    SCHUB_ASW_MIN = 14,   // code minimum of the links, cm²/m
    SCHUB_SIGMA_CP = 15,  // σcp used, N/mm², compression positive (limited to 0.2·fcd)
    SCHUB_COT_MAX = 22,   // upper limit of cot θ for this section and load
};

struct SchubCalcAusgabe {
    std::array<double, 25> o{}; // values by the places of SchubWert; others 0
    int Status = 0;             // SchubStatus
    int Fehler = 0;             // the same status once it is a failure (≥ 20), else 0
    int Hinweis = 0;            // 1 when cot θ was lowered below its limit to keep VEd ≤ VRd,max
    int StatusAlt = 0;          // status field of the old DIN 1045; SCHUB_STATUS_ALT_ABGELEHNT
};

// Designs the section for shear; returns the status (also in out.Status). The output
// is cleared first; on a failure every value stays 0.
int SchubCalc(const SchubCalcEingabe& in, SchubCalcAusgabe& out);
