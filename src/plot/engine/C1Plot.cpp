#include "plot/engine/C1Plot.h"

#include "platform/Koordinate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDeviceUnitsPerSide = 1000.0;
constexpr double kDefaultCharH = 4.0;
constexpr double kDefaultCharW = 1.0;
constexpr int kOutputModeScaledByWidth = 1;
constexpr int kReferencePageWidthMm = 160;

bool Positive(double v) {
    return std::isfinite(v) && v > 0.0;
}

// A page size in mm completed from the others; 0 (no size) when there is none.
int PageMm(double v) {
    return Positive(v) && IsKoordinate(v) ? ToKoordinate(v, "C1Plot") : 0;
}

} // namespace

C1Plot::C1Plot(EmfWriter* target, double worldW, double worldH, int devW, int devH,
               double scaleValue, double charH, double charW, int draw, int hook, int mode,
               int mapMode) {
    GDI.reserve(MAX_GDI);
    for (int c = 0; c < kColours; ++c) {
        FarbFlag[c] = 1;
    }
    SetUpPage(target, worldW, worldH, devW, devH, scaleValue, charH, charW, draw, hook, mode,
              mapMode);
}

C1Plot::~C1Plot() {
    QEL_FreePlotLib(hPlotLib);
    DeleteGdiObjects();
    ZeichenObjList.clear();
}

int C1Plot::SetUpPage(EmfWriter* target, double worldW, double worldH, int devW, int devH,
                      double scaleValue, double charH, double charW, int draw, int hook, int mode,
                      int mapMode) {
    if (target == nullptr) {
        return 0;
    }
    ++iPage;
    pDC = target;
    bDraw = draw;
    bHook = hook;
    iMode = mode;
    TextRects.Clear();
    sperrlinien.Clear();
    ZeichenObjList.clear();
    nZeichenObj = 0;
    for (C1Rect& r : LastRect) {
        r.Reset();
    }
    TextBox.fill(C1Box{});
    if (!Positive(charH)) {
        charH = kDefaultCharH;
    }
    if (!Positive(charW)) {
        charW = kDefaultCharW;
    }
    if (iPage == 0) {
        ReadFarben(FarbFlag, Farben);
        hPlotLib = QEL_LoadPlotLib();
    }
    iWorldW = iWorldH = 10000;
    nGDI = -1;
    iPenStack = iBrushStack = iFontStack = -1;
    Fuellfarbe1 = 0xFFDAB5;
    Fuellfarbe2 = 0xFFF2E6;
    bThickPens = 0;
    iCadPenColour = 7;
    iCadBrushColour = 253;
    iCadTextColour = 7;
    iMinX = iMinY = kEmptyBoxMin;
    iMaxX = iMaxY = kEmptyBoxMax;
    bBoxEmpty = true;
    dOriginX = dOriginY = 0.0;

    // Complete the sizes, each from the values completed so far.
    if (worldH <= 0.0 && devW != 0) {
        worldH = devH * worldW / devW;
    }
    if (worldW <= 0.0 && devH != 0) {
        worldW = devW * worldH / devH;
    }
    if (devW <= 0 && Positive(worldH)) {
        devW = PageMm(devH * worldW / worldH);
    }
    if (devH <= 0 && Positive(worldW)) {
        devH = PageMm(devW * worldH / worldW);
    }
    // A page without a positive size in both systems has no scale, and one whose world
    // or characters the world units cannot hold draws nothing true: it is refused and
    // the engine draws nothing.
    if (!Positive(worldW) || !Positive(worldH) || devW <= 0 || devH <= 0 ||
        !IsKoordinate(worldW * kWorldPerUnit) || !IsKoordinate(worldH * kWorldPerUnit)) {
        return RefusePage();
    }
    const bool widthLimits = worldW / devW >= worldH / devH;
    const int extent = WorldUnits(widthLimits ? worldW : worldH);
    const double across =
        widthLimits ? static_cast<double>(devH) / devW : static_cast<double>(devW) / devH;
    const int side = widthLimits ? devW : devH;
    const double charHeight = static_cast<double>(extent) * charH / side;
    const double charWidth = static_cast<double>(extent) * charW / side;
    // The characters' sizes as truncated and then scaled by the output mode.
    const auto scaled = [&](double size) {
        const double whole = std::trunc(size);
        return mode == kOutputModeScaledByWidth ? std::trunc(whole * devW / kReferencePageWidthMm)
               : mode > 1                       ? whole * mode
                                                : whole;
    };
    if (extent <= 0 || !IsKoordinate(std::trunc(extent * across)) ||
        !IsKoordinate(scaled(charHeight)) || !IsKoordinate(scaled(charWidth))) {
        return RefusePage();
    }
    if (Drawing()) {
        pDC->SetBkMode(kBkTransparent);
    }
    (void)mapMode; // the metafile keeps its one mapping: device units
    dScale = kDeviceUnitsPerSide / extent;
    const long long e = extent;
    const int other =
        WorldInt(static_cast<double>(widthLimits ? e * devH / devW : e * devW / devH));
    iWorldW = widthLimits ? extent : other;
    iWorldH = widthLimits ? other : extent;
    iCharH = WorldInt(scaled(charHeight));
    iCharW = WorldInt(scaled(charWidth));
    dScaleValue = scaleValue;
    bPageSet = 1;
    return 1;
}

int C1Plot::RefusePage() {
    bDraw = 0;
    bHook = 0;
    return 0;
}

int C1Plot::WorldInt(double w) {
    return ToKoordinate(w, "C1Plot");
}

int C1Plot::WorldUnits(double v) {
    return WorldInt(v * kWorldPerUnit);
}

C1Punkt C1Plot::ToWorld(double x, double y) const {
    // Point and origin each truncated on their own, then the origin subtracted.
    const auto less = [](double v, double origin) {
        return WorldInt(static_cast<double>(WorldUnits(v)) - WorldUnits(origin));
    };
    return {less(x, dOriginX), less(y, dOriginY)};
}

int C1Plot::ToDevice(int v) const {
    return ToKoordinate(v * dScale, "C1Plot");
}

C1Punkt C1Plot::ToDevice(C1Punkt p) const {
    return {ToDevice(p.x), ToDevice(p.y)};
}

C1Box C1Plot::ToDevice(const C1Box& r) const {
    return {ToDevice(r.left), ToDevice(r.top), ToDevice(r.right), ToDevice(r.bottom)};
}

void C1Plot::Extend(int x, int y) {
    if (bBoxEmpty) {
        iMinX = iMaxX = x;
        iMinY = iMaxY = y;
        bBoxEmpty = false;
        return;
    }
    iMinX = std::min(iMinX, x);
    iMaxX = std::max(iMaxX, x);
    iMinY = std::min(iMinY, y);
    iMaxY = std::max(iMaxY, y);
}

int C1Plot::GetCurrentGdiIndex(int kind) const {
    const auto top = [](const std::vector<int>& stack, int i) {
        return i >= 0 ? stack.at(static_cast<std::size_t>(i)) : -1;
    };
    switch (kind) {
    case 1:
        return top(PenStack, iPenStack);
    case 2:
        return top(BrushStack, iBrushStack);
    case 3:
        return top(FontStack, iFontStack);
    default:
        return -1;
    }
}

int C1Plot::GetStackTop(int kind) const {
    return kind == 1 ? iPenStack : kind == 2 ? iBrushStack : kind == 3 ? iFontStack : -1;
}

int C1Plot::SetROP2(int mode) {
    if (!Drawing()) {
        return 0;
    }
    pDC->SetRop2(mode);
    return 1;
}

int C1Plot::SetBkMode(int mode) {
    if (!Drawing()) {
        return 0;
    }
    pDC->SetBkMode(mode);
    return 1;
}

int C1Plot::PreloadGdi() {
    for (int c = 0; c < kColours; ++c) {
        SelectPen(0, static_cast<unsigned>(c), 0, 1);
        SelectBrush(static_cast<unsigned>(c), 0, nullptr);
    }
    SelectPen(iCharW, static_cast<unsigned>(-1), 0, 1);
    for (const double factor : {1.0, 0.8}) {
        for (const double angle : {0.0, 90.0, -90.0}) {
            SelectFontRel(factor, angle, 0, 0);
        }
    }
    return 1;
}

int C1Plot::CadColour(const C1GdiObj* entry, int fallback) const {
    if (entry == nullptr) {
        return fallback;
    }
    if (entry->GetType() == C1GdiObj::kStockPen) {
        return entry->GetStockIndex() == kStockBlackPen ? 7 : 0;
    }
    if (entry->GetType() == C1GdiObj::kStockBrush) {
        switch (entry->GetStockIndex()) {
        case kStockWhiteBrush:
            return 255;
        case kStockLightGrayBrush:
            return 9;
        case kStockGrayBrush:
        case kStockDarkGrayBrush:
            return 8;
        case kStockBlackBrush:
            return 7;
        default:
            return 0;
        }
    }
    static const int kTableColours[kColours] = {7,   18, 97, 45, 164, 215, 125, 8,
                                                253, 7,  3,  2,  5,   1,   254, 255};
    const COLORREF c = entry->GetColour();
    for (int i = 0; i < kColours; ++i) {
        if ((Farben[i] & 0xFFFFFF) == (c & 0xFFFFFF)) {
            return kTableColours[i];
        }
    }
    const unsigned r = c & 0xFF;
    const unsigned g = (c >> 8) & 0xFF;
    const unsigned b = (c >> 16) & 0xFF;
    if (b == 0 && g == 255) {
        return r == 0 ? 3 : fallback;
    }
    if (b == 0 && g == 0 && r == 255) {
        return 1;
    }
    if (b <= 1 && g <= 1 && r <= 1) {
        return 7;
    }
    if (b < 255) {
        if (b <= 128 && g <= 128 && r <= 128) {
            return 8;
        }
        if (b <= 233 && g <= 233 && r <= 233) {
            return 254;
        }
        if (b >= 253 && g > 252 && r > 252) {
            return 255;
        }
        return fallback;
    }
    if (g == 0 && r == 0) {
        return 5;
    }
    if (g > 252 && r > 252) {
        return 255;
    }
    return fallback;
}

int C1Plot::PenCadColour() const {
    return CadColour(pPen, iCadPenColour);
}

int C1Plot::BrushCadColour() const {
    return CadColour(pBrush, iCadBrushColour);
}

int C1Plot::AddZeichenObj(int iArt, int iRow, int iCol, const C1Rect& rect) {
    ZeichenObjList.push_back({rect, iArt, iRow, iCol});
    ++nZeichenObj;
    return 1;
}

const C1ZeichenObj* C1Plot::FindZeichenObj(int iArt, int iRow) const {
    for (const C1ZeichenObj& o : ZeichenObjList) {
        if (o.iArt == iArt && o.iRow == iRow) {
            return &o;
        }
    }
    return nullptr;
}

int C1Plot::ReplaceZeichenObj(int iArt, int iRow, const C1ZeichenObj& obj) {
    for (C1ZeichenObj& o : ZeichenObjList) {
        if (o.iArt == iArt && o.iRow == iRow) {
            o = obj;
            return 1;
        }
    }
    return 0;
}

const C1ZeichenObj* C1Plot::HitZeichenObj(int x, int y) const {
    // The boxes hold 1/100 of the caller's unit; the point comes in world units.
    const int rx = WorldInt(x * 0.01);
    const int ry = WorldInt(y * 0.01);
    for (const C1ZeichenObj& o : ZeichenObjList) {
        if (o.rect.ContainsPoint(rx, ry, 1)) {
            return &o;
        }
    }
    return nullptr;
}

void C1Plot::DumpZeichenObj(std::FILE* file, const C1ZeichenObj& o) {
    if (file == nullptr) {
        return;
    }
    std::fprintf(file, "iArt, iRow, iCol:   %d,  %d,  %d \n", o.iArt, o.iRow, o.iCol);
    const C1Rect& r = o.rect;
    std::fprintf(file, "Rect:  P1 %d/%d   P2 %d/%d   P3 %d/%d   P4 %d/%d \n", r.P[0].x, r.P[0].y,
                 r.P[1].x, r.P[1].y, r.P[2].x, r.P[2].y, r.P[3].x, r.P[3].y);
}

void C1Plot::DumpZeichenObj(std::FILE* file, const std::string& title) const {
    if (file == nullptr) {
        return;
    }
    if (!title.empty()) {
        std::fprintf(file, "\n%s \n", title.c_str());
    }
    if (ZeichenObjList.empty()) {
        std::fprintf(file, "keine ZeichenObjekte vorhanden\n");
        return;
    }
    int i = 0;
    for (const C1ZeichenObj& o : ZeichenObjList) {
        std::fprintf(file, "ZeichenObjekt %d    ", ++i);
        DumpZeichenObj(file, o);
    }
}
