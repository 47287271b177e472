#pragma once
// Formatting of message and caption patterns: %s takes a string, %d an integer, %% is a
// percent sign. A pattern that does not fit its arguments raises EConvertError instead of
// reading what is not there.

#include <cstdint>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

using TFormatArg = std::variant<std::int64_t, std::string>;

std::string FormatArgs(const std::string& pattern, const std::vector<TFormatArg>& args);

template <class T>
TFormatArg ToFormatArg(const T& value) {
    if constexpr (std::is_integral_v<T>)
        return std::int64_t(value);
    else
        return std::string(value);
}

template <class... TArgs>
std::string Format(const std::string& pattern, const TArgs&... args) {
    return FormatArgs(pattern, {ToFormatArg(args)...});
}
