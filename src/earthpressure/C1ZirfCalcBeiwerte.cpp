// Earth-pressure coefficients of every layer and the overburden behind and in front of
// the wall, for the wall and for the substitute wall of the deep slip line check.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"

#include <cmath>

namespace {

// Friction angle of the minimum earth pressure; the wall friction is scaled with it.
constexpr double kPhiMindest = 40.0;

} // namespace

void C1ZirfCalc::SetzeBeiwerte(C1Schicht& s, const C1Beiwertsatz& satz, double alphaWand,
                               double alphaSchicht, double delta, double deltp) {
    const double beta = pInput->gela_neigung;
    const double phi = s.phi;
    // The wall friction of the minimum earth pressure, scaled to its friction angle; for
    // phi = 0 it tends to 0 with the wall friction that goes with it.
    const double deltaMin = phi > 0.0 ? kPhiMindest * delta / phi : 0.0;
    // The order matters: the wedge factors use the angles of the call before them.
    s.*satz.thetaA = beiwerte.CalcThetaA(alphaSchicht, beta, delta, phi);
    s.*satz.kagh = beiwerte.CalcKagh(alphaWand, beta, delta, phi);
    s.*satz.kaph = beiwerte.CalcFaktorAuflast(alphaSchicht, beta) * s.*satz.kagh;
    s.*satz.kahm = beiwerte.CalcKagh(alphaWand, beta, deltaMin, kPhiMindest);
    s.*satz.k0gh = beiwerte.CalcK0gh(alphaSchicht, beta, delta, phi);
    s.*satz.k0ph = beiwerte.CalcFaktorAuflast(alphaSchicht, beta) * s.*satz.k0gh;
    s.*satz.k0p = beiwerte.CalcK0gh(alphaSchicht, beta, deltp, phi);
    s.*satz.kach = beiwerte.CalcKach(alphaWand, beta, delta, phi);
    // Both runs spread bounded loads with the wedge of the wall's own slip plane.
    s.*satz.keilH = beiwerte.CalcKeilHGeneigt(s.thetaA, delta, phi, beta);
    s.*satz.keilV = beiwerte.CalcKeilVGeneigt(s.thetaA, beta, delta, phi);
    s.*satz.kpgh = beiwerte.CalcKpgh(alphaWand, beta, deltp, phi);
    s.*satz.kpch = beiwerte.GetKpch();
    s.*satz.kpph = beiwerte.GetKpph();
    s.*satz.cA = s.coh > 0.0 ? s.*satz.kach * s.coh : 0.0;
    s.*satz.cP = s.coh > 0.0 ? s.*satz.kpch * s.coh : 0.0;
    s.*satz.tanA = std::tan((delta + alphaSchicht) / GradFaktor);
    s.*satz.tanM = std::tan((deltaMin + alphaSchicht) / GradFaktor);
    s.*satz.tanP = std::tan((deltp - alphaSchicht) / GradFaktor);
}

int C1ZirfCalc::CalcBeiwerteLauf(const C1Beiwertsatz& satz, bool ersatzwand) {
    const C1ZirfInput& in = *pInput;
    // The ground at the substitute wall lies this much higher than at the wall.
    const double hoeheErsatzwand =
        ersatzwand ? std::tan(in.gela_neigung / GradFaktor) * xAnkerpunkt : 0.0;
    double y = 0.0;
    double s = 0.0;
    double yP = 0.0;
    double sP = 0.0;
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        C1Schicht& sch = Schicht[i];
        if (sch.gammaEff == 0.0) {
            // A weightless layer (air above the ground) keeps its coefficients at 0.
            sch.*satz.yo = y;
            sch.*satz.sigmaA = 0.0;
            y += sch.dicke;
            continue;
        }
        if (ersatzwand) {
            // The substitute wall is vertical and takes no wall friction.
            SetzeBeiwerte(sch, satz, 0.0, 0.0, 0.0, 0.0);
        } else {
            SetzeBeiwerte(sch, satz, in.wand_neigung, sch.alphaGrad, sch.delta, sch.deltp);
        }
        sch.*satz.yo = y;
        y += sch.dicke;
        // The deep slip line run keeps its own depths: the wall's stay as they are.
        if (!ersatzwand) {
            sch.yu = y;
        }
        double hoehe = sch.dicke;
        if (i == iErsteSchicht) {
            // The wedge's top follows the terrain up to the substitute wall.
            sch.*satz.yo -= hoeheErsatzwand;
            hoehe += hoeheErsatzwand;
        }
        // The overburden from which the active pressure is built (the report prints it
        // beside the ordinates).
        s += hoehe * sch.gammaEff;
        sch.*satz.sigmaA = s;
        if (!ersatzwand && i > iSchichtAushub) {
            yP += sch.dicke;
            const double yAushub = iSchichtAushub >= 0 ? Schicht[iSchichtAushub].yu : 0.0;
            sP += sch.dicke * (yP + yAushub <= tgv ? sch.gamma : sch.gammaUnter);
            sch.sigmaP = sP;
        }
    }
    return 1;
}

int C1ZirfCalc::CalcBeiwerte() {
    return CalcBeiwerteLauf(SatzWand(), false);
}

int C1ZirfCalc::CalcBeiwerteTGF() {
    return CalcBeiwerteLauf(SatzErsatzwand(), true);
}
