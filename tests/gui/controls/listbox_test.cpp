// List boxes: which user actions report a click, keyboard selection and scrolling, the
// states owner-drawn items get, and what the list draws itself.

#include "fixture.h"
#include "gui/stdctrls/listbox.h"

#include <map>

namespace guitest {
namespace {

constexpr int ItemHeight = 20;

class ListBox : public TGuiTest {
protected:
    void SetUp() override {
        TGuiTest::SetUp();
        Form = NewForm();
        // 150 x 104 outside the edge, 146 x 100 inside: five items of 20 pixels.
        List = Add<TListBox>(Form, 10, 10, 150, 104);
        List->SetStyle(lbOwnerDrawFixed);
        List->SetItemHeight(ItemHeight);
        Other = Add<TListBox>(Form, 170, 10, 100, 100);
        List->OnClick = [this](TObject*) { ++Clicks; };
        List->OnDrawItem = [this](TWinControl*, int index, TRect rect, TOwnerDrawState state) {
            Drawn[index] = state;
            TCanvas& canvas = *List->Canvas();
            canvas.Brush().SetColor(clWhite);
            canvas.FillRect(rect);
            if (state.Contains(odFocused))
                canvas.DrawFocusRect(rect);
        };
    }

    void Fill(int count) {
        for (int i = 0; i < count; ++i)
            List->Items()->Add(std::string(1, char('A' + i)));
        Pump();
    }

    // The centre of item index in the list's client area, as it is scrolled now.
    TPoint ItemCentre(int index) const {
        const TRect rect = List->ItemRect(index);
        return {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2};
    }

    void ClickItem(int index) {
        const TPoint centre = ItemCentre(index);
        Click(*List, centre.X, centre.Y);
    }

    TForm* Form = nullptr;
    TListBox* List = nullptr;
    TListBox* Other = nullptr;
    int Clicks = 0;
    std::map<int, TOwnerDrawState> Drawn;
};

TEST_F(ListBox, EveryClickOnAnItemIsReportedOnceTheSelectedOneIncluded) {
    Fill(3);
    ClickItem(2);
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Clicks, 1);
    Headless->Advance(1000); // no double click
    ClickItem(2);
    EXPECT_EQ(Clicks, 2);
    Headless->Advance(1000);
    Click(*List, 10, 3 * ItemHeight + 5); // below the last item
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Clicks, 2);
}

TEST_F(ListBox, ADoubleClickReportsOneClickAndTheDoubleClick) {
    Fill(3);
    int doubleClicks = 0;
    List->OnDblClick = [&](TObject*) { ++doubleClicks; };
    ClickItem(1);
    ClickItem(1);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListBox, DraggingWithTheButtonHeldMovesTheSelectionAndClicksOnRelease) {
    Fill(4);
    const TPoint first = ItemCentre(0);
    const TPoint third = ItemCentre(2);
    Press(*List, first.X, first.Y);
    EXPECT_EQ(List->ItemIndex(), 0);
    MoveTo(*List, third.X, third.Y);
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Clicks, 0);
    MoveTo(*Form, 290, 190); // outside the list, still captured
    Release();
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Clicks, 1);
}

// The press has already selected its item; the click that follows it keeps a list that acts
// on its selection in step with it, however the press ends.
TEST_F(ListBox, APressCutShortByLosingTheFocusOrTheCaptureStillReportsItsClick) {
    Fill(4);
    const TPoint second = ItemCentre(1);
    Press(*List, second.X, second.Y);
    Key(win::VK_TAB);
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(Clicks, 1);
    Release();
    EXPECT_EQ(Clicks, 1);

    Headless->Advance(1000);
    const TPoint third = ItemCentre(2);
    Press(*List, third.X, third.Y);
    win::SetCapture(Other->Handle());
    EXPECT_EQ(Clicks, 2);
    Release();
    EXPECT_EQ(List->ItemIndex(), 2);
    EXPECT_EQ(Clicks, 2);

    Headless->Advance(1000);
    Press(*List, second.X, second.Y);
    delete List;
    EXPECT_EQ(Clicks, 2);
    Release();
}

TEST_F(ListBox, SelectingFromCodeReportsNothingAndRepaintsOnlyTheOldAndNewItem) {
    Fill(5);
    List->SetItemIndex(1);
    Pump();
    Drawn.clear();
    List->SetItemIndex(3);
    Pump();
    EXPECT_EQ(Clicks, 0);
    ASSERT_EQ(Drawn.size(), 2u);
    EXPECT_FALSE(Drawn.at(1).Contains(odSelected));
    EXPECT_TRUE(Drawn.at(3).Contains(odSelected));
    List->SetItemIndex(7); // no such item
    EXPECT_EQ(List->ItemIndex(), -1);
}

TEST_F(ListBox, KeysMoveTheSelectionScrollAndReportEachChange) {
    Fill(8);
    List->SetFocus();
    Key(win::VK_DOWN); // from no selection to the first item
    EXPECT_EQ(List->ItemIndex(), 0);
    Key(win::VK_UP); // already at the top: no change, no click
    EXPECT_EQ(Clicks, 1);
    Key(win::VK_DOWN);
    EXPECT_EQ(List->ItemIndex(), 1);
    Key(win::VK_END);
    EXPECT_EQ(List->ItemIndex(), 7);
    EXPECT_EQ(List->TopIndex(), 3);
    Key(win::VK_PRIOR); // a page less one item
    EXPECT_EQ(List->ItemIndex(), 3);
    Key(win::VK_HOME);
    EXPECT_EQ(List->ItemIndex(), 0);
    EXPECT_EQ(List->TopIndex(), 0);
    Key(win::VK_NEXT);
    EXPECT_EQ(List->ItemIndex(), 4);
    EXPECT_EQ(Clicks, 6);
}

TEST_F(ListBox, AKeyHandlerThatTakesTheKeyKeepsItFromTheList) {
    Fill(3);
    List->SetFocus();
    List->OnKeyDown = [](TObject*, TKey& key, TShiftState) {
        if (key == win::VK_DOWN)
            key = 0;
    };
    Key(win::VK_DOWN);
    EXPECT_EQ(List->ItemIndex(), -1);
    Key(win::VK_END);
    EXPECT_EQ(List->ItemIndex(), 2);
}

TEST_F(ListBox, TheWheelScrollsThreeItemsPerNotchWithinTheItems) {
    Fill(8);
    MoveTo(*List, 20, 20);
    Headless->Wheel(-win::WHEEL_DELTA);
    Pump();
    EXPECT_EQ(List->TopIndex(), 3);
    Headless->Wheel(-win::WHEEL_DELTA);
    Pump();
    EXPECT_EQ(List->TopIndex(), 3); // the last page is full
    EXPECT_EQ(List->ItemAtPos({5, 5}, true), 3);
    Headless->Wheel(2 * win::WHEEL_DELTA);
    Pump();
    EXPECT_EQ(List->TopIndex(), 0);
}

TEST_F(ListBox, ItemAtPosFindsOnlyExistingItems) {
    Fill(3);
    EXPECT_EQ(List->ItemAtPos({5, 0}, true), 0);
    EXPECT_EQ(List->ItemAtPos({5, 2 * ItemHeight + 19}, true), 2);
    EXPECT_EQ(List->ItemAtPos({5, 3 * ItemHeight}, true), -1);
    EXPECT_EQ(List->ItemAtPos({5, 3 * ItemHeight}, false), 3);
    EXPECT_EQ(List->ItemAtPos({5, 100}, false), -1); // below the client area
    EXPECT_EQ(List->ItemAtPos({-1, 5}, true), -1);
}

TEST_F(ListBox, OwnerDrawnItemsAreFocusedOnlyWhileTheListHasTheFocus) {
    Fill(3);
    List->SetItemIndex(1);
    List->SetFocus();
    Pump();
    EXPECT_EQ(Drawn.at(1), (TOwnerDrawState{odSelected, odFocused}));
    EXPECT_TRUE(Drawn.at(0).Empty());
    Other->SetFocus();
    Pump();
    EXPECT_EQ(Drawn.at(1), TOwnerDrawState{odSelected});
}

TEST_F(ListBox, TheHandlersFocusRectangleIsTheOnlyOne) {
    Fill(2);
    List->SetItemIndex(0);
    List->SetFocus();
    Pump();
    // The dotted frame over a white item: black where x + y is even, on every side.
    EXPECT_EQ(Pixel(*List, 0, 0), 0x000000u);
    EXPECT_EQ(Pixel(*List, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(Pixel(*List, 145, 19), 0x000000u);
    EXPECT_EQ(Pixel(*List, 10, 10), 0xFFFFFFu);
}

TEST_F(ListBox, StandardItemsShowTheHighlightAndTheirOwnFocusRectangle) {
    List->SetStyle(lbStandard);
    Fill(3);
    List->SetItemIndex(1);
    List->SetFocus();
    Pump();
    const int height = List->ItemRect(1).Height();
    EXPECT_EQ(height, 13); // a line of Tahoma -11
    const gdi::COLORREF highlight = gdi::GetSysColor(gdi::COLOR_HIGHLIGHT);
    EXPECT_EQ(Pixel(*List, 100, height + 5), highlight);
    EXPECT_EQ(Pixel(*List, 100, 5), 0xFFFFFFu); // an unselected item on the list's colour
    // The focus frame XORs the highlight at alternate pixels of the item's edge.
    EXPECT_EQ(Pixel(*List, 0, height + 1), highlight ^ 0xFFFFFFu);
    EXPECT_EQ(Pixel(*List, 0, height), highlight);
}

TEST_F(ListBox, TheClientAreaLiesInsideATwoPixelSunkenEdge) {
    Pump();
    EXPECT_EQ(List->ClientWidth(), 146);
    EXPECT_EQ(List->ClientHeight(), 100);
    EXPECT_EQ(Pixel(*List, -2, -2), gdi::GetSysColor(gdi::COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(*List, -1, -1), gdi::GetSysColor(gdi::COLOR_3DDKSHADOW));
    EXPECT_EQ(Pixel(*List, 147, 101), gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT));
}

TEST_F(ListBox, ItemChangesKeepTheSelectionOnItsItemAndClearingResetsIt) {
    Fill(8);
    List->SetItemIndex(6);
    EXPECT_EQ(List->TopIndex(), 2);
    List->Items()->Insert(0, "new");
    EXPECT_EQ(List->ItemIndex(), 7);
    List->Items()->Delete(7);
    EXPECT_EQ(List->ItemIndex(), -1);
    List->Clear();
    EXPECT_EQ(List->ItemIndex(), -1);
    EXPECT_EQ(List->TopIndex(), 0);
    EXPECT_EQ(List->Count(), 0);
}

TEST_F(ListBox, ADisabledListTakesNoInput) {
    Fill(3);
    List->SetEnabled(false);
    ClickItem(1);
    EXPECT_EQ(List->ItemIndex(), -1);
    EXPECT_EQ(Clicks, 0);
}

} // namespace
} // namespace guitest
