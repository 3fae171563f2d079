// Reader of the soil layers (bode) with their wall friction angles.

#include "host/C1ZirfInputAttr.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <array>
#include <string>

namespace {

// Wall friction given as a code: the fraction of the layer's friction angle phi for
// codes 0 to 8 (-phi, -2/3 phi, -1/2 phi, -1/3 phi, 0, 1/3 phi, 1/2 phi, 2/3 phi, phi).
constexpr std::array<double, 9> kWandreibungAnteil = {
    -1.0, -2.0 / 3.0, -0.5, -1.0 / 3.0, 0.0, 1.0 / 3.0, 0.5, 2.0 / 3.0, 1.0};

// The wall friction angle of a code. A code outside the table has no angle: taking none
// would change the earth pressure without a word, so the run ends naming the layer.
double WandreibungAusCode(int code, const C1ZirfInput::SBodenschicht& s, const char* attribut) {
    if (code < 0 || code >= static_cast<int>(kWandreibungAnteil.size())) {
        throw C1Exception("xml-Eingabedatei, Element 'bode gruppe' nr " + std::to_string(s.nr) +
                              " (\"" + s.bez + "\"): Attribut '" + attribut +
                              "' = " + std::to_string(code) +
                              " ist kein Code des Wandreibungswinkels; vorgesehen sind 0 bis " +
                              std::to_string(kWandreibungAnteil.size() - 1) +
                              " (-phi bis +phi) oder in_grad = 1 mit Winkeln in Grad",
                          "C1ZirfInput::ReadBode");
    }
    return kWandreibungAnteil.at(static_cast<std::size_t>(code)) * s.phi;
}

} // namespace

void C1ZirfInput::ReadWandreibung(const zirf_input::Element& gruppe, SBodenschicht& s) const {
    if (in_grad != 0) {
        s.delta = gruppe.Double("delta");
        s.deltp = gruppe.Double("deltp");
        return;
    }
    s.delta = WandreibungAusCode(gruppe.Int("delta_phi"), s, "delta_phi");
    s.deltp = WandreibungAusCode(gruppe.Int("deltp_phi"), s, "deltp_phi");
}

int C1ZirfInput::ReadBode() {
    // Only the reader of bome switches the earth resistance on.
    miterdwiderstand = 0;
    const QEDOM_HANDLE bode = FindSection("bode");
    if (bode == 0) {
        return 0;
    }
    in_grad = zirf_input::Element(bode, "bode", zahlen).Int("in_grad");
    nSchicht = 0;
    for (QEDOM_HANDLE handle = QEDOM_FindFirstChild(bode, "gruppe"); handle != 0;
         handle = QEDOM_FindNextChild(handle, "gruppe")) {
        zirf_input::CheckTableLimit(nSchicht, kMaxSchicht, "bode", "Bodenschichten ('gruppe')",
                                    "C1ZirfInput::ReadBode");
        SBodenschicht s;
        s.bez = zirf_input::ReadText(handle, "bez", kLenBez);
        s.kurz = zirf_input::ReadText(handle, "kurz", kLenKurz);
        // The messages name the layer by its number and name, as the wall friction's do.
        const zirf_input::Element gruppe(handle, "bode gruppe", zahlen,
                                         " nr " + std::to_string(QEDOM_GetInt(handle, "nr")) +
                                             " (\"" + s.bez + "\")");
        s.nr = gruppe.Int("nr");
        gruppe.Doubles<SBodenschicht>(s, {{"sd", &SBodenschicht::sd},
                                          {"deltax", &SBodenschicht::deltax},
                                          {"gamma", &SBodenschicht::gamma},
                                          {"gamma_feucht", &SBodenschicht::gamma_feucht},
                                          {"phi", &SBodenschicht::phi}});
        ReadWandreibung(gruppe, s);
        s.coh = gruppe.Double("coh");
        schicht.at(static_cast<std::size_t>(nSchicht)) = s;
        ++nSchicht;
    }
    return nSchicht;
}
