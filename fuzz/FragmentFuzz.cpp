// The merge of a host's RTF fragment into the report: whatever the fragment holds, the
// report stays well-formed RTF (balanced groups, complete escapes, every row ended,
// the last paragraph ended) and holds no NUL byte.

#include "platform/QELRTFXDocument.h"

#include "../tests/platform/RtfStructureCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Finding(const std::string& what, const std::string& rtf) {
    std::fprintf(stderr, "%s\n--- report ---\n%s\n", what.c_str(), rtf.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view fragment(reinterpret_cast<const char*>(data), size);
    QELRTFXDocument doc("fuzz.rtf", 1, {});
    doc.Paragraph(0, "Anfang");
    const bool inserted = doc.InsertRtf(fragment, "Definition der Einwirkungen", 3);
    // A second fragment after the first: what the first left open must not reach it.
    doc.InsertRtf(fragment, "", 0);
    doc.Paragraph(0, "Ende");
    const std::string rtf = doc.Rtf();
    const std::string fault = rtfcheck::StructureFault(rtf);
    if (!fault.empty()) {
        Finding(fault, rtf);
    }
    if (rtf.find('\0') != std::string::npos) {
        Finding("a NUL byte in the report", rtf);
    }
    // The report's own paragraph after the fragment is neither swallowed nor run on in
    // the fragment's last paragraph.
    if (inserted && rtfcheck::BodyText(rtf).find("\nEnde\n") == std::string::npos) {
        Finding("the report's own paragraph after the fragment was swallowed or joined", rtf);
    }
    return 0;
}
