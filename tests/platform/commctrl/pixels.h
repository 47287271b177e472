#pragma once
// Helpers of the icon and image-list tests that work on the platform alone: bitmaps and
// icons made from pixel values, pixels read back, and a surface to draw on.

#include "platform/commctrl/imagelist.h"
#include "tests/platform/gdi/canvas.h"

#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace testing_commctrl {

// Blue, green, red and a fourth byte, as 32-bit rows hold them.
using TPixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kWhite = 0x00FFFFFF;

constexpr std::uint32_t Argb(int a, int r, int g, int b) {
    return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 |
           std::uint32_t(b);
}

inline gdi::BITMAPINFO TopDown(int width, int height) {
    return gdi::test::DibInfo(width, -height, 32);
}

// A 32-bit section holding the pixels, top row first.
inline gdi::TOwnedBitmap ColourBitmap(int width, int height, const TPixels& pixels) {
    const gdi::BITMAPINFO info = TopDown(width, height);
    void* bits = nullptr;
    gdi::TOwnedBitmap bitmap(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
    EXPECT_TRUE(bitmap && bits);
    if (bits)
        std::memcpy(bits, pixels.data(), pixels.size() * 4);
    return bitmap;
}

// The pixels of any bitmap as 32-bit values, top row first.
inline TPixels ReadPixels(gdi::HBITMAP bitmap) {
    gdi::BITMAP shape;
    if (!gdi::GetObject(bitmap, shape))
        return {};
    TPixels pixels(std::size_t(shape.bmWidth) * std::size_t(shape.bmHeight));
    gdi::BITMAPINFO info = TopDown(shape.bmWidth, shape.bmHeight);
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    EXPECT_EQ(gdi::GetDIBits(dc.Get(), bitmap, 0, gdi::UINT(shape.bmHeight), pixels.data(), &info,
                             gdi::DIB_RGB_COLORS),
              shape.bmHeight);
    return pixels;
}

// A monochrome mask, white where transparent[i] is true.
inline gdi::TOwnedBitmap MaskBitmap(int width, int height, const std::vector<bool>& transparent) {
    gdi::TOwnedBitmap mask(gdi::CreateBitmap(width, height, 1, 1, nullptr));
    TPixels pixels(transparent.size());
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = transparent[i] ? kWhite : 0;
    const gdi::BITMAPINFO info = TopDown(width, height);
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(nullptr));
    gdi::SetDIBits(dc.Get(), mask.Get(), 0, gdi::UINT(height), pixels.data(), &info,
                   gdi::DIB_RGB_COLORS);
    return mask;
}

inline commctrl::TOwnedIcon MakeIcon(int width, int height, const TPixels& colour,
                                     const std::vector<bool>& transparent) {
    const gdi::TOwnedBitmap colourBitmap = ColourBitmap(width, height, colour);
    const gdi::TOwnedBitmap maskBitmap = MaskBitmap(width, height, transparent);
    commctrl::ICONINFO info;
    info.hbmColor = colourBitmap.Get();
    info.hbmMask = maskBitmap.Get();
    return commctrl::TOwnedIcon(commctrl::CreateIconIndirect(&info));
}

// An icon's colour pixels and its mask (white where transparent), read through copies.
struct TIconPixels {
    TPixels Colour;
    TPixels Mask;
    friend bool operator==(const TIconPixels&, const TIconPixels&) = default;
};

inline TIconPixels IconPixels(commctrl::HICON icon) {
    commctrl::ICONINFO info;
    if (!commctrl::GetIconInfo(icon, &info))
        return {};
    const gdi::TOwnedBitmap colour(info.hbmColor);
    const gdi::TOwnedBitmap mask(info.hbmMask);
    TIconPixels pixels{ReadPixels(colour.Get()), ReadPixels(mask.Get())};
    for (std::uint32_t& p : pixels.Mask)
        p &= kWhite;
    return pixels;
}

// A 32-bit surface in a memory context, filled with one colour.
class TSurface {
public:
    TSurface(int width, int height, std::uint32_t fill)
        : FWidth(width),
          FBitmap(
              ColourBitmap(width, height, TPixels(std::size_t(width) * std::size_t(height), fill))),
          FDC(gdi::CreateCompatibleDC(nullptr)), FSelection(FDC.Get(), FBitmap.Get()) {}

    gdi::HDC DC() const { return FDC.Get(); }
    // The colour bits of the pixel at (x, y).
    std::uint32_t At(int x, int y) const {
        gdi::BITMAP shape;
        gdi::GetObject(FBitmap.Get(), shape);
        const auto* bits = static_cast<const std::uint32_t*>(shape.bmBits);
        return bits[std::size_t(y) * std::size_t(FWidth) + std::size_t(x)] & kWhite;
    }

private:
    int FWidth;
    gdi::TOwnedBitmap FBitmap;
    gdi::TOwnedDC FDC;
    gdi::TSelection FSelection;
};

} // namespace testing_commctrl
