#include "mainwindow.h"

#include <chrono>
#include <thread>

namespace launchertest {

namespace fs = std::filesystem;

void TMainWindowTest::SetUp() {
    TGuiTest::SetUp();
    InitializeLauncher();
}

void TMainWindowTest::Open(const std::string& title) {
    Application.SetTitle(title);
    Window = Application.CreateForm<TMainForm>();
    Window->SetToolFolder(Tools.string());
    Window->Show();
    Pump();
}

void TMainWindowTest::PlaceTool(const std::string& name, fs::perms permissions) {
    testsupport::WriteRecordingProgram(Tools, name, permissions);
}

std::vector<std::string> TMainWindowTest::RecordOf(const std::string& name) const {
    return testsupport::RecordOf(Tools, name);
}

bool TMainWindowTest::Started(const std::string& name) const {
    // A program that was started has had ample time to record once its record is due.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    return fs::exists(Tools / (name + ".record"));
}

TPoint TMainWindowTest::ItemCentre(const TListBox& list, int index) {
    const TRect rect = list.ItemRect(index);
    return {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2};
}

TFormAbout* TMainWindowTest::ShownAbout() {
    for (int i = 0; i < Screen.FormCount(); ++i)
        if (auto* about = dynamic_cast<TFormAbout*>(Screen.Forms(i)); about && about->Showing())
            return about;
    return nullptr;
}

} // namespace launchertest
