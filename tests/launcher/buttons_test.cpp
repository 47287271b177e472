// The main window's help and OK buttons on the headless window system, pixel for pixel:
// where their glyphs, captions and focus dots are in the themed and the classic look,
// pressed and not, focused and not, and disabled.

#include "gui/graphics/bitmap.h"
#include "mainwindow.h"
#include "platform/system/answers.h"
#include "platform/theme/theme.h"
#include "tests/platform/gdi/canvas.h"

#include <optional>

namespace launchertest {
namespace {

gdi::COLORREF Sys(int index) {
    return gdi::GetSysColor(index);
}

// The classic look unless a test switches themes on.
class MainButtons : public TMainWindowTest {
protected:
    void SetUp() override {
        FSaved = platform::Answers();
        TMainWindowTest::SetUp();
    }
    void TearDown() override {
        TMainWindowTest::TearDown();
        platform::Answers() = FSaved;
    }

    void Start(bool themed) {
        platform::Answers().ThemesActive = themed;
        Open();
        // The pointer rests away from the buttons.
        MoveTo(*Window, 300, 200);
    }

    // Glyph index of the button list, drawn at origin: every pixel the glyph covers fully
    // (it comes out the same on black and on white) is shown there; a glyph one pixel off
    // would not match.
    void ExpectGlyphAt(const TControl& button, int index, TPoint origin) {
        const auto onBlack = Drawn(index, clBlack, true);
        const auto onWhite = Drawn(index, clWhite, true);
        int opaque = 0;
        int mismatches = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const TColor colour = onBlack->Canvas().Pixels(x, y);
                if (colour != onWhite->Canvas().Pixels(x, y))
                    continue;
                ++opaque;
                mismatches += Pixel(button, origin.X + x, origin.Y + y) != colour;
            }
        EXPECT_GT(opaque, 200);
        EXPECT_EQ(mismatches, 0) << "glyph " << index << " at " << origin.X << "," << origin.Y;
    }

    // A disabled button's face is flat: the list's faded rendering of the glyph over the face
    // colour beside it, pixel for pixel.
    void ExpectDisabledGlyphAt(const TControl& button, int index, TPoint origin) {
        const auto expected = Drawn(index, Pixel(button, origin.X - 1, origin.Y + 16), false);
        int mismatches = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                mismatches += Pixel(button, origin.X + x, origin.Y + y) !=
                              ColorToRGB(expected->Canvas().Pixels(x, y));
        EXPECT_EQ(mismatches, 0) << "glyph " << index << " at " << origin.X << "," << origin.Y;
    }

    std::unique_ptr<TBitmap> Drawn(int index, TColor paper, bool enabled) const {
        auto bitmap = std::make_unique<TBitmap>(32, 32);
        bitmap->Canvas().Brush().SetColor(paper);
        bitmap->Canvas().FillRect(Rect(0, 0, 32, 32));
        Window->PngImageListButton->Draw(bitmap->Canvas(), 0, 0, index, enabled);
        return bitmap;
    }

    // The dark pixels of the caption between the glyph and the right edge.
    std::optional<TRect> CaptionInk(const TControl& button) const {
        std::optional<TRect> ink;
        for (int y = 6; y < 36; ++y)
            for (int x = 41; x < 76; ++x) {
                if (gdi::GetRValue(Pixel(button, x, y)) > 100)
                    continue;
                if (!ink)
                    ink = Rect(x, y, x + 1, y + 1);
                ink->Left = std::min(ink->Left, x);
                ink->Top = std::min(ink->Top, y);
                ink->Right = std::max(ink->Right, x + 1);
                ink->Bottom = std::max(ink->Bottom, y + 1);
            }
        return ink;
    }

    // "&OK" as the raster engine draws it in the window's font, centred in rect.
    TRect ExpectedInk(const TRect& rect) const {
        TBitmap bitmap(rect.Right + 5, rect.Bottom + 5);
        TCanvas& canvas = bitmap.Canvas();
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
        canvas.SetFont(*Window->Font());
        gdi::RECT area = ToRECT(rect);
        gdi::DrawText(canvas.Handle(), "&OK", &area,
                      gdi::DT_CENTER | gdi::DT_WORDBREAK | gdi::DT_EXPANDTABS);
        TRect ink{1000, 1000, -1, -1};
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (gdi::GetRValue(canvas.Pixels(x, y)) <= 100)
                    ink = Rect(std::min(ink.Left, x), std::min(ink.Top, y),
                               std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1));
        return ink;
    }

    // Black dots on every other pixel of frame's sides, none in between.
    void ExpectFocusDots(const TControl& button, const TRect& frame, bool shown) {
        int dots = 0;
        int missing = 0;
        for (int y = frame.Top + 1; y < frame.Bottom; y += 2)
            for (int x : {frame.Left, frame.Right - 1}) {
                ++dots;
                missing += Pixel(button, x, y) != 0;
            }
        for (int x = frame.Left + 1; x < frame.Right; x += 2)
            for (int y : {frame.Top, frame.Bottom - 1}) {
                ++dots;
                missing += Pixel(button, x, y) != 0;
            }
        if (shown) {
            EXPECT_EQ(missing, 0) << dots << " dots";
            EXPECT_NE(Pixel(button, frame.Left + 2, frame.Top), 0u);
            EXPECT_NE(Pixel(button, frame.Left, frame.Top + 2), 0u);
        } else {
            EXPECT_EQ(missing, dots);
        }
    }

    // Two pixels of the theme's push button as the engine draws it for the button's size: one
    // of the left border or ring, one of the face.
    static std::pair<gdi::COLORREF, gdi::COLORREF> Element(int width, int state) {
        gdi::test::TCanvas canvas(width, 42, Sys(gdi::COLOR_BTNFACE));
        theme::DrawThemeBackground(canvas.DC(), theme::tcButton, theme::BP_PUSHBUTTON, state,
                                   {0, 0, width, 42});
        return {canvas.At(1, 40), canvas.At(width - 3, 21)};
    }
    std::pair<gdi::COLORREF, gdi::COLORREF> Face(const TControl& button) const {
        return {Pixel(button, 1, 40), Pixel(button, button.Width() - 3, 21)};
    }

private:
    platform::TPlatformAnswers FSaved;
};

TEST_F(MainButtons, ThemedGlyphsCaptionAndDotsSitWhereTheTableSays) {
    Start(true);
    TStyledBitBtn& ok = *Window->ButtonOK;
    TStyledBitBtn& help = *Window->ButtonHelp;
    EXPECT_EQ(ok.BoundsRect(), Bounds(568, 432, 81, 42));
    EXPECT_EQ(help.BoundsRect(), Bounds(8, 432, 46, 42));
    ExpectGlyphAt(ok, 1, {7, 5});
    ExpectGlyphAt(help, 0, {7, 5});
    EXPECT_EQ(CaptionInk(ok), ExpectedInk(Rect(43, 14, 76, 27)));
    EXPECT_LE(CaptionInk(ok)->Top, 26);
    EXPECT_GE(CaptionInk(ok)->Top, 14);
    EXPECT_FALSE(CaptionInk(help));
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_NORMAL));
    ExpectFocusDots(ok, Rect(3, 3, 78, 39), false);

    // Focused, the button is the form's active one: the defaulted element and dots.
    ok.SetFocus();
    Pump();
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_DEFAULTED));
    ExpectFocusDots(ok, Rect(3, 3, 78, 39), true);
    help.SetFocus();
    Pump();
    ExpectFocusDots(help, Rect(3, 3, 43, 39), true);
    ExpectFocusDots(ok, Rect(3, 3, 78, 39), false);
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_NORMAL));

    // Hot under the pointer.
    MoveTo(ok, 60, 30);
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_HOT));
    MoveTo(*Window, 300, 200);
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_NORMAL));

    // Pressed: the glyph one pixel right, the caption where it was, the dots shown.
    Press(ok, 60, 30);
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_PRESSED));
    ExpectGlyphAt(ok, 1, {8, 5});
    EXPECT_EQ(CaptionInk(ok), ExpectedInk(Rect(43, 14, 76, 27)));
    ExpectFocusDots(ok, Rect(3, 3, 78, 39), true);
    MoveTo(*Window, 300, 200);
    Release();

    Press(help, 20, 30);
    ExpectGlyphAt(help, 0, {8, 5});
    MoveTo(*Window, 300, 200);
    Release();
}

TEST_F(MainButtons, ThemedDisabledButtonsShowTheListsDisabledGlyphAndAGreyCaption) {
    Start(true);
    TStyledBitBtn& ok = *Window->ButtonOK;
    ok.SetEnabled(false);
    Window->ButtonHelp->SetEnabled(false);
    Pump();
    EXPECT_EQ(Face(ok), Element(81, theme::PBS_DISABLED));
    ExpectDisabledGlyphAt(ok, 1, {7, 5});
    ExpectDisabledGlyphAt(*Window->ButtonHelp, 0, {7, 5});
    EXPECT_FALSE(CaptionInk(ok));
    // The caption in grey text: its stems come near (128, 128, 128).
    int darkest = 255;
    for (int y = 14; y < 27; ++y)
        for (int x = 43; x < 76; ++x)
            darkest = std::min(darkest, int(gdi::GetRValue(Pixel(ok, x, y))));
    EXPECT_NEAR(darkest, 128, 8);
}

TEST_F(MainButtons, ClassicGlyphsCaptionFramesAndDotsSitWhereTheTableSays) {
    Start(false);
    TStyledBitBtn& ok = *Window->ButtonOK;
    TStyledBitBtn& help = *Window->ButtonHelp;
    ExpectGlyphAt(ok, 1, {7, 5});
    ExpectGlyphAt(help, 0, {7, 5});
    EXPECT_EQ(CaptionInk(ok), ExpectedInk(Rect(43, 14, 76, 27)));
    // The raised frame: highlight and dark shadow outside, light and shadow inside.
    EXPECT_EQ(Pixel(ok, 0, 0), Sys(gdi::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(ok, 80, 41), Sys(gdi::COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(ok, 1, 1), Sys(gdi::COLOR_3DLIGHT));
    EXPECT_EQ(Pixel(ok, 79, 40), Sys(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(ok, 2, 2), Sys(gdi::COLOR_BTNFACE));
    ExpectFocusDots(ok, Rect(4, 4, 77, 38), false);

    // Focused: a window-frame ring outside the raised frame, dots four pixels in.
    ok.SetFocus();
    Pump();
    EXPECT_EQ(Pixel(ok, 0, 0), Sys(gdi::COLOR_WINDOWFRAME));
    EXPECT_EQ(Pixel(ok, 80, 41), Sys(gdi::COLOR_WINDOWFRAME));
    EXPECT_EQ(Pixel(ok, 1, 1), Sys(gdi::COLOR_BTNHIGHLIGHT));
    ExpectFocusDots(ok, Rect(4, 4, 77, 38), true);
    help.SetFocus();
    Pump();
    ExpectFocusDots(help, Rect(4, 4, 42, 38), true);

    // Hot looks like normal in the classic look.
    const gdi::COLORREF face = Pixel(ok, 40, 3);
    MoveTo(ok, 60, 30);
    EXPECT_EQ(Pixel(ok, 40, 3), face);

    // Pressed: dark rings, no window frame, glyph and caption moved by (1, 1), dots unmoved.
    Press(ok, 60, 30);
    EXPECT_EQ(Pixel(ok, 0, 0), Sys(gdi::COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(ok, 80, 41), Sys(gdi::COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(ok, 1, 1), Sys(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(ok, 79, 40), Sys(gdi::COLOR_BTNSHADOW));
    ExpectGlyphAt(ok, 1, {8, 6});
    EXPECT_EQ(CaptionInk(ok), ExpectedInk(Rect(44, 15, 77, 28)));
    ExpectFocusDots(ok, Rect(4, 4, 77, 38), true);
    MoveTo(*Window, 300, 200);
    Release();
    Press(help, 20, 30);
    ExpectGlyphAt(help, 0, {8, 6});
    MoveTo(*Window, 300, 200);
    Release();
}

TEST_F(MainButtons, ClassicDisabledButtonsKeepTheNormalFrame) {
    Start(false);
    TStyledBitBtn& ok = *Window->ButtonOK;
    ok.SetEnabled(false);
    Pump();
    EXPECT_EQ(Pixel(ok, 0, 0), Sys(gdi::COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(Pixel(ok, 79, 40), Sys(gdi::COLOR_BTNSHADOW));
    ExpectDisabledGlyphAt(ok, 1, {7, 5});
    EXPECT_FALSE(CaptionInk(ok));
}

TEST_F(MainButtons, TheirKeysAndAClickSetTheModalResultToNoneAndRunTheHandlers) {
    Start(true);
    TStyledBitBtn& ok = *Window->ButtonOK;
    // The accelerator, Space on the focused button, Enter on the focused button.
    for (const auto& act : std::vector<std::function<void()>>{[&] { Chord(win::VK_MENU, 'O'); },
                                                              [&] {
                                                                  ok.SetFocus();
                                                                  Key(win::VK_SPACE);
                                                              },
                                                              [&] {
                                                                  ok.SetFocus();
                                                                  Key(win::VK_RETURN);
                                                              }}) {
        Window->SetModalResult(mrCancel);
        int clicks = 0;
        ok.OnClick = [&](TObject*) { ++clicks; };
        act();
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(Window->ModalResult(), mrNone);
    }
}

} // namespace
} // namespace launchertest
