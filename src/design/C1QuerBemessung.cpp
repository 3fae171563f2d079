#include "design/C1Bemessung.h"
#include "platform/C1Exception.h"
#include "plot/section/C1Quer.h"
#include "sectionlib/Beton.h"

#include <cmath>

// The cross-section record's operations for the design classes: centroid distances
// and the stiffness of a composite section.

namespace {

struct Teil {
    double A = 0.0, I = 0.0, e = 0.0, m = 0.0;
};

// Part values after the section routine of its design object: area, second moment
// about the axis, level of its centroid.
Teil TeilWerte(C1Quer* q, C1Bemessung* b, bool mit, bool umY, double m) {
    Teil t;
    if (q == nullptr || b == nullptr) {
        return t;
    }
    b->GetQuerschnittswerte(*q);
    t.m = m;
    if (umY) {
        t.e = q->GetHoehe() - q->GetEz() + q->hz;
    } else {
        t.e = q->GetBreite() - q->GetEy();
    }
    if (mit) {
        t.A = q->A;
        t.I = umY ? q->Iy : q->Iz;
    }
    return t;
}

double Verbund(C1Quer& selbst, C1Quer* q2, C1Quer* q3, C1Bemessung* b1, C1Bemessung* b2,
               C1Bemessung* b3, double* I1, double* I2, double* I3, bool mit1, bool mit2, bool mit3,
               bool umY) {
    const char* modul = umY ? "C1Quer::CalcIyVerbund" : "C1Quer::CalcIzVerbund";
    if (b1 == nullptr) {
        throw C1Exception("Verbundquerschnitt ohne Bemessung des ersten Teils", modul);
    }
    const double E1 = b1->GetEModul();
    if (!(E1 > 0.0)) {
        throw C1Exception("Verbundquerschnitt: Elastizitätsmodul des ersten Teils ist 0", modul);
    }
    // Parts of other materials count with their modulus ratio, in the centroid as in
    // the stiffness: the transformed section.
    const double m2 = b2 != nullptr ? b2->GetEModul() / E1 : 0.0;
    const double m3 = b3 != nullptr ? b3->GetEModul() / E1 : 0.0;
    // Part 1 is recomputed with its own design object before it is read.
    b1->GetQuerschnittswerte(selbst);
    Teil t1;
    t1.m = 1.0;
    t1.e = umY ? selbst.GetHoehe() - selbst.GetEz() : selbst.GetBreite() - selbst.GetEy();
    if (mit1) {
        t1.A = selbst.A;
        t1.I = umY ? selbst.Iy : selbst.Iz;
    }
    const Teil t2 = TeilWerte(b2 != nullptr ? q2 : nullptr, b2, mit2, umY, m2);
    const Teil t3 = TeilWerte(b3 != nullptr ? q3 : nullptr, b3, mit3, umY, m3);
    const double flaeche = t1.A * t1.m + t2.A * t2.m + t3.A * t3.m;
    if (!(std::fabs(flaeche) > 0.0)) {
        throw C1Exception("Verbundquerschnitt ohne Fläche", modul);
    }
    const double zs = (t1.A * t1.e * t1.m + t2.A * t2.e * t2.m + t3.A * t3.e * t3.m) / flaeche;
    (umY ? selbst.zsVerbund : selbst.ysVerbund) = zs;
    auto anteil = [zs](const Teil& t) { return ((zs - t.e) * (zs - t.e) * t.A + t.I) * t.m; };
    const double i1 = anteil(t1), i2 = anteil(t2), i3 = anteil(t3);
    if (I1 != nullptr) {
        *I1 = i1;
    }
    if (I2 != nullptr) {
        *I2 = i2;
    }
    if (I3 != nullptr) {
        *I3 = i3;
    }
    return i1 + i2 + i3;
}

} // namespace

double C1Quer::GetEy() const {
    if (IsBemetypBeton(Bemetyp)) {
        if (iQuer == 1) {
            return D(1) * 0.5;
        }
        if (iQuer == 2) {
            return std::max(D(1), D(3)) * 0.5;
        }
        throw C1Exception("C1Quer::GetEy;  muss noch für Stahlbeton implementiert werden");
    }
    if (IsBemetypStahl(Bemetyp)) {
        return D(18);
    }
    if (IsBemetypHolz(Bemetyp) && (iQuer == 1 || iQuer == 2)) {
        return D(1) * 0.5;
    }
    return 0.0;
}

double C1Quer::GetEz() const {
    if (IsBemetypBeton(Bemetyp)) {
        double werte[10];
        for (int i = 0; i < 10; ++i) {
            werte[i] = D(i);
        }
        double q[9] = {};
        std::string text;
        if (CalcBEMEQUERX(iQuer, 0.0, werte, q, &text) != beton::kOk) {
            throw C1Exception(text, "C1Quer::GetEz");
        }
        return q[1];
    }
    if (IsBemetypStahl(Bemetyp)) {
        return D(17);
    }
    if (IsBemetypHolz(Bemetyp)) {
        if (iQuer == 1) {
            return D(2) * 0.5;
        }
        if (iQuer == 2) {
            return D(1) * 0.5;
        }
    }
    return 0.0;
}

double C1Quer::CalcIyVerbund(C1Quer* q2, C1Quer* q3, C1Bemessung* b1, C1Bemessung* b2,
                             C1Bemessung* b3, double* I1, double* I2, double* I3, bool mit1,
                             bool mit2, bool mit3) {
    return Verbund(*this, q2, q3, b1, b2, b3, I1, I2, I3, mit1, mit2, mit3, true);
}

double C1Quer::CalcIzVerbund(C1Quer* q2, C1Quer* q3, C1Bemessung* b1, C1Bemessung* b2,
                             C1Bemessung* b3, double* I1, double* I2, double* I3, bool mit1,
                             bool mit2, bool mit3) {
    return Verbund(*this, q2, q3, b1, b2, b3, I1, I2, I3, mit1, mit2, mit3, false);
}
