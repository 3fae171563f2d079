#pragma once

// Attribute access shared by the readers of C1ZirfInput: tables of attribute names and
// members drive the copies, texts are bounded copies, table limits are checked before
// a record is written, and every number the document gives is noted with where it
// stands, so that the input's limits can judge it once all sections are read.

#include "model/C1ZirfInput.h"
#include "platform/QEDOM.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace zirf_input {

template <class Record, class T> struct Attr {
    const char* name;
    T Record::*member;
};

// One element of the document as a reader takes it. `name` is the element as messages
// and the input's limits name it ("geom", "bode gruppe"), `ort` what tells one record of
// a list apart in a message (" nr 2 (\"Sand\")", empty for a section). A number that the
// element holds is noted in `zahlen`; a missing or empty attribute reads as 0 and is not
// noted: it was not given, and the checks of the calculation judge what it lacks.
class Element {
public:
    Element(QEDOM_HANDLE handle, std::string name, std::vector<C1ZirfInput::SZahl>& zahlen,
            std::string ort = std::string());

    QEDOM_HANDLE Handle() const { return m_handle; }
    const std::string& Name() const { return m_name; }

    int Int(const char* attribut) const;
    double Double(const char* attribut) const;
    // The value `Wert01` of a property (`Eigenschaft`) of this element, noted under its
    // `Kurzname`.
    double Eigenschaft(QEDOM_HANDLE eigenschaft, const std::string& kurzname) const;
    // A double attribute truncated toward zero (37.9 gives 37, -2.5 gives -2); a value
    // outside the int range ends the run with a message naming element and attribute.
    int Truncated(const char* attribut, const char* module) const;

    template <class Record>
    void Ints(Record& record, std::initializer_list<Attr<Record, int>> attributes) const {
        for (const auto& a : attributes) {
            record.*(a.member) = Int(a.name);
        }
    }

    template <class Record>
    void Doubles(Record& record, std::initializer_list<Attr<Record, double>> attributes) const {
        for (const auto& a : attributes) {
            record.*(a.member) = Double(a.name);
        }
    }

private:
    // Notes the attribute's value `wert` under `schluessel` where the document gives it.
    void Note(QEDOM_HANDLE element, const char* attribut, const std::string& schluessel,
              double wert, bool eigenschaft) const;

    QEDOM_HANDLE m_handle;
    std::string m_name;
    std::string m_ort;
    std::vector<C1ZirfInput::SZahl>* m_zahlen;
};

// The text of an attribute as it fits into a field of capacity places with its
// terminating zero: at most capacity - 1 characters, never cut inside a character;
// "" when it is missing.
std::string ReadText(QEDOM_HANDLE element, const char* name, int capacity);

// The whole text of an attribute; "" when it is missing.
std::string ReadString(QEDOM_HANDLE element, const char* name);

// Ends the run with a shown error when record index would lie past a table of limit
// places: element names the document element, what the records it holds.
void CheckTableLimit(int index, int limit, const char* element, const std::string& what,
                     const char* module);

// Writes a line to the trace file when one is open.
void Trace(const std::string& line);

} // namespace zirf_input
