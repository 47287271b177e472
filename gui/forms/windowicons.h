#pragma once
// The icons a form's window shows. The window system keeps the handles WM_SETICON gives a
// window without owning them, so the form holds them here for as long as its window may use
// them.

#include "gui/graphics/icon.h"
#include "platform/window/types.h"

#include <vector>

class TWindowIcons {
public:
    TWindowIcons() = default;
    TWindowIcons(const TWindowIcons&) = delete;
    TWindowIcons& operator=(const TWindowIcons&) = delete;

    // Gives the window new handles of the icon's big and small images and of each of its
    // other sizes (none for an empty icon), then frees the handles it had before.
    void Show(win::HWND window, const TIcon& icon);
    // Takes the icons back from the window, when it still exists, and frees them.
    void Release(win::HWND window);

private:
    commctrl::TOwnedIcon FBig;
    commctrl::TOwnedIcon FSmall;
    std::vector<commctrl::TOwnedIcon> FMore;
};
