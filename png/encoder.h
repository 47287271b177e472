#pragma once
// Helpers the chunk writers share with the image data encoder.

#include <cstdint>

class TChunkIHDR;

namespace png {

// The bit depth written for a header: 2-bit rows are held at 4 bits, and grey images that
// were given an alpha plane at a depth below 8 are written as 8-bit grey with alpha.
std::uint8_t WrittenBitDepth(const TChunkIHDR& header);

} // namespace png
