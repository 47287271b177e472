// Invalidation, erasing, paint clipping and the frames of child windows.

#include "harness.h"
#include "platform/gdi/owned.h"
#include "platform/gdi/syscolors.h"

namespace wintest {
namespace {

using gdi::RGB;

constexpr gdi::COLORREF Red = RGB(255, 0, 0);
constexpr gdi::COLORREF Blue = RGB(0, 0, 255);
constexpr gdi::COLORREF Green = RGB(0, 255, 0);

class Paint : public TWindowTest {
protected:
    // A shown top-level window at the screen origin, painted once in `colour`.
    HWND Canvas(TRecorder& recorder, gdi::COLORREF colour, int width = 100, int height = 100) {
        PaintWith(recorder, colour);
        const HWND window = TopLevel(recorder, {0, 0, width, height}, WS_CAPTION | WS_VISIBLE);
        Pump();
        return window;
    }
};

TEST_F(Paint, UpdateRegionsMergeAndClipThePainting) {
    TRecorder main("main", Log);
    const HWND window = Canvas(main, Red);
    EXPECT_FALSE(GetUpdateRect(window, nullptr));
    const RECT first{10, 10, 20, 20};
    const RECT second{30, 40, 35, 45};
    InvalidateRect(window, &first, false);
    InvalidateRect(window, &second, false);
    RECT box;
    EXPECT_TRUE(GetUpdateRect(window, &box));
    EXPECT_EQ(box, (RECT{10, 10, 35, 45}));

    PAINTSTRUCT seen;
    main.Handlers[WM_PAINT] = [&](HWND handle, WPARAM, LPARAM) {
        TPaintScope paint(handle);
        seen = paint.Paint();
        gdi::TOwnedBrush brush(gdi::CreateSolidBrush(Blue));
        gdi::FillRect(paint.DC(), {0, 0, 100, 100}, brush.Get());
        return LRESULT(0);
    };
    Pump();
    EXPECT_EQ(seen.rcPaint, (RECT{10, 10, 35, 45}));
    EXPECT_FALSE(seen.fErase);
    EXPECT_EQ(Headless->Pixel(window, 10, 10), Blue);
    EXPECT_EQ(Headless->Pixel(window, 19, 19), Blue);
    EXPECT_EQ(Headless->Pixel(window, 32, 42), Blue);
    // Inside the bounding box but outside both rectangles nothing was drawn.
    EXPECT_EQ(Headless->Pixel(window, 25, 25), Red);
    EXPECT_EQ(Headless->Pixel(window, 20, 20), Red);
    EXPECT_FALSE(GetUpdateRect(window, nullptr));

    ValidateRect(window, nullptr);
    InvalidateRect(window, &first, false);
    ValidateRect(window, &first);
    EXPECT_FALSE(GetUpdateRect(window, nullptr));
}

TEST_F(Paint, EraseIsSentOnlyWhenAskedForAndReportedWhenNotDone) {
    RegisterClass({0, nullptr, gdi::GetSysColorBrush(gdi::COLOR_BTNFACE), "Faced"});
    TRecorder main("main", Log);
    PAINTSTRUCT seen;
    main.Handlers[WM_PAINT] = [&](HWND handle, WPARAM, LPARAM) {
        TPaintScope paint(handle);
        seen = paint.Paint();
        return LRESULT(0);
    };
    const HWND window = TopLevel(main, {0, 0, 50, 50}, WS_CAPTION | WS_VISIBLE, nullptr, "Faced");
    Pump();
    EXPECT_EQ(Headless->Pixel(window, 25, 25), gdi::GetSysColor(gdi::COLOR_BTNFACE));
    EXPECT_FALSE(seen.fErase);

    Log.clear();
    InvalidateRect(window, nullptr, false);
    Pump();
    EXPECT_EQ(Log, (TLog{"main WM_PAINT"}));

    main.Handlers[WM_ERASEBKGND] = [](HWND, WPARAM, LPARAM) { return LRESULT(0); };
    InvalidateRect(window, nullptr, true);
    Pump();
    EXPECT_TRUE(seen.fErase);
}

TEST_F(Paint, ParentsPaintFirstAndNeverOverTheirChildren) {
    TRecorder main("main", Log), child("child", Log), hidden("hidden", Log);
    PaintWith(main, Red);
    PaintWith(child, Blue);
    PaintWith(hidden, Green);
    const HWND window = TopLevel(main, {0, 0, 100, 100}, WS_CAPTION | WS_VISIBLE);
    const HWND inner = Child(child, window, {20, 20, 40, 40});
    Child(hidden, window, {60, 60, 80, 80}, 0);
    Pump();
    EXPECT_EQ(Only(Log, {"WM_PAINT"}), (TLog{"main WM_PAINT", "child WM_PAINT"}));
    EXPECT_EQ(Headless->Pixel(inner, 0, 0), Blue);
    EXPECT_EQ(Headless->Pixel(window, 30, 30), Blue);
    EXPECT_EQ(Headless->Pixel(window, 19, 19), Red);
    EXPECT_EQ(Headless->Pixel(window, 70, 70), Red); // the hidden child takes no room

    Log.clear();
    InvalidateRect(window, nullptr, true);
    Pump();
    EXPECT_EQ(Only(Log, {"WM_PAINT"}), (TLog{"main WM_PAINT"}));
    EXPECT_EQ(Headless->Pixel(window, 30, 30), Blue);
}

TEST_F(Paint, SiblingsAboveClipThoseBelow) {
    TRecorder main("main", Log), upper("upper", Log), lower("lower", Log);
    PaintWith(main, Red);
    PaintWith(upper, Blue);
    PaintWith(lower, Green);
    const HWND window = TopLevel(main, {0, 0, 100, 100}, WS_CAPTION | WS_VISIBLE);
    Child(upper, window, {10, 10, 50, 50});
    const HWND below = Child(lower, window, {30, 30, 70, 70});
    Pump();
    InvalidateRect(below, nullptr, true);
    Pump();
    EXPECT_EQ(Headless->Pixel(window, 40, 40), Blue);
    EXPECT_EQ(Headless->Pixel(window, 60, 60), Green);
}

TEST_F(Paint, MovingAChildRepaintsWhatItUncovers) {
    TRecorder main("main", Log), child("child", Log);
    PaintWith(main, Red);
    PaintWith(child, Blue);
    const HWND window = TopLevel(main, {0, 0, 100, 100}, WS_CAPTION | WS_VISIBLE);
    const HWND inner = Child(child, window, {0, 0, 20, 20});
    Pump();
    MoveWindow(inner, 50, 50, 20, 20, true);
    Pump();
    EXPECT_EQ(Headless->Pixel(window, 5, 5), Red);
    EXPECT_EQ(Headless->Pixel(window, 55, 55), Blue);
    ShowWindow(inner, SW_HIDE);
    Pump();
    EXPECT_EQ(Headless->Pixel(window, 55, 55), Red);
}

TEST_F(Paint, ChildFramesAreDrawnAroundTheClientArea) {
    TRecorder main("main", Log), edged("edged", Log);
    PaintWith(main, Red);
    PaintWith(edged, Blue);
    const HWND window = TopLevel(main, {0, 0, 100, 100}, WS_CAPTION | WS_VISIBLE);
    const HWND child =
        Child(edged, window, {10, 10, 50, 50}, WS_VISIBLE | WS_BORDER, WS_EX_CLIENTEDGE);
    Pump();
    EXPECT_EQ(edged.Count(WM_NCPAINT), 1);
    EXPECT_EQ(Headless->Pixel(child, -3, -3), gdi::GetSysColor(gdi::COLOR_WINDOWFRAME));
    EXPECT_EQ(Headless->Pixel(child, -2, 5), gdi::GetSysColor(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Headless->Pixel(child, -1, 5), gdi::GetSysColor(gdi::COLOR_3DDKSHADOW));
    EXPECT_EQ(Headless->Pixel(child, 34, 5), gdi::GetSysColor(gdi::COLOR_3DLIGHT));
    EXPECT_EQ(Headless->Pixel(child, 35, 5), gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Headless->Pixel(child, 0, 0), Blue);
    EXPECT_EQ(Headless->Pixel(window, 9, 9), Red);
}

TEST_F(Paint, WindowContextsAreClippedToWhatTheWindowShows) {
    TRecorder main("main", Log), child("child", Log);
    const HWND window = Canvas(main, Red);
    PaintWith(child, Blue);
    Child(child, window, {0, 0, 50, 50});
    Pump();
    {
        TWindowDC dc(window);
        gdi::TOwnedBrush brush(gdi::CreateSolidBrush(Green));
        gdi::FillRect(dc.DC(), {0, 0, 200, 200}, brush.Get());
    }
    EXPECT_EQ(Headless->Pixel(window, 60, 60), Green);
    EXPECT_EQ(Headless->Pixel(window, 10, 10), Blue);
    EXPECT_EQ(Headless->Pixel(window, 100, 10), gdi::CLR_INVALID); // beyond the surface
}

TEST_F(Paint, EdgesUseTheSystemColours) {
    TRecorder main("main", Log);
    const HWND window = Canvas(main, Red);
    RECT rect{10, 10, 30, 20};
    {
        TWindowDC dc(window);
        DrawEdge(dc.DC(), &rect, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
    }
    EXPECT_EQ(rect, (RECT{12, 12, 28, 18}));
    EXPECT_EQ(Headless->Pixel(window, 10, 15), gdi::GetSysColor(gdi::COLOR_3DLIGHT));
    EXPECT_EQ(Headless->Pixel(window, 11, 15), gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Headless->Pixel(window, 29, 10), gdi::GetSysColor(gdi::COLOR_3DDKSHADOW));
    EXPECT_EQ(Headless->Pixel(window, 28, 15), gdi::GetSysColor(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Headless->Pixel(window, 20, 15), gdi::GetSysColor(gdi::COLOR_BTNFACE));
    EXPECT_EQ(Headless->Pixel(window, 30, 15), Red);
}

TEST_F(Paint, ADenseScreenGivesEveryLogicalPixelFourAndKeepsTheCoordinatesLogical) {
    Shutdown();
    Headless = &UseHeadlessBackend(2);
    TRecorder main("main", Log), edged("edged", Log);
    const HWND window = Canvas(main, Red, 40, 30);
    PaintWith(edged, Green);
    const HWND child = Child(edged, window, {10, 10, 30, 20}, WS_VISIBLE | WS_BORDER);
    Pump();
    const RECT part{2, 3, 5, 4};
    main.Handlers[WM_PAINT] = [](HWND handle, WPARAM, LPARAM) {
        TPaintScope paint(handle);
        gdi::TOwnedBrush brush(gdi::CreateSolidBrush(Blue));
        gdi::FillRect(paint.DC(), {0, 0, 100, 100}, brush.Get());
        return LRESULT(0);
    };
    InvalidateRect(window, &part, false);
    Pump();

    const TScreenshot shot = Headless->Screenshot(window);
    ASSERT_EQ(shot.Width, 80);
    ASSERT_EQ(shot.Height, 60);
    EXPECT_TRUE(Headless->Screenshot(child).Pixels.empty()) << "children have no surface";
    const auto colour = [&](int x, int y) {
        const std::uint32_t p = shot.At(x, y);
        return RGB(gdi::BYTE(p >> 16), gdi::BYTE(p >> 8), gdi::BYTE(p));
    };
    const gdi::COLORREF frame = gdi::GetSysColor(gdi::COLOR_WINDOWFRAME);
    for (int y = 0; y < shot.Height; ++y)
        for (int x = 0; x < shot.Width; ++x) {
            const int lx = x / 2, ly = y / 2;
            gdi::COLORREF expected = Red;
            if (lx >= 2 && lx < 5 && ly == 3)
                expected = Blue;
            else if (lx >= 11 && lx < 29 && ly >= 11 && ly < 19)
                expected = Green;
            else if (lx >= 10 && lx < 30 && ly >= 10 && ly < 20)
                expected = frame;
            ASSERT_EQ(colour(x, y), expected) << x << ", " << y;
        }
    EXPECT_EQ(Headless->Pixel(window, 4, 3), Blue);
    EXPECT_EQ(Headless->Pixel(child, -1, 0), frame);
    EXPECT_EQ(Headless->Pixel(window, 40, 0), gdi::CLR_INVALID);
}

} // namespace
} // namespace wintest
