#include "report/Vertikalnachweis.h"

#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "report/ReportSicht.h"

namespace vertikalnachweis {

Nachweis ImZustand(const C1ZirfCalc& calc, const C1ZirfInput& in, std::size_t k) {
    const C1ZirfCalc::Vertikalzustand& v = calc.vertikalZustaende.at(k);
    const C1ZirfCalc::Vertikalanteile a = calc.VertikalanteileBei(calc.t);
    const auto faktor = [&v](int slot) { return v.faktor.at(static_cast<std::size_t>(slot)); };
    const auto anteil = [&a](int slot) { return a.lastfall.at(static_cast<std::size_t>(slot)); };
    Nachweis n;
    n.zustand = v.zustand;
    const auto zeile = [&n](Zeile::Art art, int lf, double f, double wert, double d) {
        n.zeilen.push_back({art, lf, f, wert, d});
        n.summe += d;
        // The support's wall friction acts upward; every other row is what holds it down.
        if (art == Zeile::Art::Erdwiderlager) {
            n.oben -= d;
        } else {
            n.unten += d;
        }
    };
    zeile(Zeile::Art::Eigengewicht, 1, faktor(0), a.gewicht, faktor(0) * a.gewicht);
    // Load case 1's row holds its block, line and head loads (slot 1) as well: both are
    // permanent and take the same factor.
    const int nLastfall = ReportSicht::NLastfall(in);
    for (int slot = 0; slot <= nLastfall; ++slot) {
        if (slot == 1) {
            continue;
        }
        const double wert = anteil(slot) + (slot == 0 ? anteil(1) : 0.0);
        const double d = faktor(slot) * anteil(slot) + (slot == 0 ? faktor(1) * anteil(1) : 0.0);
        zeile(Zeile::Art::Erddruck, slot == 0 ? 1 : slot, faktor(slot), wert, d);
    }
    if (in.mitanker != 0) {
        zeile(Zeile::Art::Anker, 0, a.anker, v.AK, a.anker * v.AK);
    } else {
        zeile(Zeile::Art::Ersatzkraft, 0, calc.FussKraftVertikal(1.0), v.ersatzkraft, v.fussKraft);
    }
    zeile(Zeile::Art::Erdwiderlager, 0, v.anteilPassiv, calc.PassivVertikal(), v.passiv);
    return n;
}

Nachweis Massgebend(const C1ZirfCalc& calc, const C1ZirfInput& in) {
    if (calc.vertikalZustaende.empty()) {
        return {};
    }
    return ImZustand(calc, in, calc.MassgebenderVertikalzustand());
}

} // namespace vertikalnachweis
