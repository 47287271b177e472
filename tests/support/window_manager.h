#pragma once
// Waiting for a window manager that has just been started on a display of a test's own.

#include <string>

namespace testsupport {

// Waits, up to `seconds`, until a window manager on the display answers the question a
// program asks about the frame of a window before showing it (a frame-extents request).
// False when none answered in time or the display cannot be opened.
bool WaitForWindowManager(const std::string& display, int seconds);

} // namespace testsupport
