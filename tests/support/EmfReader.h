#pragma once

// Reads an enhanced metafile back for the tests: its records, the header's fields,
// the objects it creates, selects and deletes, the texts it puts out and the extent
// that each drawing record covers. Faults of the structure are collected, not thrown.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace emf {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(const Rect& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Record {
    std::uint32_t type = 0;
    std::size_t offset = 0;
    std::uint32_t size = 0;
};

struct Text {
    Point reference;
    Rect box; // the record's bounds: the box the text covers
    std::u16string chars;
    std::vector<int> dx;
    std::string Utf8() const {
        std::string out;
        for (char16_t c : chars) {
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c < 0x800) {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
    int Width() const {
        int w = 0;
        for (int d : dx) {
            w += d;
        }
        return w;
    }
};

struct Pen {
    std::uint32_t slot = 0;
    int style = 0;
    int width = 0;
    std::uint32_t colour = 0;
};

struct Font {
    std::uint32_t slot = 0;
    int height = 0;
    int escapement = 0;
    int weight = 0;
    std::u16string face;
};

class Reader {
public:
    explicit Reader(std::vector<std::uint8_t> data) : bytes(std::move(data)) { Parse(); }

    static Reader FromFile(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return Reader(std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)),
                                                std::istreambuf_iterator<char>()));
    }

    const std::vector<std::string>& Faults() const { return faults; }
    bool Ok() const { return faults.empty(); }
    const std::vector<Record>& Records() const { return records; }
    std::size_t Count(std::uint32_t type) const {
        return static_cast<std::size_t>(std::count_if(
            records.begin(), records.end(), [type](const Record& r) { return r.type == type; }));
    }
    Rect Bounds() const { return bounds; }
    Rect Frame() const { return frame; }
    std::uint32_t NBytes() const { return nBytes; }
    std::uint32_t NRecords() const { return nRecords; }
    std::uint16_t NHandles() const { return nHandles; }
    // Arguments of every SELECTOBJECT, in order.
    const std::vector<std::uint32_t>& Selections() const { return selections; }
    const std::vector<Text>& Texts() const { return texts; }
    const std::vector<Pen>& Pens() const { return pens; }
    const std::vector<Font>& Fonts() const { return fonts; }
    const std::vector<std::uint32_t>& BrushColours() const { return brushColours; }
    const std::vector<std::vector<Point>>& Polygons() const { return polygons; }
    // The straight lines drawn by LINETO, from the current position to the point.
    const std::vector<std::pair<Point, Point>>& Lines() const { return lines; }
    // Destination boxes of the bitmaps.
    const std::vector<Rect>& Bitmaps() const { return bitmaps; }
    // The extent of every drawing record, the pen's half width included.
    const std::vector<Rect>& Extents() const { return extents; }
    // Slots created and not deleted at the end.
    std::size_t LiveObjects() const { return live.size(); }

    std::uint32_t U32(std::size_t at) const {
        if (at + 4 > bytes.size()) {
            return 0;
        }
        return static_cast<std::uint32_t>(bytes[at]) |
               (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
               (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
               (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
    }
    int I32(std::size_t at) const { return static_cast<int>(U32(at)); }
    int I16(std::size_t at) const {
        if (at + 2 > bytes.size()) {
            return 0;
        }
        return static_cast<std::int16_t>(
            static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8)));
    }

private:
    Rect ReadRect(std::size_t at) const {
        return {I32(at), I32(at + 4), I32(at + 8), I32(at + 12)};
    }

    void AddExtent(Rect r, int margin) {
        if (r.left > r.right) {
            std::swap(r.left, r.right);
        }
        if (r.top > r.bottom) {
            std::swap(r.top, r.bottom);
        }
        extents.push_back({r.left - margin, r.top - margin, r.right + margin, r.bottom + margin});
    }

    int HalfPen() const { return (std::max(penWidth, 1) + 1) / 2; }

    void Parse() {
        if (bytes.size() < 108 || U32(0) != 1 || U32(40) != 0x464D4520) {
            faults.push_back("no metafile header");
            return;
        }
        bounds = ReadRect(8);
        frame = ReadRect(24);
        nBytes = U32(48);
        nRecords = U32(52);
        nHandles = static_cast<std::uint16_t>(U32(56) & 0xFFFF);
        if (nBytes != bytes.size()) {
            faults.push_back("nBytes differs from the size");
        }
        std::size_t at = 0;
        Point current;
        std::map<std::uint32_t, int> penWidths;
        while (at + 8 <= bytes.size()) {
            const Record r{U32(at), at, U32(at + 4)};
            if (r.size < 8 || r.size % 4 != 0 || at + r.size > bytes.size()) {
                faults.push_back("bad record size at " + std::to_string(at));
                return;
            }
            records.push_back(r);
            const std::size_t p = at + 8;
            switch (r.type) {
            case 27: // MOVETOEX
                current = {I32(p), I32(p + 4)};
                break;
            case 54: { // LINETO
                const Point to{I32(p), I32(p + 4)};
                AddExtent({current.x, current.y, to.x, to.y}, HalfPen());
                lines.push_back({current, to});
                current = to;
                break;
            }
            case 42:
            case 43:
            case 45:
            case 47:
                AddExtent(ReadRect(p), HalfPen());
                break;
            case 86:
            case 3: {
                const std::uint32_t n = U32(p + 16);
                std::vector<Point> pts;
                for (std::uint32_t i = 0; i < n; ++i) {
                    pts.push_back(r.type == 86 ? Point{I16(p + 20 + 4 * i), I16(p + 22 + 4 * i)}
                                               : Point{I32(p + 20 + 8 * i), I32(p + 24 + 8 * i)});
                }
                for (const Point& q : pts) {
                    AddExtent({q.x, q.y, q.x, q.y}, HalfPen());
                }
                polygons.push_back(pts);
                break;
            }
            case 84: { // EXTTEXTOUTW
                Text t;
                const std::size_t emrText = p + 28;
                t.reference = {I32(emrText), I32(emrText + 4)};
                const std::uint32_t n = U32(emrText + 8);
                const std::uint32_t offString = U32(emrText + 12);
                const std::uint32_t offDx = U32(emrText + 36);
                if (!Inside(r, offString, 2 * std::size_t{n}) ||
                    !Inside(r, offDx, 4 * std::size_t{n})) {
                    faults.push_back("text or advances beyond their record at " +
                                     std::to_string(at));
                    break;
                }
                for (std::uint32_t i = 0; i < n; ++i) {
                    t.chars.push_back(static_cast<char16_t>(U32(at + offString + 2 * i) & 0xFFFF));
                    t.dx.push_back(I32(at + offDx + 4 * i));
                }
                t.box = ReadRect(p);
                AddExtent(t.box, 0);
                texts.push_back(t);
                break;
            }
            case 38: { // CREATEPEN
                const Pen pen{U32(p), I32(p + 4), I32(p + 8), U32(p + 16)};
                Create(pen.slot);
                penWidths[pen.slot] = pen.width;
                pens.push_back(pen);
                break;
            }
            case 39:
                Create(U32(p));
                brushColours.push_back(U32(p + 8));
                break;
            case 94:
                Create(U32(p));
                CheckBitmap(r, p + 8, p + 16);
                break;
            case 82: {
                CheckFontSize(r);
                Font f{U32(p), I32(p + 4), I32(p + 12), I32(p + 20), {}};
                for (int i = 0; i < 32; ++i) {
                    const auto c = static_cast<char16_t>(
                        U32(p + 32 + 2 * static_cast<std::size_t>(i)) & 0xFFFF);
                    if (c == 0) {
                        break;
                    }
                    f.face.push_back(c);
                }
                Create(f.slot);
                fonts.push_back(f);
                break;
            }
            case 37: { // SELECTOBJECT
                const std::uint32_t slot = U32(p);
                selections.push_back(slot);
                if ((slot & 0x80000000u) != 0) {
                    const std::uint32_t stock = slot & 0x7FFFFFFFu;
                    if (stock > 19 || stock == 9) {
                        faults.push_back("unknown stock object " + std::to_string(stock));
                    }
                    if (stock >= 6 && stock <= 8) {
                        penWidth = 0;
                    }
                } else if (live.count(slot) == 0) {
                    faults.push_back("selection of an unknown object " + std::to_string(slot));
                } else if (penWidths.count(slot) != 0) {
                    penWidth = penWidths[slot];
                }
                break;
            }
            case 40:
                if (live.erase(U32(p)) == 0) {
                    faults.push_back("deletion of an unknown object");
                }
                break;
            case 81: { // STRETCHDIBITS
                CheckBitmap(r, p + 40, p + 48);
                const int x = I32(p + 16);
                const int y = I32(p + 20);
                const Rect box{x, y, x + I32(p + 64), y + I32(p + 68)};
                bitmaps.push_back(box);
                AddExtent(box, 0);
                break;
            }
            default:
                break;
            }
            at += r.size;
            if (r.type == 14) {
                break;
            }
        }
        if (records.empty() || records.back().type != 14) {
            faults.push_back("no end record");
        }
        if (at != bytes.size()) {
            faults.push_back("bytes after the end record");
        }
        if (records.size() != nRecords) {
            faults.push_back("nRecords differs from the records");
        }
        if (highest >= nHandles) {
            faults.push_back("nHandles too small");
        }
        if (frame.right <= frame.left || frame.bottom <= frame.top) {
            faults.push_back("empty frame");
        }
    }

    // Whether the bytes [offset, offset + length) lie inside the record.
    static bool Inside(const Record& r, std::size_t offset, std::size_t length) {
        return offset >= 8 && offset + length <= r.size;
    }

    // The bitmap header and the bits that a record points to (offsets and sizes at
    // the given places) lie inside it, and the bits fill the bitmap's rows.
    void CheckBitmap(const Record& r, std::size_t bmiAt, std::size_t bitsAt) {
        const std::uint32_t offBmi = U32(bmiAt);
        const std::uint32_t cbBmi = U32(bmiAt + 4);
        const std::uint32_t offBits = U32(bitsAt);
        const std::uint32_t cbBits = U32(bitsAt + 4);
        if (cbBmi < 40 || !Inside(r, offBmi, cbBmi) || !Inside(r, offBits, cbBits)) {
            faults.push_back("bitmap beyond its record at " + std::to_string(r.offset));
            return;
        }
        const std::size_t width = static_cast<std::uint32_t>(I32(r.offset + offBmi + 4));
        const int height = I32(r.offset + offBmi + 8);
        const std::size_t bitCount = U32(r.offset + offBmi + 12) >> 16;
        const std::size_t rowBytes = (width * bitCount + 31) / 32 * 4;
        if (rowBytes * static_cast<std::size_t>(std::abs(height)) > cbBits) {
            faults.push_back("bitmap bits short of its rows at " + std::to_string(r.offset));
        }
        const std::uint32_t sizeImage = U32(r.offset + offBmi + 20);
        if (sizeImage != 0 && sizeImage != cbBits) {
            faults.push_back("bitmap image size differs from its bits at " +
                             std::to_string(r.offset));
        }
    }

    // The extended font record holds either the fixed panose form (320 bytes after the
    // slot) or the long form with a design vector (its signature and axes).
    void CheckFontSize(const Record& r) {
        constexpr std::size_t kHead = 12;
        constexpr std::size_t kPanose = 320;
        constexpr std::size_t kLogFontEx = 348;
        constexpr std::uint32_t kDesignVectorSignature = 0x08007664;
        if (r.size == kHead + kPanose) {
            return;
        }
        const std::size_t dv = r.offset + kHead + kLogFontEx;
        if (r.size >= kHead + kLogFontEx + 8 && U32(dv) == kDesignVectorSignature &&
            r.size == kHead + kLogFontEx + 8 + 4 * std::size_t{U32(dv + 4)}) {
            return;
        }
        faults.push_back("font record of neither form at " + std::to_string(r.offset));
    }

    void Create(std::uint32_t slot) {
        if (slot == 0 || live.count(slot) != 0) {
            faults.push_back("object slot " + std::to_string(slot) + " in use");
        }
        live.insert(slot);
        highest = std::max(highest, slot);
    }

    std::vector<std::uint8_t> bytes;
    std::vector<std::string> faults;
    std::vector<Record> records;
    Rect bounds;
    Rect frame;
    std::uint32_t nBytes = 0;
    std::uint32_t nRecords = 0;
    std::uint16_t nHandles = 0;
    std::vector<std::uint32_t> selections;
    std::vector<Text> texts;
    std::vector<Pen> pens;
    std::vector<Font> fonts;
    std::vector<std::uint32_t> brushColours;
    std::vector<std::vector<Point>> polygons;
    std::vector<std::pair<Point, Point>> lines;
    std::vector<Rect> bitmaps;
    std::vector<Rect> extents;
    std::set<std::uint32_t> live;
    std::uint32_t highest = 0;
    int penWidth = 0;
};

} // namespace emf
