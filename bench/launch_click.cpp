// The launcher's answer to a click on a tool entry, on the headless window system with the
// tool really started: from the click to the end of the paint that follows it. Each click
// goes to the other of two entries under the pointer, so each one repaints the selection;
// the stand-in tool is a shell script that ends at once. The window stays responsive while
// this stays well under 50 ms.

#include "gui/forms/application.h"
#include "gui/registration.h"
#include "launcher/mainform.h"
#include "platform/window/headless.h"
#include "platform/window/window.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void ClickToPaint(benchmark::State& state) {
    const fs::path folder =
        fs::temp_directory_path() / ("launch_click_" + std::to_string(getpid()));
    fs::create_directories(folder);
    std::ofstream(folder / "FileWriter.exe") << "#!/bin/sh\nexit 0\n";
    fs::permissions(folder / "FileWriter.exe", fs::perms::owner_all);

    win::THeadless& headless = win::UseHeadlessBackend();
    RegisterGuiClasses();
    InitializeLauncher();
    Application.Initialize();
    Application.SetTitle("Brenlow");
    TMainForm* window = Application.CreateForm<TMainForm>();
    window->SetToolFolder(folder.string());
    window->Show();
    Application.ProcessMessages();

    const TListBox& tools = *window->ListBoxData;
    int entry = 0;
    for (auto _ : state) {
        entry = 1 - entry;
        const TRect item = tools.ItemRect(entry);
        const TPoint point = tools.ClientToScreen({item.Left + 200, item.Top + 30});
        headless.Advance(1000);
        headless.Click(point.X, point.Y, win::VK_LBUTTON);
        Application.ProcessMessages();
    }

    Application.DestroyComponents();
    win::Shutdown();
    fs::remove_all(folder);
}
BENCHMARK(ClickToPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
