#pragma once

// Steel design of one profile after EN 1993-1-1: section values, elastic stresses
// (6.2.1), plastic resistance with shear and axial force (6.2.8-6.2.10), flexural
// buckling with the member interaction (6.3.1, 6.3.3 with Annex B) and lateral-torsional
// buckling (6.3.2.2, 6.3.2.3). A calculation is bound to a calculated profile object of
// the profile database and to a code; it is a handle that its owner releases
// (CST_iEnd, or the owning wrapper CstRechnung).
//
// Units: dimensions and section values in cm, strengths and moduli in N/mm², forces in
// kN, moments in kNm, member lengths in m.
//
// Codes: "EN 1993-1-1" (also "DIN EN 1993-1-1", "EN", "EC3"), NormNr 0 = recommended
// values, 1 = German national annex. The old German code "DIN" (DIN 18800) is not built
// and is refused by name, as is every other code text.

#include <array>
#include <string>
#include <vector>

// The load record: N (compression positive), Vy, Vz, T (torsion), My, Mz, then four
// places that the checks do not read. My bends about the strong axis y and is positive
// when it stretches the bottom fibre; Mz positive when it stretches the right fibre.
using CST_Lasten = std::array<double, 10>;
enum CST_LastIndex { CST_N = 0, CST_VY = 1, CST_VZ = 2, CST_T = 3, CST_MY = 4, CST_MZ = 5 };

// Statuses of the checks. Only CST_FEHLER means the check could not show the profile
// sufficient; CST_NICHT_ANWENDBAR is no failure (lateral-torsional buckling of a hollow
// section).
inline constexpr int CST_FEHLER = 0;
inline constexpr int CST_OK = 1;
inline constexpr int CST_NICHT_ANWENDBAR = 2;

// Profile type codes of CST_iGetProfTypFei.
inline constexpr int CST_TYP_I = 11; // rolled I or H section
inline constexpr int CST_TYP_U = 21; // channel
inline constexpr int CST_TYP_RECHTECKROHR = 41;
inline constexpr int CST_TYP_RUNDROHR = 51;

// Places of the value records.
enum CST_Plastisch {
    CST_P_NPL = 0,
    CST_P_MPLY = 1,
    CST_P_MPLZ = 2,
    CST_P_VPLZ = 4,
    CST_P_VPLY = 5
};
enum CST_Abmessung {
    CST_D_RADIUS = 0, // root radius (corner radius of hollow sections)
    CST_D_HOEHE = 1,
    CST_D_BREITE = 2,
    CST_D_RADIUS2 = 3, // toe radius of a channel, inner corner radius of a hollow section
    CST_D_STEG =
        4, // web depth between the flanges (rectangular tube: height; round tube: outer radius)
    CST_D_STEGDICKE = 5,
    CST_D_WINKEL = 6, // angle of the principal axes in degrees
    CST_D_GURT_OBEN = 7,
    CST_D_DICKE_OBEN = 8,
    CST_D_GURT_UNTEN = 9,
    CST_D_DICKE_UNTEN = 10
};
enum CST_Querschnitt {
    CST_T_A = 0,
    CST_T_IY = 1,
    CST_T_IZ = 2,
    CST_T_IT = 3,
    CST_T_WINKEL = 4, // angle of the principal axes, rad
    CST_T_IW = 5,     // warping constant, cm⁶
    CST_T_IYZ = 6,
    CST_T_WY_OBEN = 7,
    CST_T_WY_UNTEN = 8,
    CST_T_WZ_LINKS = 9,
    CST_T_WZ_RECHTS = 10,
    CST_T_YS = 11,
    CST_T_ZS = 12, // centroid from the left and from the top
    CST_T_WPLY = 13,
    CST_T_WPLZ = 14,
    CST_T_I1 = 15,
    CST_T_I2 = 16,
    CST_T_YM = 17, // shear centre from the left
    CST_T_YMIN = 18,
    CST_T_ZMAX = 19 // bounding box: left edge 0, bottom edge = height
};

// One stress point of the elastic check.
struct CST_Spannungspunkt {
    std::string name;
    double y = 0.0, z = 0.0;                     // cm from the centroid, z downward
    double sigma = 0.0, tau = 0.0, sigmaV = 0.0; // N/mm²
};

struct CST_ErgElastic {
    int status = CST_FEHLER;
    double eta = 0.0;    // largest σv / (fy/γM0)
    int art = 0;         // the caller's load-case kind, kept
    int massgebend = -1; // index of the governing stress point
    std::vector<CST_Spannungspunkt> punkte;
    double sigmaVerbund1 = 0.0, sigmaVerbund2 = 0.0; // kN/cm², written by a composite check
    std::string text;                                // why the check failed, "" when computed
};

struct CST_ErgPlastic {
    double eta = 0.0;
    int status = CST_FEHLER;
    int klasse = 0;                                                   // cross-section class
    double NplRd = 0, MplyRd = 0, MplzRd = 0, VplzRd = 0, VplyRd = 0; // kN, kNm
    double rhoY = 0, rhoZ = 0;                                        // shear reductions
    std::string text;
};

struct CST_ErgBuckling {
    double eta = 0.0;            // largest of (6.61) and (6.62)
    char linieY = 0, linieZ = 0; // curves used: 'a'..'d', '0' for a0
    int status = CST_FEHLER;
    int klasse = 0;
    double NcrY = 0, NcrZ = 0; // kN, 0 when that axis does not buckle
    double lambdaY = 0, lambdaZ = 0, chiY = 1, chiZ = 1;
    double NbyRd = 0, NbzRd = 0; // kN
    double kyy = 0, kyz = 0, kzy = 0, kzz = 0;
    double eta661 = 0, eta662 = 0;
    std::string text;
};

struct CST_ErgLTBuckling {
    double eta = 0.0;
    char linie = 0; // curve used: 'a'..'d'
    int status = CST_FEHLER;
    int klasse = 0;
    double Mcr = 0; // kNm
    double lambdaLT = 0, chiLT = 1, f = 1, chiLTmod = 1;
    double MbRd = 0; // kNm
    double eta661 = 0, eta662 = 0;
    std::string text; // also says why the check does not apply
};

// The lateral-torsional buckling data (CST_iCalcLTBuckling): places of the twelve values.
enum CST_BDK {
    CST_BDK_LY = 0,    // member length for buckling about y, m
    CST_BDK_LZ = 1,    // length between lateral restraints (buckling about z), m
    CST_BDK_BETAY = 2, // effective-length factors (0 counts as 1)
    CST_BDK_BETAZ = 3,
    CST_BDK_C1 = 4, // moment-diagram factors (C1 0 counts as 1)
    CST_BDK_C2 = 5,
    CST_BDK_ZG = 6, // load point above the shear centre (toward the compressed flange), cm
    CST_BDK_K = 7,  // end-rotation and warping factors (0 counts as 1)
    CST_BDK_KW = 8,
    CST_BDK_VERFAHREN = 9, // 0 general case (6.3.2.2), 1 rolled sections (6.3.2.3)
    CST_BDK_KC = 10,       // correction factor kc of Table 6.6 (0 counts as 1: f = 1)
};
using CST_BDKDaten = std::array<double, 12>;

// Starts a calculation for a calculated profile object: the handle, or 0 when the
// profile is not calculated, the code is refused or a partial factor is not above 0
// (CST_LetzterFehler says which). The last two arguments are reserved.
int CST_iStart(int profil, const std::string& norm, int normNr, double gammaM0, double gammaM1,
               double gammaM2, double reserve, const std::string& zusatz);
// Releases a calculation; 1 when the handle was valid.
int CST_iEnd(int h);

// The profile type code (CST_TYP_...), 0 for an unknown handle.
int CST_iGetProfTypFei(int h);
// Npl,Rd, Mpl,y,Rd, Mpl,z,Rd, Vpl,z,Rd, Vpl,y,Rd for the design strength fyd (N/mm²).
int CST_iGetPlasticValues(int h, double fyd, std::array<double, 6>& werte);
int CST_iGetDimensions(int h, std::array<double, 11>& werte);
int CST_iGetTqsValues(int h, std::array<double, 20>& werte);
// E and G (N/mm²) in this order; a count of 1 sets E only. 0 when a value is not above 0.
int CST_iSetAdditionalValues(int h, const double* werte, int anzahl);
// Buckling curves: 'a'..'d', or '`' (or 0) to take the curve of the code's tables.
int CST_iSetBLines(int h, char linieY, char linieZ);
int CST_iSetLTBLines(int h, char linie);

int CST_iCalcElastic(int h, double fy, const CST_Lasten& L, int art, CST_ErgElastic& erg);
int CST_iCalcPlastic(int h, double fy, const CST_Lasten& L, CST_ErgPlastic& erg);
// Flexural buckling with the member interaction for a member that is not susceptible
// to torsional deformation (held laterally, or a hollow section: Table B.1, χLT = 1);
// the lateral-torsional check below covers the member that is free to buckle laterally
// (Table B.2). Member lengths (m) and effective-length factors about y and z; a length
// of 0 means the member does not buckle about that axis.
int CST_iCalcBuckling(int h, double fy, const CST_Lasten& L, double ly, double betaY, double lz,
                      double betaZ, CST_ErgBuckling& erg);
int CST_iCalcLTBuckling(int h, double fy, const CST_Lasten& L, const CST_BDKDaten& bdk,
                        CST_ErgLTBuckling& erg);

void CST_ResElasticClear(CST_ErgElastic& erg);
void CST_ResBucklingClear(CST_ErgBuckling& erg);
void CST_ResLTBucklingClear(CST_ErgLTBuckling& erg);
void CST_ResElasticCopy(CST_ErgElastic& ziel, const CST_ErgElastic& quelle);

// The reason of the last refusal or failure of a CST_ call, in German.
const std::string& CST_LetzterFehler();

// Owner of a calculation handle.
class CstRechnung {
public:
    CstRechnung() = default;
    explicit CstRechnung(int handle) : m_handle(handle) {}
    CstRechnung(CstRechnung&& o) noexcept : m_handle(o.m_handle) { o.m_handle = 0; }
    CstRechnung& operator=(CstRechnung&& o) noexcept;
    CstRechnung(const CstRechnung&) = delete;
    CstRechnung& operator=(const CstRechnung&) = delete;
    ~CstRechnung();
    int Handle() const { return m_handle; }

private:
    int m_handle = 0;
};
