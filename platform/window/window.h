#pragma once
// The window system: windows with a window procedure, one message queue, painting, input,
// cursors and the platform's message box. Include this header for all of it.
//
// Every call that receives a handle of a window that does not exist (never created, or
// destroyed) does nothing and returns its failure value (null, false, 0). All calls are
// made from one thread.

#include "platform/commctrl/icons.h"
#include "platform/window/backend.h"
#include "platform/window/exceptions.h"
#include "platform/window/input.h"
#include "platform/window/keys.h"
#include "platform/window/messagebox.h"
#include "platform/window/messages.h"
#include "platform/window/metrics.h"
#include "platform/window/paint.h"
#include "platform/window/queue.h"
#include "platform/window/styles.h"
#include "platform/window/types.h"

#include <functional>
#include <string>
#include <vector>

namespace win {

// ---- Classes and creation -------------------------------------------------------------------

// What windows of one class share. A window copies its class when it is created, so
// registering a name again changes only the windows created afterwards.
struct WNDCLASS {
    UINT style = 0;                      // CS_* flags
    HCURSOR hCursor = nullptr;           // set by DefWindowProc's WM_SETCURSOR; null: arrow
    gdi::HBRUSH hbrBackground = nullptr; // filled by DefWindowProc's WM_ERASEBKGND; null: none
    std::string lpszClassName;
};

// Registers (or replaces) a class; false for an empty name. Classes outlive Shutdown.
bool RegisterClass(const WNDCLASS& windowClass);

// Creates a window of a registered class. A WS_CHILD window needs a parent and takes a
// position in its client area; for any other window `parent` names the owner (a child's
// top-level window stands in) and x, y are screen coordinates of the outer rectangle.
// `procedure` receives the window's messages (null: DefWindowProc only), starting with
// WM_NCCREATE and WM_CREATE (both with CREATESTRUCT*), then WM_SIZE and WM_MOVE; with
// WS_VISIBLE the window is then shown as ShowWindow(SW_SHOW) does. A new child goes to the
// bottom of its siblings' z-order, a new top-level window to the top. Returns null when the
// class is unknown, the parent invalid, no backend is selected, WM_NCCREATE returns 0 or
// WM_CREATE returns -1.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    TWindowProcedure* procedure, void* createParams = nullptr);

// Destroys the window, first the top-level windows it owns, then: WM_DESTROY to it, its
// children destroyed the same way (topmost first), WM_NCDESTROY to it. Focus and capture
// inside it are released; an active top-level window passes activation to its owner.
bool DestroyWindow(HWND window);
bool IsWindow(HWND window);
// How many windows are alive, children included: to see that a program destroys all it
// creates.
int LiveWindows();

// The default handling of every message; see defproc.cpp for what it does.
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// GWL_STYLE, GWL_EXSTYLE, GWLP_ID and GWLP_USERDATA. Setting GWL_STYLE keeps WS_CHILD,
// WS_VISIBLE and WS_DISABLED as they are (ShowWindow and EnableWindow change those); frame
// changes take effect with SetWindowPos(SWP_FRAMECHANGED). Returns the previous value.
LONG_PTR GetWindowLongPtr(HWND window, int index);
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);

bool SetWindowText(HWND window, const std::string& text);
std::string GetWindowText(HWND window);
int GetWindowTextLength(HWND window);
// Further sizes of the window's icon beside WM_SETICON's two, for desktops that pick the size
// they show from several. The handles stay the caller's, as WM_SETICON's do; none removes them.
bool SetWindowIconSizes(HWND window, std::vector<commctrl::HICON> icons);

// ---- Relations ------------------------------------------------------------------------------

// The parent of a child window, the owner of a top-level window.
HWND GetParent(HWND window);
HWND GetAncestor(HWND window, UINT relation);
HWND GetWindow(HWND window, UINT relation);
bool IsChild(HWND parent, HWND window);
HWND GetDlgItem(HWND parent, int id);
// The first top-level window, in z-order, whose class and caption match; null matches any.
HWND FindWindow(const char* className, const char* windowName);
// Calls `visit` for every top-level window (front to back) until it returns false.
bool EnumWindows(const std::function<bool(HWND)>& visit);
// Calls `visit` for every descendant of `parent`, depth first, until it returns false.
bool EnumChildWindows(HWND parent, const std::function<bool(HWND)>& visit);

// ---- Visibility, state, activation ----------------------------------------------------------

// Returns whether the window was visible before. Maximising needs WS_MAXIMIZEBOX; without
// it SW_MAXIMIZE shows the window as it is. Minimising applies to top-level windows.
bool ShowWindow(HWND window, int command);
// Visible when the window and all its ancestors have WS_VISIBLE.
bool IsWindowVisible(HWND window);
bool IsIconic(HWND window);
bool IsZoomed(HWND window);
// Returns whether the window was disabled before. Sends WM_ENABLE on a change; disabling
// takes the focus and the capture away from the window and its descendants.
bool EnableWindow(HWND window, bool enable);
// Enabled when neither the window nor an ancestor has WS_DISABLED.
bool IsWindowEnabled(HWND window);

// Activates a top-level window (a child's top-level window stands in): WM_ACTIVATE with
// WA_INACTIVE to the one active before, then WM_ACTIVATE to the new one, whose default
// handling restores the focus to the descendant that last had it. A disabled window passes
// activation on to an enabled window it owns. Returns the window active before.
HWND SetActiveWindow(HWND window);
HWND GetActiveWindow();

// ---- Geometry -------------------------------------------------------------------------------

// Outer rectangle in screen coordinates.
bool GetWindowRect(HWND window, RECT* rect);
// Client rectangle: (0, 0, client width, client height).
bool GetClientRect(HWND window, RECT* rect);
bool ClientToScreen(HWND window, POINT* point);
bool ScreenToClient(HWND window, POINT* point);
// Maps from one window's client coordinates to another's; null stands for the screen.
// Returns the horizontal offset in the low word and the vertical one in the high word.
int MapWindowPoints(HWND from, HWND to, POINT* points, UINT count);
int MapWindowPoints(HWND from, HWND to, RECT* rect);
// The outer rectangle a window of this style needs around a client rectangle. Windows have
// no menu bars here, so there is no menu argument. False before a backend is selected.
bool AdjustWindowRectEx(RECT* rect, DWORD style, DWORD exStyle);

// Moves, sizes, re-stacks, shows or hides (SWP_* flags). x, y and the size are of the outer
// rectangle, in the parent's client coordinates for a child and in screen coordinates for
// a top-level window. insertAfter: HWND_TOP, HWND_BOTTOM or the sibling to go below. Sends
// WM_WINDOWPOSCHANGED, whose default handling sends WM_MOVE and WM_SIZE.
bool SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint);
bool BringWindowToTop(HWND window);

// The deepest visible window under a screen point (disabled ones included; input routing
// drops their input).
HWND WindowFromPoint(POINT point);
// The child of `parent` under a point in parent's client coordinates; `parent` itself when
// no child is there; null outside the parent's client area.
HWND ChildWindowFromPoint(HWND parent, POINT point);
HWND ChildWindowFromPointEx(HWND parent, POINT point, UINT flags);

} // namespace win
