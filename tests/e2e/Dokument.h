#pragma once

// Variants of an input document: one attribute of one element set to another value, so
// that a table of cases can start from one example instead of near-copies of it.

#include <cctype>
#include <stdexcept>
#include <string>

// The document with the attribute `name` of the first element `element` set to `wert`.
// An element or attribute that the document does not have is a fault of the test.
inline std::string MitAttribut(std::string dokument, const std::string& element,
                               const std::string& name, const std::string& wert) {
    std::size_t tag = 0;
    while ((tag = dokument.find("<" + element, tag)) != std::string::npos) {
        const char next = dokument.at(tag + element.size() + 1);
        if (std::isspace(static_cast<unsigned char>(next)) || next == '/' || next == '>') {
            break;
        }
        ++tag;
    }
    if (tag == std::string::npos) {
        throw std::invalid_argument("no element <" + element + ">");
    }
    const std::size_t ende = dokument.find('>', tag);
    const std::string muster = name + "=\"";
    std::size_t pos = tag;
    while ((pos = dokument.find(muster, pos)) != std::string::npos && pos < ende) {
        if (std::isspace(static_cast<unsigned char>(dokument.at(pos - 1)))) {
            const std::size_t anfang = pos + muster.size();
            dokument.replace(anfang, dokument.find('"', anfang) - anfang, wert);
            return dokument;
        }
        ++pos;
    }
    throw std::invalid_argument("no attribute " + name + " in <" + element + ">");
}

// The document with its only soil layer (the first `gruppe` of `bode`) split into two
// layers of the same soil: the upper one `oben` m thick, the lower one the rest. A wall's
// results do not depend on such a split.
inline std::string MitGeteilterSchicht(const std::string& dokument, double oben) {
    const std::size_t bode = dokument.find("<bode");
    const std::size_t anfang = dokument.find("<gruppe", bode);
    const std::size_t ende = dokument.find("/>", anfang);
    if (bode == std::string::npos || anfang == std::string::npos || ende == std::string::npos) {
        throw std::invalid_argument("no soil layer in <bode>");
    }
    const std::string schicht = dokument.substr(anfang, ende + 2 - anfang);
    const std::size_t sd = schicht.find(" sd=\"") + 5;
    const double dicke = std::stod(schicht.substr(sd, schicht.find('"', sd) - sd));
    const std::string obere = MitAttribut(schicht, "gruppe", "sd", std::to_string(oben));
    const std::string untere = MitAttribut(
        MitAttribut(schicht, "gruppe", "sd", std::to_string(dicke - oben)), "gruppe", "nr", "2");
    return dokument.substr(0, anfang) + obere + "\n      " + untere + dokument.substr(ende + 2);
}

// A layering of a document's one soil: as it is, or split into two layers of the same soil
// at the depth `grenze`.
struct Schichtung {
    const char* name;
    double grenze; // depth of the boundary between the two layers; 0: one layer
};

inline std::string MitSchichtung(const std::string& dokument, const Schichtung& s) {
    return s.grenze > 0.0 ? MitGeteilterSchicht(dokument, s.grenze) : dokument;
}
