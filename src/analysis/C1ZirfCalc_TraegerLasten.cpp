// The pressures of the current foot depth as loads on the wall's beam. The beam runs from
// the foot (x = 0) up to the head (x = TL, its length); a point at depth d lies at
// x = TL - d, for the loads as for the supports.

#include "model/C1ZirfCalc.h"

#include "base/Trace.h"
#include "beam/C1Traeger.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const std::string kText = "Last-Beschreibung";
constexpr int kFeld = 1;
constexpr int kFlag = 1;
// Ordinates within this of 0 add no load (kN/m²).
constexpr double kSchwelle = 0.001;
constexpr double kWasserToleranz = 0.01;
constexpr int kNwstandRuhedruck = 2;

const char* const kTEG = "\nTEG: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kTVerd = "\nTVerd: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kTBo = "\nTBo: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kTBo2 =
    "\nTBo: NrT %2d lf %2d Feld %2d la+ll %6.3f Schicht[i].yu-la-ll %6.3f or %6.2f or %6.2f";
const char* const kTBu = "\nTBu: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kTBlo = "\nTBlo: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kTBlu = "\nTBlu: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kT = "\nT: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";
const char* const kTGW = "\nTGW: NrT %2d lf %2d Feld %2d la %6.3f ll %6.3f ol %6.2f or %6.2f";

using Routing = C1WandDaten::Routing;

// Where a load comes from, as the iteration credits it: its load case (its beam load case
// is lf + 1), the layer it lies in, how the iteration sums it and whether its action is
// permanent.
struct Herkunft {
    enum class Art { Last, Verdichtung, Wasser };
    int lf = 0;
    int schicht = 0;
    Routing routing = Routing::Staendig;
    bool staendig = true;
    Art art = Art::Last;
    bool gegenErde = false; // water pressure towards the retained soil
};

using Komponente = C1WandDaten::Komponente;

// Puts the pressure figures of one side on a beam: each load in the beam load case of its
// load case, or, for the design, in the beam load case of its component (the loads a load
// state takes with one factor).
class Belastung {
public:
    Belastung(C1ZirfCalc& calc, C1Traeger& traeger, int fussSchicht, bool bemessung)
        : k(fussSchicht), c(calc), lasten(traeger.GetLasten()), TL(traeger.GetTL()),
          bemessung(bemessung), nTrapez(bemessung ? eigene[0] : calc.nTrapezLast),
          nPunkt(bemessung ? eigene[1] : calc.nTrapezLast2),
          nMoment(bemessung ? eigene[2] : calc.nTrapezLast3) {
        nTrapez = nPunkt = nMoment = 0;
        if (bemessung) {
            c.komponenten.clear();
        }
    }

    // A figure from depth yOben (ordinate qOben) down to yUnten (qUnten).
    void Figur(const char* format, const Herkunft& h, double yOben, double yUnten, double qOben,
               double qUnten) {
        for (const Ziel& z : Ziele(h)) {
            Trapez(format, z.Lf, h.lf, TL - yUnten, yUnten - yOben, z.f * qUnten, z.f * qOben);
        }
    }
    // A figure of the foot layer as it reaches down to the foot.
    void Stueck(const char* format, const Herkunft& h, const C1WandDaten::FussStueck& s) {
        if (!s.Leer()) {
            Figur(format, h, s.y1, s.y2, s.e1, s.e2);
        }
    }
    // The foot piece: from the top of the foot layer down to the foot depth t.
    void Fussstueck(const char* format, const Herkunft& h, double qOben, double qFuss) {
        Figur(format, h, FussOben(), c.t, qOben, qFuss);
    }
    double FussOben() const { return k > 0 ? c.Schicht[k - 1].yWand : c.yGelaende; }
    void Punkt(const Herkunft& h, double tiefe, double kraft, double m) {
        const double x = TL - tiefe;
        for (const Ziel& z : Ziele(h)) {
            if (z.f * kraft != 0.0) {
                ++nPunkt;
                lasten.AddEinzelLast(z.Lf, kFeld, x, z.f * kraft, kText, kFlag, nPunkt);
            }
            if (z.f * m != 0.0) {
                ++nMoment;
                lasten.AddMomentLast(z.Lf, kFeld, x, z.f * m, kText, nMoment);
            }
        }
    }
    const int k;

private:
    struct Ziel {
        int Lf;
        double f;
    };
    std::vector<Ziel> Ziele(const Herkunft& h) const {
        if (!bemessung) {
            return {{h.lf + 1, 1.0}};
        }
        // The water carries its design factors in its loads: gammaG, or eta_p/gep where it
        // presses towards the retained soil; every other component takes its state's.
        const double f = h.art == Herkunft::Art::Wasser
                             ? (h.gegenErde ? c.pInput->eta_p / c.gep : c.gammaG)
                             : 1.0;
        const int Lf = KomponenteLf(h);
        if (Lf == 0) {
            return {};
        }
        return {{Lf, f}};
    }
    // The beam load case of the component a load belongs to; 0 for a load that no state
    // takes. A layer's larger-of rule takes its variable loads or its compaction pressure:
    // where the states differ in that choice, the layer's variable loads and its compaction
    // form components of their own; where every state takes the same, the taken ones join
    // the layers' common components and the others are left out.
    int KomponenteLf(const Herkunft& h) const {
        const auto wahl = [&] {
            const auto i = static_cast<std::size_t>(h.schicht);
            return i < c.verdichtungWahl.size() ? c.verdichtungWahl[i] : C1WandDaten::kNie;
        };
        Komponente k;
        switch (h.art) {
        case Herkunft::Art::Verdichtung:
            if (wahl() == C1WandDaten::kNie) {
                return 0;
            }
            k = {Komponente::Art::Verdichtung, 0, wahl() == C1WandDaten::kImmer ? -1 : h.schicht,
                 Routing::Staendig};
            break;
        case Herkunft::Art::Wasser:
            k = {Komponente::Art::Wasser, 0, -1, Routing::Staendig};
            break;
        case Herkunft::Art::Last:
            if (h.routing == Routing::Staendig) {
                k = {Komponente::Art::Last, h.lf, -1, h.routing};
                break;
            }
            if (wahl() == C1WandDaten::kImmer) {
                return 0;
            }
            k = {Komponente::Art::Last, h.lf, wahl() == C1WandDaten::kNie ? -1 : h.schicht,
                 h.routing};
            break;
        }
        std::vector<Komponente>& alle = c.komponenten;
        for (std::size_t i = 0; i < alle.size(); ++i) {
            if (alle[i] == k) {
                return static_cast<int>(i) + 1;
            }
        }
        alle.push_back(k);
        return static_cast<int>(alle.size());
    }
    void Trapez(const char* format, int Lf, int traceLf, double la, double ll, double q1,
                double q2) {
        if (std::fabs(q1) <= kSchwelle && std::fabs(q2) <= kSchwelle) {
            return;
        }
        ++nTrapez;
        lasten.AddTrapezLast(Lf, kFeld, la, ll, q1, q2, kText, kFlag, nTrapez);
        if (!bemessung) {
            TracePrintf(format, nTrapez, traceLf, kFeld, la, ll, q1, q2);
        }
    }

    C1ZirfCalc& c;
    C1LastTr& lasten;
    const double TL;
    const bool bemessung;
    // The design loads count their own numbers and leave the calculation's counters alone.
    std::array<int, 3> eigene{};
    int& nTrapez;
    int& nPunkt;
    int& nMoment;
};

// The loads of the retained side at the current foot depth.
void Rueckseite(C1ZirfCalc& c, C1Traeger& traeger, bool bemessung) {
    const C1ZirfInput& in = *c.pInput;
    c.nLastfaelle = in.iLetzterLastfall + 2;
    c.iSchichtFuss = c.iSchichtFussAktiv;
    Belastung b(c, traeger, c.iSchichtFuss, bemessung);
    const int k = b.k;
    const int nSchichten = c.iLetzteSchicht + 1;
    const auto last = [&](int lf, int i, bool spreizung) {
        return Herkunft{lf, i, c.RoutingLast(lf, spreizung), c.IstStaendigerLastfall(lf)};
    };

    // Earth pressure of every result load case.
    for (int lc = 0; lc < c.nLastfaelle; ++lc) {
        const auto h = [&](int i) {
            return Herkunft{lc, i, c.RoutingErddruck(lc),
                            c.RoutingErddruck(lc) == Routing::Staendig};
        };
        const C1SchichtErgebnis& fuss = c.ErgLastfall[lc];
        b.Fussstueck(kTEG, h(k), fuss.eoh, fuss.euh);
        for (int i = 0; i < k; ++i) {
            const C1SchichtErgebnis& e = c.ErgAktiv[lc * nSchichten + i];
            b.Figur(kTEG, h(i), c.Schicht[i].yo, c.Schicht[i].yWand, e.eoh, e.euh);
        }
    }
    // Compaction earth pressure: its own load case above the earth-pressure cases.
    if (in.mitverd == 1) {
        const bool ruhe = in.nwstand >= kNwstandRuhedruck;
        for (int i = 0; i <= k; ++i) {
            const C1VerdichtungSchicht& v = c.Verdichtung[i];
            const C1Schicht& s = c.Schicht[i];
            const Herkunft h{c.nLastfaelle, i, Routing::Staendig, true, Herkunft::Art::Verdichtung};
            const double eo = ruhe ? v.eoV2 : v.eoV1;
            const double eu = ruhe ? v.euV2 : v.euV1;
            if (i < k) {
                b.Figur(kTVerd, h, s.yo, s.yWand, eo, eu);
            } else {
                b.Stueck(kTVerd, h, c.BisFuss(s.yo, s.yu, eo, eu));
            }
        }
    }
    // Berm: the ramp part and the uniform part below it, per layer; in the foot layer each
    // as far as it reaches above the foot.
    if (in.mitberme == 1) {
        for (int i = 0; i < k; ++i) {
            const Herkunft h{0, i};
            const C1SchichtErgebnis& o = c.ErgBerme[i];
            b.Figur(kTBo, h, o.abt, o.bist, o.eoh, o.euh);
            const C1SchichtErgebnis& u = c.ErgBermeUnten[i];
            b.Figur(kTBo2, h, u.abt, u.bist, u.eoh, u.eoh);
        }
        const Herkunft h{0, k};
        const C1SchichtErgebnis& o = c.ErgBerme[k];
        b.Stueck(kTBo, h, c.BisFuss(o.abt, o.bist, o.eoh, o.euh));
        const C1SchichtErgebnis& u = c.ErgBermeUnten[k];
        b.Stueck(kTBu, h, c.BisFuss(u.abt, u.bist, u.eoh, u.euh));
    }
    // Block and line loads: the figures of the vertical load and the spread rows of the
    // horizontal force, each over its own depth range and cut at the foot.
    const auto begrenzt = [&](int n, int lf, const char* formatOben, const C1ErgebnisLast& oben,
                              const char* formatUnten, const C1ErgebnisLast* unten,
                              const C1SpreizungLast& zeilen) {
        const auto r = [&](int i) { return nSchichten * n + i; };
        for (int i = 0; i <= k; ++i) {
            const C1SchichtErgebnis& o = oben[r(i)];
            b.Stueck(formatOben, last(lf, i, false), c.BisFuss(o.abt, o.bist, o.eoh, o.euh));
            if (unten != nullptr) {
                const C1SchichtErgebnis& u = (*unten)[r(i)];
                b.Stueck(formatUnten, last(lf, i, false), c.BisFuss(u.abt, u.bist, u.eoh, u.euh));
            }
        }
        for (int i = std::max(c.iErsteSchicht, 0); i <= k; ++i) {
            const C1Spreizung& z = zeilen[r(i)];
            b.Stueck(kT, last(lf, i, true), c.BisFuss(z.von, z.bis, z.eo, z.eu));
        }
    };
    for (int n = 0; n < in.nBlocklast; ++n) {
        begrenzt(n, in.blocklast.at(static_cast<std::size_t>(n)).lf, kTBlo, c.ErgBlockOben, kTBlu,
                 &c.ErgBlockUnten, c.BlockSchicht);
    }
    for (int n = 0; n < in.nLinienlast; ++n) {
        begrenzt(n, in.linienlast.at(static_cast<std::size_t>(n)).lf, kT, c.ErgLinie, nullptr,
                 nullptr, c.LinieSchicht);
    }
    // Head loads at the wall head or at the anchor level.
    for (int n = 0; n < in.nKopflast; ++n) {
        const C1ZirfInput::SKopflast& kopf = in.kopflast.at(static_cast<std::size_t>(n));
        const Herkunft h{kopf.lf, 0, Routing::Staendig, c.IstStaendigerLastfall(kopf.lf)};
        b.Punkt(h, kopf.stelle == 0 ? 0.0 : in.tiefe_anker, kopf.h, kopf.m);
    }
    // Excess water pressure, with the soil weight's load case.
    if (std::fabs(c.tgh - c.tgv) > kWasserToleranz) {
        const auto h = [](int i, double wUnten) {
            return Herkunft{0, i, Routing::Staendig, true, Herkunft::Art::Wasser, wUnten < 0.0};
        };
        for (int i = 0; i < k; ++i) {
            const C1Schicht& s = c.Schicht[i];
            b.Figur(kTGW, h(i, s.wu), s.yo, s.yu, s.wo, s.wu);
        }
        const C1Schicht& s = c.Schicht[k];
        const double wF = std::fabs(s.wo - s.wu) > kWasserToleranz && s.dicke > 0.0
                              ? s.wo + (s.wu - s.wo) * (c.t - s.yo) / s.dicke
                              : s.wo;
        c.eMax = std::max(c.eMax, wF);
        b.Fussstueck(kTGW, h(k, wF), s.wo, wF);
    }
}

} // namespace

void C1ZirfCalc::CalcTraegerLasten() {
    Rueckseite(*this, *pTraeger, false);
}

void C1ZirfCalc::CalcTraegerLastenBemessung(C1Traeger& tr) {
    tr.DelLasten();
    Rueckseite(*this, tr, true);
}

std::vector<double> C1ZirfCalc::Koeffizienten() const {
    std::vector<double> koeff;
    koeff.reserve(komponenten.size());
    for (const Komponente& k : komponenten) {
        // A component of one layer follows that layer's choice of the state; the common
        // ones hold only what every state takes.
        const bool verdichtung =
            k.schicht >= 0 && verdichtungMassgebend.at(static_cast<std::size_t>(k.schicht));
        switch (k.art) {
        case Komponente::Art::Verdichtung:
            koeff.push_back(k.schicht < 0 || verdichtung ? gammaG : 0.0);
            break;
        case Komponente::Art::Wasser:
            koeff.push_back(1.0);
            break;
        case Komponente::Art::Last:
            if (k.routing == Routing::Staendig) {
                koeff.push_back(FaktorLastfall(k.lf));
            } else {
                // A variable load counts where it outweighed the compaction pressure of
                // its layer; without anchor only when its load case acts.
                const double f = kombiFaktoren.F(k.lf);
                koeff.push_back(verdichtung || (!MitAnker() && f <= 0.0) ? 0.0 : f);
            }
            break;
        }
    }
    return koeff;
}

void C1ZirfCalc::VerdichtungswahlDerZustaende() {
    verdichtungWahl.assign(static_cast<std::size_t>(iLetzteSchicht) + 1, kNie);
    std::vector<bool> verdichtung(verdichtungWahl.size(), false);
    std::vector<bool> last(verdichtungWahl.size(), false);
    const auto merke = [&] {
        for (std::size_t i = 0; i < verdichtungWahl.size(); ++i) {
            (verdichtungMassgebend.at(i) ? verdichtung : last)[i] = true;
        }
    };
    for (std::size_t k = 0; k < bemessungsKombinationen.size(); ++k) {
        // A combination whose states all choose alike: its permanent state tells.
        const C1Bemessungskombination& kombination = bemessungsKombinationen[k];
        const bool gleich =
            (!alleAufgezaehlt || zustaende.size() > linearAb) && GleicheVerdichtungswahl(k);
        for (std::size_t z = 0; z < zustaende.size(); ++z) {
            const std::uint64_t alleOhne = kombination.AlleOhne();
            if (zustaende[z].kombination != k || (gleich && zustaende[z].ohne != alleOhne)) {
                continue;
            }
            SetzeZustand(z);
            KombiniereWandlasten();
            merke();
        }
    }
    for (std::size_t i = 0; i < verdichtungWahl.size(); ++i) {
        verdichtungWahl[i] = verdichtung[i] && last[i] ? kJeNachZustand
                             : verdichtung[i]          ? kImmer
                                                       : kNie;
    }
    SetzeZustand(static_cast<std::size_t>(iZustand));
    KombiniereWandlasten();
}

C1Traeger C1ZirfCalc::BemessungsTraeger() {
    VerdichtungswahlDerZustaende();
    C1Traeger bemessung = *pTraeger;
    CalcTraegerLastenBemessung(bemessung);
    bemessung.Calc();
    return bemessung;
}

void C1ZirfCalc::CalcTraegerLastenZusatz() {
    iSchichtFuss = iSchichtFussPassiv;
    nLastfaelle = pInput->nLfFlaecheVorn + 1;
    Belastung b(*this, *pTraeger, iSchichtFuss, false);
    const int nUnten = iLetzteSchicht - iSchichtUnten + 1;
    // The passive pressure acts against the retained side: loads of opposite sign.
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        const C1SchichtErgebnis& fuss = ErgSchicht[lc];
        b.Fussstueck(kT, Herkunft{lc, b.k}, -fuss.epoh, -fuss.epuh);
    }
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        for (int i = iSchichtUnten; i < b.k; ++i) {
            const C1SchichtErgebnis& e = ErgPassiv[lc * nUnten + (i - iSchichtUnten)];
            b.Figur(kT, Herkunft{lc, i}, Schicht[i].yo, Schicht[i].yu, -e.epoh, -e.epuh);
        }
    }
}
