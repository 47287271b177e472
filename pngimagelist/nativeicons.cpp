// The icons that stand for PNG images in the native image list.

#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/errortexts.h"
#include "png/pngobject.h"
#include "pngimagelist/pngimagelist.h"

namespace {

constexpr commctrl::DWORD CommonControls6 = 0x00060000;
// Pixels of 32-bit bitmaps; in a mask, white marks a transparent pixel.
constexpr std::uint32_t Black = 0x000000;
constexpr std::uint32_t White = 0xFFFFFF;

template <class T>
T Made(T object) {
    if (!object)
        throw EOutOfResources(SOutOfResources);
    return object;
}

commctrl::TOwnedIcon IconOf(gdi::HBITMAP colour, gdi::HBITMAP mask) {
    commctrl::ICONINFO parts;
    parts.hbmColor = colour;
    parts.hbmMask = mask;
    return Made(commctrl::TOwnedIcon(commctrl::CreateIconIndirect(&parts)));
}

// A single transparent pixel: what an image without a picture contributes, so that native
// image i stays item i.
commctrl::TOwnedIcon BlankIcon() {
    const gdi::TOwnedBitmap colour(Made(gdi::CreateBitmap(1, 1, 1, 32, &Black)));
    const gdi::TOwnedBitmap mask(Made(gdi::CreateBitmap(1, 1, 1, 32, &White)));
    return IconOf(colour.Get(), mask.Get());
}

// The pixels of an image row by row, in the native form: the colour, and the alpha of the
// alpha plane, or 255 and 0 by the colour key, or 0 (the platform then uses the opaque
// mask) for an image with neither. RGB rows are read directly, the rest pixel by pixel.
class TNativeRows {
public:
    explicit TNativeRows(const TPNGObject& png)
        : FPng(png), FHasAlpha(HasAlphaPlane(png)), FHasKey(png.Transparency() == trColourKey),
          FKey(png.TransparentColour()), FRgb(!png.HeaderChunk().UsesColourTable()) {}

    void SetRow(int y) {
        FY = y;
        FColours = FRgb ? FPng.PixelRow(std::uint32_t(y)) : nullptr;
        FAlphas = FHasAlpha ? FPng.AlphaRow(std::uint32_t(y)) : nullptr;
    }
    TColor Colour(int x) const {
        if (!FColours)
            return FPng.PixelColour(x, FY);
        const std::uint8_t* pixel = FColours + 3 * x;
        return gdi::RGB(pixel[2], pixel[1], pixel[0]);
    }
    std::uint8_t Alpha(int x, TColor colour) const {
        if (FAlphas)
            return FAlphas[x];
        if (FHasKey)
            return colour != FKey ? 255 : 0;
        return 0;
    }

private:
    const TPNGObject& FPng;
    bool FHasAlpha;
    bool FHasKey;
    TColor FKey;
    bool FRgb;
    int FY = 0;
    const std::uint8_t* FColours = nullptr;
    const std::uint8_t* FAlphas = nullptr;
};

} // namespace

commctrl::TOwnedIcon TPngImageList::MakeIcon(TPNGObject& png, TColor background) {
    if (commctrl::GetCommonControlsVersion() < CommonControls6)
        return MakeMaskedIcon(png, background);
    return MakeAlphaIcon(png);
}

commctrl::TOwnedIcon TPngImageList::MakeAlphaIcon(const TPNGObject& png) {
    if (!HasPicture(png))
        return BlankIcon();
    const int width = png.Width();
    const int height = png.Height();
    gdi::BITMAPV4HEADER header;
    header.bV4Width = width;
    header.bV4Height = height;
    header.bV4BitCount = 32;
    header.bV4V4Compression = gdi::BI_BITFIELDS;
    header.bV4RedMask = 0x00FF0000;
    header.bV4GreenMask = 0x0000FF00;
    header.bV4BlueMask = 0x000000FF;
    header.bV4AlphaMask = 0xFF000000;
    void* bits = nullptr;
    const gdi::TOwnedBitmap colour(
        Made(gdi::CreateDIBSection(nullptr, &header, gdi::DIB_RGB_COLORS, &bits)));
    TNativeRows rows(png);
    for (int row = 0; row < height; ++row) {
        // The section is stored bottom row first.
        rows.SetRow(height - 1 - row);
        auto* pixel = static_cast<std::uint8_t*>(bits) + std::size_t(row) * std::size_t(width) * 4;
        for (int x = 0; x < width; ++x, pixel += 4) {
            const TColor c = rows.Colour(x);
            pixel[0] = gdi::GetBValue(c);
            pixel[1] = gdi::GetGValue(c);
            pixel[2] = gdi::GetRValue(c);
            pixel[3] = rows.Alpha(x, c);
        }
    }
    // A monochrome mask of zeros, black: every pixel opaque.
    const gdi::TOwnedBitmap mask(Made(gdi::CreateBitmap(width, height, 1, 1, nullptr)));
    return IconOf(colour.Get(), mask.Get());
}

commctrl::TOwnedIcon TPngImageList::MakeMaskedIcon(TPNGObject& png, TColor background) {
    if (!HasPicture(png))
        return BlankIcon();
    const int width = png.Width();
    const int height = png.Height();
    TBitmap colour;
    colour.SetPixelFormat(pf32bit);
    colour.SetSize(width, height);
    colour.Canvas().Brush().SetColor(background);
    colour.Canvas().FillRect(Rect(0, 0, width, height));
    png.Draw(colour.Canvas(), Rect(0, 0, width, height));
    TBitmap mask;
    mask.SetPixelFormat(pf32bit);
    mask.SetSize(width, height);
    TNativeRows rows(png);
    const bool opaque = !HasAlphaPlane(png) && png.Transparency() != trColourKey;
    for (int y = 0; y < height; ++y) {
        rows.SetRow(y);
        auto* pixel = static_cast<std::uint32_t*>(mask.ScanLine(y));
        for (int x = 0; x < width; ++x)
            pixel[x] = opaque || rows.Alpha(x, rows.Colour(x)) > 0 ? Black : White;
    }
    return IconOf(colour.Handle(), mask.Handle());
}
