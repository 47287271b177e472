// The icons of windows: the handles WM_SETICON gives a window, and what its top-level window
// shows of them through the backend.

#include "platform/window/internals.h"

#include <algorithm>
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

// The big icon comes first, or the small one when there is no big one, as desktops that show
// one icon per window scale it to each place; every other size follows, one image per size.
void ShowWindowIcon(const TWindow& window) {
    std::vector<HICON> handles{window.BigIcon, window.SmallIcon};
    handles.insert(handles.end(), window.MoreIcons.begin(), window.MoreIcons.end());
    std::vector<commctrl::TIconRgba> images;
    for (HICON handle : handles) {
        auto image = Live(handle) ? commctrl::ReadIconRgba(handle) : std::nullopt;
        if (image && std::ranges::none_of(images, [&](const commctrl::TIconRgba& shown) {
                return shown.Width == image->Width && shown.Height == image->Height;
            }))
            images.push_back(std::move(*image));
    }
    Backend().SetIcon(window.Handle, images);
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

namespace win {

bool SetWindowIconSizes(HWND handle, std::vector<commctrl::HICON> icons) {
    detail::TWindow* window = detail::Find(handle);
    if (!window)
        return false;
    window->MoreIcons = std::move(icons);
    if (!window->IsChild())
        detail::ShowWindowIcon(*window);
    return true;
}

} // namespace win
