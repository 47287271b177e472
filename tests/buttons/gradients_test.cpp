// Gradients on small bitmaps: where each colour lands, how bands merge, and that every pixel
// of the rectangle is painted (the bitmaps start white; the gradients here never are).

#include "buttons/gradient_bands.h"
#include "buttons/gradients.h"
#include "pictures.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace buttontest {
namespace {

constexpr TColor kBlack = clBlack;
constexpr TColor kWhite = clWhite;
constexpr TColor kRed = clRed;
constexpr TColor kBlue = clBlue;

std::vector<TColor> Column(TCanvas& canvas, int x, int top, int bottom) {
    std::vector<TColor> out;
    for (int y = top; y < bottom; ++y)
        out.push_back(canvas.Pixels(x, y));
    return out;
}

std::vector<TColor> Row(TCanvas& canvas, int y, int left, int right) {
    std::vector<TColor> out;
    for (int x = left; x < right; ++x)
        out.push_back(canvas.Pixels(x, y));
    return out;
}

int WhitePixels(TCanvas& canvas, const TRect& area) {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            count += canvas.Pixels(x, y) == kWhite;
    return count;
}

TColor Grey(int level) {
    return gdi::RGB(level, level, level);
}

TEST(Gradients, AnEmptyRectangleDrawsNothing) {
    auto bitmap = Surface(8, 8, kRed);
    DrawGradient(bitmap->Canvas(), Rect(2, 2, 2, 7), gsVertical, kBlack, kBlue, 0);
    DrawGradient(bitmap->Canvas(), Rect(2, 2, 7, 2), gsBox, kBlack, kBlue, 0);
    EXPECT_EQ(Picture(bitmap->Canvas(), Rect(0, 0, 8, 8), {{kRed, '.'}}),
              "........|........|........|........|........|........|........|........");
}

TEST(Gradients, VerticalStepsFromTheBottomUpInFixedPointAndFillsEveryColumn) {
    // Ten rows from black at the top to white at the bottom: white exactly in the last row,
    // then 255 - k x 25.5 truncated for k rows up.
    auto bitmap = Surface(37, 10, kRed);
    TCanvas& canvas = bitmap->Canvas();
    DrawGradient(canvas, Rect(0, 0, 37, 10), gsVertical, kBlack, kWhite, 0);
    const std::vector<TColor> expected{Grey(25),  Grey(51),  Grey(76),  Grey(102), Grey(127),
                                       Grey(153), Grey(178), Grey(204), Grey(229), Grey(255)};
    for (int x : {0, 7, 8, 20, 36})
        EXPECT_EQ(Column(canvas, x, 0, 10), expected) << "column " << x;
}

TEST(Gradients, EqualColoursPaintAUniformRectangleInEveryShape) {
    for (int shape = gsDiagonalDown; shape <= gsBoxInset; ++shape) {
        auto bitmap = Surface(23, 17);
        DrawGradient(bitmap->Canvas(), Rect(3, 2, 20, 15), TGradientShape(shape), kBlue, kBlue, 0);
        const std::string inside(17, 'b');
        std::string expected = ".......................";
        for (int y = 0; y < 13; ++y)
            expected += "|..." + inside + "...";
        expected += "|.......................|.......................";
        EXPECT_EQ(Picture(bitmap->Canvas(), Rect(0, 1, 23, 17), {{kBlue, 'b'}, {kWhite, '.'}}),
                  expected)
            << "shape " << shape;
    }
}

TEST(Gradients, AShapeBeyondTheTableDrawsTheUnpaintedBitmap) {
    auto bitmap = Surface(6, 4, kRed);
    DrawGradient(bitmap->Canvas(), Rect(1, 1, 5, 3), TGradientShape(10), kBlack, kBlue, 0);
    EXPECT_EQ(Picture(bitmap->Canvas(), Rect(0, 0, 6, 4), {{kRed, 'r'}, {kWhite, '.'}}),
              "rrrrrr|r....r|r....r|rrrrrr");
}

TEST(Gradients, BandsHoldAtLeastTheirMinimumOfPixels) {
    const auto runs = [](const std::vector<TColor>& colours) {
        std::vector<int> lengths{1};
        for (std::size_t i = 1; i < colours.size(); ++i) {
            if (colours[i] == colours[i - 1])
                ++lengths.back();
            else
                lengths.push_back(1);
        }
        return lengths;
    };
    for (const std::uint8_t band : {0, 1, 4, 8, 51}) {
        auto bitmap = Surface(60, 3);
        TCanvas& canvas = bitmap->Canvas();
        DrawGradient(canvas, Rect(0, 0, 60, 3), gsHorizontal, kBlack, kWhite, band);
        const std::vector<TColor> row = Row(canvas, 1, 0, 60);
        EXPECT_EQ(row, Row(canvas, 2, 0, 60));
        EXPECT_EQ(row.back(), kWhite);
        std::vector<int> lengths = runs(row);
        const int minimum = band > 8 ? 255 / band + 1 : std::max<int>(band, 1);
        // The band at the left end, painted last, takes what is left over.
        lengths.erase(lengths.begin());
        for (int length : lengths)
            EXPECT_GE(length, minimum) << "band " << int(band);
        if (band <= 1) {
            EXPECT_EQ(lengths.size() + 1, std::set<TColor>(row.begin(), row.end()).size());
        }
    }
}

TEST(Gradients, CentredLinearGradientsHaveTheFirstColourAtBothEnds) {
    auto bitmap = Surface(9, 21);
    TCanvas& canvas = bitmap->Canvas();
    DrawGradient(canvas, Rect(0, 0, 9, 21), gsVerticalCenter, kBlue, kBlack, 0);
    const std::vector<TColor> column = Column(canvas, 4, 0, 21);
    // The split at row 10 holds the second colour exactly; the far end starts with the first.
    EXPECT_EQ(column[10], kBlack);
    EXPECT_EQ(column[20], kBlue);
    EXPECT_EQ(gdi::GetBValue(column[0]), 231); // 10 steps of 255 / 11, in 16.16
    EXPECT_EQ(WhitePixels(canvas, Rect(0, 0, 9, 21)), 0);
    for (int y = 1; y < 10; ++y)
        EXPECT_LE(gdi::GetBValue(column[y]), gdi::GetBValue(column[y - 1]));
}

TEST(Gradients, BoxGradientsAreMirroredAboutBothAxes) {
    // Even and odd halves and sizes: an odd size keeps its middle row or column.
    for (const TSize size : {TSize{16, 12}, TSize{14, 11}, TSize{13, 9}}) {
        const int w = size.cx;
        const int h = size.cy;
        auto bitmap = Surface(w, h);
        TCanvas& canvas = bitmap->Canvas();
        DrawGradient(canvas, Rect(0, 0, w, h), gsBox, kRed, kBlue, 0);
        EXPECT_EQ(WhitePixels(canvas, Rect(0, 0, w, h)), 0) << w << "x" << h;
        EXPECT_EQ(canvas.Pixels((w - 1) / 2, (h - 1) / 2), kBlue);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                EXPECT_EQ(canvas.Pixels(x, y), canvas.Pixels(w - 1 - x, y)) << x << "," << y;
                EXPECT_EQ(canvas.Pixels(x, y), canvas.Pixels(x, h - 1 - y)) << x << "," << y;
            }
        // Red fades towards the centre along both axes.
        for (int x = 1; x <= (w - 1) / 2; ++x)
            EXPECT_LE(gdi::GetRValue(canvas.Pixels(x, 0)), gdi::GetRValue(canvas.Pixels(x - 1, 0)));
    }
}

TEST(Gradients, BoxInsetsKeepTheCentreFlat) {
    auto bitmap = Surface(16, 16);
    TCanvas& canvas = bitmap->Canvas();
    DrawGradient(canvas, Rect(0, 0, 16, 16), gsBoxInset, kRed, kBlue, 0);
    // The quadrant's inner (inset + 1) x (inset + 1) pixels and their mirrors are blue.
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x)
            EXPECT_EQ(canvas.Pixels(x, y), kBlue) << x << "," << y;
    EXPECT_NE(canvas.Pixels(2, 8), kBlue);
    EXPECT_EQ(WhitePixels(canvas, Rect(0, 0, 16, 16)), 0);
}

TEST(Gradients, DiagonalsRunFromCornerToCornerWithoutGaps) {
    auto down = Surface(30, 20);
    DrawGradient(down->Canvas(), Rect(0, 0, 30, 20), gsDiagonalDown, kRed, kBlue, 0);
    EXPECT_EQ(WhitePixels(down->Canvas(), Rect(0, 0, 30, 20)), 0);
    EXPECT_EQ(down->Canvas().Pixels(0, 19), kRed);
    EXPECT_GT(gdi::GetBValue(down->Canvas().Pixels(29, 0)), 230);
    // Along the other diagonal the colour does not change much; along this one it climbs.
    for (int step = 1; step < 20; ++step) {
        const TColor previous = down->Canvas().Pixels((step - 1) * 3 / 2, 19 - (step - 1));
        const TColor current = down->Canvas().Pixels(step * 3 / 2, 19 - step);
        EXPECT_GE(gdi::GetBValue(current), gdi::GetBValue(previous));
    }

    auto up = Surface(30, 20);
    DrawGradient(up->Canvas(), Rect(0, 0, 30, 20), gsDiagonalUp, kRed, kBlue, 0);
    EXPECT_EQ(WhitePixels(up->Canvas(), Rect(0, 0, 30, 20)), 0);
    EXPECT_EQ(up->Canvas().Pixels(29, 19), kBlue);
    EXPECT_GT(gdi::GetRValue(up->Canvas().Pixels(0, 0)), 230);
}

TEST(Gradients, AOneColumnCentredGradientIsStillAcrossTheWidth) {
    auto narrow = Surface(1, 12);
    DrawGradient(narrow->Canvas(), Rect(0, 0, 1, 12), gsHorizontalCenter, kRed, kBlue, 0);
    for (int y = 0; y < 12; ++y)
        EXPECT_EQ(narrow->Canvas().Pixels(0, y), kBlue) << y;
}

TEST(Gradients, ColoursSteppedPastTheirEndStayWithinTheirChannels) {
    gradient::TColourStep step(gdi::RGB(0, 255, 10), gdi::RGB(255, 0, 10), 10);
    for (int i = 0; i < 12; ++i)
        step.Next();
    EXPECT_EQ(step.Colour(), gdi::RGB(255, 0, 10));
}

TEST(Gradients, TheRingPaintsOnlyTheOuterTwoPixelsAndResetsTheClip) {
    auto bitmap = Surface(12, 10);
    TCanvas& canvas = bitmap->Canvas();
    DrawGradientRing(canvas, Rect(1, 1, 11, 9), gsVertical, kRed, kRed);
    EXPECT_EQ(Picture(canvas, Rect(0, 0, 12, 10), {{kRed, 'r'}, {kWhite, '.'}}), "............|"
                                                                                 ".rrrrrrrrrr.|"
                                                                                 ".rrrrrrrrrr.|"
                                                                                 ".rr......rr.|"
                                                                                 ".rr......rr.|"
                                                                                 ".rr......rr.|"
                                                                                 ".rr......rr.|"
                                                                                 ".rrrrrrrrrr.|"
                                                                                 ".rrrrrrrrrr.|"
                                                                                 "............");
    canvas.Brush().SetColor(kBlue);
    canvas.FillRect(Rect(5, 5, 6, 6));
    EXPECT_EQ(canvas.Pixels(5, 5), kBlue);
}

} // namespace
} // namespace buttontest
