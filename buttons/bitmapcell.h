#pragma once
// Glyph cells: one cell of a bitmap strip drawn with its key colour left out.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

// Stretches the source cell of bitmap to dest and draws it there, leaving the canvas as it
// was wherever the stretched cell holds the key colour. An empty cell draws nothing.
void DrawMaskedBitmapCell(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor key,
                          const TRect& source);
