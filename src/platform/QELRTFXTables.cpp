#include "platform/QELRTFXTables.h"

#include <algorithm>
#include <cctype>

namespace {

// Two descriptors that differ only in white space name the same font.
std::string FontKey(const std::string& descriptor) {
    std::string key;
    bool blank = false;
    for (const char c : descriptor) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = true;
            continue;
        }
        if (blank && !key.empty()) {
            key += ' ';
        }
        blank = false;
        key += c;
    }
    return key;
}

} // namespace

QELRTFXTables::QELRTFXTables() {
    for (const char* descriptor : {"\\fswiss\\fcharset0 Arial;", "\\fswiss\\fcharset0 Arial;",
                                   "\\ftech\\fcharset2 Symbol;"}) {
        fonts.emplace_back(descriptor);
        fontKeys.push_back(FontKey(descriptor));
    }
    colours.push_back({0, 0, 0});
}

int QELRTFXTables::AddFont(const std::string& descriptor) {
    const std::string key = FontKey(descriptor);
    const auto it = std::find(fontKeys.begin(), fontKeys.end(), key);
    if (it != fontKeys.end()) {
        return static_cast<int>(it - fontKeys.begin());
    }
    fonts.push_back(descriptor);
    fontKeys.push_back(key);
    return static_cast<int>(fonts.size()) - 1;
}

int QELRTFXTables::AddColour(const std::optional<Colour>& colour) {
    if (!colour) {
        return 0;
    }
    const auto it = std::find(colours.begin(), colours.end(), *colour);
    if (it != colours.end()) {
        return static_cast<int>(it - colours.begin()) + 1;
    }
    colours.push_back(*colour);
    return static_cast<int>(colours.size());
}

std::string QELRTFXTables::FontTableRtf() const {
    std::string out = "{\\fonttbl";
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        // A name right after the number needs its delimiting blank.
        const bool word = !fonts[i].empty() && (fonts[i][0] == '\\' || fonts[i][0] == '{');
        out += "{\\f" + std::to_string(i) + (word ? "" : " ") + fonts[i] + "}";
    }
    return out + "}";
}

std::string QELRTFXTables::ColourTableRtf() const {
    std::string out = "{\\colortbl;";
    for (const Colour& c : colours) {
        out += "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" +
               std::to_string(c.blue) + ";";
    }
    return out + "}";
}
