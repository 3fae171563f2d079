#pragma once

// The limits of the input's numbers: for every numeric attribute the readers take, the
// range outside which no wall calculation can mean the value (a sheet pile of 1e-20 cm⁴/m,
// a load a kilometre from the wall, a partial factor of 1e9). The checks of the
// calculation judge the finer conditions within the range (an anchor above the
// excavation, wall friction up to the soil's friction angle).

#include <span>
#include <string_view>

namespace zirf_input {

struct Grenze {
    const char* element;  // as the readers name it: "geom", "bode gruppe", "mate profil"
    const char* attribut; // the attribute (a trailing '#' stands for a number: "gep#" for
                          // gep1, gep2, gep3), or the `Kurzname` of a property
    double min;
    double max;
    // 0 stands for "not given" (an anchor's values in a wall without one, a factor of an
    // unused design situation) and is taken besides the range.
    bool nullNichtAngegeben;
    const char* einheit; // "" for a pure number
    const char* was;     // what the value is, for the message
};

// Every limit.
std::span<const Grenze> AlleGrenzen();

// The limit of an attribute of an element; nullptr when the table has none.
const Grenze* FindGrenze(std::string_view element, std::string_view attribut);

// Whether the value lies within the limit.
bool InnerhalbGrenze(const Grenze& grenze, double wert);

} // namespace zirf_input
