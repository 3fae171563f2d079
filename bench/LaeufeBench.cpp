// Whole runs in one process, as a host that works through a batch of inputs: a
// document loaded, calculated, reported (RTF report with its pictures, result elements)
// and freed. One case per example, and a batch of 200 runs over the examples in turn;
// each reports runs per second.

#include "BenchLauf.h"
#include "platform/MessageBox.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> ExampleFiles() {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(fs::path(ZIRF_SOURCE_DIR) / "examples")) {
        if (e.path().extension() == ".xml") {
            files.push_back(e.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Runs the files in turn, count runs a round, as long as the benchmark asks.
void Laeufe(benchmark::State& state, const std::vector<fs::path>& files, std::size_t count) {
    const BenchFolder folder;
    QEL_SetMessageSink([](const std::string&) {});
    std::int64_t runs = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            BenchRun(files[i % files.size()]);
            ++runs;
        }
    }
    state.counters["runs/s"] =
        benchmark::Counter(static_cast<double>(runs), benchmark::Counter::kIsRate);
}

constexpr std::size_t kStapel = 200;

const bool kRegistriert = [] {
    const std::vector<fs::path> files = ExampleFiles();
    for (const fs::path& file : files) {
        benchmark::RegisterBenchmark(("Lauf/" + file.stem().string()).c_str(),
                                     [file](benchmark::State& state) { Laeufe(state, {file}, 1); })
            ->Unit(benchmark::kMillisecond)
            ->MinTime(1.0)
            ->UseRealTime();
    }
    benchmark::RegisterBenchmark(
        ("Stapel/" + std::to_string(kStapel)).c_str(),
        [files](benchmark::State& state) { Laeufe(state, files, kStapel); })
        ->Unit(benchmark::kMillisecond)
        ->MinTime(2.0)
        ->UseRealTime();
    return true;
}();

} // namespace
