#include "launcher/paths.h"

#include <filesystem>

namespace {

constexpr char PathSeparator = '/';

} // namespace

std::string NormalizeFolderPath(const std::string& folder) {
    if (!folder.empty() && folder.back() == PathSeparator)
        return folder;
    return folder + PathSeparator;
}

std::string LauncherFolder() {
    const auto executable = std::filesystem::read_symlink("/proc/self/exe");
    return NormalizeFolderPath(executable.parent_path().string());
}
