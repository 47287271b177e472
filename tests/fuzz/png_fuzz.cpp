// PNG images through TPNGObject: reading, then for whatever was read, drawing at its size and
// stretched, reading every pixel, copying and writing. The copy must write the same bytes as
// the image (or fail as it does), and an image read whole must write (unless it lacks the
// palette its colour type needs), and read back from what it wrote with the same pixels.
// Built a second time with FUZZ_FIX_CRC, the harness first gives every chunk a correct CRC,
// so that mutations reach the checks behind it.

#include "fuzz_support.h"
#include "gui/classes/stream.h"
#include "png/chunks.h"
#include "png/format.h"
#include "png/framing.h"
#include "png/pngobject.h"
#include "tests/platform/gdi/canvas.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

using TBytes = std::vector<std::uint8_t>;

// Drawing and writing touch every pixel; a header may claim billions of them, which only
// costs time (reading such a header is checked, and costs nothing).
constexpr std::uint64_t CheckedPixelLimit = 1u << 16;

#ifdef FUZZ_FIX_CRC
// Recomputes the CRC of every chunk whose framing fits in the stream.
void FixCrcs(TBytes& bytes) {
    for (std::size_t at = 8; at + 12 <= bytes.size();) {
        const std::uint32_t length = png::LoadU32(bytes.data() + at);
        if (length > bytes.size() - at - 12)
            return;
        TChunkType type;
        std::copy_n(bytes.data() + at + 4, 4, type.begin());
        png::StoreU32(bytes.data() + at + 8 + length,
                      png::ChunkCrc(type, bytes.data() + at + 8, length));
        at += 12 + length;
    }
}
#endif

bool Read(TPNGObject& image, const TBytes& bytes) {
    return fuzzing::Succeeds([&] {
        TReadOnlyMemoryStream stream(bytes.data(), std::int64_t(bytes.size()));
        image.LoadFromStream(stream);
    });
}

// What the image writes; nothing when it cannot make a valid file (after a failed read).
std::optional<TBytes> Written(TPNGObject& image) {
    TMemoryStream stream;
    if (!fuzzing::Succeeds([&] { image.SaveToStream(stream); }))
        return std::nullopt;
    return stream.Bytes();
}

// Every pixel's colour and alpha; empty when reading them failed (a pixel index beyond the
// palette is reported that way).
std::vector<std::uint64_t> Pixels(const TPNGObject& image) {
    std::vector<std::uint64_t> pixels;
    const bool read = fuzzing::Succeeds([&] {
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                pixels.push_back(std::uint64_t(image.PixelColour(x, y)) << 8 |
                                 image.PixelAlpha(x, y));
    });
    return read ? pixels : std::vector<std::uint64_t>();
}

// The reader takes chunks in any order and number, so a palette image may come without a
// palette (or with an empty one); that makes no valid file, and the codec does not write it.
bool HasPaletteItNeeds(const TPNGObject& image) {
    const auto* palette = image.Chunks().ChunkOfClass<TChunkPLTE>();
    return image.HeaderChunk().ColourType() != png::COLOR_PALETTE ||
           (palette && palette->EntryCount() > 0);
}

void Draw(TPNGObject& image) {
    const int w = std::max(image.Width(), 1), h = std::max(image.Height(), 1);
    gdi::test::TCanvas canvas(2 * w + 2, 2 * h + 2, gdi::RGB(10, 20, 30));
    fuzzing::Succeeds([&] { image.DrawOnDC(canvas.DC(), {1, 1, 1 + w, 1 + h}); });
    fuzzing::Succeeds([&] { image.DrawOnDC(canvas.DC(), {1, 1, 1 + 2 * w, 1 + 2 * h}); });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TBytes bytes(data, data + size);
#ifdef FUZZ_FIX_CRC
    FixCrcs(bytes);
#endif
    TPNGObject image;
    const bool whole = Read(image, bytes);
    if (std::uint64_t(image.Width()) * std::uint64_t(image.Height()) > CheckedPixelLimit)
        return 0;
    Draw(image);
    const std::vector<std::uint64_t> pixels = Pixels(image);
    TPNGObject copy;
    copy.CopyFromPng(image);
    const std::optional<TBytes> written = Written(image);
    if (Written(copy) != written)
        fuzzing::Finding("the copy writes other bytes than its original, or fails alone");
    if (!whole || pixels.empty())
        return 0;
    if (!written) {
        if (HasPaletteItNeeds(image))
            fuzzing::Finding("an image read whole does not write");
        return 0;
    }
    TPNGObject again;
    if (!Read(again, *written))
        fuzzing::Finding("what the codec wrote does not read back");
    if (Pixels(again) != pixels)
        fuzzing::Finding("what the codec wrote reads back with other pixels");
    return 0;
}
