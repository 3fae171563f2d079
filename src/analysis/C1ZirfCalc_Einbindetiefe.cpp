// Embedment depth of the wall without anchor: the foot depth at which the design moments
// of the active and the passive side about the foot balance, per load combination.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <cmath>
#include <functional>

namespace {

constexpr double kToleranz = 0.001; // m
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

bool C1ZirfCalc::StarteKombination(int k) {
    iKombi = k;
    const C1ZirfInput::LFKombi& lk = pInput->kombi.at(static_cast<std::size_t>(k));
    if (!einbindung::IstStrGeo(lk.art)) {
        return false;
    }
    kombiFaktoren = KombiFaktoren::Parse(lk.regel);
    richtung = 1;
    delta_t = einbindung::kErsterSchritt;
    return true;
}

void C1ZirfCalc::SchliesseEingrenzung(double oben, double unten,
                                      const std::function<bool()>& sicher) {
    TracePrintf("\nEingrenzung nach t %6.4f: von %6.4f bis %6.4f", t, oben, unten);
    // The sums are those of the depth evaluated last.
    bool sichereSumme = t == unten;
    while (unten - oben > einbindung::kGenauigkeit) {
        t = (oben + unten) / 2.0;
        CalcWandlasten();
        sichereSumme = sicher();
        (sichereSumme ? unten : oben) = t;
        TracePrintf("\nEingrenzung t %6.4f", t);
    }
    if (!sichereSumme) {
        t = unten;
        CalcWandlasten();
    }
    TracePrintf("\nsichere Seite t %6.4f", t);
}

int C1ZirfCalc::CalcEinbindetiefe(int kombi) {
    const C1ZirfInput& in = *pInput;
    const double He = Schicht[iSchichtUnten].yo;
    const bool alle = kombi == einbindung::kAlleKombinationen;
    einspannArt = 0;
    AK = 0.0;
    double ausnutzungAlt = 0.0;
    SetBeiwerteIteration();
    if (alle) {
        tMax = 0.0;
        iMassgebend = 0;
        Ausnutzung = ausnutzungMax = summeAktiv = summePassiv = 0.0;
    } else {
        deltaTZuschlag =
            (in.einbindetiefe - He) * einbindung::kZuschlag / einbindung::kZuschlagGesamt;
        tMax = in.einbindetiefe - deltaTZuschlag;
        Ausnutzung = ausnutzungMax;
        iMassgebend = kombi;
    }
    const int bis = alle ? static_cast<int>(in.kombi.size()) - 1 : kombi;
    for (int k = alle ? 0 : kombi; k <= bis; ++k) {
        if (!StarteKombination(k)) {
            continue;
        }
        t = in.berart == kBemessung ? in.wand_hw
                                    : in.einbindetiefe -
                                          (in.einbindetiefe - He) * einbindung::kZuschlag /
                                              einbindung::kZuschlagGesamt -
                                          delta_t;
        iter = 0;
        einbindung::Eingrenzung eingrenzung;
        // Passive moment above the active one: the foot holds.
        const auto sicher = [this] { return SM < 0.0; };
        for (;;) {
            TracePrintf("\niter %3d ------------", iter);
            nLastfaelle = in.iLetzterLastfall + 2;
            ++iter;
            if (iter > 2) {
                // Utilisations above 1 that keep growing, or exactly 1 after a step at or
                // below 1, mean that no depth balances the moments.
                const double r = Ausnutzung;
                const double rAlt = ausnutzungAlt;
                if (r > 1.0 && rAlt > 1.0 ? r > rAlt : r == 1.0) {
                    return 2;
                }
            }
            richtungAlt = richtung;
            tAlt = t;
            t = t + richtung * delta_t;
            if (einbindung::IstDivergiert(iter, t, He)) {
                return 2;
            }
            CalcWandlasten();
            ausnutzungAlt = Ausnutzung;
            Ausnutzung = SMP != 0.0 ? -SMA / SMP : 0.0;
            TracePrintf(
                "\niter %3d t %6.4f  delta_t %6.4f  SM %6.2f  SMA %6.2f  SMP %6.2f  SC %6.2f", iter,
                t, delta_t, SM, SMA, SMP, SC);
            eingrenzung.Merke(t, sicher());
            if (std::fabs(t - tAlt) < kToleranz || in.berart == kNachweis) {
                break;
            }
            richtung = SM >= 0.0 ? 1 : -1;
            if (richtung != richtungAlt) {
                delta_t /= 2.0;
            }
        }
        // The iteration stops within its tolerance on either side of the balance; a
        // designed foot must not lie above it, or the wall fails its own check.
        if (double oben = 0.0, unten = 0.0;
            in.berart == kBemessung && eingrenzung.Klammer(oben, unten)) {
            SchliesseEingrenzung(oben, unten, sicher);
            Ausnutzung = SMP != 0.0 ? -SMA / SMP : 0.0;
        }
        const double t0 = t - He;
        deltaTZuschlag = std::max(einbindung::kZuschlag * t0, kZuschlagMindestens * t0);
        tGes = t + deltaTZuschlag;
        if (in.berart == kBemessung) {
            tGes = einbindung::AufRundungsschritt(tGes, in.rundung);
            TracePrintf("\ngewählte Einbindetiefe t %6.4f", tGes);
        }
        status = CalcKombi(2);
        status = CalcSchnittgroessen();
        if (in.berart == kBemessung) {
            // The deepest foot governs; a later combination of equal depth takes over.
            if (einbindung::UebernimmtMassgebend(t, tMax, true)) {
                tMax = t;
                iMassgebend = k;
            }
        } else if (einbindung::UebernimmtMassgebend(Ausnutzung, ausnutzungMax, false)) {
            ausnutzungMax = Ausnutzung;
            summeAktiv = SMA;
            summePassiv = SMP;
            iMassgebend = k;
        }
    }
    return 1;
}
