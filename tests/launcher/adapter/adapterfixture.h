#pragma once
// A machine of the test's own for the adapters: a PATH with stand-in programs only, empty
// applications folders, and inputs that answer without asking anybody.

#include "environment.h"
#include "launcher/adapter/startjob.h"
#include "tests/support/standins.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace adaptertest {

class TAdapterTest : public ::testing::Test {
protected:
    void SetUp() override;

    // A stand-in on PATH that records its arguments (see testsupport::WriteRecordingProgram).
    std::filesystem::path PlaceProgram(const std::string& name) const;
    // The arguments a stand-in was started with, waiting for it to have run; none when it
    // did not.
    std::optional<std::vector<std::string>> ArgumentsOf(const std::string& name) const;
    // A desktop entry in the system's applications folder.
    std::filesystem::path PlaceDesktopEntry(const std::string& id, const std::string& text) const;

    adapter::TJobResult Start(const std::string& programName) const;

    std::filesystem::path Bin() const { return Scratch.Path() / "bin"; }

    TEnvironmentGuard Environment;
    testsupport::TScratchFolder Scratch{"adapter_test"};
    std::optional<std::string> Drive = "/dev/sr7";
    adapter::TChoice Image{adapter::TChoiceKind::ckChosen, "/data/disc one.iso", {}};
    mutable int ImageQuestions = 0;
};

} // namespace adaptertest
