#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A picture that the report embeds: an enhanced metafile, a PNG or a Windows bitmap,
// recognised from its bytes. The bytes are copied, so the caller may release its own
// handle or file right after.
class QELRTFXPicture {
public:
    enum class Kind { Emf, Png, Dib };

    // Recognises the picture; nothing when the bytes are none of the three kinds or
    // too short for their header.
    static std::optional<QELRTFXPicture> FromBytes(const std::uint8_t* data, std::size_t size);
    static std::optional<QELRTFXPicture> FromFile(const std::string& fileName);

    Kind GetKind() const { return kind; }
    // The picture's own size in twips (the metafile frame, bitmaps at 96 dpi).
    long NaturalWidthTwips() const;
    long NaturalHeightTwips() const;

    // The RTF picture group, as large as fits into the goal box in cm while keeping
    // the picture's proportions; a size of 0 or below keeps the picture's own size.
    std::string RtfGroup(double widthCm, double heightCm) const;

private:
    Kind kind = Kind::Emf;
    std::vector<std::uint8_t> bytes; // what goes into the group (a bitmap without file header)
    long sourceWidth = 0;            // metafile frame in 0.01 mm, bitmaps in pixels
    long sourceHeight = 0;
};
