#pragma once
// Shared helpers of the image-list tests: small bitmaps painted pixel by pixel, a canvas to
// draw on, and an image list that records which of its overridable operations were reached.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "gui/imagelist/imagelist.h"
#include "tests/graphics/helpers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace testing_imagelist {

using testing_graphics::ExpectPixels;
using testing_graphics::MakeBitmap;
using testing_graphics::Paint;

// A 32-bit bitmap whose pixels are colourAt(x, y).
inline std::unique_ptr<TBitmap> PaintedBitmap(int width, int height,
                                              const std::function<TColor(int x, int y)>& colourAt) {
    auto bitmap = MakeBitmap(width, height, pf32bit);
    Paint(bitmap->Canvas(), width, height, colourAt);
    return bitmap;
}

// A bitmap of a single colour.
inline std::unique_ptr<TBitmap> SolidBitmap(int width, int height, TColor colour) {
    return MakeBitmap(width, height, pf32bit, colour);
}

} // namespace testing_imagelist
