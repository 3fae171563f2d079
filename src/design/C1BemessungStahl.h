#pragma once

#include "design/C1Bemessung.h"
#include "sectionlib/ProfilDatenbank.h"
#include "sectionlib/StahlNachweis.h"

#include <array>
#include <map>
#include <string>

// The caller's load record: N (compression positive), My, Mz, torsion T, Vz, Vy, two
// values of the ratio check and their limits. Moments in kNm, forces in kN.
using C1StahlLast = std::array<double, 10>;
enum C1StahlLastIndex {
    kLastN = 0,
    kLastMy = 1,
    kLastMz = 2,
    kLastT = 3,
    kLastVz = 4,
    kLastVy = 5,
    kLastWert1 = 6,
    kLastWert2 = 7,
    kLastGrenze1 = 8,
    kLastGrenze2 = 9
};

// Steel grade: strengths and moduli in N/mm², unit weight in kN/m³, partial factors
// as the steel checks take them (fy / gammaM0 is the design strength of the plastic
// values), thermal expansion per K.
struct C1StahlSorte {
    std::string Name = "Baustahl St.37";
    double fy = 240.0;
    double E = 210000.0;
    double G = 81000.0;
    double gamma = 78.5;
    double gammaM0 = 1.1;
    double gammaM1 = 1.1;
    double gammaM2 = 1.1;
    double alphaT = 0.000012;
};

// Lateral-torsional buckling data: amplify the moments by second-order effects, and
// the values [1] .. [12] the check takes: [1], [2] member lengths about y and z (m),
// [3], [4] effective-length factors, [5], [6] C1, C2, [7] load point zg (cm), [8] k,
// [9] kw, [10] 0 general case or 1 rolled sections, [11] kc; place 0 is not used.
struct C1StahlBDK {
    bool bVergroesserung = false;
    std::array<double, 13> Wert{};
    double& operator[](int i) { return Wert.at(static_cast<std::size_t>(i)); }
    double operator[](int i) const { return Wert.at(static_cast<std::size_t>(i)); }
};

// Key of a started profile: database path, group and profile name as the section (or
// the profile list) gives them, and the code with its partial factors.
struct C1StahlProfilSchluessel {
    std::string DBPfad;
    std::string Gruppe;
    std::string Name;
    std::string Norm;
    int NormNr = 0;
    double gammaM0 = 0.0;
    double gammaM1 = 0.0;
    double gammaM2 = 0.0;
    bool operator<(const C1StahlProfilSchluessel& o) const;
};

// A started profile: its database (owned by the database cache), the profile object
// and the calculation, both owned here.
struct C1StahlProfilEintrag {
    int db = -1;
    KrvProfil profil;
    CstRechnung rechnung;
};

// Steel section design of a rolled or hollow profile from a profile database:
// elastic stresses, plastic resistance, flexural and lateral-torsional buckling and a
// ratio check; in design mode (Quer.Nachweis 2 or more) it steps through the profile
// list of the host's document until a profile passes. The current results hold the
// governing (largest utilisation) load case since the last ResetErgebnisse.
class C1BemessungStahl : public C1Bemessung {
public:
    // Results of InitProfil.
    static constexpr int kProfilBereit = 0;
    static constexpr int kKeinWeiteresProfil = 3;
    // Results of CalcNachweis.
    // Check mode: every check computed (1) or one that could not be (0), whatever the
    // utilisations. Design mode: a profile passed (1); the list ran out without one
    // (100); or kMaxFehlversuche profiles of a longer list failed and the search
    // stopped (101): no profile of the list passes.
    static constexpr int kNachweisFehlgeschlagen = 0;
    static constexpr int kNachweisErfuellt = 1;
    static constexpr int kProfillisteErschoepft = 100;
    static constexpr int kKeinProfilBesteht = 101;
    static constexpr int kMaxFehlversuche = 100;
    // Places of the section's dimension record that the profile set-up fills (0 .. 40).
    static constexpr int kDimensionen = 41;
    // Buckling curve letters: this character and n after it ('a' for 1); the character
    // itself lets the tables choose the curve.
    static constexpr char kLinieOffen = '`';

    C1BemessungStahl();
    explicit C1BemessungStahl(const std::string& norm);
    // The caches own databases and calculations: an object is not copied.
    C1BemessungStahl(const C1BemessungStahl&) = delete;
    C1BemessungStahl& operator=(const C1BemessungStahl&) = delete;
    ~C1BemessungStahl() override;

    void ResetErgebnisse() override;
    void SaveErgebnisse() override;
    void RestoreErgebnisse() override;

    double GetEModul() const override;
    double GetWichte() const override;
    double GetEStahl() const { return Stahlsorte.E; }
    double GetWichteStahl() const { return Stahlsorte.gamma; }

    // Opens the section's profile (in design mode the Quer.ProfNr-th entry of the
    // profile list) and writes its section values into Quer. kProfilBereit, or
    // kKeinWeiteresProfil when the list has no such entry; throws C1Exception when
    // the database or the profile cannot be opened or the code is refused.
    int InitProfil();
    // InitProfil for q: q's section is set up and comes back with its values.
    int InitProfilFuer(C1Quer& q);
    int GetQuer(C1Quer& q) const;
    double GetWz() const { return Quer.D(34); }

    // Every switched-on check (see the results above). etaP, etaGrenz and etaMax are
    // the plastic, the ratio and the largest utilisation of the last pass. Throws
    // C1Exception when the ratio check has no positive limit.
    int CalcNachweis(const C1StahlLast& F, int art, CST_ErgElastic& ergE, double& etaP,
                     CST_ErgBuckling& ergKnick, CST_ErgLTBuckling& ergBDK, double& etaGrenz,
                     double& etaMax);
    // The single checks; each returns the library's status (CST_FEHLER = failed).
    int SpannECalc(const C1StahlLast& F, int art, CST_ErgElastic& erg);
    int CalcPlastischEinzeln(const C1StahlLast& F, CST_ErgPlastic& erg);
    int CalcKnicken(const C1StahlLast& F, CST_ErgBuckling& erg);
    int CalcBDK(const C1StahlLast& F, CST_ErgLTBuckling& erg);

    // My and Mz amplified for second-order effects under N (members ly, lz in m);
    // N = 0 leaves them. Throws C1Exception when |N| reaches Ncr.
    void ApplyVergroesserung(double N, double ly, double lz, double& My, double& Mz);
    // Curve code 96 + n of LinieY (art 1), LinieZ (2) or LinieBDK (3); 96 when the
    // curve is left to the tables.
    int GetLinie(int art) const;

    // Governing and saved results.
    C1StahlLast LastE{};
    CST_ErgElastic ErgE;
    C1StahlLast LastESave{};
    CST_ErgElastic ErgESave;
    C1StahlLast LastKnick{};
    CST_ErgBuckling ErgKnick;
    bool bKnickVersagt = false;
    C1StahlLast LastKnickSave{};
    CST_ErgBuckling ErgKnickSave;
    bool bKnickVersagtSave = false;
    C1StahlLast LastBDK{};
    CST_ErgLTBuckling ErgBDK;
    bool bBDKVersagt = false;
    C1StahlLast LastBDKSave{};
    CST_ErgLTBuckling ErgBDKSave;
    bool bBDKVersagtSave = false;

    int nInit = 0;  // profile set-ups begun
    int nStart = 0; // profile set-ups that obtained a calculation
    C1StahlSorte Stahlsorte;
    std::string Norm = "DIN";
    int NormNr = 0;

    // Check switches, written by the host.
    int bSpannE = 0;
    int bSpannP = 0;
    int bKnick = 0;
    int bBDK = 0;
    int bGrenzwert = 0;
    // Buckling curves: 0 lets the tables choose, n >= 1 the letter 96 + n ('a' for 1);
    // a check with its switch on stores back the curve it used.
    int LinieY = 0;
    int LinieZ = 0;
    int LinieBDK = 0;
    // Flexural buckling: member length (m) and effective-length factor about y
    // ([0], [1]) and about z ([2], [3]); a length of 0: no buckling about that axis.
    std::array<double, 4> Knick{};
    C1StahlBDK BDK;

    // The databases by path (as the section gives it), then the started profiles;
    // both owned, released with the object (profiles first).
    std::map<std::string, KrvDatenbank> DBCache;
    std::map<C1StahlProfilSchluessel, C1StahlProfilEintrag> ProfilCache;

protected:
    int QuerschnittRoutine() override;

private:
    // The library's load record of F (turned with the profile when ProfAchse is 2).
    CST_Lasten Bibliothekslasten(const C1StahlLast& F) const;
    // Amplification factor of the moments about axis achse; 0 with the factor, else
    // the base's status with text. N = 0 gives 1.
    int Vergroesserung(int achse, double N, double ly, double lz, double& faktor,
                       std::string& text);
    C1StahlProfilSchluessel Schluessel() const;
    // Design mode: key of the Quer.ProfNr-th entry of the profile list; false when the
    // list has no such entry.
    bool ListenSchluessel(C1StahlProfilSchluessel& key);
    // Opens the database of the path, or finds it in the cache.
    int Datenbank(const std::string& pfad);
    // Starts the profile of the key and enters it into the cache; throws when it cannot.
    void Starten(const C1StahlProfilSchluessel& key);
    void Querschnittswerte(int h);
};

// out = the larger of a / c and b / d. A limit of 0 leaves its value out; returns 1,
// or 0 (out 0) when a value or limit is not a finite number, a limit is negative or
// no limit is above 0.
int Verhaeltnis(double a, double b, double c, double d, double& out);
