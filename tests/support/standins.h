#pragma once
// Stand-in programs for tests that start processes: "#!/bin/sh" scripts that record how they
// were started, in a folder of the test's own, whatever characters its path holds.

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

// Writes the program `name` into folder: it appends its name as one line to `log`, which
// many of them may do at once.
std::filesystem::path WriteCountingProgram(const std::filesystem::path& folder,
                                           const std::string& name,
                                           const std::filesystem::path& log);

// The lines of a text file; none when it is missing.
std::vector<std::string> LinesOf(const std::filesystem::path& file);

// The lines program `name` recorded, waiting up to ten seconds for it to have run; empty
// when it did not run.
std::vector<std::string> RecordOf(const std::filesystem::path& folder, const std::string& name);

} // namespace testsupport
