#pragma once
// Colours of the image lists as the platform list takes them.

#include "gui/graphics/colors.h"
#include "platform/commctrl/imagelist.h"

// clNone is no colour, clDefault the platform's default, anything else its RGB value.
inline gdi::COLORREF PlatformColour(TColor colour) {
    if (colour == clNone)
        return commctrl::CLR_NONE;
    if (colour == clDefault)
        return commctrl::CLR_DEFAULT;
    return ColorToRGB(colour);
}
