#pragma once
// Three-dimensional frames of one-pixel rings, as bevels and panels draw them.

#include "gui/graphics/canvas.h"

// Draws width rings inside rect, top and left in topColour, bottom and right (with the
// top-right and bottom-left corners) in bottomColour, and shrinks rect by them.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColour, TColor bottomColour, int width);
