#include "platform/gdi/region.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

// Counts the pixels of a region inside a probe window by asking Contains for each.
int PixelCount(const TRegion& region, const RECT& window) {
    int count = 0;
    for (int y = window.top; y < window.bottom; ++y)
        for (int x = window.left; x < window.right; ++x)
            count += region.Contains(x, y);
    return count;
}

TEST(Region, UnionOfOverlappingRectanglesCoversEachPixelOnce) {
    TRegion region(RECT{0, 0, 4, 4});
    region.Union(RECT{2, 2, 6, 6});
    EXPECT_EQ(PixelCount(region, {-1, -1, 8, 8}), 16 + 16 - 4);
    int area = 0;
    for (const RECT& r : region.Rects())
        area += r.Width() * r.Height();
    EXPECT_EQ(area, 28) << "rectangles must be disjoint";
    EXPECT_EQ(region.BoundingBox(), (RECT{0, 0, 6, 6}));
}

TEST(Region, SubtractLeavesAFrame) {
    TRegion region(RECT{0, 0, 5, 5});
    region.Subtract(RECT{1, 1, 4, 4});
    EXPECT_EQ(PixelCount(region, {0, 0, 5, 5}), 25 - 9);
    EXPECT_FALSE(region.Contains(2, 2));
    EXPECT_TRUE(region.Contains(0, 4));
    EXPECT_TRUE(region.Contains(4, 0));
}

TEST(Region, IntersectAndOffset) {
    TRegion a(RECT{0, 0, 10, 10});
    a.Subtract(RECT{0, 0, 5, 10});
    TRegion b(RECT{3, 3, 8, 8});
    a.Intersect(b);
    EXPECT_EQ(a, TRegion(RECT{5, 3, 8, 8}));
    a.Offset(-5, 2);
    EXPECT_EQ(a, TRegion(RECT{0, 5, 3, 10}));
    a.Intersect(RECT{10, 10, 20, 20});
    EXPECT_TRUE(a.IsEmpty());
}

TEST(Region, EqualPixelSetsCompareEqualWhateverTheirHistory) {
    TRegion pieces;
    pieces.Union(RECT{0, 0, 2, 4});
    pieces.Union(RECT{2, 0, 4, 4});
    EXPECT_EQ(pieces, TRegion(RECT{0, 0, 4, 4}));
    TRegion holed(RECT{0, 0, 4, 4});
    holed.Subtract(RECT{1, 1, 2, 2});
    holed.Union(RECT{1, 1, 2, 2});
    EXPECT_EQ(holed, TRegion(RECT{0, 0, 4, 4}));
    EXPECT_EQ(holed.Rects().size(), 1u);
}

TEST(Region, EmptyRectanglesAddNothing) {
    TRegion region(RECT{3, 3, 3, 8});
    EXPECT_TRUE(region.IsEmpty());
    region.Union(RECT{5, 5, 2, 2});
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(region.BoundingBox(), RECT{});
}

} // namespace
} // namespace gdi
