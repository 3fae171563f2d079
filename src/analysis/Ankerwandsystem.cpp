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
// Intervals of the quadratures and scans along a span.
constexpr int kSchritte = 400;
constexpr int kVerfeinerungen = 60;
constexpr double kGoldenerSchnitt = 0.6180339887498949;

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
    const double l = s.xAnker - s.xFuss;
    if (!(l > 0.0)) {
        return 0.0;
    }
    // Simpson's rule; the moment line is smooth inside the span.
    const double h = l / kSchritte;
    double summe = 0.0;
    for (int i = 0; i <= kSchritte; ++i) {
        const double x = s.xFuss + i * h;
        double m = 0.0;
        for (int Lf = von; Lf <= bis; ++Lf) {
            m += tr.GetMx(Lf, x);
        }
        const double gewicht = i == 0 || i == kSchritte ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        summe += gewicht * m * (s.xAnker - x) / l;
    }
    return summe * h / 3.0;
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
    const Extremum ohne{von, M(von)};
    if (!(bis > von) || feldMoment == 0.0) {
        return ohne;
    }
    // The moment against the field's sign, to be made greatest.
    const double richtung = feldMoment > 0.0 ? -1.0 : 1.0;
    const auto wert = [&](double x) { return richtung * M(x); };
    const double h = (bis - von) / kSchritte;
    int best = 0;
    double bestWert = wert(von);
    for (int i = 1; i <= kSchritte; ++i) {
        const double w = wert(von + i * h);
        if (w > bestWert) {
            best = i;
            bestWert = w;
        }
    }
    if (!(bestWert > 0.0)) {
        return ohne;
    }
    // Golden-section search between the neighbours of the best sample.
    double a = von + std::max(best - 1, 0) * h;
    double b = von + std::min(best + 1, kSchritte) * h;
    for (int i = 0; i < kVerfeinerungen; ++i) {
        const double c = b - kGoldenerSchnitt * (b - a);
        const double d = a + kGoldenerSchnitt * (b - a);
        if (wert(c) > wert(d)) {
            b = d;
        } else {
            a = c;
        }
    }
    const double x = (a + b) / 2.0;
    return {x, M(x)};
}

} // namespace ankerwand
