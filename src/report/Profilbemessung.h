#pragma once

// The rows of the steel profile check and the design stress it takes: the design moment
// and normal force at the anchor, at the foot, at the excavation level and at the greatest
// moment, each with the load state it is of.

#include <cstddef>
#include <string>
#include <vector>

class C1ZirfCalc;
class C1ZirfInput;

namespace profilnachweis {

struct Zeile {
    int eintrag = 0; // the row's string-table entry
    double y = 0.0;  // depth below the head (m)
    double md = 0.0; // kNm/m
    double nd = 0.0; // kN/m
    std::string zustand;
    std::size_t zustandM = 0; // the load states of md and nd (indices into the run's states)
    std::size_t zustandN = 0;
    std::vector<std::size_t> zustandNGleich; // the other states of the same nd
};

// The rows in the order the table prints them.
std::vector<Zeile> Zeilen(const C1ZirfCalc& calc, const C1ZirfInput& in);

// The elastic design stress (kN/cm²) of a section with the design moment md and normal
// force nd; the own weight of the sheet pile down to the embedment depth adds to the force.
double Spannung(const C1ZirfCalc& calc, const C1ZirfInput& in, double md, double nd);

// The index of the row of the greatest design stress (0 without rows).
std::size_t MassgebendeZeile(const C1ZirfCalc& calc, const C1ZirfInput& in,
                             const std::vector<Zeile>& zeilen);
// The greatest design stress of the rows: the row that governs the check; the earlier
// row on equal stresses. 0 without rows.
double GroessteSpannung(const C1ZirfCalc& calc, const C1ZirfInput& in,
                        const std::vector<Zeile>& zeilen);

} // namespace profilnachweis
