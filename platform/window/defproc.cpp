// The default handling of messages.

#include "platform/window/internals.h"

namespace win {

using namespace detail;

namespace {

LRESULT EraseBackground(const TWindow& window, HDC dc) {
    if (!window.Class.hbrBackground)
        return 0;
    RECT client;
    GetClientRect(window.Handle, &client);
    gdi::FillRect(dc, client, window.Class.hbrBackground);
    return 1;
}

// A child asks its parent first, so a parent can decide the cursor over its children;
// a parent consulted for a child leaves the choice to that child.
LRESULT ChooseCursor(const TWindow& window, WPARAM over, LPARAM hit) {
    const HWND handle = window.Handle;
    const HCURSOR classCursor = window.Class.hCursor;
    if (window.IsChild() && SendMessage(window.Parent, WM_SETCURSOR, over, hit))
        return 1;
    if (HWND(over) != handle)
        return 0;
    const bool client = std::int16_t(LOWORD(WPARAM(hit))) == HTCLIENT;
    SetCursor(client && classCursor ? classCursor : LoadCursor(IDC_ARROW));
    return 1;
}

// Gives the focus back to the descendant that had it when the window was last active.
void RestoreFocus(const TWindow& window) {
    const HWND handle = window.Handle;
    const HWND last = window.LastFocus;
    const TWindow* remembered = Find(last);
    const bool usable =
        remembered && IsChild(handle, last) && IsShown(*remembered) && IsEnabledChain(*remembered);
    SetFocus(usable ? last : handle);
}

void SystemCommand(HWND handle, WPARAM command) {
    switch (command & 0xFFF0) {
    case SC_CLOSE:
        SendMessage(handle, WM_CLOSE, 0, 0);
        break;
    case SC_MINIMIZE:
        ShowWindow(handle, SW_MINIMIZE);
        break;
    case SC_MAXIMIZE:
        ShowWindow(handle, SW_MAXIMIZE);
        break;
    case SC_RESTORE:
        ShowWindow(handle, SW_RESTORE);
        break;
    default:
        break;
    }
}

} // namespace

LRESULT DefWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* window = Find(handle);
    if (!window)
        return 0;
    switch (message) {
    case WM_NCCREATE:
        return 1;
    case WM_CLOSE:
        DestroyWindow(handle);
        return 0;
    case WM_PAINT: {
        TPaintScope paint(handle);
        return 0;
    }
    case WM_NCPAINT:
        DrawChildFrame(handle);
        return 0;
    case WM_ERASEBKGND:
        return EraseBackground(*window, reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
        return ChooseCursor(*window, wParam, lParam);
    case WM_SETICON:
        return SetWindowIcon(*window, wParam, reinterpret_cast<commctrl::HICON>(lParam));
    case WM_GETICON:
        return GetWindowIcon(*window, wParam);
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(position->flags & SWP_NOSIZE))
            SendSizeMessage(handle);
        if (!(position->flags & SWP_NOMOVE))
            SendMoveMessage(handle);
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
            RestoreFocus(*window);
        return 0;
    case WM_SYSCOMMAND:
        SystemCommand(handle, wParam);
        return 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4)
            PostMessage(TopLevelOf(*window).Handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    case WM_MOUSEWHEEL:
        return window->IsChild() ? SendMessage(window->Parent, message, wParam, lParam) : 0;
    default:
        return 0;
    }
}

} // namespace win
