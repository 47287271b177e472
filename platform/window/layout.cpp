#include "platform/window/internals.h"
#include "platform/window/rects.h"

namespace win::detail {

namespace {

bool IsDecorated(DWORD style) {
    return !(style & WS_CHILD) && !IsPopup(style);
}

RECT SurfaceBounds(const TWindow& topLevel) {
    const SIZE size = ClientSize(topLevel);
    return {0, 0, size.cx, size.cy};
}

} // namespace

bool IsPopup(DWORD style) {
    return !(style & WS_CHILD) && (style & WS_POPUP) && (style & WS_CAPTION) != WS_CAPTION;
}

RECT FrameInsets(DWORD style, DWORD exStyle) {
    if (style & WS_CHILD) {
        const int border = ((style & WS_BORDER) ? 1 : 0) + ((exStyle & WS_EX_CLIENTEDGE) ? 2 : 0);
        return {border, border, border, border};
    }
    if (!IsDecorated(style))
        return {};
    const TFrameMetrics metrics = Backend().FrameMetrics();
    const int frame = (style & WS_THICKFRAME) ? metrics.SizeFrame : metrics.FixedFrame;
    return {frame, frame + metrics.Caption, frame, frame};
}

SIZE ClientSize(const TWindow& window) {
    const RECT client = Deflate(window.Rect, window.Insets);
    return {std::max(0, client.Width()), std::max(0, client.Height())};
}

RECT WindowOnScreen(const TWindow& window) {
    const TWindow* parent = window.IsChild() ? Find(window.Parent) : nullptr;
    if (!parent)
        return window.Rect;
    const POINT origin = ClientOrigin(*parent);
    return Offset(window.Rect, origin.x, origin.y);
}

POINT ClientOrigin(const TWindow& window) {
    const RECT outer = WindowOnScreen(window);
    return {outer.left + window.Insets.left, outer.top + window.Insets.top};
}

POINT SurfaceOrigin(const TWindow& window) {
    const POINT origin = ClientOrigin(window);
    const POINT top = ClientOrigin(TopLevelOf(window));
    return {origin.x - top.x, origin.y - top.y};
}

RECT ClientOnSurface(const TWindow& window) {
    const POINT origin = SurfaceOrigin(window);
    const SIZE size = ClientSize(window);
    return {origin.x, origin.y, origin.x + size.cx, origin.y + size.cy};
}

RECT WindowOnSurface(const TWindow& window) {
    const POINT top = ClientOrigin(TopLevelOf(window));
    return Offset(WindowOnScreen(window), -top.x, -top.y);
}

std::vector<HWND>* SiblingsOf(const TWindow& window) {
    if (!window.IsChild())
        return &State().TopLevels;
    TWindow* parent = Find(window.Parent);
    return parent ? &parent->Children : nullptr;
}

bool IsShown(const TWindow& window) {
    const TWindow* current = &window;
    while (current) {
        if (!(current->Style & WS_VISIBLE))
            return false;
        if (!current->IsChild())
            return !current->Minimized;
        current = Find(current->Parent);
    }
    return false;
}

bool IsEnabledChain(const TWindow& window) {
    for (const TWindow* current = &window; current;
         current = current->IsChild() ? Find(current->Parent) : nullptr) {
        if (current->Style & WS_DISABLED)
            return false;
    }
    return true;
}

gdi::TRegion VisibleWindowArea(const TWindow& window) {
    if (!IsShown(window))
        return {};
    gdi::TRegion area(WindowOnSurface(window));
    const TWindow* current = &window;
    while (current->IsChild()) {
        const TWindow* parent = Find(current->Parent);
        if (!parent)
            return {};
        area.Intersect(ClientOnSurface(*parent));
        for (HWND sibling : parent->Children) {
            if (sibling == current->Handle)
                break;
            const TWindow* above = Find(sibling);
            if (above && (above->Style & WS_VISIBLE))
                area.Subtract(WindowOnSurface(*above));
        }
        current = parent;
    }
    area.Intersect(SurfaceBounds(*current));
    return area;
}

gdi::TRegion PaintableClientArea(const TWindow& window) {
    gdi::TRegion area = VisibleWindowArea(window);
    area.Intersect(ClientOnSurface(window));
    for (HWND child : window.Children) {
        const TWindow* below = Find(child);
        if (below && (below->Style & WS_VISIBLE))
            area.Subtract(WindowOnSurface(*below));
    }
    return area;
}

TWindow* WindowAt(POINT screen) {
    for (HWND handle : State().TopLevels) {
        TWindow* current = Find(handle);
        if (!current || !IsShown(*current) || !Contains(WindowOnScreen(*current), screen))
            continue;
        for (bool deeper = true; deeper;) {
            deeper = false;
            const POINT origin = ClientOrigin(*current);
            const SIZE size = ClientSize(*current);
            if (!Contains({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy}, screen))
                break;
            for (HWND child : current->Children) {
                TWindow* candidate = Find(child);
                if (candidate && (candidate->Style & WS_VISIBLE) &&
                    Contains(WindowOnScreen(*candidate), screen)) {
                    current = candidate;
                    deeper = true;
                    break;
                }
            }
        }
        return current;
    }
    return nullptr;
}

int HitTestCode(const TWindow& window, POINT screen) {
    const POINT origin = ClientOrigin(window);
    const SIZE size = ClientSize(window);
    if (Contains({origin.x, origin.y, origin.x + size.cx, origin.y + size.cy}, screen))
        return HTCLIENT;
    if (!Contains(WindowOnScreen(window), screen))
        return HTNOWHERE;
    const bool inCaptionBand =
        screen.y < origin.y && screen.y >= origin.y - Backend().FrameMetrics().Caption;
    return (!window.IsChild() && IsDecorated(window.Style) && inCaptionBand) ? HTCAPTION : HTBORDER;
}

} // namespace win::detail
