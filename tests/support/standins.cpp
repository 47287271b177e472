#include "tests/support/standins.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace testsupport {

namespace fs = std::filesystem;

TScratchFolder::TScratchFolder(const std::string& prefix)
    : FPath(fs::temp_directory_path() /
            (prefix + "_" + std::to_string(getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(FPath);
    fs::create_directories(FPath);
}

TScratchFolder::~TScratchFolder() {
    std::error_code ignored;
    fs::remove_all(FPath, ignored);
}

namespace {

// A word the shell reads as the text itself, whatever characters the text holds.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

} // namespace

fs::path WriteRecordingProgram(const fs::path& folder, const std::string& name,
                               fs::perms permissions) {
    const fs::path script = folder / name;
    const std::string partial = ShellQuoted((folder / (name + ".tmp")).string());
    std::ofstream(script) << "#!/bin/sh\n"
                          << "{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; pwd; } > "
                          << partial << "\n"
                          << "mv " << partial << " "
                          << ShellQuoted((folder / (name + ".record")).string()) << "\n";
    fs::permissions(script, permissions);
    return script;
}

fs::path WriteCountingProgram(const fs::path& folder, const std::string& name,
                              const fs::path& log) {
    const fs::path script = folder / name;
    std::ofstream(script) << "#!/bin/sh\necho " << ShellQuoted(name) << " >> "
                          << ShellQuoted(log.string()) << "\n";
    fs::permissions(script, fs::perms::owner_all);
    return script;
}

std::vector<std::string> LinesOf(const fs::path& file) {
    std::ifstream stream(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::vector<std::string> RecordOf(const fs::path& folder, const std::string& name) {
    const fs::path record = folder / (name + ".record");
    for (int i = 0; i < 200 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return LinesOf(record);
}

} // namespace testsupport
