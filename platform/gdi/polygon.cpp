#include "platform/gdi/gdi.h"
#include "platform/gdi/lines.h"
#include "platform/gdi/rop.h"
#include "platform/gdi/transfer.h"

#include <algorithm>
#include <vector>

namespace gdi {

namespace {

long long CeilDiv(long long num, long long den) {
    return num >= 0 ? (num + den - 1) / den : -((-num) / den);
}

// The first pixel whose centre lies at or right of where edge a-b crosses the centre line of
// row y. Integer arithmetic keeps the result the same whichever way the edge runs, so two
// polygons sharing an edge split its pixels without overlap or gap.
int Crossing(POINT a, POINT b, int y) {
    if (a.y > b.y)
        std::swap(a, b);
    const long long dy = b.y - a.y;
    const long long den = 2 * dy;
    const long long num = 2LL * a.x * dy + (2LL * y + 1 - 2LL * a.y) * (b.x - a.x);
    return int(CeilDiv(2 * num - den, 2 * den));
}

// Fills the polygon by the alternate rule: a device pixel is inside when its centre is, and
// the spans are closed on the left and open on the right. On a dense surface the edges are
// therefore traced at its own resolution.
void FillPolygon(DeviceContext& dc, const std::vector<POINT>& points,
                 const detail::TPattern& pattern) {
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](const POINT& a, const POINT& b) { return a.y < b.y; });
    const RECT bounds = dc.Clip().BoundingBox();
    const int first = std::max(low->y, bounds.top);
    const int last = std::min(high->y, bounds.bottom);
    std::vector<int> crossings;
    for (int y = first; y < last; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const POINT a = points[i];
            const POINT b = points[(i + 1) % points.size()];
            const int top = std::min(a.y, b.y);
            const int bottom = std::max(a.y, b.y);
            if (y >= top && y < bottom)
                crossings.push_back(Crossing(a, b, y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
            if (crossings[k] < crossings[k + 1])
                detail::PaintRect(dc, {crossings[k], y, crossings[k + 1], y + 1},
                                  detail::RopCode(PATCOPY), pattern);
    }
}

} // namespace

bool Polygon(HDC dc, const POINT* points, int count) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context || !points || count < 2)
        return false;
    std::vector<POINT> device;
    for (int i = 0; i < count; ++i)
        device.push_back(context->ToDevice(points[i].x, points[i].y));
    if (const auto pattern = detail::BrushPattern(*context, context->State.Brush))
        FillPolygon(*context, device, *pattern);
    detail::DrawPenOutline(*context, points, count);
    return true;
}

} // namespace gdi
