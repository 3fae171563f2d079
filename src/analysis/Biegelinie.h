#pragma once

#include <array>

// Deflection line of the wall from its characteristic moment line.
namespace biegelinie {

inline constexpr int kPunkte = 21;
using Linie = std::array<double, kPunkte>;

// Bending stiffness EI [kNm² per m of wall] of a steel profile with the second moment of
// area Iy [cm⁴/m]: E = 21000 kN/cm² and 1 cm⁴ = 1e-8 m⁴ give EI = 2.1·Iy.
double Biegesteifigkeit(double Iy);

// The moment line: place p holds the moment at the beam position x = p·TL/20 from the foot
// (beam length TL). Between places the moment is taken as linear.
double MomentBei(const Linie& moment, double TL, double x);

// Deflection in cm at the beam's own points, place p at the depth p·TL/20 below the wall
// head (place 0 at the head, place 20 at the beam's foot x = 0), so that place p and the
// moment's place 20 - p lie at one depth. The curvature is M/EI for both walls alike: a
// movement toward the excavation is negative. The line is integrated exactly for a
// curvature that is linear between the places.
//
// Wall without anchor (Kragwand): clamped at the beam's foot, w = 0 and w' = 0 there.
Linie Kragwand(const Linie& moment, double TL, double EI);
// Anchored wall: w = 0 at its supports, the foot support at the beam position xFuss and
// the anchor at xAnker (xFuss < xAnker ≤ TL); the wall beyond them follows the same
// curvature.
Linie Ankerwand(const Linie& moment, double TL, double xFuss, double xAnker, double EI);

} // namespace biegelinie
