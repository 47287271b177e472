#pragma once
// TPNGObject: a PNG image held as its chunk list (header first, end marker last) and the
// decoded picture of its header chunk: a bottom-up DIB with rows padded to 4 bytes and, for
// images with alpha, a separate top-down plane of straight alpha bytes.

#include "gui/graphics/colors.h"
#include "gui/graphics/graphic.h"
#include "platform/gdi/owned.h"
#include "png/chunk_list.h"
#include "png/chunks.h"

#include <array>
#include <cstdint>

enum TPngTransparency { trNone, trColourKey, trAlpha };

// Lets pictures load ".png" files as TPNGObject ("Portable Network Graphics"). Runs by
// itself in every program that uses TPNGObject; a program that reaches the codec only
// through TPicture calls it once.
void RegisterPngPictureFormat();

using TGammaTable = std::array<std::uint8_t, 256>;

class TPNGObject : public TGraphic {
public:
    TPNGObject();
    ~TPNGObject() override;

    // ---- The graphic ----------------------------------------------------------------------
    // Draws by the transparency kind (see DrawOnDC); nothing without a header.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    int Width() const override;
    int Height() const override;
    // Both raise EPngError: an image changes its size only by loading or assigning.
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    bool Empty() const override { return FChunks.Count() == 0; }
    // False without a header: there is no transparency kind (Transparency raises), and an
    // empty graphic, as the class library asks it, is not transparent.
    bool Transparent() const override { return HasHeader() && Transparency() != trNone; }
    gdi::HPALETTE Palette() override { return GetPaletteHandle(); }
    void SetPalette(gdi::HPALETTE palette) override { SetPaletteHandle(palette); }
    void LoadFromStream(TStream& stream) override { ReadFromStream(stream); }
    void SaveToStream(TStream& stream) override { WriteToStream(stream); }
    // A bitmap of the image's size with the image drawn on it (blended over the bitmap's
    // white), as a bitmap puts itself on the clipboard.
    TClipboardData SaveToClipboardFormat() override;
    // Becomes an RGB or palette image of the clipboard's bitmap, without transparency.
    void LoadFromClipboardFormat(gdi::UINT format, gdi::HGDIOBJ data,
                                 gdi::HPALETTE palette) override;
    // From a TPNGObject: CopyFromPng; from a TBitmap: AssignFromBitmapHandle; else the
    // class library's cannot-assign error.
    void Assign(const TPersistent* source) override;

    // ---- Reading and writing --------------------------------------------------------------
    // Replaces the image by the PNG read from the stream's position; stops after IEND.
    void ReadFromStream(TStream& stream);
    // Writes the signature and every chunk in list order. An image that cannot make a valid
    // file (no valid header, no palette for colour type 3, no image data, not ending with
    // IEND) raises what its reader would raise, and nothing is written.
    void WriteToStream(TStream& stream);

    // ---- Chunks and header ----------------------------------------------------------------
    TPNGList& Chunks() { return FChunks; }
    const TPNGList& Chunks() const { return FChunks; }
    // Frees every chunk and resets the gamma tables.
    void DiscardChunks();
    bool HasHeader() const;
    // The first chunk; EPNGHeaderNotPresent when HasHeader is false.
    TChunkIHDR& HeaderChunk() const;
    // PNG row length without the filter byte and the filter's bytes per pixel, for the
    // image's width (or the given number of pixels); both 0 without header.
    void GetRowGeometry(std::uint32_t& rowLength, std::uint32_t& pixelStride) const;

    // ---- Pixels ---------------------------------------------------------------------------
    std::uint8_t* PixelRow(std::uint32_t y) const;
    std::uint8_t* AlphaRow(std::uint32_t y) const;
    // The colour of a pixel as 0x00BBGGRR; 0 outside the image.
    TColor PixelColour(int x, int y) const;
    void SetPixelColour(int x, int y, TColor colour);
    // The opacity of a pixel: the alpha plane, the palette entry's tRNS value, 0 for a pixel
    // of a grey or RGB image equal to its colour key, else 255; 0 outside the image.
    std::uint8_t PixelAlpha(int x, int y) const;
    TPngTransparency Transparency() const;
    TColor TransparentColour() const;
    void AddAlphaPlane();

    // ---- Gamma ----------------------------------------------------------------------------
    void ResetGamma();
    // Rebuilds both tables for gamma x 100000.
    void BuildGammaTables(std::uint32_t gammaValue);
    const TGammaTable& GammaLut() const { return FGammaLut; }
    const TGammaTable& InverseGammaLut() const { return FInverseGammaLut; }
    bool GammaIsIdentity() const { return FGammaIsIdentity; }

    // ---- Writing settings -----------------------------------------------------------------
    std::uint8_t RowFilters() const { return FRowFilters; }
    void SetRowFilters(std::uint8_t filters) { FRowFilters = filters; }
    std::uint8_t DeflateLevel() const { return FDeflateLevel; }
    void SetDeflateLevel(std::uint8_t level) { FDeflateLevel = level; }
    std::uint32_t IdatLimit() const { return FIdatLimit; }
    // Values below 65535 become 65535.
    void SetIdatLimit(std::uint32_t limit);
    std::uint8_t Interlacing() const { return FInterlacing; }
    void SetInterlacing(std::uint8_t method) { FInterlacing = method; }

    // ---- Drawing and conversions ----------------------------------------------------------
    // Draws onto a device context: opaque and colour-keyed images are stretched to fill
    // rect, images with alpha are blended at their own size at rect's top-left corner.
    void DrawOnDC(gdi::HDC dc, const gdi::RECT& rect);
    // For colour types 0 and 3 builds (once) a palette of the colour table.
    gdi::HPALETTE GetPaletteHandle();
    // For colour types 0 and 3 takes the palette's colours into the colour table.
    void SetPaletteHandle(gdi::HPALETTE palette);
    // Deletes the cached palette handle; the header chunk calls it when it rebuilds.
    void ReleasePaletteHandle();
    // Replaces the image by a copy of the bitmap: palette bitmaps become palette images of
    // their depth, others RGB images of depth 8; transparent adds the colour key.
    void AssignFromBitmapHandle(gdi::HBITMAP bitmap, bool transparent, TColor colour);
    // Copies the writing settings and every chunk of source.
    void CopyFromPng(const TPNGObject& source);
    // A device bitmap of the colour rows (no alpha), or null without a header.
    gdi::HBITMAP CreateBitmapCopy() const;

protected:
    // To a TPNGObject: its CopyFromPng; to a TBitmap with a header: the colour rows and the
    // colour key; else the class library's cannot-assign error.
    void AssignTo(TPersistent* dest) const override;

private:
    void CheckWritable() const;

    TGammaTable FGammaLut{};
    TGammaTable FInverseGammaLut{};
    gdi::TOwnedPalette FPaletteHandle;
    std::uint8_t FRowFilters;
    std::uint8_t FDeflateLevel;
    std::uint32_t FIdatLimit;
    std::uint8_t FInterlacing = 0;
    TPNGList FChunks;
    bool FGammaIsIdentity = true;
};
