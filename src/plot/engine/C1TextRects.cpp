#include "plot/engine/C1TextRects.h"

#include <stdexcept>

C1TextRects::C1TextRects() {
    Clear();
}

void C1TextRects::Clear() {
    iCapacity = kStartCapacity;
    iLastRect = -1;
    Rects.assign(static_cast<std::size_t>(iCapacity), C1Rect());
}

int C1TextRects::AddMode0(const C1Rect& r) {
    for (int i = 0; i <= iLastRect; ++i) {
        if (r.Overlaps(Rects.at(static_cast<std::size_t>(i)))) {
            return 1;
        }
    }
    ++iLastRect;
    if (iLastRect >= iCapacity) {
        iCapacity += kGrowth;
        Rects.resize(static_cast<std::size_t>(iCapacity));
    }
    Rects.at(static_cast<std::size_t>(iLastRect)) = r;
    return 0;
}

int C1TextRects::TestAndAdd(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                            int mode) {
    const C1Rect r = C1Rect::FromQuad({x1, y1}, {x2, y2}, {x3, y3}, {x4, y4});
    if (mode != 1) {
        return AddMode0(r);
    }
    try {
        const int overlapped = iLastRect >= 0 && r.Overlaps(Rects.at(0)) ? 1 : 0;
        Rects.assign(static_cast<std::size_t>(iCapacity), C1Rect());
        iLastRect = 0;
        Rects.at(0) = r;
        return overlapped;
    } catch (const std::exception&) {
        return AddMode0(r);
    }
}
