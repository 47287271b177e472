#include "gui/forms/application.h"

#include "gui/classes/exceptions.h"
#include "gui/controls/controlcanvas.h"
#include "gui/controls/scopeexit.h"
#include "gui/forms/screen.h"
#include "platform/resources/resources.h"
#include "platform/window/window.h"

#include <cctype>
#include <filesystem>
#include <system_error>

TApplication& Application = *new TApplication;

namespace {

std::string ExecutableName() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : executable.stem().string();
}

} // namespace

TApplication::TApplication()
    : TComponent(nullptr), FTitle(ExecutableName()), FIcon(std::make_unique<TIcon>()) {
    FIcon->OnChange = [this](TObject*) { IconChanged(); };
    InstallApplicationHost(*this);
}

TCursor TApplication::ScreenCursor() const {
    return Screen.Cursor();
}

win::HCURSOR TApplication::CursorHandle(TCursor id) const {
    return Screen.Cursors(id);
}

void TApplication::Initialize() {
    FTerminated = false;
    LoadIcon();
}

void TApplication::LoadIcon() {
    TIcon icon;
    const auto data = resources::FindResource(MainIconResource);
    if (!data.empty()) {
        TReadOnlyMemoryStream stream(data.data(), std::int64_t(data.size()));
        try {
            icon.LoadFromStream(stream);
        } catch (const EInvalidGraphic&) {
            // The icon stays empty: windows then show the desktop's default icon.
        }
    }
    FIcon->Assign(&icon);
}

void TApplication::IconChanged() {
    for (int i = 0; i < Screen.FormCount(); ++i)
        Screen.Forms(i)->Perform(CM_ICONCHANGED, 0, 0);
}

win::HWND TApplication::MainFormHandle() const {
    return FMainForm && FMainForm->HandleAllocated() ? FMainForm->Handle() : nullptr;
}

void TApplication::Run() {
    if (!FMainForm)
        return;
    try {
        FMainForm->Show();
    } catch (...) {
        HandleException(this);
    }
    while (!FTerminated) {
        try {
            HandleMessage();
        } catch (...) {
            HandleException(this);
        }
    }
}

void TApplication::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void TApplication::HandleMessage() {
    if (!ProcessMessage())
        win::WaitMessage();
}

bool TApplication::ProcessMessage() {
    win::MSG message;
    if (!win::PeekMessage(&message, nullptr, 0, 0, win::PM_REMOVE))
        return false;
    if (message.message == win::WM_QUIT) {
        FTerminated = true;
        return true;
    }
    const TScopeExit release([] { FreeDeviceContexts(); });
    if (!IsKeyMessage(message)) {
        win::TranslateMessage(&message);
        win::DispatchMessage(&message);
    }
    return true;
}

bool TApplication::IsKeyMessage(const win::MSG& message) {
    if (message.message < win::WM_KEYFIRST || message.message > win::WM_KEYLAST ||
        !FindControl(message.hwnd))
        return false;
    return win::SendMessage(message.hwnd, CN_BASE + message.message, message.wParam,
                            message.lParam) != 0;
}

void TApplication::Terminate() {
    win::PostQuitMessage(0);
}

void TApplication::HandleException(TObject*) {
    try {
        throw;
    } catch (const win::EMessageLoopBlocked&) {
        throw;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowException(Exception("An unknown error occurred"));
    }
}

void TApplication::ShowException(const std::exception& error) {
    std::string text = error.what();
    if (!text.empty() && std::isalnum(static_cast<unsigned char>(text.back())))
        text += '.';
    win::MessageBox(MainFormHandle(), text, FTitle, win::MB_OK | win::MB_ICONERROR);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FMainForm)
        FMainForm = nullptr;
}
