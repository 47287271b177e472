// Showing, hiding, minimising, maximising and enabling windows.

#include "platform/window/internals.h"

namespace win::detail {

TShowState ShowStateOf(const TWindow& window) {
    if (window.Minimized)
        return TShowState::ssMinimized;
    return window.Maximized ? TShowState::ssMaximized : TShowState::ssNormal;
}

} // namespace win::detail

namespace win {

using namespace detail;

namespace {

// Shows a hidden window; returns false when it was already visible.
bool Reveal(HWND handle) {
    TWindow* window = Find(handle);
    if (window->Style & WS_VISIBLE)
        return false;
    SendMessage(handle, WM_SHOWWINDOW, 1, 0);
    window = Find(handle);
    if (!window)
        return true;
    window->Style |= WS_VISIBLE;
    if (window->IsChild()) {
        InvalidateSurfaceArea(TopLevelOf(*window), VisibleWindowArea(*window));
    } else {
        InvalidateTree(*window);
        Backend().ShowTopLevel(handle, ShowStateOf(*window));
        RaiseTopLevel(handle);
    }
    return true;
}

void Conceal(HWND handle) {
    SendMessage(handle, WM_SHOWWINDOW, 0, 0);
    TWindow* window = Find(handle);
    if (!window || !(window->Style & WS_VISIBLE))
        return;
    const gdi::TRegion area = window->IsChild() ? VisibleWindowArea(*window) : gdi::TRegion();
    window->Style &= ~WS_VISIBLE;
    ReleaseInputState(*window, false);
    if (!Find(handle))
        return;
    if (window->IsChild()) {
        InvalidateSurfaceArea(TopLevelOf(*window), area);
        return;
    }
    Backend().ShowTopLevel(handle, TShowState::ssHidden);
    if (State().Active == handle) {
        ActivateSuccessor(window->Owner);
        if (State().Active == handle)
            Activate(nullptr, WA_INACTIVE);
    }
}

void Minimize(TWindow& window, bool fromBackend) {
    if (window.IsChild() || window.Minimized)
        return;
    window.Minimized = true;
    if (!fromBackend)
        Backend().ShowTopLevel(window.Handle, TShowState::ssMinimized);
    SendSizeMessage(window.Handle);
}

void Restore(TWindow& window, bool fromBackend) {
    const HWND handle = window.Handle;
    if (window.IsChild() || (!window.Minimized && !window.Maximized))
        return;
    const bool wasMaximized = window.Maximized && !window.Minimized;
    window.Minimized = false;
    window.Maximized = false;
    if (!fromBackend)
        Backend().ShowTopLevel(handle, TShowState::ssNormal);
    if (wasMaximized) {
        Reposition(window, nullptr, window.RestoredRect, SWP_NOZORDER | SWP_NOACTIVATE, true);
        return;
    }
    if (TWindow* restored = Find(handle)) {
        InvalidateTree(*restored);
        SendSizeMessage(handle);
    }
}

void Maximize(TWindow& window, bool fromBackend) {
    const HWND handle = window.Handle;
    if (window.IsChild() || !(window.Style & WS_MAXIMIZEBOX) || window.Maximized)
        return;
    window.Minimized = false;
    window.Maximized = true;
    window.RestoredRect = window.Rect;
    if (!fromBackend)
        Backend().ShowTopLevel(handle, TShowState::ssMaximized);
    const SIZE screen = Backend().ScreenSize();
    Reposition(window, nullptr, {0, 0, screen.cx, screen.cy}, SWP_NOZORDER | SWP_NOACTIVATE, true);
}

bool Activates(int command) {
    return command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_MINIMIZE &&
           command != SW_SHOWMINNOACTIVE && command != SW_SHOWMINIMIZED;
}

} // namespace

} // namespace win

namespace win::detail {

void BackendStateChanged(HWND handle, TShowState state) {
    TWindow* window = Find(handle);
    if (!window)
        return;
    if (state == TShowState::ssMinimized)
        Minimize(*window, true);
    else if (state == TShowState::ssMaximized)
        Maximize(*window, true);
    else if (state == TShowState::ssNormal)
        Restore(*window, true);
}

} // namespace win::detail

namespace win {

bool ShowWindow(HWND handle, int command) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    const bool wasVisible = (window->Style & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        if (wasVisible)
            Conceal(handle);
        return wasVisible;
    }
    Reveal(handle);
    if (!(window = Find(handle)))
        return wasVisible;
    switch (command) {
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        Minimize(*window, false);
        break;
    case SW_MAXIMIZE:
        Maximize(*window, false);
        break;
    case SW_RESTORE:
    case SW_SHOWNORMAL:
    case SW_SHOWDEFAULT:
        Restore(*window, false);
        break;
    default:
        break;
    }
    window = Find(handle);
    if (window && !window->IsChild() && Activates(command) && !window->Minimized &&
        !(window->ExStyle & WS_EX_NOACTIVATE))
        Activate(handle, WA_ACTIVE);
    return wasVisible;
}

bool IsWindowVisible(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return false;
    for (const TWindow* current = window; current;
         current = current->IsChild() ? Find(current->Parent) : nullptr) {
        if (!(current->Style & WS_VISIBLE))
            return false;
    }
    return true;
}

bool IsIconic(HWND handle) {
    const TWindow* window = Find(handle);
    return window && window->Minimized;
}

bool IsZoomed(HWND handle) {
    const TWindow* window = Find(handle);
    return window && window->Maximized;
}

bool EnableWindow(HWND handle, bool enable) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    const bool wasDisabled = (window->Style & WS_DISABLED) != 0;
    if (wasDisabled != enable)
        return wasDisabled;
    if (enable) {
        window->Style &= ~WS_DISABLED;
    } else {
        window->Style |= WS_DISABLED;
        ReleaseInputState(*window, true);
    }
    SendMessage(handle, WM_ENABLE, enable ? 1 : 0, 0);
    return wasDisabled;
}

bool IsWindowEnabled(HWND handle) {
    const TWindow* window = Find(handle);
    return window && IsEnabledChain(*window);
}

} // namespace win
