// The retained side of the wall at a trial depth t: every active pressure figure cut at
// the foot, routed by load case and action into the sums that the iterations steer by.

#include "model/C1ZirfCalc.h"

#include "analysis/Verdrehung.h"
#include "base/Trace.h"
#include "earthpressure/Resultante.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// A whole layer counts as lying below the anchor within this tolerance.
constexpr double kAnkerToleranz = 0.001;
// Actions numbered below this are permanent.
constexpr int kErsteVeraenderlicheEinwirkung = 2;
// Load cases 0 (soil weight with the first surcharge case) and 1 are permanent.
constexpr int kErsterVeraenderlicherLastfall = 2;
// `nwstand` from this value on takes the compaction figure at rest (2) for the active one
// (1).
constexpr int kNwstandRuhedruck = 2;

} // namespace

bool C1ZirfCalc::MitAnker() const {
    return pInput->mitanker != 0;
}

double C1ZirfCalc::FaktorLastfall(int lf) const {
    return FaktorLastfall(kombiFaktoren, lf);
}

double C1ZirfCalc::FaktorLastfall(const KombiFaktoren& f, int lf) const {
    if (MitAnker() && lf < kErsterVeraenderlicherLastfall) {
        return gammaG;
    }
    return f.F(lf);
}

bool C1ZirfCalc::IstStaendigerLastfall(int lfNummer) const {
    // Looked up by the load case's number; a number the list does not name counts as
    // permanent.
    return EinwirkungVonLastfall(lfNummer) < kErsteVeraenderlicheEinwirkung;
}

C1WandDaten::Routing C1ZirfCalc::RoutingErddruck(int lc) const {
    return lc < kErsterVeraenderlicherLastfall ? Routing::Staendig : Routing::Veraenderlich;
}

C1WandDaten::Routing C1ZirfCalc::RoutingLast(int lf, bool spreizung) const {
    if (spreizung && MitAnker()) {
        return Routing::Staendig;
    }
    return IstStaendigerLastfall(lf) ? Routing::Staendig : Routing::Veraenderlich;
}

C1WandDaten::FussStueck C1ZirfCalc::BisFuss(double y1, double y2, double e1, double e2) {
    FussStueck s;
    if (!(y1 < t) || !(y2 > y1)) {
        return s;
    }
    // The figure keeps its own range; only a part reaching below the foot is cut there,
    // with its ordinate taken at the foot.
    const Teilfigur teil = FigurBis(y1, y2, e1, e2, t);
    s.y1 = y1;
    s.y2 = std::min(y2, t);
    s.e1 = e1;
    s.e2 = teil.eUnten;
    s.Eh = teil.Eh;
    s.yE = teil.yE;
    return s;
}

C1WandDaten::FussStueck C1ZirfCalc::VerdichtungBisFuss(int i) {
    const C1VerdichtungSchicht& v = Verdichtung[i];
    const C1Schicht& s = Schicht[i];
    const bool ruhe = pInput->nwstand >= kNwstandRuhedruck;
    const double eo = ruhe ? v.eoV2 : v.eoV1;
    const double eu = ruhe ? v.euV2 : v.euV1;
    if (i == iSchichtFuss) {
        // In the foot layer only the part above the foot acts on the wall.
        return BisFuss(s.yo, s.yu, eo, eu);
    }
    FussStueck st;
    st.y1 = s.yo;
    st.y2 = s.yu;
    st.e1 = eo;
    st.e2 = eu;
    st.Eh = ruhe ? v.EV2 : v.EV1;
    st.yE = ruhe ? v.yV2 : v.yV1;
    return st;
}

double C1ZirfCalc::AufTiefe(int i, double eOben, double eUnten, double y) const {
    const double d = Schicht[i].dicke;
    if (d <= 0.0) {
        return eOben;
    }
    return eOben + (eUnten - eOben) * (y - Schicht[i].yo) / d;
}

C1WandDaten::FussFigurErgebnis C1ZirfCalc::FussFigur(int F, double y1, double y2, double e1,
                                                     double e2) {
    trapez.CalcViereck(WandX(F, y1), y1, e1, y1, WandX(F, y2), y2, e2, y2);
    FussFigurErgebnis r;
    r.Eh = trapez.GetFlaeche();
    r.yE = trapez.GetSchwerpunktY();
    r.xE = WandX(F, r.yE);
    return r;
}

void C1ZirfCalc::ResetWandSummen() {
    // A new trial depth: the water and the passive side are evaluated anew.
    wasserBeitrag.gueltig = passivBeitrag.gueltig = false;
    momentLf.Clear();
    kraftLf.Clear();
    vertikalLf.Clear();
    vertikalBeitraege.clear();
    for (int i = 0; i <= iLetzteSchicht; ++i) {
        Schicht[i].kraftVar.Clear();
        Schicht[i].momentVar.Clear();
        Schicht[i].momentFussVar.Clear();
        Schicht[i].verdrehungVar.Clear();
    }
    if (MitAnker()) {
        verdrehungLf.Clear();
        momentFussLf.Clear();
        return;
    }
    eMax = 0.0;
}

void C1ZirfCalc::ResetKombinationsSummen() {
    SM = SC = 0.0;
    verdichtungMassgebend.fill(false);
    summeEphFuss = 0.0;
    SMP = SummeQuerkraefte_passiv = 0.0;
    momentWasser = momentWasserD = 0.0;
    if (MitAnker()) {
        SMFuss = SwF = 0.0;
        momentVarD = verdrehungVarD = 0.0;
        verdrehungWasser = verdrehungWasserD = 0.0;
        return;
    }
    summeEhk = SMA = SMP = 0.0;
}

void C1ZirfCalc::AddWandBeitrag(const WandBeitrag& b) {
    C1Schicht& s = Schicht[b.schicht];
    vertikalLf[b.lf] += b.Ev;
    if (b.Ev != 0.0) {
        vertikalBeitraege.push_back(b);
    }
    if (!MitAnker()) {
        const double M = b.Eh * (t - b.yE);
        if (b.routing == Routing::Staendig) {
            momentLf[b.lf] += M;
            kraftLf[b.lf] += b.Eh;
        } else {
            s.momentVar[b.lf] += M;
            s.kraftVar[b.lf] += b.Eh;
        }
        return;
    }
    const double r = CalcVerdrehung(b.typ, b.y1, b.y2, b.e1, b.e2);
    const double M = b.Eh * (b.yE - yAnker);
    const double MFuss = b.Eh * (t - b.yE);
    if (b.routing == Routing::Staendig) {
        // Each load case carries one design factor, whichever sum it enters: the
        // combination of a load state applies it.
        verdrehungLf[b.lf] += r;
        momentLf[b.lf] += M;
        momentFussLf[b.lf] += MFuss;
        kraftLf[b.lf] += b.Eh;
    } else {
        s.verdrehungVar[b.lf] += r;
        s.momentVar[b.lf] += M;
        s.momentFussVar[b.lf] += MFuss;
        s.kraftVar[b.lf] += b.Eh;
    }
}

namespace {

// Collects the contributions of the retained side at one trial depth.
class AktivSeite {
public:
    explicit AktivSeite(C1ZirfCalc& calc)
        : c(calc), in(*calc.pInput), anker(calc.MitAnker()), F(calc.iSchichtFuss),
          nSchichten(calc.iLetzteSchicht + 1) {}

    void Erddruck();
    void Berme();
    void Blocklasten();
    void Linienlasten();
    void Kopflasten();

private:
    using Routing = C1ZirfCalc::Routing;
    using WandBeitrag = C1ZirfCalc::WandBeitrag;

    // Rotation type of a whole layer: below the anchor or above it.
    int Typ(int i) const {
        return c.yAnker <= c.Schicht[i].yo + kAnkerToleranz ? verdrehung::kUnterAnker
                                                            : verdrehung::kUeberAnker;
    }
    // A whole-layer figure of layer i from its record; the rotation range y1..y2.
    WandBeitrag Schichtbeitrag(int lf, int i, Routing routing, const C1SchichtErgebnis& e,
                               double y1, double y2) const {
        return {lf, i, routing, e.Eh, e.yE, e.Ev, Typ(i), y1, y2, e.eoh, e.euh};
    }
    // The soil's figure of layer F from the top of the layer (e1) to the trial depth (e2).
    WandBeitrag Fussbeitrag(int lf, Routing routing, double e1, double e2) {
        const double y1 = c.Schicht[F].yo;
        // The foot figure is left in the trapezoid; its resultant keeps its sign.
        c.FussFigur(F, y1, c.t, e1, e2);
        const ResultanteHorizontal r = ResultanteMitVorzeichen(c.trapez, y1, e1, c.t, e2);
        xE = c.WandX(F, r.yE);
        return Fussbeitrag(lf, routing, {y1, c.t, e1, e2, r.Eh, r.yE});
    }
    // A figure of the foot layer F over the range y1..y2 that it covers above the foot.
    WandBeitrag Fussbeitrag(int lf, Routing routing, const C1WandDaten::FussStueck& s) {
        // Without anchor every foot figure counts for the drawing scale; anchored only
        // those of the soil and the surcharges (see Erddruck).
        if (!anker) {
            c.eMax = std::max(c.eMax, s.e2);
        }
        return {lf,   F,    routing, s.Eh, s.yE, s.Eh * c.Schicht[F].tanA, verdrehung::kUnterAnker,
                s.y1, s.y2, s.e1,    s.e2};
    }
    // A bounded record of the foot layer (its own range abt..bist) cut at the foot.
    void AddFuss(int lf, Routing routing, const C1SchichtErgebnis& e, const char* format, int ie) {
        const C1WandDaten::FussStueck s = c.BisFuss(e.abt, e.bist, e.eoh, e.euh);
        if (!s.Leer()) {
            Add(Fussbeitrag(lf, routing, s), format, ie);
        }
    }
    // Adds a contribution; without anchor writes the trace line of the wall's moments.
    void Add(const WandBeitrag& b, const char* format, int nummer) {
        c.AddWandBeitrag(b);
        if (anker || format == nullptr) {
            return;
        }
        const double hebel = c.t - b.yE;
        const double summe = b.routing == Routing::Staendig ? c.momentLf[b.lf]
                                                            : c.Schicht[b.schicht].momentVar[b.lf];
        TracePrintf(format, nummer, b.Eh, hebel, b.Eh * hebel, summe);
    }
    void Verteilung(const C1SpreizungLast& zeilen, int j, int lf);

    C1ZirfCalc& c;
    const C1ZirfInput& in;
    const bool anker;
    const int F;
    const int nSchichten;
    double xE = 0.0; // wall x at the resultant of the latest foot figure
};

void AktivSeite::Erddruck() {
    for (int lf = 0; lf < c.nLastfaelle; ++lf) {
        const Routing routing = c.RoutingErddruck(lf);
        for (int i = 0; i < F; ++i) {
            const C1SchichtErgebnis& e = c.ErgAktiv[lf * nSchichten + i];
            const WandBeitrag b =
                Schichtbeitrag(lf, i, routing, e, c.Schicht[i].yo, c.Schicht[i].yu);
            c.AddWandBeitrag(b);
            if (!anker) {
                const double hebel = c.t - e.yE;
                TracePrintf("\nSMA: i %2d lf %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f", i, lf,
                            e.Eh, hebel, e.Eh * hebel, c.momentLf[lf]);
            }
        }
        const C1SchichtErgebnis& e = c.ErgAktiv[lf * nSchichten + F];
        const double e1 = e.eoh;
        const double e2 = c.AufTiefe(F, e.eoh, e.euh, c.t);
        const WandBeitrag b = Fussbeitrag(lf, routing, e1, e2);
        c.eMax = std::max(c.eMax, e2);

        const double tanA = c.Schicht[F].tanA;
        C1SchichtErgebnis& fuss = c.ErgLastfall[lf];
        fuss.eoh = e1;
        fuss.eov = e1 * tanA;
        fuss.euh = e2;
        fuss.euv = e2 * tanA;
        fuss.Eh = b.Eh;
        fuss.yE = b.yE;
        fuss.Ev = b.Ev;
        fuss.xE = xE;
        fuss.Eges = std::sqrt(b.Eh * b.Eh + b.Ev * b.Ev);
        Add(b, "\nSMA: WU: i %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f", lf);
    }
}

void AktivSeite::Berme() {
    if (in.mitberme != 1) {
        return;
    }
    for (int i = 0; i < F; ++i) {
        c.AddWandBeitrag(Schichtbeitrag(0, i, Routing::Staendig, c.ErgBerme[i], c.Schicht[i].yo,
                                        c.Schicht[i].yu));
        c.AddWandBeitrag(Schichtbeitrag(0, i, Routing::Staendig, c.ErgBermeUnten[i],
                                        c.Schicht[i].yo, c.Schicht[i].yu));
    }
    AddFuss(0, Routing::Staendig, c.ErgBerme[F], nullptr, 0);
    AddFuss(0, Routing::Staendig, c.ErgBermeUnten[F], nullptr, 0);
}

void AktivSeite::Verteilung(const C1SpreizungLast& zeilen, int j, int lf) {
    const Routing routing = c.RoutingLast(lf, true);
    for (int i = c.iErsteSchicht; i < F; ++i) {
        const C1Spreizung& z = zeilen[j * nSchichten + i];
        c.AddWandBeitrag(
            {lf, i, routing, z.E, z.yE, z.E * c.Schicht[i].tanA, Typ(i), z.von, z.bis, z.eo, z.eu});
    }
    const C1Spreizung& z = zeilen[j * nSchichten + F];
    const C1WandDaten::FussStueck s = c.BisFuss(z.von, z.bis, z.eo, z.eu);
    if (!s.Leer()) {
        Add(Fussbeitrag(lf, routing, s), nullptr, 0);
    }
}

void AktivSeite::Blocklasten() {
    for (int j = 0; j < in.nBlocklast; ++j) {
        const int lf = in.blocklast.at(static_cast<std::size_t>(j)).lf;
        const Routing routing = c.RoutingLast(lf, false);
        for (int i = 0; i < F; ++i) {
            const int ie = j * nSchichten + i;
            const C1SchichtErgebnis& o = c.ErgBlockOben[ie];
            Add(Schichtbeitrag(lf, i, routing, o, o.abt, o.bist),
                "\nSMA: BloW: ie %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f", ie);
            const C1SchichtErgebnis& u = c.ErgBlockUnten[ie];
            Add(Schichtbeitrag(lf, i, routing, u, u.abt, u.bist),
                "\nSMA: BluW: ie %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f", ie);
        }
        const int ie = j * nSchichten + F;
        AddFuss(lf, routing, c.ErgBlockOben[ie],
                "\nSMA: BloW: ie %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f", ie);
        AddFuss(lf, routing, c.ErgBlockUnten[ie],
                "\nSMA: BluW: ie %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f", ie);
        Verteilung(c.BlockSchicht, j, lf);
    }
}

void AktivSeite::Linienlasten() {
    for (int j = 0; j < in.nLinienlast; ++j) {
        const int lf = in.linienlast.at(static_cast<std::size_t>(j)).lf;
        const Routing routing = c.RoutingLast(lf, false);
        const char* format = routing == Routing::Staendig
                                 ? "\nSMA: ELW: ie %2d Eh %6.2f  y %6.2f  M %6.2f  SMA %6.2f"
                                 : "\nSchM: ELW: ie %2d Eh %6.2f  y %6.2f  M %6.2f  SchM %6.2f";
        for (int i = 0; i < F; ++i) {
            const int ie = j * nSchichten + i;
            const C1SchichtErgebnis& e = c.ErgLinie[ie];
            Add(Schichtbeitrag(lf, i, routing, e, e.abt, e.bist), format, ie);
        }
        const int ie = j * nSchichten + F;
        AddFuss(lf, routing, c.ErgLinie[ie], format, ie);
        Verteilung(c.LinieSchicht, j, lf);
    }
}

void AktivSeite::Kopflasten() {
    for (int k = 0; k < in.nKopflast; ++k) {
        const C1ZirfInput::SKopflast& last = in.kopflast.at(static_cast<std::size_t>(k));
        const int lf = last.lf;
        // Depth of the load's level: the wall head, or the anchor (strut) level.
        const double ys = last.stelle == 0 ? 0.0 : in.tiefe_anker;
        c.kraftLf[lf] += last.h;
        c.vertikalLf[lf] += last.v;
        if (last.v != 0.0) {
            c.vertikalBeitraege.push_back(
                {lf, 0, Routing::Staendig, last.h, ys, last.v, verdrehung::kPunktlast, ys, ys});
        }
        if (!anker) {
            // Moments about the foot in the sense of the beam: h at the lever t - ys, and m.
            c.momentLf[lf] += last.h * (c.t - ys) + last.m;
            continue;
        }
        const double r = verdrehung::Punktlast(c.yAnker, c.t, ys, last.h) +
                         verdrehung::Moment(c.yAnker, c.t, last.m);
        c.momentLf[lf] += last.h * (ys - c.yAnker) - last.m;
        c.verdrehungLf[lf] += r;
        c.momentFussLf[lf] += last.h * (c.t - ys) + last.m;
    }
}

} // namespace

void C1ZirfCalc::CalcWandlastenAktiv() {
    status = CalcLastenBeiTiefe(t);
    AktivSeite seite(*this);
    seite.Erddruck();
    seite.Berme();
    seite.Blocklasten();
    seite.Linienlasten();
    seite.Kopflasten();
}

void C1ZirfCalc::SammleWandlasten() {
    ResetWandSummen();
    CalcWandlastenAktiv();
}

void C1ZirfCalc::KombiniereWandlasten() {
    // The passive side leaves its own foot layer there; the retained side's is the same
    // layer, the one holding t.
    iSchichtFuss = iSchichtFussAktiv;
    ResetKombinationsSummen();
    CalcWandlastenPassiv();
}

void C1ZirfCalc::CalcWandlasten() {
    SammleWandlasten();
    KombiniereWandlasten();
}
