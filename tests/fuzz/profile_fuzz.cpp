// Profile strings (the version file): a key looked up in a section, in memory and through a
// file, which must agree. The first line of the input names the section and the key, as
// "section=key"; the rest is the file.

#include "fuzz_support.h"
#include "platform/profile/profile.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The file every input is written to, removed when the run ends.
struct TScratchFile {
    const std::string Path = (std::filesystem::temp_directory_path() /
                              ("brenlow_profile_fuzz_" + std::to_string(getpid())))
                                 .string();
    ~TScratchFile() { std::filesystem::remove(Path); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t lineEnd = std::min(input.find('\n'), input.size());
    const std::string names = input.substr(0, lineEnd);
    const std::size_t equals = std::min(names.find('='), names.size());
    const std::string section = names.substr(0, equals);
    const std::string key = names.substr(std::min(equals + 1, names.size()));
    const std::string contents = input.substr(std::min(lineEnd + 1, input.size()));

    const std::string inMemory = profile::ProfileStringIn(contents, section, key, "<none>");
    static const TScratchFile file;
    std::ofstream(file.Path, std::ios::binary | std::ios::trunc) << contents;
    if (profile::GetPrivateProfileString(section, key, "<none>", file.Path) != inMemory)
        fuzzing::Finding("the file and the same contents in memory give other values");
    return 0;
}
