#pragma once
// The pixels behind icons and image-list entries: a 32-bit colour image (blue, green, red and
// alpha bytes, top row first) and a mask of one byte per pixel, and their passage to and from
// the raster engine's bitmaps.

#include "platform/gdi/owned.h"
#include "platform/gdi/pixel.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace commctrl::detail {

using gdi::TPixel;

constexpr TPixel kAlphaBits = 0xFF000000;

constexpr int AlphaOf(TPixel p) {
    return int(p >> 24);
}

// The pixels of a whole bitmap, top row first.
struct TPixels {
    int Width = 0;
    int Height = 0;
    std::vector<TPixel> Data;

    // The pixel at (x, y), 0 outside the bitmap.
    TPixel At(int x, int y) const {
        return x < Width && y < Height ? Data[std::size_t(y) * std::size_t(Width) + x] : 0;
    }
};

class TImage {
public:
    TImage() = default;
    // Mask bytes are 1 for a transparent pixel, 0 for an opaque one.
    TImage(int width, int height, std::vector<TPixel> colour, std::vector<std::uint8_t> mask);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    const std::vector<TPixel>& Colour() const { return FColour; }
    const std::vector<std::uint8_t>& Mask() const { return FMask; }
    // True when any colour pixel has a non-zero alpha byte: the image then draws by alpha.
    bool HasAlpha() const { return FHasAlpha; }

    TPixel ColourAt(int x, int y) const { return FColour[Index(x, y)]; }
    bool TransparentAt(int x, int y) const { return FMask[Index(x, y)] != 0; }

    // A copy scaled to width x height, each pixel taken from the nearest source pixel.
    TImage Scaled(int width, int height) const;

private:
    std::size_t Index(int x, int y) const { return std::size_t(y) * std::size_t(FWidth) + x; }

    int FWidth = 0;
    int FHeight = 0;
    std::vector<TPixel> FColour;
    std::vector<std::uint8_t> FMask;
    bool FHasAlpha = false;
};

// The pixels of any bitmap as 32-bit values (fourth byte kept for 32-bit bitmaps, zero for
// others); nothing for an unknown bitmap or one the engine cannot read.
std::optional<TPixels> ReadBitmap(gdi::HBITMAP bitmap);
// The cell of width x height whose left edge is at column `left` of the colour pixels, with
// the mask taken from the same cell of `mask` (white: transparent); without a mask every
// pixel is opaque.
TImage CutImage(const TPixels& colour, const TPixels* mask, int left, int width, int height);

// New bitmaps holding an image's colour (a 32-bit section) and its mask (monochrome, white
// where transparent); null when the engine cannot make them.
gdi::TOwnedBitmap MakeColourBitmap(const TImage& image);
gdi::TOwnedBitmap MakeMaskBitmap(const TImage& image);

} // namespace commctrl::detail
