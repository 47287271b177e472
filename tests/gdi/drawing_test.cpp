#include "tests/gdi/canvas.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

using test::TCanvas;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

TEST(Pixels, SetAndGetThroughOriginAndClip) {
    TCanvas canvas(3, 3);
    SetViewportOrgEx(canvas.DC(), 1, 1, nullptr);
    EXPECT_EQ(SetPixel(canvas.DC(), 0, 0, kRed), kRed);
    EXPECT_EQ(canvas.At(1, 1), kRed);
    EXPECT_EQ(GetPixel(canvas.DC(), 0, 0), kRed);
    EXPECT_EQ(GetPixel(canvas.DC(), 2, 0), CLR_INVALID) << "outside the surface";
    EXPECT_EQ(SetPixel(canvas.DC(), -2, 0, kRed), CLR_INVALID);
    ExcludeClipRect(canvas.DC(), -1, -1, 0, 0);
    EXPECT_EQ(SetPixel(canvas.DC(), -1, -1, kRed), CLR_INVALID);
    EXPECT_EQ(canvas.At(0, 0), kWhite);
}

TEST(Pixels, MonochromeSurfacesTakeTheNearerOfBlackAndWhite) {
    test::TMonoCanvas mono(3, 1);
    EXPECT_EQ(SetPixel(mono.DC(), 0, 0, RGB(200, 200, 200)), kWhite);
    EXPECT_EQ(SetPixel(mono.DC(), 1, 0, RGB(90, 20, 200)), kBlack);
    EXPECT_EQ(SetPixel(mono.DC(), 2, 0, kWhite), kWhite);
    EXPECT_EQ(mono.Bits(), "101");
}

TEST(Fills, SolidFillRectIsClippedToTheSurface) {
    TCanvas canvas(4, 3, kBlack);
    TOwnedBrush red(CreateSolidBrush(kRed));
    EXPECT_EQ(FillRect(canvas.DC(), {2, -5, 10, 2}, red.Get()), 1);
    EXPECT_EQ(canvas.Picture(kRed), "..##|..##|....");
    FillRect(canvas.DC(), {3, 3, 1, 1}, red.Get());
    EXPECT_EQ(canvas.Picture(kRed), "..##|..##|....") << "inverted rectangles are empty";
    FillRect(canvas.DC(), {0, 2, 1, 3}, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(canvas.At(0, 2), kBlack);
}

} // namespace
} // namespace gdi
