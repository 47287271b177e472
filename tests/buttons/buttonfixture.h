#pragma once
// A form with styled buttons on the headless window system, in the classic look or with
// themes active.

#include "buttons/styledbutton.h"
#include "gui/stdctrls/listbox.h"
#include "platform/system/answers.h"
#include "tests/gui/controls/fixture.h"

namespace buttontest {

// Counts its paints, so that a test can tell a repaint from none once input is handled.
class TCountingButton : public TStyledButton {
public:
    using TStyledButton::TStyledButton;
    int Paints = 0;
    TButtonLook LookNow() const { return Look(); }
    TRect CaptionRect() const { return GetCaptionRect(); }
    bool Suppressed() const { return DropDownSuppressed(); }

protected:
    void Paint() override {
        ++Paints;
        TStyledButton::Paint();
    }
};

class TButtonTest : public guitest::TGuiTest {
protected:
    // Starts in the classic look; UseThemes switches.
    void SetUp() override {
        FSaved = platform::Answers();
        platform::Answers().ThemesActive = false;
        guitest::TGuiTest::SetUp();
        Form = NewForm();
        Ok = AddButton(10, 10, 75, 25, "&OK", OkClicks);
        Other = AddButton(100, 10, 75, 25, "&Cancel", OtherClicks);
        List = Add<TListBox>(Form, 10, 50, 100, 100);
        Pump();
    }
    void TearDown() override {
        guitest::TGuiTest::TearDown();
        platform::Answers() = FSaved;
    }

    TCountingButton* AddButton(int left, int top, int width, int height, const std::string& caption,
                               int& clicks) {
        auto* button = Add<TCountingButton>(Form, left, top, width, height);
        button->SetCaption(caption);
        button->OnClick = [&clicks](TObject*) { ++clicks; };
        return button;
    }

    void UseThemes(bool value) {
        platform::Answers().ThemesActive = value;
        Form->Invalidate();
        for (int i = 0; i < Form->ControlCount(); ++i)
            Form->Controls(i)->Invalidate();
        Pump();
    }

    void SpaceDown() {
        Headless->KeyDown(win::VK_SPACE);
        Pump();
    }
    void SpaceUp() {
        Headless->KeyUp(win::VK_SPACE);
        Pump();
    }

    TForm* Form = nullptr;
    TCountingButton* Ok = nullptr;
    TCountingButton* Other = nullptr;
    TListBox* List = nullptr;
    int OkClicks = 0;
    int OtherClicks = 0;

private:
    platform::TPlatformAnswers FSaved;
};

} // namespace buttontest
