#include "buttons/bitmapcell.h"

void DrawMaskedBitmapCell(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor key,
                          const TRect& source) {
    if (dest.IsEmpty() || source.IsEmpty())
        return;
    TBitmap cell(dest.Width(), dest.Height());
    cell.Canvas().CopyRect(Rect(0, 0, dest.Width(), dest.Height()), bitmap.Canvas(), source);
    // The bitmap's own transparent drawing makes the mask from the key colour.
    cell.SetTransparentColor(key);
    cell.SetTransparent(true);
    canvas.Draw(dest.Left, dest.Top, &cell);
}
