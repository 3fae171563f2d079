#include "report/ReportPruefung.h"

#include "platform/C1Exception.h"
#include "report/C1RTFX.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

void PruefePositiv(double value, const char* element, const char* attribut) {
    if (!(value > 0.0)) {
        throw C1Exception(std::string("xml-Eingabedatei, Element '") + element + "': Attribut '" +
                              attribut +
                              "' fehlt oder ist nicht größer als 0; der Nachweis teilt durch "
                              "diesen Wert",
                          "C1ZirfReport");
    }
}

std::optional<double> Endlich(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

bool SindZahlen(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

std::optional<double> Ausnutzung(double einwirkung, double widerstand) {
    if (!SindZahlen({einwirkung, widerstand})) {
        return std::nullopt;
    }
    if (widerstand != 0.0) {
        // A quotient beyond the range of a double is no number either.
        return Endlich(einwirkung / widerstand);
    }
    if (einwirkung == 0.0) {
        return 0.0;
    }
    return std::nullopt;
}

bool Eingehalten(double einwirkung, double widerstand) {
    if (!SindZahlen({einwirkung, widerstand})) {
        return false;
    }
    if (widerstand > 0.0) {
        return einwirkung / widerstand <= 1.0;
    }
    return einwirkung <= widerstand;
}

double Gedruckt(double value, int decimals) {
    if (!std::isfinite(value)) {
        return value;
    }
    std::array<char, 400> text{};
    const auto geschrieben = std::to_chars(text.data(), text.data() + text.size(), value,
                                           std::chars_format::fixed, decimals);
    if (geschrieben.ec != std::errc()) {
        return value;
    }
    double gelesen = value;
    std::from_chars(text.data(), geschrieben.ptr, gelesen);
    return gelesen;
}

bool EingehaltenWieAusnutzung(double einwirkung, double widerstand, int decimals) {
    if (SindZahlen({einwirkung, widerstand}) && widerstand > 0.0) {
        return Gedruckt(einwirkung / widerstand, decimals) <= 1.0;
    }
    return Eingehalten(einwirkung, widerstand);
}

bool EingehaltenWieGedruckt(double einwirkung, double widerstand, double toleranz, int decimals) {
    return SindZahlen({einwirkung, widerstand}) &&
           Gedruckt(einwirkung, decimals) <= Gedruckt(widerstand, decimals) &&
           einwirkung <= widerstand * toleranz;
}

bool AusnutzungEingehalten(std::optional<double> ausnutzung, int decimals) {
    return ausnutzung && Gedruckt(*ausnutzung, decimals) <= 1.0;
}

int WriteAusnutzung(C1RTFX& rtf, int id, std::optional<double> ausnutzung) {
    return ausnutzung ? rtf.WriteEintrag(id, {*ausnutzung}) : rtf.WriteEintrag(id);
}
