#pragma once
// The message queue. Retrieval order: posted messages (input among them, in the order it
// arrived), the quit request, then WM_PAINT for windows with something to paint (parents
// before children), then WM_TIMER for timers that are due. Input from the backend becomes
// messages only when retrieval reaches it, so capture and focus are those of that moment.
// Every loop may nest: a handler can run its own GetMessage/DispatchMessage loop.

#include "platform/window/types.h"

namespace win {

// Calls the window's procedure at once and returns its result; 0 for a stale window.
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a message; a null window queues one for the loop itself (DispatchMessage skips it).
bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Makes the queue return WM_QUIT (wParam: the code) once the posted messages are taken.
void PostQuitMessage(int exitCode);

// Waits for a message matching the filter (window: null for any; min..max: 0, 0 for all).
// Returns 1, or 0 for WM_QUIT, or -1 when the filter names a stale window.
int GetMessage(MSG* message, HWND window, UINT min, UINT max);
// Like GetMessage without waiting; false when nothing matches. PM_NOREMOVE leaves the
// message queued (WM_PAINT is never removed: it comes until the window is validated).
bool PeekMessage(MSG* message, HWND window, UINT min, UINT max, UINT remove);
// Waits until input or a timer may have produced a message. On the headless backend this
// calls the idle hook, or raises EMessageLoopBlocked (see backend.h).
void WaitMessage();
// Queues WM_CHAR for WM_KEYDOWN of Enter, Escape, Tab and Backspace and for Control with a
// letter (code 1..26); WM_SYSCHAR for WM_SYSKEYDOWN of a letter or digit (Alt held). Typed
// text arrives from the backend as WM_CHAR by itself. Returns whether it queued anything.
bool TranslateMessage(const MSG* message);
LRESULT DispatchMessage(const MSG* message);

// Milliseconds of the backend's clock.
DWORD GetTickCount();

// WM_TIMER to `window` every `elapse` milliseconds (at least 1); an id already used by the
// window restarts that timer. Returns the id; 0 for a stale window or the id 0.
UINT SetTimer(HWND window, UINT id, UINT elapse);
bool KillTimer(HWND window, UINT id);

} // namespace win
