#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Standard base64 (RFC 4648 alphabet, '=' padding) for byte blocks kept as XML text.
std::string Base64Encode(const unsigned char* data, std::size_t length);

// Decodes text; whitespace between groups is allowed (line-wrapped blocks). Gives no
// value for text that is not base64.
std::optional<std::vector<unsigned char>> Base64Decode(std::string_view text);
