#pragma once

// The limits of the input's numbers: for every numeric attribute the readers take, the
// range within which the calculation, the report and the pictures give the value a
// meaning. A switch or a code takes every whole number that has a meaning (a switch
// tested for 1 is off for any other value), a number that nothing of a run reads takes
// any value. A limit refuses only what has no meaning (a code no table of the
// calculation holds, an angle whose tangent has no value, a share beyond 100 %) or what
// would break the run (a denormal stiffness, a position a thousand kilometres away). The
// checks of the calculation judge the finer conditions within the range (an anchor above
// the excavation, wall friction up to the soil's friction angle).

#include <span>
#include <string_view>

namespace zirf_input {

// Values besides the range that the input takes.
enum class Ausserdem {
    nichts,
    null,            // 0 stands for "not given" (an anchor's values in a wall without one)
    nullOderKleiner, // 0 or less stands for the default the reader then takes
    abgeschnitten    // the value counts as the reader keeps it, cut toward zero to a whole
                     // number (37.9 counts as 37, -0.5 as 0)
};

struct Grenze {
    const char* element;  // as the readers name it: "geom", "bode gruppe", "mate profil"
    const char* attribut; // the attribute (a trailing '#' stands for a number: "gep#" for
                          // gep1, gep2, gep3), or the `Kurzname` of a property
    double min;
    double max;
    Ausserdem ausserdem;
    const char* einheit; // "" for a pure number
    const char* was;     // what the value is, for the message
};

// Every limit.
std::span<const Grenze> AlleGrenzen();

// The limit of an attribute of an element; nullptr when the table has none.
const Grenze* FindGrenze(std::string_view element, std::string_view attribut);

// Whether the value lies within the limit.
bool InnerhalbGrenze(const Grenze& grenze, double wert);

// Whether the limit takes every number (a value that nothing of a run reads) or every
// whole number (a switch or a code that has a meaning for each).
bool OhneGrenze(const Grenze& grenze);

} // namespace zirf_input
