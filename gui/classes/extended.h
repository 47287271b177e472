#pragma once
// The 10-byte extended-precision float of streams (sign and 15-bit exponent in the last two
// bytes, a 64-bit mantissa with an explicit integer bit in the first eight, little-endian),
// converted to and from double. Values beyond double's range become infinities or zero.

#include "gui/classes/streamformat.h"

#include <array>
#include <cstdint>

using TExtendedBytes = std::array<std::uint8_t, ExtendedSize>;

double ExtendedToDouble(const TExtendedBytes& bytes);
TExtendedBytes DoubleToExtended(double value);
