#include "platform/gdi/dc.h"
#include "platform/gdi/dib_format.h"
#include "platform/gdi/gdi.h"

#include <algorithm>
#include <cstring>

namespace gdi {

namespace {

using detail::TBitmap;
using detail::TDibFormat;
using detail::TSurface;

struct TBitmapShape {
    int Width = 0;
    int Height = 0;
    int BitsPerPixel = 32;
    int Alignment = 4;
    bool TopDown = true;
    bool Monochrome = false;
    std::vector<TPixel> Colours;
};

// A bitmap with zeroed pixel memory, or null when the shape is refused or the memory cannot
// be had.
std::unique_ptr<TBitmap> MakeBitmap(const TBitmapShape& shape) {
    const auto stride = detail::RowBytes(shape.Width, shape.BitsPerPixel, shape.Alignment);
    const auto size = stride ? detail::ImageBytes(*stride, shape.Height) : std::nullopt;
    if (!size)
        return nullptr;
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->Memory = platform::TZeroedMemory::Allocate(*size);
    if (!bitmap->Memory)
        return nullptr;
    TSurface& s = bitmap->Surface;
    s.Width = shape.Width;
    s.Height = shape.Height;
    s.BitsPerPixel = shape.BitsPerPixel;
    s.Stride = *stride;
    s.TopDown = shape.TopDown;
    s.Monochrome = shape.Monochrome;
    s.Colours = shape.Colours;
    s.Bits = bitmap->Memory.Data();
    return bitmap;
}

// Device bitmaps: monochrome rows padded to 2 bytes as the platform lays them out, or 32-bit
// blue-green-red-unused rows, both top row first.
std::unique_ptr<TBitmap> MakeDeviceBitmap(int width, int height, bool monochrome) {
    TBitmapShape shape{width, height, 32, 4, true, false, {}};
    if (monochrome)
        shape = {width, height, 1, 2, true, true, {kBlackPixel, kWhitePixel}};
    return MakeBitmap(shape);
}

HBITMAP MakeSection(const std::optional<TDibFormat>& format, UINT usage, void** bits) {
    if (bits)
        *bits = nullptr;
    if (!format || usage != DIB_RGB_COLORS)
        return nullptr;
    auto bitmap = MakeBitmap({format->Width, format->Height, format->BitsPerPixel, 4,
                              format->TopDown, false, format->Colours});
    if (!bitmap)
        return nullptr;
    bitmap->Section = true;
    if (bits)
        *bits = bitmap->Memory.Data();
    return detail::Register(std::move(bitmap));
}

// Copies scan lines first..first+count-1 between a bitmap and device-independent bits whose
// view lists its rows in storage order. Scan lines count from the bottom row for bottom-up
// layouts, as the bits store them. Returns the number of rows moved.
int TransferRows(const TSurface& bitmap, const TDibFormat& format, UINT first, UINT count,
                 const TSurface& bits, bool toBitmap) {
    const long long height = std::min(bitmap.Height, format.Height);
    if (first >= height)
        return 0;
    const int rows = int(std::min<long long>(count, height - first));
    const int width = std::min(bitmap.Width, format.Width);
    for (int k = 0; k < rows; ++k) {
        const int scan = int(first) + k;
        const int bitmapRow = format.TopDown ? scan : bitmap.Height - 1 - scan;
        if (toBitmap)
            detail::CopyRow(bits, k, bitmap, bitmapRow, width);
        else
            detail::CopyRow(bitmap, bitmapRow, bits, k, width);
    }
    return rows;
}

// `count` rows of a format over `bits`, in storage order.
TSurface RowsView(TDibFormat format, UINT count, const void* bits) {
    format.Height = int(std::min<long long>(count, format.Height));
    format.TopDown = true;
    return detail::DibView(format, bits);
}

// The colour table GetDIBits hands out for an indexed request: the bitmap's own for a
// section of that depth, so its indices pass unchanged, otherwise the standard one.
std::vector<TPixel> TableFor(const TSurface& bitmap, int bitsPerPixel) {
    if (bitmap.BitsPerPixel == bitsPerPixel && !bitmap.Monochrome)
        return bitmap.Colours;
    return detail::DefaultColours(bitsPerPixel);
}

void FillHeader(const TBitmap& bitmap, BITMAPINFO& info) {
    const TSurface& s = bitmap.Surface;
    BITMAPINFOHEADER& h = info.bmiHeader;
    h.biWidth = s.Width;
    h.biHeight = bitmap.Section && s.TopDown ? -s.Height : s.Height;
    h.biPlanes = 1;
    if (h.biBitCount == 0) {
        h.biBitCount = WORD(s.BitsPerPixel);
        h.biCompression = BI_RGB;
    }
    const auto stride = detail::RowBytes(s.Width, h.biBitCount, 4);
    h.biSizeImage =
        stride ? DWORD(std::min<std::size_t>(*stride * std::size_t(s.Height), 0xFFFFFFFF)) : 0;
    h.biClrUsed = 0;
}

} // namespace

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits) {
    return MakeSection(info ? detail::ReadDibFormat(&info->bmiHeader) : std::nullopt, usage, bits);
}

HBITMAP CreateDIBSection(HDC, const BITMAPV4HEADER* header, UINT usage, void** bits) {
    const auto* info = reinterpret_cast<const BITMAPINFOHEADER*>(header);
    return MakeSection(header ? detail::ReadDibFormat(info) : std::nullopt, usage, bits);
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits) {
    const UINT depth = planes * bitsPerPixel;
    if (depth != 1 && depth != 32)
        return nullptr;
    auto bitmap = MakeDeviceBitmap(width, height, depth == 1);
    if (!bitmap)
        return nullptr;
    if (bits)
        std::memcpy(bitmap->Memory.Data(), bits, bitmap->Surface.Stride * std::size_t(height));
    return detail::Register(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height) {
    DeviceContext* context = detail::FindContext(dc);
    if (!context)
        return nullptr;
    const bool monochrome = context->Kind == TContextKind::ckMemory && context->State.Bitmap &&
                            context->State.Bitmap->Surface.Monochrome;
    const int scale = context->Scale();
    auto bitmap = MakeDeviceBitmap(detail::SaturateToInt((long long)width * scale),
                                   detail::SaturateToInt((long long)height * scale), monochrome);
    if (!bitmap)
        return nullptr;
    bitmap->Scale = scale;
    return detail::Register(std::move(bitmap));
}

bool SetBitmapScale(HBITMAP handle, int scale) {
    auto* bitmap = detail::Find<TBitmap>(handle);
    if (!bitmap || scale < 1 || detail::IsSelected(handle) || detail::IsStock(handle))
        return false;
    bitmap->Scale = scale;
    return true;
}

HBITMAP CreateDIBitmap(HDC dc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
    if (!detail::FindContext(dc) || !header || usage != DIB_RGB_COLORS)
        return nullptr;
    const long long height = header->biHeight;
    auto bitmap = MakeDeviceBitmap(header->biWidth, int(height < 0 ? -height : height), false);
    if (!bitmap)
        return nullptr;
    if (init & CBM_INIT) {
        const auto format = info ? detail::ReadDibFormat(&info->bmiHeader) : std::nullopt;
        if (!format || !bits)
            return nullptr;
        TransferRows(bitmap->Surface, *format, 0, UINT(format->Height),
                     RowsView(*format, UINT(format->Height), bits), true);
    }
    return detail::Register(std::move(bitmap));
}

bool GetObject(HBITMAP handle, BITMAP& out) {
    auto* bitmap = detail::Find<TBitmap>(handle);
    if (!bitmap)
        return false;
    const TSurface& s = bitmap->Surface;
    out.bmType = 0;
    out.bmWidth = s.Width;
    out.bmHeight = s.Height;
    out.bmWidthBytes = LONG(s.Stride);
    out.bmPlanes = 1;
    out.bmBitsPixel = WORD(s.BitsPerPixel);
    out.bmBits = bitmap->Section ? bitmap->Memory.Data() : nullptr;
    return true;
}

int GetDIBits(HDC dc, HBITMAP handle, UINT start, UINT lines, void* bits, BITMAPINFO* info,
              UINT usage) {
    auto* bitmap = detail::Find<TBitmap>(handle);
    if (!detail::FindContext(dc) || !bitmap || !info || usage != DIB_RGB_COLORS)
        return 0;
    const TSurface& surface = bitmap->Surface;
    if (!bits && info->bmiHeader.biBitCount == 0) {
        FillHeader(*bitmap, *info);
        return surface.Height;
    }
    auto format = detail::ReadDibFormat(&info->bmiHeader);
    if (!format)
        return 0;
    if (format->BitsPerPixel <= 8) {
        format->Colours = TableFor(surface, format->BitsPerPixel);
        for (std::size_t i = 0; i < (std::size_t(1) << format->BitsPerPixel); ++i)
            info->bmiColors[i] =
                i < format->Colours.size() ? ToQuad(format->Colours[i]) : RGBQUAD{};
    }
    if (!bits) {
        FillHeader(*bitmap, *info);
        return surface.Height;
    }
    return TransferRows(surface, *format, start, lines, RowsView(*format, lines, bits), false);
}

int SetDIBits(HDC, HBITMAP handle, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
    auto* bitmap = detail::Find<TBitmap>(handle);
    if (!bitmap || !bits || !info || usage != DIB_RGB_COLORS)
        return 0;
    const auto format = detail::ReadDibFormat(&info->bmiHeader);
    if (!format)
        return 0;
    return TransferRows(bitmap->Surface, *format, start, lines, RowsView(*format, lines, bits),
                        true);
}

} // namespace gdi
