// Window icons: the handles WM_SETICON keeps per window and what the backend is given to show.

#include "harness.h"
#include "tests/platform/commctrl/pixels.h"

namespace wintest {
namespace {

using commctrl::HICON;
using commctrl::TIconRgba;
using testing_commctrl::Argb;

// A 1 x 1 alpha icon of one colour, and the straight RGBA bytes a desktop takes it in.
commctrl::TOwnedIcon Dot(int a, int r, int g, int b) {
    return testing_commctrl::MakeIcon(1, 1, {Argb(a, r, g, b)}, {false});
}
TIconRgba DotRgba(int a, int r, int g, int b) {
    return {1, 1, {BYTE(r), BYTE(g), BYTE(b), BYTE(a)}};
}

HICON SetIcon(HWND window, WPARAM kind, HICON icon) {
    return reinterpret_cast<HICON>(
        SendMessage(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon)));
}
HICON GetIcon(HWND window, WPARAM kind) {
    return reinterpret_cast<HICON>(SendMessage(window, WM_GETICON, kind, 0));
}

class WindowIcon : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        Window = TopLevel(Recorder, {0, 0, 60, 40});
    }

    TRecorder Recorder{"main", Log};
    HWND Window = nullptr;
};

TEST_F(WindowIcon, EachKindKeepsItsOwnHandleAndSettingReturnsThePreviousOne) {
    const auto first = Dot(255, 1, 1, 1), second = Dot(255, 2, 2, 2), third = Dot(255, 3, 3, 3);
    EXPECT_EQ(SetIcon(Window, ICON_BIG, first.Get()), nullptr);
    EXPECT_EQ(SetIcon(Window, ICON_SMALL, second.Get()), nullptr);
    EXPECT_EQ(SetIcon(Window, ICON_BIG, third.Get()), first.Get());
    EXPECT_EQ(GetIcon(Window, ICON_BIG), third.Get());
    EXPECT_EQ(GetIcon(Window, ICON_SMALL), second.Get());

    // Kinds the window system does not know change nothing.
    EXPECT_EQ(SetIcon(Window, 2, first.Get()), nullptr);
    EXPECT_EQ(GetIcon(Window, 2), nullptr);
    EXPECT_EQ(GetIcon(Window, ICON_BIG), third.Get());

    EXPECT_EQ(SetIcon(Window, ICON_SMALL, nullptr), second.Get());
    EXPECT_EQ(GetIcon(Window, ICON_SMALL), nullptr);
    EXPECT_EQ(GetIcon(Window, ICON_BIG), third.Get());

    // The window never owned them: destroying it leaves them to their owner.
    DestroyWindow(Window);
    EXPECT_TRUE(commctrl::IsIcon(first.Get()));
    EXPECT_TRUE(commctrl::IsIcon(third.Get()));
}

TEST_F(WindowIcon, HandlesThatAreNoIconAreIgnored) {
    auto kept = Dot(255, 10, 20, 30);
    HICON destroyed = Dot(255, 40, 50, 60).Release();
    commctrl::DestroyIcon(destroyed);
    int notAnIcon = 0;
    SetIcon(Window, ICON_BIG, kept.Get());
    EXPECT_EQ(SetIcon(Window, ICON_BIG, destroyed), nullptr);
    EXPECT_EQ(SetIcon(Window, ICON_BIG, reinterpret_cast<HICON>(&notAnIcon)), nullptr);
    EXPECT_EQ(GetIcon(Window, ICON_BIG), kept.Get());
    EXPECT_EQ(Headless->Icon(Window), DotRgba(255, 10, 20, 30));

    // An icon its owner destroyed while the window had it is not handed out again.
    kept.Reset();
    EXPECT_EQ(GetIcon(Window, ICON_BIG), nullptr);
    const auto next = Dot(255, 1, 2, 3);
    EXPECT_EQ(SetIcon(Window, ICON_BIG, next.Get()), nullptr);
}

TEST_F(WindowIcon, TheBackendShowsTheBigIconElseTheSmallOneOfTopLevelWindowsOnly) {
    TRecorder childRecorder("child", Log);
    const HWND child = Child(childRecorder, Window, {5, 5, 20, 20});
    const auto small = Dot(255, 10, 20, 30), otherSmall = Dot(64, 70, 80, 90);
    const auto big = testing_commctrl::MakeIcon(2, 1, {Argb(128, 200, 100, 50), 0}, {false, true});
    const TIconRgba bigRgba{2, 1, {200, 100, 50, 128, 0, 0, 0, 0}};
    EXPECT_FALSE(Headless->Icon(Window));

    SetIcon(Window, ICON_SMALL, small.Get());
    EXPECT_EQ(Headless->Icon(Window), DotRgba(255, 10, 20, 30));
    SetIcon(Window, ICON_BIG, big.Get());
    EXPECT_EQ(Headless->Icon(Window), bigRgba);
    SetIcon(Window, ICON_SMALL, otherSmall.Get());
    EXPECT_EQ(Headless->Icon(Window), bigRgba);
    SetIcon(Window, ICON_BIG, nullptr);
    EXPECT_EQ(Headless->Icon(Window), DotRgba(64, 70, 80, 90));
    SetIcon(Window, ICON_SMALL, nullptr);
    EXPECT_FALSE(Headless->Icon(Window));

    EXPECT_EQ(SetIcon(child, ICON_BIG, big.Get()), nullptr);
    EXPECT_EQ(GetIcon(child, ICON_BIG), big.Get());
    EXPECT_FALSE(Headless->Icon(child));
    EXPECT_FALSE(Headless->Icon(Window));

    SetIcon(Window, ICON_BIG, big.Get());
    DestroyWindow(Window);
    EXPECT_FALSE(Headless->Icon(Window));
}

} // namespace
} // namespace wintest
