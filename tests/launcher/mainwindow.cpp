#include "mainwindow.h"

#include "platform/shell/shell.h"

#include <algorithm>

namespace launchertest {

namespace fs = std::filesystem;

void TMainWindowTest::SetUp() {
    TGuiTest::SetUp();
    InitializeLauncher();
    shell::SetStartReport(
        [this](const std::string& program) { StartedPrograms.push_back(program); });
}

void TMainWindowTest::TearDown() {
    shell::SetStartReport(nullptr);
    TGuiTest::TearDown();
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

int TMainWindowTest::Starts(const std::string& name) const {
    return int(
        std::count_if(StartedPrograms.begin(), StartedPrograms.end(),
                      [&](const std::string& path) { return fs::path(path).filename() == name; }));
}

const TPNGObject& TMainWindowTest::Artwork(const std::string& file) {
    static std::map<std::string, std::unique_ptr<TPNGObject>> images;
    auto& image = images[file];
    if (!image) {
        image = std::make_unique<TPNGObject>();
        image->LoadFromFile(std::string(BRENLOW_ASSETS_DIR) + "/" + file);
    }
    return *image;
}

gdi::COLORREF TMainWindowTest::Blended(const TPNGObject& image, int x, int y,
                                       gdi::COLORREF background) {
    const TColor colour = image.PixelColour(x, y);
    const int a = image.PixelAlpha(x, y);
    const auto blend = [a](int s, int d) {
        return std::uint8_t((s * a + 255 + (255 - a) * d) / 256);
    };
    return gdi::RGB(blend(gdi::GetRValue(colour), gdi::GetRValue(background)),
                    blend(gdi::GetGValue(colour), gdi::GetGValue(background)),
                    blend(gdi::GetBValue(colour), gdi::GetBValue(background)));
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
