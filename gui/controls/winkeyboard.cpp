// Key input of windowed controls: the dialog keys and characters that go to the form first,
// then KeyDown, KeyPress and KeyUp.

#include "gui/controls/hosts.h"
#include "gui/controls/wincontrol.h"

namespace {

// The WM_GETDLGCODE answer that lets the control keep a key; 0 for keys that are no dialog
// keys.
win::LRESULT DialogCodeFor(TKey key) {
    switch (key) {
    case win::VK_TAB:
        return DLGC_WANTTAB;
    case win::VK_LEFT:
    case win::VK_RIGHT:
    case win::VK_UP:
    case win::VK_DOWN:
        return DLGC_WANTARROWS;
    case win::VK_RETURN:
    case win::VK_ESCAPE:
    case win::VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

} // namespace

bool TWinControl::KeyMessage(TMessage& message) {
    switch (message.Msg) {
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
        message.Result = DialogKey(message) ? 1 : 0;
        return true;
    case CN_CHAR:
    case CN_SYSCHAR:
        message.Result = DialogChar(message) ? 1 : 0;
        return true;
    case win::WM_KEYDOWN:
    case win::WM_SYSKEYDOWN: {
        TKey key = TKey(message.WParam);
        KeyDown(key, KeyboardShiftState());
        return key == 0;
    }
    case win::WM_KEYUP:
    case win::WM_SYSKEYUP: {
        TKey key = TKey(message.WParam);
        KeyUp(key, KeyboardShiftState());
        return key == 0;
    }
    case win::WM_CHAR: {
        char32_t key = char32_t(message.WParam);
        KeyPress(key);
        return key == 0;
    }
    default:
        return false;
    }
}

bool TWinControl::DialogKey(TMessage& message) {
    const TKey key = TKey(message.WParam);
    const win::LRESULT wanted = DialogCodeFor(key);
    if (wanted == 0 || Perform(CM_WANTSPECIALKEY, key, message.LParam) != 0 ||
        (Perform(win::WM_GETDLGCODE, 0, 0) & wanted) != 0)
        return false;
    TWinControl* form = HostForm(this);
    return form && form->Perform(CM_DIALOGKEY, key, message.LParam) != 0;
}

bool TWinControl::DialogChar(TMessage& message) {
    if (message.Msg == CN_CHAR && (Perform(win::WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0)
        return false;
    TWinControl* form = HostForm(this);
    return form && form->Perform(CM_DIALOGCHAR, message.WParam, message.LParam) != 0;
}
