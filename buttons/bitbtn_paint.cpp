// Painting the glyph of a glyph button, from its image list or its bitmap strip.

#include "buttons/bitbtn.h"
#include "buttons/bitmapcell.h"

void TStyledBitBtn::PaintCaption() {
    TStyledButton::PaintCaption();
    const TRect rect = GetGlyphRect();
    // A standard kind shows its own glyph, whatever list is set.
    if (Kind() == bkCustom && HasImageListGlyph())
        PaintImageListGlyph(rect);
    else if (!FGlyph->Empty())
        PaintBitmapGlyph(rect);
}

void TStyledBitBtn::PaintImageListGlyph(const TRect& rect) {
    TCanvas& canvas = *Canvas();
    if (FDisabledIndex == -1)
        FImages->Draw(canvas, rect.Left, rect.Top, FImageIndex, Enabled());
    else if (!Enabled())
        FImages->Draw(canvas, rect.Left, rect.Top, FDisabledIndex, true);
    else if (FImageIndex != -1)
        FImages->Draw(canvas, rect.Left, rect.Top, FImageIndex, true);
}

// The cells of the strip: normal, disabled, pressed, and down (latched).
void TStyledBitBtn::PaintBitmapGlyph(const TRect& rect) {
    const int width = rect.Width();
    const int height = rect.Height();
    int cell = 0;
    if (FNumGlyphs == 4 && LatchState() == lsExclusive)
        cell = 3;
    else if (FNumGlyphs >= 3 && (LatchState() == lsDown || PressedLook()))
        cell = 2;
    else if (FNumGlyphs >= 2 && !Enabled())
        cell = 1;
    // The glyph is put together over a copy of what lies under it and copied back at once.
    TCanvas& canvas = *Canvas();
    TBitmap composed(width, height);
    composed.Canvas().CopyRect(Rect(0, 0, width, height), canvas, rect);
    DrawMaskedBitmapCell(composed.Canvas(), *FGlyph, Rect(0, 0, width, height),
                         FGlyph->TransparentColor(),
                         Rect(cell * width, 0, (cell + 1) * width, height));
    canvas.Draw(rect.Left, rect.Top, &composed);
}
