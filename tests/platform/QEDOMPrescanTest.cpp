// Documents whose elements carry very many attributes are refused before the parser
// spends minutes on them, and documents with more elements or attributes in all than any
// input comes near before the parsed document takes the machine's memory.
#include "platform/QEDOMPrescan.h"
#include "platform/QEDOM.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

std::string Attributes(std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += " a" + std::to_string(i) + "=\"1\"";
    }
    return out;
}

TEST(QEDOMPrescan, CountsOnlyTheAttributesOfStartTags) {
    const std::string many = Attributes(5);
    const struct {
        std::string text;
        bool crowded;
    } cases[] = {
        {"<a" + many + "/>", true},
        {"<a" + Attributes(4) + "/>", false},
        {"<a\n" + many + ">x</a>", true},
        // Markup that is no start tag, and values that hold markup characters.
        {"<!--<a" + many + "/>--><a/>", false},
        {"<r><![CDATA[<a" + many + "/>]]></r>", false},
        {"<?pi <a" + many + "/> ?><a/>", false},
        {"<!DOCTYPE r [<!ELEMENT r ANY> <!-- > -->]><r" + Attributes(4) + "/>", false},
        {"<r x='<a" + many + "/>' y=\"'>\"/>", false},
        {"<r x=\"1>2\"" + Attributes(3) + "/>", false},
        // Broken tags are the parser's to report.
        {"<r x=1" + many + "/>", false},
        {"<r x=\"1" + many, false},
    };
    for (const auto& c : cases) {
        QEDOMCrowdedElement found;
        EXPECT_EQ(QEDOM_FindCrowdedElement(c.text, 4, found), c.crowded) << c.text;
    }
}

TEST(QEDOMPrescan, ManyAttributesAreRefusedQuicklyNamingTheElement) {
    const std::string text = "<zirf>\n<input>\n<allg" + Attributes(200000) + "/></input></zirf>";
    // Processor time, not wall time: a busy machine must not fail the test.
    const std::clock_t start = std::clock();
    std::string error;
    const QEDOM_HANDLE doc = QEDOM_ParseDocument(text, "viele.xml", error);
    const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_EQ(doc, 0);
    EXPECT_EQ(error, "Fehler in XML-Datei 'viele.xml', Zeile 3: Element 'allg' hat mehr als "
                     "256 Attribute");
    EXPECT_LT(seconds, 1.0);

    // As many as allowed still parse.
    const QEDOM_HANDLE ok = QEDOM_ParseDocument(
        "<zirf><allg" + Attributes(QEDOM_MAX_ATTRIBUTES) + "/></zirf>", "genug.xml", error);
    EXPECT_NE(ok, 0) << error;
    QEDOM_FreeDocument(ok);
}

TEST(QEDOMPrescan, CountsTheNodesAndAttributesOfTheWholeDocument) {
    const QEDOMPrescanLimits limits{4, 3, 5};
    const struct {
        std::string text;
        QEDOMOverLimit over;
        int line;
    } cases[] = {
        {"<r><a/><b/></r>", QEDOMOverLimit::None, 0},
        {"<r>\n<a/>\n<b/>\n<c/></r>", QEDOMOverLimit::Elements, 4},
        // Comments, processing instructions and CDATA sections are nodes too; end tags
        // and declarations are not.
        {"<r><!--x-->\n<?p x?><![CDATA[y]]></r>", QEDOMOverLimit::Elements, 2},
        {"<!DOCTYPE r><r></r><s></s><t></t>", QEDOMOverLimit::None, 0},
        {"<r x='1' y='2'/>\n<s u='1' v='2' w='3' z='4'/>", QEDOMOverLimit::Attributes, 2},
        {"<r p='' q='' s='' t='' u=''/>", QEDOMOverLimit::AttributesOfElement, 1},
    };
    for (const auto& c : cases) {
        const QEDOMPrescanFinding found = QEDOM_Prescan(c.text, limits);
        EXPECT_EQ(found.over, c.over) << c.text;
        EXPECT_EQ(found.line, c.line) << c.text;
    }
}

TEST(QEDOMPrescan, AsManyElementsAndAttributesAsAllowedParseAndOneMoreIsRefused) {
    const auto document = [](std::size_t elements, std::size_t attributesEach) {
        std::string attributes;
        for (std::size_t i = 0; i < attributesEach; ++i) {
            attributes += " a" + std::to_string(i) + "=\"1\"";
        }
        std::string text = "<zirf>";
        for (std::size_t i = 1; i < elements; ++i) {
            text += "<u" + attributes + "/>";
        }
        return text + "</zirf>";
    };
    constexpr std::size_t kJe = 20; // attributes of an element
    const struct {
        std::string text;
        bool parses;
        std::string says;
    } cases[] = {
        {document(QEDOM_MAX_ELEMENTS, 0), true, ""},
        {document(QEDOM_MAX_ELEMENTS + 1, 0), false,
         "XML-Datei 'd.xml' hat mehr als 20000 Elemente (Zeile 1)"},
        {document(QEDOM_MAX_ATTRIBUTES_IN_ALL / kJe + 1, kJe), true, ""},
        {document(QEDOM_MAX_ATTRIBUTES_IN_ALL / kJe + 2, kJe), false,
         "XML-Datei 'd.xml' hat mehr als 200000 Attribute (Zeile 1)"},
    };
    for (const auto& c : cases) {
        std::string error;
        const QEDOM_HANDLE doc = QEDOM_ParseDocument(c.text, "d.xml", error);
        EXPECT_EQ(doc != 0, c.parses) << error;
        EXPECT_EQ(error, c.says);
        QEDOM_FreeDocument(doc);
    }
}

TEST(QEDOMPrescan, ElementsNestedDeeperThanAllowedAreRefusedInOurWords) {
    // One element a line, the deepest on the last line of the start tags; empty elements
    // and the ends of elements open no level.
    const auto nested = [](std::size_t levels) {
        std::string text;
        for (std::size_t i = 0; i < levels; ++i) {
            text += "<e><leer/>\n";
        }
        for (std::size_t i = 0; i < levels; ++i) {
            text += "</e>";
        }
        return text;
    };
    const struct {
        std::size_t levels;
        bool parses;
        std::string says;
    } cases[] = {
        {QEDOM_MAX_DEPTH, true, ""},
        {QEDOM_MAX_DEPTH + 1, false,
         "XML-Datei 'd.xml' hat Elemente in mehr als 256 Ebenen ineinander (Zeile 257)"},
        {QEDOM_MAX_DEPTH + 2, false,
         "XML-Datei 'd.xml' hat Elemente in mehr als 256 Ebenen ineinander (Zeile 257)"},
        {4 * QEDOM_MAX_DEPTH, false,
         "XML-Datei 'd.xml' hat Elemente in mehr als 256 Ebenen ineinander (Zeile 257)"},
    };
    for (const auto& c : cases) {
        std::string error;
        const QEDOM_HANDLE doc = QEDOM_ParseDocument(nested(c.levels), "d.xml", error);
        EXPECT_EQ(doc != 0, c.parses) << c.levels << ": " << error;
        EXPECT_EQ(error, c.says) << c.levels;
        EXPECT_EQ(error.find("XML_PARSE_HUGE"), std::string::npos);
        QEDOM_FreeDocument(doc);
    }
}

} // namespace
