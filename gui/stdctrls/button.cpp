#include "gui/stdctrls/button.h"

#include "gui/controls/accelerator.h"
#include "gui/controls/controltext.h"
#include "gui/forms/customform.h"
#include "platform/gdi/owned.h"
#include "platform/theme/theme.h"

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
    // A quick second click is a click of its own, and the button paints all of itself.
    SetControlStyle(ControlStyle() - TControlStyle{csDoubleClicks} + TControlStyle{csOpaque});
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColor(clBtnFace);
}

void TButton::SetDefault(bool value) {
    FDefault = value;
    TCustomForm* form = GetParentForm(this);
    if (form && HandleAllocated())
        form->Perform(CM_FOCUSCHANGED, 0, win::LPARAM(form->ActiveControl()));
}

void TButton::Click() {
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    TCustomControl::Click();
}

void TButton::CreateWnd() {
    TCustomControl::CreateWnd();
    FActive = FDefault;
}

void TButton::FocusChanged(const TControl* focused) {
    const bool active = dynamic_cast<const TButton*>(focused) ? focused == this : FDefault;
    if (active == FActive)
        return;
    FActive = active;
    Invalidate();
}

void TButton::SetPressed(bool value) {
    if (value == FPressed)
        return;
    FPressed = value;
    Invalidate();
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGKEY: {
        const bool mine = (message.WParam == win::VK_RETURN && FActive) ||
                          (message.WParam == win::VK_ESCAPE && FCancel);
        if (mine && NoModifierKeys() && CanFocus()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(message.WParam), Caption()) && CanFocus()) {
            Click();
            message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<const TControl*>(message.LParam));
        break;
    case win::WM_KILLFOCUS:
        FSpacePressed = false;
        SetPressed(false);
        Invalidate();
        break;
    case win::WM_SETFOCUS:
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        if (CanFocus())
            SetFocus();
        // A press that does not leave the focus here neither shows nor clicks.
        if (Focused())
            SetPressed(true);
        else
            ExcludeState(csClicked);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
    if (ControlState().Contains(csClicked))
        SetPressed(ClientRect().Contains({x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        SetPressed(false);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(TKey& key, TShiftState shift) {
    if (key == win::VK_SPACE && !shift.Contains(ssAlt)) {
        FSpacePressed = true;
        SetPressed(true);
    }
    TCustomControl::KeyDown(key, shift);
}

void TButton::KeyUp(TKey& key, TShiftState shift) {
    if (key == win::VK_SPACE && FSpacePressed) {
        FSpacePressed = false;
        SetPressed(false);
        Click();
    }
    TCustomControl::KeyUp(key, shift);
}

void TButton::MouseEnter() {
    FMouseOver = true;
    TCustomControl::MouseEnter();
    if (theme::ThemesEnabled())
        Invalidate();
}

void TButton::MouseLeave() {
    FMouseOver = false;
    TCustomControl::MouseLeave();
    if (theme::ThemesEnabled())
        Invalidate();
}

void TButton::DrawFrame(win::HDC dc, TRect& face) const {
    win::RECT rect = ToRECT(face);
    const auto ring = [&](int colour) {
        gdi::FrameRect(dc, rect, gdi::GetSysColorBrush(colour));
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    };
    if (Enabled() && (FActive || Focused()))
        ring(gdi::COLOR_WINDOWFRAME);
    if (FPressed)
        ring(gdi::COLOR_BTNSHADOW);
    else
        win::DrawEdge(dc, &rect, win::EDGE_RAISED, win::BF_RECT | win::BF_ADJUST);
    face = FromRECT(rect);
}

void TButton::DrawCaption(TCanvas& canvas, const TRect& face) const {
    constexpr gdi::UINT Format = gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE;
    canvas.SetFont(*Font());
    // A pressed caption moves one pixel down and to the right.
    const int shift = FPressed && Enabled() ? 1 : 0;
    DrawControlText(
        canvas, Caption(),
        Rect(face.Left + shift, face.Top + shift, face.Right + shift, face.Bottom + shift), Format,
        Font()->Color(), Enabled());
}

void TButton::Paint() {
    if (theme::ThemesEnabled())
        PaintThemed();
    else
        PaintClassic();
}

// The theme's element over the parent's background; the caption stays put when pressed and
// is grey when disabled; the focus frame lies three pixels in.
void TButton::PaintThemed() {
    TCanvas& canvas = *Canvas();
    const TRect client = ClientRect();
    int state = theme::PBS_NORMAL;
    if (!Enabled())
        state = theme::PBS_DISABLED;
    else if (FPressed)
        state = theme::PBS_PRESSED;
    else if (FMouseOver)
        state = theme::PBS_HOT;
    else if (FActive || Focused())
        state = theme::PBS_DEFAULTED;
    const gdi::HDC dc = canvas.Handle();
    const gdi::RECT rect = ToRECT(client);
    if (theme::IsThemeBackgroundPartiallyTransparent(theme::tcButton, theme::BP_PUSHBUTTON, state))
        theme::DrawThemeParentBackground(Handle(), dc, &rect);
    theme::DrawThemeBackground(dc, theme::tcButton, theme::BP_PUSHBUTTON, state, rect);
    canvas.SetFont(*Font());
    DrawControlText(canvas, Caption(), client,
                    gdi::DT_CENTER | gdi::DT_VCENTER | gdi::DT_SINGLELINE,
                    Enabled() ? Font()->Color() : clGrayText, true);
    if (Focused())
        canvas.DrawFocusRect(
            Rect(client.Left + 3, client.Top + 3, client.Right - 3, client.Bottom - 3));
}

void TButton::PaintClassic() {
    TCanvas& canvas = *Canvas();
    TRect face = ClientRect();
    DrawFrame(canvas.Handle(), face);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(face);
    DrawCaption(canvas, face);
    if (Focused()) {
        const TRect client = ClientRect();
        canvas.DrawFocusRect(
            Rect(client.Left + 4, client.Top + 4, client.Right - 4, client.Bottom - 4));
    }
}
