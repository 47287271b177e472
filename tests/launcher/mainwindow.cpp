#include "mainwindow.h"

#include <chrono>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace launchertest {

namespace fs = std::filesystem;

void TMainWindowTest::SetUp() {
    TGuiTest::SetUp();
    InitializeLauncher();
    Tools = fs::temp_directory_path() /
            ("launcher_test_" + std::to_string(getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(Tools);
    fs::create_directories(Tools);
}

void TMainWindowTest::TearDown() {
    TGuiTest::TearDown();
    fs::remove_all(Tools);
}

void TMainWindowTest::Open(const std::string& title) {
    Application.SetTitle(title);
    Window = Application.CreateForm<TMainForm>();
    Window->SetToolFolder(Tools.string());
    Window->Show();
    Pump();
}

void TMainWindowTest::PlaceTool(const std::string& name, fs::perms permissions) {
    const fs::path script = Tools / name;
    const fs::path partial = Tools / (name + ".tmp");
    // Written under another name and renamed, so a reader never sees half of it.
    std::ofstream(script) << "#!/bin/sh\n"
                          << "{ echo \"$#\"; for a in \"$@\"; do echo \"$a\"; done; pwd; } > '"
                          << partial.string() << "'\n"
                          << "mv '" << partial.string() << "' '"
                          << (Tools / (name + ".record")).string() << "'\n";
    fs::permissions(script, permissions);
}

std::vector<std::string> TMainWindowTest::RecordOf(const std::string& name) const {
    const fs::path record = Tools / (name + ".record");
    for (int i = 0; i < 200 && !fs::exists(record); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream stream(record);
    std::vector<std::string> lines;
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
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

} // namespace launchertest
