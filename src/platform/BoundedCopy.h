#pragma once

#include <cstddef>
#include <string>

// Copies text into a caller's buffer of bufferSize bytes, always terminated. A text
// that does not fit is cut before the first UTF-8 character that would not fit
// whole, so the buffer never ends in half a character. Returns the bytes copied
// (without the terminating zero); a null buffer or a size of 0 takes nothing.
std::size_t QEL_CopyBounded(const std::string& text, char* buffer, std::size_t bufferSize);
