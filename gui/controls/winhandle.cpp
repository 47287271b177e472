// The window of a windowed control: creating and destroying it, and the window procedure
// through which every message of the window system reaches the control.

#include "gui/classes/exceptions.h"
#include "gui/classes/format.h"
#include "gui/controls/controlcanvas.h"
#include "gui/controls/errortexts.h"
#include "gui/controls/hosts.h"
#include "gui/controls/scopeexit.h"
#include "gui/controls/wincontrol.h"
#include "gui/graphics/errortexts.h"

#include <unordered_map>

namespace {

std::unordered_map<win::HWND, TWinControl*>& Windows() {
    static std::unordered_map<win::HWND, TWinControl*> windows;
    return windows;
}

} // namespace

class TWinControl::TProcedure : public win::TWindowProcedure {
public:
    explicit TProcedure(TWinControl& control) : FControl(control) {}
    win::LRESULT WindowProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                            win::LPARAM lParam) override {
        return FControl.MainWndProc(window, message, wParam, lParam);
    }

private:
    TWinControl& FControl;
};

TWinControl* FindControl(win::HWND window) {
    const auto found = Windows().find(window);
    return found == Windows().end() ? nullptr : found->second;
}

TWinControl::TWinControl(TComponent* owner)
    : TControl(owner), FProcedure(std::make_unique<TProcedure>(*this)) {}

TWinControl::~TWinControl() {
    Destroying();
    if (Parent())
        Parent()->RemoveControl(this);
    DestroyHandle();
    while (!FControls.empty())
        delete FControls.back();
}

void TWinControl::HandleNeeded() {
    if (!FHandle)
        CreateHandle();
}

win::HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::CreateHandle() {
    if (Parent())
        Parent()->HandleNeeded();
    if (!FHandle)
        CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) const {
    params.Caption = Text();
    params.Style = win::WS_CHILD | win::WS_CLIPCHILDREN | win::WS_CLIPSIBLINGS;
    if (Visible())
        params.Style |= win::WS_VISIBLE;
    if (!Enabled())
        params.Style |= win::WS_DISABLED;
    if (FTabStop)
        params.Style |= win::WS_TABSTOP;
    params.X = Left();
    params.Y = Top();
    params.Width = Width();
    params.Height = Height();
    params.WndParent = Parent() ? Parent()->FHandle : nullptr;
    params.ClassStyle = win::CS_DBLCLKS;
    params.WinClassName = ClassName();
}

void TWinControl::RegisterWindowClass(const TCreateParams& params) const {
    win::WNDCLASS windowClass;
    windowClass.style = params.ClassStyle;
    windowClass.lpszClassName = params.WinClassName;
    win::RegisterClass(windowClass);
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & win::WS_CHILD) && !params.WndParent)
        throw EInvalidOperation(Format(SParentRequired, Name()));
    RegisterWindowClass(params);
    IncludeState(csCreating);
    const TScopeExit created([this] { ExcludeState(csCreating); });
    const win::HWND window = win::CreateWindowEx(
        params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X, params.Y,
        params.Width, params.Height, params.WndParent, FProcedure.get());
    if (!window)
        throw EOutOfResources(SWindowCreate);
    // New child windows go below their siblings; the last control placed is the topmost.
    if (params.Style & win::WS_CHILD)
        win::SetWindowPos(window, win::HWND_TOP, 0, 0, 0, 0,
                          win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
    CreateChildHandles();
}

void TWinControl::CreateChildHandles() {
    for (TControl* control : std::vector<TControl*>(FControls))
        if (auto* windowed = dynamic_cast<TWinControl*>(control);
            windowed && ContainsControl(control))
            windowed->HandleNeeded();
}

void TWinControl::DestroyHandle() {
    if (FHandle)
        DestroyWnd();
}

void TWinControl::DestroyWnd() {
    FreeDeviceContextsOf(*this);
    win::DestroyWindow(FHandle);
    // A window the window system has already discarded sends no WM_NCDESTROY.
    if (FHandle)
        WindowDestroyed();
}

void TWinControl::WindowDestroyed() {
    Windows().erase(FHandle);
    FHandle = nullptr;
    FMouseControl = nullptr;
}

win::LRESULT TWinControl::MainWndProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                                      win::LPARAM lParam) {
    if (!FHandle) {
        FHandle = window;
        Windows()[window] = this;
    }
    TMessage record{message, wParam, lParam, 0};
    try {
        WndProc(record);
    } catch (...) {
        ApplicationHost().HandleException(this);
    }
    if (message == win::WM_NCDESTROY)
        WindowDestroyed();
    return record.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
    message.Result =
        FHandle ? win::DefWindowProc(FHandle, message.Msg, message.WParam, message.LParam) : 0;
}

void TWinControl::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_PAINT:
        Paint(message);
        return;
    case win::WM_ERASEBKGND:
        EraseMessage(message);
        return;
    case win::WM_PRINTCLIENT:
        PrintClient(message);
        return;
    case win::WM_SIZE:
    case win::WM_MOVE:
        UpdateBounds();
        break;
    case win::WM_SETCURSOR:
        ChooseCursor(message);
        return;
    case win::WM_MOUSEENTER:
        Perform(CM_MOUSEENTER, 0, 0);
        return;
    case win::WM_MOUSELEAVE:
        TrackMouseControl(nullptr);
        Perform(CM_MOUSELEAVE, 0, 0);
        return;
    case win::WM_SETFOCUS:
        if (TFocusHost* form = FocusHostOf(this))
            form->SetFocusedControl(this);
        break;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(message);
        return;
    case CM_FONTCHANGED:
        Invalidate();
        NotifyControls(CM_PARENTFONTCHANGED);
        return;
    case CM_COLORCHANGED:
        Invalidate();
        NotifyControls(CM_PARENTCOLORCHANGED);
        return;
    case CM_BIDIMODECHANGED:
        Invalidate();
        NotifyControls(CM_PARENTBIDIMODECHANGED);
        return;
    case CM_ENABLEDCHANGED:
        if (TFocusHost* form = FocusHostOf(this); form && !Enabled())
            form->DefocusControl(this);
        if (FHandle)
            win::EnableWindow(FHandle, Enabled());
        Invalidate();
        return;
    case CM_VISIBLECHANGED:
        if (FHandle)
            win::ShowWindow(FHandle, Visible() ? win::SW_SHOWNA : win::SW_HIDE);
        return;
    case CM_TEXTCHANGED:
        if (FHandle)
            win::SetWindowText(FHandle, Text());
        return;
    case CM_CURSORCHANGED:
        RefreshCursorUnderPointer();
        return;
    default:
        break;
    }
    if (KeyMessage(message))
        return;
    if (ControlMouseMessage(message))
        return;
    TControl::WndProc(message);
}
