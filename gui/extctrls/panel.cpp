#include "gui/extctrls/panel.h"

#include "gui/controls/controltext.h"

#include <algorithm>

namespace {

void DrawBevel(TCanvas& canvas, TRect& rect, TBevelCut bevel, int width) {
    if (bevel == bvNone)
        return;
    const bool raised = bevel == bvRaised;
    Frame3D(canvas, rect, raised ? clBtnHighlight : clBtnShadow,
            raised ? clBtnShadow : clBtnHighlight, width);
}

} // namespace

void Frame3D(TCanvas& canvas, TRect& rect, TColor topColour, TColor bottomColour, int width) {
    const auto fill = [&](TColor colour, const TRect& area) {
        canvas.Brush().SetColor(colour);
        canvas.FillRect(area);
    };
    for (int ring = 0; ring < width && !rect.IsEmpty(); ++ring) {
        const TRect r = rect;
        fill(topColour, Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
        fill(topColour, Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
        fill(bottomColour, Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        fill(bottomColour, Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        rect = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csOpaque, csReplicatable});
    SetBounds(0, 0, 185, 41);
    SetColor(clBtnFace);
}

template <class T>
void TPanel::Change(T& field, const T& value) {
    if (field == value)
        return;
    field = value;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut value) {
    Change(FBevelInner, value);
}

void TPanel::SetBevelOuter(TBevelCut value) {
    Change(FBevelOuter, value);
}

void TPanel::SetBevelWidth(int value) {
    Change(FBevelWidth, std::max(1, value));
}

void TPanel::SetBorderWidth(int value) {
    Change(FBorderWidth, std::max(0, value));
}

void TPanel::SetAlignment(TAlignment value) {
    Change(FAlignment, value);
}

void TPanel::WndProc(TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED)
        Invalidate();
    TCustomControl::WndProc(message);
}

void TPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect rect = ClientRect();
    DrawBevel(canvas, rect, FBevelOuter, FBevelWidth);
    Frame3D(canvas, rect, Color(), Color(), FBorderWidth);
    DrawBevel(canvas, rect, FBevelInner, FBevelWidth);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(rect);
    if (Caption().empty())
        return;
    gdi::UINT format = gdi::DT_EXPANDTABS | gdi::DT_VCENTER | gdi::DT_SINGLELINE;
    if (FAlignment == taCenter)
        format |= gdi::DT_CENTER;
    else if (FAlignment == taRightJustify)
        format |= gdi::DT_RIGHT;
    canvas.SetFont(*Font());
    DrawControlText(canvas, Caption(), rect, format, Font()->Color(), Enabled());
}
