// 3D edges and the frames of child windows.

#include "platform/gdi/syscolors.h"
#include "platform/window/internals.h"

namespace win {

namespace {

struct TRing {
    UINT Raised;
    UINT Sunken;
    int RaisedTopLeft;
    int RaisedBottomRight;
    int SunkenTopLeft;
    int SunkenBottomRight;
};

constexpr TRing Outer{BDR_RAISEDOUTER,       BDR_SUNKENOUTER,      gdi::COLOR_3DLIGHT,
                      gdi::COLOR_3DDKSHADOW, gdi::COLOR_BTNSHADOW, gdi::COLOR_BTNHIGHLIGHT};
constexpr TRing Inner{BDR_RAISEDINNER,      BDR_SUNKENINNER,       gdi::COLOR_BTNHIGHLIGHT,
                      gdi::COLOR_BTNSHADOW, gdi::COLOR_3DDKSHADOW, gdi::COLOR_3DLIGHT};

// Draws one ring of one-pixel sides and shrinks the rectangle by the sides drawn. The
// bottom and right sides are drawn last, so they own the corners they share with the others.
void DrawRing(HDC dc, RECT& rect, const TRing& ring, UINT edge, UINT flags) {
    if (!(edge & (ring.Raised | ring.Sunken)))
        return;
    const bool raised = (edge & ring.Raised) != 0;
    const gdi::HBRUSH topLeft =
        gdi::GetSysColorBrush(raised ? ring.RaisedTopLeft : ring.SunkenTopLeft);
    const gdi::HBRUSH bottomRight =
        gdi::GetSysColorBrush(raised ? ring.RaisedBottomRight : ring.SunkenBottomRight);
    const RECT r = rect;
    if (flags & BF_LEFT)
        gdi::FillRect(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    if (flags & BF_TOP)
        gdi::FillRect(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    if (flags & BF_RIGHT)
        gdi::FillRect(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    if (flags & BF_BOTTOM)
        gdi::FillRect(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    rect.left += (flags & BF_LEFT) ? 1 : 0;
    rect.top += (flags & BF_TOP) ? 1 : 0;
    rect.right -= (flags & BF_RIGHT) ? 1 : 0;
    rect.bottom -= (flags & BF_BOTTOM) ? 1 : 0;
}

} // namespace

bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags) {
    if (!dc || !rect)
        return false;
    RECT inside = *rect;
    DrawRing(dc, inside, Outer, edge, flags);
    DrawRing(dc, inside, Inner, edge, flags);
    if ((flags & BF_MIDDLE) && !inside.IsEmpty())
        gdi::FillRect(dc, inside, gdi::GetSysColorBrush(gdi::COLOR_BTNFACE));
    if (flags & BF_ADJUST)
        *rect = inside;
    return true;
}

} // namespace win

namespace win::detail {

// The frame a child window's styles ask for: a one-pixel line outside, a sunken edge
// inside it.
void DrawChildFrame(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window || !window->HasChildFrame())
        return;
    RECT rect{0, 0, window->Rect.Width(), window->Rect.Height()};
    const bool border = (window->Style & WS_BORDER) != 0;
    const bool edge = (window->ExStyle & WS_EX_CLIENTEDGE) != 0;
    struct TFrameDC {
        HWND Window;
        HDC DC;
        ~TFrameDC() { ReleaseDC(Window, DC); }
    } frame{handle, GetWindowDC(handle)};
    HDC dc = frame.DC;
    if (border) {
        gdi::FrameRect(dc, rect, gdi::GetSysColorBrush(gdi::COLOR_WINDOWFRAME));
        rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    }
    if (edge)
        DrawEdge(dc, &rect, EDGE_SUNKEN, BF_RECT);
}

} // namespace win::detail
