#pragma once
// The limit on the pixels an image may claim before pngtool does any work on it.

#include "gui/classes/exceptions.h"

#include <cstdint>

DECLARE_EXCEPTION(ETooManyPixels, Exception);

namespace pngtool {

// Raises ETooManyPixels when width x height is above maxPixels.
void CheckPixelCount(std::uint32_t width, std::uint32_t height, std::uint64_t maxPixels);

} // namespace pngtool
