// Whole runs of walls with many load states: a combination with n variable load cases has
// 2^n states. Over n (0 ... 17, the most the input allows besides load case 1) and over the
// number of combinations (1 ... 64), for the cantilever and for the anchored wall with a
// partly fixed foot, whose depth seeks each state's free foot (up to 4096 states; beyond,
// the run refuses). The documents are those of the tests (tests/support/VieleLastfaelle.h).

#include "../tests/e2e/Dokument.h"
#include "../tests/support/VieleLastfaelle.h"
#include "BenchLauf.h"
#include "platform/MessageBox.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string Beispiel(const std::string& name) {
    std::ifstream in(fs::path(ZIRF_SOURCE_DIR) / "examples" / name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

enum Wand { kKragwand = 0, kTeilweiseEingespannt = 1 };

std::string Dokument(int wand, int n, int kombinationen) {
    if (wand == kKragwand) {
        return vielelastfaelle::VieleLastfaelle(Beispiel("kragwand.xml"), n, kombinationen);
    }
    const std::string d =
        vielelastfaelle::VieleLastfaelle(Beispiel("anker_frei.xml"), n, kombinationen);
    return MitAttribut(MitAttribut(d, "steu", "system", "2"), "geom", "einspannung", "50");
}

// Arguments: the wall, n, the number of combinations.
void Zustaende(benchmark::State& state) {
    const BenchFolder folder;
    QEL_SetMessageSink([](const std::string&) {});
    const int wand = static_cast<int>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    const int kombinationen = static_cast<int>(state.range(2));
    const fs::path datei = "zustaende.xml";
    std::ofstream(datei) << Dokument(wand, n, kombinationen);
    for (auto _ : state) {
        BenchRun(datei);
    }
    state.counters["Zustaende"] = kombinationen * std::ldexp(1.0, n);
}

} // namespace

// Over n, one combination.
BENCHMARK(Zustaende)
    ->ArgNames({"Wand", "n", "Kombinationen"})
    ->ArgsProduct({{kKragwand}, {0, 2, 4, 8, 12, 17}, {1}})
    ->ArgsProduct({{kTeilweiseEingespannt}, {0, 2, 4, 8, 12}, {1}})
    // Over the combinations: 17 variable load cases each (the cantilever), 6 (the partly
    // fixed foot: 64 · 2^6 = 4096 states).
    ->ArgsProduct({{kKragwand}, {17}, {4, 16, 64}})
    ->ArgsProduct({{kTeilweiseEingespannt}, {6}, {1, 4, 16, 64}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
