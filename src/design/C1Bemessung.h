#pragma once

#include "plot/section/C1Quer.h"

#include <map>
#include <string>
#include <vector>

class C1QEL;

// A result of the bending design with axial force as the object keeps it: the
// library's reinforcement, its second value, e1 .. e7, status and text.
struct C1MasqueEintrag {
    double As = 0.0;
    double wert2 = 0.0;
    double e[7] = {};
    int status = 0;
    std::string text;
};

// Common base of the section design classes (concrete, steel, timber): the design
// type, the section under design, the host context and the results cache, and what
// does not depend on the material. Each class answers for its own material only:
// asked about a design type that is not its own, it gives 0.
class C1Bemessung {
public:
    C1Bemessung();
    // Copies the design type, the dimension count, the section and the context; the
    // results cache starts empty.
    C1Bemessung(const C1Bemessung& quelle);
    C1Bemessung& operator=(const C1Bemessung&) = delete;
    virtual ~C1Bemessung();

    // Takes a text and ignores it, in every class of the family.
    virtual void SetText(std::string text);
    virtual void ResetErgebnisse();
    virtual void SaveErgebnisse();
    virtual void RestoreErgebnisse();

    // Modulus (N/mm²) and unit weight (kN/m³) of the material of the design type.
    virtual double GetEModul() const;
    virtual double GetWichte() const;

    // Section values of q with this object's design type; the object's own section
    // stays as it was. Returns the result of the class's routine, 0 without one.
    int GetQuerschnittswerte(C1Quer& q);
    int CalcQuerschnittswerte();

    // Amplification 1 / (1 − |N| / Ncr) of the moments about axis achse (1 y, else
    // z) for the buckling lengths ly, lz (m). Throws C1Exception when |N| reaches
    // Ncr or the modulus, the second moment or the length is not above 0.
    double CalcMomentVergroesserung(int achse, double N, double ly, double lz);
    // The same as a status: 0 with the factor, 1 for |N| ≥ Ncr, 2 for a modulus,
    // second moment or length not above 0; text says why.
    int CalcMomentVergroesserung(int achse, double N, double ly, double lz, double& faktor,
                                 std::string& text);

    // Text of check result n under key (case ignored); empty for n 0 or when no
    // resource holds the text.
    std::string GetReportText(const std::string& key, int n) const;

    // d[1] .. d[nDim − 1] of the section to (richtung 1) or from p[0] .. p[nDim − 2].
    int CopyDimensionen(double* p, int richtung);
    int CopyDimensionenF(float* p, int richtung);

    double GetIy() const { return Quer.Iy; }
    double GetIz() const { return Quer.Iz; }

    int Bemetyp = 0;
    int nDim = 0;
    C1Quer Quer;
    C1QEL* pQel = nullptr;
    // Bending designs with axial force, by every input of the library call.
    std::map<std::vector<double>, C1MasqueEintrag> Ergebnisse;

protected:
    // The section values routine of the class for its own design type on Quer;
    // 0 when the type is not the class's own.
    virtual int QuerschnittRoutine();
};

// x rounded up to a whole number (a rest up to 0.001 is dropped); gerade 1 makes a
// positive odd result even.
double RoundUp(double x, int gerade);
