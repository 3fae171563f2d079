#include "beam/C1Last.h"

#include <algorithm>

int C1Last::AddTrapezLast(int Lf, double a, double b, double q1, double q2, const std::string& Text,
                          int Flag) {
    Geaendert();
    m_TrapezLast.push_back({.Feld = 0,
                            .Lf = Lf,
                            .Nr = 0,
                            .a = a,
                            .b = b,
                            .q1 = q1,
                            .q2 = q2,
                            .Text = Text,
                            .Flag = Flag});
    return 1;
}

int C1Last::AddNormalKraft(int Lf, double a, double b, double N1, double N2,
                           const std::string& Text) {
    Geaendert();
    m_NormalKraft.push_back(
        {.Feld = 0, .Lf = Lf, .Nr = 0, .a = a, .b = b, .N1 = N1, .N2 = N2, .Text = Text});
    return 1;
}

int C1Last::AddEinzelLast(int Lf, double c, double P, const std::string& Text, int Flag) {
    Geaendert();
    m_EinzelLast.push_back(
        {.Feld = 0, .Lf = Lf, .Nr = 0, .c = c, .P = P, .Text = Text, .Flag = Flag});
    return 1;
}

int C1Last::AddMomentLast(int Lf, double d, double M, const std::string& Text) {
    Geaendert();
    m_MomentLast.push_back({.Feld = 0, .Lf = Lf, .Nr = 0, .d = d, .M = M, .Text = Text});
    return 1;
}

int C1Last::AddTempLast(int Lf, double a, double b, double Ke, const std::string& Text) {
    Geaendert();
    m_TempLast.push_back({.Feld = 0, .Lf = Lf, .Nr = 0, .a = a, .b = b, .Ke = Ke, .Text = Text});
    return 1;
}

int C1Last::AddStsLast(int Lf, int Feld, double s, const std::string& Text) {
    Geaendert();
    m_StsLast.push_back({.Feld = Feld, .Lf = Lf, .Nr = 0, .s = s, .Text = Text});
    return 1;
}

int C1Last::GetTrapezLast(int i, int& Lf, double& a, double& b, double& q1, double& q2,
                          std::string& Text, int& Flag) const {
    C1TrapezLast r;
    const int result = GetRecord(i, r);
    Lf = r.Lf;
    a = r.a;
    b = r.b;
    q1 = r.q1;
    q2 = r.q2;
    Text = r.Text;
    Flag = r.Flag;
    return result;
}

int C1Last::GetNormalKraft(int i, int& Lf, double& a, double& b, double& N1, double& N2,
                           std::string& Text) const {
    C1NormalKraft r;
    const int result = GetRecord(i, r);
    Lf = r.Lf;
    a = r.a;
    b = r.b;
    N1 = r.N1;
    N2 = r.N2;
    Text = r.Text;
    return result;
}

int C1Last::GetEinzelLast(int i, int& Lf, double& c, double& P, std::string& Text,
                          int& Flag) const {
    C1EinzelLast r;
    const int result = GetRecord(i, r);
    Lf = r.Lf;
    c = r.c;
    P = r.P;
    Text = r.Text;
    Flag = r.Flag;
    return result;
}

int C1Last::GetMomentLast(int i, int& Lf, double& d, double& M, std::string& Text) const {
    C1MomentLast r;
    const int result = GetRecord(i, r);
    Lf = r.Lf;
    d = r.d;
    M = r.M;
    Text = r.Text;
    return result;
}

int C1Last::GetTempLast(int i, int& Lf, double& a, double& b, double& Ke, std::string& Text) const {
    C1TempLast r;
    const int result = GetRecord(i, r);
    Lf = r.Lf;
    a = r.a;
    b = r.b;
    Ke = r.Ke;
    Text = r.Text;
    return result;
}

int C1Last::GetStsLast(int i, int& Lf, int& Feld, double& s, std::string& Text) const {
    C1StsLast r;
    const int result = GetRecord(i, r);
    Lf = r.Lf;
    Feld = r.Feld;
    s = r.s;
    Text = r.Text;
    return result;
}

int C1Last::GetMaxAnzahl() const {
    return std::max({Count(m_NormalKraft), Count(m_TrapezLast), Count(m_EinzelLast),
                     Count(m_MomentLast), Count(m_TempLast), Count(m_StsLast)});
}

void C1Last::DeleteAll() {
    Geaendert();
    m_NormalKraft.clear();
    m_TrapezLast.clear();
    m_EinzelLast.clear();
    m_MomentLast.clear();
    m_TempLast.clear();
    m_StsLast.clear();
}

void C1Last::Dump(std::FILE* f, const std::string& title) const {
    if (f == nullptr) {
        return;
    }
    std::fprintf(f, "\nC1Last-Dump %s\n", title.c_str());
    int i = 0;
    for (const auto& r : m_EinzelLast) {
        std::fprintf(
            f, "P -Last: i=%2d, Feld=%2d, Lf=%2d, c=%8.2lf, P=%8.2lf                       \n", i++,
            r.Feld, r.Lf, r.c, r.P);
    }
    i = 0;
    for (const auto& r : m_MomentLast) {
        std::fprintf(
            f, "M -Last: i=%2d, Feld=%2d, Lf=%2d, d=%8.2lf, M=%8.2lf                       \n", i++,
            r.Feld, r.Lf, r.d, r.M);
    }
    i = 0;
    for (const auto& r : m_TrapezLast) {
        std::fprintf(
            f, "T -Last: i=%2d, Feld=%2d, Lf=%2d, a=%8.2lf, b=%8.2lf, q1=%8.2lf,  q2=%8.2lf\n", i++,
            r.Feld, r.Lf, r.a, r.b, r.q1, r.q2);
    }
    i = 0;
    for (const auto& r : m_NormalKraft) {
        std::fprintf(
            f, "N -Last: i=%2d, Feld=%2d, Lf=%2d, a=%8.2lf, b=%8.2lf, N1=%8.2lf,  N2=%8.2lf\n", i++,
            r.Feld, r.Lf, r.a, r.b, r.N1, r.N2);
    }
    i = 0;
    for (const auto& r : m_TempLast) {
        std::fprintf(
            f, "Te-Last: i=%2d, Feld=%2d, Lf=%2d, a=%8.2lf, b=%8.2lf, Ke=%8.2lf            \n", i++,
            r.Feld, r.Lf, r.a, r.b, r.Ke);
    }
}

template <class R> void C1Last::Eintragen(Art art, int i) const {
    if (const R* r = FindRecord<R>(i)) {
        // The first record of a load case below those listed moves the lists up.
        if (m_nachLf.empty()) {
            m_lfAnfang = r->Lf;
        } else if (r->Lf < m_lfAnfang) {
            m_nachLf.insert(m_nachLf.begin(), static_cast<std::size_t>(m_lfAnfang - r->Lf), {});
            m_lfAnfang = r->Lf;
        }
        const auto k = static_cast<std::size_t>(r->Lf - m_lfAnfang);
        if (k >= m_nachLf.size()) {
            m_nachLf.resize(k + 1);
        }
        m_nachLf[k].push_back({i, art});
    }
}

const std::vector<C1Last::Eintrag>& C1Last::RecordsOf(int Lf) const {
    if (!m_nachLfGueltig) {
        m_nachLf.clear();
        const int n = GetMaxAnzahl();
        for (int i = 1; i <= n; ++i) {
            Eintragen<C1TrapezLast>(Art::Trapez, i);
            Eintragen<C1TempLast>(Art::Temp, i);
            Eintragen<C1StsLast>(Art::Sts, i);
            Eintragen<C1EinzelLast>(Art::Einzel, i);
            Eintragen<C1MomentLast>(Art::Moment, i);
            Eintragen<C1NormalKraft>(Art::Normal, i);
        }
        m_nachLfGueltig = true;
    }
    static const std::vector<Eintrag> keine;
    const long k = static_cast<long>(Lf) - m_lfAnfang;
    return k >= 0 && static_cast<std::size_t>(k) < m_nachLf.size()
               ? m_nachLf[static_cast<std::size_t>(k)]
               : keine;
}
