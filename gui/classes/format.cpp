#include "gui/classes/format.h"

#include "gui/classes/exceptions.h"

std::string FormatArgs(const std::string& pattern, const std::vector<TFormatArg>& args) {
    const auto invalid = [&] {
        return EConvertError("Format '" + pattern + "' invalid or incompatible with argument");
    };
    std::string result;
    size_t next = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') {
            result += pattern[i];
            continue;
        }
        if (++i == pattern.size())
            throw invalid();
        const char kind = pattern[i];
        if (kind == '%') {
            result += '%';
            continue;
        }
        if (next == args.size())
            throw invalid();
        const TFormatArg& arg = args[next++];
        if (kind == 's' && std::holds_alternative<std::string>(arg))
            result += std::get<std::string>(arg);
        else if (kind == 'd' && std::holds_alternative<std::int64_t>(arg))
            result += std::to_string(std::get<std::int64_t>(arg));
        else
            throw invalid();
    }
    return result;
}
