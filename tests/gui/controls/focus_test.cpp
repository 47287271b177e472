// Keyboard focus: tab order, Tab and Shift+Tab, the arrows between buttons, the control that
// gets the focus when a form is activated, OnEnter and OnExit.

#include "fixture.h"
#include "gui/classes/exceptions.h"
#include "gui/stdctrls/button.h"
#include "gui/stdctrls/listbox.h"

namespace guitest {
namespace {

class Focus : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = Application.CreateForm<TForm>();
        Form->SetBounds(100, 100, 500, 200);
        First = Add<TButton>(Form, 10, 10, 75, 25);
        List = Add<TListBox>(Form, 10, 50, 100, 100);
        Second = Add<TButton>(Form, 120, 10, 75, 25);
        NoStop = Add<TButton>(Form, 200, 10, 75, 25);
        NoStop->SetTabStop(false);
        Hidden = Add<TButton>(Form, 280, 10, 75, 25);
        Hidden->Hide();
        Disabled = Add<TButton>(Form, 360, 10, 75, 25);
        Disabled->SetEnabled(false);
        for (TWinControl* control : std::initializer_list<TWinControl*>{First, Second, List}) {
            control->OnEnter = [this, control](TObject*) {
                Log.push_back("enter " + Name(control));
            };
            control->OnExit = [this, control](TObject*) { Log.push_back("exit " + Name(control)); };
        }
    }

    std::string Name(const TWinControl* control) const {
        return control == First ? "First" : control == Second ? "Second" : "List";
    }

    TForm* Form = nullptr;
    TButton* First = nullptr;
    TListBox* List = nullptr;
    TButton* Second = nullptr;
    TButton* NoStop = nullptr;
    TButton* Hidden = nullptr;
    TButton* Disabled = nullptr;
    std::vector<std::string> Log;
};

TEST_F(Focus, TheFirstTabStopTakesTheFocusWhenTheFormIsShown) {
    Form->Show();
    Pump();
    EXPECT_TRUE(First->Focused());
    EXPECT_EQ(Form->ActiveControl(), First);
    EXPECT_EQ(Log, std::vector<std::string>{"enter First"});
}

TEST_F(Focus, TabAndShiftTabVisitTheFocusableTabStopsInTabOrder) {
    Form->Show();
    Pump();
    Key(win::VK_TAB);
    EXPECT_TRUE(List->Focused());
    Key(win::VK_TAB);
    EXPECT_TRUE(Second->Focused());
    Key(win::VK_TAB); // past the one that is no tab stop, the hidden and the disabled one
    EXPECT_TRUE(First->Focused());
    Chord(win::VK_SHIFT, win::VK_TAB);
    EXPECT_TRUE(Second->Focused());
    EXPECT_EQ(Log, (std::vector<std::string>{"enter First", "exit First", "enter List", "exit List",
                                             "enter Second", "exit Second", "enter First",
                                             "exit First", "enter Second"}));
}

TEST_F(Focus, TabOrderFollowsChangesAndStreamsTheIndex) {
    Second->SetTabOrder(0);
    EXPECT_EQ(Second->TabOrder(), 0);
    EXPECT_EQ(First->TabOrder(), 1);
    EXPECT_EQ(List->TabOrder(), 2);
    Disabled->SetTabOrder(99); // clamped to the end
    EXPECT_EQ(Disabled->TabOrder(), 5);
    Form->Show();
    Pump();
    EXPECT_TRUE(Second->Focused());
    EXPECT_EQ(Form->FindNextControl(List, false, true, false), First);
}

TEST_F(Focus, ArrowsMoveBetweenControlsThatDoNotUseThem) {
    Form->Show();
    Pump();
    Key(win::VK_RIGHT);
    EXPECT_TRUE(List->Focused());
    List->Items()->Add("one");
    List->Items()->Add("two");
    Key(win::VK_DOWN); // the list keeps its arrows
    EXPECT_TRUE(List->Focused());
    EXPECT_EQ(List->ItemIndex(), 0);
}

TEST_F(Focus, AControlThatCannotTakeTheFocusRefusesIt) {
    Form->Show();
    Pump();
    EXPECT_THROW(Hidden->SetFocus(), EInvalidOperation);
    EXPECT_THROW(Disabled->SetFocus(), EInvalidOperation);
    EXPECT_FALSE(NoStop->Focused());
    NoStop->SetFocus(); // no tab stop, but focusable
    EXPECT_TRUE(NoStop->Focused());
}

TEST_F(Focus, TheFormRemembersItsFocusedControlAcrossActivation) {
    Form->Show();
    Pump();
    List->SetFocus();
    auto* other = new TForm(Form);
    other->SetBounds(700, 100, 200, 100);
    other->Show();
    Pump();
    EXPECT_FALSE(List->Focused());
    Form->SetFocus();
    EXPECT_TRUE(List->Focused());
    EXPECT_EQ(std::count(Log.begin(), Log.end(), "enter List"), 1); // no second OnEnter
}

TEST_F(Focus, AControlThatGoesIsForgottenAsTheActiveControl) {
    Form->Show();
    Pump();
    List->SetFocus();
    List->SetEnabled(false);
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    Second->SetFocus();
    delete Second;
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    Key(win::VK_TAB); // from nowhere to the first tab stop
    EXPECT_TRUE(First->Focused());
}

} // namespace
} // namespace guitest
