#pragma once
// Whole rows of an image as straight (not premultiplied) 8-bit red, green, blue and alpha,
// four bytes a pixel in that order: the bulk form of PixelColour and PixelAlpha, and of
// SetPixelColour, for programs that hand pixels on to other libraries.

#include "png/unpack.h"

#include <array>
#include <cstdint>
#include <vector>

class TPNGObject;
class TChunkIHDR;

namespace png {

// Reads rows byte for byte as PixelColour and PixelAlpha give their pixels. What it reads
// (header, colour table, palette, transparency) is taken when it is made, so it is made
// again after the image changes.
class TRgbaReader {
public:
    // EPNGHeaderNotPresent without a header.
    explicit TRgbaReader(const TPNGObject& image);

    // Image row y, which must be below the height, into width x 4 bytes at out. Like
    // PixelColour, raises EPngError for a palette index beyond the palette.
    void ReadRow(std::uint32_t y, std::uint8_t* out) const;

private:
    void ReadIndexed(const std::uint8_t* row, std::uint8_t* out) const;

    const TChunkIHDR& FHeader;
    // Red, green, blue and alpha of each colour-table entry, red in the low byte.
    std::array<std::uint32_t, 256> FTable{};
    // Entries a pixel may name; PixelColour raises for the others.
    std::uint32_t FEntries = 256;
    bool FKeyed = false;
    // The colour key of an RGB image, as 0x00BBGGRR.
    std::uint32_t FKey = 0;
};

// Writes rows as SetPixelColour writes each pixel, and the alpha bytes into the alpha plane
// where the image has one. Blue-green-red rows take the samples unchanged, a row at a time;
// images with a colour table take each pixel's nearest entry, pixel by pixel.
class TRgbaWriter {
public:
    // EPNGHeaderNotPresent without a header.
    explicit TRgbaWriter(TPNGObject& image);

    // Image row y, which must be below the height, from width x 4 bytes at in.
    void WriteRow(std::uint32_t y, const std::uint8_t* in);

private:
    TPNGObject& FImage;
    TChunkIHDR& FHeader;
    TRowUnpacker FSplit = nullptr;
    // Where the alpha bytes of rows without an alpha plane go.
    std::vector<std::uint8_t> FDiscarded;
};

} // namespace png
