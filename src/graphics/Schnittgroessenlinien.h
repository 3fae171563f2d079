#pragma once

#include <vector>

class C1ZirfCalc;
class C1ZirfInput;

// The four lines of the internal-force and deflection diagrams as the calculation stores
// them, placed on the design beam: x along the member from the foot (x = 0) to the head
// (x = TL), a depth d at x = TL - d, from the head down to the foot.
struct Schnittgroessenlinien {
    struct Punkt {
        double x = 0.0;
        double wert = 0.0;
        // Labelled besides the line's extremes: a value at the anchor or at the
        // excavation level, or one the report prints.
        bool beschriftet = false;
    };
    double TL = 0.0;
    // The anchor's depth on an anchored wall whose anchor lies below the head, else < 0.
    double ankerTiefe = -1.0;
    std::vector<Punkt> moment;       // kNm/m, design
    std::vector<Punkt> querkraft;    // kN/m, design, with the beam's sign
    std::vector<Punkt> normalkraft;  // kN/m, design: the report's operation
    std::vector<Punkt> durchbiegung; // cm, characteristic, toward the excavation negative
};

Schnittgroessenlinien SchnittgroessenlinienVon(const C1ZirfCalc& c, const C1ZirfInput& in);
