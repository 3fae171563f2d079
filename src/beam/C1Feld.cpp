#include "beam/C1Feld.h"

#include "beam/Overloaded.h"
#include "platform/C1Exception.h"

#include <cstddef>

namespace {

// Factors of the trapezoid load terms as the program has always used them; 0.3333 is kept
// on purpose, it decides the last digits of published results.
constexpr double kDrittel = 0.3333;
// Unit conversions of the stiffness: E [kN/cm²] * Iy [cm⁴] -> EI [kNm²], settlement cm -> m.
constexpr double kEIinKNm2 = 1e-4;
constexpr double kCmInM = 0.01;
constexpr double kMinSteifigkeit = 1.0;

double A(double L, double u) {
    return kDrittel * L * L * u * u * u - 0.2 * u * u * u * u * u;
}

double B(double L, double u) {
    return 0.5 * L * L * u * u - 0.25 * u * u * u * u;
}

} // namespace

C1Feld::C1Feld() : C1Feld(0.0) {}

C1Feld::C1Feld(double newL)
    : m_MB(static_cast<std::size_t>(kStartMaxLf) + 1),
      m_Q0(static_cast<std::size_t>(kStartMaxLf) + 1), L(newL) {}

C1Feld& C1Feld::operator=(const C1Feld& other) {
    if (this == &other) {
        return *this;
    }
    m_Lasten = other.m_Lasten;
    L = other.L;
    m_AuflagerAnf = other.m_AuflagerAnf;
    m_AuflagerEnd = other.m_AuflagerEnd;
    Iy = other.Iy;
    m_maxLf = other.m_maxLf;
    anzLf = other.anzLf;
    m_MB = other.m_MB;
    m_Q0 = other.m_Q0;
    return *this;
}

int C1Feld::SetE(double newE) {
    E = newE;
    return E > 0.0 ? 1 : 0;
}

int C1Feld::SetIy(double newIy) {
    Iy = newIy;
    return Iy > 0.0 ? 1 : 0;
}

double C1Feld::GetIy() const {
    return Iy <= 0.001 ? 1.0 : Iy;
}

void C1Feld::GetAuflagerAnf(int& Art, double& Wert) const {
    Art = m_AuflagerAnf.Art;
    Wert = m_AuflagerAnf.Wert;
}

void C1Feld::GetAuflagerEnd(int& Art, double& Wert) const {
    Art = m_AuflagerEnd.Art;
    Wert = m_AuflagerEnd.Wert;
}

void C1Feld::PruefeLaenge(const char* text) const {
    if (L < kMinLaenge) {
        throw C1Exception(text);
    }
}

void C1Feld::PruefeLaengeEinschliesslich(const char* text) const {
    if (L <= kMinLaenge) {
        throw C1Exception(text);
    }
}

void C1Feld::PruefeSteifigkeit() const {
    if (Iy < kMinSteifigkeit) {
        throw C1Exception("C1Feld::Lastglieder; Iy = 0");
    }
    if (E < kMinSteifigkeit) {
        throw C1Exception("C1Feld::Lastglieder; E  = 0");
    }
}

int C1Feld::Speichere(std::vector<C1Stuetzkraft>& werte, int Lf, int type, double value) {
    if (type != 1 && type != 2) {
        return 0;
    }
    if (Lf > m_maxLf) {
        m_maxLf += 5;
        m_MB.resize(static_cast<std::size_t>(m_maxLf) + 1);
        m_Q0.resize(static_cast<std::size_t>(m_maxLf) + 1);
    }
    C1Stuetzkraft& eintrag = werte.at(static_cast<std::size_t>(Lf));
    (type == 1 ? eintrag.Anf : eintrag.End) = value;
    anzLf = std::max(anzLf, Lf);
    return 1;
}

double C1Feld::Lies(const std::vector<C1Stuetzkraft>& werte, int Lf, int type) const {
    if (Lf < 1 || Lf > anzLf || (type != 1 && type != 2)) {
        return 0.0;
    }
    const C1Stuetzkraft& eintrag = werte.at(static_cast<std::size_t>(Lf));
    return type == 1 ? eintrag.Anf : eintrag.End;
}

int C1Feld::SetMB(int Lf, int type, double value) {
    PruefeLaenge("C1Feld::SetMB,  Feldlänge <= 0");
    return Speichere(m_MB, Lf, type, value);
}

double C1Feld::GetMB(int Lf, int type) const {
    PruefeLaengeEinschliesslich("C1Feld::GetMB, FeldLänge <= 0");
    return Lies(m_MB, Lf, type);
}

int C1Feld::SetQ0(int Lf, int type, double value) {
    PruefeLaengeEinschliesslich("C1Feld::SetQ0, FeldLänge <= 0");
    return Speichere(m_Q0, Lf, type, value);
}

double C1Feld::GetQ0(int Lf, int type) const {
    PruefeLaenge("C1Feld::GetQ0,  Feldlänge <= 0");
    return Lies(m_Q0, Lf, type);
}

int C1Feld::DelSchnittkraefte() {
    PruefeLaenge("C1Feld::DelSchnittkraefte,  Feldlänge <= 0");
    for (int Lf = 1; Lf <= anzLf; ++Lf) {
        SetMB(Lf, 1, 0.0);
        SetMB(Lf, 2, 0.0);
        SetQ0(Lf, 1, 0.0);
        SetQ0(Lf, 2, 0.0);
    }
    return 1;
}

double C1Feld::TrapezLastglied(double a, double e, double q1, double q2) const {
    const double n = a * q2 - e * q1;
    return (n * (B(L, e) - B(L, a)) + (q1 - q2) * (A(L, e) - A(L, a))) / ((a - e) * L * L);
}

int C1Feld::Lastglieder(int Lf, int typeAnf, int typeEnd, double& termAnf, double& termEnd) const {
    PruefeLaenge("C1Feld::Lastglieder,  Feldlänge <= 0");
    termAnf = 0.0;
    termEnd = 0.0;
    const bool anf = typeAnf == 1;
    const bool end = typeEnd == 1;
    auto add = [&](double dAnf, double dEnd) {
        if (anf) {
            termAnf += dAnf;
        }
        if (end) {
            termEnd += dEnd;
        }
    };
    ForEachLast(Lf, Overloaded{
                        [&](const Trapez& t) {
                            // The start term is the end term of the load mirrored about mid-span.
                            add(TrapezLastglied(L - t.e, L - t.a, t.q2, t.q1),
                                TrapezLastglied(t.a, t.e, t.q1, t.q2));
                        },
                        [&](const C1TempLast& r) {
                            PruefeSteifigkeit();
                            const double t = 3.0 * E * Iy * kEIinKNm2 * r.Ke;
                            add(t, t);
                        },
                        [&](const C1StsLast& r) {
                            PruefeSteifigkeit();
                            const double sAnf = r.Feld == 1 ? kCmInM * r.s : 0.0;
                            const double sEnd = r.Feld == 2 ? kCmInM * r.s : 0.0;
                            const double k = 6.0 * E * 10000.0 * Iy * 1e-8 / (L * L);
                            add((sEnd - sAnf) * k, -(sEnd - sAnf) * k);
                        },
                        [&](const C1EinzelLast& r) {
                            const double basis = r.P * r.c * (L - r.c) / L;
                            add(basis * ((L - r.c) / L + 1.0), basis * (r.c / L + 1.0));
                        },
                        [&](const C1MomentLast& r) {
                            const double rechts = (L - r.d) / L;
                            const double links = r.d / L;
                            add(-r.M * (1.0 - 3.0 * rechts * rechts),
                                r.M * (1.0 - 3.0 * links * links));
                        },
                        [](const auto&) {},
                    });
    return 1;
}

void C1Feld::Dump(std::FILE* f) const {
    if (f == nullptr) {
        return;
    }
    std::fprintf(f, "\n\nC1Feld-Dump\n");
    std::fprintf(f, "m_maxLf=%d,  Iy=%10.2lf,  E=%10.2lf\n", m_maxLf, Iy, E);
    for (int Lf = 0; Lf < m_maxLf; ++Lf) {
        const C1Stuetzkraft& mb = m_MB.at(static_cast<std::size_t>(Lf));
        const C1Stuetzkraft& q0 = m_Q0.at(static_cast<std::size_t>(Lf));
        std::fprintf(f,
                     "Lf=%2d,  MB(Lf).Anf=%8.2lf,  MB(Lf).End=%8.2lf,  Q0(Lf).Anf=%8.2lf,  "
                     "Q0(Lf).End=%8.2lf\n",
                     Lf, mb.Anf, mb.End, q0.Anf, q0.End);
    }
    m_Lasten.Dump(f, "");
}
