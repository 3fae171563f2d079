#include "geometry/CGSegLine.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

CGSegLine::CGSegLine(const CGLine& base, const CGBaseSeg& seg) {
    SetLine(base, seg);
}

CGSegLine::CGSegLine(const CGCircle& base, const CGBaseSeg& seg) {
    SetCircle(base, seg, 1);
}

CGSegLine::CGSegLine(const CGSegLine& other) {
    *this = other;
}

CGSegLine& CGSegLine::operator=(const CGSegLine& other) {
    valid = other.valid;
    if (valid == 0) {
        // Intervals of the old value would otherwise outlive it.
        segs.clear();
        return *this;
    }
    segs = other.segs;
    isCircle = other.isCircle;
    if (isCircle != 0) {
        circle = other.circle;
    } else {
        line = other.line;
    }
    return *this;
}

void CGSegLine::SetLine(const CGLine& base, const CGBaseSeg& seg) {
    line = base;
    isCircle = 0;
    segs.assign(1, seg);
    valid = 1;
}

void CGSegLine::SetCircle(const CGCircle& base, const CGBaseSeg& seg, int force) {
    if (valid != 0 && force == 0) {
        return;
    }
    circle = base;
    isCircle = 1;
    segs.assign(1, seg);
    valid = 1;
}

const CGBaseSeg& CGSegLine::At(int i) const {
    if (i < 0 || i >= Count()) {
        throw std::out_of_range("CGSegLine: no interval " + std::to_string(i));
    }
    return segs[static_cast<std::size_t>(i)];
}

CGBaseSeg CGSegLine::Segment(int i) const {
    return At(i);
}

CGPoint CGSegLine::StartPoint(int i) const {
    const CGBaseSeg& seg = At(i);
    return isCircle != 0 ? CGPoint() : line.PointAt(seg.from);
}

CGPoint CGSegLine::EndPoint(int i) const {
    const CGBaseSeg& seg = At(i);
    return isCircle != 0 ? CGPoint() : line.PointAt(seg.to);
}

int CGSegLine::SegmentLine(int i, CGLine& segment) const {
    At(i);
    if (isCircle != 0) {
        return 0;
    }
    segment = CGLine(StartPoint(i), EndPoint(i));
    return 1;
}

CGCircle CGSegLine::SegmentCircle(int i) const {
    At(i);
    return CGCircle();
}

CGLine CGSegLine::Extent() const {
    if (segs.empty()) {
        return line;
    }
    return CGLine(StartPoint(0), EndPoint(LastIndex()));
}

int CGSegLine::FindSegment(double s) const {
    for (int i = 0; i < Count(); ++i) {
        if (segs[static_cast<std::size_t>(i)].from <= s &&
            s <= segs[static_cast<std::size_t>(i)].to) {
            return i;
        }
    }
    return -1;
}

int CGSegLine::FindNear(const CGPoint& p, double length) const {
    if (isCircle != 0) {
        return length > 0.0 && !segs.empty() ? 0 : -1;
    }
    for (int i = 0; i < Count(); ++i) {
        CGLine segment;
        SegmentLine(i, segment);
        // Nearest point of the segment: the foot of the perpendicular when it falls
        // on the segment, else the nearer end.
        CGPoint foot;
        const double distance = std::min({segment.Perpendicular(p, foot, 0),
                                          p.LengthTo(StartPoint(i)), p.LengthTo(EndPoint(i))});
        if (distance < length) {
            return i;
        }
    }
    return -1;
}

void CGSegLine::Cut(const CGPoint& p1, const CGPoint& p2) {
    if (segs.empty()) {
        return;
    }
    double a = line.Parameter(p1);
    double b = line.Parameter(p2);
    if (a == kCGKeineLoesung || b == kCGKeineLoesung) {
        return; // a degenerate base line has no parameters to cut at
    }
    if (a > b) {
        // The stretch between two points does not depend on their order.
        std::swap(a, b);
    }
    b = std::min(b, segs.back().to);
    a = std::min(a, b);
    for (const CGBaseSeg& seg : segs) {
        if (std::abs(b - seg.to) < kCGGleich) {
            b = seg.to;
            break;
        }
    }
    const auto target =
        std::find_if(segs.begin(), segs.end(), [b](const CGBaseSeg& seg) { return seg.to >= b; });
    if (target == segs.end()) {
        return;
    }
    // The first part ends at a, but never before its own start.
    const CGBaseSeg first(target->from, std::max(a, target->from));
    CGBaseSeg second(b, target->to);
    if (std::abs(second.from - first.to) < kCGGleich) {
        // A cut of no width still leaves a gap, as far as the interval reaches.
        second.from = std::min(second.from + kCGGleich, second.to);
    }
    *target = first;
    segs.insert(target + 1, second);
}
