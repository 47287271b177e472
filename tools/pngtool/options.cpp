#include "tools/pngtool/options.h"

#include "png/format.h"

#include <charconv>
#include <map>
#include <sstream>

namespace pngtool {

const char* const UsageText =
    "usage: pngtool info FILE\n"
    "       pngtool decode FILE OUT.pam\n"
    "       pngtool recode IN OUT [--filters LIST] [--level N] [--idat-limit N] [--interlace]\n"
    "LIST is a comma-separated list of none, sub, up, average, paeth.\n";

namespace {

std::optional<std::uint64_t> Number(const std::string& text, std::uint64_t max) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > max)
        return std::nullopt;
    return value;
}

std::optional<std::uint8_t> FilterSet(const std::string& list) {
    static const std::map<std::string, int> types = {{"none", png::FILTER_NONE},
                                                     {"sub", png::FILTER_SUB},
                                                     {"up", png::FILTER_UP},
                                                     {"average", png::FILTER_AVERAGE},
                                                     {"paeth", png::FILTER_PAETH}};
    std::uint8_t set = 0;
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        const auto found = types.find(name);
        if (found == types.end())
            return std::nullopt;
        set = std::uint8_t(set | 1u << found->second);
    }
    return set;
}

// Reads the options after "recode IN OUT"; false on anything unknown or malformed.
bool ParseRecodeOptions(const std::vector<std::string>& args, std::size_t at,
                        TRecodeSettings& settings) {
    for (; at < args.size(); ++at) {
        const std::string& option = args[at];
        if (option == "--interlace") {
            settings.Interlace = true;
            continue;
        }
        if (at + 1 >= args.size())
            return false;
        const std::string& value = args[++at];
        if (option == "--filters") {
            settings.RowFilters = FilterSet(value);
            if (!settings.RowFilters)
                return false;
        } else if (option == "--level") {
            const auto level = Number(value, 9);
            if (!level)
                return false;
            settings.DeflateLevel = std::uint8_t(*level);
        } else if (option == "--idat-limit") {
            const auto limit = Number(value, 0xFFFFFFFFu);
            if (!limit || *limit == 0)
                return false;
            settings.IdatLimit = std::uint32_t(*limit);
        } else {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<TCommand> ParseCommand(const std::vector<std::string>& args) {
    if (args.empty())
        return std::nullopt;
    TCommand command;
    const std::string& verb = args[0];
    if (verb == "info" && args.size() == 2) {
        command = {ckInfo, args[1], {}, {}};
    } else if (verb == "decode" && args.size() == 3) {
        command = {ckDecode, args[1], args[2], {}};
    } else if (verb == "recode" && args.size() >= 3) {
        command = {ckRecode, args[1], args[2], {}};
        if (!ParseRecodeOptions(args, 3, command.Settings))
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    return command;
}

} // namespace pngtool
