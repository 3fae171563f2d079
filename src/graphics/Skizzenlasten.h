#pragma once

#include "graphics/Bildfenster.h"

#include <string>
#include <vector>

class C1ZirfInput;

// The load symbols of the system sketch: surcharge bands above the ground, block loads
// as blocks with their horizontal force beneath, line and head loads as arrows and
// moment arcs, each sized by its magnitude against the largest load. A line or block
// load stands where it acts as long as that lies within reach of the wall's world; one
// beyond it is drawn at the edge of the sketch with its position written beside it, so
// that no entered load stretches the sketch out of sight.
namespace skizzenlasten {

using bildfenster::Fenster;

// A line or block load as the sketch draws it.
struct Platz {
    double x = 0.0; // where its symbol stands (m)
    double y = 0.0;
    double xEnde = 0.0; // end of a block (m)
    bool versetzt = false;
    std::string text; // its position as entered, for a load drawn at the edge
};

class Lasten {
public:
    // Places the loads of the input: those inside `reichweite` where they are, the
    // others at the edge of `welt` grown by the loads placed.
    Lasten(const C1ZirfInput& in, const Fenster& welt, const Fenster& reichweite);

    // The window of the wall's world with the loads that stand where they act.
    const Fenster& Welt() const { return welt; }
    // The largest x that a load reaches (m), for the ground line under it.
    double XRechts() const { return xRechts; }
    // Draws the symbols. Surcharges span the ground from xGel to xEnde, their lowest
    // band at yText; head loads act at the wall (leaning by tanWand) at its head or at
    // the anchor depth yAnker.
    void Zeichne(double xGel, double xEnde, double yText, double tanWand, double yAnker) const;
    // The least x that the symbols of the head loads acting at the wall head reach (m; the
    // anchor at yAnker); 0 (the wall) when there are none.
    double KopfLinks(double yAnker) const;

private:
    const C1ZirfInput& in;
    double maxLast = 0.0;
    Fenster welt;
    double xRechts = 0.0;
    std::vector<Platz> block;
    std::vector<Platz> linie;
};

} // namespace skizzenlasten
