#include "png/dependent_chunks.h"

#include "png/framing.h"
#include "png/pngobject.h"

namespace png {

namespace {

// A grey background is one 16-bit level.
constexpr std::uint32_t GreyBackgroundSize = 2;

} // namespace

void RescaleGreyLevels(TPNGObject& image, std::uint8_t fromDepth, std::uint8_t toDepth) {
    if (auto* transparency = image.Chunks().ChunkOfClass<TChunktRNS>())
        transparency->RescaleGreyKey(fromDepth, toDepth);
    TChunk* background = image.Chunks().ChunkOfType(ctbKGD);
    if (background && background->BodySize() == GreyBackgroundSize)
        StoreU16(background->Body(),
                 std::uint16_t(RescaleGreyLevel(LoadU16(background->Body()), fromDepth, toDepth)));
}

void AddAlphaSignificantBits(TPNGObject& image, std::uint32_t colourChannels,
                             std::uint8_t alphaDepth) {
    TChunk* significant = image.Chunks().ChunkOfType(ctsBIT);
    if (!significant || significant->BodySize() != colourChannels)
        return;
    significant->ResizeBody(colourChannels + 1);
    significant->Body()[colourChannels] = alphaDepth;
}

} // namespace png
