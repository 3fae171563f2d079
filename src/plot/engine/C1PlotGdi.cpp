#include "plot/engine/C1Plot.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"
#include "platform/IniFile.h"

#include <cstdio>
#include <string>

namespace {

constexpr COLORREF kDefaultFarben[C1Plot::kColours] = {
    0x000000, 0x004080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xE9E9E9, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xF8F8F8, 0xFFFFFF,
};
constexpr int kFillTableLight = 8;
constexpr int kFillTableOther = 14;
constexpr double kUpsideDown = 180.0;

} // namespace

COLORREF C1Plot::Colour(unsigned index, COLORREF colour) const {
    return index < static_cast<unsigned>(kColours) ? Farben[index] : colour;
}

const C1GdiObj* C1Plot::Select(const C1GdiObj& request, std::vector<int>& stack, int& top,
                               const char* method, const char* tableFull, const char* stackFull) {
    int found = -1;
    for (int i = 0; i <= nGDI; ++i) {
        if (GDI[static_cast<std::size_t>(i)].IsEqual(request)) {
            found = i;
            break;
        }
    }
    if (top + 1 >= MAX_GDI) {
        throw C1Exception(stackFull, method, "debug");
    }
    if (found < 0) {
        if (nGDI >= MAX_GDI - 1) {
            throw C1Exception(tableFull, method, "debug");
        }
        GDI.push_back(request);
        found = ++nGDI;
        if (Drawing()) {
            GDI.back().Create(*pDC);
        }
    }
    const C1GdiObj& entry = GDI[static_cast<std::size_t>(found)];
    if (Drawing()) {
        entry.Select(*pDC);
    }
    ++top;
    if (static_cast<int>(stack.size()) <= top) {
        stack.resize(static_cast<std::size_t>(top) + 1);
    }
    stack[static_cast<std::size_t>(top)] = found;
    return &entry;
}

const C1GdiObj* C1Plot::Pop(std::vector<int>& stack, int& top, const C1GdiObj*& current) {
    if (top < 1) {
        return nullptr;
    }
    --top;
    current = &GDI.at(static_cast<std::size_t>(stack.at(static_cast<std::size_t>(top))));
    if (Drawing()) {
        current->Select(*pDC);
    }
    return current;
}

int C1Plot::ThickWidth(int width) const {
    if (bThickPens == 0) {
        return width;
    }
    if (width == 0) {
        return 1;
    }
    return width != iCharW ? width + 1 : width;
}

const C1GdiObj* C1Plot::SelectPen(int width, unsigned colourIndex, COLORREF colour, int solid) {
    int w = Drawing() ? ToDevice(width) : width;
    w = ThickWidth(w);
    pPen = Select(C1GdiObj::Pen(w, Colour(colourIndex, colour), solid), PenStack, iPenStack,
                  "C1Plot::SelectPen", "nGDI>=MAX_GDI-1", "iPenStack>=MAX_GDI");
    return pPen;
}

const C1GdiObj* C1Plot::SelectPenStd(int thick, int colourIndex, int solid) {
    return SelectPen(thick != 0 ? iCharW : 0, static_cast<unsigned>(colourIndex), 0, solid);
}

const C1GdiObj* C1Plot::SelectBrush(unsigned colourIndex, COLORREF colour, const EmfDib* pattern) {
    pBrush = Select(C1GdiObj::Brush(Colour(colourIndex, colour), pattern), BrushStack, iBrushStack,
                    "C1Plot::SelectBrush", "nGDIk>=MAX_GDI-1", "iBrushStack>=MAX_GDI");
    return pBrush;
}

const C1GdiObj* C1Plot::SelectFillBrush(int fillType) {
    if (iMode > 0) {
        const COLORREF colour = fillType == 1   ? Fuellfarbe1
                                : fillType == 2 ? Fuellfarbe2
                                                : static_cast<COLORREF>(fillType);
        if (colour != 0) {
            return SelectBrush(static_cast<unsigned>(-1), colour, nullptr);
        }
    }
    return SelectBrush(fillType == 1 ? kFillTableLight : kFillTableOther, 0, nullptr);
}

const C1GdiObj* C1Plot::SelectFont(int height, double angle, int bold, int underline) {
    // A height that comes to 0 device units would mean the platform's default size.
    const int h = std::max(1, ToDevice(height));
    // Upside-down text is drawn upright; the request is keyed as drawn, so that it
    // finds its entry again.
    if (IsGleich(angle, kUpsideDown)) {
        angle = 0.0;
    }
    pFont = Select(C1GdiObj::Font(h, angle, bold, underline), FontStack, iFontStack,
                   "C1Plot::SelectFont", "nGDI>=MAX_GDI-1", "iFontStack>=MAX_GDI");
    return pFont;
}

const C1GdiObj* C1Plot::SelectFontRel(double factor, double angle, int bold, int underline) {
    return SelectFont(WorldInt(iCharH * factor), angle, bold, underline);
}

const C1GdiObj* C1Plot::SelectStockBrush(int stockIndex) {
    const C1GdiObj* entry =
        Select(C1GdiObj::Stock(C1GdiObj::kStockBrush, stockIndex), BrushStack, iBrushStack,
               "C1Plot::SelectStockBrush", "nGDI>=MAX_GDI-1", "iBrushStack>=MAX_GDI");
    pBrush = entry;
    return entry;
}

const C1GdiObj* C1Plot::SelectStockPen2(int stockIndex) {
    const C1GdiObj* entry =
        Select(C1GdiObj::Stock(C1GdiObj::kStockPen, stockIndex), PenStack, iPenStack,
               "C1Plot::SelectStockPen2", "nGDI>=MAX_GDI-1", "iPenStack>=MAX_GDI");
    pPen = entry;
    return entry;
}

const C1GdiObj* C1Plot::PopPen() {
    return Pop(PenStack, iPenStack, pPen);
}

const C1GdiObj* C1Plot::PopBrush() {
    return Pop(BrushStack, iBrushStack, pBrush);
}

const C1GdiObj* C1Plot::PopFont() {
    return Pop(FontStack, iFontStack, pFont);
}

void C1Plot::DeleteGdiObjects() {
    if (pDC == nullptr) {
        return;
    }
    for (C1GdiObj& entry : GDI) {
        entry.Delete(*pDC);
    }
}

int C1Plot::ReadFarben(int* flags, COLORREF* colours) {
    for (int i = 0; i < kColours; ++i) {
        colours[i] = kDefaultFarben[i];
        flags[i] = 1;
    }
    // A colour the settings do not give reads as kUngesetzt: the default colour stays, its
    // flag becomes 0. Every page asks for every colour: that text is not parsed each time.
    static constexpr const char* kUngesetzt = "000 000 000 0";
    for (unsigned i = 1; i <= static_cast<unsigned>(kColours); ++i) {
        const std::string value = QEL_GetPrivateProfileString("start", "Farbe" + std::to_string(i),
                                                              kUngesetzt, "qel.ini", 256);
        if (value == kUngesetzt) {
            flags[i - 1] = 0;
            continue;
        }
        unsigned r = 0;
        unsigned g = 0;
        unsigned b = 0;
        unsigned flag = static_cast<unsigned>(flags[i - 1]);
        // Numbers are read as unsigned and cut to their low byte.
        const int read = std::sscanf(value.c_str(), "%u %u %u %u", &r, &g, &b, &flag);
        if (read >= 4) {
            flags[i - 1] = static_cast<int>(flag);
        }
        if (r + g + b > 0) {
            colours[i - 1] = (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16);
        }
    }
    return 1;
}
