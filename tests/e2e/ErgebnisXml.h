#pragma once

// Reads the `result` tree of a saved document with libxml2 directly, not through the
// module's own document library, so that a fault there cannot hide in the check.

#include <libxml/parser.h>
#include <libxml/tree.h>

#include "Zahl.h"

#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>

class ErgebnisXml {
public:
    using Pfad = std::initializer_list<const char*>;

    explicit ErgebnisXml(const std::string& text)
        : m_doc(xmlReadMemory(text.data(), static_cast<int>(text.size()), "result.xml", nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING)) {}
    ~ErgebnisXml() { xmlFreeDoc(m_doc); }
    ErgebnisXml(const ErgebnisXml&) = delete;
    ErgebnisXml& operator=(const ErgebnisXml&) = delete;

    bool Gelesen() const { return m_doc != nullptr; }

    // How many `result` elements stand under the root.
    int AnzahlResult() const {
        int n = 0;
        for (xmlNode* c = Wurzel() ? Wurzel()->children : nullptr; c != nullptr; c = c->next) {
            n += IstElement(c, "result") ? 1 : 0;
        }
        return n;
    }

    // The element at the path below `result` (`result` itself for an empty path), or null.
    xmlNode* Element(Pfad pfad) const {
        xmlNode* e = Kind(Wurzel(), "result");
        for (const char* name : pfad) {
            e = Kind(e, name);
        }
        return e;
    }

    // The attribute's text; nothing when the element or the attribute is missing.
    std::optional<std::string> Text(Pfad pfad, const char* name) const {
        xmlNode* e = Element(pfad);
        if (e == nullptr) {
            return std::nullopt;
        }
        xmlChar* v = xmlGetProp(e, reinterpret_cast<const xmlChar*>(name));
        if (v == nullptr) {
            return std::nullopt;
        }
        std::string text(reinterpret_cast<const char*>(v));
        xmlFree(v);
        return text;
    }

    // The attribute as a number; nothing when it is missing or not a number as a whole.
    std::optional<double> Wert(Pfad pfad, const char* name) const {
        const std::optional<std::string> text = Text(pfad, name);
        return text ? ZahlAusText(*text) : std::nullopt;
    }

private:
    static bool IstElement(const xmlNode* n, const char* name) {
        return n->type == XML_ELEMENT_NODE &&
               std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0;
    }
    static xmlNode* Kind(xmlNode* e, const char* name) {
        for (xmlNode* c = e ? e->children : nullptr; c != nullptr; c = c->next) {
            if (IstElement(c, name)) {
                return c;
            }
        }
        return nullptr;
    }
    xmlNode* Wurzel() const { return m_doc ? xmlDocGetRootElement(m_doc) : nullptr; }

    xmlDoc* m_doc;
};
