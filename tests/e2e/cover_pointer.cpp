// Plays another program whose window opens under the resting pointer and closes again at
// once, as a started tool's window may: maps a small window centred on the pointer, waits
// until it is shown, and destroys it after the given time.
// Usage: cover_pointer MILLISECONDS

#include <X11/Xlib.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s MILLISECONDS\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "%s: cannot open the display\n", argv[0]);
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    Window ignoredWindow = 0;
    int x = 0, y = 0, ignored = 0;
    unsigned mask = 0;
    XQueryPointer(display, root, &ignoredWindow, &ignoredWindow, &x, &y, &ignored, &ignored, &mask);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    attributes.event_mask = StructureNotifyMask;
    const Window cover =
        XCreateWindow(display, root, x - 25, y - 25, 50, 50, 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
    XMapRaised(display, cover);
    for (XEvent event;
         XWindowEvent(display, cover, StructureNotifyMask, &event), event.type != MapNotify;) {
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[1])));
    XDestroyWindow(display, cover);
    XCloseDisplay(display);
    return 0;
}
