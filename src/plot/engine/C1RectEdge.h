#pragma once

#include "plot/engine/C1Punkt.h"

// The line through two points of a quadrilateral's edge: slope and intercept, or the
// x of a vertical line, with the edge's end points.
class C1RectEdge {
public:
    static constexpr double kVerticalSlope = 999999999.9;
    static constexpr int kUnset = 99999;

    C1RectEdge() = default;
    // Through two points.
    C1RectEdge(C1Punkt a, C1Punkt b);
    // Through a point with a slope: vertical when the slope is steeper than 89°.
    static C1RectEdge FromSlope(C1Punkt p, double slope);
    // Through a point with an intercept (the slope follows from both).
    static C1RectEdge FromIntercept(C1Punkt p, double intercept);

    double GetSlope() const { return dSlope; }
    double GetIntercept() const { return dIntercept; }
    int IsVertical() const { return bVertical; }
    int GetXVertical() const { return iXVertical; }
    C1Punkt Start() const { return {iX1, iY1}; }
    C1Punkt End() const { return {iX2, iY2}; }

    // 1 when both lines have equal slopes (within 0.1 %).
    int HasSameSlope(const C1RectEdge& other) const;
    // Where the two lines meet; (0, 0) for lines whose slopes differ by at most 0.001.
    C1Punkt Intersection(const C1RectEdge& other) const;
    // 1 when the point lies within the edge's x range (y range of a vertical edge),
    // the ends counted when includeEnds is set.
    int InRange(C1Punkt p, int includeEnds) const;

private:
    double dSlope = 0.0;
    double dIntercept = 0.0;
    int bVertical = 0;
    int iXVertical = 0;
    int iX1 = kUnset;
    int iY1 = kUnset;
    int iX2 = kUnset;
    int iY2 = kUnset;
};
