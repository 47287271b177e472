#include "platform/system/answers.h"
#include "tests/platform/gdi/canvas.h"

#include <gtest/gtest.h>

namespace gdi {
namespace {

// Restores the platform's answers after a test changes them.
struct TAnswersGuard {
    platform::TPlatformAnswers Saved = platform::Answers();
    ~TAnswersGuard() { platform::Answers() = Saved; }
};

TEST(Context, NewMemoryContextHasThePlatformDefaults) {
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    EXPECT_EQ(GetBkColor(dc.Get()), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc.Get()), OPAQUE);
    EXPECT_EQ(GetROP2(dc.Get()), R2_COPYPEN);
    EXPECT_EQ(GetCurrentObject(dc.Get(), TObjectKind::okBrush), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc.Get(), TObjectKind::okPen), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc.Get(), TObjectKind::okFont), GetStockObject(DEFAULT_GUI_FONT));
    BITMAP initial{};
    ASSERT_TRUE(GetObject(static_cast<HBITMAP>(GetCurrentObject(dc.Get(), TObjectKind::okBitmap)),
                          initial));
    EXPECT_EQ(initial.bmWidth, 1);
    EXPECT_EQ(initial.bmBitsPixel, 1);
}

TEST(Context, SelectingReturnsThePreviousObjectAndGuardsDeletion) {
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    TOwnedBrush brush(CreateSolidBrush(RGB(1, 2, 3)));
    const HBRUSH previous = SelectObject(dc.Get(), brush.Get());
    EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));
    EXPECT_FALSE(DeleteObject(brush.Get())) << "selected objects stay alive";
    EXPECT_EQ(SelectObject(dc.Get(), previous), brush.Get());
    EXPECT_TRUE(DeleteObject(brush.Release()));
    EXPECT_FALSE(DeleteObject(brush.Get())) << "null handle";
}

TEST(Context, ABitmapServesOneContextAtATime) {
    TOwnedBitmap bitmap(CreateBitmap(4, 4, 1, 32, nullptr));
    TOwnedDC first(CreateCompatibleDC(nullptr));
    TOwnedDC second(CreateCompatibleDC(nullptr));
    const HBITMAP initial = SelectObject(first.Get(), bitmap.Get());
    ASSERT_NE(initial, nullptr);
    EXPECT_EQ(SelectObject(second.Get(), bitmap.Get()), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap.Get()));
    SelectObject(first.Get(), initial);
    EXPECT_NE(SelectObject(second.Get(), bitmap.Get()), nullptr);
    second.Reset();
    EXPECT_TRUE(DeleteObject(bitmap.Release())) << "deleting the context releases it";
}

TEST(Context, StaleAndForeignHandlesAreIgnored) {
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    ASSERT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(IsValidObject(brush));
    TOwnedDC dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(SelectObject(dc.Get(), brush), nullptr);
    EXPECT_EQ(FillRect(dc.Get(), {0, 0, 1, 1}, brush), 0);

    HDC gone = CreateCompatibleDC(nullptr);
    ASSERT_TRUE(DeleteDC(gone));
    EXPECT_FALSE(DeleteDC(gone));
    EXPECT_EQ(SetBkColor(gone, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(gone, 0, 0), CLR_INVALID);
    EXPECT_FALSE(BitBlt(gone, 0, 0, 1, 1, dc.Get(), 0, 0, SRCCOPY));
    EXPECT_EQ(SaveDC(gone), 0);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH))) << "stock objects ignore deletion";
    EXPECT_TRUE(IsValidObject(GetStockObject(BLACK_BRUSH)));
}

TEST(Context, RestoreBringsBackColoursOriginClipAndSelections) {
    test::TCanvas canvas(6, 6);
    HDC dc = canvas.DC();
    TOwnedPen pen(CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    const int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    SelectObject(dc, pen.Get());
    SetBkColor(dc, RGB(1, 1, 1));
    SetViewportOrgEx(dc, 2, 3, nullptr);
    IntersectClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(7, 7, 7));
    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 1, 1));

    ASSERT_TRUE(RestoreDC(dc, level));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin, (POINT{0, 0}));
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 6, 6}));
    EXPECT_EQ(GetCurrentObject(dc, TObjectKind::okPen), GetStockObject(BLACK_PEN));
    EXPECT_TRUE(DeleteObject(pen.Release())) << "restore deselected the pen";
    EXPECT_FALSE(RestoreDC(dc, 1)) << "nothing saved any more";
}

TEST(Context, ClipRectanglesIntersectExcludeAndReset) {
    test::TCanvas canvas(6, 4, RGB(0, 0, 0));
    HDC dc = canvas.DC();
    SetViewportOrgEx(dc, 1, 0, nullptr);
    IntersectClipRect(dc, 0, 0, 4, 4); // device columns 1..4
    EXPECT_EQ(ExcludeClipRect(dc, 1, 1, 3, 3), COMPLEXREGION);
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4})) << "logical coordinates";
    TOwnedBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(dc, {-1, 0, 5, 4}, white.Get());
    EXPECT_EQ(canvas.Picture(RGB(255, 255, 255)), ".####.|.#..#.|.#..#.|.####.");
    EXPECT_EQ(GetPixel(dc, 1, 1), CLR_INVALID) << "excluded";
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 255, 255));

    EXPECT_EQ(SelectClipRgn(dc, nullptr), SIMPLEREGION);
    FillRect(dc, {-1, 0, 5, 4}, white.Get());
    EXPECT_EQ(canvas.Picture(RGB(255, 255, 255)), "######|######|######|######");
}

TEST(Context, DisplayContextsCannotLeaveTheirDeviceClip) {
    test::TCanvas surface(4, 2, RGB(0, 0, 0));
    TOwnedDC display(CreateDisplayDC(surface.Bitmap()));
    ASSERT_TRUE(display);
    SetDeviceClip(display.Get(), TRegion(RECT{1, 0, 3, 2}));
    TOwnedBitmap other(CreateBitmap(2, 2, 1, 32, nullptr));
    EXPECT_EQ(SelectObject(display.Get(), other.Get()), nullptr);

    SelectClipRgn(display.Get(), nullptr);
    IntersectClipRect(display.Get(), 0, 0, 4, 1);
    PatBlt(display.Get(), 0, 0, 4, 2, WHITENESS);
    EXPECT_EQ(surface.Picture(RGB(255, 255, 255)), ".##.|....");
    SelectClipRgn(display.Get(), nullptr);
    PatBlt(display.Get(), 0, 0, 4, 2, WHITENESS);
    EXPECT_EQ(surface.Picture(RGB(255, 255, 255)), ".##.|.##.");
    EXPECT_EQ(GetPixel(display.Get(), 0, 0), CLR_INVALID);
}

// A paint context's clip handed to a memory context whose origin differs, at scale 2: the
// region travels in logical coordinates and reaches the same logical pixels.
TEST(Context, AClipRegionCarriesOverToAnotherContext) {
    test::TCanvas surface(6, 4, RGB(0, 0, 0), 2);
    TOwnedDC display(CreateDisplayDC(surface.Bitmap()));
    ASSERT_TRUE(display);
    TRegion device(RECT{1, 0, 5, 4});
    device.Subtract(RECT{2, 1, 4, 3});
    SetDeviceClip(display.Get(), device);
    SetViewportOrgEx(display.Get(), 1, 0, nullptr);
    TRegion logical;
    EXPECT_EQ(GetClipRegion(display.Get(), logical), COMPLEXREGION);
    TRegion expected(RECT{0, 0, 4, 4});
    expected.Subtract(RECT{1, 1, 3, 3});
    EXPECT_EQ(logical, expected) << "logical coordinates, from the viewport origin";

    test::TCanvas memory(6, 4, RGB(0, 0, 0), 2);
    SetViewportOrgEx(memory.DC(), 2, 0, nullptr);
    EXPECT_EQ(IntersectClipRegion(memory.DC(), logical), COMPLEXREGION);
    PatBlt(memory.DC(), -2, 0, 6, 4, WHITENESS);
    EXPECT_EQ(memory.Picture(RGB(255, 255, 255)),
              "....########|....########|....##....##|....##....##|"
              "....##....##|....##....##|....########|....########");

    EXPECT_EQ(GetClipRegion(nullptr, logical), ERROR);
    EXPECT_EQ(IntersectClipRegion(nullptr, logical), ERROR);
}

TEST(Context, CapabilitiesFollowThePlatformAnswers) {
    TAnswersGuard guard;
    TReleasedDC screen(GetScreenDC());
    EXPECT_EQ(GetDeviceCaps(screen.Get(), BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), NUMCOLORS), -1);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), HORZRES), 1024);
    platform::Answers().DisplayBitsPerPixel = 8;
    EXPECT_EQ(GetDeviceCaps(screen.Get(), BITSPIXEL), 8);
    EXPECT_EQ(GetDeviceCaps(screen.Get(), NUMCOLORS), 20);

    test::TCanvas canvas(1, 1);
    EXPECT_EQ(GetDeviceCaps(canvas.DC(), BITSPIXEL), 32) << "a memory context: its bitmap";
    EXPECT_EQ(ReleaseDC(canvas.DC()), 0) << "only screen contexts are released";
}

} // namespace
} // namespace gdi
