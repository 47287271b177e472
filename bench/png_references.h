#pragma once
// The reference codecs of the benchmark: libpng, libspng and stb_image decoding to 8-bit
// RGBA (palettes and grey expanded, 16-bit samples cut to their high byte, opaque images
// given an alpha of 255), and libpng encoding with a set of filters and a compression level.

#include <cstddef>
#include <vector>

namespace pngbench {

using TBytes = std::vector<unsigned char>;

// Filter sets as the codec writes them: bit n allows filter type n.
inline constexpr int SubFilterOnly = 1 << 1;
inline constexpr int AllFilters = 0x1F;

// Decodes a PNG to RGBA8; returns the number of decoded bytes.
std::size_t LibpngDecode(const TBytes& png);
std::size_t SpngDecode(const TBytes& png);
std::size_t StbDecode(const TBytes& png);

// Encodes 8-bit pixels of 3 (RGB) or 4 (RGBA) channels.
TBytes LibpngEncode(unsigned width, unsigned height, int channels, const TBytes& pixels,
                    int filters, int level);

} // namespace pngbench
