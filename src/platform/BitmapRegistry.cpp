#include "platform/BitmapRegistry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <string_view>

struct QEL_PlotLib {
    // The symbols drawn so far, by name.
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

// Sliding support: the triangle on a second line, free to move along it.
EmfDib Sliding() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int apex = kSymbolSize / 2;
    const int base = 17;
    c.Line(apex, 1, 5, base);
    c.Line(apex, 1, kSymbolSize - 6, base);
    c.Line(5, base, kSymbolSize - 6, base);
    c.Line(0, base + 4, kSymbolSize - 1, base + 4);
    c.Line(0, base + 7, kSymbolSize - 1, base + 7);
    c.Hatch(0, kSymbolSize - 1, base + 7);
    return c.dib;
}

// Fixed support: a solid clamping bar on a hatched block.
EmfDib Fixed() {
    Canvas c(kSymbolSize, kSymbolSize);
    c.Bar(0, 8, kSymbolSize - 1, 12);
    c.Hatch(0, kSymbolSize - 1, 12);
    return c.dib;
}

// Elastic support: a zigzag spring down to a hatched ground line.
EmfDib Spring() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int mid = kSymbolSize / 2;
    int y = 1;
    int x = mid;
    c.Line(mid, 0, mid, 3);
    for (int k = 0; k < 6; ++k) {
        const int nx = mid + (k % 2 == 0 ? 6 : -6);
        c.Line(x, y + 2, nx, y + 5);
        x = nx;
        y += 3;
    }
    c.Line(x, y + 2, mid, y + 4);
    c.Line(0, 24, kSymbolSize - 1, 24);
    c.Hatch(0, kSymbolSize - 1, 24);
    return c.dib;
}

// The symbol turned by a quarter turn, for a member drawn upright.
EmfDib Turned(const EmfDib& src) {
    Canvas c(src.height, src.width);
    for (int y = 0; y < src.height; ++y) {
        for (int x = 0; x < src.width; ++x) {
            const std::size_t row = static_cast<std::size_t>(src.height - 1 - y);
            const std::size_t at =
                row * EmfDib::RowBytes(src.width) + static_cast<std::size_t>(x) * 3;
            if (src.bits[at] == 0) {
                c.Set(src.height - 1 - y, x);
            }
        }
    }
    return c.dib;
}

// A settlement: a ground block with an arrow pointing down into it.
EmfDib Senkung() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int mid = kSymbolSize / 2;
    c.Line(mid, 2, mid, 20);
    c.Line(mid, 20, mid - 5, 14);
    c.Line(mid, 20, mid + 5, 14);
    c.Line(2, 24, kSymbolSize - 3, 24);
    c.Hatch(2, kSymbolSize - 3, 24);
    return c.dib;
}

// A hinge: a small ring.
EmfDib Gelenk() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int mid = kSymbolSize / 2;
    for (int a = 0; a < 360; a += 3) {
        const double r = a * 3.14159265358979 / 180.0;
        c.Set(mid + static_cast<int>(10 * std::cos(r)), mid + static_cast<int>(10 * std::sin(r)));
        c.Set(mid + static_cast<int>(11 * std::cos(r)), mid + static_cast<int>(11 * std::sin(r)));
    }
    return c.dib;
}

// A bedding spring: an upright zigzag in a square.
EmfDib Feder() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int mid = kSymbolSize / 2;
    c.Line(mid, 0, mid, 4);
    int x = mid;
    for (int y = 4; y < kSymbolSize - 6; y += 4) {
        const int nx = x >= mid ? mid - 5 : mid + 5;
        c.Line(x, y, nx, y + 4);
        x = nx;
    }
    c.Line(x, kSymbolSize - 6, mid, kSymbolSize - 1);
    return c.dib;
}

// The cut mark of a cut-through line: two short slanted strokes.
EmfDib Schnitt() {
    Canvas c(kSymbolSize, kSymbolSize);
    c.Line(4, 20, 27, 8);
    c.Line(4, 25, 27, 13);
    return c.dib;
}

// Sawn timber, cut across: year rings about the pith of a rectangle.
EmfDib HolzRechteck() {
    Canvas c(48, 32);
    c.Line(0, 0, 47, 0);
    c.Line(47, 0, 47, 31);
    c.Line(47, 31, 0, 31);
    c.Line(0, 31, 0, 0);
    for (int r = 4; r < 40; r += 5) {
        for (int a = 0; a < 360; a += 2) {
            const double t = a * 3.14159265358979 / 180.0;
            c.Set(24 + static_cast<int>(r * std::cos(t)),
                  36 + static_cast<int>(r * 0.8 * std::sin(t)));
        }
    }
    return c.dib;
}

// A round timber, cut across: its bark and the year rings.
EmfDib HolzKreis() {
    Canvas c(kSymbolSize, kSymbolSize);
    const int mid = kSymbolSize / 2;
    for (int r = 3; r <= 15; r += 4) {
        for (int a = 0; a < 360; a += 2) {
            const double t = a * 3.14159265358979 / 180.0;
            c.Set(mid + static_cast<int>(r * std::cos(t)), mid + static_cast<int>(r * std::sin(t)));
        }
    }
    return c.dib;
}

// The fill patterns of steel (dense diagonals) and timber (grain along the member).
EmfDib MusterStahl() {
    Canvas c(8, 8);
    for (int k = 0; k < 8; ++k) {
        c.Set(k, 7 - k);
        c.Set((k + 4) % 8, 7 - k);
    }
    return c.dib;
}

EmfDib MusterHolz() {
    Canvas c(8, 8);
    for (int x = 0; x < 8; ++x) {
        c.Set(x, 1);
    }
    for (int x = 2; x < 7; ++x) {
        c.Set(x, 5);
    }
    return c.dib;
}

// The support symbol of a number: hundreds 1 a member drawn along, 2 upright (turned);
// the rest 1 to 8 pinned (odd) or sliding (even), 9 to 12 fixed, 51 to 58 elastic.
// Nothing for another number.
std::optional<EmfDib> Auflager(int number) {
    const int family = number / 100;
    const int n = number % 100;
    if (family < 1 || family > 3 || n < 1 || n > 58 || (n > 12 && n < 51)) {
        return std::nullopt;
    }
    const EmfDib base = n >= 51 ? Spring() : n >= 9 ? Fixed() : (n % 2 == 1 ? Hinged() : Sliding());
    return family == 2 ? Turned(base) : base;
}

constexpr std::string_view kAuflager = "BITMAP_AUFL";

// The bitmap of a name, drawn anew; nothing for a name the library does not hold.
std::optional<EmfDib> Zeichne(const std::string& name) {
    if (name.rfind(kAuflager, 0) == 0) {
        const std::string_view digits = std::string_view(name).substr(kAuflager.size());
        int number = 0;
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        // Only the number's own spelling names it ("BITMAP_AUFL0101" names none).
        if (ec != std::errc() || end != digits.data() + digits.size() ||
            std::to_string(number) != digits) {
            return std::nullopt;
        }
        return Auflager(number);
    }
    static const std::map<std::string, EmfDib (*)(), std::less<>> kBilder = {
        {"BITMAP_SENKUNG", Senkung},
        {"BITMAP_GELE", Gelenk},
        {"BITMAP_ELBA_FEDER", Feder},
        {"BITMAP_SCHNITTH", Schnitt},
        {"BITMAP_HOLZ_QUER_RECHTECK", HolzRechteck},
        {"BITMAP_HOLZ_QUER_KREIS", HolzKreis},
        {"BITMAP_BRUSH_STAHL", MusterStahl},
        {"BITMAP_BRUSH_HOLZ", MusterHolz},
    };
    const auto it = kBilder.find(name);
    return it == kBilder.end() ? std::nullopt : std::optional<EmfDib>(it->second());
}

QEL_PlotLib& Library() {
    static QEL_PlotLib lib;
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
    // A symbol is drawn when it is first asked for, and kept: a run needs a handful.
    auto& bitmaps = Library().bitmaps;
    auto it = bitmaps.find(name);
    if (it == bitmaps.end()) {
        std::optional<EmfDib> bild = Zeichne(name);
        if (!bild) {
            return nullptr;
        }
        it = bitmaps.emplace(name, std::move(*bild)).first;
    }
    return &it->second;
}

void QEL_SetPlotLibAvailable(bool available) {
    g_available = available;
}
