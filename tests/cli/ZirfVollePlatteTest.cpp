// An output folder on a full file system: the call names the system's reason, ends with
// the status of an output that cannot be written (2), and leaves the earlier pair of
// report and result as it was (or none). The small file system is a tmpfs that the test
// mounts; where it cannot (no superuser), the test is skipped with a message.
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"
#include "ZirfDokumente.h"
#include "ZirfProzess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t kSeite = 4096;
constexpr const char* kKeinPlatz = "kein Platz auf dem Ger\xC3\xA4t";

// A tmpfs of the given size on the folder for the object's lifetime.
class KleinesDateisystem {
public:
    KleinesDateisystem(const fs::path& folder, std::uintmax_t bytes) : m_folder(folder) {
        fs::create_directories(folder);
        const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
        m_mounted =
            mount("zirf_test", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
        m_reason = m_mounted ? std::string() : std::strerror(errno);
    }
    ~KleinesDateisystem() {
        if (m_mounted) {
            umount2(m_folder.c_str(), MNT_DETACH);
        }
    }
    KleinesDateisystem(const KleinesDateisystem&) = delete;
    KleinesDateisystem& operator=(const KleinesDateisystem&) = delete;

    bool Mounted() const { return m_mounted; }
    const std::string& Reason() const { return m_reason; }

    // Takes the file that fills it away.
    void Empty() { fs::remove(m_folder / "fuellung"); }

    // Fills the file system with a file of its own until `free` bytes are left.
    bool LeaveFree(std::uintmax_t free) {
        const fs::path fill = m_folder / "fuellung";
        Empty();
        struct statvfs info {};
        if (statvfs(m_folder.c_str(), &info) != 0) {
            return false;
        }
        const std::uintmax_t available = static_cast<std::uintmax_t>(info.f_bavail) * info.f_frsize;
        if (available < free) {
            return false;
        }
        const int fd = open(fill.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool filled =
            fd >= 0 && posix_fallocate(fd, 0, static_cast<off_t>(available - free)) == 0;
        close(fd);
        return filled;
    }

private:
    fs::path m_folder;
    bool m_mounted = false;
    std::string m_reason;
};

std::uintmax_t Seiten(std::uintmax_t bytes) {
    return (bytes + kSeite - 1) / kSeite * kSeite;
}

TEST(ZirfVollePlatte, AnOutputThatFindsNoRoomIsToldWithItsReasonAndStatus2) {
    const ScratchFolder folder("volle_platte");
    const fs::path tmp = folder.path() / "tmp";
    fs::create_directories(tmp);
    const fs::path input = folder.path() / "wand.xml";
    ScratchFolder::Write(input, DocumentWithFragments("neu"));
    const std::vector<std::string> env = {"TMPDIR=" + tmp.string()};
    const fs::path err = folder.path() / "zirf.err";

    // The sizes of the outputs, from a run into a folder with room.
    const fs::path raum = folder.path() / "raum";
    fs::create_directories(raum);
    ASSERT_EQ(WaitZirf(StartZirf({"-q", "-o", raum.string(), input.string()}, env, err)).status, 0)
        << ScratchFolder::Read(err);
    const std::uintmax_t bericht = Seiten(fs::file_size(raum / "wand.rtf"));
    const std::uintmax_t ergebnis = Seiten(fs::file_size(raum / "wand.result.xml"));

    const fs::path voll = folder.path() / "voll";
    KleinesDateisystem platte(voll, bericht + ergebnis + 64 * kSeite);
    if (!platte.Mounted()) {
        GTEST_SKIP() << "no small file system (tmpfs) can be mounted here (" << platte.Reason()
                     << "); a full output folder is not tried";
    }
    const struct {
        const char* was;
        std::uintmax_t frei;
        std::string says;
    } cases[] = {
        {"no room for the report", kSeite,
         "Die RTF-Ausgabedatei " + (voll / "wand.rtf").string() +
             " konnte nicht geschrieben werden: " + kKeinPlatz + "."},
        {"room for the report, not for the result", bericht + ergebnis - kSeite,
         "XML-Datei '" + (voll / "wand.result.xml").string() +
             "' kann nicht geschrieben werden: " + kKeinPlatz},
    };
    for (const auto& c : cases) {
        for (const bool frueher : {true, false}) {
            SCOPED_TRACE(std::string(c.was) + (frueher ? ", an earlier pair" : ", no pair"));
            platte.Empty();
            fs::remove(voll / "wand.rtf");
            fs::remove(voll / "wand.result.xml");
            if (frueher) {
                ScratchFolder::Write(voll / "wand.rtf", "alter Bericht");
                ScratchFolder::Write(voll / "wand.result.xml", "altes Ergebnis");
            }
            ASSERT_TRUE(platte.LeaveFree(c.frei));
            const ZirfEnde ende =
                WaitZirf(StartZirf({"-q", "-o", voll.string(), input.string()}, env, err));
            const std::string text = ScratchFolder::Read(err);
            EXPECT_EQ(ende.status, 2) << text;
            EXPECT_NE(text.find(c.says), std::string::npos) << text;
            EXPECT_EQ(fs::exists(voll / "wand.rtf"), frueher);
            EXPECT_EQ(fs::exists(voll / "wand.result.xml"), frueher);
            if (frueher) {
                EXPECT_EQ(ScratchFolder::Read(voll / "wand.rtf"), "alter Bericht");
                EXPECT_EQ(ScratchFolder::Read(voll / "wand.result.xml"), "altes Ergebnis");
            }
            EXPECT_EQ(HiddenNames(voll), std::vector<std::string>());
            EXPECT_TRUE(fs::is_empty(tmp));
        }
    }
}

} // namespace
