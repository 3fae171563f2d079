// The memory a whole run takes at its peak: of an example, and of the largest document
// the host reads (its size, its elements and its attributes each at their limit; the
// example's wall with elements the run does not know). Each run goes in a process of its
// own, whose largest resident memory is the counter "peak MiB".

#include "../tests/e2e/Dokument.h"
#include "../tests/support/VieleLastfaelle.h"
#include "BenchLauf.h"
#include "platform/MessageBox.h"
#include "platform/QEDOM.h"
#include "platform/QEDOMPrescan.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr double kKiBPerMiB = 1024.0;

std::string Example() {
    std::ifstream in(fs::path(ZIRF_SOURCE_DIR) / "examples" / "kragwand.xml");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The example with as many elements and attributes as the limits leave, and values
// long enough that the document is as large as allowed.
std::string Grenzdokument() {
    const std::string example = Example();
    const std::size_t elements = static_cast<std::size_t>(
        std::count(example.begin(), example.end(), '<'));    // more than it has
    const std::size_t attributes = static_cast<std::size_t>( // more than it has
        std::count(example.begin(), example.end(), '='));
    const std::size_t fill = QEDOM_MAX_ELEMENTS - elements;
    const std::size_t each = (QEDOM_MAX_ATTRIBUTES_IN_ALL - attributes) / fill;
    const std::size_t room = QEDOM_MAX_DOCUMENT_BYTES - example.size() - 1024;
    // <u a0="…" …/>\n: the tag's 5 bytes, and each attribute's name, quotes and blank.
    const std::size_t value = (room / fill - 5) / each - 7;
    std::string element = "<u";
    for (std::size_t i = 0; i < each; ++i) {
        element += " a" + std::to_string(i) + "=\"" + std::string(value, 'x') + "\"";
    }
    element += "/>\n";
    std::string text = example.substr(0, example.rfind("</zirf>"));
    text.reserve(QEDOM_MAX_DOCUMENT_BYTES);
    for (std::size_t i = 0; i < fill; ++i) {
        text += element;
    }
    return text + "</zirf>\n";
}

// The most load states a run takes: of a cantilever, 111 combinations of 17 variable load
// cases each (14.5 million states, 1998 standing for them); of a partly fixed anchored
// wall, whose states are computed one by one, 4096 (one combination of 12).
std::string ZustaendeKombinationen() {
    return vielelastfaelle::VieleLastfaelle(Example(), 17, 111);
}
std::string ZustaendeEinzeln() {
    std::ifstream in(fs::path(ZIRF_SOURCE_DIR) / "examples" / "anker_frei.xml");
    std::stringstream text;
    text << in.rdbuf();
    const std::string d = vielelastfaelle::VieleLastfaelle(text.str(), 12, 1);
    return MitAttribut(MitAttribut(d, "steu", "system", "2"), "geom", "einspannung", "50");
}

// A run of the file in a process of its own; its largest resident memory in KiB.
long PeakOfRun(const fs::path& file) {
    const pid_t child = fork();
    if (child == 0) {
        try {
            BenchRun(file, true);
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw std::runtime_error(file.string() + ": the run did not complete");
    }
    return usage.ru_maxrss;
}

void Speicher(benchmark::State& state, const std::string& name, const std::string& text) {
    const BenchFolder folder;
    QEL_SetMessageSink([](const std::string&) {});
    const fs::path file = name + ".xml";
    std::ofstream(file) << text;
    long peak = 0;
    for (auto _ : state) {
        peak = std::max(peak, PeakOfRun(file));
    }
    state.counters["peak MiB"] = static_cast<double>(peak) / kKiBPerMiB;
    state.counters["document MiB"] = static_cast<double>(text.size()) / kKiBPerMiB / kKiBPerMiB;
}

const bool kRegistriert = [] {
    const struct {
        const char* name;
        std::string (*text)();
    } documents[] = {{"kragwand", Example},
                     {"Grenzdokument", Grenzdokument},
                     {"Zustaende_Kombinationen", ZustaendeKombinationen},
                     {"Zustaende_einzeln", ZustaendeEinzeln}};
    for (const auto& d : documents) {
        benchmark::RegisterBenchmark(
            ("Speicher/" + std::string(d.name)).c_str(),
            [d](benchmark::State& state) { Speicher(state, d.name, d.text()); })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(3)
            ->UseRealTime();
    }
    return true;
}();

} // namespace
