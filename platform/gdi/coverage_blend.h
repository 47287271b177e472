#pragma once
// Laying a colour over 32-bit pixels by coverage (0..255), as text is drawn: each colour
// channel becomes (ink * c + pixel * (255 - c) + 127) / 255, rounded the same way on every
// path; the fourth byte stays.

#include "platform/gdi/pixel.h"

#include <cstdint>

namespace gdi::detail {

void BlendCoverage(TPixel* row, const std::uint8_t* coverage, int n, TPixel ink);

} // namespace gdi::detail
