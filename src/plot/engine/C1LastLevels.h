#pragma once

// The level plan of one member's load blocks: each block is placed on the lowest
// level where it overlaps no earlier block of that level, one level step further out
// per level.

#include "plot/engine/C1Punkt.h"
#include "plot/engine/C1Rect.h"

#include <vector>

// The outline of a load block beside the member line P1 -> P2: q[0] base at the
// start, q[1] top at the start, q[2] base at the end, q[3] top at the end. The load
// type decides the direction of the heights (across the member, along the page's y
// or x axis); side -1 lays the block on the other side with base and top swapped.
// A direction that gives no outline (a zero divisor, an unknown type) puts every
// point at P1.
void LoadOutline(int x1, int y1, int x2, int y2, int type, int side, int gap, int h1, int h2,
                 C1Punkt q[4]);

// The box of an outline: its corners in the order that walks round it.
C1Rect OutlineRect(const C1Punkt q[4]);

class C1LastLevels {
public:
    static constexpr int kGrowth = 10;

    explicit C1LastLevels(int n);

    // Places block i (from 1) of the given type, from start to end (caller units) along
    // the member line of the given length, starting at the gap and stepping out by step
    // per level; returns the gap of its level (1 for a gap of 0).
    int Place(int i, int type, int x1, int y1, int x2, int y2, double length, double start,
              double end, int step, int side, int gap);

    int GetLevel(int i) const { return Level.at(static_cast<std::size_t>(i)); }
    int GetCapacity() const { return iCapacity; }

private:
    int iCapacity;
    std::vector<C1Rect> Blocks;
    std::vector<int> Level;
};
