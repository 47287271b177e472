#pragma once
// Decoding UTF-8 text into code points.

#include <string_view>
#include <vector>

namespace win::detail {

// The code points of the text; a malformed or truncated sequence becomes U+FFFD.
std::vector<char32_t> DecodeUtf8(std::string_view text);

} // namespace win::detail
