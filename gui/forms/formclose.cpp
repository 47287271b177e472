// Closing forms and running them modally.

#include "gui/classes/exceptions.h"
#include "gui/controls/errortexts.h"
#include "gui/controls/scopeexit.h"
#include "gui/forms/application.h"
#include "gui/forms/customform.h"
#include "gui/forms/screen.h"

#include <vector>

namespace {

// Disables every other visible window of the program while a modal form runs, and enables
// them again when it ends.
class TTaskWindowsDisabled {
public:
    explicit TTaskWindowsDisabled(win::HWND modal) {
        win::EnumWindows([&](win::HWND window) {
            if (window != modal && win::IsWindowVisible(window) && win::IsWindowEnabled(window))
                FDisabled.push_back(window);
            return true;
        });
        for (win::HWND window : FDisabled)
            win::EnableWindow(window, false);
    }
    TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
    TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;
    ~TTaskWindowsDisabled() {
        for (win::HWND window : FDisabled)
            win::EnableWindow(window, true);
    }

private:
    std::vector<win::HWND> FDisabled;
};

} // namespace

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
    if (OnClose)
        OnClose(this, action);
}

void TCustomForm::Close() {
    if (FModal) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone)
        return;
    if (Application.MainForm() == this)
        Application.Terminate();
    else if (action == caHide)
        Hide();
    else if (action == caMinimize)
        win::ShowWindow(Handle(), win::SW_MINIMIZE);
    else
        Release();
}

void TCustomForm::Release() {
    win::PostMessage(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::CloseModal() {
    try {
        TCloseAction action = caNone;
        if (CloseQuery()) {
            action = caHide;
            DoClose(action);
        }
        if (action == caNone)
            FModalResult = mrNone;
        else if (action == caFree)
            Release();
    } catch (...) {
        FModalResult = mrNone;
        Application.HandleException(this);
    }
}

TModalResult TCustomForm::ShowModal() {
    if (Visible() || !Enabled() || FModal)
        throw EInvalidOperation(SCannotShowModal);
    if (const win::HWND capture = win::GetCapture()) {
        win::SendMessage(capture, win::WM_CANCELMODE, 0, 0);
        win::ReleaseCapture();
    }
    const win::HWND activeBefore = win::GetActiveWindow();
    const TCursor cursorBefore = Screen.Cursor();
    Screen.SetCursor(crDefault);
    FModal = true;
    // On every path: hidden first, then the other windows enabled, so that activation can
    // return to the window that had it.
    const TScopeExit modalEnd([&] {
        if (win::IsWindow(activeBefore))
            win::SetActiveWindow(activeBefore);
        Screen.SetCursor(cursorBefore);
        FModal = false;
    });
    const TTaskWindowsDisabled disabled(Handle());
    const TScopeExit hidden([this] { Hide(); });
    Show();
    FModalResult = mrNone;
    do {
        Application.HandleMessage();
        if (Application.Terminated())
            FModalResult = mrCancel;
        else if (FModalResult != mrNone)
            CloseModal();
    } while (FModalResult == mrNone);
    return FModalResult;
}
