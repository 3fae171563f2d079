#pragma once

#include "platform/QEDOM.h"

#include <libxml/tree.h>

#include <string>
#include <unordered_map>

// The process-wide table behind the 32-bit handles of the document library. A
// document handle owns its libxml2 document; an element handle names one node of a
// document held in the table. Handles are never reused: once a document is freed or
// an element deleted, its handles stay invalid for the rest of the process, and every
// function of the library treats an invalid handle like 0.
class QEDOMHandleTable {
public:
    static QEDOMHandleTable& Instance();

    QEDOMHandleTable() = default;
    QEDOMHandleTable(const QEDOMHandleTable&) = delete;
    QEDOMHandleTable& operator=(const QEDOMHandleTable&) = delete;
    ~QEDOMHandleTable();

    // Takes ownership of doc; fileName is the document's full file name ("" for none).
    QEDOM_HANDLE AddDocument(xmlDocPtr doc, const std::string& fileName);
    // Frees the document and drops its handle and those of all its elements.
    void FreeDocument(QEDOM_HANDLE document);

    // The document of a document handle; null for 0, an element or an invalid handle.
    xmlDocPtr Document(QEDOM_HANDLE document) const;
    // The full file name of a document handle; null when the handle is no document.
    const std::string* FileName(QEDOM_HANDLE document) const;

    // The handle of an element node, the same one on every call for the same node;
    // 0 for null.
    QEDOM_HANDLE ElementHandle(xmlNodePtr node);
    // The element of an element handle; null for 0, a document or an invalid handle.
    xmlNodePtr Element(QEDOM_HANDLE element) const;
    // Drops the handles of node and of every node beneath it (before they are freed).
    void ForgetSubtree(xmlNodePtr node);

    // Library-owned text returned by pointer; valid until the next call that uses it.
    std::string& Scratch() { return scratch_; }

private:
    struct Entry {
        xmlDocPtr doc = nullptr;   // set for a document handle
        xmlNodePtr node = nullptr; // set for an element handle
        std::string fileName;
    };

    QEDOM_HANDLE NextHandle();
    void Forget(xmlNodePtr node);

    std::unordered_map<QEDOM_HANDLE, Entry> entries_;
    std::unordered_map<const xmlNode*, QEDOM_HANDLE> byNode_;
    QEDOM_HANDLE next_ = 1;
    std::string scratch_;
};
