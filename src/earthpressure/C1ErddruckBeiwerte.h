#pragma once

// Closed-form earth-pressure coefficients for given angles. Every coefficient method
// takes its angles in degrees in the order alpha (wall inclination), beta (terrain
// inclination), delta (wall friction), phi (friction angle), keeps the angles of the
// call in radians, and returns the coefficient (also left in ergebnis). Active
// coefficients follow the plane slip surface; the passive ones of CalcKpgh a curved
// slip surface with power-law correction factors.
class C1ErddruckBeiwerte {
public:
    void SetWinkel(double alpha, double beta, double delta, double phi);

    double CalcKagh(double alpha, double beta, double delta, double phi);
    double CalcKpghCoulomb(double alpha, double beta, double delta, double phi);
    // At-rest coefficient of a friction angle phi, raised linearly with x up to cos phi at
    // x = phi: 1 − sin phi + (cos phi − (1 − sin phi))·x/phi for x > 0, else 1 − sin phi.
    // Both in degrees. It takes no wall or terrain angle and leaves those of the
    // preceding call as they are.
    double CalcK0(double x, double phi);
    double CalcK0gh(double alpha, double beta, double delta, double phi);
    double CalcKach(double alpha, double beta, double delta, double phi);
    double CalcKpch(double alpha, double beta, double delta, double phi);
    // Slip-plane angles of the active and of the passive wedge, in degrees from the
    // horizontal.
    double CalcThetaA(double alpha, double beta, double delta, double phi);
    double CalcThetaP(double alpha, double beta, double delta, double phi);
    // Wedge factors for bounded loads; they use alpha and delta of the preceding call.
    // The forms without a terrain angle take the wall friction alone.
    double CalcKeilH(double a1, double a2, double a3);
    double CalcKeilV(double a1, double a2, double a3);
    double CalcKeilHGeneigt(double a1, double a2, double a3, double a4);
    double CalcKeilVGeneigt(double a1, double a2, double a3, double a4);
    void CalcGleitwinkelPassiv(double alpha, double beta, double delta, double phi);
    // Passive coefficient for soil weight; keeps those for surcharge and cohesion.
    double CalcKpgh(double alpha, double beta, double delta, double phi);
    double GetKpph() const { return kpph; }
    double GetKpch() const { return kpch; }
    // Factor from the weight coefficient to the surcharge coefficient.
    double CalcFaktorAuflast(double alpha, double beta);

    // This class converts with its own factor, which differs from the calculation
    // object's in the last digits.
    double gradFaktor = 57.295779513082195;
    double ergebnis = 0.0;
    double h = 0.0;
    // Working values of CalcK0: 1 − sin phi and cos phi.
    double k0s = 0.0;
    double k0c = 0.0;
    double alphaRad = 0.0;
    double betaRad = 0.0;
    double deltaRad = 0.0;
    double phiRad = 0.0;

    double idg = 0.0, idp = 0.0, idc = 0.0;
    double iag = 0.0, iap = 0.0, iac = 0.0;
    double ibg = 0.0, ibp = 0.0, ibc = 0.0;
    double kp0g = 0.0, kp0p = 0.0, kp0c = 0.0;
    double kpgh = 0.0, kpph = 0.0, kpch = 0.0;

    double theta1 = 0.0, theta2 = 0.0, theta2b = 0.0;
    double m1 = 0.0, m2 = 0.0, nu = 0.0;

private:
    double Rad(double grad) const { return grad / gradFaktor; }
    double Ergebnis(double wert);
    void CalcKorrekturen();
    // Slip-plane angle from the root argument zaehler/nenner (negative taken as 0) and
    // the angles of the formula: atan(1/v) + phiTerm with v = tan(tanWinkel) +
    // sqrt(h)/cos(cosWinkel), in degrees.
    double Gleitflaechenwinkel(double zaehler, double nenner, double tanWinkel, double cosWinkel,
                               double phiTerm, double phi, double beta);
    // sin or cos(a1 − a3) / cos(a1 − a3 − a2 + a4) · cos(wandWinkel), negative taken as 0.
    double Keilfaktor(bool horizontal, double a1, double a2, double a3, double a4,
                      double wandWinkel);
};
