#pragma once
// What controls ask of the objects above them. The form a control sits on keeps track of the
// focused control; the application deals with errors that escape a window procedure, and its
// screen may force one cursor everywhere. TCustomForm and TApplication implement these, so
// controls need no form or application header.

#include "gui/controls/cursors.h"
#include "platform/window/types.h"

class TObject;
class TControl;
class TWinControl;

class TFocusHost {
public:
    // Makes control the active control and gives it the focus, activating the form.
    virtual void FocusControl(TWinControl* control) = 0;
    // Told by a control of the form that it has received the focus.
    virtual void SetFocusedControl(TWinControl* control) = 0;
    // Forgets control (and what it holds) as it goes away or can no longer take the focus.
    virtual void DefocusControl(const TControl* control) = 0;

protected:
    ~TFocusHost() = default;
};

// The form a control sits on: its topmost parent when that hosts the focus; nullptr for a
// control on no form.
TWinControl* HostForm(const TControl* control);
TFocusHost* FocusHostOf(const TControl* control);

class TApplicationHost {
public:
    // Called inside a catch block: deals with the exception in flight.
    virtual void HandleException(TObject* sender) = 0;
    // The cursor shown everywhere, or crDefault to let every control show its own.
    virtual TCursor ScreenCursor() const = 0;
    // The window system's cursor bound to an identifier.
    virtual win::HCURSOR CursorHandle(TCursor id) const = 0;

protected:
    ~TApplicationHost() = default;
};

// The program's application. Until one installs itself, errors pass on to the caller of the
// window procedure and every control shows the arrow or its own cursor.
TApplicationHost& ApplicationHost();
void InstallApplicationHost(TApplicationHost& host);
