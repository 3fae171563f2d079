// The pressure figures of an earth-pressure run taken down to a depth, and their sum on
// the substitute anchor wall of the deep slip line check for one load combination.
#include "model/C1ZirfCalc.h"

#include "model/C1ZirfInput.h"

#include <algorithm>

namespace {

// Load cases 0 (soil weight with the first surcharge case) and 1 are permanent.
constexpr int kErsterVeraenderlicherLastfall = 2;

} // namespace

C1ZirfCalc::Teilfigur C1ZirfCalc::FigurBis(double y1, double y2, double e1, double e2, double y) {
    Teilfigur f;
    if (!(y1 < y) || !(y2 > y1)) {
        return f; // below the depth, or without height
    }
    const double yu = std::min(y2, y);
    f.eUnten = yu < y2 ? e1 + (e2 - e1) * (yu - y1) / (y2 - y1) : e2;
    // The resultant keeps its sign: a negative ordinate (water standing higher in front)
    // pushes the other way.
    trapez.CalcTrapez(y1, yu, e1, f.eUnten);
    f.Eh = trapez.GetE();
    f.yE = trapez.GetYE();
    return f;
}

void C1ZirfCalc::JedeFigur(const C1ErddruckLauf& lauf, const std::function<void(const Figur&)>& f) {
    using Art = Figur::Art;
    const C1ZirfInput& in = *pInput;
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        for (int i = 0; i <= iLetzteSchicht; ++i) {
            const C1SchichtErgebnis& e = (*lauf.aktiv)[IndexAktiv(lc, i)];
            f({Art::Erddruck, lc, i, YOben(lauf, i), Schicht[i].yWand, e.eoh, e.euh});
        }
    }
    const auto bereich = [&](Art art, int lc, int i, const C1SchichtErgebnis& e) {
        f({art, lc, i, e.abt, e.bist, e.eoh, e.euh});
    };
    if (in.mitberme == 1) {
        for (int i = 0; i <= iLetzteSchicht; ++i) {
            bereich(Art::Berme, 0, i, (*lauf.berme)[i]);
            bereich(Art::Berme, 0, i, (*lauf.bermeUnten)[i]);
        }
    }
    // The bounded loads by their own load case: the figures of the vertical load and the
    // spread rows of the horizontal force.
    const auto begrenzt = [&](Art art, int j, int lc, const C1ErgebnisLast& oben,
                              const C1ErgebnisLast* unten, const C1SpreizungLast& zeilen) {
        for (int i = 0; i <= iLetzteSchicht; ++i) {
            const int k = IndexLast(j, i);
            bereich(art, lc, i, oben[k]);
            if (unten != nullptr) {
                bereich(art, lc, i, (*unten)[k]);
            }
            const C1Spreizung& z = zeilen[k];
            f({art, lc, i, z.von, z.bis, z.eo, z.eu});
        }
    };
    for (int j = 0; j < in.nBlocklast; ++j) {
        begrenzt(Art::Blocklast, j, in.blocklast.at(static_cast<std::size_t>(j)).lf,
                 *lauf.blockOben, lauf.blockUnten, *lauf.blockSchicht);
    }
    for (int j = 0; j < in.nLinienlast; ++j) {
        begrenzt(Art::Linienlast, j, in.linienlast.at(static_cast<std::size_t>(j)).lf, *lauf.linie,
                 nullptr, *lauf.linieSchicht);
    }
}

int C1ZirfCalc::CalcKombiTGF(const KombiFaktoren& faktoren) {
    const C1ZirfInput& in = *pInput;
    status = CalcGleitlinieTGF();
    status = CalcReibungslinieTGF();
    for (int j = 0; j < in.nBlocklast; ++j) {
        status = CalcBlocklastTGF(j);
    }
    for (int j = 0; j < in.nLinienlast; ++j) {
        status = CalcLinienlastTGF(j);
    }

    E1hG = E1hQ = E1vG = E1vQ = 0.0;
    EhLfTGF.Clear();
    // Every figure down to the lower end of the substitute wall, by its load case; the
    // berm's weight is permanent.
    const double yE = yAnkerpunkt;
    JedeFigur(LaufTGF(), [&](const Figur& fig) {
        const Teilfigur teil = FigurBis(fig.y1, fig.y2, fig.e1, fig.e2, yE);
        const int lc = fig.art == Figur::Art::Berme ? 0 : fig.lf;
        EhLfTGF[lc] += teil.Eh;
        if (fig.art == Figur::Art::Erddruck && fig.schicht == iSchichtAnkerpunkt) {
            C1SchichtErgebnis& e = ErgLastfallTGF[fig.lf];
            e.eoh = fig.e1;
            e.euh = teil.eUnten;
            e.Eh = teil.Eh;
            eMax = std::max(eMax, e.euh);
        }
    });
    for (int lc = 0; lc < nLastfaelle; ++lc) {
        if (faktoren.F(lc) > 0.0) {
            E1hQ += EhLfTGF[lc];
            if (lc < kErsterVeraenderlicherLastfall) {
                E1hG += EhLfTGF[lc];
            }
        }
    }
    return 1;
}
