#pragma once
// The pixels of a bitmap read once, as 32 bits each (blue, green, red and a fourth byte
// that 32-bit bitmaps may use for alpha), top row first: the conversions look at every
// pixel, and one read costs less than a platform call per pixel.

#include "gui/graphics/colors.h"
#include "platform/gdi/handles.h"

#include <cstdint>
#include <vector>

class TBitmapPixels {
public:
    // Nothing is read from a handle that is no bitmap; the result is then empty.
    explicit TBitmapPixels(gdi::HBITMAP bitmap);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FPixels.empty(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < FWidth && y < FHeight; }
    // The colour as 0x00BBGGRR; the pixel must lie within the bitmap.
    TColor Colour(int x, int y) const {
        return gdi::RGB(Byte(x, y, 2), Byte(x, y, 1), Byte(x, y, 0));
    }
    std::uint8_t FourthByte(int x, int y) const { return Byte(x, y, 3); }

private:
    std::uint8_t Byte(int x, int y, int which) const {
        return FPixels[(std::size_t(y) * std::size_t(FWidth) + std::size_t(x)) * 4 +
                       std::size_t(which)];
    }

    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::uint8_t> FPixels;
};
