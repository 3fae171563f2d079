#pragma once

#include "design/C1Bemessung.h"

#include <string>

// Concrete grade. Strains in per mille, strengths and moduli in N/mm².
struct C1BetonSorte {
    std::string Name = "C20/25";
    char Typ = 'N'; // 'L' or 'l': lightweight concrete
    double fck = 20.0;
    double fctm = 2.2;
    double schubParameter = 0.28;
    double epsCu = -3.5;
    double epsC2 = -2.0;
    double biegeWert = 0.0; // handed to the strain-plane routine for codes 3 and 6
    double Ecm = 29000.0;
    double wert12500 = 12500.0;
    double gammaC = 1.5;
    double gammaCA = 1.3; // accidental situation
    double alphaT = 0.00001;
    double nPar = 2.0; // exponent of the parabola (code 6)
    double schub[6] = {1000.0, 0.35, 0.5, 0.75, 1.8, 3.0};
};

// Reinforcing steel.
struct C1BetonStahl {
    std::string Name = "BSt 500S";
    double fyk = 500.0;
    double ftk = 550.0;
    double Es = 200000.0;
    double epsYd = 2.17;
    double epsSu = 20.0;
    double wert = 0.0; // handed to the strain-plane routine
    int Duktilitaet = 1;
    double gammaS = 1.15;
    double gammaSA = 1.0; // accidental situation
    double wert2 = 1.0;
};

// Crack and bar settings: the second and third ints go into the bending record.
struct C1RissParameter {
    int i0 = 0;
    int i1 = 2;
    int i2 = 20;
    double d0 = 1.0;
    double d1 = 10.0;
};

// Input of the bending design: forces, situation (1 persistent, 2 accidental, 3 to
// 5 further) and axis (1 y, 2 z).
struct C1BiegeLast {
    double N = 0.0;
    double M = 0.0;
    int situation = 1;
    int achse = 1;
};

// Result of the bending design: [0] effective depth, [1] As, [2] As1, [3] As2,
// [4] .. [14] further values by code, Lohse flag, status and text.
struct C1BiegeErg {
    double w[15] = {};
    int Lohse = 0;
    int status = 0;
    std::string text;
};

// Input of the bending design with axial force. c1 and c2 are the given
// reinforcement of an analysis (modes 2, 3); the overrides go with code 3.
struct C1MasqueLast {
    double N = 0.0;
    double My = 0.0;
    double Mz = 0.0;
    double c1 = 0.0;
    double c2 = 0.0;
    int situation = 1;
    double grenze = 9.0;
    double betonWert = 0.0;
    double stahlWert = 0.0;
};

// Result of the bending design with axial force: As, As · 100 / A, e1 .. e7 of the
// library (e1 99 when no call was made), status and text.
struct C1MasqueErg {
    double As = 0.0;
    float ratio = 0.0f;
    double e[7] = {99.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};
    int status = 0;
    std::string text;
};

// Shear settings (read by the shear design).
struct C1SchubEinstellung {
    int i1 = 1;
    int i2 = 1;
    double winkel = 90.0;
    int i3 = 1;
    int i4 = 0;
    int i5 = 1;
    int i6 = 0;
};

// A user stress-strain curve of the concrete or the steel.
struct C1Werkstoffkurve {
    double w[11] = {};
};

// Reinforced-concrete (or, with bMauerwerk, masonry) section design under one of
// the design codes iNorm: 1 DIN 1045, 3 DIN 1045-1, 4 SIA, 5, 6 DIN EN 1992.
class C1BemessungBeton : public C1Bemessung {
public:
    C1BemessungBeton();
    explicit C1BemessungBeton(int iNorm);
    C1BemessungBeton(const C1BemessungBeton& quelle);
    ~C1BemessungBeton() override;

    double GetEModul() const override;
    double GetWichte() const override;

    // Accessors; those of the refusal table throw C1Exception for the codes they
    // do not serve.
    double GetBeton_fctm() const;
    int GetBiege_Dukt() const;
    double GetBiege_Es() const;
    std::string GetSchub_Name() const;
    double GetSchub_fyk() const;
    double GetSchub_gamma_sg() const;
    double GetSchub_gamma_sa() const;
    int GetiForm() const;
    void SetiForm(int wert);
    int SetAsI_AsEy(double wert);
    int SetAsI_AsEz(double wert);
    void SetnZulagey(int wert);
    void SetnZulagez(int wert);

    int SetNorm(int norm);
    int SetNormVariante(int variante);
    int SetModus(int modus);
    int GetModus() const { return Modus; }
    int SetStab1(int wert);
    int SetStab2(int wert);
    int SetStab3(int wert);
    int SetStab4(int wert);
    int SetiWert(int wert);
    void GetMaterial(C1BetonSorte& beton, C1BetonStahl& biegung, C1BetonStahl& schub) const;
    void SetMaterial(const C1BetonSorte& beton, const C1BetonStahl& biegung,
                     const C1BetonStahl& schub);
    void GetQuerschnitt(int& iQuer, double* d, double& d1y, double& d2y, double& d1z, double& d2z);
    void SetQuerschnitt(int iQuer, const double* d, double d1y, double d2y, double d1z, double d2z);
    void SetQuer(const C1Quer& q);
    void GetQuer(C1Quer& q) const;
    void SetRissParameter(const C1RissParameter& p);

    double GetBeton_fck() const { return BetonSorte.fck; }
    double GetBeton_gammaC() const { return BetonSorte.gammaC; }
    double GetBeton_gammaCA() const { return BetonSorte.gammaCA; }
    double GetBeton_Ecm() const { return BetonSorte.Ecm; }
    std::string GetBiege_Name() const { return StahlBiegung.Name; }
    double GetBiege_fyk() const { return StahlBiegung.fyk; }
    double GetBiege_epsYd() const { return StahlBiegung.epsYd; }
    double GetBiege_gammaS() const { return StahlBiegung.gammaS; }
    double GetBiege_gammaSA() const { return StahlBiegung.gammaSA; }
    double GetSchub_epsYd() const { return StahlSchub.epsYd; }

    // Design strength of the concrete.
    double fcd(bool aussergewoehnlich) const;
    double eta_fc(double fck) const;

    // Bending design; with Modus other than 0 through the design with axial force.
    int CalcBiegung(const C1BiegeLast& last, C1BiegeErg& erg, int mit);
    // Sets BiegeLast, designs into BiegeErg and returns As1, As2, [10] and [11].
    int CalcBiegungWerte(double N, double M, int situation, int achse, double& As1, double& As2,
                         double& w10, double& w11);
    // Bending with axial force about both axes; results kept by every input.
    int CalcBiegungNormalkraft(const C1MasqueLast& last, C1MasqueErg& erg, int mit);
    // Design after Lohse: not available (status 50), no areas.
    int LohseCalc(const C1BiegeLast& last, C1BiegeErg& erg);

    // Stress of the design line of the bending steel at the strain *eps (per mille).
    double CalcSTAHL_SPANNUNG(const double* eps, const double* fyd, const double* epsYd) const;

    // Section values and description of Quer: 0, 1 when a floor replaced a value
    // that came out at most 0.1, or the library's refusal for a shape it does not
    // know (floors applied).
    int CalcQuerschnitt();

    C1BetonSorte BetonSorte;
    C1BetonStahl StahlBiegung;
    C1BetonStahl StahlSchub;
    C1RissParameter Riss;
    C1BiegeLast BiegeLast;
    C1BiegeErg BiegeErg;
    C1SchubEinstellung Schub;
    const C1Werkstoffkurve* pKurve[4] = {nullptr, nullptr, nullptr, nullptr};
    bool bMauerwerk = false;
    int Modus = 0;
    int iNorm = 6;
    int NormVariante = 0;
    int Stab[4] = {6, 28, 6, 12};
    int iForm = 0;
    int iWert = 0;
    int nZulagey = 0;
    int nZulagez = 0;
    double AsI_AsEy = 0.0;
    double AsI_AsEz = 0.0;

protected:
    int QuerschnittRoutine() override;

private:
    // Throws the refusal of operation op for code 1 (einsAus), masonry (mauerAus).
    void Verweigern(const char* op, bool einsAus, bool mauerAus) const;
    void VerweigernFormen(const char* op, bool jedeOhneMauer) const;
    std::string FormName(const char* name) const;
};
