#pragma once
// UTF-8 text as code points.

#include <string>
#include <string_view>

namespace gdi {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes UTF-8; each malformed, overlong or truncated sequence and each surrogate becomes one
// replacement character, so any byte string decodes.
std::u32string DecodeUtf8(std::string_view text);

} // namespace gdi
