// Deep slip line check of the anchored wall: the straight line from near the wall foot to
// the anchor's point of force transfer, its segments by layer and the weight and the loads
// above each segment. The forces of the check follow in C1ZirfCalc_Ankerkraft.cpp.

#include "model/C1ZirfCalc.h"

#include "analysis/EingabeFehler.h"
#include "base/Trace.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

const char* const kModul = "C1ZirfCalc::CalcTiefeGleitfuge";
// The lower end lies this share of the embedment per percent of fixity above the foot.
constexpr double kFixityTeiler = 300.0;
// Anchor type of an anchor slab (tie rod); every other type is a grouted anchor.
constexpr int kAnkertafel = 1;
constexpr double kMaxNeigung = 90.0;
// Pieces of the line thinner than this are no segment of their own.
constexpr double kMinHoehe = 1e-9;

struct Punkt {
    double x;
    double y;
};

// The part of a convex polygon below (unterhalb) or above the horizontal at depth grenze.
std::vector<Punkt> Schneide(const std::vector<Punkt>& p, double grenze, bool unterhalb) {
    const auto innen = [&](const Punkt& q) { return unterhalb ? q.y >= grenze : q.y <= grenze; };
    std::vector<Punkt> r;
    for (std::size_t k = 0; k < p.size(); ++k) {
        const Punkt& a = p[k];
        const Punkt& b = p[(k + 1) % p.size()];
        if (innen(a)) {
            r.push_back(a);
        }
        if (innen(a) != innen(b)) {
            const double s = (grenze - a.y) / (b.y - a.y);
            r.push_back({a.x + s * (b.x - a.x), grenze});
        }
    }
    return r;
}

} // namespace

void C1ZirfCalc::PruefeEingabeTGF() const {
    const C1ZirfInput& in = *pInput;
    if (!(std::fabs(in.ankerneigung) < kMaxNeigung)) {
        EingabeFehler("geom", "ankerneigung", "muss zwischen -90 und 90 Grad liegen", kModul);
    }
    if (!(in.ankerabstand > 0.0)) {
        EingabeFehler("geom", "ankerabstand", "muss positiv sein", kModul);
    }
    if (in.typ == kAnkertafel) {
        if (!(in.ankertafel_b >= 0.0 && in.ankertafel_b <= in.ankerabstand)) {
            EingabeFehler("mate anker", "ankertafel_b",
                          "muss zwischen 0 und dem Ankerabstand (geom ankerabstand) liegen",
                          kModul);
        }
        if (!(in.ankertafel_l >= 0.0)) {
            EingabeFehler("mate anker", "ankertafel_l", "darf nicht negativ sein", kModul);
        }
    } else if (!(in.lv > 0.0)) {
        EingabeFehler("mate anker", "lv", "(Verpresslänge) muss positiv sein", kModul);
    }
    if (in.typ == 0) {
        if (!(in.qsk > 0.0)) {
            EingabeFehler("mate anker", "qsk", "(Mantelreibung) muss positiv sein", kModul);
        }
        if (!(in.d_vk > 0.0)) {
            EingabeFehler("mate anker", "d_vk",
                          "(Durchmesser des Verpresskörpers) muss positiv sein", kModul);
        }
    } else if (!(in.qsk1 > 0.0)) {
        EingabeFehler("mate anker", "qsk1", "(Widerstand des Ankers) muss positiv sein", kModul);
    }
}

int C1ZirfCalc::SchichtBis(double y) const {
    for (int i = 0; i < iLetzteSchicht; ++i) {
        if (Schicht[i].yu >= y) {
            return i;
        }
    }
    return iLetzteSchicht;
}

void C1ZirfCalc::SetzeGleitfuge() {
    const C1ZirfInput& in = *pInput;
    // Points on the wall lie on its line x = tan(wand_neigung)·depth.
    const double tanWand = std::tan(in.wand_neigung / GradFaktor);
    const double alphaA = in.ankerneigung / GradFaktor;
    xAnkerkopf = tanWand * yAnker;
    yAnkerkopf = yAnker;
    const double z = t - (t - in.wand_hw) * einspannung / kFixityTeiler;
    xFussTGF = tanWand * z;
    yFussTGF = z;

    tafelLichtweite = lvAnker = 0.0;
    if (in.typ == kAnkertafel) {
        // The slab's middle; the line then moves back towards the wall by half the clear
        // distance of the slabs, through which the soil can pass.
        tafelLichtweite = in.ankerabstand - in.ankertafel_b;
        xAnkerpunkt = xAnkerkopf + std::cos(alphaA) * in.ankerlaenge;
        yAnkerpunkt =
            std::tan(alphaA) * (xAnkerpunkt - xAnkerkopf) + yAnkerkopf + in.ankertafel_l / 2.0;
        const double theta = std::atan2(yFussTGF - yAnkerpunkt, xAnkerpunkt - xFussTGF);
        xAnkerpunkt -= tafelLichtweite / 2.0;
        yAnkerpunkt += std::tan(theta) * tafelLichtweite / 2.0;
    } else {
        // The middle of the grouted length.
        lvAnker = in.lv;
        const double s = in.ankerlaenge - in.ankerspitze - lvAnker / 2.0;
        if (!(s > 0.0)) {
            EingabeFehler("geom", "ankerlaenge",
                          "reicht nicht über die Ankerspitze (geom ankerspitze) und die halbe "
                          "Verpresslänge (mate anker lv) hinaus: die Mitte der Verpressstrecke "
                          "läge vor der Wand",
                          kModul);
        }
        xAnkerpunkt = s * std::cos(alphaA) + xAnkerkopf;
        yAnkerpunkt = s * std::sin(alphaA) + yAnkerkopf;
    }
    if (!(xAnkerpunkt > xFussTGF)) {
        EingabeFehler("geom", "ankerlaenge",
                      "ist zu kurz: der Ankerpunkt der tiefen Gleitfuge liegt nicht hinter der "
                      "Wand",
                      kModul);
    }
    if (!(yAnkerpunkt < yFussTGF)) {
        EingabeFehler("geom", "ankerneigung",
                      "ist zu steil: der Ankerpunkt liegt nicht über dem Fußpunkt der tiefen "
                      "Gleitfuge, die Gleitfuge steigt nicht an",
                      kModul);
    }
    thetaTGF = std::atan2(yFussTGF - yAnkerpunkt, xAnkerpunkt - xFussTGF);
    xErsatzwand = xAnkerpunkt;
    yErsatzwandOben =
        yGelaende - (xAnkerpunkt - xGelaende) * std::tan(in.gela_neigung / GradFaktor);
    if (!(yAnkerpunkt > yErsatzwandOben)) {
        EingabeFehler("geom", "ankerneigung",
                      "führt den Ankerpunkt der tiefen Gleitfuge über das Gelände "
                      "(geom gela_neigung)",
                      kModul);
    }
    iSchichtFuss = SchichtBis(t);
    iSchichtAnkerpunkt = SchichtBis(yAnkerpunkt);
    iSchichtFussTGF = SchichtBis(yFussTGF);
    TracePrintf("\nTGF: Fuss x %6.3f  y %6.3f  Ankerpunkt x %6.3f  y %6.3f  theta %6.2f", xFussTGF,
                yFussTGF, xAnkerpunkt, yAnkerpunkt, thetaTGF * GradFaktor);
}

double C1ZirfCalc::GewichtTGF(double xl, double yl, double xr, double yr) {
    const double tanBeta = std::tan(pInput->gela_neigung / GradFaktor);
    const auto gelaende = [&](double x) { return yGelaende - (x - xGelaende) * tanBeta; };
    // The soil between the two verticals, from the terrain down to the slip line, cut into
    // one piece per layer; the first layer with weight reaches up to the terrain.
    const std::vector<Punkt> saeule = {{xl, gelaende(xl)}, {xr, gelaende(xr)}, {xr, yr}, {xl, yl}};
    double G = 0.0;
    for (int n = iErsteSchicht; n <= iLetzteSchicht && Schicht[n].yo < yl; ++n) {
        const C1Schicht& s = Schicht[n];
        std::vector<Punkt> stueck = Schneide(saeule, s.yu, false);
        if (n != iErsteSchicht) {
            stueck = Schneide(stueck, s.yo, true);
        }
        if (stueck.size() < 3) {
            continue;
        }
        polygon.SetAnzahl(0);
        for (std::size_t k = 0; k < stueck.size(); ++k) {
            polygon.AddPunkt(stueck[k].x, stueck[k].y);
            TracePrintf("\nk %d   u %6.3f   v %6.3f", static_cast<int>(k), stueck[k].x,
                        stueck[k].y);
        }
        polygon.CalcFlaeche();
        const double A = std::fabs(polygon.GetFlaeche());
        // The unit weight with which the earth pressure on the wall takes the layer.
        const double gamma = s.gammaEff;
        TracePrintf("\nA %6.3f  gamma %6.3f  G %6.1f", A, gamma, A * gamma);
        G += A * gamma;
    }
    return G;
}

double C1ZirfCalc::BermeGewichtTGF(double xl, double xr) const {
    const C1ZirfInput& in = *pInput;
    if (in.mitberme != 1) {
        return 0.0;
    }
    // The berm's thickness grows from 0 at its toe to berme_dicke where its slope meets its
    // top and stays there: its area from the toe to x.
    const double d = in.berme_dicke;
    const double rampe = std::max(xBermeFuss - xBerme, 0.0);
    const auto flaeche = [&](double x) {
        if (x <= xBerme) {
            return 0.0;
        }
        if (x < xBerme + rampe) {
            return d * (x - xBerme) * (x - xBerme) / (2.0 * rampe);
        }
        return d * rampe / 2.0 + d * (x - xBerme - rampe);
    };
    return (flaeche(xr) - flaeche(xl)) * in.berme_gamma;
}

double C1ZirfCalc::LastenTGF(int zeile, double xl, double xr) const {
    const C1ZirfInput& in = *pInput;
    double summe = lastAktiv[zeile] * (xr - xl);
    if (zeile == 0) {
        return summe; // the soil's own row carries no bounded load
    }
    // A bounded load belongs to the row of its own load case.
    for (int j = 0; j < in.nBlocklast; ++j) {
        const C1ZirfInput::SBlocklast& b = in.blocklast.at(static_cast<std::size_t>(j));
        const double ueberdeckt = std::min(xr, b.x + b.b) - std::max(xl, b.x);
        if (b.lf == zeile && ueberdeckt > 0.0) {
            summe += ueberdeckt * b.v;
        }
    }
    for (int j = 0; j < in.nLinienlast; ++j) {
        const C1ZirfInput::SLinienlast& l = in.linienlast.at(static_cast<std::size_t>(j));
        if (l.lf == zeile && l.x >= xl && l.x < xr) {
            summe += l.v;
        }
    }
    return summe;
}

void C1ZirfCalc::CalcAbschnitteTGF(const KombiFaktoren& f) {
    nAbschnitte = 0;
    for (Abschnitte* a : {&GBoden, &GStaendig, &GVeraenderlich, &Kohaesion, &phiAbschnitt,
                          &xAbschnitt, &yAbschnitt, &dAG, &dAQ}) {
        a->Clear();
    }
    const double tanTheta = std::tan(thetaTGF);
    double x = xAnkerpunkt;
    double y = yAnkerpunkt;
    for (int i = 0; i <= iLetzteSchicht && Schicht[i].yo < yFussTGF; ++i) {
        const C1Schicht& s = Schicht[i];
        if (s.yu < yAnkerpunkt) {
            continue;
        }
        const bool amFuss = yFussTGF <= s.yu || i == iLetzteSchicht;
        // A segment ends only where the friction angle or the cohesion changes.
        if (!amFuss && Schicht[i + 1].phi == s.phi && Schicht[i + 1].coh == s.coh) {
            continue;
        }
        const double dy = (amFuss ? yFussTGF : s.yu) - y;
        if (!(dy > kMinHoehe)) {
            continue; // a layer boundary right at the running point
        }
        const double dx = dy / tanTheta;
        const int k = nAbschnitte;
        Kohaesion[k] = dy * s.coh;
        phiAbschnitt[k] = s.phi;
        xAbschnitt[k] = x - dx;
        yAbschnitt[k] = y + dy;
        GBoden[k] = GewichtTGF(x - dx, y + dy, x, y) + BermeGewichtTGF(x - dx, x);
        GStaendig[k] = GVeraenderlich[k] = GBoden[k];
        // The loads on the segment: permanent ones in the permanent set, and every load of
        // the combination in the variable set where it acts unfavourably (phi below the
        // slip line's rise).
        const bool ungunstig = s.phi / GradFaktor < thetaTGF;
        for (int r = 0; r < nLastfaelle; ++r) {
            if (!(f.F(r) > 0.0)) {
                continue;
            }
            const double last = LastenTGF(r, x - dx, x);
            if (std::max(1, r) == 1) {
                GStaendig[k] += last;
            }
            if (ungunstig) {
                GVeraenderlich[k] += last;
            }
        }
        x -= dx;
        y += dy;
        ++nAbschnitte;
        if (amFuss) {
            break;
        }
    }
    if (nAbschnitte == 0) {
        EingabeFehler("geom", "ankerlaenge",
                      "ergibt keine tiefe Gleitfuge: zwischen Ankerpunkt und Fußpunkt liegt kein "
                      "Boden",
                      kModul);
    }
}

int C1ZirfCalc::CalcTiefeGleitfuge() {
    const C1ZirfInput& in = *pInput;
    PruefeEingabeTGF();
    nLastfaelle = in.iLetzterLastfall + 2;
    // The check is made for the load state of the greatest anchor force: its factors weigh
    // the loads on the slip body and on the substitute wall.
    const KombiFaktoren bisher = kombiFaktoren;
    const KombiFaktoren f =
        massgebend.AK < zustaende.size()
            ? FaktorenVon(KombinationVon(massgebend.AK), zustaende[massgebend.AK])
            : KombiFaktoren::Parse(in.kombi.at(static_cast<std::size_t>(iMassgebend)).regel);
    kombiFaktoren = f;
    SetzeGleitfuge();
    CalcAbschnitteTGF(f);
    CalcWandseiteTGF(f);
    CalcAvorhTGF();

    // The substitute anchor wall through the upper end of the line.
    E1hG = E1hQ = E1vG = E1vQ = 0.0;
    status = ClearErgebnisseTGF();
    status = CalcBeiwerteTGF();
    status = CalcErddruckAktivTGF(0);
    if (in.mitberme == 1) {
        status = CalcBermeTGF();
    }
    status = CalcKombiTGF(f);
    kombiFaktoren = bisher;
    TracePrintf("\nTGF: Wand EhG %7.1f  EvG %7.1f  EhQ %7.1f  EvQ %7.1f  Ersatzwand E1hG %7.1f  "
                "E1hQ %7.1f",
                sumEhG, sumEvG, sumEhQ, sumEvQ, E1hG, E1hQ);
    status = CalcTGFKraefte();
    CalcAmoeglTGF();
    return CalcAnkerkraft();
}
