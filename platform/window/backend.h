#pragma once
// Choosing the backend that shows top-level windows and delivers input. Programs call
// UseSdlBackend, tests UseHeadlessBackend, before the first window; choosing while windows
// exist raises EWindowSystem. The code above the backend is the same for both.

namespace win {

class THeadless;

// Real windows on the desktop: on the X server that DISPLAY names, else on the Wayland
// compositor that WAYLAND_DISPLAY names. Raises EBackendUnavailable, naming the variables
// and the values tried, when neither can be opened.
void UseSdlBackend();
// Offscreen windows; the returned object injects input and reads pixels (headless.h). It
// lives until Shutdown or the next selection. Window surfaces hold deviceScale x deviceScale
// pixels for each logical pixel, as on a dense screen.
THeadless& UseHeadlessBackend(int deviceScale = 1);
// Discards every window without sending messages (their procedures may be gone already),
// empties the queue, forgets timers, focus, capture and the pressed keys, and releases the
// backend. Registered classes stay. Selecting a backend again starts afresh.
void Shutdown();

} // namespace win
