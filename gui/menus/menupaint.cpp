// Popup menus: painting the window in the menu colours.

#include "gui/controls/controltext.h"
#include "gui/graphics/canvas.h"
#include "gui/menus/menutracker.h"

namespace {

constexpr gdi::UINT CaptionFormat = gdi::DT_SINGLELINE | gdi::DT_VCENTER | gdi::DT_LEFT;

} // namespace

void TMenuTracker::Paint() {
    const win::TPaintScope paint(FWindow);
    if (!paint.DC())
        return;
    TCanvas canvas;
    canvas.SetHandle(paint.DC());
    canvas.SetFont(FFont);
    win::RECT edge{0, 0, FWidth, FHeight};
    win::DrawEdge(paint.DC(), &edge, win::EDGE_RAISED, win::BF_RECT | win::BF_ADJUST);
    canvas.Brush().SetColor(clMenu);
    canvas.FillRect(FromRECT(edge));
    for (int i = 0; i < int(FLines.size()); ++i)
        PaintLine(canvas, i);
    canvas.SetHandle(nullptr);
}

void TMenuTracker::PaintLine(TCanvas& canvas, int index) {
    const TMenuLine& line = FLines[std::size_t(index)];
    const TRect rect = LineRect(index);
    if (line.Separator) {
        win::RECT groove{rect.Left + 1, (rect.Top + rect.Bottom) / 2 - 1, rect.Right - 1,
                         rect.Bottom};
        win::DrawEdge(canvas.Handle(), &groove, win::EDGE_ETCHED, win::BF_TOP);
        return;
    }
    const bool selected = index == FSelected;
    if (selected) {
        canvas.Brush().SetColor(clHighlight);
        canvas.FillRect(rect);
    }
    const TRect text =
        Rect(rect.Left + MenuTextIndent, rect.Top, rect.Right - MenuTextIndent, rect.Bottom);
    if (selected && !line.Enabled)
        DrawControlText(canvas, line.Caption, text, CaptionFormat, clGrayText, true);
    else
        DrawControlText(canvas, line.Caption, text, CaptionFormat,
                        selected ? clHighlightText : clMenuText, line.Enabled);
}
