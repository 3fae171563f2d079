#pragma once

// Plane geometry of the drawings, in world units with y pointing down on the page;
// angles in radians counter-clockwise as seen on the page (y up), so the direction
// from P1 to P2 has the angle atan2(y1 - y2, x2 - x1).

#include "plot/engine/C1Punkt.h"

#include <optional>

double LineAngle(int x1, int y1, int x2, int y2);
double LineAngleD(double x1, double y1, double x2, double y2);
double LineAngleDeg(int x1, int y1, int x2, int y2);
double LineAngleDegD(double x1, double y1, double x2, double y2);
double LineLength(int x1, int y1, int x2, int y2);
double LineLengthD(double x1, double y1, double x2, double y2);

// The point at distance l from P1 towards P2 and then b across (for a line drawn to
// the right, a positive b points down the page); each step truncated.
C1Punkt PointOnLine(int x1, int y1, int x2, int y2, int l, int b);
// The same along a given angle from (x0, y0).
C1Punkt PointAtAngle(int x0, int y0, double angle, int a, int b);
// An angle's cosine and sine, taken once for the many points of a curve along it.
struct Richtung {
    explicit Richtung(double angle);
    double cos;
    double sin;
};
C1Punkt PointAtAngle(int x0, int y0, const Richtung& r, int a, int b);
// Q1 = PointOnLine(l, a) and Q2 = PointOnLine(l + b, a); 0 when b < 0, else 1.
int PointsOnLine(int x1, int y1, int x2, int y2, int l, int a, int b, C1Punkt& q1, C1Punkt& q2);
C1Punkt PointBetween(int x1, int y1, int x2, int y2, double t);
// The foot of the perpendicular from P on the line through P1 and P2 (truncated);
// nothing when P1 and P2 coincide and so give no line.
std::optional<C1Punkt> PerpendicularFoot(int x1, int y1, int x2, int y2, int px, int py);
// The point turned about the pivot by the angle.
C1Punkt RotatePoint(int px, int py, double angle, int x, int y);
// Turns n points in place; 0 when n <= 0, else 1.
int RotatePoints(int px, int py, double angle, C1Punkt* points, int n);
// The angle at P0 between the legs to P1 and P2; 0 when a leg has no length.
double AngleAtVertex(int x0, int y0, int x1, int y1, int x2, int y2);
// The box cut to the proportions w : h (top or right moved); unchanged for an empty
// box or proportions that are not positive.
C1Box FitRectToAspect(const C1Box& box, double w, double h);
// 1 when the two boxes (each given by two corners in any order) share an area.
int RectsIntersect(const C1Box& a, const C1Box& b);
