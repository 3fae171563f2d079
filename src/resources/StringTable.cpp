#include "resources/StringTable.h"

#include <algorithm>
#include <vector>

namespace {

const StringTableEntry kEntries[] = {
#include "ReportTemplates.inc"
#include "StatusTexts.inc"
};

} // namespace

std::string GetStringTableEntry(int id) {
    // The entries by number, sorted once: a report asks for hundreds of them.
    static const std::vector<const StringTableEntry*> nachId = [] {
        std::vector<const StringTableEntry*> v;
        for (const StringTableEntry& e : kEntries) {
            v.push_back(&e);
        }
        std::stable_sort(
            v.begin(), v.end(),
            [](const StringTableEntry* a, const StringTableEntry* b) { return a->id < b->id; });
        return v;
    }();
    const auto found = std::lower_bound(nachId.begin(), nachId.end(), id,
                                        [](const StringTableEntry* e, int i) { return e->id < i; });
    return found != nachId.end() && (*found)->id == id ? std::string((*found)->text)
                                                       : std::string();
}

std::span<const StringTableEntry> StringTableEntries() {
    return kEntries;
}
