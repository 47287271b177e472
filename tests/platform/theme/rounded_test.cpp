#include "platform/theme/rounded.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace theme::detail {
namespace {

// The span that is painted without sampling holds only pixels whose sampled coverage is
// whole, over shapes from empty to wide, with radii larger than the shape allows too.
TEST(Rounded, TheInnerSpanIsWhollyCovered) {
    for (int width = 0; width <= 12; ++width)
        for (int height = 0; height <= 12; ++height)
            for (int inset = 0; inset <= 2; ++inset)
                for (int radius = 0; radius <= 7; ++radius) {
                    const TRoundedRect shape{width, height, inset, radius};
                    int spanned = 0;
                    for (int y = -1; y <= height; ++y) {
                        const TSpan span = InnerSpan(shape, y);
                        for (int x = span.First; x < span.Last; ++x, ++spanned)
                            ASSERT_EQ(Coverage(shape, x, y), 16)
                                << width << " x " << height << ", inset " << inset << ", radius "
                                << radius << ", pixel " << x << ", " << y;
                    }
                    const int w = std::max(0, width - 2 * inset);
                    const int h = std::max(0, height - 2 * inset);
                    const int r = std::min(radius, std::min(w, h) / 2);
                    EXPECT_EQ(spanned, w * h - 4 * r * r)
                        << "all but the corner squares, " << width << " x " << height << ", inset "
                        << inset << ", radius " << radius;
                }
}

} // namespace
} // namespace theme::detail
