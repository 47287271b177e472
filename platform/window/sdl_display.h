#pragma once
// The displays the SDL backend may open: an X server named by DISPLAY, a Wayland compositor
// named by WAYLAND_DISPLAY, nothing else.

#include <string>

namespace win::detail {

// SDL's video drivers for the displays that are named, in its order of preference, as its
// hint lists them; empty when none is.
std::string DisplayDrivers();

// Why no display could be opened, naming each variable and the value tried.
std::string DisplayProblem();

} // namespace win::detail
