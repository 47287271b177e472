#include "platform/profile/profile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

namespace profile {
namespace {

std::string Trimmed(const std::string& text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string(first, last) : std::string();
}

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// The section name of a "[name]" line, if it is one.
std::optional<std::string> SectionName(const std::string& line) {
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

std::string Unquoted(const std::string& value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    std::ifstream file(fileName);
    bool inSection = false;
    for (std::string raw; std::getline(file, raw);) {
        const std::string line = Trimmed(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (const auto name = SectionName(line)) {
            inSection = SameName(*name, section);
            continue;
        }
        const auto equals = line.find('=');
        if (inSection && equals != std::string::npos &&
            SameName(Trimmed(line.substr(0, equals)), key))
            return Unquoted(Trimmed(line.substr(equals + 1)));
    }
    return defaultValue;
}

} // namespace profile
