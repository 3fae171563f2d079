#include "plot/engine/C1GdiObj.h"

#include "base/Numerik.h"
#include "platform/Koordinate.h"

#include <algorithm>

namespace {
constexpr int kBoldWeight = 700;
} // namespace

C1GdiObj C1GdiObj::Pen(int width, COLORREF colour, int solid) {
    C1GdiObj o;
    o.iType = kPen;
    o.iWidth = width;
    o.crColour = colour;
    o.bSolid = solid != 0 ? 1 : 0;
    return o;
}

C1GdiObj C1GdiObj::Brush(COLORREF colour, const EmfDib* pattern) {
    C1GdiObj o;
    o.iType = kBrush;
    o.crColour = colour;
    o.pPattern = pattern;
    return o;
}

C1GdiObj C1GdiObj::Font(int height, double angle, int bold, int underline) {
    C1GdiObj o;
    o.iType = kFont;
    o.iHeight = height;
    o.dAngle = angle;
    o.bBold = bold != 0 ? 1 : 0;
    o.bUnderline = underline != 0 ? 1 : 0;
    return o;
}

C1GdiObj C1GdiObj::Stock(int kind, int stockIndex) {
    C1GdiObj o;
    o.iType = kind;
    o.iStockIndex = stockIndex;
    return o;
}

bool C1GdiObj::IsEqual(const C1GdiObj& other) const {
    if (iType != other.iType) {
        return false;
    }
    switch (iType) {
    case kStockPen:
    case kStockBrush:
        return iStockIndex == other.iStockIndex;
    case kPen:
        return iWidth == other.iWidth && crColour == other.crColour && bSolid == other.bSolid;
    case kBrush:
        return crColour == other.crColour && pPattern == other.pPattern;
    case kFont:
        return iHeight == other.iHeight && bBold == other.bBold && bUnderline == other.bUnderline &&
               IsGleich(dAngle, other.dAngle) != 0;
    default:
        return false;
    }
}

int C1GdiObj::DrawnStockIndex() const {
    return iType == kStockPen && iStockIndex == kStockNullPen ? kStockWhitePen : iStockIndex;
}

void C1GdiObj::Create(EmfWriter& dc) {
    switch (iType) {
    case kPen:
        iSlot = dc.CreatePen(bSolid ? kPenSolid : kPenDash, iWidth, crColour);
        break;
    case kBrush:
        iSlot = pPattern != nullptr ? dc.CreatePatternBrush(*pPattern) : dc.CreateBrush(crColour);
        break;
    case kFont: {
        EmfFont font;
        font.height = std::max(1, iHeight);
        font.escapement = ToKoordinate(dAngle * 10.0, "C1Plot::SelectFont"); // 0.1°
        font.weight = bBold ? kBoldWeight : 0;
        font.underline = bUnderline != 0;
        iSlot = dc.CreateFont(font);
        break;
    }
    default:
        break;
    }
}

void C1GdiObj::Select(EmfWriter& dc) const {
    if (iType == kStockPen || iType == kStockBrush) {
        dc.SelectStockObject(DrawnStockIndex());
    } else if (iSlot != 0) {
        dc.SelectObject(iSlot);
    }
}

void C1GdiObj::Delete(EmfWriter& dc) {
    if (iSlot != 0) {
        dc.DeleteObject(iSlot);
        iSlot = 0;
    }
}
