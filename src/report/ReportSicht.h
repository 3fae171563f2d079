#pragma once

// The report reads the input and the calculation through this header only. The report
// chapters speak of the values by the names engineers print in the report; where the
// member that holds a value is named otherwise, the translation is written here once
// and nowhere else.

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace ReportSicht {

// ---------------------------------------------------------------------------------
// Input
// ---------------------------------------------------------------------------------

// The design-code selector of the report head: 1 DIN 1054 / DIN 18800, 2 DIN EN 1997 /
// DIN EN 1993, 3 the same with the German national annex; other values have no line.
inline int Norm(const C1ZirfInput& in) {
    return in.normKind;
}
// Uniform surcharges on the retained side and their count.
inline int NAuflast(const C1ZirfInput& in) {
    return in.nFlaechenlast;
}
// Uniform surcharges on the excavation side (the input never fills them).
inline int NAuflastVorne(const C1ZirfInput& in) {
    return in.nFlaechenlastVorn;
}
inline const C1ZirfInput::SFlaechenlast& Auflast(const C1ZirfInput& in, int k) {
    return in.flaechenlast.at(static_cast<std::size_t>(k));
}
inline const C1ZirfInput::SFlaechenlast& AuflastVorne(const C1ZirfInput& in, int k) {
    return in.flaechenlastVorn.at(static_cast<std::size_t>(k));
}
// The distinct load-case numbers of the retained side's surcharges, and of the
// excavation side's (always none).
inline int NLastfallAuflast(const C1ZirfInput& in) {
    return in.nLfFlaeche;
}
inline int LastfallAuflast(const C1ZirfInput& in, int k) {
    return in.lfFlaeche.at(static_cast<std::size_t>(k));
}
inline int NLastfallAuflastVorne(const C1ZirfInput& in) {
    return in.nLfFlaecheVorn;
}
inline int LastfallAuflastVorne(const C1ZirfInput& in, int k) {
    return in.lfFlaecheVorn.at(static_cast<std::size_t>(k));
}
// The depth of the excavation level as the report prints it (the reader's copy).
inline double WandHw(const C1ZirfInput& in) {
    return in.wand_hw2;
}
// Number of `lastfall` entries of lastUeberlagerung (the reader keeps the last index).
inline int NLastfall(const C1ZirfInput& in) {
    return in.iLetzterLastfall + 1;
}
// The structural steel of the profile.
inline double StahlFyk(const C1ZirfInput& in) {
    return in.stahl_fyk;
}
inline double StahlGammaM(const C1ZirfInput& in) {
    return in.stahl_gamma_m;
}

// ---------------------------------------------------------------------------------
// Calculation: layers
// ---------------------------------------------------------------------------------

// Index of the last calculation layer.
inline int iLetzte(const C1ZirfCalc& c) {
    return c.iLetzteSchicht;
}
// The layer whose bottom is the excavation level, and the first one below it.
inline int iAushub(const C1ZirfCalc& c) {
    return c.iSchichtAushub;
}
inline int iUnterAushub(const C1ZirfCalc& c) {
    return c.iSchichtUnten;
}
// The first layer with a positive effective unit weight: the top of the soil.
inline int iGammaPos(const C1ZirfCalc& c) {
    return c.iErsteSchicht;
}
// Bottom of the layer table; a water level below it counts as absent.
inline double yUnten(const C1ZirfCalc& c) {
    return c.yModellUnten;
}
// Checked access to calculation layer i.
inline const C1Schicht& Schicht(const C1ZirfCalc& c, int i) {
    return c.Schicht[i];
}
// Layer fields that the report names otherwise: the unit weights the earth pressure takes
// behind and in front of the wall, slip angle, cohesion ordinates of the active and the
// passive side.
inline double GammaBerg(const C1Schicht& s) {
    return s.gammaEff;
}
inline double GammaTal(const C1Schicht& s) {
    return s.gammaEffVorn;
}
inline double Theta(const C1Schicht& s) {
    return s.thetaA;
}
inline double Ech(const C1Schicht& s) {
    return s.cA;
}
inline double Epch(const C1Schicht& s) {
    return s.cP;
}
// Intensity of the uniform surcharge of load-case slot k.
inline double QFlaeche(const C1ZirfCalc& c, int k) {
    return c.lastAktiv[k];
}
// The berm's depth sections a, x and y, and the x of the far corner of its slope.
inline double BermeA(const C1ZirfCalc& c) {
    return c.bermeH1;
}
inline double BermeX(const C1ZirfCalc& c) {
    return c.bermeH2;
}
inline double BermeY(const C1ZirfCalc& c) {
    return c.bermeH3;
}
inline double xBermeEcke(const C1ZirfCalc& c) {
    return c.xBermeFuss;
}
// The equivalent wall of the deep slip line: its distance from the wall.
inline double xD(const C1ZirfCalc& c) {
    return c.xAnkerpunkt;
}
inline double yD(const C1ZirfCalc& c) {
    return c.yAnkerpunkt;
}

// ---------------------------------------------------------------------------------
// Calculation: the earth-pressure tables of one run
// ---------------------------------------------------------------------------------

// The tables and coefficients of one earth-pressure run as the report reads them: the
// run on the wall or the deep slip line's run on the equivalent wall. Records use the
// calculation's layout (C1SchichtErgebnis, C1Spreizung).
struct ErddruckLauf {
    const C1ErgebnisAktiv* aktiv;
    const C1ErgebnisJeSchicht* bermeDreieck;  // the part along the berm slope
    const C1ErgebnisJeSchicht* bermeRechteck; // the uniform part below it
    const C1ErgebnisLast* blockOben;
    const C1ErgebnisLast* blockUnten;
    const C1SpreizungLast* blockHorizontal;
    const C1ErgebnisLast* linieVertikal;
    const C1SpreizungLast* linieHorizontal;
    double C1Schicht::*theta;
    double C1Schicht::*kagh;
    double C1Schicht::*kaph;
    double C1Schicht::*kach;
    double C1Schicht::*kahm;
    double C1Schicht::*k0gh;
    double C1Schicht::*k0ph;
    double C1Schicht::*kpgh;
    double C1Schicht::*kpph;
    double C1Schicht::*kpch;
};

inline ErddruckLauf Wandlauf(const C1ZirfCalc& c) {
    return {&c.ErgAktiv,        &c.ErgBerme,      &c.ErgBermeUnten, &c.ErgBlockOben,
            &c.ErgBlockUnten,   &c.BlockSchicht,  &c.ErgLinie,      &c.LinieSchicht,
            &C1Schicht::thetaA, &C1Schicht::kagh, &C1Schicht::kaph, &C1Schicht::kach,
            &C1Schicht::kahm,   &C1Schicht::k0gh, &C1Schicht::k0ph, &C1Schicht::kpgh,
            &C1Schicht::kpph,   &C1Schicht::kpch};
}

inline ErddruckLauf Ersatzwandlauf(const C1ZirfCalc& c) {
    return {&c.ErgAktivTGF,        &c.ErgBermeTGF,     &c.ErgBermeUntenTGF, &c.ErgBlockObenTGF,
            &c.ErgBlockUntenTGF,   &c.BlockSchichtTGF, &c.ErgLinieTGF,      &c.LinieSchichtTGF,
            &C1Schicht::thetaATGF, &C1Schicht::kaghT,  &C1Schicht::kaphT,   &C1Schicht::kachT,
            &C1Schicht::kahmT,     &C1Schicht::k0ghT,  &C1Schicht::k0phT,   &C1Schicht::kpghT,
            &C1Schicht::kpphT,     &C1Schicht::kpchT};
}

// Compaction earth pressure of layer i: the active figure and the one at rest.
struct Verdichtungsfigur {
    double eo, eu, Eh, yE;
};
inline Verdichtungsfigur VerdichtungAktiv(const C1ZirfCalc& c, int i) {
    const C1VerdichtungSchicht& v = c.Verdichtung[i];
    return {v.eoV1, v.euV1, v.EV1, v.yV1};
}
inline Verdichtungsfigur VerdichtungRuhe(const C1ZirfCalc& c, int i) {
    const C1VerdichtungSchicht& v = c.Verdichtung[i];
    return {v.eoV2, v.euV2, v.EV2, v.yV2};
}

// ---------------------------------------------------------------------------------
// Calculation: embedment result
// ---------------------------------------------------------------------------------

// Whether the embedment iteration diverged: the calculation then holds the last trial
// step, on which no check may be reported.
inline bool IterationDivergiert(const C1ZirfCalc& c) {
    return c.iterationDivergiert;
}
// Fixity mode of the foot: 0 free (and the wall without anchor), 1 partial, 2 full.
inline int iFussModus(const C1ZirfCalc& c) {
    return c.einspannArt;
}
// The depth added to the calculated depth t, and the chosen depth of the foot.
inline double delta_t(const C1ZirfCalc& c) {
    return c.deltaTZuschlag;
}
inline double t_ges(const C1ZirfCalc& c) {
    return c.tGes;
}
// Horizontal anchor force per metre of wall.
inline double Ad(const C1ZirfCalc& c) {
    return c.AK;
}
// Final sums of the embedment: moments of the wall without anchor, rotations of the
// fixed anchored wall (the passive one stored negative), support forces of the free one.
inline double SummeAktiv(const C1ZirfCalc& c) {
    return c.summeAktiv;
}
inline double SummePassiv(const C1ZirfCalc& c) {
    return c.summePassiv;
}

// ---------------------------------------------------------------------------------
// Calculation: support checks (per load-case slot, bounds-checked)
// ---------------------------------------------------------------------------------

inline double gammaEp(const C1ZirfCalc& c) {
    return c.gep;
}
inline double Eph_d(const C1ZirfCalc& c) {
    return c.ephd;
}
inline double Bh_k(const C1ZirfCalc& c, int slot) {
    return c.BhkLf[slot];
}
// The share of the design passive force that a support force is: the check's column
// share, with which Bh,k = share · Eph,d.
inline double AnteilAnEph(const C1ZirfCalc& c, double bhk) {
    return c.ephd != 0.0 ? bhk / c.ephd : 0.0;
}
// The design factor with which the slot's support force entered the design sum.
inline double GammaF(const C1ZirfCalc& c, int slot) {
    return c.faktorLf[slot];
}
inline double SummeBh_d(const C1ZirfCalc& c) {
    return c.summeBhd;
}
// The layers' design share of traffic or compaction, whichever the iteration took per
// layer (anchored wall; it has no load-case row of its own).
inline double VerkehrVerdichtung_d(const C1ZirfCalc& c) {
    return c.SC;
}
// The larger-of share split by what each layer took: a variable load case's part
// (characteristic, entering with the load case's factor) and the compaction's (with gammaG).
inline double Bh_kVerkehr(const C1ZirfCalc& c, int slot) {
    return slot >= 2 ? c.BhkVerkehrLf[slot] : 0.0;
}
inline double Bh_kVerdichtung(const C1ZirfCalc& c) {
    return c.BhkVerdichtung;
}
inline double GammaFVerdichtung(const C1ZirfCalc& c) {
    return c.gammaG;
}
inline double Bh_kGW(const C1ZirfCalc& c) {
    return c.BhkWasser;
}
inline double GammaFGW(const C1ZirfCalc& c) {
    return c.faktorWasser;
}

// ---------------------------------------------------------------------------------
// Calculation: design internal forces
// ---------------------------------------------------------------------------------

// How the report names the load state a design value is of: the state of its moment,
// and of its normal force where that is another.
inline std::string Zustand(const C1ZirfCalc& c, std::size_t z) {
    return z < c.zustaende.size() ? c.ZustandText(z) : std::string();
}
// A row's states of M and N; where other states give the same N, "= " and their names.
inline std::string ZustandMN(const C1ZirfCalc& c, std::size_t m, std::size_t n,
                             const std::vector<std::size_t>& nGleich) {
    if (m == n) {
        return Zustand(c, m);
    }
    std::string text = "M: " + Zustand(c, m) + "; N: " + Zustand(c, n);
    for (std::size_t k = 0; k < nGleich.size(); ++k) {
        text += (k == 0 ? " = " : ", ") + Zustand(c, nGleich[k]);
    }
    return text;
}
// The state that needs the deepest wall (a checked wall: the most utilised), and the state
// of the greatest anchor force.
inline std::string ZustandEinbindung(const C1ZirfCalc& c) {
    return Zustand(c, static_cast<std::size_t>(c.iZustand));
}
inline std::string ZustandAd(const C1ZirfCalc& c) {
    return Zustand(c, c.massgebend.AK);
}

// The load state that needs the largest share of the passive side's design resistance
// (eta_p/gep, the `grenze`), and that share.
struct Anteilsbedarf {
    std::size_t zustand = 0;
    double noetig = 0.0;
    double grenze = 0.0;
    // A share up to 0.1 % beyond the design share still holds.
    bool Haelt() const { return noetig <= grenze * 1.001; }
};
inline Anteilsbedarf GroessterAnteilsbedarf(const C1ZirfCalc& c) {
    Anteilsbedarf b;
    b.grenze = c.gep != 0.0 ? c.pInput->eta_p / c.gep : 0.0;
    if (c.anteilPassivNoetig.size() != c.zustaende.size()) {
        return b;
    }
    const C1ZirfCalc::Zustandsgrenzen g =
        c.ZustandsGrenzen([&c](std::size_t z) { return c.anteilPassivNoetig.at(z); }, false);
    b.zustand = g.zMax;
    b.noetig = g.max;
    return b;
}

inline double MdAnker(const C1ZirfCalc& c) {
    return c.MA;
}
inline double NdAnker(const C1ZirfCalc& c) {
    return c.NAnker;
}
// The foot's moment (of a fixed or partly fixed anchored foot its fixing moment), the
// depth where it acts and the normal force there.
inline double MdFuss(const C1ZirfCalc& c) {
    return c.MF;
}
inline double yMdFuss(const C1ZirfCalc& c) {
    return c.yMF;
}
inline double NdFuss(const C1ZirfCalc& c) {
    return c.NMF;
}
inline double MdSohle(const C1ZirfCalc& c) {
    return c.MHw;
}
inline double NdSohle(const C1ZirfCalc& c) {
    return c.NHw;
}
inline double MdMax(const C1ZirfCalc& c) {
    return c.Mxm;
}
inline double NdMax(const C1ZirfCalc& c) {
    return c.NXm;
}
inline double yMdMax(const C1ZirfCalc& c) {
    return c.xm;
}

// ---------------------------------------------------------------------------------
// Calculation: the deep slip line check of the anchor
// ---------------------------------------------------------------------------------

// The results of the deep slip line check as the anchor chapters print them. Every
// anchor force is axial (the horizontal force divided by cos of the anchor
// inclination), so the printed forces and utilisations share one basis.
struct TiefeGleitfuge {
    static constexpr int kMaxSegmente = 10;
    double yF = 0.0;         // foot point of the slip line
    double xD = 0.0;         // distance of the equivalent wall
    double yD = 0.0;         // its lowest point
    double thetaGleit = 0.0; // inclination of the slip line, radians
    int nSegmente = 0;
    std::array<double, kMaxSegmente> xSegment{};   // x of the lower end of each segment
    std::array<double, kMaxSegmente> GkSegment{};  // weight of soil and berm
    std::array<double, kMaxSegmente> CvkSegment{}; // vertical cohesion force
    std::array<double, kMaxSegmente> QhkSegment{}; // friction force
    double Eah_kWand = 0.0;
    double Eav_kWand = 0.0;
    double E1gh_k = 0.0;
    double E1qh_k = 0.0;
    double Ag_d = 0.0;
    double Aq_d = 0.0;
    double Amg_k = 0.0;
    double Amq_k = 0.0;
    double Amg_d = 0.0;
    double Amq_d = 0.0;
    double gammaEp = 0.0;
    double lv_min = 0.0;
    double AdAnker = 0.0; // design force of one anchor (kN)
    double Td = 0.0;      // design pull-out resistance (kN)
};

// The check's results of the run; none when the run did not compute the check (no
// anchor check asked for, or the embedment iteration diverged), so that no chapter
// prints numbers that were never computed.
inline std::optional<TiefeGleitfuge> Gleitfuge(const C1ZirfCalc& calc) {
    if (calc.nAbschnitte < 1) {
        return std::nullopt;
    }
    TiefeGleitfuge g;
    g.yF = calc.yFussTGF;
    g.xD = calc.xAnkerpunkt;
    g.yD = calc.yAnkerpunkt;
    g.thetaGleit = calc.thetaTGF;
    g.nSegmente = calc.nAbschnitte;
    for (int i = 0; i < calc.nAbschnitte; ++i) {
        const auto k = static_cast<std::size_t>(i);
        g.xSegment.at(k) = calc.xAbschnitt[i];
        g.GkSegment.at(k) = calc.GBoden[i];
        g.CvkSegment.at(k) = calc.Kohaesion[i];
        g.QhkSegment.at(k) = calc.dAG[i];
    }
    g.Eah_kWand = calc.sumEhG;
    g.Eav_kWand = calc.sumEvG;
    g.E1gh_k = calc.E1hG;
    g.E1qh_k = calc.E1hQ;
    g.Ag_d = calc.AvorhG;
    g.Aq_d = calc.AvorhQ;
    g.Amg_k = calc.AmoeglG;
    g.Amq_k = calc.AmoeglQ;
    g.Amg_d = calc.AmoeglGd;
    g.Amq_d = calc.AmoeglQd;
    g.gammaEp = calc.gep;
    g.lv_min = calc.lErforderlich;
    g.AdAnker = calc.Ad;
    g.Td = calc.Rd;
    return g;
}

} // namespace ReportSicht
