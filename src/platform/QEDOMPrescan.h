#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A quick look at a document's text before it goes to the XML parser, for what the
// parser would take too long over or what would take too much memory: an element with
// very many attributes (the parser's check for duplicate attributes grows with the
// square of their number), and more elements or attributes in all than any wall's input
// comes near (each costs the parsed document a few hundred bytes).

// Most attributes one element may carry; the input's elements have a few dozen. With
// more the parser slows down far beyond what the document's size explains.
inline constexpr std::size_t QEDOM_MAX_ATTRIBUTES = 256;
// Most elements a document may hold, comments, processing instructions and CDATA
// sections counted with them (each is a node of its own); a wall's input has a few dozen
// to a few hundred.
inline constexpr std::size_t QEDOM_MAX_ELEMENTS = 20000;
// Most attributes a document may hold in all; a wall's input has a few hundred to a few
// thousand.
inline constexpr std::size_t QEDOM_MAX_ATTRIBUTES_IN_ALL = 200000;

// Most levels elements may be nested, the root counted as the first; a wall's input has
// six. The XML parser refuses deeper documents in words of its own.
inline constexpr std::size_t QEDOM_MAX_DEPTH = 256;

struct QEDOMPrescanLimits {
    std::size_t attributesOfElement = QEDOM_MAX_ATTRIBUTES;
    std::size_t elements = QEDOM_MAX_ELEMENTS;
    std::size_t attributes = QEDOM_MAX_ATTRIBUTES_IN_ALL;
    std::size_t depth = QEDOM_MAX_DEPTH;
};

enum class QEDOMOverLimit {
    None,
    AttributesOfElement, // one element has more attributes than allowed
    Elements,            // the document has more elements
    Attributes,          // the document has more attributes in all
    Depth,               // an element lies deeper than allowed
};

struct QEDOMPrescanFinding {
    QEDOMOverLimit over = QEDOMOverLimit::None;
    std::string name; // the element where the limit was passed (cut to a readable length)
    int line = 0;     // line of its start, counted from 1
};

// The first place where the text passes a limit. Text the scan cannot read as markup is
// left to the parser, which reports it.
QEDOMPrescanFinding QEDOM_Prescan(std::string_view text,
                                  const QEDOMPrescanLimits& limits = QEDOMPrescanLimits());

struct QEDOMCrowdedElement {
    std::string name; // the element's name (cut to a readable length)
    int line = 0;     // line of its start tag, counted from 1
};

// The first element whose start tag holds more than maxAttributes attributes; false
// when there is none (QEDOM_Prescan with no other limit).
bool QEDOM_FindCrowdedElement(std::string_view text, std::size_t maxAttributes,
                              QEDOMCrowdedElement& found);
