// A text input file through the line reader and the chapter search of a context
// outside the host. The lines read must be the file's lines (CRLF read as LF, comments
// left out, never a line split), and every chapter heading must be found again.

#include "FuzzScratch.h"
#include "host/C1QEL.h"
#include "host/TextZeile.h"
#include "model/C1ZirfInput.h"
#include "platform/C1Exception.h"
#include "platform/QELRTFXHost.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The file the inputs are written to, in the process's scratch folder.
std::string WriteInput(const std::string& bytes) {
    const fs::path file = FuzzScratchFolder() / "eingabe.qe1";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    return file.string();
}

struct Line {
    int art;
    std::string text;
};

// What the reader must give: the file cut at every line feed, a CR before it dropped.
std::vector<Line> ExpectedLines(const std::string& bytes) {
    std::vector<Line> lines;
    std::size_t begin = 0;
    while (begin < bytes.size()) {
        const std::size_t end = bytes.find('\n', begin);
        std::string text =
            bytes.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        const bool comment = !text.empty() && (text[0] == '*' || text[0] == ';');
        const bool keyword = text.size() >= 2 && text[0] >= 'A' && text[0] <= 'Z' &&
                             text[1] >= 'A' && text[1] <= 'Z';
        if (end != std::string::npos) {
            text += '\n';
        }
        if (!comment) {
            lines.push_back({keyword ? C1QEL::kZeileSchluessel : C1QEL::kZeileDaten, text});
        }
        begin = end == std::string::npos ? bytes.size() : end + 1;
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    QELRTFX_HostSetup host;
    host.settings = {{"File/fe", WriteInput(bytes)}};
    QELRTFX_RegisterHost(std::move(host));

    C1QEL qel(nullptr);
    qel.OpenIn("");
    const std::vector<Line> expected = ExpectedLines(bytes);
    std::string line;
    for (const Line& want : expected) {
        Require(qel.ReadIn(line) == want.art);
        Require(line == want.text);
    }
    Require(qel.ReadIn(line) == C1QEL::kZeileEnde);
    Require(line.empty());

    // Every heading is found by its first word, and the chapter's first line follows;
    // reading on ends at the end of the file.
    C1ZirfInput input(&qel);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (expected[i].art != C1QEL::kZeileSchluessel) {
            continue;
        }
        const std::string keyword(TextZeileErstesWort(expected[i].text));
        std::size_t first = 0;
        while (first < expected.size() && !(expected[first].art == C1QEL::kZeileSchluessel &&
                                            TextZeileErstesWort(expected[first].text) == keyword)) {
            ++first;
        }
        Require(first <= i);
        Require(input.FindTextKeyword(keyword) == 1);
        Require(input.zeile ==
                (first + 1 < expected.size() ? expected[first + 1].text : std::string()));
        std::size_t left = first + 2 < expected.size() ? expected.size() - first - 2 : 0;
        while (input.ReadTextInput() != C1ZirfInput::kTextEnde) {
            Require(left > 0);
            --left;
        }
        Require(left == 0);
    }
    try {
        qel.InputFileError("KAPITEL", line);
    } catch (const C1Exception& e) {
        Require(e.code == 1);
    }
    return 0;
}
