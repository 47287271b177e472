// The push button: when the mouse and the keys click it, default and cancel buttons,
// accelerators and the form's modal result.

#include "fixture.h"
#include "gui/controls/accelerator.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/listbox.h"
#include "platform/system/answers.h"
#include "platform/theme/theme.h"
#include "tests/platform/gdi/canvas.h"

namespace guitest {
namespace {

// The classic look unless a test switches themes on.
class Button : public TGuiTest {
protected:
    void SetUp() override {
        FSaved = platform::Answers();
        platform::Answers().ThemesActive = false;
        TGuiTest::SetUp();
        Form = NewForm();
        Ok = Add<TButton>(Form, 10, 10, 75, 25);
        Ok->SetCaption("&OK");
        Ok->OnClick = [this](TObject*) { ++OkClicks; };
        Cancel = Add<TButton>(Form, 100, 10, 75, 25);
        Cancel->SetCaption("&Cancel");
        Cancel->OnClick = [this](TObject*) { ++CancelClicks; };
        List = Add<TListBox>(Form, 10, 50, 100, 100);
        Pump();
    }
    void TearDown() override {
        TGuiTest::TearDown();
        platform::Answers() = FSaved;
    }

    // The classic look: pressed, a shadow ring inside the focus frame; up, the 3D edge.
    bool LooksPressed(const TButton& button) const {
        return Pixel(button, 1, 1) == gdi::GetSysColor(gdi::COLOR_BTNSHADOW) &&
               Pixel(button, 2, 2) != gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
    }

    TForm* Form = nullptr;
    TButton* Ok = nullptr;
    TButton* Cancel = nullptr;
    TListBox* List = nullptr;
    int OkClicks = 0;
    int CancelClicks = 0;

private:
    platform::TPlatformAnswers FSaved;
};

TEST_F(Button, APressClicksWhenReleasedOnTheButtonAndShowsPressedWhileThePointerIsOnIt) {
    Press(*Ok, 20, 10);
    EXPECT_TRUE(Ok->Focused());
    EXPECT_TRUE(LooksPressed(*Ok));
    MoveTo(*Form, 250, 150);
    EXPECT_FALSE(LooksPressed(*Ok));
    MoveTo(*Ok, 74, 24);
    EXPECT_TRUE(LooksPressed(*Ok));
    EXPECT_EQ(OkClicks, 0);
    Release();
    EXPECT_EQ(OkClicks, 1);
    EXPECT_FALSE(LooksPressed(*Ok));
    Headless->Advance(1000);
    Press(*Ok, 20, 10);
    MoveTo(*Ok, 75, 10); // just outside
    Release();
    EXPECT_EQ(OkClicks, 1);
}

TEST_F(Button, SpaceClicksWhenReleasedButNotWithAlt) {
    Ok->SetFocus();
    Headless->KeyDown(win::VK_SPACE);
    Pump();
    EXPECT_TRUE(LooksPressed(*Ok));
    EXPECT_EQ(OkClicks, 0);
    Headless->KeyUp(win::VK_SPACE);
    Pump();
    EXPECT_EQ(OkClicks, 1);
    Chord(win::VK_MENU, win::VK_SPACE);
    EXPECT_EQ(OkClicks, 1);
}

TEST_F(Button, EnterClicksTheDefaultButtonAndEscapeTheCancelButtonWithoutModifiers) {
    Ok->SetDefault(true);
    Cancel->SetCancel(true);
    List->SetFocus();
    Key(win::VK_RETURN);
    EXPECT_EQ(OkClicks, 1);
    Key(win::VK_ESCAPE);
    EXPECT_EQ(CancelClicks, 1);
    Chord(win::VK_SHIFT, win::VK_RETURN);
    Chord(win::VK_CONTROL, win::VK_ESCAPE);
    EXPECT_EQ(OkClicks, 1);
    EXPECT_EQ(CancelClicks, 1);
}

TEST_F(Button, EnterClicksTheFocusedButtonRatherThanTheDefaultOne) {
    Ok->SetDefault(true);
    Cancel->SetFocus();
    Key(win::VK_RETURN);
    EXPECT_EQ(CancelClicks, 1);
    EXPECT_EQ(OkClicks, 0);
    List->SetFocus();
    Key(win::VK_RETURN);
    EXPECT_EQ(OkClicks, 1);
}

TEST_F(Button, AcceleratorsClickWithAltAndAloneWhereTheFocusedControlTakesNoCharacters) {
    List->SetFocus();
    Chord(win::VK_MENU, 'C');
    EXPECT_EQ(CancelClicks, 1);
    Headless->Text("o"); // the list takes characters itself
    Pump();
    EXPECT_EQ(OkClicks, 0);
    Ok->SetFocus();
    Headless->Text("c");
    Pump();
    EXPECT_EQ(CancelClicks, 2);
    EXPECT_TRUE(IsAccel(U'b', "A&b"));
    EXPECT_FALSE(IsAccel(U'a', "&&a"));
    EXPECT_TRUE(IsAccel(U'X', "&&a &x"));
}

TEST_F(Button, AClickSetsTheFormsModalResultBeforeItsHandlerRuns) {
    Ok->SetModalResult(mrOk);
    TModalResult seen = mrNone;
    Ok->OnClick = [&](TObject*) { seen = Form->ModalResult(); };
    Click(*Ok, 10, 10);
    EXPECT_EQ(seen, mrOk);
    Headless->Advance(1000);
    Click(*Cancel, 10, 10); // a button without a modal result sets it to none
    EXPECT_EQ(Form->ModalResult(), mrNone);
}

TEST_F(Button, AFocusedButtonShowsAFocusFrameAndADisabledOneAnEmbossedCaption) {
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    const auto count = [&](gdi::COLORREF colour) {
        int found = 0;
        for (int y = 5; y < 20; ++y)
            for (int x = 5; x < 70; ++x)
                found += Pixel(*Ok, x, y) == colour;
        return found;
    };
    EXPECT_EQ(Pixel(*Ok, 4, 4), face);
    EXPECT_GT(count(0x000000), 0); // the caption in the font's colour
    Ok->SetFocus();
    Pump();
    EXPECT_EQ(Pixel(*Ok, 4, 4), face ^ 0xFFFFFF);
    EXPECT_EQ(Pixel(*Ok, 5, 4), face);
    List->SetFocus();
    Ok->SetEnabled(false);
    Pump();
    EXPECT_EQ(count(0x000000), 0);
    EXPECT_GT(count(gdi::GetSysColor(gdi::COLOR_BTNSHADOW)), 0);
    EXPECT_GT(count(gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT)), 0);
}

TEST_F(Button, ADisabledButtonTakesNoClicksNoKeysAndNoAccelerator) {
    Ok->SetDefault(true);
    Ok->SetEnabled(false);
    Click(*Ok, 10, 10);
    List->SetFocus();
    Key(win::VK_RETURN);
    Chord(win::VK_MENU, 'O');
    EXPECT_EQ(OkClicks, 0);
    EXPECT_FALSE(Ok->Focused());
}

TEST_F(Button, WithThemesOnTheButtonIsTheThemesPushButtonInEachState) {
    platform::Answers().ThemesActive = true;
    Ok->Invalidate();
    Pump();
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    // The element as the engine draws it over the form's colour, at a pixel of the left
    // border or ring and one of the face above the caption.
    const auto element = [face](int state) {
        gdi::test::TCanvas canvas(75, 25, face);
        theme::DrawThemeBackground(canvas.DC(), theme::tcButton, theme::BP_PUSHBUTTON, state,
                                   {0, 0, 75, 25});
        return std::pair{canvas.At(1, 12), canvas.At(37, 2)};
    };
    const auto shown = [&] { return std::pair{Pixel(*Ok, 1, 12), Pixel(*Ok, 37, 2)}; };
    EXPECT_EQ(shown(), element(theme::PBS_NORMAL));
    EXPECT_EQ(Pixel(*Ok, 0, 0), face); // a rounded corner shows the form
    MoveTo(*Ok, 20, 10);
    EXPECT_EQ(shown(), element(theme::PBS_HOT));
    Headless->MouseDown(win::VK_LBUTTON);
    Pump();
    EXPECT_EQ(shown(), element(theme::PBS_PRESSED));
    Release();
    MoveTo(*Form, 250, 150);
    EXPECT_EQ(shown(), element(theme::PBS_DEFAULTED)); // focused by the press
    // The focus frame three pixels in: dark dots on the light face.
    EXPECT_LT(gdi::GetRValue(Pixel(*Ok, 3, 3)), 64);
    EXPECT_GT(gdi::GetRValue(Pixel(*Ok, 3, 2)), 128);
    List->SetFocus();
    Ok->SetEnabled(false);
    Pump();
    EXPECT_EQ(shown(), element(theme::PBS_DISABLED));
}

} // namespace
} // namespace guitest
