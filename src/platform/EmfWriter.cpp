#include "platform/EmfWriter.h"

#include "platform/Koordinate.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kEmfVersion = 0x10000;
constexpr std::size_t kHeaderSize = 108;
constexpr std::size_t kEofSize = 20;
constexpr std::uint32_t kBitmapInfoSize = 40;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kDibRgbColours = 0;
constexpr std::uint32_t kGmCompatible = 1;
constexpr std::size_t kFaceChars = 32;
// Full name, style and script of the extended font record follow the face, zeroed;
// then its design vector, which must carry its signature even without axes.
constexpr std::size_t kFontExtraChars = 64 + 32 + 32;
constexpr std::uint32_t kDesignVectorSignature = 0x08007664;
constexpr int kPolygon16Limit = 32767;
constexpr double kPi = 3.14159265358979323846;

// v appended little-endian, as every number of a metafile is.
void AppendU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
}

class ByteSink {
public:
    // Room for the payload of most records at once: a picture writes thousands of them.
    ByteSink() { out.reserve(kUeblicheGroesse); }

    void U32(std::uint32_t v) { AppendU32(out, v); }
    void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
    void U16(std::uint16_t v) {
        out.push_back(static_cast<std::uint8_t>(v));
        out.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void I16(int v) { U16(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))); }
    void F32(float v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        U32(bits);
    }
    void Rect(const EmfRect& r) {
        I32(r.left);
        I32(r.top);
        I32(r.right);
        I32(r.bottom);
    }
    void Point(EmfPoint p) {
        I32(p.x);
        I32(p.y);
    }
    void Append(const std::vector<std::uint8_t>& more) {
        out.insert(out.end(), more.begin(), more.end());
    }
    void Pad4() {
        while (out.size() % 4 != 0) {
            out.push_back(0);
        }
    }
    std::vector<std::uint8_t> out;

private:
    static constexpr std::size_t kUeblicheGroesse = 64;
};

// The payload of an arc or a pie: its box, then the start and the end point.
std::vector<std::uint8_t> BoxAndPoints(const EmfRect& box, EmfPoint start, EmfPoint end) {
    ByteSink b;
    b.Rect(box);
    b.Point(start);
    b.Point(end);
    return b.out;
}

EmfRect Normalised(const EmfRect& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
            std::max(r.top, r.bottom)};
}

// The header of a bitmap whose bits, as written, take imageBytes.
void BitmapInfoHeader(ByteSink& b, const EmfDib& dib, std::size_t imageBytes) {
    b.U32(kBitmapInfoSize);
    b.I32(dib.width);
    b.I32(dib.height);
    b.U16(1);  // planes
    b.U16(24); // bits per pixel
    b.U32(0);  // BI_RGB
    b.U32(static_cast<std::uint32_t>(imageBytes));
    b.I32(0);
    b.I32(0);
    b.U32(0);
    b.U32(0);
}

std::vector<std::uint8_t> DibBits(const EmfDib& dib) {
    // A bitmap whose bits are short of its size is completed with white.
    const std::size_t size = EmfDib::RowBytes(std::max(dib.width, 0)) *
                             static_cast<std::size_t>(std::max(dib.height, 0));
    std::vector<std::uint8_t> bits = dib.bits;
    bits.resize(size, 0xFF);
    return bits;
}

// A coordinate or size in device units as the metafile holds it, rounded.
int Device(double v) {
    return ToKoordinate(std::round(v), "EmfWriter", kEmfGrenze);
}

// A whole number needs no rounding, only the check of its range.
int Device(int v) {
    return ToKoordinate(static_cast<double>(v), "EmfWriter", kEmfGrenze);
}

EmfPoint Device(EmfPoint p) {
    return {Device(p.x), Device(p.y)};
}

EmfRect Device(const EmfRect& r) {
    return {Device(r.left), Device(r.top), Device(r.right), Device(r.bottom)};
}

// Device units to 0.01 mm on the reference device.
int ToFrame(int v) {
    const double hundredthsPerUnit = kEmfDeviceMillimetres * 100.0 / kEmfDevicePixels;
    return ToKoordinate(std::round(v * hundredthsPerUnit), "EmfWriter",
                        std::numeric_limits<int>::max());
}

} // namespace

EmfObjectKind EmfStockKind(int stockIndex) {
    if (stockIndex >= kStockWhiteBrush && stockIndex <= kStockNullBrush) {
        return EmfObjectKind::Brush;
    }
    if (stockIndex >= kStockWhitePen && stockIndex <= kStockNullPen) {
        return EmfObjectKind::Pen;
    }
    if ((stockIndex >= kStockOemFixedFont && stockIndex <= kStockDeviceDefaultFont) ||
        stockIndex == kStockSystemFixedFont || stockIndex == kStockDefaultGuiFont) {
        return EmfObjectKind::Font;
    }
    if (stockIndex == kStockDefaultPalette) {
        return EmfObjectKind::Palette;
    }
    if (stockIndex == kStockDcBrush) {
        return EmfObjectKind::Brush;
    }
    if (stockIndex == kStockDcPen) {
        return EmfObjectKind::Pen;
    }
    return EmfObjectKind::None;
}

EmfWriter::EmfWriter() : slots(1) {}

std::uint32_t EmfWriter::TakeSlot(const Slot& slot) {
    std::uint32_t index = 1;
    while (index < slots.size() && slots[index].kind != EmfObjectKind::None) {
        ++index;
    }
    if (index == slots.size()) {
        slots.push_back(slot);
    } else {
        slots[index] = slot;
    }
    highestSlot = std::max(highestSlot, index);
    return index;
}

void EmfWriter::Record(std::uint32_t type, const std::vector<std::uint8_t>& payload) {
    // Type and size straight onto the records: no buffer of its own for each record.
    AppendU32(records, type);
    AppendU32(records, static_cast<std::uint32_t>(8 + payload.size()));
    records.insert(records.end(), payload.begin(), payload.end());
    ++recordCount;
}

std::uint32_t EmfWriter::CreatePen(int style, int width, std::uint32_t colour) {
    Slot slot;
    slot.kind = EmfObjectKind::Pen;
    slot.penWidth = Device(std::max(width, 0));
    slot.penStyle = style;
    const std::uint32_t index = TakeSlot(slot);
    ByteSink b;
    b.U32(index);
    b.I32(style);
    b.I32(slot.penWidth);
    b.I32(0);
    b.U32(colour);
    Record(kEmrCreatePen, b.out);
    return index;
}

std::uint32_t EmfWriter::CreateBrush(std::uint32_t colour) {
    Slot slot;
    slot.kind = EmfObjectKind::Brush;
    const std::uint32_t index = TakeSlot(slot);
    ByteSink b;
    b.U32(index);
    b.U32(0); // BS_SOLID
    b.U32(colour);
    b.U32(0);
    Record(kEmrCreateBrushIndirect, b.out);
    return index;
}

std::uint32_t EmfWriter::CreatePatternBrush(const EmfDib& pattern) {
    Slot slot;
    slot.kind = EmfObjectKind::Brush;
    const std::uint32_t index = TakeSlot(slot);
    const std::vector<std::uint8_t> bits = DibBits(pattern);
    constexpr std::uint32_t kFixed = 8 + 24; // record head and the six fields
    ByteSink b;
    b.U32(index);
    b.U32(kDibRgbColours);
    b.U32(kFixed);
    b.U32(kBitmapInfoSize);
    b.U32(kFixed + kBitmapInfoSize);
    b.U32(static_cast<std::uint32_t>(bits.size()));
    BitmapInfoHeader(b, pattern, bits.size());
    b.Append(bits);
    Record(kEmrCreateDibPatternBrushPt, b.out);
    return index;
}

std::uint32_t EmfWriter::CreateFont(const EmfFont& newFont) {
    Device(newFont.height);
    Slot slot;
    slot.kind = EmfObjectKind::Font;
    slot.font = newFont;
    const std::uint32_t index = TakeSlot(slot);
    ByteSink b;
    b.U32(index);
    b.I32(newFont.height);
    b.I32(0); // width
    b.I32(newFont.escapement);
    b.I32(newFont.escapement); // orientation
    b.I32(newFont.weight);
    b.out.push_back(0); // italic
    b.out.push_back(newFont.underline ? 1 : 0);
    b.out.push_back(0); // strike-out
    b.out.push_back(0); // character set
    b.out.push_back(0); // output precision
    b.out.push_back(0); // clip precision
    b.out.push_back(0); // quality
    b.out.push_back(0); // pitch and family
    const std::u32string face = TextCodePoints(newFont.face);
    for (std::size_t i = 0; i < kFaceChars; ++i) {
        b.U16(i < face.size() && i + 1 < kFaceChars ? static_cast<std::uint16_t>(face[i]) : 0);
    }
    for (std::size_t i = 0; i < kFontExtraChars; ++i) {
        b.U16(0);
    }
    b.U32(kDesignVectorSignature);
    b.U32(0); // no axes
    Record(kEmrExtCreateFontIndirectW, b.out);
    return index;
}

void EmfWriter::SelectObject(std::uint32_t slot) {
    if (slot == 0 || slot >= slots.size() || slots[slot].kind == EmfObjectKind::None) {
        return;
    }
    const Slot& s = slots[slot];
    if (s.kind == EmfObjectKind::Pen) {
        penWidth = s.penWidth;
        penStyle = s.penStyle;
    } else if (s.kind == EmfObjectKind::Font) {
        font = s.font;
        stockFont = false;
    }
    ByteSink b;
    b.U32(slot);
    Record(kEmrSelectObject, b.out);
}

void EmfWriter::SelectStockObject(int stockIndex) {
    const EmfObjectKind kind = EmfStockKind(stockIndex);
    if (kind == EmfObjectKind::None) {
        return;
    }
    if (kind == EmfObjectKind::Pen) {
        penWidth = 0;
        penStyle = stockIndex == kStockNullPen ? kPenNull : kPenSolid;
    } else if (kind == EmfObjectKind::Font) {
        font = EmfFont{};
        stockFont = true;
    }
    ByteSink b;
    b.U32(kEmfStockBit | static_cast<std::uint32_t>(stockIndex));
    Record(kEmrSelectObject, b.out);
}

void EmfWriter::DeleteObject(std::uint32_t slot) {
    if (slot == 0 || slot >= slots.size() || slots[slot].kind == EmfObjectKind::None) {
        return;
    }
    slots[slot] = Slot{};
    ByteSink b;
    b.U32(slot);
    Record(kEmrDeleteObject, b.out);
}

void EmfWriter::SetBkMode(int mode) {
    ByteSink b;
    b.I32(mode);
    Record(kEmrSetBkMode, b.out);
}

void EmfWriter::SetRop2(int mode) {
    ByteSink b;
    b.I32(mode);
    Record(kEmrSetRop2, b.out);
}

int EmfWriter::PenMargin() const {
    // Half the pen's width and one unit more: a line on the bounds' edge stays whole.
    return (std::max(penWidth, 1) + 1) / 2 + 1;
}

void EmfWriter::Extend(int x, int y, int margin) {
    const EmfRect r{x - margin, y - margin, x + margin, y + margin};
    if (!hasBounds) {
        bounds = r;
        hasBounds = true;
        return;
    }
    bounds.left = std::min(bounds.left, r.left);
    bounds.top = std::min(bounds.top, r.top);
    bounds.right = std::max(bounds.right, r.right);
    bounds.bottom = std::max(bounds.bottom, r.bottom);
}

void EmfWriter::ExtendRect(const EmfRect& r, int margin) {
    Extend(r.left, r.top, margin);
    Extend(r.right, r.bottom, margin);
}

void EmfWriter::MoveTo(int x, int y) {
    const EmfPoint p = Device(EmfPoint{x, y});
    ByteSink b;
    b.Point(p);
    Record(kEmrMoveToEx, b.out);
    current = p;
}

void EmfWriter::LineTo(int x, int y) {
    const EmfPoint p = Device(EmfPoint{x, y});
    Extend(current.x, current.y, PenMargin());
    Extend(p.x, p.y, PenMargin());
    ByteSink b;
    b.Point(p);
    Record(kEmrLineTo, b.out);
    current = p;
}

void EmfWriter::Arc(const EmfRect& box, EmfPoint start, EmfPoint end) {
    const std::vector<std::uint8_t> payload = BoxAndPoints(Device(box), Device(start), Device(end));
    ExtendRect(Normalised(box), PenMargin());
    Record(kEmrArc, payload);
}

void EmfWriter::Pie(const EmfRect& box, EmfPoint start, EmfPoint end) {
    const std::vector<std::uint8_t> payload = BoxAndPoints(Device(box), Device(start), Device(end));
    ExtendRect(Normalised(box), PenMargin());
    Record(kEmrPie, payload);
}

void EmfWriter::Ellipse(const EmfRect& box) {
    ExtendRect(Normalised(Device(box)), PenMargin());
    ByteSink b;
    b.Rect(box);
    Record(kEmrEllipse, b.out);
}

void EmfWriter::Rectangle(const EmfRect& box) {
    ExtendRect(Normalised(Device(box)), PenMargin());
    ByteSink b;
    b.Rect(box);
    Record(kEmrRectangle, b.out);
}

void EmfWriter::Polygon(const std::vector<EmfPoint>& points) {
    if (points.empty()) {
        return;
    }
    for (const EmfPoint& p : points) {
        Device(p);
    }
    EmfRect own{points[0].x, points[0].y, points[0].x, points[0].y};
    bool fits16 = true;
    const int margin = PenMargin();
    for (const EmfPoint& p : points) {
        Extend(p.x, p.y, margin);
        own.left = std::min(own.left, p.x);
        own.top = std::min(own.top, p.y);
        own.right = std::max(own.right, p.x);
        own.bottom = std::max(own.bottom, p.y);
        fits16 = fits16 && std::abs(p.x) <= kPolygon16Limit && std::abs(p.y) <= kPolygon16Limit;
    }
    ByteSink b;
    // The box, the count and the points, in room made for them at once.
    b.out.reserve(20 + 8 * points.size());
    b.Rect(own);
    b.U32(static_cast<std::uint32_t>(points.size()));
    if (fits16) {
        // Two bytes for each coordinate, little-endian, straight into their room.
        const std::size_t head = b.out.size();
        b.out.resize(head + 4 * points.size());
        std::uint8_t* q = b.out.data() + head;
        for (const EmfPoint& p : points) {
            for (const int v : {p.x, p.y}) {
                const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
                *q++ = static_cast<std::uint8_t>(u);
                *q++ = static_cast<std::uint8_t>(u >> 8);
            }
        }
    } else {
        for (const EmfPoint& p : points) {
            b.Point(p);
        }
    }
    b.Pad4();
    Record(fits16 ? kEmrPolygon16 : kEmrPolygon, b.out);
}

TextFont EmfWriter::CurrentTextFont() const {
    TextFont tf;
    if (!stockFont) {
        tf.cellHeight = std::max(1, font.height);
        tf.bold = font.weight >= 600;
    }
    return tf;
}

void EmfWriter::TextOut(int x, int y, const std::string& utf8) {
    const std::u32string text = TextCodePoints(utf8);
    if (text.empty()) {
        return;
    }
    Device(EmfPoint{x, y});
    const TextFont tf = CurrentTextFont();
    const std::vector<int> dx = TextGlyphAdvances(text, tf);
    double sum = 0.0;
    for (const int d : dx) {
        sum += d;
    }
    const int width = Device(sum);
    const int height = TextHeight(tf);
    const double a = (stockFont ? 0 : font.escapement) / 10.0 * kPi / 180.0;
    const double s = std::sin(a);
    const double c = std::cos(a);
    const EmfPoint k2{Device(x + height * s), Device(y + height * c)};
    const EmfPoint corners[4] = {{x, y},
                                 k2,
                                 {Device(k2.x + width * c), Device(k2.y - width * s)},
                                 {Device(x + width * c), Device(y - width * s)}};
    EmfRect box{x, y, x, y};
    for (const EmfPoint& p : corners) {
        Extend(p.x, p.y, 1);
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    // EMRTEXT after the record head (8), bounds (16), graphics mode and scales (12).
    constexpr std::uint32_t kTextOffset = 8 + 16 + 12;
    constexpr std::uint32_t kEmrTextSize = 40;
    const std::uint32_t stringOffset = kTextOffset + kEmrTextSize;
    const std::uint32_t stringBytes =
        static_cast<std::uint32_t>((text.size() * 2 + 3) & ~std::size_t{3});
    const std::uint32_t dxOffset = stringOffset + stringBytes;
    ByteSink b;
    b.Rect(box);
    b.U32(kGmCompatible);
    const float scale = static_cast<float>(kEmfDeviceMillimetres * 100.0 / kEmfDevicePixels);
    b.F32(scale);
    b.F32(scale);
    b.Point({x, y});
    b.U32(static_cast<std::uint32_t>(text.size()));
    b.U32(stringOffset);
    b.U32(0); // options
    b.Rect(EmfRect{});
    b.U32(dxOffset);
    for (const char32_t ch : text) {
        // Characters beyond the basic plane are shown as '?': one code unit per glyph,
        // as the advances are counted.
        b.U16(ch <= 0xFFFF ? static_cast<std::uint16_t>(ch) : static_cast<std::uint16_t>('?'));
    }
    b.Pad4();
    for (const int d : dx) {
        b.I32(d);
    }
    Record(kEmrExtTextOutW, b.out);
}

void EmfWriter::StretchDib(const EmfRect& dest, const EmfDib& dib) {
    if (dib.width <= 0 || dib.height <= 0) {
        return;
    }
    const EmfRect box = Normalised(Device(dest));
    ExtendRect(box, 0);
    const std::vector<std::uint8_t> bits = DibBits(dib);
    constexpr std::uint32_t kFixed = 80;
    ByteSink b;
    b.Rect(box);
    b.I32(dest.left);
    b.I32(dest.top);
    b.I32(0);
    b.I32(0);
    b.I32(dib.width);
    b.I32(dib.height);
    b.U32(kFixed);
    b.U32(kBitmapInfoSize);
    b.U32(kFixed + kBitmapInfoSize);
    b.U32(static_cast<std::uint32_t>(bits.size()));
    b.U32(kDibRgbColours);
    b.U32(kSrcCopy);
    b.I32(dest.right - dest.left);
    b.I32(dest.bottom - dest.top);
    BitmapInfoHeader(b, dib, bits.size());
    b.Append(bits);
    Record(kEmrStretchDiBits, b.out);
}

EmfRect EmfWriter::Bounds() const {
    return hasBounds ? bounds : EmfRect{};
}

std::vector<std::uint8_t> EmfWriter::Bytes() const {
    // An empty picture still has a bounds of one unit, so that its frame is not empty.
    EmfRect r = hasBounds ? bounds : EmfRect{0, 0, 1, 1};
    r.right = std::max(r.right, r.left + 1);
    r.bottom = std::max(r.bottom, r.top + 1);
    const std::size_t total = kHeaderSize + records.size() + kEofSize;
    ByteSink h;
    h.U32(kEmrHeader);
    h.U32(static_cast<std::uint32_t>(kHeaderSize));
    h.Rect(r);
    h.Rect({ToFrame(r.left), ToFrame(r.top), ToFrame(r.right), ToFrame(r.bottom)});
    h.U32(kEmfSignature);
    h.U32(kEmfVersion);
    h.U32(static_cast<std::uint32_t>(total));
    h.U32(recordCount + 2);
    h.U16(static_cast<std::uint16_t>(std::min<std::uint32_t>(highestSlot + 1, 0xFFFF)));
    h.U16(0);
    h.U32(0); // description
    h.U32(0);
    h.U32(0); // palette entries
    h.I32(kEmfDevicePixels);
    h.I32(kEmfDevicePixels);
    h.I32(kEmfDeviceMillimetres);
    h.I32(kEmfDeviceMillimetres);
    h.U32(0); // pixel format
    h.U32(0);
    h.U32(0); // OpenGL
    h.I32(kEmfDeviceMillimetres * 1000);
    h.I32(kEmfDeviceMillimetres * 1000);
    h.out.insert(h.out.end(), records.begin(), records.end());
    h.U32(kEmrEof);
    h.U32(static_cast<std::uint32_t>(kEofSize));
    h.U32(0);
    h.U32(16);
    h.U32(static_cast<std::uint32_t>(kEofSize));
    return h.out;
}
