#include "platform/BoundedCopy.h"

#include <cstring>

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0u) == 0x80u;
}

} // namespace

std::size_t QEL_CopyBounded(const std::string& text, char* buffer, std::size_t bufferSize) {
    if (buffer == nullptr || bufferSize == 0) {
        return 0;
    }
    std::size_t n = text.size();
    if (n > bufferSize - 1) {
        n = bufferSize - 1;
        // Byte n is the first one left out; while it continues a character, that
        // character is cut and goes as a whole.
        while (n > 0 && IsContinuationByte(text[n])) {
            --n;
        }
    }
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}
