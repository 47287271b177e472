#include "gui/extctrls/panel.h"

#include "gui/controls/controltext.h"
#include "gui/extctrls/frame3d.h"

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
