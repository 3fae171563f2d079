#pragma once

#include <span>
#include <string>

// The module's string table: status texts and report templates by entry number.
struct StringTableEntry {
    int id;
    const char* text;
};

// The text of entry id; "" when the table has no such entry.
std::string GetStringTableEntry(int id);

// Every entry of the table, in the order the table lists them.
std::span<const StringTableEntry> StringTableEntries();
