#include "graphics/Druckfiguren.h"

#include "graphics/Zeichnen.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace druckfiguren {

namespace {

constexpr double kAbstand = 1.0;         // gap between two diagrams (m)
constexpr double kZeilenluecke = 0.25;   // gap between two rows, a share of their depth
constexpr float kTitelFaktor = 0.6f;     // height factor of the captions
constexpr double kTitelBreite = 10.0;    // length of the caption's base line (m)
constexpr double kWasserWichte = 10.0;   // kN/m³
constexpr double kNull = 1e-9;           // an ordinate below this draws nothing
constexpr double kBreite = 3.0;          // the largest ordinate is drawn this wide (m)
constexpr double kErsatzOrdinate = 10.0; // kN/m², for a picture without an ordinate

bool HatOrdinate(const Figur& f) {
    return std::max({std::fabs(f.h1), std::fabs(f.h2), std::fabs(f.v1), std::fabs(f.v2)}) > kNull;
}

// Whether a figure of no ordinate is drawn: a part of a pressure figure that only some
// loads have (the berm's and a block load's upper and lower part) is left out then;
// every other figure is drawn whatever its ordinates, so that a load entered stays in
// the picture even where it presses on nothing (a line on the wall line).
enum class Pruefung { Ordinate, Keine };

// Adds the figure unless it has no height, or no ordinate where that is tested.
void Add(Diagramm& d, const Figur& f, Pruefung p) {
    if (f.y2 > f.y1 && (p == Pruefung::Keine || HatOrdinate(f))) {
        d.figuren.push_back(f);
    }
}

Figur AusErgebnis(const C1SchichtErgebnis& e, double y1, double y2) {
    return {y1, y2, e.eoh, e.eov, e.euh, e.euv};
}

// The record's own range where it has one, else the layer's.
Figur AusTeilErgebnis(const C1SchichtErgebnis& e, const C1Schicht& s) {
    return e.bist > e.abt ? AusErgebnis(e, e.abt, e.bist) : AusErgebnis(e, s.yo, s.yu);
}

Figur AusSpreizung(const C1Spreizung& z) {
    return {z.von, z.bis, z.eo, z.eov, z.eu, z.euv};
}

std::string LastTitel(const char* art, int lf) {
    std::array<char, 32> buf{};
    std::snprintf(buf.data(), buf.size(), "%s Lf.%2d", art, lf);
    return buf.data();
}

// The tables of one run.
struct Tabellen {
    const C1ErgebnisAktiv& aktiv;
    const C1ErgebnisJeSchicht& berme;
    const C1ErgebnisJeSchicht& bermeUnten;
    const C1ErgebnisLast& blockOben;
    const C1ErgebnisLast& blockUnten;
    const C1SpreizungLast& blockSchicht;
    const C1ErgebnisLast& linie;
    const C1SpreizungLast& linieSchicht;
};

Tabellen TabellenVon(const C1ZirfCalc& c, Lauf lauf) {
    if (lauf == Lauf::Ersatzwand) {
        return {c.ErgAktivTGF,      c.ErgBermeTGF,     c.ErgBermeUntenTGF, c.ErgBlockObenTGF,
                c.ErgBlockUntenTGF, c.BlockSchichtTGF, c.ErgLinieTGF,      c.LinieSchichtTGF};
    }
    return {c.ErgAktiv,      c.ErgBerme,     c.ErgBermeUnten, c.ErgBlockOben,
            c.ErgBlockUnten, c.BlockSchicht, c.ErgLinie,      c.LinieSchicht};
}

} // namespace

bool BisTiefe(Figur& f, double yBis) {
    if (!(f.y2 > f.y1) || f.y1 >= yBis) {
        return false;
    }
    if (f.y2 > yBis) {
        const double r = (yBis - f.y1) / (f.y2 - f.y1);
        f.h2 = f.h1 + (f.h2 - f.h1) * r;
        f.v2 = f.v1 + (f.v2 - f.v1) * r;
        f.y2 = yBis;
    }
    return true;
}

std::vector<Diagramm> Erddruckdiagramme(const C1ZirfCalc& c, const C1ZirfInput& in, Lauf lauf,
                                        const Titel& titel) {
    const Tabellen tab = TabellenVon(c, lauf);
    const int n = c.iLetzteSchicht + 1;
    const int erste = std::max(c.iErsteSchicht, 0);
    std::vector<Diagramm> out;

    // Earth pressure of the soil (load case 0) and of each surcharge load case; load
    // case 1 is part of load case 0.
    for (int lc = 0; lc <= in.nLfFlaeche && lc < c.nLastfaelle; ++lc) {
        if (lc == 1) {
            continue;
        }
        Diagramm d;
        if (lc == 0) {
            d.titel = titel.erde;
        } else {
            std::array<char, 8> nr{};
            std::snprintf(nr.data(), nr.size(), "%2d", in.lfFlaeche.at(std::size_t(lc - 1)));
            d.titel = titel.erde10.substr(0, 3) + nr.data();
        }
        for (int i = erste; i < n; ++i) {
            const C1Schicht& s = c.Schicht[i];
            // On the equivalent wall the ground lies higher with a rising terrain; the
            // first soil layer begins there.
            const double oben = lauf == Lauf::Ersatzwand && i == erste ? s.yoTGF : s.yo;
            Add(d, AusErgebnis(tab.aktiv[lc * n + i], oben, s.yu), Pruefung::Keine);
        }
        out.push_back(std::move(d));
    }
    // The berm acts for 1 only, as the calculation takes it.
    if (in.mitberme == 1) {
        Diagramm d{titel.berme, {}, true, 0.0};
        for (int i = 0; i < n; ++i) {
            Add(d, AusTeilErgebnis(tab.berme[i], c.Schicht[i]), Pruefung::Ordinate);
            Add(d, AusTeilErgebnis(tab.bermeUnten[i], c.Schicht[i]), Pruefung::Ordinate);
        }
        out.push_back(std::move(d));
    }
    // The loads: every vertical part of one kind, then every horizontal part of it.
    const auto vertikal = [&](int anzahl, auto last, const char* art, const C1ErgebnisLast& oben,
                              const C1ErgebnisLast* unten, Pruefung p) {
        for (int j = 0; j < anzahl; ++j) {
            Diagramm v{LastTitel(art, last(j).lf), {}, true, 0.0};
            for (int i = 0; i < n; ++i) {
                Add(v, AusTeilErgebnis(oben[j * n + i], c.Schicht[i]), p);
                if (unten != nullptr) {
                    Add(v, AusTeilErgebnis((*unten)[j * n + i], c.Schicht[i]), p);
                }
            }
            out.push_back(std::move(v));
        }
    };
    const auto horizontal = [&](int anzahl, auto last, const char* art,
                                const C1SpreizungLast& spreizung) {
        for (int j = 0; j < anzahl; ++j) {
            const auto& l = last(j);
            if (l.h == 0.0) {
                continue;
            }
            Diagramm h{LastTitel(art, l.lf), {}, false, 0.0};
            for (int i = 0; i < n; ++i) {
                Add(h, AusSpreizung(spreizung[j * n + i]), Pruefung::Keine);
            }
            out.push_back(std::move(h));
        }
    };
    const auto block = [&](int j) -> const auto& {
        return in.blocklast.at(std::size_t(j));
    };
    const auto linie = [&](int j) -> const auto& {
        return in.linienlast.at(std::size_t(j));
    };
    vertikal(in.nBlocklast, block, "vert", tab.blockOben, &tab.blockUnten, Pruefung::Ordinate);
    horizontal(in.nBlocklast, block, "hor", tab.blockSchicht);
    vertikal(in.nLinienlast, linie, "vertE", tab.linie, nullptr, Pruefung::Keine);
    horizontal(in.nLinienlast, linie, "horE", tab.linieSchicht);
    return out;
}

Diagramm Erdwiderstand(const C1ZirfCalc& c, const std::string& titel) {
    Diagramm d{titel, {}, true, 0.0};
    for (int i = std::max(c.iSchichtUnten, 0); i <= c.iLetzteSchicht; ++i) {
        const C1Schicht& s = c.Schicht[i];
        const C1SchichtErgebnis& e = c.ErgPassiv[c.IndexPassiv(0, i)];
        Add(d, {s.yo, s.yu, e.epoh, e.epoh * s.tanP, e.epuh, e.epuh * s.tanP}, Pruefung::Keine);
    }
    return d;
}

Diagramm Wasser(double tgh, double tgv, double yBis, const std::string& titel) {
    Diagramm d{titel, {}, true, 0.0};
    const double w0 = std::min(tgh, tgv);
    const double w1 = std::max(tgh, tgv);
    if (tgh == tgv || !(yBis > w0)) {
        return d;
    }
    const double voll = (w1 - w0) * kWasserWichte;
    Add(d, {w0, w1, 0.0, 0.0, voll, 0.0}, Pruefung::Keine);
    Add(d, {w1, std::max(yBis, w1), voll, 0.0, voll, 0.0}, Pruefung::Keine);
    return d;
}

Diagramm Verdichtung(const C1ZirfCalc& c, const C1ZirfInput& in, const std::string& titel) {
    Diagramm d{titel, {}, true, 0.0};
    const bool ruhe = in.nwwand >= 2;
    for (int i = std::max(c.iErsteSchicht, 0); i <= c.iLetzteSchicht; ++i) {
        const C1Schicht& s = c.Schicht[i];
        const C1VerdichtungSchicht& v = c.Verdichtung[i];
        const double o = ruhe ? v.eoV2 : v.eoV1;
        const double u = ruhe ? v.euV2 : v.euV1;
        Add(d, {s.yo, s.yu, o, 0.0, u, 0.0}, Pruefung::Keine);
    }
    return d;
}

double TitelBreite(const std::string& titel) {
    float breite = 0.0f;
    if (Plot_SelectFont(kTitelFaktor, 0.0f, 0, 0) != 0) {
        Plot_GetTextExtent(titel.c_str(), &breite, nullptr);
        Plot_PopFont();
    }
    return breite;
}

double GroessteOrdinate(const std::vector<Diagramm>& diagramme, double yBis) {
    double e = 0.0;
    for (const Diagramm& d : diagramme) {
        for (Figur f : d.figuren) {
            if (!BisTiefe(f, yBis)) {
                continue;
            }
            for (const double o : {f.h1, f.h2, f.v1, f.v2}) {
                if (std::isfinite(o)) {
                    e = std::max(e, std::fabs(o));
                }
            }
        }
    }
    return e;
}

double Massstab(double groessteOrdinate) {
    return (groessteOrdinate > 0.0 ? groessteOrdinate : kErsatzOrdinate) / kBreite;
}

double Zeilenabstand(double hoehe) {
    return hoehe + kZeilenluecke * hoehe + kAbstand;
}

Reihe::Reihe(double scale, double tanWand, int seite, double yBis, double yTitel)
    : scale(scale), tanWand(tanWand), seite(seite), yBis(yBis), yTitel(yTitel) {}

void Reihe::Umbruch(int n, double abstand) {
    jeZeile = n;
    zeilenabstand = abstand;
}

double Reihe::Figuren(const Diagramm& d, double xCursor, double vSeite, double wandSeite) {
    double aussenHier = xCursor;
    const auto weiter = [&](double x) {
        aussenHier = seite > 0 ? std::max(aussenHier, x) : std::min(aussenHier, x);
    };
    const double basis = xCursor + seite * d.versatz / scale;
    for (Figur f : d.figuren) {
        if (!BisTiefe(f, yBis)) {
            continue;
        }
        const double x1 = basis + (d.aufWand ? wandSeite * f.y1 * tanWand : 0.0);
        const double x2 = basis + (d.aufWand ? wandSeite * f.y2 * tanWand : 0.0);
        const std::array<float, 4> px = {zeichnen::K(x2), zeichnen::K(x2 + seite * f.h2 / scale),
                                         zeichnen::K(x1 + seite * f.h1 / scale), zeichnen::K(x1)};
        const double y1 = f.y1 + yVersatz;
        const double y2 = f.y2 + yVersatz;
        const std::array<float, 4> py = {zeichnen::K(y2), zeichnen::K(y2 - vSeite * f.v2 / scale),
                                         zeichnen::K(y1 - vSeite * f.v1 / scale), zeichnen::K(y1)};
        Plot_Polygon(px.data(), py.data(), 4);
        ++polygone;
        for (const float x : px) {
            weiter(x);
        }
    }
    aussen = seite > 0 ? std::max(aussen, aussenHier) : std::min(aussen, aussenHier);
    return aussenHier;
}

double Reihe::Zeichne(const std::vector<Diagramm>& diagramme, double xCursor) {
    for (const Diagramm& d : diagramme) {
        if (gezeichnet == 0) {
            zeilenStart = xCursor;
        } else if (jeZeile > 0 && gezeichnet % jeZeile == 0) {
            xCursor = zeilenStart;
            yVersatz += zeilenabstand;
        }
        ++gezeichnet;
        const double y = yTitel + yVersatz;
        double rand = xCursor + seite * TitelBreite(d.titel);
        if (seite > 0) {
            Plot_Text(zeichnen::K(xCursor), zeichnen::K(y), zeichnen::K(xCursor + kTitelBreite),
                      zeichnen::K(y), d.titel.c_str(), kTitelFaktor, 0, 1, 0, 0, 0, 0);
        } else {
            Plot_Text(zeichnen::K(xCursor - kTitelBreite), zeichnen::K(y), zeichnen::K(xCursor),
                      zeichnen::K(y), d.titel.c_str(), kTitelFaktor, 0, 2, 0, 0, 0, 0);
        }
        // Mirrored figures point their vertical ordinates downward and follow the
        // mirrored wall.
        const double x = Figuren(d, xCursor, seite, seite);
        rand = seite > 0 ? std::max(rand, x) : std::min(rand, x);
        aussen = seite > 0 ? std::max(aussen, rand) : std::min(aussen, rand);
        xCursor = rand + seite * kAbstand;
    }
    return xCursor;
}

} // namespace druckfiguren
