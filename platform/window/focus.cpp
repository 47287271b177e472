// Activation, keyboard focus and mouse capture.

#include "platform/window/internals.h"

#include <utility>

namespace win::detail {

HWND BlockingWindow(HWND owner) {
    for (HWND handle : State().TopLevels) {
        const TWindow* window = Find(handle);
        if (window->Owner != owner || !IsShown(*window))
            continue;
        if (CanBeActive(*window))
            return handle;
        if (const HWND blocking = BlockingWindow(handle))
            return blocking;
    }
    return nullptr;
}

bool CanBeActive(const TWindow& window) {
    return !window.IsChild() && IsShown(window) && IsEnabledChain(window) &&
           !IsPopup(window.Style) && !(window.ExStyle & WS_EX_NOACTIVATE);
}

bool IsInside(const TWindow& window, HWND candidate) {
    return candidate && (candidate == window.Handle || IsChild(window.Handle, candidate));
}

void Activate(HWND handle, WORD how) {
    auto& state = State();
    TWindow* window = Find(handle);
    if (window && !IsEnabledChain(*window)) {
        // The window the user reached for is blocked by one it owns: bring that forward.
        if (const HWND blocking = BlockingWindow(handle)) {
            Activate(blocking, how);
            RaiseTopLevel(blocking);
        }
        return;
    }
    const HWND old = state.Active;
    if (old == handle)
        return;
    state.Active = handle;
    if (TWindow* previous = Find(old)) {
        SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), LPARAM(handle));
        if (Find(old) && IsInside(*previous, state.Focus))
            SetFocus(nullptr);
    }
    if (Find(handle) && state.Active == handle) {
        RaiseTopLevel(handle);
        SendMessage(handle, WM_ACTIVATE, MAKEWPARAM(how, Find(handle)->Minimized), LPARAM(old));
    }
}

void ActivateSuccessor(HWND owner) {
    if (const TWindow* window = Find(owner); window && CanBeActive(*window)) {
        Activate(owner, WA_ACTIVE);
        return;
    }
    for (HWND candidate : std::vector<HWND>(State().TopLevels)) {
        if (const TWindow* window = Find(candidate); window && CanBeActive(*window)) {
            Activate(candidate, WA_ACTIVE);
            return;
        }
    }
}

void ReleaseInputState(TWindow& window, bool focus) {
    const HWND handle = window.Handle;
    if (IsInside(window, State().Capture))
        ReleaseCapture();
    if (focus && Find(handle) && IsInside(*Find(handle), State().Focus))
        SetFocus(nullptr);
}

void BackendFocusChanged(HWND handle, bool focused) {
    if (!Find(handle))
        return;
    if (focused)
        Activate(handle, WA_ACTIVE);
    else if (State().Active == handle)
        Activate(nullptr, WA_INACTIVE);
}

} // namespace win::detail

namespace win {

using namespace detail;

HWND SetFocus(HWND handle) {
    auto& state = State();
    TWindow* window = Find(handle);
    if (handle && !window)
        return nullptr;
    const HWND before = state.Focus;
    if (handle == before)
        return before;
    if (window && state.Active != TopLevelOf(*window).Handle) {
        Activate(TopLevelOf(*window).Handle, WA_ACTIVE);
        if (!Find(handle) || state.Focus == handle)
            return before;
    }
    const HWND old = std::exchange(state.Focus, handle);
    if (Find(old))
        SendMessage(old, WM_KILLFOCUS, WPARAM(handle), 0);
    if (state.Focus == handle && Find(handle)) {
        TopLevelOf(*Find(handle)).LastFocus = handle;
        SendMessage(handle, WM_SETFOCUS, WPARAM(old), 0);
    }
    return before;
}

HWND GetFocus() {
    return State().Focus;
}

HWND SetActiveWindow(HWND handle) {
    TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    const HWND before = State().Active;
    Activate(TopLevelOf(*window).Handle, WA_ACTIVE);
    return before;
}

HWND GetActiveWindow() {
    return State().Active;
}

HWND SetCapture(HWND handle) {
    auto& state = State();
    if (!Find(handle))
        return nullptr;
    const HWND old = std::exchange(state.Capture, handle);
    if (old != handle) {
        if (Find(old))
            SendMessage(old, WM_CAPTURECHANGED, 0, LPARAM(handle));
        UpdateMouseWindow();
    }
    return old;
}

bool ReleaseCapture() {
    const HWND old = std::exchange(State().Capture, nullptr);
    if (old) {
        if (Find(old))
            SendMessage(old, WM_CAPTURECHANGED, 0, 0);
        UpdateMouseWindow();
    }
    return true;
}

HWND GetCapture() {
    return State().Capture;
}

} // namespace win
