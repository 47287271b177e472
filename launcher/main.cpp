// The launcher's entry: the main window, until it is closed.

#include "gui/forms/application.h"
#include "launcher/mainform.h"
#include "platform/window/window.h"

#include <cstdio>
#include <exception>

int main() {
    InitializeLauncher();
    try {
        win::UseSdlBackend();
        Application.Initialize();
        Application.SetTitle("Brenlow");
        Application.CreateForm<TMainForm>();
        Application.Run();
        Application.DestroyComponents();
        win::Shutdown();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brenlow: %s\n", error.what());
        return 1;
    }
}
