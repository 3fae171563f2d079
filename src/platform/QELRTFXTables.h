#pragma once

#include <optional>
#include <string>
#include <vector>

// The font and colour tables of a report document. Inserted RTF fragments bring
// their own tables; their entries are added here (an equal entry is reused) and the
// fragment's numbers are renumbered to these.
class QELRTFXTables {
public:
    struct Colour {
        int red = 0;
        int green = 0;
        int blue = 0;
        bool operator==(const Colour&) const = default;
    };

    // The document's own fonts: 0 and 1 the body font Arial, 2 Symbol (the font the
    // report templates switch to for Greek letters with "\f2").
    QELRTFXTables();

    // descriptor: a font entry without its number, e.g. "\fswiss\fcharset0 Arial;".
    int AddFont(const std::string& descriptor);
    // nullopt is the "automatic" colour, always index 0.
    int AddColour(const std::optional<Colour>& colour);

    int FontCount() const { return static_cast<int>(fonts.size()); }
    int ColourCount() const { return static_cast<int>(colours.size()); }

    std::string FontTableRtf() const;
    std::string ColourTableRtf() const;

private:
    std::vector<std::string> fonts;
    std::vector<std::string> fontKeys;
    std::vector<Colour> colours; // index 0 (automatic) is not stored
};
