#pragma once
// The engine's working pixel: a 32-bit value whose bytes in memory are blue, green, red and a
// fourth byte, the layout of a 32-bit bitmap row on a little-endian machine. Every format is
// read into and written from this form. Public: code that fills or reads the memory of a
// 32-bit section (icons, image lists, themed painting) works in the same form.

#include "platform/gdi/types.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cwchar>

namespace gdi {

static_assert(std::endian::native == std::endian::little,
              "32-bit rows are read as words in memory order");

using TPixel = std::uint32_t;

constexpr TPixel kColourBits = 0x00FFFFFF;
constexpr TPixel kWhitePixel = 0x00FFFFFF;
constexpr TPixel kBlackPixel = 0;

// Sets n pixels to one value. Where wide characters are 32 bits, the C library's wide fill
// does a long run with the widest stores the processor has, several times faster than a
// plain loop; short runs (the sides of frames) are quicker without the call.
inline void FillPixels(TPixel* out, std::size_t n, TPixel value) {
    constexpr std::size_t kShortRun = 16;
    if (sizeof(wchar_t) == sizeof(TPixel) && n >= kShortRun)
        std::wmemset(reinterpret_cast<wchar_t*>(out), wchar_t(value), n);
    else
        std::fill_n(out, n, value);
}

constexpr TPixel ToPixel(COLORREF c) {
    return TPixel(GetBValue(c)) | (TPixel(GetGValue(c)) << 8) | (TPixel(GetRValue(c)) << 16);
}

constexpr COLORREF ToColour(TPixel p) {
    return RGB(BYTE((p >> 16) & 0xFF), BYTE((p >> 8) & 0xFF), BYTE(p & 0xFF));
}

constexpr TPixel ToPixel(const RGBQUAD& q) {
    return TPixel(q.rgbBlue) | (TPixel(q.rgbGreen) << 8) | (TPixel(q.rgbRed) << 16);
}

constexpr RGBQUAD ToQuad(TPixel p) {
    return {BYTE(p & 0xFF), BYTE((p >> 8) & 0xFF), BYTE((p >> 16) & 0xFF), 0};
}

} // namespace gdi
