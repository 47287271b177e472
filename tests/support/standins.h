#pragma once
// Stand-in programs for tests that start processes: "#!/bin/sh" scripts that record how they
// were started, in a folder of the test's own.

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A fresh folder named after the running test and the process, removed with the object.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& prefix);
    TScratchFolder(const TScratchFolder&) = delete;
    TScratchFolder& operator=(const TScratchFolder&) = delete;
    ~TScratchFolder();

    const std::filesystem::path& Path() const { return FPath; }

private:
    std::filesystem::path FPath;
};

// Writes the program `name` into folder: it records its argument count, its arguments and
// its working folder, one per line, into name.record, renamed into place so that a reader
// never sees half of it.
std::filesystem::path
WriteRecordingProgram(const std::filesystem::path& folder, const std::string& name,
                      std::filesystem::perms permissions = std::filesystem::perms::owner_all);

// The lines program `name` recorded, waiting up to ten seconds for it to have run; empty
// when it did not run.
std::vector<std::string> RecordOf(const std::filesystem::path& folder, const std::string& name);

} // namespace testsupport
