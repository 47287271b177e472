// Starting tools for real: stand-in programs in the test's tool folder record how they were
// started; missing and forbidden programs; the wait cursor around it all.

#include "launcher/waitcursor.h"
#include "mainwindow.h"

#include <filesystem>

namespace launchertest {
namespace {

class Launching : public TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        for (const char* tool : {"FileWriter.exe", "SoundWriter.exe", "SoundRipper.exe"})
            PlaceTool(tool);
        Open();
    }

    void ClickTool(int index) {
        const TPoint centre = ItemCentre(*Window->ListBoxData, index);
        MoveTo(*Window->ListBoxData, centre.X, centre.Y);
        Click(*Window->ListBoxData, centre.X, centre.Y);
    }

    // Started without arguments, in the folder the launcher itself runs in.
    static std::vector<std::string> PlainStart() {
        return {"0", std::filesystem::current_path().string()};
    }
};

TEST_F(Launching, TheSecondMusicEntryStartsSoundRipperWithNoArguments) {
    Click(*Window->ListBoxMain, 80, 80 + 40);
    ClickTool(1);
    EXPECT_EQ(RecordOf("SoundRipper.exe"), PlainStart());
    EXPECT_EQ(Starts("SoundWriter.exe"), 0);
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(WaitCursorCount(), 0);
}

TEST_F(Launching, EveryDataEntryStartsFileWriter) {
    for (int index = 0; index < 4; ++index) {
        ClickTool(index);
        EXPECT_EQ(RecordOf("FileWriter.exe"), PlainStart()) << "entry " << index;
        std::filesystem::remove(Tools / "FileWriter.exe.record");
        Headless->Advance(1000); // the next click is no double click
    }
}

TEST_F(Launching, TheDownArrowInTheToolListStartsTheNewlySelectedTool) {
    Click(*Window->ListBoxMain, 80, 80 + 40);
    Window->ListBoxData->SetFocus();
    Key(win::VK_DOWN);
    EXPECT_EQ(Window->ListBoxData->ItemIndex(), 1);
    EXPECT_EQ(RecordOf("SoundRipper.exe"), PlainStart());
    Key(win::VK_DOWN); // already the last: nothing is started again
    EXPECT_EQ(Starts("SoundRipper.exe"), 1);
}

// The started tool's window opens under the pointer and is closed at once: clicking the
// entry again right then starts the tool again, as any click on an entry does.
TEST_F(Launching, AClickRightAfterAToolWindowCoveredThePointerStartsTheToolAgain) {
    ClickTool(0);
    EXPECT_EQ(RecordOf("FileWriter.exe"), PlainStart());
    std::filesystem::remove(Tools / "FileWriter.exe.record");
    Headless->MouseLeave();
    Headless->Advance(200);
    ClickTool(0);
    EXPECT_EQ(RecordOf("FileWriter.exe"), PlainStart());
}

TEST_F(Launching, AMissingToolIsReportedByTheShellAndChangesNothing) {
    Click(*Window->ListBoxMain, 80, 2 * 80 + 40); // Video: MovieWriter.exe is not there
    std::vector<TCursor> cursorsWhileReported;
    OnBox = [&](win::HWND box) {
        EXPECT_EQ(win::GetParent(box), Window->Handle());
        cursorsWhileReported.push_back(Screen.Cursor());
    };
    ClickTool(0);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("MovieWriter.exe"), std::string::npos);
    EXPECT_EQ(cursorsWhileReported, std::vector<TCursor>{crHourGlass});
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_TRUE(Window->Showing());
    EXPECT_EQ(Window->ListBoxMain->ItemIndex(), 2);
}

TEST_F(Launching, AToolThatMayNotRunIsReportedAsSuch) {
    PlaceTool("MovieWriter.exe",
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    Click(*Window->ListBoxMain, 80, 2 * 80 + 40);
    ClickTool(0);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_NE(Boxes[0].find("MovieWriter.exe"), std::string::npos);
    EXPECT_EQ(Starts("MovieWriter.exe"), 0);
    EXPECT_EQ(Screen.Cursor(), crDefault);
}

using WaitCursor = TMainWindowTest;

TEST_F(WaitCursor, NestsAndIgnoresAnUnmatchedEnd) {
    Screen.SetCursor(crIBeam);
    EndWaitCursor();
    EXPECT_EQ(WaitCursorCount(), 0);
    EXPECT_EQ(Screen.Cursor(), crIBeam);
    Screen.SetCursor(crDefault);
    BeginWaitCursor();
    BeginWaitCursor();
    EXPECT_EQ(Screen.Cursor(), crHourGlass);
    EXPECT_EQ(win::GetCursor(), win::LoadCursor(win::IDC_WAIT));
    EndWaitCursor();
    EXPECT_EQ(Screen.Cursor(), crHourGlass);
    EndWaitCursor();
    EXPECT_EQ(Screen.Cursor(), crDefault);
    EXPECT_EQ(WaitCursorCount(), 0);
}

} // namespace
} // namespace launchertest
