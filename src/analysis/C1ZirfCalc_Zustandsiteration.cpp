// The embedment iteration over load states: one trial depth serves every state (its loads
// are collected once and combined with each state's factors), and the depth moves until
// every state holds. The foot found is therefore the deepest that any state needs, and a
// variable load that relieves the wall can never make it shorter.

#include "model/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "base/Trace.h"
#include "model/C1ZirfInput.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace {

constexpr int kTeilweiseEingespannt = 1;

// The iteration of the wall without anchor traces its sums at every trial depth.
void TraceSchritt(const C1ZirfCalc& c) {
    if (c.MitAnker()) {
        return;
    }
    TracePrintf("\niter %3d t %6.4f  delta_t %6.4f  SM %6.2f  SMA %6.2f  SMP %6.2f  SC %6.2f",
                c.iter, c.t, c.delta_t, c.SM, c.SMA, c.SMP, c.SC);
}

} // namespace

void C1ZirfCalc::SetzeZustand(std::size_t z) {
    const C1Lastzustand& zustand = zustaende.at(z);
    const C1Bemessungskombination& kombination = KombinationVon(z);
    kombiFaktoren = FaktorenVon(kombination, zustand);
    Zielverdrehung = zustand.zielVerdrehung;
    iKombi = kombination.kombi;
}

C1ZirfCalc::Bewertung C1ZirfCalc::BewerteLinear(std::size_t k) {
    // Every sum that decides whether a state holds is a sum of its load cases' shares: a
    // state's excess is that of the permanent loads plus the share of each variable load
    // case present. The state furthest from holding takes exactly the cases whose share
    // adds to it; the most utilised alike (the passive side, the divisor, is the same in
    // every state).
    const C1Bemessungskombination& kombination = bemessungsKombinationen.at(k);
    const std::size_t nv = kombination.veraenderlich.size();
    const std::uint64_t alleOhne = kombination.AlleOhne();
    const auto werte = [&](std::uint64_t ohne) {
        C1Lastzustand z;
        z.kombination = k;
        z.ohne = ohne;
        kombiFaktoren = FaktorenVon(kombination, z);
        Zielverdrehung = 0.0;
        KombiniereWandlasten();
        return std::pair{Ueberschuss(), AusnutzungZustand()};
    };
    const auto [u0, a0] = werte(alleOhne);
    Bewertung b;
    b.gesetzt = true;
    b.ueberschuss = u0;
    b.ausnutzung = a0;
    std::uint64_t ohneU = alleOhne;
    std::uint64_t ohneA = alleOhne;
    for (std::size_t j = 0; j < nv; ++j) {
        const std::uint64_t bit = std::uint64_t{1} << j;
        const auto [u, a] = werte(alleOhne ^ bit);
        if (u - u0 > 0.0) {
            b.ueberschuss += u - u0;
            ohneU ^= bit;
        }
        if (a - a0 > 0.0) {
            b.ausnutzung += a - a0;
            ohneA ^= bit;
        }
    }
    b.kritisch = Materialisiere(k, ohneU);
    b.hoechstAusgenutzt = Materialisiere(k, ohneA);
    b.sicher = b.ueberschuss < 0.0;
    return b;
}

double C1ZirfCalc::Ueberschuss() const {
    if (!MitAnker()) {
        return SM; // the active moment about the foot above the passive one
    }
    return (einspannArt == 0 ? SC : SwF) - Zielverdrehung;
}

double C1ZirfCalc::AusnutzungZustand() const {
    if (!MitAnker()) {
        return SMP != 0.0 ? -SMA / SMP : 0.0;
    }
    if (einspannung <= 0.0) {
        return SummeQuerkraefte_passiv != 0.0 ? -SummeQuerkraefte_aktiv / SummeQuerkraefte_passiv
                                              : 0.0;
    }
    const double nenner = (SwF - SMA) - Zielverdrehung;
    return nenner != 0.0 ? -SMA / nenner : 0.0;
}

C1ZirfCalc::Bewertung C1ZirfCalc::BewerteZustaende(const std::vector<std::size_t>& auswahl) {
    SammleWandlasten();
    Fortschritt(auswahl.size());
    // Many states: each combination's permanent loads and each of its variable load cases
    // are combined once, and the state furthest from holding found from their shares. A
    // single state (a free foot of its own) stands alone.
    if (auswahl.size() > 1 && (!alleAufgezaehlt || auswahl.size() > linearAb) &&
        einspannArt != kTeilweiseEingespannt) {
        return BewerteAlleKombinationen();
    }
    Bewertung b;
    for (const std::size_t z : auswahl) {
        SetzeZustand(z);
        KombiniereWandlasten();
        const double u = Ueberschuss();
        const double a = AusnutzungZustand();
        // The state furthest from holding; of equal ones the earlier.
        if (!b.gesetzt || u > b.ueberschuss) {
            b.ueberschuss = u;
            b.kritisch = z;
        }
        if (!b.gesetzt || a > b.ausnutzung) {
            b.ausnutzung = a;
            b.hoechstAusgenutzt = z;
        }
        b.gesetzt = true;
    }
    b.sicher = b.ueberschuss < 0.0;
    // The sums stay those of the state furthest from holding.
    if (b.gesetzt && auswahl.size() > 1) {
        SetzeZustand(b.kritisch);
        KombiniereWandlasten();
    }
    return b;
}

C1ZirfCalc::Bewertung C1ZirfCalc::BewerteAlleKombinationen() {
    Bewertung b;
    const auto nimm = [&b](const Bewertung& k) {
        if (!b.gesetzt || k.ueberschuss > b.ueberschuss) {
            b.ueberschuss = k.ueberschuss;
            b.kritisch = k.kritisch;
        }
        if (!b.gesetzt || k.ausnutzung > b.ausnutzung) {
            b.ausnutzung = k.ausnutzung;
            b.hoechstAusgenutzt = k.hoechstAusgenutzt;
        }
        b.gesetzt = true;
    };
    for (std::size_t k = 0; k < bemessungsKombinationen.size(); ++k) {
        if (GleicheVerdichtungswahl(k)) {
            nimm(BewerteLinear(k));
            continue;
        }
        // A layer whose larger-of rule takes the compaction in some states and the variable
        // loads in others: each state of the combination on its own.
        if (!alleAufgezaehlt) {
            ZuVieleZustaende("in einer Schicht ist der Verdichtungserddruck nur in einigen "
                             "Lastzuständen größer als die veränderlichen Lasten, die Zustände "
                             "wären einzeln zu rechnen");
        }
        for (std::size_t z = 0; z < zustaende.size(); ++z) {
            if (zustaende[z].kombination != k) {
                continue;
            }
            SetzeZustand(z);
            KombiniereWandlasten();
            nimm({true, false, Ueberschuss(), z, AusnutzungZustand(), z});
        }
    }
    b.sicher = b.ueberschuss < 0.0;
    SetzeZustand(b.kritisch);
    KombiniereWandlasten();
    return b;
}

int C1ZirfCalc::IteriereZustaende(const std::vector<std::size_t>& auswahl, double start,
                                  double toleranz, bool bemessung, std::size_t& massgebend) {
    const double He = Schicht[iSchichtUnten].yo;
    richtung = 1;
    delta_t = einbindung::kErsterSchritt;
    t = start;
    iter = 0;
    double ausnutzungAlt = 0.0;
    Ausnutzung = 0.0;
    einbindung::Eingrenzung eingrenzung;
    // The state that did not hold at the deepest depth found unsafe: it needs the deepest
    // wall.
    double tTiefsterUnsicher = -1.0;
    massgebend = auswahl.front();
    const auto merke = [&](const Bewertung& b) {
        if (!b.sicher && t > tTiefsterUnsicher) {
            tTiefsterUnsicher = t;
            massgebend = b.kritisch;
        }
    };
    Bewertung b;
    for (;;) {
        if (!MitAnker()) {
            TracePrintf("\niter %3d ------------", iter);
        }
        ++iter;
        // Without anchor: utilisations above 1 that keep growing, or exactly 1 after a step
        // at or below 1, mean that no depth balances the moments.
        if (!MitAnker() && iter > 2 &&
            (Ausnutzung > 1.0 && ausnutzungAlt > 1.0 ? Ausnutzung > ausnutzungAlt
                                                     : Ausnutzung == 1.0)) {
            return 2;
        }
        richtungAlt = richtung;
        tAlt = t;
        t = t + richtung * delta_t;
        if (einbindung::IstDivergiert(iter, t, He)) {
            return 2;
        }
        b = BewerteZustaende(auswahl);
        ausnutzungAlt = Ausnutzung;
        Ausnutzung = b.ausnutzung;
        TraceSchritt(*this);
        merke(b);
        eingrenzung.Merke(t, b.sicher);
        if (std::fabs(t - tAlt) < toleranz) {
            break;
        }
        richtung = b.sicher ? -1 : 1;
        if (richtung != richtungAlt) {
            delta_t /= 2.0;
        }
        if (MitAnker()) {
            TracePrintf(einspannArt == 0 ? "\n t %6.2f   SC %8.1f " : "\n t %6.2f   SwF %8.1f ", t,
                        einspannArt == 0 ? SC : SwF);
        }
    }
    // The iteration stops within its tolerance on either side of the balance; a designed
    // foot must not lie above it, or the wall fails its own check.
    double oben = 0.0;
    double unten = 0.0;
    if (bemessung && eingrenzung.Klammer(oben, unten)) {
        TracePrintf("\nEingrenzung nach t %6.4f: von %6.4f bis %6.4f", t, oben, unten);
        bool sicher = t == unten && b.sicher;
        while (unten - oben > einbindung::kGenauigkeit) {
            t = (oben + unten) / 2.0;
            b = BewerteZustaende(auswahl);
            merke(b);
            sicher = b.sicher;
            (sicher ? unten : oben) = t;
            TracePrintf("\nEingrenzung t %6.4f", t);
        }
        if (!sicher) {
            t = unten;
            b = BewerteZustaende(auswahl);
        }
        Ausnutzung = b.ausnutzung;
        TracePrintf("\nsichere Seite t %6.4f", t);
    }
    if (tTiefsterUnsicher < 0.0) {
        massgebend = b.kritisch; // every trial depth held: the one closest to failing
    }
    // The calculation object keeps the governing state's sums at the depth found.
    SetzeZustand(massgebend);
    KombiniereWandlasten();
    return 1;
}

C1ZirfCalc::Bewertung C1ZirfCalc::PruefeZustaende(const std::vector<std::size_t>& auswahl,
                                                  double tiefe, std::size_t& massgebend) {
    t = tiefe;
    iter = 1;
    const Bewertung b = BewerteZustaende(auswahl);
    massgebend = b.hoechstAusgenutzt;
    SetzeZustand(massgebend);
    KombiniereWandlasten();
    Ausnutzung = AusnutzungZustand();
    TraceSchritt(*this);
    return b;
}

bool C1ZirfCalc::ZustandOhneHalt() const {
    if (iZustand < 0 || ZustandGueltig(static_cast<std::size_t>(iZustand))) {
        return false;
    }
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        if (ZustandGueltig(z) && (z >= ohneTiefe.size() || !ohneTiefe[z])) {
            return true;
        }
    }
    return false;
}

std::vector<std::size_t> C1ZirfCalc::AlleZustaende() const {
    std::vector<std::size_t> alle;
    alle.reserve(zustaende.size());
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        if (z >= ohneTiefe.size() || !ohneTiefe[z]) {
            alle.push_back(z);
        }
    }
    return alle;
}
