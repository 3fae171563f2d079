// Design normal force of the wall at a depth, compression positive: everything vertical
// that acts on the wall above that depth. One operation serves both walls and every point
// the report and the diagrams show, so that a point never counts the wall weight or the
// earth pressure of the wall below it; at the foot it holds every vertical force of the
// vertical-force check, each with the design factor of its load case, so that the two
// never tell different stories.

#include "model/C1ZirfCalc.h"

#include "analysis/Verdrehung.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>

namespace {

// The wall's weight g is given in kg/m² of wall; per metre of depth it is g/100 kN/m.
constexpr double kKgJeKn = 100.0;
// The foot force C acts with half its friction, as the check of the vertical forces
// takes it.
constexpr double kHalbeReibung = 0.5;
// Passive load case 1 never enters the design sums.
constexpr int kPassivLastfallOhneWirkung = 1;
// The wall without anchor is clamped at its foot, the beam's start: the shear just above
// the clamp is the clamping force with the opposite sign.
constexpr double kFussQuerkraftZuC = -1.0;
// Two states' normal forces that differ by no more than this share (of at least 1 kN/m)
// are the same force summed in another order.
constexpr double kGleicheNormalkraft = 1e-9;

bool GleicheKraft(double a, double b) {
    return std::fabs(a - b) <= kGleicheNormalkraft * std::max(1.0, std::fabs(b));
}

// Share of a linear figure from y1 (ordinate e1) to y2 (e2) that lies above the depth y,
// by its area; a figure without area by its depth.
double AnteilOberhalb(double y1, double y2, double e1, double e2, double y) {
    if (!(y2 > y1)) {
        return y >= y2 ? 1.0 : 0.0;
    }
    const double s = std::clamp((y - y1) / (y2 - y1), 0.0, 1.0);
    const double flaeche = (e1 + e2) / 2.0;
    if (flaeche == 0.0) {
        return s;
    }
    const double ey = e1 + (e2 - e1) * s;
    return (e1 + ey) / 2.0 * s / flaeche;
}

} // namespace

double C1ZirfCalc::Wandgewicht(double h) const {
    return pInput->g * h / kKgJeKn;
}

double C1ZirfCalc::PassivAnteilOberhalb(double y) const {
    // The passive figures of every passive load case down to the foot layer, whose figure
    // ends at the foot.
    const int Fp = iSchichtFussPassiv;
    const int nUnten = iLetzteSchicht - iSchichtUnten + 1;
    double oben = 0.0;
    double gesamt = 0.0;
    const auto figur = [&](double y1, double y2, double e1, double e2) {
        const double flaeche = (e1 + e2) / 2.0 * (y2 - y1);
        gesamt += flaeche;
        oben += flaeche * AnteilOberhalb(y1, y2, e1, e2, y);
    };
    for (int lc = 0; lc <= pInput->nLfFlaecheVorn; ++lc) {
        for (int i = iSchichtUnten; i < Fp; ++i) {
            const C1SchichtErgebnis& e = ErgPassiv[lc * nUnten + (i - iSchichtUnten)];
            figur(Schicht[i].yo, Schicht[i].yu, e.epoh, e.epuh);
        }
        const C1SchichtErgebnis& fuss = ErgSchicht[lc];
        figur(Schicht[Fp].yo, t, fuss.epoh, fuss.epuh);
    }
    if (gesamt == 0.0) {
        return y >= t ? 1.0 : 0.0;
    }
    return std::clamp(oben / gesamt, 0.0, 1.0);
}

double C1ZirfCalc::PassivVertikal() const {
    // The passive load cases as the design sums take them: all but case 1. The figures
    // are stored negative, their vertical forces upward negative.
    double v = 0.0;
    for (int lf = 0; lf <= pInput->nLfFlaecheVorn; ++lf) {
        if (lf != kPassivLastfallOhneWirkung) {
            v -= vertikalPassivLf[lf];
        }
    }
    return v;
}

double C1ZirfCalc::FussKraftVertikal(double ersatzkraft) const {
    // The substitute force C acts on the retained side below the point of rotation, where
    // the wall presses into the soil: the soil's wedge rises along the wall and rubs on it
    // downward. It is taken with half the foot layer's passive wall friction and half the
    // input's inclination of the substitute force.
    const double tanDelta = std::tan(Schicht[iSchichtFuss].deltp / GradFaktor);
    const double tanNeigung = std::tan(pInput->ersatz_neigung / GradFaktor);
    return kHalbeReibung * (tanNeigung - tanDelta) * ersatzkraft;
}

double C1ZirfCalc::NormalkraftBei(double y, bool mitAnkerkraft) const {
    return NormalkraftBei(y, mitAnkerkraft, VertikalzustandJetzt());
}

C1ZirfCalc::Vertikalanteile C1ZirfCalc::VertikalanteileBei(double y) const {
    const C1ZirfInput& in = *pInput;
    const double tiefe = std::clamp(y, 0.0, t);
    Vertikalanteile a;
    a.gewicht = Wandgewicht(tiefe);
    a.lastfall.assign(static_cast<std::size_t>(zirf::kMaxLastfaelle), 0.0);
    for (const WandBeitrag& b : vertikalBeitraege) {
        // A head load acts at the wall top, or at the anchor's level.
        const bool punkt = !(b.y2 > b.y1);
        const double anteil = punkt ? (b.y1 <= 0.0 || y > b.y1 ? 1.0 : 0.0)
                                    : AnteilOberhalb(b.y1, b.y2, b.e1, b.e2, tiefe);
        a.lastfall.at(static_cast<std::size_t>(b.lf)) += b.Ev * anteil;
    }
    const double yAnkerTiefe = in.mitanker != 0 ? in.tiefe_anker : 0.0;
    a.anker = in.mitanker != 0 && y > yAnkerTiefe ? std::tan(in.ankerneigung / GradFaktor) : 0.0;
    a.passiv = y > in.wand_hw ? PassivAnteilOberhalb(tiefe) : 0.0;
    a.fuss = y >= t ? 1.0 : 0.0;
    return a;
}

double C1ZirfCalc::NormalkraftBei(const Vertikalanteile& a, bool mitAnkerkraft,
                                  const Vertikalzustand& v) const {
    // The wall's own weight is a permanent load: it takes the factor of load case 1.
    double N = v.faktor.empty() ? 0.0 : v.faktor.front() * a.gewicht;
    for (std::size_t lf = 0; lf < v.faktor.size() && lf < a.lastfall.size(); ++lf) {
        N += v.faktor[lf] * a.lastfall[lf];
    }
    if (mitAnkerkraft) {
        // The vertical component of the anchor force enters below the anchor.
        N += a.anker * v.AK;
    }
    return N + v.passiv * a.passiv + v.fussKraft * a.fuss;
}

double C1ZirfCalc::NormalkraftBei(double y, bool mitAnkerkraft, const Vertikalzustand& v) const {
    return NormalkraftBei(VertikalanteileBei(y), mitAnkerkraft, v);
}

C1ZirfCalc::Zustandsgrenzen C1ZirfCalc::NormalkraftDerZustaende(double y, bool mitAnkerkraft,
                                                                bool merken) const {
    const Vertikalanteile a = VertikalanteileBei(y);
    return ZustandsGrenzen(
        [&](std::size_t z) { return NormalkraftBei(a, mitAnkerkraft, vertikalZustaende.at(z)); },
        merken);
}

double C1ZirfCalc::NormalkraftHuelle(double y, bool mitAnkerkraft, std::size_t* zustand,
                                     std::size_t zustandM) const {
    if (vertikalZustaende.empty()) {
        if (zustand != nullptr) {
            *zustand = static_cast<std::size_t>(iZustand);
        }
        return NormalkraftBei(y, mitAnkerkraft);
    }
    wand::Huellwert h = NormalkraftDerZustaende(y, mitAnkerkraft, true).Groesster();
    // The moment's state gives this force too: the force is its.
    if (zustandM != h.zustand && zustandM < vertikalZustaende.size() && ZustandGueltig(zustandM) &&
        GleicheKraft(NormalkraftBei(y, mitAnkerkraft, vertikalZustaende[zustandM]), h.wert)) {
        h.zustand = zustandM;
    }
    if (zustand != nullptr) {
        *zustand = h.zustand;
    }
    return h.wert;
}

std::vector<std::size_t> C1ZirfCalc::GleicheNormalkraft(double y, bool mitAnkerkraft,
                                                        std::size_t z) const {
    std::vector<std::size_t> gleich;
    if (z >= vertikalZustaende.size()) {
        return gleich;
    }
    const Vertikalanteile a = VertikalanteileBei(y);
    const double n = NormalkraftBei(a, mitAnkerkraft, vertikalZustaende[z]);
    for (std::size_t k = 0; k < vertikalZustaende.size(); ++k) {
        // Equal up to the rounding of the sums.
        const double nk = NormalkraftBei(a, mitAnkerkraft, vertikalZustaende[k]);
        if (k != z && ZustandGueltig(k) && GleicheKraft(nk, n)) {
            gleich.push_back(k);
        }
    }
    return gleich;
}

C1ZirfCalc::Huelle C1ZirfCalc::NormalkraftGrenzen(double y, bool mitAnkerkraft) const {
    if (vertikalZustaende.empty()) {
        const double n = NormalkraftBei(y, mitAnkerkraft);
        return {n, n};
    }
    const Zustandsgrenzen g = NormalkraftDerZustaende(y, mitAnkerkraft, false);
    return {g.max, g.min};
}

C1WandDaten::Vertikalzustand C1ZirfCalc::VertikalzustandJetzt() const {
    // The state the object is in, its passive side mobilised by its design share and the
    // anchor force as it stands.
    Vertikalzustand v;
    v.zustand = static_cast<std::size_t>(iZustand);
    v.AK = AK;
    v.anteilPassiv = AnteilGrenze();
    v.passiv = v.anteilPassiv * PassivVertikal();
    v.faktor.resize(static_cast<std::size_t>(zirf::kMaxLastfaelle));
    for (std::size_t lf = 0; lf < v.faktor.size(); ++lf) {
        v.faktor[lf] = FaktorLastfall(static_cast<int>(lf));
    }
    return v;
}

void C1ZirfCalc::VertikalJeZustand() {
    // Each state with its own forces at the built depth: the factors of its load cases,
    // its anchor force, and the wall friction of its whole support force, the passive side
    // as far as the state mobilises it (it holds the soil, the water, the surcharges and
    // the head loads alike). Without anchor the substitute force C at the foot, the
    // clamping force of the state's design line there.
    const bool anker = MitAnker();
    const double passiv = PassivVertikal();
    const std::vector<double> fuss =
        anker || bemessungsSchar.Leer() ? std::vector<double>{} : bemessungsSchar.Q(0.0);
    vertikalZustaende.clear();
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        Vertikalzustand v;
        v.zustand = z;
        v.AK = anker ? ankerkraftZustand.at(z) : 0.0;
        v.anteilPassiv = anteilPassivZustand.at(z);
        v.passiv = v.anteilPassiv * passiv;
        if (!anker && z < fuss.size()) {
            v.ersatzkraft = kFussQuerkraftZuC * fuss[z];
            v.fussKraft = FussKraftVertikal(v.ersatzkraft);
        }
        const KombiFaktoren f = FaktorenVon(KombinationVon(z), zustaende[z]);
        v.faktor.resize(static_cast<std::size_t>(zirf::kMaxLastfaelle));
        for (std::size_t lf = 0; lf < v.faktor.size(); ++lf) {
            v.faktor[lf] = FaktorLastfall(f, static_cast<int>(lf));
        }
        vertikalZustaende.push_back(std::move(v));
    }
}

std::size_t C1ZirfCalc::MassgebenderVertikalzustand() const {
    // The state of the least force at the foot: the one furthest from standing on it.
    return NormalkraftDerZustaende(t, true, true).zMin;
}
