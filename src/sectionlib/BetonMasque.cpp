#include "sectionlib/Beton.h"
#include "sectionlib/BetonFlaeche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

// Strain-plane routine for sections under axial force and bending about one or both
// axes. Design (mode 1): the least total reinforcement of the given arrangement for
// which (N, My, Mz) lies inside the design resistance; the resistance at a
// reinforcement is found on the ultimate strain planes (steel at its strain limit,
// concrete at εcu2, or the pivot at εc2 of a fully compressed section) whose axial
// force is N, turned until the resisting moment points like the acting one.
// Analysis (mode 2): the strain plane in equilibrium with (N, My, Mz) for the given
// reinforcement, under the design stress-strain lines.

namespace {

using namespace beton;

constexpr double kKN = 0.1;    // N/mm² · cm² in kN
constexpr double kKNm = 0.001; // N/mm² · cm² · cm in kNm
constexpr double kUnendlich = std::numeric_limits<double>::infinity();
constexpr int kSchritteT = 70;      // bisection of the strain state for N
constexpr int kSchritteWinkel = 60; // bisection of the neutral axis angle
constexpr int kSecant = 25;         // secant steps of the angle before the scan
constexpr double kWinkelTol = 1e-9; // radians between acting and resisting moment
constexpr int kLaststufen = 10;     // load steps of the analysis
constexpr int kNewton = 60;
constexpr float kGrenzeMax = 100.0f; // the limit ratio cannot exceed the whole section (%)

struct Kraefte {
    double N = 0.0, My = 0.0, Mz = 0.0;
};

double Wrap(double w) {
    while (w > std::numbers::pi) {
        w -= 2.0 * std::numbers::pi;
    }
    while (w < -std::numbers::pi) {
        w += 2.0 * std::numbers::pi;
    }
    return w;
}

struct Schnitt {
    Umriss q;
    std::vector<Stab> staebe;
    BetonLinie beton;
    StahlLinie stahl;

    Kraefte Summe(const Profil& p, double As, const Ebene& e) const {
        const Resultante r = p.Integrieren(beton, e.a, e.b);
        double N = r.N;
        double Su = p.nu() * r.Ss - p.nv() * r.St;
        double Sv = p.nv() * r.Ss + p.nu() * r.St;
        for (const Stab& s : staebe) {
            const double F = StahlSpannung(stahl, e.At(p.S(s.u, s.v))) * As * s.anteil;
            N += F;
            Su += F * s.u;
            Sv += F * s.v;
        }
        return {N * kKN, -Sv * kKNm, Su * kKNm};
    }
};

// The ultimate strain planes across one direction, by a parameter t from 0 (uniform
// steel strain limit) over 1 (steel limit and εcu2) and 2 (εcu2 at the compressed
// edge, zero at the other) to 3 (uniform εc2).
struct Grenzen {
    const Schnitt& S;
    Profil p;
    double sTop, sBot, sSt, epsBot1;

    Grenzen(const Schnitt& s, double theta)
        : S(s), p(s.q, std::cos(theta), std::sin(theta)), sTop(p.sMax()), sBot(p.sMin()) {
        sSt = sTop;
        for (const Stab& st : S.staebe) {
            sSt = std::min(sSt, p.S(st.u, st.v));
        }
        const double su = S.stahl.epsSu, cu = S.beton.epsCu;
        epsBot1 = Durch(sSt, su, sTop, -cu).At(sBot);
    }

    Ebene Bei(double t) const {
        const double su = S.stahl.epsSu, cu = S.beton.epsCu, c2 = S.beton.epsC2;
        if (t <= 1.0) {
            return Durch(sSt, su, sTop, su - t * (su + cu));
        }
        if (t <= 2.0) {
            return Durch(sBot, (2.0 - t) * epsBot1, sTop, -cu);
        }
        const double sC = sTop - (1.0 - c2 / cu) * (sTop - sBot);
        return Durch(sBot, -(t - 2.0) * c2, sC, -c2);
    }

    // The plane on the boundary whose axial force is N; false when N lies outside.
    bool FuerN(double As, double N, Ebene& e, Kraefte& k) const {
        const Kraefte zug = S.Summe(p, As, Bei(0.0));
        const Kraefte druck = S.Summe(p, As, Bei(3.0));
        if (N > zug.N + 1e-9 || N < druck.N - 1e-9) {
            return false;
        }
        double lo = 0.0, hi = 3.0;
        for (int i = 0; i < kSchritteT; ++i) {
            const double m = (lo + hi) / 2.0;
            (S.Summe(p, As, Bei(m)).N > N ? lo : hi) = m;
        }
        e = Bei((lo + hi) / 2.0);
        k = S.Summe(p, As, e);
        return true;
    }
};

struct Grenzzustand {
    bool innen = false; // N within the resistance
    double eta = kUnendlich;
    double theta = 0.0;
    Ebene e;
};

class Loeser {
public:
    explicit Loeser(const Schnitt& s) : S(s) {}

    // Utilisation of the section with reinforcement As under (N, My, Mz).
    int Ausnutzung(double As, const Kraefte& E, Grenzzustand& g) const {
        g = Grenzzustand{};
        const double ME = std::hypot(E.My, E.Mz);
        if (ME < 1e-9) {
            // Axial force alone: its share of the resistance in its own sense.
            const Grenzen gr(S, std::numbers::pi / 2.0);
            const double zug = S.Summe(gr.p, As, gr.Bei(0.0)).N;
            const double druck = S.Summe(gr.p, As, gr.Bei(3.0)).N;
            g.theta = std::numbers::pi / 2.0;
            g.eta =
                E.N > 0.0 ? (zug > 0.0 ? E.N / zug : kUnendlich) : (E.N < 0.0 ? E.N / druck : 0.0);
            Kraefte k;
            g.innen = gr.FuerN(As, E.N, g.e, k);
            return kOk;
        }
        const double psiE = std::atan2(E.Mz, E.My);
        // Difference of the resisting moment's direction from the acting one.
        auto abweichung = [&](double theta, Grenzzustand& z) {
            const Grenzen gr(S, theta);
            Kraefte k;
            z.theta = theta;
            z.innen = gr.FuerN(As, E.N, z.e, k);
            if (!z.innen) {
                z.eta = kUnendlich;
                return 0.0;
            }
            const double MR = std::hypot(k.My, k.Mz);
            z.eta = MR > 1e-12 ? ME / MR : kUnendlich;
            return MR > 1e-12 ? Wrap(std::atan2(k.Mz, k.My) - psiE) : std::numbers::pi;
        };
        const double theta0 = std::atan2(E.My, -E.Mz);
        double f0 = abweichung(theta0, g);
        if (!g.innen) {
            return kOk;
        }
        if (std::fabs(f0) < kWinkelTol || g.eta == kUnendlich) {
            // Found, or no moment resistance at all at this reinforcement.
            return kOk;
        }
        // Secant steps from the elastic guess.
        double t0 = theta0;
        double t1 = theta0 + 0.02;
        Grenzzustand z1;
        double f1 = abweichung(t1, z1);
        for (int i = 0; i < kSecant && std::fabs(f1) >= kWinkelTol; ++i) {
            if (std::fabs(f1 - f0) < 1e-15) {
                break;
            }
            const double t2 = t1 - f1 * (t1 - t0) / (f1 - f0);
            if (std::fabs(t2 - theta0) > std::numbers::pi / 2.0) {
                break;
            }
            t0 = t1;
            f0 = f1;
            t1 = t2;
            f1 = abweichung(t1, z1);
        }
        if (std::fabs(f1) < kWinkelTol) {
            g = z1;
            return kOk;
        }
        // Scan for a change of sign near the guess, then bisect.
        constexpr int kScan = 36;
        double bestLo = 0.0, bestHi = 0.0, fLo = 0.0;
        bool gefunden = false;
        Grenzzustand tmp;
        double prevT = theta0 - std::numbers::pi / 2.0;
        double prevF = abweichung(prevT, tmp);
        for (int i = 1; i <= kScan && !gefunden; ++i) {
            const double t = theta0 - std::numbers::pi / 2.0 + std::numbers::pi * i / kScan;
            const double f = abweichung(t, tmp);
            if (prevF * f <= 0.0 && std::fabs(prevF) < std::numbers::pi / 2.0 &&
                std::fabs(f) < std::numbers::pi / 2.0) {
                bestLo = prevT;
                bestHi = t;
                fLo = prevF;
                gefunden = true;
            }
            prevT = t;
            prevF = f;
        }
        if (!gefunden) {
            return kNichtKonvergiert;
        }
        for (int i = 0; i < kSchritteWinkel; ++i) {
            const double m = (bestLo + bestHi) / 2.0;
            const double f = abweichung(m, tmp);
            if ((f < 0.0) == (fLo < 0.0)) {
                bestLo = m;
                fLo = f;
            } else {
                bestHi = m;
            }
        }
        const double f = abweichung((bestLo + bestHi) / 2.0, g);
        return std::fabs(f) < 1e-6 ? kOk : kNichtKonvergiert;
    }

    // The strain plane in equilibrium with E for reinforcement As: eps0, κy, κz.
    int Gleichgewicht(double As, const Kraefte& E, std::array<double, 3>& x) const {
        const double h = std::max(S.q.oben - S.q.unten, S.q.rechts - S.q.links);
        const double Nref = std::max(S.beton.fcd * S.q.A * kKN, 1e-9);
        const double Mref = Nref * h / 100.0;
        auto rest = [&](const std::array<double, 3>& y, const Kraefte& Z) {
            const Kraefte k = Innen(As, y);
            return std::array<double, 3>{(k.N - Z.N) / Nref, (k.My - Z.My) / Mref,
                                         (k.Mz - Z.Mz) / Mref};
        };
        auto norm = [](const std::array<double, 3>& r) {
            return r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
        };
        x = {0.0, 0.0, 0.0};
        const double dx[3] = {1e-6, 1e-6 / h, 1e-6 / h};
        for (int stufe = 1; stufe <= kLaststufen; ++stufe) {
            const double l = static_cast<double>(stufe) / kLaststufen;
            const Kraefte Z{E.N * l, E.My * l, E.Mz * l};
            std::array<double, 3> r = rest(x, Z);
            int it = 0;
            for (; it < kNewton && norm(r) > 1e-20; ++it) {
                double J[3][3];
                for (int j = 0; j < 3; ++j) {
                    std::array<double, 3> xp = x, xm = x;
                    xp[j] += dx[j];
                    xm[j] -= dx[j];
                    const auto rp = rest(xp, Z);
                    const auto rm = rest(xm, Z);
                    for (int i = 0; i < 3; ++i) {
                        J[i][j] = (rp[i] - rm[i]) / (2.0 * dx[j]);
                    }
                }
                std::array<double, 3> d{};
                if (!Loesen(J, r, d)) {
                    return kNichtKonvergiert;
                }
                double schritt = 1.0;
                const double alt = norm(r);
                std::array<double, 3> xn = x;
                std::array<double, 3> rn = r;
                for (int k = 0; k < 30; ++k) {
                    for (int i = 0; i < 3; ++i) {
                        xn[i] = x[i] - schritt * d[i];
                    }
                    rn = rest(xn, Z);
                    if (norm(rn) < alt) {
                        break;
                    }
                    schritt /= 2.0;
                }
                if (norm(rn) >= alt) {
                    break;
                }
                x = xn;
                r = rn;
            }
            if (norm(r) > 1e-16) {
                return kNichtKonvergiert;
            }
        }
        return kOk;
    }

    // Forces of the plane eps = eps0 + κz·u − κy·v.
    Kraefte Innen(double As, const std::array<double, 3>& x) const {
        const double gu = x[2];
        const double gv = -x[1];
        const double g = std::hypot(gu, gv);
        if (g < 1e-14) {
            const Profil p(S.q, 0.0, 1.0);
            return S.Summe(p, As, Ebene{x[0], 0.0});
        }
        const Profil p(S.q, gu / g, gv / g);
        return S.Summe(p, As, Ebene{x[0], g});
    }

private:
    static bool Loesen(double J[3][3], const std::array<double, 3>& r, std::array<double, 3>& d) {
        double a[3][4];
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) {
                a[i][j] = J[i][j];
            }
            a[i][3] = r[i];
        }
        for (int c = 0; c < 3; ++c) {
            int piv = c;
            for (int i = c + 1; i < 3; ++i) {
                if (std::fabs(a[i][c]) > std::fabs(a[piv][c])) {
                    piv = i;
                }
            }
            if (std::fabs(a[piv][c]) < 1e-300) {
                return false;
            }
            for (int j = 0; j < 4; ++j) {
                std::swap(a[c][j], a[piv][j]);
            }
            for (int i = 0; i < 3; ++i) {
                if (i != c) {
                    const double f = a[i][c] / a[c][c];
                    for (int j = c; j < 4; ++j) {
                        a[i][j] -= f * a[c][j];
                    }
                }
            }
        }
        for (int i = 0; i < 3; ++i) {
            d[i] = a[i][3] / a[i][i];
        }
        return true;
    }

    const Schnitt& S;
};

int Fehler(MasqueAusgabe& a, int status, const std::string& text) {
    a.status = status;
    a.text = "Bemessung mit Längskraft: " + text;
    return status;
}

// Strains and depths of the plane eps = eps0 + κz·u − κy·v into the result.
void Dehnungen(const Schnitt& S, double As, const std::array<double, 3>& x, MasqueAusgabe& a) {
    auto eps = [&](double u, double v) { return x[0] + x[2] * u - x[1] * v; };
    double lo = kUnendlich, hi = -kUnendlich;
    for (const Punkt& p : S.q.ecken) {
        lo = std::min(lo, eps(p.u, p.v));
        hi = std::max(hi, eps(p.u, p.v));
    }
    double st = -kUnendlich;
    for (const Stab& s : S.staebe) {
        st = std::max(st, eps(s.u, s.v));
    }
    // Depth of the compression zone across the neutral axis.
    const double g = std::hypot(x[2], x[1]);
    double hoehe = S.q.oben - S.q.unten;
    double tiefe = x[0] < 0.0 ? hoehe : 0.0;
    if (g > 1e-14) {
        double sMax = -kUnendlich, sMin = kUnendlich;
        for (const Punkt& p : S.q.ecken) {
            const double s = -(x[2] * p.u - x[1] * p.v) / g; // towards compression
            sMax = std::max(sMax, s);
            sMin = std::min(sMin, s);
        }
        hoehe = sMax - sMin;
        tiefe = std::max(0.0, sMax - x[0] / g);
    }
    a.e[0] = static_cast<float>(hoehe > 0.0 ? tiefe / hoehe : 0.0);
    a.e[1] = static_cast<float>(x[1] * 100.0);
    a.e[2] = static_cast<float>(x[2] * 100.0);
    a.e[3] = static_cast<float>(lo);
    a.e[4] = static_cast<float>(hi);
    a.e[5] = static_cast<float>(As >= 0.0 ? st : 0.0);
    a.e[6] = static_cast<float>(tiefe);
}

} // namespace

int CalcBEMEMASQUE(int /*trace*/, int sia, const MasqueEingabe& ein, MasqueAusgabe& aus) {
    aus = MasqueAusgabe{};
    std::string text;
    const int norm = NormPruefen(ein.iNorm, ein.iNorm == 6 ? ein.NormVariante : 0, text);
    if (norm != kOk) {
        return Fehler(aus, norm, text);
    }
    if (sia != 0) {
        return Fehler(aus, kNormNicht, "die Regeln der SIA werden nicht unterstützt");
    }
    if (ein.Modus != 1 && ein.Modus != 2) {
        return Fehler(aus, kVarianteNicht,
                      "Modus " + std::to_string(ein.Modus) +
                          " wird nicht unterstützt (1 Bemessung, 2 Nachrechnung)");
    }
    if (ein.iKurven != 0) {
        return Fehler(aus, kVarianteNicht,
                      "eigene Spannungs-Dehnungs-Linien werden nicht unterstützt");
    }
    Schnitt S;
    S.beton.fcd = ein.fcd;
    S.beton.epsC2 = std::fabs(ein.epsC2);
    S.beton.epsCu = std::fabs(ein.epsCu);
    S.beton.n = ein.nPar;
    S.stahl.fyd = ein.fyd;
    S.stahl.epsYd = std::fabs(ein.epsYd);
    S.stahl.epsSu = std::fabs(ein.epsSu);
    // Negations, so that a value that is not a number fails them too.
    if (!(S.beton.fcd > 0.0) || !(S.beton.epsC2 > 0.0) || !(S.beton.epsCu >= S.beton.epsC2) ||
        !(S.beton.n >= 1.0 && S.beton.n <= 2.5) || !(S.stahl.fyd > 0.0) || !(S.stahl.epsYd > 0.0) ||
        !(S.stahl.epsSu >= S.stahl.epsYd) ||
        !std::isfinite(S.beton.fcd + S.beton.epsCu + S.stahl.fyd + S.stahl.epsSu)) {
        return Fehler(aus, kEingabe,
                      "Baustoffwerte ungültig (fcd " + Zahl(S.beton.fcd) + ", epsC2 " +
                          Zahl(S.beton.epsC2) + ", epsCu " + Zahl(S.beton.epsCu) + ", n " +
                          Zahl(S.beton.n) + ", fyd " + Zahl(S.stahl.fyd) + ", epsYd " +
                          Zahl(S.stahl.epsYd) + ", epsSu " + Zahl(S.stahl.epsSu) + ")");
    }
    // Forces and search limits that are not finite numbers would leave the search
    // without a result ("not converged"), which callers answer with another attempt.
    if (!std::isfinite(ein.N) || !std::isfinite(ein.My) || !std::isfinite(ein.Mz)) {
        return Fehler(aus, kEingabe,
                      "Schnittgrößen N " + Zahl(ein.N) + " / My " + Zahl(ein.My) + " / Mz " +
                          Zahl(ein.Mz) + " sind keine endlichen Zahlen");
    }
    if (ein.Modus == 1 && !(ein.grenze > 0.0f && ein.grenze <= kGrenzeMax)) {
        return Fehler(aus, kEingabe,
                      "Grenze des Bewehrungsgrads " + Zahl(ein.grenze) +
                          " % liegt nicht über 0 und höchstens bei 100 %");
    }
    if (ein.Modus == 1 && !(ein.schritt >= 0.0f && std::isfinite(ein.schritt))) {
        return Fehler(aus, kEingabe, "Schrittweite " + Zahl(ein.schritt) + " ist keine Zahl ab 0");
    }
    double d[10] = {};
    for (int i = 1; i <= 9; ++i) {
        d[i] = ein.d[i - 1];
    }
    if (ein.iQuer != 1 && ein.iQuer != 2 && ein.iQuer != 6 && ein.iQuer != 7) {
        return Fehler(aus, kFormNicht,
                      "Querschnittsform iQuer = " + std::to_string(ein.iQuer) +
                          " wird nicht unterstützt (nur Rechteck 1, Plattenbalken 2, 6-Eck 6, "
                          "Kreis 7)");
    }
    int st = UmrissBauen(ein.iQuer, d, S.q, text);
    if (st == kOk) {
        st = StaebeBauen(ein.iQuer, ein.iAnordnung, S.q, ein.d1y, ein.d2y, ein.d1z, ein.d2z,
                         S.staebe, text);
    }
    if (st != kOk) {
        return Fehler(aus, st, text);
    }
    const Kraefte E{ein.N, ein.My, ein.Mz};
    const Loeser L(S);
    Grenzzustand g;

    if (ein.Modus == 2) {
        const double As = static_cast<double>(ein.c1) + ein.c2;
        if (!(As >= 0.0) || !std::isfinite(As)) {
            return Fehler(aus, kEingabe,
                          "Bewehrung c1 + c2 = " + Zahl(As) + " ist negativ oder keine Zahl");
        }
        aus.As = static_cast<float>(As);
        st = L.Ausnutzung(As, E, g);
        if (st != kOk) {
            return Fehler(aus, st, "Nulllinienlage nicht gefunden");
        }
        aus.wert2 = static_cast<float>(g.eta);
        if (!g.innen || g.eta > 1.0) {
            return Fehler(aus, kNichtBemessbar,
                          "die Schnittgrößen übersteigen die Tragfähigkeit (Ausnutzung " +
                              Zahl(g.eta) + ")");
        }
        std::array<double, 3> x{};
        if (L.Gleichgewicht(As, E, x) != kOk) {
            return Fehler(aus, kNichtKonvergiert, "Gleichgewichtslage nicht gefunden");
        }
        Dehnungen(S, As, x, aus);
        return kOk;
    }

    // Design: the least reinforcement whose utilisation stays within 1 / faktor.
    const double grenze = ein.faktor > 0.0 ? 1.0 / ein.faktor : 1.0;
    const double schritt = std::max(static_cast<double>(ein.schritt), 1e-3);
    const double AsMax = std::max(static_cast<double>(ein.grenze), 0.0) / 100.0 * S.q.A;
    auto reicht = [&](double As, Grenzzustand& z, int& status) {
        status = L.Ausnutzung(As, E, z);
        return status == kOk && z.innen && z.eta <= grenze;
    };
    double lo = 0.0, hi = AsMax;
    if (reicht(0.0, g, st)) {
        hi = 0.0;
    } else {
        if (st != kOk) {
            return Fehler(aus, st,
                          "Nulllinienlage bei Schrittweite " + Zahl(schritt) + " nicht gefunden");
        }
        Grenzzustand gHi;
        if (!reicht(AsMax, gHi, st)) {
            if (st != kOk) {
                return Fehler(aus, st,
                              "Nulllinienlage bei Schrittweite " + Zahl(schritt) +
                                  " nicht gefunden");
            }
            return Fehler(aus, kNichtBemessbar,
                          "auch " + Zahl(ein.grenze) +
                              " % Bewehrung der Querschnittsfläche reichen nicht aus");
        }
        g = gHi;
        while (hi - lo > schritt) {
            const double m = (lo + hi) / 2.0;
            if (!(m > lo && m < hi)) {
                // Neighbouring numbers: areas this large resolve no finer than the step.
                break;
            }
            Grenzzustand z;
            if (reicht(m, z, st)) {
                hi = m;
                g = z;
            } else {
                if (st != kOk) {
                    return Fehler(aus, st,
                                  "Nulllinienlage bei Schrittweite " + Zahl(schritt) +
                                      " nicht gefunden");
                }
                lo = m;
            }
        }
    }
    aus.As = static_cast<float>(hi);
    aus.wert2 = static_cast<float>(g.eta);
    // The plane of the boundary state (in u, v).
    const double c = std::cos(g.theta), s = std::sin(g.theta);
    const std::array<double, 3> x{g.e.a, -g.e.b * s, g.e.b * c};
    Dehnungen(S, hi, x, aus);
    return kOk;
}
