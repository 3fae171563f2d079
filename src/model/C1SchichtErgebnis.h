#pragma once

// One pressure figure of one layer and load case (ordinates in kN/m², resultants in
// kN/m, depths and x in m). Each table uses the fields its writer fills; the others
// stay 0.
struct C1SchichtErgebnis {
    double eoh = 0.0;      // horizontal ordinate at the top (the governing one)
    double eov = 0.0;      // vertical ordinate at the top
    double euh = 0.0;      // horizontal ordinate at the bottom
    double euv = 0.0;      // vertical ordinate at the bottom
    double frei = 0.0;     // not used
    double eohMin = 0.0;   // minimum earth pressure at the top
    double eohAktiv = 0.0; // active ordinate at the top, before cohesion and mode
    double euhMin = 0.0;
    double euhAktiv = 0.0;
    double epoh = 0.0;    // passive ordinate at the top
    double epuh = 0.0;    // passive ordinate at the bottom
    double eohRuhe = 0.0; // at-rest ordinate at the top
    double euhRuhe = 0.0;
    double eohRuhe2 = 0.0; // at-rest ordinate at the top on the passive side
    double euhRuhe2 = 0.0;
    double Eh = 0.0;   // horizontal resultant
    double Ev = 0.0;   // vertical resultant
    double Eges = 0.0; // total resultant
    double xE = 0.0;   // point of action
    double yE = 0.0;
    double abt = 0.0;  // depth where the figure starts inside the layer
    double bist = 0.0; // depth where it ends
};
