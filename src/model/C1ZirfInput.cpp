#include "model/C1ZirfInput.h"

#include "platform/C1Exception.h"

#include <string>

C1ZirfInput::C1ZirfInput(C1QEL* pQEL) : pQEL(pQEL) {}

namespace {

// Checked position of one partial factor; the design situation counts from 1.
void CheckTeilsicherheit(int art, int situation) {
    using T = C1ZirfInput::Teilsicherheitsbeiwerte;
    if (art < 0 || art >= T::kAnzahlArten || situation < 1 || situation > T::kAnzahlSituationen) {
        throw C1Exception("Teilsicherheitsbeiwert Art " + std::to_string(art) + ", Situation " +
                              std::to_string(situation) + " ausserhalb der Tabelle",
                          "C1ZirfInput::Teilsicherheitsbeiwerte");
    }
}

} // namespace

double C1ZirfInput::Teilsicherheitsbeiwerte::Get(int art, int situation) const {
    CheckTeilsicherheit(art, situation);
    return wert.at(static_cast<std::size_t>(art)).at(static_cast<std::size_t>(situation - 1));
}

void C1ZirfInput::Teilsicherheitsbeiwerte::Set(int art, int situation, double value) {
    CheckTeilsicherheit(art, situation);
    wert.at(static_cast<std::size_t>(art)).at(static_cast<std::size_t>(situation - 1)) = value;
}
