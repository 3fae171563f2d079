#pragma once

#include "plot/engine/C1Punkt.h"
#include "plot/engine/C1RectEdge.h"

// A convex quadrilateral (not necessarily axis-parallel), the box of a placed text or
// symbol. The constructors store every world coordinate × 0.01, truncated (units of
// 1/100 of the caller's unit). Two boxes overlap when they share an area: an exact
// test in integer arithmetic, so boxes that only touch along an edge do not overlap.
class C1Rect {
public:
    C1Rect();
    static C1Rect FromQuad(C1Punkt q1, C1Punkt q2, C1Punkt q3, C1Punkt q4);
    static C1Rect FromBox(int left, int top, int right, int bottom);

    void Reset();
    // 1 when any two corners are equal.
    int IsDegenerate() const;
    // 1 when every corner has a corner of the other at the same place.
    int IsSameQuad(const C1Rect& other) const;
    int Overlaps(const C1Rect& other) const;
    // 1 when the point (in the box's own units) lies inside; a point within the
    // tolerance of an edge counts only when includeBoundary is set.
    int ContainsPoint(int x, int y, int includeBoundary) const;
    // The same question put to the polygon of the four corners: 1 inside or on an
    // edge, else 0; without the tolerance of ContainsPoint.
    int ContainsPointPoly(int x, int y) const;

    const C1Punkt& Corner(int k) const { return P[k & 3]; }
    const C1RectEdge& GetEdge(int k) const { return Edge[k & 3]; }

    C1Punkt P[4];
    C1RectEdge Edge[4];
    int bUseRgn = 1;
    double dTol = 0.01;

private:
    void BuildEdges();
};
