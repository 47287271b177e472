#include "pngimagelist/bitmappixels.h"

#include "platform/gdi/owned.h"

#include <cstdlib>

TBitmapPixels::TBitmapPixels(gdi::HBITMAP bitmap) {
    gdi::BITMAP info;
    if (!gdi::GetObject(bitmap, info) || info.bmWidth <= 0 || info.bmHeight == 0)
        return;
    const int width = info.bmWidth;
    const int height = std::abs(info.bmHeight);
    gdi::BITMAPV4HEADER header;
    header.bV4Width = width;
    header.bV4Height = -height;
    header.bV4BitCount = 32;
    header.bV4V4Compression = gdi::BI_BITFIELDS;
    header.bV4SizeImage = gdi::DWORD(width) * 4 * gdi::DWORD(height);
    std::vector<std::uint8_t> pixels(std::size_t(header.bV4SizeImage));
    const gdi::TReleasedDC screen(gdi::GetScreenDC());
    const gdi::TOwnedDC dc(gdi::CreateCompatibleDC(screen.Get()));
    const int rows =
        gdi::GetDIBits(dc.Get(), bitmap, 0, gdi::UINT(height), pixels.data(),
                       reinterpret_cast<gdi::BITMAPINFO*>(&header), gdi::DIB_RGB_COLORS);
    if (rows <= 0)
        return;
    FWidth = width;
    FHeight = height;
    FPixels = std::move(pixels);
}
