#include "beam/C1Traeger.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <string>

namespace {

// An end counts as elastically restrained above these values (percent, kNm/rad).
constexpr double kMinEinspanngrad = 0.1;
constexpr double kMinFeder = 0.1;
// In the substitute span's length a spring above this value takes precedence.
constexpr double kFederVorrang = 0.01;
constexpr double kVollEingespannt = 100.0;
constexpr double kKeineEinspannung = 9999999.0;
constexpr double kMinE = 1.0;
constexpr int kMaxIterationen = 9999;
constexpr double kKonvergenz = 1e-9;

// Keeps a copy of the beam while substitute spans stand in for elastic end restraints, and
// puts the beam back on every exit from the solution, also when it throws.
class GesicherterTraeger {
public:
    explicit GesicherterTraeger(C1Traeger& traeger) : m_Traeger(traeger) { m_Kopie = traeger; }
    ~GesicherterTraeger() { m_Traeger = m_Kopie; }
    GesicherterTraeger(const GesicherterTraeger&) = delete;
    GesicherterTraeger& operator=(const GesicherterTraeger&) = delete;

private:
    C1Traeger& m_Traeger;
    C1Traeger m_Kopie;
};

} // namespace

int C1Traeger::Calc() {
    if (nFeld < 1) {
        return 0;
    }
    for (int i = 1; i <= nFeld; ++i) {
        GetFeld(i).SetE(m_E);
        GetFeld(i).GetLasten().DeleteAll();
    }
    TL = CalcLaengen();
    int art = 0;
    double wert = 0.0;
    GetFeld(1).GetAuflagerAnf(art, wert);
    if (art == 0) {
        Aufl_1 = -1;
    }
    GetFeld(nFeld).GetAuflagerEnd(art, wert);
    if (art == 0) {
        Aufl_n = -1;
    }
    int maxLf = 0;
    VerteileLasten(maxLf);
    for (int Lf = 1; Lf <= maxLf; ++Lf) {
        CalcLastfall(Lf);
        for (int i = 1; i <= nFeld; ++i) {
            C1Feld& feld = GetFeld(i);
            double QA = 0.0;
            double QE = 0.0;
            feld.Q0(Lf, QA, QE);
            const double dQ = (feld.GetMB(Lf, 2) - feld.GetMB(Lf, 1)) / FeldL.at(i);
            feld.SetQ0(Lf, 1, QA + dQ);
            feld.SetQ0(Lf, 2, QE + dQ);
        }
    }
    return 1;
}

int C1Traeger::CalcLastfall(int Lf) {
    if (AlleEingespannt) {
        return CalcLastfallEingespannt(Lf);
    }
    // Both substitute lengths come from the beam as it stands, before it is extended.
    const Rand anf = RandFuerLoesung(true);
    const Rand end = RandFuerLoesung(false);
    const int off = anf.ersatzLaenge > 0.0 ? 1 : 0;
    std::vector<double> X;
    {
        std::optional<GesicherterTraeger> gesichert;
        if (anf.ersatzLaenge > 0.0 || end.ersatzLaenge > 0.0) {
            gesichert.emplace(*this);
            AddErsatzfelder(anf, end);
        }
        X = Stuetzmomente(Lf, anf.code, end.code);
    }
    // Moments at the far ends of substitute spans are dropped; a restrained end gets the
    // moment at its real support.
    for (int i = 1; i <= nFeld; ++i) {
        GetFeld(i).SetMB(Lf, 1, X.at(off + i));
        GetFeld(i).SetMB(Lf, 2, X.at(off + i + 1));
    }
    return 1;
}

C1Traeger::Rand C1Traeger::RandFuerLoesung(bool first) const {
    const int code = first ? Aufl_1 : Aufl_n;
    const double eta = first ? Aufl1_Einspanngrad : Aufln_Einspanngrad;
    const double cM = first ? Aufl1_cM : Aufln_cM;
    if (!(eta > kMinEinspanngrad || cM > kMinFeder)) {
        return {.code = code, .ersatzLaenge = 0.0};
    }
    // Full fixity is a clamped end: a substitute span would have no length.
    if (cM <= kFederVorrang && eta >= kVollEingespannt) {
        return {.code = 1, .ersatzLaenge = 0.0};
    }
    const double laenge = CalcErsatzfeldLaenge(first, cM, eta);
    if (laenge < C1Feld::kMinLaenge) {
        // Stiffer than any span could model: clamped.
        return {.code = 1, .ersatzLaenge = 0.0};
    }
    // The substitute span is hinged at its far end.
    return {.code = 0, .ersatzLaenge = laenge};
}

void C1Traeger::AddErsatzfelder(const Rand& anf, const Rand& end) {
    const int m = nFeld;
    const bool vorn = anf.ersatzLaenge > 0.0;
    const bool hinten = end.ersatzLaenge > 0.0;
    auto ersatzfeld = [](C1Feld& feld, double Iy, double laenge) {
        feld.SetAuflagerAnf(1, 0.0);
        feld.SetAuflagerEnd(1, 0.0);
        feld.SetIy(Iy);
        feld.SetL(laenge);
        feld.GetLasten().DeleteAll();
    };
    SetAnzFelder(m + (vorn ? 1 : 0) + (hinten ? 1 : 0));
    if (hinten) {
        ersatzfeld(GetFeld(nFeld), GetFeld(m).GetIy(), end.ersatzLaenge);
    }
    if (vorn) {
        for (int j = m; j >= 1; --j) {
            GetFeld(j + 1) = GetFeld(j);
        }
        ersatzfeld(GetFeld(1), GetFeld(2).GetIy(), anf.ersatzLaenge);
    }
    // New and moved spans keep their own modulus on assignment; the load terms of
    // temperature and settlement need the beam's.
    for (int i = 1; i <= nFeld; ++i) {
        GetFeld(i).SetE(m_E);
    }
    CalcLaengen();
}

std::vector<double> C1Traeger::Stuetzmomente(int Lf, int aufl1, int afln) const {
    const int N = nFeld + 1;
    const std::size_t size = static_cast<std::size_t>(N) + 1;
    std::vector<double> X(size, 0.0);
    std::vector<double> D(size, 0.0);
    std::vector<double> F(size, 0.0);
    std::vector<double> H(size, 0.0);
    std::vector<double> e(size, 0.0);
    std::vector<double> g(size, 0.0);

    const double ML = aufl1 == -1 ? GetFeld(1).KragMoment(Lf, 1) : 0.0;
    const double MR = afln == -1 ? GetFeld(nFeld).KragMoment(Lf, 2) : 0.0;

    int first = 2;
    if (aufl1 == -1) {
        first = 3;
        X.at(1) = 0.0;
        X.at(2) = ML;
    } else if (aufl1 == 1) {
        first = 1;
    }
    int last = N - 1;
    if (afln == -1) {
        last = N - 2;
        X.at(N) = 0.0;
        X.at(N - 1) = MR;
    } else if (afln == 1) {
        last = N;
    } else {
        X.at(N) = 0.0;
    }

    const double Iy1 = GetFeld(1).GetIy();
    for (int i = 1; i <= nFeld; ++i) {
        int tA = 1;
        int tE = 1;
        if (i == 1) {
            tA = aufl1;
        }
        if (i == nFeld) {
            tE = afln;
        }
        if (i == nFeld && afln == -1) {
            D.at(i) = MR;
            F.at(i) = 0.0;
        } else {
            GetFeld(i).Lastglieder(Lf, tA, tE, D.at(i), F.at(i));
        }
        // Reduced lengths bring spans of other stiffness to the first span's Iy.
        H.at(i) = FeldL.at(i) * Iy1 / GetFeld(i).GetIy();
    }

    for (int Y = first; Y <= last; ++Y) {
        if (Y > 1) {
            e.at(Y) = D.at(Y) * H.at(Y) + F.at(Y - 1) * H.at(Y - 1);
            g.at(Y) = 2.0 * (H.at(Y - 1) + H.at(Y));
        } else {
            e.at(1) = D.at(1) * FeldL.at(1);
            g.at(1) = 2.0 * FeldL.at(1);
        }
    }

    if (first > last) {
        return X;
    }
    // Gauss-Seidel sweeps over the three-moment equations
    // X[Y-1] H[Y-1] + 2 X[Y] (H[Y-1] + H[Y]) + X[Y+1] H[Y] = -e[Y].
    for (int sweep = 1; sweep <= kMaxIterationen; ++sweep) {
        double alt = 0.0;
        for (int Y = first; Y <= last; ++Y) {
            alt = X.at(Y);
            double rechts = -e.at(Y);
            if (Y > 1) {
                rechts -= X.at(Y - 1) * H.at(Y - 1);
            }
            if (Y < N) {
                rechts -= X.at(Y + 1) * H.at(Y);
            }
            X.at(Y) = rechts / g.at(Y);
        }
        if (IsRelGleich(alt, X.at(last), kKonvergenz) == 1) {
            return X;
        }
    }
    throw C1Exception("C1Traeger::CalcLastfall, Stützmomente konvergieren nicht nach " +
                      std::to_string(kMaxIterationen) + " Iterationen (Lastfall " +
                      std::to_string(Lf) + ")");
}

int C1Traeger::CalcLastfallEingespannt(int Lf) {
    for (int i = 1; i <= nFeld; ++i) {
        C1Feld& feld = GetFeld(i);
        double MA = 0.0;
        double ME = 0.0;
        if (i == 1 && Aufl_1 == -1) {
            ME = feld.KragMoment(Lf, 1);
        } else if (i == nFeld && Aufl_n == -1) {
            MA = feld.KragMoment(Lf, 2);
        } else {
            feld.EinspM(Lf, 1, 1, MA, ME);
        }
        feld.SetMB(Lf, 1, MA);
        feld.SetMB(Lf, 2, ME);
    }
    return 1;
}

double C1Traeger::EI(int k) const {
    return m_E * 10000.0 * GetFeld(k).GetIy() * 1e-8;
}

double C1Traeger::CalcErsatzfeldLaenge(bool first, double cM, double eta) const {
    if (nFeld < 1) {
        throw C1Exception("C1Traeger::CalcEinspanngradFromCM: nFeld=0");
    }
    if (m_E < kMinE) {
        throw C1Exception("C1Traeger::CalcEinspanngradFromCM: E=0");
    }
    const int k = first ? 1 : nFeld;
    // A span of length l, hinged at its far end, resists a rotation of its near end with
    // the stiffness 3EI / l.
    double laenge = kKeineEinspannung;
    if (eta > 0.01) {
        const double e = eta * 0.01;
        // Full fixity needs no length at all (and must not be divided by).
        laenge = e >= 1.0 ? 0.0 : (1.0 - e) * FeldL.at(k) / e;
    }
    if (cM > kFederVorrang) {
        laenge = 3.0 * EI(k) / cM;
    }
    return laenge;
}

double C1Traeger::CalcCMFromEinspanngrad(bool first, double eta) const {
    if (nFeld < 1) {
        throw C1Exception("C1Traeger::CalcCMFromEinspanngrad: nFeld=0");
    }
    if (m_E < kMinE) {
        throw C1Exception("C1Traeger::CalcCMFromEinspanngrad: E=0");
    }
    const int k = first ? 1 : nFeld;
    const double e = eta * 0.01;
    if (e >= 1.0) {
        // Full fixity is a rigid restraint.
        return std::numeric_limits<double>::infinity();
    }
    if (FeldL.at(k) < C1Feld::kMinLaenge) {
        throw C1Exception("C1Traeger::CalcCMFromEinspanngrad: Feldlänge <= 0");
    }
    return 3.0 * EI(k) * e / ((1.0 - e) * FeldL.at(k));
}

double C1Traeger::CalcEinspanngradFromCM(bool first, double cM) const {
    if (nFeld < 1) {
        throw C1Exception("C1Traeger::CalcEinspanngradFromCM: nFeld=0");
    }
    if (m_E < kMinE) {
        throw C1Exception("C1Traeger::CalcEinspanngradFromCM: E=0");
    }
    const int k = first ? 1 : nFeld;
    const double nenner = 3.0 * EI(k) + cM * FeldL.at(k);
    if (nenner <= 0.0) {
        // Only a negative spring gets here, and it restrains nothing.
        return 0.0;
    }
    const double eta = cM * 100.0 * FeldL.at(k) / nenner;
    return std::min(std::max(eta, 0.0), kVollEingespannt);
}
