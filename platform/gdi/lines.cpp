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

// One step of a line: the logical pixel it covers and the minor-axis move to the next.
struct TStep {
    long long Major = 0;
    long long Minor = 0;
    int Turn = 0; // -1, 0 or 1
};

// Paints the device pixels of one step as `scale` strips one device pixel long along the
// major axis and `scale` wide, sliding toward the next step's pixel: on a dense surface a
// sloped line stays as thin and smooth as the surface allows instead of becoming a staircase
// of enlarged pixels. At scale 1 this is the step's one pixel.
void PaintStep(DeviceContext& dc, const TStep& step, bool xMajor, int direction, std::uint8_t code,
               const TPattern& pattern) {
    const int s = dc.Scale();
    const POINT corner = xMajor ? dc.ToDevice(SaturateToInt(step.Major), SaturateToInt(step.Minor))
                                : dc.ToDevice(SaturateToInt(step.Minor), SaturateToInt(step.Major));
    for (int k = 0; k < s; ++k) {
        const long long along = (xMajor ? corner.x : corner.y) + (direction < 0 ? s - 1 - k : k);
        const long long across = (xMajor ? corner.y : corner.x) + (long long)k * step.Turn;
        const int a0 = SaturateToInt(along);
        const int a1 = SaturateToInt(along + 1);
        const int c0 = SaturateToInt(across);
        const int c1 = SaturateToInt(across + s);
        const RECT strip = xMajor ? RECT{a0, c0, a1, c1} : RECT{c0, a0, c1, a1};
        PaintRect(dc, strip, code, pattern);
    }
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
        PaintRect(dc, dc.ToDevice(RECT{x0, y0, x1, y1}), code, ink);
        return;
    }
    const TPattern gap = SolidPattern(SurfaceColour(dc, dc.State.BkColour));
    const bool opaqueGaps = dc.State.BkMode == OPAQUE;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = xMajor ? std::abs(dx) : std::abs(dy);
    const int direction = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorDelta = xMajor ? dy : dx;
    for (int i = 0; i < steps; ++i) {
        const int minor = Minor(i, minorDelta, steps);
        // The last step stays in its pixel: the end point is not drawn.
        const int turn = i + 1 < steps ? Minor(i + 1, minorDelta, steps) - minor : 0;
        const TStep step{(long long)(xMajor ? a.x : a.y) + (long long)direction * i,
                         (long long)(xMajor ? a.y : a.x) + minor, turn};
        const bool drawn = !dashes || i % (dashes->On + dashes->Off) < dashes->On;
        if (drawn || opaqueGaps)
            PaintStep(dc, step, xMajor, direction, code, drawn ? ink : gap);
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
    detail::DrawPenLine(*context, context->State.Position, {x, y});
    context->State.Position = {x, y};
    return true;
}

namespace {

// The context of a logical point and the first device pixel it covers, when that lies inside
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
    const TPixel pixel = detail::SurfaceColour(*context, colour);
    const int s = context->Scale();
    detail::PaintRect(*context, {p.x, p.y, p.x + s, p.y + s}, detail::RopCode(PATCOPY),
                      detail::SolidPattern(pixel));
    return ToColour(pixel);
}

COLORREF GetPixel(HDC dc, int x, int y) {
    const auto at = PixelAt(dc, x, y);
    if (!at)
        return CLR_INVALID;
    const auto [context, p] = *at;
    TPixel pixel = 0;
    context->Surface()->Read(context->Surface()->Row(p.y), p.x, 1, &pixel);
    return ToColour(pixel);
}

} // namespace gdi
