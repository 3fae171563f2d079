#include "analysis/Ankerwandsystem.h"

#include "analysis/C1WandDaten.h"
#include "beam/C1Traeger.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ankerwand {

namespace {

// A wall end below the theoretical foot shorter than this is no span (m).
constexpr double kMinStummel = 1e-3;
constexpr int kMitAuflager = 1;
constexpr int kOhneAuflager = 0;
// The shear is scanned for its changes of sign in this many parts of the embedded wall,
// each change closed by halving the part this many times.
constexpr int kAbschnitte = 40;
constexpr int kHalbierungen = 50;

double EndQuerkraft(const C1Traeger& tr, int Lf, int feld) {
    const C1Feld& f = tr.GetFeld(feld);
    return f.qx(Lf, f.GetQ0(Lf, 1), f.GetQ0(Lf, 2), f.GetL());
}

} // namespace

System SetzeAuf(C1Traeger& tr, double tGes, double t, double A, int einspannung) {
    std::vector<double> felder;
    const bool stummel = tGes - t > kMinStummel;
    if (stummel) {
        felder.push_back(tGes - t);
    }
    if (A > 0.0) {
        felder.push_back(t - A);
        felder.push_back(A);
    } else {
        felder.push_back(t);
    }
    tr.Init();
    tr.DelLasten();
    const int n = static_cast<int>(felder.size());
    tr.SetAnzFelder(n);
    for (int i = 1; i <= n; ++i) {
        C1Feld& feld = tr.GetFeld(i);
        feld.SetL(felder[static_cast<std::size_t>(i - 1)]);
        // The end below the foot and the head above an anchor are free.
        feld.SetAuflagerAnf(stummel && i == 1 ? kOhneAuflager : kMitAuflager, 0.0);
        feld.SetAuflagerEnd(A > 0.0 && i == n ? kOhneAuflager : kMitAuflager, 0.0);
    }
    const double TL = tr.CalcLaengen();
    System s;
    s.fuss = stummel ? 2 : 1;
    s.anker = A > 0.0 ? n : n + 1;
    s.kopf = n + 1;
    s.xFuss = stummel ? tGes - t : 0.0;
    s.xAnker = TL - std::max(A, 0.0);
    s.eingespannt = einspannung != 0;
    return s;
}

double DrehungFuss(const C1Traeger& tr, int von, int bis, const System& s) {
    // The span from the foot support to the anchor, simply supported: its load term at the
    // start is six times EI times the start's rotation over the length (the three-moment
    // equations' term), and the support moments turn it by l/3 and l/6 of themselves.
    const int feld = s.fuss;
    if (feld < 1 || feld > tr.GetnFeld()) {
        return 0.0;
    }
    const C1Feld& f = tr.GetFeld(feld);
    const double l = f.GetL();
    double drehung = 0.0;
    for (int Lf = von; Lf <= bis; ++Lf) {
        double anf = 0.0;
        double ende = 0.0;
        f.Lastglieder(Lf, 1, 0, anf, ende);
        drehung += anf * l / 6.0 + l * (f.GetMB(Lf, 1) / 3.0 + f.GetMB(Lf, 2) / 6.0);
    }
    return drehung;
}

template <class Wert> double Bemessung::Summe(Wert wert) const {
    double v = wert(aktiv, C1WandDaten::kBemessungAlle);
    for (int j = 1; j <= nPassiv; ++j) {
        v += faktorPassiv * wert(passiv, j);
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

} // namespace ankerwand
