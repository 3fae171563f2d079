#pragma once

#include "geometry/CGBaseSeg.h"
#include "geometry/CGCircle.h"
#include "geometry/CGLine.h"
#include "geometry/CGPoint.h"

#include <vector>

// A trimmed line: a base line (or circle) with the kept parts of it as intervals of
// its parameter, in increasing order. Interval indices are checked: one outside the
// array throws std::out_of_range.
class CGSegLine {
public:
    CGSegLine() = default;
    CGSegLine(const CGLine& base, const CGBaseSeg& seg);
    CGSegLine(const CGCircle& base, const CGBaseSeg& seg);
    CGSegLine(const CGSegLine& other);
    ~CGSegLine() = default;
    // Takes the other's state; an object without intervals leaves none behind.
    CGSegLine& operator=(const CGSegLine& other);

    // The base line with one interval.
    void SetLine(const CGLine& base, const CGBaseSeg& seg);
    // The base circle with one interval; an object that already holds intervals is
    // left alone unless force is set.
    void SetCircle(const CGCircle& base, const CGBaseSeg& seg, int force);

    CGBaseSeg Segment(int i) const;
    // Start and end of interval i on the base line (the origin on a circle).
    CGPoint StartPoint(int i) const;
    CGPoint EndPoint(int i) const;
    // Interval i as a line from its start to its end: 1, or 0 on a circle.
    int SegmentLine(int i, CGLine& line) const;
    // The circle of interval i: always the zero circle.
    CGCircle SegmentCircle(int i) const;
    // One line from the start of the first interval to the end of the last; the base
    // line itself without intervals.
    CGLine Extent() const;

    int Count() const { return static_cast<int>(segs.size()); }
    int LastIndex() const { return Count() - 1; }
    // Index of the first interval with from <= s <= to, or -1.
    int FindSegment(double s) const;
    // Index of the first interval whose segment comes nearer to p than the given
    // length, or -1; on a circle the first interval for any length above 0.
    int FindNear(const CGPoint& p, double length) const;

    // Cuts the stretch between the parameters of two points out of the interval
    // that holds the second one.
    void Cut(const CGPoint& p1, const CGPoint& p2);

    int kind = 0; // not read
    int isCircle = 0;
    CGLine line;
    CGCircle circle;
    std::vector<CGBaseSeg> segs;
    int valid = 0;

private:
    const CGBaseSeg& At(int i) const;
};
