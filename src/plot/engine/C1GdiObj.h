#pragma once

#include "platform/EmfWriter.h"

#include <cstdint>

using COLORREF = std::uint32_t;

// One entry of the engine's object table: what was requested (the key of the
// search) and the metafile object made for it.
class C1GdiObj {
public:
    enum Kind { kPen = 1, kBrush = 2, kFont = 3, kStockPen = -1, kStockBrush = -2 };

    C1GdiObj() = default;
    static C1GdiObj Pen(int width, COLORREF colour, int solid);
    static C1GdiObj Brush(COLORREF colour, const EmfDib* pattern);
    static C1GdiObj Font(int height, double angle, int bold, int underline);
    static C1GdiObj Stock(int kind, int stockIndex);

    // Same kind and the same request (font angles equal within 0.1 %).
    bool IsEqual(const C1GdiObj& other) const;
    // Makes the entry's metafile object (stock objects are taken, not made).
    void Create(EmfWriter& dc);
    // Selects the entry's object into the metafile.
    void Select(EmfWriter& dc) const;
    // Deletes a made object.
    void Delete(EmfWriter& dc);
    // The stock object drawn for a stock request: the null pen is drawn as the white pen.
    int DrawnStockIndex() const;

    int GetType() const { return iType; }
    int GetStockIndex() const { return iStockIndex; }
    int GetWidth() const { return iWidth; }
    COLORREF GetColour() const { return crColour; }
    const EmfDib* GetPattern() const { return pPattern; }
    int GetHeight() const { return iHeight; }
    double GetAngle() const { return dAngle; }
    int GetBold() const { return bBold; }
    int GetUnderline() const { return bUnderline; }
    int GetSolid() const { return bSolid; }
    std::uint32_t GetSlot() const { return iSlot; }

private:
    int iType = 0;
    int iStockIndex = 0;
    int iWidth = 0;
    COLORREF crColour = 0;
    const EmfDib* pPattern = nullptr;
    int iHeight = 0;
    double dAngle = 0.0;
    int bBold = 0;
    int bUnderline = 0;
    int bSolid = 1;
    std::uint32_t iSlot = 0; // metafile slot of a made object; 0 when none was made
};
