#include "platform/gdi/owned.h"
#include "platform/theme/theme.h"
#include "platform/window/messages.h"
#include "platform/window/queue.h"
#include "platform/window/window.h"

namespace theme {

bool DrawThemeParentBackground(win::HWND window, gdi::HDC dc, const gdi::RECT* rect) {
    const win::HWND parent = win::GetParent(window);
    if (!parent || !dc)
        return false;
    win::POINT origin{0, 0};
    win::MapWindowPoints(window, parent, &origin, 1);
    const gdi::TSavedState saved(dc);
    if (rect)
        gdi::IntersectClipRect(dc, rect->left, rect->top, rect->right, rect->bottom);
    // From here on the context's coordinates are the parent's.
    gdi::OffsetViewportOrgEx(dc, -origin.x, -origin.y, nullptr);
    win::SendMessage(parent, win::WM_ERASEBKGND, win::WPARAM(dc), 0);
    win::SendMessage(parent, win::WM_PRINTCLIENT, win::WPARAM(dc), win::PRF_CLIENT);
    return true;
}

} // namespace theme
