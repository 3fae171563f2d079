#pragma once

// A run's output objects over a small host document, with an open report in a fresh
// folder: a test fills the input and the calculation object by hand, calls a chapter
// writer and reads back the report's visible text, line by line.

#include "host/C1QEL.h"
#include "model/C1ZirfCalc.h"
#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"
#include "platform/QELRTFXReport.h"
#include "report/C1RTFX.h"
#include "report/C1ZirfReport.h"

#include "../platform/RtfStructureCheck.h"
#include "../support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

// Every reader of the input in the order of a run.
inline void LeseEingabe(C1ZirfInput& in) {
    in.ReadAll();
}

class ReportFixture {
public:
    // inputChildren: elements placed under `input` (annotations); rootChildren: elements
    // placed under the root beside it (rtfFiles).
    explicit ReportFixture(const std::string& inputChildren = "",
                           const std::string& rootChildren = "")
        : folder("report_chapter") {
        std::string error;
        doc = QEDOM_ParseDocument("<zirf progname=\"ZIRF\"><input>" + inputChildren + "</input>" +
                                      rootChildren + "</zirf>",
                                  "doc.xml", error);
        EXPECT_NE(doc, 0) << error;
        qel.hDoc = doc;
        qel.Filedpf = (folder.path() / "Pos").string();
        in.hRoot = QEDOM_GetRootElement(doc);
        EXPECT_EQ(QELRTFX_Open("Pos.rtf", 0, 1, 1, ""), 1);
    }
    ~ReportFixture() {
        if (QELRTFX_OpenDocument() != nullptr) {
            QELRTFX_Close(0);
        }
        QEDOM_FreeDocument(doc);
    }
    ReportFixture(const ReportFixture&) = delete;
    ReportFixture& operator=(const ReportFixture&) = delete;

    // Closes the report and returns its visible text; the structure must be sound.
    std::string Text() {
        const std::string rtfText = QELRTFX_OpenDocument()->Rtf();
        QELRTFX_Close(0);
        EXPECT_EQ(rtfcheck::StructureFault(rtfText), "");
        return rtfcheck::BodyText(rtfText);
    }

    // The visible lines of the report (paragraphs and table rows).
    std::vector<std::string> Zeilen() {
        std::vector<std::string> lines;
        std::istringstream stream(Text());
        for (std::string line; std::getline(stream, line);) {
            lines.push_back(line);
        }
        return lines;
    }

    // A layer of the calculation table from its top and bottom depth.
    C1Schicht& Schicht(int i, double yo, double yu) {
        C1Schicht& s = calc->Schicht[i];
        s.yo = yo;
        s.yu = yu;
        s.dicke = yu - yo;
        return s;
    }

    ScratchFolder folder;
    QEDOM_HANDLE doc = 0;
    C1QEL qel;
    C1ZirfInput in{&qel};
    std::unique_ptr<C1ZirfCalc> calc = std::make_unique<C1ZirfCalc>(&in, nullptr);
    C1RTFX rtf{&qel};
    C1ZirfReport report{&qel, &rtf, calc.get(), &in};
};

// The line that begins with the text; "" when there is none.
inline std::string ZeileMit(const std::vector<std::string>& lines, const std::string& anfang) {
    for (const std::string& line : lines) {
        if (line.rfind(anfang, 0) == 0) {
            return line;
        }
    }
    return {};
}

// How many lines begin with the text.
inline int AnzahlZeilenMit(const std::vector<std::string>& lines, const std::string& anfang) {
    int n = 0;
    for (const std::string& line : lines) {
        n += line.rfind(anfang, 0) == 0 ? 1 : 0;
    }
    return n;
}

// Whether the report shows a number that is none: "inf", "-inf", "nan" as a word of its
// own, as the number formatting of C and C++ writes them.
inline bool ZeigtNichtZahl(const std::string& text) {
    static const std::regex kNichtZahl("(^|[^A-Za-z])-?(inf|nan)([^A-Za-z]|$)", std::regex::icase);
    return std::regex_search(text, kNichtZahl);
}
