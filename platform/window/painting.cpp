// Update regions, paint messages, device contexts on window surfaces and presentation.

#include "platform/window/internals.h"
#include "platform/window/rects.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>

namespace win::detail {

namespace {

HDC MakeContext(const TWindow& window, POINT origin, const gdi::TRegion& area) {
    TWindow& topLevel = TopLevelOf(window);
    if (!topLevel.Surface)
        return nullptr;
    HDC dc = gdi::CreateDisplayDC(topLevel.Surface->Bitmap.Get());
    if (!dc)
        return nullptr;
    gdi::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    gdi::SetDeviceClip(dc, area);
    State().Contexts.push_back({dc, window.Handle, topLevel.Handle, area});
    return dc;
}

bool ReleaseContext(HDC dc) {
    auto& contexts = State().Contexts;
    const auto found = std::find_if(contexts.begin(), contexts.end(),
                                    [&](const TContext& context) { return context.DC == dc; });
    if (found == contexts.end())
        return false;
    if (TWindow* topLevel = Find(found->TopLevel); topLevel && topLevel->Surface)
        topLevel->Surface->Dirty.Union(found->Area);
    gdi::DeleteDC(dc);
    contexts.erase(found);
    return true;
}

void MarkTree(TWindow& window, const gdi::TRegion* area) {
    if (!(window.Style & WS_VISIBLE))
        return;
    const RECT client = ClientOnSurface(window);
    gdi::TRegion part = area ? *area : gdi::TRegion(client);
    part.Intersect(client);
    if (!part.IsEmpty()) {
        part.Offset(-client.left, -client.top);
        window.Update.Union(part);
        window.Erase = true;
    }
    if (window.HasChildFrame()) {
        gdi::TRegion frame(WindowOnSurface(window));
        frame.Subtract(client);
        if (area)
            frame.Intersect(*area);
        window.FrameDirty = window.FrameDirty || !frame.IsEmpty();
    }
    for (HWND child : window.Children)
        MarkTree(*Find(child), area);
}

TWindow* FirstToPaint(const std::vector<HWND>& windows, HWND filter) {
    for (HWND handle : windows) {
        TWindow* window = Find(handle);
        if (!window || !(window->Style & WS_VISIBLE) || window->Minimized)
            continue;
        if ((!window->Update.IsEmpty() || window->FrameDirty) && (!filter || filter == handle))
            return window;
        if (TWindow* inner = FirstToPaint(window->Children, filter))
            return inner;
    }
    return nullptr;
}

gdi::TRegion ClientRegion(const TWindow& window) {
    const SIZE size = ClientSize(window);
    return gdi::TRegion(RECT{0, 0, size.cx, size.cy});
}

bool AddToUpdate(HWND handle, gdi::TRegion area, bool erase) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    area.Intersect(ClientRegion(*window));
    if (!area.IsEmpty()) {
        window->Update.Union(area);
        window->Erase = window->Erase || erase;
    }
    return true;
}

} // namespace

void InvalidateSurfaceArea(TWindow& topLevel, const gdi::TRegion& area) {
    if (!area.IsEmpty())
        MarkTree(topLevel, &area);
}

void InvalidateTree(TWindow& window) {
    MarkTree(window, nullptr);
}

TWindow* NextToPaint(HWND filter) {
    return FirstToPaint(State().TopLevels, filter);
}

bool AnythingToPaint() {
    return NextToPaint(nullptr) != nullptr;
}

void ResizeSurface(TWindow& topLevel) {
    ReleaseContexts(topLevel.Handle, true);
    const SIZE size = ClientSize(topLevel);
    const int scale = std::max(1, Backend().DeviceScale());
    // Sizes too large for a bitmap make the section fail rather than overflow.
    const auto pixels = [scale](int logical) {
        return int(std::min<long long>((long long)std::max(1, logical) * scale,
                                       std::numeric_limits<int>::max()));
    };
    gdi::BITMAPINFO info;
    info.bmiHeader.biWidth = pixels(size.cx);
    info.bmiHeader.biHeight = -pixels(size.cy);
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    auto surface = std::make_unique<TSurface>();
    surface->Bitmap.Reset(gdi::CreateDIBSection(nullptr, &info, gdi::DIB_RGB_COLORS, &bits));
    if (!surface->Bitmap || !bits || !gdi::SetBitmapScale(surface->Bitmap.Get(), scale))
        throw EWindowSystem("Cannot create a window surface of " + std::to_string(size.cx) + " x " +
                            std::to_string(size.cy) + " pixels at scale " + std::to_string(scale));
    surface->Bits = static_cast<std::uint32_t*>(bits);
    surface->Width = info.bmiHeader.biWidth;
    surface->Height = -info.bmiHeader.biHeight;
    surface->Scale = scale;
    topLevel.Surface = std::move(surface);
    topLevel.BackBuffer.reset();
}

void ReleaseContexts(HWND window, bool wholeSurface) {
    auto& contexts = State().Contexts;
    std::erase_if(contexts, [&](const TContext& context) {
        const bool match = context.Window == window || (wholeSurface && context.TopLevel == window);
        if (match)
            gdi::DeleteDC(context.DC);
        return match;
    });
}

void PresentAll() {
    for (HWND handle : State().TopLevels) {
        TWindow& window = *Find(handle);
        TSurface* surface = window.Surface.get();
        if (!surface || surface->Dirty.IsEmpty())
            continue;
        if (IsShown(window)) {
            gdi::TRegion pixels = surface->Dirty;
            pixels.Scale(surface->Scale);
            Backend().Present(handle, *surface, pixels.BoundingBox());
        }
        surface->Dirty.Clear();
    }
}

void BackendExposed(HWND handle) {
    TWindow* window = Find(handle);
    if (window && window->Surface) {
        const TSurface& surface = *window->Surface;
        window->Surface->Dirty.Union(
            RECT{0, 0, surface.Width / surface.Scale, surface.Height / surface.Scale});
    }
}

} // namespace win::detail

namespace win {

using namespace detail;

bool InvalidateRect(HWND handle, const RECT* rect, bool erase) {
    if (!handle) {
        for (HWND topLevel : State().TopLevels)
            InvalidateTree(*Find(topLevel));
        return true;
    }
    const TWindow* window = Find(handle);
    if (!window)
        return false;
    return AddToUpdate(handle, rect ? gdi::TRegion(*rect) : ClientRegion(*window), erase);
}

bool ValidateRect(HWND handle, const RECT* rect) {
    TWindow* window = Find(handle);
    if (!window)
        return false;
    if (rect)
        window->Update.Subtract(*rect);
    else
        window->Update.Clear();
    if (window->Update.IsEmpty())
        window->Erase = false;
    return true;
}

bool GetUpdateRect(HWND handle, RECT* rect) {
    const TWindow* window = Find(handle);
    if (!window)
        return false;
    if (rect)
        *rect = window->Update.IsEmpty() ? RECT{} : window->Update.BoundingBox();
    return !window->Update.IsEmpty();
}

bool UpdateWindow(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return false;
    if (IsShown(*window) && (!window->Update.IsEmpty() || window->FrameDirty))
        SendMessage(handle, WM_PAINT, 0, 0);
    return true;
}

HDC BeginPaint(HWND handle, PAINTSTRUCT* paint) {
    TWindow* window = Find(handle);
    if (!window || !paint)
        return nullptr;
    if (window->FrameDirty) {
        window->FrameDirty = false;
        SendMessage(handle, WM_NCPAINT, 1, 0);
        if (!(window = Find(handle)))
            return nullptr;
    }
    gdi::TRegion area = std::move(window->Update);
    window->Update.Clear();
    const bool erase = std::exchange(window->Erase, false);
    const POINT origin = SurfaceOrigin(*window);
    area.Offset(origin.x, origin.y);
    area.Intersect(PaintableClientArea(*window));
    const HDC dc = MakeContext(*window, origin, area);
    paint->hdc = dc;
    paint->rcPaint = area.IsEmpty() ? RECT{} : Offset(area.BoundingBox(), -origin.x, -origin.y);
    paint->fErase = erase;
    if (erase && dc)
        paint->fErase = SendMessage(handle, WM_ERASEBKGND, WPARAM(dc), 0) == 0;
    return dc;
}

bool EndPaint(HWND, const PAINTSTRUCT* paint) {
    return paint && ReleaseContext(paint->hdc);
}

HDC GetDC(HWND handle) {
    if (!handle)
        return gdi::GetScreenDC();
    const TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    return MakeContext(*window, SurfaceOrigin(*window), PaintableClientArea(*window));
}

HDC GetWindowDC(HWND handle) {
    const TWindow* window = Find(handle);
    if (!window)
        return nullptr;
    gdi::TRegion area = VisibleWindowArea(*window);
    for (HWND child : window->Children) {
        const TWindow* below = Find(child);
        if (below->Style & WS_VISIBLE)
            area.Subtract(WindowOnSurface(*below));
    }
    const RECT outer = WindowOnSurface(*window);
    return MakeContext(*window, {outer.left, outer.top}, area);
}

int ReleaseDC(HWND handle, HDC dc) {
    if (!handle)
        return gdi::ReleaseDC(dc);
    return ReleaseContext(dc) ? 1 : 0;
}

} // namespace win
