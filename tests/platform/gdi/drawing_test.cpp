#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

using test::TCanvas;

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);

TEST(Pixels, SetAndGetThroughOriginAndClip) {
    TCanvas canvas(3, 3);
    SetViewportOrgEx(canvas.DC(), 1, 1, nullptr);
    EXPECT_EQ(SetPixel(canvas.DC(), 0, 0, kRed), kRed);
    EXPECT_EQ(canvas.At(1, 1), kRed);
    EXPECT_EQ(GetPixel(canvas.DC(), 0, 0), kRed);
    EXPECT_EQ(GetPixel(canvas.DC(), 2, 0), CLR_INVALID) << "outside the surface";
    EXPECT_EQ(SetPixel(canvas.DC(), -2, 0, kRed), CLR_INVALID);
    ExcludeClipRect(canvas.DC(), -1, -1, 0, 0);
    EXPECT_EQ(SetPixel(canvas.DC(), -1, -1, kRed), CLR_INVALID);
    EXPECT_EQ(canvas.At(0, 0), kWhite);
}

TEST(Pixels, MonochromeSurfacesTakeTheNearerOfBlackAndWhite) {
    test::TMonoCanvas mono(3, 1);
    EXPECT_EQ(SetPixel(mono.DC(), 0, 0, RGB(200, 200, 200)), kWhite);
    EXPECT_EQ(SetPixel(mono.DC(), 1, 0, RGB(90, 20, 200)), kBlack);
    EXPECT_EQ(SetPixel(mono.DC(), 2, 0, kWhite), kWhite);
    EXPECT_EQ(mono.Bits(), "101");
}

TEST(Fills, SolidFillRectIsClippedToTheSurface) {
    TCanvas canvas(4, 3, kBlack);
    TOwnedBrush red(CreateSolidBrush(kRed));
    EXPECT_EQ(FillRect(canvas.DC(), {2, -5, 10, 2}, red.Get()), 1);
    EXPECT_EQ(canvas.Picture(kRed), "..##|..##|....");
    FillRect(canvas.DC(), {3, 3, 1, 1}, red.Get());
    EXPECT_EQ(canvas.Picture(kRed), "..##|..##|....") << "inverted rectangles are empty";
    FillRect(canvas.DC(), {0, 2, 1, 3}, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    EXPECT_EQ(canvas.At(0, 2), kBlack);
}

// Draws a line with a fresh solid pen of `colour` from a to b.
void Line(HDC dc, POINT a, POINT b, COLORREF colour = kRed) {
    TOwnedPen pen(CreatePen(PS_SOLID, 1, colour));
    TSelection selected(dc, pen.Get());
    MoveToEx(dc, a.x, a.y, nullptr);
    LineTo(dc, b.x, b.y);
}

TEST(Lines, EndPointsAreExcluded) {
    TCanvas canvas(5, 5);
    Line(canvas.DC(), {0, 0}, {4, 0});
    Line(canvas.DC(), {4, 4}, {4, 1});
    Line(canvas.DC(), {0, 2}, {0, 2});
    EXPECT_EQ(canvas.Picture(kRed), "####.|.....|....#|....#|....#");
    POINT position{};
    MoveToEx(canvas.DC(), 0, 0, &position);
    EXPECT_EQ(position, (POINT{0, 2})) << "LineTo moves the current position";
}

TEST(Lines, DiagonalsStepOncePerMajorPixel) {
    TCanvas canvas(5, 3);
    Line(canvas.DC(), {0, 0}, {4, 2});
    EXPECT_EQ(canvas.Picture(kRed), "##...|..##.|.....");
    canvas.Fill(kWhite);
    Line(canvas.DC(), {0, 0}, {3, 3});
    EXPECT_EQ(canvas.Picture(kRed), "#....|.#...|..#..");
    canvas.Fill(kWhite);
    // Halfway points round back toward the start; the part off the surface is dropped.
    Line(canvas.DC(), {1, 2}, {2, -2});
    EXPECT_EQ(canvas.Picture(kRed), ".#...|.#...|.#...");
}

TEST(Lines, MixModesCombinePenAndDestination) {
    TCanvas canvas(4, 1, RGB(0x0F, 0xF0, 0x55));
    const COLORREF pen = RGB(0xFF, 0x0F, 0x50);
    const struct {
        int Mode;
        COLORREF Expected;
    } cases[] = {
        {R2_COPYPEN, pen},
        {R2_XORPEN, RGB(0xF0, 0xFF, 0x05)},
        {R2_NOT, RGB(0xF0, 0x0F, 0xAA)},
        {R2_NOP, RGB(0x0F, 0xF0, 0x55)},
        {R2_BLACK, kBlack},
        {R2_WHITE, kWhite},
    };
    for (const auto& c : cases) {
        canvas.Fill(RGB(0x0F, 0xF0, 0x55));
        EXPECT_EQ(SetROP2(canvas.DC(), c.Mode), R2_COPYPEN);
        Line(canvas.DC(), {0, 0}, {4, 0}, pen);
        SetROP2(canvas.DC(), R2_COPYPEN);
        EXPECT_EQ(canvas.At(3, 0), c.Expected) << "mode " << c.Mode;
    }
    EXPECT_EQ(SetROP2(canvas.DC(), 99), 0) << "unknown modes are refused";
}

TEST(Lines, DottedPensFillGapsOnlyInOpaqueMode) {
    TCanvas canvas(8, 1, kBlack);
    TOwnedPen dots(CreatePen(PS_DOT, 1, kRed));
    TSelection selected(canvas.DC(), dots.Get());
    SetBkMode(canvas.DC(), TRANSPARENT);
    MoveToEx(canvas.DC(), 0, 0, nullptr);
    LineTo(canvas.DC(), 8, 0);
    EXPECT_EQ(canvas.Picture(kRed), "###...##");
    SetBkMode(canvas.DC(), OPAQUE);
    SetBkColor(canvas.DC(), RGB(0, 0, 255));
    MoveToEx(canvas.DC(), 0, 0, nullptr);
    LineTo(canvas.DC(), 8, 0);
    EXPECT_EQ(canvas.Picture(RGB(0, 0, 255)), "...###..");
    TSelection none(canvas.DC(), GetStockObject(NULL_PEN));
    canvas.Fill(kBlack);
    LineTo(canvas.DC(), 0, 0);
    EXPECT_EQ(canvas.Picture(kBlack), "########");
}

TEST(Fills, MonochromePatternsTakeTextAndBackgroundAndFollowTheBrushOrigin) {
    // A one-row checker: 1 0 1 0 ..., every row the same.
    const std::uint8_t rows[16] = {0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0,
                                   0xAA, 0, 0xAA, 0, 0xAA, 0, 0xAA, 0};
    TOwnedBitmap bits(CreateBitmap(8, 8, 1, 1, rows));
    TOwnedBrush brush(CreatePatternBrush(bits.Get()));
    TCanvas canvas(4, 2);
    SetBkColor(canvas.DC(), kRed);
    SetTextColor(canvas.DC(), RGB(0, 0, 255));
    FillRect(canvas.DC(), {0, 0, 4, 2}, brush.Get());
    EXPECT_EQ(canvas.Picture(kRed), "#.#.|#.#.");
    EXPECT_EQ(canvas.At(1, 0), RGB(0, 0, 255));
    SetBrushOrgEx(canvas.DC(), 1, 0, nullptr);
    FillRect(canvas.DC(), {0, 0, 4, 2}, brush.Get());
    EXPECT_EQ(canvas.Picture(kRed), ".#.#|.#.#");
    SetBrushOrgEx(canvas.DC(), 0, 0, nullptr);
    SetViewportOrgEx(canvas.DC(), 1, 0, nullptr);
    FillRect(canvas.DC(), {-1, 0, 3, 2}, brush.Get());
    EXPECT_EQ(canvas.Picture(kRed), "#.#.|#.#.") << "aligned to the device, not the origin";
}

TEST(Fills, ColourPatternsRepeatEveryEightPixels) {
    TCanvas tile(2, 2);
    tile.Set(0, 0, kRed);
    tile.Set(1, 1, kRed);
    TOwnedBrush brush(CreatePatternBrush(tile.Bitmap()));
    TCanvas canvas(10, 2);
    FillRect(canvas.DC(), {0, 0, 10, 2}, brush.Get());
    EXPECT_EQ(canvas.Picture(kRed), "#.#.#.#.#.|.#.#.#.#.#");
}

TEST(Fills, FrameInvertAndRectangle) {
    TCanvas canvas(5, 4, kBlack);
    TOwnedBrush red(CreateSolidBrush(kRed));
    FrameRect(canvas.DC(), {0, 0, 5, 4}, red.Get());
    EXPECT_EQ(canvas.Picture(kRed), "#####|#...#|#...#|#####");
    InvertRect(canvas.DC(), {1, 1, 3, 3});
    EXPECT_EQ(canvas.Picture(kWhite), ".....|.##..|.##..|.....");

    canvas.Fill(kBlack);
    TOwnedPen pen(CreatePen(PS_SOLID, 1, kRed));
    TSelection p(canvas.DC(), pen.Get());
    TSelection b(canvas.DC(), GetStockObject(WHITE_BRUSH));
    Rectangle(canvas.DC(), 0, 0, 5, 4);
    EXPECT_EQ(canvas.Picture(kRed), "#####|#...#|#...#|#####");
    EXPECT_EQ(canvas.Picture(kWhite), ".....|.###.|.###.|.....");
    canvas.Fill(kBlack);
    SetROP2(canvas.DC(), R2_XORPEN);
    Rectangle(canvas.DC(), 0, 0, 5, 4);
    EXPECT_EQ(canvas.Picture(kRed), "#####|#...#|#...#|#####") << "each outline pixel once";
    SetROP2(canvas.DC(), R2_COPYPEN);
    canvas.Fill(kBlack);
    TSelection none(canvas.DC(), GetStockObject(NULL_PEN));
    Rectangle(canvas.DC(), 0, 0, 5, 4);
    EXPECT_EQ(canvas.Picture(kWhite), "####.|####.|####.|.....");
}

TEST(Fills, FocusRectangleInvertsEveryOtherFramePixelAndUndoesItself) {
    TCanvas canvas(6, 5, RGB(128, 128, 128));
    canvas.Set(2, 2, kRed);
    const std::vector<COLORREF> before = [&] {
        std::vector<COLORREF> v;
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x)
                v.push_back(canvas.At(x, y));
        return v;
    }();
    ASSERT_TRUE(DrawFocusRect(canvas.DC(), {0, 0, 6, 5}));
    EXPECT_EQ(canvas.Picture(RGB(127, 127, 127)), "#.#.#.|.....#|#.....|.....#|#.#.#.");
    EXPECT_EQ(canvas.At(2, 2), kRed);
    DrawFocusRect(canvas.DC(), {0, 0, 6, 5});
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(canvas.At(x, y), before[std::size_t(y * 6 + x)]) << x << "," << y;
}

TEST(Polygons, FillCoversPixelCentresInside) {
    TCanvas canvas(6, 5, kBlack);
    TSelection none(canvas.DC(), GetStockObject(NULL_PEN));
    TSelection white(canvas.DC(), GetStockObject(WHITE_BRUSH));
    const POINT square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    ASSERT_TRUE(Polygon(canvas.DC(), square, 4));
    EXPECT_EQ(canvas.Picture(kWhite), "......|.####.|.####.|.####.|......");
    canvas.Fill(kBlack);
    const POINT triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    Polygon(canvas.DC(), triangle, 3);
    EXPECT_EQ(canvas.Picture(kWhite), "#####.|####..|###...|##....|#.....");
    EXPECT_FALSE(Polygon(canvas.DC(), triangle, 1));
}

TEST(Polygons, NeighboursSharingAnEdgeNeitherOverlapNorLeaveGaps) {
    const POINT lower[] = {{0, 0}, {0, 7}, {9, 7}};
    const POINT upper[] = {{0, 0}, {9, 7}, {9, 0}};
    TCanvas canvas(9, 7, kBlack);
    TSelection none(canvas.DC(), GetStockObject(NULL_PEN));
    TOwnedBrush xorBrush(CreateSolidBrush(RGB(0, 0, 255)));
    TSelection brush(canvas.DC(), xorBrush.Get());
    // Each polygon is drawn onto its own copy; together they must tile the rectangle.
    Polygon(canvas.DC(), lower, 3);
    TCanvas other(9, 7, kBlack);
    TSelection none2(other.DC(), GetStockObject(NULL_PEN));
    TSelection brush2(other.DC(), xorBrush.Get());
    Polygon(other.DC(), upper, 3);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            EXPECT_NE(canvas.At(x, y) == kBlack, other.At(x, y) == kBlack) << x << "," << y;
}

TEST(Polygons, OutlineWithThePen) {
    TCanvas canvas(5, 5, kBlack);
    TOwnedPen pen(CreatePen(PS_SOLID, 1, kRed));
    TSelection p(canvas.DC(), pen.Get());
    TSelection b(canvas.DC(), GetStockObject(NULL_BRUSH));
    const POINT square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    Polygon(canvas.DC(), square, 4);
    EXPECT_EQ(canvas.Picture(kRed), "#####|#...#|#...#|#...#|#####");
}

} // namespace
} // namespace gdi
