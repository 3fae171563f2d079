// The second half of a trial depth: the combination of the collected sums with the
// factors of the load combination, the larger of variable loads and compaction per layer,
// the excess water pressure, the passive earth pressure and the closing sums.

#include "model/C1ZirfCalc.h"

#include "analysis/Verdrehung.h"
#include "base/Trace.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

namespace {

constexpr int kErsterVeraenderlicherLastfall = 2;
// Water levels closer than this give no excess water pressure.
constexpr double kWasserToleranz = 0.01;
// A whole layer counts as lying below the anchor within this tolerance.
constexpr double kAnkerToleranz = 0.001;
// One tenth of the passive foot ordinate enters the drawing scale.
constexpr double kPassivMassstab = 0.1;
// Passive load case 1 never enters the design sums.
constexpr int kPassivLastfallOhneWirkung = 1;

// The closing divisions by the lever t - yAnker or by SwF; 0 when the divisor is 0.
double Quotient(double z, double n) {
    return n != 0.0 ? z / n : 0.0;
}

class Kombination {
public:
    explicit Kombination(C1ZirfCalc& calc) : c(calc), anker(calc.MitAnker()) {}

    void Lastfaelle();
    void Wasser();
    void Passiv();

private:
    // Type of the rotation integral of whole layer i: below or above the anchor.
    int Typ(int i) const {
        return c.yAnker <= c.Schicht[i].yo + kAnkerToleranz ? verdrehung::kUnterAnker
                                                            : verdrehung::kUeberAnker;
    }
    double Verdrehung(int i, const C1WandDaten::FussStueck& v) const {
        return v.Leer() ? 0.0 : c.CalcVerdrehung(Typ(i), v.y1, v.y2, v.e1, v.e2);
    }
    void Wasserfigur(int i, double yo, double yu, double wo, double wu, double Eh, double yE,
                     bool fuss);

    C1ZirfCalc& c;
    const bool anker;
};

void Kombination::Lastfaelle() {
    const int n = c.nLastfaelle;
    for (int lf = 0; lf < n; ++lf) {
        const double g = c.FaktorLastfall(lf);
        c.SM += c.momentLf[lf] * g;
        if (anker) {
            c.SC += c.kraftLf[lf] * g;
            c.SwF += c.verdrehungLf[lf] * g;
            c.SMFuss += c.momentFussLf[lf] * g;
        }
    }
    for (int i = 0; i <= c.iSchichtFuss; ++i) {
        const C1Schicht& s = c.Schicht[i];
        double Mv = 0.0, Hv = 0.0, Hvf = 0.0, MFv = 0.0, Rv = 0.0;
        for (int lf = kErsterVeraenderlicherLastfall; lf < n; ++lf) {
            const double f = c.kombiFaktoren.F(lf);
            // Without anchor a variable load case counts only when it acts.
            if (!anker && f <= 0.0) {
                continue;
            }
            Mv += s.momentVar[lf] * f;
            Hv += s.kraftVar[lf];
            Hvf += s.kraftVar[lf] * f;
            MFv += s.momentFussVar[lf] * f;
            Rv += s.verdrehungVar[lf] * f;
        }
        const C1WandDaten::FussStueck v = c.VerdichtungBisFuss(i);
        const double Hc = v.Eh;
        const double Hcf = Hc * c.gammaG;
        const double Mc = (anker ? v.yE - c.yAnker : c.t - v.yE) * Hcf;
        // A layer without compaction pressure has only its variable loads, which count as
        // they are: a negative surcharge relieves here as it does on the beam.
        const bool mitVerdichtung = Hc != 0.0;
        if (!anker) {
            // Without anchor the larger moment about the foot decides, and the beam takes
            // the loads of the same choice.
            c.verdichtungMassgebend.at(static_cast<std::size_t>(i)) = mitVerdichtung && Mc > Mv;
            c.SM += mitVerdichtung ? std::max(Mv, Mc) : Mv;
            c.SC += mitVerdichtung ? std::max(Hvf, Hcf) : Hvf;
            c.summeEhk += mitVerdichtung ? std::max(Hv, Hc) : Hv;
            continue;
        }
        // Anchored, the larger design pressure decides, and every sum takes that one
        // figure: the moments about the anchor (which steer the depth), the forces, the
        // rotation and the moments about the foot (the anchor force), as the beam does. A
        // choice by the moment about the anchor would drop the variable loads above the
        // anchor, whose moment there relieves, while the beam and the anchor force carry
        // them: the wall found would not hang on its anchor alone.
        const bool verdichtung = mitVerdichtung && Hcf > Hvf;
        c.verdichtungMassgebend.at(static_cast<std::size_t>(i)) = verdichtung;
        const double M = verdichtung ? Mc : Mv;
        const double r = verdichtung ? Verdrehung(i, v) * c.gammaG : Rv;
        c.SM += M;
        c.SC += verdichtung ? Hcf : Hvf;
        c.SwF += r;
        c.SMFuss += verdichtung ? Hcf * (c.t - v.yE) : MFv;
        // Kept apart as well: the support force at the foot takes its share from them.
        c.momentVarD += M;
        c.verdrehungVarD += r;
    }
}

void Kombination::Wasserfigur(int i, double yo, double yu, double wo, double wu, double Eh,
                              double yE, bool fuss) {
    const double etaGep = c.pInput->eta_p / c.gep;
    // Water pressing towards the retained soil is taken like passive earth pressure: it
    // relieves the wall, so it takes the smaller factor eta_p/gep. One figure is one
    // action: its rotation, its moments and its force all take that one factor, as the
    // beam does, so that the depth found is the depth the beam's foot holds.
    const double g = Eh <= 0.0 ? etaGep : c.gammaG;
    if (!anker) {
        c.SM += g * Eh * (c.t - yE);
        c.SC += g * Eh;
        c.summeEhk += Eh;
        TracePrintf("\nSMGW: i %2d Eh %6.2f  y %6.2f  M %6.2f", i, Eh, c.t - yE, Eh * (c.t - yE));
        return;
    }
    const double r = c.CalcVerdrehung(fuss ? verdrehung::kUnterAnker : Typ(i), yo, yu, wo, wu);
    const double rD = r * g;
    const double M = Eh * (yE - c.yAnker);
    c.verdrehungWasser += r;
    c.verdrehungWasserD += rD;
    c.SwF += rD;
    c.SMFuss += g * Eh * (c.t - yE);
    c.SM += g * M;
    c.SC += g * Eh;
    c.momentWasser += M;
    c.momentWasserD += g * M;
}

void Kombination::Wasser() {
    c.momentWasser = c.momentWasserD = 0.0;
    if (std::fabs(c.tgv - c.tgh) <= kWasserToleranz) {
        return;
    }
    const double tgMin = std::min(c.tgv, c.tgh);
    const int F = c.iSchichtFuss;
    for (int i = 0; i < F; ++i) {
        const C1Schicht& s = c.Schicht[i];
        if (s.dicke <= 0.0) {
            continue;
        }
        const double xo = i == 0 ? c.xGelaende : c.Schicht[i - 1].xWand;
        const double yo = i == 0 ? tgMin : c.Schicht[i - 1].yWand;
        c.trapez.CalcViereck(xo, yo, s.wo, yo, s.xWand, s.yWand, s.wu, s.yWand);
        const double flaeche = c.trapez.GetFlaeche();
        const double Eh = s.wu < 0.0 ? -flaeche : flaeche;
        Wasserfigur(i, s.yo, s.yu, s.wo, s.wu, Eh, c.trapez.GetSchwerpunktY(), false);
    }
    const C1Schicht& s = c.Schicht[F];
    const double wt =
        std::fabs(s.wo - s.wu) <= kWasserToleranz ? s.wo : c.AufTiefe(F, s.wo, s.wu, c.t);
    if (!anker) {
        c.eMax = std::max(c.eMax, wt);
    }
    const C1WandDaten::FussFigurErgebnis fig = c.FussFigur(F, s.yo, c.t, s.wo, wt);
    Wasserfigur(F, s.yo, c.t, s.wo, wt, wt < 0.0 ? -fig.Eh : fig.Eh, fig.yE, true);
}

void Kombination::Passiv() {
    c.momentPassivLf.Clear();
    c.kraftPassivLf.Clear();
    c.vertikalPassivLf.Clear();
    c.ephd = c.epvd = 0.0;
    if (anker) {
        c.SMP = 0.0;
    } else {
        c.SummeQuerkraefte_passiv = 0.0;
    }
    int Fp = c.iSchichtUnten;
    while (Fp < c.iLetzteSchicht && c.Schicht[Fp].yu < c.t) {
        ++Fp;
    }
    c.iSchichtFuss = c.iSchichtFussPassiv = Fp;

    const double etaGep = c.pInput->eta_p / c.gep;
    const int nUnten = c.iLetzteSchicht - c.iSchichtUnten + 1;
    const int np = c.pInput->nLfFlaecheVorn + 1;
    // Subtracts one passive figure (Eh at yE, ordinates e1..e2 from yo to yu).
    auto abziehen = [&](int lf, double Eh, double Ev, double yE, double yo, double yu, double e1,
                        double e2, const char* format, int i) {
        if (anker) {
            c.momentPassivLf[lf] -= Eh * (yE - c.yAnker);
            if (lf != kPassivLastfallOhneWirkung) {
                const double r = c.CalcVerdrehung(verdrehung::kUnterAnker, yo, yu, -e1, -e2);
                c.SwF += etaGep * r;
                c.SMFuss -= etaGep * Eh * (c.t - yE);
            }
        } else {
            c.momentPassivLf[lf] -= Eh * (c.t - yE);
            TracePrintf(format, i, Eh, c.t - yE, Eh * (c.t - yE));
        }
        c.kraftPassivLf[lf] -= Eh;
        c.vertikalPassivLf[lf] -= Ev;
    };

    for (int lf = 0; lf < np; ++lf) {
        const C1SchichtErgebnis& e = c.ErgPassiv[lf * nUnten + (Fp - c.iSchichtUnten)];
        const double e1 = e.epoh;
        const double e2 = c.AufTiefe(Fp, e.epoh, e.epuh, c.t);
        C1SchichtErgebnis& fuss = c.ErgSchicht[lf];
        const C1WandDaten::FussFigurErgebnis fig = c.FussFigur(Fp, c.Schicht[Fp].yo, c.t, e1, e2);
        fuss.Eh = fig.Eh;
        fuss.yE = fig.yE;
        fuss.xE = fig.xE;
        fuss.epoh = e1;
        fuss.epuh = e2;
        fuss.Ev = fuss.Eh * c.Schicht[Fp].tanP;
        fuss.Eges = std::sqrt(fuss.Eh * fuss.Eh + fuss.Ev * fuss.Ev);
        if (anker) {
            c.summeEphFuss += e2;
            abziehen(lf, fuss.Eh, fuss.Ev, fuss.yE, c.Schicht[Fp].yo, c.t, e1, e2, nullptr, 0);
        } else {
            c.eMax = std::max(c.eMax, kPassivMassstab * fuss.epuh);
        }
    }
    for (int lf = 0; lf < np; ++lf) {
        for (int i = c.iSchichtUnten; i < Fp; ++i) {
            const C1SchichtErgebnis& e = c.ErgPassiv[lf * nUnten + (i - c.iSchichtUnten)];
            abziehen(lf, e.Eh, e.Ev, e.yE, c.Schicht[i].yo, c.Schicht[i].yu, e.epoh, e.epuh,
                     "\nSMP: i %2d Eh %6.2f  y %6.2f  M %6.2f", i);
        }
        if (!anker) {
            const C1SchichtErgebnis& fuss = c.ErgSchicht[lf];
            abziehen(lf, fuss.Eh, fuss.Ev, fuss.yE, c.Schicht[Fp].yo, c.t, fuss.epoh, fuss.epuh,
                     "\nSMP: EPU: i %2d Eh %6.2f  y %6.2f  M %6.2f", Fp);
        }
    }
    for (int lf = 0; lf < np; ++lf) {
        if (lf == kPassivLastfallOhneWirkung) {
            continue;
        }
        c.SMP += etaGep * c.momentPassivLf[lf];
        c.SC += etaGep * c.kraftPassivLf[lf];
        c.ephd -= etaGep * c.kraftPassivLf[lf];
        c.epvd -= etaGep * c.vertikalPassivLf[lf];
        if (anker) {
            c.SM += etaGep * c.momentPassivLf[lf];
        } else if (lf == 0) {
            c.SummeQuerkraefte_passiv += c.kraftPassivLf[0];
        }
    }
}

} // namespace

bool C1ZirfCalc::GleicheVerdichtungswahl(std::size_t k) {
    const C1Bemessungskombination& kombination = bemessungsKombinationen.at(k);
    const bool anker = MitAnker();
    const KombiFaktoren& f = kombination.faktoren;
    const auto veraenderlich = [&](int lf) {
        return std::find(kombination.veraenderlich.begin(), kombination.veraenderlich.end(), lf) !=
               kombination.veraenderlich.end();
    };
    for (int i = 0; i <= iSchichtFuss; ++i) {
        const C1Schicht& s = Schicht[i];
        // What the rule compares with the compaction: the variable loads' design force
        // (anchored) or moment about the foot (without anchor), from the loads always present
        // and the range the present variable cases span.
        double basis = 0.0;
        double tief = 0.0;
        double hoch = 0.0;
        for (int lf = kErsterVeraenderlicherLastfall; lf < nLastfaelle; ++lf) {
            const double fl = f.F(lf);
            if (!anker && fl <= 0.0) {
                continue;
            }
            const double w = (anker ? s.kraftVar[lf] : s.momentVar[lf]) * fl;
            if (veraenderlich(lf)) {
                tief += std::min(w, 0.0);
                hoch += std::max(w, 0.0);
            } else {
                basis += w;
            }
        }
        const C1WandDaten::FussStueck v = VerdichtungBisFuss(i);
        const double Hcf = v.Eh * gammaG;
        const double vergleich = anker ? Hcf : (t - v.yE) * Hcf;
        // A layer without compaction pressure always takes its variable loads.
        const bool immer = v.Eh != 0.0 && vergleich > basis + hoch;
        const bool nie = v.Eh == 0.0 || !(vergleich > basis + tief);
        if (!immer && !nie) {
            return false;
        }
    }
    return true;
}

namespace {

// The sums that the water and the passive side add to: no factor of a load state enters
// them, so that at one trial depth every state adds the same.
using Beitrag = C1WandDaten::Zustandsfrei;
using Summe = double C1ZirfCalc::*;
constexpr std::array<Summe, Beitrag::kSummen> kSummen = {&C1ZirfCalc::SM,
                                                         &C1ZirfCalc::SC,
                                                         &C1ZirfCalc::SwF,
                                                         &C1ZirfCalc::SMFuss,
                                                         &C1ZirfCalc::summeEhk,
                                                         &C1ZirfCalc::verdrehungWasser,
                                                         &C1ZirfCalc::verdrehungWasserD,
                                                         &C1ZirfCalc::momentWasser,
                                                         &C1ZirfCalc::momentWasserD,
                                                         &C1ZirfCalc::SMP,
                                                         &C1ZirfCalc::summeEphFuss,
                                                         &C1ZirfCalc::SummeQuerkraefte_passiv};

} // namespace

void C1ZirfCalc::ZustandsfreierBeitrag(Zustandsfrei& beitrag, const std::function<void()>& rechne) {
    const double eMaxVorher = eMax;
    if (beitrag.gueltig) {
        for (std::size_t i = 0; i < kSummen.size(); ++i) {
            this->*kSummen[i] += beitrag.summe[i];
        }
        eMax = std::max(eMax, beitrag.eMax);
        return;
    }
    std::array<double, Beitrag::kSummen> vorher{};
    for (std::size_t i = 0; i < kSummen.size(); ++i) {
        vorher[i] = this->*kSummen[i];
    }
    rechne();
    for (std::size_t i = 0; i < kSummen.size(); ++i) {
        beitrag.summe[i] = this->*kSummen[i] - vorher[i];
    }
    beitrag.eMax = std::max(eMax, eMaxVorher);
    beitrag.gueltig = true;
}

void C1ZirfCalc::CalcWandlastenPassiv() {
    Kombination k(*this);
    k.Lastfaelle();
    ZustandsfreierBeitrag(wasserBeitrag, [&k] { k.Wasser(); });
    const bool anker = MitAnker();
    if (anker) {
        SMA = einspannung < 1.0 ? SM : SwF;
        if (zweiterLauf == 1) {
            for (int lf = 0; lf < static_cast<int>(zirf::kMaxLastfaelle); ++lf) {
                anteilVerdrehungLf[lf] = Quotient(verdrehungLf[lf], SwF);
            }
            anteilVerdrehungWasser = Quotient(verdrehungWasser, SwF);
            anteilVerdrehungVar = Quotient(verdrehungVarD, SwF);
            faktorVerdrehungWasser = Quotient(verdrehungWasserD, verdrehungWasser);
        }
    } else {
        SMA = SM;
    }
    ZustandsfreierBeitrag(passivBeitrag, [&k] { k.Passiv(); });
    if (!anker) {
        SM += SMP;
        return;
    }
    const double hebel = t - yAnker;
    SC = Quotient(SM, hebel);
    SummeQuerkraefte_aktiv = Quotient(SMA, hebel);
    SummeQuerkraefte_passiv = Quotient(SMP, hebel);
    AK = Quotient(SMFuss, hebel);
}
