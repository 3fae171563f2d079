#include "plot/section/C1Quer.h"

#include "base/Numerik.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kAchseGedreht = 2;
constexpr int kProfilKasten = 51; // steel family measured by d[12] alone
constexpr int kProfilNormal = 81; // steel family brought into normal form
const char* const kRotateText = "C1Quer::Rotate; unzulässig bei akt. Querschnitt";

} // namespace

bool IsBemetypBeton(int bemetyp) {
    return bemetyp == 1 || bemetyp == 4 || bemetyp == 7 || bemetyp == 11 || bemetyp == 21;
}

bool IsBemetypStahl(int bemetyp) {
    return bemetyp == 2 || bemetyp == 5 || bemetyp == 8 || bemetyp == 12 || bemetyp == 22;
}

bool IsBemetypHolz(int bemetyp) {
    return bemetyp == 3 || bemetyp == 6 || bemetyp == 9 || bemetyp == 13 || bemetyp == 23;
}

C1Quer::C1Quer() : C1Quer(kDimensionen) {}

C1Quer::C1Quer(int count) : nDim(count) {
    Init();
}

C1Quer::C1Quer(const C1Quer& source) : C1Quer() {
    CopyTeil(source);
    NormalizeProfil();
}

C1Quer& C1Quer::operator=(const C1Quer& source) {
    if (this != &source) {
        CopyTeil(source);
    }
    return *this;
}

void C1Quer::Init() {
    // Every field to its default but the dimension count and the placed name boxes,
    // which belong to the caller of the drawing.
    const C1Quer standard{Roh{}};
    const int count = nDim;
    CopyAlles(standard);
    nDim = count;
    d.assign(static_cast<std::size_t>(std::max(count, 0)), 0.0);
}

void C1Quer::CopyAlles(const C1Quer& s) {
    nDim = s.nDim;
    Name = s.Name;
    Gruppe = s.Gruppe;
    DatenbankPfad = s.DatenbankPfad;
    xa = s.xa;
    xe = s.xe;
    e = s.e;
    al = s.al;
    wert1 = s.wert1;
    wert2 = s.wert2;
    iQuer = s.iQuer;
    flag = s.flag;
    iAnordnung = s.iAnordnung;
    bMindestBew = s.bMindestBew;
    iAnordnung1 = s.iAnordnung1;
    iAnordnung2 = s.iAnordnung2;
    dAnordnung1 = s.dAnordnung1;
    dAnordnung2 = s.dAnordnung2;
    hz = s.hz;
    wert3 = s.wert3;
    d1y = s.d1y;
    d2y = s.d2y;
    d1z = s.d1z;
    d2z = s.d2z;
    Aufklauung = s.Aufklauung;
    A = s.A;
    ABrutto = s.ABrutto;
    Iy = s.Iy;
    Iz = s.Iz;
    Ix = s.Ix;
    Wy = s.Wy;
    Wz = s.Wz;
    ItGenau = s.ItGenau;
    Eigengewicht = s.Eigengewicht;
    zsVerbund = s.zsVerbund;
    ysVerbund = s.ysVerbund;
    IVerbund = s.IVerbund;
    iProf = s.iProf;
    Nachweis = s.Nachweis;
    ProfAchse = s.ProfAchse;
    ProfNr = s.ProfNr;
    Bemetyp = s.Bemetyp;
    iWert1 = s.iWert1;
    iBemessen = s.iBemessen;
    Start1 = s.Start1;
    Start2 = s.Start2;
    hProfData = s.hProfData;
    hCalc = s.hCalc;
    iWert2 = s.iWert2;
    Bewehrung = s.Bewehrung;
    BSH = s.BSH;
}

void C1Quer::CopyTeil(const C1Quer& s) {
    // The dimensions first: a source shorter than its count throws before anything
    // of the target changed.
    std::vector<double> neu(static_cast<std::size_t>(std::max(s.nDim, 0)), 0.0);
    for (std::size_t i = 0; i < neu.size(); ++i) {
        neu[i] = s.d.at(i);
    }
    nDim = s.nDim;
    xa = s.xa;
    xe = s.xe;
    iQuer = s.iQuer;
    hz = s.hz;
    d1y = s.d1y;
    d2y = s.d2y;
    d1z = s.d1z;
    d2z = s.d2z;
    A = s.A;
    Iy = s.Iy;
    Iz = s.Iz;
    Wy = s.Wy;
    Wz = s.Wz;
    Name = s.Name;
    Gruppe = s.Gruppe;
    iProf = s.iProf;
    Nachweis = s.Nachweis;
    ProfAchse = s.ProfAchse;
    ProfNr = s.ProfNr;
    Bemetyp = s.Bemetyp;
    d = std::move(neu);
}

void C1Quer::Copy(const C1Quer& s) {
    if (this == &s) {
        NormalizeProfil();
        return;
    }
    std::vector<double> neu(static_cast<std::size_t>(std::max(s.nDim, 0)), 0.0);
    for (std::size_t i = 0; i < neu.size(); ++i) {
        neu[i] = s.d.at(i);
    }
    CopyAlles(s);
    d = std::move(neu);
    NormalizeProfil();
}

double C1Quer::GetBreite() const {
    return Breite(ProfAchse);
}

double C1Quer::GetHoehe() const {
    return Hoehe(ProfAchse);
}

double C1Quer::GetDimension3() const {
    return Dimension3(ProfAchse);
}

double C1Quer::Breite(int achse) const {
    if (achse == kAchseGedreht) {
        return Hoehe(1);
    }
    if (Bemetyp == 0 || IsBemetypBeton(Bemetyp)) {
        switch (iQuer) {
        case 1:
        case 7:
        case 11:
            return D(1);
        case 2:
            return std::max(D(1), D(3));
        case 3:
            return D(4) + D(1) + D(6);
        case 4:
            return std::max(D(1), D(6));
        case 5:
            return std::max(D(1) + D(2), D(3) + D(4));
        case 6:
            return 2.0 * D(1);
        default:
            return 0.0;
        }
    }
    if (IsBemetypStahl(Bemetyp)) {
        return iProf == kProfilKasten ? D(12) : std::max(D(10), D(11));
    }
    if (IsBemetypHolz(Bemetyp)) {
        return (iQuer == 1 || iQuer == 2) ? D(1) : 0.0;
    }
    return 0.0;
}

double C1Quer::Hoehe(int achse) const {
    if (achse == kAchseGedreht) {
        return Breite(1);
    }
    if (Bemetyp == 0 || IsBemetypBeton(Bemetyp)) {
        switch (iQuer) {
        case 1:
        case 3:
        case 11:
            return D(2);
        case 2:
            return D(4) + D(2) + D(5);
        case 4:
            return D(3) + D(2) + D(5) + D(8) + D(7);
        case 5:
            return D(5);
        case 6:
            // Hexagon on its flat side: d[1] is the side, the height across flats.
            return D(1) * 2.0 * 0.866;
        case 7:
            return D(1);
        default:
            return 0.0;
        }
    }
    if (IsBemetypStahl(Bemetyp)) {
        return D(12);
    }
    if (IsBemetypHolz(Bemetyp)) {
        if (iQuer == 1) {
            return D(2);
        }
        return iQuer == 2 ? D(1) : 0.0;
    }
    return 0.0;
}

double C1Quer::Dimension3(int achse) const {
    if (achse == kAchseGedreht) {
        return Hoehe(1);
    }
    const bool beton = IsBemetypBeton(Bemetyp);
    if (Bemetyp == 0 || beton) {
        switch (iQuer) {
        case 1:
        case 11:
            return D(2);
        case 2:
            return std::min(D(1), D(3));
        case 3:
        case 7:
            return D(1);
        case 4:
            return D(4);
        case 5:
            return std::min(D(1) + D(2), D(3) + D(4));
        case 6:
            return beton ? D(1) : 0.0;
        default:
            return 0.0;
        }
    }
    if (IsBemetypStahl(Bemetyp)) {
        return iProf == kProfilKasten ? D(12) : D(15);
    }
    if (IsBemetypHolz(Bemetyp)) {
        return (iQuer == 1 || iQuer == 2) ? D(1) : 0.0;
    }
    return 0.0;
}

int C1Quer::IsEqual(const C1Quer& o) const {
    if (iQuer != o.iQuer || iProf != o.iProf || ProfAchse != o.ProfAchse ||
        Bewehrung.iLayout != o.Bewehrung.iLayout) {
        return 0;
    }
    if (!IsGleich(d1y, o.d1y) || !IsGleich(d2y, o.d2y) || !IsGleich(d1z, o.d1z) ||
        !IsGleich(d2z, o.d2z)) {
        return 0;
    }
    int von = 1;
    int bis = 1;
    if (IsBemetypBeton(Bemetyp)) {
        bis = 9;
    } else if (IsBemetypStahl(Bemetyp)) {
        von = 10;
        bis = 15;
    } else if (IsBemetypHolz(Bemetyp)) {
        bis = 2;
    }
    for (int i = von; i <= bis; ++i) {
        if (!IsGleich(D(i), o.D(i))) {
            return 0;
        }
    }
    return 1;
}

void C1Quer::Rotate() {
    bool erlaubt = false;
    if (Bemetyp == 0 || IsBemetypBeton(Bemetyp)) {
        erlaubt = iQuer == 0 || iQuer == 1 || iQuer == 6 || iQuer == 7;
    } else if (IsBemetypStahl(Bemetyp)) {
        ProfAchse = ProfAchse == 1 ? kAchseGedreht : 1;
        return;
    } else if (IsBemetypHolz(Bemetyp)) {
        erlaubt = iQuer == 1 || iQuer == 7;
    }
    if (!erlaubt) {
        throw C1Exception(kRotateText);
    }
    if (iQuer == 1) {
        const double breite = D(1);
        d.at(1) = D(2);
        d.at(2) = breite;
    }
}

int C1Quer::NormalizeProfil() {
    if ((Bemetyp == 2 || Bemetyp == 5) && iProf == kProfilNormal) {
        d.at(15) = MaxDouble(3, D(10), D(11), D(15));
        d.at(12) = MaxDouble(3, D(12), D(13), D(14));
        d.at(10) = 0.0;
        d.at(11) = 0.0;
        d.at(13) = 0.0;
        d.at(14) = 0.0;
    }
    return 1;
}

int C1Quer::Dump(std::FILE* f) const {
    if (f == nullptr) {
        return 1;
    }
    std::fprintf(f, "\nC1Quer\n");
    std::fprintf(f, "------\n");
    std::fprintf(f, "Name=%s, Gruppe=%s, ProfAchse=%d, Nachweis=%d, iProf=%d, hz=%6.2lf \n",
                 Name.c_str(), Gruppe.c_str(), ProfAchse, Nachweis, iProf, hz);
    std::fprintf(f, "xa=%8.2lf, xe=%8.2lf, e=%8.2lf, al=%8.2lf  \n", xa, xe, e, al);
    std::fprintf(f, "Bemetyp=%d, iQuer=%d, ProfNr=%d, ProfAchse=%d, Nachweis=%d  iProf=%d \n",
                 Bemetyp, iQuer, ProfNr, ProfAchse, Nachweis, iProf);
    std::fprintf(f, "A=%8.2lf, Iy=%8.2lf, Iz=%8.2lf, Ix=%8.2lf  \n", A, Iy, Iz, Ix);
    std::fprintf(f,
                 "Brettschichtholz   beta=%5.2lf, delta=%5.2lf, hap=%6.2lf, c=%.2lf m, r=%5.2lf "
                 "m,  bFirst=%d, bVerH=%d, bGekrümmt=%d\n",
                 BSH.beta, BSH.delta, BSH.hap, BSH.c, BSH.r, BSH.bFirst, BSH.bVerH, BSH.bGekruemmt);
    return 1;
}

int C1Quer::DumpZeile(std::FILE* f) const {
    if (f == nullptr) {
        return 1;
    }
    const std::string name = Name.substr(0, 25);
    std::fprintf(f, "xa=%8.2lf, xe=%8.2lf, xl=%8.2lf, Name=%25s\n", xa, xe, xe - xa, name.c_str());
    return 1;
}
