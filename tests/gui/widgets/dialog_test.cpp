// Modal dialogs: Enter clicks the default button unless another button has the focus,
// Escape the cancel button, and a button's modal result ends the dialog.

#include "gui/comctrls/pagecontrol.h"
#include "gui/stdctrls/button.h"
#include "tests/gui/controls/fixture.h"

namespace guitest {
namespace {

class Dialogs : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Main = NewForm(300, 200);
        Dialog = new TForm(Main);
        Dialog->SetBounds(150, 150, 300, 200);
        Pages = Add<TPageControl>(Dialog, 8, 8, 200, 120);
        auto* page = new TTabSheet(Dialog);
        page->SetPageControl(Pages);
        Other = Add<TButton>(page, 8, 8, 75, 25);
        Other->OnClick = [this](TObject*) { ++OtherClicks; };
        Ok = Add<TButton>(Dialog, 210, 140, 75, 25);
        Ok->SetDefault(true);
        Ok->SetModalResult(mrOk);
        Cancel = Add<TButton>(Dialog, 130, 140, 75, 25);
        Cancel->SetCancel(true);
        Cancel->SetModalResult(mrCancel);
    }

    TForm* Main = nullptr;
    TForm* Dialog = nullptr;
    TPageControl* Pages = nullptr;
    TButton* Other = nullptr;
    TButton* Ok = nullptr;
    TButton* Cancel = nullptr;
    int OtherClicks = 0;
};

TEST_F(Dialogs, EnterClicksTheDefaultButtonWhileNoOtherButtonHasTheFocus) {
    Script({[&] {
        EXPECT_EQ(Dialog->ActiveControl(), Pages); // the first tab stop
        Headless->Key(win::VK_RETURN);
    }});
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
    EXPECT_EQ(OtherClicks, 0);
}

TEST_F(Dialogs, EnterOnAnotherFocusedButtonClicksThatButtonAndTheDialogStays) {
    Script({[&] {
                Other->SetFocus();
                Headless->Key(win::VK_RETURN);
            },
            [&] {
                EXPECT_EQ(OtherClicks, 1);
                EXPECT_TRUE(Dialog->Showing());
                Headless->Key(win::VK_ESCAPE);
            }});
    EXPECT_EQ(Dialog->ShowModal(), mrCancel);
    EXPECT_EQ(OtherClicks, 1);
}

TEST_F(Dialogs, EscapeWithoutACancelButtonLeavesTheDialogOpen) {
    Cancel->SetCancel(false);
    Script({[&] { Headless->Key(win::VK_ESCAPE); },
            [&] {
                EXPECT_TRUE(Dialog->Showing());
                QueueClick(*Ok, 5, 5);
            }});
    EXPECT_EQ(Dialog->ShowModal(), mrOk);
}

} // namespace
} // namespace guitest
