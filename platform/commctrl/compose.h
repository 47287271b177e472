#pragma once
// Composing onto a device: the pixels of a destination rectangle are read once into a 32-bit
// scratch image (or the scratch is filled with a background brush instead), changed row by
// row, and written back once, inside the destination's clip.

#include "platform/commctrl/image.h"

#include <functional>

namespace commctrl::detail {

// Changes one scratch row of `width` pixels; y counts from the rectangle's top.
using TRowPainter = std::function<void(TPixel* row, int y)>;

// False when the context or the brush is unknown or the scratch cannot be made; nothing
// reaches the device then.
bool Compose(gdi::HDC dc, int x, int y, int width, int height, gdi::HBRUSH background,
             const TRowPainter& paint);

// `over` blended onto `under` by alpha (0..255), straight alpha, rounded to nearest; the
// fourth byte of `under` is kept.
constexpr TPixel Blend(TPixel over, int alpha, TPixel under) {
    TPixel result = under & kAlphaBits;
    for (int shift = 0; shift < 24; shift += 8) {
        const int o = int((over >> shift) & 0xFF);
        const int u = int((under >> shift) & 0xFF);
        result |= TPixel((o * alpha + u * (255 - alpha) + 127) / 255) << shift;
    }
    return result;
}

// The colour bits of `colour` with the fourth byte of `under`.
constexpr TPixel WithColour(TPixel under, TPixel colour) {
    return (under & kAlphaBits) | (colour & gdi::kColourBits);
}

} // namespace commctrl::detail
