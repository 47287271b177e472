#pragma once
// Value types of the window system: handles, message parameters, the message record and the
// structures that messages carry. Geometry types are the raster engine's.

#include "platform/gdi/handles.h"
#include "platform/gdi/types.h"

#include <cstdint>

namespace win {

using gdi::BYTE;
using gdi::DWORD;
using gdi::HDC;
using gdi::LONG;
using gdi::POINT;
using gdi::RECT;
using gdi::SIZE;
using gdi::UINT;
using gdi::WORD;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using LONG_PTR = std::intptr_t;

// A window handle. Its value is a number that is never reused within a process, so a handle
// kept after its window was destroyed is recognised as stale and ignored by every call.
struct WindowHandle;
using HWND = WindowHandle*;

// A system cursor; see input.h.
struct CursorShape;
using HCURSOR = const CursorShape*;

constexpr WORD LOWORD(std::uintptr_t value) {
    return WORD(value & 0xFFFF);
}
constexpr WORD HIWORD(std::uintptr_t value) {
    return WORD((value >> 16) & 0xFFFF);
}
constexpr LPARAM MAKELPARAM(int low, int high) {
    return LPARAM(std::uint32_t(WORD(low)) | (std::uint32_t(WORD(high)) << 16));
}
constexpr WPARAM MAKEWPARAM(int low, int high) {
    return WPARAM(MAKELPARAM(low, high));
}
// Signed coordinates packed by MAKELPARAM, as mouse messages carry them.
constexpr int GET_X_LPARAM(LPARAM value) {
    return std::int16_t(LOWORD(std::uintptr_t(value)));
}
constexpr int GET_Y_LPARAM(LPARAM value) {
    return std::int16_t(HIWORD(std::uintptr_t(value)));
}
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM value) {
    return std::int16_t(HIWORD(value));
}
constexpr int GET_KEYSTATE_WPARAM(WPARAM value) {
    return LOWORD(value);
}

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0; // the clock (GetTickCount) when the message was queued
    POINT pt;       // the pointer in screen coordinates when the message was queued
};

// The receiver of a window's messages. The window system never owns a procedure; the owner
// keeps it alive until the window has received WM_NCDESTROY or the procedure was replaced.
struct TWindowProcedure {
    virtual ~TWindowProcedure() = default;
    virtual LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

// What WM_NCCREATE and WM_CREATE point to in lParam.
struct CREATESTRUCT {
    void* lpCreateParams = nullptr;
    HWND hwndParent = nullptr; // the parent of a child window, the owner of a top-level one
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    LONG style = 0;
    const char* lpszName = "";
    const char* lpszClass = "";
    DWORD dwExStyle = 0;
};

// What WM_WINDOWPOSCHANGED points to in lParam: the new outer rectangle, in the parent's
// client coordinates for a child and in screen coordinates for a top-level window.
struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false; // the background still needs erasing: WM_ERASEBKGND returned 0
    RECT rcPaint;        // the bounding box of the area to paint, in client coordinates
};

} // namespace win
