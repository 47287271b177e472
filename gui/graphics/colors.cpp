#include "gui/graphics/colors.h"

gdi::COLORREF ColorToRGB(TColor colour) {
    if ((colour & 0xFF000000) == clSystemColor)
        return gdi::GetSysColor(int(colour & 0xFF));
    return colour;
}
