#include "adapterfixture.h"

#include "launcher/adapter/jobs.h"
#include "platform/shell/spawn.h"

#include <fstream>

namespace adaptertest {

namespace fs = std::filesystem;

void TAdapterTest::SetUp() {
    // The stand-ins need mv, which must not bring the folder it lives in along.
    const fs::path utilities = Scratch.Path() / "utilities";
    fs::create_directories(utilities);
    fs::create_symlink(shell::ResolveProgram("mv"), utilities / "mv");
    fs::create_directories(Bin());
    Environment.Set("PATH", Bin().string() + ":" + utilities.string());
    Environment.Set("XDG_DATA_HOME", (Scratch.Path() / "home").string());
    Environment.Set("XDG_DATA_DIRS", (Scratch.Path() / "share").string());
    Environment.Set("XDG_CURRENT_DESKTOP", std::nullopt);
}

fs::path TAdapterTest::PlaceProgram(const std::string& name) const {
    return testsupport::WriteRecordingProgram(Bin(), name);
}

std::optional<std::vector<std::string>> TAdapterTest::ArgumentsOf(const std::string& name) const {
    std::vector<std::string> record = testsupport::RecordOf(Bin(), name);
    if (record.size() < 2)
        return std::nullopt;
    fs::remove(Bin() / (name + ".record"));
    // The count, the arguments, the working folder.
    return std::vector<std::string>(record.begin() + 1, record.end() - 1);
}

fs::path TAdapterTest::PlaceDesktopEntry(const std::string& id, const std::string& text) const {
    const fs::path file = Scratch.Path() / "share/applications" / id;
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
    return file;
}

adapter::TJobResult TAdapterTest::Start(const std::string& programName) const {
    const adapter::TJob* job = adapter::FindJob(programName);
    if (!job)
        throw std::invalid_argument(programName + " is no adapter's job");
    return adapter::StartJob(*job, {[this] { return Drive; },
                                    [this] {
                                        ++ImageQuestions;
                                        return Image;
                                    }});
}

} // namespace adaptertest
