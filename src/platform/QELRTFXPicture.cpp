#include "platform/QELRTFXPicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

constexpr double kTwipsPerCm = 1440.0 / 2.54;
constexpr long kTwipsPerPixel = 15; // 96 dpi
constexpr std::size_t kEmfHeaderSize = 88;
constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::size_t kPngHeaderSize = 24;
constexpr std::size_t kBmpFileHeaderSize = 14;
constexpr std::size_t kBmpHeaderSize = kBmpFileHeaderSize + 12;
constexpr std::size_t kHexBytesPerLine = 64;

std::uint32_t ReadLe32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t ReadLe32Signed(const std::uint8_t* p) {
    return static_cast<std::int32_t>(ReadLe32(p));
}

std::uint32_t ReadBe32(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

// The two hexadecimal digits of every byte.
constexpr std::array<std::array<char, 2>, 256> kHexPairs = [] {
    constexpr char hex[] = "0123456789abcdef";
    std::array<std::array<char, 2>, 256> pairs{};
    for (std::size_t b = 0; b < pairs.size(); ++b) {
        pairs[b] = {hex[b >> 4], hex[b & 0x0F]};
    }
    return pairs;
}();

long CmToTwips(double cm) {
    return std::lround(cm * kTwipsPerCm);
}

} // namespace

std::optional<QELRTFXPicture> QELRTFXPicture::FromBytes(const std::uint8_t* data,
                                                        std::size_t size) {
    if (data == nullptr) {
        return std::nullopt;
    }
    QELRTFXPicture picture;
    static const std::uint8_t pngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= kEmfHeaderSize && ReadLe32(data) == 1 && ReadLe32(data + 40) == kEmfSignature) {
        // rclFrame: left, top, right, bottom in 0.01 mm.
        picture.kind = Kind::Emf;
        picture.sourceWidth =
            static_cast<long>(ReadLe32Signed(data + 32)) - ReadLe32Signed(data + 24);
        picture.sourceHeight =
            static_cast<long>(ReadLe32Signed(data + 36)) - ReadLe32Signed(data + 28);
        picture.bytes.assign(data, data + size);
    } else if (size >= kPngHeaderSize && std::equal(pngSignature, pngSignature + 8, data)) {
        picture.kind = Kind::Png;
        picture.sourceWidth = static_cast<long>(ReadBe32(data + 16));
        picture.sourceHeight = static_cast<long>(ReadBe32(data + 20));
        picture.bytes.assign(data, data + size);
    } else if (size >= kBmpHeaderSize && data[0] == 'B' && data[1] == 'M') {
        picture.kind = Kind::Dib;
        picture.sourceWidth = ReadLe32Signed(data + 18);
        picture.sourceHeight = std::labs(ReadLe32Signed(data + 22));
        picture.bytes.assign(data + kBmpFileHeaderSize, data + size);
    } else {
        return std::nullopt;
    }
    if (picture.sourceWidth <= 0 || picture.sourceHeight <= 0) {
        return std::nullopt;
    }
    return picture;
}

std::optional<QELRTFXPicture> QELRTFXPicture::FromFile(const std::string& fileName) {
    // A folder or a device opens like a file but cannot be read as one.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec)) {
        return std::nullopt;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    const std::vector<std::uint8_t> content((std::istreambuf_iterator<char>(in)),
                                            std::istreambuf_iterator<char>());
    return FromBytes(content.data(), content.size());
}

long QELRTFXPicture::NaturalWidthTwips() const {
    return kind == Kind::Emf ? std::lround(sourceWidth * 1440.0 / 2540.0)
                             : sourceWidth * kTwipsPerPixel;
}

long QELRTFXPicture::NaturalHeightTwips() const {
    return kind == Kind::Emf ? std::lround(sourceHeight * 1440.0 / 2540.0)
                             : sourceHeight * kTwipsPerPixel;
}

std::string QELRTFXPicture::RtfGroup(double widthCm, double heightCm) const {
    long goalWidth = widthCm > 0.0 ? CmToTwips(widthCm) : NaturalWidthTwips();
    long goalHeight = heightCm > 0.0 ? CmToTwips(heightCm) : NaturalHeightTwips();
    if (widthCm > 0.0 && heightCm > 0.0) {
        // The picture fills the box as far as its own proportions allow: a reader
        // would otherwise stretch it unevenly (a circle would become an ellipse).
        const double w = static_cast<double>(sourceWidth);
        const double h = static_cast<double>(sourceHeight);
        if (w * static_cast<double>(goalHeight) >= h * static_cast<double>(goalWidth)) {
            goalHeight = std::max(1L, std::lround(static_cast<double>(goalWidth) * h / w));
        } else {
            goalWidth = std::max(1L, std::lround(static_cast<double>(goalHeight) * w / h));
        }
    }
    std::string out = "{\\pict";
    switch (kind) {
    case Kind::Emf:
        out += "\\emfblip";
        break;
    case Kind::Png:
        out += "\\pngblip";
        break;
    case Kind::Dib:
        out += "\\dibitmap0";
        break;
    }
    out += "\\picw" + std::to_string(sourceWidth) + "\\pich" + std::to_string(sourceHeight);
    out += "\\picwgoal" + std::to_string(goalWidth) + "\\pichgoal" + std::to_string(goalHeight);
    // The bytes in hexadecimal, a line feed before every kHexBytesPerLine of them: each
    // line is made on the stack and appended to room kept for them all (a string made
    // long at once would first be filled with zeros).
    const std::size_t lines = (bytes.size() + kHexBytesPerLine - 1) / kHexBytesPerLine;
    out.reserve(out.size() + bytes.size() * 2 + lines + 1);
    std::array<char, 1 + 2 * kHexBytesPerLine> zeile{};
    for (std::size_t line = 0; line < bytes.size(); line += kHexBytesPerLine) {
        char* p = zeile.data();
        *p++ = '\n';
        const std::size_t end = std::min(bytes.size(), line + kHexBytesPerLine);
        for (std::size_t i = line; i < end; ++i) {
            std::memcpy(p, kHexPairs[bytes[i]].data(), 2);
            p += 2;
        }
        out.append(zeile.data(), p);
    }
    out += '}';
    return out;
}
