#include "gui/graphics/bitmapimage.h"

#include "gui/classes/exceptions.h"
#include "gui/graphics/errortexts.h"
#include "gui/graphics/memorydc.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr struct {
    TPixelFormat Format;
    int BitCount;
} SectionFormats[] = {{pf1bit, 1}, {pf4bit, 4}, {pf8bit, 8}, {pf24bit, 24}, {pf32bit, 32}};

TPixelFormat SectionFormatOf(int bitCount) {
    for (const auto& entry : SectionFormats)
        if (entry.BitCount == bitCount)
            return entry.Format;
    throw EInvalidGraphic(SInvalidBitmap);
}

void FillBitmap(gdi::HBITMAP bitmap, int width, int height, gdi::COLORREF colour) {
    gdi::TOwnedBrush brush(gdi::CreateSolidBrush(colour));
    TMemoryDC dc(bitmap);
    gdi::FillRect(dc.Get(), {0, 0, width, height}, brush.Get());
}

void CopyBits(gdi::HBITMAP dest, gdi::HBITMAP source, int width, int height) {
    TMemoryDC destDC(dest);
    TMemoryDC sourceDC(source);
    gdi::BitBlt(destDC.Get(), 0, 0, width, height, sourceDC.Get(), 0, 0, gdi::SRCCOPY);
}

// A bitmap of the format whose pixels are not yet set (sections start zeroed).
TBitmapImage CreateBlank(TBitmapFormat format) {
    TBitmapImage image;
    image.Format = std::move(format);
    const TBitmapFormat& f = image.Format;
    if (f.Empty())
        return image;
    if (f.IsSection()) {
        if (HasColorTable(f.BitCount()) && f.Colors.empty())
            image.Format.Colors = StandardColorTable(f.BitCount());
        const gdi::BITMAPINFO info =
            MakeBitmapInfo(f.Width, f.Height, f.BitCount(), image.Format.Colors);
        void* bits = nullptr;
        image.Handle.Reset(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
        image.Bits = static_cast<std::uint8_t*>(bits);
    } else if (f.Monochrome) {
        image.Handle.Reset(gdi::CreateBitmap(f.Width, f.Height, 1, 1, nullptr));
    } else {
        gdi::TReleasedDC screen(gdi::GetScreenDC());
        image.Handle.Reset(gdi::CreateCompatibleBitmap(screen.Get(), f.Width, f.Height));
    }
    if (!image.Handle || (f.IsSection() && !image.Bits))
        throw EOutOfResources(SOutOfResources);
    return image;
}

// A bitmap of the format whose handle is made when first needed.
TBitmapImage Lazy(TBitmapFormat format) {
    TBitmapImage image;
    image.Format = std::move(format);
    return image;
}

void CopyRows(const TBitmapImage& source, const TBitmapImage& dest) {
    for (int y = 0; y < dest.Format.Height; ++y)
        std::memcpy(dest.Row(y), source.Row(y), size_t(dest.Stride()));
}

// The colour table and row order of a section made elsewhere.
void QuerySection(TBitmapImage& image, gdi::HBITMAP handle) {
    const int bitCount = image.Format.BitCount();
    gdi::BITMAPINFO info = MakeBitmapInfo(image.Format.Width, image.Format.Height, bitCount, {});
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    gdi::GetDIBits(screen.Get(), handle, 0, 0, nullptr, &info, gdi::DIB_RGB_COLORS);
    image.TopDown = info.bmiHeader.biHeight < 0;
    if (HasColorTable(bitCount))
        image.Format.Colors.assign(info.bmiColors, info.bmiColors + (1 << bitCount));
}

} // namespace

int BitCountOf(TPixelFormat format) {
    for (const auto& entry : SectionFormats)
        if (entry.Format == format)
            return entry.BitCount;
    return 32;
}

int TBitmapFormat::BitCount() const {
    return Monochrome ? 1 : BitCountOf(PixelFormat);
}

std::uint8_t* TBitmapImage::Row(int y) const {
    const int stored = TopDown ? y : Format.Height - 1 - y;
    return Bits + stored * Stride();
}

TBitmapImage NewImage(TBitmapFormat format, gdi::COLORREF colour) {
    TBitmapImage image = CreateBlank(std::move(format));
    if (image.Handle)
        FillBitmap(image.Handle.Get(), image.Format.Width, image.Format.Height, colour);
    return image;
}

TBitmapImage AdoptHandle(gdi::HBITMAP handle) {
    gdi::BITMAP info;
    if (!gdi::GetObject(handle, info))
        throw EInvalidGraphic(SInvalidBitmap);
    TBitmapImage image;
    image.Format.Width = info.bmWidth;
    image.Format.Height = std::abs(info.bmHeight);
    image.Bits = static_cast<std::uint8_t*>(info.bmBits);
    if (image.Bits) {
        image.Format.PixelFormat = SectionFormatOf(info.bmBitsPixel * info.bmPlanes);
        QuerySection(image, handle);
    } else {
        image.Format.Monochrome = info.bmBitsPixel * info.bmPlanes == 1;
    }
    image.Handle.Reset(handle);
    return image;
}

TBitmapImage CopyHandle(gdi::HBITMAP handle) {
    TBitmapImage borrowed = AdoptHandle(handle);
    // Hands the bitmap back to its owner on every path.
    struct TGiveBack {
        TBitmapImage& Image;
        ~TGiveBack() { Image.Handle.Release(); }
    } giveBack{borrowed};
    return CopyImage(borrowed);
}

TBitmapImage CopyImage(const TBitmapImage& image) {
    if (!image.Handle)
        return Lazy(image.Format);
    TBitmapImage copy = CreateBlank(image.Format);
    if (image.Format.IsSection())
        CopyRows(image, copy);
    else
        CopyBits(copy.Handle.Get(), image.Handle.Get(), image.Format.Width, image.Format.Height);
    return copy;
}

TBitmapImage ResizeImage(const TBitmapImage& image, int width, int height, gdi::COLORREF fill) {
    TBitmapFormat format = image.Format;
    format.Width = width;
    format.Height = height;
    if (!image.Handle)
        return Lazy(std::move(format));
    TBitmapImage resized = NewImage(std::move(format), fill);
    if (resized.Handle)
        CopyBits(resized.Handle.Get(), image.Handle.Get(), std::min(width, image.Format.Width),
                 std::min(height, image.Format.Height));
    return resized;
}

TBitmapImage ConvertImage(const TBitmapImage& image, TPixelFormat pixelFormat, bool monochrome) {
    TBitmapFormat format = image.Format;
    format.PixelFormat = pixelFormat;
    format.Monochrome = pixelFormat == pfDevice && monochrome;
    format.Colors.clear();
    if (!image.Handle)
        return Lazy(std::move(format));
    const int width = image.Format.Width;
    const int height = image.Format.Height;
    if (!format.IsSection()) {
        TBitmapImage converted = CreateBlank(std::move(format));
        CopyBits(converted.Handle.Get(), image.Handle.Get(), width, height);
        return converted;
    }
    const std::vector<std::uint32_t> pixels = ReadPixels(image.Handle.Get(), width, height);
    if (HasColorTable(format.BitCount()))
        format.Colors = ColorTableFor(pixels, format.BitCount());
    TBitmapImage converted = CreateBlank(std::move(format));
    TPixelPacker packer(converted.Format.BitCount(), converted.Format.Colors);
    for (int y = 0; y < height; ++y)
        packer.PackRow(pixels.data() + size_t(y) * size_t(width), width, converted.Row(y));
    return converted;
}

TBitmapImage RecolorImage(const TBitmapImage& image, std::vector<gdi::RGBQUAD> colors) {
    TBitmapFormat format = image.Format;
    format.Colors = std::move(colors);
    if (!image.Handle)
        return Lazy(std::move(format));
    TBitmapImage recoloured = CreateBlank(std::move(format));
    CopyRows(image, recoloured);
    return recoloured;
}

TDIBImage ImageToDIB(const TBitmapImage& image) {
    TDIBImage dib;
    dib.Width = image.Format.Width;
    dib.Height = image.Format.Height;
    dib.BitCount = image.Format.BitCount();
    dib.Colors = image.Format.IsSection() ? image.Format.Colors : StandardColorTable(dib.BitCount);
    const auto stride = size_t(BytesPerScanLine(dib.Width, dib.BitCount));
    dib.Bits.resize(stride * size_t(std::max(dib.Height, 0)));
    if (!image.Handle)
        return dib;
    // DIB rows run bottom-up: row y from the top is stored at height - 1 - y.
    auto destRow = [&](int y) { return dib.Bits.data() + size_t(dib.Height - 1 - y) * stride; };
    if (image.Format.IsSection()) {
        for (int y = 0; y < dib.Height; ++y)
            std::memcpy(destRow(y), image.Row(y), stride);
        return dib;
    }
    const std::vector<std::uint32_t> pixels = ReadPixels(image.Handle.Get(), dib.Width, dib.Height);
    TPixelPacker packer(dib.BitCount, dib.Colors);
    for (int y = 0; y < dib.Height; ++y)
        packer.PackRow(pixels.data() + size_t(y) * size_t(dib.Width), dib.Width, destRow(y));
    return dib;
}

TBitmapImage DIBToImage(const TDIBImage& dib) {
    TBitmapFormat format;
    format.Width = dib.Width;
    format.Height = dib.Height;
    format.PixelFormat = SectionFormatOf(dib.BitCount);
    format.Colors = dib.Colors;
    TBitmapImage image = CreateBlank(std::move(format));
    const auto stride = size_t(image.Stride());
    for (int y = 0; image.Handle && y < dib.Height; ++y)
        std::memcpy(image.Row(y), dib.Bits.data() + size_t(dib.Height - 1 - y) * stride, stride);
    return image;
}
