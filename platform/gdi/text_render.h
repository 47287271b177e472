#pragma once
// Drawing placed characters onto a context: the background cells in opaque mode, the glyphs'
// coverage blended in the text colour (thresholded on monochrome surfaces), and the font's
// underline and strike-out.

#include "platform/gdi/dc.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/text_layout.h"

#include <optional>

namespace gdi::detail {

// The font selected into a context, realised.
TFontInstance& SelectedFont(DeviceContext& dc);

// Draws a line whose first cell has its top-left corner at `origin` in device pixels;
// nothing is drawn outside `limit` when one is given.
void DrawTextLine(DeviceContext& dc, TFontInstance& font, POINT origin, const TTextLine& line,
                  const std::optional<RECT>& limit);

} // namespace gdi::detail
