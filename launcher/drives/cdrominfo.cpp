#include "launcher/drives/cdrominfo.h"

#include <sstream>
#include <string_view>

namespace drives {

namespace {

// The rows that name a medium, in the order they are shown.
struct TMediumRow {
    std::string_view Row;
    bool Writes;
    std::string_view Medium;
};
constexpr TMediumRow MediumRows[] = {
    {"Can read DVD", false, "DVD"},     {"Can read MRW", false, "MRW"},
    {"Can write CD-R", true, "CD-R"},   {"Can write CD-RW", true, "CD-RW"},
    {"Can write DVD-R", true, "DVD-R"}, {"Can write DVD-RAM", true, "DVD-RAM"},
    {"Can write MRW", true, "MRW"},
};

std::vector<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

} // namespace

TCdromInfo ParseCdromInfo(std::istream& text) {
    TCdromInfo info;
    std::vector<std::string> names;
    for (std::string line; std::getline(text, line);) {
        const auto colon = line.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string title = line.substr(0, colon);
        const std::vector<std::string> values = Words(line.substr(colon + 1));
        if (title == "drive name") {
            names = values;
            for (const std::string& name : names)
                info[name];
        } else if (!names.empty() && values.size() == names.size()) {
            for (std::size_t i = 0; i < names.size(); ++i)
                info[names[i]][title] = values[i];
        }
    }
    return info;
}

TMediaKinds MediaKindsOf(const std::map<std::string, std::string>& rows) {
    TMediaKinds kinds;
    kinds.Reads.push_back("CD");
    for (const TMediumRow& medium : MediumRows) {
        const auto row = rows.find(std::string(medium.Row));
        if (row == rows.end() || row->second != "1")
            continue;
        (medium.Writes ? kinds.Writes : kinds.Reads).emplace_back(medium.Medium);
    }
    return kinds;
}

} // namespace drives
