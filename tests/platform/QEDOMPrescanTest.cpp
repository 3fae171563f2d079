// Documents whose elements carry very many attributes are refused before the parser
// spends minutes on them.
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

} // namespace
