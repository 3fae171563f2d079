// Reader of the soil layers (bode) with their wall friction angles.

#include "host/C1ZirfInput.h"
#include "host/C1ZirfInputAttr.h"

#include <array>
#include <cstdio>
#include <string>

namespace {

// Wall friction given as a code: the fraction of the layer's friction angle phi for
// codes 0 to 8 (-phi, -2/3 phi, -1/2 phi, -1/3 phi, 0, 1/3 phi, 1/2 phi, 2/3 phi, phi).
constexpr std::array<double, 9> kWandreibungAnteil = {
    -1.0, -2.0 / 3.0, -0.5, -1.0 / 3.0, 0.0, 1.0 / 3.0, 0.5, 2.0 / 3.0, 1.0};

// The wall friction angle of a code; a code outside the table gives no friction (0)
// and says so in the trace, so that the fault can be found.
double WandreibungAusCode(int code, double phi, int nr, const char* attribut) {
    if (code < 0 || code >= static_cast<int>(kWandreibungAnteil.size())) {
        char line[160];
        std::snprintf(line, sizeof line,
                      "\nC1ZirfInput::ReadBode: Schicht %d, %s = %d nicht in 0 bis 8, "
                      "Wandreibungswinkel 0",
                      nr, attribut, code);
        zirf_input::Trace(line);
        return 0.0;
    }
    return kWandreibungAnteil.at(static_cast<std::size_t>(code)) * phi;
}

} // namespace

void C1ZirfInput::ReadWandreibung(QEDOM_HANDLE gruppe, SBodenschicht& s) const {
    if (in_grad != 0) {
        s.delta = QEDOM_GetDouble(gruppe, "delta");
        s.deltp = QEDOM_GetDouble(gruppe, "deltp");
        return;
    }
    s.delta = WandreibungAusCode(QEDOM_GetInt(gruppe, "delta_phi"), s.phi, s.nr, "delta_phi");
    s.deltp = WandreibungAusCode(QEDOM_GetInt(gruppe, "deltp_phi"), s.phi, s.nr, "deltp_phi");
}

int C1ZirfInput::ReadBode() {
    // Only the reader of bome switches the earth resistance on.
    miterdwiderstand = 0;
    const QEDOM_HANDLE bode = FindSection("bode");
    if (bode == 0) {
        return 0;
    }
    in_grad = QEDOM_GetInt(bode, "in_grad");
    nSchicht = 0;
    for (QEDOM_HANDLE gruppe = QEDOM_FindFirstChild(bode, "gruppe"); gruppe != 0;
         gruppe = QEDOM_FindNextChild(gruppe, "gruppe")) {
        zirf_input::CheckTableLimit(nSchicht, kMaxSchicht, "bode", "Bodenschichten ('gruppe')",
                                    "C1ZirfInput::ReadBode");
        SBodenschicht s;
        s.nr = QEDOM_GetInt(gruppe, "nr");
        s.bez = zirf_input::ReadText(gruppe, "bez", kLenBez);
        s.kurz = zirf_input::ReadText(gruppe, "kurz", kLenKurz);
        zirf_input::ReadDoubles<SBodenschicht>(gruppe, s,
                                               {{"sd", &SBodenschicht::sd},
                                                {"deltax", &SBodenschicht::deltax},
                                                {"gamma", &SBodenschicht::gamma},
                                                {"gamma_feucht", &SBodenschicht::gamma_feucht},
                                                {"phi", &SBodenschicht::phi}});
        ReadWandreibung(gruppe, s);
        s.coh = QEDOM_GetDouble(gruppe, "coh");
        schicht.at(static_cast<std::size_t>(nSchicht)) = s;
        ++nSchicht;
    }
    return nSchicht;
}
