#pragma once

// One run of the host program zirf on a document, as a user starts it: the document is
// written into a scratch folder, zirf runs there, and what it leaves behind is kept.

#include "../support/ScratchFolder.h"
#include "ErgebnisXml.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

struct ZirfLauf {
    int status = -1;          // exit status of zirf
    std::string meldungen;    // what it wrote to stderr (messages shown to the user)
    std::string ergebnis;     // the saved document NAME.result.xml ("" when missing)
    std::string bericht;      // the report NAME.rtf ("" when missing)
    bool hatErgebnis = false; // NAME.result.xml was written
};

// Runs zirf quietly (no progress lines) on the document text; the files of the run are
// read before the scratch folder goes. A run that hangs is ended when it has spent two
// minutes of processor time (status -1).
inline ZirfLauf RunZirf(const std::string& dokument, const std::string& name = "wand") {
    const ScratchFolder folder("e2e");
    ScratchFolder::Write(name + ".xml", dokument);
    const std::string command =
        "ulimit -c 0; ulimit -t 120; exec env QELUSER= " + std::string(ZIRF_BINARY_DIR) +
        "/zirf -q " + name + ".xml 2>zirf.err >/dev/null </dev/null";
    const int raw = std::system(command.c_str());
    ZirfLauf lauf;
    lauf.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    lauf.meldungen = ScratchFolder::Read("zirf.err");
    lauf.hatErgebnis = std::filesystem::exists(name + ".result.xml");
    lauf.ergebnis = ScratchFolder::Read(name + ".result.xml");
    lauf.bericht = ScratchFolder::Read(name + ".rtf");
    return lauf;
}
