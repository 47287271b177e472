// The visual-style engine: the push button in each state on a small bitmap, what it leaves
// to the background, and the parent's background drawn behind a child window.

#include "platform/gdi/syscolors.h"
#include "platform/system/answers.h"
#include "platform/theme/theme.h"
#include "tests/platform/gdi/canvas.h"
#include "tests/platform/window/harness.h"

#include <gtest/gtest.h>
#include <set>

namespace {

using gdi::COLORREF;
using gdi::RGB;
using gdi::test::TCanvas;
using namespace theme;

constexpr COLORREF kBackground = RGB(0, 160, 0);
constexpr int kWidth = 40;
constexpr int kHeight = 24;

TCanvas Button(int state) {
    TCanvas canvas(kWidth + 4, kHeight + 4, kBackground);
    EXPECT_TRUE(DrawThemeBackground(canvas.DC(), tcButton, BP_PUSHBUTTON, state,
                                    {2, 2, 2 + kWidth, 2 + kHeight}));
    return canvas;
}

int Luminance(COLORREF c) {
    return gdi::GetRValue(c) + gdi::GetGValue(c) + gdi::GetBValue(c);
}

TEST(Theme, APushButtonFillsItsRectangleButItsRoundedCorners) {
    for (int state = PBS_NORMAL; state <= PBS_DEFAULTED; ++state) {
        const TCanvas canvas = Button(state);
        // Outside the rectangle nothing changes; its corner pixels show the background.
        for (int x = 0; x < canvas.Width(); ++x) {
            EXPECT_EQ(canvas.At(x, 1), kBackground);
            EXPECT_EQ(canvas.At(x, kHeight + 2), kBackground);
        }
        EXPECT_EQ(canvas.At(2, 2), kBackground) << state;
        EXPECT_EQ(canvas.At(kWidth + 1, kHeight + 1), kBackground) << state;
        // The pixel beside the corner is smoothed: partly border, partly background.
        EXPECT_NE(canvas.At(3, 2), kBackground);
        EXPECT_NE(canvas.At(3, 2), canvas.At(20, 2));
        // Inside, no background shows through.
        for (int y = 3; y < kHeight + 1; ++y)
            for (int x = 3; x < kWidth + 1; ++x)
                EXPECT_NE(canvas.At(x, y), kBackground) << x << "," << y;
        // The border is one colour along each straight side.
        EXPECT_EQ(canvas.At(20, 2), canvas.At(20, kHeight + 1));
        EXPECT_EQ(canvas.At(20, 2), canvas.At(2, 12));
        EXPECT_EQ(canvas.At(20, 2), canvas.At(kWidth + 1, 12));
    }
    EXPECT_TRUE(IsThemeBackgroundPartiallyTransparent(tcButton, BP_PUSHBUTTON, PBS_NORMAL));
}

TEST(Theme, EveryStateLooksDifferent) {
    std::set<COLORREF> faces;
    std::set<COLORREF> borders;
    for (int state = PBS_NORMAL; state <= PBS_DEFAULTED; ++state) {
        const TCanvas canvas = Button(state);
        faces.insert(canvas.At(20, 8));
        borders.insert(canvas.At(20, 2));
    }
    // The defaulted button has the normal face within a ring of its own.
    EXPECT_EQ(faces.size(), 4u);
    EXPECT_EQ(borders.size(), 5u);
    const TCanvas normal = Button(PBS_NORMAL);
    const TCanvas defaulted = Button(PBS_DEFAULTED);
    EXPECT_EQ(normal.At(20, 12), defaulted.At(20, 12));
    EXPECT_NE(normal.At(20, 3), defaulted.At(20, 3));
    EXPECT_EQ(defaulted.At(20, 3), defaulted.At(3, 12));
    EXPECT_EQ(defaulted.At(20, 3), defaulted.At(20, kHeight));
}

TEST(Theme, RaisedFacesLightenUpwardsAndThePressedOneDownwards) {
    for (const int state : {PBS_NORMAL, PBS_HOT, PBS_DEFAULTED}) {
        const TCanvas canvas = Button(state);
        for (int y = 5; y < kHeight; ++y)
            EXPECT_GE(Luminance(canvas.At(20, y - 1)), Luminance(canvas.At(20, y))) << state;
        EXPECT_GT(Luminance(canvas.At(20, 5)), Luminance(canvas.At(20, kHeight - 1)));
    }
    const TCanvas pressed = Button(PBS_PRESSED);
    EXPECT_LT(Luminance(pressed.At(20, 5)), Luminance(pressed.At(20, kHeight - 1)));
    const TCanvas disabled = Button(PBS_DISABLED);
    EXPECT_EQ(disabled.At(20, 5), disabled.At(20, kHeight - 1));
}

TEST(Theme, UnknownElementsAndEmptyRectanglesDrawNothing) {
    TCanvas canvas(10, 10, kBackground);
    EXPECT_FALSE(DrawThemeBackground(canvas.DC(), tcButton, 2, PBS_NORMAL, {0, 0, 10, 10}));
    EXPECT_FALSE(DrawThemeBackground(canvas.DC(), tcButton, BP_PUSHBUTTON, 6, {0, 0, 10, 10}));
    EXPECT_FALSE(
        DrawThemeBackground(canvas.DC(), tcButton, BP_PUSHBUTTON, PBS_NORMAL, {5, 5, 5, 9}));
    EXPECT_FALSE(IsThemeBackgroundPartiallyTransparent(tcButton, 2, PBS_NORMAL));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(canvas.At(x, y), kBackground);
}

TEST(Theme, ThemesApplyWhenActiveAndTheCommonControlsAreVersion6) {
    platform::TPlatformAnswers& answers = platform::Answers();
    const platform::TPlatformAnswers saved = answers;
    EXPECT_TRUE(ThemesEnabled());
    answers.ThemesActive = false;
    EXPECT_FALSE(ThemesEnabled());
    answers.ThemesActive = true;
    answers.CommonControlsVersion = 0x00050052;
    EXPECT_FALSE(ThemesEnabled());
    answers = saved;
}

class ParentBackground : public wintest::TWindowTest {};

TEST_F(ParentBackground, TheParentErasesAndPaintsBehindTheChildOnly) {
    wintest::TRecorder parent("parent", Log);
    wintest::TRecorder child("child", Log);
    const win::HWND top = TopLevel(parent, {100, 100, 200, 160});
    const win::HWND button = Child(child, top, {10, 20, 50, 40});
    // The parent's picture: red erased, then a blue square painted at (12, 22).
    parent.Handlers[win::WM_ERASEBKGND] = [](win::HWND, win::WPARAM wParam, win::LPARAM) {
        gdi::TOwnedBrush red(gdi::CreateSolidBrush(RGB(255, 0, 0)));
        gdi::FillRect(reinterpret_cast<gdi::HDC>(wParam), {0, 0, 100, 60}, red.Get());
        return win::LRESULT(1);
    };
    parent.Handlers[win::WM_PRINTCLIENT] = [](win::HWND, win::WPARAM wParam, win::LPARAM lParam) {
        EXPECT_EQ(lParam, win::PRF_CLIENT);
        gdi::TOwnedBrush blue(gdi::CreateSolidBrush(RGB(0, 0, 255)));
        gdi::FillRect(reinterpret_cast<gdi::HDC>(wParam), {12, 22, 14, 24}, blue.Get());
        return win::LRESULT(0);
    };
    TCanvas canvas(40, 20, kBackground);
    const gdi::RECT behind{1, 1, 30, 20};
    EXPECT_TRUE(DrawThemeParentBackground(button, canvas.DC(), &behind));
    EXPECT_EQ(canvas.At(0, 0), kBackground);
    EXPECT_EQ(canvas.At(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(2, 2), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(3, 3), RGB(0, 0, 255));
    EXPECT_EQ(canvas.At(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(30, 5), kBackground);
    // The context is as it was: its origin and clip are back.
    gdi::POINT origin;
    gdi::GetViewportOrgEx(canvas.DC(), &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
    EXPECT_FALSE(DrawThemeParentBackground(top, canvas.DC(), nullptr));
}

} // namespace
