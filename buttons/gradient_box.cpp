// Box gradients: one quadrant painted as nested L-shaped bands, then mirrored.

#include "buttons/gradient_bands.h"
#include "buttons/gradient_painters.h"

#include <cstdint>

namespace gradient {

void PaintBoxQuadrant(TCanvas& canvas, int width, int height, int xInset, int yInset,
                      gdi::COLORREF first, gdi::COLORREF second, std::uint8_t band) {
    if (first == second || width <= 4 || height <= 4) {
        FillBand(canvas, Rect(0, 0, width + 1, height + 1), first);
        return;
    }
    // The quadrant's far corner, (qx + 1, qy + 1), is the centre of the box.
    const int qx = (width - 1) / 2;
    const int qy = (height - 1) / 2;
    const int px = qx - xInset;
    const int py = qy - yInset;
    const int steps = std::max(px, py) + 1;
    const std::int64_t dx = std::int64_t(px) * 65536 / steps;
    const std::int64_t dy = std::int64_t(py) * 65536 / steps;
    std::int64_t x = std::int64_t(px) * 65536;
    std::int64_t y = std::int64_t(py) * 65536;
    int previousX = qx + 1;
    int previousY = qy + 1;
    // The band reaching out to (newX, newY) from the last one: a row piece and a column piece.
    const auto fill = [&](int newX, int newY, gdi::COLORREF colour) {
        if (newX < qx + 1 && newY < previousY)
            FillBand(canvas, Rect(newX, newY, qx + 1, previousY), colour);
        if (newX < previousX && previousY < qy + 1)
            FillBand(canvas, Rect(newX, previousY, previousX, qy + 1), colour);
        previousX = newX;
        previousY = newY;
    };
    TBands bands(second, first, steps, BandMinimum(band, 256));
    for (;;) {
        const int currentX = int(x >> 16);
        const int currentY = int(y >> 16);
        x -= dx;
        y -= dy;
        const bool last = x < 0 && y < 0;
        const auto closed = bands.Step();
        if (closed)
            fill(currentX, currentY, *closed);
        if (last) {
            if (!closed)
                fill(currentX, currentY, bands.Open());
            return;
        }
    }
}

void MirrorQuadrant(gdi::HDC dc, int x, int y, int width, int height) {
    const int hw = width / 2;
    const int hh = height / 2;
    // The quadrant reaches column hw when the width is odd; for an even width that column
    // is the right half's and is overwritten by the second copy.
    gdi::StretchBlt(dc, x, y + height - 1, hw + 1, -hh, dc, x, y, hw + 1, hh, gdi::SRCCOPY);
    gdi::StretchBlt(dc, x + width - 1, y, -hw, height, dc, x, y, hw, height, gdi::SRCCOPY);
}

} // namespace gradient
