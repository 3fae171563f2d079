#include "beam/C1Traeger.h"

#include "platform/C1Exception.h"

#include <cstddef>
#include <new>
#include <stdexcept>
#include <string>

C1Traeger::C1Traeger() {
    Init();
}

C1Traeger::C1Traeger(int n) {
    if (n < 0) {
        throw C1Exception("C1Traeger::C1Traeger, Anzahl Felder < 0");
    }
    SetzeGroesse(n);
    Init();
}

C1Traeger& C1Traeger::operator=(const C1Traeger& other) {
    if (this == &other) {
        return *this;
    }
    TL = other.TL;
    nFeld = other.nFeld;
    Aufl_1 = other.Aufl_1;
    Aufl_n = other.Aufl_n;
    Aufl1_Einspanngrad = other.Aufl1_Einspanngrad;
    Aufln_Einspanngrad = other.Aufln_Einspanngrad;
    Aufl1_cM = other.Aufl1_cM;
    Aufln_cM = other.Aufln_cM;
    AlleEingespannt = other.AlleEingespannt;
    m_E = other.m_E;
    FeldL.resize(other.FeldL.size());
    FeldXAnf.resize(other.FeldXAnf.size());
    FeldXEnd.resize(other.FeldXEnd.size());
    Felder.resize(other.Felder.size());
    // Entry 0 of every array is not used and stays as it is.
    for (int i = 1; i <= nFeld; ++i) {
        FeldL.at(i) = other.FeldL.at(i);
        FeldXAnf.at(i) = other.FeldXAnf.at(i);
        FeldXEnd.at(i) = other.FeldXEnd.at(i);
        Felder.at(i) = other.Felder.at(i);
    }
    Lasten = other.Lasten;
    return *this;
}

int C1Traeger::SetAnzFelder(int n) {
    if (n < 1) {
        return 0;
    }
    SetzeGroesse(n);
    return 1;
}

void C1Traeger::SetzeGroesse(int n) {
    // Spans that remain keep their data; new spans and table entries start empty.
    try {
        const std::size_t size = static_cast<std::size_t>(n) + 1;
        Felder.resize(size);
        FeldL.resize(size, 0.0);
        FeldXAnf.resize(size, 0.0);
        FeldXEnd.resize(size, 0.0);
    } catch (const std::bad_alloc&) {
        throw C1Exception("zuwenig Speicher in C1Traeger");
    } catch (const std::length_error&) {
        throw C1Exception("zuwenig Speicher in C1Traeger");
    }
    nFeld = n;
}

int C1Traeger::Init() {
    std::fill(FeldL.begin(), FeldL.end(), 0.0);
    std::fill(FeldXAnf.begin(), FeldXAnf.end(), 0.0);
    std::fill(FeldXEnd.begin(), FeldXEnd.end(), 0.0);
    Aufl1_Einspanngrad = 0.0;
    Aufln_Einspanngrad = 0.0;
    Aufl1_cM = 0.0;
    Aufln_cM = 0.0;
    m_E = 0.0;
    AlleEingespannt = false;
    return 1;
}

void C1Traeger::BerechnePositionen() {
    if (nFeld < 1) {
        return;
    }
    FeldXAnf.at(1) = 0.0;
    for (int i = 1; i <= nFeld; ++i) {
        if (i > 1) {
            FeldXAnf.at(i) = FeldXEnd.at(i - 1);
        }
        FeldXEnd.at(i) = FeldXAnf.at(i) + FeldL.at(i);
    }
}

double C1Traeger::CalcLaengen() {
    TL = 0.0;
    if (nFeld <= 0) {
        return 0.0;
    }
    for (int i = 1; i <= nFeld; ++i) {
        FeldL.at(i) = GetFeld(i).GetL();
    }
    BerechnePositionen();
    TL = FeldXEnd.at(nFeld);
    return TL;
}

int C1Traeger::DelLasten() {
    for (int i = 1; i <= nFeld; ++i) {
        GetFeld(i).GetLasten().DeleteAll();
        GetFeld(i).DelSchnittkraefte();
    }
    Lasten.DeleteAll();
    return 1;
}

void C1Traeger::DeleteFeld(int k) {
    ThrowIfFalse((k == 1 || k == nFeld) && k >= 1 && k <= nFeld, "illegal field",
                 "C1Traeger::DeleteFeld");
    nFeld -= 1;
    FeldL.erase(FeldL.begin() + k);
    Felder.erase(Felder.begin() + k);
    const std::size_t size = static_cast<std::size_t>(nFeld) + 1;
    FeldXAnf.assign(size, 0.0);
    FeldXEnd.assign(size, 0.0);
    // The positions follow from the stored lengths; TL waits for the next CalcLaengen.
    BerechnePositionen();
    Lasten.DeleteFeld(k);
}

void C1Traeger::FeldFehlt(int i) const {
    throw C1Exception("C1Traeger::GetFeld, Feld " + std::to_string(i) + " existiert nicht (1 bis " +
                      std::to_string(nFeld) + ")");
}

int C1Traeger::SetAufl_1() {
    Aufl_1 = 1;
    return 1;
}

int C1Traeger::SetAufl_n() {
    Aufl_n = 1;
    return 1;
}

void C1Traeger::Dump(std::FILE* f) const {
    if (f == nullptr) {
        return;
    }
    std::fprintf(f, "\n\nC1Träger-Dump\n");
    std::fprintf(f, "TL=%8.3lf,  nFeld=%d,  m_E=%10.2lf\n", TL, nFeld, m_E);
    std::fprintf(
        f,
        "Aufl_1=%d,  Aufl_n=%d,  Aufl1_Einspanngrad=%10.2lf,  Aufln_Einspanngrad=%10.2lf,  "
        "Aufl1_cM=%10.2lf,  Aufln_cM=%10.2lf\n",
        Aufl_1, Aufl_n, Aufl1_Einspanngrad, Aufln_Einspanngrad, Aufl1_cM, Aufln_cM);
    for (int i = 1; i <= nFeld; ++i) {
        GetFeld(i).Dump(f);
    }
}
