#pragma once
// Gradient fills of the styled buttons, painted off screen and copied once.

#include "gui/graphics/canvas.h"

#include <cstdint>

enum TGradientShape {
    gsDiagonalDown,     // first at the bottom-left corner, second at the top-right
    gsDiagonalUp,       // first at the top-left corner, second at the bottom-right
    gsVertical,         // first at the top, second at the bottom
    gsVerticalCenter,   // first at the top and bottom, second across the middle
    gsBoxWide,          // second in the centre, flat over the middle half of the width
    gsHorizontal,       // first at the left, second at the right
    gsHorizontalCenter, // first at the left and right, second down the middle
    gsBoxTall,          // second in the centre, flat over the middle half of the height
    gsBox,              // second in the centre, first at every edge
    gsBoxInset          // as gsBox, flat over the middle half of both
};

// Fills rect with a gradient from first to second. band sets the narrowest band of one
// colour: 0 or 1, a band per colour change; 2..8, at least that many pixels; more, about
// 255 / band pixels. An empty rectangle draws nothing; a shape beyond the table draws the
// blank off-screen bitmap.
void DrawGradient(TCanvas& canvas, const TRect& rect, TGradientShape shape, TColor first,
                  TColor second, std::uint8_t band);
// The outer two pixels of rect in a gradient of band 1; nothing on a palette display. The
// canvas's clip region is reset afterwards.
void DrawGradientRing(TCanvas& canvas, const TRect& rect, TGradientShape shape, TColor first,
                      TColor second);
