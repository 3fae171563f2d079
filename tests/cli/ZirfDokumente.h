#pragma once

// Input documents of the host program's tests whose outputs show whose they are.

#include "platform/Base64.h"

#include "../support/Examples.h"

#include <string>

inline std::string Base64(const std::string& text) {
    return Base64Encode(reinterpret_cast<const unsigned char*>(text.data()), text.size());
}

// The host's definitions at the top of the report, marked.
inline std::string VardefFragment(const std::string& marker) {
    return "{\\rtf1\\ansi{\\fonttbl{\\f0\\froman Times;}}\\f0 Projekt " + marker + "\\par}";
}

// The cantilevered example with the host's two fragments: the definitions at the top of
// the report and the actions; each carries the marker, so a report shows whose fragments
// it holds, and the saved result carries them as the input did.
inline std::string DocumentWithFragments(const std::string& marker) {
    const std::string actions =
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf1 Einwirkung " + marker + "\\par}";
    std::string document = ExampleText("kragwand.xml");
    document.replace(document.find("</zirf>"), 7,
                     "<rtfFiles vardef=\"" + Base64(VardefFragment(marker)) +
                         "\" lastueberlagerung_gammaPsi=\"" + Base64(actions) + "\"/></zirf>");
    return document;
}
