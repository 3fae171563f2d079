// A report and its result always belong together: two calls that write inputs of the
// same names into one folder leave one call's pair under each name, never one call's
// report beside the other's result; a call stopped while it writes its outputs leaves
// the earlier pair whole or none.
#include "ZirfPaar.h"
#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"
#include "ZirfDokumente.h"
#include "ZirfProzess.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The example marked, with many elements the run does not know: its result takes a while
// longer to save than its report to be written.
std::string Document(const std::string& marker, bool gepolstert) {
    constexpr int kPolster = 10000;
    std::string document = DocumentWithFragments(marker);
    std::string polster;
    for (int i = 0; gepolstert && i < kPolster; ++i) {
        polster += "<polster a=\"0123456789012345678901234567890123456789\"/>\n";
    }
    document.replace(document.find("</zirf>"), 7, polster + "</zirf>");
    return document;
}

TEST(ZirfPaar, TwoCallsIntoOneFolderNeverMixAPair) {
    // Both calls run the same wall under the same names, each name padded in one call and
    // not in the other in turn: the calls keep step, and under each name one call's
    // outputs are written while the other's are (its result taking the longer).
    constexpr int kNamen = 6;
    constexpr int kRunden = 4;
    const ScratchFolder folder("paar_zwei");
    const std::array<std::string, 2> markers = {"Erster-Aufruf", "Zweiter-Aufruf"};
    const fs::path out = folder.path() / "aus";
    fs::create_directories(out);
    fs::create_directories(folder.path() / "tmp");
    std::array<std::vector<std::string>, 2> args;
    for (std::size_t c = 0; c < markers.size(); ++c) {
        const fs::path inputs = folder.path() / markers[c];
        fs::create_directories(inputs);
        args[c] = {"-q", "-o", out.string()};
        for (std::size_t i = 0; i < kNamen; ++i) {
            const fs::path input = inputs / ("w" + std::to_string(i) + ".xml");
            ScratchFolder::Write(input, Document(markers[c], (i + c) % 2 == 0));
            args[c].push_back(input.string());
        }
    }
    const std::vector<std::string> env = {"TMPDIR=" + (folder.path() / "tmp").string()};
    for (int runde = 0; runde < kRunden; ++runde) {
        std::array<pid_t, 2> pids{};
        for (std::size_t c = 0; c < markers.size(); ++c) {
            pids[c] = StartZirf(args[c], env, folder.path() / (markers[c] + ".err"));
            ASSERT_GT(pids[c], 0);
        }
        for (std::size_t c = 0; c < markers.size(); ++c) {
            EXPECT_EQ(WaitZirf(pids[c]).status, 0)
                << ScratchFolder::Read(folder.path() / (markers[c] + ".err"));
        }
        for (int i = 0; i < kNamen; ++i) {
            const std::string name = "w" + std::to_string(i);
            const Paar paar = PaarIn(out, name, {markers.begin(), markers.end()});
            EXPECT_TRUE(paar.bericht == markers[0] || paar.bericht == markers[1])
                << "round " << runde << ", " << name << ": " << paar.bericht;
            EXPECT_EQ(paar.bericht, paar.ergebnis) << "round " << runde << ", " << name;
        }
    }
    EXPECT_EQ(HiddenNames(out), std::vector<std::string>());
    EXPECT_TRUE(fs::is_empty(folder.path() / "tmp"));
}

// --- Calls caught while they write their outputs -------------------------------------

// The start of a file the process holds open in the folder, "" for none (the files
// an output is written to have no name until they are whole).
std::string OpenOutput(pid_t pid, const fs::path& folder) {
    const fs::path fds = "/proc/" + std::to_string(pid) + "/fd";
    std::error_code ec;
    for (fs::directory_iterator it(fds, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path target = fs::read_symlink(it->path(), ec);
        if (ec || target.string().rfind(folder.string() + "/", 0) != 0) {
            continue;
        }
        const int fd = open(it->path().c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        std::array<char, 5> start{};
        const ssize_t n = pread(fd, start.data(), start.size(), 0);
        close(fd);
        if (n == static_cast<ssize_t>(start.size())) {
            return std::string(start.data(), start.size());
        }
    }
    return std::string();
}

ino_t Inode(const fs::path& file) {
    struct stat info {};
    return lstat(file.c_str(), &info) == 0 ? info.st_ino : 0;
}

// A moment in the writing of the outputs of a run into `out`, whose report was `oldReport`
// before it.
struct Moment {
    const char* name;
    std::function<bool(pid_t, const fs::path& out, ino_t oldReport)> da;
};

const std::vector<Moment> kMomente = {
    {"report being written",
     [](pid_t pid, const fs::path& out, ino_t) { return OpenOutput(pid, out) == "{\\rtf"; }},
    {"report under its name",
     [](pid_t, const fs::path& out, ino_t alt) {
         const ino_t jetzt = Inode(out / "wand.rtf");
         return jetzt != 0 && jetzt != alt;
     }},
    {"result being saved",
     [](pid_t pid, const fs::path& out, ino_t) { return OpenOutput(pid, out) == "<?xml"; }},
};

// A call of zirf on the input into `out`, held (SIGSTOP) at the moment.
class Aufruf {
public:
    Aufruf(const fs::path& input, const fs::path& out, const fs::path& tmp, const fs::path& err)
        : m_out(out), m_oldReport(Inode(out / "wand.rtf")),
          m_pid(StartZirf({"-q", "-o", out.string(), input.string()}, {"TMPDIR=" + tmp.string()},
                          err)) {}

    // Holds the call at the moment; false when it ended first.
    bool HoldAt(const Moment& moment) {
        while (m_pid > 0 && waitpid(m_pid, &m_raw, WNOHANG) == 0) {
            if (!moment.da(m_pid, m_out, m_oldReport)) {
                continue;
            }
            // Held there, the call must still be at the moment: else it goes on.
            kill(m_pid, SIGSTOP);
            if (waitpid(m_pid, &m_raw, WUNTRACED) == m_pid && !WIFSTOPPED(m_raw)) {
                break;
            }
            if (moment.da(m_pid, m_out, m_oldReport)) {
                return true;
            }
            kill(m_pid, SIGCONT);
        }
        m_ended = true;
        return false;
    }

    // Lets the held call go on, with the signal first when one is given; its exit status.
    int GoOn(int signal = 0) {
        if (!m_ended) {
            if (signal != 0) {
                kill(m_pid, signal);
            }
            kill(m_pid, SIGCONT);
            waitpid(m_pid, &m_raw, 0);
            m_ended = true;
        }
        return WIFEXITED(m_raw) ? WEXITSTATUS(m_raw) : -1;
    }

private:
    fs::path m_out;
    ino_t m_oldReport;
    pid_t m_pid;
    int m_raw = 0;
    bool m_ended = false;
};

class ZirfPaarMomente : public ::testing::Test {
protected:
    void PlantEarlierPair() {
        ScratchFolder::Write(m_out / "wand.rtf", kAlterBericht);
        ScratchFolder::Write(m_out / "wand.result.xml", kAltesErgebnis);
    }
    void ExpectNothingLeft() {
        EXPECT_EQ(HiddenNames(m_out), std::vector<std::string>());
        EXPECT_TRUE(fs::is_empty(m_tmp));
    }
    std::string Err() const { return ScratchFolder::Read(m_folder.path() / "zirf.err"); }

    ScratchFolder m_folder{"paar_momente"};
    fs::path m_out = m_folder.path() / "aus";
    fs::path m_tmp = m_folder.path() / "tmp";
    fs::path m_err = m_folder.path() / "zirf.err";
    bool m_made = fs::create_directories(m_out) && fs::create_directories(m_tmp);
};

TEST_F(ZirfPaarMomente, ACallHeldWhileItWritesItsOutputsKeepsItsPairFromAnothers) {
    const std::array<fs::path, 2> inputs = {m_folder.path() / "erster" / "wand.xml",
                                            m_folder.path() / "zweiter" / "wand.xml"};
    const std::array<std::string, 2> markers = {"erster", "zweiter"};
    for (std::size_t c = 0; c < inputs.size(); ++c) {
        fs::create_directories(inputs[c].parent_path());
        ScratchFolder::Write(inputs[c], DocumentWithFragments(markers[c]));
    }
    for (const Moment& moment : kMomente) {
        SCOPED_TRACE(moment.name);
        PlantEarlierPair();
        Aufruf erster(inputs[0], m_out, m_tmp, m_err);
        const bool gehalten = erster.HoldAt(moment);
        // The second call runs to its end, or until it waits for the first one.
        Aufruf zweiter(inputs[1], m_out, m_tmp, m_folder.path() / "zweiter.err");
        const Moment endeOderWarten = {
            "end or waiting", [](pid_t pid, const fs::path&, ino_t) { return WaitsForALock(pid); }};
        const bool wartet = zweiter.HoldAt(endeOderWarten);
        EXPECT_EQ(erster.GoOn(), 0) << Err();
        EXPECT_EQ(zweiter.GoOn(), 0) << ScratchFolder::Read(m_folder.path() / "zweiter.err");
        const Paar paar = PaarIn(m_out, "wand", {markers.begin(), markers.end()});
        EXPECT_TRUE(paar.bericht == "erster" || paar.bericht == "zweiter") << paar.bericht;
        EXPECT_EQ(paar.bericht, paar.ergebnis)
            << (gehalten ? "held" : "not held") << (wartet ? ", the second waited" : "");
        ExpectNothingLeft();
    }
}

TEST_F(ZirfPaarMomente, AStopWhileTheOutputsAreWrittenLeavesTheEarlierPairWholeOrNone) {
    constexpr int kVersuche = 3;
    const fs::path input = m_folder.path() / "wand.xml";
    ScratchFolder::Write(input, DocumentWithFragments("neu"));
    const std::array<int, 3> signals = {SIGTERM, SIGINT, SIGHUP};
    int gestoppt = 0;
    for (const Moment& moment : kMomente) {
        for (int versuch = 0; versuch < kVersuche; ++versuch) {
            const int signal = signals[static_cast<std::size_t>(versuch) % signals.size()];
            SCOPED_TRACE(std::string(moment.name) + ", " + strsignal(signal));
            PlantEarlierPair();
            Aufruf aufruf(input, m_out, m_tmp, m_err);
            const bool gehalten = aufruf.HoldAt(moment);
            EXPECT_EQ(aufruf.GoOn(signal), gehalten ? 128 + signal : 0) << Err();
            gestoppt += gehalten ? 1 : 0;

            const Paar paar = PaarIn(m_out, "wand", {"neu"});
            EXPECT_EQ(paar.bericht, paar.ergebnis);
            EXPECT_TRUE(paar.bericht == "alt" || paar.bericht == "neu" || paar.bericht.empty())
                << paar.bericht;
            ExpectNothingLeft();
        }
    }
    // The test is worth something only when calls were caught at these moments.
    EXPECT_GT(gestoppt, 0);
}

} // namespace
