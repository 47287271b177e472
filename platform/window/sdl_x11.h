#pragma once
// What the SDL backend does through Xlib itself when SDL's windows are on an X server.

#include "platform/window/types.h"

#include <optional>

struct SDL_Window;
struct SDL_SysWMmsg;

namespace win::detail::x11 {

// Makes X protocol errors harmless. Xlib's default handler ends the process, and errors
// arrive after the fact for requests about windows that are already gone: one destroyed by
// another program, or one SDL still touches while it goes. Installed before SDL opens the
// display, it is the handler SDL's own ones pass errors on to and put back when they end.
void InstallErrorHandler();

// The X window behind an SDL window; 0 when it is not on an X server.
unsigned long WindowOf(SDL_Window* window);

// The X window that a DestroyNotify names; 0 for any other event.
unsigned long DestroyedWindow(const SDL_SysWMmsg& message);

// Sends what is buffered and waits until events arrive on the display connection behind
// the window, or the timeout (milliseconds) passes. Returns false at once when the window
// is not on an X server.
bool WaitForEvents(SDL_Window* window, std::optional<DWORD> timeout);

} // namespace win::detail::x11
