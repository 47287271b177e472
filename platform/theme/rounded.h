#pragma once
// Rounded rectangles with smoothed corners: how much of a pixel a rounded rectangle covers.

namespace theme::detail {

// A rounded rectangle inset from the edges of a width x height area.
struct TRoundedRect {
    int Width = 0;
    int Height = 0;
    int Inset = 0;
    int Radius = 0;
};

// The share of pixel (x, y) inside shape, in sixteenths (4 x 4 samples).
int Coverage(const TRoundedRect& shape, int x, int y);

// Columns [First, Last) of row y that the shape covers wholly without reaching into a
// corner, so their coverage is 16 without sampling; empty for rows outside the shape.
struct TSpan {
    int First = 0;
    int Last = 0;
};
TSpan InnerSpan(const TRoundedRect& shape, int y);

} // namespace theme::detail
