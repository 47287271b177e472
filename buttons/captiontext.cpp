#include "buttons/captiontext.h"

int DrawCaptionOnCanvas(TCanvas& canvas, std::string_view text, TRect& rect, gdi::UINT flags) {
    gdi::RECT area = ToRECT(rect);
    const int height = gdi::DrawText(canvas.Handle(), text, &area, flags);
    rect = FromRECT(area);
    return height;
}
