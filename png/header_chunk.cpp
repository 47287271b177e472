#include "png/dependent_chunks.h"
#include "png/encoder.h"
#include "png/errors.h"
#include "png/framing.h"
#include "png/pngobject.h"

#include <cstring>

namespace {

// Zeroed memory for an alpha plane; EPNGOutMemory when the system refuses it.
platform::TZeroedMemory AlphaPlaneMemory(std::size_t size) {
    auto memory = platform::TZeroedMemory::Allocate(size);
    if (size > 0 && !memory)
        RaisePngError<EPNGOutMemory>(png::msg::OutOfResources);
    return memory;
}

constexpr std::uint32_t HeaderBodySize = 13;

// Bits per pixel of the DIB that holds the rows of a colour type and bit depth; 0 when
// the combination has no representation.
int DibBitsFor(std::uint8_t colourType, std::uint8_t bitDepth) {
    switch (colourType) {
    case png::COLOR_GRAYSCALE:
    case png::COLOR_PALETTE:
    case png::COLOR_GRAYSCALEALPHA:
        return bitDepth == 1 ? 1 : bitDepth == 2 || bitDepth == 4 ? 4 : bitDepth >= 8 ? 8 : 0;
    case png::COLOR_RGB:
    case png::COLOR_RGBALPHA:
        return 24;
    default:
        return 0;
    }
}

// The colour type and bit depth combinations of the PNG format.
bool IsPngCombination(std::uint8_t colourType, std::uint8_t bitDepth) {
    switch (colourType) {
    case png::COLOR_GRAYSCALE:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8 || bitDepth == 16;
    case png::COLOR_PALETTE:
        return bitDepth == 1 || bitDepth == 2 || bitDepth == 4 || bitDepth == 8;
    case png::COLOR_RGB:
    case png::COLOR_GRAYSCALEALPHA:
    case png::COLOR_RGBALPHA:
        return bitDepth == 8 || bitDepth == 16;
    default:
        return false;
    }
}

} // namespace

void ValidateHeader(const TPngHeader& h) {
    if (h.Width > png::MaxDimension || h.Height > png::MaxDimension)
        RaisePngError<EPNGSizeExceeds>(png::msg::SizeExceeds);
    if (h.Compression != 0)
        RaisePngError<EPNGUnknownCompression>(png::msg::UnknownCompression);
    if (h.Interlace > png::INTERLACE_ADAM7)
        RaisePngError<EPNGUnknownInterlace>(png::msg::UnknownInterlace);
    if (h.Width == 0 || h.Height == 0 || !IsPngCombination(h.ColourType, h.BitDepth))
        RaisePngError<EPngInvalidIHDR>(png::msg::InvalidIHDR);
}

TChunkIHDR::~TChunkIHDR() {
    ReleaseImageBuffers();
}

std::unique_ptr<TChunk> TChunkIHDR::NewOfSameClass(TPNGObject* owner) const {
    return std::make_unique<TChunkIHDR>(owner);
}

TPngHeader TChunkIHDR::Header() const {
    return {FWidth, FHeight, FBitDepth, FColourType, FCompression, FFilterMethod, FInterlace};
}

void TChunkIHDR::SetHeader(const TPngHeader& header) {
    ValidateHeader(header);
    TakeHeader(header);
}

void TChunkIHDR::TakeHeader(const TPngHeader& header) {
    FWidth = header.Width;
    FHeight = header.Height;
    FBitDepth = header.BitDepth;
    FColourType = header.ColourType;
    FCompression = header.Compression;
    FFilterMethod = header.FilterMethod;
    FInterlace = header.Interlace;
    CreateImageBuffers();
}

void TChunkIHDR::ReleaseImageBuffers() {
    FDibHandle.Reset();
    FDibDC.Reset();
    FAlphaPlane = platform::TZeroedMemory();
    FPixels = nullptr;
}

// The pixel memory of a new section and of the alpha plane is zero already and committed
// only where it is written, so a large image that is never filled costs no memory.
void TChunkIHDR::CreateImageBuffers() {
    FDibInfo = gdi::BITMAPINFO{};
    ReleaseImageBuffers();
    if (FImage)
        FImage->ReleasePaletteHandle();
    const int bits = DibBitsFor(FColourType, FBitDepth);
    FRowStride = 0;
    if (bits == 0)
        return;
    FUsesColourTable = bits <= 8;
    auto& info = FDibInfo.bmiHeader;
    info.biWidth = gdi::LONG(FWidth);
    info.biHeight = gdi::LONG(FHeight);
    info.biBitCount = gdi::WORD(bits);
    FRowStride = std::uint32_t((std::uint64_t(bits) * FWidth + 31) / 32 * 4);
    if (FColourType == png::COLOR_GRAYSCALEALPHA || FColourType == png::COLOR_RGBALPHA)
        FAlphaPlane = AlphaPlaneMemory(std::size_t(FWidth) * FHeight);
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    FDibDC.Reset(gdi::CreateCompatibleDC(screen.Get()));
    void* bitsMemory = nullptr;
    FDibHandle.Reset(
        gdi::CreateDIBSection(FDibDC.Get(), &FDibInfo, gdi::DIB_RGB_COLORS, &bitsMemory));
    if (!FDibHandle || !bitsMemory) {
        ReleaseImageBuffers();
        RaisePngError<EPNGOutMemory>(png::msg::OutOfResources);
    }
    FPixels = static_cast<std::uint8_t*>(bitsMemory);
}

void TChunkIHDR::AddAlphaPlaneForGrey() {
    if (FColourType != png::COLOR_GRAYSCALE && FColourType != png::COLOR_RGB)
        return;
    FColourType =
        FColourType == png::COLOR_GRAYSCALE ? png::COLOR_GRAYSCALEALPHA : png::COLOR_RGBALPHA;
    FAlphaPlane = AlphaPlaneMemory(std::size_t(FWidth) * FHeight);
    std::memset(FAlphaPlane.Data(), 255, FAlphaPlane.Size());
}

void TChunkIHDR::CopyFrom(const TChunk& source) {
    const auto& from = CompatibleSource<TChunkIHDR>(source);
    TakeHeader(from.Header());
    if (FPixels && from.FPixels)
        std::memcpy(FPixels, from.FPixels, std::size_t(FRowStride) * FHeight);
    if (FAlphaPlane.Data() && from.FAlphaPlane.Data())
        std::memcpy(FAlphaPlane.Data(), from.FAlphaPlane.Data(), FAlphaPlane.Size());
    std::memcpy(FDibInfo.bmiColors, from.FDibInfo.bmiColors, sizeof(FDibInfo.bmiColors));
}

bool TChunkIHDR::ReadBody(TStream& stream, const TChunkType& type, std::uint32_t length) {
    TChunk::ReadBody(stream, type, length);
    if (length < HeaderBodySize)
        RaisePngError<EPngInvalidIHDR>(png::msg::InvalidIHDR);
    const std::uint8_t* b = FBody.data();
    SetHeader({png::LoadU32(b), png::LoadU32(b + 4), b[8], b[9], b[10], b[11], b[12]});
    if (FImage)
        FImage->SetInterlacing(FInterlace);
    return true;
}

// Rows of 2-bit images are held at 4 bits per pixel, so such an image is written as a
// 4-bit image; the grey key and background then name the widened levels. (Grey with alpha
// took the levels it is written with when it gained its alpha plane.)
bool TChunkIHDR::WriteTo(TStream& stream) {
    if (FBitDepth == 2) {
        FBitDepth = 4;
        if (FColourType == png::COLOR_GRAYSCALE && FImage)
            png::RescaleGreyLevels(*FImage, 2, 4);
    }
    ResizeBody(HeaderBodySize);
    std::uint8_t* b = FBody.data();
    png::StoreU32(b, FWidth);
    png::StoreU32(b + 4, FHeight);
    b[8] = png::WrittenBitDepth(*this);
    b[9] = FColourType;
    b[10] = FCompression;
    b[11] = FFilterMethod;
    b[12] = FImage ? FImage->Interlacing() : FInterlace;
    WriteFramed(stream);
    return true;
}
