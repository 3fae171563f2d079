#pragma once

#include "platform/Plaetze.h"

#include <cstddef>
#include <string>

// Throws the shown error of an index outside a result table; the text names the
// table and its limit, since only input beyond the model's limits can reach it.
[[noreturn]] void ThrowTabellenGrenze(const char* tabelle, long long index, std::size_t plaetze);

// A fixed table of the calculation object whose every access is checked: an index
// outside it ends the run with a shown error instead of writing past the end. Its
// records are made as the run reaches them (most runs fill a small corner of the
// model's limits); a record never written reads as zero.
template <class T, std::size_t N> class C1Tabelle {
public:
    explicit C1Tabelle(const char* tabellenName) : name(tabellenName) {}

    T& operator[](long long i) { return daten[Pruefe(i)]; }
    const T& operator[](long long i) const { return daten[Pruefe(i)]; }

    static constexpr std::size_t Plaetze() { return N; }
    const char* Name() const { return name; }
    // Sets every record to its zero value.
    void Clear() { daten.Clear(); }
    // Sets the records from..bis (both included) to their zero value.
    void Clear(long long von, long long bis) {
        for (long long i = von; i <= bis; ++i) {
            const std::size_t k = Pruefe(i);
            if (daten.Gemacht(k)) {
                daten[k] = T{};
            }
        }
    }

private:
    std::size_t Pruefe(long long i) const {
        if (i < 0 || static_cast<std::size_t>(i) >= N) {
            ThrowTabellenGrenze(name, i, N);
        }
        return static_cast<std::size_t>(i);
    }

    C1Plaetze<T, N> daten;
    const char* name;
};
