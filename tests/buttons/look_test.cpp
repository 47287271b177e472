// The styled button's looks on the headless window system: the classic frames, the themed
// element for each state, the hot-tracking rings and corners, the down pattern, and where
// and in which colour the caption is drawn.

#include "buttonfixture.h"
#include "buttons/colors.h"
#include "gui/extctrls/panel.h"
#include "platform/theme/theme.h"
#include "tests/platform/gdi/canvas.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace buttontest {
namespace {

gdi::COLORREF Sys(int index) {
    return gdi::GetSysColor(index);
}

class Look : public TButtonTest {
protected:
    // The columns and rows of the button that hold a pixel of about colour (text is smoothed,
    // so its stems come near their colour without reaching it), within the caption area;
    // nothing when there is none.
    std::optional<TRect> InkBounds(const TControl& button, gdi::COLORREF colour) const {
        const auto near = [colour](gdi::COLORREF pixel) {
            for (int shift = 0; shift < 24; shift += 8)
                if (std::abs(int(pixel >> shift & 0xFF) - int(colour >> shift & 0xFF)) > 24)
                    return false;
            return true;
        };
        std::optional<TRect> bounds;
        for (int y = 5; y < button.Height() - 5; ++y)
            for (int x = 5; x < button.Width() - 5; ++x) {
                if (!near(Pixel(button, x, y)))
                    continue;
                if (!bounds)
                    bounds = Rect(x, y, x + 1, y + 1);
                bounds->Left = std::min(bounds->Left, x);
                bounds->Top = std::min(bounds->Top, y);
                bounds->Right = std::max(bounds->Right, x + 1);
                bounds->Bottom = std::max(bounds->Bottom, y + 1);
            }
        return bounds;
    }
    // The darkest red value within the caption area: the caption's colour at its stems.
    int Darkest(const TControl& button) const {
        int darkest = 255;
        for (int y = 5; y < button.Height() - 5; ++y)
            for (int x = 5; x < button.Width() - 5; ++x)
                darkest = std::min(darkest, int(gdi::GetRValue(Pixel(button, x, y))));
        return darkest;
    }
};

TEST_F(Look, TheClassicButtonIsRaisedAndItsFocusedOneFramed) {
    const gdi::COLORREF highlight = Sys(gdi::COLOR_BTNHIGHLIGHT);
    const gdi::COLORREF dark = Sys(gdi::COLOR_3DDKSHADOW);
    EXPECT_EQ(Pixel(*Ok, 0, 0), highlight);
    EXPECT_EQ(Pixel(*Ok, 74, 0), dark);
    EXPECT_EQ(Pixel(*Ok, 0, 24), dark);
    EXPECT_EQ(Pixel(*Ok, 1, 1), Sys(gdi::COLOR_3DLIGHT));
    EXPECT_EQ(Pixel(*Ok, 73, 23), Sys(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*Ok, 2, 2), Sys(gdi::COLOR_BTNFACE));
    EXPECT_EQ(Pixel(*Ok, 5, 4), Sys(gdi::COLOR_BTNFACE));
    Ok->SetFocus();
    Pump();
    // A window-frame ring outside the raised frame, and dots four pixels in.
    EXPECT_EQ(Pixel(*Ok, 0, 0), Sys(gdi::COLOR_WINDOWFRAME));
    EXPECT_EQ(Pixel(*Ok, 1, 1), highlight);
    EXPECT_EQ(Pixel(*Ok, 5, 4), 0u);
    EXPECT_EQ(Pixel(*Ok, 6, 4), Sys(gdi::COLOR_BTNFACE));
    EXPECT_EQ(Pixel(*Ok, 4, 5), 0u);
    EXPECT_EQ(Pixel(*Ok, 70, 5), 0u);
    EXPECT_EQ(Pixel(*Ok, 5, 20), 0u);
}

TEST_F(Look, TheClassicPressedButtonHasDarkRingsAndAShiftedCaption) {
    const std::optional<TRect> up = InkBounds(*Ok, 0);
    Press(*Ok, 20, 10);
    EXPECT_EQ(Pixel(*Ok, 0, 0), Sys(gdi::COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(*Ok, 74, 24), Sys(gdi::COLOR_BTNTEXT));
    EXPECT_EQ(Pixel(*Ok, 1, 1), Sys(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*Ok, 73, 23), Sys(gdi::COLOR_BTNSHADOW));
    // The dots stay where they were, the caption moves by (1, 1).
    EXPECT_EQ(Pixel(*Ok, 5, 4), 0u);
    ASSERT_TRUE(up);
    const std::optional<TRect> pressed = InkBounds(*Ok, 0);
    ASSERT_TRUE(pressed);
    EXPECT_EQ(pressed->Left, up->Left + 1);
    EXPECT_EQ(pressed->Top, up->Top + 1);
    Release();
}

// The states under the pointer, pressed and focused are checked on the main window's
// buttons; here the default button that does not have the focus.
TEST_F(Look, ThemedTheDefaultButtonIsMarkedWhileNoOtherButtonHasTheFocus) {
    UseThemes(true);
    const auto element = [](int state) {
        gdi::test::TCanvas canvas(75, 25, Sys(gdi::COLOR_BTNFACE));
        theme::DrawThemeBackground(canvas.DC(), theme::tcButton, theme::BP_PUSHBUTTON, state,
                                   {0, 0, 75, 25});
        return canvas.At(1, 12);
    };
    List->SetFocus();
    Other->SetDefault(true);
    Pump();
    EXPECT_EQ(Pixel(*Other, 1, 12), element(theme::PBS_DEFAULTED));
    EXPECT_EQ(Pixel(*Ok, 1, 12), element(theme::PBS_NORMAL));
    Ok->SetFocus();
    Pump();
    EXPECT_EQ(Pixel(*Other, 1, 12), element(theme::PBS_NORMAL));
    // The rounded corner shows the form behind the button.
    EXPECT_EQ(Pixel(*Other, 0, 0), Sys(gdi::COLOR_BTNFACE));
}

TEST_F(Look, TheHotTrackingLookShowsTheParentInItsCornersAndRingsUnderThePointer) {
    auto* panel = Add<TPanel>(Form, 120, 50, 120, 35);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clRed);
    auto* flat = Add<TCountingButton>(panel, 5, 5, 75, 25);
    flat->SetHotTrack(true);
    Pump();
    // The parent in the three corner pixels; the outer ring from the parent's colour.
    EXPECT_EQ(Pixel(*flat, 0, 0), clRed);
    EXPECT_EQ(Pixel(*flat, 1, 0), clRed);
    EXPECT_EQ(Pixel(*flat, 0, 1), clRed);
    EXPECT_EQ(Pixel(*flat, 1, 1), Darken(clRed, 20));
    EXPECT_EQ(Pixel(*flat, 73, 23), Lighten(clRed, 20));
    EXPECT_EQ(Pixel(*flat, 10, 0), Darken(clRed, 20));
    EXPECT_EQ(Pixel(*flat, 2, 1), Sys(gdi::COLOR_3DDKSHADOW));
    // Two shaded lines at the bottom of the face, a gradient above.
    EXPECT_EQ(Pixel(*flat, 37, 21), Darken(clBtnFace, 20));
    EXPECT_EQ(Pixel(*flat, 37, 22), Darken(clBtnFace, 30));
    const gdi::COLORREF plain = Pixel(*flat, 37, 2);
    const gdi::COLORREF middle = Pixel(*flat, 37, 12);
    MoveTo(*flat, 30, 12);
    EXPECT_NE(Pixel(*flat, 37, 2), plain);
    EXPECT_NE(Pixel(*flat, 37, 21), Darken(clBtnFace, 20));
    EXPECT_EQ(Pixel(*flat, 37, 12), middle);
    // Disabled: the parent shows in the outermost ring too.
    flat->SetEnabled(false);
    Pump();
    EXPECT_EQ(Pixel(*flat, 10, 0), clRed);
    EXPECT_EQ(Pixel(*flat, 1, 1), clRed);
}

TEST_F(Look, ADownButtonIsCheckered) {
    Ok->SetGroupIndex(1);
    Ok->SetDown(true);
    Pump();
    const gdi::COLORREF face = Sys(gdi::COLOR_BTNFACE);
    const gdi::COLORREF a = Pixel(*Ok, 30, 3);
    const gdi::COLORREF b = Pixel(*Ok, 31, 3);
    EXPECT_NE(a, b);
    EXPECT_TRUE((a == face && b == clSilver) || (a == clSilver && b == face));
    EXPECT_EQ(Pixel(*Ok, 31, 4), a);
    Ok->SetShowDownPattern(false);
    Pump();
    EXPECT_EQ(Pixel(*Ok, 30, 3), Pixel(*Ok, 31, 3));
}

TEST_F(Look, CaptionsArePlacedByTheirVerticalAlignment) {
    Ok->SetBounds(10, 10, 75, 41);
    Ok->SetCaption("Hg");
    const auto top = [&](TAlignmentVertical alignment) {
        Ok->SetAlignmentVertical(alignment);
        Pump();
        const std::optional<TRect> ink = InkBounds(*Ok, 0);
        return ink ? ink->Top : -1;
    };
    const int atTop = top(avTop);
    // 13-pixel text in rows 5..36: at the top, from (5 + 36 - 13) / 2 = 14, from 36 - 14 = 22.
    EXPECT_EQ(top(avCenter), atTop + 9);
    EXPECT_EQ(top(avBottom), atTop + 17);
}

TEST_F(Look, ARightAlignedCaptionLeavesRoomForItsShadow) {
    Ok->SetAlignment(taRightJustify);
    Ok->SetCaption("H");
    Pump();
    const std::optional<TRect> enabled = InkBounds(*Ok, 0);
    Ok->SetEnabled(false);
    Pump();
    const std::optional<TRect> disabled = InkBounds(*Ok, Sys(gdi::COLOR_GRAYTEXT));
    ASSERT_TRUE(enabled && disabled);
    EXPECT_EQ(enabled->Right, disabled->Right - 2);
    Ok->SetEnabled(true);
    Ok->SetTextShadowDepth(5);
    Pump();
    EXPECT_EQ(InkBounds(*Ok, 0)->Right, disabled->Right - 5);
}

TEST_F(Look, RightToLeftMirrorsTheCaptionsAlignment) {
    Ok->SetCaption("H");
    Ok->SetAlignment(taRightJustify);
    Pump();
    const std::optional<TRect> right = InkBounds(*Ok, 0);
    Ok->SetAlignment(taLeftJustify);
    Pump();
    const std::optional<TRect> left = InkBounds(*Ok, 0);
    ASSERT_TRUE(right && left);
    EXPECT_LT(left->Right, right->Left);
    // Inherited from the form, left becomes right.
    Form->SetBiDiMode(bdRightToLeft);
    Pump();
    EXPECT_EQ(Ok->BiDiMode(), bdRightToLeft);
    EXPECT_EQ(InkBounds(*Ok, 0), right);
    // Reading order alone keeps the alignment.
    Ok->SetBiDiMode(bdRightToLeftReadingOnly);
    Pump();
    EXPECT_EQ(InkBounds(*Ok, 0), left);
}

TEST_F(Look, DisabledCaptionsAreGreyUnlessTheFaceIsGreyAlready) {
    EXPECT_NEAR(Darkest(*Ok), 0, 16);
    Ok->SetEnabled(false);
    Pump();
    EXPECT_NEAR(Darkest(*Ok), gdi::GetRValue(Sys(gdi::COLOR_GRAYTEXT)), 8);
    // A face too close to grey text: hue and luminance both within reach.
    Ok->SetColor(gdi::RGB(150, 150, 150));
    Pump();
    EXPECT_NEAR(Darkest(*Ok), gdi::GetRValue(Sys(gdi::COLOR_3DDKSHADOW)), 8);
}

TEST_F(Look, TextStylesDrawTheirCopiesAroundTheCaption) {
    Ok->SetCaption("I");
    Ok->SetTextShadowColor(clBlue);
    Ok->SetTextHighlightColor(clLime);
    Pump();
    const TRect plain = *InkBounds(*Ok, 0);
    Ok->SetTextStyle(tsShadow);
    Pump();
    const std::optional<TRect> shadow = InkBounds(*Ok, gdi::RGB(0, 0, 255));
    ASSERT_TRUE(shadow);
    EXPECT_EQ(shadow->Right, plain.Right + 2);
    EXPECT_EQ(shadow->Bottom, plain.Bottom + 2);
    Ok->SetTextStyle(tsRaised);
    Pump();
    EXPECT_EQ(InkBounds(*Ok, gdi::RGB(0, 255, 0))->Left, plain.Left - 1);
    EXPECT_EQ(InkBounds(*Ok, gdi::RGB(0, 0, 255))->Bottom, plain.Bottom + 1);
    // With LightTextStyle raised text keeps only its light upper-left copy.
    Ok->SetLightTextStyle(true);
    Pump();
    EXPECT_TRUE(InkBounds(*Ok, gdi::RGB(0, 255, 0)));
    EXPECT_FALSE(InkBounds(*Ok, gdi::RGB(0, 0, 255)));
    // Recessed: only the lower-right copy, in the highlight colour.
    Ok->SetTextStyle(tsRecessed);
    Pump();
    EXPECT_EQ(InkBounds(*Ok, gdi::RGB(0, 255, 0))->Bottom, plain.Bottom + 1);
    EXPECT_FALSE(InkBounds(*Ok, gdi::RGB(0, 0, 255)));
}

} // namespace
} // namespace buttontest
