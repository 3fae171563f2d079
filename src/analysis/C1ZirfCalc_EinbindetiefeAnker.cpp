// Embedment depth of the anchored wall: free foot (the design foot force from the moments
// about the anchor vanishes), fixed foot (the rotation sum vanishes) or partial fixity
// (the rotation sum reaches a share of the free foot's rotation, found by a first pass).

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "earthpressure/ErddruckTrace.h"
#include "host/C1ZirfInput.h"

#include <cmath>

namespace {

constexpr double kToleranz = 0.01;     // m
constexpr int kVolleEinspannung = 100; // percent
constexpr int kBemessung = 0;
constexpr int kNachweis = 1;
constexpr double kProzent = 100.0;

enum EinspannArt { kFrei = 0, kTeilweise = 1, kVoll = 2 };

} // namespace

void C1ZirfCalc::UmlagerungAnker() {
    const C1ZirfInput& in = *pInput;
    if (in.kumlag != 0) {
        return;
    }
    if (in.druck_nach == 1) {
        status = CalcUmlagerung(in.druck_bau == 0 ? 0 : 1);
    } else {
        status = CalcUmlagerungBlock(0);
    }
}

int C1ZirfCalc::CalcEinbindetiefeAnker(int einspannung, int kombi) {
    const C1ZirfInput& in = *pInput;
    const double He = Schicht[iSchichtUnten].yo;
    const bool alle = kombi == einbindung::kAlleKombinationen;
    SetBeiwerteIteration();
    einspannArt = einspannung == 0 ? kFrei : einspannung < kVolleEinspannung ? kTeilweise : kVoll;
    nLastfaelle = in.iLetzterLastfall + 2;
    UmlagerungAnker();

    // A partial fixity first finds the free foot's rotation in design mode.
    int modus = in.berart;
    if (einspannArt == kTeilweise) {
        modus = kBemessung;
        einspannArtGemerkt = kTeilweise;
        einspannArt = kFrei;
        zweiterLauf = 1;
    } else {
        zweiterLauf = 0;
    }
    Zielverdrehung = 0.0;
    verdrehungFrei = 0.0;

    for (;;) {
        tMax = 0.0;
        Ausnutzung = ausnutzungMax = 0.0;
        if (alle) {
            iMassgebend = 0;
            summeAktiv = summePassiv = 0.0;
            eMax = 0.0;
        } else {
            iMassgebend = kombi;
        }
        const int bis = alle ? static_cast<int>(in.kombi.size()) - 1 : kombi;
        for (int k = alle ? 0 : kombi; k <= bis; ++k) {
            if (!StarteKombination(k)) {
                continue;
            }
            if (modus == kBemessung) {
                t = in.wand_hw;
            } else if (einspannung < 1) {
                t = in.einbindetiefe - delta_t;
            } else {
                t = in.einbindetiefe -
                    (in.einbindetiefe - He) * einbindung::kZuschlag / einbindung::kZuschlagGesamt -
                    delta_t;
            }
            iter = 0;
            for (;;) {
                ++iter;
                richtungAlt = richtung;
                tAlt = t;
                t = t + richtung * delta_t;
                if (einbindung::IstDivergiert(iter, t, He)) {
                    return 2;
                }
                CalcWandlasten();
                if (std::fabs(t - tAlt) < kToleranz || modus == kNachweis) {
                    break;
                }
                const double v = einspannArt == kFrei ? SC : SwF;
                richtung = v >= Zielverdrehung ? 1 : -1;
                if (richtung != richtungAlt) {
                    delta_t /= 2.0;
                }
                if (einspannArt == kFrei) {
                    zirf::Trace("\n t %6.2f   SC %8.1f ", t, SC);
                } else {
                    zirf::Trace("\n t %6.2f   SwF %8.1f ", t, SwF);
                    zirf::Trace("\n t %6.2f   SC %8.1f ", t, SC);
                }
            }
            const double t0 = t - He;
            deltaTZuschlag = 0.0;
            if (modus == kBemessung && summeEphFuss != 0.0) {
                deltaTZuschlag = (-gep * SC) / (2.0 * summeEphFuss);
            }
            if (deltaTZuschlag < einbindung::kZuschlag * t0) {
                deltaTZuschlag = einbindung::kZuschlag * t0;
            }
            if (einspannung == 0) {
                deltaTZuschlag = 0.0; // a free foot needs no extra depth
            }
            tGes = einbindung::AufRundungsschritt(t + deltaTZuschlag, in.rundung);
            zirf::Trace("\ngewählte Einbindetiefe t %6.2f", tGes);
            zirf::Trace("\nAK %8.1f ", AK);

            if (modus == kBemessung) {
                // The deepest foot governs; of equal depths the earlier combination.
                if (einbindung::UebernimmtMassgebend(t, tMax, false)) {
                    tMax = t;
                    iMassgebend = k;
                    verdrehungFrei = SwF;
                }
            } else if (einspannung == 0) {
                Ausnutzung = SummeQuerkraefte_passiv != 0.0
                                 ? -SummeQuerkraefte_aktiv / SummeQuerkraefte_passiv
                                 : 0.0;
                if (einbindung::UebernimmtMassgebend(Ausnutzung, ausnutzungMax, false)) {
                    ausnutzungMax = Ausnutzung;
                    summeAktiv = SummeQuerkraefte_aktiv;
                    summePassiv = SummeQuerkraefte_passiv;
                    iMassgebend = k;
                }
            } else {
                SMP = SwF - SMA;
                const double nenner = SMP - Zielverdrehung;
                Ausnutzung = nenner != 0.0 ? -SMA / nenner : 0.0;
                if (einbindung::UebernimmtMassgebend(Ausnutzung, ausnutzungMax, false)) {
                    ausnutzungMax = Ausnutzung;
                    summeAktiv = SMA;
                    summePassiv = SMP;
                    iMassgebend = k;
                }
            }
        }
        if (zweiterLauf != 1) {
            break;
        }
        zweiterLauf = 0;
        modus = in.berart;
        einspannArt = einspannArtGemerkt;
        Zielverdrehung = (1.0 - einspannung / kProzent) * verdrehungFrei;
    }
    status = CalcKombi(0);
    status = CalcKombi(1);
    status = CalcSchnittgroessenAnker();
    return 1;
}
