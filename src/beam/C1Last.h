#pragma once

#include "beam/C1EinzelLast.h"
#include "beam/C1MomentLast.h"
#include "beam/C1NormalKraft.h"
#include "beam/C1StsLast.h"
#include "beam/C1TempLast.h"
#include "beam/C1TrapezLast.h"

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

// The loads of one span, one growable array per kind, records in the order they were added.
// Positions are measured from the span's start. Holds data only.
//
// Getters take a 1-based index. They reset their outputs (numbers 0, text empty, Flag 1),
// return 0 for an index out of range, and otherwise hand out the record and return 1, or 0
// when its values are negligible.
class C1Last {
public:
    C1Last() = default;

    int AddTrapezLast(int Lf, double a, double b, double q1, double q2, const std::string& Text,
                      int Flag);
    int AddNormalKraft(int Lf, double a, double b, double N1, double N2, const std::string& Text);
    int AddEinzelLast(int Lf, double c, double P, const std::string& Text, int Flag);
    int AddMomentLast(int Lf, double d, double M, const std::string& Text);
    int AddTempLast(int Lf, double a, double b, double Ke, const std::string& Text);
    // Feld: 1 the span's start support, 2 its end support.
    int AddStsLast(int Lf, int Feld, double s, const std::string& Text);

    int GetTrapezLast(int i, int& Lf, double& a, double& b, double& q1, double& q2,
                      std::string& Text, int& Flag) const;
    int GetNormalKraft(int i, int& Lf, double& a, double& b, double& N1, double& N2,
                       std::string& Text) const;
    int GetEinzelLast(int i, int& Lf, double& c, double& P, std::string& Text, int& Flag) const;
    int GetMomentLast(int i, int& Lf, double& d, double& M, std::string& Text) const;
    int GetTempLast(int i, int& Lf, double& a, double& b, double& Ke, std::string& Text) const;
    int GetStsLast(int i, int& Lf, int& Feld, double& s, std::string& Text) const;

    // The same getters handing out the whole record.
    int GetRecord(int i, C1TrapezLast& r) const { return Pick(m_TrapezLast, i, r); }
    int GetRecord(int i, C1NormalKraft& r) const { return Pick(m_NormalKraft, i, r); }
    int GetRecord(int i, C1EinzelLast& r) const { return Pick(m_EinzelLast, i, r); }
    int GetRecord(int i, C1MomentLast& r) const { return Pick(m_MomentLast, i, r); }
    int GetRecord(int i, C1TempLast& r) const { return Pick(m_TempLast, i, r); }
    int GetRecord(int i, C1StsLast& r) const { return Pick(m_StsLast, i, r); }

    // Record i of a kind that RecordsOf lists: found and judged not negligible when the
    // lists were made, so it is taken as it stands.
    template <class R> const R& Gelistet(int i) const {
        return Liste<R>().at(static_cast<std::size_t>(i - 1));
    }
    // Record i of a kind as GetRecord finds it, without a copy; null where GetRecord
    // gives 0 (no such record, or a negligible one).
    template <class R> const R* FindRecord(int i) const {
        const std::vector<R>& v = Liste<R>();
        if (i < 1 || i > Count(v)) {
            return nullptr;
        }
        const R& r = v[static_cast<std::size_t>(i - 1)];
        return r.IsVernachlaessigbar() ? nullptr : &r;
    }

    int GetAnzahlNormalKraft() const { return Count(m_NormalKraft); }
    int GetAnzahlTrapezLast() const { return Count(m_TrapezLast); }
    int GetAnzahlEinzelLast() const { return Count(m_EinzelLast); }
    int GetAnzahlMomentLast() const { return Count(m_MomentLast); }
    int GetAnzahlTempLast() const { return Count(m_TempLast); }
    int GetAnzahlStsLast() const { return Count(m_StsLast); }
    // The largest of the six counts: the bound of a scan that asks every kind by index.
    int GetMaxAnzahl() const;

    // The kinds of load, in the order a scan by index asks them.
    enum class Art { Trapez, Temp, Sts, Einzel, Moment, Normal };
    struct Eintrag {
        int i; // 1-based index within its kind
        Art art;
    };
    // The records of load case Lf that FindRecord hands out, in the order of a scan
    // by index that asks every kind in the order of Art: a span's internal forces sum them in
    // that order. A span holds the loads of all its load cases and is asked for one case at
    // a time, hundreds of times per run: the lists are made once, after the last change.
    const std::vector<Eintrag>& RecordsOf(int Lf) const;

    void DeleteAll();
    void RemoveAll() { DeleteAll(); }

    // Text dump of all records but settlements; nothing when f is null.
    void Dump(std::FILE* f, const std::string& title) const;

protected:
    template <class R> static int Count(const std::vector<R>& v) {
        return static_cast<int>(v.size());
    }

    template <class R> const std::vector<R>& Liste() const {
        if constexpr (std::is_same_v<R, C1NormalKraft>) {
            return m_NormalKraft;
        } else if constexpr (std::is_same_v<R, C1TrapezLast>) {
            return m_TrapezLast;
        } else if constexpr (std::is_same_v<R, C1EinzelLast>) {
            return m_EinzelLast;
        } else if constexpr (std::is_same_v<R, C1MomentLast>) {
            return m_MomentLast;
        } else if constexpr (std::is_same_v<R, C1TempLast>) {
            return m_TempLast;
        } else {
            static_assert(std::is_same_v<R, C1StsLast>);
            return m_StsLast;
        }
    }

    template <class R> static int Pick(const std::vector<R>& v, int i, R& out) {
        out = R{};
        if (i < 1 || i > Count(v)) {
            return 0;
        }
        out = v.at(static_cast<std::size_t>(i - 1));
        return out.IsVernachlaessigbar() ? 0 : 1;
    }

    // Every change of the records calls this: the lists of RecordsOf are made anew.
    void Geaendert() { m_nachLfGueltig = false; }

    std::vector<C1NormalKraft> m_NormalKraft;
    std::vector<C1TrapezLast> m_TrapezLast;
    std::vector<C1EinzelLast> m_EinzelLast;
    std::vector<C1MomentLast> m_MomentLast;
    std::vector<C1TempLast> m_TempLast;
    std::vector<C1StsLast> m_StsLast;

private:
    template <class R> void Eintragen(Art art, int i) const;
    // The lists of the load cases m_lfAnfang, m_lfAnfang + 1, ...
    mutable std::vector<std::vector<Eintrag>> m_nachLf;
    mutable int m_lfAnfang = 0;
    mutable bool m_nachLfGueltig = false;
};
