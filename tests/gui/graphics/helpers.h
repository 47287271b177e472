#pragma once
// Shared helpers of the graphics tests: small bitmaps filled or painted pixel by pixel, and
// a record of platform objects that must be gone once their owner is.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace testing_graphics {

inline std::unique_ptr<TBitmap> MakeBitmap(int width, int height, TPixelFormat format,
                                           TColor fill = clWhite) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(format);
    bitmap->SetSize(width, height);
    bitmap->Canvas().Brush().SetColor(fill);
    bitmap->Canvas().FillRect(Rect(0, 0, width, height));
    return bitmap;
}

// Paints every pixel with colourAt(x, y).
inline void Paint(TCanvas& canvas, int width, int height,
                  const std::function<TColor(int x, int y)>& colourAt) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            canvas.SetPixels(x, y, colourAt(x, y));
}

// Checks every pixel against expected(x, y), reporting the first few mismatches.
inline void ExpectPixels(TCanvas& canvas, int width, int height,
                         const std::function<gdi::COLORREF(int x, int y)>& expected) {
    int mismatches = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const TColor actual = canvas.Pixels(x, y);
            if (actual != expected(x, y) && ++mismatches <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << actual
                              << " instead of " << expected(x, y);
        }
}

inline std::vector<TColor> Snapshot(TCanvas& canvas, int width, int height) {
    std::vector<TColor> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(canvas.Pixels(x, y));
    return pixels;
}

// Platform objects seen while they were in use; all must be deleted by the end.
class THandleRecord {
public:
    void Add(gdi::HGDIOBJ object) {
        ASSERT_TRUE(gdi::IsValidObject(object));
        FObjects.push_back(object);
    }
    int Alive() const {
        int alive = 0;
        for (gdi::HGDIOBJ object : FObjects)
            alive += gdi::IsValidObject(object);
        return alive;
    }

private:
    std::vector<gdi::HGDIOBJ> FObjects;
};

} // namespace testing_graphics
