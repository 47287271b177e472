// The drive window as a program of its own, started by the launcher's "Device Info" entry.

#include "gui/forms/application.h"
#include "gui/registration.h"
#include "launcher/driveprobe/driveform.h"
#include "platform/window/window.h"

#include <cstdio>
#include <exception>

int main() {
    try {
        RegisterGuiClasses();
        TFormDriveProbe::Register();
        win::UseSdlBackend();
        Application.Initialize();
        Application.SetTitle("Device Info");
        Application.CreateForm<TFormDriveProbe>();
        Application.Run();
        Application.DestroyComponents();
        win::Shutdown();
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "DriveProbe.exe: %s\n", error.what());
        return 1;
    }
}
