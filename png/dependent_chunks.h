#pragma once
// Chunks kept as read whose values depend on the image's bit depth or colour type (the
// background level and the significant bits), and the key: they follow when the rows are
// written at another depth or gain an alpha channel.

#include <cstdint>

class TPNGObject;

namespace png {

// Rescales the grey levels of the key and of the background from one bit depth to another.
void RescaleGreyLevels(TPNGObject& image, std::uint8_t fromDepth, std::uint8_t toDepth);

// Gives the significant bits an entry for a new alpha channel of the given depth, where it
// holds one entry per colour channel.
void AddAlphaSignificantBits(TPNGObject& image, std::uint32_t colourChannels,
                             std::uint8_t alphaDepth);

} // namespace png
