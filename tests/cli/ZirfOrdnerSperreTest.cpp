// The lock on an output folder under every fault: a folder reached by two spellings is
// one folder (no call waits for itself, no two calls for each other), a folder that
// cannot be read is refused or locked, never left open; a call killed between the
// names of its report and its result leaves a record that the next call in the folder
// completes; a call that waits says for whom; the hidden outputs left in a report's
// folder of its own go.
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"
#include "ZirfDokumente.h"
#include "ZirfPaar.h"
#include "ZirfProzess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A folder of the test with an input marked "neu" and a temporary folder.
class ZirfOrdnerSperre : public ::testing::Test {
protected:
    fs::path Input(const std::string& name, const std::string& marker = "neu") {
        const fs::path input = m_folder.path() / "ein" / (name + ".xml");
        fs::create_directories(input.parent_path());
        ScratchFolder::Write(input, DocumentWithFragments(marker));
        return input;
    }
    // Settings that name the report.
    fs::path Settings(const std::string& reportPrefix) {
        const fs::path settings = m_folder.path() / ("s" + std::to_string(++m_settings) + ".txt");
        ScratchFolder::Write(settings, "File/dpf=" + reportPrefix + "\n");
        return settings;
    }
    pid_t Start(const std::vector<std::string>& args, const std::string& err = "zirf.err",
                const std::vector<std::string>& env = {}) {
        std::vector<std::string> environment = {"TMPDIR=" + m_tmp.string()};
        environment.insert(environment.end(), env.begin(), env.end());
        return StartZirf(args, environment, m_folder.path() / err);
    }
    std::string Err(const std::string& err = "zirf.err") const {
        return ScratchFolder::Read(m_folder.path() / err);
    }

    ScratchFolder m_folder{"ordner_sperre"};
    fs::path m_tmp = m_folder.path() / "tmp";
    bool m_made = fs::create_directories(m_tmp);
    int m_settings = 0;
};

// The report's prefix and the output folder name one folder in two spellings.
TEST_F(ZirfOrdnerSperre, AFolderReachedByTwoSpellingsIsLockedOnce) {
    const fs::path real = m_folder.path() / "real";
    const fs::path out = real / "aus";
    fs::create_directories(out);
    fs::create_directory_symlink(real, m_folder.path() / "proj");
    fs::create_directory_symlink(out, m_folder.path() / "link");
    fs::create_directory_symlink(".", out / "same");
    const fs::path input = Input("w");
    const struct {
        const char* name;
        fs::path outputFolder;
        std::string reportPrefix;
    } cases[] = {
        {"report through a link to the folder above", out,
         (m_folder.path() / "proj" / "aus" / "w").string()},
        {"output folder a link, report by the real path", m_folder.path() / "link",
         (out / "w").string()},
        {"report in a link to the folder itself", out, "same/w"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder::Write(out / "w.rtf", kAlterBericht);
        ScratchFolder::Write(out / "w.result.xml", kAltesErgebnis);
        const pid_t pid = Start({"-q", "-o", c.outputFolder.string(), "--settings",
                                 Settings(c.reportPrefix).string(), input.string()});
        ASSERT_GT(pid, 0);
        const Ausgang ausgang = WaitUnlessStuck({pid}).front();
        EXPECT_FALSE(ausgang.stuck) << "the call waited for itself";
        EXPECT_EQ(ausgang.status, 0) << Err();
        const Paar paar = PaarIn(out, "w", {"neu"});
        EXPECT_EQ(paar.bericht, "neu");
        EXPECT_EQ(paar.ergebnis, "neu");
        EXPECT_EQ(HiddenNames(out), std::vector<std::string>());
    }
}

// Two calls whose folders sort in opposite orders by their paths (each writes its report
// into the other's output folder through a link), caught in the order that would make
// them wait for each other: the first holds its output folder and waits for the other's,
// which the second takes first.
TEST_F(ZirfOrdnerSperre, TwoCallsCrossedThroughLinksBothFinish) {
    const fs::path a = m_folder.path() / "a";
    const fs::path b = m_folder.path() / "b";
    fs::create_directories(a);
    fs::create_directories(b);
    fs::create_directory_symlink(a, m_folder.path() / "la");
    fs::create_directory_symlink(b, m_folder.path() / "lb");
    const fs::path inputA = Input("wa", "erster");
    const fs::path inputB = Input("wb", "zweiter");
    const std::vector<std::string> argsA = {
        "-q",
        "-o",
        a.string(),
        "--settings",
        Settings((m_folder.path() / "lb" / "wa").string()).string(),
        inputA.string()};
    const std::vector<std::string> argsB = {
        "-q",
        "-o",
        b.string(),
        "--settings",
        Settings((m_folder.path() / "la" / "wb").string()).string(),
        inputB.string()};

    // The test holds b: the first call waits for it, and so does the second.
    const int lockB = open(b.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(lockB, 0);
    ASSERT_EQ(flock(lockB, LOCK_EX), 0);
    const pid_t first = Start(argsA, "a.err");
    ASSERT_GT(first, 0);
    UntilItWaitsOrEnds(first);
    const pid_t second = Start(argsB, "b.err");
    ASSERT_GT(second, 0);
    UntilItWaitsOrEnds(second);
    // The first stops waiting while it is held: b goes to the second, which goes on
    // until it waits for what the first holds, or ends.
    kill(first, SIGSTOP);
    int raw = 0;
    ASSERT_EQ(waitpid(first, &raw, WUNTRACED), first);
    ASSERT_TRUE(WIFSTOPPED(raw));
    close(lockB);
    while (StillRuns(second) && !WaitsFor(second, first)) {
    }
    kill(first, SIGCONT);

    const std::vector<Ausgang> ausgang = WaitUnlessStuck({first, second});
    EXPECT_FALSE(ausgang[0].stuck || ausgang[1].stuck) << "the calls waited for each other";
    EXPECT_EQ(ausgang[0].status, 0) << Err("a.err");
    EXPECT_EQ(ausgang[1].status, 0) << Err("b.err");
    const Paar paarA = PaarIn(a, "wa", {"erster"});
    EXPECT_EQ(paarA.ergebnis, "erster");
    EXPECT_EQ(PaarIn(b, "wa", {"erster"}).bericht, "erster");
    EXPECT_EQ(PaarIn(b, "wb", {"zweiter"}).ergebnis, "zweiter");
    EXPECT_EQ(PaarIn(a, "wb", {"zweiter"}).bericht, "zweiter");
}

// A folder the user can write but not read (0333): the call refuses it naming the
// folder, or (a user whom the system lets read every folder) locks it; never writes
// its pair unlocked.
TEST_F(ZirfOrdnerSperre, AFolderThatCannotBeReadIsRefusedOrLocked) {
    const fs::path out = m_folder.path() / "aus";
    fs::create_directories(out);
    const fs::path input = Input("w");
    fs::permissions(out, fs::perms(0333));
    const bool readsEverything = open(out.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) >= 0;
    const pid_t pid = Start({"-q", "-o", out.string(), input.string()});
    ASSERT_GT(pid, 0);
    const ZirfEnde ende = WaitZirf(pid);
    fs::permissions(out, fs::perms(0755));
    if (readsEverything) {
        EXPECT_EQ(ende.status, 0) << Err();
        const Paar paar = PaarIn(out, "w", {"neu"});
        EXPECT_EQ(paar.bericht, "neu");
        EXPECT_EQ(paar.ergebnis, "neu");
    } else {
        EXPECT_EQ(ende.status, 2);
        EXPECT_TRUE(Contains(Err(), "the folder " + out.string() + " cannot be read")) << Err();
        EXPECT_TRUE(fs::is_empty(out));
    }
}

// The same as another user, where the test may act as one (as root): such a user cannot
// read the folder.
TEST_F(ZirfOrdnerSperre, AFolderThatAnotherUserCannotReadIsRefusedNamingIt) {
    constexpr uid_t kNiemand = 65534;
    if (geteuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "needs root and setpriv to run as another user";
    }
    const fs::path out = m_folder.path() / "aus";
    fs::create_directories(out);
    const fs::path input = Input("w");
    ASSERT_EQ(chown(out.c_str(), kNiemand, kNiemand), 0);
    ASSERT_EQ(chown(m_tmp.c_str(), kNiemand, kNiemand), 0);
    fs::permissions(out, fs::perms(0333));
    const std::string niemand = std::to_string(kNiemand);
    const ZirfCall call =
        RunZirf("-q -o " + out.string() + " " + input.string(),
                "QELUSER= TMPDIR=" + m_tmp.string() + " /usr/bin/setpriv --reuid=" + niemand +
                    " --regid=" + niemand + " --clear-groups");
    fs::permissions(out, fs::perms(0755));
    EXPECT_EQ(call.status, 2) << call.err;
    EXPECT_TRUE(Contains(call.err, "the folder " + out.string() + " cannot be read")) << call.err;
    EXPECT_TRUE(fs::is_empty(out));
}

// A call killed outright (SIGKILL) between the names of its report and its result, at a
// stop point of the test build: the next call in the report's or the result's folder
// completes the pair before anything else.
TEST_F(ZirfOrdnerSperre, AKillBetweenTheTwoNamesIsCompletedByTheNextCall) {
    const fs::path out = m_folder.path() / "aus";
    const fs::path elsewhere = m_folder.path() / "berichte";
    fs::create_directories(out);
    fs::create_directories(elsewhere);
    const fs::path input = Input("wand");
    const fs::path next = Input("naechste", "naechste");
    const struct {
        const char* name;
        fs::path reportFolder;
        fs::path nextCallsFolder;
    } cases[] = {
        {"one folder", out, out},
        {"report elsewhere, next call in the result's folder", elsewhere, out},
        {"report elsewhere, next call in the report's folder", elsewhere, elsewhere},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchFolder::Write(c.reportFolder / "wand.rtf", kAlterBericht);
        ScratchFolder::Write(out / "wand.result.xml", kAltesErgebnis);
        const pid_t pid =
            Start({"-q", "-o", out.string(), "--settings",
                   Settings((c.reportFolder / "wand").string()).string(), input.string()},
                  "zirf.err", {"ZIRF_TEST_KILL_BETWEEN_NAMES=1"});
        ASSERT_GT(pid, 0);
        const ZirfEnde killed = WaitZirf(pid);
        ASSERT_EQ(killed.signal, SIGKILL) << Err();
        // Split as the kill left it: the new report beside the earlier result.
        const Paar split = {PaarIn(c.reportFolder, "wand", {"neu"}).bericht,
                            PaarIn(out, "wand", {"neu"}).ergebnis};
        EXPECT_EQ(split.bericht, "neu");
        EXPECT_EQ(split.ergebnis, "alt");

        const ZirfCall call = RunZirf("-q -o " + c.nextCallsFolder.string() + " " + next.string(),
                                      "QELUSER= TMPDIR=" + m_tmp.string());
        EXPECT_EQ(call.status, 0) << call.err;
        EXPECT_EQ(PaarIn(c.reportFolder, "wand", {"neu"}).bericht, "neu");
        EXPECT_EQ(PaarIn(out, "wand", {"neu"}).ergebnis, "neu");
        EXPECT_EQ(HiddenNames(out), std::vector<std::string>());
        EXPECT_EQ(HiddenNames(elsewhere), std::vector<std::string>());
        fs::remove(c.nextCallsFolder / "naechste.rtf");
        fs::remove(c.nextCallsFolder / "naechste.result.xml");
    }
}

// A record of pending names that no run of ours wrote (steps naming other files than a
// report or result and its hidden file beside it, or a record without its twin in the
// other folder it names) is not followed: the files it names stay, and it goes.
TEST_F(ZirfOrdnerSperre, ARecordNoRunWroteIsNotFollowed) {
    const fs::path out = m_folder.path() / "aus";
    const fs::path fremd = m_folder.path() / "fremd";
    fs::create_directories(out);
    fs::create_directories(fremd);
    ScratchFolder::Write(fremd / "wichtig.txt", "bleibt");
    ScratchFolder::Write(fremd / "wand.rtf", "bleibt");
    ScratchFolder::Write(fremd / "neu.txt", "neu");
    const std::string z(1, '\0');
    const std::string records[] = {
        "R" + z + (fremd / "wichtig.txt").string() + z,
        "P" + z + (fremd / "neu.txt").string() + z + (fremd / "wichtig.txt").string() + z,
        // A report elsewhere, without the record there that the run would have written.
        "R" + z + (fremd / "wand.rtf").string() + z,
    };
    const fs::path next = Input("naechste", "naechste");
    for (const std::string& record : records) {
        ScratchFolder::Write(out / ".zirf-pending", record);
        const ZirfCall call = RunZirf("-q -o " + out.string() + " " + next.string(),
                                      "QELUSER= TMPDIR=" + m_tmp.string());
        EXPECT_EQ(call.status, 0) << call.err;
        EXPECT_EQ(ScratchFolder::Read(fremd / "wichtig.txt"), "bleibt");
        EXPECT_EQ(ScratchFolder::Read(fremd / "wand.rtf"), "bleibt");
        EXPECT_EQ(ScratchFolder::Read(fremd / "neu.txt"), "neu");
        EXPECT_FALSE(fs::exists(out / ".zirf-pending"));
    }
}

// A call that waits for a folder another process holds (here this test) says on stderr
// for whom, unless -q; then it goes on.
TEST_F(ZirfOrdnerSperre, ACallThatWaitsSaysForWhom) {
    const fs::path out = m_folder.path() / "aus";
    fs::create_directories(out);
    const fs::path input = Input("w");
    std::string program;
    std::getline(std::ifstream("/proc/self/comm"), program);
    const std::string line = "zirf: waiting for " + out.string() + ", locked by " + program +
                             " (process " + std::to_string(getpid()) + ")";
    for (const bool quiet : {false, true}) {
        SCOPED_TRACE(quiet ? "-q" : "not quiet");
        const int lock = open(out.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ASSERT_GE(lock, 0);
        ASSERT_EQ(flock(lock, LOCK_EX), 0);
        std::vector<std::string> args = {"-o", out.string(), input.string()};
        if (quiet) {
            args.insert(args.begin(), "-q");
        }
        const pid_t pid = Start(args);
        ASSERT_GT(pid, 0);
        UntilItWaitsOrEnds(pid);
        const bool waited = WaitsForALock(pid);
        const std::string whileWaiting = Err();
        close(lock);
        EXPECT_EQ(WaitZirf(pid).status, 0) << Err();
        EXPECT_TRUE(waited);
        EXPECT_EQ(Contains(whileWaiting, line), !quiet) << whileWaiting;
        EXPECT_EQ(Contains(Err(), "waiting"), !quiet) << Err();
    }
}

// A hidden report that a call killed outright left in the report's folder of its own
// (not the output folder) goes when a later call puts its report there.
TEST_F(ZirfOrdnerSperre, AHiddenReportLeftInTheReportsFolderGoes) {
    const fs::path out = m_folder.path() / "aus";
    const fs::path berichte = m_folder.path() / "berichte";
    fs::create_directories(out);
    fs::create_directories(berichte);
    // The id of a process that no longer exists: a child that has ended.
    const pid_t dead = fork();
    if (dead == 0) {
        _exit(0);
    }
    waitpid(dead, nullptr, 0);
    const std::string left = ".wand.rtf." + std::to_string(dead) + "-0123456789abcdef.tmp";
    ScratchFolder::Write(berichte / left, "{\\rtf1 halb");
    ScratchFolder::Write(berichte / ".fremd.tmp", "bleibt");
    const ZirfCall call =
        RunZirf("-q -o " + out.string() + " --settings " +
                    Settings((berichte / "wand").string()).string() + " " + Input("wand").string(),
                "QELUSER= TMPDIR=" + m_tmp.string());
    EXPECT_EQ(call.status, 0) << call.err;
    EXPECT_EQ(HiddenNames(berichte), std::vector<std::string>{".fremd.tmp"});
    EXPECT_EQ(HiddenNames(out), std::vector<std::string>());
}

} // namespace
