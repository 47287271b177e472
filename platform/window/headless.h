#pragma once
// The headless backend: top-level windows are offscreen surfaces on a virtual screen, time
// is a clock the test sets, and input is what the test injects, in the form a real backend
// delivers it (pointer moves and buttons in screen coordinates, key presses, typed text).
// Injected input is queued and becomes messages when a message loop retrieves it.

#include "platform/commctrl/icons.h"
#include "platform/window/types.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace win {

// Pixels 0x00RRGGBB, top row first.
struct TScreenshot {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const { return Pixels[std::size_t(y) * std::size_t(Width) + x]; }
};

class THeadless {
public:
    THeadless() = default;
    THeadless(const THeadless&) = delete;
    THeadless& operator=(const THeadless&) = delete;
    virtual ~THeadless() = default;

    // The clock behind GetTickCount, timers and double clicks; it starts at 1000 and only
    // moves when advanced.
    virtual void Advance(DWORD milliseconds) = 0;

    // Pointer and buttons (VK_LBUTTON, VK_RBUTTON, VK_MBUTTON), screen coordinates. A move
    // replaces a move still waiting in the queue, as real pointer motion is coalesced.
    virtual void MouseMove(int x, int y) = 0;
    virtual void MouseDown(UINT button) = 0;
    virtual void MouseUp(UINT button) = 0;
    // Move, press and release.
    virtual void Click(int x, int y, UINT button) = 0;
    // The pointer went onto another program's window (one that opened under it, say),
    // without moving.
    virtual void MouseLeave() = 0;
    // Wheel distance in multiples of WHEEL_DELTA.
    virtual void Wheel(int delta) = 0;

    // Keys (VK_*; VK_SHIFT, VK_CONTROL and VK_MENU stand for their left keys). Typed text
    // arrives separately, as the backend's text input does.
    virtual void KeyDown(UINT key) = 0;
    virtual void KeyUp(UINT key) = 0;
    // Down and up.
    virtual void Key(UINT key) = 0;
    virtual void Text(std::string_view utf8) = 0;

    // The user clicked the close box in a top-level window's caption.
    virtual void CloseBox(HWND window) = 0;

    // Called when a message loop has nothing to retrieve; it scripts what happens next by
    // injecting input, advancing the clock or posting messages. Null removes it.
    virtual void SetIdleHook(std::function<void()> hook) = 0;

    // A pixel of a window, at client coordinates (negative values reach a child's frame),
    // read from its top-level window's surface (the first of its device pixels on a dense
    // one); CLR_INVALID outside the surface.
    virtual gdi::COLORREF Pixel(HWND window, int x, int y) const = 0;
    // Every device pixel of a top-level window's client area, as shown; empty for a window
    // that is not top-level or has no surface.
    virtual TScreenshot Screenshot(HWND window) const = 0;
    // The icon a top-level window shows, as the window system last handed it over; nothing
    // when it shows none.
    virtual std::optional<commctrl::TIconRgba> Icon(HWND window) const = 0;
    // Every size of that icon, the shown one first.
    virtual std::vector<commctrl::TIconRgba> IconSizes(HWND window) const = 0;
};

} // namespace win
