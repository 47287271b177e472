#pragma once
// A view of pixel rows in one of the engine's formats: 1, 4 or 8 bits per pixel through a
// colour table, or 24 and 32 bits per pixel blue-green-red. This is the one place that reads
// and writes a row of any format as working pixels; everything else works on TPixel rows.

#include "platform/gdi/pixel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace gdi::detail {

// Bytes per row of `width` pixels padded to `alignment` bytes; nothing when a size is not
// positive or the result would exceed what a bitmap may claim.
std::optional<std::size_t> RowBytes(long long width, int bitsPerPixel, int alignment);
// Bytes of `height` rows; nothing on overflow.
std::optional<std::size_t> ImageBytes(std::size_t rowBytes, long long height);

bool IsSupportedDepth(int bitsPerPixel);

class TSurface {
public:
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 32;
    std::size_t Stride = 0;
    bool TopDown = true;
    // A device monochrome bitmap: transfers to and from colour convert through the contexts'
    // background and text colours instead of the colour table.
    bool Monochrome = false;
    // The colour table of indexed formats; indices past its end read as black.
    std::vector<TPixel> Colours;
    std::uint8_t* Bits = nullptr;

    bool Indexed() const { return BitsPerPixel <= 8; }
    // Row y counted from the top of the picture, whatever the storage order.
    std::uint8_t* Row(int y) const {
        return Bits + std::size_t(TopDown ? y : Height - 1 - y) * Stride;
    }

    void Read(const std::uint8_t* row, int x, int count, TPixel* out) const;
    // Indexed formats store the nearest table entry of each pixel.
    void Write(std::uint8_t* row, int x, int count, const TPixel* in) const;
    void ReadIndices(const std::uint8_t* row, int x, int count, std::uint8_t* out) const;
    void WriteIndices(std::uint8_t* row, int x, int count, const std::uint8_t* in) const;

    // The table entry closest to p (squared distance, lowest index on ties).
    std::uint8_t Nearest(TPixel p) const;
    // The colour the surface would store for p.
    TPixel Resolve(TPixel p) const;
    // Same depth and table, so raw pixel values mean the same colours.
    bool SameFormat(const TSurface& other) const;

private:
    mutable std::vector<std::uint64_t> FNearestCache;
};

} // namespace gdi::detail
