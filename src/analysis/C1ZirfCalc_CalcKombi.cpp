// Combination step at the end of an embedment pass: the support force at the wall foot
// split into characteristic shares per load case, their design sum, and their vertical
// components.

#include "earthpressure/C1ZirfCalc.h"

#include "host/C1ZirfInput.h"

#include <algorithm>
#include <cmath>

namespace {

enum Art { kAnkerHorizontal = 0, kAnkerVertikal = 1, kOhneAnker = 2 };
constexpr int kErsterVeraenderlicherLastfall = 2;
constexpr int kTeilweiseEingespannt = 1;

double Quotient(double z, double n) {
    return n != 0.0 ? z / n : 0.0;
}

} // namespace

int C1ZirfCalc::CalcKombi(int art) {
    const C1ZirfInput& in = *pInput;
    const KombiFaktoren f =
        KombiFaktoren::Parse(in.kombi.at(static_cast<std::size_t>(iMassgebend)).regel);
    nLastfaelle = in.iLetzterLastfall + 2;
    const double hebelA = (in.wand_hw - yAnker) + 2.0 * (t - in.wand_hw) / 3.0;
    // Each load case with the design factor the iteration gave it.
    auto faktor = [&](int lf) { return FaktorLastfall(f, lf); };
    const bool teilweise = einspannArt == kTeilweiseEingespannt;

    if (art == kAnkerHorizontal) {
        summeBhd = 0.0;
        for (int lf = 0; lf < nLastfaelle; ++lf) {
            BhkLf[lf] = teilweise ? ephd * anteilVerdrehungLf[lf] : Quotient(momentLf[lf], hebelA);
            summeBhd += BhkLf[lf] * faktor(lf);
        }
        // The larger of the variable loads and the compaction of each layer belongs to no
        // single load case: it enters the design sum only. Each layer adds the design force
        // of the figure the iteration chose for it, so that the sum holds the loads the depth
        // rests on (a characteristic compaction force weighed against factored traffic would
        // take neither).
        SC = 0.0;
        for (int i = 0; i <= iSchichtFuss; ++i) {
            if (verdichtungMassgebend.at(static_cast<std::size_t>(i))) {
                SC += VerdichtungBisFuss(i).Eh * gammaG;
                continue;
            }
            for (int lf = kErsterVeraenderlicherLastfall; lf < nLastfaelle; ++lf) {
                SC += Schicht[i].kraftVar[lf] * f.F(lf);
            }
        }
        summeBhd += SC;
        if (!teilweise) {
            for (int lf = 0; lf < nLastfaelle; ++lf) {
                anteilVerdrehungLf[lf] = Quotient(BhkLf[lf], ephd);
            }
        }
        if (teilweise) {
            BhkWasser = ephd * anteilVerdrehungWasser;
        } else {
            BhkWasser = Quotient(momentWasser, hebelA);
            anteilVerdrehungWasser = Quotient(BhkWasser, ephd);
        }
        summeBhd += BhkWasser * gammaG;
    } else if (art == kAnkerVertikal) {
        const double tanP = Schicht[iSchichtFuss].tanP;
        for (int lf = 0; lf < nLastfaelle; ++lf) {
            BvkLf[lf] = BhkLf[lf] * tanP;
        }
        double Av = 0.0;
        for (int lf = kErsterVeraenderlicherLastfall; lf < nLastfaelle; ++lf) {
            Av += AK * anteilVerdrehungLf[lf];
        }
        const double Ap = AK * anteilVerdrehungLf[0] - Av;
        AKvk = std::tan(in.ankerneigung / GradFaktor) * Ap;
    } else if (art == kOhneAnker) {
        const double r = Quotient(momentPassivLf[0], kraftPassivLf[0]);
        const double vh = Quotient(vertikalPassivLf[0], kraftPassivLf[0]);
        summeBhk = summeBvk = summeBhd = 0.0;
        for (int lf = 0; lf < nLastfaelle; ++lf) {
            BhkLf[lf] = Quotient(momentLf[lf], r);
            summeBhk += BhkLf[lf];
            BvkLf[lf] = -BhkLf[lf] * vh;
            summeBvk += BvkLf[lf];
            anteilVerdrehungLf[lf] = Quotient(BhkLf[lf], ephd);
            summeBhd += BhkLf[lf] * faktor(lf);
        }
        Ck = summeBhk - summeEhk;
        Cvk = std::tan(in.ersatz_neigung / GradFaktor) * Ck;
        if (anteilVerdrehungWasser > 0.0) {
            BhkWasser = Quotient(momentWasser, hebelA);
            anteilVerdrehungWasser = Quotient(BhkWasser, ephd);
            summeBhd += BhkWasser * gammaG;
        }
    }
    return 1;
}
