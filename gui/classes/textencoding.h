#pragma once
// Conversions of the string encodings streams hold into the layer's UTF-8 strings.
// Single-byte strings are taken as Latin-1.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Appends code point (0..0x10FFFF, no surrogate) in UTF-8; false, appending nothing, for
// any other value.
bool AppendUtf8(std::string& text, char32_t codePoint);
std::string Latin1ToUtf8(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::span<const char16_t> units);
bool IsAscii(std::string_view text);
