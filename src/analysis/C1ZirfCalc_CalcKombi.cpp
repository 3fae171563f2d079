// Combination step at the end of an embedment pass: the support force at the wall foot
// split into characteristic shares per load case and their design sum, for the check of
// the passive earth support.

#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"

namespace {

enum Art { kAnkerHorizontal = 0, kOhneAnker = 2 };
constexpr int kTeilweiseEingespannt = 1;
// Passive load case 1 never enters the design sums.
constexpr int kPassivLastfallOhneWirkung = 1;
// Load cases from 2 on are variable: only they enter the layers' larger-of share.
constexpr int kErsterVeraenderlicherLastfall = 2;

double Quotient(double z, double n) {
    return n != 0.0 ? z / n : 0.0;
}

} // namespace

double C1ZirfCalc::HebelPassivAnker(double ersatz) const {
    // The passive load cases as the design sums take them: all but case 1.
    double moment = 0.0;
    double kraft = 0.0;
    for (int lf = 0; lf <= pInput->nLfFlaecheVorn; ++lf) {
        if (lf != kPassivLastfallOhneWirkung) {
            moment += momentPassivLf[lf];
            kraft += kraftPassivLf[lf];
        }
    }
    const double hebel = Quotient(moment, kraft);
    return hebel > 0.0 ? hebel : ersatz;
}

void C1ZirfCalc::VerkehrVerdichtungAufteilen(double hebel) {
    // Each layer down to the foot gave the larger-of share either its variable loads (each
    // load case with its characteristic moment about the anchor) or its compaction.
    BhkVerkehrLf.Clear();
    double momentVerdichtung = 0.0;
    for (int i = 0; i <= iSchichtFuss; ++i) {
        if (verdichtungMassgebend.at(static_cast<std::size_t>(i))) {
            const FussStueck v = VerdichtungBisFuss(i);
            momentVerdichtung += (v.yE - yAnker) * v.Eh;
            continue;
        }
        for (int lf = kErsterVeraenderlicherLastfall; lf < nLastfaelle; ++lf) {
            BhkVerkehrLf[lf] += Schicht[i].momentVar[lf];
        }
    }
    for (int lf = kErsterVeraenderlicherLastfall; lf < nLastfaelle; ++lf) {
        BhkVerkehrLf[lf] = Quotient(BhkVerkehrLf[lf], hebel);
    }
    BhkVerdichtung = Quotient(momentVerdichtung, hebel);
}

int C1ZirfCalc::CalcKombi(int art) {
    const C1ZirfInput& in = *pInput;
    // The factors of the load state the object is in.
    const KombiFaktoren& f = kombiFaktoren;
    nLastfaelle = in.iLetzterLastfall + 2;
    // Lever about the anchor of a triangular passive figure, at 2/3 of the embedment: the
    // water's share of the wall without anchor, and the anchored wall's where no passive
    // force acts.
    const double hebelA = (in.wand_hw - yAnker) + 2.0 * (t - in.wand_hw) / 3.0;
    const bool teilweise = einspannArt == kTeilweiseEingespannt;
    // Each load case with the design factor the iteration gave it.
    for (int lf = 0; lf < nLastfaelle; ++lf) {
        faktorLf[lf] = FaktorLastfall(f, lf);
    }
    // The water's share from its moment about the anchor, with the factor the iteration
    // gave its figures (gammaG, or eta_p/gep where it presses towards the soil).
    auto wasserAusMoment = [&] {
        BhkWasser = Quotient(momentWasser, hebelA);
        anteilVerdrehungWasser = Quotient(BhkWasser, ephd);
        faktorWasser = Quotient(momentWasserD, momentWasser);
    };

    if (art == kAnkerHorizontal) {
        // Every load enters with its share of the support force at the foot, never with
        // its whole force: the anchor carries the rest. The share is the load's design
        // moment about the anchor over the lever of the design passive resultant down to
        // the foot, the figure the depth iteration balanced: at a free foot the rows add
        // up to Eph,d, a deeper (fixed or partly fixed, or longer checked) wall needs less.
        const double hebel = HebelPassivAnker(hebelA);
        summeBhd = 0.0;
        for (int lf = 0; lf < nLastfaelle; ++lf) {
            BhkLf[lf] = Quotient(momentLf[lf], hebel);
            summeBhd += BhkLf[lf] * faktorLf[lf];
        }
        // The larger of the variable loads and the compaction of each layer belongs to no
        // single load case: it enters the design sum as the iteration took it, and the
        // report splits it by what each layer took.
        SC = Quotient(momentVarD, hebel);
        summeBhd += SC;
        VerkehrVerdichtungAufteilen(hebel);
        BhkWasser = Quotient(momentWasser, hebel);
        faktorWasser = Quotient(momentWasserD, momentWasser);
        summeBhd += BhkWasser * faktorWasser;
        // A partly fixed foot keeps the shares of the loads in its design rotation, which
        // split the anchor force below; the others take their shares of Eph,d.
        if (!teilweise) {
            for (int lf = 0; lf < nLastfaelle; ++lf) {
                anteilVerdrehungLf[lf] = Quotient(BhkLf[lf], ephd);
            }
            anteilVerdrehungWasser = Quotient(BhkWasser, ephd);
        }
    } else if (art == kOhneAnker) {
        const double r = Quotient(momentPassivLf[0], kraftPassivLf[0]);
        summeBhk = summeBhd = 0.0;
        for (int lf = 0; lf < nLastfaelle; ++lf) {
            BhkLf[lf] = Quotient(momentLf[lf], r);
            summeBhk += BhkLf[lf];
            anteilVerdrehungLf[lf] = Quotient(BhkLf[lf], ephd);
            summeBhd += BhkLf[lf] * faktorLf[lf];
        }
        if (anteilVerdrehungWasser > 0.0) {
            wasserAusMoment();
            summeBhd += BhkWasser * faktorWasser;
        }
    }
    return 1;
}
