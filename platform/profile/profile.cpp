#include "platform/profile/profile.h"

#include "platform/system/file_descriptor.h"
#include "platform/system/regular_file.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <optional>
#include <unistd.h>
#include <utility>

namespace profile {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto isSpace = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), isSpace);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), isSpace).base();
    return first < last ? std::string_view(first, last) : std::string_view();
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

// The section name of a "[name]" line, if it is one.
std::optional<std::string_view> SectionName(std::string_view line) {
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

std::string_view Unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
        return value.substr(1, value.size() - 2);
    return value;
}

// Looks for one key of one section, a line at a time.
class TScan {
public:
    TScan(std::string_view section, std::string_view key) : FSection(section), FKey(key) {}

    // The key's value when this line holds it.
    std::optional<std::string> Take(std::string_view raw) {
        const std::string_view line = Trimmed(raw);
        if (line.empty() || line.front() == ';')
            return std::nullopt;
        if (const auto name = SectionName(line)) {
            FInSection = SameName(*name, FSection);
            return std::nullopt;
        }
        const auto equals = line.find('=');
        if (FInSection && equals != std::string_view::npos &&
            SameName(Trimmed(line.substr(0, equals)), FKey))
            return std::string(Unquoted(Trimmed(line.substr(equals + 1))));
        return std::nullopt;
    }

private:
    std::string_view FSection;
    std::string_view FKey;
    bool FInSection = false;
};

// Hands the scan each line of `text` that ends in a newline, until one holds the value;
// `rest` becomes the offset of what follows the last of them.
std::optional<std::string> ScanLines(TScan& scan, std::string_view text, std::size_t& rest) {
    rest = 0;
    for (std::size_t end; (end = text.find('\n', rest)) != std::string_view::npos; rest = end + 1) {
        if (auto value = scan.Take(text.substr(rest, end - rest)))
            return value;
    }
    return std::nullopt;
}

// A line is read in parts of this size, so that a file without line breaks costs no more.
constexpr std::size_t LinePart = 1 << 20;

} // namespace

std::string ProfileStringIn(std::string_view contents, const std::string& section,
                            const std::string& key, const std::string& defaultValue) {
    TScan scan(section, key);
    std::size_t rest = 0;
    auto value = ScanLines(scan, contents, rest);
    if (!value)
        value = scan.Take(contents.substr(rest));
    return value ? *value : defaultValue;
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    const platform::TFileDescriptor file(platform::OpenRegularFile(fileName));
    if (file.Get() < 0)
        return defaultValue;
    TScan scan(section, key);
    std::string pending;
    std::array<char, 65536> chunk;
    for (;;) {
        const ssize_t got = read(file.Get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        pending.append(chunk.data(), std::size_t(got));
        std::size_t rest = 0;
        auto value = ScanLines(scan, pending, rest);
        pending.erase(0, rest);
        if (!value && pending.size() >= LinePart)
            value = scan.Take(std::exchange(pending, std::string()));
        if (value)
            return *value;
    }
    const auto value = scan.Take(pending);
    return value ? *value : defaultValue;
}

} // namespace profile
