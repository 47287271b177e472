#include "platform/gdi/lines.h"

#include "platform/gdi/gdi.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/transfer.h"

#include <cstdlib>
#include <optional>
#include <utility>

namespace gdi {

namespace detail {

namespace {

// Dash patterns of styled pens: lengths of drawn and skipped runs, starting with drawn.
struct TDashes {
    int On;
    int Off;
};

std::optional<TDashes> DashesOf(int style) {
    if (style == PS_DOT)
        return TDashes{3, 3};
    if (style == PS_DASH)
        return TDashes{18, 6};
    return std::nullopt;
}

// Rounds i * num / den to the nearest integer, halves toward zero, for i, den >= 0.
int Minor(int i, int num, int den) {
    const long long magnitude = (2LL * i * std::abs(num) + den - 1) / (2LL * den);
    return int(num < 0 ? -magnitude : magnitude);
}

// The pixels [lo, hi) of one axis that a line from `from` toward `to` covers, `to` excluded;
// a line along the other axis covers just `from`.
std::pair<int, int> Covered(int from, int to) {
    if (from == to)
        return {from, from + 1};
    return from < to ? std::pair{from, to} : std::pair{to + 1, from + 1};
}

} // namespace

void DrawPenLine(DeviceContext& dc, POINT a, POINT b) {
    const TPen* pen = dc.State.Pen;
    if (!pen || pen->Style == PS_NULL || (a.x == b.x && a.y == b.y))
        return;
    const std::uint8_t code = Rop2Code(dc.State.Rop2);
    const TPattern ink = SolidPattern(SurfaceColour(dc, pen->Colour));
    const auto dashes = DashesOf(pen->Style);
    const int dx = b.x - a.x;
    const int dy = b.y - a.y;
    if (!dashes && (dx == 0 || dy == 0)) {
        const auto [x0, x1] = Covered(a.x, b.x);
        const auto [y0, y1] = Covered(a.y, b.y);
        PaintRect(dc, {x0, y0, x1, y1}, code, ink);
        return;
    }
    const TPattern gap = SolidPattern(SurfaceColour(dc, dc.State.BkColour));
    const bool opaqueGaps = dc.State.BkMode == OPAQUE;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = xMajor ? std::abs(dx) : std::abs(dy);
    for (int i = 0; i < steps; ++i) {
        const int major = (xMajor ? dx : dy) < 0 ? -i : i;
        const int minor = xMajor ? Minor(i, dy, steps) : Minor(i, dx, steps);
        const POINT p = xMajor ? POINT{a.x + major, a.y + minor} : POINT{a.x + minor, a.y + major};
        const bool drawn = !dashes || i % (dashes->On + dashes->Off) < dashes->On;
        if (drawn || opaqueGaps)
            PaintRect(dc, {p.x, p.y, p.x + 1, p.y + 1}, code, drawn ? ink : gap);
    }
}

void DrawPenOutline(DeviceContext& dc, const POINT* points, int count) {
    for (int i = 0; i < count; ++i)
        DrawPenLine(dc, points[i], points[(i + 1) % count]);
}

} // namespace detail

bool MoveToEx(HDC dc, int x, int y, POINT* old) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    if (old)
        *old = context->State.Position;
    context->State.Position = {x, y};
    return true;
}

bool LineTo(HDC dc, int x, int y) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return false;
    const POINT from = context->State.Position;
    detail::DrawPenLine(*context, context->ToDevice(from.x, from.y), context->ToDevice(x, y));
    context->State.Position = {x, y};
    return true;
}

namespace {

// The context of a logical point and the point on its surface, when the point lies inside
// the clip region.
std::optional<std::pair<DeviceContext*, POINT>> PixelAt(HDC dc, int x, int y) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return std::nullopt;
    const POINT p = context->ToDevice(x, y);
    if (!context->Clip().Contains(p.x, p.y))
        return std::nullopt;
    return std::pair{context, p};
}

} // namespace

COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour) {
    const auto at = PixelAt(dc, x, y);
    if (!at)
        return CLR_INVALID;
    const auto [context, p] = *at;
    const detail::TPixel pixel = detail::SurfaceColour(*context, colour);
    context->Surface()->Write(context->Surface()->Row(p.y), p.x, 1, &pixel);
    return detail::ToColour(pixel);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const auto at = PixelAt(dc, x, y);
    if (!at)
        return CLR_INVALID;
    const auto [context, p] = *at;
    detail::TPixel pixel = 0;
    context->Surface()->Read(context->Surface()->Row(p.y), p.x, 1, &pixel);
    return detail::ToColour(pixel);
}

} // namespace gdi
