// Mouse routing: the deepest enabled window, capture, enter and leave, disabled windows,
// double clicks, cursors and the wheel.

#include "harness.h"

namespace wintest {
namespace {

class Mouse : public TWindowTest {
protected:
    // A shown window at the screen origin with two children side by side.
    void SetUp() override {
        TWindowTest::SetUp();
        Main = TopLevel(MainRecorder, {0, 0, 200, 100}, WS_CAPTION | WS_VISIBLE);
        Left = Child(LeftRecorder, Main, {10, 10, 60, 60});
        Right = Child(RightRecorder, Main, {100, 10, 150, 60});
        Pump();
        Log.clear();
    }

    TLog Pointer() const {
        return Only(Log, {"WM_MOUSEMOVE", "WM_LBUTTONDOWN", "WM_LBUTTONUP", "WM_LBUTTONDBLCLK",
                          "WM_MOUSEENTER", "WM_MOUSELEAVE", "WM_CAPTURECHANGED"});
    }

    TRecorder MainRecorder{"main", Log}, LeftRecorder{"left", Log}, RightRecorder{"right", Log};
    HWND Main = nullptr, Left = nullptr, Right = nullptr;
};

TEST_F(Mouse, InputGoesToTheDeepestWindowInItsClientCoordinates) {
    Headless->MouseMove(15, 20);
    Headless->MouseDown(VK_LBUTTON);
    Headless->KeyDown(VK_SHIFT);
    Headless->MouseUp(VK_LBUTTON);
    Pump();
    EXPECT_EQ(Pointer(), (TLog{"left WM_MOUSEENTER", "left WM_MOUSEMOVE", "left WM_LBUTTONDOWN",
                               "left WM_LBUTTONUP"}));
    EXPECT_EQ(LeftRecorder.Last[WM_LBUTTONDOWN].lParam, MAKELPARAM(5, 10));
    EXPECT_EQ(LeftRecorder.Last[WM_LBUTTONDOWN].wParam, MK_LBUTTON);
    EXPECT_EQ(LeftRecorder.Last[WM_LBUTTONUP].wParam, MK_SHIFT);
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    EXPECT_EQ(GetKeyState(VK_LBUTTON), 0);
    POINT point;
    GetCursorPos(&point);
    EXPECT_EQ(point, (POINT{15, 20}));
}

TEST_F(Mouse, EnterAndLeaveFollowThePointerAndTheCapture) {
    Headless->MouseMove(20, 20);
    Pump();
    Headless->MouseMove(80, 20);
    Pump();
    Headless->MouseMove(120, 20);
    Pump();
    EXPECT_EQ(Only(Log, {"WM_MOUSEENTER", "WM_MOUSELEAVE"}),
              (TLog{"left WM_MOUSEENTER", "left WM_MOUSELEAVE", "main WM_MOUSEENTER",
                    "main WM_MOUSELEAVE", "right WM_MOUSEENTER"}));

    // While the right child holds the capture it alone sees the pointer, even outside.
    Log.clear();
    RightRecorder.Handlers[WM_LBUTTONDOWN] = [](HWND window, WPARAM, LPARAM) {
        SetCapture(window);
        return LRESULT(0);
    };
    RightRecorder.Handlers[WM_LBUTTONUP] = [](HWND, WPARAM, LPARAM) {
        ReleaseCapture();
        return LRESULT(0);
    };
    Headless->MouseDown(VK_LBUTTON);
    Pump();
    Headless->MouseMove(20, 20);
    Pump();
    Headless->MouseUp(VK_LBUTTON);
    Pump();
    EXPECT_EQ(Pointer(),
              (TLog{"right WM_LBUTTONDOWN", "right WM_MOUSEMOVE", "right WM_LBUTTONUP",
                    "right WM_CAPTURECHANGED", "right WM_MOUSELEAVE", "left WM_MOUSEENTER"}));
    EXPECT_EQ(RightRecorder.Last[WM_MOUSEMOVE].lParam, MAKELPARAM(-80, 10));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Mouse, DisabledWindowsDropTheirInput) {
    Headless->MouseMove(20, 20);
    Pump();
    EnableWindow(Left, false);
    EXPECT_EQ(LeftRecorder.Count(WM_ENABLE), 1);
    Log.clear();
    Headless->Click(25, 25, VK_LBUTTON);
    Pump();
    EXPECT_EQ(Pointer(), (TLog{"left WM_MOUSELEAVE"}));
    EXPECT_EQ(MainRecorder.Count(WM_LBUTTONDOWN), 0);

    // A disabled top-level window, as an owner is under a modal window, drops it all.
    EnableWindow(Left, true);
    EnableWindow(Main, false);
    Log.clear();
    Headless->Click(120, 20, VK_LBUTTON);
    Headless->Click(80, 80, VK_LBUTTON);
    Pump();
    EXPECT_TRUE(Pointer().empty());
    EXPECT_FALSE(IsWindowEnabled(Right));
}

TEST_F(Mouse, TwoPressesCloseInTimeAndPlaceMakeADoubleClick) {
    auto presses = [&] { return Only(Log, {"WM_LBUTTONDOWN", "WM_LBUTTONDBLCLK"}); };
    Headless->Click(20, 20, VK_LBUTTON);
    Headless->Advance(500);
    Headless->Click(22, 22, VK_LBUTTON);
    Headless->Advance(100);
    Headless->Click(22, 22, VK_LBUTTON); // a third press starts again
    Pump();
    EXPECT_EQ(presses(),
              (TLog{"left WM_LBUTTONDOWN", "left WM_LBUTTONDBLCLK", "left WM_LBUTTONDOWN"}));

    Log.clear();
    Headless->Advance(1000);
    Headless->Click(20, 20, VK_LBUTTON);
    Headless->Advance(501);
    Headless->Click(20, 20, VK_LBUTTON); // too late
    Headless->Advance(100);
    Headless->Click(23, 20, VK_LBUTTON); // too far
    Pump();
    EXPECT_EQ(presses(),
              (TLog{"left WM_LBUTTONDOWN", "left WM_LBUTTONDOWN", "left WM_LBUTTONDOWN"}));

    // Without the class style a window never sees double clicks.
    RegisterClass({0, nullptr, nullptr, "Single"});
    TRecorder single("single", Log);
    Child(single, Main, {60, 60, 90, 90}, WS_VISIBLE, 0, "Single");
    Log.clear();
    Headless->Advance(1000);
    Headless->Click(70, 70, VK_LBUTTON);
    Headless->Click(70, 70, VK_LBUTTON);
    Pump();
    EXPECT_EQ(presses(), (TLog{"single WM_LBUTTONDOWN", "single WM_LBUTTONDOWN"}));
}

// Another program's window opens under the resting pointer and closes again: the window
// below is left, and the next press starts a new count, however soon it comes.
TEST_F(Mouse, APressAfterThePointerVisitedAnotherProgramIsNoDoubleClick) {
    Headless->Click(20, 20, VK_LBUTTON);
    Headless->MouseLeave();
    Pump();
    EXPECT_EQ(Pointer(), (TLog{"left WM_MOUSEENTER", "left WM_MOUSEMOVE", "left WM_LBUTTONDOWN",
                               "left WM_LBUTTONUP", "left WM_MOUSELEAVE"}));
    Log.clear();
    Headless->Click(20, 20, VK_LBUTTON);
    Pump();
    EXPECT_EQ(Pointer(), (TLog{"left WM_MOUSEENTER", "left WM_MOUSEMOVE", "left WM_LBUTTONDOWN",
                               "left WM_LBUTTONUP"}));
}

TEST_F(Mouse, TheWindowUnderThePointerChoosesTheCursor) {
    RegisterClass({0, LoadCursor(IDC_HAND), nullptr, "Link"});
    TRecorder link("link", Log);
    Child(link, Main, {160, 10, 190, 40}, WS_VISIBLE, 0, "Link");
    Headless->MouseMove(170, 20);
    Pump();
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_HAND));
    EXPECT_EQ(CursorResource(GetCursor()), 32649);
    EXPECT_EQ(LOWORD(WPARAM(link.Last[WM_SETCURSOR].lParam)), HTCLIENT);
    Headless->MouseMove(20, 20);
    Pump();
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_ARROW));

    // A parent that answers WM_SETCURSOR decides for its children.
    MainRecorder.Handlers[WM_SETCURSOR] = [](HWND, WPARAM, LPARAM) {
        SetCursor(LoadCursor(IDC_WAIT));
        return LRESULT(1);
    };
    Headless->MouseMove(170, 20);
    Pump();
    EXPECT_EQ(GetCursor(), LoadCursor(IDC_WAIT));
    EXPECT_EQ(LoadCursor(12345), nullptr);
}

TEST_F(Mouse, TheWheelBubblesUpToAParentThatTakesIt) {
    MainRecorder.Handlers[WM_MOUSEWHEEL] = [](HWND, WPARAM, LPARAM) { return LRESULT(0); };
    Headless->MouseMove(20, 20);
    Headless->Wheel(-WHEEL_DELTA);
    Pump();
    EXPECT_EQ(Only(Log, {"WM_MOUSEWHEEL"}), (TLog{"left WM_MOUSEWHEEL", "main WM_MOUSEWHEEL"}));
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(MainRecorder.Last[WM_MOUSEWHEEL].wParam), -WHEEL_DELTA);
    EXPECT_EQ(MainRecorder.Last[WM_MOUSEWHEEL].lParam, MAKELPARAM(20, 20));
}

TEST_F(Mouse, PressingOnAnotherWindowActivatesIt) {
    TRecorder other("other", Log);
    const HWND second = TopLevel(other, {300, 0, 400, 100}, WS_CAPTION | WS_VISIBLE);
    EXPECT_EQ(GetActiveWindow(), second);
    Log.clear();
    Headless->Click(50, 80, VK_LBUTTON);
    Pump();
    EXPECT_EQ(GetActiveWindow(), Main);
    EXPECT_EQ(LOWORD(MainRecorder.Last[WM_ACTIVATE].wParam), WA_CLICKACTIVE);
    EXPECT_EQ(Only(Log, {"WM_ACTIVATE", "WM_LBUTTONDOWN"}),
              (TLog{"other WM_ACTIVATE", "main WM_ACTIVATE", "main WM_LBUTTONDOWN"}));

    // Borderless popups (menus) take clicks without taking activation.
    TRecorder menu("menu", Log);
    const HWND popup = CreateWindowEx(0, "Plain", "", WS_POPUP, 500, 500, 50, 50, Main, &menu);
    ShowWindow(popup, SW_SHOWNA);
    Headless->Click(510, 510, VK_LBUTTON);
    Pump();
    EXPECT_EQ(GetActiveWindow(), Main);
    EXPECT_EQ(menu.Count(WM_LBUTTONDOWN), 1);
}

} // namespace
} // namespace wintest
