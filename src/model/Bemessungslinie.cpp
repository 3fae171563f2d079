#include "model/Bemessungslinie.h"

#include "beam/C1Traeger.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace wand {

namespace {

// The shear is scanned for its changes of sign in this many parts of the embedded wall,
// each change closed by halving the part this many times.
constexpr int kAbschnitte = 40;
constexpr int kHalbierungen = 50;

double EndQuerkraft(const C1Traeger& tr, int Lf, int feld) {
    const C1Feld& f = tr.GetFeld(feld);
    return f.qx(Lf, f.GetQ0(Lf, 1), f.GetQ0(Lf, 2), f.GetL());
}

} // namespace

template <class Wert> double Bemessung::Summe(Wert wert) const {
    double v = 0.0;
    for (std::size_t i = 0; i < koeff.size(); ++i) {
        if (koeff[i] != 0.0) {
            v += koeff[i] * wert(*aktiv, static_cast<int>(i) + 1);
        }
    }
    for (int j = 1; j <= nPassiv; ++j) {
        v += faktorPassiv * wert(*passiv, j);
    }
    return v;
}

Schar::Schar(std::shared_ptr<const C1Traeger> aktivSeite,
             std::shared_ptr<const C1Traeger> passivSeite, int nPassivLf,
             const std::vector<std::vector<double>>& k, std::vector<double> anteile)
    : aktiv(std::move(aktivSeite)), passiv(std::move(passivSeite)), nPassiv(nPassivLf),
      nKomponenten(k.empty() ? 0 : k.front().size()), anteil(std::move(anteile)) {
    koeff.reserve(k.size() * nKomponenten);
    for (const std::vector<double>& z : k) {
        koeff.insert(koeff.end(), z.begin(), z.end());
    }
}

Bemessung Schar::Zustand(std::size_t z) const {
    const auto von = koeff.begin() + static_cast<std::ptrdiff_t>(z * nKomponenten);
    return {aktiv.get(), passiv.get(), nPassiv, anteil.at(z),
            std::vector<double>(von, von + static_cast<std::ptrdiff_t>(nKomponenten))};
}

double Schar::ZustandsWert(std::size_t z, const std::vector<double>& komponente, double p) const {
    const double* k = koeff.data() + z * nKomponenten;
    double v = 0.0;
    for (std::size_t c = 0; c < nKomponenten; ++c) {
        v += k[c] * komponente[c];
    }
    return v + anteil[z] * p;
}

template <class Wert> Schar::Werte Schar::Einzelwerte(Wert wert) const {
    Werte e{std::vector<double>(nKomponenten), 0.0};
    for (std::size_t c = 0; c < nKomponenten; ++c) {
        e.komponente[c] = wert(*aktiv, static_cast<int>(c) + 1);
    }
    for (int j = 1; j <= nPassiv; ++j) {
        e.passiv += wert(*passiv, j);
    }
    return e;
}

template <class Wert> std::vector<double> Schar::Alle(Wert wert) const {
    const auto [komponente, p] = Einzelwerte(wert);
    std::vector<double> werte(anteil.size());
    for (std::size_t z = 0; z < werte.size(); ++z) {
        werte[z] = ZustandsWert(z, komponente, p);
    }
    return werte;
}

void Schar::SetzeFamilie(const std::vector<std::size_t>& zustand, std::size_t basis,
                         const std::vector<std::size_t>& einzeln) {
    if (inFamilie.empty()) {
        inFamilie.assign(anteil.size(), false);
    }
    for (const std::size_t z : zustand) {
        inFamilie.at(z) = true;
    }
    familien.push_back({zustand, basis, einzeln});
}

void Schar::SetzeGueltig(std::vector<bool> g) {
    gueltig = std::move(g);
}

template <class Wert> Schar::Grenzen Schar::GrenzenVon(Wert wert) const {
    const auto [komponente, p] = Einzelwerte(wert);
    Grenzen g;
    bool gesetzt = false;
    const auto nimm = [&](double hoch, double tief) {
        g.max = gesetzt ? std::max(g.max, hoch) : hoch;
        g.min = gesetzt ? std::min(g.min, tief) : tief;
        gesetzt = true;
    };
    // A family's greatest value takes every variable load case whose share adds to it, its
    // least every one whose share takes from it.
    for (const Familie& f : familien) {
        const double basis = ZustandsWert(f.basis, komponente, p);
        double hoch = basis;
        double tief = basis;
        for (const std::size_t z : f.einzeln) {
            const double d = ZustandsWert(z, komponente, p) - basis;
            hoch += std::max(d, 0.0);
            tief += std::min(d, 0.0);
        }
        nimm(hoch, tief);
    }
    for (std::size_t z = 0; z < anteil.size(); ++z) {
        if ((inFamilie.empty() || !inFamilie[z]) && (z >= gueltig.size() || gueltig[z])) {
            const double w = ZustandsWert(z, komponente, p);
            nimm(w, w);
        }
    }
    return g;
}

Schar::Grenzen Schar::MGrenzen(double x) const {
    return GrenzenVon([x](const C1Traeger& tr, int Lf) { return tr.GetMx(Lf, x); });
}

Schar::Grenzen Schar::QGrenzen(double x) const {
    return GrenzenVon([x](const C1Traeger& tr, int Lf) { return tr.GetQx(Lf, x); });
}

std::vector<double> Schar::M(double x) const {
    return Alle([x](const C1Traeger& tr, int Lf) { return tr.GetMx(Lf, x); });
}

std::vector<double> Schar::Q(double x) const {
    return Alle([x](const C1Traeger& tr, int Lf) { return tr.GetQx(Lf, x); });
}

std::vector<double> Schar::QEnde(int feld) const {
    if (feld < 1) {
        return std::vector<double>(anteil.size(), 0.0);
    }
    return Alle([feld](const C1Traeger& tr, int Lf) { return EndQuerkraft(tr, Lf, feld); });
}

std::vector<double> Schar::Auflagerkraft(int k) const {
    return Alle([k](const C1Traeger& tr, int Lf) { return tr.GetAuflagerkraft(Lf, k); });
}

double Bemessung::M(double x) const {
    return Summe([x](const C1Traeger& tr, int Lf) { return tr.GetMx(Lf, x); });
}

double Bemessung::Q(double x) const {
    return Summe([x](const C1Traeger& tr, int Lf) { return tr.GetQx(Lf, x); });
}

double Bemessung::QEnde(int feld) const {
    if (feld < 1) {
        return 0.0;
    }
    return Summe([feld](const C1Traeger& tr, int Lf) { return EndQuerkraft(tr, Lf, feld); });
}

double Bemessung::Auflagerkraft(int k) const {
    return Summe([k](const C1Traeger& tr, int Lf) { return tr.GetAuflagerkraft(Lf, k); });
}

std::vector<double> Bemessung::NullstellenQuerkraft(double von, double bis) const {
    std::vector<double> x;
    if (!(bis > von)) {
        return x;
    }
    const double h = (bis - von) / kAbschnitte;
    for (int i = 0; i < kAbschnitte; ++i) {
        double a = von + i * h;
        double b = a + h;
        double qa = Q(a);
        if ((qa > 0.0) == (Q(b) > 0.0)) {
            continue;
        }
        for (int k = 0; k < kHalbierungen; ++k) {
            const double mitte = (a + b) / 2.0;
            const double qm = Q(mitte);
            if ((qm > 0.0) == (qa > 0.0)) {
                a = mitte;
                qa = qm;
            } else {
                b = mitte;
            }
        }
        x.push_back((a + b) / 2.0);
    }
    return x;
}

template <class Wertung> Extremum Bemessung::Extrem(double von, double bis, Wertung wertung) const {
    Extremum e{von, M(von)};
    const auto nimm = [&](double x) {
        const double m = M(x);
        if (wertung(m) > wertung(e.M)) {
            e = {x, m};
        }
    };
    if (bis > von) {
        nimm(bis);
    }
    for (const double x : NullstellenQuerkraft(von, bis)) {
        nimm(x);
    }
    return e;
}

Extremum Bemessung::GroesstesMoment(double von, double bis) const {
    return Extrem(von, bis, [](double m) { return std::fabs(m); });
}

Extremum Bemessung::Einspannmoment(double von, double bis, double feldMoment) const {
    if (!(bis > von) || feldMoment == 0.0) {
        return {von, M(von)};
    }
    // The moment against the field's sign, to be made greatest.
    const double richtung = feldMoment > 0.0 ? -1.0 : 1.0;
    const Extremum e = Extrem(von, bis, [richtung](double m) { return richtung * m; });
    if (!(richtung * e.M > 0.0)) {
        return {von, M(von)};
    }
    return e;
}

} // namespace wand
