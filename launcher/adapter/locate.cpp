#include "launcher/adapter/locate.h"

#include "launcher/adapter/desktopentry.h"
#include "platform/shell/spawn.h"

namespace adapter {

namespace {

std::optional<TInstalled> FromDesktopEntry(const std::string& id) {
    const std::optional<std::string> file = FindDesktopFile(id);
    if (!file)
        return std::nullopt;
    const std::optional<TDesktopEntry> entry = ReadDesktopEntry(*file);
    if (!entry || entry->Hidden || (!entry->Type.empty() && entry->Type != "Application"))
        return std::nullopt;
    if (!entry->TryExec.empty() && shell::ResolveProgram(entry->TryExec).empty())
        return std::nullopt;
    std::vector<std::string> line = CommandLine(*entry, {});
    std::string program = shell::ResolveProgram(line.front());
    if (program.empty())
        return std::nullopt;
    line.erase(line.begin());
    return TInstalled{std::move(program), std::move(line)};
}

} // namespace

std::optional<TInstalled> Locate(const TCandidate& candidate) {
    std::string program = shell::ResolveProgram(std::string(candidate.Program));
    if (!program.empty())
        return TInstalled{std::move(program), {}};
    return FromDesktopEntry(std::string(candidate.DesktopId));
}

} // namespace adapter
