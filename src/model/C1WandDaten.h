#pragma once

#include "model/Bemessungslinie.h"
#include "model/C1Lastzustand.h"
#include "model/C1Tabelle.h"
#include "model/KombiRegel.h"
#include "model/ZirfGrenzen.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

// The members of the calculation object that the wall analysis owns: the sums of the
// trial depths, the combination step's support forces and the internal-force tables.
// C1ZirfCalc derives from this record, so every member is read as a member of the
// calculation object.
struct C1WandDaten {
    static constexpr int kPunkte = 21;           // sampling points along the wall
    static constexpr int kPassivLastfaelle = 10; // passive load cases
    using Lastfaelle = C1Tabelle<double, zirf::kMaxLastfaelle>;
    using PassivLastfaelle = C1Tabelle<double, kPassivLastfaelle>;

    // Resultant, its depth and the wall's x there of a figure in the foot layer.
    struct FussFigurErgebnis {
        double Eh = 0.0;
        double yE = 0.0;
        double xE = 0.0;
    };
    // A bounded figure (a load's own depth range) taken down to the foot depth: its range
    // y1..y2, its ordinates at both ends and its resultant Eh at depth yE. It has no height
    // when the figure starts at or below the foot.
    struct FussStueck {
        double y1 = 0.0;
        double y2 = 0.0;
        double e1 = 0.0;
        double e2 = 0.0;
        double Eh = 0.0;
        double yE = 0.0;
        bool Leer() const { return !(y2 > y1); }
    };

    // How a contribution of a trial depth enters the sums.
    enum class Routing {
        Staendig,      // the per-load-case sums
        Veraenderlich, // the variable sums of the layer it lies in
    };
    // One pressure figure on the retained side at a trial depth: its resultant Eh at depth
    // yE, vertical resultant Ev, and for the rotation integral its depth range y1..y2 with
    // the ordinates e1, e2 and the integral's type (0 below the anchor, 1 above it).
    struct WandBeitrag {
        int lf = 0;
        int schicht = 0;
        Routing routing = Routing::Staendig;
        double Eh = 0.0;
        double yE = 0.0;
        double Ev = 0.0;
        int typ = 0;
        double y1 = 0.0;
        double y2 = 0.0;
        double e1 = 0.0;
        double e2 = 0.0;
    };

    // A component of the retained side's design loads: the loads that a load state takes
    // with one factor. A load case's loads (its variable ones per layer, as each layer's
    // larger-of rule may take the compaction pressure in their place), the compaction
    // pressure of a layer, the water with its design factors. The design beam carries
    // component i in its load case i + 1.
    struct Komponente {
        enum class Art { Last, Verdichtung, Wasser };
        Art art = Art::Last;
        int lf = 0;
        int schicht = -1;
        Routing routing = Routing::Staendig;
        bool operator==(const Komponente&) const = default;
    };
    std::vector<Komponente> komponenten;
    // Per layer at the built depth: whether the larger-of rule takes the compaction in no
    // load state, in every one, or in some and not in others.
    static constexpr int kNie = 0;
    static constexpr int kImmer = 1;
    static constexpr int kJeNachZustand = 2;
    std::vector<int> verdichtungWahl;

    // Set by CalcWand when the embedment iteration diverged: the depth, the sums and the
    // internal forces are then those of the last trial step, never a result to check.
    bool iterationDivergiert = false;

    // The load states of the run (every design combination with every subset of its
    // variable load cases) and the one that needs the deepest wall (the checked wall:
    // the one it holds worst), whose sums the calculation object keeps.
    std::vector<C1Bemessungskombination> bemessungsKombinationen;
    std::vector<C1Lastzustand> zustaende;
    int iZustand = 0;
    // The fixity (per cent) the wall is computed with: the input's, or for a checked wall
    // at least as long as its design needs the fixity its depth provides (then also in
    // einspannungAusTiefe, else -1). gegebeneTiefe: the wall is checked at its given depth.
    double einspannung = 0.0;
    double einspannungAusTiefe = -1.0;
    bool gegebeneTiefe = false;
    // A checked wall: the total depth that the design of the input's system needs, also when
    // the wall is shorter (gegebeneTiefe); -1 when no design was found or nothing is checked.
    double tErforderlich = -1.0;
    // A checked anchored wall with a partly fixed foot: the target rotation of the check of
    // its given depth with the input's fixity (the most utilised state's own), which its
    // utilisation is of.
    double zielVerdrehungNachweis = 0.0;
    // Whether the states' free feet of a partial fixity are known (they serve every fixity).
    bool freieFuesseBekannt = false;
    // From this many load states on, a combination whose sums are linear in its variable
    // load cases is taken from the shares of its permanent loads and of each variable load
    // case, not state by state (the results are the same).
    std::size_t linearAb = 64;
    // Up to this many load states in all every state is listed; beyond, each combination's
    // permanent loads and each variable load case alone stand for its states, and a state
    // is added where a value is found to be of it (alleAufgezaehlt false).
    double aufzaehlenBis = 4096.0;
    bool alleAufgezaehlt = true;
    // The states by the factors that name them.
    std::map<std::vector<std::pair<int, double>>, std::size_t> zustandNachFaktoren;
    // Told when a long computation moves on (the host's progress), and the work since.
    std::function<void()> fortschrittMelden;
    std::size_t fortschrittArbeit = 0;
    // The contribution of the water (or of the passive side) to the sums of a trial depth,
    // the same for every load state: evaluated once per depth, then added.
    struct Zustandsfrei {
        static constexpr std::size_t kSummen = 12;
        std::array<double, kSummen> summe{};
        double eMax = 0.0;
        bool gueltig = false;
    };
    Zustandsfrei wasserBeitrag;
    Zustandsfrei passivBeitrag;
    // Factors of the load state being combined.
    KombiFaktoren kombiFaktoren;
    int richtungAlt = 0; // direction of the previous trial step

    // Permanent sums per load case (moment, vertical force, rotation; the horizontal
    // force kraftLf is the soil model's).
    Lastfaelle momentLf{"momentLf"};
    Lastfaelle vertikalLf{"vertikalLf"};
    Lastfaelle verdrehungLf{"verdrehungLf"};
    // Anchored wall: moment about the foot of the permanent-routed contributions, per load
    // case (the anchor force's sum takes them with the load case's design factor).
    Lastfaelle momentFussLf{"momentFussLf"};
    // Passive side per passive load case (accumulated with negative sign).
    PassivLastfaelle momentPassivLf{"momentPassivLf"};
    PassivLastfaelle kraftPassivLf{"kraftPassivLf"};
    PassivLastfaelle vertikalPassivLf{"vertikalPassivLf"};

    // The contributions of the latest trial depth with a vertical force, for the wall's
    // normal force down its length (a head load as a point: y1 = y2).
    std::vector<WandBeitrag> vertikalBeitraege;

    double eMax = 0.0; // largest ordinate met at the foot (drawing scale)
    double summeEhk = 0.0;
    double ephd = 0.0; // design passive horizontal force (positive)
    double epvd = 0.0; // design passive vertical force
    double SwF = 0.0;  // design rotation sum (anchored wall)
    double SMFuss = 0.0;
    double AK = 0.0; // anchor force
    double summeEphFuss = 0.0;
    double verdrehungWasser = 0.0;
    double momentWasser = 0.0;
    // The water as the iteration took it: each figure with gammaG, or with eta_p/gep where
    // it presses towards the retained soil (the rotation of whole layers always with
    // gammaG); moment about the anchor and rotation.
    double momentWasserD = 0.0;
    double verdrehungWasserD = 0.0;
    // The larger-of terms of the layers (variable loads or compaction) as the iteration
    // took them: design moment about the anchor and design rotation.
    double momentVarD = 0.0;
    double verdrehungVarD = 0.0;
    // Shares in the design rotation sum of the retained side, taken in the free first pass
    // of a partial fixity: per load case and of the water characteristic (their design
    // factors make them design shares), of the layers' larger-of terms already design.
    // Design shares of all of them add up to 1.
    Lastfaelle anteilVerdrehungLf{"anteilVerdrehungLf"};
    double anteilVerdrehungWasser = 0.0;
    double anteilVerdrehungVar = 0.0;
    // The design factor of the water's share in the rotation sum (its design rotation over
    // its characteristic one).
    double faktorVerdrehungWasser = 0.0;
    // Per layer, whether the larger-of rule of the latest trial depth took the compaction
    // earth pressure instead of the variable loads; the beam's design loads and the anchor
    // force follow the same choice.
    std::array<bool, zirf::kMaxSchichten> verdichtungMassgebend{};

    // Combination step: support force at the foot per load case and its sums, with the
    // design factor that each share took in the design sum (the iteration's).
    Lastfaelle BhkLf{"BhkLf"};
    Lastfaelle faktorLf{"faktorLf"};
    // The larger-of share of the layers split as the iteration took it: per variable load
    // case (characteristic, with faktorLf) where the loads outweighed the compaction, and
    // the compaction (characteristic, with gammaG) where it did.
    Lastfaelle BhkVerkehrLf{"BhkVerkehrLf"};
    double BhkVerdichtung = 0.0;
    double summeBhd = 0.0;
    double BhkWasser = 0.0;
    double faktorWasser = 0.0;
    double summeBhk = 0.0;

    // The anchored wall's beam: the numbers of its supports at the theoretical foot t and
    // at the anchor.
    int auflagerFuss = 0;
    int auflagerAnker = 0;
    // The load cases of the retained side's and the passive side's characteristic beam.
    int nLastfaelleAktiv = 0;
    int nLastfaellePassiv = 0;
    // The design shear just above the anchored wall's foot support (the foot force C).
    double QFuss = 0.0;

    // Per load state at the built depth: the share of the passive side's design
    // resistance it needs to hold (unbounded; above eta_p/gep it does not hold), the share
    // it mobilises (at most eta_p/gep) and its anchor force.
    std::vector<double> anteilPassivNoetig;
    std::vector<double> anteilPassivZustand;
    std::vector<double> ankerkraftZustand;
    // The greatest anchor force of the states without a variable load (the deep slip
    // line's permanent share).
    double AKStaendig = 0.0;
    // The vertical forces of a load state (by its index): its factors, its anchor force, the
    // share of the passive side's pressure it mobilises and the vertical force of that
    // share (spread over the embedment like the pressure; upward negative); without anchor
    // its substitute force C at the foot (horizontal, design) and C's vertical force.
    struct Vertikalzustand {
        std::size_t zustand = 0;
        double AK = 0.0;
        double anteilPassiv = 0.0;
        double passiv = 0.0;
        double ersatzkraft = 0.0;
        double fussKraft = 0.0;
        std::vector<double> faktor; // the design factor of each load case
    };
    // What acts on the wall above a depth, per unit of each state's factor: the wall's
    // characteristic weight, the vertical forces per load case, the share of the anchor force's
    // (tan of its inclination, below the anchor), of the support's vertical force (below the
    // excavation level) and of the foot force (at the foot).
    struct Vertikalanteile {
        double gewicht = 0.0;
        std::vector<double> lastfall;
        double anker = 0.0;
        double passiv = 0.0;
        double fuss = 0.0;
    };
    std::vector<Vertikalzustand> vertikalZustaende;
    // The design lines of the load states at the built depth, on copies of the design beam
    // and of the solved passive side of their own, so that the envelope can be read
    // anywhere along the wall.
    std::shared_ptr<const C1Traeger> bemessungsBalken;
    std::shared_ptr<const C1Traeger> passivBalken;
    wand::Schar bemessungsSchar;
    // Per design combination: whether its states' factors at the built depth are the
    // permanent loads' plus those of each variable load case present.
    std::vector<bool> linearKombiniert;
    // The combinations whose every value at the built depth is that of its permanent state
    // plus the shares of its variable load cases present (their passive shares within
    // bounds): the states standing for them.
    struct Familie {
        std::size_t kombination = 0;
        std::size_t basis = 0;
        std::vector<std::size_t> einzeln;
    };
    std::vector<Familie> familien;
    // The greatest and the least of a value over the load states, each with its state.
    struct Zustandsgrenzen {
        double max = 0.0;
        double min = 0.0;
        std::size_t zMax = 0;
        std::size_t zMin = 0;
        bool gesetzt = false;
        // Of the two the one of the larger magnitude; the greatest on equal ones.
        wand::Huellwert Groesster() const;
    };
    // Per load state at the built depth: whether the wall can stand in it (not when the
    // passive side would have to pull, or a ground anchor push); empty: every state.
    std::vector<bool> zustandGueltig;
    // States left out of the search for the depth: those found unable to stand at a depth
    // that one of them designed (empty: none).
    std::vector<bool> ohneTiefe;
    // States of families that a value was found to be of and that the run does not hold
    // yet (combination, absent cases).
    mutable std::set<std::pair<std::size_t, std::uint64_t>> fehlendeZustaende;
    bool weitererDurchgang = false;
    // The load state each design value of the report is of.
    struct MassgebendeZustaende {
        std::size_t AK = 0, MA = 0, MuA = 0, QuA = 0, QA = 0, MHw = 0, Mxm = 0, MF = 0, QFuss = 0;
        std::size_t NAnker = 0, NHw = 0, NXm = 0, NMF = 0, NFuss = 0;
        // The characteristic state of the deflection: the one of the greatest moment.
        std::size_t Durchbiegung = 0;
    };
    MassgebendeZustaende massgebend;

    // Internal forces per table (0/1 moment/shear of the retained side, 2/3 of the
    // passive side), beam load case and sampling point.
    std::array<std::array<std::array<double, kPunkte>, zirf::kMaxLastfaelle>, 4> Schnittgroessen{};
};
