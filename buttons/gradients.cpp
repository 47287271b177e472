#include "buttons/gradients.h"

#include "buttons/colors.h"
#include "buttons/gradient_bands.h"
#include "buttons/gradient_painters.h"
#include "gui/controls/scopeexit.h"
#include "gui/graphics/bitmap.h"

#include <cstdlib>

using namespace gradient;

namespace {

void PaintShape(TCanvas& canvas, int w, int h, TGradientShape shape, gdi::COLORREF c1,
                gdi::COLORREF c2, std::uint8_t band) {
    const gdi::HDC dc = canvas.Handle();
    const auto fill = [&] { FillBand(canvas, Rect(0, 0, w, h), c1); };
    switch (shape) {
    case gsDiagonalDown:
    case gsDiagonalUp:
        if (c1 == c2)
            fill();
        else
            PaintDiagonal(canvas, shape == gsDiagonalDown ? w : -w, h, c1, c2, band);
        break;
    case gsVertical:
    case gsVerticalCenter:
        PaintLinearStrip(canvas, sdRows, shape == gsVertical ? -1 : h / 2, h, c1, c2, band);
        ReplicateTile(dc, 0, 0, w, h, 8, h);
        break;
    case gsHorizontal:
    case gsHorizontalCenter:
        PaintLinearStrip(canvas, sdColumns, shape == gsHorizontal ? -1 : w / 2, w, c1, c2, band);
        ReplicateTile(dc, 0, 0, w, h, w, 8);
        break;
    case gsBoxWide:
        fill();
        PaintBoxQuadrant(canvas, w, h, w / 4, 0, c1, c2, band);
        MirrorQuadrant(dc, 0, 0, w, h);
        break;
    case gsBoxTall:
        PaintBoxQuadrant(canvas, w, h, 0, h / 4, c1, c2, band);
        MirrorQuadrant(dc, 0, 0, w, h);
        break;
    case gsBox:
        fill();
        PaintBoxQuadrant(canvas, w, h, 0, 0, c1, c2, band);
        MirrorQuadrant(dc, 0, 0, w, h);
        break;
    case gsBoxInset:
        PaintBoxQuadrant(canvas, w, h, w / 4, h / 4, c1, c2, band);
        MirrorQuadrant(dc, 0, 0, w, h);
        break;
    default:
        break;
    }
}

} // namespace

void DrawGradient(TCanvas& canvas, const TRect& rect, TGradientShape shape, TColor first,
                  TColor second, std::uint8_t band) {
    const int w = std::abs(rect.Right - rect.Left);
    const int h = std::abs(rect.Bottom - rect.Top);
    if (w == 0 || h == 0)
        return;
    TBitmap bitmap(w, h);
    TCanvas& offscreen = bitmap.Canvas();
    offscreen.Pen().SetWidth(1);
    offscreen.Pen().SetStyle(psClear);
    offscreen.Pen().SetMode(pmCopy);
    offscreen.Brush().SetStyle(bsSolid);
    PaintShape(offscreen, w, h, shape, ColorToRGB(first), ColorToRGB(second), band);
    canvas.Draw(rect.Left, rect.Top, &bitmap);
}

void DrawGradientRing(TCanvas& canvas, const TRect& rect, TGradientShape shape, TColor first,
                      TColor second) {
    if (!HighColorFlag())
        return;
    const gdi::HDC dc = canvas.Handle();
    gdi::ExcludeClipRect(dc, rect.Left + 2, rect.Top + 2, rect.Right - 2, rect.Bottom - 2);
    const TScopeExit reset([dc] { gdi::SelectClipRgn(dc, nullptr); });
    DrawGradient(canvas, rect, shape, first, second, 1);
}
