#pragma once
// Shared helpers of the button tests: small bitmaps to draw on, and their pixels written as
// one character per pixel, rows separated by '|', from a key of colours.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

#include <map>
#include <memory>
#include <string>

namespace buttontest {

inline std::unique_ptr<TBitmap> Surface(int width, int height, TColor fill = clWhite) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Canvas().Brush().SetColor(fill);
    bitmap->Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}

// Colours missing from the key are written '?'.
inline std::string Picture(TCanvas& canvas, const TRect& area,
                           const std::map<gdi::COLORREF, char>& key) {
    std::string out;
    for (int y = area.Top; y < area.Bottom; ++y) {
        if (y > area.Top)
            out += '|';
        for (int x = area.Left; x < area.Right; ++x) {
            const auto found = key.find(ColorToRGB(canvas.Pixels(x, y)));
            out += found == key.end() ? '?' : found->second;
        }
    }
    return out;
}

inline gdi::COLORREF Sys(int index) {
    return gdi::GetSysColor(index);
}

} // namespace buttontest
