// 500 tool starts in quick succession, each by a click on an entry, from a tool folder whose
// path holds blanks, quotes, '$', a leading dash and letters beyond ASCII. Every start
// happens with the path intact, the stand-ins all run, no child is left unreaped, and the
// window paints the clicked entry selected after every click.

#include "launcher/catalogue.h"
#include "mainwindow.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <sys/wait.h>
#include <thread>

namespace launchertest {
namespace {

namespace fs = std::filesystem;

constexpr int Clicks = 500;
constexpr gdi::COLORREF Grey = 0x808080;

class LaunchStress : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        fs::create_directory(Odd);
        for (int category = 0; category < catalogue::CategoryCount; ++category)
            for (int entry = 0; const auto program = catalogue::ProgramFor(category, entry);
                 ++entry)
                testsupport::WriteCountingProgram(Odd, *program, Log);
        Open();
        Window->SetToolFolder(Odd.string());
    }

    // Waits up to ten seconds for the stand-ins to have written this many lines.
    std::vector<std::string> LogOnceItHas(std::size_t lines) const {
        for (int i = 0; i < 200 && testsupport::LinesOf(Log).size() < lines; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return testsupport::LinesOf(Log);
    }

    const fs::path Odd = Tools / "-Brenlow's \"tools\" $HOME Grüße";
    const fs::path Log = Tools / "starts.log";
};

TEST_F(LaunchStress, FiveHundredClicksStartFiveHundredToolsFromAnOddlyNamedFolder) {
    TListBox& categories = *Window->ListBoxMain;
    TListBox& tools = *Window->ListBoxData;
    std::vector<std::string> expected; // paths
    for (int i = 0; i < Clicks && !HasFailure(); ++i) {
        const int category = i % catalogue::CategoryCount;
        if (categories.ItemIndex() != category)
            Click(categories, 80, category * 80 + 40);
        const int entry = (i / catalogue::CategoryCount) % tools.Count();
        const TPoint centre = ItemCentre(tools, entry);
        // The pointer arrives with the click, so the entry is painted selected after the
        // tool has started.
        Headless->Advance(1000); // no two clicks make a double click
        Click(tools, centre.X, centre.Y);
        ASSERT_EQ(Pixel(tools, 3, centre.Y), Grey) << "click " << i;
        expected.push_back((Odd / *catalogue::ProgramFor(category, entry)).string());
    }
    EXPECT_EQ(StartedPrograms, expected);
    // The stand-ins log their names, in the order they happen to run.
    std::vector<std::string> ran = LogOnceItHas(expected.size());
    std::vector<std::string> names;
    for (const std::string& path : expected)
        names.push_back(fs::path(path).filename().string());
    std::sort(ran.begin(), ran.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(ran, names);
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

} // namespace
} // namespace launchertest
