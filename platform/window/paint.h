#pragma once
// Painting. Child windows draw onto their top-level window's surface; each window has an
// update region (client coordinates) and an erase flag. Paint device contexts are display
// contexts on the surface with the viewport origin at the window's client origin, clipped
// to the window's visible part: inside its ancestors' client areas, outside siblings above
// it and outside its own visible children.

#include "platform/gdi/owned.h"
#include "platform/window/types.h"

#include <memory>

namespace win {

// Adds a rectangle (null: the whole client area) to the update region; `erase` makes the
// next BeginPaint send WM_ERASEBKGND. A null window stands for every window.
bool InvalidateRect(HWND window, const RECT* rect, bool erase);
bool ValidateRect(HWND window, const RECT* rect);
// The bounding box of the update region; false when there is nothing to paint.
bool GetUpdateRect(HWND window, RECT* rect);
// Sends WM_PAINT at once when the window has something to paint.
bool UpdateWindow(HWND window);

// Starts painting: sends WM_NCPAINT when the window's frame needs drawing and WM_ERASEBKGND
// when erasing was asked for, empties the update region and returns the paint context,
// clipped to the update region. EndPaint releases it.
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
bool EndPaint(HWND window, const PAINTSTRUCT* paint);
// An offscreen bitmap for double-buffered painting of a window: at least its client size, at
// its surface's scale. Its top-level window keeps one and lends it to every such paint in its
// tree, growing it when a larger one is asked for, so painting takes no fresh memory and the
// pixels that earlier paints left stay in it. A paint inside a paint that holds it gets a
// bitmap of its own. Null when the window has no surface or the memory cannot be had.
std::shared_ptr<const gdi::TOwnedBitmap> BorrowBackBuffer(HWND window);
// A context for the client area (null window: the screen's), clipped to its visible part.
HDC GetDC(HWND window);
// A context for the whole window, frame included, origin at the outer top-left corner.
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);

// Paints between BeginPaint and EndPaint for the guard's lifetime.
class TPaintScope {
public:
    explicit TPaintScope(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
    TPaintScope(const TPaintScope&) = delete;
    TPaintScope& operator=(const TPaintScope&) = delete;
    ~TPaintScope() {
        if (FDC)
            EndPaint(FWindow, &FPaint);
    }
    HDC DC() const { return FDC; }
    const PAINTSTRUCT& Paint() const { return FPaint; }

private:
    HWND FWindow;
    PAINTSTRUCT FPaint;
    HDC FDC;
};

// Holds a window's client context (GetDC) for the guard's lifetime.
class TWindowDC {
public:
    explicit TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {}
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    ~TWindowDC() {
        if (FDC)
            ReleaseDC(FWindow, FDC);
    }
    HDC DC() const { return FDC; }

private:
    HWND FWindow;
    HDC FDC;
};

// ---- Edges ----------------------------------------------------------------------------------

constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800; // fill the inside with the button face
constexpr UINT BF_ADJUST = 0x2000; // shrink rect by the edges drawn

// Draws the 3D edge of a rectangle in system colours, each ring one pixel, top-left and
// bottom-right sides: raised outer 3D light / dark shadow, raised inner highlight / shadow,
// sunken outer shadow / highlight, sunken inner dark shadow / 3D light.
bool DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);

} // namespace win
