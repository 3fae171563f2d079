#pragma once

#include "plot/engine/C1Rect.h"

#include <vector>

// The boxes of the texts placed so far on a page, for collision tests.
class C1TextRects {
public:
    static constexpr int kStartCapacity = 501;
    static constexpr int kGrowth = 20;

    C1TextRects();
    void Clear();
    // mode 0: 1 when the quadrilateral overlaps a placed box (nothing added), else it
    // is added and 0 returned. mode 1: compared with box 0 only, then the set holds
    // this quadrilateral alone; 1 when it overlapped the old box 0.
    int TestAndAdd(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, int mode);
    // Keeps a box free of the texts placed after it (a symbol, a text with the clear
    // space around it), whatever it overlaps.
    void Freihalten(const C1Rect& r);
    // Whether a box overlaps one kept free or placed.
    bool Ueberlappt(const C1Rect& r) const;

    int GetLastRect() const { return iLastRect; }
    int GetCapacity() const { return iCapacity; }
    // Box i: a placed one, an empty box for a free place, an error beyond the places.
    const C1Rect& Get(int i) const;

private:
    int AddMode0(const C1Rect& r);
    int iCapacity = kStartCapacity;
    int iLastRect = -1;
    // The placed boxes 0..iLastRect; the free places up to iCapacity are counted only.
    std::vector<C1Rect> Rects;
};
