#include "model/C1ZirfCalc.h"

#include "earthpressure/Resultante.h"
#include "model/C1ZirfInput.h"

#include <cmath>
#include <iterator>

namespace {

// The member of a record that a position names; a position past the record is a shown
// error naming the record.
template <class Record, std::size_t N>
double Record::*FeldAn(double Record::*const (&felder)[N], std::size_t k, const char* name) {
    if (k >= N) {
        ThrowTabellenGrenze(name, static_cast<long long>(k), N);
    }
    return felder[k];
}

} // namespace

double C1Spreizung::*C1Spreizung::Feld(std::size_t k) {
    using S = C1Spreizung;
    static constexpr double S::*felder[] = {&S::von, &S::bis, &S::eo,  &S::eu, &S::E,
                                            &S::yE,  &S::eov, &S::euv, &S::Ev, &S::frei};
    return FeldAn(felder, k, "C1Spreizung");
}

double C1VerdichtungSchicht::*C1VerdichtungSchicht::Feld(std::size_t k) {
    using V = C1VerdichtungSchicht;
    static constexpr double V::*felder[] = {&V::eoV1, &V::euV1, &V::eoV2, &V::euV2,
                                            &V::EV1,  &V::yV1,  &V::EV2,  &V::yV2};
    return FeldAn(felder, k, "Verdichtung");
}

C1ZirfCalc::C1ZirfCalc(C1ZirfInput* input, C1Traeger* traeger) : pInput(input), pTraeger(traeger) {}

int C1ZirfCalc::CalcBodenmodell() {
    status = InitSchichten();
    InitGeometrie();
    status = ClearErgebnisse();
    status = CalcBeiwerte();
    status = CalcErddruckAktiv(0);
    status = CalcErdwiderstand(0);
    if (pInput->mitberme == 1) {
        status = CalcBerme();
    }
    status = CalcWasserdruck();
    return status;
}

int C1ZirfCalc::CalcLastenBeiTiefe(double tiefe) {
    t = tiefe;
    if (t > Schicht[iLetzteSchicht].yu) {
        ExtendLetzteSchicht();
    }
    CalcWasserdruckFuss(0);
    iSchichtFuss = iLetzteSchicht;
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        if (Schicht[i].yu >= t) {
            iSchichtFuss = i;
            break;
        }
    }
    iSchichtFussAktiv = iSchichtFuss;
    status = CalcGleitlinie();
    status = CalcReibungslinie();
    for (int j = 0; j < pInput->nBlocklast; ++j) {
        status = CalcBlocklast(j);
    }
    for (int j = 0; j < pInput->nLinienlast; ++j) {
        status = CalcLinienlast(j);
    }
    return 1;
}

double C1ZirfCalc::Interpolate(double x1, double y1, double x2, double y2, double y) {
    if (y2 - y1 == 0.0) {
        return x1;
    }
    return x1 + (x2 - x1) * (y - y1) / (y2 - y1);
}

int C1ZirfCalc::EinwirkungVonLastfall(int lastfall) const {
    const int n = pInput->iLetzterLastfall + 1;
    for (int k = 0; k < n && k < C1ZirfInput::kMaxLastfall; ++k) {
        if (pInput->lastfallLf[static_cast<std::size_t>(k)] == lastfall) {
            return pInput->lastfallEinw[static_cast<std::size_t>(k)];
        }
    }
    return -1;
}

namespace {

const C1Beiwertsatz kSatzWand = {
    &C1Schicht::thetaA, &C1Schicht::kagh,  &C1Schicht::kaph,         &C1Schicht::kach,
    &C1Schicht::kahm,   &C1Schicht::k0gh,  &C1Schicht::k0ph,         &C1Schicht::k0p,
    &C1Schicht::kpgh,   &C1Schicht::kpph,  &C1Schicht::kpch,         &C1Schicht::keilH,
    &C1Schicht::keilV,  &C1Schicht::cA,    &C1Schicht::cP,           &C1Schicht::tanA,
    &C1Schicht::tanM,   &C1Schicht::tanP,  &C1Schicht::mindestdruck, &C1Schicht::xGleit,
    &C1Schicht::yGleit, &C1Schicht::xReib, &C1Schicht::yReib,        &C1Schicht::yo,
    &C1Schicht::sigmaA,
};

const C1Beiwertsatz kSatzErsatzwand = {
    &C1Schicht::thetaATGF,       &C1Schicht::kaghT,     &C1Schicht::kaphT,
    &C1Schicht::kachT,           &C1Schicht::kahmT,     &C1Schicht::k0ghT,
    &C1Schicht::k0phT,           &C1Schicht::k0pT,      &C1Schicht::kpghT,
    &C1Schicht::kpphT,           &C1Schicht::kpchT,     &C1Schicht::keilHT,
    &C1Schicht::keilVT,          &C1Schicht::cAT,       &C1Schicht::cPT,
    &C1Schicht::tanAT,           &C1Schicht::tanMT,     &C1Schicht::tanPT,
    &C1Schicht::mindestdruckTGF, &C1Schicht::xGleitTGF, &C1Schicht::yGleitTGF,
    &C1Schicht::xReibTGF,        &C1Schicht::yReibTGF,  &C1Schicht::yoTGF,
    &C1Schicht::sigmaATGF,
};

// Tolerance below the bottom of a layer within which the walk to the far edge of a block
// load still counts the meeting point as inside the layer.
constexpr double kToleranzZ3 = 0.0001;

} // namespace

const C1Beiwertsatz& C1ZirfCalc::SatzWand() {
    return kSatzWand;
}

const C1Beiwertsatz& C1ZirfCalc::SatzErsatzwand() {
    return kSatzErsatzwand;
}

C1ErddruckLauf C1ZirfCalc::Lauf() {
    C1ErddruckLauf l{kSatzWand,
                     &ErgAktiv,
                     &ErgBerme,
                     &ErgBermeUnten,
                     &ErgBlockOben,
                     &ErgBlockUnten,
                     &BlockSchicht,
                     &ErgLinie,
                     &LinieSchicht,
                     &Blocklast,
                     &Ausbreitung,
                     &C1ZirfCalc::xGleitEnde,
                     &C1ZirfCalc::yGleitEnde,
                     &C1ZirfCalc::xReibEnde,
                     &C1ZirfCalc::yReibEnde};
    l.xStart = std::tan(pInput->wand_neigung / GradFaktor) * t;
    l.yStart = t;
    l.schichtStart = iSchichtFuss;
    if (iErsteSchicht >= 0) {
        l.hoeheErsteSchicht = Schicht[iErsteSchicht].yWand - yGelaende;
    }
    // A load at or below the foot, or in the last layer, does not act on the wall.
    l.yLastGrenze = t;
    if (iLetzteSchicht >= 1) {
        l.yLastGrenze = std::min(t, Schicht[iLetzteSchicht - 1].yu);
    }
    l.toleranzZ3 = kToleranzZ3;
    return l;
}

C1ErddruckLauf C1ZirfCalc::LaufTGF() {
    C1ErddruckLauf l{kSatzErsatzwand,
                     &ErgAktivTGF,
                     &ErgBermeTGF,
                     &ErgBermeUntenTGF,
                     &ErgBlockObenTGF,
                     &ErgBlockUntenTGF,
                     &BlockSchichtTGF,
                     &ErgLinieTGF,
                     &LinieSchichtTGF,
                     &BlocklastTGF,
                     &AusbreitungTGF,
                     &C1ZirfCalc::xGleitEndeTGF,
                     &C1ZirfCalc::yGleitEndeTGF,
                     &C1ZirfCalc::xReibEndeTGF,
                     &C1ZirfCalc::yReibEndeTGF};
    l.ersatzwand = true;
    l.xErsatzwand = xAnkerpunkt;
    l.xStart = xAnkerpunkt;
    l.yStart = yAnkerpunkt;
    l.schichtStart = iSchichtAnkerpunkt;
    // The ground at the substitute wall lies tan β·x_E higher than at the wall.
    if (iErsteSchicht >= 0) {
        l.hoeheErsteSchicht = std::tan(pInput->gela_neigung / GradFaktor) * xAnkerpunkt +
                              Schicht[iErsteSchicht].dicke;
    }
    l.yLastGrenze = yAnkerpunkt;
    l.toleranzZ3 = 0.0;
    l.blockBisFuss = false;
    l.fallendUnterSteigend = false;
    l.bermeMitWandreibung = false;
    l.trace = false;
    return l;
}

// --- Geometry helpers ----------------------------------------------------------------------

double C1ZirfCalc::YOben(int i) const {
    return (i == 0 || i == iErsteSchicht) ? yGelaende : Schicht[i - 1].yWand;
}

double C1ZirfCalc::XOben(int i) const {
    return (i == 0 || i == iErsteSchicht) ? xGelaende : Schicht[i - 1].xWand;
}

double C1ZirfCalc::WandX(int i, double y) const {
    const double xo = XOben(i);
    const double xu = Schicht[i].xWand;
    if (xo == xu) {
        return xo;
    }
    return Interpolate(xo, YOben(i), xu, Schicht[i].yWand, y);
}

void C1ZirfCalc::WandGerade(int i, double& a, double& b, double& c) {
    const C1Schicht& s = Schicht[i];
    if (gerade.SetPunkte(XOben(i), YOben(i), s.xWand, s.yWand) < 0) {
        // A layer without height (the extension layer before the foot reaches it): the
        // wall continues with its inclination through the layer's wall point.
        gerade.SetPunkte(s.xWand, s.yWand, s.xWand + std::tan(pInput->wand_neigung / GradFaktor),
                         s.yWand + 1.0);
    }
    a = gerade.GetA();
    b = gerade.GetB();
    c = gerade.GetC();
}

double C1ZirfCalc::Modus(double aktiv, double ruhe) const {
    const int m = pInput->nwstand;
    const double p = pInput->erhstand / 100.0;
    if (m == 0) {
        return aktiv;
    }
    if (m == 1) {
        return p * aktiv + (1.0 - p) * ruhe;
    }
    return ruhe;
}

double C1ZirfCalc::YOben(const C1ErddruckLauf& lauf, int i) const {
    return lauf.ersatzwand && i == iErsteSchicht ? Schicht[i].yoTGF : YOben(i);
}

void C1ZirfCalc::SetzeResultante(C1SchichtErgebnis& e, int i, double eo, double eu, double tanA) {
    SetzeResultante(e, i, eo, eu, tanA, YOben(i));
}

void C1ZirfCalc::SetzeResultante(C1SchichtErgebnis& e, int i, double eo, double eu, double tanA,
                                 double yo) {
    const double xo = XOben(i);
    const double xu = Schicht[i].xWand, yu = Schicht[i].yWand;
    trapez.CalcViereck(xo, yo, eo, yo, xu, yu, eu, yu);
    const ResultanteHorizontal r = ResultanteMitVorzeichen(trapez, yo, eo, yu, eu);
    e.Eh = r.Eh;
    e.yE = r.yE;
    SetzeNeigung(e, tanA);
    e.xE = Interpolate(xo, yo, xu, yu, e.yE);
}

void C1ZirfCalc::SetzeTrapez(C1SchichtErgebnis& e, int i, double tanA) {
    e.eov = e.eoh * tanA;
    e.euv = e.euh * tanA;
    SetzeTrapezResultante(trapez, e, e.abt, e.bist, e.eoh, e.euh, tanA);
    e.xE = WandX(i, e.yE);
}
