#pragma once
// Shared helpers of the PNG image-list tests: PNG images of every colour type built from
// pixel functions, bitmaps to draw on, and the codec's blend as the tests' oracle.

#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "platform/system/answers.h"
#include "png/pngobject.h"
#include "pngimagelist/pngimagelist.h"
#include "tests/png/png_test_support.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace testing_pngimagelist {

using pngtest::TBytes;
using pngtest::TRgba;

struct TRgb {
    std::uint8_t R = 0, G = 0, B = 0;
};

// One channel of the codec's alpha blend of s over d.
constexpr int Blend(int s, int a, int d) {
    return (s * a + 255 + (255 - a) * d) / 256;
}
// A whole colour blended over a background colour.
gdi::COLORREF BlendColour(const TRgba& over, gdi::COLORREF under);

std::unique_ptr<TPNGObject> ReadImage(const TBytes& bytes);
std::unique_ptr<TPNGObject> RgbaPng(int width, int height,
                                    const std::function<TRgba(int x, int y)>& pixel);
// An RGB image, with a tRNS colour key when given.
std::unique_ptr<TPNGObject> RgbPng(int width, int height,
                                   const std::function<TRgb(int x, int y)>& pixel,
                                   std::optional<TRgb> key = std::nullopt);
std::unique_ptr<TPNGObject> GreyPng(int width, int height,
                                    const std::function<std::uint8_t(int x, int y)>& level);
// An 8-bit palette image; alphas become its tRNS chunk when not empty.
std::unique_ptr<TPNGObject> PalettePng(int width, int height, const std::vector<TRgb>& palette,
                                       const TBytes& alphas,
                                       const std::function<std::uint8_t(int x, int y)>& index);
// Every pixel of an RGBA image the same colour.
std::unique_ptr<TPNGObject> SolidPng(int width, int height, TRgba colour);

// What the image holds at (x, y): its colour and opacity.
TRgba PixelOf(const TPNGObject& png, int x, int y);
std::uint8_t ColourTypeOf(const TPNGObject& png);

// A 32-bit bitmap filled with one colour, to draw on and read back.
std::unique_ptr<TBitmap> Surface(int width, int height, TColor fill);
// The pixels of a canvas's rectangle, row by row.
std::vector<TColor> Pixels(TCanvas& canvas, int width, int height);

// Switches platform answers for one test and restores them afterwards.
class TAnswers {
public:
    TAnswers() : FSaved(platform::Answers()) {}
    TAnswers(const TAnswers&) = delete;
    TAnswers& operator=(const TAnswers&) = delete;
    ~TAnswers() { platform::Answers() = FSaved; }
    platform::TPlatformAnswers* operator->() { return &platform::Answers(); }

private:
    platform::TPlatformAnswers FSaved;
};

} // namespace testing_pngimagelist
