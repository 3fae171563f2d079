// Times the calculation phases of every example document, from the read input to the
// final results: the soil model, the wall analysis (both embedment passes with the
// internal forces) and the two together.

#include "beam/C1Traeger.h"
#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// An example's input, read once from its document.
struct Beispiel {
    explicit Beispiel(const std::string& datei) : in(&qel) {
        std::string fehler;
        qel.hDoc = QEDOM_LoadDocument(datei, fehler);
        if (qel.hDoc == 0) {
            throw std::runtime_error(datei + ": " + fehler);
        }
        in.ReadAll();
    }
    ~Beispiel() { QEDOM_FreeDocument(qel.hDoc); }
    Beispiel(const Beispiel&) = delete;
    Beispiel& operator=(const Beispiel&) = delete;

    C1QEL qel;
    C1ZirfInput in;
};

void Bodenmodell(benchmark::State& state, Beispiel* b) {
    for (auto _ : state) {
        C1Traeger traeger;
        auto calc = std::make_unique<C1ZirfCalc>(&b->in, &traeger);
        benchmark::DoNotOptimize(calc->CalcBodenmodell());
    }
}

void Wandanalyse(benchmark::State& state, Beispiel* b) {
    for (auto _ : state) {
        state.PauseTiming();
        C1Traeger traeger;
        auto calc = std::make_unique<C1ZirfCalc>(&b->in, &traeger);
        calc->CalcBodenmodell();
        state.ResumeTiming();
        benchmark::DoNotOptimize(calc->CalcWand());
    }
}

void Gesamt(benchmark::State& state, Beispiel* b) {
    for (auto _ : state) {
        C1Traeger traeger;
        auto calc = std::make_unique<C1ZirfCalc>(&b->in, &traeger);
        calc->CalcBodenmodell();
        benchmark::DoNotOptimize(calc->CalcWand());
    }
}

std::vector<std::unique_ptr<Beispiel>>& Beispiele() {
    static std::vector<std::unique_ptr<Beispiel>> beispiele;
    return beispiele;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> dateien;
    for (const auto& e :
         std::filesystem::directory_iterator(std::string(ZIRF_SOURCE_DIR) + "/examples")) {
        if (e.path().extension() == ".xml") {
            dateien.push_back(e.path());
        }
    }
    std::sort(dateien.begin(), dateien.end());
    for (const auto& datei : dateien) {
        Beispiele().push_back(std::make_unique<Beispiel>(datei.string()));
        Beispiel* b = Beispiele().back().get();
        const std::string name = datei.stem().string();
        benchmark::RegisterBenchmark((name + "/Bodenmodell").c_str(), Bodenmodell, b)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "/Wandanalyse").c_str(), Wandanalyse, b)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "/Gesamt").c_str(), Gesamt, b)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Beispiele().clear();
    return 0;
}
