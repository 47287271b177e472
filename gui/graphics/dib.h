#pragma once
// Device-independent bitmap layouts as the graphics classes handle them: row sizes, the
// standard colour tables, and reading and packing pixels across formats.

#include "platform/gdi/gdi.h"

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

// An image in memory in a device-independent layout: rows bottom-up, padded to 4 bytes.
struct TDIBImage {
    int Width = 0;
    int Height = 0;
    int BitCount = 0;
    // 2^BitCount entries for palette layouts (1, 4, 8 bits), none for 24 and 32 bits.
    std::vector<gdi::RGBQUAD> Colors;
    std::vector<std::uint8_t> Bits;
};

// The bytes of one row of width pixels, padded to a multiple of 4.
std::int64_t BytesPerScanLine(std::int64_t width, int bitCount);
// True for the layouts that index a colour table.
inline bool HasColorTable(int bitCount) {
    return bitCount <= 8;
}
// The table a new bitmap of a palette layout starts with: black and white for 1 bit, the 16
// standard colours for 4 bits, and for 8 bits those 16, a 6 x 6 x 6 colour cube and greys.
std::vector<gdi::RGBQUAD> StandardColorTable(int bitCount);
// The table for pixels converted to a palette layout: their own colours in order of first
// appearance when they fit, else the standard table.
std::vector<gdi::RGBQUAD> ColorTableFor(std::span<const std::uint32_t> pixels, int bitCount);
// Header and colour table for a bitmap; a negative height means rows top-down.
gdi::BITMAPINFO MakeBitmapInfo(int width, int height, int bitCount,
                               std::span<const gdi::RGBQUAD> colors);

// The pixels of any bitmap, top row first, one 32-bit value per pixel: blue in the low
// byte, then green and red. EOutOfResources when the platform cannot read them.
std::vector<std::uint32_t> ReadPixels(gdi::HBITMAP bitmap, int width, int height);
// The rows of a bitmap in the layout of bitCount bits, padded to 4 bytes: bottom-up for a
// positive height, top-down for a negative one. Palette layouts get the standard table.
// EOutOfResources when the platform cannot read them.
std::vector<std::uint8_t> ReadRows(gdi::HBITMAP bitmap, int width, int height, int bitCount);

// Packs rows of 32-bit pixels into a layout. Palette layouts take, for each colour, the
// nearest entry of the table (the first of equals), so colours of the table stay exact.
class TPixelPacker {
public:
    TPixelPacker(int bitCount, std::span<const gdi::RGBQUAD> colors)
        : FBitCount(bitCount), FColors(colors) {}
    // Writes width pixels from source into the row at dest.
    void PackRow(const std::uint32_t* source, int width, std::uint8_t* dest);

private:
    std::uint8_t NearestIndex(std::uint32_t pixel);

    int FBitCount;
    std::span<const gdi::RGBQUAD> FColors;
    std::unordered_map<std::uint32_t, std::uint8_t> FIndexOf;
};
