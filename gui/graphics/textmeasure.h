#pragma once
// Measuring text in a font where no window is at hand (a control without a parent yet): the
// text is laid out as DrawText lays it out, on a memory context.

#include "gui/graphics/font.h"
#include "gui/graphics/geometry.h"

#include <string_view>

// The extent DrawText gives text with format (DT_ flags; DT_CALCRECT is added) in a
// rectangle width pixels wide. EOutOfResources when no context can be made.
TSize MeasureText(TFont& font, std::string_view text, gdi::UINT format, int width = 0);
