#include "gui/extctrls/frame3d.h"

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
