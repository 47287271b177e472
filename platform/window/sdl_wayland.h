#pragma once
// What the SDL backend asks of a Wayland compositor itself, before SDL connects to it.

namespace win::detail::wayland {

// Whether the compositor named by WAYLAND_DISPLAY accepts a connection but offers no seat
// (no keyboard, pointer or touch): SDL's Wayland driver cannot run without one. False when
// there is no such compositor, or it offers a seat.
bool CompositorLacksSeat();

} // namespace win::detail::wayland
