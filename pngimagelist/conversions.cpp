// Turning bitmaps, icons and the images of other image lists into PNG images with alpha.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/graphics/icon.h"
#include "gui/imagelist/imagelist.h"
#include "platform/system/answers.h"
#include "png/pngobject.h"
#include "pngimagelist/bitmappixels.h"
#include "pngimagelist/pngfunctions.h"
#include "pngimagelist/pngimagelist.h"

namespace {

constexpr TColor Black = 0x000000;

// Writes the colours of the pixels into the top-left part of a 24-bit bitmap.
void WriteRows(TBitmap& work, const TBitmapPixels& pixels) {
    const int width = std::min(work.Width(), pixels.Width());
    const int height = std::min(work.Height(), pixels.Height());
    for (int y = 0; y < height; ++y) {
        auto* row = static_cast<std::uint8_t*>(work.ScanLine(y));
        for (int x = 0; x < width; ++x, row += 3) {
            const TColor colour = pixels.Colour(x, y);
            row[0] = gdi::GetBValue(colour);
            row[1] = gdi::GetGValue(colour);
            row[2] = gdi::GetRValue(colour);
        }
    }
}

// Clears the alpha of every pixel whose colour `transparent` accepts; true when it did.
template <class F>
bool ClearAlphaWhere(const TBitmapPixels& pixels, TAlphaRows& alpha, F transparent) {
    bool cleared = false;
    for (int y = 0; y < std::min(alpha.Height, pixels.Height()); ++y)
        for (int x = 0; x < std::min(alpha.Width, pixels.Width()); ++x)
            if (transparent(pixels.Colour(x, y))) {
                alpha.Row(y)[x] = 0;
                cleared = true;
            }
    return cleared;
}

// The colours of a bitmap into work; a bitmap marked transparent clears the alpha of its
// transparent colour's pixels. True when any pixel became transparent.
bool ConvertBitmap(TBitmap& bitmap, TBitmap& work, TAlphaRows& alpha) {
    if (!bitmap.Transparent()) {
        work.Canvas().Draw(0, 0, &bitmap);
        return false;
    }
    // In automatic mode this is the bottom-left pixel's colour.
    const TColor key = ColorToRGB(bitmap.TransparentColor());
    const TBitmapPixels pixels(bitmap.Handle());
    WriteRows(work, pixels);
    return ClearAlphaWhere(pixels, alpha, [key](TColor colour) { return colour == key; });
}

// The colours of an icon into work and its mask into the alpha rows; on systems that draw
// icons by alpha, its own alpha when it has any. True when the image has transparency.
bool ConvertIcon(const TIcon& icon, TBitmap& work, TAlphaRows& alpha) {
    commctrl::ICONINFO parts;
    if (!commctrl::GetIconInfo(icon.Handle(), &parts))
        return false;
    const gdi::TOwnedBitmap colour(parts.hbmColor);
    const gdi::TOwnedBitmap mask(parts.hbmMask);
    WriteRows(work, TBitmapPixels(colour.Get()));
    bool transparent = ClearAlphaWhere(TBitmapPixels(mask.Get()), alpha,
                                       [](TColor pixel) { return pixel != Black; });
    const gdi::TReleasedDC screen(gdi::GetScreenDC());
    if (gdi::GetDeviceCaps(screen.Get(), gdi::BITSPIXEL) == 32 && AlphaIconsSupported()) {
        transparent = true;
        ReadIconAlpha(colour.Get(), alpha);
    }
    return transparent;
}

// An RGB image of the bitmap's colours with an alpha plane of 255s. The bitmap's own
// transparency is left out: its colour key would be meaningless beside an alpha plane.
std::unique_ptr<TPNGObject> RgbWithAlpha(TBitmap& image) {
    gdi::BITMAP info;
    gdi::GetObject(image.Handle(), info);
    auto result = std::make_unique<TPNGObject>();
    if (info.bmBitsPixel >= 24) {
        result->AssignFromBitmapHandle(image.Handle(), false, 0);
    } else {
        TBitmap truecolour;
        truecolour.Assign(&image);
        truecolour.SetPixelFormat(pf24bit);
        result->AssignFromBitmapHandle(truecolour.Handle(), false, 0);
    }
    result->AddAlphaPlane();
    return result;
}

} // namespace

std::unique_ptr<TPNGObject> GraphicToPng(TGraphic& graphic) {
    auto result = std::make_unique<TPNGObject>();
    if (const auto* png = dynamic_cast<const TPNGObject*>(&graphic)) {
        result->Assign(png);
        return result;
    }
    if (graphic.Empty())
        return result;
    TAlphaRows alpha(graphic.Width(), graphic.Height());
    TBitmap work;
    work.SetPixelFormat(pf24bit);
    work.SetSize(alpha.Width, alpha.Height);
    bool transparent = false;
    if (auto* bitmap = dynamic_cast<TBitmap*>(&graphic))
        transparent = ConvertBitmap(*bitmap, work, alpha);
    else if (const auto* icon = dynamic_cast<const TIcon*>(&graphic))
        transparent = ConvertIcon(*icon, work, alpha);
    result->Assign(&work);
    if (!transparent)
        return result;
    result->AddAlphaPlane();
    for (int y = 0; y < alpha.Height; ++y)
        std::copy_n(alpha.Row(y), alpha.Width, result->AlphaRow(std::uint32_t(y)));
    return result;
}

std::unique_ptr<TPNGObject> MaskedBitmapToPng(TBitmap& image, TBitmap* mask, bool invertMask) {
    auto result = RgbWithAlpha(image);
    if (!mask)
        return result;
    const TBitmapPixels pixels(mask->Handle());
    for (int y = 0; y < std::min(result->Height(), pixels.Height()); ++y) {
        std::uint8_t* alpha = result->AlphaRow(std::uint32_t(y));
        for (int x = 0; x < std::min(result->Width(), pixels.Width()); ++x) {
            const std::uint8_t red = gdi::GetRValue(pixels.Colour(x, y));
            alpha[x] = invertMask ? std::uint8_t(255 - red) : red;
        }
    }
    return result;
}

std::unique_ptr<TPNGObject> KeyedBitmapToPng(TBitmap& image, TColor maskColor) {
    auto result = RgbWithAlpha(image);
    for (int y = 0; y < result->Height(); ++y) {
        const std::uint8_t* pixel = result->PixelRow(std::uint32_t(y));
        std::uint8_t* alpha = result->AlphaRow(std::uint32_t(y));
        for (int x = 0; x < result->Width(); ++x, pixel += 3)
            alpha[x] = gdi::RGB(pixel[2], pixel[1], pixel[0]) == maskColor ? 0 : 255;
    }
    return result;
}

void CopyPngFromImageList(TPNGObject& png, TCustomImageList& source, int index) {
    if (const auto* list = dynamic_cast<const TPngImageList*>(&source)) {
        const TPngImageCollectionItem* item = list->PngImages()->ItemOrNil(index);
        if (item && item->PngImage())
            png.Assign(item->PngImage());
        return;
    }
    TIcon icon;
    source.GetIcon(index, icon);
    commctrl::ICONINFO parts;
    if (icon.Empty() || !commctrl::GetIconInfo(icon.Handle(), &parts))
        return;
    TBitmap colour;
    colour.SetHandle(parts.hbmColor);
    const gdi::TOwnedBitmap mask(parts.hbmMask);
    colour.SetPixelFormat(pf24bit);
    png.AssignFromBitmapHandle(colour.Handle(), false, 0);
    png.AddAlphaPlane();
    const TBitmapPixels maskPixels(mask.Get());
    for (int y = 0; y < std::min(png.Height(), maskPixels.Height()); ++y) {
        std::uint8_t* alpha = png.AlphaRow(std::uint32_t(y));
        for (int x = 0; x < std::min(png.Width(), maskPixels.Width()); ++x)
            alpha[x] = maskPixels.Colour(x, y) == Black ? 255 : 0;
    }
}

void ReadIconAlpha(gdi::HBITMAP colourBitmap, TAlphaRows& alpha) {
    const TBitmapPixels pixels(colourBitmap);
    const int width = std::min(alpha.Width, pixels.Width());
    const int height = std::min(alpha.Height, pixels.Height());
    bool hasAlpha = false;
    for (int y = 0; y < height && !hasAlpha; ++y)
        for (int x = 0; x < width && !hasAlpha; ++x)
            hasAlpha = pixels.FourthByte(x, y) != 0;
    if (!hasAlpha)
        return;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            alpha.Row(y)[x] = pixels.FourthByte(x, y);
}

bool AlphaIconsSupported() {
    const platform::TPlatformAnswers& system = platform::Answers();
    return system.PlatformId == 2 &&
           (system.MajorVersion > 5 || (system.MajorVersion == 5 && system.MinorVersion >= 1));
}
