#pragma once
// Windowed controls: a control with a window of the window system, which may hold other
// controls, takes the keyboard focus and receives key input.
//
// The window is created when it is first needed and its parent's window exists (HandleNeeded);
// a control's children get theirs with it. Destroying the window (DestroyHandle) keeps the
// control and everything it holds, so HandleNeeded can build it again.
//
// Keys reach the focused control in two passes. Before a key message is translated and
// dispatched, the message loop sends it as CN_KEYDOWN (CN_CHAR...): Tab, the arrows, Enter
// and Escape that the control does not claim (WM_GETDLGCODE, CM_WANTSPECIALKEY) go to its
// form as CM_DIALOGKEY, and characters the control does not want go to the form as
// CM_DIALOGCHAR (accelerators). What the form does not take arrives as WM_KEYDOWN and WM_CHAR,
// which call KeyDown and KeyPress and their events.

#include "gui/controls/control.h"
#include "platform/window/window.h"

#include <memory>
#include <vector>

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    // Destroys the window and then the controls it still holds.
    ~TWinControl() override;

    // ---- Children ------------------------------------------------------------------------

    // The controls this one holds, bottom of the z-order first.
    int ControlCount() const { return int(FControls.size()); }
    TControl* Controls(int index) const;
    bool ContainsControl(const TControl* control) const;
    // The visible child under a point of the client area, the topmost first: graphic
    // controls, and windowed ones too when allowWinControls; disabled ones only when
    // allowDisabled. Null when there is none.
    TControl* ControlAtPos(const TPoint& point, bool allowDisabled,
                           bool allowWinControls = false) const;
    // Sends message to each child until one sets a nonzero Result.
    void Broadcast(TMessage& message);
    void GetChildren(const TGetChildProc& proc, TComponent* root) override;

    // ---- The window ----------------------------------------------------------------------

    // The window, created first when there is none. EInvalidOperation "Control '<name>' has
    // no parent window" for a child control without a parent; EOutOfResources when the
    // window system cannot make it.
    win::HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // The window if it exists; null otherwise (nothing is created).
    win::HWND WindowHandle() const { return FHandle; }
    void HandleNeeded();
    // The control and all its parents are visible (and the form's window is shown).
    bool Showing() const;

    // ---- Focus and tab order -------------------------------------------------------------

    // The position among the parent's windowed children that Tab moves through; -1 without
    // a parent. Setting it moves the control there (clamped to the list).
    int TabOrder() const;
    void SetTabOrder(int value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value) { FTabStop = value; }
    // The control and every parent up to its form are visible and enabled.
    bool CanFocus() const;
    bool Focused() const;
    // Moves the keyboard focus here through the form; EInvalidOperation "Cannot focus a
    // disabled or invisible window" when the control cannot take it.
    virtual void SetFocus();
    // The windowed descendants in tab order: each control followed by its own descendants.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The descendant that follows (or precedes) current in tab order and can take the focus,
    // wrapping around; with checkTabStop only tab stops, with checkParent only children of
    // this control. Null when there is none.
    TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                                 bool checkParent) const;
    // Focuses FindNextControl(current, goForward, checkTabStop, false).
    void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

    // ---- Painting ------------------------------------------------------------------------

    // Paints into an off-screen bitmap first and copies it to the window in one step.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    void Invalidate() override;
    void Update() override;
    // Marks a part of the client area for repainting; erase asks for the background first.
    void InvalidateRect(const TRect& rect, bool erase);

    TPoint ClientOrigin() const override;
    TRect ClientRect() const override;

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

protected:
    // What CreateWnd asks the window system for.
    struct TCreateParams {
        std::string Caption;
        win::DWORD Style = 0;
        win::DWORD ExStyle = 0;
        int X = 0;
        int Y = 0;
        int Width = 0;
        int Height = 0;
        win::HWND WndParent = nullptr;
        win::UINT ClassStyle = 0;
        std::string WinClassName;
    };
    virtual void CreateParams(TCreateParams& params) const;
    // Creates the window from CreateParams, then the windows of the windowed children.
    virtual void CreateWnd();
    virtual void DestroyWnd();
    void DestroyHandle();

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

    // Paints the control itself on dc (the base paints nothing; the background is erased
    // by WM_ERASEBKGND).
    virtual void PaintWindow(win::HDC dc);
    // Fills the client area with the control's colour.
    virtual void EraseBackground(win::HDC dc);
    // Paints the control and then its graphic children on dc.
    void PaintHandler(win::HDC dc);
    void PaintControls(win::HDC dc);

    virtual void KeyDown(TKey& key, TShiftState shift);
    virtual void KeyUp(TKey& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void DoEnter();
    virtual void DoExit();

    void BoundsChanged(const TRect& old) override;
    void SetClientSize(int width, int height) override;
    void Loaded() override;

private:
    friend class TControl;
    class TProcedure;

    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void NotifyControls(win::UINT message);
    void CreateHandle();
    void RegisterWindowClass(const TCreateParams& params) const;
    void CreateChildHandles();
    win::LRESULT MainWndProc(win::HWND window, win::UINT message, win::WPARAM wParam,
                             win::LPARAM lParam);
    void WindowDestroyed();
    void UpdateBounds();
    void AnchorChildren();
    // The window frame's width around the client area, from the styles CreateParams gives.
    TRect FrameInsets() const;

    void Paint(TMessage& message);
    void PrintClient(TMessage& message);
    void EraseMessage(TMessage& message);

    bool KeyMessage(TMessage& message);
    bool DialogKey(TMessage& message);
    bool DialogChar(TMessage& message);

    bool ControlMouseMessage(TMessage& message);
    void TrackMouseControl(TControl* control);
    void ChooseCursor(TMessage& message);

    win::HWND FHandle = nullptr;
    std::unique_ptr<TProcedure> FProcedure;
    std::vector<TControl*> FControls;
    std::vector<TWinControl*> FTabList;
    int FStoredTabOrder = -1;
    bool FTabStop = false;
    bool FDoubleBuffered = false;
    // Set while the window's own paint context is erased: a double-buffered control erases
    // its off-screen bitmap instead.
    bool FSkipErase = false;
    // The client size the children's positions were last fitted to.
    TSize FAnchorBase;
    // The graphic child the pointer was last over.
    TControl* FMouseControl = nullptr;
};

// The windowed control that owns a window; null for other windows.
TWinControl* FindControl(win::HWND window);
// Sends WM_SETCURSOR to the window under the pointer, so it shows its cursor again.
void RefreshCursorUnderPointer();
