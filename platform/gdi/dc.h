#pragma once
// Device context state. A context draws onto one surface: the bitmap selected into a memory
// context, or the fixed surface of a display context. The screen's context has no surface;
// it answers questions and serves as a reference for compatible objects.
//
// A context's scale is the number of device pixels per logical pixel along each axis: its
// surface bitmap's scale, or the one a scaled view was made with. Logical coordinates are
// shifted by the viewport origin and then multiplied by the scale.

#include "platform/gdi/objects.h"
#include "platform/gdi/region.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

namespace gdi {

enum class TContextKind { ckMemory, ckDisplay, ckScreen };

namespace detail {

inline int SaturateToInt(long long v) {
    return int(
        std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Division rounding toward minus and plus infinity, for a positive divisor.
inline long long FloorDiv(long long v, long long by) {
    return v >= 0 ? v / by : -((-v + by - 1) / by);
}
inline long long CeilDiv(long long v, long long by) {
    return -FloorDiv(-v, by);
}

// What SaveDC keeps and RestoreDC brings back.
struct TContextState {
    COLORREF BkColour = RGB(255, 255, 255);
    COLORREF TextColour = RGB(0, 0, 0);
    int BkMode = OPAQUE;
    int Rop2 = R2_COPYPEN;
    POINT ViewportOrigin;
    POINT BrushOrigin;
    POINT Position;
    TBitmap* Bitmap = nullptr;
    TBrush* Brush = nullptr;
    TPen* Pen = nullptr;
    TFont* Font = nullptr;
    TPalette* Palette = nullptr;
    // The application's clip region in device pixels; none means the whole device.
    std::optional<TRegion> Clip;
};

} // namespace detail

struct DeviceContext {
    TContextKind Kind = TContextKind::ckMemory;
    detail::TContextState State;
    std::vector<detail::TContextState> Saved;
    // Display contexts: the surface bitmap and the device clip that bounds all drawing.
    detail::TBitmap* DisplaySurface = nullptr;
    std::optional<TRegion> DeviceClip;
    // A view's own scale; 0 takes the surface bitmap's.
    int ViewScale = 0;

    // The surface drawn on, null for the screen context or a surface that is gone.
    detail::TSurface* Surface() const;
    // Where drawing may happen, in device pixels: surface bounds, device clip and application
    // clip together.
    const TRegion& Clip();
    const std::vector<RECT>& ClipRects() { return Clip().Rects(); }
    void InvalidateClip() { FClipValid = false; }

    int Scale() const;
    // Logical to device pixels, saturating instead of overflowing. A logical rectangle covers
    // every device pixel of its logical pixels.
    POINT ToDevice(int x, int y) const {
        const int scale = Scale();
        return {Map(x, State.ViewportOrigin.x, scale), Map(y, State.ViewportOrigin.y, scale)};
    }
    RECT ToDevice(const RECT& r) const {
        const POINT a = ToDevice(r.left, r.top);
        const POINT b = ToDevice(r.right, r.bottom);
        return {a.x, a.y, b.x, b.y};
    }
    // The logical rectangle that covers a device rectangle.
    RECT ToLogical(const RECT& r) const;

private:
    static int Map(int v, int by, int scale) {
        return detail::SaturateToInt(((long long)v + by) * scale);
    }

    TRegion FClip;
    bool FClipValid = false;
};

namespace detail {

// The context behind a handle, or null when it is not a live context.
DeviceContext* FindContext(HDC dc);
int LiveContexts();
RECT IntersectRects(const RECT& a, const RECT& b);

} // namespace detail

} // namespace gdi
