// Times the pictures of the anchored example once its calculation is done: system
// sketch, loading diagram, deep-slip-line picture and the four diagrams of the internal
// forces, drawn into an open report in a folder of their own.

#include "beam/C1Traeger.h"
#include "graphics/C1ZirfGrafik.h"
#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void BilderAnkerwand(benchmark::State& state) {
    const fs::path previous = fs::current_path();
    const fs::path folder = fs::temp_directory_path() / ("zirf_bilder_" + std::to_string(getpid()));
    fs::create_directories(folder);
    fs::current_path(folder);
    // The pictures' temporary files go into the folder too; the caller's setting comes back.
    const char* tmp = std::getenv("TMPDIR");
    const std::string tmpVorher = tmp != nullptr ? tmp : "";
    setenv("TMPDIR", folder.c_str(), 1);
    {
        C1QEL qel;
        std::string fehler;
        qel.hDoc =
            QEDOM_LoadDocument(std::string(ZIRF_SOURCE_DIR) + "/examples/anker_frei.xml", fehler);
        if (qel.hDoc == 0) {
            throw std::runtime_error(fehler);
        }
        C1ZirfInput in(&qel);
        in.ReadAll();
        C1Traeger traeger;
        C1ZirfCalc calc(&in, &traeger);
        calc.CalcBodenmodell();
        calc.CalcWand();
        calc.CalcTiefeGleitfuge();
        for (auto _ : state) {
            QELRTFX_Open("bilder.rtf", 0, 1, 1, "");
            {
                C1RTFX rtf(&qel);
                C1ZirfGrafik grafik(4.0, 0.7, &qel, &rtf, nullptr, &in, &calc);
                grafik.PlotSystem("System", 160.0, 100.0);
                grafik.PlotBeanspruchung("Beanspruchung", 160.0, 100.0, 1, 2);
                grafik.PlotTGF("TGF", 160.0, 100.0);
                grafik.PlotSchnittgroessen("Momente", 40.0, 100.0, 1, 1);
            }
            QELRTFX_Close(0);
            fs::remove("bilder.rtf");
        }
        QEDOM_FreeDocument(qel.hDoc);
    }
    if (tmp != nullptr) {
        setenv("TMPDIR", tmpVorher.c_str(), 1);
    } else {
        unsetenv("TMPDIR");
    }
    fs::current_path(previous);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

BENCHMARK(BilderAnkerwand)->Unit(benchmark::kMillisecond);

} // namespace
