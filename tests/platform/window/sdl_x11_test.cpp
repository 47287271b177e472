// The SDL backend on a virtual X display of the test's own, which also plays the other
// program: it makes X errors and destroys the backend's windows under it.

#include "harness.h"
#include "platform/window/queue.h"
#include "tests/support/xvfb.h"

#include <X11/Xlib.h>
#include <functional>
#include <vector>

namespace wintest {
namespace {

constexpr char Title[] = "Window under test";

class SdlOnX : public ::testing::Test {
protected:
    void SetUp() override {
        Other = XOpenDisplay(VirtualDisplay.Name().c_str());
        ASSERT_NE(Other, nullptr);
        UseSdlBackend();
        RegisterClass({0, nullptr, nullptr, "Plain"});
        Recorder.Handlers[WM_TIMER] = [](HWND, WPARAM, LPARAM) { return LRESULT(0); };
        PaintWith(Recorder, gdi::RGB(0, 128, 0));
        Window = CreateWindowEx(0, "Plain", Title, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 100, 100,
                                300, 200, nullptr, &Recorder);
        ASSERT_NE(Window, nullptr);
        SetTimer(Window, 1, 10);
        ASSERT_TRUE(RunUntil([&] { return !Shown().empty(); }));
    }

    void TearDown() override {
        Shutdown();
        if (Other)
            XCloseDisplay(Other);
    }

    // Runs the message loop until `done` holds, for at most ten seconds; the window's timer
    // wakes it every 10 ms to ask.
    bool RunUntil(const std::function<bool()>& done) {
        const DWORD deadline = GetTickCount() + 10000;
        MSG message;
        while (!done()) {
            if (GetTickCount() > deadline || GetMessage(&message, nullptr, 0, 0) <= 0)
                return false;
            TranslateMessage(&message);
            DispatchMessage(&message);
        }
        return true;
    }

    // The viewable X windows titled Title, as another program sees them.
    std::vector<::Window> Shown() {
        std::vector<::Window> found;
        ::Window root = 0, parent = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(Other, DefaultRootWindow(Other), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes{};
            if (XFetchName(Other, children[i], &name) && name && std::string(name) == Title &&
                XGetWindowAttributes(Other, children[i], &attributes) &&
                attributes.map_state == IsViewable)
                found.push_back(children[i]);
            XFree(name);
        }
        XFree(children);
        return found;
    }

    testsupport::TVirtualDisplay VirtualDisplay;
    Display* Other = nullptr;
    TLog Log;
    TRecorder Recorder{"window", Log};
    HWND Window = nullptr;
};

// Xlib's default handler would end the process on this error.
TEST_F(SdlOnX, AnXErrorLeavesTheProgramRunning) {
    XMapWindow(Other, ::Window(0x3));
    XSync(Other, False);
    InvalidateRect(Window, nullptr, true);
    EXPECT_TRUE(RunUntil([&] { return !GetUpdateRect(Window, nullptr); }));
}

TEST_F(SdlOnX, AWindowAnotherProgramDestroysComesBackAndIsAskedToClose) {
    Recorder.Handlers[WM_CLOSE] = [](HWND, WPARAM, LPARAM) { return LRESULT(0); };
    const ::Window first = Shown().front();
    XDestroyWindow(Other, first);
    XSync(Other, False);
    ASSERT_TRUE(RunUntil([&] { return Recorder.Count(WM_CLOSE) == 1; }));
    // Refused: the window lives on in a new native window, painted and usable.
    ASSERT_TRUE(RunUntil([&] { return Shown().size() == 1 && Shown().front() != first; }));
    EXPECT_TRUE(IsWindowVisible(Window));
    InvalidateRect(Window, nullptr, true);
    EXPECT_TRUE(RunUntil([&] { return !GetUpdateRect(Window, nullptr); }));

    // Accepted: the window goes, and its native window with it.
    Recorder.Handlers.erase(WM_CLOSE);
    XDestroyWindow(Other, Shown().front());
    XSync(Other, False);
    EXPECT_TRUE(RunUntil([&] { return !IsWindow(Window); }));
    EXPECT_EQ(Shown(), std::vector<::Window>{});
}

} // namespace
} // namespace wintest
