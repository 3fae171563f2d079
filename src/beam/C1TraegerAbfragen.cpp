#include "beam/C1Traeger.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double kEndToleranz = 1e-4;
constexpr double kMinEinspanngrad = 0.1;
constexpr double kMinFeder = 0.1;
constexpr double kUngueltigerWert = -9999.9;

} // namespace

int C1Traeger::GetFeldX(double x, int& i, double& xl) const {
    if (x < 0.0 || x > TL) {
        return 0;
    }
    // Asked once, not per span: whether x is the beam's end.
    const bool amEnde = IsGleich(x, TL) != 0;
    for (int j = 1; j <= nFeld; ++j) {
        const double xs = FeldXAnf.at(j);
        const double xe = FeldXEnd.at(j);
        // A point on an interior support belongs to the following span.
        const bool gefunden =
            (x == 0.0 && j == 1) || (amEnde && j == nFeld) || IsGleich(x, xs) || (xs < x && x < xe);
        if (gefunden) {
            i = j;
            xl = std::min(std::max(x - xs, 0.0), xe - xs);
            return 1;
        }
    }
    return 0;
}

int C1Traeger::GetFeldNr(double x) const {
    if (x < -kEndToleranz || x > TL + kEndToleranz) {
        return 0;
    }
    if (x < kEndToleranz) {
        return 1;
    }
    if (x > TL - kEndToleranz) {
        return nFeld;
    }
    for (int i = 1; i <= nFeld; ++i) {
        const double xs = FeldXAnf.at(i);
        if (IsGleich(x, xs) || (xs <= x && x < FeldXEnd.at(i))) {
            return i;
        }
    }
    return 0;
}

int C1Traeger::GetAnzLf() const {
    int anz = 0;
    for (int i = 1; i <= nFeld; ++i) {
        anz = std::max(anz, GetFeld(i).GetAnzLf());
    }
    return anz;
}

C1Traeger::Stelle C1Traeger::StelleBei(double x) const {
    Stelle s;
    s.anzLf = GetAnzLf();
    if (GetFeldX(x, s.feld, s.xl) == 0) {
        s.feld = 0;
    }
    return s;
}

template <class Wert> auto C1Traeger::AnStelle(const Stelle& s, int Lf, const Wert& wert) const {
    // No results for this load case, or x off the beam: 0.
    if (Lf < 1 || Lf > s.anzLf || s.feld == 0) {
        return decltype(wert(GetFeld(s.feld), s.xl)){};
    }
    return wert(GetFeld(s.feld), s.xl);
}

double C1Traeger::GetMx(const Stelle& s, int Lf) const {
    return AnStelle(s, Lf, [Lf](const C1Feld& f, double xl) {
        return f.Mx(Lf, f.GetMB(Lf, 1), f.GetMB(Lf, 2), xl);
    });
}

double C1Traeger::GetQx(const Stelle& s, int Lf) const {
    return AnStelle(s, Lf, [Lf](const C1Feld& f, double xl) {
        // qx reads the start shear only.
        return f.qx(Lf, f.GetQ0(Lf, 1), 0.0, xl);
    });
}

C1Feld::Schnitt C1Traeger::GetMQx(const Stelle& s, int Lf) const {
    return AnStelle(s, Lf, [Lf](const C1Feld& f, double xl) {
        return f.MQx(Lf, f.GetMB(Lf, 1), f.GetMB(Lf, 2), f.GetQ0(Lf, 1), xl);
    });
}

double C1Traeger::GetMx(int Lf, double x) const {
    return GetMx(StelleBei(x), Lf);
}

double C1Traeger::GetQx(int Lf, double x) const {
    return GetQx(StelleBei(x), Lf);
}

double C1Traeger::GetNx(int Lf, double x) const {
    return AnStelle(StelleBei(x), Lf, [Lf](const C1Feld& f, double xl) { return f.Nx(Lf, xl); });
}

void C1Traeger::PruefeAuflager(int k, const char* wo) const {
    if (k > nFeld + 1) {
        throw C1Exception(std::string(wo) + ", Auflager " + std::to_string(k) +
                          " existiert nicht (1 bis " + std::to_string(nFeld + 1) + ")");
    }
}

double C1Traeger::GetAuflagerkraft(int Lf, int k) const {
    if (k < 1) {
        return 0.0;
    }
    PruefeAuflager(k, "C1Traeger::GetAuflagerkraft");
    const double QR = k <= nFeld ? GetFeld(k).GetQ0(Lf, 1) : 0.0;
    const double QL = k >= 2 ? GetFeld(k - 1).GetQ0(Lf, 2) : 0.0;
    return QR - QL;
}

double C1Traeger::GetAuflagermoment(int Lf, int k) const {
    if (k < 1) {
        return 0.0;
    }
    PruefeAuflager(k, "C1Traeger::GetAuflagermoment");
    const double ML = k >= 2 ? GetFeld(k - 1).GetMB(Lf, 2) : 0.0;
    const double MR = k <= nFeld ? GetFeld(k).GetMB(Lf, 1) : 0.0;
    return ML - MR;
}

double C1Traeger::GetFeldLaenge(int i) {
    if (i < 1 || i > nFeld) {
        return 0.0;
    }
    FeldL.at(i) = GetFeld(i).GetL();
    return FeldL.at(i);
}

double C1Traeger::GetXAnf(int i) const {
    return (i >= 1 && i <= nFeld) ? FeldXAnf.at(i) : 0.0;
}

double C1Traeger::GetXEnd(int i) const {
    return (i >= 1 && i <= nFeld) ? FeldXEnd.at(i) : 0.0;
}

double C1Traeger::GetXAuflager(int k) const {
    return (k >= 2 && k <= nFeld + 1) ? FeldXEnd.at(k - 1) : 0.0;
}

int C1Traeger::GetAuflagerArt(int k) const {
    if (k < 1 || k > nFeld + 1 || nFeld < 1) {
        return -1;
    }
    return k == nFeld + 1 ? GetFeldAuflagerArt(nFeld, 2) : GetFeldAuflagerArt(k, 1);
}

double C1Traeger::GetAuflagerWert(int k) const {
    if (k < 1 || k > nFeld + 1 || nFeld < 1) {
        return -1.0;
    }
    return k == nFeld + 1 ? GetFeldAuflagerWert(nFeld, 2) : GetFeldAuflagerWert(k, 1);
}

int C1Traeger::GetFeldAuflagerArt(int i, int end) const {
    if ((end != 1 && end != 2) || i < 1 || i > nFeld) {
        return -1;
    }
    int art = 0;
    double wert = 0.0;
    end == 1 ? GetFeld(i).GetAuflagerAnf(art, wert) : GetFeld(i).GetAuflagerEnd(art, wert);
    return art;
}

double C1Traeger::GetFeldAuflagerWert(int i, int end) const {
    if ((end != 1 && end != 2) || i < 1 || i > nFeld) {
        return kUngueltigerWert;
    }
    int art = 0;
    double wert = 0.0;
    end == 1 ? GetFeld(i).GetAuflagerAnf(art, wert) : GetFeld(i).GetAuflagerEnd(art, wert);
    return wert;
}

double C1Traeger::GetCM(int k) const {
    const bool first = k == 1;
    if (!first && k != nFeld + 1) {
        return 0.0;
    }
    const double eta = first ? Aufl1_Einspanngrad : Aufln_Einspanngrad;
    const double cM = first ? Aufl1_cM : Aufln_cM;
    if (std::fabs(cM) > kMinFeder) {
        return cM;
    }
    if (eta > kMinEinspanngrad) {
        return CalcCMFromEinspanngrad(first, eta);
    }
    return 0.0;
}

void C1Traeger::AddLast(int type, int Lf, int Feld, double a, double b, double value1,
                        double value2) {
    switch (type) {
    case 0:
        Lasten.AddNormalKraft(Lf, Feld, a, b, value1, value2, "", 0);
        break;
    case 1:
        Lasten.AddTrapezLast(Lf, Feld, a, b, value1, value2, "", 1, 0);
        break;
    case 2:
        Lasten.AddEinzelLast(Lf, Feld, a, value1, "", 1, 0);
        break;
    case 3:
        Lasten.AddMomentLast(Lf, Feld, a, value1, "", 0);
        break;
    case 4:
        Lasten.AddTempLast(Lf, Feld, a, b, value1, "", 0);
        break;
    case 5:
        Lasten.AddStsLast(Lf, Feld, value1, "", 0);
        break;
    default:
        break;
    }
}

int C1Traeger::AddEinzelLast(int Lf, int Feld, double x) {
    if (Feld > nFeld) {
        return 0;
    }
    int feld = Feld;
    double position = 0.0;
    if (Feld >= 1) {
        // x is a beam coordinate inside span Feld; the record keeps it relative to the span,
        // as every record with a span number does.
        if (x < FeldXAnf.at(Feld) || x > FeldXEnd.at(Feld)) {
            return 0;
        }
        position = x - FeldXAnf.at(Feld);
    } else if (GetFeldX(x, feld, position) == 0) {
        // Off the beam: there is no span to put the load on.
        return 0;
    }
    Lasten.AddEinzelLast(Lf, feld, position, 1.0, "", 1, 0);
    return 1;
}

void C1Traeger::Verformungen() const {
    throw C1Exception("C1Traeger::Verformungen, noch nicht implementiert");
}
