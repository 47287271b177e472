#include "platform/gdi/dc.h"
#include "platform/gdi/gdi.h"

namespace gdi {

HPEN CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID && style != PS_DASH && style != PS_DOT && style != PS_NULL)
        return nullptr;
    auto pen = std::make_unique<detail::TPen>();
    pen->Style = style;
    pen->Width = width;
    pen->Colour = colour;
    return detail::Register(std::move(pen));
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    auto brush = std::make_unique<detail::TBrush>();
    brush->Colour = colour;
    return detail::Register(std::move(brush));
}

// A bitmap smaller than the pattern repeats within it.
HBRUSH CreatePatternBrush(HBITMAP pattern) {
    auto* bitmap = detail::Find<detail::TBitmap>(pattern);
    if (!bitmap)
        return nullptr;
    const detail::TSurface& s = bitmap->Surface;
    auto brush = std::make_unique<detail::TBrush>();
    brush->Style = detail::TBrushStyle::bsPattern;
    brush->MonochromePattern = s.Monochrome;
    for (int y = 0; y < 8; ++y) {
        TPixel row[8];
        const int count = std::min(s.Width, 8);
        s.Read(s.Row(y % s.Height), 0, count, row);
        for (int x = 0; x < 8; ++x) {
            const TPixel p = row[x % count] & kColourBits;
            brush->Pattern[std::size_t(y * 8 + x)] = s.Monochrome ? (p ? 1 : 0) : p;
        }
    }
    return detail::Register(std::move(brush));
}

} // namespace gdi
