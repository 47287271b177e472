#pragma once
// Forms: top-level windows that hold controls, route dialog keys, keep track of the control
// that has the focus within them, and may run modally.
//
// A form class with a stored layout reads it in its constructor with LoadLayout, which then
// runs OnCreate; an error OnCreate raises is shown in the application's error box and the
// form is still created. OnShow runs each time the form is about to become visible.

#include "gui/controls/hosts.h"
#include "gui/controls/wincontrol.h"
#include "gui/forms/modalresult.h"
#include "gui/forms/windowicons.h"
#include "gui/graphics/icon.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
template <>
struct TEnumIdents<TFormBorderStyle> {
    static constexpr std::string_view Names[] = {"bsNone",   "bsSingle",     "bsSizeable",
                                                 "bsDialog", "bsToolWindow", "bsSizeToolWin"};
};

enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
template <>
struct TEnumIdents<TBorderIcon> {
    static constexpr std::string_view Names[] = {"biSystemMenu", "biMinimize", "biMaximize",
                                                 "biHelp"};
};

// Where a form appears when it is first shown. The window system places no window by
// itself, so the default placements keep the designed position.
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
template <>
struct TEnumIdents<TPosition> {
    static constexpr std::string_view Names[] = {
        "poDesigned",     "poDefault",       "poDefaultPosOnly", "poDefaultSizeOnly",
        "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"};
};

enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = TEvent<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = TEvent<void(TObject* sender, bool& canClose)>;

class TCustomForm : public TWinControl, public TFocusHost {
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    // The form's own icon, shown in its title bar and the task bar; while it is empty the
    // window shows the application's icon.
    TIcon* Icon() const { return FIcon.get(); }
    // Copies value into the icon; null empties it.
    void SetIcon(const TIcon* value) { FIcon->Assign(value); }

    // The control that has (or gets, once the form is active) the focus within the form.
    // EInvalidOperation "Cannot focus a disabled or invisible window" for a control that
    // is not on this form or cannot take the focus.
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // Makes control the active control and gives it the focus, activating the form.
    void FocusControl(TWinControl* control) override;
    // Told by a control of the form that it has received the focus: OnExit of the one
    // before, OnEnter of this one, and CM_FOCUSCHANGED to every control of the form.
    void SetFocusedControl(TWinControl* control) override;
    // Forgets control (and what it holds) as the active control, as it goes away or can no
    // longer take the focus.
    void DefocusControl(const TControl* control) override;
    // The form's window is the active one.
    bool Active() const { return FActive; }
    void SetFocus() override;

    // Shows the form with every other window of the program disabled and handles messages
    // until ModalResult is set (a button's, or mrCancel when the form is closed or the
    // program terminates); then hides the form and returns ModalResult. EInvalidOperation
    // "Cannot make a visible window modal" for a visible or disabled form.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value) { FModalResult = value; }
    // Asks OnCloseQuery, then OnClose: the main form's closing ends the program, another
    // form is hidden (or freed, or minimised, as OnClose decides). A modal form just gets
    // ModalResult mrCancel.
    void Close();
    // Frees the form once the message being handled is done.
    void Release();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    // Reads the layout embedded under resourceName into the form, then runs OnCreate.
    void LoadLayout(std::string_view resourceName);
    // Runs OnDestroy and destroys the owned components while the form is whole; form classes
    // call it first in their destructors.
    void BeforeDestruction();
    // Sets field to the owned component of that name, and back to null when that component
    // goes. EComponentError when there is no such component of the field's class.
    template <class T>
    void BindField(T*& field, std::string_view name) {
        field = dynamic_cast<T*>(FindComponent(name));
        if (!field)
            MissingField(name);
        FFieldResets.push_back([&field](const TComponent* gone) {
            if (static_cast<TComponent*>(field) == gone)
                field = nullptr;
        });
    }

    void CreateParams(TCreateParams& params) const override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoClose(TCloseAction& action);
    virtual bool CloseQuery();

private:
    [[noreturn]] void MissingField(std::string_view name) const;
    // Runs a handler of the form; an error it raises is shown in the error box and the form
    // goes on.
    void RunHandler(const TNotifyEvent& handler);
    // Stores a property of the frame and builds the window again for the new frame, keeping
    // the client area's size.
    template <class T>
    void SetFrame(T& field, T value);
    void VisibleChanged();
    // Gives the window the form's icon, or the application's when the form has none.
    void ShowIcon();
    void ApplyPosition();
    void Activated(TMessage& message);
    void SetWindowFocus();
    bool DialogNavigation(TMessage& message);
    void CloseModal();

    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    std::unique_ptr<TIcon> FIcon;
    TWindowIcons FWindowIcons;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    bool FActive = false;
    bool FModal = false;
    bool FPositioned = false;
    bool FDestructionBegun = false;
    TModalResult FModalResult = mrNone;
    std::vector<std::function<void(const TComponent*)>> FFieldResets;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
};

// The form a control lies on: its topmost parent, when that is a form; null otherwise.
TCustomForm* GetParentForm(const TControl* control);
