#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A quick look at a document's text before it goes to the XML parser, for what the
// parser would take too long over: an element with very many attributes (the parser's
// check for duplicate attributes grows with the square of their number).

// Most attributes one element may carry; the input's elements have a few dozen. With
// more the parser slows down far beyond what the document's size explains.
inline constexpr std::size_t QEDOM_MAX_ATTRIBUTES = 256;

struct QEDOMCrowdedElement {
    std::string name; // the element's name (cut to a readable length)
    int line = 0;     // line of its start tag, counted from 1
};

// The first element whose start tag holds more than maxAttributes attributes; false
// when there is none. Text the scan cannot read as markup is left to the parser,
// which reports it.
bool QEDOM_FindCrowdedElement(std::string_view text, std::size_t maxAttributes,
                              QEDOMCrowdedElement& found);
