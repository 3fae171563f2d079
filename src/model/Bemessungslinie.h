#pragma once

#include <cmath>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

class C1Traeger;

// The design lines of the wall: their values anywhere along the beam, per load state, from
// the solved beams of its two sides, and their envelope over the states.
namespace wand {

struct Extremum {
    double x = 0.0; // beam position
    double M = 0.0;
};

// One load state's design line: the retained side's components (load case i + 1 of the
// design beam), each with the state's factor koeff[i], and the passive side's load cases
// 1 ... nPassiv, mobilised by faktorPassiv.
struct Bemessung {
    const C1Traeger* aktiv = nullptr;
    const C1Traeger* passiv = nullptr;
    int nPassiv = 0;
    double faktorPassiv = 0.0;
    std::vector<double> koeff;

    double M(double x) const;
    double Q(double x) const;
    // The shear at the end of span `feld` (just below the support that ends it).
    double QEnde(int feld) const;
    double Auflagerkraft(int k) const;
    // The extreme moment between the beam positions von and bis whose sign is opposite to
    // the field moment's: the fixing moment of a fixed foot. {von, M(von)} when the
    // moment never turns.
    Extremum Einspannmoment(double von, double bis, double feldMoment) const;
    // The moment of the greatest magnitude between the beam positions von and bis: at an
    // end or where the shear changes its sign; the earlier of equal ones.
    Extremum GroesstesMoment(double von, double bis) const;

private:
    // Where the shear changes its sign between von and bis.
    std::vector<double> NullstellenQuerkraft(double von, double bis) const;
    // Of the moments at von, at bis and where the shear changes its sign between them, the
    // one that `wertung` rates highest; von's on equal ratings.
    template <class Wertung> Extremum Extrem(double von, double bis, Wertung wertung) const;
    // The retained side's value plus the mobilised passive side's, of one quantity: wert(tr)
    // gives the value of each load case of the solved beam tr.
    template <class Wert> double Summe(Wert wert) const;
};

// The design lines of all load states on one design beam and one passive side: state z
// takes the beam's component c with koeff[z][c] and the passive side with anteil[z]. A
// value of every state at one place costs one beam query per component, then a sum per
// state.
class Schar {
public:
    Schar() = default;
    Schar(std::shared_ptr<const C1Traeger> aktiv, std::shared_ptr<const C1Traeger> passiv,
          int nPassiv, const std::vector<std::vector<double>>& koeff, std::vector<double> anteil);

    std::size_t Anzahl() const { return anteil.size(); }
    bool Leer() const { return anteil.empty(); }
    // State z's line on its own, for values anywhere (a search along the beam).
    Bemessung Zustand(std::size_t z) const;
    // The value of every state at beam position x, at the end of span `feld`, at support k.
    std::vector<double> M(double x) const;
    std::vector<double> Q(double x) const;
    std::vector<double> QEnde(int feld) const;
    std::vector<double> Auflagerkraft(int k) const;
    // The greatest and the least moment (shear) of the states at x.
    struct Grenzen {
        double max = 0.0;
        double min = 0.0;
    };
    Grenzen MGrenzen(double x) const;
    Grenzen QGrenzen(double x) const;
    // Both at x, from one pass over each beam's loads: the moment's first.
    std::pair<Grenzen, Grenzen> MQGrenzen(double x) const;
    // A combination whose states are the permanent loads (state `basis`) and the sum of the
    // shares of its variable load cases present (the states `einzeln`, each with one of
    // them alone): `zustand` maps each subset (the bits of the absent cases) to its state.
    // Its greatest and least values are found from those shares.
    void SetzeFamilie(const std::vector<std::size_t>& zustand, std::size_t basis,
                      const std::vector<std::size_t>& einzeln);
    // The states that count in the envelope (every one where not given): a state the
    // wall cannot stand in counts nowhere.
    void SetzeGueltig(std::vector<bool> gueltig);

private:
    // The value of each component's beam and the sum of the passive beam's load cases at
    // one place: every state's value there is a combination of these.
    struct Werte {
        std::vector<double> komponente;
        double passiv = 0.0;
    };
    template <class Wert> Werte Einzelwerte(Wert wert) const;
    template <class Wert> std::vector<double> Alle(Wert wert) const;
    template <class Wert> Grenzen GrenzenVon(Wert wert) const;
    Grenzen GrenzenAus(const Werte& werte) const;
    // The states' values from the components' values at one place.
    double ZustandsWert(std::size_t z, const std::vector<double>& komponente, double p) const;

    struct Familie {
        std::vector<std::size_t> zustand;
        std::size_t basis = 0;
        std::vector<std::size_t> einzeln;
    };
    std::vector<Familie> familien;
    std::vector<bool> inFamilie;
    std::vector<bool> gueltig;

    std::shared_ptr<const C1Traeger> aktiv;
    std::shared_ptr<const C1Traeger> passiv;
    int nPassiv = 0;
    std::size_t nKomponenten = 0;
    std::vector<double> koeff; // state by state, component by component
    std::vector<double> anteil;
};

// A value of the envelope over the load states: the value and the state it is of.
struct Huellwert {
    double wert = 0.0;
    std::size_t zustand = 0;
    double x = 0.0; // where it acts, for values whose position differs by state
};

// Of the states' values wert(z), z = 0 ... n - 1, the one of the largest magnitude; the
// earlier state on equal magnitudes.
template <class Wert> Huellwert Groesster(std::size_t n, Wert wert) {
    Huellwert h;
    for (std::size_t z = 0; z < n; ++z) {
        const double w = wert(z);
        if (z == 0 || std::fabs(w) > std::fabs(h.wert)) {
            h = {w, z, 0.0};
        }
    }
    return h;
}

// Of the states' values, the one of the largest magnitude; the earlier on equal ones.
inline Huellwert Groesster(const std::vector<double>& werte) {
    return Groesster(werte.size(), [&werte](std::size_t z) { return werte[z]; });
}

// Of the states' extremes, the one of the largest magnitude; the earlier on equal ones.
template <class Extrem> Huellwert GroesstesExtremum(std::size_t n, Extrem extrem) {
    Huellwert h;
    for (std::size_t z = 0; z < n; ++z) {
        const Extremum e = extrem(z);
        if (z == 0 || std::fabs(e.M) > std::fabs(h.wert)) {
            h = {e.M, z, e.x};
        }
    }
    return h;
}

} // namespace wand
