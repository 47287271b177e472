// Linear gradients: an 8-pixel strip painted band by band, grown to its full size by copies.

#include "buttons/gradient_bands.h"
#include "buttons/gradient_painters.h"

namespace gradient {

namespace {

// Positions from down to to (from >= to) stepping from start towards end in steps steps.
void PaintPass(TCanvas& canvas, TStripDirection direction, int from, int to, int steps,
               gdi::COLORREF start, gdi::COLORREF end, int minimum) {
    if (steps <= 0)
        return;
    const auto fill = [&](int low, int high, gdi::COLORREF colour) {
        FillBand(canvas,
                 direction == sdColumns ? Rect(low, 0, high + 1, 8) : Rect(0, low, 8, high + 1),
                 colour);
    };
    TBands bands(start, end, steps, minimum);
    int bandStart = from;
    for (int position = from - 1; position >= to; --position) {
        if (const auto closed = bands.Step()) {
            fill(position + 1, bandStart, *closed);
            bandStart = position;
        }
    }
    fill(to, bandStart, bands.Open());
}

} // namespace

int BandMinimum(std::uint8_t band, int numerator) {
    const int minimum = band > 8 ? numerator / band + 1 : band;
    return std::max(minimum - 1, 0);
}

void PaintLinearStrip(TCanvas& canvas, TStripDirection direction, int split, int length,
                      gdi::COLORREF first, gdi::COLORREF second, std::uint8_t band) {
    const int minimum = BandMinimum(band, 255);
    if (split <= 0) {
        PaintPass(canvas, direction, length - 1, 0, length, second, first, minimum);
        return;
    }
    PaintPass(canvas, direction, split, 0, split + 1, second, first, minimum);
    PaintPass(canvas, direction, length - 1, split + 1, length - split - 1, first, second, minimum);
}

void ReplicateTile(gdi::HDC dc, int x, int y, int targetWidth, int targetHeight, int tileWidth,
                   int tileHeight) {
    if (tileWidth <= 0 || tileHeight <= 0)
        return;
    int width = tileWidth;
    int height = tileHeight;
    bool downward = height < targetHeight;
    while (width < targetWidth || height < targetHeight) {
        if (downward) {
            const int added = std::min(height, targetHeight - height);
            gdi::BitBlt(dc, x, y + height, width, added, dc, x, y, gdi::SRCCOPY);
            height += added;
            downward = width >= targetWidth;
        } else {
            const int added = std::min(width, targetWidth - width);
            gdi::BitBlt(dc, x + width, y, added, height, dc, x, y, gdi::SRCCOPY);
            width += added;
            downward = height < targetHeight;
        }
    }
}

} // namespace gradient
