// Handing out a context's pixels for blending in place: only where a write to them is what a
// transfer of the same pixels would write, and only the parts the clip lets through.

#include "platform/gdi/direct_pixels.h"
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace gdi {
namespace {

using test::DibInfo;
using test::TCanvas;
using test::TMonoCanvas;

std::vector<RECT> VisibleParts(const TDirectPixels& pixels, const RECT& r) {
    std::vector<RECT> parts;
    pixels.ForEachVisiblePart(r, [&](const RECT& part) { parts.push_back(part); });
    return parts;
}

TEST(DirectPixels, OnlyA32BitColourSurfaceAtScaleOneIsHandedOut) {
    EXPECT_TRUE(DirectPixels(TCanvas(4, 4).DC()));
    EXPECT_FALSE(DirectPixels(TCanvas(4, 4, RGB(0, 0, 0), 2).DC()));
    EXPECT_FALSE(DirectPixels(TMonoCanvas(4, 4).DC()));
    EXPECT_FALSE(DirectPixels(nullptr));
    TReleasedDC screen(GetScreenDC());
    EXPECT_FALSE(DirectPixels(screen.Get()));
    for (int bits : {8, 24}) {
        const BITMAPINFO info = DibInfo(4, 4, bits);
        void* memory = nullptr;
        TOwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory));
        TOwnedDC dc(CreateCompatibleDC(nullptr));
        TSelection select(dc.Get(), section.Get());
        EXPECT_FALSE(DirectPixels(dc.Get())) << bits;
    }
}

TEST(DirectPixels, PartsAreTheRectangleCutToTheClipInLogicalCoordinates) {
    TCanvas canvas(12, 10);
    SetViewportOrgEx(canvas.DC(), 2, 1, nullptr);
    IntersectClipRect(canvas.DC(), 0, 0, 8, 7);
    ExcludeClipRect(canvas.DC(), 3, 2, 5, 4);
    const auto pixels = DirectPixels(canvas.DC());
    ASSERT_TRUE(pixels);
    std::vector<RECT> parts = VisibleParts(*pixels, {-5, -5, 6, 30});
    TRegion covered;
    int area = 0;
    for (const RECT& part : parts) {
        covered.Union(TRegion(part));
        area += part.Width() * part.Height();
    }
    TRegion expected(RECT{0, 0, 6, 7});
    expected.Subtract(TRegion(RECT{3, 2, 5, 4}));
    EXPECT_EQ(covered, expected);
    EXPECT_EQ(area, 6 * 7 - 2 * 2) << "the parts overlap";
    EXPECT_TRUE(VisibleParts(*pixels, {8, 0, 12, 10}).empty());

    // Logical (x, y) is device (x + 2, y + 1).
    *pixels->At(4, 5) = 0x12345678;
    EXPECT_EQ(canvas.Word(6, 6), 0x12345678u);
}

// The surface's right edge lies past the largest int in logical coordinates.
TEST(DirectPixels, AFarOriginCutsWithoutOverflow) {
    constexpr int kMax = std::numeric_limits<int>::max();
    TCanvas canvas(8, 8);
    SetViewportOrgEx(canvas.DC(), -(kMax - 2), 2'000'000'000, nullptr);
    const auto pixels = DirectPixels(canvas.DC());
    ASSERT_TRUE(pixels);
    EXPECT_TRUE(VisibleParts(*pixels, {0, -2'000'000'000, kMax - 2, 0}).empty());
    const std::vector<RECT> parts = VisibleParts(*pixels, {0, -kMax, kMax, kMax});
    ASSERT_EQ(parts.size(), 1u);
    EXPECT_EQ(parts[0], (RECT{kMax - 2, -2'000'000'000, kMax, -1'999'999'992}));
}

TEST(DirectPixels, BottomUpRowsAreCountedFromTheTop) {
    const BITMAPINFO info = DibInfo(3, 4, 32);
    void* memory = nullptr;
    TOwnedBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory));
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    TSelection select(dc.Get(), section.Get());
    const auto pixels = DirectPixels(dc.Get());
    ASSERT_TRUE(pixels);
    *pixels->At(1, 0) = 0xABCDEF;
    // The top row is the last in memory.
    EXPECT_EQ(static_cast<std::uint32_t*>(memory)[3 * 3 + 1], 0xABCDEFu);
}

} // namespace
} // namespace gdi
