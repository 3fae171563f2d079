#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Bounded copies of UTF-8 texts: a text that does not fit is cut before the first
// character that would not fit whole, so a cut never leaves half a character.

// Length of the longest prefix of text of at most maxBytes bytes that ends on a
// character boundary.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t maxBytes);

// The text cut to a field of capacity bytes with its terminating zero (at most
// capacity - 1 bytes of text); "" for a capacity below 1.
std::string Utf8Bounded(std::string_view text, std::size_t capacity);

// A zero-terminated text as a string; a null pointer counts as empty.
std::string TextOf(const char* text);
