#pragma once

#include "beam/C1Traeger.h"
#include "platform/C1Exception.h"

#include <cstdio>
#include <initializer_list>
#include <string>

namespace beamtest {

// A beam of the given span lengths, hinged ends, supports of kind 1, positions computed.
inline void Build(C1Traeger& beam, std::initializer_list<double> lengths) {
    beam.SetAnzFelder(static_cast<int>(lengths.size()));
    int i = 1;
    for (double L : lengths) {
        beam.GetFeld(i++).SetL(L);
    }
    beam.CalcLaengen();
}

// The text of the C1Exception that f throws, or "<no exception>".
template <class F> std::string ExceptionText(F&& f) {
    try {
        f();
    } catch (const C1Exception& e) {
        return e.text;
    }
    return "<no exception>";
}

// Everything a dump function writes into a temporary file.
template <class F> std::string Captured(F&& write) {
    std::FILE* f = std::tmpfile();
    write(f);
    std::string text;
    std::rewind(f);
    for (int c = std::fgetc(f); c != EOF; c = std::fgetc(f)) {
        text.push_back(static_cast<char>(c));
    }
    std::fclose(f);
    return text;
}

} // namespace beamtest
