// The launcher's entry: one fixed-size window, centred on the screen, until it is closed.

#include "platform/gdi/owned.h"
#include "platform/gdi/syscolors.h"
#include "platform/window/window.h"

#include <cstdio>
#include <exception>

namespace {

constexpr int ClientWidth = 658;
constexpr int ClientHeight = 478;
constexpr win::DWORD MainStyle = win::WS_CAPTION | win::WS_SYSMENU | win::WS_MINIMIZEBOX;
constexpr const char* Title = "Brenlow";

class TMainWindow : public win::TWindowProcedure {
public:
    win::LRESULT WindowProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override {
        switch (message) {
        case win::WM_PAINT:
            Paint(window);
            return 0;
        case win::WM_DESTROY:
            win::PostQuitMessage(0);
            return 0;
        default:
            return win::DefWindowProc(window, message, wParam, lParam);
        }
    }

private:
    static void Paint(win::HWND window) {
        win::TPaintScope paint(window);
        gdi::LOGFONT description;
        description.lfHeight = -11;
        description.lfFaceName = "Tahoma";
        const gdi::TOwnedFont font(gdi::CreateFontIndirect(description));
        gdi::TSelection selection(paint.DC(), font.Get());
        gdi::SetBkMode(paint.DC(), gdi::TRANSPARENT);
        gdi::SetTextColor(paint.DC(), gdi::GetSysColor(gdi::COLOR_BTNTEXT));
        gdi::TextOut(paint.DC(), 8, 8, Title);
    }
};

int Run() {
    win::UseSdlBackend();
    win::RegisterClass({0, nullptr, gdi::GetSysColorBrush(gdi::COLOR_BTNFACE), "TMainForm"});
    win::RECT outer{0, 0, ClientWidth, ClientHeight};
    win::AdjustWindowRectEx(&outer, MainStyle, 0);
    const int x = (win::GetSystemMetrics(win::SM_CXSCREEN) - outer.Width()) / 2;
    const int y = (win::GetSystemMetrics(win::SM_CYSCREEN) - outer.Height()) / 2;
    TMainWindow procedure;
    const win::HWND main = win::CreateWindowEx(0, "TMainForm", Title, MainStyle, x, y,
                                               outer.Width(), outer.Height(), nullptr, &procedure);
    win::ShowWindow(main, win::SW_SHOWDEFAULT);
    win::MSG message;
    while (win::GetMessage(&message, nullptr, 0, 0) > 0) {
        win::TranslateMessage(&message);
        win::DispatchMessage(&message);
    }
    win::Shutdown();
    return int(message.wParam);
}

} // namespace

int main() {
    try {
        return Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brenlow: %s\n", error.what());
        return 1;
    }
}
