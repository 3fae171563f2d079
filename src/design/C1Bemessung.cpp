#include "design/C1Bemessung.h"

#include "platform/C1Exception.h"
#include "resources/StringTable.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi2 = 9.869587728099999; // π² as the buckling load takes it

struct Berichtsschluessel {
    const char* key;
    int basis;
};

constexpr Berichtsschluessel kSchluessel[] = {
    {"EC2Biege", 60000},        {"EC2Schub", 60100},       {"EC2Masque", 60200},
    {"EC3SpannE", 61000},       {"EC3SpannP", 61100},      {"EC3Spannbt", 61200},
    {"EC3Knick", 61300},        {"EC3BDK", 61400},         {"EC3Beul", 61500},
    {"EC5Spann", 62000},        {"DIN1045Biege", 63000},   {"DIN1045Schub", 63100},
    {"DIN1045Masque", 60200},   {"DIN1045_1Biege", 64000}, {"DIN1045_1Schub", 64100},
    {"DIN1045_1Masque", 60200},
};

bool GleichOhneFall(const std::string& a, const char* b) {
    const std::string c(b);
    return a.size() == c.size() && std::equal(a.begin(), a.end(), c.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

template <class T> int Uebertragen(C1Quer& q, int nDim, T* p, int richtung) {
    if (nDim <= 0 || p == nullptr) {
        return 0;
    }
    if (q.d.size() < static_cast<std::size_t>(nDim)) {
        q.d.resize(static_cast<std::size_t>(nDim), 0.0);
        q.nDim = std::max(q.nDim, nDim);
    }
    for (int i = 1; i < nDim; ++i) {
        if (richtung == 1) {
            p[i - 1] = static_cast<T>(q.d.at(static_cast<std::size_t>(i)));
        } else {
            q.d.at(static_cast<std::size_t>(i)) = static_cast<double>(p[i - 1]);
        }
    }
    return 1;
}

} // namespace

C1Bemessung::C1Bemessung() = default;

C1Bemessung::C1Bemessung(const C1Bemessung& quelle)
    : Bemetyp(quelle.Bemetyp), nDim(quelle.nDim), pQel(quelle.pQel) {
    Quer.Copy(quelle.Quer);
}

C1Bemessung::~C1Bemessung() = default;

void C1Bemessung::SetText(std::string) {}
void C1Bemessung::ResetErgebnisse() {}
void C1Bemessung::SaveErgebnisse() {}
void C1Bemessung::RestoreErgebnisse() {}

double C1Bemessung::GetEModul() const {
    return 0.0;
}

double C1Bemessung::GetWichte() const {
    return 0.0;
}

int C1Bemessung::QuerschnittRoutine() {
    return 0;
}

int C1Bemessung::GetQuerschnittswerte(C1Quer& q) {
    C1Quer gesichert;
    gesichert.Copy(Quer);
    Quer.Copy(q);
    const int ergebnis = QuerschnittRoutine();
    q.Copy(Quer);
    Quer.Copy(gesichert);
    return ergebnis;
}

int C1Bemessung::CalcQuerschnittswerte() {
    return QuerschnittRoutine();
}

int C1Bemessung::CalcMomentVergroesserung(int achse, double N, double ly, double lz, double& faktor,
                                          std::string& text) {
    const double I = achse == 1 ? Quer.Iy : Quer.Iz;
    const double l = achse == 1 ? ly : lz;
    const double E = GetEModul();
    faktor = 0.0;
    if (!std::isfinite(N)) {
        text = "Momentenvergrößerung: N = " + std::string(std::isnan(N) ? "nan" : "inf") +
               " kN ist keine endliche Zahl";
        return 2;
    }
    if (!(E > 0.0) || !(I > 0.0) || !(l > 0.0) || !std::isfinite(E * I * l)) {
        char puffer[160];
        std::snprintf(puffer, sizeof puffer,
                      "Momentenvergrößerung: E = %.1f, I = %.1f und l = %.3f müssen endlich und "
                      "größer als 0 sein",
                      E, I, l);
        text = puffer;
        return 2;
    }
    const double Ncr = E * 1000.0 * kPi2 * (I * 1e-8) / (l * l);
    if (std::fabs(N) >= Ncr) {
        char puffer[160];
        std::snprintf(puffer, sizeof puffer, "N ≥ Ncr: |N| = %.1f kN, Ncr = %.1f kN", std::fabs(N),
                      Ncr);
        text = puffer;
        return 1;
    }
    text.clear();
    faktor = 1.0 / (1.0 - std::fabs(N) / Ncr);
    return 0;
}

double C1Bemessung::CalcMomentVergroesserung(int achse, double N, double ly, double lz) {
    double faktor = 0.0;
    std::string text;
    if (CalcMomentVergroesserung(achse, N, ly, lz, faktor, text) != 0) {
        throw C1Exception(text, "C1Bemessung::CalcMomentVergroesserung");
    }
    return faktor;
}

std::string C1Bemessung::GetReportText(const std::string& key, int n) const {
    if (n == 0) {
        return std::string();
    }
    int id = 0;
    for (const Berichtsschluessel& s : kSchluessel) {
        if (GleichOhneFall(key, s.key)) {
            id = s.basis + n;
            break;
        }
    }
    if (id == 0) {
        return std::string();
    }
    try {
        return GetStringTableEntry(id);
    } catch (...) {
        return " ";
    }
}

int C1Bemessung::CopyDimensionen(double* p, int richtung) {
    return Uebertragen(Quer, nDim, p, richtung);
}

int C1Bemessung::CopyDimensionenF(float* p, int richtung) {
    return Uebertragen(Quer, nDim, p, richtung);
}

double RoundUp(double x, int gerade) {
    double r = std::trunc(x);
    if (x - r > 0.001) {
        r += 1.0;
    }
    if (gerade == 1 && r > 0.0 && std::fmod(r, 2.0) == 1.0) {
        r += 1.0;
    }
    return r;
}
