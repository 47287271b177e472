// The message queue: order, filters, quitting, timers and the headless idle hook.

#include "harness.h"

namespace wintest {
namespace {

class Queue : public TWindowTest {};

TEST_F(Queue, PostedMessagesComeInOrderBeforePaintAndTimers) {
    TRecorder main("main", Log);
    const HWND window = TopLevel(main, {0, 0, 100, 100}, WS_CAPTION | WS_VISIBLE);
    SetTimer(window, 5, 10);
    Headless->Advance(10);
    PostMessage(window, WM_USER, 1, 0);
    PostMessage(window, WM_COMMAND, 2, 0);
    Log.clear();
    Pump();
    EXPECT_EQ(Log, (TLog{"main WM_USER", "main WM_COMMAND", "main WM_PAINT", "main WM_ERASEBKGND",
                         "main WM_TIMER"}));
    EXPECT_EQ(main.Last[WM_TIMER].wParam, 5u);
}

TEST_F(Queue, PeekingFiltersAndLeavesMessagesWhenAskedTo) {
    TRecorder first("first", Log), second("second", Log);
    const HWND a = TopLevel(first, {0, 0, 10, 10});
    const HWND b = TopLevel(second, {0, 0, 10, 10});
    PostMessage(a, WM_USER, 0, 0);
    PostMessage(b, WM_USER + 1, 0, 0);
    PostMessage(nullptr, WM_APP, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessage(&message, b, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(message.message, WM_USER + 1);
    ASSERT_TRUE(PeekMessage(&message, nullptr, WM_APP, WM_APP, PM_REMOVE));
    EXPECT_EQ(message.hwnd, nullptr);
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, a);
    ASSERT_TRUE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.hwnd, b);
    EXPECT_FALSE(PeekMessage(&message, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(Queue, QuitEndsGetMessageAfterThePostedMessages) {
    TRecorder main("main", Log);
    const HWND window = TopLevel(main, {0, 0, 10, 10});
    PostMessage(window, WM_USER, 0, 0);
    PostQuitMessage(3);
    MSG message;
    EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), 1);
    EXPECT_EQ(message.message, WM_USER);
    EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), 0);
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
}

TEST_F(Queue, TimersFollowTheClockAndStopWhenKilled) {
    TRecorder main("main", Log);
    const HWND window = TopLevel(main, {0, 0, 10, 10});
    SetTimer(window, 1, 100);
    SetTimer(window, 2, 250);
    Headless->Advance(99);
    Pump();
    EXPECT_EQ(main.Count(WM_TIMER), 0);
    Headless->Advance(1);
    Pump();
    EXPECT_EQ(main.Count(WM_TIMER), 1);
    EXPECT_EQ(main.Last[WM_TIMER].wParam, 1u);
    Headless->Advance(150);
    Pump();
    EXPECT_EQ(main.Count(WM_TIMER), 3); // timer 1 again, then timer 2
    EXPECT_EQ(main.Last[WM_TIMER].wParam, 2u);
    EXPECT_TRUE(KillTimer(window, 1));
    EXPECT_FALSE(KillTimer(window, 1));
    Headless->Advance(1000);
    Pump();
    EXPECT_EQ(main.Count(WM_TIMER), 4); // only timer 2, once: missed periods do not pile up
}

TEST_F(Queue, AWaitingLoopWithoutScriptEndsInsteadOfHanging) {
    MSG message;
    EXPECT_THROW(GetMessage(&message, nullptr, 0, 0), EMessageLoopBlocked);
    Headless->SetIdleHook([] {});
    EXPECT_THROW(GetMessage(&message, nullptr, 0, 0), EMessageLoopBlocked);
}

TEST_F(Queue, TheIdleHookScriptsWhatTheLoopWaitsFor) {
    TRecorder main("main", Log);
    const HWND window = TopLevel(main, {0, 0, 10, 10});
    SetTimer(window, 9, 500);
    Script({[&] { Headless->Advance(500); }, [&] { PostQuitMessage(0); }});
    MSG message;
    int timers = 0;
    while (GetMessage(&message, nullptr, 0, 0) > 0) {
        DispatchMessage(&message);
        timers += message.message == WM_TIMER;
    }
    EXPECT_EQ(timers, 1);
    EXPECT_EQ(GetTickCount(), 1500u);
}

} // namespace
} // namespace wintest
