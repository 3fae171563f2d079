// Embedment depth of the wall without anchor: the foot depth at which the design moments
// of the active and the passive side about the foot balance, in every load state.

#include "model/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "base/Trace.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kToleranz = 0.001; // m
// A given depth within this of a design's total depth holds it (m).
constexpr double kTiefeToleranz = 1e-6;
// Each tenth of the embedment below He is added at least (it only decides for t < He).
constexpr double kZuschlagMindestens = 0.1;
// `nwstand` 1: increased active earth pressure.
constexpr int kNwstandErhoeht = 1;
constexpr double kProzent = 100.0;
// `berart`: 0 design (the depth is sought), 1 check of a given depth.
constexpr int kBemessung = 0;
constexpr int kNachweis = 1;

} // namespace

void C1ZirfCalc::SetBeiwerteIteration() {
    const int s = pInput->lastfall;
    if (s >= 1 && s <= C1ZirfInput::Teilsicherheitsbeiwerte::kAnzahlSituationen) {
        using T = C1ZirfInput::Teilsicherheitsbeiwerte;
        gammaG = pInput->teilsicherheit.Get(T::gamma_g, s);
        gammaQ = pInput->teilsicherheit.Get(T::gamma_q, s);
        gammaE0g = pInput->teilsicherheit.Get(T::gamma_e0g, s);
        gep = pInput->teilsicherheit.Get(T::gep, s);
    }
    if (pInput->nwstand == kNwstandErhoeht) {
        const double p = pInput->erhstand / kProzent;
        gammaG = p * gammaG + (1.0 - p) * gammaE0g;
    }
}

int C1ZirfCalc::CalcEinbindetiefe() {
    const C1ZirfInput& in = *pInput;
    const double He = Schicht[iSchichtUnten].yo;
    einspannArt = 0;
    AK = 0.0;
    SetBeiwerteIteration();
    nLastfaelle = in.iLetzterLastfall + 2;
    tMax = 0.0;
    Ausnutzung = ausnutzungMax = summeAktiv = summePassiv = 0.0;
    const std::vector<std::size_t> alle = AlleZustaende();
    if (alle.empty()) {
        return 1;
    }
    // A checked wall's given depth is the calculated one plus its extra depth.
    const double tGegeben = in.einbindetiefe - (in.einbindetiefe - He) * einbindung::kZuschlag /
                                                   einbindung::kZuschlagGesamt;
    std::size_t massgebend = 0;
    gegebeneTiefe = false;
    tErforderlich = -1.0;
    if (in.berart == kNachweis) {
        // The earth support of the given depth; a wall at least as long as its design needs
        // stands as designed, the length beyond it carrying nothing, and a shorter one is
        // computed at its depth.
        PruefeZustaende(alle, tGegeben, massgebend);
        const double ausnutzungGegeben = Ausnutzung;
        summeAktiv = SMA;
        summePassiv = SMP;
        const bool entworfen =
            IteriereZustaende(alle, in.wand_hw, kToleranz, true, massgebend) == 1;
        const double t0 = t - He;
        const double erforderlich =
            t + std::max(einbindung::kZuschlag * t0, kZuschlagMindestens * t0);
        if (entworfen) {
            tErforderlich = erforderlich;
        }
        if (!(entworfen && erforderlich <= in.einbindetiefe + kTiefeToleranz)) {
            gegebeneTiefe = true;
            PruefeZustaende(alle, tGegeben, massgebend);
        }
        Ausnutzung = ausnutzungGegeben;
    } else {
        const double start =
            in.berart == kBemessung ? in.wand_hw : tGegeben - einbindung::kErsterSchritt;
        if (IteriereZustaende(alle, start, kToleranz, in.berart == kBemessung, massgebend) == 2) {
            iZustand = static_cast<int>(massgebend);
            return 2;
        }
    }
    iZustand = static_cast<int>(massgebend);
    iMassgebend = KombinationVon(massgebend).kombi;
    tMax = t;
    ausnutzungMax = Ausnutzung;
    if (in.berart != kNachweis) {
        summeAktiv = SMA;
        summePassiv = SMP;
    }
    const double t0 = t - He;
    deltaTZuschlag = std::max(einbindung::kZuschlag * t0, kZuschlagMindestens * t0);
    tGes = in.berart == kNachweis && !gegebeneTiefe ? in.einbindetiefe : t + deltaTZuschlag;
    if (in.berart == kBemessung) {
        tGes = einbindung::AufRundungsschritt(tGes, in.rundung);
        TracePrintf("\ngewählte Einbindetiefe t %6.4f", tGes);
    }
    status = CalcKombi(2);
    status = CalcSchnittgroessen();
    return 1;
}
