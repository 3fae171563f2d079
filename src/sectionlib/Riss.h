#pragma once

// Crack-width limitation of reinforced-concrete sections after EN 1992-1-1, 7.3:
// the limit bar diameter for a steel stress (and the stress for a bar diameter), and
// the state I values of a section under restraint that the minimum reinforcement
// As,min = kc·k·fct,eff·Act/σs needs.
//
// Codes: iNorm 6 (DIN EN 1992-1-1) with NormVariante 0 uses Table 7.2N; NormVariante 1
// (German national annex) and iNorm 3 (DIN 1045-1) use φs* = wk·3.48·10⁶/σs². Both
// cover steel stresses from 160 to 450 N/mm² (400 for wk 0.2 in the table). Every
// other code is refused with a status.
//
// Units: dimensions in cm, areas in cm², stresses in N/mm², diameters in mm.
// Dimension arrays hold the shape's values at places 1 onward (place 0 unused):
// 1 rectangle (d[1] b, d[2] h); 2 T-beam (d[1] bo, d[2] do, d[3] bu, d[4] web depth du
// below the flange, flange on top); 6 hexagon (d[1] side); 7 circle (d[1] diameter).
// Moment sign: My ≥ 0 puts the bottom edge in tension, My < 0 the top edge.

enum RissStatus : int {
    RISS_OK = 0,
    RISS_AUSSERHALB_SICHER = 1, // outside the table; the value at its end, on the safe side
    RISS_AUSSERHALB = 2,        // outside the table with no safe value; the output is 0
    RISS_EINGABE = 3,           // an input is missing, not finite or out of range
    RISS_NORM = 4,              // design code or variant not implemented
    RISS_QUERSCHNITT = 5,       // shape not implemented for this routine
};

// Cases of the limit-diameter routine.
inline constexpr int RISS_FALL_LAST = 1;  // σs given: limit diameter φs*
inline constexpr int RISS_FALL_ZWANG = 2; // φs* given: steel stress σs

// Limit bar diameter φs* for a steel stress σs (case 1) or the steel stress for a
// diameter (case 2). The column selects wk: 2 → 0.2 mm, 3 → 0.3 mm, 4 → 0.4 mm.
// Between the rows of the table the values are interpolated linearly. Outside the
// table: case 1 below 160 N/mm² gives the diameter at 160 (status 1), above the last
// row 0 (status 2); case 2 with a diameter above the first row gives 0 (status 2),
// below the last row the last row's stress (status 1). On a refusal the output is 0.
int CalcZWANG_TABELLE_LIM_DS(int iNorm, int fall, int spalte, int variante, double* ds,
                             double* sigmaS);

// Areas and thicknesses of a section for the restraint directions: a1 the whole area
// (centric restraint); a3 the area of the tension zone in bending about y (half the
// section; the flange of a T-beam); a2 the same in bending about z (half the
// section); a4 width, a5 height; a6 the thickness in direction 1 (height; flange depth
// of a T-beam), a7 in direction 2 (width; web width of a T-beam).
int CalcQUER_FLAECHEN(int iQuer, const double* d, double& a1, double& a2, double& a3, double& a4,
                      double& a5, double& a6, double& a7);

// Restraint directions and kinds.
inline constexpr int RISS_RICHTUNG_Y = 1;         // bending about y (across the height)
inline constexpr int RISS_RICHTUNG_Z = 2;         // bending about z (across the width)
inline constexpr int RISS_RICHTUNG_ZENTRISCH = 3; // the whole section
inline constexpr int RISS_ART_BIEGUNG = 1;        // restraint by bending
inline constexpr int RISS_ART_ZUG = 2;            // restraint by centric tension

// Uncracked tension zone in the given direction (rectangle, T-beam, hexagon, circle;
// the last two by thin strips): z1 its depth
// from the tension edge, z2 its area, z3 the distance of the centroid from the tension
// edge (in direction 3 and for centric tension the whole section is in tension and the
// tension edge is the one My ≥ 0 stretches).
int CalcZUGFLAECHE_I(int iNorm, int iQuer, const double* d, double My, int richtung, int art,
                     double& z1, double& z2, double& z3);

// State of the section just before it cracks under the restraint, as the ratio s that
// the minimum reinforcement's kc is made of:
// - direction 3 (webs and rectangles, kc = 0.4·(1 + s/(1.5·h/h*)), h* = min(h, 100 cm),
//   h the smaller of width and height): s = −σc/fct,eff for compression at the centroid
//   and 2.25·(h/h*)·(−σc/fct,eff) for tension, so that kc is EN 1992-1-1 (7.2) with its
//   k1 for either sign: pure bending gives s = 0 (kc 0.4), centric tension
//   s = 2.25·h/h* (kc 1.0).
// - directions 1 and 2 (flanges, kc = max(0.5, 0.9·s)): s = Fcr/(Act·fct,eff), Fcr the
//   tensile force within Act (a3 or a2 of CalcQUER_FLAECHEN) when the tension edge
//   reaches fct,eff, so that kc is EN 1992-1-1 (7.3).
// z3 is the centroid distance from the tension edge (CalcZUGFLAECHE_I). A refusal
// returns 0 and its status in *status (when given).
double CalcDehnungSchwerAchse(int iNorm, int iQuer, double z3, const double* d, double My,
                              int richtung, int art, int* status = nullptr);
