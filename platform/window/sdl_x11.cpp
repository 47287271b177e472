#include "platform/window/sdl_x11.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <climits>
#include <poll.h>

namespace win::detail::x11 {

namespace {

// What SDL tells of a window's native side, when that is an X server.
std::optional<SDL_SysWMinfo> X11InfoOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11)
        return std::nullopt;
    return info;
}

// The program's requests are about its own windows: an error comes back when one of them is
// gone, or no longer viewable, by the time the server reads the request. Nothing is left
// to repair then.
int IgnoreError(Display*, XErrorEvent*) {
    return 0;
}

} // namespace

void InstallErrorHandler() {
    XSetErrorHandler(IgnoreError);
}

unsigned long WindowOf(SDL_Window* window) {
    const auto info = X11InfoOf(window);
    return info ? info->info.x11.window : 0;
}

unsigned long DestroyedWindow(const SDL_SysWMmsg& message) {
    if (message.subsystem != SDL_SYSWM_X11 || message.msg.x11.event.type != DestroyNotify)
        return 0;
    return message.msg.x11.event.xdestroywindow.window;
}

bool WaitForEvents(SDL_Window* window, std::optional<DWORD> timeout) {
    const auto info = X11InfoOf(window);
    if (!info)
        return false;
    Display* display = info->info.x11.display;
    if (XEventsQueued(display, QueuedAfterFlush) == 0) {
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, timeout ? int(std::min<DWORD>(*timeout, INT_MAX)) : -1);
    }
    return true;
}

} // namespace win::detail::x11
