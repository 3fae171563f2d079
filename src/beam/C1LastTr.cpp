#include "beam/C1LastTr.h"

namespace {

template <class R> void RenumberAfterDeletedFeld(std::vector<R>& v, int k, bool removeOnK) {
    if (removeOnK) {
        std::erase_if(v, [k](const R& r) { return r.Feld == k; });
    }
    for (auto& r : v) {
        if (r.Feld > k) {
            --r.Feld;
        }
    }
}

template <class R> void AppendLf(const std::vector<R>& from, int Lf, std::vector<R>& to) {
    for (const auto& r : from) {
        if (r.Lf == Lf) {
            to.push_back(r);
        }
    }
}

} // namespace

// The beam adders append as the span adders do and then give the record its span number.
int C1LastTr::AddTrapezLast(int Lf, int Feld, double a, double b, double q1, double q2,
                            const std::string& Text, int Flag, int /*Nr*/) {
    C1Last::AddTrapezLast(Lf, a, b, q1, q2, Text, Flag);
    m_TrapezLast.back().Feld = Feld;
    return 1;
}

int C1LastTr::AddNormalKraft(int Lf, int Feld, double a, double b, double N1, double N2,
                             const std::string& Text, int /*Nr*/) {
    C1Last::AddNormalKraft(Lf, a, b, N1, N2, Text);
    m_NormalKraft.back().Feld = Feld;
    return 1;
}

int C1LastTr::AddEinzelLast(int Lf, int Feld, double c, double P, const std::string& Text, int Flag,
                            int /*Nr*/) {
    C1Last::AddEinzelLast(Lf, c, P, Text, Flag);
    m_EinzelLast.back().Feld = Feld;
    return 1;
}

int C1LastTr::AddMomentLast(int Lf, int Feld, double d, double M, const std::string& Text,
                            int /*Nr*/) {
    C1Last::AddMomentLast(Lf, d, M, Text);
    m_MomentLast.back().Feld = Feld;
    return 1;
}

int C1LastTr::AddTempLast(int Lf, int Feld, double a, double b, double Ke, const std::string& Text,
                          int /*Nr*/) {
    C1Last::AddTempLast(Lf, a, b, Ke, Text);
    m_TempLast.back().Feld = Feld;
    return 1;
}

int C1LastTr::AddStsLast(int Lf, int Feld, double s, const std::string& Text, int /*Nr*/) {
    return C1Last::AddStsLast(Lf, Feld, s, Text);
}

// The beam getters hand out what the span getters hand out, plus span number and running number.
int C1LastTr::GetTrapezLast(int i, int& Lf, int& Feld, double& a, double& b, double& q1, double& q2,
                            std::string& Text, int& Flag, int& Nr) const {
    FeldUndNr<C1TrapezLast>(i, Feld, Nr);
    return C1Last::GetTrapezLast(i, Lf, a, b, q1, q2, Text, Flag);
}

int C1LastTr::GetNormalKraft(int i, int& Lf, int& Feld, double& a, double& b, double& N1,
                             double& N2, std::string& Text, int& Nr) const {
    FeldUndNr<C1NormalKraft>(i, Feld, Nr);
    return C1Last::GetNormalKraft(i, Lf, a, b, N1, N2, Text);
}

int C1LastTr::GetEinzelLast(int i, int& Lf, int& Feld, double& c, double& P, std::string& Text,
                            int& Flag, int& Nr) const {
    FeldUndNr<C1EinzelLast>(i, Feld, Nr);
    return C1Last::GetEinzelLast(i, Lf, c, P, Text, Flag);
}

int C1LastTr::GetMomentLast(int i, int& Lf, int& Feld, double& d, double& M, std::string& Text,
                            int& Nr) const {
    FeldUndNr<C1MomentLast>(i, Feld, Nr);
    return C1Last::GetMomentLast(i, Lf, d, M, Text);
}

int C1LastTr::GetTempLast(int i, int& Lf, int& Feld, double& a, double& b, double& Ke,
                          std::string& Text, int& Nr) const {
    FeldUndNr<C1TempLast>(i, Feld, Nr);
    return C1Last::GetTempLast(i, Lf, a, b, Ke, Text);
}

int C1LastTr::GetStsLast(int i, int& Lf, int& Feld, double& s, std::string& Text, int& Nr) const {
    FeldUndNr<C1StsLast>(i, Feld, Nr);
    return C1Last::GetStsLast(i, Lf, Feld, s, Text);
}

void C1LastTr::DeleteFeld(int k) {
    Geaendert();
    RenumberAfterDeletedFeld(m_NormalKraft, k, true);
    RenumberAfterDeletedFeld(m_TrapezLast, k, true);
    RenumberAfterDeletedFeld(m_EinzelLast, k, true);
    RenumberAfterDeletedFeld(m_MomentLast, k, true);
    RenumberAfterDeletedFeld(m_TempLast, k, true);
    // A settlement belongs to a support, which stays when a span at the beam's end goes.
    RenumberAfterDeletedFeld(m_StsLast, k, false);
}

void C1LastTr::DeleteLf(int Lf) {
    DeleteNormalKraftLf(Lf);
    DeleteTrapezLastLf(Lf);
    DeleteEinzelLastLf(Lf);
    DeleteMomentLastLf(Lf);
    DeleteTempLastLf(Lf);
    DeleteStsLastLf(Lf);
}

void C1LastTr::CopyLastfall(int Lf, std::vector<C1TrapezLast>& trapez,
                            std::vector<C1EinzelLast>& einzel) const {
    AppendLf(m_TrapezLast, Lf, trapez);
    AppendLf(m_EinzelLast, Lf, einzel);
}

void C1LastTr::Dump(std::FILE* f, const std::string& title) const {
    if (f == nullptr) {
        return;
    }
    std::fprintf(f, "C1LastTr-Dump %s\n", title.c_str());
    int i = 0;
    for (const auto& r : m_TrapezLast) {
        std::fprintf(f,
                     "Trapez: i=%2d, Lf=%2d, Feld=%2d, a=%5.2lf, b=%5.2lf, q1=%8.2lf, q2=%8.2lf\n",
                     i++, r.Lf, r.Feld, r.a, r.b, r.q1, r.q2);
    }
    i = 0;
    for (const auto& r : m_EinzelLast) {
        std::fprintf(f, "Einzel: i=%2d, Lf=%2d, Feld=%2d, c=%5.2lf, P=%8.2lf\n", i++, r.Lf, r.Feld,
                     r.c, r.P);
    }
    i = 0;
    for (const auto& r : m_MomentLast) {
        std::fprintf(f, "Moment: i=%2d, Lf=%2d, Feld=%2d, d=%5.2lf, M=%8.2lf\n", i++, r.Lf, r.Feld,
                     r.d, r.M);
    }
    i = 0;
    for (const auto& r : m_NormalKraft) {
        std::fprintf(f,
                     "Normal: i=%2d, Lf=%2d, Feld=%2d, a=%5.2lf, b=%5.2lf, N1=%8.2lf, N2=%8.2lf\n",
                     i++, r.Lf, r.Feld, r.a, r.b, r.N1, r.N2);
    }
    i = 0;
    for (const auto& r : m_TempLast) {
        std::fprintf(f, "Temperatur: i=%2d, Lf=%2d, Feld=%2d, a=%5.2lf, b=%5.2lf, Ke=%8.5lf \n",
                     i++, r.Lf, r.Feld, r.a, r.b, r.Ke);
    }
}
