// Glyph cells drawn with their key colour left out, and captions measured and drawn.

#include "buttons/bitmapcell.h"
#include "buttons/captiontext.h"
#include "pictures.h"

#include <gtest/gtest.h>

namespace buttontest {
namespace {

constexpr TColor kKey = clFuchsia;

// Two 3 x 2 cells: the first a blue bar over key colour, the second all green.
std::unique_ptr<TBitmap> Strip() {
    auto strip = Surface(6, 2, kKey);
    TCanvas& canvas = strip->Canvas();
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(Rect(1, 0, 2, 2));
    canvas.Brush().SetColor(clLime);
    canvas.FillRect(Rect(3, 0, 6, 2));
    return strip;
}

TEST(Cells, AMaskedCellLeavesTheCanvasWhereItHoldsTheKeyColour) {
    auto strip = Strip();
    auto target = Surface(8, 4, clRed);
    const std::map<gdi::COLORREF, char> key{{0x0000FF, 'r'}, {0xFF0000, 'b'}, {0x00FF00, 'g'}};
    DrawMaskedBitmapCell(target->Canvas(), *strip, Rect(1, 1, 4, 3), kKey, Rect(0, 0, 3, 2));
    EXPECT_EQ(Picture(target->Canvas(), Rect(0, 0, 8, 4), key),
              "rrrrrrrr|rrbrrrrr|rrbrrrrr|rrrrrrrr");
    // Stretched to twice its size, the second cell.
    DrawMaskedBitmapCell(target->Canvas(), *strip, Rect(2, 0, 8, 4), kKey, Rect(3, 0, 6, 2));
    EXPECT_EQ(Picture(target->Canvas(), Rect(0, 0, 8, 4), key),
              "rrgggggg|rrgggggg|rrgggggg|rrgggggg");
    // An empty cell draws nothing.
    DrawMaskedBitmapCell(target->Canvas(), *strip, Rect(0, 0, 2, 2), kKey, Rect(0, 0, 0, 2));
    EXPECT_EQ(target->Canvas().Pixels(0, 0), clRed);
}

TEST(Cells, CaptionsAreMeasuredWithoutDrawingAndDrawnInTheFontColour) {
    auto bitmap = Surface(60, 20);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clRed);
    TRect measured = Rect(0, 0, 60, 20);
    EXPECT_EQ(DrawCaptionOnCanvas(canvas, "&OK", measured, 0x455), 13);
    EXPECT_EQ(measured.Bottom - measured.Top, 13);
    const auto ink = [&] {
        int count = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                count += canvas.Pixels(x, y) != clWhite;
        return count;
    };
    EXPECT_EQ(ink(), 0);
    TRect area = Rect(0, 0, 60, 20);
    EXPECT_EQ(DrawCaptionOnCanvas(canvas, "&OK", area, gdi::DT_CENTER), 13);
    EXPECT_GT(ink(), 20);
    // Reds only: the text is smoothed against white, never another hue.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x)
            EXPECT_EQ(gdi::GetRValue(canvas.Pixels(x, y)), 255);
}

} // namespace
} // namespace buttontest
