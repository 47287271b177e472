#pragma once
// Row unpackers: turn one unfiltered PNG row into the stored representation (DIB row of
// blue-green-red pixels or colour-table indices, and the alpha row).

#include <cstdint>

namespace png {

struct TRowTarget {
    std::uint8_t* Pixels;      // the DIB row
    std::uint8_t* Alpha;       // the alpha row, null without an alpha plane
    std::uint32_t Count;       // pixels in the PNG row
    std::uint32_t FirstColumn; // column of the row's first pixel
    std::uint32_t ColumnStep;  // columns between the row's pixels
    const std::uint8_t* Gamma; // applied to red, green and blue samples
};

// Places the row's pixels at columns FirstColumn + k x ColumnStep. Packed pixels are ORed
// into the DIB row, which must be zero where they go.
using TRowUnpacker = void (*)(const std::uint8_t* source, const TRowTarget& target);

// The unpacker of a colour type and bit depth; null for combinations without one.
// Sequential unpackers require FirstColumn 0 and ColumnStep 1. With identityGamma the
// gamma table is known to be the identity and may be skipped.
TRowUnpacker ChooseUnpacker(std::uint8_t colourType, std::uint8_t bitDepth, bool interlaced,
                            bool identityGamma);

// Copies pixels of three bytes, exchanging the first and the third (red-green-blue to
// blue-green-red and back).
void SwapRedBlue(const std::uint8_t* source, std::uint8_t* target, std::uint32_t pixels);

} // namespace png
