#pragma once
// Pen drawing shared by lines, rectangles and polygons.

#include "platform/gdi/dc.h"

namespace gdi::detail {

// Draws a line of the context's pen from a to b in logical pixels, b excluded, with the
// context's mix mode, one logical pixel wide. Styled pens start their pattern at a; in
// opaque background mode their gaps take the background colour.
void DrawPenLine(DeviceContext& dc, POINT a, POINT b);

// Draws the closed outline through the logical points, each vertex once.
void DrawPenOutline(DeviceContext& dc, const POINT* points, int count);

} // namespace gdi::detail
