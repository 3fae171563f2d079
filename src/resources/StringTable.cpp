#include "resources/StringTable.h"

#include <algorithm>

namespace {

const StringTableEntry kEntries[] = {
#include "ReportTemplates.inc"
#include "StatusTexts.inc"
};

} // namespace

std::string GetStringTableEntry(int id) {
    const auto found = std::find_if(std::begin(kEntries), std::end(kEntries),
                                    [id](const StringTableEntry& e) { return e.id == id; });
    return found != std::end(kEntries) ? std::string(found->text) : std::string();
}

std::span<const StringTableEntry> StringTableEntries() {
    return kEntries;
}
