#pragma once

#include "beam/C1Last.h"

#include <cstdio>
#include <string>
#include <vector>

// The loads of a whole beam. Feld 1..nFeld makes a position relative to that span's start,
// any other value makes it a beam coordinate; for settlements Feld is the support number.
// The running number Nr is handed in by the adders but not kept: every record reads Nr 0.
class C1LastTr : public C1Last {
public:
    C1LastTr() = default;

    int AddTrapezLast(int Lf, int Feld, double a, double b, double q1, double q2,
                      const std::string& Text, int Flag, int Nr);
    int AddNormalKraft(int Lf, int Feld, double a, double b, double N1, double N2,
                       const std::string& Text, int Nr);
    int AddEinzelLast(int Lf, int Feld, double c, double P, const std::string& Text, int Flag,
                      int Nr);
    int AddMomentLast(int Lf, int Feld, double d, double M, const std::string& Text, int Nr);
    int AddTempLast(int Lf, int Feld, double a, double b, double Ke, const std::string& Text,
                    int Nr);
    int AddStsLast(int Lf, int Feld, double s, const std::string& Text, int Nr);

    int GetTrapezLast(int i, int& Lf, int& Feld, double& a, double& b, double& q1, double& q2,
                      std::string& Text, int& Flag, int& Nr) const;
    int GetNormalKraft(int i, int& Lf, int& Feld, double& a, double& b, double& N1, double& N2,
                       std::string& Text, int& Nr) const;
    int GetEinzelLast(int i, int& Lf, int& Feld, double& c, double& P, std::string& Text, int& Flag,
                      int& Nr) const;
    int GetMomentLast(int i, int& Lf, int& Feld, double& d, double& M, std::string& Text,
                      int& Nr) const;
    int GetTempLast(int i, int& Lf, int& Feld, double& a, double& b, double& Ke, std::string& Text,
                    int& Nr) const;
    int GetStsLast(int i, int& Lf, int& Feld, double& s, std::string& Text, int& Nr) const;

    // Span k leaves the beam: loads on it go, loads on later spans move down one number.
    // Settlements are never removed, only renumbered.
    void DeleteFeld(int k);
    void DeleteLf(int Lf);

    void DeleteTrapezLast() {
        Geaendert();
        m_TrapezLast.clear();
    }
    void DeleteNormalKraft() {
        Geaendert();
        m_NormalKraft.clear();
    }
    void DeleteEinzelLast() {
        Geaendert();
        m_EinzelLast.clear();
    }
    void DeleteMomentLast() {
        Geaendert();
        m_MomentLast.clear();
    }
    void DeleteTempLast() {
        Geaendert();
        m_TempLast.clear();
    }
    void DeleteStsLast() {
        Geaendert();
        m_StsLast.clear();
    }

    void DeleteTrapezLastLf(int Lf) { EraseLf(m_TrapezLast, Lf); }
    void DeleteNormalKraftLf(int Lf) { EraseLf(m_NormalKraft, Lf); }
    void DeleteEinzelLastLf(int Lf) { EraseLf(m_EinzelLast, Lf); }
    void DeleteMomentLastLf(int Lf) { EraseLf(m_MomentLast, Lf); }
    void DeleteTempLastLf(int Lf) { EraseLf(m_TempLast, Lf); }
    void DeleteStsLastLf(int Lf) { EraseLf(m_StsLast, Lf); }

    // Appends copies of the trapezoid and point loads of load case Lf to the given arrays.
    void CopyLastfall(int Lf, std::vector<C1TrapezLast>& trapez,
                      std::vector<C1EinzelLast>& einzel) const;

    // Text dump of all records but settlements; nothing when f is null.
    void Dump(std::FILE* f, const std::string& title) const;

private:
    template <class R> void FeldUndNr(int i, int& Feld, int& Nr) const {
        R r;
        GetRecord(i, r);
        Feld = r.Feld;
        Nr = r.Nr;
    }

    template <class R> void EraseLf(std::vector<R>& v, int Lf) {
        Geaendert();
        std::erase_if(v, [Lf](const R& r) { return r.Lf == Lf; });
    }
};
