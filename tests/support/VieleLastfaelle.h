#pragma once

// Documents with many variable load cases: an example whose loads are replaced by a
// permanent surcharge (load case 1) and n variable load cases, each a load of its own.

#include <stdexcept>
#include <string>

namespace vielelastfaelle {

// The text from `von` up to the end of `bis` replaced.
inline std::string Ersetze(std::string text, const std::string& von, const std::string& bis,
                           const std::string& durch) {
    const std::size_t a = text.find(von);
    const std::size_t b = text.find(bis, a);
    if (a == std::string::npos || b == std::string::npos) {
        throw std::invalid_argument("no " + von + " in the document");
    }
    return text.replace(a, b + bis.size() - a, durch);
}

// The example with load case 1 a surcharge of 10 kN/m² and n variable load cases 2 ... n + 1:
// head forces of both signs with a vertical part, and line loads (every third, up to ten
// of each); `kombinationen`
// combinations of them all, each with other factors (the first 1.35 and 1.5).
inline std::string VieleLastfaelle(const std::string& beispiel, int n, int kombinationen = 2) {
    std::string lasten = "<last>\n<gruppe art=\"1\" lf=\"1\" bez=\"G\" v=\"10\"/>\n";
    std::string faelle = "<lastfaelle>\n<lastfall lf=\"1\" einw=\"1\"/>\n";
    std::string alle;
    // A document holds at most this many head loads and line loads.
    constexpr int kHoechstens = 10;
    int kopf = 0;
    for (int i = 0; i < n; ++i) {
        const std::string lf = std::to_string(i + 2);
        if (kopf < kHoechstens && (i % 3 != 2 || i - kopf >= kHoechstens)) {
            ++kopf;
            const double h = (4.0 + i) * (i % 2 == 0 ? 1.0 : -0.5);
            lasten += "<gruppe art=\"0\" lf=\"" + lf + "\" stelle=\"0\" bez=\"K\" v=\"" +
                      std::to_string(3 * i) + "\" h=\"" + std::to_string(h) + "\" m=\"0\"/>\n";
        } else {
            lasten += "<gruppe art=\"3\" lf=\"" + lf + "\" bez=\"L\" x=\"" +
                      std::to_string(1.0 + 0.5 * i) + "\" y=\"0\" v=\"" +
                      std::to_string(10 + 2 * i) + "\" h=\"0\" m=\"0\"/>\n";
        }
        faelle += "<lastfall lf=\"" + lf + "\" einw=\"2\"/>\n";
        alle += (i == 0 ? "" : "+") + lf;
    }
    std::string d = Ersetze(beispiel, "<last>", "</last>", lasten + "</last>");
    d = Ersetze(d, "<lastfaelle>", "</lastfaelle>", faelle + "</lastfaelle>");
    std::string ergebnisse = "<results>";
    for (int k = 0; k < kombinationen; ++k) {
        const std::string g = k == 1 ? "1.2" : "1.35";
        const std::string q = k == 0 ? "1.5" : k == 1 ? "1.3" : std::to_string(1.5 + 0.01 * k);
        const std::string variabel = n > 0 ? "+" + q + "*(" + alle + ")" : "";
        ergebnisse += "<result art=\"STR,GEO-2 BS-P\" regel=\"" + g + "*(1)" + variabel + "\"/>";
    }
    return Ersetze(d, "<results>", "</results>", ergebnisse + "</results>");
}

} // namespace vielelastfaelle
