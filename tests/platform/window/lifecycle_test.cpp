// Creation, showing, destruction, stale handles, geometry and stacking.

#include "harness.h"

namespace wintest {
namespace {

class Lifecycle : public TWindowTest {};

TEST_F(Lifecycle, CreateShowPaintAndDestroyArriveInOrder) {
    TRecorder main("main", Log), child("child", Log);
    CREATESTRUCT seen;
    child.Handlers[WM_CREATE] = [&](HWND, WPARAM, LPARAM lParam) {
        seen = *reinterpret_cast<const CREATESTRUCT*>(lParam);
        return LRESULT(0);
    };
    const HWND window = TopLevel(main, {100, 100, 300, 250});
    Child(child, window, {10, 10, 60, 40});
    EXPECT_EQ(seen.hwndParent, window);
    EXPECT_EQ(seen.cx, 50);
    EXPECT_EQ(seen.style, LONG(WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(Log, (TLog{"main WM_NCCREATE", "main WM_CREATE", "main WM_SIZE", "main WM_MOVE",
                         "child WM_NCCREATE", "child WM_CREATE", "child WM_SIZE", "child WM_MOVE",
                         "child WM_SHOWWINDOW"}));
    EXPECT_EQ(main.Last[WM_SIZE].lParam, MAKELPARAM(200, 150));
    EXPECT_EQ(main.Last[WM_MOVE].lParam, MAKELPARAM(100, 100));
    EXPECT_EQ(child.Last[WM_MOVE].lParam, MAKELPARAM(10, 10));

    Log.clear();
    ShowWindow(window, SW_SHOW);
    EXPECT_EQ(Log, (TLog{"main WM_SHOWWINDOW", "main WM_ACTIVATE", "main WM_SETFOCUS"}));
    EXPECT_EQ(GetActiveWindow(), window);

    Log.clear();
    Pump();
    EXPECT_EQ(Log, (TLog{"main WM_PAINT", "main WM_ERASEBKGND", "child WM_PAINT",
                         "child WM_ERASEBKGND"}));

    Log.clear();
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(Log, (TLog{"main WM_KILLFOCUS", "main WM_DESTROY", "child WM_DESTROY",
                         "child WM_NCDESTROY", "main WM_NCDESTROY"}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

TEST_F(Lifecycle, CreationFailsWhenTheProcedureRefusesIt) {
    TRecorder refusing("refusing", Log);
    refusing.Handlers[WM_CREATE] = [](HWND, WPARAM, LPARAM) { return LRESULT(-1); };
    EXPECT_EQ(TopLevel(refusing, {0, 0, 50, 50}), nullptr);
    EXPECT_EQ(refusing.Count(WM_NCDESTROY), 1);
    EXPECT_EQ(FindWindow("Plain", nullptr), nullptr);

    TRecorder main("main", Log);
    const HWND window = TopLevel(main, {0, 0, 50, 50});
    EXPECT_EQ(CreateWindowEx(0, "NoSuchClass", "", WS_CHILD, 0, 0, 5, 5, window, &main), nullptr);
    EXPECT_EQ(CreateWindowEx(0, "Plain", "", WS_CHILD, 0, 0, 5, 5, nullptr, &main), nullptr);
}

TEST_F(Lifecycle, StaleHandlesAreIgnoredEverywhere) {
    TRecorder main("main", Log), gone("gone", Log);
    const HWND window = TopLevel(main, {0, 0, 100, 100}, WS_CAPTION | WS_VISIBLE);
    const HWND stale = Child(gone, window, {0, 0, 10, 10});
    DestroyWindow(stale);
    TRecorder fresh("fresh", Log);
    const HWND next = Child(fresh, window, {0, 0, 10, 10});
    EXPECT_NE(next, stale); // handles are not reused
    Pump();
    Log.clear();
    const int before = gone.Count(WM_USER);

    RECT rect;
    POINT point{};
    MSG message;
    EXPECT_EQ(SendMessage(stale, WM_USER, 0, 0), 0);
    EXPECT_FALSE(PostMessage(stale, WM_USER, 0, 0));
    EXPECT_FALSE(SetWindowText(stale, "x"));
    EXPECT_EQ(GetWindowText(stale), "");
    EXPECT_FALSE(ShowWindow(stale, SW_SHOW));
    EXPECT_FALSE(EnableWindow(stale, false));
    EXPECT_FALSE(GetWindowRect(stale, &rect));
    EXPECT_FALSE(ClientToScreen(stale, &point));
    EXPECT_FALSE(SetWindowPos(stale, nullptr, 0, 0, 5, 5, 0));
    EXPECT_FALSE(InvalidateRect(stale, nullptr, true));
    EXPECT_EQ(BeginPaint(stale, nullptr), nullptr);
    EXPECT_EQ(GetDC(stale), nullptr);
    EXPECT_EQ(SetTimer(stale, 1, 10), 0u);
    EXPECT_EQ(SetCapture(stale), nullptr);
    EXPECT_EQ(SetFocus(stale), nullptr);
    EXPECT_EQ(GetParent(stale), nullptr);
    EXPECT_EQ(GetMessage(&message, stale, 0, 0), -1);
    EXPECT_EQ(MessageBox(stale, "text", "caption", MB_OK), 0);
    EXPECT_FALSE(DestroyWindow(stale));
    EXPECT_EQ(gone.Count(WM_USER), before);
    EXPECT_EQ(GetFocus(), window);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(Log.empty());
}

TEST_F(Lifecycle, FramesSurroundTheClientArea) {
    TRecorder main("main", Log), edged("edged", Log), popup("popup", Log);
    const HWND window = TopLevel(main, {100, 50, 300, 200});
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer, (RECT{97, 28, 303, 203})); // 3-pixel border, 19-pixel caption
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client, (RECT{0, 0, 200, 150}));

    const HWND child =
        Child(edged, window, {10, 20, 60, 60}, WS_VISIBLE | WS_BORDER, WS_EX_CLIENTEDGE);
    GetClientRect(child, &client);
    EXPECT_EQ(client, (RECT{0, 0, 44, 34}));
    POINT point{0, 0};
    ClientToScreen(child, &point);
    EXPECT_EQ(point, (POINT{113, 73}));
    ScreenToClient(window, &point);
    EXPECT_EQ(point, (POINT{13, 23}));
    POINT points[2] = {{0, 0}, {5, 5}};
    MapWindowPoints(child, window, points, 2);
    EXPECT_EQ(points[1], (POINT{18, 28}));

    const HWND menu = CreateWindowEx(0, "Plain", "", WS_POPUP, 400, 300, 80, 60, window, &popup);
    GetWindowRect(menu, &outer);
    GetClientRect(menu, &client);
    EXPECT_EQ(outer, (RECT{400, 300, 480, 360}));
    EXPECT_EQ(client, (RECT{0, 0, 80, 60}));
    EXPECT_EQ(GetParent(menu), window);
    EXPECT_EQ(GetAncestor(child, GA_ROOT), window);
}

TEST_F(Lifecycle, MovingAndSizingReportThroughWindowPosChanged) {
    TRecorder main("main", Log), child("child", Log);
    const HWND window = TopLevel(main, {0, 0, 300, 300}, WS_CAPTION | WS_VISIBLE);
    const HWND inner = Child(child, window, {10, 10, 60, 60});
    Log.clear();
    MoveWindow(inner, 20, 30, 100, 50, true);
    EXPECT_EQ(Only(Log, {"WM_WINDOWPOSCHANGED", "WM_SIZE", "WM_MOVE"}),
              (TLog{"child WM_WINDOWPOSCHANGED", "child WM_SIZE", "child WM_MOVE"}));
    EXPECT_EQ(child.Last[WM_SIZE].lParam, MAKELPARAM(100, 50));
    EXPECT_EQ(child.Last[WM_MOVE].lParam, MAKELPARAM(20, 30));

    Log.clear();
    SetWindowPos(inner, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(Only(Log, {"WM_SIZE", "WM_MOVE"}), (TLog{"child WM_MOVE"}));
    Log.clear();
    SetWindowPos(inner, nullptr, 40, 40, 100, 50, SWP_NOZORDER);
    EXPECT_TRUE(Log.empty()); // nothing changed
}

TEST_F(Lifecycle, StackingDecidesWhichWindowIsUnderAPoint) {
    TRecorder main("main", Log), first("first", Log), second("second", Log), hidden("hidden", Log);
    const HWND window = TopLevel(main, {0, 0, 200, 200}, WS_CAPTION | WS_VISIBLE);
    const HWND a = Child(first, window, {10, 10, 110, 110});
    const HWND b = Child(second, window, {50, 50, 150, 150});
    const HWND c = Child(hidden, window, {0, 0, 200, 200}, 0);
    // New children go below their older siblings.
    EXPECT_EQ(GetWindow(window, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(WindowFromPoint({60, 60}), a);
    EXPECT_EQ(WindowFromPoint({140, 140}), b);
    EXPECT_EQ(WindowFromPoint({190, 5}), window);

    BringWindowToTop(b);
    EXPECT_EQ(WindowFromPoint({60, 60}), b);
    SetWindowPos(b, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint({60, 60}), a);
    EXPECT_EQ(GetWindow(window, GW_CHILD), a);

    EXPECT_EQ(ChildWindowFromPoint(window, {190, 190}), c);
    EXPECT_EQ(ChildWindowFromPointEx(window, {190, 190}, CWP_SKIPINVISIBLE), window);
    EXPECT_EQ(ChildWindowFromPoint(window, {300, 10}), nullptr);
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(WindowFromPoint({20, 20}), window);

    int count = 0;
    EnumChildWindows(window, [&](HWND) { return ++count < 2; });
    EXPECT_EQ(count, 2);
}

TEST_F(Lifecycle, TextsIdsAndUserDataBelongToTheirWindow) {
    TRecorder main("main", Log);
    const HWND window = TopLevel(main, {0, 0, 50, 50});
    SetWindowText(window, "Brenlow");
    SetWindowLongPtr(window, GWLP_USERDATA, 1234);
    SetWindowLongPtr(window, GWLP_ID, 7);
    EXPECT_EQ(GetWindowText(window), "Brenlow");
    EXPECT_EQ(GetWindowTextLength(window), 7);
    EXPECT_EQ(GetWindowLongPtr(window, GWLP_USERDATA), 1234);
    EXPECT_EQ(FindWindow(nullptr, "Brenlow"), window);
    EXPECT_EQ(FindWindow("Plain", "Other"), nullptr);

    // The style slot keeps visibility and enabling to ShowWindow and EnableWindow.
    SetWindowLongPtr(window, GWL_STYLE, LONG_PTR(WS_POPUP | WS_VISIBLE | WS_DISABLED));
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_TRUE(IsWindowEnabled(window));
}

TEST_F(Lifecycle, OwnedWindowsGoWithTheirOwner) {
    TRecorder main("main", Log), dialog("dialog", Log);
    const HWND owner = TopLevel(main, {0, 0, 300, 300}, WS_CAPTION | WS_VISIBLE);
    const HWND owned =
        TopLevel(dialog, {50, 50, 150, 150}, WS_POPUP | WS_CAPTION | WS_VISIBLE, owner);
    EXPECT_EQ(GetActiveWindow(), owned);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    Log.clear();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
    EXPECT_EQ(
        Only(Log, {"WM_DESTROY", "WM_NCDESTROY"}),
        (TLog{"dialog WM_DESTROY", "dialog WM_NCDESTROY", "main WM_DESTROY", "main WM_NCDESTROY"}));
}

TEST_F(Lifecycle, MinimisingAndMaximisingFollowTheCaptionBoxes) {
    TRecorder fixed("fixed", Log), sizable("sizable", Log);
    const HWND window = TopLevel(fixed, {100, 100, 300, 200},
                                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE);
    ShowWindow(window, SW_MAXIMIZE);
    EXPECT_FALSE(IsZoomed(window));
    SendMessage(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
    EXPECT_EQ(fixed.Last[WM_SIZE].wParam, SIZE_MINIMIZED);
    ShowWindow(window, SW_RESTORE);
    EXPECT_FALSE(IsIconic(window));

    const HWND big = TopLevel(sizable, {100, 100, 300, 200}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ShowWindow(big, SW_MAXIMIZE);
    EXPECT_TRUE(IsZoomed(big));
    RECT rect;
    GetWindowRect(big, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 1024, 768}));
    EXPECT_EQ(sizable.Last[WM_SIZE].wParam, SIZE_MAXIMIZED);
    ShowWindow(big, SW_RESTORE);
    GetClientRect(big, &rect);
    EXPECT_EQ(rect, (RECT{0, 0, 200, 100}));
}

} // namespace
} // namespace wintest
