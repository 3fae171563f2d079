// Navigation and attribute access of the document library.

#include "platform/QEDOM.h"

#include "platform/Base64.h"
#include "platform/C1Exception.h"
#include "platform/CNumber.h"
#include "platform/QEDOMHandleTable.h"
#include "platform/Utf8.h"

#include <libxml/tree.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

// Longest piece of an offending value quoted in an error message.
constexpr std::size_t kQuotedValueBytes = 40;

QEDOMHandleTable& Table() {
    return QEDOMHandleTable::Instance();
}

const xmlChar* Xml(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

bool IsValidName(const char* name) {
    return name != nullptr && xmlValidateName(Xml(name), 0) == 0;
}

bool HasName(xmlNodePtr node, const char* name) {
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, Xml(name)) != 0;
}

// Names the element and the attribute for a message, with the line in its file.
std::string Where(xmlNodePtr node, const char* name) {
    return "Attribut '" + std::string(name) + "' im Element '" +
           reinterpret_cast<const char*>(node->name) + "' (Zeile " +
           std::to_string(xmlGetLineNo(node)) + ")";
}

[[noreturn]] void ThrowBadValue(xmlNodePtr node, const char* name, const std::string& what,
                                const std::string& value, const char* function) {
    std::string quoted = Utf8Bounded(value, kQuotedValueBytes + 1);
    if (quoted.size() < value.size()) {
        quoted += "...";
    }
    throw C1Exception(Where(node, name) + " " + what + ": \"" + quoted + "\"", function);
}

// The attribute's text; no value when the element or the attribute is missing.
std::optional<std::string> AttributeText(xmlNodePtr node, const char* name) {
    if (node == nullptr || name == nullptr) {
        return std::nullopt;
    }
    xmlChar* value = xmlGetNoNsProp(node, Xml(name));
    if (value == nullptr) {
        return std::nullopt;
    }
    std::string text(reinterpret_cast<const char*>(value));
    xmlFree(value);
    return text;
}

bool IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Reads a number attribute with parse; a missing or empty attribute gives 0, text that
// is no number ends the run with a message naming the attribute.
template <class T, class Parse>
T ReadNumber(QEDOM_HANDLE element, const char* name, Parse parse, const char* what,
             const char* function) {
    xmlNodePtr node = Table().Element(element);
    const std::optional<std::string> text = AttributeText(node, name);
    if (!text || IsBlank(*text)) {
        return T{};
    }
    const std::optional<T> value = parse(*text);
    if (!value) {
        ThrowBadValue(node, name, what, *text, function);
    }
    return *value;
}

int WriteAttribute(QEDOM_HANDLE element, const char* name, const std::string& value) {
    xmlNodePtr node = Table().Element(element);
    if (node == nullptr || !IsValidName(name)) {
        return 0;
    }
    if (xmlCheckUTF8(Xml(value.c_str())) == 0) {
        return 0;
    }
    return xmlSetProp(node, Xml(name), Xml(value.c_str())) != nullptr ? 1 : 0;
}

// The decoded byte block of an attribute; no value when it is missing. A value that
// is not base64 ends the run with a message naming the attribute.
std::optional<std::vector<unsigned char>> ReadBinData(QEDOM_HANDLE element, const char* name,
                                                      const char* function) {
    xmlNodePtr node = Table().Element(element);
    const std::optional<std::string> text = AttributeText(node, name);
    if (!text) {
        return std::nullopt;
    }
    std::optional<std::vector<unsigned char>> bytes = Base64Decode(*text);
    if (!bytes) {
        ThrowBadValue(node, name, "ist kein Base64-Block", *text, function);
    }
    return bytes;
}

xmlNodePtr NextElementNamed(xmlNodePtr node, const char* name) {
    for (; node != nullptr; node = node->next) {
        if (HasName(node, name)) {
            return node;
        }
    }
    return nullptr;
}

} // namespace

QEDOM_HANDLE QEDOM_GetRootElement(QEDOM_HANDLE document) {
    xmlDocPtr doc = Table().Document(document);
    return doc != nullptr ? Table().ElementHandle(xmlDocGetRootElement(doc)) : 0;
}

QEDOM_HANDLE QEDOM_FindFirstChild(QEDOM_HANDLE element, const char* name) {
    xmlNodePtr node = Table().Element(element);
    if (node == nullptr || name == nullptr) {
        return 0;
    }
    return Table().ElementHandle(NextElementNamed(node->children, name));
}

QEDOM_HANDLE QEDOM_FindNextChild(QEDOM_HANDLE element, const char* name) {
    xmlNodePtr node = Table().Element(element);
    if (node == nullptr || name == nullptr) {
        return 0;
    }
    return Table().ElementHandle(NextElementNamed(node->next, name));
}

QEDOM_HANDLE QEDOM_AddChildElement(QEDOM_HANDLE parent, const char* name) {
    xmlNodePtr node = Table().Element(parent);
    if (node == nullptr || !IsValidName(name)) {
        return 0;
    }
    return Table().ElementHandle(xmlNewChild(node, nullptr, Xml(name), nullptr));
}

int QEDOM_DeleteElement(QEDOM_HANDLE element) {
    xmlNodePtr node = Table().Element(element);
    if (node == nullptr) {
        return 0;
    }
    Table().ForgetSubtree(node);
    xmlUnlinkNode(node);
    xmlFreeNode(node);
    return 1;
}

int QEDOM_GetInt(QEDOM_HANDLE element, const char* name) {
    return ReadNumber<int>(element, name, CNumber_ParseInt, "ist keine ganze Zahl", "QEDOM_GetInt");
}

double QEDOM_GetDouble(QEDOM_HANDLE element, const char* name) {
    return ReadNumber<double>(element, name, CNumber_ParseDouble, "ist keine Zahl",
                              "QEDOM_GetDouble");
}

const char* QEDOM_GetString(QEDOM_HANDLE element, const char* name) {
    std::optional<std::string> text = AttributeText(Table().Element(element), name);
    if (!text) {
        return nullptr;
    }
    std::string& scratch = Table().Scratch();
    scratch = std::move(*text);
    return scratch.c_str();
}

int QEDOM_GetStringP(QEDOM_HANDLE element, const char* name, char* buffer, std::size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) {
        return 0;
    }
    const std::string text = AttributeText(Table().Element(element), name).value_or("");
    const std::size_t length = Utf8PrefixLength(text, bufferSize - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<int>(length);
}

int QEDOM_SetInt(QEDOM_HANDLE element, const char* name, int value) {
    return WriteAttribute(element, name, std::to_string(value));
}

int QEDOM_SetDouble(QEDOM_HANDLE element, const char* name, double value) {
    if (!std::isfinite(value)) {
        // A result that is no number must not reach the document as if it were one.
        xmlNodePtr node = Table().Element(element);
        if (node != nullptr && name != nullptr) {
            ThrowBadValue(node, name, "erhält keine endliche Zahl", CNumber_FormatDouble(value),
                          "QEDOM_SetDouble");
        }
        return 0;
    }
    return WriteAttribute(element, name, CNumber_FormatDouble(value));
}

int QEDOM_SetString(QEDOM_HANDLE element, const char* name, const char* value) {
    return WriteAttribute(element, name, value != nullptr ? value : "");
}

int QEDOM_SetBinData(QEDOM_HANDLE element, const char* name, int length, const void* data,
                     int /*flag*/) {
    if (length < 0 || (length > 0 && data == nullptr)) {
        return 0;
    }
    return WriteAttribute(
        element, name,
        Base64Encode(static_cast<const unsigned char*>(data), static_cast<std::size_t>(length)));
}

int QEDOM_GetBinDataLength(QEDOM_HANDLE element, const char* name) {
    const auto bytes = ReadBinData(element, name, "QEDOM_GetBinDataLength");
    return bytes ? static_cast<int>(bytes->size()) : 0;
}

int QEDOM_LoadFileFromAttr(QEDOM_HANDLE element, const char* name, const char* fileName) {
    if (fileName == nullptr) {
        return 0;
    }
    const auto bytes = ReadBinData(element, name, "QEDOM_LoadFileFromAttr");
    if (!bytes) {
        return 0;
    }
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes->data()),
              static_cast<std::streamsize>(bytes->size()));
    out.close();
    return out ? 1 : 0;
}
