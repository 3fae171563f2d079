// Times the pictures of a run as the plot layers draw them: the four wall diagrams of
// 22 points each into their metafile files, and a sketch of a few hundred primitives
// with captions opened and closed through the plot layer (not inserted).

#include "platform/EmfHandles.h"
#include "plot/member/PlotT_.h"
#include "plot/member/Plot_.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>

namespace {

std::string ScratchFile(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

void Wanddiagramme(benchmark::State& state) {
    const char* names[] = {"bench_Momente.emf", "bench_Querkraefte.emf", "bench_Normalkraefte.emf",
                           "bench_Durchbiegung.emf"};
    for (auto _ : state) {
        PlotT_Init(2, 4.0f, 0.7f, 0);
        PlotT_SetAufl(1, 1, " ", 8.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetAufl(1, 2, " ", 6.0f, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        PlotT_SetAufl(1, 3, " ", 0.0f, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0);
        for (const char* name : names) {
            PlotT_SetZ(1, 9.0f, 0.0f);
            for (int i = 0; i <= 20; ++i) {
                PlotT_SetZ(1, 0.4f * i, static_cast<float>(30.0 * std::sin(0.314159 * i)));
            }
            const std::string file = ScratchFile(name);
            PlotT_DeleteEmf(PlotT_ZLinie(1, 1, 0, 1, 0, 3, 0, 1, "", 40.0f, 100.0f, 0, file.c_str(),
                                         nullptr, 0, nullptr, nullptr, 0));
        }
    }
    for (const char* name : names) {
        std::filesystem::remove(ScratchFile(name));
    }
}

void Skizze(benchmark::State& state) {
    for (auto _ : state) {
        Plot_Init(0, 4.0f, 1.0f, " ", 14.56f, 4.08f, 160.0f, 100.0f, 0, 1, 0, "bench_Skizze");
        Plot_SelectPen(1, 0, 1);
        for (int i = 0; i < 200; ++i) {
            Plot_MoveTo(0.05f * i, 0.0f);
            Plot_LineTo(0.05f * i + 1.0f, 4.0f);
        }
        for (int i = 0; i < 20; ++i) {
            Plot_Text(0.5f * i, 1.0f, 0.5f * i + 2.0f, 1.0f, "aus Erde", 0.6f, 2, 1, 0, 0.0f, 0.0f,
                      0);
        }
        Plot_FrameMargins(1.02f, 1.02f, 1.02f, 1.05f);
        Plot_Close(0);
    }
    std::filesystem::remove(Plot_FileName());
}

} // namespace

BENCHMARK(Wanddiagramme)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(Skizze)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
