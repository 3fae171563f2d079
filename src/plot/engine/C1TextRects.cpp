#include "plot/engine/C1TextRects.h"

#include <stdexcept>
#include <string>

C1TextRects::C1TextRects() {
    Clear();
}

void C1TextRects::Clear() {
    iCapacity = kStartCapacity;
    iLastRect = -1;
    Rects.clear();
}

const C1Rect& C1TextRects::Get(int i) const {
    if (i < 0 || i >= iCapacity) {
        throw std::out_of_range("C1TextRects::Get " + std::to_string(i));
    }
    static const C1Rect frei;
    return i <= iLastRect ? Rects[static_cast<std::size_t>(i)] : frei;
}

int C1TextRects::AddMode0(const C1Rect& r) {
    for (const C1Rect& placed : Rects) {
        if (r.Overlaps(placed)) {
            return 1;
        }
    }
    ++iLastRect;
    if (iLastRect >= iCapacity) {
        iCapacity += kGrowth;
    }
    Rects.push_back(r);
    return 0;
}

bool C1TextRects::Ueberlappt(const C1Rect& r) const {
    for (const C1Rect& placed : Rects) {
        if (r.Overlaps(placed) != 0) {
            return true;
        }
    }
    return false;
}

void C1TextRects::Freihalten(const C1Rect& r) {
    ++iLastRect;
    if (iLastRect >= iCapacity) {
        iCapacity += kGrowth;
    }
    Rects.push_back(r);
}

int C1TextRects::TestAndAdd(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                            int mode) {
    const C1Rect r = C1Rect::FromQuad({x1, y1}, {x2, y2}, {x3, y3}, {x4, y4});
    if (mode != 1) {
        return AddMode0(r);
    }
    try {
        const int overlapped = iLastRect >= 0 && r.Overlaps(Rects.front()) ? 1 : 0;
        Rects.assign(1, r);
        iLastRect = 0;
        return overlapped;
    } catch (const std::exception&) {
        return AddMode0(r);
    }
}
