#include "png/pngobject.h"

#include "png/errors.h"
#include "png/framing.h"
#include "png/registry.h"
#include "png/row_geometry.h"

#include <cmath>
#include <numeric>

TPNGObject::TPNGObject()
    : FRowFilters(png::DefaultRowFilters), FDeflateLevel(png::DefaultDeflateLevel),
      FIdatLimit(png::MinIdatLimit), FChunks(this) {
    ResetGamma();
}

TPNGObject::~TPNGObject() {
    DiscardChunks();
}

int TPNGObject::Width() const {
    return HasHeader() ? int(HeaderChunk().Width()) : 0;
}
int TPNGObject::Height() const {
    return HasHeader() ? int(HeaderChunk().Height()) : 0;
}

void TPNGObject::SetWidth(int) {
    RaisePngError<EPngError>(png::msg::CannotResize);
}
void TPNGObject::SetHeight(int) {
    RaisePngError<EPngError>(png::msg::CannotResize);
}

namespace {

bool IsCritical(const TChunkType& type) {
    return (std::uint8_t(type[0]) & png::AncillaryBit) == 0;
}

} // namespace

// After a failure the list keeps the chunks read so far, the failing one included; the
// header chunk keeps the rows decoded so far.
void TPNGObject::ReadFromStream(TStream& stream) {
    DiscardChunks();
    std::array<std::uint8_t, 8> signature{};
    if (!png::ReadExact(stream, signature.data(), 8) || signature != png::Signature)
        RaisePngError<EPNGInvalidFileHeader>(png::msg::InvalidFileHeader);
    FChunks.Reserve(png::ChunkListStep);
    bool imageData = false;
    for (;;) {
        std::uint32_t length = 0;
        TChunkType type{};
        if (!png::ReadU32(stream, length) || !png::ReadExact(stream, type.data(), 4))
            RaisePngError<EPngUnexpectedEnd>(png::msg::UnexpectedEnd);
        // One header, first: a second one would give its size and interlace method to data
        // laid out by the first, and hold pixel memory for a size the image does not have.
        if ((FChunks.Count() == 0) != (type == png::ctIHDR))
            RaisePngError<EPNGIHDRNotFirst>(png::msg::IHDRNotFirst);
        // The image data is read as far as the file goes, so a file cut inside it keeps the
        // rows decoded so far (and fails on the CRC it lacks).
        png::CheckChunkLength(length);
        if (type != png::ctIDAT || imageData)
            png::CheckChunkFits(stream, length);
        if (type == png::ctcHRM || (type == png::ctIDAT && imageData)) {
            stream.Seek(std::int64_t(length) + 4, soCurrent);
            continue;
        }
        imageData = imageData || type == png::ctIDAT;
        auto created = CreateChunkFor(this, type);
        TChunk* chunk = created.get();
        FChunks.Append(std::move(created));
        if (typeid(*chunk) == typeid(TChunk) && IsCritical(type))
            RaisePngError<EPNGUnknownCriticalChunk>(png::msg::UnknownCriticalChunk);
        if (!chunk->ReadBody(stream, type, length) || type == png::ctIEND)
            break;
    }
    if (!imageData)
        RaisePngError<EPNGNoImageData>(png::msg::NoImageData);
}

// Raises, for an image that cannot make a file its reader takes (what a failed read or a
// caller's changes to the chunk list may leave), the class the reader raises for the same
// fault.
void TPNGObject::CheckWritable() const {
    if (!HasHeader() || !HeaderChunk().Pixels())
        RaisePngError<EPNGHeaderNotPresent>(png::msg::HeaderNotPresent);
    const auto* palette = FChunks.ChunkOfClass<TChunkPLTE>();
    if (HeaderChunk().ColourType() == png::COLOR_PALETTE &&
        (!palette || palette->EntryCount() == 0))
        RaisePngError<EPNGInvalidPalette>(png::msg::InvalidPalette);
    const auto* transparency = FChunks.ChunkOfClass<TChunktRNS>();
    if (transparency && transparency->BodySize() > png::MaxPaletteEntries)
        RaisePngError<EPNGInvalidPalette>(png::msg::InvalidPalette);
    if (!FChunks.ChunkOfClass<TChunkIDAT>())
        RaisePngError<EPNGNoImageData>(png::msg::NoImageData);
    if (!dynamic_cast<const TChunkIEND*>(FChunks.Item(FChunks.Count() - 1)))
        RaisePngError<EPngUnexpectedEnd>(png::msg::UnexpectedEnd);
}

// Nothing is written for an image that cannot make a valid file.
void TPNGObject::WriteToStream(TStream& stream) {
    CheckWritable();
    stream.WriteBuffer(png::Signature.data(), std::int64_t(png::Signature.size()));
    for (std::size_t i = 0; i < FChunks.Count(); ++i)
        FChunks.Item(i)->WriteTo(stream);
}

void TPNGObject::DiscardChunks() {
    ResetGamma();
    FChunks.Clear();
}

bool TPNGObject::HasHeader() const {
    return FChunks.Header() != nullptr;
}

TChunkIHDR& TPNGObject::HeaderChunk() const {
    TChunkIHDR* header = FChunks.Header();
    if (!header)
        RaisePngError<EPNGHeaderNotPresent>(png::msg::HeaderNotPresent);
    return *header;
}

void TPNGObject::GetRowGeometry(std::uint32_t& rowLength, std::uint32_t& pixelStride) const {
    const auto geometry = HasHeader()
                              ? png::RowGeometry(HeaderChunk().ColourType(),
                                                 HeaderChunk().BitDepth(), HeaderChunk().Width())
                              : png::TRowGeometry{};
    rowLength = geometry.RowLength;
    pixelStride = geometry.PixelStride;
}

std::uint8_t* TPNGObject::PixelRow(std::uint32_t y) const {
    const TChunkIHDR& header = HeaderChunk();
    return header.Pixels() && y < header.Height() ? header.PixelRow(y) : nullptr;
}

std::uint8_t* TPNGObject::AlphaRow(std::uint32_t y) const {
    const TChunkIHDR& header = HeaderChunk();
    return y < header.Height() ? header.AlphaRow(y) : nullptr;
}

void TPNGObject::ResetGamma() {
    std::iota(FGammaLut.begin(), FGammaLut.end(), 0);
    std::iota(FInverseGammaLut.begin(), FInverseGammaLut.end(), 0);
    FGammaIsIdentity = true;
}

// Rounding is to the nearest integer with halves to even (the default rounding mode).
void TPNGObject::BuildGammaTables(std::uint32_t gammaValue) {
    ResetGamma();
    const double exponent = 1.0 / ((double(gammaValue) / png::GammaScale) * png::DisplayGamma);
    for (int i = 0; i < 256; ++i) {
        const double value = std::nearbyint(255.0 * std::pow(i / 255.0, exponent));
        const auto v = std::uint8_t(std::clamp(value, 0.0, 255.0));
        FGammaLut[i] = v;
        FInverseGammaLut[v] = std::uint8_t(i);
        FGammaIsIdentity = FGammaIsIdentity && v == i;
    }
}

void TPNGObject::SetIdatLimit(std::uint32_t limit) {
    FIdatLimit = std::max(limit, png::MinIdatLimit);
}

void TPNGObject::ReleasePaletteHandle() {
    FPaletteHandle.Reset();
}
