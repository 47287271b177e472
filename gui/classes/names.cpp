#include "gui/classes/names.h"

#include <algorithm>

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

} // namespace

bool SameText(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Upper(x) == Upper(y); });
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    std::ranges::transform(result, result.begin(), Upper);
    return result;
}

bool IsValidIdent(std::string_view name) {
    return !name.empty() && IsIdentStart(name.front()) &&
           std::ranges::all_of(name, [](char c) { return IsIdentStart(c) || IsDigit(c); });
}

bool IsIdentStart(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c))
        return c - '0';
    const char lower = char(c | 0x20);
    return lower >= 'a' && lower <= 'f' ? lower - 'a' + 10 : -1;
}
