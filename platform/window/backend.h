#pragma once
// Choosing the backend that shows top-level windows and delivers input. Programs call
// UseSdlBackend, tests UseHeadlessBackend, once before the first window; the code above the
// backend is the same for both.

namespace win {

class THeadless;

// Real windows on the desktop (X11, or Wayland through XWayland). Raises
// EBackendUnavailable when no display can be opened.
void UseSdlBackend();
// Offscreen windows; the returned object injects input and reads pixels (headless.h).
THeadless& UseHeadlessBackend();
// Destroys every window (with their messages), empties the queue, forgets timers, focus,
// capture and the pressed keys, and releases the backend. Registered classes stay.
void Shutdown();

} // namespace win
