// Mouse input: the one place that decides which window receives the pointer's messages.

#include "platform/window/internals.h"

#include <cstdlib>
#include <utility>

namespace win::detail {

namespace {

UINT DownMessage(UINT button) {
    switch (button) {
    case VK_RBUTTON:
        return WM_RBUTTONDOWN;
    case VK_MBUTTON:
        return WM_MBUTTONDOWN;
    default:
        return WM_LBUTTONDOWN;
    }
}

UINT MouseMessage(const TInputEvent& event) {
    switch (event.Kind) {
    case TInputKind::ikMouseDown:
        return DownMessage(event.Key);
    case TInputKind::ikMouseUp:
        return DownMessage(event.Key) + 1; // WM_?BUTTONUP follows WM_?BUTTONDOWN
    case TInputKind::ikWheel:
        return WM_MOUSEWHEEL;
    default:
        return WM_MOUSEMOVE;
    }
}

// Turns a press into a double click when it follows the last press of the same button on
// the same window closely enough in time and place; a double click starts a new count.
UINT CountClick(const TWindow& window, const TInputEvent& event, UINT message) {
    TClick& last = State().LastClick;
    const bool repeated =
        last.Window == window.Handle && last.Button == event.Key &&
        event.Time - last.Time <= GetDoubleClickTime() &&
        std::abs(event.Point.x - last.Point.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
        std::abs(event.Point.y - last.Point.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (repeated && (window.Class.style & CS_DBLCLKS)) {
        last = {};
        return message + 2; // WM_?BUTTONDBLCLK
    }
    last = {window.Handle, event.Key, event.Time, event.Point};
    return message;
}

void ActivateOnPress(const TWindow& window) {
    const TWindow& topLevel = TopLevelOf(window);
    if (topLevel.Handle != State().Active && CanBeActive(topLevel))
        Activate(topLevel.Handle, WA_CLICKACTIVE);
}

// Asks the window under the pointer for its cursor; the arrow where no window takes input.
void AskForCursor(UINT message) {
    const POINT pointer = State().Pointer;
    if (TWindow* under = EnabledWindowAt(pointer)) {
        SendMessage(under->Handle, WM_SETCURSOR, WPARAM(under->Handle),
                    MAKELPARAM(HitTestCode(*under, pointer), message));
        return;
    }
    SetCursor(LoadCursor(IDC_ARROW));
}

} // namespace

TWindow* EnabledWindowAt(POINT screen) {
    TWindow* window = WindowAt(screen);
    return window && IsEnabledChain(*window) ? window : nullptr;
}

WPARAM MouseKeyFlags() {
    const auto& keys = State().KeysDown;
    return (keys[VK_LBUTTON] ? MK_LBUTTON : 0) | (keys[VK_RBUTTON] ? MK_RBUTTON : 0) |
           (keys[VK_MBUTTON] ? MK_MBUTTON : 0) | (keys[VK_SHIFT] ? MK_SHIFT : 0) |
           (keys[VK_CONTROL] ? MK_CONTROL : 0);
}

void UpdateMouseWindow() {
    auto& state = State();
    HWND owner = state.Capture;
    if (!owner && state.PointerKnown && !state.PointerElsewhere) {
        const TWindow* under = EnabledWindowAt(state.Pointer);
        owner = under ? under->Handle : nullptr;
    }
    if (owner == state.MouseWindow)
        return;
    const HWND old = std::exchange(state.MouseWindow, owner);
    if (Find(old))
        SendMessage(old, WM_MOUSELEAVE, 0, 0);
    if (Find(owner) && state.MouseWindow == owner)
        SendMessage(owner, WM_MOUSEENTER, 0, 0);
}

void ConvertMouse(const TInputEvent& event) {
    auto& state = State();
    state.Pointer = event.Point;
    state.PointerKnown = true;
    state.PointerElsewhere = event.Kind == TInputKind::ikMouseLeave;
    if (state.PointerElsewhere) {
        // A press after the pointer visited another program's window starts a new click
        // count, however soon it comes.
        state.LastClick = {};
        UpdateMouseWindow();
        return;
    }
    const UINT message = MouseMessage(event);
    if (event.Kind == TInputKind::ikMouseDown || event.Kind == TInputKind::ikMouseUp)
        SetKeyDown(event.Key, event.Kind == TInputKind::ikMouseDown);
    UpdateMouseWindow();
    if (!state.Capture)
        AskForCursor(message);

    const TWindow* under = EnabledWindowAt(state.Pointer);
    const HWND target = state.Capture ? state.Capture : (under ? under->Handle : nullptr);
    if (event.Kind == TInputKind::ikMouseDown && Find(target))
        ActivateOnPress(*Find(target));
    const TWindow* window = Find(target);
    if (!window || (!state.Capture && HitTestCode(*window, state.Pointer) != HTCLIENT))
        return;
    if (event.Kind == TInputKind::ikWheel) {
        Post({target, message, MAKEWPARAM(int(MouseKeyFlags()), event.Delta),
              MAKELPARAM(event.Point.x, event.Point.y), event.Time, event.Point});
        return;
    }
    const UINT posted =
        event.Kind == TInputKind::ikMouseDown ? CountClick(*window, event, message) : message;
    const POINT origin = ClientOrigin(*window);
    Post({target, posted, MouseKeyFlags(),
          MAKELPARAM(event.Point.x - origin.x, event.Point.y - origin.y), event.Time, event.Point});
}

} // namespace win::detail
