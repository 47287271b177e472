// Pixel access and transparency of a TPNGObject, in the stored representation: colour
// tables carry grey levels and palette colours, 24-bit rows blue-green-red samples.

#include "png/dependent_chunks.h"
#include "png/encoder.h"
#include "png/errors.h"
#include "png/pngobject.h"

#include <cstring>

namespace {

// The field of pixel x in a row of 1-, 4- or 8-bit fields, leftmost pixel in the high bits.
std::uint32_t FieldAt(const std::uint8_t* row, std::uint32_t x, int bits) {
    const std::uint32_t bit = x * std::uint32_t(bits);
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

void SetFieldAt(std::uint8_t* row, std::uint32_t x, int bits, std::uint32_t value) {
    const std::uint32_t bit = x * std::uint32_t(bits);
    const int shift = 8 - bits - int(bit % 8);
    const auto mask = std::uint8_t(((1u << bits) - 1) << shift);
    row[bit / 8] = std::uint8_t((row[bit / 8] & ~mask) | ((value << shift) & mask));
}

TColor ColourOfEntry(const gdi::RGBQUAD& entry) {
    return gdi::RGB(entry.rgbRed, entry.rgbGreen, entry.rgbBlue);
}

bool InImage(const TChunkIHDR& header, int x, int y) {
    return header.Pixels() && x >= 0 && y >= 0 && std::uint32_t(x) < header.Width() &&
           std::uint32_t(y) < header.Height();
}

// The colour-table entry nearest to the colour among the first count entries (the first of
// equally near ones), so a replaced field always names an entry the pixel can hold.
std::uint32_t NearestEntry(const gdi::RGBQUAD* table, std::uint32_t count, TColor colour) {
    std::uint32_t best = 0;
    std::uint32_t bestDistance = ~0u;
    for (std::uint32_t i = 0; i < count; ++i) {
        const int dr = table[i].rgbRed - gdi::GetRValue(colour);
        const int dg = table[i].rgbGreen - gdi::GetGValue(colour);
        const int db = table[i].rgbBlue - gdi::GetBValue(colour);
        const auto distance = std::uint32_t(dr * dr + dg * dg + db * db);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

// Grey levels come from the grey colour table, which holds what the decoder stored (levels
// spread to 0..255, after gamma), so the colour is the one drawn; rows of images read with
// bit depth 2 are 4-bit fields. Grey with alpha is read (and drawn) through the same table,
// not as the bare stored level: grey with and without alpha then look the same, and an alpha
// plane added to a grey image changes its opacity only.
TColor TPNGObject::PixelColour(int x, int y) const {
    const TChunkIHDR& header = HeaderChunk();
    if (!InImage(header, x, y))
        return 0;
    const std::uint8_t* row = header.PixelRow(std::uint32_t(y));
    switch (header.ColourType()) {
    case png::COLOR_PALETTE: {
        const auto* palette = FChunks.ChunkOfClass<TChunkPLTE>();
        if (!palette)
            return 0;
        const std::uint32_t entry =
            palette->EntryAt(FieldAt(row, std::uint32_t(x), header.DibBitsPerPixel()));
        return gdi::RGB(std::uint8_t(entry >> 16), std::uint8_t(entry >> 8), std::uint8_t(entry));
    }
    case png::COLOR_GRAYSCALE:
    case png::COLOR_GRAYSCALEALPHA:
        return ColourOfEntry(
            header.ColourTable()[FieldAt(row, std::uint32_t(x), header.DibBitsPerPixel())]);
    default: {
        const std::uint8_t* p = row + 3 * x;
        return gdi::RGB(p[2], p[1], p[0]);
    }
    }
}

// Images with a colour table, grey with alpha included, take the entry nearest to the
// colour (through the gamma table, for grey), not its red component: what is read back is
// then the nearest colour the image can show, as for grey without alpha.
void TPNGObject::SetPixelColour(int x, int y, TColor colour) {
    TChunkIHDR& header = HeaderChunk();
    if (!InImage(header, x, y))
        return;
    std::uint8_t* row = header.PixelRow(std::uint32_t(y));
    if (!header.UsesColourTable()) {
        std::uint8_t* p = row + 3 * x;
        p[0] = gdi::GetBValue(colour);
        p[1] = gdi::GetGValue(colour);
        p[2] = gdi::GetRValue(colour);
        return;
    }
    const int bits = header.DibBitsPerPixel();
    std::uint32_t entries = 1u << bits;
    if (header.ColourType() == png::COLOR_PALETTE) {
        const auto* palette = FChunks.ChunkOfClass<TChunkPLTE>();
        entries = std::min(entries, palette ? palette->EntryCount() : 0u);
    }
    SetFieldAt(row, std::uint32_t(x), bits, NearestEntry(header.ColourTable(), entries, colour));
}

std::uint8_t TPNGObject::PixelAlpha(int x, int y) const {
    const TChunkIHDR& header = HeaderChunk();
    if (!InImage(header, x, y))
        return 0;
    if (const std::uint8_t* alpha = header.AlphaRow(std::uint32_t(y)))
        return alpha[x];
    const auto* transparency = FChunks.ChunkOfClass<TChunktRNS>();
    if (!transparency)
        return 255;
    if (header.ColourType() == png::COLOR_PALETTE)
        return transparency->AlphaValues()[FieldAt(header.PixelRow(std::uint32_t(y)),
                                                   std::uint32_t(x), header.DibBitsPerPixel())];
    return PixelColour(x, y) == transparency->GetColourKey() ? 0 : 255;
}

TPngTransparency TPNGObject::Transparency() const {
    const TChunkIHDR& header = HeaderChunk();
    const auto* transparency = FChunks.ChunkOfClass<TChunktRNS>();
    switch (header.ColourType()) {
    case png::COLOR_GRAYSCALE:
    case png::COLOR_RGB:
        return transparency ? trColourKey : trNone;
    case png::COLOR_PALETTE:
        if (!transparency)
            return trNone;
        if (!transparency->SingleTransparent())
            return trAlpha;
        // A single transparent entry beyond the palette names no colour: every pixel is
        // opaque, and drawing with a key would hide the pixels of the stand-in colour black.
        return transparency->PaletteKeyIndex() ? trColourKey : trNone;
    case png::COLOR_GRAYSCALEALPHA:
    case png::COLOR_RGBALPHA:
        return trAlpha;
    default:
        return trNone;
    }
}

TColor TPNGObject::TransparentColour() const {
    const auto* transparency = FChunks.ChunkOfClass<TChunktRNS>();
    return transparency ? transparency->GetColourKey() : 0;
}

// Grey and RGB images gain an alpha plane of 255s. Their key goes, since an image with an
// alpha channel may not carry one (a caller that wants the keyed pixels transparent sets
// their alpha, as fading does), and the chunks that depend on the depth and the channels
// follow the rows as they will be written. A palette image gets an opaque alpha value for
// each palette entry: more values than entries make other decoders drop them all.
void TPNGObject::AddAlphaPlane() {
    TChunkIHDR& header = HeaderChunk();
    const std::uint8_t depth = header.BitDepth();
    switch (header.ColourType()) {
    case png::COLOR_GRAYSCALE:
    case png::COLOR_RGB: {
        const std::uint32_t channels = header.ColourType() == png::COLOR_RGB ? 3 : 1;
        header.AddAlphaPlaneForGrey();
        FChunks.Remove(FChunks.ChunkOfClass<TChunktRNS>());
        const std::uint8_t written = png::WrittenBitDepth(header);
        if (depth < written)
            png::RescaleGreyLevels(*this, depth, written);
        png::AddAlphaSignificantBits(*this, channels, written);
        break;
    }
    case png::COLOR_PALETTE: {
        auto* transparency = FChunks.ChunkOfClass<TChunktRNS>();
        if (!transparency)
            transparency = FChunks.AddChunk<TChunktRNS>();
        const auto* palette = FChunks.ChunkOfClass<TChunkPLTE>();
        transparency->AlphaValues().fill(255);
        transparency->ResizeBody(std::min(1u << depth, palette ? palette->EntryCount() : 0u));
        transparency->SetSingleTransparent(false);
        break;
    }
    default:
        break;
    }
}
