// Geometry: rectangles, coordinate mapping, moving, sizing and stacking.

#include "platform/window/internals.h"
#include "platform/window/rects.h"

#include <algorithm>

namespace win {

using namespace detail;

namespace {

// Moves the window within its siblings; returns whether the order changed.
bool Restack(TWindow& window, HWND insertAfter) {
    std::vector<HWND>* siblings = SiblingsOf(window);
    if (!siblings || insertAfter == window.Handle)
        return false;
    const std::vector<HWND> before = *siblings;
    if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM &&
        std::find(siblings->begin(), siblings->end(), insertAfter) == siblings->end())
        return false;
    std::erase(*siblings, window.Handle);
    std::size_t at = 0;
    if (insertAfter == HWND_BOTTOM)
        at = siblings->size();
    else if (insertAfter != HWND_TOP)
        at = std::size_t(std::find(siblings->begin(), siblings->end(), insertAfter) -
                         siblings->begin()) +
             1;
    InsertHandle(*siblings, at, window.Handle);
    return *siblings != before;
}

POINT RelativeClientOrigin(const TWindow& window) {
    return {window.Rect.left + window.Insets.left, window.Rect.top + window.Insets.top};
}

POINT OriginOf(HWND handle) {
    const TWindow* window = Find(handle);
    return window ? ClientOrigin(*window) : POINT{};
}

// What a repositioning changed.
struct TChange {
    bool Sized = false;
    bool Moved = false;
    bool Restacked = false;
    bool Frame = false;
};

RECT TargetRect(const RECT& current, const RECT& requested, UINT flags) {
    RECT next = current;
    if (!(flags & SWP_NOMOVE))
        next = Offset(next, requested.left - next.left, requested.top - next.top);
    if (!(flags & SWP_NOSIZE)) {
        next.right = next.left + std::max(0, requested.Width());
        next.bottom = next.top + std::max(0, requested.Height());
    }
    return next;
}

// A top-level window's surface follows its client size, its pixels are repainted, and the
// backend learns what it did not report itself.
void ApplyToTopLevel(TWindow& window, const TChange& change, bool fromBackend) {
    if (change.Sized)
        ResizeSurface(window);
    if (change.Sized || change.Frame)
        InvalidateTree(window);
    if (fromBackend)
        return;
    if (change.Sized || change.Moved) {
        const POINT origin = ClientOrigin(window);
        const SIZE client = ClientSize(window);
        Backend().PlaceTopLevel(window.Handle,
                                {origin.x, origin.y, origin.x + client.cx, origin.y + client.cy});
    }
    if (change.Restacked && IsShown(window))
        Backend().Raise(window.Handle);
}

void NotifyPosition(const TWindow& window, HWND insertAfter, UINT flags, const TChange& change) {
    WINDOWPOS position;
    position.hwnd = window.Handle;
    position.hwndInsertAfter = insertAfter;
    position.x = window.Rect.left;
    position.y = window.Rect.top;
    position.cx = window.Rect.Width();
    position.cy = window.Rect.Height();
    position.flags = flags | (change.Sized ? 0 : SWP_NOSIZE) | (change.Moved ? 0 : SWP_NOMOVE) |
                     (change.Restacked ? 0 : SWP_NOZORDER);
    SendMessage(window.Handle, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&position));
}

} // namespace

} // namespace win

namespace win::detail {

void SendSizeMessage(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return;
    const SIZE size = ClientSize(*window);
    const WPARAM kind = window->Minimized   ? SIZE_MINIMIZED
                        : window->Maximized ? SIZE_MAXIMIZED
                                            : SIZE_RESTORED;
    SendMessage(handle, WM_SIZE, kind, MAKELPARAM(size.cx, size.cy));
}

void SendMoveMessage(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return;
    const POINT origin = window->IsChild() ? RelativeClientOrigin(*window) : ClientOrigin(*window);
    SendMessage(handle, WM_MOVE, 0, MAKELPARAM(origin.x, origin.y));
}

void RaiseTopLevel(HWND handle) {
    TWindow* window = Find(handle);
    if (!window || window->IsChild())
        return;
    Restack(*window, HWND_TOP);
    if (IsShown(*window))
        Backend().Raise(handle);
    for (HWND other : std::vector<HWND>(State().TopLevels)) {
        TWindow* owned = Find(other);
        if (owned && owned->Owner == handle)
            RaiseTopLevel(other);
    }
}

bool Reposition(TWindow& window, HWND insertAfter, RECT rect, UINT flags, bool fromBackend) {
    const SIZE oldClient = ClientSize(window);
    const POINT oldOrigin = RelativeClientOrigin(window);
    const gdi::TRegion oldArea = window.IsChild() ? VisibleWindowArea(window) : gdi::TRegion();

    window.Rect = TargetRect(window.Rect, rect, flags);
    if (flags & SWP_FRAMECHANGED)
        window.Insets = FrameInsets(window.Style, window.ExStyle);
    TChange change;
    change.Restacked = !(flags & SWP_NOZORDER) && Restack(window, insertAfter);
    const SIZE client = ClientSize(window);
    change.Sized = client.cx != oldClient.cx || client.cy != oldClient.cy;
    change.Moved = RelativeClientOrigin(window) != oldOrigin;
    change.Frame = (flags & SWP_FRAMECHANGED) != 0;
    if (!change.Sized && !change.Moved && !change.Restacked && !change.Frame)
        return true;

    if (window.IsChild() && !(flags & SWP_NOREDRAW)) {
        gdi::TRegion area = oldArea;
        area.Union(VisibleWindowArea(window));
        InvalidateSurfaceArea(TopLevelOf(window), area);
    }
    if (!window.IsChild())
        ApplyToTopLevel(window, change, fromBackend);
    NotifyPosition(window, insertAfter, flags, change);
    return true;
}

void BackendMoved(HWND handle, POINT clientOrigin) {
    TWindow* window = Find(handle);
    if (!window)
        return;
    const POINT origin = ClientOrigin(*window);
    const RECT rect = Offset(window->Rect, clientOrigin.x - origin.x, clientOrigin.y - origin.y);
    Reposition(*window, nullptr, rect, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE, true);
}

void BackendResized(HWND handle, SIZE client) {
    TWindow* window = Find(handle);
    if (!window)
        return;
    const POINT origin = ClientOrigin(*window);
    const RECT rect =
        Inflate({origin.x, origin.y, origin.x + client.cx, origin.y + client.cy}, window->Insets);
    Reposition(*window, nullptr, rect, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE, true);
}

void BackendFrameChanged() {
    for (HWND handle : State().TopLevels) {
        TWindow& window = *Find(handle);
        const RECT client = Deflate(window.Rect, window.Insets);
        window.Insets = FrameInsets(window.Style, window.ExStyle);
        window.Rect = Inflate(client, window.Insets);
    }
}

} // namespace win::detail

namespace win {

bool GetWindowRect(HWND handle, RECT* rect) {
    const TWindow* window = Find(handle);
    if (!window || !rect)
        return false;
    *rect = WindowOnScreen(*window);
    return true;
}

bool GetClientRect(HWND handle, RECT* rect) {
    const TWindow* window = Find(handle);
    if (!window || !rect)
        return false;
    const SIZE size = ClientSize(*window);
    *rect = {0, 0, size.cx, size.cy};
    return true;
}

bool ClientToScreen(HWND handle, POINT* point) {
    if (!Find(handle) || !point)
        return false;
    MapWindowPoints(handle, nullptr, point, 1);
    return true;
}

bool ScreenToClient(HWND handle, POINT* point) {
    if (!Find(handle) || !point)
        return false;
    MapWindowPoints(nullptr, handle, point, 1);
    return true;
}

int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count) {
    if ((from && !Find(from)) || (to && !Find(to)))
        return 0;
    const POINT source = OriginOf(from);
    const POINT target = OriginOf(to);
    const int dx = source.x - target.x;
    const int dy = source.y - target.y;
    for (UINT i = 0; points && i < count; ++i) {
        points[i].x += dx;
        points[i].y += dy;
    }
    return int(MAKELPARAM(dx, dy));
}

int MapWindowPoints(HWND from, HWND to, RECT* rect) {
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    const int result = MapWindowPoints(from, to, corners, 2);
    *rect = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    return result;
}

bool AdjustWindowRectEx(RECT* rect, DWORD style, DWORD exStyle) {
    if (!rect || !HasBackend())
        return false;
    *rect = Inflate(*rect, FrameInsets(style, exStyle));
    return true;
}

bool SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    if ((flags & SWP_SHOWWINDOW) || (flags & SWP_HIDEWINDOW)) {
        // Showing and hiding share ShowWindow's bookkeeping; the rest follows here.
        ShowWindow(handle, (flags & SWP_SHOWWINDOW)
                               ? ((flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW)
                               : SW_HIDE);
        window = Find(handle);
        if (!window)
            return false;
        flags &= ~(SWP_SHOWWINDOW | SWP_HIDEWINDOW);
    }
    return Reposition(*window, insertAfter, {x, y, x + width, y + height}, flags, false);
}

bool MoveWindow(HWND handle, int x, int y, int width, int height, bool repaint) {
    return SetWindowPos(handle, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND handle) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    if (!window->IsChild()) {
        RaiseTopLevel(handle);
        return true;
    }
    return SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

HWND WindowFromPoint(POINT point) {
    TWindow* window = WindowAt(point);
    return window ? window->Handle : nullptr;
}

HWND ChildWindowFromPoint(HWND parent, POINT point) {
    return ChildWindowFromPointEx(parent, point, CWP_ALL);
}

HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags) {
    const TWindow* window = Find(parent);
    if (!window)
        return nullptr;
    const SIZE size = ClientSize(*window);
    if (!Contains({0, 0, size.cx, size.cy}, point))
        return nullptr;
    for (HWND handle : window->Children) {
        const TWindow* child = Find(handle);
        if ((flags & CWP_SKIPINVISIBLE) && !(child->Style & WS_VISIBLE))
            continue;
        if ((flags & CWP_SKIPDISABLED) && (child->Style & WS_DISABLED))
            continue;
        if (Contains(child->Rect, point))
            return handle;
    }
    return parent;
}

} // namespace win
