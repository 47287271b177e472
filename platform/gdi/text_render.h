#pragma once
// Drawing placed characters onto a context: the background cells in opaque mode, the glyphs'
// coverage blended in the text colour (thresholded on monochrome surfaces), and the font's
// underline and strike-out.

#include "platform/gdi/dc.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/text_layout.h"

#include <optional>

namespace gdi::detail {

// The font selected into a context, realised at its logical size: the measure of text.
TFontInstance& SelectedFont(DeviceContext& dc);

// Draws a line laid out in logical pixels whose first cell has its top-left corner at
// `origin` in device pixels; nothing is drawn outside `limit` (device pixels) when one is
// given. On a dense surface the glyphs come from the font realised at the surface's scale
// and sit where the logical layout puts them, so text keeps its logical width.
void DrawTextLine(DeviceContext& dc, TFontInstance& font, POINT origin, const TTextLine& line,
                  const std::optional<RECT>& limit);

} // namespace gdi::detail
