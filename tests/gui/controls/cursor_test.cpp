// Cursors: the screen's cursor table, the cursor of the control under the pointer, and the
// screen's own cursor, which overrides every control's at once.

#include "fixture.h"
#include "gui/extctrls/bevel.h"
#include "gui/stdctrls/listbox.h"

namespace guitest {
namespace {

win::HCURSOR System(int resource) {
    return win::LoadCursor(resource);
}

class Cursor : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = NewForm(300, 200);
        List = Add<TListBox>(Form, 10, 10, 100, 100);
        List->SetCursor(crIBeam);
        Bevel = Add<TBevel>(Form, 150, 10, 50, 50);
        Bevel->SetCursor(crCross);
        Pump();
    }

    TForm* Form = nullptr;
    TListBox* List = nullptr;
    TBevel* Bevel = nullptr;
};

TEST_F(Cursor, TheTableHoldsTheStandardCursorsAndCanBeRebound) {
    EXPECT_EQ(Screen.Cursors(crDefault), System(win::IDC_ARROW));
    EXPECT_EQ(Screen.Cursors(crHourGlass), System(win::IDC_WAIT));
    EXPECT_EQ(Screen.Cursors(crIBeam), System(win::IDC_IBEAM));
    // The hand slot exists before a program binds it; the layer's own stand-in is the arrow.
    EXPECT_EQ(Screen.Cursors(crHandPoint), System(win::IDC_ARROW));
    EXPECT_EQ(Screen.Cursors(77), System(win::IDC_ARROW)); // an unbound slot
    Screen.SetCursors(77, System(win::IDC_HELP));
    EXPECT_EQ(Screen.Cursors(77), System(win::IDC_HELP));
    Screen.SetCursors(77, nullptr);
    EXPECT_EQ(Screen.Cursors(77), System(win::IDC_ARROW));
}

TEST_F(Cursor, EachControlShowsItsOwnCursorUnderThePointer) {
    MoveTo(*List, 20, 20);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_IBEAM));
    MoveTo(*Bevel, 20, 20); // a graphic control: its parent shows its cursor
    EXPECT_EQ(win::GetCursor(), System(win::IDC_CROSS));
    MoveTo(*Form, 250, 150);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_ARROW));
    MoveTo(*List, 20, 20);
    List->SetCursor(crSizeAll); // changed under the pointer: shown at once
    EXPECT_EQ(win::GetCursor(), System(win::IDC_SIZEALL));
}

TEST_F(Cursor, TheScreensCursorShowsEverywhereAtOnceUntilItIsTheDefaultAgain) {
    MoveTo(*List, 20, 20);
    Screen.SetCursor(crHourGlass);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    MoveTo(*Form, 250, 150);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    MoveTo(*List, 30, 30);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_WAIT));
    Screen.SetCursor(crDefault);
    EXPECT_EQ(win::GetCursor(), System(win::IDC_IBEAM));
}

} // namespace
} // namespace guitest
