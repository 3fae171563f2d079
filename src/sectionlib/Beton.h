#pragma once

#include <string>

// Reinforced-concrete section routines of the section library: gross section
// values, bending design of rectangles and T-sections, strain-plane design and
// analysis with axial force and biaxial bending, and the bilinear steel stress.
//
// Units: dimensions in cm, areas in cm², second moments in cm⁴, strengths and
// moduli in N/mm², forces in kN, moments in kNm, strains in per mille.
// Signs: axial force and strains positive in tension; My > 0 stretches the bottom
// edge, Mz > 0 the right-hand edge (seen with the top up).
//
// Design codes (iNorm): 3 DIN 1045-1 and 6 DIN EN 1992-1-1 are computed, the
// latter with the recommended values (variant 0) or those of the German national
// annex (variant 1). Every other code, shape, arrangement or variant is refused
// with a failure status and a text that names it; no routine returns a number
// computed under another code.

namespace beton {

inline constexpr int kOk = 0;
inline constexpr int kNichtKonvergiert = 4; // the iteration did not settle at this step
inline constexpr int kNormNicht = 90;       // design code not available
inline constexpr int kFormNicht = 91;       // shape not available
inline constexpr int kVarianteNicht = 92;   // variant, mode or option not available
inline constexpr int kEingabe = 93;         // dimensions, covers or materials out of range
inline constexpr int kNichtBemessbar = 94;  // no reinforcement up to the limit resists
inline constexpr int kKleineAusmitte = 95;  // compression governs: design with axial force
inline constexpr int kAnordnungNicht = 96;  // reinforcement arrangement not available

// The codes the concrete routines (bending, shear, cracks) compute: 3 DIN 1045-1, and
// 6 DIN EN 1992-1-1 with the recommended values (variant 0) or those of the German
// national annex (variant 1). The variant counts for code 6 only.
bool NormBerechnet(int iNorm, int variante);
// The German rules among them: DIN 1045-1, or DIN EN 1992-1-1 with the German annex.
bool DeutscheRegeln(int iNorm, int variante);

} // namespace beton

// Gross section values of shape form (1 rectangle, 2 T-section, 6 hexagon, 7 circle)
// from the dimension values d[0..9] (d[0] unused; meanings as the cross-section
// record gives them). q[0..8]: height, distance of the centroid from the top edge,
// from the bottom edge, Iy (horizontal axis through the centroid), area A, Iz,
// distance of the centroid from the left edge, the smaller section modulus about y
// and about z. winkel must be 0. Returns a status of namespace beton; on failure
// q is left alone and text (when given) says why.
int CalcBEMEQUERX(int form, double winkel, const double d[10], double q[9],
                  std::string* text = nullptr);

// Input of the bending design (BiegeCalc).
struct BiegeEingabe {
    int iNorm = 0;
    int NormVariante = 1;
    float M = 0.0f; // kNm; > 0 compresses the top edge
    float N = 0.0f; // kN, tension positive, at the centroid of the gross section
    char Typ = 'N'; // concrete type ('L' lightweight)
    float f = 0.0f; // design compressive strength of the concrete
    float fyk = 0.0f;
    float Es = 0.0f;
    float epsYd = 0.0f; // yield strain of the design line (fyd = Es · epsYd)
    float epsSu = 0.0f; // strain limit of the reinforcement
    float epsCu = 3.5f; // ultimate concrete strain (either sign)
    int iQuer = 0;
    float d[9] = {}; // d[1] .. d[9] of the section
    int iWert = 0;
    int iRiss1 = 0;
    int iRiss2 = 10;
    float d1 = 0.0f; // bars below the top edge
    float d2 = 0.0f; // bars above the bottom edge
    int iEnde = 0;
};

// Result of the bending design: As1 on the tension side, As2 on the compression
// side (cm²); r2 concrete strain at the compressed edge, r3 strain at the other
// edge, r4 depth x of the compression zone (cm), r5 strain of As1, r6 ratio
// (As1 + As2) / A in %, r7 lever arm z (cm), r8 x / d; w the effective depth d.
struct BiegeAusgabe {
    float As1 = 0.0f;
    float As2 = 0.0f;
    float r2 = 0.0f, r3 = 0.0f, r4 = 0.0f, r5 = 0.0f, r6 = 0.0f, r7 = 0.0f, r8 = 0.0f;
    float w = 0.0f;
    int status = 0;
    std::string text;
};

int BiegeCalc(const BiegeEingabe& ein, BiegeAusgabe& aus);

// Input of the strain-plane routine (CalcBEMEMASQUE).
struct MasqueEingabe {
    int iNorm = 0;
    int NormVariante = 0;
    int Modus = 0;    // 1 design, 2 analysis with the given reinforcement c1 + c2
    int iKurven = 0;  // 1: user stress-strain curves (not available)
    float faktor = 0; // design mode: resistance at least this factor times the action
    float fcd = 0, epsC2 = 0, epsCu = 0;
    int iWert9 = 0;
    float betonWert = 0;
    float nPar = 2.0f; // exponent of the parabola
    float fyd = 0, epsYdNeg = 0, epsSu = 0, epsYd = 0, stahlWert = 0, stahlFaktor = 1.0f;
    float kurven[4][6] = {
        {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 1}};
    float N = 0, My = 0, Mz = 0;
    int iQuer = 0;
    int iAnordnung = 0; // 0, 1 two layers; 2 all four sides; 3 corners; ring for round shapes
    int iAnordnung1 = 0, iAnordnung2 = 0;
    float dAnordnung1 = 0, dAnordnung2 = 0;
    float d[9] = {}; // d[1] .. d[9]
    float d2y = 0, d1y = 0, d1z = 0,
          d2z = 0;        // bars above the bottom, below the top, from left, right
    float c1 = 0, c2 = 0; // analysis: the reinforcement, c1 + c2 in total (cm²)
    float schritt = 0.1f; // design: resolution of the reinforcement (cm²)
    float grenze = 10.0f; // design: largest ratio searched (% of A)
    int iFlag = 0;
};

// Result: As (cm²), wert2 the utilisation of the resistance at As, e[0] x / h,
// e[1], e[2] curvature about y and z (per mille per metre), e[3], e[4] the smallest
// and the largest concrete strain, e[5] the largest steel strain, e[6] the depth x
// of the compression zone (cm).
struct MasqueAusgabe {
    float As = 0.0f;
    float wert2 = 0.0f;
    float e[7] = {};
    int status = 0;
    std::string text;
};

int CalcBEMEMASQUE(int trace, int sia, const MasqueEingabe& ein, MasqueAusgabe& aus);

// Stress of the bilinear design line of reinforcing steel at strain eps (per mille):
// Es · eps with Es = fyd / epsYd, limited to ± fyd. 0 for epsYd not above 0.
double CalcSTAHL_SPANNUNG(int iNorm, double eps, double fyd, double epsYd);
