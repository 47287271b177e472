#pragma once
// The standard push button. It is pressed by the left button (it takes the focus and shows
// pressed while the pointer stays on it; releasing there clicks) and by Space (releasing
// Space clicks). Through its form, Enter clicks the default button (or the button that has
// the focus), Escape the cancel button, and the caption's accelerator (Alt with the letter,
// or the letter alone when the focused control takes no characters) clicks its button.
// A click sets the form's ModalResult to the button's before OnClick runs. With visual styles
// on it is drawn as the theme's push button, lit under the pointer; otherwise in the classic
// 3D look.

#include "gui/controls/customcontrol.h"
#include "gui/forms/modalresult.h"

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* owner);

    // Enter clicks a default button while no other button has the focus.
    bool Default() const { return FDefault; }
    void SetDefault(bool value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }

    void Click() override;

protected:
    void WndProc(TMessage& message) override;
    void CreateWnd() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(TKey& key, TShiftState shift) override;
    void KeyUp(TKey& key, TShiftState shift) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void SetPressed(bool value);
    void FocusChanged(const TControl* focused);
    void DrawFrame(win::HDC dc, TRect& face) const;
    void DrawCaption(TCanvas& canvas, const TRect& face) const;
    void PaintClassic();
    void PaintThemed();

    bool FDefault = false;
    bool FCancel = false;
    TModalResult FModalResult = mrNone;
    // Enter would click this button: it is the default one, or a button with the focus.
    bool FActive = false;
    bool FPressed = false;
    bool FSpacePressed = false;
    bool FMouseOver = false;
};
