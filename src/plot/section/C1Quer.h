#pragma once

// src/plot/section: the cross-section record and its drawings (section, steel profile,
// bands along a member), drawn with src/plot/engine and nothing else of src/plot.

#include "plot/engine/C1Punkt.h"

#include <cstdio>
#include <string>
#include <vector>

class C1Plot;
class C1Bemessung;
class C1TextRects;

// Reinforcement layout of a section. The timber design reads the layout code as
// the number of parts of a rectangle (2 two parts, 3 two parts with spacers).
struct C1QuerBewehrung {
    int iLayout = 1;
    int iWert = 0;
    double dWert1 = 0.0;
    double dWert2 = 0.0;
    int iWert2 = 2;
};

// Glued-laminated timber values of a section.
struct C1QuerBSH {
    unsigned char bFirst = 0;
    unsigned char bVerH = 0;
    unsigned char bGekruemmt = 0;
    unsigned char bFlag4 = 0;
    double delta = 0.0;
    double beta = 0.0;
    double hap = 0.0;
    double c = 0.0;
    double r = 0.0;
    double wert6 = 0.0;
};

// The cross-section record: name, stretch of the member, shape code with its
// dimension values d[i], design type, steel profile data, reinforcement distances
// and the section values that a design or a profile library computes.
// Lengths of the section are in the unit of its dimensions (cm for the design
// classes), positions along the member in m.
//
// Copying comes in two strengths: Copy takes every field; the copy constructor and
// the assignment take only the shape, stretch, covers, the main section values,
// names and profile settings (see CopyTeil). The copy constructor and Copy bring a
// steel profile of family 81 into its normal form, the assignment does not.
class C1Quer {
public:
    static constexpr int kDimensionen = 81;

    C1Quer();
    explicit C1Quer(int count);
    C1Quer(const C1Quer& source);
    C1Quer& operator=(const C1Quer& source);
    ~C1Quer() = default;

    void Init();
    void Copy(const C1Quer& source);

    double GetBreite() const;
    double GetHoehe() const;
    double GetDimension3() const;
    int IsEqual(const C1Quer& other) const;

    void Rotate();
    int NormalizeProfil();

    int Dump(std::FILE* file) const;
    int DumpZeile(std::FILE* file) const;

    // --- drawings ------------------------------------------------------------------
    // Pushes the material fill of the design type on the page's brush stack; 1.
    int PlotQuerBrush(C1Plot& page) const;
    // The dimensioned picture of the section with its reference point pos (m) along
    // the member axis A -> B of length L (m) and t0 across it, sc world units per unit
    // of the dimensions; returns the box it occupies.
    C1Box PlotQuerschnitt(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by,
                          double pos, double L, int mode, int t0, int cw, int number) const;
    // The band of the section along its stretch of the member, its length dimension
    // and its name; the far corners of the band go to farStart and farEnd.
    int PlotLaengs(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by, double L,
                   int mode, int, int e, int drawLength, int drawName, C1Punkt* farStart,
                   C1Punkt* farEnd, int* shifts, int) const;
    int PlotLaengsMass(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by, double L,
                       int mode, int, int e, int drawLength, C1Punkt* farStart,
                       C1Punkt* farEnd) const;
    // The transition from the end of the previous section to the start of this one.
    int PlotUebergang(C1Plot& page, int h, double sc, int ax, int ay, int bx, int by, double L,
                      int mode, const C1Quer* previous, int e, int drawLength, C1Punkt* farStart,
                      C1Punkt* farEnd) const;
    // Design additions: distance of the centroid from the outer edge across the width
    // (y, from the left) and across the height (z, from the top); stiffness of a
    // composite section of this section (part 1, design object b1) and up to two
    // further parts q2 (b2) and q3 (b3), related to the material of part 1. The
    // parts' levels run upwards from the bottom of part 1, a part offset by its hz;
    // the composite centroid goes into zsVerbund (ysVerbund). The outputs I1 .. I3
    // (each may be null) take each part's share.
    double GetEy() const;
    double GetEz() const;
    double CalcIyVerbund(C1Quer* q2, C1Quer* q3, C1Bemessung* b1, C1Bemessung* b2, C1Bemessung* b3,
                         double* I1, double* I2, double* I3, bool mit1, bool mit2, bool mit3);
    double CalcIzVerbund(C1Quer* q2, C1Quer* q3, C1Bemessung* b1, C1Bemessung* b2, C1Bemessung* b3,
                         double* I1, double* I2, double* I3, bool mit1, bool mit2, bool mit3);

    // Checked access to the dimension values; an index outside the array throws
    // std::out_of_range.
    double D(int i) const { return d.at(static_cast<std::size_t>(i)); }

    int nDim = kDimensionen; // number of places of d
    std::string Name;
    std::string Gruppe;
    std::string DatenbankPfad; // profile database of the steel design
    double xa = 0.0;           // stretch of the member the section holds for
    double xe = 0.0;
    double e = 0.0;
    double al = 0.0; // angle alpha of the design descriptions
    double wert1 = 0.0;
    double wert2 = 0.0;
    int iQuer = 1; // shape code
    std::vector<double> d;
    unsigned char flag = 0;
    int iAnordnung = 1;            // reinforcement arrangement code (concrete)
    unsigned char bMindestBew = 0; // apply the minimum reinforcement rules
    int iAnordnung1 = 0;           // handed with the arrangement code
    int iAnordnung2 = 0;
    double dAnordnung1 = 0.0;
    double dAnordnung2 = 0.0;
    double hz = 0.0; // offset from the member axis, or of a part of a composite section
    double wert3 = 0.0;
    double d1y = 0.0; // upper bars below the top edge (about y)
    double d2y = 0.0; // lower bars above the bottom edge (about y)
    double d1z = 0.0; // the same for the section turned by 90 degrees
    double d2z = 0.0;
    double Aufklauung = 0.0; // notch depth of a timber section
    double A = 0.0;
    double ABrutto = 0.0; // gross area
    double Iy = 0.0;
    double Iz = 0.0;
    double Ix = 1.0; // torsion constant
    double Wy = 0.0; // section moduli, written by the design classes
    double Wz = 0.0;
    double ItGenau = 0.0;      // refined torsion constant (timber)
    double Eigengewicht = 0.0; // self weight per metre
    double zsVerbund = 0.0;
    double ysVerbund = 0.0;
    double IVerbund = 0.0;
    int iProf = 2;     // steel profile family
    int Nachweis = 1;  // check mode of the design
    int ProfAchse = 1; // 1 as stored, 2 turned by 90 degrees
    int ProfNr = 0;
    int Bemetyp = 0; // design type
    int iWert1 = 1;
    int iBemessen = 0;   // dimension chosen by a timber design: 0 none, 1 width, 2 depth
    double Start1 = 8.0; // start values of a designed dimension
    double Start2 = 8.0;
    int hProfData = 0; // profile list element and calculation handle of the steel design
    int hCalc = 0;
    int iWert2 = 0;
    C1QuerBewehrung Bewehrung;
    C1QuerBSH BSH;
    // Name boxes already placed on the page; set by the caller of a section band
    // drawing, never copied. Null: no boxes to avoid.
    C1TextRects* pNamen = nullptr;

private:
    struct Roh {};
    // Fields at their defaults only (dimension array empty).
    explicit C1Quer(Roh) {}
    void CopyAlles(const C1Quer& source); // every field but d and pNamen
    void CopyTeil(const C1Quer& source);
    double Breite(int achse) const;
    double Hoehe(int achse) const;
    double Dimension3(int achse) const;
};

// Design type groups of C1Quer::Bemetyp.
bool IsBemetypBeton(int bemetyp);
bool IsBemetypStahl(int bemetyp);
bool IsBemetypHolz(int bemetyp);
