#include "report/ReportFragment.h"

#include "host/RunTempFolder.h"
#include "platform/C1Exception.h"
#include "platform/MessageBox.h"
#include "platform/QELRTFXReport.h"

#include <cstdio>

namespace {

constexpr const char* kElement = "rtfFiles";
// The report library's third argument of an insertion.
constexpr int kInsertMode = 10;

void ReportUnreadable(const char* attribute, const std::string& reason) {
    QEL_MessageBox(std::string("Element '") + kElement + "', Attribut '" + attribute +
                   "': das RTF-Dokument kann nicht gelesen werden (" + reason +
                   ") und fehlt im Bericht.");
}

} // namespace

int InsertRtfFragment(QEDOM_HANDLE hDoc, const char* attribute, const std::string& heading,
                      int headingStyle) {
    const QEDOM_HANDLE rtfFiles = QEDOM_FindFirstChild(QEDOM_GetRootElement(hDoc), kElement);
    const std::string file = RunTempFolder::FileName(std::string(attribute) + ".rtf");
    int inserted = 0;
    try {
        if (QEDOM_GetBinDataLength(rtfFiles, attribute) == 0) {
            std::remove(file.c_str());
            return 0;
        }
        if (QEDOM_LoadFileFromAttr(rtfFiles, attribute, file.c_str()) == 0) {
            ReportUnreadable(attribute, "keine temporäre Datei");
        } else if (QELRTFX_InsertRtf(file.c_str(), heading.c_str(), kInsertMode, headingStyle) ==
                   0) {
            ReportUnreadable(attribute, "kein RTF-Dokument");
        } else {
            inserted = 1;
        }
    } catch (const C1Exception&) {
        ReportUnreadable(attribute, "kein Base64-Block");
    }
    std::remove(file.c_str());
    return inserted;
}
