#include "tests/platform/commctrl/pixels.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace testing_commctrl;

constexpr std::uint32_t kBackground = 0x00204080;

void Draw(TSurface& surface, commctrl::HICON icon, int size = 0,
          commctrl::UINT flags = commctrl::DI_NORMAL) {
    commctrl::DrawIconEx(surface.DC(), 0, 0, icon, size, size, 0, nullptr, flags);
}

TEST(IconDrawing, AlphaIconsBlendEachPixelByItsAlphaAndIgnoreTheMask) {
    TPixels colour;
    for (int i = 0; i < 32; ++i)
        colour.push_back(Argb(i * 255 / 31, 0xF0 - i, 0x10 + i * 3, 0x80));
    // Every other pixel is transparent by the mask; an alpha icon draws it all the same.
    std::vector<bool> transparent(32);
    for (std::size_t i = 0; i < transparent.size(); i += 2)
        transparent[i] = true;
    TSurface surface(8, 5, kBackground);
    Draw(surface, MakeIcon(8, 4, colour, transparent).Get());
    for (int i = 0; i < 32; ++i) {
        const std::uint32_t c = colour[std::size_t(i)], drawn = surface.At(i % 8, i / 8);
        const int alpha = int(c >> 24);
        for (int shift : {0, 8, 16}) {
            const double ideal =
                (((c >> shift) & 0xFF) * alpha + ((kBackground >> shift) & 0xFF) * (255 - alpha)) /
                255.0;
            EXPECT_LE(std::abs(double((drawn >> shift) & 0xFF) - ideal), 0.5 + 1e-9)
                << "pixel " << i << ", channel at bit " << shift;
        }
    }
    EXPECT_EQ(surface.At(0, 4), kBackground);
}

TEST(IconDrawing, MaskIconsKeepTheBackgroundWhereTheMaskIsWhiteAndXorTheColour) {
    // Opaque red; transparent over black (background kept); transparent over white (the
    // classic XOR inverts the background); opaque black.
    const commctrl::TOwnedIcon icon =
        MakeIcon(4, 1, {0x00FF0000, 0, kWhite, 0}, {false, true, true, false});
    TSurface surface(4, 1, kBackground);
    Draw(surface, icon.Get());
    EXPECT_EQ(surface.At(0, 0), 0x00FF0000u);
    EXPECT_EQ(surface.At(1, 0), kBackground);
    EXPECT_EQ(surface.At(2, 0), kBackground ^ kWhite);
    EXPECT_EQ(surface.At(3, 0), 0u);
}

TEST(IconDrawing, StretchesAndDrawsTheMaskAlone) {
    const TPixels colour = {0x00FF0000, 0x0000FF00, 0, 0x000000FF};
    const commctrl::TOwnedIcon icon = MakeIcon(2, 2, colour, {false, false, true, false});
    TSurface stretched(4, 4, kBackground);
    Draw(stretched, icon.Get(), 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const std::size_t source = std::size_t((y / 2) * 2 + x / 2);
            EXPECT_EQ(stretched.At(x, y), source == 2 ? kBackground : colour[source]);
        }
    TSurface mask(2, 2, kBackground);
    Draw(mask, icon.Get(), 0, commctrl::DI_MASK);
    EXPECT_EQ(mask.At(0, 1), kWhite);
    EXPECT_EQ(mask.At(1, 1), 0u);
}

TEST(IconParts, GetIconInfoHandsOutIndependentCopies) {
    const TPixels colour = {Argb(255, 1, 2, 3), Argb(10, 4, 5, 6)};
    // The caller's bitmaps go as soon as the icon is made.
    const commctrl::TOwnedIcon icon = MakeIcon(2, 1, colour, {false, true});
    commctrl::ICONINFO first, second;
    ASSERT_TRUE(commctrl::GetIconInfo(icon.Get(), &first));
    ASSERT_TRUE(commctrl::GetIconInfo(icon.Get(), &second));
    EXPECT_NE(first.hbmColor, second.hbmColor);
    // Spoiling and freeing one copy leaves the icon and the other copy as they were.
    const TPixels black(2, 0);
    const gdi::BITMAPINFO layout = TopDown(2, 1);
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    gdi::SetDIBits(dc.Get(), first.hbmColor, 0, 1, black.data(), &layout, gdi::DIB_RGB_COLORS);
    EXPECT_EQ(ReadPixels(first.hbmColor), black);
    for (gdi::HBITMAP b : {first.hbmColor, first.hbmMask})
        gdi::DeleteObject(b);
    EXPECT_EQ(ReadPixels(second.hbmColor), colour);
    EXPECT_EQ(IconPixels(icon.Get()), (TIconPixels{colour, {0, kWhite}}));
    for (gdi::HBITMAP b : {second.hbmColor, second.hbmMask})
        gdi::DeleteObject(b);
}

TEST(IconParts, StaleHandlesAndMissingBitmapsAreRefused) {
    commctrl::HICON icon = MakeIcon(1, 1, {0}, {false}).Release();
    EXPECT_TRUE(commctrl::DestroyIcon(icon));
    EXPECT_FALSE(commctrl::DestroyIcon(icon));
    commctrl::ICONINFO info;
    EXPECT_FALSE(commctrl::GetIconInfo(icon, &info));
    TSurface surface(1, 1, kBackground);
    EXPECT_FALSE(
        commctrl::DrawIconEx(surface.DC(), 0, 0, icon, 0, 0, 0, nullptr, commctrl::DI_NORMAL));
    EXPECT_EQ(surface.At(0, 0), kBackground);
    EXPECT_EQ(commctrl::CreateIconIndirect(&info), nullptr);
    EXPECT_FALSE(commctrl::IsIcon(icon));
    EXPECT_FALSE(commctrl::ReadIconRgba(icon));
}

TEST(IconParts, StraightRgbaKeepsAlphaOrTakesItFromTheMask) {
    // An alpha icon's alpha is not applied to its colour, and its mask plays no part.
    const auto alpha = MakeIcon(
        3, 1, {Argb(128, 200, 100, 50), Argb(0, 1, 2, 3), Argb(255, 9, 8, 7)}, {true, false, true});
    EXPECT_EQ(commctrl::ReadIconRgba(alpha.Get()),
              (commctrl::TIconRgba{3, 1, {200, 100, 50, 128, 1, 2, 3, 0, 9, 8, 7, 255}}));
    const auto classic =
        MakeIcon(2, 2, {0x00102030, 0, 0x00FFFFFF, 0x00405060}, {false, true, false, true});
    EXPECT_EQ(
        commctrl::ReadIconRgba(classic.Get()),
        (commctrl::TIconRgba{
            2, 2, {0x10, 0x20, 0x30, 255, 0, 0, 0, 0, 255, 255, 255, 255, 0x40, 0x50, 0x60, 0}}));
}

} // namespace
