#include "gui/stdctrls/groupbox.h"

#include "gui/controls/controltext.h"

namespace {

// The caption starts this far from the frame's left edge.
constexpr int CaptionIndent = 8;
constexpr gdi::UINT CaptionFormat = gdi::DT_SINGLELINE | gdi::DT_LEFT;

} // namespace

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{csReplicatable} - TControlStyle{csDoubleClicks});
    SetBounds(0, 0, 185, 105);
    SetParentColor(true);
}

void TGroupBox::WndProc(TMessage& message) {
    if (message.Msg == CM_TEXTCHANGED)
        Invalidate();
    TCustomControl::WndProc(message);
}

void TGroupBox::Paint() {
    TCanvas& canvas = *Canvas();
    canvas.SetFont(*Font());
    const int lineHeight = canvas.TextHeight("0");
    win::RECT frame{0, lineHeight / 2, Width(), Height()};
    win::DrawEdge(canvas.Handle(), &frame, win::EDGE_ETCHED, win::BF_RECT);
    if (Caption().empty())
        return;
    gdi::RECT extent{0, 0, 0, 0};
    gdi::DrawText(canvas.Handle(), Caption(), &extent, CaptionFormat | gdi::DT_CALCRECT);
    const TRect caption = Bounds(CaptionIndent, 0, extent.right, lineHeight);
    canvas.Brush().SetColor(Color());
    canvas.FillRect(caption);
    DrawControlText(canvas, Caption(), caption, CaptionFormat, Font()->Color(), Enabled());
}
