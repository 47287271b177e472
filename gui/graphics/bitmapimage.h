#pragma once
// A bitmap handle together with what the graphics classes need to know of its format, and
// the operations that make new bitmaps from old ones: blank, copied, resized, converted to
// another format, recoloured, and moved to and from the in-memory DIB layout.

#include "gui/graphics/dib.h"
#include "platform/gdi/owned.h"

#include <cstdint>
#include <vector>

// pfDevice is a device-format bitmap; the others are DIB sections of that many bits.
enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf24bit, pf32bit };

struct TBitmapFormat {
    int Width = 0;
    int Height = 0;
    TPixelFormat PixelFormat = pfDevice;
    // A device-format bitmap of one bit per pixel.
    bool Monochrome = false;
    // The colour table of a section of 1, 4 or 8 bits.
    std::vector<gdi::RGBQUAD> Colors;

    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool IsSection() const { return PixelFormat != pfDevice; }
    int BitCount() const;
};

// A format with no handle yet describes a bitmap whose handle is made when first needed.
struct TBitmapImage {
    TBitmapFormat Format;
    gdi::TOwnedBitmap Handle;
    // The pixel memory of a section; null for device-format bitmaps.
    std::uint8_t* Bits = nullptr;
    // Sections store their rows bottom-up unless made with a negative height.
    bool TopDown = false;

    std::int64_t Stride() const { return BytesPerScanLine(Format.Width, Format.BitCount()); }
    // Row y of a section's memory, counted from the top.
    std::uint8_t* Row(int y) const;
};

int BitCountOf(TPixelFormat format);

// A new bitmap of the format with every pixel in colour; an empty format gets no handle.
// EOutOfResources when the platform cannot make it.
TBitmapImage NewImage(TBitmapFormat format, gdi::COLORREF colour);
// Takes over a bitmap made elsewhere and learns its format. EInvalidGraphic "Bitmap image is
// not valid" when the handle is no bitmap the platform knows.
TBitmapImage AdoptHandle(gdi::HBITMAP handle);
// A copy of a bitmap that its owner keeps.
TBitmapImage CopyHandle(gdi::HBITMAP handle);
// The bitmaps below must not be selected into a device context.
TBitmapImage CopyImage(const TBitmapImage& image);
// Keeps the top-left part that fits; new pixels take the fill colour.
TBitmapImage ResizeImage(const TBitmapImage& image, int width, int height, gdi::COLORREF fill);
// Palette sections keep the image's colours when they fit in the table, else take each
// colour's nearest entry in the standard table; device bitmaps follow the platform's transfer rules
// (to monochrome: white becomes 1, all else 0).
TBitmapImage ConvertImage(const TBitmapImage& image, TPixelFormat pixelFormat, bool monochrome);
// The same indices over another colour table; for palette sections only.
TBitmapImage RecolorImage(const TBitmapImage& image, std::vector<gdi::RGBQUAD> colors);
// Sections keep their layout; device bitmaps become 32 bits, monochrome ones 1 bit.
TDIBImage ImageToDIB(const TBitmapImage& image);
TBitmapImage DIBToImage(const TDIBImage& dib);
