#include "harness.h"

#include "platform/gdi/owned.h"

#include <algorithm>

namespace wintest {

std::string MessageName(UINT message) {
    static const std::map<UINT, std::string> names = {
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_CREATE, "WM_CREATE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_ACTIVATE, "WM_ACTIVATE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_PAINT, "WM_PAINT"},
        {WM_NCPAINT, "WM_NCPAINT"},
        {WM_ERASEBKGND, "WM_ERASEBKGND"},
        {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_CLOSE, "WM_CLOSE"},
        {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
        {WM_LBUTTONUP, "WM_LBUTTONUP"},
        {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
        {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
        {WM_RBUTTONUP, "WM_RBUTTONUP"},
        {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
        {WM_MOUSEENTER, "WM_MOUSEENTER"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_SETCURSOR, "WM_SETCURSOR"},
        {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
        {WM_KEYDOWN, "WM_KEYDOWN"},
        {WM_KEYUP, "WM_KEYUP"},
        {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
        {WM_SYSKEYUP, "WM_SYSKEYUP"},
        {WM_CHAR, "WM_CHAR"},
        {WM_SYSCHAR, "WM_SYSCHAR"},
        {WM_TIMER, "WM_TIMER"},
        {WM_USER, "WM_USER"},
        {WM_COMMAND, "WM_COMMAND"},
    };
    const auto found = names.find(message);
    return found == names.end() ? std::string() : found->second;
}

TLog Only(const TLog& log, std::initializer_list<const char*> messages) {
    TLog kept;
    for (const std::string& entry : log) {
        const std::string message = entry.substr(entry.find(' ') + 1);
        if (std::any_of(messages.begin(), messages.end(),
                        [&](const char* name) { return message == name; }))
            kept.push_back(entry);
    }
    return kept;
}

LRESULT TRecorder::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const std::string name = MessageName(message); !name.empty())
        FLog.push_back(FName + " " + name);
    Last[message] = {window, message, wParam, lParam, 0, {}};
    ++FCounts[message];
    if (const auto handler = Handlers.find(message); handler != Handlers.end())
        return handler->second(window, wParam, lParam);
    return DefWindowProc(window, message, wParam, lParam);
}

int TRecorder::Count(UINT message) const {
    const auto found = FCounts.find(message);
    return found == FCounts.end() ? 0 : found->second;
}

void PaintWith(TRecorder& recorder, gdi::COLORREF colour) {
    recorder.Handlers[WM_PAINT] = [colour](HWND window, WPARAM, LPARAM) {
        TPaintScope paint(window);
        gdi::TOwnedBrush brush(gdi::CreateSolidBrush(colour));
        RECT client;
        GetClientRect(window, &client);
        gdi::FillRect(paint.DC(), client, brush.Get());
        return LRESULT(0);
    };
}

void TWindowTest::SetUp() {
    Headless = &UseHeadlessBackend();
    RegisterClass({CS_DBLCLKS, nullptr, nullptr, "Plain"});
}

void TWindowTest::TearDown() {
    Shutdown();
}

HWND TWindowTest::TopLevel(TRecorder& recorder, RECT client, DWORD style, HWND owner,
                           const char* className) {
    RECT outer = client;
    AdjustWindowRectEx(&outer, style, 0);
    return CreateWindowEx(0, className, "", style, outer.left, outer.top, outer.Width(),
                          outer.Height(), owner, &recorder);
}

HWND TWindowTest::Child(TRecorder& recorder, HWND parent, RECT rect, DWORD style, DWORD exStyle,
                        const char* className) {
    return CreateWindowEx(exStyle, className, "", WS_CHILD | style, rect.left, rect.top,
                          rect.Width(), rect.Height(), parent, &recorder);
}

void TWindowTest::Pump() {
    MSG message;
    while (PeekMessage(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
}

void TWindowTest::Script(std::vector<std::function<void()>> steps) {
    FSteps = std::move(steps);
    FNextStep = 0;
    Headless->SetIdleHook([this] {
        if (FNextStep < FSteps.size())
            FSteps[FNextStep++]();
    });
}

} // namespace wintest
