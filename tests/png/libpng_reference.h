#pragma once
// libpng as the reference codec of the tests and the benchmarks: reading a PNG held in memory
// with the transformations the caller asks for, and writing one from rows in the PNG layout.

#include <cstdint>
#include <functional>
#include <optional>
#include <png.h>
#include <string>
#include <vector>

namespace libpngref {

using TBytes = std::vector<std::uint8_t>;

// libpng's reading of a PNG: the header's fields, the chunks the tests look at, the rows
// (RowBytes each) after the transformations that transform asks for (none: the file's own
// layout, de-interlaced), and libpng's warnings. Errors raise std::runtime_error.
struct TLibpngImage {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    int ColourType = 0;
    int Depth = 0;
    bool HasTransparency = false;
    std::optional<png_color_16> Key; // tRNS of grey and RGB images
    double Gamma = 0;                // 0 without gAMA
    std::optional<png_color_16> Background;
    std::size_t RowBytes = 0;
    TBytes Rows;
    std::vector<std::string> Warnings;
};
TLibpngImage
LibpngRead(const TBytes& png,
           const std::function<void(png_structp, const TLibpngImage&)>& transform = {});

// What a PNG is written as. Filters holds libpng's filter flags (PNG_FILTER_NONE and so on);
// a palette image gets the palette given.
struct TLibpngLayout {
    std::uint32_t Width = 0;
    std::uint32_t Height = 0;
    int Depth = 8;
    int ColourType = PNG_COLOR_TYPE_RGB;
    bool Interlace = false;
    int Filters = PNG_ALL_FILTERS;
    int Level = -1; // zlib's default
    std::vector<png_color> Palette;
};
// Encodes Height rows of equal length in the PNG row layout (big-endian 16-bit samples,
// packed low depths). Errors raise std::runtime_error.
TBytes LibpngWrite(const TLibpngLayout& layout, const TBytes& rows);

} // namespace libpngref
