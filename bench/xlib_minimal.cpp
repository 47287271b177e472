// The anchor of the start-up benchmark: about the least an X program can do to show a window
// with content. It fills a window of the launcher's size with one colour on every exposure and
// runs until it is killed.

#include <X11/Xlib.h>
#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "xlib_minimal: no display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 640, 480, 0,
                            BlackPixel(display, screen), WhitePixel(display, screen));
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    const GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, 0x336699);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            XFillRectangle(display, window, gc, 0, 0, 640, 480);
            XFlush(display);
        }
    }
}
