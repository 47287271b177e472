#include "buttons/custombutton.h"

#include "buttons/captiontext.h"
#include "buttons/colors.h"
#include "platform/theme/theme.h"

TCustomStyledButton::TCustomStyledButton(TComponent* owner) : TCustomControl(owner) {
    // The button raises its clicks itself; a double click is a second press. It is not
    // opaque: the background is erased (or the parent painted) before it paints.
    SetControlStyle({csCaptureMouse, csReplicatable, csReflector});
    SetBounds(0, 0, 115, 17);
    SetTabStop(true);
}

void TCustomStyledButton::EraseToParent(win::HDC) {}

bool TCustomStyledButton::UsesThemes() const {
    return FThemeAware && theme::ThemesEnabled();
}

void TCustomStyledButton::EraseBackground(win::HDC dc) {
    if (FTransparent)
        EraseToParent(dc);
    else
        TCustomControl::EraseBackground(dc);
}

void TCustomStyledButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case win::WM_SETFOCUS:
    case win::WM_KILLFOCUS:
        TCustomControl::WndProc(message);
        RepaintButton();
        return;
    case CM_ENABLEDCHANGED:
        if (!Enabled())
            CancelPress();
        break;
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(message);
        RepaintButton();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

void TCustomStyledButton::CancelPress() {
    if (!FDragging && !FPressedLook)
        return;
    FDragging = false;
    FPressedLook = false;
    SetMouseCapture(false);
    InvalidateButton();
}

void TCustomStyledButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (CanFocus())
        SetFocus();
    // A press that does not leave the focus here neither shows nor clicks.
    if (!Focused())
        return;
    FPressedLook = true;
    InvalidateButton();
    FDragging = true;
}

void TCustomStyledButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!FDragging)
        return;
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y < ClientHeight();
    if (inside == FPressedLook)
        return;
    FPressedLook = inside;
    InvalidateButton();
}

void TCustomStyledButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (!FDragging)
        return;
    FDragging = false;
    FPressedLook = false;
    if (ClientRect().Contains({x, y}))
        PerformButtonClick();
    InvalidateButton();
}

void TCustomStyledButton::MouseEnter() {
    if (ComponentState().Contains(csDesigning))
        return;
    FMouseOver = true;
    TCustomControl::MouseEnter();
    InvalidateHotTrack();
}

void TCustomStyledButton::MouseLeave() {
    FMouseOver = false;
    TCustomControl::MouseLeave();
    InvalidateHotTrack();
}

// Only the looks that light up under the pointer repaint for it.
void TCustomStyledButton::InvalidateHotTrack() {
    if (FHotTrack || UsesThemes())
        InvalidateRect(GetHotTrackRect(), false);
}

void TCustomStyledButton::DrawCaptionText(TCanvas& canvas, TRect rect, gdi::UINT flags) {
    canvas.Brush().SetStyle(bsClear);
    canvas.SetFont(*Font());
    TRect measured = rect;
    const int height = DrawCaptionOnCanvas(canvas, Caption(), measured,
                                           gdi::DT_CALCRECT | gdi::DT_CENTER | gdi::DT_VCENTER |
                                               gdi::DT_WORDBREAK | gdi::DT_EXPANDTABS);
    switch (FAlignmentVertical) {
    case avTop:
        rect.Bottom = rect.Top + height;
        break;
    case avCenter:
        rect.Top = (rect.Top + rect.Bottom - height) / 2;
        rect.Bottom = rect.Top + height;
        break;
    case avBottom:
        rect.Top = rect.Bottom - height - 1;
        break;
    }
    if (UseRightToLeftAlignment())
        flags |= gdi::DT_RTLREADING;
    const auto draw = [&](int dx, int dy, TColor colour) {
        TRect moved = Rect(rect.Left + dx, rect.Top + dy, rect.Right + dx, rect.Bottom + dy);
        canvas.Font().SetColor(colour);
        DrawCaptionOnCanvas(canvas, Caption(), moved, flags);
    };
    const bool rightAligned = (flags & gdi::DT_RIGHT) != 0;
    if (Enabled()) {
        if (FTextStyle == tsRaised || FTextStyle == tsRecessed) {
            const bool raised = FTextStyle == tsRaised;
            const TColor light = raised ? FTextHighlightColor : FTextShadowColor;
            const TColor dark = raised ? FTextShadowColor : FTextHighlightColor;
            if (!raised || !FLightTextStyle)
                draw(1, 1, dark);
            if (raised || !FLightTextStyle)
                draw(-1, -1, light);
        } else if (FTextStyle == tsShadow) {
            draw(rightAligned ? 0 : FTextShadowDepth, FTextShadowDepth, FTextShadowColor);
        }
        // Room for the shadow beyond the right edge, whatever the style.
        if (rightAligned) {
            rect.Left -= FTextShadowDepth;
            rect.Right -= FTextShadowDepth;
        }
        draw(0, 0, Font()->Color());
    } else {
        draw(0, 0, ColorsIndistinct(Color(), clGrayText) ? cl3DDkShadow : clGrayText);
    }
    canvas.Brush().SetStyle(bsSolid);
}
