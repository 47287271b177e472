// The styled button's behaviour: presses and drags, Space, Enter and Escape, accelerators,
// focus, groups and enabling.

#include "buttonfixture.h"
#include "gui/extctrls/panel.h"

#include <gtest/gtest.h>

namespace buttontest {
namespace {

using Behaviour = TButtonTest;

TEST_F(Behaviour, APressClicksOnceWhenReleasedInsideAfterDraggingOutAndBack) {
    Press(*Ok, 20, 10);
    EXPECT_TRUE(Ok->Focused());
    EXPECT_TRUE(Ok->PressedLook());
    MoveTo(*Form, 250, 150);
    EXPECT_FALSE(Ok->PressedLook());
    MoveTo(*Ok, 74, 24);
    EXPECT_TRUE(Ok->PressedLook());
    EXPECT_EQ(OkClicks, 0);
    Release();
    EXPECT_EQ(OkClicks, 1);
    EXPECT_FALSE(Ok->PressedLook());

    Headless->Advance(1000);
    Press(*Ok, 20, 10);
    MoveTo(*Form, 250, 150);
    Release();
    EXPECT_EQ(OkClicks, 1);
}

TEST_F(Behaviour, AReleaseOnTheRightOrBottomEdgeLiesOutside) {
    for (const TPoint edge : {TPoint{75, 10}, TPoint{20, 25}}) {
        Headless->Advance(1000);
        Press(*Ok, 20, 10);
        MoveTo(*Ok, edge.X, edge.Y);
        EXPECT_FALSE(Ok->PressedLook());
        Release();
        EXPECT_EQ(OkClicks, 0);
        EXPECT_FALSE(Ok->PressedLook());
    }
}

TEST_F(Behaviour, ADoubleClickIsTwoPressesAndTwoClicks) {
    Click(*Ok, 20, 10);
    Click(*Ok, 20, 10);
    EXPECT_EQ(OkClicks, 2);
}

TEST_F(Behaviour, APressThatCannotFocusTheButtonShowsAndClicksNothing) {
    auto* panel = Add<TPanel>(Form, 120, 50, 120, 35);
    auto* inside = Add<TCountingButton>(panel, 5, 5, 75, 25);
    int clicks = 0;
    inside->OnClick = [&](TObject*) { ++clicks; };
    Pump();
    panel->SetEnabled(false);
    inside->Perform(win::WM_LBUTTONDOWN, win::MK_LBUTTON, win::MAKELPARAM(10, 10));
    EXPECT_FALSE(inside->PressedLook());
    inside->Perform(win::WM_LBUTTONUP, 0, win::MAKELPARAM(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(Behaviour, SpaceClicksOnReleaseButNotWithAlt) {
    Ok->SetFocus();
    SpaceDown();
    EXPECT_TRUE(Ok->PressedLook());
    EXPECT_EQ(OkClicks, 0);
    SpaceUp();
    EXPECT_EQ(OkClicks, 1);
    EXPECT_FALSE(Ok->PressedLook());
    // Alt+Space neither presses the button nor, released, clicks it.
    Headless->KeyDown(win::VK_MENU);
    SpaceDown();
    EXPECT_FALSE(Ok->PressedLook());
    SpaceUp();
    Headless->KeyUp(win::VK_MENU);
    Pump();
    EXPECT_EQ(OkClicks, 1);
}

TEST_F(Behaviour, LosingTheFocusWhileSpaceIsHeldEndsThePressWithoutAClick) {
    Ok->SetFocus();
    SpaceDown();
    EXPECT_TRUE(Ok->PressedLook());
    List->SetFocus();
    Pump();
    EXPECT_FALSE(Ok->PressedLook());
    SpaceUp();
    Ok->SetFocus();
    Pump();
    SpaceUp();
    EXPECT_EQ(OkClicks, 0);
}

TEST_F(Behaviour, EnterClicksOnlyTheActiveButtonAndEscapeTheCancelOne) {
    Ok->SetDefault(true);
    Other->SetCancel(true);
    List->SetFocus();
    Pump();
    EXPECT_TRUE(Ok->Active());
    EXPECT_FALSE(Other->Active());
    Key(win::VK_RETURN);
    EXPECT_EQ(OkClicks, 1);
    Key(win::VK_ESCAPE);
    EXPECT_EQ(OtherClicks, 1);
    // A focused button takes Enter from the default one.
    Other->SetFocus();
    Pump();
    EXPECT_FALSE(Ok->Active());
    EXPECT_TRUE(Other->Active());
    Key(win::VK_RETURN);
    EXPECT_EQ(OkClicks, 1);
    EXPECT_EQ(OtherClicks, 2);
    for (const win::UINT modifier : {win::VK_SHIFT, win::VK_CONTROL, win::VK_MENU}) {
        Chord(modifier, win::VK_RETURN);
        Chord(modifier, win::VK_ESCAPE);
    }
    EXPECT_EQ(OkClicks, 1);
    EXPECT_EQ(OtherClicks, 2);
    // Back on the list, the default button is active again.
    List->SetFocus();
    Pump();
    EXPECT_TRUE(Ok->Active());
    EXPECT_FALSE(Other->Active());
}

TEST_F(Behaviour, EnterAndEscapeDoNotToggleAGroupedButton) {
    Ok->SetGroupIndex(1);
    Ok->SetAllowAllUp(true);
    Ok->SetDefault(true);
    Ok->SetCancel(true);
    List->SetFocus();
    Pump();
    Key(win::VK_RETURN);
    Key(win::VK_ESCAPE);
    EXPECT_EQ(OkClicks, 2);
    EXPECT_FALSE(Ok->Down());
    EXPECT_FALSE(Ok->Clicking());
    Click(*Ok, 10, 10);
    EXPECT_TRUE(Ok->Down());
}

TEST_F(Behaviour, EnterAndEscapeSuppressTheDropDownOfAButtonThatAsksSo) {
    Ok->SetDefault(true);
    List->SetFocus();
    Pump();
    std::vector<bool> seen;
    Ok->OnClick = [&](TObject*) { seen.push_back(Ok->Suppressed()); };
    Key(win::VK_RETURN);
    Ok->SetDropDownOnEnter(false);
    Key(win::VK_RETURN);
    Chord(win::VK_MENU, 'O');
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
    EXPECT_FALSE(Ok->Suppressed());
}

TEST_F(Behaviour, AClickSetsTheFormsModalResultToTheButtonsBeforeItsHandlerRuns) {
    Form->SetModalResult(mrAbort);
    TModalResult seen = -1;
    bool clicking = false;
    Ok->OnClick = [&](TObject*) {
        seen = Form->ModalResult();
        clicking = Ok->Clicking();
    };
    Click(*Ok, 10, 10);
    EXPECT_EQ(seen, mrNone);
    EXPECT_TRUE(clicking);
    EXPECT_FALSE(Ok->Clicking());
    Ok->SetModalResult(mrRetry);
    Ok->SetFocus();
    Key(win::VK_SPACE);
    EXPECT_EQ(seen, mrRetry);
}

TEST_F(Behaviour, ClickingIsResetWhenTheHandlerFails) {
    Ok->OnClick = [](TObject*) { throw std::runtime_error("handler failed"); };
    // A release without a press clicks nothing.
    EXPECT_NO_THROW(Ok->Perform(win::WM_KEYUP, win::VK_SPACE, 0));
    Ok->SetFocus();
    SpaceDown();
    EXPECT_THROW(Ok->Perform(win::WM_KEYUP, win::VK_SPACE, 0), std::runtime_error);
    EXPECT_FALSE(Ok->Clicking());
}

TEST_F(Behaviour, AcceleratorsClickWithAlt) {
    List->SetFocus();
    Chord(win::VK_MENU, 'C');
    EXPECT_EQ(OtherClicks, 1);
    Chord(win::VK_MENU, 'O');
    EXPECT_EQ(OkClicks, 1);
    Chord(win::VK_MENU, 'X');
    EXPECT_EQ(OkClicks + OtherClicks, 2);
}

TEST_F(Behaviour, GroupedButtonsLatchOneAtATime) {
    Ok->SetGroupIndex(1);
    Other->SetGroupIndex(1);
    Ok->SetDown(true);
    EXPECT_TRUE(Ok->Down());
    EXPECT_EQ(Ok->LatchState(), lsExclusive);
    Other->SetDown(true);
    EXPECT_FALSE(Ok->Down());
    EXPECT_EQ(Ok->LatchState(), lsUp);
    EXPECT_TRUE(Other->Down());
    // Without AllowAllUp the down button stays down, clicked or set.
    Click(*Other, 10, 10);
    EXPECT_TRUE(Other->Down());
    EXPECT_EQ(OtherClicks, 1);
    Other->SetDown(false);
    EXPECT_TRUE(Other->Down());
    // AllowAllUp spreads through the group; then the down button can be raised.
    Ok->SetAllowAllUp(true);
    EXPECT_TRUE(Other->AllowAllUp());
    Headless->Advance(1000);
    Click(*Other, 10, 10);
    EXPECT_FALSE(Other->Down());
    // Outside a group a button is never down.
    auto* single = Add<TCountingButton>(Form, 200, 10, 75, 25);
    single->SetDown(true);
    EXPECT_FALSE(single->Down());
}

TEST_F(Behaviour, ADisabledButtonTakesNoPressNoKeyAndNoAccelerator) {
    Ok->SetDefault(true);
    Ok->SetEnabled(false);
    Pump();
    Click(*Ok, 10, 10);
    List->SetFocus();
    Key(win::VK_RETURN);
    Chord(win::VK_MENU, 'O');
    EXPECT_EQ(OkClicks, 0);
    EXPECT_FALSE(Ok->Focused());
}

TEST_F(Behaviour, DisablingAButtonWhilePressedEndsThePress) {
    Press(*Ok, 20, 10);
    EXPECT_TRUE(Ok->PressedLook());
    Ok->SetEnabled(false);
    Release();
    Ok->SetEnabled(true);
    Headless->Advance(1000);
    MoveTo(*Ok, 30, 10);
    EXPECT_FALSE(Ok->PressedLook());
    EXPECT_EQ(OkClicks, 0);
}

TEST_F(Behaviour, ThePointerIsTrackedAndRepaintsOnlyTheLooksThatLightUp) {
    MoveTo(*Ok, 20, 10);
    EXPECT_TRUE(Ok->MouseOver());
    MoveTo(*Form, 250, 150);
    EXPECT_FALSE(Ok->MouseOver());
    // Classic: the pointer coming and going paints nothing.
    int paints = Ok->Paints;
    MoveTo(*Ok, 20, 10);
    MoveTo(*Form, 250, 150);
    EXPECT_EQ(Ok->Paints, paints);
    // Themed and hot-tracking: each change repaints.
    UseThemes(true);
    paints = Ok->Paints;
    MoveTo(*Ok, 20, 10);
    EXPECT_EQ(Ok->Paints, paints + 1);
    MoveTo(*Form, 250, 150);
    EXPECT_EQ(Ok->Paints, paints + 2);
    UseThemes(false);
    Ok->SetHotTrack(true);
    Pump();
    paints = Ok->Paints;
    MoveTo(*Ok, 20, 10);
    EXPECT_EQ(Ok->Paints, paints + 1);
}

} // namespace
} // namespace buttontest
