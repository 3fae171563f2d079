#pragma once

// An enhanced metafile built in memory: the records a picture draws with, the
// objects (pens, brushes, fonts) in numbered slots, and a header whose bounds are the
// union of everything drawn. The pictures draw in device units of a fixed reference
// device (96 dots per inch); the frame in 0.01 mm follows from it. The same drawing
// always gives the same bytes.

#include "platform/TextMetrics.h"

#include <cstdint>
#include <string>
#include <vector>

struct EmfPoint {
    int x = 0;
    int y = 0;
};

// left, top, right, bottom; inclusive like the metafile's own rectangles.
struct EmfRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// A device-independent bitmap of 24 bits per pixel: rows bottom-up, each padded to
// a multiple of 4 bytes, pixels blue, green, red.
struct EmfDib {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    static std::size_t RowBytes(int width) {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    }
};

// The platform's stock objects; selected with the high bit set, never created.
enum EmfStockObject : int {
    kStockWhiteBrush = 0,
    kStockLightGrayBrush = 1,
    kStockGrayBrush = 2,
    kStockDarkGrayBrush = 3,
    kStockBlackBrush = 4,
    kStockNullBrush = 5,
    kStockWhitePen = 6,
    kStockBlackPen = 7,
    kStockNullPen = 8,
    kStockOemFixedFont = 10,
    kStockAnsiFixedFont = 11,
    kStockAnsiVarFont = 12,
    kStockSystemFont = 13,
    kStockDeviceDefaultFont = 14,
    kStockDefaultPalette = 15,
    kStockSystemFixedFont = 16,
    kStockDefaultGuiFont = 17,
    kStockDcBrush = 18,
    kStockDcPen = 19,
};
inline constexpr std::uint32_t kEmfStockBit = 0x80000000u;

enum class EmfObjectKind { None, Pen, Brush, Font, Palette };
// The kind of a stock object; None for an index that names none.
EmfObjectKind EmfStockKind(int stockIndex);

enum EmfPenStyle : int { kPenSolid = 0, kPenDash = 1, kPenNull = 5 };
inline constexpr int kBkTransparent = 1;
inline constexpr int kRop2CopyPen = 13;

// A font as it is created: cell height (positive) in device units, escapement and
// orientation in tenths of a degree, weight (0 or 700), underline, face name.
struct EmfFont {
    int height = kDefaultFontCellHeight;
    int escapement = 0;
    int weight = 0;
    bool underline = false;
    std::string face = "Arial";
};

// Record types this writer emits.
enum EmfRecordType : std::uint32_t {
    kEmrHeader = 1,
    kEmrPolygon = 3,
    kEmrEof = 14,
    kEmrSetBkMode = 18,
    kEmrSetRop2 = 20,
    kEmrMoveToEx = 27,
    kEmrSelectObject = 37,
    kEmrCreatePen = 38,
    kEmrCreateBrushIndirect = 39,
    kEmrDeleteObject = 40,
    kEmrEllipse = 42,
    kEmrRectangle = 43,
    kEmrArc = 45,
    kEmrPie = 47,
    kEmrLineTo = 54,
    kEmrStretchDiBits = 81,
    kEmrExtCreateFontIndirectW = 82,
    kEmrExtTextOutW = 84,
    kEmrPolygon16 = 86,
    kEmrCreateDibPatternBrushPt = 94,
};

// The reference device: device units per inch and its size.
inline constexpr int kEmfDeviceDpi = 96;
inline constexpr int kEmfDevicePixels = 960;
inline constexpr int kEmfDeviceMillimetres = 254;
// The largest coordinate, pen width or font height in device units that a picture
// takes: its frame in 0.01 mm, margins included, still fits the metafile's 32 bits.
// A drawing call beyond it is refused (C1Exception) and writes nothing.
inline constexpr double kEmfGrenze = 1 << 26;

class EmfWriter {
public:
    EmfWriter();

    // Objects: each returns the slot number (from 1) that selects and deletes it.
    std::uint32_t CreatePen(int style, int width, std::uint32_t colour);
    std::uint32_t CreateBrush(std::uint32_t colour);
    std::uint32_t CreatePatternBrush(const EmfDib& pattern);
    std::uint32_t CreateFont(const EmfFont& font);
    // Selects a created object by its slot; an unknown slot is ignored.
    void SelectObject(std::uint32_t slot);
    // Selects a stock object by its index; it takes the place of the object of its own
    // kind. An index that names no stock object is ignored.
    void SelectStockObject(int stockIndex);
    // Deletes a created object; its slot is free again.
    void DeleteObject(std::uint32_t slot);

    void SetBkMode(int mode);
    void SetRop2(int mode);

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Arc(const EmfRect& box, EmfPoint start, EmfPoint end);
    void Pie(const EmfRect& box, EmfPoint start, EmfPoint end);
    void Ellipse(const EmfRect& box);
    void Rectangle(const EmfRect& box);
    void Polygon(const std::vector<EmfPoint>& points);
    // A single-line text with its top-left corner at (x, y), turned by the selected
    // font's escapement; every glyph is placed by its advance in the text metrics.
    void TextOut(int x, int y, const std::string& utf8);
    void StretchDib(const EmfRect& dest, const EmfDib& dib);

    EmfPoint CurrentPoint() const { return current; }
    TextFont CurrentTextFont() const;
    int CurrentEscapement() const { return font.escapement; }
    // Union of everything drawn so far; (0, 0, 0, 0) before the first drawing.
    EmfRect Bounds() const;
    bool IsEmpty() const { return !hasBounds; }

    // The complete metafile: the header, the records and the end record. The writer
    // can go on afterwards; the next call gives the longer metafile.
    std::vector<std::uint8_t> Bytes() const;

private:
    struct Slot {
        EmfObjectKind kind = EmfObjectKind::None;
        int penWidth = 0;
        int penStyle = kPenSolid;
        EmfFont font;
    };

    std::uint32_t TakeSlot(const Slot& slot);
    void Record(std::uint32_t type, const std::vector<std::uint8_t>& payload);
    void Extend(int x, int y, int margin);
    void ExtendRect(const EmfRect& r, int margin);
    int PenMargin() const;

    std::vector<std::uint8_t> records;
    std::uint32_t recordCount = 0;
    std::vector<Slot> slots; // slot 0 stands for the metafile itself
    std::uint32_t highestSlot = 0;
    int penWidth = 0;
    int penStyle = kPenSolid;
    EmfFont font;
    bool stockFont = true;
    EmfPoint current;
    bool hasBounds = false;
    EmfRect bounds;
};
