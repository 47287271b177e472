#pragma once
// What the window system asks of a backend, and the input records a backend delivers.

#include "platform/commctrl/icons.h"
#include "platform/window/types.h"

#include <optional>
#include <string>

namespace win::detail {

struct TSurface;

// Frame sizes of decorated top-level windows: the border of a fixed and of a sizeable frame
// and the caption height.
struct TFrameMetrics {
    int FixedFrame = 0;
    int SizeFrame = 0;
    int Caption = 0;
};

struct TTopLevelKind {
    std::string Caption;
    RECT Client;          // screen coordinates
    bool Popup = false;   // borderless, at a screen position, never takes the focus itself
    bool Sizable = false; // WS_THICKFRAME
    HWND Owner = nullptr;
};

enum class TShowState { ssHidden, ssNormal, ssMinimized, ssMaximized };

enum class TInputKind {
    ikMouseMove,
    ikMouseLeave, // the pointer went onto another program's window, or off all windows
    ikMouseDown,
    ikMouseUp,
    ikWheel,
    ikKeyDown,
    ikKeyUp,
    ikText,
    ikCloseBox
};

struct TInputEvent {
    TInputKind Kind = TInputKind::ikMouseMove;
    POINT Point;           // pointer position in screen coordinates (mouse events)
    UINT Key = 0;          // VK_* of a key or mouse button
    int Delta = 0;         // wheel distance
    std::string Text;      // UTF-8 (text input)
    HWND Window = nullptr; // the window whose close box was clicked
    DWORD Time = 0;        // when it arrived
};

class TBackend {
public:
    TBackend() = default;
    TBackend(const TBackend&) = delete;
    TBackend& operator=(const TBackend&) = delete;
    virtual ~TBackend() = default;

    virtual SIZE ScreenSize() = 0;
    // Device pixels per logical pixel on the screen: the window system's coordinates are
    // logical, window surfaces hold this many pixels squared for each.
    virtual int DeviceScale() { return 1; }
    virtual TFrameMetrics FrameMetrics() = 0;
    virtual DWORD Now() = 0;

    virtual void CreateTopLevel(HWND window, const TTopLevelKind& kind) = 0;
    virtual void DestroyTopLevel(HWND window) = 0;
    virtual void ShowTopLevel(HWND window, TShowState state) = 0;
    // The client rectangle in screen coordinates.
    virtual void PlaceTopLevel(HWND window, const RECT& client) = 0;
    virtual void SetCaption(HWND window, const std::string& caption) = 0;
    // The icon the window shows in its title bar and the task bar; nothing: none.
    virtual void SetIcon(HWND window, const std::optional<commctrl::TIconRgba>& icon) = 0;
    virtual void Raise(HWND window) = 0;
    // Shows `area` (surface pixels) of the window's surface on the screen.
    virtual void Present(HWND window, const TSurface& surface, const RECT& area) = 0;
    virtual void ShowCursor(int resource) = 0;
    // Returns when input may have arrived or the timeout (milliseconds) has passed; input is
    // handed to QueueInput, window changes to the Backend* calls in internals.h.
    virtual void Wait(std::optional<DWORD> timeout) = 0;
};

} // namespace win::detail
