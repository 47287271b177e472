// Popup menus: where the window goes, choosing with the mouse and the keys, the ways it is
// dismissed, and when the chosen item's handler runs.

#include "gui/menus/menus.h"
#include "gui/menus/menuwindow.h"
#include "gui/stdctrls/button.h"
#include "tests/gui/controls/fixture.h"

namespace guitest {
namespace {

constexpr int LineHeight = 19; // Tahoma at height -11, and six pixels
constexpr int SeparatorHeight = 9;
constexpr int Frame = 3;

class Menus : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = NewForm(300, 200);
        Menu = new TPopupMenu(Form);
    }

    TMenuItem* AddItem(const std::string& caption, bool enabled = true) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(caption);
        item->SetEnabled(enabled);
        item->OnClick = [this, item](TObject*) {
            Chosen.push_back(item->Caption());
            WindowGoneWhenChosen = !win::FindWindow(PopupMenuWindowClass, nullptr);
            ShowingWhenChosen = Menu->Showing();
        };
        Menu->Add(item);
        return item;
    }

    // Web, a separator, About: the lines start at 3, 22 and 31.
    void AddStandardItems() {
        AddItem("&Web");
        AddItem("-");
        AddItem("A&bout");
    }

    static win::HWND MenuWindow() { return win::FindWindow(PopupMenuWindowClass, nullptr); }

    static win::RECT MenuRect() {
        win::RECT rect{};
        win::GetWindowRect(MenuWindow(), &rect);
        return rect;
    }

    // A point of the showing menu's client area, in screen coordinates.
    static TPoint OnMenu(int x, int y) {
        const win::RECT rect = MenuRect();
        return {rect.left + x, rect.top + y};
    }

    void QueueKeys(std::initializer_list<win::UINT> keys) {
        for (win::UINT key : keys)
            Headless->Key(key);
    }

    TForm* Form = nullptr;
    TPopupMenu* Menu = nullptr;
    std::vector<std::string> Chosen;
    bool WindowGoneWhenChosen = false;
    bool ShowingWhenChosen = true;
};

TEST_F(Menus, TheMenuOpensAtThePointAndStaysOnTheScreen) {
    AddStandardItems();
    win::RECT rect{};
    Script({[&] {
        rect = MenuRect();
        Headless->Key(win::VK_ESCAPE);
    }});
    Menu->Popup(100, 120);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 120);
    EXPECT_EQ(rect.Height(), 2 * Frame + 2 * LineHeight + SeparatorHeight);
    EXPECT_EQ(MenuWindow(), nullptr);

    const int width = rect.Width();
    Script({[&] {
        rect = MenuRect();
        Headless->Key(win::VK_ESCAPE);
    }});
    Menu->Popup(1000, 760);
    EXPECT_EQ(rect.right, 1000); // to the left of the point
    EXPECT_EQ(rect.bottom, 760); // and above it
    EXPECT_EQ(rect.Width(), width);
}

TEST_F(Menus, TheItemUnderThePointerIsHighlightedAndAClickChoosesItAfterClosing) {
    AddStandardItems();
    const gdi::COLORREF highlight = gdi::GetSysColor(gdi::COLOR_HIGHLIGHT);
    const gdi::COLORREF menu = gdi::GetSysColor(gdi::COLOR_MENU);
    const int aboutY = Frame + LineHeight + SeparatorHeight + 2;
    Script({[&] {
                const TPoint about = OnMenu(10, aboutY);
                Headless->MouseMove(about.X, about.Y);
            },
            [&] {
                EXPECT_EQ(Headless->Pixel(MenuWindow(), 10, aboutY), highlight);
                EXPECT_EQ(Headless->Pixel(MenuWindow(), 10, Frame + 2), menu);
                const TPoint about = OnMenu(10, aboutY);
                Headless->Click(about.X, about.Y, win::VK_LBUTTON);
            }});
    Menu->Popup(100, 120);
    EXPECT_EQ(Chosen, (std::vector<std::string>{"A&bout"}));
    EXPECT_TRUE(WindowGoneWhenChosen);
    EXPECT_FALSE(ShowingWhenChosen);
}

TEST_F(Menus, PressingOutsideEscapeAndLosingTheCaptureOrActivationDismissIt) {
    AddStandardItems();
    auto* button = Add<TButton>(Form, 200, 150, 75, 25);
    int buttonClicks = 0;
    button->OnClick = [&](TObject*) { ++buttonClicks; };
    auto* other = NewForm(100, 100);
    Form->SetFocus();
    Pump();
    const auto post = [&] { win::PostMessage(Form->Handle(), win::WM_NULL, 0, 0); };

    Script({[&] { QueueClick(*button, 5, 5); }});
    Menu->Popup(100, 120);
    EXPECT_EQ(buttonClicks, 0); // the press only closed the menu
    Script({[&] { Headless->Key(win::VK_ESCAPE); }});
    Menu->Popup(100, 120);
    Script({[&] {
        win::ReleaseCapture();
        post();
    }});
    Menu->Popup(100, 120);
    Script({[&] {
        win::SetActiveWindow(other->Handle());
        post();
    }});
    Menu->Popup(100, 120);
    EXPECT_TRUE(Chosen.empty());
    EXPECT_EQ(MenuWindow(), nullptr);
}

TEST_F(Menus, KeysMoveOverTheItemsSkippingSeparatorsAndEnterChooses) {
    AddStandardItems();
    AddItem("&Off", false);
    Script({[&] { QueueKeys({win::VK_DOWN, win::VK_DOWN, win::VK_RETURN}); }});
    Menu->Popup(100, 120);
    Script({[&] { QueueKeys({win::VK_UP, win::VK_UP, win::VK_RETURN}); }});
    Menu->Popup(100, 120);
    Script({[&] { QueueKeys({win::VK_END, win::VK_DOWN, win::VK_RETURN}); }});
    Menu->Popup(100, 120);
    // Enter on a disabled item does nothing; the menu stays until Escape.
    Script({[&] {
                QueueKeys({win::VK_HOME, win::VK_UP, win::VK_RETURN});
            },
            [&] {
                EXPECT_NE(MenuWindow(), nullptr);
                Headless->Key(win::VK_ESCAPE);
            }});
    Menu->Popup(100, 120);
    EXPECT_EQ(Chosen, (std::vector<std::string>{"A&bout", "A&bout", "&Web"}));
}

TEST_F(Menus, AnAcceleratorChoosesItsItemOrMovesAmongItemsSharingIt) {
    AddStandardItems();
    AddItem("&Alpha");
    AddItem("&Another");
    Script({[&] { Headless->Text("B"); }});
    Menu->Popup(100, 120);
    Script({[&] {
        Headless->Text("a");
        Headless->Text("a");
        Headless->Key(win::VK_RETURN);
    }});
    Menu->Popup(100, 120);
    EXPECT_EQ(Chosen, (std::vector<std::string>{"A&bout", "&Another"}));
}

TEST_F(Menus, AQuitRequestClosesTheMenuAndReachesTheLoopOutside) {
    AddStandardItems();
    Script({[&] { Application.Terminate(); }});
    Menu->Popup(100, 120);
    win::MSG message;
    ASSERT_TRUE(win::PeekMessage(&message, nullptr, 0, 0, win::PM_REMOVE));
    EXPECT_EQ(message.message, win::WM_QUIT);
}

TEST_F(Menus, AMenuDestroyedWhileItShowsIsLeftAlone) {
    AddStandardItems();
    Script({[&] {
        delete Menu;
        Headless->Key(win::VK_RETURN);
        Headless->Key(win::VK_DOWN);
        Headless->Key(win::VK_RETURN);
    }});
    Menu->Popup(100, 120);
    EXPECT_TRUE(Chosen.empty());
    EXPECT_EQ(Form->ComponentCount(), 0);
}

} // namespace
} // namespace guitest
