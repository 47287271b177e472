// Handing jobs to desktop applications: which candidate starts, in which order, with which
// arguments, through PATH or a desktop entry, and what is said when none can.

#include "adapterfixture.h"
#include "launcher/adapter/jobs.h"
#include "launcher/catalogue.h"

#include <filesystem>
#include <fstream>
#include <set>

namespace adaptertest {
namespace {

namespace fs = std::filesystem;
using adapter::TOutcome;
using Words = std::vector<std::string>;

struct TExpectedStart {
    std::string Program;
    Words Arguments;
};

// The order the README documents, with the inputs the fixture gives: drive /dev/sr7 and the
// image "/data/disc one.iso".
const std::vector<std::pair<std::string, std::vector<TExpectedStart>>> DocumentedOrder = {
    {"FileWriter.exe",
     {{"brasero", {"--data"}}, {"k3b", {"--data"}}, {"xfburn", {"--data-composition"}}}},
    {"SoundWriter.exe",
     {{"brasero", {"--audio"}}, {"k3b", {"--audiocd"}}, {"xfburn", {"--audio-composition"}}}},
    {"SoundRipper.exe",
     {{"sound-juicer", {}}, {"asunder", {}}, {"k3b", {"--cddarip=/dev/sr7"}}, {"ripperx", {}}}},
    {"MovieWriter.exe", {{"devede", {}}, {"brasero", {"--video"}}, {"k3b", {"--videodvd"}}}},
    {"MediaWiper.exe",
     {{"brasero", {"--blank"}}, {"k3b", {"--format=/dev/sr7"}}, {"xfburn", {"--blank"}}}},
    {"ImageMaker.exe",
     {{"isomaster", {}},
      {"brasero", {"--data", "--image-file"}},
      {"k3b", {"--data"}},
      {"xfburn", {"--data-composition"}}}},
    {"ImageWriter.exe",
     {{"brasero", {"--image=/data/disc one.iso"}},
      {"k3b", {"--image=/data/disc one.iso"}},
      {"xfburn", {"--burn-image"}}}},
    {"ImageRipper.exe", {{"brasero", {"--copy", "--image-file"}}, {"k3b", {"--copy=/dev/sr7"}}}},
};

TEST(Jobs, EveryProgramOfTheCatalogueButOursHasAJob) {
    std::set<std::string> programs;
    for (int category = 0; category < catalogue::CategoryCount; ++category)
        for (int position = 0; catalogue::ProgramFor(category, position); ++position)
            programs.insert(*catalogue::ProgramFor(category, position));
    ASSERT_EQ(programs.size(), 9u);
    for (const std::string& program : programs)
        EXPECT_EQ(adapter::FindJob(program) == nullptr, program == "DriveProbe.exe") << program;
    EXPECT_EQ(adapter::Jobs().size(), DocumentedOrder.size());
}

using StartJob = TAdapterTest;

TEST_F(StartJob, CandidatesAreTriedInTheDocumentedOrder) {
    for (const auto& [programName, starts] : DocumentedOrder) {
        for (const TExpectedStart& start : starts)
            PlaceProgram(start.Program);
        for (const TExpectedStart& start : starts) {
            const adapter::TJobResult result = Start(programName);
            ASSERT_EQ(result.Outcome, TOutcome::ouStarted) << programName;
            Words command{(Bin() / start.Program).string()};
            command.insert(command.end(), start.Arguments.begin(), start.Arguments.end());
            EXPECT_EQ(result.Command, command) << programName;
            EXPECT_EQ(ArgumentsOf(start.Program), start.Arguments) << programName;
            fs::remove(Bin() / start.Program);
        }
        const adapter::TJobResult none = Start(programName);
        EXPECT_EQ(none.Outcome, TOutcome::ouNothingFits) << programName;
        EXPECT_TRUE(none.Problems.empty()) << programName;
    }
}

TEST_F(StartJob, WithoutADriveK3bIsLeftToChooseOne) {
    Drive.reset();
    PlaceProgram("k3b");
    ASSERT_EQ(Start("MediaWiper.exe").Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ArgumentsOf("k3b"), Words{"--format="});
}

TEST_F(StartJob, TheImageIsAskedForOnlyByTheCandidateThatStarts) {
    PlaceProgram("xfburn");
    ASSERT_EQ(Start("ImageWriter.exe").Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ImageQuestions, 0);
    PlaceProgram("k3b");
    ASSERT_EQ(Start("ImageWriter.exe").Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ImageQuestions, 1);
    EXPECT_EQ(ArgumentsOf("k3b"), Words{"--image=/data/disc one.iso"});
}

TEST_F(StartJob, CancellingTheChooserStartsNothingElse) {
    PlaceProgram("brasero");
    PlaceProgram("xfburn");
    Image = {adapter::TChoiceKind::ckCancelled, {}, {}};
    const adapter::TJobResult result = Start("ImageWriter.exe");
    EXPECT_EQ(result.Outcome, TOutcome::ouCancelled);
    EXPECT_TRUE(result.Command.empty());
    EXPECT_EQ(ImageQuestions, 1);
}

TEST_F(StartJob, WithoutAChooserTheNextCandidateThatNeedsNoneStarts) {
    PlaceProgram("brasero");
    PlaceProgram("xfburn");
    Image = {adapter::TChoiceKind::ckNoChooser, {}, "no file chooser is installed"};
    const adapter::TJobResult result = Start("ImageWriter.exe");
    ASSERT_EQ(result.Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ArgumentsOf("xfburn"), Words{"--burn-image"});
    EXPECT_EQ(result.Problems,
              Words{"Brasero needs the image named: no file chooser is installed."});
}

TEST_F(StartJob, AProgramThatCannotBeStartedIsReportedAndTheNextOneTried) {
    std::ofstream(Bin() / "brasero") << "#!/nonexistent/interpreter\n";
    fs::permissions(Bin() / "brasero", fs::perms::owner_all);
    PlaceProgram("k3b");
    const adapter::TJobResult result = Start("FileWriter.exe");
    ASSERT_EQ(result.Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ArgumentsOf("k3b"), Words{"--data"});
    ASSERT_EQ(result.Problems.size(), 1u);
    EXPECT_EQ(result.Problems[0], "Brasero (" + (Bin() / "brasero").string() +
                                      ") could not be started: No such file or directory.");
    fs::remove(Bin() / "k3b");
    const adapter::TJobResult nothing = Start("FileWriter.exe");
    EXPECT_EQ(nothing.Outcome, TOutcome::ouNothingFits);
    EXPECT_EQ(nothing.Problems.size(), 1u);
}

// An application outside PATH, as Flatpak or a package in /opt installs it.
class DesktopEntries : public TAdapterTest {
protected:
    void SetUp() override {
        TAdapterTest::SetUp();
        fs::create_directories(Scratch.Path() / "opt");
        Burner = testsupport::WriteRecordingProgram(Scratch.Path() / "opt", "burner");
    }

    std::optional<Words> BurnerArguments() const {
        const Words record = testsupport::RecordOf(Scratch.Path() / "opt", "burner");
        if (record.size() < 2)
            return std::nullopt;
        return Words(record.begin() + 1, record.end() - 1);
    }

    fs::path Burner;
};

TEST_F(DesktopEntries, AnEntryStartsItsCommandWithTheJobsArgumentsAfterIt) {
    PlaceDesktopEntry("brasero.desktop", "[Desktop Entry]\nType=Application\nName=Brasero\n"
                                         "TryExec=" +
                                             Burner.string() +
                                             "\n"
                                             "Exec=\"" +
                                             Burner.string() + "\" --new-window %U\n");
    const adapter::TJobResult result = Start("SoundWriter.exe");
    ASSERT_EQ(result.Outcome, TOutcome::ouStarted);
    EXPECT_EQ(result.Command, (Words{Burner.string(), "--new-window", "--audio"}));
    EXPECT_EQ(BurnerArguments(), (Words{"--new-window", "--audio"}));
}

TEST_F(DesktopEntries, AProgramOnPathComesBeforeAnEntry) {
    PlaceDesktopEntry("brasero.desktop", "[Desktop Entry]\nExec=" + Burner.string() + "\n");
    PlaceProgram("brasero");
    ASSERT_EQ(Start("FileWriter.exe").Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ArgumentsOf("brasero"), Words{"--data"});
}

TEST_F(DesktopEntries, HiddenEntriesAndEntriesWhoseProgramsAreMissingDoNotCount) {
    PlaceProgram("xfburn");
    const std::string missing = (Scratch.Path() / "opt/missing").string();
    const std::vector<std::string> unusable = {
        "[Desktop Entry]\nHidden=true\nExec=" + Burner.string() + "\n",
        "[Desktop Entry]\nTryExec=" + missing + "\nExec=" + Burner.string() + "\n",
        "[Desktop Entry]\nExec=" + missing + " %U\n",
        "[Desktop Entry]\nType=Link\nExec=" + Burner.string() + "\n",
        "[Desktop Entry]\nName=No command\n",
    };
    for (const std::string& entry : unusable) {
        PlaceDesktopEntry("brasero.desktop", entry);
        PlaceDesktopEntry("org.kde.k3b.desktop", entry);
        const adapter::TJobResult result = Start("MediaWiper.exe");
        ASSERT_EQ(result.Outcome, TOutcome::ouStarted) << entry;
        EXPECT_EQ(result.Command, (Words{(Bin() / "xfburn").string(), "--blank"})) << entry;
        EXPECT_EQ(ArgumentsOf("xfburn"), Words{"--blank"});
    }
}

TEST_F(DesktopEntries, ABrokenCommandLineIsReportedAndSkipped) {
    PlaceDesktopEntry("brasero.desktop", "[Desktop Entry]\nExec=\"" + Burner.string() + "\n");
    PlaceProgram("k3b");
    const adapter::TJobResult result = Start("FileWriter.exe");
    ASSERT_EQ(result.Outcome, TOutcome::ouStarted);
    EXPECT_EQ(ArgumentsOf("k3b"), Words{"--data"});
    ASSERT_EQ(result.Problems.size(), 1u);
    EXPECT_TRUE(result.Problems[0].starts_with("Brasero: The command line")) << result.Problems[0];
}

} // namespace
} // namespace adaptertest
