// Mouse input of windowed controls: passing it on to graphic children, the pointer entering
// and leaving them, and the cursor.

#include "gui/controls/hosts.h"
#include "gui/controls/wincontrol.h"

namespace {

bool IsButtonOrMove(win::UINT message) {
    return message >= win::WM_MOUSEMOVE && message <= win::WM_MBUTTONDBLCLK;
}

bool IsWindowed(const TControl* control) {
    return dynamic_cast<const TWinControl*>(control) != nullptr;
}

} // namespace

bool TWinControl::ControlMouseMessage(TMessage& message) {
    if (!IsButtonOrMove(message.Msg))
        return false;
    const TPoint point{win::GET_X_LPARAM(message.LParam), win::GET_Y_LPARAM(message.LParam)};
    TControl* under = ControlAtPos(point, false);
    if (message.Msg == win::WM_MOUSEMOVE)
        TrackMouseControl(under);
    // A graphic child that captured the mouse gets it wherever the pointer is; while the
    // window captured it for itself, it keeps it.
    TControl* capture = GetCaptureControl();
    TControl* target = under;
    if (capture == this)
        target = nullptr;
    else if (capture && capture->Parent() == this && !IsWindowed(capture))
        target = capture;
    if (!target)
        return false;
    message.Result =
        target->Perform(message.Msg, message.WParam,
                        win::MAKELPARAM(point.X - target->Left(), point.Y - target->Top()));
    return true;
}

void TWinControl::TrackMouseControl(TControl* control) {
    if (control == FMouseControl)
        return;
    TControl* old = FMouseControl;
    FMouseControl = control;
    if (old)
        old->Perform(CM_MOUSELEAVE, 0, 0);
    if (control && FMouseControl == control)
        control->Perform(CM_MOUSEENTER, 0, 0);
}

void TWinControl::ChooseCursor(TMessage& message) {
    const bool own = reinterpret_cast<win::HWND>(message.WParam) == FHandle;
    if (own && win::LOWORD(win::WPARAM(message.LParam)) == win::HTCLIENT) {
        TCursor cursor = ApplicationHost().ScreenCursor();
        if (cursor == crDefault) {
            win::POINT pointer;
            win::GetCursorPos(&pointer);
            const TControl* under = ControlAtPos(ScreenToClient({pointer.x, pointer.y}), false);
            if (under)
                cursor = under->Cursor();
            if (cursor == crDefault)
                cursor = Cursor();
        }
        if (cursor != crDefault) {
            win::SetCursor(ApplicationHost().CursorHandle(cursor));
            message.Result = 1;
            return;
        }
    }
    DefaultHandler(message);
}

void RefreshCursorUnderPointer() {
    win::POINT pointer;
    win::GetCursorPos(&pointer);
    const win::HWND window = win::WindowFromPoint(pointer);
    if (!window) {
        win::SetCursor(ApplicationHost().CursorHandle(crDefault));
        return;
    }
    win::POINT local = pointer;
    win::ScreenToClient(window, &local);
    win::RECT client;
    win::GetClientRect(window, &client);
    const bool inside = local.x >= client.left && local.x < client.right && local.y >= client.top &&
                        local.y < client.bottom;
    win::SendMessage(window, win::WM_SETCURSOR, win::WPARAM(window),
                     win::MAKELPARAM(inside ? win::HTCLIENT : win::HTNOWHERE, win::WM_MOUSEMOVE));
}
