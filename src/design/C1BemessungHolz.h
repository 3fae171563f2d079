#pragma once

#include "design/C1Bemessung.h"

#include <string>

// The caller's check record: the check kind follows seventeen values.
struct C1HolzNachweisDaten {
    double werte[17] = {};
    int iArt = 0;
};

// The caller's result record: two utilisations after three values.
struct C1HolzNachweisErg {
    double werte[3] = {};
    double eta1 = 0.0;
    double eta2 = 0.0;
};

// One result block of a timber check.
struct C1HolzErgebnisBlock {
    double last[10] = {};
    double a[5] = {};
    double b[2] = {};
    double c[5] = {};
    double d = 0.0;
    int i = 0;
    double e = 0.0;

    void Reset() { *this = C1HolzErgebnisBlock{}; }
};

// Common part of the timber section design: section values and description of
// rectangles (also of two parts) and circles, the check driver with the choice of
// one dimension, and the forwarding of the type-specific call. The checks and the
// timber's basic modulus come from the derived timber classes.
class C1BemessungHolz : public C1Bemessung {
public:
    C1BemessungHolz();
    explicit C1BemessungHolz(int typ);
    // Copies the base, the timber type and the option; the results start empty.
    C1BemessungHolz(const C1BemessungHolz& quelle);
    ~C1BemessungHolz() override;

    double GetEModul() const override;
    double GetWichte() const override;

    // A check of the derived class: status into the result record.
    virtual int Nachweis(const C1HolzNachweisDaten& daten, C1HolzNachweisErg& erg, int i) = 0;
    // Forwards to DispatchTyp for the timber types 3, 9, 13 and 23; 0 otherwise.
    virtual int Dispatch(int a, int b, int c);
    // A check of the derived class that gives a utilisation.
    virtual double Ausnutzung(const C1HolzNachweisDaten& daten) = 0;
    // The basic modulus of the timber (N/mm²) for i.
    virtual double GetEBasis(int i) const = 0;

    int GetEinstellung1() const { return Einstellung[0]; }
    int GetEinstellung2() const { return Einstellung[1]; }
    int GetEinstellung3() const { return Einstellung[2]; }
    int GetEinstellung4() const { return Einstellung[3]; }
    int SetEinstellung1(int w);
    int SetEinstellung2(int w);
    int SetEinstellung3(int w);
    int SetEinstellung4(int w);
    void SetOption(int option) { Option = option; }
    void SetHolzTyp(int typ) { HolzTyp = typ; }
    void ResetGammaEigen() { gammaEigen = 0.0; }

    double GetE6() const { return E6; }
    double GetWichte6() const { return gamma6; }
    double GetWichteHolz() const { return gammaHolz; }
    double GetEKorr(int i) const { return GetEBasis(i) * kE; }

    // Section values and name of Quer: 0, or 1 when a rectangle being checked lacks
    // its width or depth (nothing computed).
    int GetQuerschnittText();
    // Copies q in, recomputes when its shape or dimensions differ or its values are
    // missing, and copies the section back into q.
    int GetQuerschnittswerteNeu(C1Quer& q);
    // One check (Nachweis 1) or, in design mode, checks while the chosen dimension
    // grows by 2 until the utilisation is at most 1 or maxSchritte steps are spent.
    int CalcNachweis(const C1HolzNachweisDaten& daten, C1HolzNachweisErg& erg, double* eta,
                     int maxSchritte);

    int HolzTyp = 3;
    int Option = 0;
    double gammaEigen = 0.0;
    int Einstellung[4] = {};
    C1HolzErgebnisBlock Block[4];
    int iWert = 0;
    double dWert = 0.0;
    double kE = 1.0; // factor on the basic modulus
    double gammaHolz = 0.0;
    double E6 = 0.0; // modulus and unit weight of timber type 6
    double gamma6 = 0.0;

protected:
    int QuerschnittRoutine() override;
    // The type-specific call that Dispatch forwards to.
    virtual int DispatchTyp(int a, int b, int c) = 0;

private:
    int EinPruefen(const C1HolzNachweisDaten& daten, C1HolzNachweisErg& erg, double* eta,
                   int& status);
};

// Torsion constant of a timber rectangle (shape 1) or circle (shape 2); throws
// C1Exception for a rectangle with a side not above 0.
double TorsionIt(C1Quer& q);
