#include "tools/pngtool/pixel_limit.h"

#include <string>

namespace pngtool {

void CheckPixelCount(std::uint32_t width, std::uint32_t height, std::uint64_t maxPixels) {
    if (std::uint64_t(width) * height > maxPixels)
        throw ETooManyPixels("The image claims " + std::to_string(width) + " x " +
                             std::to_string(height) + " pixels, more than the " +
                             std::to_string(maxPixels) +
                             " pngtool takes; --max-pixels N raises the limit.");
}

} // namespace pngtool
