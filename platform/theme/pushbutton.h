#pragma once
// The push button element of the button class.

#include "platform/gdi/handles.h"
#include "platform/gdi/types.h"

namespace theme::detail {

// The colours of a push button in one state, derived from the system colours.
struct TPushButtonLook {
    gdi::COLORREF Border;
    // Default buttons get a second ring inside the border.
    bool HasRing;
    gdi::COLORREF Ring;
    gdi::COLORREF FaceTop;
    gdi::COLORREF FaceBottom;
    // The face's first row: a sheen on a raised face, a shade on a pressed one.
    gdi::COLORREF TopLine;
};

TPushButtonLook PushButtonLook(int state);
bool DrawPushButton(gdi::HDC dc, int state, const gdi::RECT& rect);

} // namespace theme::detail
