#pragma once
// The window system's records: windows, the queue, timers and the input state. One
// instance per process, used from one thread.

#include "platform/commctrl/icons.h"
#include "platform/gdi/owned.h"
#include "platform/gdi/region.h"
#include "platform/window/backend_api.h"
#include "platform/window/window.h"

#include <algorithm>
#include <array>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace win::detail {

// A top-level window's backing store: 32 bits per pixel, top row first, 0x00RRGGBB, Scale x
// Scale pixels for each logical pixel of the client area.
struct TSurface {
    gdi::TOwnedBitmap Bitmap;
    std::uint32_t* Bits = nullptr;
    int Width = 0; // pixels
    int Height = 0;
    int Scale = 1;
    gdi::TRegion Dirty; // drawn since last presented, logical
};

struct TWindow {
    HWND Handle = nullptr;
    WNDCLASS Class;
    TWindowProcedure* Procedure = nullptr;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    HWND Parent = nullptr;      // child windows
    HWND Owner = nullptr;       // top-level windows
    std::vector<HWND> Children; // z-order, topmost first
    RECT Rect;   // outer rectangle: parent's client coordinates, or screen for top-level
    RECT Insets; // frame widths on each side
    std::string Text;
    LONG_PTR Id = 0;
    LONG_PTR UserData = 0;
    gdi::TRegion Update; // client coordinates
    bool Erase = false;
    bool FrameDirty = false;
    bool Minimized = false;
    bool Maximized = false;
    RECT RestoredRect;
    bool Destroying = false;
    HWND LastFocus = nullptr;          // top-level: the descendant that had the focus last
    commctrl::HICON BigIcon = nullptr; // WM_SETICON's handles, not owned
    commctrl::HICON SmallIcon = nullptr;
    std::vector<commctrl::HICON> MoreIcons; // SetWindowIconSizes' handles, not owned
    std::unique_ptr<TSurface> Surface;      // top-level only
    // Lent to double-buffered paints of the window's tree; shared with a paint that holds it.
    std::shared_ptr<const gdi::TOwnedBitmap> BackBuffer; // top-level only

    bool IsChild() const { return (Style & WS_CHILD) != 0; }
    // A child frame the window system draws (top-level frames belong to the backend).
    bool HasChildFrame() const { return IsChild() && Insets != RECT{}; }
};

struct TTimer {
    HWND Window = nullptr;
    UINT Id = 0;
    UINT Elapse = 0;
    DWORD Due = 0;
};

struct TClick {
    HWND Window = nullptr;
    UINT Button = 0;
    DWORD Time = 0;
    POINT Point;
};

// A device context handed out for a window, with the area it may draw (surface
// coordinates), which is presented when it is released.
struct TContext {
    HDC DC = nullptr;
    HWND Window = nullptr;
    HWND TopLevel = nullptr;
    gdi::TRegion Area;
};

struct TState {
    std::unique_ptr<TBackend> Backend;
    std::unordered_map<HWND, std::unique_ptr<TWindow>> Windows;
    std::unordered_map<std::string, WNDCLASS> Classes;
    std::vector<HWND> TopLevels; // z-order, front first
    std::uintptr_t LastHandle = 0x10000;

    std::deque<MSG> Posted;
    std::deque<TInputEvent> Input;
    bool QuitPosted = false;
    int QuitCode = 0;
    std::vector<TTimer> Timers;

    HWND Focus = nullptr;
    HWND Active = nullptr;
    HWND Capture = nullptr;
    HWND MouseWindow = nullptr; // the window that was last sent WM_MOUSEENTER
    POINT Pointer;
    bool PointerKnown = false;     // no pointer input has arrived yet
    bool PointerElsewhere = false; // over another program's window
    std::array<bool, 256> KeysDown{};
    TClick LastClick;
    HCURSOR Cursor = nullptr;

    std::vector<TContext> Contexts;
};

// Inserts a handle into a z-order list before position `at`.
inline void InsertHandle(std::vector<HWND>& list, std::size_t at, HWND handle) {
    list.push_back(handle);
    std::rotate(list.begin() + std::ptrdiff_t(std::min(at, list.size() - 1)), list.end() - 1,
                list.end());
}

TState& State();
// The record of a live window; null for a stale or null handle.
TWindow* Find(HWND window);
// The selected backend; raises EWindowSystem when none is.
TBackend& Backend();
bool HasBackend();
TWindow& TopLevelOf(const TWindow& window);

} // namespace win::detail
