#include "gui/classes/exceptions.h"
#include "gui/graphics/bitmap.h"
#include "gui/graphics/canvas.h"
#include "helpers.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace testing_graphics;

namespace {

gdi::COLORREF Sys(int index) {
    return gdi::GetSysColor(index);
}

bool OnBorder(int x, int y, const TRect& r) {
    return r.Contains({x, y}) &&
           (x == r.Left || y == r.Top || x == r.Right - 1 || y == r.Bottom - 1);
}

// The colours found inside a rectangle of the canvas.
std::set<TColor> ColoursIn(TCanvas& canvas, const TRect& r) {
    std::set<TColor> colours;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            colours.insert(canvas.Pixels(x, y));
    return colours;
}

// Glyphs are smoothed, so their ink is dark rather than exactly the font colour.
bool HasDarkInk(const std::set<TColor>& colours) {
    return std::ranges::any_of(colours, [](TColor c) {
        return gdi::GetRValue(c) < 0x60 && gdi::GetGValue(c) < 0x60 && gdi::GetBValue(c) < 0x60;
    });
}

TEST(Canvas, FillFrameAndRectanglePaintWithBrushAndPenInSystemColours) {
    auto bitmap = MakeBitmap(8, 8, pf24bit);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, 8, 8));
    canvas.Brush().SetColor(clHighlight);
    canvas.FrameRect(Rect(1, 1, 7, 7));
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Brush().SetColor(clWindow);
    canvas.Rectangle(Rect(4, 0, 8, 5));
    ExpectPixels(canvas, 8, 8, [](int x, int y) {
        if (OnBorder(x, y, Rect(4, 0, 8, 5)))
            return Sys(gdi::COLOR_BTNSHADOW);
        if (Rect(4, 0, 8, 5).Contains({x, y}))
            return Sys(gdi::COLOR_WINDOW);
        return OnBorder(x, y, Rect(1, 1, 7, 7)) ? Sys(gdi::COLOR_HIGHLIGHT)
                                                : Sys(gdi::COLOR_BTNFACE);
    });
}

TEST(Canvas, ClearStylesAndClNoneDrawNothing) {
    auto bitmap = MakeBitmap(6, 6, pf24bit, clRed);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(0, 0, 6, 6);
    canvas.FillRect(Rect(0, 0, 6, 6));
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(clNone);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clNone);
    canvas.Rectangle(0, 0, 6, 6);
    canvas.MoveTo(0, 3);
    canvas.LineTo(6, 3);
    ExpectPixels(canvas, 6, 6, [](int, int) { return gdi::COLORREF(clRed); });
}

TEST(Canvas, LinesExcludeTheirEndAndFollowThePenMode) {
    auto bitmap = MakeBitmap(6, 3, pf24bit, clWhite);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Pen().SetColor(clBlue);
    canvas.MoveTo(0, 1);
    canvas.LineTo(4, 1);
    EXPECT_EQ(canvas.PenPos(), (TPoint{4, 1}));
    ExpectPixels(canvas, 6, 3, [](int x, int y) {
        return y == 1 && x < 4 ? gdi::COLORREF(clBlue) : gdi::COLORREF(clWhite);
    });

    const std::vector<TColor> before = Snapshot(canvas, 6, 3);
    canvas.Pen().SetMode(pmXor);
    canvas.Pen().SetColor(clYellow);
    canvas.MoveTo(0, 1);
    canvas.LineTo(6, 1);
    EXPECT_EQ(canvas.Pixels(5, 1), clBlue) << "white XOR yellow";
    canvas.MoveTo(0, 1);
    canvas.LineTo(6, 1);
    EXPECT_EQ(Snapshot(canvas, 6, 3), before);

    canvas.Pen().SetMode(pmNot);
    canvas.MoveTo(0, 0);
    canvas.LineTo(2, 0);
    EXPECT_EQ(canvas.Pixels(0, 0), clBlack);
}

TEST(Canvas, PatternBrushPaintsSetBitsInBrushColourAndClearBitsInFontColour) {
    TBitmap pattern(8, 8);
    pattern.SetMonochrome(true);
    Paint(pattern.Canvas(), 8, 8, [](int x, int y) { return (x + y) % 2 ? clWhite : clBlack; });
    auto bitmap = MakeBitmap(8, 8, pf24bit);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetBitmap(&pattern);
    canvas.Brush().SetColor(clAqua);
    canvas.Font().SetColor(clMaroon);
    canvas.FillRect(Rect(0, 0, 8, 8));
    ExpectPixels(canvas, 8, 8, [](int x, int y) {
        return (x + y) % 2 ? gdi::COLORREF(clAqua) : gdi::COLORREF(clMaroon);
    });
}

TEST(Canvas, TextCellsAreBackedByTheBrushUnlessItIsClear) {
    auto bitmap = MakeBitmap(80, 20, pf24bit, clRed);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(clYellow);
    canvas.TextOut(3, 2, "Music");
    const TSize extent = canvas.TextExtent("Music");
    const TRect cells = Bounds(3, 2, extent.cx, extent.cy);
    std::set<TColor> inside = ColoursIn(canvas, cells);
    EXPECT_TRUE(inside.contains(clYellow));
    EXPECT_TRUE(HasDarkInk(inside));
    EXPECT_FALSE(inside.contains(clRed)) << "every cell pixel is painted";
    EXPECT_EQ(canvas.PenPos(), (TPoint{3 + extent.cx, 2}));
    EXPECT_EQ(canvas.Pixels(cells.Right, 2), clRed);
    EXPECT_EQ(canvas.Pixels(2, 2), clRed);

    canvas.Brush().SetColor(clRed);
    canvas.FillRect(Rect(0, 0, 80, 20));
    canvas.Brush().SetColor(clYellow);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(3, 2, "Music");
    inside = ColoursIn(canvas, cells);
    EXPECT_TRUE(inside.contains(clRed)) << "the background shows between the glyphs";
    EXPECT_TRUE(HasDarkInk(inside));
    EXPECT_FALSE(inside.contains(clYellow));
}

TEST(Canvas, TextRectFillsAndClipsToItsRectangle) {
    auto bitmap = MakeBitmap(60, 20, pf24bit, clRed);
    TCanvas& canvas = bitmap->Canvas();
    canvas.Brush().SetColor(clWhite);
    canvas.Font().SetColor(clBlack);
    canvas.TextRect(Rect(10, 0, 20, 20), 5, 2, "HHHHHHHH");
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(canvas.Pixels(9, y), clRed);
        EXPECT_EQ(canvas.Pixels(20, y), clRed);
    }
    const std::set<TColor> inside = ColoursIn(canvas, Rect(10, 0, 20, 20));
    EXPECT_FALSE(inside.contains(clRed));
    EXPECT_TRUE(HasDarkInk(inside));
}

TEST(Canvas, BoldSwitchingWidensTextAndMeasuresTheSameEveryTime) {
    auto bitmap = MakeBitmap(4, 4, pf24bit);
    TCanvas& canvas = bitmap->Canvas();
    const std::string title = "Data disc with many files";
    const int regular = canvas.TextWidth(title);
    const gdi::HFONT regularFont = canvas.Font().Handle();
    canvas.Font().SetStyle({fsBold});
    const int bold = canvas.TextWidth(title);
    const gdi::HFONT boldFont = canvas.Font().Handle();
    EXPECT_GT(bold, regular);
    EXPECT_NE(boldFont, regularFont);
    for (int i = 0; i < 3; ++i) {
        canvas.Font().SetStyle({});
        EXPECT_EQ(canvas.TextWidth(title), regular);
        EXPECT_EQ(canvas.Font().Handle(), regularFont) << "no new font per switch";
        canvas.Font().SetStyle({fsBold});
        EXPECT_EQ(canvas.TextWidth(title), bold);
        EXPECT_EQ(canvas.Font().Handle(), boldFont);
    }
}

TEST(Canvas, TahomaAtHeightMinus11HasCellsThirteenPixelsHighAndSizesFollowPoints) {
    auto bitmap = MakeBitmap(4, 4, pf24bit);
    TCanvas& canvas = bitmap->Canvas();
    EXPECT_EQ(canvas.Font().Name(), "Tahoma");
    EXPECT_EQ(canvas.Font().Height(), -11);
    EXPECT_EQ(canvas.TextHeight("Video"), 13);
    canvas.Font().SetHeight(-22);
    EXPECT_GT(canvas.TextHeight("Video"), 20);
    // Points at 96 dots per inch, rounded half away from zero.
    const std::pair<int, int> sizeToHeight[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}};
    for (auto [size, height] : sizeToHeight) {
        canvas.Font().SetSize(size);
        EXPECT_EQ(canvas.Font().Height(), height) << size << " pt";
        EXPECT_EQ(canvas.Font().Size(), size);
    }
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, -2), -3);
}

TEST(Canvas, FocusRectangleDrawnTwiceRestoresThePixels) {
    auto bitmap = MakeBitmap(10, 10, pf24bit);
    TCanvas& canvas = bitmap->Canvas();
    Paint(canvas, 10, 10, [](int x, int y) { return gdi::RGB(25 * x, 25 * y, 128); });
    const std::vector<TColor> before = Snapshot(canvas, 10, 10);
    canvas.DrawFocusRect(Rect(1, 1, 9, 9));
    EXPECT_NE(Snapshot(canvas, 10, 10), before);
    EXPECT_EQ(canvas.Pixels(5, 5), before[55]) << "only the frame changes";
    canvas.DrawFocusRect(Rect(1, 1, 9, 9));
    EXPECT_EQ(Snapshot(canvas, 10, 10), before);
}

TEST(Canvas, DrawsAndStretchesBitmaps) {
    auto source = MakeBitmap(2, 2, pf24bit);
    const TColor colours[] = {clRed, clLime, clBlue, clYellow};
    Paint(source->Canvas(), 2, 2, [&](int x, int y) { return colours[2 * y + x]; });
    auto target = MakeBitmap(6, 6, pf24bit, clWhite);
    TCanvas& canvas = target->Canvas();

    canvas.Draw(1, 3, source.get());
    ExpectPixels(canvas, 6, 6, [&](int x, int y) {
        return Rect(1, 3, 3, 5).Contains({x, y}) ? colours[2 * (y - 3) + x - 1] : clWhite;
    });
    canvas.StretchDraw(Rect(0, 0, 4, 4), source.get());
    EXPECT_EQ(canvas.Pixels(1, 1), clRed);
    EXPECT_EQ(canvas.Pixels(2, 1), clLime);
    EXPECT_EQ(canvas.Pixels(1, 2), clBlue);
    EXPECT_EQ(canvas.Pixels(3, 3), clYellow);

    TBitmap empty;
    canvas.Draw(0, 0, &empty);
    canvas.Draw(0, 0, nullptr);
    EXPECT_EQ(canvas.Pixels(0, 0), clRed);
}

TEST(Canvas, CopyRectStretchesWithTheCopyMode) {
    auto source = MakeBitmap(2, 2, pf24bit, clNavy);
    auto target = MakeBitmap(4, 4, pf24bit, clWhite);
    TCanvas& canvas = target->Canvas();
    canvas.CopyRect(Rect(0, 0, 4, 2), source->Canvas(), Rect(0, 0, 2, 2));
    canvas.SetCopyMode(cmNotSrcCopy);
    canvas.CopyRect(Rect(0, 2, 4, 4), source->Canvas(), Rect(0, 0, 2, 2));
    ExpectPixels(canvas, 4, 4, [](int, int y) {
        return y < 2 ? gdi::COLORREF(clNavy) : gdi::COLORREF(0xFFFFFF & ~clNavy);
    });
}

TEST(Canvas, LeavesAGivenContextWithNothingOfItsOwnSelected) {
    gdi::TReleasedDC screen(gdi::GetScreenDC());
    gdi::TOwnedDC dc(gdi::CreateCompatibleDC(screen.Get()));
    gdi::TOwnedBitmap surface(gdi::CreateCompatibleBitmap(screen.Get(), 4, 4));
    gdi::TSelection selected(dc.Get(), surface.Get());
    THandleRecord record;
    {
        TCanvas canvas;
        canvas.SetHandle(dc.Get());
        canvas.Pen().SetColor(clRed);
        canvas.Rectangle(0, 0, 4, 4);
        EXPECT_EQ(gdi::GetPixel(dc.Get(), 0, 3), gdi::COLORREF(clRed));
        canvas.TextOut(0, 0, "x");
        record.Add(canvas.Pen().Handle());
        record.Add(canvas.Brush().Handle());
        record.Add(canvas.Font().Handle());
        canvas.Pen().SetColor(clBlue);
        canvas.Font().SetName("DejaVu Sans");
        canvas.LineTo(0, 0);
        record.Add(canvas.Pen().Handle());
        record.Add(canvas.Font().Handle());
    }
    EXPECT_EQ(record.Alive(), 0) << "objects stayed selected, so they could not be deleted";
}

} // namespace
