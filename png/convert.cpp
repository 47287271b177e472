// Conversions between a PNG image and the platform's bitmaps, and copies of whole images.

#include "png/errors.h"
#include "png/pngobject.h"

#include <cstdlib>

namespace {

constexpr int PaletteBitsLimit = 16;

} // namespace

void TPNGObject::AssignFromBitmapHandle(gdi::HBITMAP bitmap, bool transparent, TColor colour) {
    gdi::BITMAP info;
    if (!gdi::GetObject(bitmap, info))
        throw EInvalidGraphic("Bitmap image is not valid");
    const int bits = info.bmBitsPixel;
    const bool indexed = bits < PaletteBitsLimit;
    DiscardChunks();
    auto* header = static_cast<TChunkIHDR*>(FChunks.Insert(0, std::make_unique<TChunkIHDR>(this)));
    TChunkPLTE* palette = nullptr;
    if (indexed)
        palette = static_cast<TChunkPLTE*>(FChunks.Insert(1, std::make_unique<TChunkPLTE>(this)));
    TChunktRNS* transparency = nullptr;
    if (transparent)
        transparency = static_cast<TChunktRNS*>(
            FChunks.Insert(FChunks.Count(), std::make_unique<TChunktRNS>(this)));
    FChunks.Append(std::make_unique<TChunkIDAT>(this));
    FChunks.Append(std::make_unique<TChunkIEND>(this));

    header->SetHeader({std::uint32_t(info.bmWidth), std::uint32_t(std::abs(info.bmHeight)),
                       std::uint8_t(indexed ? bits : 8),
                       indexed ? png::COLOR_PALETTE : png::COLOR_RGB, 0, 0, 0});
    gdi::BITMAPINFO layout = header->DibInfo();
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(screen.Get()));
    gdi::GetDIBits(dc.Get(), bitmap, 0, header->Height(), header->Pixels(), &layout,
                   gdi::DIB_RGB_COLORS);
    std::copy(std::begin(layout.bmiColors), std::end(layout.bmiColors), header->ColourTable());
    if (palette)
        palette->SetEntryCount(1u << bits);
    if (transparency)
        transparency->SetColourKey(colour);
}

void TPNGObject::NewImage(const TPngHeader& header) {
    ValidateHeader(header);
    DiscardChunks();
    auto* chunk = static_cast<TChunkIHDR*>(FChunks.Insert(0, std::make_unique<TChunkIHDR>(this)));
    FChunks.Append(std::make_unique<TChunkIDAT>(this));
    FChunks.Append(std::make_unique<TChunkIEND>(this));
    chunk->SetHeader(header);
    FInterlacing = header.Interlace;
}

// The copy also takes the source's gamma tables, so that colours the source decoded
// through gamma are written back through the matching inverse table.
void TPNGObject::CopyFromPng(const TPNGObject& source) {
    if (&source == this)
        return;
    FInterlacing = source.FInterlacing;
    SetIdatLimit(source.FIdatLimit);
    FDeflateLevel = source.FDeflateLevel;
    FRowFilters = source.FRowFilters;
    DiscardChunks();
    FChunks.Reserve(source.FChunks.Count());
    for (std::size_t i = 0; i < source.FChunks.Count(); ++i) {
        const TChunk* from = source.FChunks.Item(i);
        auto created = from->NewOfSameClass(this);
        TChunk* chunk = created.get();
        FChunks.Append(std::move(created));
        chunk->CopyFrom(*from);
    }
    FGammaLut = source.FGammaLut;
    FInverseGammaLut = source.FInverseGammaLut;
    FGammaIsIdentity = source.FGammaIsIdentity;
}

gdi::HBITMAP TPNGObject::CreateBitmapCopy() const {
    if (!HasHeader() || !HeaderChunk().Pixels())
        return nullptr;
    const TChunkIHDR& header = HeaderChunk();
    const gdi::BITMAPINFO& info = header.DibInfo();
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    return gdi::CreateDIBitmap(screen.Get(), &info.bmiHeader, gdi::CBM_INIT, header.Pixels(), &info,
                               gdi::DIB_RGB_COLORS);
}
