// Embedment depth of the anchored wall: free foot (the design foot force from the moments
// about the anchor vanishes), fixed foot (the rotation sum vanishes) or partial fixity
// (the rotation sum reaches a share of the free foot's rotation, found by a first pass).
//
// The rotation sum is not monotone in the depth: from the excavation level it grows while
// the span below the anchor lengthens, peaks about the free foot's depth and only then
// falls, through 0 at the fixed foot's depth. A partial fixity's target lies between the
// free foot's rotation and 0, so its depth lies between the free and the fixed foot's
// depths, on the falling branch; each combination's search therefore starts from its own
// free foot, where the rotation is above the target, and aims at its own free foot's
// rotation. A search from the excavation level would meet the rising branch first, find
// the rotation there below a large target (a small fixity) and turn upwards out of the
// soil; one target for all combinations would ask of a lighter combination a rotation
// that it never reaches.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <cmath>
#include <vector>

namespace {

constexpr double kToleranz = 0.01;     // m
constexpr int kVolleEinspannung = 100; // percent
constexpr int kBemessung = 0;
constexpr int kNachweis = 1;
constexpr double kProzent = 100.0;

enum EinspannArt { kFrei = 0, kTeilweise = 1, kVoll = 2 };

// A combination's free foot, from the first pass of a partial fixity: the lower end of
// the second pass's search and the rotation its target is a share of.
struct FreierFuss {
    double t = 0.0;
    double verdrehung = 0.0;
};

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
    std::vector<FreierFuss> frei(in.kombi.size());
    const double anteilFrei = 1.0 - einspannung / kProzent;

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
            if (einspannArt == kTeilweise) {
                Zielverdrehung = anteilFrei * frei.at(static_cast<std::size_t>(k)).verdrehung;
            }
            if (modus == kBemessung) {
                t = einspannArt == kTeilweise ? frei.at(static_cast<std::size_t>(k)).t : in.wand_hw;
            } else if (einspannung < 1) {
                t = in.einbindetiefe - delta_t;
            } else {
                t = in.einbindetiefe -
                    (in.einbindetiefe - He) * einbindung::kZuschlag / einbindung::kZuschlagGesamt -
                    delta_t;
            }
            iter = 0;
            einbindung::Eingrenzung eingrenzung;
            // Free foot: the passive side takes more than the moments about the anchor ask
            // (SC below 0); fixed foot: the rotation has passed its target.
            const auto sicher = [this] {
                return (einspannArt == kFrei ? SC : SwF) < Zielverdrehung;
            };
            for (;;) {
                ++iter;
                richtungAlt = richtung;
                tAlt = t;
                t = t + richtung * delta_t;
                if (einbindung::IstDivergiert(iter, t, He)) {
                    return 2;
                }
                CalcWandlasten();
                eingrenzung.Merke(t, sicher());
                if (std::fabs(t - tAlt) < kToleranz || modus == kNachweis) {
                    break;
                }
                const double v = einspannArt == kFrei ? SC : SwF;
                richtung = v >= Zielverdrehung ? 1 : -1;
                if (richtung != richtungAlt) {
                    delta_t /= 2.0;
                }
                if (einspannArt == kFrei) {
                    TracePrintf("\n t %6.2f   SC %8.1f ", t, SC);
                } else {
                    TracePrintf("\n t %6.2f   SwF %8.1f ", t, SwF);
                    TracePrintf("\n t %6.2f   SC %8.1f ", t, SC);
                }
            }
            // The iteration stops within its tolerance on either side of the balance; a
            // designed foot must not lie above it, or the wall fails its own check.
            if (double oben = 0.0, unten = 0.0;
                in.berart == kBemessung && eingrenzung.Klammer(oben, unten)) {
                SchliesseEingrenzung(oben, unten, sicher);
            }
            if (zweiterLauf == 1) {
                frei.at(static_cast<std::size_t>(k)) = {t, SwF};
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
            TracePrintf("\ngewählte Einbindetiefe t %6.2f", tGes);
            TracePrintf("\nAK %8.1f ", AK);

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
    }
    status = CalcKombi(0);
    status = CalcKombi(1);
    status = CalcSchnittgroessenAnker();
    return 1;
}
