// The host program and the files of a run: runs that share an output folder, inputs
// named like temporary files, the user's files beside the output, outputs that cannot
// be written, links in place of outputs, documents the reader refuses or that carry
// old results.
#include "../platform/RtfStructureCheck.h"
#include "../support/Examples.h"
#include "../support/ScratchFolder.h"
#include "ZirfCall.h"
#include "ZirfDokumente.h"
#include "ZirfProzess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kDocument = ExampleText("kragwand.xml");

std::vector<std::string> FolderListing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class ZirfFiles : public ::testing::Test {
protected:
    ScratchFolder m_folder{"cli_files"};
};

TEST_F(ZirfFiles, RunsSharingAnOutputFolderKeepTheirReportsWholeAndTheirOwn) {
    constexpr int kRuns = 8;
    fs::create_directories("tmp");
    std::string script;
    for (int i = 0; i < kRuns; ++i) {
        const std::string name = "wand" + std::to_string(i);
        ScratchFolder::Write(name + ".xml", DocumentWithFragments("Nr" + std::to_string(i) + "x"));
        script += "(env QELUSER= TMPDIR=" + (m_folder.path() / "tmp").string() + " " +
                  ZirfProgram() + " -q " + name + ".xml 2>" + name + ".err; echo $? >" + name +
                  ".status) & ";
    }
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(std::system(("sh -c '" + script + "wait'").c_str()), 0);
        for (int i = 0; i < kRuns; ++i) {
            const std::string name = "wand" + std::to_string(i);
            EXPECT_EQ(ScratchFolder::Read(name + ".status"), "0\n")
                << name << ": " << ScratchFolder::Read(name + ".err");
            const std::string report = ScratchFolder::Read(name + ".rtf");
            EXPECT_EQ(rtfcheck::StructureFault(report), "") << name;
            const std::string text = rtfcheck::BodyText(report);
            for (int j = 0; j < kRuns; ++j) {
                const std::string marker = "Nr" + std::to_string(j) + "x";
                const int expected = i == j ? 1 : 0;
                EXPECT_EQ(Contains(text, "Projekt " + marker), i == j) << name << " " << marker;
                EXPECT_EQ(Contains(text, "Einwirkung " + marker), expected == 1)
                    << name << " " << marker;
            }
            EXPECT_TRUE(fs::exists(name + ".result.xml")) << name;
        }
    }
    // No temporary file of any run is left, in the output folder or the temporary one.
    EXPECT_TRUE(fs::is_empty("tmp"));
    for (const std::string& file : FolderListing(m_folder.path())) {
        EXPECT_TRUE(file == "tmp" || file.rfind("wand", 0) == 0) << file;
        EXPECT_FALSE(Contains(file, "temp") || Contains(file, ".tmp")) << file;
    }
}

TEST_F(ZirfFiles, InputNamedLikeATemporaryFileKeepsItsReport) {
    for (const char* name : {"rtffile.temp", "vardef.temp"}) {
        ScratchFolder::Write(std::string(name) + ".xml", DocumentWithFragments(name));
        const ZirfCall r = RunZirf(std::string("-q ") + name + ".xml");
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        const std::string report = ScratchFolder::Read(std::string(name) + ".rtf");
        EXPECT_TRUE(Contains(rtfcheck::BodyText(report), std::string("Einwirkung ") + name))
            << name;
        EXPECT_EQ(rtfcheck::StructureFault(report), "") << name;
    }
}

TEST_F(ZirfFiles, FilesTheRunDidNotWriteStayWithAndWithoutKeepTemp) {
    ScratchFolder::Write("wand.xml", kDocument);
    const std::vector<std::string> userFiles = {
        "wand.txt",           "wand.tmp.txt",        "wand3d.bmp",  "wand2d.emf",
        "Querkraefte.emf",    "Normalkraefte.emf",   "Momente.emf", "Durchbiegung.emf",
        "LKGEN_GammaPsi.txt", "LKGEN_KombRegeln.txt"};
    for (const char* args : {"-q --keep-temp wand.xml", "-q wand.xml"}) {
        for (const std::string& name : userFiles) {
            ScratchFolder::Write(name, "eigen");
        }
        EXPECT_EQ(RunZirf(args).status, 0) << args;
        for (const std::string& name : userFiles) {
            EXPECT_EQ(ScratchFolder::Read(name), "eigen") << args << " " << name;
        }
        EXPECT_TRUE(fs::exists("wand.rtf")) << args;
    }
}

// A folder in which no file can be made, even by the superuser: a read-only folder for
// anyone else, else one of the system's that no one writes into; empty when there is none.
fs::path UnwritableFolder() {
    fs::create_directories("nur_lesen");
    fs::permissions("nur_lesen", fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream("nur_lesen/probe")) {
        fs::remove("nur_lesen/probe");
        fs::permissions("nur_lesen", fs::perms::owner_all);
        return access("/sys", W_OK) != 0 || !std::ofstream("/sys/zirf_probe") ? fs::path("/sys")
                                                                              : fs::path();
    }
    return fs::absolute("nur_lesen");
}

TEST_F(ZirfFiles, OutputsThatCannotBeWrittenAreToldBeforeTheRun) {
    ScratchFolder::Write("wand.xml", kDocument);
    // Cases in the input's folder: the report or the result's name taken.
    fs::create_directories("ordner.rtf");
    ScratchFolder::Write("ordner.xml", kDocument);
    fs::create_directories("ergebnis.result.xml");
    ScratchFolder::Write("ergebnis.xml", kDocument);
    ScratchFolder::Write("fest.xml", kDocument);
    ScratchFolder::Write("fest.rtf", "alter Bericht");
    fs::permissions("fest.rtf", fs::perms::owner_read);
    struct Case {
        std::string args;
        std::string says;
        const char* report; // must not be left behind (or changed)
    };
    std::vector<Case> cases = {
        {"ordner.xml", "ordner.rtf: it is a folder", nullptr},
        {"ergebnis.xml", "ergebnis.result.xml: it is a folder", "ergebnis.rtf"},
        {"fest.xml", "fest.rtf: it is read-only", nullptr},
    };
    const fs::path unwritable = UnwritableFolder();
    if (!unwritable.empty()) {
        cases.push_back({"-o " + unwritable.string() + " wand.xml",
                         "no file can be made in the folder " + unwritable.string(), nullptr});
    }
    for (const Case& c : cases) {
        const ZirfCall r = RunZirf("-q " + c.args);
        EXPECT_EQ(r.status, 2) << c.args << ": " << r.err;
        EXPECT_TRUE(Contains(r.err, "cannot write")) << c.args << ": " << r.err;
        EXPECT_TRUE(Contains(r.err, c.says)) << c.args << ": " << r.err;
        EXPECT_FALSE(Contains(r.err, "bereits")) << r.err;
        if (c.report != nullptr) {
            EXPECT_FALSE(fs::exists(c.report)) << c.args;
        }
        // Told at once: no calculation ran.
        EXPECT_LT(r.cpuSeconds, 5.0) << c.args;
    }
    EXPECT_EQ(ScratchFolder::Read("fest.rtf"), "alter Bericht");
    EXPECT_TRUE(fs::is_directory("ordner.rtf"));
    fs::permissions("nur_lesen", fs::perms::owner_all);
}

TEST_F(ZirfFiles, OutputsReplaceLinksAndNeverWriteThroughThem) {
    ScratchFolder::Write("wand.xml", kDocument);
    // The report, the result, and the developer's dump and trace.
    const std::vector<std::pair<std::string, std::string>> links = {
        {"wand.rtf", "brief.txt"},
        {"wand.result.xml", "liste.txt"},
        {"X.X", "notiz.txt"},
        {"x.y", "tagebuch.txt"},
    };
    for (const auto& [link, file] : links) {
        ScratchFolder::Write(file, "Datei des Nutzers");
        fs::create_symlink(file, link);
    }
    const ZirfCall r = RunZirf("-q wand.xml", "QELUSER=KESTL");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const auto& [link, file] : links) {
        EXPECT_EQ(ScratchFolder::Read(file), "Datei des Nutzers") << link;
        EXPECT_FALSE(fs::is_symlink(link)) << link;
    }
    EXPECT_EQ(rtfcheck::StructureFault(ScratchFolder::Read("wand.rtf")), "");
    EXPECT_TRUE(Contains(ScratchFolder::Read("wand.result.xml"), "<result"));
    EXPECT_TRUE(Contains(ScratchFolder::Read("X.X"), "X.X-Datei"));
    EXPECT_TRUE(Contains(ScratchFolder::Read("x.y"), "Parameter"));
    // The new files are as readable as any other the user makes.
    for (const char* name : {"wand.rtf", "x.y"}) {
        struct stat info {};
        ASSERT_EQ(stat(name, &info), 0);
        EXPECT_NE(info.st_mode & S_IRGRP, 0u) << name;
    }
}

TEST_F(ZirfFiles, DocumentsTheReaderRefusesOrThatCarryOldResults) {
    std::string attributes;
    for (int i = 0; i < 40000; ++i) {
        attributes += " a" + std::to_string(i) + "=\"1\"";
    }
    ScratchFolder::Write("viele.xml", "<zirf>\n<input>\n<allg" + attributes + "/></input></zirf>");
    ZirfCall r = RunZirf("-q viele.xml");
    EXPECT_LT(r.cpuSeconds, 2.0);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_TRUE(Contains(r.err, "Zeile 3: Element 'allg' hat mehr als 256 Attribute")) << r.err;
    EXPECT_FALSE(fs::exists("viele.result.xml"));

    // Old results: every one goes; a failed run writes no result file.
    ScratchFolder::Write("alt.xml", "<zirf><result/><result/><result/></zirf>");
    r = RunZirf("-q alt.xml");
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_TRUE(Contains(r.err, "input-Knoten nicht vorhanden")) << r.err;
    EXPECT_FALSE(fs::exists("alt.result.xml"));
    std::string document = kDocument;
    document.replace(document.find("</zirf>"), 7,
                     "<result alt=\"1\"/><result alt=\"2\"/><result alt=\"3\"/></zirf>");
    ScratchFolder::Write("neu.xml", document);
    r = RunZirf("-q neu.xml");
    EXPECT_EQ(r.status, 0) << r.err;
    const std::string result = ScratchFolder::Read("neu.result.xml");
    EXPECT_FALSE(Contains(result, "alt=")) << result;
    EXPECT_NE(result.find("</result>"), std::string::npos);
    EXPECT_EQ(result.find("</result>"), result.rfind("</result>")) << "one result element";
}

TEST_F(ZirfFiles, DocumentsBeyondTheLimitsAreRefusedAtOnceWithLittleMemory) {
    const std::string anfang = "<zirf>\n";
    const auto wiederholt = [&anfang](const std::string& stueck, std::size_t n) {
        std::string text = anfang;
        text.reserve(anfang.size() + stueck.size() * n + 8);
        for (std::size_t i = 0; i < n; ++i) {
            text += stueck;
        }
        return text + "</zirf>\n";
    };
    std::string viele = "<u";
    for (int i = 0; i < 25; ++i) {
        viele += " a" + std::to_string(i) + "=\"\"";
    }
    viele += "/>\n";
    const struct {
        const char* name;
        std::string text;
        std::string says;
    } cases[] = {
        // 50 MB of empty elements the run does not know.
        {"gross", wiederholt("<unbekannt/>\n", 4200000),
         "ist gr\xC3\xB6\xC3\x9F"
         "er als 8 MiB"},
        {"elemente", wiederholt("<u/>\n", 200000), "hat mehr als 20000 Elemente (Zeile 20001)"},
        {"kommentare", wiederholt("<!---->\n", 30000), "hat mehr als 20000 Elemente"},
        {"attribute", wiederholt(viele, 10000), "hat mehr als 200000 Attribute (Zeile 8002)"},
    };
    fs::create_directories("tmp");
    for (const auto& c : cases) {
        const std::string input = std::string(c.name) + ".xml";
        ScratchFolder::Write(input, c.text);
        const ZirfEnde ende = WaitZirf(
            StartZirf({"-q", input}, {"TMPDIR=" + fs::absolute("tmp").string()}, "zirf.err"));
        const std::string err = ScratchFolder::Read("zirf.err");
        EXPECT_EQ(ende.status, 2) << c.name << ": " << err;
        EXPECT_TRUE(
            Contains(err, "XML-Datei '" + (m_folder.path() / input).string() + "' " + c.says))
            << c.name << ": " << err;
        EXPECT_FALSE(fs::exists(std::string(c.name) + ".result.xml")) << c.name;
        // Refused before the parser builds the document: at once, and with about the
        // memory the file's text takes.
        EXPECT_LT(ende.cpuSeconds, 5.0) << c.name;
        EXPECT_LT(ende.peakKiB, 256L * 1024L) << c.name;
        fs::remove(input);
    }
}

TEST_F(ZirfFiles, FragmentThatCannotBeReadIsLeftOutWithAMessage) {
    std::string document = DocumentWithFragments("lesbar");
    const std::size_t at = document.find("lastueberlagerung_gammaPsi=\"") + 28;
    document.replace(at, document.find('"', at) - at, Base64("kein RTF"));
    ScratchFolder::Write("wand.xml", document);
    const ZirfCall r = RunZirf("-q wand.xml");
    EXPECT_EQ(r.status, 3) << r.err;
    EXPECT_EQ(r.err, "Element 'rtfFiles', Attribut 'lastueberlagerung_gammaPsi': das "
                     "RTF-Dokument kann nicht gelesen werden (kein RTF-Dokument) und fehlt im "
                     "Bericht.\n");
    const std::string text = rtfcheck::BodyText(ScratchFolder::Read("wand.rtf"));
    EXPECT_TRUE(Contains(text, "Projekt lesbar")) << text;
    EXPECT_FALSE(Contains(text, "Definition der Einwirkungen")) << text;
    EXPECT_TRUE(fs::exists("wand.result.xml"));
}

} // namespace
