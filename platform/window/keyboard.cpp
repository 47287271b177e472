// Keyboard input: key state, key and character messages for the focus window.

#include "platform/gdi/utf8.h"
#include "platform/window/internals.h"

#include <optional>

namespace win::detail {

namespace {

// The modifiers, each with its left and right key.
struct TModifier {
    UINT Generic;
    UINT Left;
    UINT Right;
};
constexpr TModifier Modifiers[] = {{VK_SHIFT, VK_LSHIFT, VK_RSHIFT},
                                   {VK_CONTROL, VK_LCONTROL, VK_RCONTROL},
                                   {VK_MENU, VK_LMENU, VK_RMENU}};

// Generic modifier codes stand for their left keys.
UINT Sided(UINT key) {
    for (const TModifier& modifier : Modifiers) {
        if (key == modifier.Generic)
            return modifier.Left;
    }
    return key;
}

const TModifier* ModifierOf(UINT key) {
    for (const TModifier& modifier : Modifiers) {
        if (key == modifier.Left || key == modifier.Right)
            return &modifier;
    }
    return nullptr;
}

UINT Generic(UINT key) {
    const TModifier* modifier = ModifierOf(key);
    return modifier ? modifier->Generic : key;
}

bool Down(UINT key) {
    return key < 256 && State().KeysDown[key];
}

HWND KeyboardTarget() {
    const auto& state = State();
    const HWND handle = state.Focus ? state.Focus : state.Active;
    const TWindow* window = Find(handle);
    return window && IsEnabledChain(*window) ? handle : nullptr;
}

bool IsLetter(UINT key) {
    return key >= 'A' && key <= 'Z';
}
bool IsDigit(UINT key) {
    return key >= '0' && key <= '9';
}

std::optional<WPARAM> CharacterOf(UINT key, bool system) {
    switch (key) {
    case VK_RETURN:
        return 13;
    case VK_ESCAPE:
        return 27;
    case VK_TAB:
        return 9;
    case VK_BACK:
        return 8;
    default:
        break;
    }
    if (system && IsLetter(key))
        return Down(VK_SHIFT) ? key : key - 'A' + 'a';
    if (system && IsDigit(key))
        return key;
    if (!system && Down(VK_CONTROL) && IsLetter(key))
        return key - 'A' + 1;
    return std::nullopt;
}

} // namespace

void SetKeyDown(UINT key, bool down) {
    auto& keys = State().KeysDown;
    if (key >= keys.size())
        return;
    keys[key] = down;
    if (const TModifier* modifier = ModifierOf(key))
        keys[modifier->Generic] = keys[modifier->Left] || keys[modifier->Right];
}

void ConvertKey(const TInputEvent& event) {
    const UINT key = Sided(event.Key);
    const UINT generic = Generic(key);
    const bool down = event.Kind == TInputKind::ikKeyDown;
    const bool wasDown = Down(key);
    SetKeyDown(key, down);
    const HWND target = KeyboardTarget();
    if (!target)
        return;
    const bool alt = Down(VK_MENU) || generic == VK_MENU;
    const bool system = (alt || generic == VK_F10) && !Down(VK_CONTROL);
    UINT message = down ? WM_KEYDOWN : WM_KEYUP;
    if (system)
        message = down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    LPARAM flags = 1;
    if (Down(VK_MENU))
        flags |= LPARAM(1) << 29;
    if (!down)
        flags |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    else if (wasDown)
        flags |= LPARAM(1) << 30;
    Post({target, message, generic, flags, event.Time, State().Pointer});
}

void ConvertText(const TInputEvent& event) {
    const HWND target = KeyboardTarget();
    // Alt and Control combinations become characters in TranslateMessage; AltGr (right Alt)
    // composes ordinary characters.
    if (!target || Down(VK_LMENU) || (Down(VK_CONTROL) && !Down(VK_RMENU)))
        return;
    for (char32_t point : gdi::DecodeUtf8(event.Text)) {
        if (point >= 0x20 && point != 0x7F)
            Post({target, WM_CHAR, WPARAM(point), 1, event.Time, State().Pointer});
    }
}

} // namespace win::detail

namespace win {

using namespace detail;

bool TranslateMessage(const MSG* message) {
    if (!message || (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN))
        return false;
    const bool system = message->message == WM_SYSKEYDOWN;
    const std::optional<WPARAM> character = CharacterOf(UINT(message->wParam), system);
    if (!character)
        return false;
    Post({message->hwnd, system ? WM_SYSCHAR : WM_CHAR, *character, message->lParam, message->time,
          message->pt},
         true);
    return true;
}

short GetKeyState(int virtualKey) {
    return (virtualKey >= 0 && Down(UINT(virtualKey))) ? static_cast<short>(0x8000) : 0;
}

bool GetCursorPos(POINT* point) {
    if (!point)
        return false;
    *point = State().Pointer;
    return true;
}

} // namespace win
