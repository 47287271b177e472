// Nested message loops, the message box and the caption's close box.

#include "harness.h"
#include "platform/gdi/syscolors.h"

namespace wintest {
namespace {

class Modal : public TWindowTest {
protected:
    void SetUp() override {
        TWindowTest::SetUp();
        MainRecorder.Handlers[WM_DESTROY] = [](HWND, WPARAM, LPARAM) {
            PostQuitMessage(0);
            return LRESULT(0);
        };
        Main = TopLevel(MainRecorder, {200, 200, 600, 500}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
        Pump();
        Log.clear();
    }

    // The message box on screen, if there is one.
    static HWND Box() { return FindWindow(MessageBoxClass, nullptr); }

    // The screen point at the centre of a window's client area.
    static POINT CentreOf(HWND window) {
        RECT client;
        GetClientRect(window, &client);
        POINT centre{client.right / 2, client.bottom / 2};
        ClientToScreen(window, &centre);
        return centre;
    }

    TRecorder MainRecorder{"main", Log};
    HWND Main = nullptr;
};

TEST_F(Modal, ALoopInsideAHandlerProcessesInputAndReturns) {
    bool nestedDone = false;
    int clicksInside = 0;
    MainRecorder.Handlers[WM_RBUTTONDOWN] = [&](HWND, WPARAM, LPARAM) {
        MSG message;
        while (!nestedDone && GetMessage(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessage(&message);
        }
        return LRESULT(0);
    };
    MainRecorder.Handlers[WM_LBUTTONDOWN] = [&](HWND, WPARAM, LPARAM) {
        ++clicksInside;
        return LRESULT(0);
    };
    MainRecorder.Handlers[WM_CHAR] = [&](HWND, WPARAM wParam, LPARAM) {
        nestedDone = wParam == 27;
        return LRESULT(0);
    };
    Script({[&] { Headless->Click(300, 300, VK_RBUTTON); },
            [&] { Headless->Click(310, 310, VK_LBUTTON); }, [&] { Headless->Key(VK_ESCAPE); },
            [&] {
                EXPECT_TRUE(nestedDone); // the outer loop runs again
                DestroyWindow(Main);
            }});
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessage(&message);
    }
    EXPECT_EQ(clicksInside, 1);
    EXPECT_FALSE(IsWindow(Main));
}

TEST_F(Modal, TheMessageBoxShowsItsTextOverItsDisabledOwnerUntilEnter) {
    HWND box = nullptr;
    Script({[&] {
                box = Box();
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(GetWindowText(box), "Launch");
                EXPECT_EQ(GetWindowText(GetDlgItem(box, IDC_STATIC_TEXT)),
                          "Cannot find 'FileWriter.exe'.");
                EXPECT_EQ(GetParent(box), Main);
                EXPECT_FALSE(IsWindowEnabled(Main));
                EXPECT_EQ(GetActiveWindow(), box);
                EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK));
                SetActiveWindow(Main); // reaching for the owner brings the box forward
                EXPECT_EQ(GetActiveWindow(), box);
                RECT outer, owner;
                GetWindowRect(box, &outer);
                GetWindowRect(Main, &owner);
                EXPECT_LE(std::abs((outer.left + outer.right) - (owner.left + owner.right)), 1);
                EXPECT_LE(std::abs((outer.top + outer.bottom) - (owner.top + owner.bottom)), 1);
                Headless->Click(400, 250, VK_LBUTTON); // the disabled owner ignores this
            },
            [&] { Headless->Key(VK_RETURN); }});
    EXPECT_EQ(MessageBox(Main, "Cannot find 'FileWriter.exe'.", "Launch", MB_OK | MB_ICONERROR),
              IDOK);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(IsWindowEnabled(Main));
    EXPECT_EQ(GetActiveWindow(), Main);
    EXPECT_EQ(MainRecorder.Count(WM_LBUTTONDOWN), 0);
}

// A window and the dialog it owns: the box disables both, and gives back only what it took.
TEST_F(Modal, TheMessageBoxDisablesItsOwnerAndTheOwnersOwner) {
    TRecorder dialogRecorder("dialog", Log);
    const HWND dialog =
        TopLevel(dialogRecorder, {250, 250, 450, 400}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Main);
    Script({[&] {
                EXPECT_EQ(GetParent(Box()), dialog);
                EXPECT_FALSE(IsWindowEnabled(dialog));
                EXPECT_FALSE(IsWindowEnabled(Main));
                Headless->Click(300, 300, VK_LBUTTON); // the disabled windows ignore this
            },
            [&] { Headless->Key(VK_RETURN); }});
    MessageBox(dialog, "Done.", "", MB_OK);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_TRUE(IsWindowEnabled(Main));
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(dialogRecorder.Count(WM_LBUTTONDOWN), 0);
}

// A box asked for by the main window while a modal dialog blocks it must block the dialog,
// or every click on the dialog could open another box.
TEST_F(Modal, ABoxForAWindowThatAModalDialogBlocksBelongsToTheDialog) {
    TRecorder dialogRecorder("dialog", Log);
    const HWND dialog =
        TopLevel(dialogRecorder, {250, 250, 450, 400}, WS_CAPTION | WS_SYSMENU | WS_VISIBLE, Main);
    EnableWindow(Main, false);
    Script({[&] {
                const HWND box = Box();
                EXPECT_EQ(GetParent(box), dialog);
                EXPECT_FALSE(IsWindowEnabled(dialog));
                SetActiveWindow(Main); // reaching for either brings the box forward
                EXPECT_EQ(GetActiveWindow(), box);
                SetActiveWindow(dialog);
                EXPECT_EQ(GetActiveWindow(), box);
                Headless->Click(300, 300, VK_LBUTTON);
            },
            [&] { Headless->Key(VK_RETURN); }});
    MessageBox(Main, "Cannot open 'https://example.org'.", "", MB_OK | MB_ICONERROR);
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_FALSE(IsWindowEnabled(Main)); // still the dialog's to give back
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(dialogRecorder.Count(WM_LBUTTONDOWN), 0);
}

TEST_F(Modal, TheMessageBoxClosesWithItsButtonSpaceAndEscape) {
    const auto clickButton = [&] {
        const POINT centre = CentreOf(GetDlgItem(Box(), IDOK));
        Headless->Click(centre.x, centre.y, VK_LBUTTON);
    };
    for (const std::function<void()>& answer : std::vector<std::function<void()>>{
             clickButton, [&] { Headless->Key(VK_SPACE); }, [&] { Headless->Key(VK_ESCAPE); }}) {
        Script({answer});
        EXPECT_EQ(MessageBox(Main, "Done.", "", MB_OK | MB_ICONINFORMATION), IDOK);
        EXPECT_EQ(Box(), nullptr);
    }
}

TEST_F(Modal, AButtonPressReleasedElsewhereDoesNotCloseTheBox) {
    HWND box = nullptr;
    Script({[&] {
                box = Box();
                const POINT centre = CentreOf(GetDlgItem(box, IDOK));
                Headless->MouseMove(centre.x, centre.y);
                Headless->MouseDown(VK_LBUTTON);
                Headless->MouseMove(centre.x + 200, centre.y);
                Headless->MouseUp(VK_LBUTTON);
            },
            [&] {
                EXPECT_TRUE(IsWindow(box));
                Headless->Key(VK_RETURN);
            }});
    MessageBox(Main, "Still here?", "Question", MB_OK);
    EXPECT_FALSE(IsWindow(box));
}

TEST_F(Modal, TheMessageBoxIsDrawnWithIconTextAndButton) {
    Script({[&] {
        const HWND box = Box();
        const HWND text = GetDlgItem(box, IDC_STATIC_TEXT);
        const HWND button = GetDlgItem(box, IDOK);
        const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
        EXPECT_EQ(Headless->Pixel(box, 2, 2), face);
        EXPECT_EQ(Headless->Pixel(box, 11 + 16, 11 + 4), gdi::RGB(220, 0, 0)); // error icon
        RECT client;
        GetClientRect(text, &client);
        int ink = 0;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                ink += Headless->Pixel(text, x, y) != face;
        EXPECT_GT(ink, 20);
        GetClientRect(button, &client);
        EXPECT_EQ(client, (RECT{0, 0, 75, 23}));
        EXPECT_EQ(Headless->Pixel(button, 0, 0), gdi::GetSysColor(gdi::COLOR_WINDOWFRAME));
        Headless->Key(VK_RETURN);
    }});
    MessageBox(Main, "Something went wrong.", "Error", MB_OK | MB_ICONERROR);
}

TEST_F(Modal, AQuitRequestEndsTheBoxAndReachesTheOuterLoop) {
    Script({[] { PostQuitMessage(7); }});
    EXPECT_EQ(MessageBox(Main, "text", "caption", MB_OK), IDOK);
    EXPECT_EQ(Box(), nullptr);
    MSG message;
    EXPECT_EQ(GetMessage(&message, nullptr, 0, 0), 0);
    EXPECT_EQ(message.wParam, 7u);
}

TEST_F(Modal, TheCloseBoxClosesOnlyAnEnabledWindow) {
    EnableWindow(Main, false);
    Headless->CloseBox(Main);
    Pump();
    EXPECT_TRUE(IsWindow(Main));
    EnableWindow(Main, true);
    Headless->CloseBox(Main);
    MSG message;
    while (GetMessage(&message, nullptr, 0, 0) > 0)
        DispatchMessage(&message);
    EXPECT_EQ(Only(Log, {"WM_SYSCOMMAND", "WM_CLOSE", "WM_DESTROY"}),
              (TLog{"main WM_SYSCOMMAND", "main WM_CLOSE", "main WM_DESTROY"}));
    EXPECT_FALSE(IsWindow(Main));
}

} // namespace
} // namespace wintest
