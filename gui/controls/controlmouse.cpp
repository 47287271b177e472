// Mouse input of controls: the one place where mouse messages become MouseDown, MouseMove,
// MouseUp, Click and DblClick, and the mouse capture on behalf of graphic controls.

#include "gui/controls/control.h"
#include "gui/controls/wincontrol.h"

namespace {

// A graphic control that holds the capture through its parent's window.
TControl* CaptureControl = nullptr;

struct TMouseMessage {
    TMouseButton Button = mbLeft;
    bool Down = false;
    bool Up = false;
    bool Double = false;
};

TMouseMessage Decode(win::UINT message) {
    switch (message) {
    case win::WM_LBUTTONDOWN:
        return {mbLeft, true, false, false};
    case win::WM_LBUTTONDBLCLK:
        return {mbLeft, true, false, true};
    case win::WM_LBUTTONUP:
        return {mbLeft, false, true, false};
    case win::WM_RBUTTONDOWN:
        return {mbRight, true, false, false};
    case win::WM_RBUTTONDBLCLK:
        return {mbRight, true, false, true};
    case win::WM_RBUTTONUP:
        return {mbRight, false, true, false};
    case win::WM_MBUTTONDOWN:
        return {mbMiddle, true, false, false};
    case win::WM_MBUTTONDBLCLK:
        return {mbMiddle, true, false, true};
    case win::WM_MBUTTONUP:
        return {mbMiddle, false, true, false};
    default:
        return {};
    }
}

} // namespace

TShiftState MouseShiftState(win::WPARAM keys) {
    TShiftState shift = KeyboardShiftState();
    const auto add = [&](win::WPARAM flag, TShiftStateItem item) {
        if (keys & flag)
            shift.Include(item);
    };
    add(win::MK_LBUTTON, ssLeft);
    add(win::MK_RBUTTON, ssRight);
    add(win::MK_MBUTTON, ssMiddle);
    add(win::MK_SHIFT, ssShift);
    add(win::MK_CONTROL, ssCtrl);
    return shift;
}

TShiftState KeyboardShiftState() {
    TShiftState shift;
    if (win::GetKeyState(int(win::VK_SHIFT)) < 0)
        shift.Include(ssShift);
    if (win::GetKeyState(int(win::VK_CONTROL)) < 0)
        shift.Include(ssCtrl);
    if (win::GetKeyState(int(win::VK_MENU)) < 0)
        shift.Include(ssAlt);
    return shift;
}

bool NoModifierKeys() {
    const TShiftState shift = KeyboardShiftState();
    return !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
}

TControl* GetCaptureControl() {
    TWinControl* holder = FindControl(win::GetCapture());
    if (holder && CaptureControl && CaptureControl->Parent() == holder)
        return CaptureControl;
    return holder;
}

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
    if (value == MouseCapture())
        return;
    win::ReleaseCapture();
    CaptureControl = nullptr;
    if (!value)
        return;
    if (auto* windowed = dynamic_cast<TWinControl*>(this)) {
        win::SetCapture(windowed->Handle());
    } else if (FParent) {
        CaptureControl = this;
        win::SetCapture(FParent->Handle());
    }
}

void TControl::ForgetCapture() {
    if (CaptureControl == this) {
        CaptureControl = nullptr;
        win::ReleaseCapture();
    } else if (GetCaptureControl() == this) {
        win::ReleaseCapture();
    }
}

void TControl::HandleMouse(TMessage& message) {
    const int x = win::GET_X_LPARAM(message.LParam);
    const int y = win::GET_Y_LPARAM(message.LParam);
    TShiftState shift = MouseShiftState(message.WParam);
    const TMouseMessage mouse = Decode(message.Msg);
    if (mouse.Down) {
        if (mouse.Double)
            shift.Include(ssDouble);
        if (mouse.Button == mbLeft) {
            if (FControlStyle.Contains(csCaptureMouse))
                SetMouseCapture(true);
            // Without csDoubleClicks a double click is a second press, which may click.
            const bool asDouble = mouse.Double && FControlStyle.Contains(csDoubleClicks);
            if (FControlStyle.Contains(csClickEvents)) {
                if (asDouble)
                    DblClick();
                else
                    IncludeState(csClicked);
            }
        }
        MouseDown(mouse.Button, shift, x, y);
    } else if (mouse.Up) {
        if (mouse.Button == mbLeft) {
            if (FControlStyle.Contains(csCaptureMouse))
                SetMouseCapture(false);
            if (FControlState.Contains(csClicked)) {
                ExcludeState(csClicked);
                if (ClientRect().Contains({x, y}))
                    Click();
            }
        }
        MouseUp(mouse.Button, shift, x, y);
    } else {
        MouseMove(shift, x, y);
    }
    DefaultHandler(message);
}
