#include "model/C1ZirfInput.h"

#include "host/Eingabegrenzen.h"
#include "platform/C1Exception.h"

#include <cstdio>
#include <string>
#include <string_view>

QEDOM_HANDLE C1ZirfInput::FindSection(const char* name) const {
    const QEDOM_HANDLE section = QEDOM_FindFirstChild(hInput, name);
    if (section == 0 || QEDOM_FindNextChild(section, name) != 0) {
        return 0;
    }
    return section;
}

namespace {

std::string Zahl(double v, const char* format = "%g") {
    char text[32];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

// A limit with all its digits up to 2147483647, the largest whole number an attribute holds.
std::string Grenzzahl(double v) {
    return Zahl(v, "%.10g");
}

// What the message adds to what the value is.
const char* Zusatz(zirf_input::Ausserdem a) {
    switch (a) {
    case zirf_input::Ausserdem::null:
        return "; 0 für nicht angegeben";
    case zirf_input::Ausserdem::abgeschnitten:
        return "; als ganze Zahl genommen";
    case zirf_input::Ausserdem::nichts:
    case zirf_input::Ausserdem::nullOderKleiner:
        break;
    }
    return "";
}

} // namespace

std::string C1ZirfInput::SZahl::Wo() const {
    if (eigenschaft) {
        return "Element '" + element + " objekt Eigenschaft' (Kurzname \"" + attribut +
               "\"): Attribut '" + kEigenschaftWert + "'";
    }
    return "Element '" + element + "'" + ort + ": Attribut '" + attribut + "'";
}

void C1ZirfInput::PruefeGrenzen() const {
    for (const SZahl& z : zahlen) {
        const zirf_input::Grenze* g = zirf_input::FindGrenze(z.element, z.attribut);
        if (g == nullptr || zirf_input::InnerhalbGrenze(*g, z.wert)) {
            continue;
        }
        // Degrees follow the number directly, every other unit after a blank.
        const std::string_view e = g->einheit;
        const std::string einheit = e.empty() || e == "°" ? std::string(e) : " " + std::string(e);
        throw C1Exception("xml-Eingabedatei, " + z.Wo() + " = " + Zahl(z.wert) +
                              " liegt nicht zwischen " + Grenzzahl(g->min) + " und " +
                              Grenzzahl(g->max) + einheit + " (" + g->was + Zusatz(g->ausserdem) +
                              ")",
                          "C1ZirfInput::PruefeGrenzen");
    }
}

int C1ZirfInput::ReadAll() {
    zahlen.clear();
    // The results of the section readers are of no interest; a reader that cannot go on
    // raises an error.
    static constexpr int (C1ZirfInput::*kSectionReaders[])() = {
        &C1ZirfInput::ReadInfo, &C1ZirfInput::ReadAllg, &C1ZirfInput::ReadSteu,
        &C1ZirfInput::ReadGeom, &C1ZirfInput::ReadMate, &C1ZirfInput::ReadBode,
        &C1ZirfInput::ReadBome, &C1ZirfInput::ReadLast, &C1ZirfInput::ReadEinw,
        &C1ZirfInput::ReadTeil, &C1ZirfInput::ReadAusg};
    for (const auto reader : kSectionReaders) {
        (this->*reader)();
    }
    CollectLastfaelle();
    const int result = ReadLastUeberlagerung();
    PruefeGrenzen();
    return result;
}
