// How much a run's load states ask of it: their number, the inputs whose states the run
// cannot take from the shares of each combination's load cases and that are too many to
// compute one by one (refused before the calculation, naming the numbers and the limit),
// and the progress a long computation shows.

#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

// Beyond this many states standing for the others (each combination's permanent loads and
// each variable load case alone), a run takes more than a few seconds.
constexpr double kMaxVertreter = 2000.0;
// The progress moves once per this many load states combined at a trial depth.
constexpr std::size_t kFortschrittSchritt = 1000;
constexpr int kVolleEinspannung = 100;
constexpr int kNachweis = 1;

std::string Zahl(double n) {
    char text[32];
    std::snprintf(text, sizeof text, "%.0f", n);
    return text;
}

} // namespace

double C1ZirfCalc::AnzahlZustaende() const {
    double n = 0.0;
    for (const C1Bemessungskombination& k : bemessungsKombinationen) {
        n += std::ldexp(1.0, static_cast<int>(k.veraenderlich.size()));
    }
    return n;
}

void C1ZirfCalc::ZuVieleZustaende(const std::string& grund) const {
    throw C1Exception("xml-Eingabedatei, Element 'lastUeberlagerung': " +
                          Zahl(static_cast<double>(bemessungsKombinationen.size())) +
                          " Lastfallkombinationen (STR,GEO) mit zusammen " +
                          Zahl(AnzahlZustaende()) + " Lastzuständen: " + grund +
                          "; einzeln gerechnet werden höchstens " + Zahl(aufzaehlenBis) +
                          " Lastzustände",
                      "C1ZirfCalc::CalcWand");
}

void C1ZirfCalc::PruefeZustandsumfang() const {
    if (alleAufgezaehlt) {
        return;
    }
    double vertreter = 0.0;
    for (const C1Bemessungskombination& k : bemessungsKombinationen) {
        vertreter += static_cast<double>(k.veraenderlich.size()) + 1.0;
    }
    if (vertreter > kMaxVertreter) {
        ZuVieleZustaende("sie stehen für " + Zahl(vertreter) +
                         " Zustände aus den ständigen Lasten und je einem veränderlichen "
                         "Lastfall, höchstens " +
                         Zahl(kMaxVertreter));
    }
    const C1ZirfInput& in = *pInput;
    if (in.mitanker == 0 || in.einspannung >= kVolleEinspannung) {
        return;
    }
    if (in.einspannung > 0) {
        ZuVieleZustaende("ein teilweise eingespannter Fuß (geom einspannung " +
                         std::to_string(in.einspannung) +
                         ") sucht für jeden Lastzustand dessen freien Fuß");
    }
    if (in.berart == kNachweis) {
        ZuVieleZustaende("der Nachweis einer gegebenen Einbindetiefe (steu berart 1) sucht "
                         "für jeden Lastzustand dessen freien Fuß");
    }
}

void C1ZirfCalc::Fortschritt(std::size_t arbeit) {
    fortschrittArbeit += arbeit;
    while (fortschrittArbeit >= kFortschrittSchritt) {
        fortschrittArbeit -= kFortschrittSchritt;
        if (fortschrittMelden) {
            fortschrittMelden();
        }
    }
}
