// A call stopped by a signal leaves nothing of the input it was running: no temporary
// folder, no output half written, no report without its result; it ends with 128 + the
// signal's number. The folder of a run killed outright goes when a later run starts,
// and nothing else there.
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "ZirfProzess.h"
#include "platform/AbortCleanup.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kInputs = 40;
constexpr int kSigtermStatus = 128 + SIGTERM;

// Starts zirf quietly on the inputs with its temporary folder `tmp` and stderr into the
// file `err`; the process id.
pid_t StartLeise(const std::vector<std::string>& inputs, const fs::path& tmp, const fs::path& err) {
    std::vector<std::string> args = {"-q"};
    args.insert(args.end(), inputs.begin(), inputs.end());
    return StartZirf(args, {"TMPDIR=" + tmp.string()}, err);
}

// Whether a run is under way: its folder is there (the pictures of a run stay in memory,
// so the folder may well be empty).
bool RunUnderWay(const fs::path& tmp) {
    std::error_code ec;
    for (const auto& folder : fs::directory_iterator(tmp, ec)) {
        if (folder.is_directory(ec)) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) {
        names.push_back(e.path().filename().string());
    }
    return names;
}

// A process id that no process has: that of a child that has ended.
pid_t DeadProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return child;
}

TEST(ZirfAbbruch, ABatchStoppedInMidRunLeavesNothingUnfinished) {
    const ScratchFolder folder("abbruch");
    const fs::path tmp = folder.path() / "tmp";
    fs::create_directory(tmp);
    const std::string dokument = ExampleText("anker_eingespannt.xml");
    std::vector<std::string> inputs;
    for (int i = 0; i < kInputs; ++i) {
        const fs::path input = folder.path() / ("w" + std::to_string(100 + i) + ".xml");
        ScratchFolder::Write(input, dokument);
        inputs.push_back(input.string());
    }
    const pid_t pid = StartLeise(inputs, tmp, folder.path() / "zirf.err");
    ASSERT_GT(pid, 0);

    // Catch it with a run under way: frozen there, it must still have the run's folder;
    // a run that ended just then lets it go on to the next.
    int status = 0;
    bool angehalten = false;
    while (!angehalten) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            FAIL() << "the call ended before a run could be caught: " << status;
        }
        if (RunUnderWay(tmp)) {
            kill(pid, SIGSTOP);
            waitpid(pid, &status, WUNTRACED);
            angehalten = RunUnderWay(tmp);
            if (!angehalten) {
                kill(pid, SIGCONT);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    kill(pid, SIGTERM);
    kill(pid, SIGCONT);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);

    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), kSigtermStatus);
    EXPECT_NE(ScratchFolder::Read(folder.path() / "zirf.err").find("stopped by SIGTERM"),
              std::string::npos);
    EXPECT_EQ(Entries(tmp), std::vector<std::string>());
    int vollstaendig = 0;
    for (const std::string& name : Entries(folder.path())) {
        EXPECT_NE(name.front(), '.') << "temporary output left: " << name;
    }
    for (const std::string& input : inputs) {
        const std::string stamm = input.substr(0, input.size() - 4);
        const bool ergebnis = fs::exists(stamm + ".result.xml");
        EXPECT_EQ(fs::exists(stamm + ".rtf"), ergebnis) << stamm;
        vollstaendig += ergebnis ? 1 : 0;
    }
    EXPECT_LT(vollstaendig, kInputs);
}

TEST(ZirfAbbruch, AStartingRunSweepsWhatDeadRunsLeftOnly) {
    const ScratchFolder folder("abbruch_rest");
    const fs::path tmp = folder.path() / "tmp";
    const fs::path fremd = folder.path() / "fremd";
    fs::create_directories(tmp);
    fs::create_directories(fremd);
    ScratchFolder::Write(fremd / "brief.txt", "Brief");
    const std::string tot = std::to_string(DeadProcess());
    const std::string lebt = std::to_string(getpid());

    const auto ordner = [](const fs::path& f) {
        fs::create_directories(f / "innen");
        ScratchFolder::Write(f / "System.emf");
        ScratchFolder::Write(f / "innen" / "bild.emf");
        return f;
    };
    const fs::path verwaist = ordner(tmp / ("zirf-run-" + tot + "-abc123"));
    const fs::path verwaistVersteckt = ordner(folder.path() / (".zirf-run-" + tot + "-abc123"));
    const fs::path laufend = ordner(tmp / ("zirf-run-" + lebt + "-abc123"));
    const fs::path gehalten = ordner(tmp / ("zirf-run-" + tot + "-def456"));
    const fs::path andererName = ordner(tmp / "zirf-run-abc123");
    const fs::path keinOrdner = tmp / ("zirf-run-" + tot + "-ghi789");
    ScratchFolder::Write(keinOrdner, "Datei");
    const fs::path verweis = tmp / ("zirf-run-" + tot + "-jkl012");
    fs::create_directory_symlink(fremd, verweis);
    // A run whose process id this process cannot see (another process namespace on the
    // same temporary folder) holds its folder locked.
    const int sperre = open(gehalten.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(sperre, 0);
    ASSERT_EQ(flock(sperre, LOCK_EX | LOCK_NB), 0);

    // Hidden files of outputs not in place, in the output folder: a whole report of a run
    // killed before it was named goes; those of runs still going, or held, stay, as does
    // anything only named alike.
    const auto ausgabe = [&folder](const std::string& name, const std::string& id) {
        const fs::path datei = folder.path() / ("." + name + "." + id + "-0123456789abcdef.tmp");
        ScratchFolder::Write(datei, "{\\rtf1 ganzer Bericht}");
        return datei;
    };
    const fs::path verwaisteAusgabe = ausgabe("wand.rtf", tot);
    const fs::path verwaistesErgebnis = ausgabe("alt.result.xml", tot);
    ScratchFolder::Write(folder.path() / ".wand.rtf.tmp");
    const std::vector<fs::path> bleibendeAusgaben = {
        ausgabe("wand.rtf", lebt), ausgabe("fest.rtf", tot), folder.path() / ".wand.rtf.tmp"};
    const int ausgabeSperre = open(bleibendeAusgaben[1].c_str(), O_RDONLY);
    ASSERT_EQ(flock(ausgabeSperre, LOCK_EX | LOCK_NB), 0);
    const fs::path ausgabeOrdner =
        ordner(folder.path() / (".bild.rtf." + tot + "-0123456789abcdef.tmp"));
    const fs::path ausgabeVerweis = folder.path() / (".liste.rtf." + tot + "-0123456789abcdef.tmp");
    fs::create_symlink(fremd / "brief.txt", ausgabeVerweis);

    ScratchFolder::Write(folder.path() / "wand.xml", ExampleText("kragwand.xml"));
    const pid_t pid =
        StartLeise({(folder.path() / "wand.xml").string()}, tmp, folder.path() / "zirf.err");
    ASSERT_GT(pid, 0);
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    close(sperre);
    close(ausgabeSperre);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << ScratchFolder::Read(folder.path() / "zirf.err");

    EXPECT_FALSE(fs::exists(verwaist));
    EXPECT_FALSE(fs::exists(verwaistVersteckt));
    EXPECT_FALSE(fs::exists(verwaisteAusgabe));
    EXPECT_FALSE(fs::exists(verwaistesErgebnis));
    for (const fs::path& bleibt : bleibendeAusgaben) {
        EXPECT_TRUE(fs::exists(bleibt)) << bleibt;
    }
    EXPECT_TRUE(fs::exists(ausgabeOrdner / "innen" / "bild.emf"));
    EXPECT_TRUE(fs::is_symlink(ausgabeVerweis));
    for (const fs::path& bleibt : {laufend, gehalten, andererName}) {
        EXPECT_TRUE(fs::exists(bleibt / "innen" / "bild.emf")) << bleibt;
    }
    EXPECT_EQ(ScratchFolder::Read(keinOrdner), "Datei");
    EXPECT_TRUE(fs::is_symlink(verweis));
    EXPECT_EQ(ScratchFolder::Read(fremd / "brief.txt"), "Brief");
    // The run's own folder went with it.
    EXPECT_EQ(Entries(tmp).size(), 5U);
}

// What the handler takes away, in a child that stops itself; the exit status of the
// child.
struct Lage {
    fs::path laufOrdner;
    std::vector<fs::path> unfertig; // outputs not in place: a report waiting, a result half written
    fs::path erledigt;              // an output's file that went in place meanwhile
};

int StoppeKind(const Lage& lage) {
    const pid_t child = fork();
    if (child == 0) {
        // The handler's line is no concern of the test's output.
        dup2(open("/dev/null", O_WRONLY), STDERR_FILENO);
        QEL_InstallAbortHandlers();
        QEL_SetAbortPath(QEL_AbortPath::RunFolder, lage.laufOrdner.string());
        for (const fs::path& datei : lage.unfertig) {
            QEL_SetAbortPath(QEL_AbortPath::TemporaryOutput, datei.string());
        }
        QEL_SetAbortPath(QEL_AbortPath::TemporaryOutput, lage.erledigt.string());
        QEL_ClearAbortPath(QEL_AbortPath::TemporaryOutput, lage.erledigt.string());
        {
            // A signal while the step must complete waits for its end.
            const QEL_AbortDeferred deferred;
            raise(SIGTERM);
            ScratchFolder::Write(lage.laufOrdner.parent_path() / "schritt.txt", "fertig");
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ZirfAbbruch, TheHandlerTakesTheRunsFolderAndUnfinishedOutputsAndKeepsOldOnes) {
    const ScratchFolder folder("abbruch_kind");
    const Lage lage{folder.path() / "zirf-run-1-abc123",
                    {folder.path() / ".wand.rtf.1-0123456789abcdef.tmp",
                     folder.path() / ".wand.result.xml.1-0123456789abcdef.tmp"},
                    folder.path() / ".wand.rtf.1-fedcba9876543210.tmp"};
    fs::create_directories(lage.laufOrdner / "a" / "b");
    for (int i = 0; i < 300; ++i) {
        ScratchFolder::Write(lage.laufOrdner / ("bild" + std::to_string(i) + ".emf"));
    }
    ScratchFolder::Write(lage.laufOrdner / "a" / "b" / "tief.emf");
    for (const fs::path& datei : lage.unfertig) {
        ScratchFolder::Write(datei, "halb");
    }
    ScratchFolder::Write(lage.erledigt, "ganz");
    ScratchFolder::Write(folder.path() / "wand.rtf", "alter Bericht");

    EXPECT_EQ(StoppeKind(lage), kSigtermStatus);
    EXPECT_EQ(ScratchFolder::Read(folder.path() / "schritt.txt"), "fertig");
    EXPECT_FALSE(fs::exists(lage.laufOrdner));
    for (const fs::path& datei : lage.unfertig) {
        EXPECT_FALSE(fs::exists(datei)) << datei;
    }
    EXPECT_EQ(ScratchFolder::Read(lage.erledigt), "ganz");
    EXPECT_EQ(ScratchFolder::Read(folder.path() / "wand.rtf"), "alter Bericht");
}

} // namespace
