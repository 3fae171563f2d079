#include "platform/QEDOMHandleTable.h"

#include "platform/C1Exception.h"

#include <limits>
#include <vector>

QEDOMHandleTable& QEDOMHandleTable::Instance() {
    static QEDOMHandleTable table;
    return table;
}

QEDOMHandleTable::~QEDOMHandleTable() {
    for (auto& [handle, entry] : entries_) {
        if (entry.doc != nullptr) {
            xmlFreeDoc(entry.doc);
        }
    }
}

QEDOM_HANDLE QEDOMHandleTable::NextHandle() {
    // Handing out a number twice could make a stale handle valid again, so the table
    // refuses to wrap around.
    if (next_ == std::numeric_limits<QEDOM_HANDLE>::max()) {
        throw C1Exception("Handle-Tabelle der XML-Dokumente erschöpft", "QEDOMHandleTable");
    }
    return next_++;
}

QEDOM_HANDLE QEDOMHandleTable::AddDocument(xmlDocPtr doc, const std::string& fileName) {
    if (doc == nullptr) {
        return 0;
    }
    const QEDOM_HANDLE handle = NextHandle();
    Entry entry;
    entry.doc = doc;
    entry.fileName = fileName;
    entries_.emplace(handle, std::move(entry));
    return handle;
}

void QEDOMHandleTable::FreeDocument(QEDOM_HANDLE document) {
    const auto it = entries_.find(document);
    if (it == entries_.end() || it->second.doc == nullptr) {
        return;
    }
    xmlDocPtr doc = it->second.doc;
    entries_.erase(it);
    std::vector<QEDOM_HANDLE> dropped;
    for (const auto& [handle, entry] : entries_) {
        if (entry.node != nullptr && entry.node->doc == doc) {
            dropped.push_back(handle);
        }
    }
    for (QEDOM_HANDLE handle : dropped) {
        byNode_.erase(entries_.at(handle).node);
        entries_.erase(handle);
    }
    xmlFreeDoc(doc);
}

xmlDocPtr QEDOMHandleTable::Document(QEDOM_HANDLE document) const {
    const auto it = entries_.find(document);
    return it == entries_.end() ? nullptr : it->second.doc;
}

const std::string* QEDOMHandleTable::FileName(QEDOM_HANDLE document) const {
    const auto it = entries_.find(document);
    if (it == entries_.end() || it->second.doc == nullptr) {
        return nullptr;
    }
    return &it->second.fileName;
}

QEDOM_HANDLE QEDOMHandleTable::ElementHandle(xmlNodePtr node) {
    if (node == nullptr) {
        return 0;
    }
    const auto it = byNode_.find(node);
    if (it != byNode_.end()) {
        return it->second;
    }
    const QEDOM_HANDLE handle = NextHandle();
    Entry entry;
    entry.node = node;
    entries_.emplace(handle, std::move(entry));
    byNode_.emplace(node, handle);
    return handle;
}

xmlNodePtr QEDOMHandleTable::Element(QEDOM_HANDLE element) const {
    const auto it = entries_.find(element);
    return it == entries_.end() ? nullptr : it->second.node;
}

void QEDOMHandleTable::Forget(xmlNodePtr node) {
    const auto it = byNode_.find(node);
    if (it != byNode_.end()) {
        entries_.erase(it->second);
        byNode_.erase(it);
    }
}

void QEDOMHandleTable::ForgetSubtree(xmlNodePtr node) {
    if (node == nullptr) {
        return;
    }
    // Iterative walk: a deeply nested document must not exhaust the stack.
    std::vector<xmlNodePtr> pending{node};
    while (!pending.empty()) {
        xmlNodePtr current = pending.back();
        pending.pop_back();
        Forget(current);
        for (xmlNodePtr child = current->children; child != nullptr; child = child->next) {
            if (child->type == XML_ELEMENT_NODE) {
                pending.push_back(child);
            }
        }
    }
}
