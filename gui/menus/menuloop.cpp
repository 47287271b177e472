// Popup menus: the window's life and the modal loop that takes the input while it shows.

#include "gui/classes/exceptions.h"
#include "gui/controls/accelerator.h"
#include "gui/controls/controlcanvas.h"
#include "gui/controls/errortexts.h"
#include "gui/forms/application.h"
#include "gui/menus/menutracker.h"

#include <utility>
#include <vector>

namespace {

bool IsKeyInput(win::UINT message) {
    return message >= win::WM_KEYFIRST && message <= win::WM_KEYLAST;
}

bool IsMouseInput(win::UINT message) {
    return message >= win::WM_MOUSEFIRST && message <= win::WM_MOUSELAST;
}

bool IsPress(win::UINT message) {
    switch (message) {
    case win::WM_LBUTTONDOWN:
    case win::WM_RBUTTONDOWN:
    case win::WM_MBUTTONDOWN:
    case win::WM_LBUTTONDBLCLK:
    case win::WM_RBUTTONDBLCLK:
    case win::WM_MBUTTONDBLCLK:
        return true;
    default:
        return false;
    }
}

} // namespace

int TrackMenu(const std::vector<TMenuLine>& lines, TPoint at) {
    TMenuTracker tracker(lines);
    return tracker.Run(at);
}

TMenuTracker::TMenuTracker(const std::vector<TMenuLine>& lines) : FLines(lines) {
    Measure();
}

TMenuTracker::~TMenuTracker() {
    if (FWindow)
        win::DestroyWindow(FWindow);
}

int TMenuTracker::Run(TPoint at) {
    win::RegisterClass({0, nullptr, nullptr, PopupMenuWindowClass});
    const TRect place = Placement(at);
    const win::HWND owner =
        win::GetActiveWindow() ? win::GetActiveWindow() : Application.MainFormHandle();
    FWindow = win::CreateWindowEx(0, PopupMenuWindowClass, "", win::WS_POPUP, place.Left, place.Top,
                                  place.Width(), place.Height(), owner, this);
    if (!FWindow)
        throw EOutOfResources(SWindowCreate);
    win::ShowWindow(FWindow, win::SW_SHOWNA);
    win::SetCapture(FWindow);
    Loop();
    if (win::GetCapture() == FWindow)
        win::ReleaseCapture();
    win::DestroyWindow(std::exchange(FWindow, nullptr));
    return FChosen;
}

void TMenuTracker::Loop() {
    const win::HWND active = win::GetActiveWindow();
    while (!FDone) {
        win::MSG message;
        if (!win::PeekMessage(&message, nullptr, 0, 0, win::PM_REMOVE)) {
            win::WaitMessage();
            continue;
        }
        if (message.message == win::WM_QUIT) {
            // The program is ending: the loop outside sees the request again.
            win::PostQuitMessage(int(message.wParam));
            return;
        }
        if (!TakeInput(message)) {
            win::DispatchMessage(&message);
            FreeDeviceContexts();
        }
        if (win::GetCapture() != FWindow || win::GetActiveWindow() != active)
            FDone = true;
    }
}

win::LRESULT TMenuTracker::WindowProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    try {
        switch (message) {
        case win::WM_PAINT:
            Paint();
            return 0;
        case win::WM_ERASEBKGND:
            return 1;
        case win::WM_CAPTURECHANGED:
        case win::WM_CANCELMODE:
            FDone = true;
            return 0;
        default:
            break;
        }
    } catch (...) {
        Application.HandleException(nullptr);
    }
    return win::DefWindowProc(window, message, wParam, lParam);
}

bool TMenuTracker::TakeInput(const win::MSG& message) {
    if (IsKeyInput(message.message)) {
        if (message.message == win::WM_KEYDOWN || message.message == win::WM_SYSKEYDOWN)
            KeyDown(message.wParam);
        else if (message.message == win::WM_CHAR || message.message == win::WM_SYSCHAR)
            Character(char32_t(message.wParam));
        return true;
    }
    if (!IsMouseInput(message.message))
        return false;
    if (message.hwnd == FWindow && message.message != win::WM_MOUSEWHEEL)
        Mouse(message.message,
              {win::GET_X_LPARAM(message.lParam), win::GET_Y_LPARAM(message.lParam)});
    return true;
}

void TMenuTracker::KeyDown(win::WPARAM key) {
    const int count = int(FLines.size());
    switch (key) {
    case win::VK_UP:
        Select(Step(FSelected < 0 ? count : FSelected, -1));
        break;
    case win::VK_DOWN:
        Select(Step(FSelected, +1));
        break;
    case win::VK_HOME:
        Select(Step(-1, +1));
        break;
    case win::VK_END:
        Select(Step(count, -1));
        break;
    case win::VK_RETURN:
        Choose(FSelected);
        break;
    case win::VK_ESCAPE:
        FDone = true;
        break;
    default:
        break;
    }
}

// With one item of that accelerator the item is chosen; with several, the highlight moves
// to the next of them.
void TMenuTracker::Character(char32_t character) {
    std::vector<int> matches;
    for (int i = 0; i < int(FLines.size()); ++i) {
        const TMenuLine& line = FLines[std::size_t(i)];
        if (!line.Separator && IsAccel(character, line.Caption))
            matches.push_back(i);
    }
    if (matches.size() == 1) {
        Select(matches.front());
        Choose(matches.front());
        return;
    }
    for (int index : matches) {
        if (index > FSelected) {
            Select(index);
            return;
        }
    }
    if (!matches.empty())
        Select(matches.front());
}

void TMenuTracker::Mouse(win::UINT message, const TPoint& point) {
    const bool inside = Rect(0, 0, FWidth, FHeight).Contains(point);
    if (!inside && IsPress(message)) {
        FDone = true;
        return;
    }
    const int line = LineAt(point);
    Select(line);
    if (message == win::WM_LBUTTONUP || message == win::WM_RBUTTONUP)
        Choose(line);
}

int TMenuTracker::Step(int from, int direction) const {
    const int count = int(FLines.size());
    int index = from;
    for (int step = 0; step < count; ++step) {
        index = ((index + direction) % count + count) % count;
        if (!FLines[std::size_t(index)].Separator)
            return index;
    }
    return -1;
}

void TMenuTracker::Select(int index) {
    if (index == FSelected)
        return;
    FSelected = index;
    win::InvalidateRect(FWindow, nullptr, false);
}

void TMenuTracker::Choose(int index) {
    if (index < 0 || !FLines[std::size_t(index)].Enabled)
        return;
    FChosen = index;
    FDone = true;
}
