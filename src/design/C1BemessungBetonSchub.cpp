#include "design/C1BemessungBeton.h"

#include "base/Numerik.h"
#include "host/C1QEL.h"
#include "platform/C1Exception.h"
#include "sectionlib/Beton.h"
#include "sectionlib/SchubCalc.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

// Shear design of the concrete class over the library's shear routine.

namespace {

constexpr int kDin1045 = 1;
constexpr int kDin1045_1 = 3;
constexpr int kSia = 4;
constexpr int kNorm5 = 5;
constexpr int kEn1992 = 6;

constexpr int kKreis = 7;
constexpr int kSechseck = 6;
constexpr double kSechseckBreite = 1.73; // width across the flats per side
constexpr double kErsatzMin = 1.0;       // smallest side of an equivalent rectangle, cm
constexpr int kErsatzUnzulaessig = 99;
constexpr const char* kTextErsatz = "unzulässiger Ersatzquerschnitt";

// Minimum links: two legs of 6 mm, asw = kBuegelFaktor / s in cm²/m for a spacing s
// in cm (2 · 0.2826 cm² · 100 cm/m).
constexpr double kBuegelDurchmesser = 6.0;
constexpr double kBuegelFaktor = 56.52000000000002;
constexpr double kAbstandMax = 30.0;
constexpr double kAbstandMaxEc2 = 40.0;
// Old DIN 1045: the library's states 4 .. 7 give the statuses 11 .. 14.
constexpr int kAltVon = 4;
constexpr int kAltBis = 7;
constexpr int kAltVersatz = 7;
constexpr double kAltStabFaktor = 12.0;

std::string Modul(const char* op) {
    return std::string("C1BemessungBeton::") + op;
}

bool Aussergewoehnlich(int situation) {
    return situation >= 2 && situation <= 5;
}

// Statuses that the minimum links turn into a plain design.
bool DurchMindestbewehrungErledigt(int status) {
    return status == 2 || status == 4 || status == 5 || status == 6;
}

// A failure of the bending run: no strains to build on.
bool BiegungGescheitert(int status) {
    return status == beton::kNichtKonvergiert || status >= beton::kNormNicht;
}

const char* SchubText(int status) {
    switch (status) {
    case SCHUB_VRDMAX:
        return "Querkraft VEd größer als die Druckstrebentragfähigkeit VRd,max";
    case SCHUB_EINGABE:
        return "Eingabewert der Querkraftbemessung fehlt oder liegt außerhalb des Bereichs";
    case SCHUB_NORM:
        return "Querkraftbemessung für diese Norm nicht verfügbar";
    case SCHUB_QUERSCHNITT:
        return "Querkraftbemessung für diese Querschnittsform nicht verfügbar";
    case SCHUB_LEICHTBETON:
        return "Querkraftbemessung für Leichtbeton nicht verfügbar";
    case SCHUB_TORSION:
        return "Torsion wird nicht bemessen";
    case SCHUB_COT_THETA:
        return "cot θ außerhalb der zulässigen Grenzen";
    case SCHUB_WINKEL:
        return "Neigung der Querkraftbewehrung außerhalb 45° bis 90°";
    default:
        return "";
    }
}

// The equivalent rectangle of a round section of radius r whose tension bars lie d1
// inside its edge: half depth t = r − d1, or the compression zone's reach past the
// centre when it goes further (edge strain and bar strain of opposite sign); width of
// the section at that depth. False when no rectangle of 1 cm or more remains, t ≥ r
// included (asin(t/r) has no value there).
bool ErsatzRechteck(double radius, double d1, const C1MasqueErg& biege, double& breite,
                    double& hoehe) {
    double t = radius - d1;
    if (biege.e[3] * biege.e[5] < 0.0) {
        t = std::max(t, d1 + biege.e[6] - radius);
    }
    breite = t < radius ? 2.0 * radius * std::cos(std::asin(t / radius)) : 0.0;
    hoehe = 2.0 * t;
    return std::min(breite, hoehe) >= kErsatzMin;
}

// Width and depth that bound the spacing of the links: a T-beam's web and overall
// depth; a round section (left round only under the old DIN 1045) its width across.
void Aussenmasse(int iQuer, const std::array<double, 10>& d, double& breite, double& hoehe) {
    if (iQuer == kKreis || iQuer == kSechseck) {
        breite = hoehe = iQuer == kKreis ? d[1] : kSechseckBreite * d[1];
    } else {
        breite = iQuer == 2 ? d[3] : d[1];
        hoehe = iQuer == 2 ? d[2] + d[4] : d[2];
    }
}

// Largest spacing of the minimum links: the smaller side, at most 40 cm under the
// recommended values of EN 1992, else 30 cm; under the old DIN 1045 also at most
// twelve times the bar diameter of the crack settings (their second double, mm).
double BuegelAbstand(int norm, int variante, double breite, double hoehe, double stabDurchmesser) {
    if (norm == kDin1045) {
        return MinDouble(3, kAltStabFaktor * stabDurchmesser * 0.1, std::min(breite, hoehe),
                         kAbstandMax);
    }
    const bool eng = norm != kEn1992 || variante == 1;
    return std::min({breite, hoehe, eng ? kAbstandMax : kAbstandMaxEc2});
}

} // namespace

int C1BemessungBeton::SetSchubAllg(const C1SchubAllg& a) {
    Verweigern("SetSchubAllg", false, true);
    Schub.i1 = a.s1;
    Schub.winkel = a.winkel;
    Schub.i3 = a.s3;
    Schub.i5 = a.s5;
    return 1;
}

int C1BemessungBeton::SetSchubVors(const C1SchubVors& v) {
    Verweigern("SetSchubVors", true, true);
    SchubVors = v;
    return 1;
}

void C1BemessungBeton::GetSchubInputFromBiegung(const C1BiegeErg& b, const double* As,
                                                C1SchubEingabe& e) const {
    Verweigern("GetSchubInputFromBiegung", true, true);
    if (Modus == 0) {
        e.As[0] = b.w[2];
        e.As[1] = b.w[3];
        e.z = b.w[11];
    } else if (Modus == 1 && As != nullptr) {
        e.As[0] = e.As[1] = *As / 2.0;
        e.z = 0.0;
    }
}

int C1BemessungBeton::CalcSchub(const C1SchubEingabe& e, C1SchubErg& r, const C1MasqueLast* b) {
    const bool normGeht = iNorm == kDin1045 || iNorm == kDin1045_1 || iNorm == kSia ||
                          iNorm == kNorm5 || iNorm == kEn1992;
    if (!normGeht || bMauerwerk) {
        throw C1Exception("Funktion für gewählte Norm nicht zugelassen", Modul("CalcSchub"));
    }
    r = C1SchubErg{};
    auto fehler = [&r, this](int status, const std::string& text) {
        r = C1SchubErg{};
        r.status = status;
        r.text = text;
        SchubErg = r;
        return status;
    };

    const bool umZ = e.achse == 2;
    double d1 = umZ ? Quer.d1z : Quer.d1y;
    double d2 = umZ ? Quer.d2z : Quer.d2y;
    int platte = e.platte;
    if ((iNorm == kDin1045_1 || iNorm == kEn1992) && Quer.iQuer == 1 && Quer.D(3) == 1.0) {
        platte = 1;
    }

    // Partial factors of the situation.
    double fck = BetonSorte.fck;
    double gammaC = 0.0;
    double gammaS = 0.0;
    const int s = e.situation;
    if (iNorm == kSia) {
        if (s < 1 || s > 6) {
            return fehler(SCHUB_EINGABE,
                          "Bemessungssituation " + std::to_string(s) + " nicht zulässig (1 bis 6)");
        }
        gammaC = Aussergewoehnlich(s) ? BetonSorte.gammaCA : BetonSorte.gammaC;
        gammaS = Aussergewoehnlich(s) ? StahlSchub.gammaSA : StahlSchub.gammaS;
        fck = eta_fc(fck) * fck;
    } else if (iNorm != kDin1045) {
        gammaC = s == 2 ? BetonSorte.gammaCA : BetonSorte.gammaC;
        gammaS = s == 2 ? StahlSchub.gammaSA : StahlSchub.gammaS;
    }

    // The section's places 1 .. nDim − 1 (a host may give more than the shapes use);
    // the library record holds places 1 .. 9.
    std::vector<double> alle(static_cast<std::size_t>(std::max(nDim, 10)) + 1, 0.0);
    CopyDimensionen(alle.data() + 1, 1);
    std::array<double, 10> d{};
    std::copy_n(alle.begin(), d.size(), d.begin());
    int iQuer = Quer.iQuer;

    // Circles and hexagons: a rectangle of the depth between the compression edge and
    // the tension bars (or the compression zone, when it reaches further), as wide as
    // the section at that depth.
    if (iNorm != kDin1045 && (iQuer == kKreis || iQuer == kSechseck)) {
        const double radius = (iQuer == kKreis ? d[1] : kSechseckBreite * d[1]) / 2.0;
        C1MasqueErg me;
        int lauf = 0;
        if (b != nullptr) {
            lauf = CalcBiegungNormalkraft(*b, me, 0);
        } else {
            C1MasqueLast ml;
            ml.N = e.N;
            ml.My = e.M;
            ml.situation = e.situation;
            ml.grenze = 9.0;
            lauf = CalcBiegungNormalkraft(ml, me, 1);
        }
        if (BiegungGescheitert(lauf)) {
            return fehler(kErsatzUnzulaessig, TextUebersetzt(kTextErsatz) + ": " + me.text);
        }
        double breite = 0.0;
        double hoehe = 0.0;
        if (!ErsatzRechteck(radius, d1, me, breite, hoehe)) {
            return fehler(kErsatzUnzulaessig, TextUebersetzt(kTextErsatz));
        }
        d.fill(0.0);
        d[1] = breite;
        d[2] = hoehe;
        iQuer = 1;
        d1 = d2 = 0.0;
    } else if (iQuer == 1 && umZ) {
        std::swap(d[1], d[2]);
    }

    double V = e.V, T = e.T, N = e.N, M = e.M;
    if (iNorm == kSia) {
        V *= gammaC;
        T *= gammaC;
        N *= gammaC;
        M *= gammaC;
        gammaC = gammaS = 1.0;
    }

    SchubCalcEingabe ein;
    ein.iNorm = iNorm;
    ein.NormVariante = iNorm != kDin1045 ? NormVariante : 0;
    ein.VEd = V;
    ein.TEd = T;
    ein.NEd = N;
    ein.MEd = M;
    ein.z = e.z;
    ein.Typ = BetonSorte.Typ;
    ein.fck = fck;
    ein.fyk = StahlSchub.fyk;
    if (iNorm != kDin1045) {
        ein.gammaC = gammaC;
        ein.gammaS = gammaS;
    }
    ein.Platte = platte;
    ein.iQuer = iQuer;
    ein.d = d;
    ein.d1 = d1;
    ein.d2 = d2;
    ein.AsL = e.As[0];
    ein.alpha = Schub.winkel;
    ein.cotTheta = iNorm == kSia ? 0.0 : e.cotTheta;

    SchubCalcAusgabe aus;
    SchubCalc(ein, aus);
    const auto& o = aus.o;

    double breite = 0.0;
    double hoehe = 0.0;
    Aussenmasse(iQuer, d, breite, hoehe);
    const auto mindestBuegel = [&](double berechnet) {
        const double abstand = BuegelAbstand(iNorm, NormVariante, breite, hoehe, Riss.d1);
        if (!(abstand > 0.0)) {
            return berechnet; // a section without width or depth takes no links
        }
        r.w[6] = kBuegelDurchmesser;
        r.w[7] = abstand;
        return std::max(berechnet, kBuegelFaktor / abstand);
    };

    if (iNorm == kDin1045) {
        // The old code reports through its own status field only. Its minimum links
        // stand whatever the library made of the design (it refuses this code).
        const int alt = aus.StatusAlt;
        r.status = alt >= kAltVon && alt <= kAltBis ? alt + kAltVersatz : 0;
        r.bibliothek = alt;
        if (Quer.iAnordnung >= 1) {
            r.w[3] = mindestBuegel(o[SCHUB_ASW_ERF]);
        }
        r.text = GetReportText("DIN1045Schub", r.status);
        if (r.text.empty() && r.status != 0) {
            r.text = SchubText(aus.Status);
        }
        SchubErg = r;
        return r.status;
    }

    int status = aus.Status;
    if (aus.Status == SCHUB_OK) {
        status = 1;
    } else if (!DurchMindestbewehrungErledigt(aus.Status)) {
        status = aus.Fehler;
    }
    double erforderlich = o[SCHUB_ASW_ERF];
    double zusatz = o[SCHUB_ASL_ZUSATZ];
    const bool versagt = aus.Fehler != 0;

    // Minimum links of 6 mm at the largest spacing the section allows.
    const bool mindest = (Quer.bMindestBew != 0 && Quer.iAnordnung > 0 && platte == 0) ||
                         (iNorm == kSia && Quer.iAnordnung > 0);
    if (mindest && !versagt) {
        if (DurchMindestbewehrungErledigt(status)) {
            status = 0;
        }
        erforderlich =
            mindestBuegel(iNorm == kDin1045_1 ? std::max(0.0, o[SCHUB_ASW_ERF]) : o[SCHUB_ASW_ERF]);
        zusatz = 0.0;
    }

    r.w[0] = o[SCHUB_VRDC];
    r.w[1] = o[SCHUB_VRDMAX_W];
    r.w[2] = o[SCHUB_COTTHETA];
    r.w[3] = erforderlich;
    r.w[4] = zusatz;
    if (iNorm != kSia) {
        r.w[5] = o[SCHUB_ASW_MIN];
    }
    r.w[8] = o[SCHUB_VRDS];
    r.w[9] = o[SCHUB_Z];
    r.w[12] = o[SCHUB_D];
    r.w[13] = o[SCHUB_RHOL];
    r.w[14] = e.cotTheta;
    if (iNorm != kSia && iNorm != kNorm5) {
        r.w[15] = o[SCHUB_COT_MAX];
    }
    r.bibliothek = aus.Status;
    r.status = status;
    r.hinweis = aus.Hinweis;
    r.text = GetReportText(iNorm == kEn1992 ? "EC2Schub" : "DIN1045_1Schub", status);
    if (r.text.empty() && versagt) {
        r.text = SchubText(status);
    }
    SchubErg = r;
    return status;
}

std::string C1BemessungBeton::TextUebersetzt(const char* text) const {
    if (pQel == nullptr) {
        return text;
    }
    std::string out;
    return pQel->LOC_TranslateX(out, text);
}
