#include "platform/theme/rounded.h"

#include <algorithm>

namespace theme::detail {

namespace {

// The radius the corners take: no more than half the shape's smaller side.
int Radius(const TRoundedRect& shape) {
    const int width = shape.Width - 2 * shape.Inset;
    const int height = shape.Height - 2 * shape.Inset;
    return std::max(0, std::min({shape.Radius, width / 2, height / 2}));
}

} // namespace

TSpan InnerSpan(const TRoundedRect& shape, int y) {
    const int top = shape.Inset;
    const int bottom = shape.Height - shape.Inset;
    if (y < top || y >= bottom)
        return {};
    const int radius = Radius(shape);
    const bool cornerRow = y < top + radius || y >= bottom - radius;
    const int cut = cornerRow ? radius : 0;
    return {shape.Inset + cut, std::max(shape.Inset + cut, shape.Width - shape.Inset - cut)};
}

int Coverage(const TRoundedRect& shape, int x, int y) {
    const int left = shape.Inset;
    const int top = shape.Inset;
    const int right = shape.Width - shape.Inset;
    const int bottom = shape.Height - shape.Inset;
    if (x < left || y < top || x >= right || y >= bottom)
        return 0;
    const int radius = Radius(shape);
    // Only pixels in a corner square can be cut; everything else is wholly inside.
    const bool cornerColumn = x < left + radius || x >= right - radius;
    const bool cornerRow = y < top + radius || y >= bottom - radius;
    if (!cornerColumn || !cornerRow)
        return 16;
    // Samples in eighths of a pixel, at the centres of a 4 x 4 grid, against the circle of
    // the nearest corner; all in integers, so every platform covers alike.
    const int cx = 8 * (x < left + radius ? left + radius : right - radius);
    const int cy = 8 * (y < top + radius ? top + radius : bottom - radius);
    const int limit = 64 * radius * radius;
    int inside = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i) {
            const int dx = 8 * x + 2 * i + 1 - cx;
            const int dy = 8 * y + 2 * j + 1 - cy;
            inside += dx * dx + dy * dy <= limit;
        }
    return inside;
}

} // namespace theme::detail
