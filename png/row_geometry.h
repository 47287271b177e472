#pragma once
// The length of a PNG row and the bytes per complete pixel that the row filters use.

#include "png/format.h"

#include <cstdint>

namespace png {

struct TRowGeometry {
    std::uint32_t RowLength = 0;   // bytes without the filter byte
    std::uint32_t PixelStride = 0; // bytes per complete pixel, at least 1 for packed pixels
};

constexpr TRowGeometry RowGeometry(std::uint8_t colourType, std::uint8_t bitDepth,
                                   std::uint32_t width) {
    const std::uint64_t w = width;
    const std::uint32_t d = bitDepth;
    switch (colourType) {
    case COLOR_GRAYSCALE:
        return {std::uint32_t((w * d + 7) / 8), d == 16 ? 2u : 1u};
    case COLOR_PALETTE:
        return {std::uint32_t((w * d + 7) / 8), 1};
    case COLOR_RGB:
        return {std::uint32_t(w * d * 3 / 8), d * 3 / 8};
    case COLOR_GRAYSCALEALPHA:
        return {std::uint32_t(w * d * 2 / 8), d / 4};
    case COLOR_RGBALPHA:
        return {std::uint32_t(w * d * 4 / 8), d / 2};
    default:
        return {};
    }
}

} // namespace png
