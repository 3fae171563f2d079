#pragma once

#include "platform/QELRTFXTables.h"

#include <optional>
#include <string>
#include <string_view>

// An RTF document inserted into the report (the host's definitions, the actions of
// a project). Its header (font, colour and style tables, document information and
// page settings) is dropped; its fonts and colours are added to the report's tables
// and every reference in its body is renumbered to them. References to its own
// paragraph and character styles are removed, since the numbers would name the
// report's styles.
class QELRTFXFragment {
public:
    // The fragment's body as one RTF group, ready to be appended to the report's body,
    // with balanced braces even when the fragment's are not; nothing when the text is
    // not an RTF document.
    static std::optional<std::string> Merge(std::string_view rtf, QELRTFXTables& tables);
};
