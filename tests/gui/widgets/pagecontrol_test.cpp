// Page controls: where the pages go, changing the page by mouse and keyboard, the focus of
// hidden pages, removing pages, and how the tabs are drawn.

#include "gui/comctrls/pagecontrol.h"
#include "gui/stdctrls/button.h"
#include "tests/gui/controls/fixture.h"

namespace guitest {
namespace {

constexpr int TabRowHeight = 20; // a line of Tahoma at height -11, and seven pixels

class Pages : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = NewForm(400, 300);
        Control = Add<TPageControl>(Form, 10, 10, 305, 245);
        One = AddPage("One");
        Two = AddPage("Two");
        Three = AddPage("Three");
        OnOne = Add<TButton>(One, 8, 8, 75, 25);
        Outside = Add<TButton>(Form, 320, 10, 75, 25);
        Control->OnChanging = [this](TObject*, bool& allow) {
            ++Asked;
            allow = Refuse-- <= 0;
        };
        Control->OnChange = [this](TObject*) { ++Changes; };
        Pump();
    }

    TTabSheet* AddPage(const std::string& caption) {
        auto* page = new TTabSheet(Form);
        page->SetCaption(caption);
        page->SetPageControl(Control);
        return page;
    }

    void ClickTab(int index) {
        const TRect tab = Control->TabRect(index);
        Click(*Control, tab.Left + tab.Width() / 2, tab.Top + tab.Height() / 2);
    }

    void CtrlTab(bool shift) {
        Headless->KeyDown(win::VK_CONTROL);
        if (shift)
            Headless->KeyDown(win::VK_SHIFT);
        Headless->Key(win::VK_TAB);
        if (shift)
            Headless->KeyUp(win::VK_SHIFT);
        Headless->KeyUp(win::VK_CONTROL);
        Pump();
    }

    TForm* Form = nullptr;
    TPageControl* Control = nullptr;
    TTabSheet* One = nullptr;
    TTabSheet* Two = nullptr;
    TTabSheet* Three = nullptr;
    TButton* OnOne = nullptr;
    TButton* Outside = nullptr;
    int Asked = 0;
    int Refuse = 0;
    int Changes = 0;
};

TEST_F(Pages, PagesFillTheFrameBelowTheTabsAndTheFirstIsShown) {
    EXPECT_EQ(One->BoundsRect(), Rect(4, TabRowHeight + 4, 301, 241));
    EXPECT_EQ(Three->BoundsRect(), One->BoundsRect());
    EXPECT_EQ(Control->ActivePage(), One);
    EXPECT_TRUE(One->Showing());
    EXPECT_FALSE(Two->Showing());
    Control->SetBounds(10, 10, 200, 100);
    EXPECT_EQ(Two->BoundsRect(), Rect(4, TabRowHeight + 4, 196, 96));
    EXPECT_EQ(Two->PageIndex(), 1);
    Two->SetPageIndex(0);
    EXPECT_EQ(Control->Pages(0), Two);
    EXPECT_EQ(One->PageIndex(), 1);
}

TEST_F(Pages, ClickingATabAsksFirstThenShowsItsPageAndFocusesTheControl) {
    Refuse = 1;
    ClickTab(1);
    EXPECT_EQ(Control->ActivePage(), One);
    EXPECT_EQ(Changes, 0);
    ClickTab(1);
    EXPECT_EQ(Control->ActivePage(), Two);
    EXPECT_TRUE(Two->Showing());
    EXPECT_FALSE(One->Showing());
    EXPECT_EQ(Asked, 2);
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Control->Focused());
    ClickTab(1);
    EXPECT_EQ(Changes, 1); // the active tab changes nothing
    Control->SetActivePage(Three);
    EXPECT_EQ(Changes, 1); // nor does code
}

TEST_F(Pages, CtrlTabCyclesThePagesWhileTheFocusIsInsideAndHiddenFocusMovesOut) {
    OnOne->SetFocus();
    CtrlTab(false);
    EXPECT_EQ(Control->ActivePage(), Two);
    EXPECT_TRUE(Control->Focused()); // the focused button went with its page
    CtrlTab(true);
    CtrlTab(true);
    EXPECT_EQ(Control->ActivePage(), Three); // round the end
    CtrlTab(false);
    EXPECT_EQ(Control->ActivePage(), One);
    EXPECT_EQ(Changes, 4);
    Outside->SetFocus();
    CtrlTab(false);
    EXPECT_EQ(Control->ActivePage(), One);
}

TEST_F(Pages, ArrowsMoveOneTabWithoutWrappingAround) {
    Control->SetFocus();
    Key(win::VK_RIGHT);
    Key(win::VK_DOWN);
    EXPECT_EQ(Control->ActivePage(), Three);
    Key(win::VK_RIGHT);
    EXPECT_EQ(Control->ActivePage(), Three);
    Key(win::VK_LEFT);
    EXPECT_EQ(Control->ActivePage(), Two);
    EXPECT_EQ(Changes, 3);
}

TEST_F(Pages, RemovingTheActivePageShowsTheOneTakingItsPlace) {
    Control->SetActivePage(Two);
    delete Two;
    EXPECT_EQ(Control->ActivePage(), Three);
    EXPECT_TRUE(Three->Showing());
    Three->SetParent(Form);
    EXPECT_EQ(Control->ActivePage(), One);
    EXPECT_EQ(Three->PageControl(), nullptr);
    Control->SetActivePage(Three); // no longer one of its pages
    EXPECT_EQ(Control->ActivePage(), One);
    delete One;
    EXPECT_EQ(Control->ActivePage(), nullptr);
    EXPECT_EQ(Control->PageCount(), 0);
}

TEST_F(Pages, TheActiveTabStandsOutAndOpensIntoItsPage) {
    Control->SetActivePage(Two);
    Pump();
    const gdi::COLORREF highlight = gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    const TRect active = Control->TabRect(1);
    const TRect inactive = Control->TabRect(2);
    EXPECT_EQ(Pixel(*Control, active.Left + 5, 0), highlight);
    EXPECT_EQ(Pixel(*Control, inactive.Left + 5, 0), face);
    EXPECT_EQ(Pixel(*Control, inactive.Left + 5, 2), highlight);
    // The frame's inner highlight runs below the other tabs only.
    EXPECT_EQ(Pixel(*Control, active.Left + 5, TabRowHeight + 1), face);
    EXPECT_EQ(Pixel(*Control, inactive.Left + 5, TabRowHeight + 1), highlight);
    EXPECT_EQ(Control->IndexOfTabAt(active.Left - 1, 1), 1); // the active tab's margin
    EXPECT_EQ(Control->IndexOfTabAt(inactive.Right + 5, 5), -1);
}

} // namespace
} // namespace guitest
