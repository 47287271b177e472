#include "tests/commctrl/pixels.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace testing_commctrl;

constexpr std::uint32_t kBackground = 0x00204080; // red 0x20, green 0x40, blue 0x80

// The ideal straight-alpha blend of one channel, before rounding.
double IdealBlend(std::uint32_t over, std::uint32_t under, int shift, int alpha) {
    const double o = double((over >> shift) & 0xFF), u = double((under >> shift) & 0xFF);
    return (o * alpha + u * (255 - alpha)) / 255.0;
}

void ExpectBlended(std::uint32_t actual, std::uint32_t over, std::uint32_t under, int alpha) {
    for (int shift : {0, 8, 16})
        EXPECT_LE(
            std::abs(double((actual >> shift) & 0xFF) - IdealBlend(over, under, shift, alpha)),
            0.5 + 1e-9)
            << "alpha " << alpha << ", channel at bit " << shift;
}

TEST(IconDrawing, AlphaIconsBlendEachPixelByItsAlphaAndIgnoreTheMask) {
    const int w = 8, h = 4;
    TPixels colour;
    for (int i = 0; i < w * h; ++i)
        colour.push_back(Argb(i * 255 / (w * h - 1), 0xF0 - i, 0x10 + i * 3, 0x80));
    // Half the mask says transparent; an alpha icon draws those pixels all the same.
    std::vector<bool> transparent(std::size_t(w * h));
    for (std::size_t i = 0; i < transparent.size(); i += 2)
        transparent[i] = true;
    const commctrl::TOwnedIcon icon = MakeIcon(w, h, colour, transparent);
    TSurface surface(10, 6, kBackground);
    ASSERT_TRUE(commctrl::DrawIconEx(surface.DC(), 1, 2, icon.Get(), 0, 0, 0, nullptr,
                                     commctrl::DI_NORMAL));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = colour[std::size_t(y * w + x)];
            ExpectBlended(surface.At(x + 1, y + 2), c, kBackground, int(c >> 24));
        }
    EXPECT_EQ(surface.At(0, 0), kBackground);
    EXPECT_EQ(surface.At(9, 5), kBackground);
}

TEST(IconDrawing, MaskIconsKeepTheBackgroundWhereTheMaskIsWhiteAndXorTheColour) {
    // Pixel 0: opaque red; 1: transparent over black (background kept); 2: transparent over
    // white (background inverted, the classic XOR); 3: opaque black.
    const TPixels colour = {0x00FF0000, 0, kWhite, 0};
    const commctrl::TOwnedIcon icon = MakeIcon(4, 1, colour, {false, true, true, false});
    TSurface surface(4, 1, kBackground);
    ASSERT_TRUE(commctrl::DrawIconEx(surface.DC(), 0, 0, icon.Get(), 0, 0, 0, nullptr,
                                     commctrl::DI_NORMAL));
    EXPECT_EQ(surface.At(0, 0), 0x00FF0000u);
    EXPECT_EQ(surface.At(1, 0), kBackground);
    EXPECT_EQ(surface.At(2, 0), kBackground ^ kWhite);
    EXPECT_EQ(surface.At(3, 0), 0u);
}

TEST(IconDrawing, ThirtyTwoBitIconsWithoutAlphaUseTheirMask) {
    const commctrl::TOwnedIcon icon = MakeIcon(2, 1, {0x00123456, 0x00000000}, {false, true});
    TSurface surface(2, 1, kBackground);
    commctrl::DrawIconEx(surface.DC(), 0, 0, icon.Get(), 0, 0, 0, nullptr, commctrl::DI_NORMAL);
    EXPECT_EQ(surface.At(0, 0), 0x00123456u);
    EXPECT_EQ(surface.At(1, 0), kBackground);
}

TEST(IconDrawing, StretchesAndDrawsTheMaskOrTheImageAlone) {
    const TPixels colour = {0x00FF0000, 0x0000FF00, 0, 0x000000FF};
    const commctrl::TOwnedIcon icon = MakeIcon(2, 2, colour, {false, false, true, false});
    TSurface stretched(4, 4, kBackground);
    commctrl::DrawIconEx(stretched.DC(), 0, 0, icon.Get(), 4, 4, 0, nullptr, commctrl::DI_NORMAL);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const std::size_t source = std::size_t((y / 2) * 2 + x / 2);
            EXPECT_EQ(stretched.At(x, y), source == 2 ? kBackground : colour[source]);
        }

    TSurface mask(2, 2, kBackground);
    commctrl::DrawIconEx(mask.DC(), 0, 0, icon.Get(), 0, 0, 0, nullptr, commctrl::DI_MASK);
    EXPECT_EQ(mask.At(0, 1), kWhite);
    EXPECT_EQ(mask.At(1, 1), 0u);
    TSurface image(2, 2, kBackground);
    commctrl::DrawIconEx(image.DC(), 0, 0, icon.Get(), 0, 0, 0, nullptr, commctrl::DI_IMAGE);
    EXPECT_EQ(image.At(0, 1), 0u);
    EXPECT_EQ(image.At(1, 1), 0x000000FFu);
}

TEST(IconDrawing, ABrushComposesTheIconOffTheDestination) {
    const commctrl::TOwnedIcon icon = MakeIcon(2, 1, {Argb(128, 255, 255, 255), 0}, {false, false});
    const gdi::TOwnedBrush brush(gdi::CreateSolidBrush(gdi::RGB(0, 0, 0)));
    TSurface surface(2, 1, kBackground);
    commctrl::DrawIconEx(surface.DC(), 0, 0, icon.Get(), 0, 0, 0, brush.Get(), commctrl::DI_NORMAL);
    EXPECT_EQ(surface.At(0, 0), 0x00808080u);
    EXPECT_EQ(surface.At(1, 0), 0u);
}

TEST(IconParts, GetIconInfoHandsOutIndependentCopies) {
    const TPixels colour = {Argb(255, 1, 2, 3), Argb(10, 4, 5, 6)};
    commctrl::HICON icon;
    {
        // The caller's bitmaps go right after the icon is made.
        const gdi::TOwnedBitmap colourBitmap = ColourBitmap(2, 1, colour);
        const gdi::TOwnedBitmap maskBitmap = MaskBitmap(2, 1, {false, true});
        commctrl::ICONINFO info;
        info.fIcon = false;
        info.xHotspot = 1;
        info.hbmColor = colourBitmap.Get();
        info.hbmMask = maskBitmap.Get();
        icon = commctrl::CreateIconIndirect(&info);
    }
    const commctrl::TOwnedIcon owned(icon);
    commctrl::ICONINFO first, second;
    ASSERT_TRUE(commctrl::GetIconInfo(icon, &first));
    ASSERT_TRUE(commctrl::GetIconInfo(icon, &second));
    EXPECT_FALSE(first.fIcon);
    EXPECT_EQ(first.xHotspot, 1u);
    EXPECT_NE(first.hbmColor, second.hbmColor);
    EXPECT_NE(first.hbmMask, second.hbmMask);
    // Spoiling and freeing one copy leaves the icon and the other copy as they were.
    const TPixels black(2, 0);
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    const gdi::BITMAPINFO layout = TopDown(2, 1);
    gdi::SetDIBits(dc.Get(), first.hbmColor, 0, 1, black.data(), &layout, gdi::DIB_RGB_COLORS);
    EXPECT_EQ(ReadPixels(first.hbmColor), black);
    gdi::DeleteObject(first.hbmColor);
    gdi::DeleteObject(first.hbmMask);
    EXPECT_EQ(ReadPixels(second.hbmColor), colour);
    EXPECT_EQ(IconPixels(icon), (TIconPixels{colour, {0, kWhite}}));
    gdi::DeleteObject(second.hbmColor);
    gdi::DeleteObject(second.hbmMask);
}

TEST(IconParts, StaleAndForeignHandlesAreIgnored) {
    commctrl::HICON icon = MakeIcon(1, 1, {0}, {false}).Release();
    EXPECT_TRUE(commctrl::DestroyIcon(icon));
    EXPECT_FALSE(commctrl::DestroyIcon(icon));
    commctrl::ICONINFO info;
    EXPECT_FALSE(commctrl::GetIconInfo(icon, &info));
    TSurface surface(1, 1, kBackground);
    EXPECT_FALSE(
        commctrl::DrawIconEx(surface.DC(), 0, 0, icon, 0, 0, 0, nullptr, commctrl::DI_NORMAL));
    EXPECT_EQ(surface.At(0, 0), kBackground);
    commctrl::ICONINFO missing;
    EXPECT_EQ(commctrl::CreateIconIndirect(&missing), nullptr);
}

} // namespace
