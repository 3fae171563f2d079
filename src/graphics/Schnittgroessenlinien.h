#pragma once

#include <string>
#include <vector>

class C1ZirfCalc;
class C1ZirfInput;

// The four lines of the internal-force and deflection diagrams, placed on the design beam:
// x along the member from the foot (x = 0) to the head (x = TL), a depth d at x = TL - d,
// from the head down to the foot. The design moment and shear are the envelope over the
// load states: the greatest value of the states at each point and, where the states give
// other values, the least as a second line.
struct Schnittgroessenlinien {
    struct Punkt {
        double x = 0.0;
        double wert = 0.0;
        // Labelled besides the line's extremes: a value at the anchor or at the
        // excavation level, or one the report prints.
        bool beschriftet = false;
        // The label of a value the report's table prints: that value as the table prints
        // it; empty: the line's own format.
        std::string text{};
        // The way the label runs from its point: 1 up toward the head, 2 down toward the
        // foot (the two sides of a step), 0 whichever fits.
        int richtung = 0;
    };
    double TL = 0.0;
    // The anchor's depth on an anchored wall whose anchor lies below the head, else < 0.
    double ankerTiefe = -1.0;
    std::vector<Punkt> moment;         // kNm/m, design, the greatest of the states
    std::vector<Punkt> momentMin;      // the least; empty where every state gives the same
    std::vector<Punkt> querkraft;      // kN/m, design, with the beam's sign; the greatest
    std::vector<Punkt> querkraftMin;   // the least; empty where every state gives the same
    std::vector<Punkt> normalkraft;    // kN/m, design, compression positive; the greatest
    std::vector<Punkt> normalkraftMin; // the least; empty where every state gives the same
    std::vector<Punkt> durchbiegung;   // cm, characteristic, toward the excavation negative
};

Schnittgroessenlinien SchnittgroessenlinienVon(const C1ZirfCalc& c, const C1ZirfInput& in);
