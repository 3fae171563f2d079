#pragma once

#include "earthpressure/C1ErddruckBeiwerte.h"
#include "model/Bemessungslinie.h"
#include "model/C1Gerade.h"
#include "model/C1Polygon.h"
#include "model/C1Schicht.h"
#include "model/C1SchichtErgebnis.h"
#include "model/C1Schnittpunkt.h"
#include "model/C1TGFDaten.h"
#include "model/C1Tabelle.h"
#include "model/C1Trapez.h"
#include "model/C1WandDaten.h"
#include "model/ZirfGrenzen.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class C1ZirfInput;
class C1Traeger;

// Per-load working record of a bounded load (block or line load).
struct C1LastRecord {
    int schicht = -1; // layer of the load's base; -1 while unset
    double xAnfang = 0.0;
    double xEnde = 0.0;
    double hAnteil = 0.0; // share of the horizontal force acting on the wall
    double vVorn = 0.0;   // share of the vertical load in front of the wall line
    double hVorn = 0.0;   // share of the horizontal force in front of the wall line
    double frei[4] = {};
};

// Spread figure of a horizontal force in one layer: ten values, also read by position.
struct C1Spreizung {
    double von = 0.0;  // 0: depth where the figure begins
    double bis = 0.0;  // 1: depth where it ends
    double eo = 0.0;   // 2: ordinate at the top
    double eu = 0.0;   // 3: ordinate at the bottom
    double E = 0.0;    // 4: resultant
    double yE = 0.0;   // 5: depth of the resultant
    double eov = 0.0;  // 6: vertical ordinates and resultant
    double euv = 0.0;  // 7
    double Ev = 0.0;   // 8
    double frei = 0.0; // 9

    double& operator[](std::size_t k) { return this->*Feld(k); }
    double operator[](std::size_t k) const { return this->*Feld(k); }
    static double C1Spreizung::*Feld(std::size_t k);
};

// Compaction earth pressure of one layer: two figures, ordinates at top and bottom and
// their resultant with its depth (eight values, also read by position).
struct C1VerdichtungSchicht {
    double eoV1 = 0.0; // 0
    double euV1 = 0.0; // 1
    double eoV2 = 0.0; // 2
    double euV2 = 0.0; // 3
    double EV1 = 0.0;  // 4
    double yV1 = 0.0;  // 5
    double EV2 = 0.0;  // 6
    double yV2 = 0.0;  // 7

    double& operator[](std::size_t k) { return this->*Feld(k); }
    double operator[](std::size_t k) const { return this->*Feld(k); }
    static double C1VerdichtungSchicht::*Feld(std::size_t k);
};

using C1LastfallTabelle = C1Tabelle<double, zirf::kMaxLastfaelle>;
using C1ErgebnisJeLastfall = C1Tabelle<C1SchichtErgebnis, zirf::kMaxLastfaelle>;
using C1ErgebnisJeSchicht = C1Tabelle<C1SchichtErgebnis, zirf::kMaxSchichten>;
using C1ErgebnisAktiv = C1Tabelle<C1SchichtErgebnis, zirf::kMaxLastfaelle * zirf::kMaxSchichten>;
using C1ErgebnisLast = C1Tabelle<C1SchichtErgebnis, zirf::kMaxLasten * zirf::kMaxSchichten>;
using C1SpreizungLast = C1Tabelle<C1Spreizung, zirf::kMaxLasten * zirf::kMaxSchichten>;
using C1LastRecords = C1Tabelle<C1LastRecord, zirf::kMaxLastRecords>;

// Which coefficient set of the layers an earth-pressure run reads and which layer
// fields receive its results: the main run on the wall or the run on the substitute
// wall of the deep slip line check.
struct C1Beiwertsatz {
    double C1Schicht::*thetaA;
    double C1Schicht::*kagh;
    double C1Schicht::*kaph;
    double C1Schicht::*kach;
    double C1Schicht::*kahm;
    double C1Schicht::*k0gh;
    double C1Schicht::*k0ph;
    double C1Schicht::*k0p;
    double C1Schicht::*kpgh;
    double C1Schicht::*kpph;
    double C1Schicht::*kpch;
    double C1Schicht::*keilH;
    double C1Schicht::*keilV;
    double C1Schicht::*cA;
    double C1Schicht::*cP;
    double C1Schicht::*tanA;
    double C1Schicht::*tanM;
    double C1Schicht::*tanP;
    int C1Schicht::*mindestdruck;
    double C1Schicht::*xGleit;
    double C1Schicht::*yGleit;
    double C1Schicht::*xReib;
    double C1Schicht::*yReib;
    // The run's layer top and overburden at the layer bottom.
    double C1Schicht::*yo;
    double C1Schicht::*sigmaA;
};

class C1ZirfCalc;

// One earth-pressure run: the context that lets one operation serve both the wall and
// the substitute wall of the deep slip line check. It names the coefficient set, the
// result tables and the few rules in which the two runs differ.
struct C1ErddruckLauf {
    C1Beiwertsatz satz;
    C1ErgebnisAktiv* aktiv;
    C1ErgebnisJeSchicht* berme;
    C1ErgebnisJeSchicht* bermeUnten;
    C1ErgebnisLast* blockOben;
    C1ErgebnisLast* blockUnten;
    C1SpreizungLast* blockSchicht;
    C1ErgebnisLast* linie;
    C1SpreizungLast* linieSchicht;
    C1LastRecords* blocklast;
    C1LastRecords* ausbreitung;
    double C1ZirfCalc::*xGleitEnde;
    double C1ZirfCalc::*yGleitEnde;
    double C1ZirfCalc::*xReibEnde;
    double C1ZirfCalc::*yReibEnde;

    // The substitute wall: a vertical line at xErsatzwand (deep slip line run only).
    bool ersatzwand = false;
    double xErsatzwand = 0.0;
    // Where the slip and friction lines start and the layer that holds that point.
    double xStart = 0.0;
    double yStart = 0.0;
    int schichtStart = 0;
    // Height over which the first weighted layer adds its weight to the overburden.
    double hoeheErsteSchicht = 0.0;
    // Bounded loads act only when their base lies above this depth.
    double yLastGrenze = 0.0;
    // Tolerance below the layer bottom in the walk to the far edge of a block load.
    double toleranzZ3 = 0.0;
    // The vertical figure of a block load ends at the foot depth t.
    bool blockBisFuss = true;
    // A falling block part is written only when it reaches below the rising one.
    bool fallendUnterSteigend = true;
    // Wall friction in the berm's inclined-terrain coefficient.
    bool bermeMitWandreibung = true;
    bool trace = true;
};

// The calculation object of one run: the layer table with its coefficients, the earth-
// and water-pressure figures per layer and load case, the state of the embedment
// iteration and the results that the report and the pictures read. All calculation
// methods are members and hand their results to each other through its members.
//
// Tables are checked on every access: input beyond the limits of the model ends the run
// with a shown error naming the limit.
class C1ZirfCalc : public C1WandDaten, public C1TGFDaten {
public:
    // A line along the wall: one value per sampling point (or per beam load case).
    using Linie = std::array<double, zirf::kMaxLastfaelle>;

    C1ZirfCalc(C1ZirfInput* input, C1Traeger* traeger);

    // --- The soil model of a run, in the order of the run sequence --------------------
    // Builds the layer table, the excavation geometry, the coefficients and every earth-
    // and water-pressure figure of the run (InitSchichten up to CalcWasserdruck).
    // Returns the status of the last phase (CalcWasserdruck).
    int CalcBodenmodell();

    // Layer table and excavation geometry.
    int InitSchichten();
    void InitGeometrie();
    int ClearSchichten();
    int CalcBeiwerte();
    int CalcBeiwerteTGF();
    int ExtendLetzteSchicht();
    int ClearErgebnisse();
    int ClearErgebnisseTGF();
    static int CompareSchichtTiefe(const void* a, const void* b);
    // Refuses input that the model cannot calculate or would misread (called by
    // InitSchichten); raises C1Exception naming the element and attribute.
    void PruefeEingabe() const;
    // Refuses a layer without weight (or with a negative one) below the ground, where it
    // would stand for air inside the soil (called by InitGeometrie once the unit weights
    // of both sides are known).
    void PruefeWichten() const;

    // Compaction earth pressure.
    void ClearVerdichtung();
    int CalcVerdichtung();
    int CalcVerdichtungSchichten();

    // Active and passive earth pressure and berm.
    int CalcErddruckAktiv(int);
    int CalcErddruckAktivTGF(int);
    int CalcErdwiderstand(int);
    int CalcBerme();
    int CalcBermeTGF();
    static double Interpolate(double x1, double y1, double x2, double y2, double y);

    // Slip and friction lines, block and line loads at the current foot depth t.
    int CalcGleitlinie();
    int CalcReibungslinie();
    int CalcBlocklast(int jj);
    int CalcLinienlast(int jj);
    int CalcGleitlinieTGF();
    int CalcReibungslinieTGF();
    int CalcBlocklastTGF(int jj);
    int CalcLinienlastTGF(int jj);
    // Sets the trial foot depth t and evaluates what depends on it before the loads are
    // summed: extends the last layer, the water figure at the foot, the foot layer, the
    // slip and friction lines, every block load and every line load. Returns 1.
    int CalcLastenBeiTiefe(double tiefe);

    // Redistribution of the active pressure above the excavation (anchored wall).
    int CalcUmlagerung(int variante);
    int CalcUmlagerungBlock(int);
    // Ordinates of a redistributed figure by anchor depth (three ranges), top and bottom.
    using UmlagerungsFigur = std::array<std::array<double, 2>, 3>;
    // Excess water pressure.
    int CalcWasserdruck();
    int CalcWasserdruckFuss(int);

    // Record indexes of the result tables.
    int IndexAktiv(int lastfall, int schicht) const {
        return lastfall * (iLetzteSchicht + 1) + schicht;
    }
    int IndexPassiv(int lastfall, int schicht) const {
        return lastfall * (iLetzteSchicht - iSchichtUnten + 1) + (schicht - iSchichtUnten);
    }
    int IndexLast(int last, int schicht) const { return last * (iLetzteSchicht + 1) + schicht; }
    // The wall's x at depth y inside layer i (linear between the layer's wall points).
    double WandX(int i, double y) const;
    // Action number einw of a load case; -1 when the input names no such load case.
    int EinwirkungVonLastfall(int lastfall) const;

    // --- Wall analysis (its own members are those of C1WandDaten) ---------------------------
    // Both embedment passes of the run: checks the input the analysis needs, then iterates
    // every "STR,GEO" combination and then the governing one alone. Returns 1, or 2 when an
    // iteration diverged.
    int CalcWand();
    int CalcEinbindetiefe();
    int CalcEinbindetiefeAnker(double einspannung);
    // How a foot depth is found: designed, iterated from a given depth without rounding, or
    // taken as given.
    enum class Tiefenmodus { Bemessung, Iteration, Nachweis };
    // The anchored wall's depth with fixity e (per cent) in that mode: t, deltaTZuschlag and
    // the governing state; 2 when the iteration diverged.
    int TiefeAnker(double e, Tiefenmodus modus);
    // The fixity a checked depth provides: the largest (not below eEingabe) whose designed
    // wall that depth holds; -1 when it is shorter than the design with eEingabe needs.
    double EinspannungAusTiefe(double eEingabe, double gegeben);
    // The load states of the run's design combinations (zustaende): every one where they
    // are few, else each combination's permanent loads and each variable load case alone.
    void BildeLastzustaende();
    // The number of load states of the design combinations, 2^n for n variable load cases.
    double AnzahlZustaende() const;
    // The state of combination k without the variable load cases of the bits `ohne`: its
    // index, added to the run's states when it is not among them yet.
    std::size_t Materialisiere(std::size_t k, std::uint64_t ohne);
    // Refuses, before the calculation, the load states that are too many to compute one
    // by one where the run needs them one by one; ZuVieleZustaende names the numbers, the
    // reason and the limit.
    void PruefeZustandsumfang() const;
    [[noreturn]] void ZuVieleZustaende(const std::string& grund) const;
    // Counts `arbeit` load states combined; the progress moves every so many.
    void Fortschritt(std::size_t arbeit);
    const C1Bemessungskombination& KombinationVon(std::size_t z) const;
    // The one name of load state z in every report: that of the first design combination
    // that gives it with all its variable load cases ("LK 2"), else of the first that
    // gives it at all ("LK 1 ohne Lf 3", "LK 1 ständig"). States are equal when their load
    // cases and factors are; a state's name so does not depend on which combination the
    // calculation took it from.
    std::string ZustandText(std::size_t z) const;
    // The other names the same state has: each further design combination that gives it.
    std::vector<std::string> ZustandGleichNamen(std::size_t z) const;
    // The load cases of state z with their factors, by load-case number.
    std::vector<std::pair<int, double>> ZustandFaktoren(std::size_t z) const;
    // Whether the depth's state cannot stand at the depth found while another state not yet
    // left out of the search can.
    bool ZustandOhneHalt() const;
    // The states the depth is sought for: all but those that cannot stand (ohneTiefe).
    std::vector<std::size_t> AlleZustaende() const;
    // Takes the factors and the target rotation of load state z for the next combination.
    void SetzeZustand(std::size_t z);
    // What keeps the state just combined from holding at t (below 0: it holds): without
    // anchor the design moment about the foot, anchored the foot force of a free foot or
    // the rotation sum beyond its target; and its utilisation.
    double Ueberschuss() const;
    double AusnutzungZustand() const;
    // The load states of a trial depth: whether all hold, the one furthest from holding,
    // the most utilised and its utilisation.
    struct Bewertung {
        bool gesetzt = false;
        bool sicher = false;
        double ueberschuss = 0.0;
        std::size_t kritisch = 0;
        double ausnutzung = 0.0;
        std::size_t hoechstAusgenutzt = 0;
    };
    Bewertung BewerteZustaende(const std::vector<std::size_t>& auswahl);
    // Every state of every combination at the current depth, each combination from its
    // permanent loads and the share of each of its variable load cases where the states'
    // sums are linear in them (BewerteLinear), else state by state.
    Bewertung BewerteAlleKombinationen();
    Bewertung BewerteLinear(std::size_t k);
    // Whether every state of design combination k takes the same choice of the larger-of
    // rule (variable loads or compaction) in every layer at the current depth.
    bool GleicheVerdichtungswahl(std::size_t k);
    // Moves the trial depth from `start` until every state of `auswahl` holds, to within
    // `toleranz`, in design mode (`bemessung`) then closed on the safe side; `massgebend`
    // becomes the state that needs the deepest foot, whose sums at t the object keeps.
    // Returns 1, or 2 when the iteration diverged.
    int IteriereZustaende(const std::vector<std::size_t>& auswahl, double start, double toleranz,
                          bool bemessung, std::size_t& massgebend);
    // A given depth: every state evaluated there, `massgebend` the most utilised.
    Bewertung PruefeZustaende(const std::vector<std::size_t>& auswahl, double tiefe,
                              std::size_t& massgebend);
    // A partly fixed foot: every state's free foot (its depth and the target share of its
    // rotation), and the shares of the load cases at the governing state's free foot.
    int FreieFuesse();
    void AnteileFreierFuss(std::size_t z);
    int CalcKombi(int art);
    // The layers' larger-of share of the support force split into its load cases and its
    // compaction (lever of the design passive resultant about the anchor).
    void VerkehrVerdichtungAufteilen(double hebel);
    // Lever about the anchor of the design passive resultant down to the foot; the given
    // one where the passive side has no force.
    double HebelPassivAnker(double ersatz) const;
    double CalcVerdrehung(int type, double a, double b, double c, double d);
    int CalcDurchbiegung();
    int CalcDurchbiegungAnker();
    void CalcTraegerLasten();
    void CalcTraegerLastenZusatz();
    // The retained side's loads as the iteration took them, with its design factors: beam
    // load case 1 holds every load, case 2 the permanent ones (tr's loads are replaced).
    void CalcTraegerLastenBemessung(C1Traeger& tr);
    // A copy of the set-up beam carrying those design loads, solved.
    C1Traeger BemessungsTraeger();
    // The larger-of rule's choice in each layer over the load states (verdichtungWahl).
    void VerdichtungswahlDerZustaende();
    int CalcSchnittgroessen();
    int CalcSchnittgroessenAnker();
    void ClearSchnittgroessen();
    void TestTraeger();
    // Evaluation of the wall loads at a trial depth.
    bool MitAnker() const;
    // The design factor with which the iteration takes every load of load case lf, under
    // the factors of the combination being iterated or under those of f.
    double FaktorLastfall(int lf) const;
    double FaktorLastfall(const KombiFaktoren& f, int lf) const;
    // Whether the input load case of this number belongs to a permanent action.
    bool IstStaendigerLastfall(int lfNummer) const;
    // How the iteration sums a contribution: earth pressure by its load case lc; a bounded
    // load of load case lf by its action (the spread rows of the anchored wall per load
    // case).
    Routing RoutingErddruck(int lc) const;
    Routing RoutingLast(int lf, bool spreizung) const;
    // An ordinate pair of layer i carried to depth y.
    double AufTiefe(int i, double eOben, double eUnten, double y) const;
    // The part of a bounded figure y1..y2 (ordinates e1, e2) above the foot depth t.
    FussStueck BisFuss(double y1, double y2, double e1, double e2);
    // The compaction figure of layer i (at or above the foot layer) that the wall takes: the
    // active one, or the one at rest by the water-level mode, cut at the foot in the foot
    // layer.
    FussStueck VerdichtungBisFuss(int i);
    // The figure of the foot layer F from (y1, e1) to (y2, e2) on the wall line.
    FussFigurErgebnis FussFigur(int F, double y1, double y2, double e1, double e2);
    // The sums of a trial depth that no factor enters (per load case and layer) ...
    void ResetWandSummen();
    // ... and those that the combination of one load state forms from them.
    void ResetKombinationsSummen();
    void AddWandBeitrag(const WandBeitrag& b);
    void CalcWandlastenAktiv();
    void CalcWandlastenPassiv();
    // Runs `rechne` (the water or the passive side of a trial depth) once per depth and
    // keeps what it adds to the sums; later load states at that depth add the same.
    void ZustandsfreierBeitrag(Zustandsfrei& beitrag, const std::function<void()>& rechne);
    // A trial depth t: the loads of the retained side collected per load case and layer
    // (SammleWandlasten), then combined with the factors kombiFaktoren of one load state,
    // with the water and the passive side (KombiniereWandlasten). Several load states at
    // one depth collect once and combine each.
    void SammleWandlasten();
    void KombiniereWandlasten();
    void CalcWandlasten();
    void SetBeiwerteIteration();
    void UmlagerungAnker();
    void PruefeEingabeWand() const;
    // Internal forces.
    double PunktX(int p) const;
    // Design normal force at depth y; with mitAnkerkraft the anchor's vertical component
    // counts below the anchor.
    double NormalkraftBei(double y, bool mitAnkerkraft) const;
    // Characteristic weight of h metres of wall, kN/m.
    double Wandgewicht(double h) const;
    // The share of the passive side's pressure on the wall that lies above the depth y.
    double PassivAnteilOberhalb(double y) const;
    // The vertical force of the passive figures down to the foot (upward negative): the
    // wall friction of the whole passive side at the current depth, before any share of it
    // is mobilised.
    double PassivVertikal() const;
    // The vertical force with which the substitute force C (horizontal, toward the
    // excavation positive) of the wall without anchor acts on the wall at its foot.
    double FussKraftVertikal(double ersatzkraft) const;
    // The most of the passive side's design resistance a load state mobilises: its design
    // share eta_p/gep (a designed wall: up to the beam's rounding of it).
    double AnteilGrenze() const;
    // Per load case the tables, reactions and MChar (every load) of the solved beam.
    void SchnittgroessenAktiv(int s1, int s2);
    // Tables and reactions of the solved passive side.
    void SchnittgroessenPassiv(int s1, int s2, bool traceJePunkt);
    // Per load state at the current depth: the factors of the design beam's components
    // (the object ends in the governing state again).
    std::vector<std::vector<double>> KoeffizientenJeZustand();
    // The factors of the design beam's components in the state just combined.
    std::vector<double> Koeffizienten() const;
    // Keeps each state's design line: on a copy of the design beam `bemessung` and of the
    // solved passive side (the beam of the run as it stands), that mobilised by the state's
    // share `anteil`; which states stand (with the anchor force at support `ankerAuflager`
    // of an anchored wall); the families (none where the shares are not `linear` in the
    // load cases); then the design lines at the points.
    void SetzeBemessungJeZustand(const C1Traeger& bemessung,
                                 const std::vector<std::vector<double>>& koeff,
                                 const std::vector<double>& anteil, const char* format,
                                 int ankerAuflager = 0, bool linear = true);
    // The envelope of the states' design lines at beam position x: the greatest and the
    // least moment and shear; of the shear at the end of span `feld` (just below the
    // support that ends it).
    struct Huelle {
        double max = 0.0;
        double min = 0.0;
    };
    Huelle MHuelle(double x) const;
    Huelle QHuelle(double x) const;
    // Both at x at once: the moment's first.
    std::pair<Huelle, Huelle> MQHuelle(double x) const;
    Huelle QEndeHuelle(int feld) const;
    // Whether load case lc (its earth pressure and every load of that number) acts in
    // load state z; beam load case lc + 1 of the characteristic beam. The compaction case
    // above them acts in every state.
    bool WirktInZustand(std::size_t z, int lc) const;
    // MChar of the characteristic loads of state z, with the passive side mobilised by
    // `anteil` (see MCharMitPassiv).
    void MCharZustand(std::size_t z, double anteil);
    // Per load state at the built depth its vertical forces: its factors, its anchor force
    // (ankerkraftZustand), its share of the passive side (anteilPassivZustand) and, without
    // anchor, its substitute force at the foot.
    void VertikalJeZustand();
    // The state (index into vertikalZustaende) of the least normal force at the foot: the
    // one the check of the vertical forces takes.
    std::size_t MassgebenderVertikalzustand() const;
    // The design normal force at depth y in the vertical forces of one state, and the one
    // of the largest magnitude of all states (its state in *zustand).
    double NormalkraftBei(double y, bool mitAnkerkraft, const Vertikalzustand& v) const;
    double NormalkraftBei(const Vertikalanteile& a, bool mitAnkerkraft,
                          const Vertikalzustand& v) const;
    Vertikalanteile VertikalanteileBei(double y) const;
    // The vertical forces of the state the object is in.
    Vertikalzustand VertikalzustandJetzt() const;
    // The normal force at depth y of greatest magnitude over the states, and its state. Where
    // the state of the moment there (`zustandM`) has the same force, the force is given to
    // it, so that a row of M and N names one state where one state gives both.
    double NormalkraftHuelle(double y, bool mitAnkerkraft, std::size_t* zustand = nullptr,
                             std::size_t zustandM = kKeinZustand) const;
    static constexpr std::size_t kKeinZustand = static_cast<std::size_t>(-1);
    // The other states (of those the run holds) whose normal force at depth y equals that
    // of state z.
    std::vector<std::size_t> GleicheNormalkraft(double y, bool mitAnkerkraft, std::size_t z) const;
    // The greatest and the least normal force of the states at depth y.
    Huelle NormalkraftGrenzen(double y, bool mitAnkerkraft) const;
    Zustandsgrenzen NormalkraftDerZustaende(double y, bool mitAnkerkraft, bool merken) const;
    // Adds the characteristic passive side, mobilised by `anteil`, to MChar (which holds the
    // retained side), so that the deflection rests on a characteristic system in
    // equilibrium; needs the passive solution in the tables.
    void MCharMitPassiv(double anteil);
    // The passive side's characteristic moment at point p of the beam.
    double MPassivChar(int p) const;
    // Sum over the beam load cases 1 ... bis of the reactions at support s of the solved beam.
    double Auflagerkraft(int bis, int s) const;
    // The force of one side of the anchored wall on its foot support and EI times the
    // foot's rotation under it.
    struct Fusszustand {
        double kraft = 0.0;
        double drehung = 0.0;
    };
    // The share of the characteristic passive side that the characteristic anchored wall
    // mobilises: no force left at a free foot; at a fixed or partly fixed one the foot
    // turns by `fixierung` times the rotation of a free foot at this depth.
    double AnteilPassivChar(const Fusszustand& aktiv, const Fusszustand& passiv,
                            double fixierung) const;
    // The foot rotation `drehung` (EI times it) of a wall over that of a free foot at its
    // depth, from its retained side and the passive side: the fixity a state keeps.
    double Fixierung(const Fusszustand& aktiv, const Fusszustand& passiv, double drehung) const;
    // Beam position where the shear line q changes sign between the points pa and pb.
    double NullQuerkraft(const Linie& q, int pa, int pb) const;
    // Depth of the first change of sign of the shear line q from the head down, below the
    // depth ab; t when there is none.
    double TiefeNullQuerkraft(const Linie& q, double ab, bool trace = true) const;
    // Each load state's design moments (or shears) at the points.
    std::vector<Linie> PunkteJeZustand(bool moment) const;
    // Of the states' extremes `genau` (a search along the beam), the one of the largest
    // magnitude; many states search only where `geschaetzt` (from the points) comes near
    // the greatest.
    wand::Huellwert
    GroesstesExtremumDerZustaende(const std::function<double(std::size_t)>& geschaetzt,
                                  const std::function<wand::Extremum(std::size_t)>& genau) const;
    // The greatest and the least of wert(z) over the load states, each with the state it is
    // of: the states of a family by their shares (with `merken` a state found there that
    // the run does not hold yet is noted in fehlendeZustaende), the others one by one, the
    // states that cannot stand left out.
    Zustandsgrenzen ZustandsGrenzen(const std::function<double(std::size_t)>& wert,
                                    bool merken = true) const;
    bool ZustandGueltig(std::size_t z) const;
    // The states the wall cannot stand in, each named with what it would need of a support
    // the model does not have: "Lastzustand LK 1: der Erdwiderstand müsste ziehen ...".
    std::vector<std::string> UngueltigeZustaende() const;
    // The state of a family without the cases `ohne`; its permanent state where the run
    // does not hold it yet.
    std::size_t ZustandDerFamilie(const Familie& f, std::uint64_t ohne, bool merken) const;
    // Of the states' values (by state) the one of the largest magnitude, with its state.
    wand::Huellwert GroessterDerZustaende(const std::vector<double>& werte) const;
    // Notes the states of families whose value of the lines (by state, at the points) is
    // the greatest or the least at a point.
    void MerkeExtremeDerFamilien(const std::vector<Linie>& linien) const;
    // Which states can stand at the built depth (the passive shares, and the states'
    // anchor forces where given); the design lines leave the others out.
    void ZustaendeGueltig(const std::vector<double>& ankerkraft);
    // Takes the states noted as missing and says whether the internal forces must be formed
    // again; a second pass takes none.
    bool NimmFehlendeZustaende();
    // The greatest moment of the states: each at its own zero of the shear below `ab`.
    wand::Huellwert GroesstesFeldmoment(double ab) const;
    // The moment of the greatest magnitude of the states anywhere along the beam.
    wand::Huellwert GroesstesMoment() const;
    // The share of the passive side that a state of the anchored wall mobilises, at most
    // `hoechstens`: as AnteilPassivChar, never below 0.
    double AnteilPassivBemessung(const Fusszustand& aktiv, const Fusszustand& passiv,
                                 double fixierung, double hoechstens) const;

    // --- Deep slip line check of the anchored wall (its members are those of C1TGFDaten) ---
    // The whole check after the embedment passes: slip line, segments, earth pressure on
    // the wall and on the substitute anchor wall, existing and possible anchor force and
    // pull-out. Input or geometry without an answer ends the run with a shown error
    // naming the input. Returns 1.
    int CalcTiefeGleitfuge();
    // Anchor force terms dAG, dAQ of every segment. Returns 1.
    int CalcTGFKraefte();
    // Design force of one anchor and its pull-out resistance. Returns 1.
    int CalcAnkerkraft();
    // Grouted length needed by the alternative check (nothing in a run calls it).
    double CalcAnkerkraft2();
    // Earth pressure on the substitute anchor wall under the factors of a load state (run
    // after the earth-pressure operations of the deep slip line run). Returns 1.
    int CalcKombiTGF(const KombiFaktoren& faktoren);

    // The part above depth y of a linear pressure figure from y1 (ordinate e1) to y2 (e2):
    // its resultant, the depth of the resultant and the ordinate where it ends.
    struct Teilfigur {
        double Eh = 0.0;
        double yE = 0.0;
        double eUnten = 0.0;
    };
    Teilfigur FigurBis(double y1, double y2, double e1, double e2, double y);
    // One pressure figure of an earth-pressure run, as the sums down to a depth see it.
    struct Figur {
        enum class Art { Erddruck, Berme, Blocklast, Linienlast };
        Art art = Art::Erddruck;
        int lf = 0; // load case (row of the soil's weight and the surcharges)
        int schicht = 0;
        double y1 = 0.0, y2 = 0.0; // depth range
        double e1 = 0.0, e2 = 0.0; // horizontal ordinates at both ends
    };

    // --- 1. DOM element handles of the XML result writer ------------------------------
    int hResult = 0;
    int hNachweis = 0;
    int hHorizontal = 0;
    int hVertikal = 0;
    int hGruppe = 0;
    int hTgf = 0;
    int hAnkerkraft = 0;
    int hMaterialversagen = 0;
    int hHerausziehen = 0;

    // --- 2. The run's input and beam (not owned) ----------------------------------------
    C1ZirfInput* pInput = nullptr;
    C1Traeger* pTraeger = nullptr;

    // --- 3. Working tools ---------------------------------------------------------------
    C1Trapez trapez;
    C1Gerade gerade;
    C1Schnittpunkt schnittpunkt;
    C1ErddruckBeiwerte beiwerte;
    C1Polygon polygon;

    // --- 4.-9. Governing combination, beam load counters, fixity, situation ----------------
    double tMax = 0.0;
    int iMassgebend = 0; // 0-based index of the governing combination
    int nTrapezLast = 0;
    int nTrapezLast2 = 0;
    int nTrapezLast3 = 0;
    std::vector<int> kombiRelevant; // one flag per load combination (sized by InitSchichten)
    int einspannArt = 0;
    int einspannArtGemerkt = 0;
    int zweiterLauf = 0;
    double Zielverdrehung = 0.0;
    double verdrehungFrei = 0.0;
    int situation = 0;
    int nwwand = 0;

    // --- 10. Working counters ------------------------------------------------------------
    int iKombi = 0;
    int status = 0;

    // --- 11. Water levels and the water figure at the foot ----------------------------------
    double tgv = 0.0;
    double tgh = 0.0;
    double tgMax = 0.0;
    double wasserDreieck = 0.0;   // area of the triangle of excess water pressure down to t
    double yWasserDreieck = 0.0;  // depth of its centroid
    double wasserRechteck = 0.0;  // area of the uniform part below the deeper level
    double yWasserRechteck = 0.0; // depth of its centroid
    double wasserSumme = 0.0;
    double wasserMomentFuss = 0.0; // moment of both about the foot

    // --- 12. Layer indexes -------------------------------------------------------------------
    int iSchichtAushub = -1;
    int iSchichtUnten = 0;
    int iLetzteSchicht = 0;
    int iErsteSchicht = -1;
    int iSchichtFuss = 0;
    int iSchichtFussAktiv = 0;
    int iSchichtFussPassiv = 0;
    int iSchichtAnkerpunkt = 0;
    int iSchichtFussTGF = 0;

    // --- 13. Ground and wall points -------------------------------------------------------------
    double xGelaende = 0.0;
    double yGelaende = 0.0;
    double xGleitEnde = 0.0;
    double yGleitEnde = 0.0;
    double xGleitEndeTGF = 0.0;
    double yGleitEndeTGF = 0.0;
    double xReibEnde = 0.0;
    double yReibEnde = 0.0;
    double xReibEndeTGF = 0.0;
    double yReibEndeTGF = 0.0;
    double yAnker = 0.0;

    // --- 15. Berm outline ----------------------------------------------------------------------
    double xBerme = 0.0;
    double yBerme = 0.0;
    double yBermeOben = 0.0;
    double xBermeFuss = 0.0;
    double yBermeFuss = 0.0;

    // --- 16. Deep slip line: the substitute wall, and the berm lengths of the report ---------
    double xAnkerpunkt = 0.0; // x of the substitute wall
    double yAnkerpunkt = 0.0; // depth of its lower end
    double bermeH1 = 0.0;
    double bermeH2 = 0.0;
    double bermeH3 = 0.0;

    // --- 17.-18. Degree factor, extra layer boundaries ---------------------------------------
    double GradFaktor = 57.29577950560105;
    int nZusatzGrenzen = 0;
    std::array<double, zirf::kMaxZusatzGrenzen> zusatzGrenze{};
    double yModellUnten = 0.0;

    // --- 20.-22. Partial factors, vertical forces of the wall, total depth ---------------------
    double ggl = 0.0;
    double gep = 0.0;
    double ggr = 0.0;
    double gammaA = 0.0;
    double gammaG = 0.0;
    double gammaQ = 0.0;
    double gammaE0g = 0.0;
    double NAnker = 0.0;
    double NHw = 0.0;
    double NFuss = 0.0;
    double NXm = 0.0;
    // Normal force at the depth yMF of the foot's moment MF.
    double NMF = 0.0;
    double yMF = 0.0;
    double xm = 0.0;
    double xm1 = 0.0;
    double tGes = 0.0;
    double deltaTZuschlag = 0.0;

    // --- 23. Surcharges per load case and redistribution ---------------------------------------
    C1LastfallTabelle lastAktiv{"lastAktiv"};
    C1LastfallTabelle lastPassiv{"lastPassiv"};
    int nLastfaelle = 0;
    int lf = 0;
    double SEA = 0.0;    // sum of the redistributed resultants
    double He = 0.0;     // excavation depth of the redistribution
    double em = 0.0;     // mean ordinate
    double emOben = 0.0; // ordinate at the head (upper half)
    double emUnten = 0.0;
    // The records of load case 0 above the excavation as the active earth pressure left
    // them, kept by the first redistribution (empty until then).
    std::vector<C1SchichtErgebnis> aktivVorUmlagerung;

    // --- 24.-27. Layer table, result tables, compaction, bounded loads
    // ----------------------------
    C1Tabelle<C1Schicht, zirf::kMaxSchichten> Schicht{"Schicht"};
    C1ErgebnisJeLastfall ErgPassiv{"ErgPassiv"};
    C1ErgebnisJeLastfall ErgSchicht{"ErgSchicht"};
    C1ErgebnisAktiv ErgAktiv{"ErgAktiv"};
    C1ErgebnisJeSchicht ErgBerme{"ErgBerme"};
    C1ErgebnisJeSchicht ErgBermeUnten{"ErgBermeUnten"};
    C1ErgebnisLast ErgBlockOben{"ErgBlockOben"};
    C1ErgebnisLast ErgBlockUnten{"ErgBlockUnten"};
    C1ErgebnisJeLastfall ErgLastfall{"ErgLastfall"};
    C1ErgebnisJeLastfall ErgTGFLastfall{"ErgTGFLastfall"};
    C1ErgebnisLast ErgLinie{"ErgLinie"};
    C1ErgebnisAktiv ErgAktivTGF{"ErgAktivTGF"};
    C1ErgebnisJeSchicht ErgBermeTGF{"ErgBermeTGF"};
    C1ErgebnisJeSchicht ErgBermeUntenTGF{"ErgBermeUntenTGF"};
    C1ErgebnisLast ErgBlockObenTGF{"ErgBlockObenTGF"};
    C1ErgebnisLast ErgBlockUntenTGF{"ErgBlockUntenTGF"};
    C1ErgebnisJeLastfall ErgLastfallTGF{"ErgLastfallTGF"};
    C1ErgebnisLast ErgLinieTGF{"ErgLinieTGF"};
    C1Tabelle<C1VerdichtungSchicht, zirf::kMaxSchichten> Verdichtung{"Verdichtung"};
    C1SpreizungLast BlockSchicht{"BlockSchicht"};
    C1SpreizungLast LinieSchicht{"LinieSchicht"};
    C1SpreizungLast BlockSchichtTGF{"BlockSchichtTGF"};
    C1SpreizungLast LinieSchichtTGF{"LinieSchichtTGF"};
    C1LastRecords Blocklast{"Blocklast"};
    C1LastRecords Ausbreitung{"Ausbreitung"};
    C1LastRecords BlocklastTGF{"BlocklastTGF"};
    C1LastRecords AusbreitungTGF{"AusbreitungTGF"};

    // --- 28. Iteration state
    // ------------------------------------------------------------------------
    int idx = 0;
    int richtung = 1;
    int iter = 0;
    double SM = 0.0;
    double t = 0.0; // current foot depth
    double tAlt = 0.0;
    double delta_t = 1.0;
    // Design horizontal force sum of a trial depth; after the combination step of the
    // anchored wall, the layers' larger-of terms' design share of the support force at the
    // foot.
    double SC = 0.0;
    double SMA = 0.0;
    double SMP = 0.0;
    double SummeQuerkraefte_aktiv = 0.0;
    double SummeQuerkraefte_passiv = 0.0;
    C1LastfallTabelle kraftLf{"kraftLf"}; // permanent horizontal force per load case

    // --- 29. Internal forces by sampling point and anchor reactions by load case
    // -------------------
    Linie MDesign{}, MChar{}, QDesign{}, Durchbiegung{};
    // The design lines' extremes over the load states at each point: the greatest and the
    // least moment and shear (MDesign, QDesign: the one of the larger magnitude).
    Linie MDesignMax{}, MDesignMin{}, QDesignMax{}, QDesignMin{};
    Linie RAktiv1{}, RAktiv2{}, MRAktiv1{}, MRAktiv2{}, RPassiv1{}, RPassiv2{}, MRPassiv1{},
        MRPassiv2{};

    // --- 30.-33. Label, design forces, final results, compaction figures
    // ------------------------------
    std::string kombiText;
    double MHw = 0.0;
    double Mxm = 0.0;
    double MA = 0.0;
    double MF = 0.0;
    double MuA = 0.0;
    double QuA = 0.0;
    double QA = 0.0;
    double Ausnutzung = 0.0;
    double ausnutzungMax = 0.0;
    double summeAktiv = 0.0;
    double summePassiv = 0.0;
    std::array<double, 4> verdTiefe{};
    std::array<double, 4> verdOrdinate{};
    std::array<double, 3> verdTiefe2{};
    std::array<double, 3> verdOrdinate2{};
    double verdKraft = 0.0;
    double verdZkrit = 0.0;
    // Figure 2 of the compaction pressure exists (it has no extent for K0 = 1).
    bool mitVerdichtung2 = false;

    // --- Unit weight of water; operations that the run sequence does not call ---------------
    static constexpr double GammaWasser = 10.0; // kN/m³
    // The design situation of one side (seite 0: the retained side's earth-pressure mode
    // nwstand, else the passive side's nwwand) and the partial factors of the input's
    // design situation lastfall. Returns 1.
    int SetTeilsicherheiten(int seite);
    // Sets kombiText to the label of a combination code: the permanent load cases, the
    // variable ones whose bit is set in what is left of the code after taking off 100 as
    // long as it exceeds 100, and, for a code above 100, the accidental load case
    // code / 100. Returns 1.
    int GetKombiText(int code);
    // The passive wedge of one uniform soil in front of the wall (speze, phie, deltae,
    // cohe) from the excavation level down to the foot depth t, by plane slip surfaces:
    // ErgPassiv records 0 (above the water level in front) and 1 (below it), then one
    // record per passive surcharge load case. Returns 1.
    int CalcErdkeil();

private:
    // The factors that name a state of combination k, by load-case number.
    std::vector<std::pair<int, double>> FaktorenSchluessel(std::size_t k, std::uint64_t ohne) const;
    // The names of the state of these factors: first the one the report gives it, then the
    // other combinations that give it.
    std::vector<std::string>
    NamenNachFaktoren(const std::vector<std::pair<int, double>>& faktoren) const;
    // The state of combination k without the cases `ohne`, added when new; of states with
    // equal factors the later one takes the place of the earlier with `spaetere`.
    std::size_t NimmZustand(std::size_t k, std::uint64_t ohne, bool spaetere);

    // The two runs of the earth-pressure operations and their coefficient sets.
    C1ErddruckLauf Lauf();
    C1ErddruckLauf LaufTGF();
    static const C1Beiwertsatz& SatzWand();
    static const C1Beiwertsatz& SatzErsatzwand();

    void SetzeBeiwerte(C1Schicht& s, const C1Beiwertsatz& satz, double alphaWand,
                       double alphaSchicht, double delta, double deltp);
    int CalcBeiwerteLauf(const C1Beiwertsatz& satz, bool ersatzwand);
    int CalcErddruckAktivLauf(const C1ErddruckLauf& lauf);
    int CalcBermeLauf(const C1ErddruckLauf& lauf);
    int CalcLinieLauf(const C1ErddruckLauf& lauf, double C1Schicht::*winkel,
                      double C1Schicht::*xPunkt, double C1Schicht::*yPunkt,
                      double C1ZirfCalc::*xEnde, double C1ZirfCalc::*yEnde, bool benoetigt,
                      const char* name);
    int CalcBlocklastLauf(const C1ErddruckLauf& lauf, int jj);
    int CalcLinienlastLauf(const C1ErddruckLauf& lauf, int jj);
    int Umlagere(const UmlagerungsFigur& figur, bool rechtecke);

    // Geometry of the layers: the wall point at the top of layer i, the wall's x at a
    // depth inside it and the line of its wall segment.
    double YOben(int i) const;
    // The top of layer i in an earth-pressure run: at the substitute wall the first layer
    // with weight begins at the ground there.
    double YOben(const C1ErddruckLauf& lauf, int i) const;
    double XOben(int i) const;
    void WandGerade(int i, double& a, double& b, double& c);
    // Angle of the slip or friction line inside layer i.
    double LinienWinkel(int i, double C1Schicht::*winkel) const;
    // x of the slip or friction line at depth y inside layer i.
    double LinieX(const C1ErddruckLauf& lauf, double C1Schicht::*winkel, double C1Schicht::*xPunkt,
                  double C1Schicht::*yPunkt, int i, double y) const;
    // The layer that holds depth y (first from the top of the soil whose bottom lies
    // deeper); -1 when none does.
    int LastSchicht(double y) const;
    // Depth where a line from (x0, y0) at each layer's angle reaches the wall (or the
    // substitute wall). The friction walk stops at the first meeting inside a layer; the
    // slip walk takes every meeting.
    double CalcSpreizTiefe(const C1ErddruckLauf& lauf, double x0, double y0,
                           double C1Schicht::*winkel, bool reibung, double toleranz);
    // Mean wedge factor over the layers' portions between z1 and z2 (1 without any).
    double MittlererKeil(double C1Schicht::*keil, double z1, double z2) const;
    // The earth-pressure mode: active, mixed with at rest, or at rest.
    double Modus(double aktiv, double ruhe) const;
    // Resultant of the figure of layer i between its wall points with the ordinates eo, eu
    // (from the top depth yo when given).
    void SetzeResultante(C1SchichtErgebnis& e, int i, double eo, double eu, double tanA);
    void SetzeResultante(C1SchichtErgebnis& e, int i, double eo, double eu, double tanA, double yo);
    // Vertical ordinates and resultant of the figure abt..bist with eoh, euh in layer i.
    void SetzeTrapez(C1SchichtErgebnis& e, int i, double tanA);
    void SetzeSpreizung(C1Spreizung& sp, double von, double bis, double eo, double eu, double tanA);
    void SpreizeHorizontal(const C1ErddruckLauf& lauf, C1SpreizungLast& tabelle, int jj, double z1,
                           double zEnde, double eh, const char* traceName);
    // Hands every pressure figure of a run to f: the soil's weight and the surcharges of
    // each load case and layer, the berm, the block and the line loads.
    void JedeFigur(const C1ErddruckLauf& lauf, const std::function<void(const Figur&)>& f);
    // Deep slip line check.
    void PruefeEingabeTGF() const;
    void SetzeGleitfuge();
    void CalcAbschnitteTGF(const KombiFaktoren& f);
    double GewichtTGF(double xl, double yl, double xr, double yr);
    double BermeGewichtTGF(double xl, double xr) const;
    double LastenTGF(int zeile, double xl, double xr) const;
    void CalcWandseiteTGF(const KombiFaktoren& f);
    void CalcAvorhTGF();
    // The possible anchor force of the whole line and the utilisations.
    void CalcAmoeglTGF();
    // The first layer whose bottom is not above depth y (the last layer when none).
    int SchichtBis(double y) const;
    // Clears the records of one bounded load in every layer.
    void LeereLast(C1ErgebnisLast* oben, C1ErgebnisLast* unten, C1SpreizungLast* spreizung, int jj);
};
