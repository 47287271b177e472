#include "gui/controls/controltext.h"

void DrawControlText(TCanvas& canvas, std::string_view text, const TRect& rect, gdi::UINT format,
                     TColor colour, bool enabled) {
    const TColor fontColour = canvas.Font().Color();
    const TBrushStyle brushStyle = canvas.Brush().Style();
    canvas.Brush().SetStyle(bsClear);
    const auto draw = [&](TColor shade, int offset) {
        canvas.Font().SetColor(shade);
        gdi::RECT area = ToRECT(rect);
        area = {area.left + offset, area.top + offset, area.right + offset, area.bottom + offset};
        gdi::DrawText(canvas.Handle(), text, &area, format);
    };
    if (enabled) {
        draw(colour, 0);
    } else {
        draw(clBtnHighlight, 1);
        draw(clBtnShadow, 0);
    }
    canvas.Font().SetColor(fontColour);
    canvas.Brush().SetStyle(brushStyle);
}
