// Loading, parsing and saving of whole documents.

#include "platform/OutputFile.h"
#include "platform/QEDOM.h"
#include "platform/QEDOMHandleTable.h"
#include "platform/QEDOMPrescan.h"

#include <libxml/entities.h>
#include <libxml/hash.h>
#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace {

// No network, no DTD loading, no entity substitution (no XML_PARSE_NOENT,
// XML_PARSE_DTDLOAD or XML_PARSE_DTDATTR); libxml2's own messages are collected
// instead of printed.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

// Every external resource (DTD, external entity) is refused, whatever a document
// declares: a document must never make the module read another file or the network.
xmlParserInputPtr RefuseExternalEntity(const char* /*url*/, const char* /*id*/,
                                       xmlParserCtxtPtr /*context*/) {
    return nullptr;
}

void InstallEntityGuard() {
    static const bool installed = [] {
        xmlSetExternalEntityLoader(RefuseExternalEntity);
        return true;
    }();
    (void)installed;
}

bool DeclaresEntities(xmlDocPtr doc) {
    const auto declares = [](xmlDtdPtr dtd) {
        return dtd != nullptr && ((dtd->entities != nullptr &&
                                   xmlHashSize(static_cast<xmlHashTablePtr>(dtd->entities)) > 0) ||
                                  (dtd->pentities != nullptr &&
                                   xmlHashSize(static_cast<xmlHashTablePtr>(dtd->pentities)) > 0));
    };
    return declares(doc->intSubset) || declares(doc->extSubset);
}

std::string TrimmedMessage(const char* message) {
    std::string text = message != nullptr ? message : "unbekannter Fehler";
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
}

// The first error of a parse, which names the real fault; later ones mostly follow
// from it (an unclosed tag ends in "premature end of data").
struct FirstError {
    bool seen = false;
    int line = 0;
    int column = 0;
    std::string message;
};

void RecordFirstError(void* userData, xmlErrorPtr err) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(userData);
    auto* first = ctxt != nullptr ? static_cast<FirstError*>(ctxt->_private) : nullptr;
    if (first == nullptr || err == nullptr || first->seen || err->level < XML_ERR_ERROR) {
        return;
    }
    first->seen = true;
    first->line = err->line;
    first->column = err->int2;
    first->message = TrimmedMessage(err->message);
}

std::string ParseErrorText(const std::string& fileName, const FirstError& first) {
    if (!first.seen) {
        return "Fehler in XML-Datei '" + fileName + "'";
    }
    return "Fehler in XML-Datei '" + fileName + "', Zeile " + std::to_string(first.line) +
           ", Spalte " + std::to_string(first.column) + ": " + first.message;
}

// A document nested deeper than elements may be.
std::string DepthText(const std::string& fileName) {
    return "XML-Datei '" + fileName + "' hat Elemente in mehr als " +
           std::to_string(QEDOM_MAX_DEPTH) + " Ebenen ineinander";
}

// What a document passes of the limits of the quick look before parsing; "" for none.
std::string OverLimitText(const std::string& fileName, const QEDOMPrescanFinding& finding) {
    const std::string where = " (Zeile " + std::to_string(finding.line) + ")";
    switch (finding.over) {
    case QEDOMOverLimit::None:
        return std::string();
    case QEDOMOverLimit::AttributesOfElement:
        return "Fehler in XML-Datei '" + fileName + "', Zeile " + std::to_string(finding.line) +
               ": Element '" + finding.name + "' hat mehr als " +
               std::to_string(QEDOM_MAX_ATTRIBUTES) + " Attribute";
    case QEDOMOverLimit::Elements:
        return "XML-Datei '" + fileName + "' hat mehr als " + std::to_string(QEDOM_MAX_ELEMENTS) +
               " Elemente" + where;
    case QEDOMOverLimit::Attributes:
        return "XML-Datei '" + fileName + "' hat mehr als " +
               std::to_string(QEDOM_MAX_ATTRIBUTES_IN_ALL) + " Attribute" + where;
    case QEDOMOverLimit::Depth:
        return DepthText(fileName) + where;
    }
    return std::string();
}

struct ParserContextFree {
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};
struct DocFree {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};

QEDOM_HANDLE ParseBuffer(const char* data, std::size_t size, const std::string& fileName,
                         const std::string& completeName, std::string& error) {
    InstallEntityGuard();
    if (size > QEDOM_MAX_DOCUMENT_BYTES) {
        error = "XML-Datei '" + fileName + "' ist größer als " +
                std::to_string(QEDOM_MAX_DOCUMENT_BYTES / (1024U * 1024U)) + " MiB";
        return 0;
    }
    // Refused before the parser sees it: the parser would take minutes over it, or the
    // parsed document more memory than the machine has.
    error = OverLimitText(fileName, QEDOM_Prescan(std::string_view(data, size)));
    if (!error.empty()) {
        return 0;
    }
    std::unique_ptr<xmlParserCtxt, ParserContextFree> ctxt(xmlNewParserCtxt());
    if (!ctxt) {
        error = "XML-Datei '" + fileName + "': kein Speicher für den Parser";
        return 0;
    }
    FirstError first;
    ctxt->_private = &first;
    ctxt->sax->serror = RecordFirstError;
    std::unique_ptr<xmlDoc, DocFree> doc(xmlCtxtReadMemory(
        ctxt.get(), data, static_cast<int>(size), fileName.c_str(), nullptr, kParseOptions));
    if (!doc || ctxt->wellFormed == 0) {
        // The parser's own limit of nesting, should a document reach it past the quick
        // look, in the words of ours: its text names an option no user can set.
        error = first.message.rfind("Excessive depth", 0) == 0
                    ? DepthText(fileName) + " (Zeile " + std::to_string(first.line) + ")"
                    : ParseErrorText(fileName, first);
        return 0;
    }
    if (DeclaresEntities(doc.get())) {
        error = "XML-Datei '" + fileName + "': Entitätsdeklarationen werden nicht unterstützt";
        return 0;
    }
    error.clear();
    return QEDOMHandleTable::Instance().AddDocument(doc.release(), completeName);
}

std::string CompleteName(const std::string& fileName) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(fileName, ec);
    return ec ? fileName : full.lexically_normal().string();
}

} // namespace

QEDOM_HANDLE QEDOM_ParseDocument(const std::string& text, const std::string& fileName,
                                 std::string& error) {
    return ParseBuffer(text.data(), text.size(), fileName, fileName, error);
}

QEDOM_HANDLE QEDOM_LoadDocument(const std::string& fileName, std::string& error) {
    std::error_code ec;
    if (std::filesystem::is_directory(fileName, ec)) {
        error = "XML-Datei '" + fileName + "' ist ein Ordner";
        return 0;
    }
    std::ifstream in(fileName, std::ios::binary);
    if (!in) {
        error = "XML-Datei '" + fileName + "' kann nicht gelesen werden";
        return 0;
    }
    // Read in chunks up to one chunk past the limit, so that an endless or huge input
    // (a device, a growing file) is refused without being read whole.
    constexpr std::size_t kChunk = 64U * 1024U;
    std::string data;
    std::vector<char> chunk(kChunk);
    while (in && data.size() <= QEDOM_MAX_DOCUMENT_BYTES) {
        in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        data.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        error = "XML-Datei '" + fileName + "' kann nicht gelesen werden";
        return 0;
    }
    return ParseBuffer(data.data(), data.size(), fileName, CompleteName(fileName), error);
}

int QEDOM_SaveDocument(QEDOM_HANDLE document, const std::string& fileName, std::string& error) {
    xmlDocPtr doc = QEDOMHandleTable::Instance().Document(document);
    if (doc == nullptr) {
        error = "kein XML-Dokument zum Speichern von '" + fileName + "'";
        return 0;
    }
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(doc, &text, &size, "UTF-8", 1);
    if (text == nullptr) {
        error = "XML-Datei '" + fileName + "': kein Speicher für den Text";
        return 0;
    }
    // Written beside the target and renamed over it, so that a failed save never
    // leaves a half-written file under the real name, nor writes through a link.
    std::string reason;
    const bool written = QEL_WriteOutputFile(
        fileName,
        std::string_view(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size)),
        reason);
    xmlFree(text);
    if (!written) {
        error = "XML-Datei '" + fileName + "' kann nicht geschrieben werden: " + reason;
        return 0;
    }
    error.clear();
    return 1;
}

void QEDOM_FreeDocument(QEDOM_HANDLE document) {
    QEDOMHandleTable::Instance().FreeDocument(document);
}

const char* QEDOM_GetCompleteFileName(QEDOM_HANDLE document) {
    const std::string* name = QEDOMHandleTable::Instance().FileName(document);
    return name != nullptr ? name->c_str() : "";
}
