#pragma once

// Attribute access shared by the readers of C1ZirfInput: tables of attribute names and
// members drive the copies, texts are bounded copies, table limits are checked before
// a record is written.

#include "platform/QEDOM.h"

#include <initializer_list>
#include <string>

namespace zirf_input {

template <class Record, class T> struct Attr {
    const char* name;
    T Record::*member;
};

template <class Record>
void ReadInts(QEDOM_HANDLE element, Record& record,
              std::initializer_list<Attr<Record, int>> attributes) {
    for (const auto& a : attributes) {
        record.*(a.member) = QEDOM_GetInt(element, a.name);
    }
}

template <class Record>
void ReadDoubles(QEDOM_HANDLE element, Record& record,
                 std::initializer_list<Attr<Record, double>> attributes) {
    for (const auto& a : attributes) {
        record.*(a.member) = QEDOM_GetDouble(element, a.name);
    }
}

// The text of an attribute as it fits into a field of capacity bytes with its
// terminating zero, cut on a character boundary; "" when it is missing.
std::string ReadText(QEDOM_HANDLE element, const char* name, int capacity);

// The whole text of an attribute; "" when it is missing.
std::string ReadString(QEDOM_HANDLE element, const char* name);

// A double attribute truncated toward zero (37.9 gives 37, -2.5 gives -2); a value
// outside the int range ends the run with a message naming element and attribute.
int ReadTruncated(QEDOM_HANDLE element, const char* elementName, const char* name,
                  const char* module);

// Ends the run with a shown error when record index would lie past a table of limit
// places: element names the document element, what the records it holds.
void CheckTableLimit(int index, int limit, const char* element, const std::string& what,
                     const char* module);

// Writes a line to the trace file when one is open.
void Trace(const std::string& line);

} // namespace zirf_input
