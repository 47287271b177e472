#include "platform/gdi/gdi.h"
#include "platform/gdi/lines.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/transfer.h"

namespace gdi {

namespace {

constexpr std::uint8_t kPatCopy = detail::RopCode(PATCOPY);
constexpr std::uint8_t kPatInvert = detail::RopCode(PATINVERT);
constexpr std::uint8_t kDstInvert = detail::RopCode(DSTINVERT);

// The frame of the given thickness just inside r as up to four disjoint rectangles, so an
// operation that is not idempotent (XOR) touches every frame pixel exactly once.
std::vector<RECT> FrameEdges(const RECT& r, int thickness) {
    std::vector<RECT> edges;
    if (r.IsEmpty())
        return edges;
    // Sides are cut to the rectangle, so no sum leaves int.
    const auto inward = [thickness](int from, int to) {
        return from < to ? int(std::min<long long>(to, (long long)from + thickness))
                         : int(std::max<long long>(to, (long long)from - thickness));
    };
    const int topEnd = inward(r.top, r.bottom);
    const int bottomStart = std::max(topEnd, inward(r.bottom, r.top));
    edges.push_back({r.left, r.top, r.right, topEnd});
    if (bottomStart < r.bottom)
        edges.push_back({r.left, bottomStart, r.right, r.bottom});
    if (topEnd < bottomStart) {
        const int leftEnd = inward(r.left, r.right);
        const int rightStart = std::max(leftEnd, inward(r.right, r.left));
        edges.push_back({r.left, topEnd, leftEnd, bottomStart});
        if (rightStart < r.right)
            edges.push_back({rightStart, topEnd, r.right, bottomStart});
    }
    return edges;
}

// The pattern that every other focus-frame pixel takes: white where the device coordinates
// add up to an even number, so the dots stay single device pixels on dense surfaces.
detail::TPattern FocusDots() {
    detail::TPattern pattern;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.Pixels[std::size_t(y * 8 + x)] = (x + y) % 2 ? 0 : kWhitePixel;
    return pattern;
}

// Runs `paint` with the context and the device rectangle of a logical one.
template <class Paint>
bool WithDeviceRect(HDC dc, const RECT& rect, Paint paint) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    paint(*context, context->ToDevice(rect));
    return true;
}

} // namespace

int FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
    auto* found = detail::Find<detail::TBrush>(brush);
    if (!found)
        return 0;
    return WithDeviceRect(dc, rect, [found](DeviceContext& context, const RECT& r) {
        if (const auto pattern = detail::BrushPattern(context, found))
            detail::PaintRect(context, r, kPatCopy, *pattern);
    });
}

int FrameRect(HDC dc, const RECT& rect, HBRUSH brush) {
    auto* found = detail::Find<detail::TBrush>(brush);
    if (!found)
        return 0;
    return WithDeviceRect(dc, rect, [found](DeviceContext& context, const RECT& r) {
        if (const auto pattern = detail::BrushPattern(context, found))
            for (const RECT& edge : FrameEdges(r, context.Scale()))
                detail::PaintRect(context, edge, kPatCopy, *pattern);
    });
}

bool InvertRect(HDC dc, const RECT& rect) {
    return WithDeviceRect(dc, rect, [](DeviceContext& context, const RECT& r) {
        detail::PaintRect(context, r, kDstInvert, detail::SolidPattern(0));
    });
}

bool DrawFocusRect(HDC dc, const RECT& rect) {
    return WithDeviceRect(dc, rect, [](DeviceContext& context, const RECT& r) {
        const detail::TPattern dots = FocusDots();
        for (const RECT& edge : FrameEdges(r, context.Scale()))
            detail::PaintRect(context, edge, kPatInvert, dots);
    });
}

// Without a pen the interior reaches one pixel less far right and down, as the outline
// would have covered those pixels.
bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return WithDeviceRect(dc, {left, top, right, bottom}, [&](DeviceContext& context, RECT r) {
        const bool outlined = context.State.Pen && context.State.Pen->Style != PS_NULL;
        const int s = context.Scale();
        const auto in = [](int v, int by) { return detail::SaturateToInt((long long)v + by); };
        RECT inside{r.left, r.top, in(r.right, -s), in(r.bottom, -s)};
        if (outlined)
            inside = {in(r.left, s), in(r.top, s), in(r.right, -s), in(r.bottom, -s)};
        if (const auto pattern = detail::BrushPattern(context, context.State.Brush))
            detail::PaintRect(context, inside, kPatCopy, *pattern);
        if (outlined && !r.IsEmpty()) {
            const POINT corners[] = {
                {left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
            detail::DrawPenOutline(context, corners, 4);
        }
    });
}

} // namespace gdi
