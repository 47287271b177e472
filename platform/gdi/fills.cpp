#include "platform/gdi/gdi.h"
#include "platform/gdi/lines.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/transfer.h"

namespace gdi {

namespace {

constexpr std::uint8_t kPatCopy = detail::RopCode(PATCOPY);
constexpr std::uint8_t kPatInvert = detail::RopCode(PATINVERT);
constexpr std::uint8_t kDstInvert = detail::RopCode(DSTINVERT);

// The one-pixel frame just inside r as up to four disjoint rectangles, so an operation that
// is not idempotent (XOR) touches every frame pixel exactly once.
std::vector<RECT> FrameEdges(const RECT& r) {
    std::vector<RECT> edges;
    if (r.IsEmpty())
        return edges;
    edges.push_back({r.left, r.top, r.right, r.top + 1});
    if (r.bottom - 1 > r.top)
        edges.push_back({r.left, r.bottom - 1, r.right, r.bottom});
    if (r.bottom - r.top > 2) {
        edges.push_back({r.left, r.top + 1, r.left + 1, r.bottom - 1});
        if (r.right - 1 > r.left)
            edges.push_back({r.right - 1, r.top + 1, r.right, r.bottom - 1});
    }
    return edges;
}

// The pattern that every other focus-frame pixel takes: white where the device coordinates
// add up to an even number.
detail::TPattern FocusDots() {
    detail::TPattern pattern;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            pattern.Pixels[std::size_t(y * 8 + x)] = (x + y) % 2 ? 0 : detail::kWhitePixel;
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
            for (const RECT& edge : FrameEdges(r))
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
        for (const RECT& edge : FrameEdges(r))
            detail::PaintRect(context, edge, kPatInvert, dots);
    });
}

// Without a pen the interior reaches one pixel less far right and down, as the outline
// would have covered those pixels.
bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
    return WithDeviceRect(dc, {left, top, right, bottom}, [](DeviceContext& context, RECT r) {
        const bool outlined = context.State.Pen && context.State.Pen->Style != PS_NULL;
        RECT inside{r.left, r.top, r.right - 1, r.bottom - 1};
        if (outlined)
            inside = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
        if (const auto pattern = detail::BrushPattern(context, context.State.Brush))
            detail::PaintRect(context, inside, kPatCopy, *pattern);
        if (outlined && !r.IsEmpty()) {
            const POINT corners[] = {{r.left, r.top},
                                     {r.right - 1, r.top},
                                     {r.right - 1, r.bottom - 1},
                                     {r.left, r.bottom - 1}};
            detail::DrawPenOutline(context, corners, 4);
        }
    });
}

} // namespace gdi
