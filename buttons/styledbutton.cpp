#include "buttons/styledbutton.h"

#include "buttons/parentimage.h"
#include "gui/classes/reader.h"
#include "gui/controls/accelerator.h"
#include "gui/controls/scopeexit.h"
#include "gui/stdctrls/button.h"

namespace {

bool IsPushButton(const TControl* control) {
    return dynamic_cast<const TStyledButton*>(control) || dynamic_cast<const TButton*>(control);
}

} // namespace

TStyledButton::TStyledButton(TComponent* owner) : TCustomStyledButton(owner) {
    SetBounds(0, 0, 75, 25);
    SetColor(clBtnFace);
}

void TStyledButton::SetDefault(bool value) {
    FDefault = value;
    // Every button of the form works out again which of them Enter clicks.
    TCustomForm* form = GetParentForm(this);
    if (form && HandleAllocated())
        form->Perform(CM_FOCUSCHANGED, 0, win::LPARAM(form->ActiveControl()));
}

void TStyledButton::SetAllowAllUp(bool value) {
    if (value == FAllowAllUp)
        return;
    FAllowAllUp = value;
    NotifyGroup();
}

void TStyledButton::SetGroupIndex(int value) {
    if (value == FGroupIndex)
        return;
    FGroupIndex = value;
    NotifyGroup();
}

void TStyledButton::SetDown(bool value) {
    if (FGroupIndex == 0)
        value = false;
    // The down button of a group that must keep one down cannot be raised by itself.
    if (value == FDown || (FDown && !FAllowAllUp && FGroupIndex != 0))
        return;
    FDown = value;
    FLatchState = value ? lsExclusive : lsUp;
    Invalidate();
    if (value)
        NotifyGroup();
}

void TStyledButton::NotifyGroup() {
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message{CM_BUTTONGROUPDOWN, win::WPARAM(FGroupIndex), win::LPARAM(this), 0};
    Parent()->Broadcast(message);
}

void TStyledButton::GroupDown(const TStyledButton& sender) {
    if (&sender == this || sender.FGroupIndex != FGroupIndex)
        return;
    if (sender.FDown && FDown) {
        FDown = false;
        FLatchState = lsUp;
        Invalidate();
    }
    FAllowAllUp = sender.FAllowAllUp;
}

void TStyledButton::SetHotTrack(bool value) {
    TCustomStyledButton::SetHotTrack(value);
    SetTransparent(value);
    InvalidateRect(ClientRect(), true);
}

void TStyledButton::RaiseClick() {
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    Click();
}

void TStyledButton::PerformButtonClick() {
    if (FGroupIndex != 0)
        SetDown(!FDown);
    else
        InvalidateButton();
    FClicking = true;
    const TScopeExit clicked([this] { FClicking = false; });
    RaiseClick();
}

void TStyledButton::CreateWnd() {
    TCustomStyledButton::CreateWnd();
    FActive = FDefault;
}

void TStyledButton::FocusChanged(const TControl* focused) {
    const bool active = IsPushButton(focused) ? focused == this : FDefault;
    if (active == FActive)
        return;
    FActive = active;
    RepaintButton();
}

bool TStyledButton::DialogKey(const TMessage& message) {
    const bool mine = (message.WParam == win::VK_RETURN && FActive) ||
                      (message.WParam == win::VK_ESCAPE && FCancel);
    if (!mine || !NoModifierKeys() || !CanFocus())
        return false;
    FDropDownSuppressed = !FDropDownOnEnter;
    const TScopeExit clicked([this] { FDropDownSuppressed = false; });
    RaiseClick();
    return true;
}

void TStyledButton::WndProc(TMessage& message) {
    const bool destroying = ComponentState().Contains(csDestroying);
    switch (message.Msg) {
    case CM_DIALOGKEY:
        if (DialogKey(message)) {
            message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(message.WParam), Caption()) && CanFocus()) {
            RaiseClick();
            message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        if (destroying)
            return;
        FocusChanged(reinterpret_cast<const TControl*>(message.LParam));
        break;
    case CM_BUTTONGROUPDOWN:
        if (int(message.WParam) == FGroupIndex)
            if (const auto* sender = reinterpret_cast<const TStyledButton*>(message.LParam))
                GroupDown(*sender);
        return;
    case win::WM_KILLFOCUS:
        TCustomStyledButton::WndProc(message);
        if (!destroying) {
            // A Space press in progress ends without a click.
            FKeyToggle = false;
            SetPressedLook(false);
            InvalidateButton();
        }
        return;
    default:
        break;
    }
    TCustomStyledButton::WndProc(message);
}

void TStyledButton::CancelPress() {
    FKeyToggle = false;
    TCustomStyledButton::CancelPress();
}

void TStyledButton::KeyDown(TKey& key, TShiftState shift) {
    if (key == win::VK_SPACE && !shift.Contains(ssAlt)) {
        FKeyToggle = true;
        SetPressedLook(true);
        InvalidateButton();
    }
    TCustomStyledButton::KeyDown(key, shift);
}

void TStyledButton::KeyUp(TKey& key, TShiftState shift) {
    if (key == win::VK_SPACE) {
        SetPressedLook(false);
        // Only the release of a press that began here clicks.
        if (std::exchange(FKeyToggle, false))
            PerformButtonClick();
        InvalidateButton();
    }
    TCustomStyledButton::KeyUp(key, shift);
}

void TStyledButton::DefineProperties(TFiler& filer) {
    TCustomStyledButton::DefineProperties(filer);
    filer.DefineProperty(
        "FrameFlat", [this](TReader& reader) { SetHotTrack(reader.ReadBoolean()); }, nullptr,
        false);
}

// The parent shows in the three-pixel corners of an enabled button, and in the outermost
// ring of a disabled one as well.
void TStyledButton::EraseToParent(win::HDC dc) {
    if (!Transparent())
        return;
    const int inset = Enabled() ? 1 : 2;
    const TRect client = ClientRect();
    TRect r =
        Rect(client.Left + inset, client.Top + inset, client.Right - inset, client.Bottom - inset);
    gdi::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    r = Rect(r.Left - 1, r.Top + 1, r.Right + 1, r.Bottom - 1);
    gdi::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    r = Rect(r.Left + 2, r.Top - 2, r.Right - 2, r.Bottom + 2);
    gdi::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom);
    const TScopeExit reset([dc] { gdi::SelectClipRgn(dc, nullptr); });
    PaintParentImage(*this, dc, true);
}
