// The examples' reports and result documents are the same, byte for byte, as those the
// program wrote before its output was made faster (tests/e2e/data/berichte): work that
// only saves time must change no byte of what a run writes. A batch of all six in one
// call reuses whatever a process keeps from run to run; a call per input starts afresh.
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::vector<std::string> kBeispiele = {
    "anker_eingespannt", "anker_frei",    "anker_sand",
    "kragwand",          "kragwand_sand", "kragwand_sand_lasten",
};

std::string Gespeichert(const std::string& datei) {
    return ScratchFolder::Read(fs::path(ZIRF_SOURCE_DIR) / "tests/e2e/data/berichte" / datei);
}

std::string BeispielPfad(const std::string& name) {
    return (fs::path(ZIRF_SOURCE_DIR) / "examples" / (name + ".xml")).string();
}

// Runs zirf quietly on the inputs with the output folder given; its exit status (-1 when
// it did not end by itself, e.g. it hung for two minutes of processor time).
int Zirf(const std::vector<std::string>& eingaben, const fs::path& ausgabe) {
    std::string command = "ulimit -c 0; ulimit -t 120; exec env -u QELUSER " +
                          std::string(ZIRF_BINARY_DIR) + "/zirf -q -o '" + ausgabe.string() + "'";
    for (const std::string& eingabe : eingaben) {
        command += " '" + eingabe + "'";
    }
    command += " 2>zirf.err >/dev/null </dev/null";
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

// Where two texts first differ, for a message that points at the place.
std::string ErsterUnterschied(const std::string& erwartet, const std::string& ist) {
    std::size_t i = 0;
    while (i < erwartet.size() && i < ist.size() && erwartet[i] == ist[i]) {
        ++i;
    }
    const std::size_t von = i < 40 ? 0 : i - 40;
    return "first difference at byte " + std::to_string(i) + " of " +
           std::to_string(erwartet.size()) + " (now " + std::to_string(ist.size()) +
           "):\n  expected ..." + erwartet.substr(von, 80) + "\n  written  ..." +
           ist.substr(von, 80);
}

void ErwarteSelbeAusgaben(const fs::path& ausgabe, const std::string& name) {
    for (const std::string endung : {".rtf", ".result.xml"}) {
        const std::string datei = name + endung;
        SCOPED_TRACE(datei);
        const std::string erwartet = Gespeichert(datei);
        ASSERT_FALSE(erwartet.empty()) << "no stored output " << datei;
        const std::string ist = ScratchFolder::Read(ausgabe / datei);
        EXPECT_TRUE(ist == erwartet) << ErsterUnterschied(erwartet, ist);
    }
}

TEST(SelbeBerichte, OneCallOverAllExamplesWritesTheStoredBytes) {
    const ScratchFolder folder("selbe_batch");
    std::vector<std::string> eingaben;
    for (const std::string& name : kBeispiele) {
        eingaben.push_back(BeispielPfad(name));
    }
    ASSERT_EQ(Zirf(eingaben, folder.path()), 0) << ScratchFolder::Read("zirf.err");
    for (const std::string& name : kBeispiele) {
        ErwarteSelbeAusgaben(folder.path(), name);
    }
}

TEST(SelbeBerichte, EachExampleAloneWritesTheStoredBytes) {
    const ScratchFolder folder("selbe_einzeln");
    // The last first: nothing a process keeps may depend on which input came before.
    for (auto it = kBeispiele.rbegin(); it != kBeispiele.rend(); ++it) {
        SCOPED_TRACE(*it);
        ASSERT_EQ(Zirf({BeispielPfad(*it)}, folder.path()), 0) << ScratchFolder::Read("zirf.err");
        ErwarteSelbeAusgaben(folder.path(), *it);
    }
}

} // namespace
