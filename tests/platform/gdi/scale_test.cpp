// Drawing on surfaces of device scale 2: what lies on the logical pixel grid comes out as the
// scale-1 picture with every pixel doubled, while text, sloped lines and focus dots use the
// surface's own resolution.

#include "tests/platform/gdi/canvas.h"

#include <functional>
#include <gtest/gtest.h>

namespace gdi {
namespace {

using test::TCanvas;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

using TDrawing = std::function<void(HDC)>;

// Counts the pixels of the scale-2 canvas that differ from the scale-1 picture doubled.
int DoublingDifferences(const TDrawing& draw, int width, int height) {
    TCanvas one(width, height);
    TCanvas two(width, height, kWhite, 2);
    draw(one.DC());
    draw(two.DC());
    int differences = 0;
    for (int y = 0; y < two.Height(); ++y)
        for (int x = 0; x < two.Width(); ++x)
            differences += two.At(x, y) != one.At(x / 2, y / 2);
    return differences;
}

// A 4 x 4 picture of scale 1 in its own memory context.
struct TSource {
    TSource() : Canvas(4, 4) {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x)
                Canvas.Set(x, y, RGB(BYTE(60 * x), BYTE(60 * y), 99));
    }
    TCanvas Canvas;
};

void Pen(HDC dc, int style, COLORREF colour, const std::function<void()>& draw) {
    TOwnedPen pen(CreatePen(style, 1, colour));
    TSelection selected(dc, pen.Get());
    draw();
}

TEST(Scale, FillsFramesAndPatternsAreTheScaleOnePictureDoubled) {
    EXPECT_EQ(DoublingDifferences(
                  [](HDC dc) {
                      TOwnedBrush red(CreateSolidBrush(kRed));
                      FillRect(dc, {1, 1, 7, 5}, red.Get());
                      TOwnedBrush blue(CreateSolidBrush(kBlue));
                      FrameRect(dc, {3, 2, 11, 9}, blue.Get());
                      InvertRect(dc, {0, 6, 4, 10});
                      SetPixel(dc, 9, 0, kBlack);
                      BYTE rows[16] = {0xAA, 0, 0x55, 0, 0xF0, 0, 0x0F, 0,
                                       0xCC, 0, 0x33, 0, 0x81, 0, 0x7E, 0};
                      TOwnedBitmap bits(CreateBitmap(8, 8, 1, 1, rows));
                      TOwnedBrush pattern(CreatePatternBrush(bits.Get()));
                      SetBrushOrgEx(dc, 3, 1, nullptr);
                      TSelection selected(dc, pattern.Get());
                      PatBlt(dc, 5, 3, 9, 8, PATINVERT);
                  },
                  14, 12),
              0);
}

TEST(Scale, PenLinesAlongTheAxesRectanglesAndPolygonsAreDoubled) {
    EXPECT_EQ(DoublingDifferences(
                  [](HDC dc) {
                      Pen(dc, PS_SOLID, kRed, [dc] {
                          MoveToEx(dc, 1, 1, nullptr);
                          LineTo(dc, 12, 1);
                          LineTo(dc, 12, 9);
                          LineTo(dc, 0, 9);
                      });
                      SetBkColor(dc, kBlue);
                      Pen(dc, PS_DOT, kBlack, [dc] {
                          MoveToEx(dc, 2, 11, nullptr);
                          LineTo(dc, 13, 11);
                          MoveToEx(dc, 13, 10, nullptr);
                          LineTo(dc, 13, 0);
                      });
                      Rectangle(dc, 3, 3, 8, 7);
                      TSelection noPen(dc, static_cast<HPEN>(GetStockObject(NULL_PEN)));
                      Rectangle(dc, 9, 3, 11, 6);
                      const POINT square[] = {{2, 4}, {6, 4}, {6, 8}, {2, 8}};
                      Polygon(dc, square, 4);
                  },
                  14, 12),
              0);
}

TEST(Scale, TransfersClipsAndOriginsWorkInLogicalPixels) {
    const TSource source;
    EXPECT_EQ(DoublingDifferences(
                  [&source](HDC dc) {
                      const int saved = SaveDC(dc);
                      SetViewportOrgEx(dc, 2, 1, nullptr);
                      IntersectClipRect(dc, 0, 0, 9, 8);
                      ExcludeClipRect(dc, 3, 3, 5, 5);
                      BitBlt(dc, 0, 0, 4, 4, source.Canvas.DC(), 0, 0, SRCCOPY);
                      StretchBlt(dc, 8, 0, -4, 8, source.Canvas.DC(), 0, 0, 4, 4, SRCCOPY);
                      RECT box{};
                      GetClipBox(dc, &box);
                      EXPECT_EQ(box, (RECT{0, 0, 9, 8}));
                      RestoreDC(dc, saved);
                      // The surface onto itself, overlapping.
                      BitBlt(dc, 3, 5, 6, 4, dc, 2, 3, SRCCOPY);
                      test::TMonoCanvas mask(4, 4);
                      for (int i = 0; i < 4; ++i)
                          SetPixel(mask.DC(), i, 3 - i, kWhite);
                      MaskedStretchBlt(dc, 1, 6, 4, 4, source.Canvas.DC(), 0, 0, 4, 4, mask.DC(), 0,
                                       0);
                  },
                  12, 10),
              0);
}

TEST(Scale, ContextsReportTheirScaleAndCompatibleBitmapsTakeIt) {
    TCanvas two(3, 2, kWhite, 2);
    EXPECT_EQ(GetDeviceScale(two.DC()), 2);
    TReleasedDC screen(GetScreenDC());
    EXPECT_EQ(GetDeviceScale(screen.Get()), 1);
    EXPECT_FALSE(SetBitmapScale(two.Bitmap(), 3)) << "a selected bitmap keeps its scale";

    TOwnedBitmap buffer(CreateCompatibleBitmap(two.DC(), 3, 2));
    BITMAP shape{};
    ASSERT_TRUE(GetObject(buffer.Get(), shape));
    EXPECT_EQ(shape.bmWidth, 6);
    EXPECT_EQ(shape.bmHeight, 4);
    TOwnedDC memory(CreateCompatibleDC(two.DC()));
    EXPECT_EQ(GetDeviceScale(memory.Get()), 1) << "the stock bitmap";
    TSelection selected(memory.Get(), buffer.Get());
    EXPECT_EQ(GetDeviceScale(memory.Get()), 2);
    RECT box{};
    GetClipBox(memory.Get(), &box);
    EXPECT_EQ(box, (RECT{0, 0, 3, 2}));
    // Between contexts of the same scale every device pixel is copied.
    two.Set(1, 0, kRed);
    BitBlt(memory.Get(), 0, 0, 3, 2, two.DC(), 0, 0, SRCCOPY);
    BitBlt(two.DC(), 0, 0, 3, 2, nullptr, 0, 0, WHITENESS);
    BitBlt(two.DC(), 0, 0, 3, 2, memory.Get(), 0, 0, SRCCOPY);
    EXPECT_EQ(two.Picture(kRed), ".#....|......|......|......");
}

TEST(Scale, AViewAddressesTheDevicePixelsWithTheOriginAndClipOfItsContext) {
    TCanvas two(8, 8, kWhite, 2);
    SetViewportOrgEx(two.DC(), 1, 2, nullptr);
    IntersectClipRect(two.DC(), 0, 0, 3, 2);
    EXPECT_EQ(CreateScaledViewDC(two.DC(), 3), nullptr) << "3 does not divide 2";
    TOwnedDC view(CreateScaledViewDC(two.DC(), 1));
    ASSERT_NE(view.Get(), nullptr);
    EXPECT_EQ(GetDeviceScale(view.Get()), 1);
    RECT box{};
    GetClipBox(view.Get(), &box);
    EXPECT_EQ(box, (RECT{0, 0, 6, 4}));
    SetPixel(view.Get(), 1, 0, kRed);
    SetPixel(view.Get(), 6, 0, kRed);
    EXPECT_EQ(two.At(3, 4), kRed);
    EXPECT_EQ(two.At(8, 4), kWhite) << "outside the context's clip";
    TOwnedBrush blue(CreateSolidBrush(kBlue));
    FillRect(view.Get(), {-10, -10, 50, 50}, blue.Get());
    int covered = 0;
    for (int y = 0; y < two.Height(); ++y)
        for (int x = 0; x < two.Width(); ++x)
            covered += two.At(x, y) == kBlue;
    EXPECT_EQ(covered, 6 * 4);
    EXPECT_EQ(two.At(2, 4), kBlue);
    EXPECT_EQ(two.At(7, 7), kBlue);
}

TEST(Scale, SlopedLinesAndFocusDotsUseTheDevicePixels) {
    TCanvas two(5, 5, kWhite, 2);
    Pen(two.DC(), PS_SOLID, kRed, [&] {
        MoveToEx(two.DC(), 0, 0, nullptr);
        LineTo(two.DC(), 4, 4);
    });
    // Each device column of the diagonal holds a stroke two pixels wide that moves one
    // pixel per column, staying inside the logical pixels the line covers.
    EXPECT_EQ(two.Picture(kRed), "#.........|##........|.##.......|..##......|...##.....|"
                                 "....##....|.....###..|......##..|..........|..........");

    TCanvas dots(4, 3, kBlack, 2);
    DrawFocusRect(dots.DC(), {0, 0, 4, 3});
    EXPECT_EQ(dots.Picture(kWhite), "#.#.#.#.|.#.#.#.#|#.....#.|.#.....#|#.#.#.#.|.#.#.#.#");
    DrawFocusRect(dots.DC(), {0, 0, 4, 3});
    EXPECT_EQ(dots.Picture(kWhite).find('#'), std::string::npos);
}

// The ink of black text on white: its bounding box in device pixels.
RECT InkOf(const TCanvas& canvas) {
    RECT box{canvas.Width(), canvas.Height(), 0, 0};
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.At(x, y) != kWhite)
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
    return box;
}

TEST(Scale, TextKeepsItsLogicalWidthAndIsRasterisedAtTheDeviceSize) {
    const char* text = "Burn a disc";
    TCanvas one(80, 16);
    TCanvas two(80, 16, kWhite, 2);
    SIZE extentOne{}, extentTwo{};
    GetTextExtentPoint32(one.DC(), text, &extentOne);
    GetTextExtentPoint32(two.DC(), text, &extentTwo);
    EXPECT_EQ(extentTwo, extentOne);
    TextOut(one.DC(), 2, 1, text);
    TextOut(two.DC(), 2, 1, text);
    const RECT a = InkOf(one);
    const RECT b = InkOf(two);
    EXPECT_NEAR(b.left, 2 * a.left, 2);
    EXPECT_NEAR(b.right, 2 * a.right, 2);
    EXPECT_NEAR(b.top, 2 * a.top, 2);
    EXPECT_NEAR(b.bottom, 2 * a.bottom, 2);
    // Not the small picture enlarged: many 2 x 2 cells hold more than one shade.
    int mixed = 0, inked = 0;
    for (int y = b.top / 2; y < b.bottom / 2; ++y)
        for (int x = b.left / 2; x < b.right / 2; ++x) {
            const COLORREF c = two.At(2 * x, 2 * y);
            const bool uniform = two.At(2 * x + 1, 2 * y) == c && two.At(2 * x, 2 * y + 1) == c &&
                                 two.At(2 * x + 1, 2 * y + 1) == c;
            inked += c != kWhite || !uniform;
            mixed += !uniform;
        }
    EXPECT_GT(mixed, inked / 2);
}

TEST(Scale, OpaqueTextFillsItsCellsAtTheirScaledSize) {
    TCanvas two(40, 16, kWhite, 2);
    SetBkColor(two.DC(), kBlue);
    SIZE extent{};
    GetTextExtentPoint32(two.DC(), "Menu", &extent);
    RECT r{1, 1, 40, 16};
    DrawText(two.DC(), "&Menu", &r, DT_SINGLELINE);
    EXPECT_EQ(InkOf(two), (RECT{2, 2, 2 + 2 * extent.cx, 2 + 2 * extent.cy}));
}

} // namespace
} // namespace gdi
