#pragma once
// The application: its title, its icon, its forms, the first of which is the main form, and
// the message loop that runs until the main form closes.
//
// An error raised by a handler never ends the program: the window procedure of every control
// catches it and shows it in the standard error box (HandleException), and so does the loop.
// Only EMessageLoopBlocked passes, which the headless window system raises to end a test that
// would wait for input that cannot come.

#include "gui/classes/component.h"
#include "gui/controls/hosts.h"
#include "gui/forms/customform.h"
#include "gui/graphics/icon.h"
#include "platform/window/types.h"

#include <exception>
#include <memory>
#include <string>
#include <string_view>

class TApplication : public TComponent, public TApplicationHost {
public:
    TApplication();

    // Prepares a run: no request to terminate is pending, and the icon is the program's
    // (MainIconResource).
    void Initialize();

    // The program's name, shown as the error box's caption; the executable's name until set.
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }

    // The program's icon, which every form without an icon of its own shows; changing it
    // changes theirs. Initialize reads it from the icon file embedded as MainIconResource; it
    // is empty when the program has none, or one this layer cannot read (a program does not
    // fail for its icon).
    TIcon* Icon() const { return FIcon.get(); }
    // Copies value into the icon; null empties it.
    void SetIcon(const TIcon* value) { FIcon->Assign(value); }

    // Creates a form owned by the application. The first form created while there is no main
    // form becomes the main form, and its window is created at once.
    template <class T>
    T* CreateForm() {
        auto* form = new T(this);
        if (!FMainForm) {
            FMainForm = form;
            FTerminated = false;
            form->HandleNeeded();
        }
        return form;
    }
    TCustomForm* MainForm() const { return FMainForm; }
    // The main form's window, which owns the program's message boxes; null before it exists.
    win::HWND MainFormHandle() const;

    // Shows the main form and handles messages until Terminate (closing the main form).
    void Run();
    // Handles every message that is waiting, then returns.
    void ProcessMessages();
    // Handles one message, waiting for it when none is waiting.
    void HandleMessage();
    // Asks the loop to end: once the messages already posted have been handled, Terminated
    // becomes true, which ends Run and any modal loop.
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // Called inside a catch block: shows the error being handled in the error box, or
    // rethrows it when it is EMessageLoopBlocked.
    void HandleException(TObject* sender) override;
    // The standard error box: the error's message, with a full stop added when it ends in a
    // letter or digit, captioned with the title, owned by the main form.
    void ShowException(const std::exception& error);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // The screen's cursors, as controls ask for them.
    TCursor ScreenCursor() const override;
    win::HCURSOR CursorHandle(TCursor id) const override;

    void LoadIcon();
    void IconChanged();
    bool ProcessMessage();
    // Gives the focused control the chance to treat a key message as a dialog key.
    bool IsKeyMessage(const win::MSG& message);

    std::string FTitle;
    std::unique_ptr<TIcon> FIcon;
    TCustomForm* FMainForm = nullptr;
    bool FTerminated = false;
};

// The resource that holds the program's icon file.
constexpr std::string_view MainIconResource = "MAINICON";

// The program's application object. It is never destroyed; a program ends by destroying
// the forms it owns (DestroyComponents) once Run has returned.
extern TApplication& Application;
