#pragma once
// Controls: components that occupy a rectangle of a parent control, draw themselves and take
// input. Every message a control receives passes its WndProc, where mouse input becomes
// calls of MouseDown, MouseMove, MouseUp and Click (a control that is not enabled drops
// it); the rest of the layer talks to controls through the CM_* messages of
// controlmessages.h, which later control classes handle by overriding WndProc.
//
// A control without a window of its own (a graphic control) is painted by its parent and
// receives its mouse input from it. Windowed controls (TWinControl) have a window of the
// window system each.

#include "gui/classes/component.h"
#include "gui/controls/controlmessages.h"
#include "gui/controls/controltypes.h"
#include "gui/controls/cursors.h"
#include "gui/graphics/colors.h"
#include "gui/graphics/font.h"
#include "gui/graphics/geometry.h"

#include <memory>
#include <string>

class TWinControl;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    // The windowed control this one lies in; null until it is placed. SetParent moves the
    // control (with its window, if any) to the new parent; EInvalidOperation when parent is
    // the control itself or one of its children.
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* parent);

    // Position in the parent's client area, or on the screen for a top-level form.
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetLeft(int value) { SetBounds(value, FTop, FWidth, FHeight); }
    void SetTop(int value) { SetBounds(FLeft, value, FWidth, FHeight); }
    void SetWidth(int value) { SetBounds(FLeft, FTop, value, FHeight); }
    void SetHeight(int value) { SetBounds(FLeft, FTop, FWidth, value); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& rect) {
        SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    }
    // The area inside the control's frame: (0, 0, ClientWidth, ClientHeight).
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int value) { SetClientSize(value, ClientHeight()); }
    void SetClientHeight(int value) { SetClientSize(ClientWidth(), value); }
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(const TPoint& point) const;
    TPoint ScreenToClient(const TPoint& point) const;
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value) { FAnchors = value; }

    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Enabled controls take input; the change is announced with CM_ENABLEDCHANGED.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);

    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& value) { SetText(value); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& value);

    // A colour set on the control itself ends ParentColor; ParentColor makes it follow the
    // parent's colour. The same holds for the font.
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);
    // The reading order and alignment of right-to-left languages; ParentBiDiMode makes it
    // follow the parent's, as ParentColor does the colour.
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode value);
    bool ParentBiDiMode() const { return FParentBiDiMode; }
    void SetParentBiDiMode(bool value);
    // Alignments are mirrored: left becomes right.
    bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
    // The cursor shown over the control while the screen's cursor is crDefault.
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }

    // Capturing sends all mouse input to this control until released, wherever the pointer is.
    bool MouseCapture() const;
    void SetMouseCapture(bool value);

    // Marks the control for repainting; Update paints what is marked now; Repaint does both.
    virtual void Invalidate();
    virtual void Update();
    void Repaint();
    // Sends a message to the control at once and returns its result.
    win::LRESULT Perform(win::UINT message, win::WPARAM wParam, win::LPARAM lParam);

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* parent) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    friend class TWinControl;

    // Every message the control receives; overrides handle theirs and pass the rest on.
    virtual void WndProc(TMessage& message);
    // What a message nobody handled does: nothing for a control without a window.
    virtual void DefaultHandler(TMessage& message);

    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    // The pointer came over the control or left it.
    virtual void MouseEnter();
    virtual void MouseLeave();

    virtual void SetClientSize(int width, int height);
    // Where the rectangle changed; windowed controls move their window.
    virtual void BoundsChanged(const TRect& old);
    // The parent's client area changed size by (dx, dy); moves or stretches the control as
    // its anchors ask.
    void AnchorTo(int dx, int dy);

    void Loaded() override;

    void IncludeState(TControlStateItem item) { FControlState.Include(item); }
    void ExcludeState(TControlStateItem item) { FControlState.Exclude(item); }
    // Stores a new size and position without moving anything.
    void StoreBounds(const TRect& rect);
    // Stores the visibility a new control starts with, without announcing it.
    void StoreVisible(bool value) { FVisible = value; }

private:
    void HandleMouse(TMessage& message);
    // Releases the capture the control holds, so nothing refers to it after it is gone.
    void ForgetCapture();
    void FontChanged();
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentBiDiModeChanged();

    TWinControl* FParent = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TAnchors FAnchors{akLeft, akTop};
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    TColor FColor = clWindow;
    bool FParentColor = false;
    std::unique_ptr<TFont> FFont;
    bool FParentFont = true;
    TBiDiMode FBiDiMode = bdLeftToRight;
    bool FParentBiDiMode = true;
    // Set while the font is copied from the parent, so the copy keeps ParentFont.
    bool FCopyingFont = false;
    TCursor FCursor = crDefault;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
    TControlState FControlState;
};

// The state of the modifier keys and mouse buttons a mouse message carries.
TShiftState MouseShiftState(win::WPARAM keys);
// The state of the modifier keys now.
TShiftState KeyboardShiftState();
// Neither Shift, Ctrl nor Alt is held now, as Enter and Escape need to click a button.
bool NoModifierKeys();

// The control that holds the mouse capture (a windowed control, or a graphic control whose
// parent holds it on its behalf); null when no control does.
TControl* GetCaptureControl();
