#include "plot/engine/FormatZahl.h"
#include "plot/engine/PlotGeometrie.h"
#include "plot/section/C1Quer.h"
#include "plot/section/C1QuerRahmen.h"

#include <array>
#include <vector>

namespace {

constexpr COLORREF kStahlFarbe = 0x990000;
constexpr unsigned kOwnColour = static_cast<unsigned>(-1);
constexpr int kArtTeil = 4;
constexpr int kAlignLeft = 1;
constexpr int kAlignRight = 2;
constexpr double kTextMargin = 0.8;
// The tube's wall text may start a little further left than the other texts.
constexpr double kTubeTextMargin = 0.08;
constexpr double kTextShift = 0.005;
constexpr int kRohr = 51;
constexpr int kFlachstahl = 81;
constexpr int kNormalLength = 1000;

enum Teil { kFlansch1, kFlansch2, kSteg, kSteg2, kTeile };
enum Ecke { kUntenLinks, kObenLinks, kObenRechts, kUntenRechts };
// iCol of the parts: flange 2 is 1, flange 1 is 2, the webs 3 and 4.
constexpr int kTeilCol[kTeile] = {2, 1, 3, 4};

struct Rechteck {
    bool placed = false;
    int u = 0;
    int v = 0;
    int eu = 0;
    int ev = 0;
    bool Drawn() const { return placed && eu > 0 && ev > 0; }
    // Corners in the frame (u along, v up).
    std::array<int, 2> Corner(Ecke e) const {
        switch (e) {
        case kUntenLinks:
            return {u, v};
        case kObenLinks:
            return {u, v + ev};
        case kObenRechts:
            return {u + eu, v + ev};
        case kUntenRechts:
            return {u + eu, v};
        }
        return {u, v};
    }
};

struct Fillet {
    Teil teil;
    Ecke ecke;
    int code;
    bool atFlange1;
};

// The parts' placement corners by family and orientation; false for a family
// without geometry.
bool Place(int prof, int achse, int D10, int D11, int D12, int D13, int D14, int D15,
           std::array<Rechteck, kTeile>& t) {
    const int a1 = (D11 - D15) / 2;
    const int a2 = (D10 - D15) / 2;
    const auto set = [&](Teil k, int u, int v) {
        t[k].placed = true;
        t[k].u = u;
        t[k].v = v;
    };
    const bool doppel = prof >= 1 && prof <= 8;
    if (prof == kFlachstahl) {
        set(kSteg, 0, 0);
        return true;
    }
    if (achse == 2) {
        if (doppel) {
            set(kFlansch1, 0, 0);
            set(kFlansch2, D12 - D13, a1 - a2);
            set(kSteg, D14, a1);
        } else if (prof == 11 || prof == 12) {
            set(kFlansch1, 0, 0);
            set(kFlansch2, D12 - D13, D11 - D10);
            set(kSteg, D14, D11 - D15);
        } else if (prof == 21 || prof == 22) {
            set(kFlansch1, 0, 0);
            set(kSteg, D14, D11 - D15);
        } else if (prof == 31) {
            set(kFlansch1, 0, D10 - D15);
            set(kFlansch2, D12 - D13, 0);
            set(kSteg, D14, D10 - D15);
        } else if (prof == 41) {
            set(kFlansch1, 0, 0);
            set(kFlansch2, D12 - D13, 0);
            set(kSteg, D14, D11 - D15);
            set(kSteg2, D14, 0);
        } else {
            return false;
        }
    } else {
        const int x = D10 >= D11 ? (D10 - D11) / 2 : 0;
        if (doppel) {
            set(kFlansch1, x, 0);
            set(kFlansch2, x + a1 - a2, D12 - D13);
            set(kSteg, x + a1, D14);
        } else if (prof == 11 || prof == 12) {
            set(kFlansch1, 0, 0);
            set(kFlansch2, 0, D12 - D13);
            set(kSteg, 0, D14);
        } else if (prof == 21 || prof == 22) {
            set(kFlansch1, 0, 0);
            set(kSteg, 0, D14);
        } else if (prof == 31) {
            set(kFlansch1, 0, 0);
            set(kFlansch2, D11 - D15, D12 - D13);
            set(kSteg, D11 - D15, D14);
        } else if (prof == 41) {
            set(kFlansch1, 0, 0);
            set(kFlansch2, 0, D12 - D13);
            set(kSteg, 0, D14);
            set(kSteg2, D11 - D15, D14);
        } else {
            return false;
        }
    }
    if (prof == 8) {
        t[kFlansch1].placed = false; // single-flanged: no bottom flange
    }
    return true;
}

std::vector<Fillet> Fillets(int prof, int achse) {
    const bool up = achse != 2;
    if (prof >= 1 && prof <= 7) {
        return up ? std::vector<Fillet>{{kSteg, kUntenLinks, 2, true},
                                        {kSteg, kUntenRechts, 3, true},
                                        {kSteg, kObenLinks, 1, false},
                                        {kSteg, kObenRechts, 4, false}}
                  : std::vector<Fillet>{{kSteg, kObenLinks, 3, true},
                                        {kSteg, kUntenLinks, 4, true},
                                        {kSteg, kObenRechts, 2, false},
                                        {kSteg, kUntenRechts, 1, false}};
    }
    if (prof == 8) {
        return up ? std::vector<Fillet>{{kSteg, kObenLinks, 1, false},
                                        {kSteg, kObenRechts, 4, false}}
                  : std::vector<Fillet>{{kSteg, kObenRechts, 2, false},
                                        {kSteg, kUntenRechts, 1, false}};
    }
    if (prof == 11 || prof == 12) {
        return up ? std::vector<Fillet>{{kSteg, kUntenRechts, 3, true},
                                        {kSteg, kObenRechts, 4, false}}
                  : std::vector<Fillet>{{kSteg, kUntenLinks, 4, true},
                                        {kSteg, kUntenRechts, 1, false}};
    }
    if (prof == 21 || prof == 22) {
        return up ? std::vector<Fillet>{{kSteg, kUntenRechts, 3, true}}
                  : std::vector<Fillet>{{kSteg, kUntenLinks, 4, true}};
    }
    if (prof == 31) {
        return up ? std::vector<Fillet>{{kSteg, kUntenLinks, 2, true},
                                        {kSteg, kObenRechts, 4, false}}
                  : std::vector<Fillet>{{kSteg, kObenLinks, 3, true},
                                        {kSteg, kUntenRechts, 1, false}};
    }
    if (prof == 41) {
        return up ? std::vector<Fillet>{{kSteg, kUntenRechts, 3, true},
                                        {kSteg2, kUntenLinks, 2, true},
                                        {kSteg, kObenRechts, 4, false},
                                        {kSteg2, kObenLinks, 1, false}}
                  : std::vector<Fillet>{{kSteg, kUntenLinks, 4, true},
                                        {kSteg2, kObenLinks, 3, true},
                                        {kSteg, kUntenRechts, 1, false},
                                        {kSteg2, kObenRechts, 2, false}};
    }
    return {};
}

std::string Mass(double d) {
    return FormatZahl(10.0 * d, 1, 1);
}

} // namespace

C1Box PlotProfil(const C1Quer& q, const C1QuerRahmen& f) {
    C1Plot& page = f.page;
    const int lh = f.lh;
    const int shift = C1Plot::WorldInt(kTextShift * page.GetWorldW());
    const double d10 = q.D(10);
    const double d11 = q.D(11);
    const double d12 = q.D(12);
    const double d13 = q.D(13);
    const double d14 = q.D(14);
    const double d15 = q.D(15);
    const int D10 = f.D(q, 10);
    const int D11 = f.D(q, 11);
    const int D12 = f.D(q, 12);
    const int D13 = f.D(q, 13);
    const int D14 = f.D(q, 14);
    const int D15 = f.D(q, 15);
    const int D27 = f.D(q, 27);
    C1Box box{};
    bool empty = true;
    const auto enlarge = [&] {
        if (!empty) {
            box = {box.left - 2 * lh, box.top - lh, box.right + 2 * lh, box.bottom + lh};
        }
    };

    if (q.iProf == kRohr) {
        const C1Punkt m = f.P(D12 / 2, D12 / 2);
        page.SelectBrush(kOwnColour, kStahlFarbe, nullptr);
        page.PlotPoint(m.x, m.y, D12, D15, kOwnColour, kStahlFarbe);
        page.PopBrush();
        f.Mass(D12, 0, D12, D12, 2.0, Mass(d12), 3);
        if (d15 > 0.0) {
            page.SelectFont(lh, 0.0, 0, 0);
            const C1Punkt left = f.P(0, D12 / 2);
            if (page.PlotTextAligned(0, left.x - shift, left.y, "s=" + Mass(d15), 0, kAlignRight,
                                     kTubeTextMargin) != 0) {
                f.Register(6, page.GetLastTextRect());
            }
            page.PopFont();
        }
        box = {m.x - D12 / 2, m.y - D12 / 2, m.x + D12 / 2, m.y + D12 / 2};
        empty = false;
        enlarge();
        return box;
    }

    std::array<Rechteck, kTeile> t{};
    if (!Place(q.iProf, q.ProfAchse, D10, D11, D12, D13, D14, D15, t)) {
        return box; // a family without geometry: the title only
    }
    const bool turned = q.ProfAchse == 2 && q.iProf != kFlachstahl;
    const int webLength = q.iProf == kFlachstahl ? D12 : D12 - D13 - D14;
    const auto extents = [&](Rechteck& r, int length, int thickness) {
        r.eu = turned ? thickness : length;
        r.ev = turned ? length : thickness;
    };
    // A flange: along the axis by its width, up by its thickness (turned: traded).
    extents(t[kFlansch1], D11, D14);
    extents(t[kFlansch2], D10, D13);
    // A web: along by its thickness, up by its length (turned: traded).
    const auto web = [&](Rechteck& r) {
        r.eu = turned ? webLength : D15;
        r.ev = turned ? D15 : webLength;
        if (q.iProf == kFlachstahl && q.ProfAchse == 2) {
            r.eu = webLength;
            r.ev = D15;
        }
    };
    web(t[kSteg]);
    web(t[kSteg2]);
    double w1 = d11;
    double t1 = d14;
    double w2 = d10;
    double t2 = d13;
    if (D11 < 1) {
        t[kFlansch1].placed = false;
    }
    if (D10 < 1) {
        t[kFlansch2].placed = false;
    }
    // A flange left out has neither width nor thickness for the labels; one of no
    // thickness keeps its width label and loses only its thickness text.
    if (!t[kFlansch1].placed) {
        w1 = 0.0;
        t1 = 0.0;
    }
    if (!t[kFlansch2].placed) {
        w2 = 0.0;
        t2 = 0.0;
    }
    const auto corner = [&](Teil k, Ecke e) {
        const auto c = t[k].Corner(e);
        return f.P(c[0], c[1]);
    };
    const auto drawParts = [&] {
        for (int k = 0; k < kTeile; ++k) {
            if (t[k].Drawn()) {
                const C1Punkt poly[4] = {corner(Teil(k), kUntenLinks), corner(Teil(k), kObenLinks),
                                         corner(Teil(k), kObenRechts),
                                         corner(Teil(k), kUntenRechts)};
                page.PlotPolygon(poly, 4);
            }
        }
    };
    drawParts();
    for (int k = 0; k < kTeile; ++k) {
        if (t[k].Drawn()) {
            page.AddZeichenObj(
                kArtTeil, f.number, kTeilCol[k],
                C1Rect::FromQuad(corner(Teil(k), kUntenLinks), corner(Teil(k), kObenLinks),
                                 corner(Teil(k), kObenRechts), corner(Teil(k), kUntenRechts)));
            for (Ecke e : {kUntenLinks, kObenLinks, kObenRechts, kUntenRechts}) {
                BoxAdd(box, corner(Teil(k), e), empty);
            }
        }
    }
    for (const Fillet& fl : Fillets(q.iProf, q.ProfAchse)) {
        const Teil flange = fl.atFlange1 ? kFlansch1 : kFlansch2;
        if (!t[fl.teil].Drawn() || !t[flange].placed) {
            continue;
        }
        const C1Punkt tip = corner(fl.teil, fl.ecke);
        page.PlotArrow(f.ax, f.ay, f.bx, f.by, tip.x, tip.y, D27, fl.code, 1);
    }
    drawParts();

    // Labels: the top part is flange 2, or the web where there is none.
    const Teil top = t[kFlansch2].placed ? kFlansch2 : kSteg;
    const Teil bottom = t[kFlansch1].placed ? kFlansch1 : kSteg;
    const C1Punkt a{f.ax, f.ay};
    const C1Punkt b{f.bx, f.by};
    const auto zahlCol = [&](int col) { f.Register(col, page.GetLastZahlRect()); };
    const auto text = [&](C1Punkt at, const std::string& s, int align, double margin, int col) {
        if (page.PlotTextAligned(0, at.x, at.y, s, 0, align, margin) != 0) {
            f.Register(col, page.GetLastTextRect());
        }
    };
    if (!turned) {
        if (D10 >= D11) {
            page.PlotZahlAnLinie2(a, b, corner(top, kObenRechts), corner(bottom, kUntenRechts), d12,
                                  lh, 2 * lh, 2, Mass(d12));
        } else {
            page.PlotZahlAnLinie2(a, b, corner(bottom, kUntenRechts), corner(top, kObenRechts), d12,
                                  lh, 2 * lh, 1, Mass(d12));
        }
        zahlCol(3);
        if (w2 > 0.0) {
            page.PlotZahl(corner(kFlansch2, kObenLinks), corner(kFlansch2, kObenRechts), d10, lh,
                          -lh, Mass(d10));
            zahlCol(1);
        }
        if (w1 > 0.0 && d11 != d10) {
            page.PlotZahl(corner(kFlansch1, kUntenLinks), corner(kFlansch1, kUntenRechts), d11, lh,
                          2 * lh, Mass(d11));
            zahlCol(2);
        }
        page.SelectFont(lh, 0.0, 0, 0);
        const auto moved = [&](C1Punkt p) { return C1Punkt{p.x - shift, p.y}; };
        if (t1 > 0.0) {
            text(moved(corner(kFlansch1, kObenLinks)), "t=" + Mass(t1), kAlignRight, kTextMargin,
                 5);
        }
        if (t2 > 0.0) {
            text(moved(corner(kFlansch2, kObenLinks)), "t=" + Mass(t2), kAlignRight, kTextMargin,
                 4);
        }
        if (d15 > 0.0 && t[kSteg].Drawn()) {
            const C1Punkt l1 = corner(kSteg, kUntenLinks);
            const C1Punkt l2 = corner(kSteg, kObenLinks);
            text(moved({(l1.x + l2.x) / 2, (l1.y + l2.y) / 2}), "s=" + Mass(d15), kAlignRight,
                 kTextMargin, 6);
        }
        page.PopFont();
    } else {
        // The turned height runs along the axis: its reach across the axis's normal.
        const C1Punkt n = PointOnLine(f.ax, f.ay, f.bx, f.by, 0, -kNormalLength);
        if (D11 >= D10) {
            page.PlotZahlAnLinie2(a, n, corner(bottom, kUntenLinks), corner(top, kUntenRechts), d12,
                                  lh, 2 * lh, 1, Mass(d12));
        } else {
            page.PlotZahlAnLinie2(a, n, corner(top, kUntenRechts), corner(bottom, kUntenLinks), d12,
                                  lh, 2 * lh, 2, Mass(d12));
        }
        zahlCol(3);
        if (w2 > 0.0) {
            page.PlotZahl(corner(kFlansch2, kUntenRechts), corner(kFlansch2, kObenRechts), d10, lh,
                          2 * lh, Mass(d10));
            zahlCol(1);
        }
        if (w1 > 0.0 && d11 != d10) {
            page.PlotZahl(corner(kFlansch1, kUntenLinks), corner(kFlansch1, kObenLinks), d11, lh,
                          -lh, Mass(d11));
            zahlCol(2);
        }
        page.SelectFont(lh, 0.0, 0, 0);
        const auto above = [&](C1Punkt p) { return C1Punkt{p.x, p.y - lh}; };
        if (t1 > 0.0) {
            text(above(corner(kFlansch1, kObenLinks)), "t=" + Mass(t1), kAlignLeft, kTextMargin, 5);
        }
        if (t2 > 0.0) {
            text(above(corner(kFlansch2, kObenLinks)), "t=" + Mass(t2), kAlignLeft, kTextMargin, 4);
        }
        page.PopFont();
    }
    enlarge();
    return box;
}
