#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"

namespace gdi {

namespace {

int RegionKind(std::size_t rectCount) {
    if (rectCount == 0)
        return NULLREGION;
    return rectCount == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// The application clip to change: the current one, or the whole surface when none is set.
TRegion& ApplicationClip(DeviceContext& dc) {
    if (!dc.State.Clip) {
        const detail::TSurface* surface = dc.Surface();
        dc.State.Clip = surface ? TRegion(RECT{0, 0, surface->Width, surface->Height}) : TRegion();
    }
    dc.InvalidateClip();
    return *dc.State.Clip;
}

// Normalises a rectangle given by two corners in either order.
RECT Ordered(int left, int top, int right, int bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}

} // namespace

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return ERROR;
    ApplicationClip(*context).Intersect(context->ToDevice(Ordered(left, top, right, bottom)));
    return RegionKind(context->ClipRects().size());
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return ERROR;
    ApplicationClip(*context).Subtract(context->ToDevice(Ordered(left, top, right, bottom)));
    return RegionKind(context->ClipRects().size());
}

int SelectClipRgn(HDC dc, std::nullptr_t) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return ERROR;
    context->State.Clip.reset();
    context->InvalidateClip();
    return RegionKind(context->ClipRects().size());
}

int GetClipBox(HDC dc, RECT* box) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || !box)
        return ERROR;
    const TRegion& clip = context->Clip();
    *box = clip.IsEmpty() ? RECT{} : context->ToLogical(clip.BoundingBox());
    return RegionKind(clip.Rects().size());
}

int GetClipRegion(HDC dc, TRegion& region) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return ERROR;
    region.Clear();
    for (const RECT& r : context->ClipRects())
        region.Union(context->ToLogical(r));
    return RegionKind(region.Rects().size());
}

int IntersectClipRegion(HDC dc, const TRegion& region) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return ERROR;
    TRegion device;
    for (const RECT& r : region.Rects())
        device.Union(context->ToDevice(r));
    ApplicationClip(*context).Intersect(device);
    return RegionKind(context->ClipRects().size());
}

} // namespace gdi
