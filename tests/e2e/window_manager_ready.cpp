// Waits up to twenty seconds for the window manager on $DISPLAY to answer; fails when none
// does. Usage: window_manager_ready

#include "tests/support/window_manager.h"

#include <cstdio>
#include <cstdlib>

int main() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !testsupport::WaitForWindowManager(display, 20)) {
        std::fprintf(stderr, "no window manager answered on the display\n");
        return 1;
    }
    return 0;
}
