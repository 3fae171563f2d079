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

// The quantities a design line sums: each gives, for a solved beam, the value of a load
// case Lf of it. The place on the beam is found once for all the load cases.
auto MomentBei(double x) {
    return [x](const C1Traeger& tr) {
        return [&tr, s = tr.StelleBei(x)](int Lf) { return tr.GetMx(s, Lf); };
    };
}

auto QuerkraftBei(double x) {
    return [x](const C1Traeger& tr) {
        return [&tr, s = tr.StelleBei(x)](int Lf) { return tr.GetQx(s, Lf); };
    };
}

// The shear at the end of span `feld`.
auto EndQuerkraftVon(int feld) {
    return [feld](const C1Traeger& tr) {
        return [&tr, feld](int Lf) {
            const C1Feld& f = tr.GetFeld(feld);
            // qx reads the start shear only.
            return f.qx(Lf, f.GetQ0(Lf, 1), 0.0, f.GetL());
        };
    };
}

auto AuflagerkraftVon(int k) {
    return [k](const C1Traeger& tr) {
        return [&tr, k](int Lf) { return tr.GetAuflagerkraft(Lf, k); };
    };
}

} // namespace

template <class Wert> double Bemessung::Summe(Wert wert) const {
    double v = 0.0;
    // Each side is asked only where it counts: the retained side where a component has a
    // factor, the passive side where it has load cases.
    if (std::any_of(koeff.begin(), koeff.end(), [](double k) { return k != 0.0; })) {
        const auto a = wert(*aktiv);
        for (std::size_t i = 0; i < koeff.size(); ++i) {
            if (koeff[i] != 0.0) {
                v += koeff[i] * a(static_cast<int>(i) + 1);
            }
        }
    }
    if (nPassiv > 0) {
        const auto p = wert(*passiv);
        for (int j = 1; j <= nPassiv; ++j) {
            v += faktorPassiv * p(j);
        }
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
    if (nKomponenten > 0) {
        const auto a = wert(*aktiv);
        for (std::size_t c = 0; c < nKomponenten; ++c) {
            e.komponente[c] = a(static_cast<int>(c) + 1);
        }
    }
    if (nPassiv > 0) {
        const auto p = wert(*passiv);
        for (int j = 1; j <= nPassiv; ++j) {
            e.passiv += p(j);
        }
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
    return GrenzenAus(Einzelwerte(wert));
}

Schar::Grenzen Schar::GrenzenAus(const Werte& werte) const {
    const std::vector<double>& komponente = werte.komponente;
    const double p = werte.passiv;
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
    return GrenzenVon(MomentBei(x));
}

Schar::Grenzen Schar::QGrenzen(double x) const {
    return GrenzenVon(QuerkraftBei(x));
}

std::pair<Schar::Grenzen, Schar::Grenzen> Schar::MQGrenzen(double x) const {
    Werte m{std::vector<double>(nKomponenten), 0.0};
    Werte q{std::vector<double>(nKomponenten), 0.0};
    if (nKomponenten > 0) {
        const C1Traeger::Stelle s = aktiv->StelleBei(x);
        for (std::size_t c = 0; c < nKomponenten; ++c) {
            const C1Feld::Schnitt w = aktiv->GetMQx(s, static_cast<int>(c) + 1);
            m.komponente[c] = w.M;
            q.komponente[c] = w.Q;
        }
    }
    if (nPassiv > 0) {
        const C1Traeger::Stelle s = passiv->StelleBei(x);
        for (int j = 1; j <= nPassiv; ++j) {
            const C1Feld::Schnitt w = passiv->GetMQx(s, j);
            m.passiv += w.M;
            q.passiv += w.Q;
        }
    }
    return {GrenzenAus(m), GrenzenAus(q)};
}

std::vector<double> Schar::M(double x) const {
    return Alle(MomentBei(x));
}

std::vector<double> Schar::Q(double x) const {
    return Alle(QuerkraftBei(x));
}

std::vector<double> Schar::QEnde(int feld) const {
    if (feld < 1) {
        return std::vector<double>(anteil.size(), 0.0);
    }
    return Alle(EndQuerkraftVon(feld));
}

std::vector<double> Schar::Auflagerkraft(int k) const {
    return Alle(AuflagerkraftVon(k));
}

double Bemessung::M(double x) const {
    return Summe(MomentBei(x));
}

double Bemessung::Q(double x) const {
    return Summe(QuerkraftBei(x));
}

double Bemessung::QEnde(int feld) const {
    if (feld < 1) {
        return 0.0;
    }
    return Summe(EndQuerkraftVon(feld));
}

double Bemessung::Auflagerkraft(int k) const {
    return Summe(AuflagerkraftVon(k));
}

std::vector<double> Bemessung::NullstellenQuerkraft(double von, double bis) const {
    std::vector<double> x;
    if (!(bis > von)) {
        return x;
    }
    const double h = (bis - von) / kAbschnitte;
    // A part's start is mostly the end of the part before (where the two roundings of the
    // place agree): its shear is then asked once.
    double bVorher = 0.0;
    double qbVorher = 0.0;
    for (int i = 0; i < kAbschnitte; ++i) {
        double a = von + i * h;
        double b = a + h;
        double qa = i > 0 && a == bVorher ? qbVorher : Q(a);
        const double qb = Q(b);
        bVorher = b;
        qbVorher = qb;
        if ((qa > 0.0) == (qb > 0.0)) {
            continue;
        }
        for (int k = 0; k < kHalbierungen; ++k) {
            const double mitte = (a + b) / 2.0;
            if (mitte == a || mitte == b) {
                // Neighbouring numbers: no halving moves the ends any more.
                break;
            }
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
