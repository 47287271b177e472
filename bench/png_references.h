#pragma once
// The reference codecs of the benchmark: libpng and libspng, decoding to their own
// native layout (8-bit samples, palettes expanded by libpng) and encoding with a given
// filter and compression level.

#include <cstddef>
#include <vector>

namespace pngbench {

using TBytes = std::vector<unsigned char>;

inline constexpr int PngSubFilter = 1;

// Decodes a PNG; returns the number of decoded bytes.
std::size_t LibpngDecode(const TBytes& png);
std::size_t SpngDecode(const TBytes& png);

// Encodes 8-bit pixels of 3 (RGB) or 4 (RGBA) channels with one filter type for every row.
TBytes LibpngEncode(unsigned width, unsigned height, int channels, const TBytes& pixels, int filter,
                    int level);
TBytes SpngEncode(unsigned width, unsigned height, int channels, const TBytes& pixels, int filter,
                  int level);

} // namespace pngbench
