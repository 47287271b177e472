// Keyboard focus, key and character messages, and activation.

#include "harness.h"

namespace wintest {
namespace {

class Keyboard : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        Main = TopLevel(MainRecorder, {0, 0, 200, 100}, WS_CAPTION | WS_VISIBLE);
        First = Child(FirstRecorder, Main, {0, 0, 50, 50}, WS_VISIBLE | WS_TABSTOP);
        Second = Child(SecondRecorder, Main, {50, 0, 100, 50}, WS_VISIBLE | WS_TABSTOP);
        Pump();
        Log.clear();
    }

    TLog Keys() const {
        return Only(Log, {"WM_KEYDOWN", "WM_KEYUP", "WM_SYSKEYDOWN", "WM_SYSKEYUP", "WM_CHAR",
                          "WM_SYSCHAR"});
    }

    TRecorder MainRecorder{"main", Log}, FirstRecorder{"first", Log}, SecondRecorder{"second", Log};
    HWND Main = nullptr, First = nullptr, Second = nullptr;
};

TEST_F(Keyboard, FocusMovesWithKillAndSetFocus) {
    EXPECT_EQ(GetFocus(), Main);
    EXPECT_EQ(SetFocus(First), Main);
    EXPECT_EQ(SetFocus(Second), First);
    EXPECT_EQ(Log, (TLog{"main WM_KILLFOCUS", "first WM_SETFOCUS", "first WM_KILLFOCUS",
                         "second WM_SETFOCUS"}));
    EXPECT_EQ(HWND(FirstRecorder.Last[WM_KILLFOCUS].wParam), Second);
    EXPECT_EQ(HWND(SecondRecorder.Last[WM_SETFOCUS].wParam), First);
    EXPECT_EQ(GetFocus(), Second);
}

TEST_F(Keyboard, KeysAndCharactersGoToTheFocusWindow) {
    SetFocus(First);
    Log.clear();
    Headless->Key(VK_RETURN);
    Headless->Key(VK_ESCAPE);
    Headless->KeyDown('A');
    Headless->Text("a\xC3\xA9"); // "aé"
    Headless->KeyUp('A');
    Pump();
    EXPECT_EQ(Keys(),
              (TLog{"first WM_KEYDOWN", "first WM_CHAR", "first WM_KEYUP", "first WM_KEYDOWN",
                    "first WM_CHAR", "first WM_KEYUP", "first WM_KEYDOWN", "first WM_CHAR",
                    "first WM_CHAR", "first WM_KEYUP"}));
    EXPECT_EQ(FirstRecorder.Last[WM_CHAR].wParam, 0xE9u);
    EXPECT_EQ(SecondRecorder.Count(WM_KEYDOWN), 0);

    std::vector<WPARAM> characters;
    FirstRecorder.Handlers[WM_CHAR] = [&](HWND, WPARAM wParam, LPARAM) {
        characters.push_back(wParam);
        return LRESULT(0);
    };
    Headless->Key(VK_RETURN);
    Headless->Key(VK_ESCAPE);
    Headless->Key(VK_TAB);
    Headless->Key(VK_BACK);
    Headless->KeyDown(VK_CONTROL);
    Headless->Key('C');
    Headless->KeyUp(VK_CONTROL);
    Pump();
    EXPECT_EQ(characters, (std::vector<WPARAM>{13, 27, 9, 8, 3}));
}

TEST_F(Keyboard, AltWithALetterIsASystemKeyAndCharacter) {
    SetFocus(First);
    Log.clear();
    Headless->KeyDown(VK_MENU);
    Headless->KeyDown('O');
    Headless->Text("o"); // what a desktop may still deliver: dropped while Alt is held
    Headless->KeyUp('O');
    Headless->KeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(Keys(), (TLog{"first WM_SYSKEYDOWN", "first WM_SYSKEYDOWN", "first WM_SYSCHAR",
                            "first WM_SYSKEYUP", "first WM_SYSKEYUP"}));
    EXPECT_EQ(FirstRecorder.Last[WM_SYSCHAR].wParam, WPARAM('o'));
    EXPECT_NE(FirstRecorder.Last[WM_SYSCHAR].lParam & (LPARAM(1) << 29), 0);
}

TEST_F(Keyboard, ModifierStateIsThatOfTheMessageRetrieved) {
    SetFocus(First);
    std::vector<bool> shifted;
    FirstRecorder.Handlers[WM_KEYDOWN] = [&](HWND, WPARAM, LPARAM) {
        shifted.push_back(GetKeyState(VK_SHIFT) < 0);
        return LRESULT(0);
    };
    Headless->Key('X');
    Headless->KeyDown(VK_RSHIFT);
    Headless->Key('X');
    Headless->KeyUp(VK_RSHIFT);
    Headless->Key('X');
    Pump();
    EXPECT_EQ(shifted, (std::vector<bool>{false, true, true, false}));
}

TEST_F(Keyboard, DisablingTakesTheFocusAndDropsKeys) {
    SetFocus(First);
    EnableWindow(First, false);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(FirstRecorder.Count(WM_KILLFOCUS), 1);
    Log.clear();
    Headless->Key(VK_SPACE); // with no focus, keys go to the active window
    Pump();
    EXPECT_EQ(Keys(), (TLog{"main WM_KEYDOWN", "main WM_KEYUP"}));

    EnableWindow(Main, false);
    Log.clear();
    Headless->Key(VK_SPACE);
    Pump();
    EXPECT_TRUE(Keys().empty());
}

TEST_F(Keyboard, ActivationGivesTheFocusBackToWhereItWas) {
    SetFocus(Second);
    TRecorder other("other", Log);
    const HWND second = TopLevel(other, {300, 0, 400, 100}, WS_CAPTION | WS_VISIBLE);
    EXPECT_EQ(GetFocus(), second);
    EXPECT_EQ(SecondRecorder.Count(WM_KILLFOCUS), 1);
    SetActiveWindow(Main);
    EXPECT_EQ(GetFocus(), Second);

    // Focusing a window of an inactive top-level window activates that first.
    SetFocus(second);
    EXPECT_EQ(GetActiveWindow(), second);
    SetFocus(First);
    EXPECT_EQ(GetActiveWindow(), Main);
    EXPECT_EQ(GetFocus(), First);
}

} // namespace
} // namespace wintest
