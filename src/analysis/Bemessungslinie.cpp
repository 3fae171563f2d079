#include "analysis/Bemessungslinie.h"

#include "beam/C1Traeger.h"

#include <cmath>

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

Extremum Bemessung::Einspannmoment(double von, double bis, double feldMoment) const {
    Extremum e{von, M(von)};
    if (!(bis > von) || feldMoment == 0.0) {
        return e;
    }
    // The moment against the field's sign, to be made greatest: at an end of the range or
    // where the shear changes its sign.
    const double richtung = feldMoment > 0.0 ? -1.0 : 1.0;
    const auto nimm = [&](double x) {
        const double m = M(x);
        if (richtung * m > richtung * e.M) {
            e = {x, m};
        }
    };
    nimm(bis);
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
        nimm((a + b) / 2.0);
    }
    if (!(richtung * e.M > 0.0)) {
        return {von, M(von)};
    }
    return e;
}

} // namespace wand
