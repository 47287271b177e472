#pragma once
// The styled push button: clicks by pointer, Space, Enter (for the form's default or focused
// button), Escape (for a cancel button) and its caption's accelerator; a click sets the
// form's ModalResult. Buttons of one group (GroupIndex) latch down one at a time. It paints
// itself in the platform's theme, in a flat look that lights up under the pointer
// (HotTrack), or in the classic 3D look.

#include "buttons/buttonlook.h"
#include "buttons/custombutton.h"
#include "gui/controls/controltypes.h"
#include "gui/forms/customform.h"

class TBitmap;

class TStyledButton : public TCustomStyledButton {
public:
    explicit TStyledButton(TComponent* owner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Store(FAlignment, value); }
    // Enter clicks a default button while no other button has the focus.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { Store(FCancel, value); }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // A group's down button may be raised by clicking it.
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    // Only a button of a group (GroupIndex other than 0) can be down; going down raises the
    // others of its group.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // A down button is filled with a checkered pattern.
    bool ShowDownPattern() const { return FShowDownPattern; }
    void SetShowDownPattern(bool value) { Store(FShowDownPattern, value); }
    bool ShowFocusRect() const { return FShowFocusRect; }
    void SetShowFocusRect(bool value) { Store(FShowFocusRect, value); }
    // Whether a button that drops something down does so when clicked by Enter or Escape.
    bool DropDownOnEnter() const { return FDropDownOnEnter; }
    void SetDropDownOnEnter(bool value) { FDropDownOnEnter = value; }
    // The inner ring of the hot-tracking look.
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { Store(FFrameColor, value); }

    // Enter would click this button: it is the form's default one, or the focused button.
    bool Active() const { return FActive; }
    TLatchState LatchState() const { return FLatchState; }
    // The click handler is running.
    bool Clicking() const { return FClicking; }

    // Sets the form's ModalResult to the button's (also to none), then clicks.
    void RaiseClick();

    void SetHotTrack(bool value) override;

protected:
    virtual TRect GetCaptionRect() const;
    virtual void PaintCaption();
    // The 8 x 8 pattern of a down button: the button's colour checkered with grey.
    virtual void BuildDownPattern(TBitmap& bitmap);
    // Set while Enter or Escape clicks a button that drops nothing down on them.
    bool DropDownSuppressed() const { return FDropDownSuppressed; }
    // The state the paint code reads.
    TButtonLook Look() const;

    void EraseToParent(win::HDC dc) override;
    void InvalidateButton() override { Invalidate(); }
    void PerformButtonClick() override;
    void Paint() override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void CancelPress() override;
    // Reads the legacy FrameFlat, which set HotTrack.
    void DefineProperties(TFiler& filer) override;

private:
    bool DialogKey(const TMessage& message);
    void FocusChanged(const TControl* focused);
    void GroupDown(const TStyledButton& sender);
    void NotifyGroup();
    void PaintDownPattern(const TRect& area);

    TAlignment FAlignment = taCenter;
    bool FClicking = false;
    bool FDefault = false;
    bool FCancel = false;
    bool FActive = false;
    TModalResult FModalResult = mrNone;
    // A Space press began on this button.
    bool FKeyToggle = false;
    bool FAllowAllUp = false;
    bool FDown = false;
    int FGroupIndex = 0;
    bool FShowDownPattern = true;
    bool FShowFocusRect = true;
    bool FDropDownOnEnter = true;
    TColor FFrameColor = cl3DDkShadow;
    TLatchState FLatchState = lsUp;
    bool FDropDownSuppressed = false;
};
