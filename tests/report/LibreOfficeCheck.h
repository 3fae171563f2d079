#pragma once

// Opens a generated RTF report in LibreOffice Writer (headless, converted to PDF)
// and reads the PDF's text back with pdftotext, as a reader of the report would see
// it. LibreOffice runs with a profile and home folder of its own inside the report's
// folder, each of its processes under a limit of processor time; a wall-clock limit far
// beyond any conversion on a busy machine ends one that waits for ever.

#include "../support/Examples.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace libreoffice {

// Processor time of each process of the conversion: one takes a few seconds.
constexpr int kCpuLimitSeconds = 300;
// Only a conversion that hangs without working reaches this.
constexpr int kHangLimitSeconds = 3600;

// Empty when soffice and pdftotext are there, else why the check cannot run.
inline std::string Unavailable() {
    if (std::system("command -v soffice >/dev/null 2>&1") != 0) {
        return "soffice is not installed (./test installs libreoffice-writer-nogui)";
    }
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        return "pdftotext is not installed (./test installs poppler-utils)";
    }
    return {};
}

// How pdftotext orders the text it reads: in its guess of the reading order, or line by
// line down the page as the page shows it (what stands above comes first, whatever
// text a picture puts beside a heading).
enum class Anordnung { Lesefolge, Seitenbild };

// The texts of the PDFs that LibreOffice makes of the reports, in their order, all from
// one start of soffice (a start costs more than a conversion); the reports lie in one
// folder. Nothing when a conversion fails (log: what soffice said).
inline std::optional<std::vector<std::string>>
PdfTexte(const std::vector<std::filesystem::path>& rtfs, std::string& log,
         Anordnung anordnung = Anordnung::Lesefolge) {
    namespace fs = std::filesystem;
    if (rtfs.empty()) {
        return std::vector<std::string>{};
    }
    const fs::path dir = fs::absolute(rtfs.front()).parent_path();
    const fs::path logFile = dir / "soffice.log";
    fs::create_directories(dir / "lo-home");
    std::string dateien;
    std::string auslesen;
    for (const fs::path& rtf : rtfs) {
        const std::string stem = rtf.stem().string();
        dateien += " '" + fs::absolute(rtf).string() + "'";
        auslesen += " && pdftotext -enc UTF-8 " +
                    std::string(anordnung == Anordnung::Seitenbild ? "-layout '" : "'") +
                    (dir / (stem + ".pdf")).string() + "' '" + (dir / (stem + ".txt")).string() +
                    "' >>'" + logFile.string() + "' 2>&1";
    }
    const std::string command =
        "cd '" + dir.string() + "' && ulimit -c 0 && ulimit -t " +
        std::to_string(kCpuLimitSeconds) + " && HOME='" + (dir / "lo-home").string() +
        "' timeout " + std::to_string(kHangLimitSeconds) +
        " soffice -env:UserInstallation=file://" + (dir / "lo-profile").string() +
        " --headless --norestore --convert-to pdf --outdir '" + dir.string() + "'" + dateien +
        " >'" + logFile.string() + "' 2>&1" + auslesen;
    const int status = std::system(command.c_str());
    std::ifstream logIn(logFile);
    log.assign(std::istreambuf_iterator<char>(logIn), std::istreambuf_iterator<char>());
    if (status != 0) {
        return std::nullopt;
    }
    std::vector<std::string> texte;
    for (const fs::path& rtf : rtfs) {
        std::ifstream in(dir / (rtf.stem().string() + ".txt"));
        if (!in) {
            return std::nullopt;
        }
        texte.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return texte;
}

// The text of the PDF that LibreOffice makes of the report; nothing when the
// conversion fails (log: what soffice said).
inline std::optional<std::string> PdfText(const std::filesystem::path& rtf, std::string& log,
                                          Anordnung anordnung = Anordnung::Lesefolge) {
    auto texte = PdfTexte({rtf}, log, anordnung);
    if (!texte) {
        return std::nullopt;
    }
    return std::move(texte->front());
}

// Runs the host program on an example (its name in examples/ without ".xml") copied to
// "wand.xml" in the current folder, with the temporary folder there too, and returns the
// text of the PDF that LibreOffice makes of its report "wand.rtf" (left beside it as
// "wand.pdf"); nothing when the run or the conversion fails (log: why).
inline std::optional<std::string> BeispielPdfText(const std::string& beispiel, std::string& log,
                                                  Anordnung anordnung) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::current_path();
    std::ofstream(dir / "wand.xml") << ExampleText(beispiel + ".xml");
    const std::string command = "env QELUSER= TMPDIR='" + dir.string() + "' " +
                                std::string(ZIRF_BINARY_DIR) + "/zirf -q wand.xml >zirf.out 2>&1";
    if (std::system(command.c_str()) != 0) {
        std::ifstream in(dir / "zirf.out");
        log.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        return std::nullopt;
    }
    return PdfText(dir / "wand.rtf", log, anordnung);
}

} // namespace libreoffice
