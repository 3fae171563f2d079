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
// The combination steps of the anchored wall and of the wall without anchor.
enum KombiArt { kAnkerHorizontal = 0, kAnkerVertikal = 1, kOhneAnker = 2 };

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

void C1ZirfCalc::VertikalkraefteAuflager() {
    const C1ZirfInput& in = *pInput;
    vertikalPassivBemessung = vertikalFussKraftBemessung = 0.0;
    if (in.mitanker != 0) {
        // The anchored wall's check counts the support force's vertical component of the
        // soil's own weight, which takes the foot force along.
        vertikalPassivBemessung = faktorLf[0] * BvkLf[0];
        return;
    }
    // Without anchor the support's components are stored upward positive.
    double bh = 0.0;
    double bhd = 0.0;
    for (int lf = 0; lf < nLastfaelle; ++lf) {
        vertikalPassivBemessung -= faktorLf[lf] * BvkLf[lf];
        bh += BhkLf[lf];
        bhd += faktorLf[lf] * BhkLf[lf];
    }
    // The foot force balances the support force against the earth pressure: it takes the
    // support force's mean design factor.
    const double faktorC = bh != 0.0 ? bhd / bh : gammaG;
    const double tanDelta = std::tan(Schicht[iSchichtFuss].deltp / GradFaktor);
    vertikalFussKraftBemessung = faktorC * kHalbeReibung * (Cvk - Ck * tanDelta);
}

double C1ZirfCalc::NormalkraftBei(double y, bool mitAnkerkraft) const {
    return NormalkraftBei(y, mitAnkerkraft, VertikalzustandJetzt());
}

C1ZirfCalc::Vertikalanteile C1ZirfCalc::VertikalanteileBei(double y) const {
    const C1ZirfInput& in = *pInput;
    const double tiefe = std::clamp(y, 0.0, t);
    Vertikalanteile a;
    a.gewicht = gammaG * Wandgewicht(tiefe);
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
    double N = a.gewicht;
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

double C1ZirfCalc::NormalkraftHuelle(double y, bool mitAnkerkraft, std::size_t* zustand) const {
    if (vertikalZustaende.empty()) {
        if (zustand != nullptr) {
            *zustand = static_cast<std::size_t>(iZustand);
        }
        return NormalkraftBei(y, mitAnkerkraft);
    }
    const Vertikalanteile a = VertikalanteileBei(y);
    const wand::Huellwert h = wand::Groesster(vertikalZustaende.size(), [&](std::size_t k) {
        return NormalkraftBei(a, mitAnkerkraft, vertikalZustaende[k]);
    });
    if (zustand != nullptr) {
        *zustand = vertikalZustaende[h.zustand].zustand;
    }
    return h.wert;
}

C1WandDaten::Vertikalzustand C1ZirfCalc::VertikalzustandJetzt() const {
    Vertikalzustand v;
    v.zustand = static_cast<std::size_t>(iZustand);
    v.AK = AK;
    v.passiv = vertikalPassivBemessung;
    v.fussKraft = vertikalFussKraftBemessung;
    v.faktor.resize(static_cast<std::size_t>(zirf::kMaxLastfaelle));
    for (std::size_t lf = 0; lf < v.faktor.size(); ++lf) {
        v.faktor[lf] = FaktorLastfall(static_cast<int>(lf));
    }
    return v;
}

void C1ZirfCalc::VertikalJeZustand() {
    // Each state's support forces with its own factors and anchor force: the combination
    // step's shares give the vertical forces of the support at the foot.
    const bool anker = MitAnker();
    vertikalZustaende.clear();
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        SetzeZustand(z);
        KombiniereWandlasten();
        AK = ankerkraftZustand.at(z);
        status = CalcKombi(anker ? kAnkerHorizontal : kOhneAnker);
        if (anker) {
            status = CalcKombi(kAnkerVertikal);
        }
        VertikalkraefteAuflager();
        vertikalZustaende.push_back(VertikalzustandJetzt());
        vertikalZustaende.back().zustand = z;
    }
    // The object keeps the governing state; the check of the vertical components takes the
    // least anchor force, whose vertical component helps it, every other reader the
    // greatest.
    SetzeZustand(static_cast<std::size_t>(iZustand));
    KombiniereWandlasten();
    AK = AKMin;
    status = CalcKombi(anker ? kAnkerHorizontal : kOhneAnker);
    if (anker) {
        status = CalcKombi(kAnkerVertikal);
    }
    VertikalkraefteAuflager();
    AK = ankerkraftZustand.empty()
             ? 0.0
             : *std::max_element(ankerkraftZustand.begin(), ankerkraftZustand.end());
}
