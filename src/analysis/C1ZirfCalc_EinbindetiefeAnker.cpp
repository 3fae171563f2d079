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

#include "model/C1ZirfCalc.h"

#include "analysis/Einbindung.h"
#include "base/Trace.h"
#include "model/C1ZirfInput.h"

#include <algorithm>
#include <vector>

namespace {

constexpr double kToleranz = 0.01;     // m
constexpr int kVolleEinspannung = 100; // percent
constexpr int kBemessung = 0;
constexpr int kNachweis = 1;
constexpr double kProzent = 100.0;
// A given depth within this of a design's total depth holds it (m); the fixity a given
// depth provides is found to this (per cent).
constexpr double kTiefeToleranz = 1e-6;
constexpr double kEinspannungGenauigkeit = 0.1;

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
    // Each state's own free foot in design mode, and its rotation there; the iteration also
    // keeps the shares of the load cases in the rotation sum there.
    if (freieFuesseBekannt) {
        return 1;
    }
    einspannArt = kFrei;
    zweiterLauf = 1;
    for (std::size_t z = 0; z < zustaende.size(); ++z) {
        zustaende[z].zielVerdrehung = 0.0;
        std::size_t massgebend = z;
        if (IteriereZustaende({z}, pInput->wand_hw, kToleranz, true, massgebend) == 2) {
            return 2;
        }
        zustaende[z].tFrei = t;
        zustaende[z].verdrehungFrei = SwF;
    }
    zweiterLauf = 0;
    freieFuesseBekannt = true;
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

int C1ZirfCalc::TiefeAnker(double e, Tiefenmodus modus) {
    const C1ZirfInput& in = *pInput;
    const double He = Schicht[iSchichtUnten].yo;
    einspannung = e;
    einspannArt = e <= 0.0 ? kFrei : e < kVolleEinspannung ? kTeilweise : kVoll;
    zweiterLauf = 0;
    Zielverdrehung = 0.0;
    verdrehungFrei = 0.0;
    const std::vector<std::size_t> alle = AlleZustaende();
    const bool teilweise = einspannArt == kTeilweise;
    if (teilweise && FreieFuesse() == 2) {
        return 2;
    }
    einspannArt = e <= 0.0 ? kFrei : e < kVolleEinspannung ? kTeilweise : kVoll;
    // Each state of a partly fixed foot aims at the share of its own free foot's rotation;
    // a free or fixed one at none.
    for (C1Lastzustand& z : zustaende) {
        z.zielVerdrehung = teilweise ? (1.0 - e / kProzent) * z.verdrehungFrei : 0.0;
    }

    // A given depth: a free foot stands there; a fixed one's extra depth lies below it.
    const double tiefe = e <= 0.0
                             ? in.einbindetiefe
                             : in.einbindetiefe - (in.einbindetiefe - He) * einbindung::kZuschlag /
                                                      einbindung::kZuschlagGesamt;
    std::size_t massgebend = 0;
    if (modus == Tiefenmodus::Nachweis) {
        PruefeZustaende(alle, tiefe, massgebend);
    } else {
        const bool bemessung = modus == Tiefenmodus::Bemessung;
        double start = bemessung ? in.wand_hw : tiefe - einbindung::kErsterSchritt;
        if (teilweise && bemessung) {
            start = 0.0;
            for (const C1Lastzustand& z : zustaende) {
                start = std::max(start, z.tFrei);
            }
        }
        if (IteriereZustaende(alle, start, kToleranz, bemessung, massgebend) == 2) {
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
    Ausnutzung = AusnutzungZustand();
    ausnutzungMax = Ausnutzung;
    summeAktiv = e <= 0.0 ? SummeQuerkraefte_aktiv : SMA;
    summePassiv = e <= 0.0 ? SummeQuerkraefte_passiv : SwF - SMA;

    const double t0 = t - He;
    deltaTZuschlag = 0.0;
    if (modus == Tiefenmodus::Bemessung && summeEphFuss != 0.0) {
        deltaTZuschlag = (-gep * SC) / (2.0 * summeEphFuss);
    }
    deltaTZuschlag = std::max(deltaTZuschlag, einbindung::kZuschlag * t0);
    if (e <= 0.0) {
        deltaTZuschlag = 0.0; // a free foot needs no extra depth
    }
    return 1;
}

double C1ZirfCalc::EinspannungAusTiefe(double eEingabe, double gegeben) {
    // The total depth a designed wall of fixity e needs grows with e: the largest fixity
    // whose wall the given depth holds, found by halving (to a tenth of a per cent); -1
    // when the given depth does not hold the input's. tErforderlich keeps what the input's
    // fixity needs.
    const auto passt = [&](double e) {
        return TiefeAnker(e, Tiefenmodus::Bemessung) == 1 &&
               t + deltaTZuschlag <= gegeben + kTiefeToleranz;
    };
    // The input's system first: the depth it needs is kept, also for a shorter wall.
    if (TiefeAnker(eEingabe, Tiefenmodus::Bemessung) == 1) {
        tErforderlich = t + deltaTZuschlag;
    }
    if (!(tErforderlich > 0.0 && tErforderlich <= gegeben + kTiefeToleranz)) {
        return -1.0;
    }
    if (eEingabe >= kVolleEinspannung || passt(kVolleEinspannung)) {
        return std::max(eEingabe, static_cast<double>(kVolleEinspannung));
    }
    double tief = eEingabe;
    double hoch = kVolleEinspannung;
    while (hoch - tief > kEinspannungGenauigkeit) {
        const double mitte = (tief + hoch) / 2.0;
        (passt(mitte) ? tief : hoch) = mitte;
    }
    return tief;
}

int C1ZirfCalc::CalcEinbindetiefeAnker(double eEingabe) {
    const C1ZirfInput& in = *pInput;
    SetBeiwerteIteration();
    nLastfaelle = in.iLetzterLastfall + 2;
    UmlagerungAnker();
    freieFuesseBekannt = false;
    einspannungAusTiefe = -1.0;
    tErforderlich = -1.0;
    zielVerdrehungNachweis = 0.0;
    gegebeneTiefe = false;
    tMax = 0.0;
    Ausnutzung = ausnutzungMax = 0.0;
    iMassgebend = 0;
    summeAktiv = summePassiv = 0.0;
    eMax = 0.0;
    if (zustaende.empty()) {
        return 1;
    }
    double e = eEingabe;
    struct {
        double ausnutzung, aktiv, passiv, ziel;
    } gegeben{};
    Tiefenmodus modus = in.berart == kBemessung ? Tiefenmodus::Bemessung : Tiefenmodus::Iteration;
    if (in.berart == kNachweis) {
        // The earth support of the given depth with the input's fixity. A checked wall at
        // least as long as its design needs holds its foot with the embedment beyond that: it
        // stands as the wall designed with the fixity its depth provides (at least the
        // input's), the length beyond it carrying nothing. A shorter one is computed at its
        // depth with the input's fixity.
        if (TiefeAnker(eEingabe, Tiefenmodus::Nachweis) == 2) {
            return 2;
        }
        gegeben = {Ausnutzung, summeAktiv, summePassiv, Zielverdrehung};
        // Also the depth the wall needs with the input's fixity (a design of that).
        e = EinspannungAusTiefe(eEingabe, in.einbindetiefe);
        if (e >= 0.0) {
            einspannungAusTiefe = e;
            modus = Tiefenmodus::Bemessung;
        } else {
            e = eEingabe;
            modus = Tiefenmodus::Nachweis;
            gegebeneTiefe = true;
        }
    }
    if (TiefeAnker(e, modus) == 2) {
        return 2;
    }
    if (in.berart == kNachweis) {
        Ausnutzung = ausnutzungMax = gegeben.ausnutzung;
        summeAktiv = gegeben.aktiv;
        summePassiv = gegeben.passiv;
        zielVerdrehungNachweis = gegeben.ziel;
    }
    // The total depth rounded up to the step in every mode; a checked wall's is its own.
    tGes = einbindung::AufRundungsschritt(
        in.berart == kNachweis ? in.einbindetiefe : t + deltaTZuschlag, in.rundung);
    TracePrintf("\ngewählte Einbindetiefe t %6.2f", tGes);
    TracePrintf("\nAK %8.1f ", AK);
    status = CalcKombi(0);
    status = CalcSchnittgroessenAnker();
    // The internal forces combine every load state anew, and SC holds the iteration's
    // sum again: the check of the earth support reads the governing state's combination
    // step.
    status = CalcKombi(0);
    return 1;
}
