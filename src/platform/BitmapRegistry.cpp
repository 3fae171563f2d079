#include "platform/BitmapRegistry.h"

#include <algorithm>
#include <cstdlib>
#include <map>

struct QEL_PlotLib {
    std::map<std::string, EmfDib> bitmaps;
};

namespace {

constexpr int kSymbolSize = 32;
constexpr int kHatchStep = 5;

bool g_available = true;

// A white 24-bit canvas with y growing downward.
class Canvas {
public:
    Canvas(int w, int h)
        : dib{w, h,
              std::vector<std::uint8_t>(EmfDib::RowBytes(w) * static_cast<std::size_t>(h), 0xFF)} {}

    void Set(int x, int y) {
        if (x < 0 || y < 0 || x >= dib.width || y >= dib.height) {
            return;
        }
        const std::size_t row = static_cast<std::size_t>(dib.height - 1 - y);
        const std::size_t at = row * EmfDib::RowBytes(dib.width) + static_cast<std::size_t>(x) * 3;
        dib.bits[at] = dib.bits[at + 1] = dib.bits[at + 2] = 0;
    }

    void Line(int x0, int y0, int x1, int y1) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            Set(x0, y0);
            if (x0 == x1 && y0 == y1) {
                return;
            }
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    void Bar(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y) {
            Line(x0, y, x1, y);
        }
    }

    // Short strokes down to the left below a ground line at y, down to the bottom.
    void Hatch(int x0, int x1, int y) {
        for (int x = x0 + kHatchStep; x <= x1; x += kHatchStep) {
            Line(x, y, x - (dib.height - 1 - y), dib.height - 1);
        }
    }

    EmfDib dib;
};

// Hinged support: a triangle standing on a hatched ground line.
EmfDib Hinged() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int apex = kSymbolSize / 2;
    const int base = 20;
    c.Line(apex, 1, 5, base);
    c.Line(apex, 1, kSymbolSize - 6, base);
    c.Line(5, base, kSymbolSize - 6, base);
    c.Line(0, base + 3, kSymbolSize - 1, base + 3);
    c.Hatch(0, kSymbolSize - 1, base + 3);
    return c.dib;
}

// Fixed support: a solid clamping bar on a hatched block.
EmfDib Fixed() {
    Canvas c(kSymbolSize, kSymbolSize);
    c.Bar(0, 8, kSymbolSize - 1, 12);
    c.Hatch(0, kSymbolSize - 1, 12);
    return c.dib;
}

const QEL_PlotLib& Library() {
    static const QEL_PlotLib lib{{{"BITMAP_AUFL102", Hinged()}, {"BITMAP_AUFL112", Fixed()}}};
    return lib;
}

} // namespace

const QEL_PlotLib* QEL_LoadPlotLib() {
    return g_available ? &Library() : nullptr;
}

void QEL_FreePlotLib(const QEL_PlotLib*) {}

const EmfDib* QEL_PlotLibBitmap(const QEL_PlotLib* lib, const std::string& name) {
    if (lib == nullptr) {
        return nullptr;
    }
    const auto it = lib->bitmaps.find(name);
    return it == lib->bitmaps.end() ? nullptr : &it->second;
}

void QEL_SetPlotLibAvailable(bool available) {
    g_available = available;
}
