#pragma once
// A bitmap: a device-format bitmap or a DIB section of 1, 4, 8, 24 or 32 bits, made when first
// needed, with a canvas that draws on it, transparency by a key colour, palettes for the
// palette formats, the BMP file format and the clipboard.

#include "gui/graphics/bitmapimage.h"
#include "gui/graphics/colors.h"
#include "gui/graphics/graphic.h"

#include <memory>

class TBitmapCanvas;

enum TBitmapHandleType { bmDIB, bmDDB };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    // An empty bitmap of the given size, device format.
    TBitmap(int width, int height);
    ~TBitmap() override;

    // Copies another bitmap (pixels, format, transparency); null empties the bitmap; other
    // graphics are asked to copy themselves into it (AssignTo).
    void Assign(const TPersistent* source) override;
    // Copies into rect of the canvas with the canvas's CopyMode, stretching as needed; a
    // transparent bitmap leaves the destination as it was where it holds the key colour
    // (and draws nothing into a mirrored rectangle).
    void Draw(TCanvas& canvas, const TRect& rect) override;

    int Width() const override { return FImage.Format.Width; }
    int Height() const override { return FImage.Format.Height; }
    // Resizing keeps the top-left part that still fits; new pixels take the canvas's brush
    // colour (white by default). EInvalidOperation for a negative size.
    void SetWidth(int value) override { SetSize(value, Height()); }
    void SetHeight(int value) override { SetSize(Width(), value); }
    void SetSize(int width, int height);
    bool Empty() const override { return FImage.Format.Empty(); }

    // The logical palette of a palette format, owned by the bitmap; null for other formats.
    gdi::HPALETTE Palette() override;
    // Takes the colours of a palette (the caller keeps the handle) as the colour table of a
    // palette format; pixels keep their indices. Other formats have no palette to set.
    void SetPalette(gdi::HPALETTE value) override;

    // EInvalidGraphic "Bitmap image is not valid" for a file the bitmap cannot read; the
    // bitmap is unchanged then.
    void LoadFromStream(TStream& stream) override;
    // Sections keep their format; device bitmaps are written with 32 bits (monochrome: 1).
    void SaveToStream(TStream& stream) override;
    // A bitmap that is a property of a component (a button's glyph) is streamed as "Data",
    // its BMP file, when it is not empty.
    void DefineProperties(TFiler& filer) override;

    // CF_BITMAP: a copy of the bitmap (none for an empty bitmap), and its palette for palette
    // formats.
    TClipboardData SaveToClipboardFormat() override;
    // Copies a CF_BITMAP bitmap (and, for palette formats, the palette's colours).
    void LoadFromClipboardFormat(gdi::UINT format, gdi::HGDIOBJ data,
                                 gdi::HPALETTE palette) override;

    TCanvas& Canvas();
    // The bitmap's handle, made when first needed (null for an empty bitmap). The canvas lets
    // go of its context first, so the handle may be selected elsewhere; the bitmap keeps
    // owning it.
    gdi::HBITMAP Handle();
    // Takes over a bitmap made elsewhere, which the bitmap then owns; null empties it.
    // EInvalidGraphic when the handle is no bitmap.
    void SetHandle(gdi::HBITMAP value);
    // Gives the handle to the caller; the bitmap keeps its size and format and makes a new,
    // blank handle when it next needs one.
    gdi::HBITMAP ReleaseHandle();
    bool HandleAllocated() const { return bool(FImage.Handle); }

    TBitmapHandleType HandleType() const { return FImage.Format.IsSection() ? bmDIB : bmDDB; }
    // bmDIB turns a device bitmap into a 32-bit section (1 bit when monochrome); bmDDB turns a
    // section into a device bitmap (monochrome for 1 bit).
    void SetHandleType(TBitmapHandleType value);
    TPixelFormat PixelFormat() const { return FImage.Format.PixelFormat; }
    // Converts the pixels. Palette formats keep the image's own colours when they fit in the
    // table; otherwise they take the standard table (black and white; the 16 standard
    // colours; those, a colour cube and greys) and each pixel its nearest colour there.
    void SetPixelFormat(TPixelFormat value);
    // One bit per pixel, as a monochrome device bitmap or a 1-bit section.
    bool Monochrome() const { return FImage.Format.BitCount() == 1; }
    // True makes a monochrome device bitmap by the platform's rule (white stays white, every
    // other colour becomes black); false makes a device-format colour bitmap.
    void SetMonochrome(bool value);
    // The memory of row y, counted from the top whatever the storage order. A device bitmap
    // becomes a section first (see SetHandleType). EInvalidOperation "Scan line index out of
    // range" for a row outside the bitmap. Writes through it do not raise OnChange.
    void* ScanLine(int row);

    // The key colour of transparent drawing: the fixed colour in tmFixed mode, else the
    // colour of the bottom-left pixel (clNone for an empty bitmap).
    TColor TransparentColor();
    // Fixes the key colour (tmFixed); clDefault returns to tmAuto.
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }

private:
    friend class TBitmapCanvas;

    // Makes the handle of a bitmap that has a size but no handle yet.
    void HandleNeeded();
    // The canvas lets go of its memory context, deselecting the bitmap.
    void FreeContext() const;
    void Convert(TPixelFormat pixelFormat, bool monochrome);
    // Puts a new image in place of the current one and reports the change.
    void ReplaceImage(TBitmapImage image);
    gdi::COLORREF FillColor() const;

    TBitmapImage FImage;
    gdi::TOwnedPalette FPalette;
    TColor FTransparentColor = clDefault;
    TTransparentMode FTransparentMode = tmAuto;
    // Declared last, so that it lets go of the bitmap before the handle goes.
    mutable std::unique_ptr<TBitmapCanvas> FCanvas;
};
