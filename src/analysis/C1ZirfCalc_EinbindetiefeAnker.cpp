// Embedment depth of the anchored wall: free foot (the design foot force from the moments
// about the anchor vanishes), fixed foot (the rotation sum vanishes) or partial fixity
// (the rotation sum reaches a share of the free foot's rotation, found by a first pass),
// in every load state.
//
// The rotation sum is not monotone in the depth: from the excavation level it grows while
// the span below the anchor lengthens, peaks about the free foot's depth and only then
// falls, through 0 at the fixed foot's depth. A partial fixity's target lies between the
// free foot's rotation and 0, so its depth lies between the free and the fixed foot's
// depths, on the falling branch; the search therefore starts from the deepest free foot
// of the states, where every state's rotation is on its falling branch, and each state
// aims at the share of its own free foot's rotation. A search from the excavation level
// would meet the rising branch first, find the rotation there below a large target (a
// small fixity) and turn upwards out of the soil; one target for all states would ask of
// a lighter state a rotation that it never reaches.

#include "earthpressure/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "host/C1ZirfInput.h"
#include "host/Trace.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kToleranz = 0.01;     // m
constexpr int kVolleEinspannung = 100; // percent
constexpr int kBemessung = 0;
constexpr int kNachweis = 1;
constexpr double kProzent = 100.0;

enum EinspannArt { kFrei = 0, kTeilweise = 1, kVoll = 2 };

} // namespace

void C1ZirfCalc::UmlagerungAnker() {
    const C1ZirfInput& in = *pInput;
    if (in.kumlag != 0) {
        return;
    }
    if (in.druck_nach == 1) {
        status = CalcUmlagerung(in.druck_bau == 0 ? 0 : 1);
    } else {
        status = CalcUmlagerungBlock(0);
    }
}

int C1ZirfCalc::FreieFuesse() {
    // Each state's own free foot in design mode; the iteration also keeps the shares of the
    // load cases in the rotation sum there.
    const double anteilFrei = 1.0 - pInput->einspannung / kProzent;
    einspannArtGemerkt = kTeilweise;
    einspannArt = kFrei;
    zweiterLauf = 1;
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        zustaende[z].zielVerdrehung = 0.0;
        std::size_t massgebend = z;
        if (IteriereZustaende({z}, pInput->wand_hw, kToleranz, true, massgebend) == 2) {
            return 2;
        }
        zustaende[z].tFrei = t;
        zustaende[z].zielVerdrehung = anteilFrei * SwF;
    }
    einspannArt = kTeilweise;
    zweiterLauf = 0;
    return 1;
}

void C1ZirfCalc::AnteileFreierFuss(std::size_t z) {
    // The shares of the load cases in the rotation sum of the governing state's free foot,
    // which a partly fixed foot's support force is split by.
    const double tGefunden = t;
    const double ziel = Zielverdrehung;
    t = zustaende.at(z).tFrei;
    einspannArt = kFrei;
    zweiterLauf = 1;
    SetzeZustand(z);
    Zielverdrehung = 0.0;
    CalcWandlasten();
    verdrehungFrei = SwF;
    zweiterLauf = 0;
    einspannArt = kTeilweise;
    t = tGefunden;
    Zielverdrehung = ziel;
    CalcWandlasten();
}

int C1ZirfCalc::CalcEinbindetiefeAnker(int einspannung) {
    const C1ZirfInput& in = *pInput;
    const double He = Schicht[iSchichtUnten].yo;
    SetBeiwerteIteration();
    einspannArt = einspannung == 0 ? kFrei : einspannung < kVolleEinspannung ? kTeilweise : kVoll;
    nLastfaelle = in.iLetzterLastfall + 2;
    UmlagerungAnker();
    zweiterLauf = 0;
    Zielverdrehung = 0.0;
    verdrehungFrei = 0.0;
    tMax = 0.0;
    Ausnutzung = ausnutzungMax = 0.0;
    iMassgebend = 0;
    summeAktiv = summePassiv = 0.0;
    eMax = 0.0;
    const std::vector<std::size_t> alle = AlleZustaende();
    if (alle.empty()) {
        return 1;
    }
    const bool teilweise = einspannArt == kTeilweise;
    if (teilweise && FreieFuesse() == 2) {
        return 2;
    }

    // A given depth: a free foot stands there; a fixed one's extra depth lies below it.
    const double tiefe = einspannung < 1
                             ? in.einbindetiefe
                             : in.einbindetiefe - (in.einbindetiefe - He) * einbindung::kZuschlag /
                                                      einbindung::kZuschlagGesamt;
    std::size_t massgebend = 0;
    if (in.berart == kNachweis) {
        PruefeZustaende(alle, tiefe, massgebend);
    } else {
        double start = in.berart == kBemessung ? in.wand_hw : tiefe - einbindung::kErsterSchritt;
        if (teilweise && in.berart == kBemessung) {
            start = 0.0;
            for (const C1Lastzustand& z : zustaende) {
                start = std::max(start, z.tFrei);
            }
        }
        if (IteriereZustaende(alle, start, kToleranz, in.berart == kBemessung, massgebend) == 2) {
            iZustand = static_cast<int>(massgebend);
            return 2;
        }
    }
    iZustand = static_cast<int>(massgebend);
    iMassgebend = KombinationVon(massgebend).kombi;
    if (teilweise) {
        AnteileFreierFuss(massgebend);
    }
    tMax = t;
    if (in.berart != kBemessung) {
        Ausnutzung = AusnutzungZustand();
        ausnutzungMax = Ausnutzung;
        summeAktiv = einspannung == 0 ? SummeQuerkraefte_aktiv : SMA;
        summePassiv = einspannung == 0 ? SummeQuerkraefte_passiv : SwF - SMA;
    }

    const double t0 = t - He;
    deltaTZuschlag = 0.0;
    if (in.berart == kBemessung && summeEphFuss != 0.0) {
        deltaTZuschlag = (-gep * SC) / (2.0 * summeEphFuss);
    }
    deltaTZuschlag = std::max(deltaTZuschlag, einbindung::kZuschlag * t0);
    if (einspannung == 0) {
        deltaTZuschlag = 0.0; // a free foot needs no extra depth
    }
    tGes = einbindung::AufRundungsschritt(t + deltaTZuschlag, in.rundung);
    TracePrintf("\ngewählte Einbindetiefe t %6.2f", tGes);
    TracePrintf("\nAK %8.1f ", AK);
    status = CalcKombi(0);
    status = CalcKombi(1);
    status = CalcSchnittgroessenAnker();
    return 1;
}
