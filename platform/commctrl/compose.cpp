#include "platform/commctrl/compose.h"

namespace commctrl::detail {

bool Compose(gdi::HDC dc, int x, int y, int width, int height, gdi::HBRUSH background,
             const TRowPainter& paint) {
    if (width <= 0 || height <= 0)
        return false;
    gdi::TOwnedDC scratchDC(gdi::CreateCompatibleDC(dc));
    gdi::BITMAPINFO info{};
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    gdi::TOwnedBitmap scratch(
        gdi::CreateDIBSection(scratchDC.Get(), &info, gdi::DIB_RGB_COLORS, &bits));
    if (!scratchDC || !scratch || !bits)
        return false;
    gdi::TSelection select(scratchDC.Get(), scratch.Get());
    if (background) {
        if (!gdi::FillRect(scratchDC.Get(), {0, 0, width, height}, background))
            return false;
    } else if (!gdi::BitBlt(scratchDC.Get(), 0, 0, width, height, dc, x, y, gdi::SRCCOPY)) {
        return false;
    }
    auto* row = static_cast<TPixel*>(bits);
    for (int r = 0; r < height; ++r, row += width)
        paint(row, r);
    return gdi::BitBlt(dc, x, y, width, height, scratchDC.Get(), 0, 0, gdi::SRCCOPY);
}

} // namespace commctrl::detail
