// A demonstration stand-in for the launcher's tool programs: a small window that says which
// program it stands in for. The build copies it under each tool's name next to the
// launcher, so that choosing a tool starts something visible.

#include "platform/gdi/owned.h"
#include "platform/gdi/syscolors.h"
#include "platform/window/window.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int ClientWidth = 460;
constexpr int ClientHeight = 110;
constexpr win::DWORD Style = win::WS_CAPTION | win::WS_SYSMENU | win::WS_MINIMIZEBOX;

class TDemoWindow : public win::TWindowProcedure {
public:
    explicit TDemoWindow(std::string name) : FName(std::move(name)) {}

    win::LRESULT WindowProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override {
        switch (message) {
        case win::WM_PAINT:
            Paint(window);
            return 0;
        case win::WM_CHAR:
            if (wParam == 13 || wParam == 27)
                win::DestroyWindow(window);
            return 0;
        case win::WM_DESTROY:
            win::PostQuitMessage(0);
            return 0;
        default:
            return win::DefWindowProc(window, message, wParam, lParam);
        }
    }

private:
    void Paint(win::HWND window) const {
        const win::TPaintScope paint(window);
        gdi::LOGFONT description;
        description.lfHeight = -11;
        description.lfFaceName = "Tahoma";
        const gdi::TOwnedFont font(gdi::CreateFontIndirect(description));
        const gdi::TSelection selection(paint.DC(), font.Get());
        gdi::SetBkMode(paint.DC(), gdi::TRANSPARENT);
        gdi::SetTextColor(paint.DC(), gdi::GetSysColor(gdi::COLOR_BTNTEXT));
        const std::vector<std::string> lines = {
            "This is a demonstration stand-in for " + FName + ",",
            "started by the Brenlow launcher. The real tool is not part of this build.",
            "Press Enter or Escape, or close the window, to end it."};
        int y = 16;
        for (const std::string& line : lines) {
            gdi::TextOut(paint.DC(), 16, y, line);
            y += 24;
        }
    }

    std::string FName;
};

int Run(const std::string& name) {
    win::UseSdlBackend();
    win::RegisterClass({0, nullptr, gdi::GetSysColorBrush(gdi::COLOR_BTNFACE), "DemoTool"});
    win::RECT outer{0, 0, ClientWidth, ClientHeight};
    win::AdjustWindowRectEx(&outer, Style, 0);
    const int x = (win::GetSystemMetrics(win::SM_CXSCREEN) - outer.Width()) / 2;
    const int y = (win::GetSystemMetrics(win::SM_CYSCREEN) - outer.Height()) / 3;
    TDemoWindow procedure(name);
    const win::HWND window =
        win::CreateWindowEx(0, "DemoTool", name + " \u2014 demo tool", Style, x, y, outer.Width(),
                            outer.Height(), nullptr, &procedure);
    win::ShowWindow(window, win::SW_SHOWDEFAULT);
    win::MSG message;
    while (win::GetMessage(&message, nullptr, 0, 0) > 0) {
        win::TranslateMessage(&message);
        win::DispatchMessage(&message);
    }
    win::Shutdown();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string name =
        argc > 0 ? std::filesystem::path(argv[0]).filename().string() : std::string("tool");
    try {
        return Run(name);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), error.what());
        return 1;
    }
}
