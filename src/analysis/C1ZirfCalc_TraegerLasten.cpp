// The pressures of the current foot depth as loads on the wall's beam. The beam runs from
// the foot (x = 0) up to the head (x = TL, its length); a point at depth d lies at
// x = TL - d, for the loads as for the supports.

#include "earthpressure/C1ZirfCalc.h"

#include "beam/C1Traeger.h"
#include "earthpressure/ErddruckTrace.h"
#include "host/C1ZirfInput.h"

#include <algorithm>
#include <cmath>
#include <string>

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

// Puts the pressure figures of one side on the beam.
class Belastung {
public:
    Belastung(C1ZirfCalc& calc, int fussSchicht)
        : k(fussSchicht), c(calc), lasten(calc.pTraeger->GetLasten()), TL(calc.pTraeger->GetTL()) {
        c.nTrapezLast = c.nTrapezLast2 = c.nTrapezLast3 = 0;
    }

    // A figure from depth yOben (ordinate qOben) down to yUnten (qUnten) of load case Lf;
    // traceLf is the result load case the trace names.
    void Figur(const char* format, int Lf, int traceLf, double yOben, double yUnten, double qOben,
               double qUnten) {
        Trapez(format, Lf, traceLf, TL - yUnten, yUnten - yOben, qUnten, qOben);
    }
    // The foot piece: from the top of the foot layer down to the foot depth t.
    void Fussstueck(const char* format, int Lf, int traceLf, double qOben, double qFuss) {
        Figur(format, Lf, traceLf, FussOben(), c.t, qOben, qFuss);
    }
    double FussOben() const { return k > 0 ? c.Schicht[k - 1].yWand : c.yGelaende; }
    // Ordinates of the foot layer k carried from its wall points to the foot depth t.
    double AmFuss(double eOben, double eUnten) const {
        const double oben = FussOben();
        const double h = c.Schicht[k].yWand - oben;
        return h != 0.0 ? eOben + (eUnten - eOben) * (c.t - oben) / h : eOben;
    }
    void Punkt(int Lf, double tiefe, double h, double m) {
        const double x = TL - tiefe;
        if (h != 0.0) {
            ++c.nTrapezLast2;
            lasten.AddEinzelLast(Lf, kFeld, x, h, kText, kFlag, c.nTrapezLast2);
        }
        if (m != 0.0) {
            ++c.nTrapezLast3;
            lasten.AddMomentLast(Lf, kFeld, x, m, kText, c.nTrapezLast3);
        }
    }
    const int k;

private:
    void Trapez(const char* format, int Lf, int traceLf, double la, double ll, double q1,
                double q2) {
        if (std::fabs(q1) <= kSchwelle && std::fabs(q2) <= kSchwelle) {
            return;
        }
        ++c.nTrapezLast;
        lasten.AddTrapezLast(Lf, kFeld, la, ll, q1, q2, kText, kFlag, c.nTrapezLast);
        zirf::Trace(format, c.nTrapezLast, traceLf, kFeld, la, ll, q1, q2);
    }

    C1ZirfCalc& c;
    C1LastTr& lasten;
    const double TL;
};

} // namespace

void C1ZirfCalc::CalcTraegerLasten() {
    const C1ZirfInput& in = *pInput;
    nLastfaelle = in.iLetzterLastfall + 2;
    iSchichtFuss = iSchichtFussAktiv;
    Belastung b(*this, iSchichtFuss);
    const int k = b.k;
    const int nSchichten = iLetzteSchicht + 1;

    // Earth pressure of every result load case.
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        const C1SchichtErgebnis& fuss = ErgLastfall[lc];
        b.Fussstueck(kTEG, lc + 1, lc, fuss.eoh, fuss.euh);
        for (int i = 0; i < k; ++i) {
            const C1SchichtErgebnis& e = ErgAktiv[lc * nSchichten + i];
            b.Figur(kTEG, lc + 1, lc, Schicht[i].yo, Schicht[i].yWand, e.eoh, e.euh);
        }
    }
    // Compaction earth pressure: its own load case above the earth-pressure cases.
    if (in.mitverd == 1) {
        const bool ruhe = in.nwstand >= kNwstandRuhedruck;
        for (int i = 0; i < k; ++i) {
            const C1VerdichtungSchicht& v = Verdichtung[i];
            b.Figur(kTVerd, nLastfaelle + 1, nLastfaelle, Schicht[i].yo, Schicht[i].yWand,
                    ruhe ? v.eoV2 : v.eoV1, ruhe ? v.euV2 : v.euV1);
        }
    }
    // Berm: the ramp part and the uniform part below it, per layer.
    if (in.mitberme == 1) {
        for (int i = 0; i < k; ++i) {
            const C1SchichtErgebnis& o = ErgBerme[i];
            b.Figur(kTBo, 1, 0, o.abt, o.bist, o.eoh, o.euh);
            const C1SchichtErgebnis& u = ErgBermeUnten[i];
            b.Figur(kTBo2, 1, 0, u.abt, u.bist, u.eoh, u.eoh);
        }
        const C1SchichtErgebnis& o = ErgBerme[k];
        if (o.abt < t) {
            const double eF = o.eoh <= o.euh ? o.eoh : b.AmFuss(o.eoh, o.euh);
            b.Fussstueck(kTBo, 1, 0, o.eoh, eF);
        }
        const C1SchichtErgebnis& u = ErgBermeUnten[k];
        if (u.eoh > 0.0) {
            b.Fussstueck(kTBu, 1, 0, u.eoh, u.eoh);
        }
    }
    // Block loads: upper and lower figure, then the spread ordinates.
    for (int n = 0; n < in.nBlocklast; ++n) {
        const int lfLast = in.blocklast.at(static_cast<std::size_t>(n)).lf;
        const int Lf = lfLast + 1;
        auto r = [&](int i) { return nSchichten * n + i; };
        for (int i = 0; i < k; ++i) {
            const C1SchichtErgebnis& o = ErgBlockOben[r(i)];
            b.Figur(kTBlo, Lf, lfLast, o.abt, o.bist, o.eoh, o.euh);
        }
        const C1SchichtErgebnis& o = ErgBlockOben[r(k)];
        if (o.abt < t) {
            b.Figur(kTBlo, Lf, lfLast, o.abt, std::min(o.bist, t), o.eoh, o.euh);
        }
        for (int i = 1; i < k; ++i) {
            const C1SchichtErgebnis& u = ErgBlockUnten[r(i)];
            b.Figur(kTBlu, Lf, lfLast, u.abt, u.bist, u.eoh, u.euh);
        }
        const C1SchichtErgebnis& u = ErgBlockUnten[r(k)];
        if (u.eoh > 0.0) {
            b.Fussstueck(kTBlu, Lf, lfLast, u.eoh, b.AmFuss(u.eoh, u.euh));
        }
        // The spread rows keep their own depth range (columns 0 and 1); the foot layer's
        // piece ends at t with its ordinate carried there, as the iteration takes it.
        for (int i = iErsteSchicht; i < k; ++i) {
            const C1Spreizung& z = BlockSchicht[r(i)];
            b.Figur(kT, Lf, lfLast, z.von, z.bis, z.eo, z.eu);
        }
        const C1Spreizung& z = BlockSchicht[r(k)];
        if (z.eo > 0.0) {
            b.Figur(kT, Lf, lfLast, Schicht[k].yo, t, z.eo, AufTiefe(k, z.eo, z.eu, t));
        }
    }
    // Line loads and their spread ordinates.
    for (int n = 0; n < in.nLinienlast; ++n) {
        const int lfLast = in.linienlast.at(static_cast<std::size_t>(n)).lf;
        const int Lf = lfLast + 1;
        auto r = [&](int i) { return nSchichten * n + i; };
        for (int i = 0; i < k; ++i) {
            const C1SchichtErgebnis& e = ErgLinie[r(i)];
            b.Figur(kT, Lf, lfLast, e.abt, e.bist, e.eoh, e.euh);
        }
        const C1SchichtErgebnis& e = ErgLinie[r(k)];
        if (e.eoh > 0.0) {
            b.Figur(kT, Lf, lfLast, e.abt, e.bist, e.eoh, e.euh);
        }
        for (int i = iErsteSchicht; i < k; ++i) {
            const C1SchichtErgebnis& p = ErgLinie[r(i)];
            const C1Spreizung& z = LinieSchicht[r(i)];
            b.Figur(kT, Lf, lfLast, p.abt, p.bist, z.eo, z.eu);
        }
        const C1Spreizung& z = LinieSchicht[r(k)];
        if (z.eo > 0.0) {
            const C1SchichtErgebnis& p = ErgLinie[r(k)];
            b.Figur(kT, Lf, lfLast, p.abt, p.bist, z.eo, b.AmFuss(z.eo, z.eu));
        }
    }
    // Head loads at the wall head or at the anchor level.
    for (int n = 0; n < in.nKopflast; ++n) {
        const C1ZirfInput::SKopflast& last = in.kopflast.at(static_cast<std::size_t>(n));
        b.Punkt(last.lf + 1, last.stelle == 0 ? 0.0 : in.tiefe_anker, last.h, last.m);
    }
    // Excess water pressure, with the soil weight's load case.
    if (std::fabs(tgh - tgv) > kWasserToleranz) {
        for (int i = 0; i < k; ++i) {
            b.Figur(kTGW, 1, 0, Schicht[i].yo, Schicht[i].yu, Schicht[i].wo, Schicht[i].wu);
        }
        const C1Schicht& s = Schicht[k];
        const double wF = std::fabs(s.wo - s.wu) > kWasserToleranz && s.dicke > 0.0
                              ? s.wo + (s.wu - s.wo) * (t - s.yo) / s.dicke
                              : s.wo;
        eMax = std::max(eMax, wF);
        b.Fussstueck(kTGW, 1, 0, s.wo, wF);
    }
}

void C1ZirfCalc::CalcTraegerLastenZusatz() {
    iSchichtFuss = iSchichtFussPassiv;
    nLastfaelle = pInput->nLfFlaecheVorn + 1;
    Belastung b(*this, iSchichtFuss);
    const int nUnten = iLetzteSchicht - iSchichtUnten + 1;
    // The passive pressure acts against the retained side: loads of opposite sign.
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        const C1SchichtErgebnis& fuss = ErgSchicht[lc];
        b.Fussstueck(kT, lc + 1, lc, -fuss.epoh, -fuss.epuh);
    }
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        for (int i = iSchichtUnten; i < b.k; ++i) {
            const C1SchichtErgebnis& e = ErgPassiv[lc * nUnten + (i - iSchichtUnten)];
            b.Figur(kT, lc + 1, lc, Schicht[i].yo, Schicht[i].yu, -e.epoh, -e.epuh);
        }
    }
}
