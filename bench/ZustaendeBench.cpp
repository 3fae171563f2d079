// Whole runs of an anchored wall whose one design combination has n variable load cases:
// 2^n load states. n runs up to the most the input allows (18 load cases, load case 1
// carrying the soil's own weight): ten head forces of alternating sign and seven line loads,
// each a variable load case of its own.

#include "BenchLauf.h"
#include "platform/MessageBox.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kKopflasten = 10;

std::string Lies(const fs::path& datei) {
    std::ifstream in(datei);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The text from `von` up to the end of `bis` replaced.
std::string Ersetze(std::string text, const std::string& von, const std::string& bis,
                    const std::string& durch) {
    const std::size_t a = text.find(von);
    const std::size_t b = text.find(bis, a);
    if (a == std::string::npos || b == std::string::npos) {
        throw std::runtime_error("no " + von + " in the example");
    }
    return text.replace(a, b + bis.size() - a, durch);
}

// anker_frei.xml with n variable load cases 2 ... n + 1 in one combination.
std::string Dokument(int n) {
    std::string lasten = "<last>\n<gruppe art=\"1\" lf=\"1\" bez=\"G\" v=\"10\"/>\n";
    std::string faelle = "<lastfaelle>\n<lastfall lf=\"1\" einw=\"1\"/>\n";
    std::string regel = "1.35*(1)";
    for (int i = 0; i < n; ++i) {
        const int lf = i + 2;
        if (i < kKopflasten) {
            const int h = (5 + i) * (i % 2 == 0 ? 1 : -1);
            lasten += "<gruppe art=\"0\" lf=\"" + std::to_string(lf) +
                      "\" stelle=\"0\" bez=\"K\" v=\"" + std::to_string(2 * i) + "\" h=\"" +
                      std::to_string(h) + "\" m=\"0\"/>\n";
        } else {
            const int k = i - kKopflasten;
            lasten += "<gruppe art=\"3\" lf=\"" + std::to_string(lf) + "\" bez=\"L\" x=\"" +
                      std::to_string(1.0 + 0.5 * k) + "\" y=\"0\" v=\"" +
                      std::to_string(10 + 5 * k) + "\" h=\"0\" m=\"0\"/>\n";
        }
        faelle += "<lastfall lf=\"" + std::to_string(lf) + "\" einw=\"2\"/>\n";
        regel += (i == 0 ? "+1.5*(" : "+") + std::to_string(lf) + (i == n - 1 ? ")" : "");
    }
    std::string d = Lies(fs::path(ZIRF_SOURCE_DIR) / "examples" / "anker_frei.xml");
    d = Ersetze(d, "<last>", "</last>", lasten + "</last>");
    d = Ersetze(d, "<lastfaelle>", "</lastfaelle>", faelle + "</lastfaelle>");
    return Ersetze(d, "<results>", "</results>",
                   "<results><result art=\"STR,GEO-2 BS-P\" regel=\"" + regel + "\"/></results>");
}

void Zustaende(benchmark::State& state) {
    const BenchFolder folder;
    QEL_SetMessageSink([](const std::string&) {});
    const int n = static_cast<int>(state.range(0));
    const fs::path datei = "zustaende" + std::to_string(n) + ".xml";
    std::ofstream(datei) << Dokument(n);
    for (auto _ : state) {
        BenchRun(datei);
    }
    state.counters["Zustaende"] = static_cast<double>(std::int64_t{1} << n);
}

} // namespace

BENCHMARK(Zustaende)
    ->Arg(0)
    ->Arg(2)
    ->Arg(4)
    ->Arg(8)
    ->Arg(12)
    ->Arg(17)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
