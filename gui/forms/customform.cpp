// Forms: creation from a layout, the window, focus within the form and dialog keys.

#include "gui/forms/customform.h"

#include "gui/classes/componentresource.h"
#include "gui/classes/exceptions.h"
#include "gui/controls/errortexts.h"
#include "gui/forms/application.h"
#include "gui/forms/screen.h"

#include <algorithm>

TCustomForm* GetParentForm(const TControl* control) {
    return dynamic_cast<TCustomForm*>(HostForm(control));
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), FIcon(std::make_unique<TIcon>()) {
    FIcon->OnChange = [this](TObject*) { ShowIcon(); };
    StoreVisible(false);
    SetParentFont(false);
    SetColor(clBtnFace);
    Screen.FForms.push_back(this);
}

TCustomForm::~TCustomForm() {
    BeforeDestruction();
    // The window outlives this destructor, so it gives the icon handles back first.
    FWindowIcons.Release(WindowHandle());
    std::erase(Screen.FForms, this);
}

void TCustomForm::LoadLayout(std::string_view resourceName) {
    ReadComponentResource(*this, resourceName);
    DoCreate();
}

void TCustomForm::BeforeDestruction() {
    if (FDestructionBegun)
        return;
    FDestructionBegun = true;
    RunHandler(OnDestroy);
    DestroyComponents();
    FFieldResets.clear();
}

void TCustomForm::MissingField(std::string_view name) const {
    throw EComponentError("Component " + std::string(name) + " of " + ClassName() +
                          " not found or of another class");
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == opRemove)
        for (const auto& reset : FFieldResets)
            reset(component);
}

void TCustomForm::RunHandler(const TNotifyEvent& handler) {
    if (!handler)
        return;
    try {
        handler(this);
    } catch (...) {
        Application.HandleException(this);
    }
}

void TCustomForm::DoCreate() {
    RunHandler(OnCreate);
}

void TCustomForm::DoShow() {
    RunHandler(OnShow);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value) {
    SetFrame(FBorderStyle, value);
}

void TCustomForm::SetBorderIcons(TBorderIcons value) {
    SetFrame(FBorderIcons, value);
}

template <class T>
void TCustomForm::SetFrame(T& field, T value) {
    if (value == field)
        return;
    const TRect client = ClientRect();
    field = value;
    const bool existed = HandleAllocated();
    DestroyHandle();
    SetClientSize(client.Width(), client.Height());
    if (!existed)
        return;
    HandleNeeded();
    if (Visible())
        win::ShowWindow(Handle(), win::SW_SHOW);
}

void TCustomForm::CreateParams(TCreateParams& params) const {
    TWinControl::CreateParams(params);
    params.Style = win::WS_CLIPCHILDREN;
    if (!Enabled())
        params.Style |= win::WS_DISABLED;
    switch (FBorderStyle) {
    case bsNone:
        params.Style |= win::WS_POPUP;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        params.Style |= win::WS_CAPTION | win::WS_THICKFRAME;
        break;
    default:
        params.Style |= win::WS_CAPTION;
        break;
    }
    const bool boxes = FBorderStyle == bsSingle || FBorderStyle == bsSizeable;
    if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
        params.Style |= win::WS_SYSMENU;
        if (boxes && FBorderIcons.Contains(biMinimize))
            params.Style |= win::WS_MINIMIZEBOX;
        if (boxes && FBorderIcons.Contains(biMaximize))
            params.Style |= win::WS_MAXIMIZEBOX;
    }
    // A form other than the main one stays above the form that owns it, or the main form.
    params.WndParent = nullptr;
    auto* owner = dynamic_cast<TCustomForm*>(Owner());
    if (owner && owner->HandleAllocated())
        params.WndParent = owner->Handle();
    else if (Application.MainForm() != this)
        params.WndParent = Application.MainFormHandle();
}

void TCustomForm::CreateWnd() {
    // A window is best created where it is to appear: some desktops do not move windows
    // that are not shown yet.
    if (!FPositioned)
        ApplyPosition();
    // The frame the window system gives may differ from the one estimated before the window
    // existed; the client area keeps the size the form was given.
    const TRect expected = ClientRect();
    TWinControl::CreateWnd();
    ShowIcon();
    const TRect actual = ClientRect();
    if (actual != expected)
        SetBounds(Left(), Top(), Width() + expected.Width() - actual.Width(),
                  Height() + expected.Height() - actual.Height());
}

void TCustomForm::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_CLOSE:
        Close();
        return;
    case win::WM_ACTIVATE:
        Activated(message);
        return;
    case CM_DIALOGKEY:
        if (DialogNavigation(message))
            return;
        break;
    case CM_VISIBLECHANGED:
        VisibleChanged();
        return;
    case CM_ICONCHANGED:
        if (FIcon->Empty())
            ShowIcon();
        return;
    case CM_RELEASE:
        delete this;
        return;
    default:
        break;
    }
    TWinControl::WndProc(message);
}

void TCustomForm::VisibleChanged() {
    if (!Visible()) {
        if (HandleAllocated())
            win::ShowWindow(Handle(), win::SW_HIDE);
        return;
    }
    HandleNeeded();
    if (!FPositioned) {
        ApplyPosition();
        FPositioned = true;
    }
    DoShow();
    if (Visible())
        win::ShowWindow(Handle(), win::SW_SHOW);
}

void TCustomForm::ShowIcon() {
    if (HandleAllocated())
        FWindowIcons.Show(WindowHandle(), FIcon->Empty() ? *Application.Icon() : *FIcon);
}

void TCustomForm::ApplyPosition() {
    TRect area = Rect(0, 0, Screen.Width(), Screen.Height());
    const auto over = [&](const TCustomForm* form) {
        if (form && form != this && form->HandleAllocated())
            area = form->BoundsRect();
    };
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        break;
    case poMainFormCenter:
        over(Application.MainForm());
        break;
    case poOwnerFormCenter: {
        const auto* owner = dynamic_cast<const TCustomForm*>(Owner());
        over(owner && owner->HandleAllocated() ? owner : Application.MainForm());
        break;
    }
    default:
        return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2,
              Width(), Height());
}

// ---- Focus ----------------------------------------------------------------------------------

void TCustomForm::Activated(TMessage& message) {
    FActive = win::LOWORD(message.WParam) != win::WA_INACTIVE;
    if (!FActive || win::HIWORD(message.WParam))
        return;
    if (!FActiveControl)
        FActiveControl = FindNextControl(nullptr, true, true, false);
    SetWindowFocus();
}

void TCustomForm::SetWindowFocus() {
    const bool control = FActiveControl && FActiveControl->CanFocus();
    win::SetFocus(control ? FActiveControl->Handle() : Handle());
}

void TCustomForm::SetFocus() {
    if (FActive)
        return;
    if (!Visible() || !Enabled())
        throw EInvalidOperation(SCannotFocus);
    SetWindowFocus();
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    const bool loading = ComponentState().Contains(csLoading);
    if (control &&
        (control == this || GetParentForm(control) != this || (!loading && !control->CanFocus())))
        throw EInvalidOperation(SCannotFocus);
    FActiveControl = control;
    if (!loading && FActive)
        SetWindowFocus();
}

void TCustomForm::FocusControl(TWinControl* control) {
    const bool wasActive = FActive;
    SetActiveControl(control);
    if (!wasActive)
        SetFocus();
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
    TWinControl* old = FFocusedControl;
    FFocusedControl = control;
    if (control != this)
        FActiveControl = control;
    if (old != control) {
        if (old)
            old->Perform(CM_EXIT, 0, 0);
        control->Perform(CM_ENTER, 0, 0);
    }
    Perform(CM_FOCUSCHANGED, 0, win::LPARAM(control));
}

void TCustomForm::DefocusControl(const TControl* control) {
    const auto within = [control](const TControl* candidate) {
        for (; candidate; candidate = candidate->Parent())
            if (candidate == control)
                return true;
        return false;
    };
    if (within(FActiveControl))
        FActiveControl = nullptr;
    if (within(FFocusedControl))
        FFocusedControl = nullptr;
}

// Tab and Shift+Tab move through the tab stops; an arrow moves to the next or previous
// sibling of a control that does not use arrows itself. Ctrl+Tab is left to the controls.
bool TCustomForm::DialogNavigation(TMessage& message) {
    if (win::GetKeyState(int(win::VK_MENU)) < 0)
        return false;
    switch (message.WParam) {
    case win::VK_TAB:
        if (win::GetKeyState(int(win::VK_CONTROL)) < 0)
            return false;
        SelectNext(FActiveControl, win::GetKeyState(int(win::VK_SHIFT)) >= 0, true);
        message.Result = 1;
        return true;
    case win::VK_LEFT:
    case win::VK_RIGHT:
    case win::VK_UP:
    case win::VK_DOWN:
        if (FActiveControl && FActiveControl->Parent())
            FActiveControl->Parent()->SelectNext(
                FActiveControl, message.WParam == win::VK_RIGHT || message.WParam == win::VK_DOWN,
                false);
        message.Result = 1;
        return true;
    default:
        return false;
    }
}
