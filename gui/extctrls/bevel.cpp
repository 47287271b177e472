#include "gui/extctrls/bevel.h"

#include "gui/extctrls/frame3d.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable});
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape value) {
    if (value == FShape)
        return;
    FShape = value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle value) {
    if (value == FStyle)
        return;
    FStyle = value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas& canvas = *Canvas();
    const TColor first = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    const TColor second = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const int w = Width();
    const int h = Height();
    const auto fill = [&](TColor colour, const TRect& rect) {
        canvas.Brush().SetColor(colour);
        canvas.FillRect(rect);
    };
    const auto box = [&](TRect r, TColor topLeft, TColor bottomRight) {
        Frame3D(canvas, r, topLeft, bottomRight, 1);
    };
    switch (FShape) {
    case bsBox:
        box(Rect(0, 0, w, h), first, second);
        break;
    case bsFrame:
        box(Rect(1, 1, w, h), second, second);
        box(Rect(0, 0, w - 1, h - 1), first, first);
        break;
    case bsTopLine:
        fill(first, Rect(0, 0, w, 1));
        fill(second, Rect(0, 1, w, 2));
        break;
    case bsBottomLine:
        fill(first, Rect(0, h - 2, w, h - 1));
        fill(second, Rect(0, h - 1, w, h));
        break;
    case bsLeftLine:
        fill(first, Rect(0, 0, 1, h));
        fill(second, Rect(1, 0, 2, h));
        break;
    case bsRightLine:
        fill(first, Rect(w - 2, 0, w - 1, h));
        fill(second, Rect(w - 1, 0, w, h));
        break;
    case bsSpacer:
        break;
    }
}
