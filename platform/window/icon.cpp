// The icons of windows: the handles WM_SETICON gives a window, and what its top-level window
// shows of them through the backend.

#include "platform/window/internals.h"

#include <utility>

namespace win::detail {

namespace {

using commctrl::HICON;

// The window's handle of an icon kind; null for an unknown kind.
template <class TRecord>
auto Slot(TRecord& window, WPARAM kind) -> decltype(&window.BigIcon) {
    switch (kind) {
    case ICON_BIG:
        return &window.BigIcon;
    case ICON_SMALL:
        return &window.SmallIcon;
    default:
        return nullptr;
    }
}

// A handle the window keeps counts only while its icon lives: the owner may have destroyed it.
HICON Live(HICON icon) {
    return commctrl::IsIcon(icon) ? icon : nullptr;
}

} // namespace

// Shows the big icon, or the small one when there is no big one, as desktops show one icon
// per window and scale it to each place.
void ShowWindowIcon(const TWindow& window) {
    const HICON big = Live(window.BigIcon);
    const HICON shown = big ? big : Live(window.SmallIcon);
    Backend().SetIcon(window.Handle, shown ? commctrl::ReadIconRgba(shown) : std::nullopt);
}

LRESULT SetWindowIcon(TWindow& window, WPARAM kind, HICON icon) {
    HICON* slot = Slot(window, kind);
    if (!slot || (icon && !commctrl::IsIcon(icon)))
        return 0;
    const HICON previous = Live(std::exchange(*slot, icon));
    if (!window.IsChild())
        ShowWindowIcon(window);
    return reinterpret_cast<LRESULT>(previous);
}

LRESULT GetWindowIcon(const TWindow& window, WPARAM kind) {
    const HICON* slot = Slot(window, kind);
    return slot ? reinterpret_cast<LRESULT>(Live(*slot)) : 0;
}

} // namespace win::detail
