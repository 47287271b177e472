#pragma once
// Operations shared between the window system's source files, grouped by the file that
// defines them. Coordinates named "surface" are those of a top-level window's surface,
// whose origin is that window's client origin.

#include "platform/window/state.h"

#include <optional>

namespace win::detail {

// ---- create.cpp -----------------------------------------------------------------------------

// Removes a window and whatever is left of its descendants from every table, without
// messages.
void Forget(HWND window);
// What the backend needs to show a top-level window.
TTopLevelKind TopLevelKindOf(const TWindow& window);

// ---- visibility.cpp -------------------------------------------------------------------------

TShowState ShowStateOf(const TWindow& window);

// ---- layout.cpp -----------------------------------------------------------------------------

// A borderless top-level popup: WS_POPUP without a caption.
bool IsPopup(DWORD style);
RECT FrameInsets(DWORD style, DWORD exStyle);
SIZE ClientSize(const TWindow& window);
POINT ClientOrigin(const TWindow& window); // screen
RECT WindowOnScreen(const TWindow& window);
POINT SurfaceOrigin(const TWindow& window); // the client origin on the surface
RECT ClientOnSurface(const TWindow& window);
RECT WindowOnSurface(const TWindow& window);
// The z-order list the window is in: its parent's children, or the top-level windows.
std::vector<HWND>* SiblingsOf(const TWindow& window);
bool IsShown(const TWindow& window); // visible up to a top-level window that is not minimised
bool IsEnabledChain(const TWindow& window);
// The part of the window's outer rectangle that can be seen on its surface.
gdi::TRegion VisibleWindowArea(const TWindow& window);
// The part of the client area that the window itself paints: visible, outside its
// visible children.
gdi::TRegion PaintableClientArea(const TWindow& window);
// The deepest shown window under a screen point.
TWindow* WindowAt(POINT screen);
int HitTestCode(const TWindow& window, POINT screen);

// ---- painting.cpp ---------------------------------------------------------------------------

// Marks an area (surface coordinates) of a top-level window's tree for repainting with
// erase, in every window it touches.
void InvalidateSurfaceArea(TWindow& topLevel, const gdi::TRegion& area);
// Marks a visible window, its frame and its visible descendants for repainting with erase.
void InvalidateTree(TWindow& window);
// The next window with something to paint, parents before children; null when none.
TWindow* NextToPaint(HWND filter);
bool AnythingToPaint();
// Gives a top-level window a surface of its client size.
void ResizeSurface(TWindow& topLevel);
// Deletes the contexts handed out for the window (or for its whole surface).
void ReleaseContexts(HWND window, bool wholeSurface);
void PresentAll();

// ---- icon.cpp -------------------------------------------------------------------------------

// WM_SETICON and WM_GETICON as DefWindowProc answers them.
LRESULT SetWindowIcon(TWindow& window, WPARAM kind, commctrl::HICON icon);
// Hands the backend the icon a top-level window shows.
void ShowWindowIcon(const TWindow& window);
LRESULT GetWindowIcon(const TWindow& window, WPARAM kind);

// ---- edge.cpp -------------------------------------------------------------------------------

// Draws the frame of a child window with WS_BORDER or WS_EX_CLIENTEDGE.
void DrawChildFrame(HWND window);

// ---- focus.cpp ------------------------------------------------------------------------------

// Shown, enabled, not a borderless popup and not WS_EX_NOACTIVATE.
bool CanBeActive(const TWindow& window);
// The window that blocks a disabled window: the frontmost shown window it owns that can be
// active, found through the windows it owns in turn (a box over a modal window over it);
// null when there is none.
HWND BlockingWindow(HWND owner);
// Makes a top-level window (null: none) the active one; a disabled window passes it on to
// an enabled window it owns.
void Activate(HWND window, WORD how);
// Activates the owner when it can be active, else the frontmost window that can.
void ActivateSuccessor(HWND owner);
// Takes the capture, and with `focus` the keyboard focus, from the window and its
// descendants.
void ReleaseInputState(TWindow& window, bool focus);
bool IsInside(const TWindow& window, HWND candidate); // the window or a descendant

// ---- mouse.cpp, keyboard.cpp ----------------------------------------------------------------

void ConvertMouse(const TInputEvent& event);
// The window mouse input at a screen point goes to: the deepest shown window, or null when
// it or an ancestor is disabled.
TWindow* EnabledWindowAt(POINT screen);
void ConvertKey(const TInputEvent& event);
void ConvertText(const TInputEvent& event);
WPARAM MouseKeyFlags();
// Re-evaluates which window owns the pointer and sends WM_MOUSELEAVE / WM_MOUSEENTER.
void UpdateMouseWindow();
void SetKeyDown(UINT key, bool down);

// ---- queue.cpp ------------------------------------------------------------------------------

// Queues input from the backend, stamped with the backend's clock.
void QueueInput(TInputEvent event);
// Queues a message; `front` puts it before everything already queued.
void Post(const MSG& message, bool front = false);
bool HasPendingWork();

// ---- timers.cpp -----------------------------------------------------------------------------

std::optional<DWORD> MillisecondsToNextTimer();
bool TakeDueTimer(HWND filter, bool remove, MSG* message);
bool AnyTimerDue();
void KillTimersOf(HWND window);

// ---- position.cpp ---------------------------------------------------------------------------

// WM_SIZE with the client size and the window's state; WM_MOVE with the client origin in
// the parent's client area (the screen for a top-level window).
void SendSizeMessage(HWND window);
void SendMoveMessage(HWND window);
// Brings a top-level window and the windows it owns to the front.
void RaiseTopLevel(HWND window);
// Sets the outer rectangle, stacking and frame as SetWindowPos does (visibility aside);
// the backend is told unless the change came from it.
bool Reposition(TWindow& window, HWND insertAfter, RECT rect, UINT flags, bool fromBackend);

// ---- Calls from backends --------------------------------------------------------------------

// The user or the window manager moved a top-level window's client origin (screen).
void BackendMoved(HWND window, POINT clientOrigin);
void BackendResized(HWND window, SIZE client);
void BackendStateChanged(HWND window, TShowState state);
void BackendFocusChanged(HWND window, bool focused);
// The frame metrics changed (decorations measured): outer rectangles follow, clients stay.
void BackendFrameChanged();
// The screen lost the window's pixels; shows them again from the surface.
void BackendExposed(HWND window);
// The native window of a top-level window vanished: another program destroyed it. The
// window gets a new one, as it was, and the loss counts as a click on its close box, which
// the window may refuse (while a modal box blocks it) like any other.
void BackendLost(HWND window);

} // namespace win::detail
