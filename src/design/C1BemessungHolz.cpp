#include "design/C1BemessungHolz.h"

#include "base/Numerik.h"
#include "host/C1QEL.h"
#include "platform/C1Exception.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kDimensionen = 3; // d[0] .. d[2] of a timber section
constexpr double kOhneMass = 0.01;
constexpr double kPi = 3.14159;
constexpr int kSchritt = 2; // cm added to the chosen dimension per failing check

bool IstHolzTyp(int typ) {
    return typ == 3 || typ == 9 || typ == 13 || typ == 23;
}

std::string Zahl(double x) {
    char puffer[64];
    if (IsNearInteger(x, 0.001)) {
        std::snprintf(puffer, sizeof puffer, "%d", RoundInt(x));
    } else {
        std::snprintf(puffer, sizeof puffer, x < 100.0 ? "%4.1lf" : "%5.1lf", x);
    }
    return puffer;
}

} // namespace

C1BemessungHolz::C1BemessungHolz() : C1BemessungHolz(3) {}

C1BemessungHolz::C1BemessungHolz(int typ) : HolzTyp(typ) {
    nDim = kDimensionen;
    Bemetyp = typ;
    Quer.Bemetyp = typ;
}

C1BemessungHolz::C1BemessungHolz(const C1BemessungHolz& q)
    : C1Bemessung(q), HolzTyp(q.HolzTyp), Option(q.Option) {}

C1BemessungHolz::~C1BemessungHolz() = default;

double C1BemessungHolz::GetEModul() const {
    if (Bemetyp == 6) {
        return E6;
    }
    return IstHolzTyp(Bemetyp) ? GetEBasis(0) * kE : 0.0;
}

double C1BemessungHolz::GetWichte() const {
    if (Bemetyp == 6) {
        return gamma6;
    }
    return IstHolzTyp(Bemetyp) ? gammaHolz : 0.0;
}

int C1BemessungHolz::QuerschnittRoutine() {
    return IsBemetypHolz(Bemetyp) ? GetQuerschnittText() : 0;
}

int C1BemessungHolz::Dispatch(int a, int b, int c) {
    return IstHolzTyp(HolzTyp) ? DispatchTyp(a, b, c) : 0;
}

int C1BemessungHolz::SetEinstellung1(int w) {
    Einstellung[0] = w;
    return 1;
}

int C1BemessungHolz::SetEinstellung2(int w) {
    Einstellung[1] = w;
    return 1;
}

int C1BemessungHolz::SetEinstellung3(int w) {
    Einstellung[2] = w;
    return 1;
}

int C1BemessungHolz::SetEinstellung4(int w) {
    Einstellung[3] = w;
    return 1;
}

double TorsionIt(C1Quer& q) {
    const double a = std::max(q.D(1), q.D(2));
    const double b = std::min(q.D(1), q.D(2));
    if (q.iQuer == 1) {
        if (!(b > 0.0)) {
            throw C1Exception("Torsionsträgheitsmoment: Rechteck mit einer Seite 0", "TorsionIt");
        }
        const double r = a / b;
        return (0.052 / std::pow(r, 5.0) + 1.0 - 0.63 / r) * 0.333 /
               (1.0 - 0.65 / (r * r * r + 1.0)) * a * b * b;
    }
    if (q.iQuer == 2) {
        return b * 1.570796327 * b * b;
    }
    return 0.0;
}

int C1BemessungHolz::GetQuerschnittText() {
    C1Quer& q = Quer;
    double b = q.D(1);
    double d = q.iQuer == 2 ? b : q.D(2);
    const double t = q.Aufklauung;
    if (q.Nachweis == 1) {
        if (b <= kOhneMass || (q.iQuer == 1 && d <= kOhneMass)) {
            return 1;
        }
    } else if (q.Nachweis >= 2) {
        auto start = [&]() {
            if (q.ProfNr < 1) {
                if (b <= kOhneMass) {
                    q.ProfNr = static_cast<int>(q.Start1);
                } else if (d <= kOhneMass) {
                    q.ProfNr = static_cast<int>(q.Start2);
                }
            }
        };
        if (q.iBemessen == 0) {
            start();
            if (b <= kOhneMass) {
                q.iBemessen = 1;
                b = q.ProfNr + b;
            } else if (d <= kOhneMass) {
                q.iBemessen = 2;
                d = q.ProfNr + d;
            }
        } else if (q.iBemessen == 1 || q.iBemessen == 2) {
            start();
            (q.iBemessen == 1 ? b : d) = q.ProfNr;
        }
        q.d.at(1) = b;
        if (q.iQuer != 2) {
            q.d.at(2) = d;
        }
    }
    double brutto = 0.0;
    if (q.iQuer == 1) {
        brutto = b * d;
        const double dn = std::max(d - t, 1.0);
        q.A = b * dn;
        q.Iy = q.A * dn * dn / 12.0;
        q.Iz = q.A * b * b / 12.0;
        q.Ix = b * b * b * dn / 3.0;
        q.Wy = q.A * dn / 6.0;
        q.Wz = q.A * b / 6.0;
    } else if (q.iQuer == 2) {
        const double r = b / 2.0 - t;
        q.A = brutto = kPi * r * r;
        q.Iy = q.Iz = kPi * r * r * r * r / 4.0;
        q.Ix = kPi * r * r * r * r / 2.0;
        q.Wy = q.Wz = kPi * r * r * r / 4.0;
    }
    const int teile = q.Bewehrung.iLayout;
    if (teile > 1) {
        q.A *= 2.0;
        brutto *= 2.0;
        q.Iy *= 2.0;
        q.Iz *= 2.0;
        q.Ix *= 2.0;
        q.Wy *= 2.0;
        q.Wz *= 2.0;
    }
    q.ABrutto = brutto;
    q.Eigengewicht = brutto * 1e-4 * gammaEigen;
    q.ItGenau = TorsionIt(q);

    auto text = [this](const char* t, const char* ohne) {
        if (pQel == nullptr) {
            return std::string(ohne);
        }
        std::string out;
        return C1QEL::LOC_TranslateSection(out, "common", t, false);
    };
    std::string winkel;
    if (std::fabs(q.al) > 0.01) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "  alpha =%5.2lf", q.al);
        winkel = puffer;
    }
    const std::string mass = Zahl(b) + "/" + Zahl(d) + winkel;
    if (q.iQuer == 2) {
        q.Name = text("Kreis", "Kreis") + Zahl(b);
    } else if (teile == 2) {
        q.Name = text("Rechteck (2-teilig)", "Rechteck (2-teilig)") + " " + mass;
    } else if (teile == 3) {
        q.Name = text("Rechteck (2-teilig mit Zwischenhölzern)",
                      "Rechteck (2-teilig mit Zwischenhölzern) ") +
                 " " + mass;
    } else {
        q.Name = text("b/d=", "b/d=") + mass;
    }
    if (t > 0.1) {
        char puffer[256];
        std::snprintf(puffer, sizeof puffer, "%s,  %s=%4.1lf", q.Name.c_str(),
                      text("Aufklauung", "Aufklauung").c_str(), t);
        q.Name = puffer;
    }
    return 0;
}

int C1BemessungHolz::GetQuerschnittswerteNeu(C1Quer& q) {
    bool anders = q.iQuer != Quer.iQuer;
    for (int i = 1; i < nDim && !anders; ++i) {
        anders = q.D(i) != Quer.D(i);
    }
    const bool fehlt =
        Quer.A <= 0.01 || Quer.Iy <= 0.01 || Quer.Iz <= 0.01 || Quer.Wy <= 0.01 || Quer.Wz <= 0.01;
    Quer.Copy(q);
    int ergebnis = 0;
    if (anders || fehlt) {
        ergebnis = GetQuerschnittText();
    }
    q.Copy(Quer);
    return ergebnis;
}

int C1BemessungHolz::EinPruefen(const C1HolzNachweisDaten& daten, C1HolzNachweisErg& erg,
                                double* eta, int& status) {
    const int k = daten.iArt;
    if ((k == 3 || k == 4 || k == 5) && HolzTyp != 6) {
        const double u = Ausnutzung(daten);
        erg.eta1 = erg.eta2 = u;
        *eta = u;
        return 0;
    }
    status = Nachweis(daten, erg, 0);
    *eta = erg.eta2;
    return status;
}

int C1BemessungHolz::CalcNachweis(const C1HolzNachweisDaten& daten, C1HolzNachweisErg& erg,
                                  double* eta, int maxSchritte) {
    double ohne = 0.0;
    if (eta == nullptr) {
        eta = &ohne;
    }
    *eta = 0.0;
    int status = 0;
    if (Quer.Nachweis < 1) {
        return 0;
    }
    EinPruefen(daten, erg, eta, status);
    if (Quer.Nachweis == 1) {
        return status;
    }
    int schritte = 0;
    while (*eta > 1.0) {
        ++schritte;
        if (schritte >= maxSchritte) {
            break;
        }
        Quer.ProfNr += kSchritt;
        if (GetQuerschnittText() == 1) {
            break;
        }
        EinPruefen(daten, erg, eta, status);
    }
    return status;
}
