// The SDL backend on a virtual X display of the test's own, which also plays the other
// program: it makes X errors and destroys the backend's windows under it.

#include "harness.h"
#include "platform/window/queue.h"
#include "tests/platform/commctrl/pixels.h"
#include "tests/support/window_manager.h"
#include "tests/support/xvfb.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <filesystem>
#include <functional>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
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

    // The viewable X windows titled Title, as another program sees them: at the top of the
    // tree, or inside the frames of a window manager.
    std::vector<::Window> Shown() {
        std::vector<::Window> found;
        CollectShown(DefaultRootWindow(Other), found);
        return found;
    }

    void CollectShown(::Window parent, std::vector<::Window>& found) {
        ::Window root = 0, above = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        if (!XQueryTree(Other, parent, &root, &above, &children, &count))
            return;
        for (unsigned i = 0; i < count; ++i) {
            char* name = nullptr;
            XWindowAttributes attributes{};
            if (XFetchName(Other, children[i], &name) && name && std::string(name) == Title) {
                if (XGetWindowAttributes(Other, children[i], &attributes) &&
                    attributes.map_state == IsViewable)
                    found.push_back(children[i]);
            } else {
                CollectShown(children[i], found);
            }
            XFree(name);
        }
        XFree(children);
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

// What a window manager reads of the program's windows, read by the other program.
class SdlHintsOnX : public SdlOnX {
protected:
    // The X window of a shown window.
    ::Window NativeOf(HWND window) {
        const std::string title = GetWindowText(window);
        ::Window root = 0, parent = 0, found = 0;
        ::Window* children = nullptr;
        unsigned count = 0;
        XQueryTree(Other, DefaultRootWindow(Other), &root, &parent, &children, &count);
        for (unsigned i = 0; i < count; ++i) {
            char* name = nullptr;
            if (XFetchName(Other, children[i], &name) && name && name == title)
                found = children[i];
            XFree(name);
        }
        XFree(children);
        return found;
    }

    HWND Shown(HWND owner, DWORD style, const char* title) {
        const HWND window =
            CreateWindowEx(0, "Plain", title, style | WS_VISIBLE, 20, 20, 80, 60, owner, &Recorder);
        EXPECT_TRUE(RunUntil([&] { return NativeOf(window) != 0; })) << title;
        return window;
    }

    // A 32-bit property's items; empty when the window lacks it.
    std::vector<unsigned long> Longs(::Window window, const char* property) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        std::vector<unsigned long> items;
        if (XGetWindowProperty(Other, window, AtomNamed(property), 0, 1 << 20, False,
                               AnyPropertyType, &type, &format, &count, &after, &data) == Success &&
            data && format == 32) {
            // Xlib hands 32-bit items over as longs, sign-extended.
            const auto* values = reinterpret_cast<const long*>(data);
            for (unsigned long i = 0; i < count; ++i)
                items.push_back(static_cast<unsigned long>(values[i]) & 0xFFFFFFFFu);
        }
        if (data)
            XFree(data);
        return items;
    }

    ::Atom AtomNamed(const char* name) { return XInternAtom(Other, name, False); }

    ::Window TransientFor(::Window window) {
        ::Window owner = 0;
        return XGetTransientForHint(Other, window, &owner) ? owner : 0;
    }

    ::Window GroupOf(::Window window) {
        XWMHints* hints = XGetWMHints(Other, window);
        const ::Window group = hints && (hints->flags & WindowGroupHint) ? hints->window_group : 0;
        XFree(hints);
        return group;
    }

    std::pair<std::string, std::string> ClassOf(::Window window) {
        XClassHint hint{};
        if (!XGetClassHint(Other, window, &hint))
            return {};
        std::pair<std::string, std::string> names{hint.res_name, hint.res_class};
        XFree(hint.res_name);
        XFree(hint.res_class);
        return names;
    }
};

// Motif functions (move 4, close 32, minimise 8, maximise 16, resize 2) and decorations
// (border 2, title 8, menu 16, minimise 32, maximise 64, resize handles 4).
TEST_F(SdlHintsOnX, TheWindowManagerOffersWhatTheCaptionHasAndKnowsDialogsAndMenus) {
    const HWND fixed = Shown(nullptr, WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, "Fixed");
    const HWND sizable = Shown(nullptr, WS_OVERLAPPEDWINDOW, "Sizable");
    const HWND owned = Shown(Window, WS_POPUP | WS_CAPTION | WS_SYSMENU, "Owned");
    const HWND menu = Shown(Window, WS_POPUP, "Menu");
    const ::Window main = NativeOf(Window);
    const auto motif = [&](HWND window) { return Longs(NativeOf(window), "_MOTIF_WM_HINTS"); };
    using TLongs = std::vector<unsigned long>;
    EXPECT_EQ(motif(Window), (TLongs{3, 4 | 32, 2 | 8 | 16, 0, 0}));
    EXPECT_EQ(motif(fixed), (TLongs{3, 4 | 32 | 8, 2 | 8 | 16 | 32, 0, 0}));
    EXPECT_EQ(motif(sizable), (TLongs{3, 4 | 32 | 8 | 16 | 2, 2 | 8 | 16 | 32 | 64 | 4, 0, 0}));
    EXPECT_EQ(motif(owned), motif(Window));

    const auto type = [&](HWND window) { return Longs(NativeOf(window), "_NET_WM_WINDOW_TYPE"); };
    EXPECT_EQ(type(Window), TLongs{AtomNamed("_NET_WM_WINDOW_TYPE_NORMAL")});
    EXPECT_EQ(type(owned), TLongs{AtomNamed("_NET_WM_WINDOW_TYPE_DIALOG")});
    EXPECT_EQ(type(menu), TLongs{AtomNamed("_NET_WM_WINDOW_TYPE_POPUP_MENU")});
    EXPECT_EQ(TransientFor(main), 0u);
    EXPECT_EQ(TransientFor(NativeOf(fixed)), 0u);
    EXPECT_EQ(TransientFor(NativeOf(owned)), main);
    EXPECT_EQ(TransientFor(NativeOf(menu)), main);

    // One group for all, led by a window that exists and never shows; the program's class
    // is its file name with a capital letter.
    const ::Window leader = GroupOf(main);
    XWindowAttributes attributes{};
    ASSERT_TRUE(XGetWindowAttributes(Other, leader, &attributes));
    EXPECT_EQ(attributes.map_state, IsUnmapped);
    const std::string name = std::filesystem::read_symlink("/proc/self/exe").filename().string();
    std::string className = name;
    className[0] = char(std::toupper(className[0]));
    for (const ::Window window : {main, NativeOf(fixed), NativeOf(owned), NativeOf(menu), leader}) {
        EXPECT_EQ(GroupOf(window), leader);
        EXPECT_EQ(Longs(window, "WM_CLIENT_LEADER"), TLongs{leader});
        EXPECT_EQ(Longs(window, "_NET_WM_PID"), TLongs{static_cast<unsigned long>(getpid())});
        EXPECT_EQ(ClassOf(window), std::pair(name, className));
    }
    DestroyWindow(fixed);
    DestroyWindow(sizable);
    DestroyWindow(owned);
    DestroyWindow(menu);
    EXPECT_TRUE(XGetWindowAttributes(Other, leader, &attributes));
}

// The test stands in for the window manager, which the request goes to.
TEST_F(SdlHintsOnX, AWindowShownWhileItsOwnerIsDisabledIsMadeModalForIt) {
    XSelectInput(Other, DefaultRootWindow(Other), SubstructureNotifyMask);
    XSync(Other, False);
    std::vector<::Window> madeModal;
    const auto requests = [&] {
        while (XPending(Other)) {
            XEvent event;
            XNextEvent(Other, &event);
            if (event.type == ClientMessage &&
                event.xclient.message_type == AtomNamed("_NET_WM_STATE") &&
                event.xclient.data.l[0] == 1 &&
                ::Atom(event.xclient.data.l[1]) == AtomNamed("_NET_WM_STATE_MODAL"))
                madeModal.push_back(event.xclient.window);
        }
        return madeModal;
    };
    const HWND free = Shown(Window, WS_POPUP | WS_CAPTION | WS_SYSMENU, "Free");
    EnableWindow(Window, false);
    const HWND modal = Shown(Window, WS_POPUP | WS_CAPTION | WS_SYSMENU, "Modal");
    // Requests arrive in order: the first one seen is the modal window's, none came before.
    ASSERT_TRUE(RunUntil([&] { return !requests().empty(); }));
    EXPECT_EQ(madeModal, std::vector<::Window>{NativeOf(modal)});
    DestroyWindow(free);
}

TEST_F(SdlHintsOnX, TheIconPropertyHoldsEverySize) {
    const auto square = [](int side, std::uint32_t argb) {
        return testing_commctrl::MakeIcon(side, side, testing_commctrl::TPixels(side * side, argb),
                                          std::vector<bool>(side * side, false));
    };
    const auto big = square(48, 0x80102030), small = square(16, 0xFF405060);
    const auto middle = square(32, 0xFF708090);
    SendMessage(Window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
    SetWindowIconSizes(Window, {small.Get(), middle.Get()});
    const std::vector<unsigned long> icon = Longs(NativeOf(Window), "_NET_WM_ICON");
    // Width, height, pixels as 0xAARRGGBB, for each image in turn.
    std::vector<std::pair<int, unsigned long>> images;
    for (std::size_t at = 0; at + 2 <= icon.size(); at += 2 + icon[at] * icon[at + 1]) {
        ASSERT_EQ(icon[at], icon[at + 1]);
        ASSERT_LE(at + 2 + icon[at] * icon[at + 1], icon.size());
        images.emplace_back(int(icon[at]), icon[at + 2]);
    }
    EXPECT_EQ(images, (std::vector<std::pair<int, unsigned long>>{
                          {48, 0x80102030}, {16, 0xFF405060}, {32, 0xFF708090}}));
}

// With openbox managing the windows: it adds a frame around each.
class SdlUnderWindowManager : public SdlOnX {
protected:
    void SetUp() override {
        const char* arguments[] = {"openbox", "--sm-disable", nullptr};
        ASSERT_EQ(posix_spawnp(&FManager, "openbox", nullptr, nullptr,
                               const_cast<char* const*>(arguments), environ),
                  0);
        ASSERT_TRUE(testsupport::WaitForWindowManager(VirtualDisplay.Name(), 20))
            << "openbox did not start";
        SdlOnX::SetUp();
    }

    void TearDown() override {
        SdlOnX::TearDown();
        if (FManager > 0) {
            kill(FManager, SIGTERM);
            waitpid(FManager, nullptr, 0);
        }
    }

    // Where the window's client area is on the screen, as the X server has it.
    POINT NativeClientOrigin() {
        POINT origin{-1, -1};
        ::Window child = 0;
        const std::vector<::Window> shown = Shown();
        if (!shown.empty())
            XTranslateCoordinates(Other, shown.front(), DefaultRootWindow(Other), 0, 0, &origin.x,
                                  &origin.y, &child);
        return origin;
    }

    pid_t FManager = -1;
};

// The frame is known before the first window is placed, and the window stays where the
// program puts it, its client area inside the frame.
TEST_F(SdlUnderWindowManager, WindowsArePlacedByTheirClientAreaWithTheFrameAround) {
    EXPECT_GT(GetSystemMetrics(SM_CYCAPTION), 0);
    RECT outer{};
    GetWindowRect(Window, &outer);
    EXPECT_EQ(outer.left, 100);
    EXPECT_EQ(outer.top, 100);
    const auto clientOrigin = [&] {
        POINT origin{0, 0};
        ClientToScreen(Window, &origin);
        return origin;
    };
    EXPECT_TRUE(RunUntil([&] { return NativeClientOrigin() == clientOrigin(); }));

    // Shown again, the window has its frame from the start.
    ShowWindow(Window, SW_HIDE);
    ShowWindow(Window, SW_SHOW);
    EXPECT_TRUE(RunUntil([&] { return NativeClientOrigin() == clientOrigin(); }));
    // Twice: SDL learns of the frame while the loop runs, and moves by it from then on.
    for (const POINT to : {POINT{250, 180}, POINT{40, 60}}) {
        SetWindowPos(Window, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        const POINT moved = clientOrigin();
        EXPECT_GT(moved.x, to.x);
        EXPECT_GT(moved.y, to.y + GetSystemMetrics(SM_CYCAPTION) - 1);
        EXPECT_TRUE(RunUntil([&] { return NativeClientOrigin() == moved; }))
            << "the client area is at " << NativeClientOrigin().x << "," << NativeClientOrigin().y
            << ", not " << moved.x << "," << moved.y;
        EXPECT_EQ(clientOrigin(), moved);
    }
}

} // namespace
} // namespace wintest
