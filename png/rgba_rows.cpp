#include "png/rgba_rows.h"

#include "png/errors.h"
#include "png/pngobject.h"
#include "png/simd.h"
#include "png/words.h"

#include <cstring>
#if BRENLOW_SSE2
#include <immintrin.h>
#endif

namespace png {

namespace {

constexpr std::uint32_t Opaque = 0xFF000000u;
constexpr std::uint32_t ColourBits = 0x00FFFFFFu;

// A pixel word: red in the low byte, then green, blue and alpha, so that StoreWord lays it
// out as red, green, blue, alpha on any processor.
std::uint32_t Rgba(const gdi::RGBQUAD& entry, std::uint8_t alpha) {
    return std::uint32_t(entry.rgbRed) | std::uint32_t(entry.rgbGreen) << 8 |
           std::uint32_t(entry.rgbBlue) << 16 | std::uint32_t(alpha) << 24;
}

// Blue-green-red pixels with their alpha bytes (or opaque) to pixel words. The last pixel is
// read byte by byte: a word there could reach past the DIB.
template <bool HasAlpha>
void BgrToRgba(const std::uint8_t* row, const std::uint8_t* alpha, std::uint8_t* out,
               std::uint32_t count) {
    if (count == 0)
        return;
    const auto alphaOf = [&](std::uint32_t x) {
        if constexpr (HasAlpha)
            return std::uint32_t(alpha[x]) << 24;
        else
            return Opaque;
    };
    std::uint32_t x = 0;
    for (; x + 1 < count; ++x)
        StoreWord(out + 4 * x, ReversedLowBytes(LoadWord(row + 3 * x)) | alphaOf(x));
    const std::uint8_t* p = row + 3 * x;
    StoreWord(out + 4 * x, std::uint32_t(p[2]) | std::uint32_t(p[1]) << 8 |
                               std::uint32_t(p[0]) << 16 | alphaOf(x));
}

#if BRENLOW_SSE2
// Four pixels per shuffle; BgrToRgba is its scalar twin and finishes the row. The 16-byte
// load takes a pixel and a byte beyond the four, so the loop stops while it stays in the row.
template <bool HasAlpha>
__attribute__((target("ssse3"))) void BgrToRgbaSsse3(const std::uint8_t* row,
                                                     const std::uint8_t* alpha, std::uint8_t* out,
                                                     std::uint32_t count) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, -1, 5, 4, 3, -1, 8, 7, 6, -1, 11, 10, 9, -1);
    const __m128i spread =
        _mm_setr_epi8(-1, -1, -1, 0, -1, -1, -1, 1, -1, -1, -1, 2, -1, -1, -1, 3);
    const __m128i opaque = _mm_set1_epi32(int(Opaque));
    std::uint32_t x = 0;
    for (; x + 6 <= count; x += 4) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 3 * x));
        __m128i a = opaque;
        if constexpr (HasAlpha) {
            int bytes = 0;
            std::memcpy(&bytes, alpha + x, 4);
            a = _mm_shuffle_epi8(_mm_cvtsi32_si128(bytes), spread);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * x),
                         _mm_or_si128(_mm_shuffle_epi8(bgr, order), a));
    }
    BgrToRgba<HasAlpha>(row + 3 * x, HasAlpha ? alpha + x : nullptr, out + 4 * x, count - x);
}
#endif

void ColourRow(const std::uint8_t* row, const std::uint8_t* alpha, std::uint8_t* out,
               std::uint32_t count) {
#if BRENLOW_SSE2
    if (HasSsse3())
        return alpha ? BgrToRgbaSsse3<true>(row, alpha, out, count)
                     : BgrToRgbaSsse3<false>(row, alpha, out, count);
#endif
    return alpha ? BgrToRgba<true>(row, alpha, out, count)
                 : BgrToRgba<false>(row, alpha, out, count);
}

// Pixels of the key's colour become transparent.
void ClearKeyed(std::uint8_t* out, std::uint32_t count, std::uint32_t key) {
    for (std::uint32_t x = 0; x < count; ++x, out += 4)
        if ((LoadWord(out) & ColourBits) == key)
            out[3] = 0;
}

void TakeAlpha(const std::uint8_t* alpha, std::uint8_t* out, std::uint32_t count) {
    for (std::uint32_t x = 0; x < count; ++x)
        out[4 * x + 3] = alpha[x];
}

// The pixel words of a row of 1-, 4- or 8-bit colour-table indices, leftmost pixel in the
// high bits; EPngError for an index not below entries.
template <int Bits>
void IndexedRow(const std::uint8_t* row, const std::uint32_t* table, std::uint32_t entries,
                std::uint8_t* out, std::uint32_t count) {
    constexpr std::uint32_t mask = (1u << Bits) - 1;
    for (std::uint32_t x = 0; x < count; ++x) {
        const std::uint32_t bit = x * Bits;
        const std::uint32_t index = (row[bit / 8] >> (8 - Bits - bit % 8)) & mask;
        if (index >= entries)
            RaisePngError<EPngError>(msg::NoSuchPaletteEntry);
        StoreWord(out + 4 * x, table[index]);
    }
}

} // namespace

// The alpha of a pixel without an alpha plane follows its colour-table entry (a palette
// entry's tRNS value, or 0 for the grey key's entry), so the table holds it too.
TRgbaReader::TRgbaReader(const TPNGObject& image) : FHeader(image.HeaderChunk()) {
    const auto* transparency = image.Chunks().ChunkOfClass<TChunktRNS>();
    const bool alphaPlane = FHeader.AlphaPlane() != nullptr;
    if (!FHeader.UsesColourTable()) {
        FKeyed = transparency && !alphaPlane;
        FKey = FKeyed ? transparency->GetColourKey() : 0;
        return;
    }
    const bool palette = FHeader.ColourType() == COLOR_PALETTE;
    const auto* entries = image.Chunks().ChunkOfClass<TChunkPLTE>();
    if (palette && entries)
        FEntries = std::min(entries->EntryCount(), std::uint32_t(FTable.size()));
    const std::uint32_t key =
        transparency && !palette && !alphaPlane ? transparency->GetColourKey() : ~0u;
    for (std::uint32_t v = 0; v < FTable.size(); ++v) {
        const gdi::RGBQUAD colour = palette && !entries ? gdi::RGBQUAD{} : FHeader.ColourTable()[v];
        std::uint8_t alpha = 255;
        if (palette && transparency && !alphaPlane)
            alpha = transparency->AlphaValues()[v];
        FTable[v] = Rgba(colour, alpha);
        if ((FTable[v] & ColourBits) == key)
            FTable[v] &= ColourBits;
    }
}

void TRgbaReader::ReadRow(std::uint32_t y, std::uint8_t* out) const {
    const std::uint32_t width = FHeader.Width();
    if (!FHeader.Pixels()) {
        std::memset(out, 0, std::size_t(width) * 4);
        return;
    }
    const std::uint8_t* row = FHeader.PixelRow(y);
    const std::uint8_t* alpha = FHeader.AlphaRow(y);
    if (!FHeader.UsesColourTable()) {
        ColourRow(row, alpha, out, width);
        if (FKeyed)
            ClearKeyed(out, width, FKey);
        return;
    }
    ReadIndexed(row, out);
    if (alpha)
        TakeAlpha(alpha, out, width);
}

void TRgbaReader::ReadIndexed(const std::uint8_t* row, std::uint8_t* out) const {
    const std::uint32_t width = FHeader.Width();
    switch (FHeader.DibBitsPerPixel()) {
    case 1:
        return IndexedRow<1>(row, FTable.data(), FEntries, out, width);
    case 4:
        return IndexedRow<4>(row, FTable.data(), FEntries, out, width);
    default:
        return IndexedRow<8>(row, FTable.data(), FEntries, out, width);
    }
}

TRgbaWriter::TRgbaWriter(TPNGObject& image) : FImage(image), FHeader(image.HeaderChunk()) {
    if (FHeader.UsesColourTable())
        return;
    FSplit = ChooseUnpacker(COLOR_RGBALPHA, 8, false, true);
    if (!FHeader.AlphaPlane())
        FDiscarded.resize(FHeader.Width());
}

void TRgbaWriter::WriteRow(std::uint32_t y, const std::uint8_t* in) {
    if (!FHeader.Pixels())
        return;
    std::uint8_t* alpha = FHeader.AlphaRow(y);
    if (FSplit) {
        FSplit(in, {FHeader.PixelRow(y), alpha ? alpha : FDiscarded.data(), FHeader.Width(), 0, 1,
                    nullptr});
        return;
    }
    for (std::uint32_t x = 0; x < FHeader.Width(); ++x, in += 4) {
        FImage.SetPixelColour(int(x), int(y), gdi::RGB(in[0], in[1], in[2]));
        if (alpha)
            alpha[x] = in[3];
    }
}

} // namespace png
