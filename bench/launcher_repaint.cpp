// Repainting the launcher's main window on the headless window system: the whole window, and
// the pointer moving from one tool entry to the next, which repaints the two entries whose
// highlight changes. Both run to the end of the paints and their presentation.

#include "gui/forms/application.h"
#include "gui/registration.h"
#include "launcher/mainform.h"
#include "platform/window/headless.h"
#include "platform/window/window.h"

#include <benchmark/benchmark.h>

namespace {

class TShownLauncher {
public:
    TShownLauncher() : FHeadless(win::UseHeadlessBackend()) {
        RegisterGuiClasses();
        InitializeLauncher();
        Application.Initialize();
        Application.SetTitle("Brenlow");
        FWindow = Application.CreateForm<TMainForm>();
        FWindow->Show();
        Application.ProcessMessages();
    }
    ~TShownLauncher() {
        Application.DestroyComponents();
        win::Shutdown();
    }
    TShownLauncher(const TShownLauncher&) = delete;
    TShownLauncher& operator=(const TShownLauncher&) = delete;

    win::THeadless& Headless() { return FHeadless; }
    TMainForm& Window() { return *FWindow; }

private:
    win::THeadless& FHeadless;
    TMainForm* FWindow = nullptr;
};

void FullRepaint(benchmark::State& state) {
    TShownLauncher launcher;
    for (auto _ : state) {
        win::InvalidateRect(nullptr, nullptr, true);
        Application.ProcessMessages();
    }
}
BENCHMARK(FullRepaint)->Unit(benchmark::kMicrosecond);

void HoverToNextTool(benchmark::State& state) {
    TShownLauncher launcher;
    const TListBox& tools = *launcher.Window().ListBoxData;
    int entry = 0;
    for (auto _ : state) {
        entry = 1 - entry;
        const TRect item = tools.ItemRect(entry);
        const TPoint point = tools.ClientToScreen({item.Left + 200, item.Top + 30});
        launcher.Headless().MouseMove(point.X, point.Y);
        Application.ProcessMessages();
        if (tools.ItemIndex() != entry) {
            state.SkipWithError("the pointer did not select the entry under it");
            break;
        }
    }
}
BENCHMARK(HoverToNextTool)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
