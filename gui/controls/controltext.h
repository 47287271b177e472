#pragma once
// Text as controls draw it: over what is already there, in a colour, or embossed when the
// control is disabled.

#include "gui/graphics/canvas.h"

#include <string_view>

// Draws text in rect with format (DT_ flags) in the canvas's font, leaving the background
// as it is. Enabled text is drawn in colour; disabled text as a highlight copy one pixel
// down and to the right under the text in the shadow colour. The canvas's font colour and
// brush are left as they were.
void DrawControlText(TCanvas& canvas, std::string_view text, const TRect& rect, gdi::UINT format,
                     TColor colour, bool enabled);
