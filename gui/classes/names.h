#pragma once
// Names as the streaming system compares them: class, component, property and identifier
// names are ASCII and compared without regard to case.

#include <string>
#include <string_view>

// True when a and b are equal ignoring ASCII case.
bool SameText(std::string_view a, std::string_view b);
// The text with ASCII letters in upper case; the key under which names are looked up.
std::string UpperCase(std::string_view text);
// True for a letter or underscore followed by letters, digits and underscores.
bool IsValidIdent(std::string_view name);

// The ASCII character classes of names and numbers.
bool IsIdentStart(char c);
bool IsDigit(char c);
// 0..15 for a hexadecimal digit, -1 for any other character.
int HexDigitValue(char c);
