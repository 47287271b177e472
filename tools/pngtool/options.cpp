#include "tools/pngtool/options.h"

#include "png/format.h"

#include <charconv>
#include <limits>
#include <map>
#include <sstream>

namespace pngtool {

const char* const UsageText =
    "usage: pngtool info FILE [--max-pixels N]\n"
    "       pngtool decode FILE OUT.pam [--max-pixels N]\n"
    "       pngtool recode IN OUT [--filters LIST] [--level N] [--idat-limit N] [--interlace]\n"
    "                             [--max-pixels N]\n"
    "recode's IN is a PNG file, or an 8-bit RGBA PAM file as decode writes it.\n"
    "LIST is a comma-separated list of none, sub, up, average, paeth.\n"
    "--max-pixels refuses images of more than N pixels (width x height) from their header;\n"
    "the default is 268435456.\n";

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

// Takes one option and its value, if it has one, from args at `at`; false on anything unknown
// or malformed. Recode's settings are options of recode only.
bool ParseOption(const std::vector<std::string>& args, std::size_t& at, TCommand& command) {
    const std::string& option = args[at];
    TRecodeSettings& settings = command.Settings;
    const bool recode = command.Kind == ckRecode;
    if (option == "--interlace" && recode) {
        settings.Interlace = true;
        return true;
    }
    if (at + 1 >= args.size())
        return false;
    const std::string& value = args[++at];
    if (option == "--max-pixels") {
        const auto limit = Number(value, std::numeric_limits<std::uint64_t>::max());
        if (!limit)
            return false;
        command.MaxPixels = *limit;
        return true;
    }
    if (!recode)
        return false;
    if (option == "--filters") {
        settings.RowFilters = FilterSet(value);
        return settings.RowFilters.has_value();
    }
    if (option == "--level") {
        const auto level = Number(value, 9);
        if (!level)
            return false;
        settings.DeflateLevel = std::uint8_t(*level);
        return true;
    }
    if (option == "--idat-limit") {
        const auto limit = Number(value, 0xFFFFFFFFu);
        if (!limit || *limit == 0)
            return false;
        settings.IdatLimit = std::uint32_t(*limit);
        return true;
    }
    return false;
}

} // namespace

std::optional<TCommand> ParseCommand(const std::vector<std::string>& args) {
    static const std::map<std::string, std::pair<TCommandKind, std::size_t>> verbs = {
        {"info", {ckInfo, 1}}, {"decode", {ckDecode, 2}}, {"recode", {ckRecode, 2}}};
    const auto verb = args.empty() ? verbs.end() : verbs.find(args[0]);
    if (verb == verbs.end())
        return std::nullopt;
    TCommand command;
    command.Kind = verb->second.first;
    std::vector<std::string> files;
    for (std::size_t at = 1; at < args.size(); ++at) {
        if (args[at].rfind("--", 0) != 0)
            files.push_back(args[at]);
        else if (!ParseOption(args, at, command))
            return std::nullopt;
    }
    if (files.size() != verb->second.second)
        return std::nullopt;
    command.Input = files[0];
    if (files.size() > 1)
        command.Output = files[1];
    return command;
}

} // namespace pngtool
