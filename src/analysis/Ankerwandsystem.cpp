#include "analysis/Ankerwandsystem.h"

#include "beam/C1Traeger.h"
#include "model/C1WandDaten.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace ankerwand {

namespace {

// A wall end below the theoretical foot shorter than this is no span (m).
constexpr double kMinStummel = 1e-3;
constexpr int kMitAuflager = 1;
constexpr int kOhneAuflager = 0;

} // namespace

System SetzeAuf(C1Traeger& tr, double tGes, double t, double A, double einspannung) {
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
    s.eingespannt = einspannung > 0.0;
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

} // namespace ankerwand
