#pragma once
// Ternary raster operations over rows of working pixels. The operation code is the truth
// table in bits 16..23 of a raster operation: bit (P << 2 | S << 1 | D) of the code gives the
// result for pattern bit P, source bit S and destination bit D. All 32 bits of a pixel take
// part, the fourth byte included.

#include "platform/gdi/pixel.h"

#include <cstdint>

namespace gdi::detail {

constexpr std::uint8_t RopCode(DWORD rop) {
    return std::uint8_t((rop >> 16) & 0xFF);
}
constexpr bool RopUsesSource(std::uint8_t code) {
    return ((code >> 2) ^ code) & 0x33;
}
constexpr bool RopUsesPattern(std::uint8_t code) {
    return ((code >> 4) ^ code) & 0x0F;
}

// The code of a pen's binary mix mode (R2_BLACK .. R2_WHITE) as a pattern operation: the
// mode minus one is the truth table over the pen bit P and destination bit D at P << 1 | D.
std::uint8_t Rop2Code(int mode);

// d[i] = rop(p[i], s[i], d[i]) for i < n. s may be null when the code does not use the
// source, p when it does not use the pattern.
void ApplyRop(std::uint8_t code, TPixel* d, const TPixel* s, const TPixel* p, int n);

} // namespace gdi::detail
