#pragma once

#include "report/C1Wert.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// Formats a report line from its template text and typed values. The template's
// conversions are "%Nd", "%N.Mf" and "%s" (width and precision optional), "%%" is a
// per cent sign; any other "%" stands for itself. Values are taken in order; a
// conversion without a value is left empty. Numbers are written in the C locale,
// right-aligned in their width. A value of the wrong kind for its conversion is a
// programming error and raises C1Exception.
std::string FormatZeile(std::string_view format, std::span<const C1Wert> values);

// The number of conversions that take a value.
int CountConversions(std::string_view format);

// The first `limit` bytes of a template text, extended so that the cut falls neither
// inside a conversion nor inside a UTF-8 character.
std::string_view CutTemplate(std::string_view format, std::size_t limit);
