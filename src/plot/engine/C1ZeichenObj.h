#pragma once

#include "plot/engine/C1Rect.h"

// A drawing object that a member drawing registers on its page: its box, its kind,
// and a row and column of the kind's own meaning.
struct C1ZeichenObj {
    C1Rect rect;
    int iArt = 0;
    int iRow = 0;
    int iCol = 0;
};
