#pragma once

// Rotation integrals of the anchored wall: each load's share of the end rotation at the
// foot of the span between anchor (depth A) and foot (depth t), times EI. A load below
// the anchor turns the foot one way (positive for pressure towards the excavation), a
// load on the part above the anchor turns it the other way through the moment it puts on
// the anchor. Depths in m below the wall head, ordinates in kN/m², forces in kN/m.
namespace verdrehung {

enum Typ {
    kUnterAnker = 0, // trapezoid below the anchor
    kUeberAnker = 1, // trapezoid above the anchor
    kPunktlast = 2,  // horizontal point force
};

// Trapezoid from depth a (ordinate c) to depth b (ordinate d) below the anchor.
double UnterAnker(double A, double t, double a, double b, double c, double d);
// Trapezoid from depth a (ordinate c) to depth b (ordinate d) above the anchor.
double UeberAnker(double A, double t, double a, double b, double c, double d);
// Point force P at depth a above the anchor: the limit of a very short trapezoid.
double Punktlast(double A, double t, double a, double P);
// Concentrated moment m at or above the anchor, positive in the sense of the beam's
// moment loads: the limit of a pair of opposite point forces.
double Moment(double A, double t, double m);

} // namespace verdrehung
