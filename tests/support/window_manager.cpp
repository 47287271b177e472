#include "tests/support/window_manager.h"

#include <X11/Xlib.h>
#include <algorithm>
#include <chrono>
#include <poll.h>

namespace testsupport {

namespace {

bool HasProperty(Display* display, Window window, Atom property) {
    int count = 0;
    Atom* properties = XListProperties(display, window, &count);
    const bool found =
        properties && std::find(properties, properties + count, property) != properties + count;
    if (properties)
        XFree(properties);
    return found;
}

} // namespace

bool WaitForWindowManager(const std::string& name, int seconds) {
    Display* display = XOpenDisplay(name.c_str());
    if (!display)
        return false;
    const Window asking =
        XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = asking;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    // Asked again and again: a request sent before the manager took over the root window is
    // lost.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    bool answered = false;
    while (!answered && std::chrono::steady_clock::now() < until) {
        XSendEvent(display, DefaultRootWindow(display), False,
                   SubstructureRedirectMask | SubstructureNotifyMask, &request);
        XSync(display, False);
        answered = HasProperty(display, asking, extents);
        if (!answered)
            poll(nullptr, 0, 50);
    }
    XDestroyWindow(display, asking);
    XCloseDisplay(display);
    return answered;
}

} // namespace testsupport
