#include "graphics/Skizzenlasten.h"

#include "graphics/PlotAuswahl.h"
#include "graphics/Zeichnen.h"
#include "model/C1ZirfInput.h"
#include "plot/member/Plot_.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace skizzenlasten {

namespace {

using zeichnen::K;
using zeichnen::Linie;
using zeichnen::Polygon;

constexpr double kWand = zeichnen::kStabDicke;
constexpr double kStufe = 0.25;      // gap between two surcharge bands (m)
constexpr double kUeberKopf = -0.01; // a load at depth 0 is drawn just above the head
constexpr double kVorWand = 0.05;    // a head load's symbols stand this far in front of the wall
// A head moment's arc is sized against a quarter of the largest load.
constexpr double kKopfMomentFaktor = 0.25;
constexpr double kSymbol = 2.0;      // longest arrow of a load symbol (m)
constexpr double kRandBlock = 1.0;   // width of a block load drawn at the edge (m)
constexpr double kTextLaenge = 10.0; // base line of a position text (m)
constexpr float kTextFaktor = 0.75f;
constexpr int kVerschieben = 1; // a position text moves aside from one placed before

// v held inside [lo, hi]; a value that is no number goes to the nearer end of its sign.
double Rand(double v, double lo, double hi) {
    if (std::isnan(v)) {
        return hi;
    }
    return std::clamp(v, lo, hi);
}

bool Innen(const Fenster& f, double x, double y) {
    return x >= f.xMin && x <= f.xMax && y >= f.yMin && y <= f.yMax;
}

std::string Position(const char* achse, double v) {
    std::array<char, 64> buf{};
    std::snprintf(buf.data(), buf.size(), "%s = %.2f m", achse, v);
    return buf.data();
}

// A load at (x, y) out of reach: at the nearest point of the window, its position as
// entered written for the coordinates that moved.
Platz AmRand(double x, double y, const Fenster& w) {
    Platz p;
    p.versetzt = true;
    p.x = Rand(x, w.xMin, w.xMax);
    p.y = Rand(y, w.yMin, w.yMax);
    if (p.x != x) {
        p.text = Position("x", x);
    }
    if (p.y != y) {
        p.text += (p.text.empty() ? "" : ", ") + Position("y", y);
    }
    return p;
}

// An arrow of the length 2d along (ux, uy) ending at (x, y), its head at the load point
// for a positive value, else at the far end.
void Pfeil(double x, double y, double ux, double uy, double d) {
    const double l = 2.0 * std::fabs(d);
    const double xa = x - ux * l;
    const double ya = y - uy * l;
    Linie(xa, ya, x, y);
    const double hx = d > 0.0 ? x : xa;
    const double hy = d > 0.0 ? y : ya;
    // Strokes of the length d at 45° back from the tip along the shaft.
    const double s = d > 0.0 ? -1.0 : 1.0;
    const double k = std::fabs(d) / std::sqrt(2.0);
    Linie(hx, hy, hx + s * k * (ux - uy), hy + s * k * (uy + ux));
    Linie(hx, hy, hx + s * k * (ux + uy), hy + s * k * (uy - ux));
}

// A moment as an arc of the diameter d around (x, y) with a head stroke at the end that
// its sign turns to.
void Moment(double x, double y, double m, double d) {
    const double r = d / 2.0;
    Plot_Arc(K(x - r), K(y - r), K(x + r), K(y + r), K(x + r), K(y), K(x - r), K(y));
    const double hx = m > 0.0 ? x - r : x + r;
    Linie(hx, y, hx - r / 4.0, y - r / 4.0);
    Linie(hx, y, hx + r / 4.0, y - r / 4.0);
}

// The position text of a load drawn at the edge, beneath its point and inside the
// sketch: ending there at the right edge, beginning there elsewhere.
void Positionstext(const Platz& p, const Fenster& w) {
    if (p.text.empty()) {
        return;
    }
    const bool rechts = p.xEnde >= w.xMax;
    const double x1 = rechts ? p.xEnde - kTextLaenge : p.x;
    Plot_Text(K(x1), K(p.y), K(x1 + kTextLaenge), K(p.y), p.text.c_str(), kTextFaktor, kVerschieben,
              rechts ? 2 : 1, 0, 0, 0, 1);
}

// The largest magnitude of all loads: it sizes every symbol.
double GroessteLast(const C1ZirfInput& in) {
    double m = std::isfinite(in.maxLast) ? std::fabs(in.maxLast) : 0.0;
    const auto nimm = [&m](std::initializer_list<double> werte) {
        for (const double v : werte) {
            if (std::isfinite(v)) {
                m = std::max(m, std::fabs(v));
            }
        }
    };
    for (int k = 0; k < in.nFlaechenlast; ++k) {
        nimm({in.flaechenlast.at(std::size_t(k)).v});
    }
    for (int j = 0; j < in.nBlocklast; ++j) {
        const auto& b = in.blocklast.at(std::size_t(j));
        nimm({b.v, b.h});
    }
    for (int j = 0; j < in.nLinienlast; ++j) {
        const auto& l = in.linienlast.at(std::size_t(j));
        nimm({l.v, l.h, l.m});
    }
    for (int j = 0; j < in.nKopflast; ++j) {
        const auto& l = in.kopflast.at(std::size_t(j));
        nimm({l.v, l.h, l.m});
    }
    return m;
}

// Whether a value draws a symbol.
bool Wert(double v) {
    return v != 0.0 && std::isfinite(v);
}

} // namespace

Lasten::Lasten(const C1ZirfInput& in, const Fenster& welt0, const Fenster& reichweite)
    : in(in), maxLast(GroessteLast(in)), welt(welt0), xRechts(welt0.xMin) {
    const auto blockAt = [&](int j) -> const C1ZirfInput::SBlocklast& {
        return in.blocklast.at(std::size_t(j));
    };
    const auto linieAt = [&](int j) -> const C1ZirfInput::SLinienlast& {
        return in.linienlast.at(std::size_t(j));
    };
    // First the loads within reach, which the window takes with their symbols.
    for (int j = 0; j < in.nBlocklast; ++j) {
        const auto& l = blockAt(j);
        Platz p;
        if (Innen(reichweite, l.x, l.y)) {
            p.x = l.x;
            p.y = l.y;
            p.xEnde = std::clamp(l.x + (l.b > 0.0 ? l.b : 0.0), l.x, reichweite.xMax);
            welt.Nimm(p.x, p.y - kSymbol);
            welt.Nimm(p.xEnde, p.y + kWand);
            xRechts = std::max(xRechts, p.xEnde);
        } else {
            p.versetzt = true;
        }
        block.push_back(p);
    }
    for (int j = 0; j < in.nLinienlast; ++j) {
        const auto& l = linieAt(j);
        Platz p;
        if (Innen(reichweite, l.x, l.y)) {
            p.x = p.xEnde = l.x;
            p.y = l.y;
            welt.Nimm(p.x - kSymbol, p.y - kSymbol);
            welt.Nimm(p.x + kSymbol, p.y + kSymbol / 4.0);
            xRechts = std::max(xRechts, p.x);
        } else {
            p.versetzt = true;
        }
        linie.push_back(p);
    }
    // Then the others, at the edge of that window.
    for (int j = 0; j < in.nBlocklast; ++j) {
        if (!block[std::size_t(j)].versetzt) {
            continue;
        }
        const auto& l = blockAt(j);
        Platz p = AmRand(l.x, l.y, welt);
        const double b = std::min(l.b > 0.0 ? l.b : 0.0, kRandBlock);
        if (p.x >= welt.xMax) {
            p.xEnde = p.x;
            p.x -= b;
        } else {
            p.xEnde = std::min(p.x + b, welt.xMax);
        }
        block[std::size_t(j)] = p;
    }
    for (int j = 0; j < in.nLinienlast; ++j) {
        if (linie[std::size_t(j)].versetzt) {
            const auto& l = linieAt(j);
            linie[std::size_t(j)] = AmRand(l.x, l.y, welt);
            linie[std::size_t(j)].xEnde = linie[std::size_t(j)].x;
        }
    }
}

void Lasten::Zeichne(double xGel, double xEnde, double yText, double tanWand, double yAnker) const {
    if (!(maxLast > 0.0)) {
        return; // loads that are all zero draw no symbol
    }
    PlotAuswahl a;
    a.Pen(0, 0, 1);

    // Surcharges: one band per load above the ground, stacked.
    double yBand = yText;
    for (int k = 0; k < in.nFlaechenlast; ++k) {
        const double v = in.flaechenlast.at(std::size_t(k)).v;
        if (!Wert(v)) {
            continue;
        }
        const double h = 0.6 * std::fabs(v) / maxLast;
        PlotAuswahl b;
        b.StockBrush(6);
        Polygon({xGel, xEnde, xEnde, xGel}, {yBand, yBand, yBand - h, yBand - h});
        yBand -= h + kStufe;
    }
    for (int j = 0; j < in.nBlocklast; ++j) {
        const auto& l = in.blocklast.at(std::size_t(j));
        const Platz& p = block.at(std::size_t(j));
        if (!Wert(l.v) && !Wert(l.h)) {
            continue;
        }
        if (Wert(l.v)) {
            const int art = in.blockArt.at(std::size_t(j));
            PlotAuswahl b;
            b.StockBrush(art == 0 ? 6 : art == 1 ? 5 : 1);
            const double h = 0.4 * l.v / maxLast;
            Polygon({p.x, p.xEnde, p.xEnde, p.x}, {p.y, p.y, p.y - h, p.y - h});
        }
        if (Wert(l.h)) {
            const double d = 0.1 * l.h / maxLast;
            const double y = p.y + kWand / 4.0;
            Linie(p.x, y, p.xEnde, y);
            if (l.h > 0.0) {
                Linie(p.x + d, y + d, p.x, y);
            } else {
                Linie(p.xEnde + d, y - d, p.xEnde, y);
            }
        }
        Positionstext(p, welt);
    }
    const auto einzel = [&](double x, double y, double v, double h, double m, double mFaktor) {
        y = y == 0.0 ? kUeberKopf : y;
        if (Wert(v)) {
            Pfeil(x, y, 0.0, 1.0, v / maxLast);
        }
        if (Wert(h)) {
            Pfeil(x, y, -1.0, 0.0, h / maxLast);
        }
        if (Wert(m)) {
            Moment(x, y, m, std::fabs(m) / (mFaktor * maxLast));
        }
    };
    for (int j = 0; j < in.nLinienlast; ++j) {
        const auto& l = in.linienlast.at(std::size_t(j));
        const Platz& p = linie.at(std::size_t(j));
        einzel(p.x, p.y, l.v, l.h, l.m, 1.0);
        Positionstext(p, welt);
    }
    for (int j = 0; j < in.nKopflast; ++j) {
        const auto& l = in.kopflast.at(std::size_t(j));
        const double y = l.stelle == 0 ? 0.0 : yAnker;
        einzel(tanWand * y - kVorWand, y, l.v, l.h, l.m, kKopfMomentFaktor);
    }
}

double Lasten::KopfLinks(double yAnker) const {
    double links = 0.0;
    for (int j = 0; j < in.nKopflast; ++j) {
        const auto& l = in.kopflast.at(std::size_t(j));
        if ((l.stelle == 0 ? 0.0 : yAnker) != 0.0) {
            continue;
        }
        // The head strokes of a vertical arrow reach d / sqrt 2 to either side of it, a
        // moment's arc its radius and its head stroke a quarter of that further; a
        // horizontal arrow lies on the soil's side.
        double reicht = 0.0;
        if (Wert(l.v)) {
            reicht = std::fabs(l.v / maxLast) / std::sqrt(2.0);
        }
        if (Wert(l.m)) {
            const double r = std::fabs(l.m) / (kKopfMomentFaktor * maxLast) / 2.0;
            reicht = std::max(reicht, 1.25 * r);
        }
        links = std::min(links, -kVorWand - reicht);
    }
    return links;
}

} // namespace skizzenlasten
